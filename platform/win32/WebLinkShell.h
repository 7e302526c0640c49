#pragma once

#include "ShellOpen.h"

#include <string>

namespace win32 {

// Opens link captions through another shell. ShellExecute reads a target without a scheme as a
// file name, so an address such as "pictavo.example" would never reach the browser; it is opened
// as "http://" and the address, as a browser completes what a user types. Targets with a scheme
// ("mailto:", "https:", a drive letter) and the empty target pass unchanged.
class WebLinkShell : public platform::ShellOpen {
public:
    explicit WebLinkShell(platform::ShellOpen &shell);

    std::int32_t open(std::intptr_t ownerWindow, const std::optional<std::string> &verb, const std::string &file,
                      const std::optional<std::string> &parameters, const std::optional<std::string> &directory,
                      std::int32_t showCommand) override;

private:
    platform::ShellOpen &shell_;
};

} // namespace win32
