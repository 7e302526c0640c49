#pragma once

#include "ShellOpen.h"

#include <optional>
#include <string>
#include <vector>

// Records every shell open and answers with a fixed result.
class RecordingShell : public platform::ShellOpen {
public:
    struct Call {
        std::intptr_t ownerWindow;
        std::optional<std::string> verb;
        std::string file;
        std::optional<std::string> parameters;
        std::optional<std::string> directory;
        std::int32_t showCommand;
    };

    std::int32_t open(std::intptr_t ownerWindow, const std::optional<std::string> &verb, const std::string &file,
                      const std::optional<std::string> &parameters, const std::optional<std::string> &directory,
                      std::int32_t showCommand) override
    {
        calls.push_back({ownerWindow, verb, file, parameters, directory, showCommand});
        return result;
    }

    std::int32_t result = 42;
    std::vector<Call> calls;
};
