#include "MemoryByteSource.h"

#include <algorithm>

std::optional<std::size_t> MemoryByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    if (offset >= bytes_.size())
        return 0;
    const auto available = bytes_.subspan(static_cast<std::size_t>(offset));
    const std::size_t count = std::min(available.size(), buffer.size());
    std::copy_n(available.begin(), count, buffer.begin());
    return count;
}
