#include "ReadAheadByteSource.h"

#include "CountingByteSource.h"
#include "MemoryByteSource.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Reads of every size up to a little more than a block, anywhere in and beyond a short source,
// must give exactly what the source gives, at no more cost than one block per read.
TEST(ReadAheadByteSource, GivesTheInnerBytesForAnyRead)
{
    std::vector<std::uint8_t> data(1000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    MemoryByteSource direct(data);
    MemoryByteSource memory(data);
    CountingByteSource counted(memory);
    ReadAheadByteSource readAhead(counted);
    std::mt19937 random(1);
    for (int read = 0; read < 2000; ++read) {
        const std::uint64_t offset = random() % 1100;
        std::vector<std::uint8_t> expected(random() % (ReadAheadByteSource::kBlockSize + 8));
        std::vector<std::uint8_t> actual(expected.size());
        ASSERT_EQ(readAhead.readAt(offset, actual), direct.readAt(offset, expected)) << offset << "+" << actual.size();
        ASSERT_EQ(actual, expected) << offset << "+" << actual.size();
    }
    EXPECT_LE(counted.bytesRead(), 2000 * (ReadAheadByteSource::kBlockSize + 8));
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
