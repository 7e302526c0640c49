#pragma once

#include <cstdint>
#include <vector>

// Minimal but well-formed headers of each kind, written byte by byte so every test states
// exactly what the file holds.
namespace testimages {

using Bytes = std::vector<std::uint8_t>;

Bytes gif(std::uint16_t width, std::uint16_t height);
Bytes bmp(std::int32_t width, std::int32_t height);
// SOI, a JFIF APP0 segment, a quantisation table, a baseline frame header, scan header, EOI.
Bytes jfif(std::uint16_t width, std::uint16_t height);

void appendU16be(Bytes &bytes, std::uint16_t value);
void appendU16le(Bytes &bytes, std::uint16_t value);
void appendU32le(Bytes &bytes, std::uint32_t value);

} // namespace testimages
