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
    Bytes bytes{0xFF, 0xD8, 0xFF, 0xE0};
    appendU16be(bytes, 16);
    appendText(bytes, std::string_view("JFIF\0", 5));
    bytes.insert(bytes.end(), {0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00});
    bytes.insert(bytes.end(), {0xFF, 0xDB});
    appendU16be(bytes, 67);
    bytes.push_back(0x00);
    bytes.insert(bytes.end(), 64, 0x01);
    bytes.insert(bytes.end(), {0xFF, 0xC0});
    appendU16be(bytes, 11);
    bytes.push_back(8);
    appendU16be(bytes, height);
    appendU16be(bytes, width);
    bytes.insert(bytes.end(), {0x01, 0x01, 0x11, 0x00});
    bytes.insert(bytes.end(), {0xFF, 0xDA});
    appendU16be(bytes, 8);
    bytes.insert(bytes.end(), {0x01, 0x01, 0x00, 0x00, 0x3F, 0x00});
    bytes.insert(bytes.end(), {0x12, 0x34, 0xFF, 0xD9});
    return bytes;
}

} // namespace testimages
