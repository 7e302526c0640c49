#include "RecordingSurface.h"

void RecordingSurface::setTagText(const std::string &text)
{
    calls.push_back("tag " + text);
    tagText = text;
}

void RecordingSurface::setLabelCaption(Label label, const std::string &caption)
{
    switch (label) {
    case Label::FileName:
        calls.push_back("lblFileName " + caption);
        fileNameCaption = caption;
        break;
    case Label::FileSize:
        calls.push_back("lblFileSize " + caption);
        fileSizeCaption = caption;
        break;
    case Label::FileType:
        calls.push_back("lblFileType " + caption);
        fileTypeCaption = caption;
        break;
    }
}

bool RecordingSurface::setClipboardText(const std::string &text)
{
    calls.push_back("clipboard " + text);
    if (clipboardRefuses)
        return false;
    clipboard = text;
    return true;
}

void RecordingSurface::showErrorMessage(const std::string &text, const std::string &title)
{
    calls.push_back("message " + text + " | " + title);
    ++messages;
}

void RecordingSurface::focusWindow()
{
    calls.push_back("focus");
}
