#include "clsImageInfo.h"

#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include "ExtendedLengthPath.h"

#include <memory>
#include <windows.h>

using OwnedHandle = std::unique_ptr<void, decltype(&CloseHandle)>;
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace testimages;

namespace {

using Order = ExifByteOrder;

Bytes cut(Bytes bytes, std::size_t length)
{
    bytes.resize(length);
    return bytes;
}

Bytes patched(Bytes bytes, std::size_t offset, std::initializer_list<std::uint8_t> replacement)
{
    std::ranges::copy(replacement, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

// A 4000 x 3000 camera picture whose first segment is the given one.
Bytes photo(const Bytes &firstSegment)
{
    return jpegFile({firstSegment, quantisationTable(), jpegFrame(0xC0, 4000, 3000)});
}

Bytes photo(Order order, const std::vector<ExifEntry> &ifd0)
{
    return photo(exifApp1(order, ifd0));
}

// IFD0 eight bytes after the TIFF header (a directory may sit anywhere: its offset counts from the
// header, not from the file) and as the last bytes of the Exif block: without the offset of a
// next directory, its last entry ends exactly where the segment does.
Bytes exifEndingWithItsLastEntry(const std::vector<ExifEntry> &ifd0)
{
    Bytes exif = exifApp1(Order::Intel, ifd0);
    exif.resize(exif.size() - 4);
    exif.insert(exif.begin() + 18, 8, 0);
    return patched(patched(exif, 3, {static_cast<std::uint8_t>(exif[3] + 4)}), 14, {16});
}

// An Exif block whose IFD0 offset (at 14) or entry count (at 18) is patched to reach beyond the
// block into the comment that follows it, where a careless reader would find the directory of
// one orientation entry at TIFF offset 32, or a third entry at 34.
Bytes exifReachingPastItsEnd(std::size_t patchAt, std::uint8_t value)
{
    const Bytes exif = patched(exifApp1(Order::Intel, {kImageWidthEntry}), patchAt, {value});
    const Bytes directory{0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0};
    return jpegFile({exif, jpegSegment(0xFE, directory), jpegFrame(0xC0, 4000, 3000)});
}

Bytes emptySegments(std::size_t count)
{
    std::vector<Bytes> pieces(count, Bytes{0xFF, 0xFE, 0x00, 0x02});
    pieces.push_back(jpegFrame(0xC0, 8, 9));
    return jpegFile(pieces);
}

struct ImageCase {
    const char *name;
    Bytes bytes;
    std::int32_t type;
    float width;
    float height;
};

void PrintTo(const ImageCase &row, std::ostream *out) { *out << row.name; }

std::vector<ImageCase> imageCases()
{
    const Bytes jpeg640 = jfif(640, 480);
    const std::size_t frameAt = 2 + 18 + 69; // after SOI, APP0 and the quantisation table
    const Bytes upright = exifApp1(Order::Intel, {kImageWidthEntry, orientation(6)});
    return {
        // Files ending with their last field: each field is read with its own bytes, no more.
        {"BmpTopDownWiderThan16Bits", cut(bmp(0xA1B2C3, -50), 26), 1, 0xA1B2C3, -50},
        {"BmpOs2CoreHeader", cut(bmpCore(320, 200), 22), 1, 320, 200},
        {"BmpCutInsideWidth", cut(bmp(100, 50), 21), 1, 0, 0},
        {"BmpCoreCutInsideWidth", cut(bmpCore(320, 200), 19), 1, 0, 0},
        {"Gif", gif(300, 2), 2, 300, 2},
        {"GifCutInsideWidth", cut(gif(300, 2), 7), 2, 0, 0},
        // The walk over the marker segments.
        {"ThumbnailFrameInsideSkippedSegment", photo(exifApp1(Order::Intel, {}, jfif(160, 120))), 3, 4000, 3000},
        // The frame's own 0xFF ends a run of 960 fill bytes, the most that are followed.
        {"FillBytesToTheLimit", jpegFile({Bytes(959, 0xFF), jpegFrame(0xC0, 90, 91)}), 3, 90, 91},
        {"FillBytesPastTheLimit", jpegFile({Bytes(960, 0xFF), jpegFrame(0xC0, 90, 91)}), 3, 0, 0},
        {"EightStrayBytesAndStuffedZero", jpegFile({jfifApp0(), Bytes{0, 0xFF, 0, 0x0D, 0x0A, 1, 2, 3, 4}, jpegFrame(0xC0, 92, 93)}),
         3, 92, 93},
        {"NineStrayBytesEndTheWalk", jpegFile({jfifApp0(), Bytes(9, 0x20), jpegFrame(0xC0, 96, 97)}), 3, 0, 0},
        {"StandaloneMarkers", jpegFile({Bytes{0xFF, 0xD0, 0xFF, 0xD7, 0xFF, 0x01}, jpegFrame(0xC0, 94, 95)}), 3, 94, 95},
        // Start of image is no restart marker: inside the stream it reads a length, here a huge one.
        {"StartOfImageInsideTheStream", jpegFile({jfifApp0(), Bytes{0xFF, 0xD8}, jpegFrame(0xC0, 5, 6)}), 3, 0, 0},
        {"ScanHeaderEndsTheWalk", jpegFile({jfifApp0(), jpegSegment(0xDA, {0}), jpegFrame(0xC0, 1, 1)}), 3, 0, 0},
        {"SegmentLengthBelowTwo", jpegFile({Bytes{0xFF, 0xE3, 0x00, 0x01}, jpegFrame(0xC0, 1, 1)}), 3, 0, 0},
        {"FrameAsSixtyFourthSegment", emptySegments(63), 3, 8, 9},
        {"FrameAfterSixtyFourSegments", emptySegments(64), 3, 0, 0},
        {"FrameHeaderShorterThanItsFields", Bytes{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x04, 0x00, 0x11, 0x22, 0x33, 0xFF, 0xD9},
         3, 0, 0},
        {"FrameHeaderJustCoveringItsFieldsEndingTheFile", cut(jpegFile({jpegSegment(0xC0, {8, 0, 1, 0, 2, 0})}), 11), 3, 2, 1},
        {"JpegCutInsideWidth", cut(jpeg640, frameAt + 8), 3, 0, 480},
        {"JpegCutInsideHeight", cut(jpeg640, frameAt + 6), 3, 0, 0},
        // The Exif orientation of the main image.
        {"Orientation4KeepsAxes", photo(Order::Intel, {kImageWidthEntry, orientation(4)}), 3, 4000, 3000},
        {"Orientation5Swaps", photo(Order::Motorola, {kImageWidthEntry, orientation(5)}), 3, 3000, 4000},
        {"Orientation8AsFirstEntrySwaps", photo(Order::Motorola, {orientation(8)}), 3, 3000, 4000},
        {"Orientation9IsNone", photo(Order::Intel, {orientation(9)}), 3, 4000, 3000},
        {"MovedDirectoryEndingTheBlock", photo(exifEndingWithItsLastEntry({kImageWidthEntry, orientation(6)})), 3, 3000, 4000},
        {"OrientationNotShort", photo(Order::Intel, {{0x0112, 4, 1, 6}}), 3, 4000, 3000},
        {"OrientationCountTwo", photo(Order::Intel, {{0x0112, 3, 2, 6}}), 3, 4000, 3000},
        {"BadByteOrderMark", photo(patched(upright, 10, {'I', 'M'})), 3, 4000, 3000},
        {"BadTiffMagic", photo(patched(upright, 12, {43, 0})), 3, 4000, 3000},
        {"DirectoryPastTheBlock", exifReachingPastItsEnd(14, 32), 3, 4000, 3000},
        {"EntriesPastTheBlock", exifReachingPastItsEnd(18, 3), 3, 4000, 3000},
        {"OnlyTheFirstExifBlockCounts", jpegFile({exifApp1(Order::Intel, {}), upright, jpegFrame(0xC0, 8, 9)}), 3, 8, 9},
    };
}

class ImageFileTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ImageFileTest, TypeAndDimensionsInCallOrder)
{
    const TempDir dir;
    clsImageInfo info;
    info.setFilename(dir.write("image", GetParam().bytes));

    EXPECT_EQ(info.FileType(), GetParam().type);
    EXPECT_EQ(info.Height(), GetParam().height);
    EXPECT_EQ(info.Width(), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Files, ImageFileTest, testing::ValuesIn(imageCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ImageFileTest, EveryStartOfFrameMarkerCountsAndNoTableDoes)
{
    const TempDir dir;
    clsImageInfo info;
    for (std::uint8_t marker = 0xC0; marker <= 0xCF; ++marker) {
        const bool frame = marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        info.setFilename(dir.write("image", jpegFile({jpegFrame(marker, 11, 22), jpegFrame(0xC0, 640, 480)})));
        ASSERT_EQ(info.FileType(), clsImageInfo::kJpeg);
        EXPECT_EQ(info.Width(), frame ? 11 : 640) << "marker " << int{marker};
    }
}

// The stored type code and when it changes.
TEST(ImageInfoStateTest, CodeIsDetectedAfreshAndOnlyUndeterminedBecomesUnknown)
{
    const TempDir dir;
    const auto gifFile = dir.write("a.gif", gif(300, 2));
    const auto textFile = dir.write("a.txt", text("plain text"));
    clsImageInfo info;
    info.setFilename(gifFile);
    EXPECT_EQ(info.Width(), 0) << "dimensions never detect";
    info.setFileType(clsImageInfo::kJpeg);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif) << "a matching signature replaces the stored code";
    EXPECT_EQ(info.Width(), 300);
    info.setFileType(7);
    EXPECT_EQ(info.Width(), 0) << "a code that names no format has no dimensions";

    info.setFilename(textFile);
    EXPECT_EQ(info.Filename(), textFile);
    EXPECT_EQ(info.Height(), 0) << "a new file forgets the type";
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif) << "no match keeps a non-zero code";
    info.setFileType(clsImageInfo::kUndetermined);
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
}

// Paths that cannot be read as files: type -1 replacing any stored code, and no dimensions even
// when a type is forced. None may block: a pipe without a writer would hang a plain open, and a
// device would read endless bytes.
TEST(ImageInfoStateTest, UnreadablePathsAreUnknownWithoutWaiting)
{
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.gif");
    std::vector<std::filesystem::path> paths{dir.path() / "missing.gif", {}, dir.path() / "folder.gif"};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.gif").c_str(), 0600), 0);
    paths.insert(paths.end(), {dir.path() / "pipe.gif", "/dev/urandom"});
    // Root reads whatever the permission bits say.
    if (::geteuid() != 0) {
        paths.push_back(dir.write("locked.gif", gif(300, 2)));
        std::filesystem::permissions(paths.back(), std::filesystem::perms::none);
    }
#else
    paths.emplace_back(LR"(\\.\pipe\pictavo-test)");
    const OwnedHandle server(CreateNamedPipeW(paths.back().c_str(), PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr), &CloseHandle);
#endif
    for (const auto &path : paths) {
        clsImageInfo info;
        info.setFilename(path);
        info.setFileType(clsImageInfo::kGif);
        EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown) << path;
        info.setFileType(clsImageInfo::kGif);
        EXPECT_EQ(info.Width(), 0) << path;
    }
}

// However large or hostile a file, an inspection reads a few header blocks, never the file: a
// frame behind 128 KiB of segments skipped by their length is found, a hundred thousand empty
// segments are given up on.
TEST(ImageInfoStateTest, BytesReadStayBoundedOnLargeAndHostileFiles)
{
    const TempDir dir;
    const Bytes metadata(65000, 0x20);
    const std::pair<Bytes, float> files[] = {
        {jpegFile({jpegSegment(0xE2, metadata), jpegSegment(0xED, metadata), jpegFrame(0xC2, 8, 9)}), 9},
        {emptySegments(100000), 0}};
    for (const auto &[bytes, height] : files) {
        clsImageInfo info;
        info.setFilename(dir.write("big.jpg", bytes));
        ASSERT_EQ(info.FileType(), clsImageInfo::kJpeg);
        const std::uint64_t afterType = info.bytesRead();
        EXPECT_EQ(info.Height(), height);
        EXPECT_GT(info.bytesRead(), afterType);
        EXPECT_LT(info.bytesRead(), 4096u);
    }
}

#ifdef _WIN32
// Sync clients and backup tools hold files open for writing and deleting: read all the same.
TEST(ImageInfoStateTest, FileHeldOpenWithDeleteAccessIsRead)
{
    const TempDir dir;
    clsImageInfo info;
    info.setFilename(dir.write("held.gif", gif(300, 2)));
    const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const OwnedHandle holder(
        CreateFileW(info.Filename().c_str(), GENERIC_WRITE | DELETE, shareAll, nullptr, OPEN_EXISTING, 0, nullptr), &CloseHandle);
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
}

// Files are opened by their \\?\ form: a drive's by every test under Windows, a network path's here.
TEST(ImageInfoStateTest, NetworkPathIsOpenedInTheUncForm)
{
    EXPECT_EQ(extendedLengthPath(LR"(\\server\share\d\..\f.gif)"), LR"(\\?\UNC\server\share\f.gif)");
}
#endif

} // namespace
