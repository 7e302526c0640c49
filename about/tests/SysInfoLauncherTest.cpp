#include "FakeServices.h"
#include "SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::Registry;
using Value = MemoryRegistry::Value;

const std::string PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Tool = "C:\\Tools\\msinfo32.exe";
const Value ToolPath = MemoryRegistry::text(Tool);
const Value Folder = MemoryRegistry::text("C:\\Tools");

struct Machine {
    MemoryRegistry registry;
    FakeFiles files;
    RecordingMessages messages;
    SysInfoLauncher launcher{registry, files, files, messages};
};

struct LaunchCase {
    const char *name;
    std::optional<Value> first;
    std::optional<Value> second;
    std::set<std::string> files;
    const char *started; // empty: the message is shown instead
    std::size_t keysOpened;
};

void PrintTo(const LaunchCase &row, std::ostream *out)
{
    *out << row.name;
}

const LaunchCase kLaunches[] = {
    // The first location's program is started as read, without a file test.
    {"FirstWins", ToolPath, Folder, {Tool, "C:\\Tools\\MSINFO32.EXE"}, "C:\\Tools\\msinfo32.exe 1", 1},
    // A program that cannot be started is a failure; the second location is not tried then.
    {"FirstNamesAMissingProgram", ToolPath, Folder, {"C:\\Tools\\MSINFO32.EXE"}, "", 1},
    // A value of size 0 fails the look-up with a run-time error: no fall-back either.
    {"FirstOfSizeZero", Value{Registry::TypeText, {}}, Folder, {"C:\\Tools\\MSINFO32.EXE"}, "", 1},
    {"SecondWithTheProgram", std::nullopt, Folder, {"C:\\Tools\\MSINFO32.EXE"}, "C:\\Tools\\MSINFO32.EXE 1", 2},
    {"SecondWithoutTheProgram", std::nullopt, Folder, {}, "", 2},
    {"Neither", std::nullopt, std::nullopt, {}, "", 2},
};

class StartSysInfo : public testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfo, StartsTheProgramOrShowsTheOneMessage)
{
    Machine machine;
    if (GetParam().first)
        machine.registry.keys[PathKey]["PATH"] = *GetParam().first;
    if (GetParam().second)
        machine.registry.keys[FolderKey]["MSINFO"] = *GetParam().second;
    machine.files.files = GetParam().files;

    machine.launcher.StartSysInfo();

    const std::string started = GetParam().started;
    const std::vector<std::string> none;
    EXPECT_EQ(machine.files.started, started.empty() ? none : std::vector{started});
    EXPECT_EQ(machine.messages.shown,
              started.empty() ? std::vector<std::string>{"System Information Is Unavailable At This Time"} : none);
    EXPECT_EQ(machine.registry.opened.size(), GetParam().keysOpened);
    EXPECT_TRUE(GetParam().keysOpened > 1 || machine.files.tested.empty()) << "the first location is not tested";
    EXPECT_TRUE(machine.registry.openKeys.empty()) << "every key is closed again";
}

INSTANTIATE_TEST_SUITE_P(SysInfoLauncher, StartSysInfo, testing::ValuesIn(kLaunches),
                         [](const auto &info) { return std::string(info.param.name); });

struct ValueCase {
    const char *name;
    Value stored;
    bool found;
    std::string expected;
};

void PrintTo(const ValueCase &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<std::uint8_t> letters(std::size_t count, bool terminated)
{
    std::vector<std::uint8_t> data(count, 'a');
    if (terminated)
        data.push_back(0);
    return data;
}

const ValueCase kValues[] = {
    {"TextWithoutTerminatorWhole", {Registry::TypeText, {'a', 'b'}}, true, "ab"},
    {"TerminatorOnlyIsEmpty", {Registry::TypeText, {0}}, true, ""},
    {"Text1024WithoutTerminatorFits", {Registry::TypeText, letters(1024, false)}, true, std::string(1024, 'a')},
    {"Text1024WithTerminatorIsTooLong", {Registry::TypeText, letters(1024, true)}, false, ""},
    // The stored bytes from the last to the first, two upper-case digits each, less the last zero.
    {"NumberInHexadecimal", {Registry::TypeNumber, {0x0A, 0xF0, 0x01, 0x02, 0}}, true, "&h0201F00A"},
    {"OtherTypeLeavesTheValueAlone", {2 /* REG_EXPAND_SZ */, {'%', 'x', '%', 0}}, true, "earlier"},
};

class GetKeyValue : public testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValue, DecodesTheStoredValue)
{
    Machine machine;
    machine.registry.keys[PathKey]["PATH"] = GetParam().stored;
    std::string value = "earlier";
    EXPECT_EQ(machine.launcher.GetKeyValue(Registry::LocalMachine, PathKey, "PATH", value), GetParam().found);
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SysInfoLauncher, GetKeyValue, testing::ValuesIn(kValues),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SysInfoLauncher, GetKeyValueEmptiesTheValueWhenNothingCanBeRead)
{
    Machine machine;
    machine.registry.keys[PathKey]["PATH"] = ToolPath;
    for (const auto &[key, name] : {std::pair{FolderKey, "MSINFO"}, std::pair{PathKey, "MSINFO"}}) {
        std::string value = "earlier";
        EXPECT_FALSE(machine.launcher.GetKeyValue(Registry::LocalMachine, key, name, value)) << key << name;
        EXPECT_EQ(value, "");
    }
    EXPECT_TRUE(machine.registry.openKeys.empty());
}

} // namespace
