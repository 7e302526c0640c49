// How the image reader reaches files on Windows.
#include "ExtendedLengthPath.h"
#include "TempDir.h"
#include "TestImages.h"
#include "clsImageInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <windows.h>

namespace {

TEST(ExtendedLengthPath, IsTheNormalisedAbsolutePathWithTheRightPrefix)
{
    const std::pair<const wchar_t *, const wchar_t *> cases[] = {
        {LR"(C:/a/./b/../f.gif)", LR"(\\?\C:\a\f.gif)"},
        {LR"(\\server\share\d\..\f.gif)", LR"(\\?\UNC\server\share\f.gif)"},
        // Already in a device form: as it is, never prefixed twice.
        {LR"(\\?\C:\f.gif)", LR"(\\?\C:\f.gif)"},
        {LR"(\\.\pipe\p)", LR"(\\.\pipe\p)"},
        {L"", L""},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(extendedLengthPath(path), expected) << path;
}

// Sync clients, backup tools and editors that save by renaming hold files open for writing and
// deleting: the file is read all the same.
TEST(WindowsFiles, FileHeldOpenWithDeleteAccessIsRead)
{
    const TempDir dir;
    const auto path = dir.write("held.gif", testimages::gif(300, 2));
    constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const std::unique_ptr<void, decltype(&CloseHandle)> holder(
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, shareAll, nullptr, OPEN_EXISTING, 0, nullptr),
        &CloseHandle);
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
    clsImageInfo info;
    info.setFilename(path);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
    EXPECT_EQ(info.Width(), 300);
}

} // namespace
