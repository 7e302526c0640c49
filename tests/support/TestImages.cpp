#include "TestImages.h"

namespace testimages {

void append(Bytes &bytes, const Bytes &more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
}

void appendText(Bytes &bytes, std::string_view text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void appendU16be(Bytes &bytes, std::uint16_t value)
{
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

void appendU16le(Bytes &bytes, std::uint16_t value)
{
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
}

void appendU32be(Bytes &bytes, std::uint32_t value)
{
    appendU16be(bytes, static_cast<std::uint16_t>(value >> 16));
    appendU16be(bytes, static_cast<std::uint16_t>(value));
}

void appendU32le(Bytes &bytes, std::uint32_t value)
{
    appendU16le(bytes, static_cast<std::uint16_t>(value));
    appendU16le(bytes, static_cast<std::uint16_t>(value >> 16));
}

Bytes text(std::string_view characters)
{
    return {characters.begin(), characters.end()};
}

Bytes gif(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes = text("GIF89a");
    appendU16le(bytes, width);
    appendU16le(bytes, height);
    // No global colour table, then an empty trailer: enough for any header reader.
    bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x3B});
    return bytes;
}

// The file header (type, file size, reserved, pixel offset), then the info header: its own size,
// the dimensions, one plane of 24 bits per pixel.
Bytes bmp(std::int32_t width, std::int32_t height)
{
    Bytes bytes = text("BM");
    for (const auto field : {54U, 0U, 54U, 40U, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                             0x00180001U})
        appendU32le(bytes, field);
    bytes.resize(54, 0);
    return bytes;
}

Bytes bmpCore(std::uint16_t width, std::uint16_t height)
{
    Bytes bytes = text("BM");
    for (const auto field : {26U, 0U, 26U, 12U, width | static_cast<std::uint32_t>(height) << 16, 0x00180001U})
        appendU32le(bytes, field);
    return bytes;
}

Bytes jfif(std::uint16_t width, std::uint16_t height)
{
    return jpegFile({jfifApp0(), quantisationTable(), jpegFrame(0xC0, width, height)});
}

Bytes jpegSegment(std::uint8_t marker, const Bytes &payload)
{
    Bytes bytes{0xFF, marker};
    appendU16be(bytes, static_cast<std::uint16_t>(payload.size() + 2));
    append(bytes, payload);
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
    return jpegSegment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
}

Bytes quantisationTable()
{
    Bytes payload(65, 0x01);
    payload[0] = 0x00; // 8-bit table number 0
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

ExifEntry orientation(std::uint16_t value)
{
    return {0x0112, 3, 1, value};
}

Bytes exifApp1(ExifByteOrder order, const std::vector<ExifEntry> &ifd0, const Bytes &thumbnail)
{
    const bool intel = order == ExifByteOrder::Intel;
    Bytes tiff = text(intel ? "II" : "MM");
    const auto u16 = [&](std::uint16_t value) { intel ? appendU16le(tiff, value) : appendU16be(tiff, value); };
    const auto u32 = [&](std::uint32_t value) { intel ? appendU32le(tiff, value) : appendU32be(tiff, value); };
    const auto directory = [&](const std::vector<ExifEntry> &entries, std::uint32_t next) {
        u16(static_cast<std::uint16_t>(entries.size()));
        for (const ExifEntry &entry : entries) {
            u16(entry.tag);
            u16(entry.type);
            u32(entry.count);
            entry.type == 3 ? (u16(static_cast<std::uint16_t>(entry.value)), u16(0)) : u32(entry.value);
        }
        u32(next);
    };
    u16(42);
    u32(8); // IFD0 right after the header
    const auto ifd1 = static_cast<std::uint32_t>(8 + 2 + 12 * ifd0.size() + 4);
    directory(ifd0, thumbnail.empty() ? 0 : ifd1);
    if (!thumbnail.empty()) {
        // Where the thumbnail's JPEG starts, right after IFD1's two entries, and its length.
        directory({{0x0201, 4, 1, ifd1 + 2 + 2 * 12 + 4}, {0x0202, 4, 1, static_cast<std::uint32_t>(thumbnail.size())}}, 0);
        append(tiff, thumbnail);
    }
    Bytes payload{'E', 'x', 'i', 'f', 0, 0};
    append(payload, tiff);
    return jpegSegment(0xE1, payload);
}

} // namespace testimages
