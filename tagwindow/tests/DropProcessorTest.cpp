#include "DropProcessor.h"

#include "RecordingSurface.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testimages::Bytes;

constexpr std::int32_t kEffectOnEntry = 7;
const std::string kFailure = "message File Processing Error | Pictavo";

std::string text(const fs::path &path)
{
    const auto utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

Bytes plainText()
{
    const std::string words = "just some words, no image here\n";
    return {words.begin(), words.end()};
}

class DropProcessorTest : public testing::Test {
protected:
    std::int32_t drop(const std::vector<fs::path> &paths)
    {
        std::int32_t effect = kEffectOnEntry;
        processor.Form_OLEDragDrop(paths, effect);
        return effect;
    }

    TempDir folder;
    RecordingSurface surface;
    DropProcessor processor{surface};
};

struct AcceptCase {
    const char *name;
    const char *fileName;
    Bytes bytes;
    const char *expectedTag;
    const char *expectedType;
};

class AcceptedFileTest : public DropProcessorTest, public testing::WithParamInterface<AcceptCase> {};

TEST_P(AcceptedFileTest, PublishesTagLabelsAndClipboardInOrder)
{
    const auto &row = GetParam();
    const auto path = folder.write(row.fileName, row.bytes);

    EXPECT_EQ(drop({path}), 0);

    const std::vector<std::string> expected{
        std::string("tag ") + row.expectedTag,
        "lblFileName File: " + text(path),
        "lblFileSize File Size: " + std::to_string(row.bytes.size()) + " bytes",
        std::string("lblFileType File Type: ") + row.expectedType,
        std::string("clipboard ") + row.expectedTag,
        "focus",
    };
    EXPECT_EQ(surface.calls, expected);
    EXPECT_NE(processor.oImageInfo(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedFileTest,
    testing::Values(AcceptCase{"Gif", "logo.gif", testimages::gif(120, 60),
                               R"(<img src="logo.gif" width="120" height="60" border="0">)", "GIF"},
                    AcceptCase{"Jpeg", "photo.jpg", testimages::jfif(640, 480),
                               R"(<img src="photo.jpg" width="640" height="480" border="0">)", "Jpeg"},
                    // The content decides the type; the name keeps its misleading ending.
                    AcceptCase{"GifNamedJpg", "logo.jpg", testimages::gif(3, 4),
                               R"(<img src="logo.jpg" width="3" height="4" border="0">)", "GIF"},
                    AcceptCase{"SpaceInName", "My Photo.gif", testimages::gif(1, 1),
                               R"(<img src="My Photo.gif" width="1" height="1" border="0">)", "GIF"}),
    [](const auto &info) { return std::string(info.param.name); });

struct RefuseCase {
    const char *name;
    Bytes bytes;
    const char *expectedFirstLine;
};

class RefusedFileTest : public DropProcessorTest, public testing::WithParamInterface<RefuseCase> {};

TEST_P(RefusedFileTest, ShowsRefusalAndKeepsTagAndEffect)
{
    const auto path = folder.write("file.gif", GetParam().bytes);

    EXPECT_EQ(drop({path}), kEffectOnEntry);

    const std::vector<std::string> expected{
        std::string("lblFileName ") + GetParam().expectedFirstLine,
        "lblFileSize Try dropping in a GIF,",
        "lblFileType ...or a Jpeg.",
        "focus",
    };
    EXPECT_EQ(surface.calls, expected);
    EXPECT_EQ(surface.tagText, "initial tag");
    EXPECT_EQ(surface.clipboard, "initial clipboard");
    EXPECT_EQ(processor.oImageInfo(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest,
                         testing::Values(RefuseCase{"Bmp", testimages::bmp(100, 50),
                                                    "Sorry, but BitMaps are not used for HTML display."},
                                         RefuseCase{"Text", plainText(), "What kind of file is this?"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DropProcessorTest, TwoGifsAreBothHandledAndTheSecondStays)
{
    const auto first = folder.write("one.gif", testimages::gif(1, 2));
    const auto second = folder.write("two.gif", testimages::gif(3, 4));

    EXPECT_EQ(drop({first, second}), 0);

    EXPECT_EQ(surface.messages, 0);
    EXPECT_EQ(surface.tagText, R"(<img src="two.gif" width="3" height="4" border="0">)");
    EXPECT_EQ(surface.clipboard, surface.tagText);
    EXPECT_EQ(surface.fileNameCaption, "File: " + text(second));
    EXPECT_EQ(std::count(surface.calls.begin(), surface.calls.end(), "focus"), 2);
}

TEST_F(DropProcessorTest, GifThenBmpKeepsTheGifTagAndShowsTheRefusal)
{
    const auto gif = folder.write("a.gif", testimages::gif(7, 8));
    const auto bmp = folder.write("b.bmp", testimages::bmp(7, 8));

    EXPECT_EQ(drop({gif, bmp}), kEffectOnEntry);

    EXPECT_EQ(surface.tagText, R"(<img src="a.gif" width="7" height="8" border="0">)");
    EXPECT_EQ(surface.clipboard, surface.tagText);
    EXPECT_EQ(surface.fileNameCaption, "Sorry, but BitMaps are not used for HTML display.");
}

TEST_F(DropProcessorTest, BmpThenGifStopsAtTheRefusal)
{
    const auto bmp = folder.write("b.bmp", testimages::bmp(7, 8));
    const auto gif = folder.write("a.gif", testimages::gif(7, 8));

    EXPECT_EQ(drop({bmp, gif}), kEffectOnEntry);

    EXPECT_EQ(surface.tagText, "initial tag");
    EXPECT_EQ(surface.fileNameCaption, "Sorry, but BitMaps are not used for HTML display.");
    EXPECT_EQ(surface.calls.size(), 4u) << "the GIF after the refusal must not be published";
}

TEST_F(DropProcessorTest, EmptyListChangesNothingAndClearsEffect)
{
    EXPECT_EQ(drop({}), 0);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_NE(processor.oImageInfo(), nullptr) << "each drop starts with a fresh object";
}

// The length step fails once, then the unreadable path is refused like any unknown file.
TEST_F(DropProcessorTest, MissingFileShowsOneFailureThenTheUnknownRefusal)
{
    EXPECT_EQ(drop({folder.path() / "thing.gif"}), kEffectOnEntry);

    ASSERT_FALSE(surface.calls.empty());
    EXPECT_EQ(surface.calls.front(), kFailure);
    EXPECT_EQ(surface.messages, 1);
    EXPECT_EQ(surface.fileNameCaption, "What kind of file is this?");
}

TEST_F(DropProcessorTest, RefusedClipboardShowsTheFailureAndHandlingGoesOn)
{
    surface.clipboardRefuses = true;
    const auto path = folder.write("logo.gif", testimages::gif(2, 2));

    EXPECT_EQ(drop({path}), 0);

    EXPECT_EQ(surface.messages, 1);
    ASSERT_GE(surface.calls.size(), 2u);
    EXPECT_EQ(surface.calls[surface.calls.size() - 2], kFailure);
    EXPECT_EQ(surface.calls.back(), "focus") << "the step after the failed one still runs";
}

// A file of 2 GiB or more must show its true length, not a wrapped 32-bit one.
TEST_F(DropProcessorTest, SizeOfAFileBeyondFourGibIsExact)
{
    const auto path = folder.write("huge.gif", testimages::gif(10, 10));
    const std::uintmax_t length = (std::uintmax_t{1} << 32) + 5;
    std::error_code error;
    fs::resize_file(path, length, error);
    if (error)
        GTEST_SKIP() << "this file system cannot hold a sparse file of " << length << " bytes";

    EXPECT_EQ(drop({path}), 0);

    EXPECT_EQ(surface.fileSizeCaption, "File Size: 4294967301 bytes");
}

} // namespace
