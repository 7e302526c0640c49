#include "FakeFiles.h"

#include "RuntimeError.h"

void FakeFiles::start(const std::string &command, std::int32_t windowStyle)
{
    if (!files_.contains(command))
        throw platform::RuntimeError(platform::RuntimeError::FileNotFound, "no such program: " + command);
    started_.push_back(command);
    windowStyles_.push_back(windowStyle);
}

std::string FakeFiles::ordinaryFileName(const std::string &path)
{
    tested_.push_back(path);
    const auto found = files_.find(path);
    if (found == files_.end() || found->second)
        return {};
    return path.substr(path.find_last_of('\\') + 1);
}
