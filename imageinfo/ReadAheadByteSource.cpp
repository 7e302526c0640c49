#include "ReadAheadByteSource.h"

#include <algorithm>

std::optional<std::size_t> ReadAheadByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    if (buffer.size() > kBlockSize)
        return inner_.readAt(offset, buffer);
    if (!blockHolds(offset, buffer.size())) {
        const auto loaded = inner_.readAt(offset, block_);
        if (!loaded)
            return std::nullopt;
        blockStart_ = offset;
        blockLength_ = *loaded;
        loaded_ = true;
    }
    const std::uint64_t available = blockStart_ + blockLength_ - std::min(offset, blockStart_ + blockLength_);
    const auto copied = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), available));
    std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(offset - blockStart_), copied, buffer.begin());
    return copied;
}

// A block shorter than asked for ends where the data ends, so it also answers any read that
// starts inside it and runs past that end.
bool ReadAheadByteSource::blockHolds(std::uint64_t offset, std::size_t size) const
{
    if (!loaded_ || offset < blockStart_)
        return false;
    const std::uint64_t blockEnd = blockStart_ + blockLength_;
    return offset + size <= blockEnd || (blockLength_ < kBlockSize && offset <= blockEnd);
}
