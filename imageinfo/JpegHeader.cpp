#include "JpegHeader.h"

#include "ByteReaders.h"
#include "ExifOrientation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// The walk starts right after the 2-byte start-of-image marker.
constexpr std::uint64_t kFirstSegmentOffset = 2;
// Real files have a dozen or two segments before the frame header, even with several APPn
// blocks and one table per segment. The bound is on segments, not on offsets, so a frame
// header behind megabytes of metadata is still found while a file made of thousands of empty
// segments costs no more than this many small reads.
constexpr int kMaxSegments = 64;
// Between two segments the walk looks at one small window: a few stray bytes, left by sloppy
// writers, are skipped there, but we do not allow more garbage than that, or we might scan a
// whole file before realising that it is not a marker stream. Fill bytes (0xFF) may precede a
// marker in any number: a run that reaches the window's end is followed into further windows,
// each starting at the run's last byte, up to a run of 960.
constexpr std::size_t kMarkerWindow = 16;
constexpr std::size_t kMaxStrayBytes = 8;
constexpr int kMaxMarkerWindows = 64;

constexpr std::uint8_t kMarkerPrefix = 0xFF;
// 0xFF followed by 0x00 stands for a data byte of value 0xFF, never for a marker.
constexpr std::uint8_t kStuffedZero = 0x00;
constexpr std::uint8_t kTem = 0x01;
constexpr std::uint8_t kRst0 = 0xD0;
constexpr std::uint8_t kRst7 = 0xD7;
constexpr std::uint8_t kEoi = 0xD9;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kApp1 = 0xE1;

// A segment's 16-bit length counts itself, so nothing shorter than the length field is valid.
constexpr std::uint16_t kMinSegmentLength = 2;
// Frame header fields, from the start of its length field: length (2), precision (1), height
// (2), width (2), component count (1). A frame header whose length does not cover them is
// malformed: what its length leaves out belongs to whatever follows.
constexpr std::uint64_t kFrameHeightOffset = 3;
constexpr std::uint64_t kFrameWidthOffset = 5;
constexpr std::uint16_t kMinFrameLength = 8;

struct Marker {
    std::uint8_t code;
    std::uint64_t end; // offset of the byte after the marker code
};

// TEM and the restart markers carry no length field and nothing after them.
bool isStandalone(std::uint8_t code)
{
    return code == kTem || (code >= kRst0 && code <= kRst7);
}

// Every start-of-frame marker begins a frame header of the same layout; they differ only in
// how the scans are coded. Each one counts, because a reader of dimensions does not care how
// the pixels are compressed: only the baseline one would miss progressive and other files.
bool isStartOfFrame(std::uint8_t code)
{
    switch (code) {
    case 0xC0: // SOF0: baseline DCT, the common case
    case 0xC1: // SOF1: extended sequential DCT (12-bit samples, more tables)
    case 0xC2: // SOF2: progressive DCT, as written by many web tools
    case 0xC3: // SOF3: lossless
    case 0xC5: // SOF5: differential sequential DCT (hierarchical)
    case 0xC6: // SOF6: differential progressive DCT
    case 0xC7: // SOF7: differential lossless
    case 0xC9: // SOF9: extended sequential DCT, arithmetic coding
    case 0xCA: // SOF10: progressive DCT, arithmetic coding
    case 0xCB: // SOF11: lossless, arithmetic coding
    case 0xCD: // SOF13: differential sequential DCT, arithmetic coding
    case 0xCE: // SOF14: differential progressive DCT, arithmetic coding
    case 0xCF: // SOF15: differential lossless, arithmetic coding
        return true;
    default:
        // 0xC4 (Huffman tables), 0xC8 (reserved) and 0xCC (arithmetic conditioning) sit in the
        // same range but are not frames.
        return false;
    }
}

// The marker expected at offset, past any stray and fill bytes.
std::optional<Marker> findMarker(ByteSource &source, std::uint64_t offset)
{
    std::array<std::uint8_t, kMarkerWindow> window{};
    std::size_t strays = 0;
    for (int windows = 0; windows < kMaxMarkerWindows; ++windows) {
        const auto copied = source.readAt(offset, window);
        if (!copied)
            return std::nullopt;
        std::size_t i = 0;
        while (i < *copied) {
            if (window[i] != kMarkerPrefix) {
                if (++strays > kMaxStrayBytes)
                    return std::nullopt;
                ++i;
                continue;
            }
            while (i < *copied && window[i] == kMarkerPrefix)
                ++i;
            if (i < *copied && window[i] != kStuffedZero)
                return Marker{window[i], offset + i + 1};
        }
        if (*copied < kMarkerWindow || window.back() != kMarkerPrefix)
            return std::nullopt;
        offset += kMarkerWindow - 1;
    }
    return std::nullopt;
}

// Orientations 5 to 8 (transposed, turned 90° clockwise, transversed, turned 90° anticlockwise)
// are displayed with width and height exchanged; 1 to 4 and any invalid value are not.
bool swapsAxes(std::optional<std::uint16_t> orientation)
{
    return orientation && *orientation >= 5 && *orientation <= 8;
}

ImageSize readFrameSize(ByteSource &source, std::uint64_t frameStart, std::optional<std::uint16_t> orientation)
{
    ImageSize size{bytereaders::u16be(source, frameStart + kFrameWidthOffset).value_or(0),
                   bytereaders::u16be(source, frameStart + kFrameHeightOffset).value_or(0)};
    if (swapsAxes(orientation))
        std::swap(size.width, size.height);
    return size;
}

} // namespace

ImageSize readJpegSize(ByteSource &source)
{
    std::uint64_t offset = kFirstSegmentOffset;
    // Only the first Exif block describes the image; later ones are not looked into.
    bool exifSeen = false;
    std::optional<std::uint16_t> orientation;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        const auto marker = findMarker(source, offset);
        // Entropy-coded data follows the scan header and is never scanned for markers.
        if (!marker || marker->code == kSos || marker->code == kEoi)
            return {};
        if (isStandalone(marker->code)) {
            offset = marker->end;
            continue;
        }
        const auto length = bytereaders::u16be(source, marker->end);
        if (!length || *length < kMinSegmentLength)
            return {};
        if (isStartOfFrame(marker->code))
            return *length < kMinFrameLength ? ImageSize{} : readFrameSize(source, marker->end, orientation);
        const std::uint64_t data = marker->end + kMinSegmentLength;
        const std::uint64_t dataLength = *length - kMinSegmentLength;
        if (marker->code == kApp1 && !exifSeen && isExifBlock(source, data, dataLength)) {
            exifSeen = true;
            orientation = readExifOrientation(source, data, dataLength);
        }
        // Skipping by length also skips whatever the segment embeds, such as a thumbnail with
        // a frame header of its own.
        offset = marker->end + *length;
    }
    return {};
}
