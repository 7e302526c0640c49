// On Windows the backslash is the separator ParseFileName uses when none is named, and it is the
// only one: the names below must come out as a Windows user wrote them.
#include "ParseFileName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WindowsPathCase {
    const char *name;
    std::string path;
    std::string fileName;
};

class ParseFileNameOnWindows : public testing::TestWithParam<WindowsPathCase> {};

TEST_P(ParseFileNameOnWindows, SplitsAtTheLastBackslashOnly)
{
    EXPECT_EQ(ParseFileName(GetParam().path), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ParseFileNameOnWindows,
    testing::Values(WindowsPathCase{"DrivePath", R"(C:\web\images\logo.gif)", "logo.gif"},
                    // A drive-relative path: the colon does not separate.
                    WindowsPathCase{"DriveRelative", "C:logo.gif", "C:logo.gif"},
                    // Windows accepts slashes in paths, but the name is split at backslashes only.
                    WindowsPathCase{"ForwardSlashes", "C:/web/logo.gif", "C:/web/logo.gif"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
