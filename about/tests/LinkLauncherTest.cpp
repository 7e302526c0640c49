#include "LinkLauncher.h"
#include "RecordingShell.h"

#include <gtest/gtest.h>

namespace {

struct CaptionCase {
    const char *name;
    std::string caption;
    std::string target;
};

class LinkCaptions : public testing::TestWithParam<CaptionCase> {};

TEST_P(LinkCaptions, OneShellCallWithTheDefaults)
{
    RecordingShell shell;
    LinkLauncher launcher(shell);
    launcher.openLinkCaption(GetParam().caption);

    ASSERT_EQ(shell.calls.size(), 1u);
    const auto &call = shell.calls.front();
    EXPECT_EQ(call.file, GetParam().target);
    EXPECT_EQ(call.ownerWindow, 0);
    EXPECT_EQ(call.verb, std::nullopt);
    EXPECT_EQ(call.parameters, std::nullopt);
    EXPECT_EQ(call.directory, std::nullopt);
    EXPECT_EQ(call.showCommand, 1);
}

INSTANTIATE_TEST_SUITE_P(
    LinkLauncher, LinkCaptions,
    testing::Values(
        // The at sign alone decides: a web address holding one is mailed to as well.
        CaptionCase{"WebAddressWithAtSign", "https://pictavo.example/@news", "mailto:https://pictavo.example/@news"},
        CaptionCase{"AtSignFirst", "@pictavo", "mailto:@pictavo"},
        // Only spaces around an e-mail address go; spaces inside and other blanks stay.
        CaptionCase{"EmailAddressSpacesTrimmed", "  authors@pictavo.example   ", "mailto:authors@pictavo.example"},
        CaptionCase{"EmailAddressInnerSpaceKept", " the authors@pictavo.example ", "mailto:the authors@pictavo.example"},
        CaptionCase{"EmailAddressTabsKept", "\tauthors@pictavo.example\n", "mailto:\tauthors@pictavo.example\n"},
        // Without an at sign the caption goes exactly as shown.
        CaptionCase{"HomePageSpacesKept", "  pictavo.example  ", "  pictavo.example  "},
        CaptionCase{"EmptyCaption", "", ""}),
    [](const testing::TestParamInfo<CaptionCase> &info) { return std::string(info.param.name); });

TEST(LinkLauncher, EachClickOpensAgain)
{
    RecordingShell shell;
    LinkLauncher launcher(shell);
    launcher.openLinkCaption("authors@pictavo.example");
    launcher.openLinkCaption("authors@pictavo.example");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].file, "mailto:authors@pictavo.example");
}

TEST(LinkLauncher, OpenUrlPassesGivenArgumentsInTheirPlacesAndReturnsTheShellResult)
{
    RecordingShell shell;
    shell.result = 2;
    LinkLauncher launcher(shell);
    EXPECT_EQ(launcher.OpenURL("readme.txt", "/p", 3, "C:\\work", "print", 77), 2);
    ASSERT_EQ(shell.calls.size(), 1u);
    const auto &call = shell.calls.front();
    EXPECT_EQ(call.ownerWindow, 77);
    EXPECT_EQ(call.verb, "print");
    EXPECT_EQ(call.file, "readme.txt");
    EXPECT_EQ(call.parameters, "/p");
    EXPECT_EQ(call.directory, "C:\\work");
    EXPECT_EQ(call.showCommand, 3);
}

// An empty text given explicitly is a text, not an omitted argument.
TEST(LinkLauncher, OpenUrlKeepsGivenEmptyTexts)
{
    RecordingShell shell;
    LinkLauncher launcher(shell);
    launcher.OpenURL("x", "", std::nullopt, "", "");
    const auto &call = shell.calls.at(0);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.showCommand, 1);
}

} // namespace
