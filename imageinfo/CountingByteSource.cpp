#include "CountingByteSource.h"

std::optional<std::size_t> CountingByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    const auto copied = inner_.readAt(offset, buffer);
    if (copied)
        bytesRead_ += *copied;
    return copied;
}
