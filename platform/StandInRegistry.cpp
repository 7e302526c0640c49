#include "StandInRegistry.h"

#include "AsciiCase.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view ToolPathValue = "PATH";

// Registry names compare without regard to ASCII case, as on Windows.
bool sameName(std::string_view a, std::string_view b)
{
    return equalsIgnoringAsciiCase(a, b);
}

bool isExecutableFile(const std::filesystem::path &candidate)
{
    std::error_code error;
    return std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0;
}

} // namespace

const std::vector<std::string> &StandInRegistry::SystemInfoTools()
{
    static const std::vector<std::string> tools{"kinfocenter", "hardinfo2", "hardinfo", "gnome-system-monitor",
                                                "mate-system-monitor"};
    return tools;
}

StandInRegistry::StandInRegistry(std::string searchPath) : searchPath_(std::move(searchPath)) {}

StandInRegistry StandInRegistry::fromEnvironment()
{
    const char *path = std::getenv("PATH");
    return StandInRegistry(path ? path : "");
}

std::string StandInRegistry::findSystemInfoTool() const
{
    for (const auto &tool : SystemInfoTools()) {
        std::string_view rest = searchPath_;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            const auto folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
            // An empty or relative entry names a folder by the current one, which is no place to
            // find a system tool in: a program planted there would run.
            const std::filesystem::path candidateFolder(folder);
            if (!candidateFolder.is_absolute())
                continue;
            const auto candidate = candidateFolder / tool;
            if (isExecutableFile(candidate))
                return candidate.string();
        }
    }
    return {};
}

std::int32_t StandInRegistry::openKey(std::uint32_t root, const std::string &path, std::uint32_t /*options*/,
                                      std::uint32_t access, KeyHandle &key)
{
    if (root != LocalMachine || !sameName(path, SystemInfoKey))
        return NotFound;
    auto toolPath = findSystemInfoTool();
    if (toolPath.empty())
        return NotFound;
    if ((access & WriteRights) != 0)
        return AccessDenied;
    key = nextHandle_++;
    openKeys_.emplace(key, std::move(toolPath));
    return Success;
}

std::int32_t StandInRegistry::queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                         std::span<std::uint8_t> buffer, std::uint32_t &size)
{
    const auto found = openKeys_.find(key);
    if (found == openKeys_.end())
        return InvalidHandle;
    if (!sameName(name, ToolPathValue))
        return NotFound;
    // The text with its terminating zero, as Windows stores a REG_SZ value.
    const std::string &text = found->second;
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return deliverValue(TypeText, data, type, buffer, size);
}

void StandInRegistry::closeKey(KeyHandle key)
{
    openKeys_.erase(key);
}

} // namespace platform
