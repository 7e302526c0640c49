#include "TempDir.h"
#include "WindowsFileTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

constexpr const char *ProgramName = "MSINFO32.EXE";

struct FileCase {
    const char *name;
    // Makes the thing at the path; nothing for a missing file.
    std::function<void(const TempDir &, const fs::path &)> make;
    bool ordinary;
};

void plainFile(const TempDir &folder, const fs::path &)
{
    folder.write(ProgramName, {'M', 'Z'});
}

auto fileWithAttributes(DWORD attributes)
{
    return [attributes](const TempDir &folder, const fs::path &path) {
        plainFile(folder, path);
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
    };
}

class WindowsFileTestCases : public testing::TestWithParam<FileCase> {};

TEST_P(WindowsFileTestCases, FindsOnlyOrdinaryFiles)
{
    const TempDir folder;
    const auto path = folder.path() / ProgramName;
    if (GetParam().make)
        GetParam().make(folder, path);

    platform::WindowsFileTest files;
    EXPECT_EQ(files.ordinaryFileName(path.string()), GetParam().ordinary ? ProgramName : "");
    // A read-only file would outlive the folder's removal.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowsFileTestCases,
    testing::Values(FileCase{"Plain", plainFile, true},
                    // A read-only file is still an ordinary file.
                    FileCase{"ReadOnly", fileWithAttributes(FILE_ATTRIBUTE_READONLY), true},
                    FileCase{"Hidden", fileWithAttributes(FILE_ATTRIBUTE_HIDDEN), false},
                    FileCase{"System", fileWithAttributes(FILE_ATTRIBUTE_SYSTEM), false},
                    FileCase{"Directory",
                             [](const TempDir &, const fs::path &path) { fs::create_directory(path); }, false},
                    FileCase{"Missing", nullptr, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
