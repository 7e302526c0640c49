#include "ParseFileName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    const char *name;
    char separator;
    std::string input;
    std::string expected;
};

class ParseFileNameTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseFileNameTest, KeepsTheTextAfterTheLastSeparator)
{
    const auto &row = GetParam();
    EXPECT_EQ(ParseFileName(row.input, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ParseFileNameTest,
    testing::Values(ParseCase{"DrivePath", '\\', R"(C:\web\images\logo.gif)", "logo.gif"},
                    ParseCase{"BareName", '\\', "logo.gif", "logo.gif"},
                    // Neither a colon nor a slash separates on Windows' side of the rule.
                    ParseCase{"DriveRelative", '\\', "C:logo.gif", "C:logo.gif"},
                    ParseCase{"ForwardSlashes", '\\', "C:/web/logo.gif", "C:/web/logo.gif"},
                    ParseCase{"DoubledSeparator", '\\', R"(a\\b.gif)", "b.gif"},
                    ParseCase{"TrailingSeparator", '\\', R"(C:\web\)", ""},
                    ParseCase{"Empty", '\\', "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Posix, ParseFileNameTest,
    testing::Values(ParseCase{"AbsolutePath", '/', "/home/ann/web/logo.gif", "logo.gif"},
                    // A backslash is an ordinary character of a file name here.
                    ParseCase{"BackslashInName", '/', R"(/tmp/a\b.gif)", R"(a\b.gif)"},
                    ParseCase{"LeadingAndTrailingSpaces", '/', "/tmp/ my photo .gif ", " my photo .gif "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ParseFileNameLength, PathsLongerThanAnyOldLimitWork)
{
    const std::string directory(40000, 'd');
    EXPECT_EQ(ParseFileName(directory + "/x.gif", '/'), "x.gif");
    EXPECT_EQ(ParseFileName(directory, '/'), directory);
}

} // namespace
