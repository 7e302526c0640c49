#pragma once

#include "ProcessStarter.h"

namespace platform {

// Starts a program on Windows with CreateProcessA; the command text is its command line, and the
// window style is the show command of its first window.
class WindowsProcessStarter : public ProcessStarter {
public:
    void start(const std::string &command, std::int32_t windowStyle) override;
};

} // namespace platform
