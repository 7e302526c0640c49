// Dropped paths reach the image reader as wide-character paths. A file whose name has characters
// outside the ANSI code page can be opened only through the wide file functions, so reading it
// proves that no ANSI conversion sits anywhere on the way.
#include "TempDir.h"
#include "TestImages.h"
#include "clsImageInfo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

// Greek and Japanese letters: no Windows ANSI code page holds both.
constexpr std::string_view OutsideAnsiName = "\xCE\xB5\xCE\xB9\xCE\xBA\xCF\x8C\xCE\xBD\xCE\xB1-\xE7\x94\xBB\xE5\x83\x8F";

bool ansiCodePageHolds(const std::wstring &text)
{
    BOOL substituted = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                        nullptr, &substituted);
    return !substituted;
}

struct NonAsciiCase {
    const char *name;
    const char *extension;
    testimages::Bytes bytes;
    std::int32_t type;
    float width;
    float height;
};

class NonAsciiPath : public testing::TestWithParam<NonAsciiCase> {};

TEST_P(NonAsciiPath, FileTypeAndSizeAreRead)
{
    const TempDir folder;
    const auto path = folder.write(std::string(OutsideAnsiName) + GetParam().extension, GetParam().bytes);
    ASSERT_FALSE(ansiCodePageHolds(path.filename().wstring())) << "the name must not be expressible in ANSI";

    clsImageInfo info;
    info.setFilename(path);
    EXPECT_EQ(info.FileType(), GetParam().type);
    EXPECT_EQ(info.Width(), GetParam().width);
    EXPECT_EQ(info.Height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, NonAsciiPath,
    testing::Values(NonAsciiCase{"Gif", ".gif", testimages::gif(120, 60), clsImageInfo::kGif, 120, 60},
                    NonAsciiCase{"Jpeg", ".jpg", testimages::jfif(640, 480), clsImageInfo::kJpeg, 640, 480}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
