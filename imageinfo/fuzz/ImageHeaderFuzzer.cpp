// libFuzzer entry: every header reader over arbitrary bytes, once straight from memory and once
// through the read-ahead block that reading a file goes through, which must agree; counting what
// the readers read.
#include "CountingByteSource.h"
#include "ImageHeader.h"
#include "MemoryByteSource.h"
#include "ReadAheadByteSource.h"
#include "clsImageInfo.h"

#include <cstdlib>

namespace {

// The walk, the Exif directory and the fixed-offset readers are all bounded, so no input may
// make one dimension read touch more than this, however large it is.
constexpr std::uint64_t kMaxBytesPerRead = 4096;

bool sameSize(ImageSize a, ImageSize b)
{
    return a.width == b.width && a.height == b.height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryByteSource memory({data, size});
    ReadAheadByteSource readAhead(memory);
    if (imageheader::detectType(memory) != imageheader::detectType(readAhead))
        std::abort();
    for (const std::int32_t type : {clsImageInfo::kBmp, clsImageInfo::kGif, clsImageInfo::kJpeg}) {
        CountingByteSource counted(memory);
        const ImageSize direct = imageheader::readSize(counted, type);
        // A fresh block for each reading, as each file opening has.
        ReadAheadByteSource buffered(memory);
        if (counted.bytesRead() > kMaxBytesPerRead || !sameSize(direct, imageheader::readSize(buffered, type)))
            std::abort();
    }
    return 0;
}
