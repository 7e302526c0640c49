#pragma once

#include "ByteSource.h"

// Passes reads through to another source and adds up the bytes it delivered, so a benchmark or
// a test can tell how much of a file the header readers really touched.
class CountingByteSource final : public ByteSource {
public:
    explicit CountingByteSource(ByteSource &inner) : inner_(inner) {}

    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    ByteSource &inner_;
    std::uint64_t bytesRead_ = 0;
};
