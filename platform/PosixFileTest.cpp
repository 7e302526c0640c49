#include "PosixFileTest.h"

#include <filesystem>

namespace platform {

std::string PosixFileTest::ordinaryFileName(const std::string &path)
{
    const std::filesystem::path file(path);
    const auto name = file.filename().string();
    if (name.empty() || name.front() == '.')
        return {};
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) ? name : std::string{};
}

} // namespace platform
