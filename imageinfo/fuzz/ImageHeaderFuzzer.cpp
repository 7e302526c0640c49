// libFuzzer entry: every header reader over arbitrary bytes, through the same byte-source
// interface that reads files, counting what they read.
#include "CountingByteSource.h"
#include "ImageHeader.h"
#include "MemoryByteSource.h"
#include "clsImageInfo.h"

#include <cstdlib>

namespace {

// The walk, the Exif directory and the fixed-offset readers are all bounded, so no input may
// make one dimension read touch more than this, however large it is.
constexpr std::uint64_t kMaxBytesPerRead = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryByteSource memory({data, size});
    imageheader::detectType(memory);
    for (const std::int32_t type : {clsImageInfo::kBmp, clsImageInfo::kGif, clsImageInfo::kJpeg}) {
        CountingByteSource counted(memory);
        imageheader::readSize(counted, type);
        if (counted.bytesRead() > kMaxBytesPerRead)
            std::abort();
    }
    return 0;
}
