#include "ReadAheadByteSource.h"

#include "CountingByteSource.h"
#include "MemoryByteSource.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBlock = ReadAheadByteSource::kBlockSize;

struct Read {
    std::uint64_t offset;
    std::size_t size;
};

struct ReadAheadCase {
    std::string name;
    std::size_t dataSize;
    std::vector<Read> reads;
    std::uint64_t bytesFromInner; // what reaching through to the inner source cost in all
    std::string reason;
};

void PrintTo(const ReadAheadCase &row, std::ostream *out)
{
    *out << row.name << " (" << row.reason << ")";
}

std::vector<std::uint8_t> numberedBytes(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

std::vector<ReadAheadCase> cases()
{
    return {
        {"FieldsInsideOneBlock", 4000, {{0, 3}, {2, 16}, {4, 2}, {20, 16}, {100, 2}}, kBlock,
         "a header walk within the first block reads the file once"},
        {"ReadEndingOnTheBlockEdge", 4000, {{10, 2}, {10 + kBlock - 4, 4}}, kBlock, "the last bytes of a block are in it"},
        {"ReadCrossingTheBlockEdge", 4000, {{10, 2}, {10 + kBlock - 2, 4}}, 2 * kBlock,
         "a field cut by the block's end loads a block where the field starts"},
        {"BackwardJump", 4000, {{500, 2}, {10, 2}}, 2 * kBlock, "an offset before the block loads another"},
        {"PastTheEndOfAShortFile", 100, {{90, 16}, {100, 2}, {96, 8}, {150, 2}}, 10,
         "a short block ends where the data ends and answers reads that run past it"},
        {"LargerThanABlock", 4000, {{0, kBlock + 1}, {3, 2}}, kBlock + 1 + kBlock, "large reads go straight through"},
    };
}

class ReadAheadTest : public testing::TestWithParam<ReadAheadCase> {};

TEST_P(ReadAheadTest, GivesTheInnerBytesAndReadsAheadOnlyWhenNeeded)
{
    const ReadAheadCase &row = GetParam();
    const std::vector<std::uint8_t> data = numberedBytes(row.dataSize);
    MemoryByteSource direct(data);
    MemoryByteSource memory(data);
    CountingByteSource counted(memory);
    ReadAheadByteSource readAhead(counted);

    for (const Read &read : row.reads) {
        std::vector<std::uint8_t> expected(read.size);
        std::vector<std::uint8_t> actual(read.size);
        const auto expectedCount = direct.readAt(read.offset, expected);
        const auto actualCount = readAhead.readAt(read.offset, actual);
        ASSERT_EQ(actualCount, expectedCount) << "at " << read.offset << ": " << row.reason;
        expected.resize(*expectedCount);
        actual.resize(*actualCount);
        EXPECT_EQ(actual, expected) << "at " << read.offset << ": " << row.reason;
    }
    EXPECT_EQ(counted.bytesRead(), row.bytesFromInner) << row.reason;
}

INSTANTIATE_TEST_SUITE_P(Reads, ReadAheadTest, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<ReadAheadCase> &info) { return info.param.name; });

class FailingSource final : public ByteSource {
public:
    std::optional<std::size_t> readAt(std::uint64_t, std::span<std::uint8_t>) override { return std::nullopt; }
};

TEST(ReadAheadFailureTest, AFailedInnerReadIsPassedOnNotTakenForTheEnd)
{
    FailingSource failing;
    ReadAheadByteSource readAhead(failing);
    std::vector<std::uint8_t> buffer(2);
    EXPECT_EQ(readAhead.readAt(0, buffer), std::nullopt);
    EXPECT_EQ(readAhead.readAt(0, buffer), std::nullopt) << "a failed load must not leave a block behind";
}

} // namespace
