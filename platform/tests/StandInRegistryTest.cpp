#include "StandInRegistry.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

using platform::Registry;
using platform::StandInRegistry;

namespace {

const std::string SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t OldWriteMask = 0x2003F;

// A scratch folder playing one entry of the search path.
class ToolFolder {
public:
    std::filesystem::path addTool(const std::string &name, bool executable = true) const
    {
        auto file = dir_.write(name, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
        if (executable)
            std::filesystem::permissions(file, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
        return file;
    }
    std::string path() const { return dir_.path().string(); }

private:
    TempDir dir_;
};

struct Lookup {
    std::int32_t openResult = -1;
    std::int32_t queryResult = -1;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string text;
};

Lookup lookUp(Registry &registry, const std::string &key = SystemInfoKey, const std::string &value = "PATH",
              std::uint32_t access = Registry::KeyRead, std::uint32_t capacity = 1024)
{
    Lookup result;
    Registry::KeyHandle handle = 0;
    result.openResult = registry.openKey(Registry::LocalMachine, key, 0, access, handle);
    if (result.openResult != Registry::Success)
        return result;
    std::array<std::uint8_t, 1024> buffer{};
    result.size = capacity;
    result.queryResult = registry.queryValue(handle, value, result.type, buffer, result.size);
    if (result.queryResult == Registry::Success)
        result.text.assign(buffer.begin(), buffer.begin() + result.size);
    registry.closeKey(handle);
    return result;
}

// Neither an unrelated program nor a known tool's name on something that cannot run makes a key.
TEST(StandInRegistry, WithoutARunnableToolTheKeyIsAbsent)
{
    ToolFolder folder;
    folder.addTool("unrelated-program");
    folder.addTool("kinfocenter", false);
    std::filesystem::create_directory(std::filesystem::path(folder.path()) / "hardinfo");
    StandInRegistry registry(folder.path());
    EXPECT_EQ(lookUp(registry).openResult, Registry::NotFound);
}

TEST(StandInRegistry, AToolOnThePathIsTheTextValueWithItsTerminator)
{
    ToolFolder folder;
    const auto tool = folder.addTool("hardinfo");
    StandInRegistry registry("/nonexistent-folder:" + folder.path());
    const auto found = lookUp(registry);
    ASSERT_EQ(found.queryResult, Registry::Success);
    EXPECT_EQ(found.type, Registry::TypeText);
    EXPECT_EQ(found.size, tool.string().size() + 1);
    EXPECT_EQ(found.text, tool.string() + '\0');
}

TEST(StandInRegistry, TheListOrderWinsOverThePathOrder)
{
    ToolFolder first;
    ToolFolder second;
    first.addTool("gnome-system-monitor");
    const auto preferred = second.addTool("kinfocenter");
    StandInRegistry registry(first.path() + ":" + second.path());
    EXPECT_EQ(lookUp(registry).text, preferred.string() + '\0');
}

TEST(StandInRegistry, TheEarlierFolderWinsForTheSameTool)
{
    ToolFolder first;
    ToolFolder second;
    const auto earlier = first.addTool("hardinfo2");
    second.addTool("hardinfo2");
    // The empty entry between them must be stepped over, not taken for the current folder.
    StandInRegistry registry(first.path() + "::" + second.path());
    EXPECT_EQ(lookUp(registry).text, earlier.string() + '\0');
}

TEST(StandInRegistry, AToolInstalledLaterIsFoundOnTheNextLookup)
{
    ToolFolder folder;
    StandInRegistry registry(folder.path());
    ASSERT_EQ(lookUp(registry).openResult, Registry::NotFound);
    folder.addTool("mate-system-monitor");
    EXPECT_EQ(lookUp(registry).openResult, Registry::Success);
}

// The stand-in is read-only: asking for write rights is refused the way Windows refuses a
// standard user, while read access succeeds.
TEST(StandInRegistry, WriteRightsAreRefused)
{
    ToolFolder folder;
    folder.addTool("hardinfo");
    StandInRegistry registry(folder.path());
    EXPECT_EQ(lookUp(registry, SystemInfoKey, "PATH", OldWriteMask).openResult, Registry::AccessDenied);
    EXPECT_EQ(lookUp(registry, SystemInfoKey, "PATH", Registry::KeyRead).openResult, Registry::Success);
}

TEST(StandInRegistry, NamesCompareWithoutCase)
{
    ToolFolder folder;
    folder.addTool("hardinfo");
    StandInRegistry registry(folder.path());
    EXPECT_EQ(lookUp(registry, "software\\microsoft\\shared tools\\msinfo", "path").queryResult, Registry::Success);
}

TEST(StandInRegistry, OtherKeysAndValuesAreAbsent)
{
    ToolFolder folder;
    folder.addTool("hardinfo");
    StandInRegistry registry(folder.path());
    EXPECT_EQ(lookUp(registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO").openResult,
              Registry::NotFound);
    EXPECT_EQ(lookUp(registry, SystemInfoKey, "MSINFO").queryResult, Registry::NotFound);

    Registry::KeyHandle handle = 0;
    EXPECT_EQ(registry.openKey(0x80000001 /* current user */, SystemInfoKey, 0, Registry::KeyRead, handle),
              Registry::NotFound);
}

TEST(StandInRegistry, DataLargerThanTheBufferIsMoreData)
{
    ToolFolder folder;
    const auto tool = folder.addTool("hardinfo");
    StandInRegistry registry(folder.path());
    const auto tooSmall = static_cast<std::uint32_t>(tool.string().size());
    const auto found = lookUp(registry, SystemInfoKey, "PATH", Registry::KeyRead, tooSmall);
    EXPECT_EQ(found.queryResult, Registry::MoreData);
    EXPECT_EQ(found.size, tooSmall + 1);
}

TEST(StandInRegistry, AClosedKeyCannotBeQueried)
{
    ToolFolder folder;
    folder.addTool("hardinfo");
    StandInRegistry registry(folder.path());
    Registry::KeyHandle handle = 0;
    ASSERT_EQ(registry.openKey(Registry::LocalMachine, SystemInfoKey, 0, Registry::KeyRead, handle),
              Registry::Success);
    registry.closeKey(handle);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    EXPECT_EQ(registry.queryValue(handle, "PATH", type, buffer, size), Registry::InvalidHandle);
}

} // namespace
