#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Starts a program as a process of its own, without waiting for it and without tracking it.
class ProcessStarter {
public:
    // Window style of a normal, activated window.
    static constexpr std::int32_t NormalFocus = 1;

    virtual ~ProcessStarter() = default;

    // Starts the program at the path. Throws RuntimeError (FileNotFound) when it cannot be started.
    virtual void start(const std::string &program, std::int32_t windowStyle) = 0;
};

} // namespace platform
