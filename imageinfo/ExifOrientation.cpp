#include "ExifOrientation.h"

#include "ByteReaders.h"

#include <algorithm>
#include <array>

namespace {

using bytereaders::ByteOrder;

constexpr std::array<std::uint8_t, 6> kExifIdentifier{'E', 'x', 'i', 'f', 0, 0};
// Byte order mark (2), the number 42 (2), offset of IFD0 from the TIFF header's start (4).
constexpr std::uint64_t kTiffHeaderLength = 8;
constexpr std::uint16_t kLittleEndianMark = 0x4949; // "II"
constexpr std::uint16_t kBigEndianMark = 0x4D4D;    // "MM"
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint64_t kIfdOffsetField = 4;

// A directory is a 16-bit entry count, then entries of tag (2), type (2), count (4) and a
// 4-byte value field that holds a short value in its first two bytes.
constexpr std::uint64_t kEntryCountLength = 2;
constexpr std::uint64_t kEntryLength = 12;
constexpr std::uint64_t kEntryTypeField = 2;
constexpr std::uint64_t kEntryCountField = 4;
constexpr std::uint64_t kEntryValueField = 8;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
// IFD0 of real files holds a dozen or two entries; the bound keeps a hostile count from
// costing thousands of reads.
constexpr std::uint16_t kMaxEntries = 128;

std::optional<ByteOrder> readTiffByteOrder(ByteSource &source, std::uint64_t tiffStart)
{
    const auto mark = bytereaders::u16be(source, tiffStart);
    std::optional<ByteOrder> order;
    if (mark == kLittleEndianMark)
        order = ByteOrder::LittleEndian;
    else if (mark == kBigEndianMark)
        order = ByteOrder::BigEndian;
    if (!order || bytereaders::u16(source, tiffStart + 2, *order) != kTiffMagic)
        return std::nullopt;
    return order;
}

} // namespace

bool isExifBlock(ByteSource &source, std::uint64_t dataStart, std::uint64_t dataLength)
{
    if (dataLength < kExifIdentifier.size() + kTiffHeaderLength)
        return false;
    std::array<std::uint8_t, kExifIdentifier.size()> identifier{};
    const auto copied = source.readAt(dataStart, identifier);
    return copied == identifier.size() && identifier == kExifIdentifier;
}

std::optional<std::uint16_t> readExifOrientation(ByteSource &source, std::uint64_t dataStart, std::uint64_t dataLength)
{
    if (dataLength < kExifIdentifier.size() + kTiffHeaderLength)
        return std::nullopt;
    // Offsets inside the block count from the TIFF header and must stay within the segment.
    const std::uint64_t tiffStart = dataStart + kExifIdentifier.size();
    const std::uint64_t tiffLength = dataLength - kExifIdentifier.size();
    const auto order = readTiffByteOrder(source, tiffStart);
    if (!order)
        return std::nullopt;
    const auto ifd0 = bytereaders::u32(source, tiffStart + kIfdOffsetField, *order);
    if (!ifd0 || *ifd0 + kEntryCountLength > tiffLength)
        return std::nullopt;
    const auto entryCount = bytereaders::u16(source, tiffStart + *ifd0, *order);
    if (!entryCount)
        return std::nullopt;
    const std::uint16_t entriesToRead = std::min(*entryCount, kMaxEntries);
    for (std::uint16_t index = 0; index < entriesToRead; ++index) {
        const std::uint64_t entry = *ifd0 + kEntryCountLength + index * kEntryLength;
        if (entry + kEntryLength > tiffLength)
            return std::nullopt;
        const std::uint64_t entryStart = tiffStart + entry;
        const auto tag = bytereaders::u16(source, entryStart, *order);
        if (!tag)
            return std::nullopt;
        if (*tag != kOrientationTag)
            continue;
        if (bytereaders::u16(source, entryStart + kEntryTypeField, *order) != kShortType
            || bytereaders::u32(source, entryStart + kEntryCountField, *order) != 1u)
            return std::nullopt;
        return bytereaders::u16(source, entryStart + kEntryValueField, *order);
    }
    return std::nullopt;
}
