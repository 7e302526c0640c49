#pragma once

#include "DropSurface.h"

#include <string>
#include <vector>

// Records every call the drop logic makes, in order, as one readable line each, and keeps the
// state a window would show so tests can check both the sequence and the outcome.
class RecordingSurface : public DropSurface {
public:
    void setTagText(const std::string &text) override;
    void setLabelCaption(Label label, const std::string &caption) override;
    bool setClipboardText(const std::string &text) override;
    void showErrorMessage(const std::string &text, const std::string &title) override;
    void focusWindow() override;

    bool clipboardRefuses = false;

    std::vector<std::string> calls;
    std::string tagText = "initial tag";
    std::string fileNameCaption = "initial name";
    std::string fileSizeCaption = "initial size";
    std::string fileTypeCaption = "initial type";
    std::string clipboard = "initial clipboard";
    int messages = 0;
};
