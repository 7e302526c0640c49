#include "ImageTag.h"

#include <gtest/gtest.h>

namespace {

TEST(ComposeImageTag, WritesTheAttributesInOrderWithPlainDigits)
{
    EXPECT_EQ(ComposeImageTag("logo.gif", 120, 60), R"(<img src="logo.gif" width="120" height="60" border="0">)");
    EXPECT_EQ(ComposeImageTag("a.jpg", 65535, 0), R"(<img src="a.jpg" width="65535" height="0" border="0">)");
}

TEST(ComposeImageTag, NameCannotBreakOutOfItsAttribute)
{
    EXPECT_EQ(ComposeImageTag(R"(a" onerror="x.gif)", 1, 2),
              R"(<img src="a&quot; onerror=&quot;x.gif" width="1" height="2" border="0">)");
}

struct EscapeCase {
    const char *name;
    const char *input;
    const char *expected;
};

class EscapeHtmlAttributeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeHtmlAttributeTest, EscapesOnlyWhatEndsOrBreaksTheValue)
{
    EXPECT_EQ(EscapeHtmlAttribute(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, EscapeHtmlAttributeTest,
    testing::Values(EscapeCase{"SpaceStays", "My Photo.gif", "My Photo.gif"},
                    EscapeCase{"Ampersand", "a&b.gif", "a&amp;b.gif"},
                    // An entity already in the name is text, so its ampersand is escaped too.
                    EscapeCase{"ExistingEntity", "a&amp;.gif", "a&amp;amp;.gif"},
                    EscapeCase{"AngleBrackets", "<b>x</b>.gif", "&lt;b&gt;x&lt;/b&gt;.gif"},
                    EscapeCase{"SingleQuoteStays", "it's.gif", "it's.gif"},
                    EscapeCase{"NonAsciiStays", "\xC3\xA9t\xC3\xA9.gif", "\xC3\xA9t\xC3\xA9.gif"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
