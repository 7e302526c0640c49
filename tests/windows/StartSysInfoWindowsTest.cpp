// StartSysInfo on a real Windows system: the two registry locations written by the test, the
// run recorder standing in for the System Information program.
#include "RealSystemLauncher.h"
#include "RunWitness.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Unavailable = "System Information Is Unavailable At This Time";

class StartSysInfoOnWindows : public RealSystemLauncher {
protected:
    StartSysInfoOnWindows() : RealSystemLauncher({PathKey, FolderKey}) {}

    // A copy of the run recorder at the given place below the scratch folder.
    fs::path installProgram(const fs::path &relativePath)
    {
        const auto program = folder_.path() / relativePath;
        fs::create_directories(program.parent_path());
        fs::copy_file(RunWitness::recorderProgram(), program);
        return program;
    }

    void expectStarted(const fs::path &program)
    {
        const auto ran = witness_.waitForRun();
        ASSERT_TRUE(ran.has_value()) << "nothing was started";
        EXPECT_TRUE(fs::equivalent(*ran, program)) << ran->string();
        EXPECT_TRUE(messages_.shown.empty());
    }

    void expectUnavailable()
    {
        EXPECT_EQ(messages_.shown, std::vector<std::string>{Unavailable});
        EXPECT_FALSE(witness_.hasRun());
    }

    const TempDir folder_;
    const RunWitness witness_{folder_.path()};
};

// The usual installation: the full path, with spaces and unquoted.
TEST_F(StartSysInfoOnWindows, FirstLocationStartsItsProgram)
{
    const auto program = installProgram("Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
    registry().setText(PathKey, "PATH", program.string());
    registry().setText(FolderKey, "MSINFO", "C:\\nowhere");

    launcher_.StartSysInfo();
    expectStarted(program);
}

TEST_F(StartSysInfoOnWindows, FirstLocationNamingAMissingFileIsUnavailable)
{
    installProgram("Tools\\MSINFO32.EXE");
    registry().setText(PathKey, "PATH", (folder_.path() / "missing.exe").string());
    registry().setText(FolderKey, "MSINFO", (folder_.path() / "Tools").string());

    launcher_.StartSysInfo();
    expectUnavailable();
}

TEST_F(StartSysInfoOnWindows, SecondLocationStartsTheProgramInItsFolder)
{
    const auto program = installProgram("Tools\\MSINFO32.EXE");
    registry().setText(FolderKey, "MSINFO", (folder_.path() / "Tools").string());

    launcher_.StartSysInfo();
    expectStarted(program);
}

TEST_F(StartSysInfoOnWindows, SecondLocationWithoutTheFileIsUnavailable)
{
    fs::create_directories(folder_.path() / "Tools");
    registry().setText(FolderKey, "MSINFO", (folder_.path() / "Tools").string());

    launcher_.StartSysInfo();
    expectUnavailable();
}

TEST_F(StartSysInfoOnWindows, SecondLocationWithAHiddenFileIsUnavailable)
{
    const auto program = installProgram("Tools\\MSINFO32.EXE");
    ASSERT_TRUE(SetFileAttributesW(program.c_str(), FILE_ATTRIBUTE_HIDDEN));
    registry().setText(FolderKey, "MSINFO", (folder_.path() / "Tools").string());

    launcher_.StartSysInfo();
    expectUnavailable();
}

// The empty first value is an error, not a miss: the second location is not tried.
TEST_F(StartSysInfoOnWindows, FirstLocationOfSizeZeroIsUnavailable)
{
    installProgram("Tools\\MSINFO32.EXE");
    registry().setValue(PathKey, "PATH", REG_SZ, {});
    registry().setText(FolderKey, "MSINFO", (folder_.path() / "Tools").string());

    launcher_.StartSysInfo();
    expectUnavailable();
}

} // namespace
