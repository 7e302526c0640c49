#pragma once

#include "ByteSource.h"

#include <cstdint>
#include <optional>

// Whether the data of an APP1 segment (data bytes at dataStart, dataLength of them) is an
// Exif block: the identifier "Exif" and two zero bytes, then a TIFF header.
bool isExifBlock(ByteSource &source, std::uint64_t dataStart, std::uint64_t dataLength);

// The orientation tag of the main image's directory (IFD0) in an Exif block, not that of the
// thumbnail's (IFD1). Empty when the block records none or is malformed; every offset is
// checked against the block's bounds before it is followed.
std::optional<std::uint16_t> readExifOrientation(ByteSource &source, std::uint64_t dataStart, std::uint64_t dataLength);
