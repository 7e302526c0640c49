// The About window's links as the Windows shell receives them: only a caption without a scheme
// is completed, so that it reaches the browser and not the file system.
#include "FakeServices.h"
#include "LinkLauncher.h"
#include "WebLinkShell.h"

#include <gtest/gtest.h>

namespace {

TEST(WebLinkShell, CompletesOnlyTargetsWithoutScheme)
{
    // A colon in the path ends no scheme; one right after the host does, as the shell reads it. The
    // empty caption still makes its one call, with nothing to complete.
    const std::pair<std::string, std::string> cases[] = {
        {"pictavo.example", "http://pictavo.example"}, {"mail@pictavo.example", "mailto:mail@pictavo.example"},
        {"https://pictavo.example/a", "https://pictavo.example/a"}, {"pictavo.example/a:b", "http://pictavo.example/a:b"},
        {"pictavo.example:8080", "pictavo.example:8080"},
        {"C:\\web\\index.html", "C:\\web\\index.html"}, {"", ""}};
    for (const auto &[caption, target] : cases) {
        RecordingShell shell;
        win32::WebLinkShell links(shell);
        LinkLauncher(links).openLinkCaption(caption);
        EXPECT_EQ(shell.calls, std::vector<std::string>{"0|-|" + target + "|-|-|1"}) << caption;
    }
}

} // namespace
