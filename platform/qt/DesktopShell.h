#pragma once

#include "ShellOpen.h"

// Opens addresses through the desktop's URL handlers (QDesktopServices). A target without a
// scheme is read as a user would type it, so "www.example.org" opens in the browser. The verb,
// parameters, working folder, owner window and show command have no counterpart on these
// desktops and are ignored. Never waits for the program that opens the target.
class DesktopShell : public platform::ShellOpen {
public:
    // Returned when the desktop opened the target; any value above SuccessThreshold would do.
    static constexpr std::int32_t Opened = 42;
    // Returned when no handler took it (SE_ERR_NOASSOC).
    static constexpr std::int32_t NoHandler = 31;

    std::int32_t open(std::intptr_t ownerWindow, const std::optional<std::string> &verb, const std::string &file,
                      const std::optional<std::string> &parameters, const std::optional<std::string> &directory,
                      std::int32_t showCommand) override;
};
