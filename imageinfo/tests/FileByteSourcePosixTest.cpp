#include "FileByteSource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <sys/mman.h>

// A /proc file hands a read over a page at a time, as network and FUSE file systems may hand over
// less than asked: a read goes on until it has every byte asked for or the file ends. A read the
// system refuses (here into memory it may not write) fails: it is neither the end nor retried.
TEST(FileByteSource, ReadsOnAfterShortPiecesAndFailsWithTheSystem)
{
    auto file = FileByteSource::open("/proc/kallsyms");
    ASSERT_TRUE(file);
    std::vector<std::uint8_t> bytes(4 * 4096);
    ASSERT_EQ(file->readAt(100, bytes), bytes.size());
    std::string expected(bytes.size(), '\0');
    std::ifstream("/proc/kallsyms").seekg(100).read(expected.data(), std::ssize(expected));
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()) == expected);

    void *page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(page, MAP_FAILED);
    EXPECT_EQ(file->readAt(0, std::span(static_cast<std::uint8_t *>(page), 16)), std::nullopt);
    ::munmap(page, 4096);
}
