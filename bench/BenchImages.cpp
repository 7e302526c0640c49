#include "BenchImages.h"

#include "TestImages.h"

#include <string>

namespace benchimages {

namespace {

using testimages::append;
using testimages::appendText;
using testimages::appendU32be;

// The header builders end a GIF right after its screen descriptor. Readers that open the first
// frame (as the imaging libraries do) need one: a frame filling the screen, with a token of LZW
// data that nobody decodes.
Bytes gifWithFrame(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes = testimages::gif(width, height);
    bytes.pop_back(); // the trailer goes after the frame
    bytes.insert(bytes.end(), {0x2C, 0, 0, 0, 0});
    testimages::appendU16le(bytes, width);
    testimages::appendU16le(bytes, height);
    bytes.insert(bytes.end(), {0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});
    return bytes;
}

// The CRC of the bytes from the given offset to the end.
std::uint32_t crc32(const Bytes &bytes, std::size_t from)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A chunk with its CRC, which PNG decoders check even when they only read the header.
void appendPngChunk(Bytes &bytes, std::string_view type, const Bytes &data)
{
    appendU32be(bytes, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = bytes.size();
    appendText(bytes, type);
    append(bytes, data);
    appendU32be(bytes, crc32(bytes, typeStart));
}

Bytes png(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    appendU32be(header, width);
    appendU32be(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no filter, no interlace
    appendPngChunk(bytes, "IHDR", header);
    appendPngChunk(bytes, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    appendPngChunk(bytes, "IEND", {});
    return bytes;
}

// A camera picture: the Exif block comes first and there is no JFIF segment.
Bytes exifJpeg(std::uint16_t width, std::uint16_t height)
{
    return testimages::jpegFile({testimages::exifApp1(testimages::ExifByteOrder::Motorola, {testimages::kImageWidthEntry, testimages::orientation(1)}),
                                 testimages::quantisationTable(), testimages::jpegFrame(0xC0, width, height)});
}

Bytes progressiveJpeg(std::uint16_t width, std::uint16_t height)
{
    return testimages::jpegFile(
        {testimages::jfifApp0(), testimages::quantisationTable(), testimages::jpegFrame(0xC2, width, height)});
}

// 64 KiB of XMP-like metadata and an ICC-like profile before the frame, as photo editors write:
// two segments of 32 KiB, each counting its 4 bytes of marker and length.
Bytes jpegBehindMetadata(std::uint16_t width, std::uint16_t height)
{
    constexpr std::size_t kPayloadBytes = 32 * 1024 - 4;
    constexpr std::string_view kPacketEnd = "</x:xmpmeta><?xpacket end='w'?>";
    Bytes xmp;
    appendText(xmp, std::string_view("http://ns.adobe.com/xap/1.0/\0", 29));
    appendText(xmp, "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?><x:xmpmeta xmlns:x='adobe:ns:meta/'>");
    xmp.resize(kPayloadBytes - kPacketEnd.size(), ' '); // the padding that XMP packets carry
    appendText(xmp, kPacketEnd);
    Bytes profile;
    appendText(profile, std::string_view("ICC_PROFILE\0", 12));
    profile.resize(kPayloadBytes, 0);
    return testimages::jpegFile({testimages::jfifApp0(), testimages::jpegSegment(0xE1, xmp),
                                 testimages::jpegSegment(0xE2, profile), testimages::quantisationTable(),
                                 testimages::jpegFrame(0xC0, width, height)});
}

// A bitmap whose file header states the size of the whole file, pixels included.
Bytes bmp(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes = testimages::bmp(width, height);
    const std::uint32_t size = bmpFileSize(width, height);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return bytes;
}

Bytes text(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes;
    appendText(bytes, "<!DOCTYPE html>\n<html><body>\n<p>Notes on the gallery page: ");
    appendText(bytes, std::to_string(width) + " by " + std::to_string(height) + ".</p>\n</body></html>\n");
    return bytes;
}

} // namespace

std::uint32_t bmpFileSize(std::uint16_t width, std::uint16_t height)
{
    constexpr std::uint32_t kHeadersSize = 14 + 40;
    const std::uint32_t rowSize = (width * 3u + 3u) & ~3u;
    return kHeadersSize + rowSize * height;
}

std::string_view kindName(Kind kind)
{
    switch (kind) {
    case Kind::Gif: return "gif";
    case Kind::Jfif: return "jfif";
    case Kind::ExifJpeg: return "exif";
    case Kind::ProgressiveJpeg: return "progressive";
    case Kind::JpegBehindMetadata: return "metadata64k";
    case Kind::Bmp: return "bmp";
    case Kind::Png: return "png";
    case Kind::Text: return "text";
    }
    return "?";
}

std::string_view extension(Kind kind)
{
    switch (kind) {
    case Kind::Gif: return ".gif";
    case Kind::Bmp: return ".bmp";
    case Kind::Png: return ".png";
    case Kind::Text: return ".txt";
    default: return ".jpg";
    }
}

Bytes file(Kind kind, std::uint16_t width, std::uint16_t height)
{
    switch (kind) {
    case Kind::Gif: return gifWithFrame(width, height);
    case Kind::Jfif: return testimages::jfif(width, height);
    case Kind::ExifJpeg: return exifJpeg(width, height);
    case Kind::ProgressiveJpeg: return progressiveJpeg(width, height);
    case Kind::JpegBehindMetadata: return jpegBehindMetadata(width, height);
    case Kind::Bmp: return bmp(width, height);
    case Kind::Png: return png(width, height);
    case Kind::Text: return text(width, height);
    }
    return {};
}

} // namespace benchimages
