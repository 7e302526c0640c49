#pragma once

#include "ByteSource.h"

#include <array>

// Serves the header readers' many small reads (a marker here, a length there) from one block read
// ahead from another source, so that walking a header costs one file read per block instead of
// one per field. Reads larger than a block pass straight through.
class ReadAheadByteSource final : public ByteSource {
public:
    // Small enough that a header costs a few blocks per file (768 bytes for a typical image),
    // large enough to hold a typical run of JPEG segment headers at the start of a file.
    static constexpr std::size_t kBlockSize = 256;

    explicit ReadAheadByteSource(ByteSource &inner) : inner_(inner) {}

    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

private:
    bool blockHolds(std::uint64_t offset, std::size_t size) const;

    ByteSource &inner_;
    std::array<std::uint8_t, kBlockSize> block_{};
    std::uint64_t blockStart_ = 0;
    std::size_t blockLength_ = 0;
    bool loaded_ = false;
};
