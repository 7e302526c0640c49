#include "ImageHeader.h"

#include "ByteReaders.h"
#include "JpegHeader.h"
#include "clsImageInfo.h"

#include <algorithm>
#include <array>
#include <span>

namespace imageheader {

namespace {

constexpr std::array<std::uint8_t, 2> kBmpSignature{'B', 'M'};
constexpr std::array<std::uint8_t, 3> kGifSignature{'G', 'I', 'F'};
// Start of image followed by the first byte of the next marker: every JPEG begins so, whether
// its first segment is JFIF, Exif or anything else.
constexpr std::array<std::uint8_t, 3> kJpegSignature{0xFF, 0xD8, 0xFF};
constexpr std::size_t kLongestSignature = 3;

// The file header is 14 bytes; the info header after it starts with its own size, which tells
// the old OS/2 core header (16-bit sizes) from the Windows ones (signed 32-bit sizes).
constexpr std::uint64_t kBmpInfoHeaderSizeOffset = 14;
constexpr std::uint32_t kBmpCoreHeaderSize = 12;
constexpr std::uint64_t kBmpWidthOffset = 18;
constexpr std::uint64_t kBmpHeightOffset = 22;
constexpr std::uint64_t kBmpCoreHeightOffset = 20;

// Logical screen size, after the 6-byte signature and version.
constexpr std::uint64_t kGifWidthOffset = 6;
constexpr std::uint64_t kGifHeightOffset = 8;

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> signature)
{
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

ImageSize readBmpSize(ByteSource &source)
{
    if (bytereaders::u32le(source, kBmpInfoHeaderSizeOffset) == kBmpCoreHeaderSize)
        return {bytereaders::u16le(source, kBmpWidthOffset).value_or(0),
                bytereaders::u16le(source, kBmpCoreHeightOffset).value_or(0)};
    // A negative height marks a top-down bitmap; it is passed on as stored.
    return {bytereaders::s32le(source, kBmpWidthOffset).value_or(0),
            bytereaders::s32le(source, kBmpHeightOffset).value_or(0)};
}

ImageSize readGifSize(ByteSource &source)
{
    return {bytereaders::u16le(source, kGifWidthOffset).value_or(0),
            bytereaders::u16le(source, kGifHeightOffset).value_or(0)};
}

} // namespace

std::optional<std::int32_t> detectType(ByteSource &source)
{
    std::array<std::uint8_t, kLongestSignature> head{};
    const auto copied = source.readAt(0, head);
    if (!copied)
        return std::nullopt;
    const std::span<const std::uint8_t> bytes(head.data(), *copied);
    // The signatures exclude each other, so the order of the tests cannot change the outcome.
    std::int32_t type = clsImageInfo::kUndetermined;
    if (startsWith(bytes, kBmpSignature))
        type = clsImageInfo::kBmp;
    if (startsWith(bytes, kGifSignature))
        type = clsImageInfo::kGif;
    if (startsWith(bytes, kJpegSignature))
        type = clsImageInfo::kJpeg;
    return type;
}

ImageSize readSize(ByteSource &source, std::int32_t type)
{
    switch (type) {
    case clsImageInfo::kBmp:
        return readBmpSize(source);
    case clsImageInfo::kGif:
        return readGifSize(source);
    case clsImageInfo::kJpeg:
        return readJpegSize(source);
    default:
        return {};
    }
}

} // namespace imageheader
