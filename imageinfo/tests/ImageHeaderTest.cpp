#include "ImageHeader.h"

#include "CountingByteSource.h"
#include "MemoryByteSource.h"
#include "TestBytes.h"
#include "TestImages.h"
#include "clsImageInfo.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace testimages;
using namespace testbytes;

namespace {

struct Reading {
    ImageSize size;
    std::uint64_t bytesRead;
};

Reading readJpeg(const Bytes &bytes)
{
    MemoryByteSource memory(bytes);
    CountingByteSource counted(memory);
    const ImageSize size = imageheader::readSize(counted, clsImageInfo::kJpeg);
    return {size, counted.bytesRead()};
}

TEST(JpegFrameTest, EveryStartOfFrameMarkerCounts)
{
    for (std::uint8_t marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}) {
        const ImageSize size = readJpeg(jpegFile({jfifApp0(), jpegFrame(marker, 123, 45)})).size;
        EXPECT_EQ(size.width, 123) << "marker " << int{marker};
        EXPECT_EQ(size.height, 45) << "marker " << int{marker};
    }
}

// DHT, JPG and DAC share the C0 to CF range; a segment of theirs shaped like a frame header
// must be skipped like any other.
TEST(JpegFrameTest, TablesInTheFrameRangeAreNotFrames)
{
    for (std::uint8_t marker : {0xC4, 0xC8, 0xCC}) {
        const Bytes decoy = jpegFrame(marker, 11, 22);
        const ImageSize size = readJpeg(jpegFile({decoy, jpegFrame(0xC0, 640, 480)})).size;
        EXPECT_EQ(size.width, 640) << "marker " << int{marker};
        EXPECT_EQ(size.height, 480) << "marker " << int{marker};
    }
}

TEST(JpegFrameTest, ManyRealisticSegmentsBeforeTheFrame)
{
    std::vector<Bytes> pieces{jfifApp0(), exifApp1(ExifByteOrder::Intel, std::nullopt)};
    for (std::uint8_t app = 0xE2; app <= 0xEF; ++app)
        pieces.push_back(jpegSegment(app, Bytes(300, app)));
    for (int table = 0; table < 8; ++table)
        pieces.push_back(quantisationTable());
    pieces.push_back(jpegFrame(0xC2, 2048, 1536));
    const ImageSize size = readJpeg(jpegFile(pieces)).size;
    EXPECT_EQ(size.width, 2048);
    EXPECT_EQ(size.height, 1536);
}

// The walk seeks past a segment instead of reading it, so metadata in front of the frame
// costs a few bytes per segment, not its size.
TEST(JpegFrameTest, LargeSegmentsAreSkippedUnread)
{
    const Bytes metadata(65533, 0x20);
    const Reading reading = readJpeg(jpegFile({jpegSegment(0xE2, metadata), jpegSegment(0xE2, metadata), jpegFrame(0xC0, 8, 9)}));
    EXPECT_EQ(reading.size.width, 8);
    EXPECT_LT(reading.bytesRead, 1024u);
}

// A hostile file of nothing but empty segments must not be walked to its end.
TEST(JpegFrameTest, EndlessSegmentsAreGivenUpOn)
{
    std::vector<Bytes> pieces(100000, Bytes{0xFF, 0xFE, 0x00, 0x02});
    pieces.push_back(jpegFrame(0xC0, 8, 9));
    const Reading reading = readJpeg(jpegFile(pieces));
    EXPECT_EQ(reading.size.width, 0);
    EXPECT_LT(reading.bytesRead, 4096u);
}

// Only the first Exif block is looked into; a hostile file repeating it costs no more.
TEST(JpegFrameTest, OnlyTheFirstExifBlockIsRead)
{
    std::vector<Bytes> pieces{exifApp1(ExifByteOrder::Intel, std::nullopt)};
    pieces.insert(pieces.end(), 50, exifApp1(ExifByteOrder::Intel, 6));
    pieces.push_back(jpegFrame(0xC0, 8, 9));
    const ImageSize size = readJpeg(jpegFile(pieces)).size;
    EXPECT_EQ(size.width, 8);
    EXPECT_EQ(size.height, 9);
}

TEST(ImageTypeTest, UnreadableSourceIsNotANoMatch)
{
    class FailingSource final : public ByteSource {
    public:
        std::optional<std::size_t> readAt(std::uint64_t, std::span<std::uint8_t>) override { return std::nullopt; }
    } failing;
    EXPECT_EQ(imageheader::detectType(failing), std::nullopt);
    const Bytes empty;
    MemoryByteSource memory(empty);
    EXPECT_EQ(imageheader::detectType(memory), clsImageInfo::kUndetermined);
}

} // namespace
