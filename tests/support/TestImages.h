#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Minimal but well-formed headers of each kind, written byte by byte so every test states
// exactly what the file holds.
namespace testimages {

using Bytes = std::vector<std::uint8_t>;

Bytes gif(std::uint16_t width, std::uint16_t height);
Bytes bmp(std::int32_t width, std::int32_t height);
// SOI, a JFIF APP0 segment, a quantisation table, a baseline frame header, scan header, EOI.
Bytes jfif(std::uint16_t width, std::uint16_t height);
// A BMP with the old 12-byte OS/2 core header, whose sizes are 16-bit unsigned.
Bytes bmpCore(std::uint16_t width, std::uint16_t height);

// JPEG pieces. A segment is 0xFF, its marker, a big-endian length that counts itself, then the
// payload; a frame is the start-of-frame segment with the given SOFn marker (0xC0 baseline,
// 0xC2 progressive, ...) and one component.
Bytes jpegSegment(std::uint8_t marker, const Bytes &payload);
Bytes jpegFrame(std::uint8_t sofMarker, std::uint16_t width, std::uint16_t height);
Bytes jfifApp0();
Bytes quantisationTable();
// SOI, the pieces verbatim and in order (segments, or stray and fill bytes between them),
// then a scan header, two bytes of scan data and EOI.
Bytes jpegFile(const std::vector<Bytes> &pieces);

// An APP1 Exif segment: a TIFF header in the given byte order, IFD0 with an unrelated entry and
// the orientation tag when given, then IFD1 when it has anything to hold: its own orientation
// tag, and the thumbnail (a whole JPEG file) it points to.
enum class ExifByteOrder { Intel, Motorola };
Bytes exifApp1(ExifByteOrder order, std::optional<std::uint16_t> ifd0Orientation,
               std::optional<std::uint16_t> ifd1Orientation = std::nullopt, const Bytes &thumbnail = {});

void appendU16be(Bytes &bytes, std::uint16_t value);
void appendU16le(Bytes &bytes, std::uint16_t value);
void appendU32le(Bytes &bytes, std::uint32_t value);

} // namespace testimages
