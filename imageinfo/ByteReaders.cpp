#include "ByteReaders.h"

#include <array>

namespace bytereaders {

namespace {

template<std::size_t N>
std::optional<std::array<std::uint8_t, N>> bytesAt(ByteSource &source, std::uint64_t offset)
{
    std::array<std::uint8_t, N> bytes{};
    const auto copied = source.readAt(offset, bytes);
    if (!copied || *copied != N)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<std::uint16_t> u16le(ByteSource &source, std::uint64_t offset)
{
    const auto b = bytesAt<2>(source, offset);
    if (!b)
        return std::nullopt;
    return static_cast<std::uint16_t>((*b)[0] | (*b)[1] << 8);
}

std::optional<std::uint16_t> u16be(ByteSource &source, std::uint64_t offset)
{
    const auto b = bytesAt<2>(source, offset);
    if (!b)
        return std::nullopt;
    return static_cast<std::uint16_t>((*b)[0] << 8 | (*b)[1]);
}

std::optional<std::uint32_t> u32le(ByteSource &source, std::uint64_t offset)
{
    const auto b = bytesAt<4>(source, offset);
    if (!b)
        return std::nullopt;
    return static_cast<std::uint32_t>((*b)[0]) | static_cast<std::uint32_t>((*b)[1]) << 8
        | static_cast<std::uint32_t>((*b)[2]) << 16 | static_cast<std::uint32_t>((*b)[3]) << 24;
}

std::optional<std::uint32_t> u32be(ByteSource &source, std::uint64_t offset)
{
    const auto b = bytesAt<4>(source, offset);
    if (!b)
        return std::nullopt;
    return static_cast<std::uint32_t>((*b)[0]) << 24 | static_cast<std::uint32_t>((*b)[1]) << 16
        | static_cast<std::uint32_t>((*b)[2]) << 8 | static_cast<std::uint32_t>((*b)[3]);
}

std::optional<std::int32_t> s32le(ByteSource &source, std::uint64_t offset)
{
    const auto value = u32le(source, offset);
    if (!value)
        return std::nullopt;
    // Two's complement by definition since C++20, so the conversion keeps negative heights.
    return static_cast<std::int32_t>(*value);
}

std::optional<std::uint16_t> u16(ByteSource &source, std::uint64_t offset, ByteOrder order)
{
    return order == ByteOrder::LittleEndian ? u16le(source, offset) : u16be(source, offset);
}

std::optional<std::uint32_t> u32(ByteSource &source, std::uint64_t offset, ByteOrder order)
{
    return order == ByteOrder::LittleEndian ? u32le(source, offset) : u32be(source, offset);
}

} // namespace bytereaders
