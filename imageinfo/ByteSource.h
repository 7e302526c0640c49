#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Random access to the bytes of one image. The header readers see nothing else, so the same
// code reads a file on disk, a buffer under the fuzzer, or a source that counts what is read.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Copies up to buffer.size() bytes starting at offset and returns how many were copied;
    // fewer than asked only where the data ends, 0 at or past the end. Empty when the
    // underlying read fails, which is different from reaching the end.
    virtual std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) = 0;

protected:
    ByteSource() = default;
    ByteSource(const ByteSource &) = default;
    ByteSource &operator=(const ByteSource &) = default;
};
