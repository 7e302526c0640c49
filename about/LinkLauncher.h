#pragma once

#include "ShellOpen.h"

#include <cstdint>
#include <optional>
#include <string>

// Opens the About window's links through the desktop shell.
class LinkLauncher {
public:
    explicit LinkLauncher(platform::ShellOpen &shell);

    // Opens what a clicked link label shows. A caption holding "@" anywhere is taken for an
    // e-mail address and opened as "mailto:" plus the caption without its leading and trailing
    // spaces; any other caption is opened exactly as shown. The shell's answer is not looked at.
    void openLinkCaption(const std::string &caption);

    // Opens a document or address with the shell and returns the shell's result unchanged.
    // Omitted arguments mean: no parameters, a normal activated window, no working folder, the
    // target's default action, no owner window.
    std::int32_t OpenURL(const std::string &sFile, std::optional<std::string> vArgs = {},
                         std::optional<std::int32_t> vShow = {}, std::optional<std::string> vInitDir = {},
                         std::optional<std::string> vVerb = {}, std::optional<std::intptr_t> vhWnd = {});

private:
    platform::ShellOpen &shell_;
};
