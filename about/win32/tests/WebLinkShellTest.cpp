// The About window's links as the Windows shell receives them: only a caption without a scheme
// is completed, so that it reaches the browser and not the file system.
#include "LinkLauncher.h"
#include "RecordingShell.h"
#include "WebLinkShell.h"
#include "frmAboutForm.h"

#include <gtest/gtest.h>

namespace {

std::string openedTarget(const std::string &caption)
{
    RecordingShell shell;
    win32::WebLinkShell links(shell);
    LinkLauncher(links).openLinkCaption(caption);
    return shell.calls.size() == 1 ? shell.calls.front().file : "<" + std::to_string(shell.calls.size()) + " calls>";
}

TEST(WebLinkShell, CompletesOnlyTargetsWithoutScheme)
{
    // The window's own two links.
    EXPECT_EQ(openedTarget(frmAboutForm::kHomePageAddress), std::string("http://") + frmAboutForm::kHomePageAddress);
    EXPECT_EQ(openedTarget(frmAboutForm::kEmailAddress), std::string("mailto:") + frmAboutForm::kEmailAddress);
    EXPECT_EQ(openedTarget("https://pictavo.example/a"), "https://pictavo.example/a");
    // A colon after the host is a port or a path, not the end of a scheme.
    EXPECT_EQ(openedTarget("pictavo.example/a:b"), "http://pictavo.example/a:b");
    EXPECT_EQ(openedTarget("C:\\web\\index.html"), "C:\\web\\index.html");
    // The empty caption still makes its one call, with nothing to complete.
    EXPECT_EQ(openedTarget(""), "");
}

} // namespace
