#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Minimal but well-formed headers of each kind, written byte by byte so every test states
// exactly what the file holds. The tests, the fuzzer's seeds and the benchmarks share them.
namespace testimages {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes &bytes, const Bytes &more);
void appendText(Bytes &bytes, std::string_view text);
void appendU16be(Bytes &bytes, std::uint16_t value);
void appendU16le(Bytes &bytes, std::uint16_t value);
void appendU32be(Bytes &bytes, std::uint32_t value);
void appendU32le(Bytes &bytes, std::uint32_t value);
Bytes text(std::string_view characters);

Bytes gif(std::uint16_t width, std::uint16_t height);
Bytes bmp(std::int32_t width, std::int32_t height);
// A BMP with the old 12-byte OS/2 core header, whose sizes are 16-bit unsigned.
Bytes bmpCore(std::uint16_t width, std::uint16_t height);
// SOI, a JFIF APP0 segment, a quantisation table, a baseline frame header, scan header, EOI.
Bytes jfif(std::uint16_t width, std::uint16_t height);

// JPEG pieces. A segment is 0xFF, its marker, a big-endian length that counts itself, then the
// payload; a frame is the start-of-frame segment with the given SOFn marker and one component.
Bytes jpegSegment(std::uint8_t marker, const Bytes &payload);
Bytes jpegFrame(std::uint8_t sofMarker, std::uint16_t width, std::uint16_t height);
Bytes jfifApp0();
Bytes quantisationTable();
// SOI, the pieces verbatim and in order (segments, or stray and fill bytes between them),
// then a scan header, two bytes of scan data and EOI.
Bytes jpegFile(const std::vector<Bytes> &pieces);

// An APP1 Exif segment: a TIFF header in the given byte order, then IFD0 holding the given
// entries, then IFD1 when there is a thumbnail (a whole JPEG file) for it to point to.
enum class ExifByteOrder { Intel, Motorola };
struct ExifEntry {
    std::uint16_t tag;
    std::uint16_t type; // 3: SHORT, a value in the first two bytes of the field; 4: LONG
    std::uint32_t count;
    std::uint32_t value;
};
ExifEntry orientation(std::uint16_t value);
// An unrelated entry, as cameras write before the orientation.
inline constexpr ExifEntry kImageWidthEntry{0x0100, 4, 1, 4000};
Bytes exifApp1(ExifByteOrder order, const std::vector<ExifEntry> &ifd0, const Bytes &thumbnail = {});

} // namespace testimages
