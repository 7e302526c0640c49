#pragma once

#include "ByteSource.h"
#include "ImageSize.h"

#include <cstdint>
#include <optional>

// Reads what the first bytes and the header of an image say, using the type codes of
// clsImageInfo. Only small blocks at fixed or walked offsets are read, never a whole file.
namespace imageheader {

// The code of the format whose signature stands at offset 0 (BMP, GIF or JPEG), or
// clsImageInfo::kUndetermined when none does. Empty when the source cannot be read.
std::optional<std::int32_t> detectType(ByteSource &source);

// The dimensions that the header of an image of the given type records. Any other type code
// gives 0 by 0 without reading.
ImageSize readSize(ByteSource &source, std::int32_t type);

} // namespace imageheader
