#include "FakeServices.h"
#include "LinkLauncher.h"
#include "SysInfoLauncher.h"

#include <gtest/gtest.h>

namespace {

using platform::Registry;
using Value = MemoryRegistry::Value;

const std::string PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Tool = "C:\\Tools\\msinfo32.exe";
const std::string InFolder = "C:\\Tools\\MSINFO32.EXE";

struct Machine {
    MemoryRegistry registry;
    FakeFiles files;
    RecordingMessages messages;
    SysInfoLauncher launcher{registry, files, files, messages};
};

struct LaunchCase {
    const char *name;
    std::optional<Value> first;  // the program's path
    std::optional<Value> second; // its folder
    std::set<std::string> files;
    std::string started; // empty: the message is shown instead
    std::size_t keysOpened;
};

void PrintTo(const LaunchCase &row, std::ostream *out) { *out << row.name; }

const Value Folder = MemoryRegistry::text("C:\\Tools");
const LaunchCase kLaunches[] = {
    // The first location's program is started as read, without a file test.
    {"FirstWins", MemoryRegistry::text(Tool), Folder, {Tool, InFolder}, Tool + " 1", 1},
    // A program that cannot be started is a failure; the second location is not tried then.
    {"FirstNamesAMissingProgram", MemoryRegistry::text(Tool), Folder, {InFolder}, "", 1},
    // A value of size 0 fails the look-up with a run-time error: no fall-back either.
    {"FirstOfSizeZero", Value{Registry::TypeText, {}}, Folder, {InFolder}, "", 1},
    {"SecondWithTheProgram", std::nullopt, Folder, {InFolder}, InFolder + " 1", 2},
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

    const std::vector<std::string> none;
    const bool started = !GetParam().started.empty();
    EXPECT_EQ(machine.files.started, started ? std::vector{GetParam().started} : none);
    EXPECT_EQ(machine.messages.shown, started ? none : std::vector<std::string>{SysInfoLauncher::UnavailableMessage});
    EXPECT_EQ(machine.registry.opened.size(), GetParam().keysOpened);
    EXPECT_TRUE(GetParam().keysOpened > 1 || machine.files.tested.empty()) << "the first location is not tested";
    EXPECT_TRUE(machine.registry.openKeys.empty()) << "every key is closed again";
}

INSTANTIATE_TEST_SUITE_P(SysInfoLauncher, StartSysInfo, testing::ValuesIn(kLaunches),
                         [](const auto &info) { return std::string(info.param.name); });

std::vector<std::uint8_t> letters(std::size_t count, bool terminated)
{
    std::vector<std::uint8_t> data(count, 'a');
    if (terminated)
        data.push_back(0);
    return data;
}

TEST(SysInfoLauncher, GetKeyValueDecodesTheStoredValue)
{
    const std::tuple<Value, bool, std::string> cases[] = {
        {{Registry::TypeText, {'a', 'b'}}, true, "ab"},
        {{Registry::TypeText, {0}}, true, ""},
        {{Registry::TypeText, letters(1024, false)}, true, std::string(1024, 'a')},
        {{Registry::TypeText, letters(1024, true)}, false, ""},
        // The stored bytes from the last to the first, two upper-case digits each, less the last zero.
        {{Registry::TypeNumber, {0x0A, 0xF0, 0x01, 0x02, 0}}, true, "&h0201F00A"},
        {{2 /* REG_EXPAND_SZ */, {'%', 'x', '%', 0}}, true, "earlier"},
    };
    for (const auto &[stored, found, expected] : cases) {
        Machine machine;
        machine.registry.keys[PathKey]["PATH"] = stored;
        std::string value = "earlier";
        EXPECT_EQ(machine.launcher.GetKeyValue(Registry::LocalMachine, PathKey, "PATH", value), found) << expected;
        EXPECT_EQ(value, expected);
    }
}

// One shell call per click: no owner, the default action, no parameters, no folder, a normal window.
TEST(LinkLauncher, CaptionWithAnAtSignIsMailedToOthersOpenAsShown)
{
    const struct {
        std::string caption;
        std::string file;
    } cases[] = {
        {"https://pictavo.example/@news", "mailto:https://pictavo.example/@news"},
        // Only the spaces around an e-mail address go; other blanks stay.
        {"  \tthe authors@pictavo.example   ", "mailto:\tthe authors@pictavo.example"},
        {"  pictavo.example  ", "  pictavo.example  "},
    };
    for (const auto &row : cases) {
        RecordingShell shell;
        LinkLauncher(shell).openLinkCaption(row.caption);
        EXPECT_EQ(shell.calls, std::vector<std::string>{"0|-|" + row.file + "|-|-|1"}) << row.caption;
    }
}

} // namespace
