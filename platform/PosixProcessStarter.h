#pragma once

#include "ProcessStarter.h"

namespace platform {

// Starts a program on POSIX systems. The command text is the program's path, run with no
// arguments. The program is started through a short-lived intermediate process that exits at
// once, so the program is adopted by the system and never lingers as a zombie of ours, and no
// signal handler of the host application is needed. A pipe closed on exec reports whether the
// program really started. The window style is left to the desktop, which shows a newly started
// program's window normally and activated.
class PosixProcessStarter : public ProcessStarter {
public:
    void start(const std::string &command, std::int32_t windowStyle) override;
};

} // namespace platform
