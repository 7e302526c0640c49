#include "RunWitness.h"
#include "RuntimeError.h"
#include "TempDir.h"
#include "WindowsProcessStarter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The registry names the system information program by its full path, unquoted, although the
// path has spaces in it; the command line must still find the program.
TEST(WindowsProcessStarter, StartsAProgramByAnUnquotedPathWithSpaces)
{
    const TempDir folder;
    const auto program = folder.path() / "Common Files" / "Microsoft Shared" / "MSInfo" / "msinfo32.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(RunWitness::recorderProgram(), program);
    const RunWitness witness(folder.path());

    platform::WindowsProcessStarter processes;
    processes.start(program.string(), platform::ProcessStarter::NormalFocus);

    const auto ran = witness.waitForRun();
    ASSERT_TRUE(ran.has_value()) << "the program did not run";
    EXPECT_TRUE(fs::equivalent(*ran, program)) << ran->string();
}

struct FailedStartCase {
    const char *name;
    std::string command;
};

class FailedStart : public testing::TestWithParam<FailedStartCase> {};

TEST_P(FailedStart, IsARuntimeErrorForAMissingFile)
{
    const TempDir folder;
    const auto command = GetParam().command.empty() ? "" : (folder.path() / GetParam().command).string();
    platform::WindowsProcessStarter processes;
    try {
        processes.start(command, platform::ProcessStarter::NormalFocus);
        ADD_FAILURE() << "started " << command;
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), platform::RuntimeError::FileNotFound);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, FailedStart,
                         testing::Values(FailedStartCase{"MissingProgram", "msinfo32.exe"},
                                         FailedStartCase{"MissingFolder", "no such folder\\msinfo32.exe"},
                                         FailedStartCase{"EmptyCommand", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
