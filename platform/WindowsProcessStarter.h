#pragma once

#include "ProcessStarter.h"

namespace platform {

// Starts a program on Windows with CreateProcessW: the path, in the ANSI code page as the
// registry's ANSI functions give it, names the program itself; the window style is the show
// command of its first window.
class WindowsProcessStarter : public ProcessStarter {
public:
    void start(const std::string &program, std::int32_t windowStyle) override;
};

} // namespace platform
