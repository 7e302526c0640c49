// The link launcher through the real shell. Only targets the shell must refuse are used, so no
// handler program is ever started.
#include "LinkLauncher.h"
#include "TempDir.h"
#include "WindowsShell.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it builds on
#include <shellapi.h>

namespace {

std::int32_t shellExecuteDirectly(const std::string &file)
{
    return static_cast<std::int32_t>(
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL)));
}

// The empty target is what an empty link caption opens.
TEST(WindowsShell, OpenUrlReturnsTheShellsErrorForAnEmptyTarget)
{
    platform::WindowsShell shell;
    LinkLauncher launcher(shell);
    const auto result = launcher.OpenURL("");
    EXPECT_LE(result, platform::ShellOpen::SuccessThreshold);
    EXPECT_EQ(result, shellExecuteDirectly(""));
}

TEST(WindowsShell, OpenUrlReturnsFileNotFoundForAMissingFile)
{
    const TempDir folder;
    platform::WindowsShell shell;
    LinkLauncher launcher(shell);
    EXPECT_EQ(launcher.OpenURL((folder.path() / "missing.html").string()), platform::ShellOpen::FileNotFound);
}

} // namespace
