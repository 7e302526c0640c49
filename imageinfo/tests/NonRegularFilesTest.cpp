#include "clsImageInfo.h"

#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void expectUnreadable(const std::filesystem::path &path)
{
    clsImageInfo info;
    info.setFilename(path);
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
    // GIF dimensions sit at fixed offsets, so any bytes read would show.
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.Height(), 0);
    EXPECT_EQ(info.Width(), 0);
}

// Opening a pipe that has no writer blocks a plain open() forever, and so would this test.
TEST(NonRegularFilesTest, NamedPipeIsRefusedWithoutWaiting)
{
    const TempDir dir;
    const auto pipe = dir.path() / "pipe.gif";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    expectUnreadable(pipe);
}

// A device reads like a file of endless bytes; random ones would make up a type and dimensions.
TEST(NonRegularFilesTest, DeviceIsRefused)
{
    const std::filesystem::path device("/dev/urandom");
    if (!std::filesystem::is_character_file(device))
        GTEST_SKIP() << "no /dev/urandom here";
    expectUnreadable(device);
}

TEST(NonRegularFilesTest, FileWithoutReadPermission)
{
    // Root reads whatever the permission bits say, so the row proves nothing there.
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, where permissions do not stop reading";
    const TempDir dir;
    const auto file = dir.write("locked.gif", testimages::gif(300, 2));
    std::filesystem::permissions(file, std::filesystem::perms::none);
    expectUnreadable(file);
}

} // namespace
