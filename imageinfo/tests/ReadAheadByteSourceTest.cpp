#include "ReadAheadByteSource.h"

#include "CountingByteSource.h"
#include "MemoryByteSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kBlock = ReadAheadByteSource::kBlockSize;

// Reads of every size up to a little more than a block, anywhere in and beyond a short source,
// must give exactly the source's bytes.
TEST(ReadAheadByteSource, GivesTheInnerBytesForAnyRead)
{
    std::vector<std::uint8_t> data(1000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    MemoryByteSource memory(data);
    ReadAheadByteSource readAhead(memory);
    std::mt19937 random(1);
    for (int read = 0; read < 2000; ++read) {
        const std::size_t offset = random() % 1100;
        std::vector<std::uint8_t> actual(random() % (kBlock + 8));
        const std::size_t available = std::min(actual.size(), data.size() - std::min(offset, data.size()));
        ASSERT_EQ(readAhead.readAt(offset, actual), available) << offset << "+" << actual.size();
        EXPECT_TRUE(std::equal(actual.begin(), actual.begin() + available, data.begin() + offset)) << offset;
    }
}

// A field at the block's start or ending on its last byte is in it; one that crosses its end loads
// another. A block cut short by the end of the data also answers a read from that end.
TEST(ReadAheadByteSource, ReadsAheadOnlyForWhatTheBlockLacks)
{
    const std::vector<std::uint8_t> data(4000);
    MemoryByteSource memory(data);
    CountingByteSource counted(memory);
    ReadAheadByteSource readAhead(counted);
    std::array<std::uint8_t, 4> field{};
    const std::pair<std::uint64_t, std::size_t> readsAndTotals[] = {
        {10, kBlock}, {10, kBlock}, {10 + kBlock - 4, kBlock}, {10 + kBlock - 2, 2 * kBlock},
        {3900, 2 * kBlock + 100}, {4000, 2 * kBlock + 100}, {3900, 2 * kBlock + 100}};
    for (const auto &[offset, total] : readsAndTotals) {
        readAhead.readAt(offset, field);
        EXPECT_EQ(counted.bytesRead(), total) << offset;
    }
}

TEST(ReadAheadByteSource, AFailedInnerReadIsPassedOnNotTakenForTheEnd)
{
    class FailingSource final : public ByteSource {
    public:
        std::optional<std::size_t> readAt(std::uint64_t, std::span<std::uint8_t>) override { return std::nullopt; }
    } failing;
    ReadAheadByteSource readAhead(failing);
    std::vector<std::uint8_t> buffer(2);
    EXPECT_EQ(readAhead.readAt(0, buffer), std::nullopt);
    EXPECT_EQ(readAhead.readAt(0, buffer), std::nullopt) << "a failed load must not leave a block behind";
}

} // namespace
