#include "ParseFileName.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseFileName, KeepsTheTextAfterTheLastSeparatorOnly)
{
    const struct {
        char separator;
        const char *path;
        const char *name;
    } cases[] = {
        {'\\', R"(C:\web\images\logo.gif)", "logo.gif"},
        {'\\', "C:/web/logo.gif", "C:/web/logo.gif"},
        {'\\', R"(C:\web\)", ""},
        {'\\', "", ""},
        {'/', R"(/tmp/ my\photo .GIF)", R"( my\photo .GIF)"},
    };
    for (const auto &row : cases)
        EXPECT_EQ(ParseFileName(row.path, row.separator), row.name) << row.path;
}

} // namespace
