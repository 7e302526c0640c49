#include "FakeFiles.h"
#include "MemoryRegistry.h"
#include "RecordingMessages.h"
#include "RuntimeError.h"
#include "SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::Registry;

const std::string PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string ToolPath = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
constexpr std::uint32_t ExpandableText = 2; // REG_EXPAND_SZ

struct Machine {
    MemoryRegistry registry;
    FakeFiles files;
    RecordingMessages messages;
    SysInfoLauncher launcher{registry, files, files, messages};
};

struct LaunchCase {
    const char *name;
    std::function<void(Machine &)> setUp;
    std::vector<std::string> expectedStarts;
    std::vector<std::string> expectedKeysOpened;
};

const std::vector<std::string> FirstOnly{PathKey};
const std::vector<std::string> Both{PathKey, FolderKey};

class StartSysInfo : public testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfo, StartsTheProgramOrShowsTheMessage)
{
    Machine machine;
    GetParam().setUp(machine);
    machine.launcher.StartSysInfo();

    EXPECT_EQ(machine.files.started(), GetParam().expectedStarts);
    EXPECT_EQ(machine.registry.openAttempts(), GetParam().expectedKeysOpened);
    if (GetParam().expectedStarts.empty()) {
        ASSERT_EQ(machine.messages.shown.size(), 1u);
        EXPECT_EQ(machine.messages.shown[0], "System Information Is Unavailable At This Time");
    } else {
        EXPECT_TRUE(machine.messages.shown.empty());
        EXPECT_EQ(machine.files.windowStyles(), std::vector<std::int32_t>{1});
    }
    // The first location's program is started as read: only the second location's candidate is
    // put to the file test.
    if (GetParam().expectedKeysOpened == FirstOnly) {
        EXPECT_TRUE(machine.files.tested().empty());
    }
    // Every key is closed whichever way the run ended, and none asked for more than reading.
    EXPECT_EQ(machine.registry.keysStillOpen(), 0u);
    for (const auto access : machine.registry.accessAsked())
        EXPECT_EQ(access, Registry::KeyRead);
}

INSTANTIATE_TEST_SUITE_P(
    SysInfoLauncher, StartSysInfo,
    testing::Values(
        // The first location wins; its program is started without a file test.
        LaunchCase{"BothLocations",
                   [](Machine &m) {
                       m.registry.setText(PathKey, "PATH", ToolPath);
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Other");
                       m.files.addFile(ToolPath);
                       m.files.addFile("C:\\Other\\MSINFO32.EXE");
                   },
                   {ToolPath}, FirstOnly},
        // A missing program from the first location is a failed start, and the second is not tried.
        LaunchCase{"FirstNamesAMissingFile",
                   [](Machine &m) {
                       m.registry.setText(PathKey, "PATH", ToolPath);
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Other");
                       m.files.addFile("C:\\Other\\MSINFO32.EXE");
                   },
                   {}, FirstOnly},
        LaunchCase{"SecondWithTheFile",
                   [](Machine &m) {
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Tools");
                       m.files.addFile("C:\\Tools\\MSINFO32.EXE");
                   },
                   {"C:\\Tools\\MSINFO32.EXE"}, Both},
        // The file name is appended as it is, doubling a trailing backslash.
        LaunchCase{"SecondEndingInABackslash",
                   [](Machine &m) {
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Tools\\");
                       m.files.addFile("C:\\Tools\\\\MSINFO32.EXE");
                   },
                   {"C:\\Tools\\\\MSINFO32.EXE"}, Both},
        LaunchCase{"SecondWithoutTheFile", [](Machine &m) { m.registry.setText(FolderKey, "MSINFO", "C:\\Tools"); },
                   {}, Both},
        LaunchCase{"SecondWithAHiddenFile",
                   [](Machine &m) {
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Tools");
                       m.files.addFile("C:\\Tools\\MSINFO32.EXE", true);
                   },
                   {}, Both},
        // A value of size 0 fails the look-up outright: no fall-back to the second location.
        LaunchCase{"FirstOfSizeZero",
                   [](Machine &m) {
                       m.registry.setValue(PathKey, "PATH", Registry::TypeText, {});
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Tools");
                       m.files.addFile("C:\\Tools\\MSINFO32.EXE");
                   },
                   {}, FirstOnly},
        // A value of another type counts as found with nothing read: an empty command.
        LaunchCase{"FirstOfAnotherType",
                   [](Machine &m) {
                       m.registry.setValue(PathKey, "PATH", ExpandableText, {'C', ':', 0});
                       m.registry.setText(FolderKey, "MSINFO", "C:\\Tools");
                       m.files.addFile("C:\\Tools\\MSINFO32.EXE");
                   },
                   {}, FirstOnly},
        // ...and in the second location leaves only the file name, relative to the drive's root.
        LaunchCase{"SecondOfAnotherType",
                   [](Machine &m) {
                       m.registry.setValue(FolderKey, "MSINFO", ExpandableText, {'C', ':', 0});
                       m.files.addFile("\\MSINFO32.EXE");
                   },
                   {"\\MSINFO32.EXE"}, Both},
        // A standard user may read the key but not change it; reading must be enough.
        LaunchCase{"FirstReadableButNotWritable",
                   [](Machine &m) {
                       m.registry.setText(PathKey, "PATH", ToolPath);
                       m.registry.makeReadOnly(PathKey);
                       m.files.addFile(ToolPath);
                   },
                   {ToolPath}, FirstOnly}),
    [](const testing::TestParamInfo<LaunchCase> &info) { return std::string(info.param.name); });

struct ValueCase {
    const char *name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    bool found;
    std::string expected;
};

std::vector<std::uint8_t> textBytes(std::size_t characters, bool terminated)
{
    std::vector<std::uint8_t> data(characters, 'a');
    if (terminated)
        data.push_back(0);
    return data;
}

class GetKeyValue : public testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValue, DecodesTheStoredValue)
{
    Machine machine;
    machine.registry.setValue(PathKey, "PATH", GetParam().type, GetParam().data);
    std::string value = "earlier";
    EXPECT_EQ(machine.launcher.GetKeyValue(Registry::LocalMachine, PathKey, "PATH", value), GetParam().found);
    EXPECT_EQ(value, GetParam().expected);
    EXPECT_EQ(machine.registry.keysStillOpen(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    SysInfoLauncher, GetKeyValue,
    testing::Values(
        ValueCase{"TextWithTerminator", Registry::TypeText, {'a', 'b', 0}, true, "ab"},
        ValueCase{"TextWithoutTerminator", Registry::TypeText, {'a', 'b'}, true, "ab"},
        // Only the last byte is looked at: a zero inside the data stays.
        ValueCase{"TextWithInnerZero", Registry::TypeText, {'a', 0, 'b', 0}, true, std::string("a\0b", 3)},
        ValueCase{"TextOf1023CharactersFits", Registry::TypeText, textBytes(1023, true), true, std::string(1023, 'a')},
        ValueCase{"TextOf1024CharactersWithoutTerminatorFits", Registry::TypeText, textBytes(1024, false), true,
                  std::string(1024, 'a')},
        ValueCase{"TextOf1024CharactersIsTooLong", Registry::TypeText, textBytes(1024, true), false, ""},
        // 261 is stored 05 01 00 00; the last zero byte goes like a terminator.
        ValueCase{"Number261", Registry::TypeNumber, {0x05, 0x01, 0x00, 0x00}, true, "&h000105"},
        ValueCase{"NumberWithTopBitSet", Registry::TypeNumber, {0x00, 0x00, 0x00, 0x80}, true, "&h80000000"},
        ValueCase{"NumberWithSmallBytes", Registry::TypeNumber, {0x0A, 0xF0, 0x01, 0x02}, true, "&h0201F00A"},
        ValueCase{"OtherTypeLeavesTheValueAlone", ExpandableText, {'%', 'x', '%', 0}, true, "earlier"}),
    [](const testing::TestParamInfo<ValueCase> &info) { return std::string(info.param.name); });

TEST(SysInfoLauncher, GetKeyValueEmptiesTheValueWhenNothingCanBeRead)
{
    Machine machine;
    machine.registry.setText(PathKey, "PATH", ToolPath);
    std::string value = "earlier";
    EXPECT_FALSE(machine.launcher.GetKeyValue(Registry::LocalMachine, FolderKey, "MSINFO", value));
    EXPECT_EQ(value, "");
    value = "earlier";
    EXPECT_FALSE(machine.launcher.GetKeyValue(Registry::LocalMachine, PathKey, "MSINFO", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(machine.registry.keysStillOpen(), 0u);
}

TEST(SysInfoLauncher, GetKeyValueOfSizeZeroIsARuntimeErrorAndClosesTheKey)
{
    Machine machine;
    machine.registry.setValue(PathKey, "PATH", Registry::TypeText, {});
    std::string value;
    try {
        machine.launcher.GetKeyValue(Registry::LocalMachine, PathKey, "PATH", value);
        ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), platform::RuntimeError::InvalidArgument);
    }
    EXPECT_EQ(machine.registry.keysStillOpen(), 0u);
}

} // namespace
