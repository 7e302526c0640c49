#pragma once

#include "ByteSource.h"

// Bytes already in memory, for the fuzzer and for tests that need no file. The caller keeps
// the bytes alive for as long as the source is used.
class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> bytes_;
};
