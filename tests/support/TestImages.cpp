#include "TestImages.h"

#include <string_view>

namespace testimages {

void appendU16be(Bytes &bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    bytes.push_back(static_cast<std::uint8_t>(value));
}

void appendU16le(Bytes &bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendU32le(Bytes &bytes, std::uint32_t value)
{
    appendU16le(bytes, static_cast<std::uint16_t>(value));
    appendU16le(bytes, static_cast<std::uint16_t>(value >> 16));
}

namespace {

void appendText(Bytes &bytes, std::string_view text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void append(Bytes &bytes, const Bytes &more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
}

} // namespace

Bytes gif(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes;
    appendText(bytes, "GIF89a");
    appendU16le(bytes, width);
    appendU16le(bytes, height);
    // No global colour table, then an empty trailer: enough for any header reader.
    bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x3B});
    return bytes;
}

Bytes bmp(std::int32_t width, std::int32_t height)
{
    Bytes bytes;
    appendText(bytes, "BM");
    appendU32le(bytes, 14 + 40);
    appendU32le(bytes, 0);
    appendU32le(bytes, 14 + 40);
    appendU32le(bytes, 40);
    appendU32le(bytes, static_cast<std::uint32_t>(width));
    appendU32le(bytes, static_cast<std::uint32_t>(height));
    appendU16le(bytes, 1);  // planes
    appendU16le(bytes, 24); // bits per pixel
    bytes.resize(14 + 40, 0);
    return bytes;
}

Bytes jfif(std::uint16_t width, std::uint16_t height)
{
    return jpegFile({jfifApp0(), quantisationTable(), jpegFrame(0xC0, width, height)});
}

Bytes bmpCore(std::uint16_t width, std::uint16_t height)
{
    constexpr std::uint32_t headersSize = 14 + 12;
    Bytes bytes;
    appendText(bytes, "BM");
    appendU32le(bytes, headersSize);
    appendU32le(bytes, 0);
    appendU32le(bytes, headersSize);
    appendU32le(bytes, 12);
    appendU16le(bytes, width);
    appendU16le(bytes, height);
    appendU16le(bytes, 1);  // planes
    appendU16le(bytes, 24); // bits per pixel
    return bytes;
}

Bytes jpegSegment(std::uint8_t marker, const Bytes &payload)
{
    Bytes bytes{0xFF, marker};
    appendU16be(bytes, static_cast<std::uint16_t>(payload.size() + 2));
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return bytes;
}

Bytes jpegFrame(std::uint8_t sofMarker, std::uint16_t width, std::uint16_t height)
{
    Bytes payload{8}; // sample precision
    appendU16be(payload, height);
    appendU16be(payload, width);
    payload.insert(payload.end(), {0x01, 0x01, 0x11, 0x00}); // one component, sampling, table
    return jpegSegment(sofMarker, payload);
}

Bytes jfifApp0()
{
    Bytes payload;
    appendText(payload, std::string_view("JFIF\0", 5));
    payload.insert(payload.end(), {0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00});
    return jpegSegment(0xE0, payload);
}

Bytes quantisationTable()
{
    Bytes payload{0x00};
    payload.insert(payload.end(), 64, 0x01);
    return jpegSegment(0xDB, payload);
}

Bytes jpegFile(const std::vector<Bytes> &pieces)
{
    Bytes bytes{0xFF, 0xD8};
    for (const Bytes &piece : pieces)
        append(bytes, piece);
    append(bytes, jpegSegment(0xDA, {0x01, 0x01, 0x00, 0x00, 0x3F, 0x00}));
    bytes.insert(bytes.end(), {0x12, 0x34, 0xFF, 0xD9});
    return bytes;
}

namespace {

constexpr std::uint16_t kExifShort = 3;
constexpr std::uint16_t kExifLong = 4;
constexpr std::uint16_t kExifAscii = 2;
constexpr std::size_t kExifEntrySize = 12;

class TiffWriter {
public:
    explicit TiffWriter(ExifByteOrder order) : order_(order) {}

    void u16(std::uint16_t value)
    {
        if (order_ == ExifByteOrder::Intel)
            appendU16le(bytes_, value);
        else
            appendU16be(bytes_, value);
    }
    void u32(std::uint32_t value)
    {
        if (order_ == ExifByteOrder::Intel) {
            appendU32le(bytes_, value);
        } else {
            appendU16be(bytes_, static_cast<std::uint16_t>(value >> 16));
            appendU16be(bytes_, static_cast<std::uint16_t>(value));
        }
    }
    void entryShort(std::uint16_t tag, std::uint16_t value)
    {
        u16(tag);
        u16(kExifShort);
        u32(1);
        u16(value);
        u16(0); // the rest of the 4-byte value field
    }
    void entryLong(std::uint16_t tag, std::uint32_t value)
    {
        u16(tag);
        u16(kExifLong);
        u32(1);
        u32(value);
    }
    void entryInlineText(std::uint16_t tag, std::string_view fourBytes)
    {
        u16(tag);
        u16(kExifAscii);
        u32(static_cast<std::uint32_t>(fourBytes.size()));
        appendText(bytes_, fourBytes);
    }
    Bytes &bytes() { return bytes_; }

private:
    ExifByteOrder order_;
    Bytes bytes_;
};

} // namespace

Bytes exifApp1(ExifByteOrder order, std::optional<std::uint16_t> ifd0Orientation, std::optional<std::uint16_t> ifd1Orientation,
               const Bytes &thumbnail)
{
    constexpr std::uint16_t orientationTag = 0x0112;
    const bool hasIfd1 = ifd1Orientation || !thumbnail.empty();
    const std::uint16_t ifd0Entries = ifd0Orientation ? 2 : 1;
    const std::uint16_t ifd1Entries = static_cast<std::uint16_t>((ifd1Orientation ? 1 : 0) + (thumbnail.empty() ? 0 : 2));

    TiffWriter tiff(order);
    appendText(tiff.bytes(), order == ExifByteOrder::Intel ? "II" : "MM");
    tiff.u16(42);
    tiff.u32(8); // IFD0 right after the header
    const std::uint32_t ifd1Offset = 8 + 2 + ifd0Entries * kExifEntrySize + 4;
    tiff.u16(ifd0Entries);
    tiff.entryInlineText(0x010F, std::string_view("Cam\0", 4)); // camera maker, before the orientation
    if (ifd0Orientation)
        tiff.entryShort(orientationTag, *ifd0Orientation);
    tiff.u32(hasIfd1 ? ifd1Offset : 0);
    if (hasIfd1) {
        const std::uint32_t thumbnailOffset = ifd1Offset + 2 + ifd1Entries * kExifEntrySize + 4;
        tiff.u16(ifd1Entries);
        if (ifd1Orientation)
            tiff.entryShort(orientationTag, *ifd1Orientation);
        if (!thumbnail.empty()) {
            tiff.entryLong(0x0201, thumbnailOffset); // where the thumbnail's JPEG starts
            tiff.entryLong(0x0202, static_cast<std::uint32_t>(thumbnail.size()));
        }
        tiff.u32(0);
        append(tiff.bytes(), thumbnail);
    }

    Bytes payload;
    appendText(payload, std::string_view("Exif\0\0", 6));
    append(payload, tiff.bytes());
    return jpegSegment(0xE1, payload);
}

} // namespace testimages
