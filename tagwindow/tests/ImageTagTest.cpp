#include "ImageTag.h"

#include <gtest/gtest.h>

namespace {

TEST(ComposeImageTag, WritesTheAttributesInOrderWithPlainDigits)
{
    EXPECT_EQ(ComposeImageTag("My Photo.gif", 65535, 0), R"(<img src="My Photo.gif" width="65535" height="0" border="0">)");
}

// Only what would end or break the double-quoted value is escaped; an entity already in the name
// is text, so its ampersand is escaped too.
TEST(ComposeImageTag, NameCannotBreakOutOfItsAttribute)
{
    EXPECT_EQ(ComposeImageTag(R"(it's "a"&amp;<b>.gif)", 1, 2),
              R"(<img src="it's &quot;a&quot;&amp;amp;&lt;b&gt;.gif" width="1" height="2" border="0">)");
}

} // namespace
