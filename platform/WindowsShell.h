#pragma once

#include "ShellOpen.h"

namespace platform {

// Opens documents and addresses with ShellExecuteW; the UTF-8 texts are passed as UTF-16, so a
// target outside the ANSI code page opens as written.
class WindowsShell : public ShellOpen {
public:
    std::int32_t open(std::intptr_t ownerWindow, const std::optional<std::string> &verb, const std::string &file,
                      const std::optional<std::string> &parameters, const std::optional<std::string> &directory,
                      std::int32_t showCommand) override;
};

} // namespace platform
