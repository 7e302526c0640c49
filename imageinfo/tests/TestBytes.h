#pragma once

#include "TestImages.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string_view>

// Small edits on test image bytes, shared by the image inspection tests.
namespace testbytes {

using testimages::Bytes;

inline Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes &part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

inline Bytes text(std::string_view characters)
{
    return Bytes(characters.begin(), characters.end());
}

inline Bytes cut(Bytes bytes, std::size_t length)
{
    bytes.resize(std::min(bytes.size(), length));
    return bytes;
}

// Offset of the first occurrence of needle; the test image is built to hold it.
inline std::size_t offsetOf(const Bytes &bytes, const Bytes &needle)
{
    return static_cast<std::size_t>(std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()) - bytes.begin());
}

inline Bytes patched(Bytes bytes, std::size_t offset, std::initializer_list<std::uint8_t> replacement)
{
    std::copy(replacement.begin(), replacement.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

} // namespace testbytes
