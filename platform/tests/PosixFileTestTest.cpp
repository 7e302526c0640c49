#include "PosixFileTest.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PosixFileTest, OnlyRegularVisibleFilesCount)
{
    TempDir dir;
    const auto file = dir.write("MSINFO32.EXE", {'M', 'Z'});
    dir.write(".hidden", {'x'});
    std::filesystem::create_directory(dir.path() / "folder");
    std::filesystem::create_symlink(file, dir.path() / "link");

    const struct {
        const char *name;
        std::filesystem::path path;
        const char *expected;
    } cases[] = {
        {"regular file gives its name", file, "MSINFO32.EXE"},
        {"link to a regular file counts as the file", dir.path() / "link", "link"},
        {"hidden file", dir.path() / ".hidden", ""},
        {"folder", dir.path() / "folder", ""},
        {"missing file", dir.path() / "missing", ""},
        {"path ending in a separator", dir.path() / "folder" / "", ""},
        {"empty path", "", ""},
    };
    platform::PosixFileTest test;
    for (const auto &c : cases)
        EXPECT_EQ(test.ordinaryFileName(c.path.string()), c.expected) << c.name;
}

} // namespace
