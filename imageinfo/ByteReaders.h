#pragma once

#include "ByteSource.h"

#include <cstdint>
#include <optional>

// Fixed-size little- and big-endian values at an offset of a byte source. Each is empty when
// any of its bytes lies past the end of the data or cannot be read: a value is never made up
// from part of its bytes.
namespace bytereaders {

// The two byte orders a TIFF header (as inside Exif) may declare: "II" and "MM".
enum class ByteOrder { LittleEndian, BigEndian };

std::optional<std::uint16_t> u16le(ByteSource &source, std::uint64_t offset);
std::optional<std::uint16_t> u16be(ByteSource &source, std::uint64_t offset);
std::optional<std::uint32_t> u32le(ByteSource &source, std::uint64_t offset);
std::optional<std::uint32_t> u32be(ByteSource &source, std::uint64_t offset);
std::optional<std::int32_t> s32le(ByteSource &source, std::uint64_t offset);
std::optional<std::uint16_t> u16(ByteSource &source, std::uint64_t offset, ByteOrder order);
std::optional<std::uint32_t> u32(ByteSource &source, std::uint64_t offset, ByteOrder order);

} // namespace bytereaders
