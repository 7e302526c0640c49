#include "clsImageInfo.h"

#include "TempDir.h"
#include "TestBytes.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace testimages;
using namespace testbytes;

namespace {

// Offsets inside an Intel-order exifApp1() segment: FF E1, length (2), "Exif\0\0" (6), then
// the TIFF header: byte order mark at 10, magic 42 at 12, IFD0 offset at 14; IFD0's entry count
// at 18, its first entry (camera maker) at 20 and the orientation entry at 32, whose type field
// is at 34, count at 36 and value at 40.
constexpr std::size_t kByteOrderMarkAt = 10;
constexpr std::size_t kTiffMagicAt = 12;
constexpr std::size_t kIfd0OffsetAt = 14;
constexpr std::size_t kIfd0CountAt = 18;
constexpr std::size_t kOrientationTypeAt = 34;
constexpr std::size_t kOrientationCountAt = 36;

struct ImageCase {
    std::string name;
    std::string fileName;
    Bytes bytes;
    std::int32_t type;
    float width;
    float height;
    std::string reason;
};

void PrintTo(const ImageCase &row, std::ostream *out)
{
    *out << row.name << " (" << row.reason << ")";
}

// A camera picture of 4000 x 3000 whose first segment is the given Exif block, optionally
// followed by another segment.
Bytes photo(const Bytes &exif, const Bytes &nextSegment = {})
{
    return jpegFile({exif, nextSegment, quantisationTable(), jpegFrame(0xC0, 4000, 3000)});
}

// An Intel-order IFD entry for orientation 6. The rows below put it into a comment segment
// right after an Exif block, where a reader finds it only by following an offset or a count
// beyond the block's end.
const Bytes kOrientation6Entry{0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00};

Bytes exifWithIfd0InNextSegment()
{
    const Bytes exif = exifApp1(ExifByteOrder::Intel, std::nullopt);
    // From the TIFF header (segment offset 10) to the next segment's payload (its offset + 4).
    const auto ifd0 = static_cast<std::uint8_t>(exif.size() + 4 - 10);
    return photo(patched(exif, kIfd0OffsetAt, {ifd0, 0, 0, 0}), jpegSegment(0xFE, concat({Bytes{1, 0}, kOrientation6Entry})));
}

Bytes exifWithEntriesRunningIntoNextSegment()
{
    // IFD0 holds one entry and ends the block; a count of 3 would put the third entry at the
    // fifth byte of the next segment's payload.
    const Bytes exif = patched(exifApp1(ExifByteOrder::Intel, std::nullopt), kIfd0CountAt, {3, 0});
    return photo(exif, jpegSegment(0xFE, concat({Bytes(4, 0), kOrientation6Entry})));
}

Bytes photoWithOrientation(ExifByteOrder order, std::uint16_t orientation)
{
    return photo(exifApp1(order, orientation));
}

Bytes jpegCutInFrame(std::size_t bytesOfFrameKept)
{
    const Bytes whole = jfif(640, 480);
    return cut(whole, offsetOf(whole, {0xFF, 0xC0}) + bytesOfFrameKept);
}

std::vector<ImageCase> typeCases()
{
    return {
        {"BmpExample", "a.bmp", bmp(100, 50), 1, 100, 50, "a 100 x 50 bitmap, dimensions at offsets 18 and 22"},
        {"GifExample", "a.gif", gif(300, 2), 2, 300, 2, "logical screen bytes 2C 01 02 00"},
        {"JfifExample", "a.jpg", jfif(640, 480), 3, 640, 480, "frame header FF C0 00 11 08 01 E0 02 80"},
        {"GifAnyVersion", "a.gif", patched(gif(7, 9), 3, {'1', '2', 'x'}), 2, 7, 9, "the version bytes are not looked at"},
        {"GifLowerCaseIsUnknown", "a.gif", concat({text("gif89a"), Bytes(8, 1)}), -1, 0, 0, "signatures are case-sensitive"},
        {"GifLastLetterLowerCase", "a.gif", concat({text("GIf89a"), Bytes(8, 1)}), -1, 0, 0, "all three letters count"},
        {"GifNamedJpg", "photo.jpg", gif(12, 34), 2, 12, 34, "the name plays no part"},
        {"NonAsciiName", "Größe – 画像.gif", gif(21, 22), 2, 21, 22, "the path is not narrowed to a code page"},
        {"JfifInsideTextIsUnknown", "a.txt", concat({text("see the JFIF"), Bytes{0}, text(" spec")}), -1, 0, 0,
         "the JFIF identifier alone does not make a JPEG"},
        {"ExifOnlyJpeg", "a.jpg", photo(exifApp1(ExifByteOrder::Intel, std::nullopt)), 3, 4000, 3000, "a JPEG without a JFIF segment is still a JPEG"},
        {"JpegWithoutAppSegments", "a.jpg", jpegFile({jpegFrame(0xC0, 33, 44)}), 3, 33, 44, "no APPn segment at all"},
        {"JpegSignatureOnly", "a.jpg", Bytes{0xFF, 0xD8, 0xFF}, 3, 0, 0, "the signature alone is a JPEG without dimensions"},
        {"StartOfImageWithoutMarker", "a.jpg", Bytes{0xFF, 0xD8, 0x00, 0x10}, -1, 0, 0, "FF D8 must be followed by a marker"},
        {"BmSignatureOnly", "a.bmp", text("BM"), 1, 0, 0, "two bytes make a BMP whose dimensions are missing"},
        {"PlainText", "a.txt", text("just some text that is long enough to read"), -1, 0, 0, "no signature"},
        {"EmptyFile", "a.gif", Bytes{}, -1, 0, 0, "no bytes, no signature"},
    };
}

std::vector<ImageCase> jpegCases()
{
    const Bytes thumbnail = jfif(160, 120);
    const Bytes metadata(65533, 0x20);
    const Bytes scanHeader = jpegSegment(0xDA, {0x01, 0x01, 0x00, 0x00, 0x3F, 0x00});
    const Bytes fakeFrameInComment{0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x10, 0x00, 0x20, 0x03};
    return {
        {"ThumbnailBeforeFrame", "a.jpg", photo(exifApp1(ExifByteOrder::Intel, std::nullopt, std::nullopt, thumbnail)), 3, 4000, 3000,
         "the thumbnail's FF C0 lies inside the APP1 segment, which is skipped by its length"},
        {"FrameBehind128KiBOfMetadata", "a.jpg", jpegFile({jfifApp0(), jpegSegment(0xE2, metadata), jpegSegment(0xED, metadata), jpegFrame(0xC0, 1, 2)}),
         3, 1, 2, "segments are skipped by length however large they are"},
        {"FrameMarkerInsideComment", "a.jpg", jpegFile({jpegSegment(0xFE, fakeFrameInComment), jpegFrame(0xC0, 70, 80)}), 3, 70, 80,
         "an FF C0 pair inside a segment's payload is not a frame header"},
        {"FillBytes", "a.jpg", jpegFile({jfifApp0(), Bytes{0xFF, 0xFF, 0xFF}, jpegFrame(0xC0, 90, 91)}), 3, 90, 91,
         "extra FF bytes before a marker are padding"},
        {"StrayBytes", "a.jpg", jpegFile({jfifApp0(), Bytes{0x00, 0x0D, 0x0A}, jpegFrame(0xC0, 92, 93)}), 3, 92, 93,
         "decoders tolerate a few stray bytes between segments"},
        {"StandaloneMarkers", "a.jpg", jpegFile({jfifApp0(), Bytes{0xFF, 0xD0, 0xFF, 0x01}, jpegFrame(0xC0, 94, 95)}), 3, 94, 95,
         "RSTn and TEM have no length field"},
        {"TooMuchGarbage", "a.jpg", jpegFile({jfifApp0(), Bytes(9, 0x20), jpegFrame(0xC0, 96, 97)}), 3, 0, 0,
         "more stray bytes than the budget: the walk gives up instead of scanning on"},
        {"ScanBeforeFrame", "a.jpg", concat({Bytes{0xFF, 0xD8}, jfifApp0(), scanHeader, jpegFrame(0xC0, 1, 1)}), 3, 0, 0,
         "what follows the scan header is coded data, never looked at, even where it reads like a frame"},
        {"EndBeforeFrame", "a.jpg", concat({Bytes{0xFF, 0xD8}, jfifApp0(), Bytes{0xFF, 0xD9, 0x00, 0x02}, jpegFrame(0xC0, 1, 1)}), 3, 0, 0,
         "the image ends at EOI, whatever the bytes after it look like"},
        {"StuffedZeroIsNotAMarker", "a.jpg", jpegFile({jfifApp0(), Bytes{0xFF, 0x00}, jpegFrame(0xC0, 98, 99)}), 3, 98, 99,
         "FF 00 stands for a data byte and is skipped like a stray byte"},
        {"SegmentLengthBelowTwo", "a.jpg", jpegFile({jfifApp0(), Bytes{0xFF, 0xE3, 0x00, 0x01}, jpegFrame(0xC0, 1, 1)}), 3, 0, 0,
         "a length that does not even cover itself is malformed"},
        {"JpegCutInsideWidth", "a.jpg", jpegCutInFrame(8), 3, 0, 480, "the width's second byte is missing"},
        {"JpegCutInsideHeight", "a.jpg", jpegCutInFrame(6), 3, 0, 0, "the height's second byte is missing"},
        {"JpegCutInsideLength", "a.jpg", jpegCutInFrame(3), 3, 0, 0, "the frame's length field is incomplete"},
    };
}

std::vector<ImageCase> orientationCases()
{
    const auto intel = ExifByteOrder::Intel;
    const auto motorola = ExifByteOrder::Motorola;
    const Bytes upright = exifApp1(ExifByteOrder::Intel, 6);
    return {
        {"Orientation4", "a.jpg", photoWithOrientation(intel, 4), 3, 4000, 3000, "flipped: the last code that keeps the axes"},
        {"Orientation5Motorola", "a.jpg", photoWithOrientation(motorola, 5), 3, 3000, 4000, "transposed"},
        {"Orientation6Intel", "a.jpg", photoWithOrientation(intel, 6), 3, 3000, 4000, "turned a quarter clockwise"},
        {"Orientation8Motorola", "a.jpg", photoWithOrientation(motorola, 8), 3, 3000, 4000, "turned a quarter anticlockwise"},
        {"OrientationOutOfRange", "a.jpg", photoWithOrientation(intel, 9), 3, 4000, 3000, "9 is no orientation: ignored"},
        {"OrientationOnlyInThumbnailIfd", "a.jpg", photo(exifApp1(intel, std::nullopt, 6)), 3, 4000, 3000,
         "IFD1 describes the thumbnail, not the image"},
        {"OrientationAndThumbnail", "a.jpg", photo(exifApp1(intel, 8, 1, jfif(160, 120))),
         3, 3000, 4000, "the main image's orientation wins and the thumbnail's frame is skipped"},
        {"ExifBadByteOrderMark", "a.jpg", photo(patched(upright, kByteOrderMarkAt, {'I', 'M'})), 3, 4000, 3000, "malformed: ignored"},
        {"ExifBadMagic", "a.jpg", photo(patched(upright, kTiffMagicAt, {43, 0})), 3, 4000, 3000, "malformed: ignored"},
        {"ExifIfdOffsetPastBlock", "a.jpg", exifWithIfd0InNextSegment(), 3, 4000, 3000,
         "a directory outside the Exif segment is not followed, though one is there"},
        {"ExifEntriesPastBlock", "a.jpg", exifWithEntriesRunningIntoNextSegment(), 3, 4000, 3000,
         "entries beyond the Exif segment are not read, though one would be an orientation"},
        {"ExifOrientationNotShort", "a.jpg", photo(patched(upright, kOrientationTypeAt, {4, 0})), 3, 4000, 3000,
         "orientation must be a single SHORT"},
        {"ExifOrientationCountTwo", "a.jpg", photo(patched(upright, kOrientationCountAt, {2, 0, 0, 0})), 3, 4000, 3000,
         "orientation must be a single SHORT"},
        {"ExifBlockTooShort", "a.jpg", photo(jpegSegment(0xE1, concat({text("Exif"), Bytes{0, 0}, text("II")}))), 3, 4000, 3000,
         "no room for a TIFF header"},
    };
}

std::vector<ImageCase> bmpAndGifCases()
{
    return {
        {"BmpTopDown", "a.bmp", bmp(100, -50), 1, 100, -50, "a negative height marks a top-down bitmap and is passed on"},
        {"BmpOs2CoreHeader", "a.bmp", bmpCore(320, 200), 1, 320, 200, "a 12-byte info header has 16-bit sizes at 18 and 20"},
        {"BmpCutInsideHeight", "a.bmp", cut(bmp(100, 50), 25), 1, 100, 0, "height needs bytes 22 to 25"},
        {"GifCutInsideHeight", "a.gif", cut(gif(300, 2), 9), 2, 300, 0, "height needs bytes 8 and 9"},
        {"GifCutInsideWidth", "a.gif", cut(gif(300, 2), 7), 2, 0, 0, "width needs bytes 6 and 7"},
    };
}

class ImageFileTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ImageFileTest, TypeAndDimensionsInCallOrder)
{
    const ImageCase &row = GetParam();
    const TempDir dir;
    clsImageInfo info;
    info.setFilename(dir.write(row.fileName, row.bytes));

    EXPECT_EQ(info.FileType(), row.type) << row.reason;
    EXPECT_EQ(info.Height(), row.height) << row.reason;
    EXPECT_EQ(info.Width(), row.width) << row.reason;
}

std::string caseName(const testing::TestParamInfo<ImageCase> &info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Types, ImageFileTest, testing::ValuesIn(typeCases()), caseName);
INSTANTIATE_TEST_SUITE_P(Jpeg, ImageFileTest, testing::ValuesIn(jpegCases()), caseName);
INSTANTIATE_TEST_SUITE_P(ExifOrientation, ImageFileTest, testing::ValuesIn(orientationCases()), caseName);
INSTANTIATE_TEST_SUITE_P(BmpAndGif, ImageFileTest, testing::ValuesIn(bmpAndGifCases()), caseName);

// The stored type code and when it changes.
class ImageInfoStateTest : public testing::Test {
protected:
    TempDir dir;
    const std::filesystem::path gifFile = dir.write("a.gif", gif(300, 2));
    const std::filesystem::path textFile = dir.write("a.txt", text("plain text"));
    clsImageInfo info;
};

TEST_F(ImageInfoStateTest, DimensionsBeforeFileTypeAreZeroBecauseTheyNeverDetect)
{
    info.setFilename(gifFile);
    EXPECT_EQ(info.Height(), 0);
    EXPECT_EQ(info.Width(), 0);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
    EXPECT_EQ(info.Width(), 300);
}

TEST_F(ImageInfoStateTest, DimensionsFollowAStoredCodeWithoutDetection)
{
    info.setFilename(gifFile);
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.Width(), 300);
    info.setFileType(7);
    EXPECT_EQ(info.Width(), 0) << "a code that names no format has no dimensions";
}

TEST_F(ImageInfoStateTest, NonZeroCodeSurvivesADetectionWithoutMatch)
{
    info.setFilename(textFile);
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
    info.setFileType(clsImageInfo::kUndetermined);
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
}

TEST_F(ImageInfoStateTest, MatchingSignatureReplacesStoredCode)
{
    info.setFilename(gifFile);
    info.setFileType(clsImageInfo::kJpeg);
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
}

TEST_F(ImageInfoStateTest, NewFilenameForgetsTheType)
{
    info.setFilename(gifFile);
    ASSERT_EQ(info.FileType(), clsImageInfo::kGif);
    info.setFilename(textFile);
    EXPECT_EQ(info.Filename(), textFile);
    EXPECT_EQ(info.Width(), 0);
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
}

TEST_F(ImageInfoStateTest, UnreadableFileReplacesStoredCode)
{
    info.setFilename(dir.path() / "missing.gif");
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
}

TEST_F(ImageInfoStateTest, BytesReadCountsEveryOperationYetNeverTheWholeFile)
{
    // The frame lies behind 64 KiB of metadata: only the segment headers on the way need reading.
    const Bytes metadata(65000, 0x20);
    info.setFilename(dir.write("big.jpg", jpegFile({jfifApp0(), jpegSegment(0xE2, metadata), quantisationTable(),
                                                    jpegFrame(0xC0, 64, 48)})));

    EXPECT_EQ(info.FileType(), clsImageInfo::kJpeg);
    const std::uint64_t afterType = info.bytesRead();
    EXPECT_EQ(info.Height(), 48);
    const std::uint64_t afterHeight = info.bytesRead();
    EXPECT_EQ(info.Width(), 64);

    EXPECT_GT(afterType, 0u);
    EXPECT_GT(afterHeight, afterType);
    EXPECT_GT(info.bytesRead(), afterHeight);
    EXPECT_LT(info.bytesRead(), 8192u);
}

// Paths that cannot be read as files: type -1, and no dimensions even when a type is forced.
struct BadPathCase {
    std::string name;
    std::filesystem::path (*make)(const TempDir &dir);
};

void PrintTo(const BadPathCase &row, std::ostream *out)
{
    *out << row.name;
}

class BadPathTest : public testing::TestWithParam<BadPathCase> {};

TEST_P(BadPathTest, UnknownTypeAndNoDimensions)
{
    const TempDir dir;
    clsImageInfo info;
    info.setFilename(GetParam().make(dir));
    EXPECT_EQ(info.FileType(), clsImageInfo::kUnknown);
    info.setFileType(clsImageInfo::kGif);
    EXPECT_EQ(info.Height(), 0);
    EXPECT_EQ(info.Width(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BadPathTest,
    testing::Values(BadPathCase{"Missing", [](const TempDir &dir) { return dir.path() / "missing.gif"; }},
                    BadPathCase{"EmptyPath", [](const TempDir &) { return std::filesystem::path(); }},
                    BadPathCase{"Directory",
                                [](const TempDir &dir) {
                                    std::filesystem::create_directory(dir.path() / "folder.gif");
                                    return dir.path() / "folder.gif";
                                }}),
    [](const testing::TestParamInfo<BadPathCase> &info) { return info.param.name; });

} // namespace
