#include "CommandLineFiles.h"

std::vector<std::filesystem::path> commandLineFiles(std::vector<std::filesystem::path> arguments)
{
    for (auto &argument : arguments) {
        std::error_code error;
        auto absolute = std::filesystem::absolute(argument, error);
        if (!error)
            argument = std::move(absolute);
    }
    return arguments;
}
