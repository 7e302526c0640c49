#include "CommandLineFiles.h"
#include "ImageTag.h"
#include "ParseFileName.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseFileName, KeepsTheTextAfterTheLastSeparatorOnly)
{
    const std::tuple<char, const char *, const char *> cases[] = {
        {'\\', R"(C:\web\images\logo.gif)", "logo.gif"},
        {'\\', "C:/web/logo.gif", "C:/web/logo.gif"},
        {'\\', R"(C:\web\)", ""},
        {'/', R"(/tmp/ my\photo .GIF)", R"( my\photo .GIF)"},
    };
    for (const auto &[separator, path, name] : cases)
        EXPECT_EQ(ParseFileName(path, separator), name) << path;
}

// Only what would end or break the double-quoted value is escaped; an entity already in the name
// is text, so its ampersand is escaped too.
TEST(ComposeImageTag, NameCannotBreakOutOfItsAttribute)
{
    EXPECT_EQ(ComposeImageTag(R"(it's "a"&amp;<b>.gif)", 1, 2),
              R"(<img src="it's &quot;a&quot;&amp;amp;&lt;b&gt;.gif" width="1" height="2" border="0">)");
}

// The window shows the full path of a file named relative to the working folder.
TEST(CommandLineFiles, RelativeNamesBecomeAbsoluteInTheirOrder)
{
    namespace fs = std::filesystem;
    const fs::path absolute = fs::temp_directory_path() / "a.gif";
    EXPECT_EQ(commandLineFiles({"b c.gif", absolute}), (std::vector{fs::current_path() / "b c.gif", absolute}));
}

} // namespace
