#pragma once

#include "FormDescription.h"

#include <string>

// What the drop logic needs of the main window. The window implements it with
// real controls; tests implement it with a recorder. Texts are UTF-8 and always plain text,
// never markup.
class DropSurface {
public:
    enum class Label { FileName, FileSize, FileType };
    using Elision = form::Elision;

    virtual ~DropSurface() = default;

    virtual void setTagText(const std::string &text) = 0;
    virtual void setLabelCaption(Label label, const std::string &caption, Elision elision) = 0;
    // Publishes the text to the clipboard as plain text; false when the clipboard refused it.
    virtual bool setClipboardText(const std::string &text) = 0;
    // A modal message box with the exclamation icon and one OK button; returns once it is closed.
    virtual void showErrorMessage(const std::string &text, const std::string &title) = 0;
    virtual void focusWindow() = 0;
    // Whether the main window has been closed, as it can be from inside one of the drop's own
    // message boxes; the drop then stops without another word.
    virtual bool windowClosed() const = 0;
};
