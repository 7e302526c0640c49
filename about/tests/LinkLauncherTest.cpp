#include "FakeServices.h"
#include "LinkLauncher.h"

#include <gtest/gtest.h>

namespace {

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
        {"", ""},
    };
    for (const auto &row : cases) {
        RecordingShell shell;
        LinkLauncher(shell).openLinkCaption(row.caption);
        EXPECT_EQ(shell.calls, std::vector<std::string>{"0|-|" + row.file + "|-|-|1"}) << row.caption;
    }
}

TEST(LinkLauncher, OpenUrlPassesGivenArgumentsAndReturnsTheShellsResult)
{
    RecordingShell shell;
    LinkLauncher launcher(shell);
    EXPECT_EQ(launcher.OpenURL("readme.txt", "/p", 3, "C:\\work", "print", 77), 2);
    launcher.OpenURL("x", "", std::nullopt, "", "");
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"77|print|readme.txt|/p|C:\\work|3", "0||x|||1"}));
}

} // namespace
