#include "util/Memory.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Memory, AllocatedBlocksAreZeroed)
{
    unsigned char* block = static_cast<unsigned char*>(MemAlloc(64));
    ASSERT_NE(nullptr, block);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(0, block[i]);
    MemFree(block);
    MemFree(nullptr);
}

TEST(Memory, MoveHandlesOverlapBothWays)
{
    struct Case {
        int destination;
        int source;
        int count;
    } cases[] = {{0, 3, 7}, {3, 0, 7}, {2, 2, 5}, {1, 0, 0}, {0, 1, 9}, {1, 0, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.destination << " from " << c.source << " count " << c.count);
        char buffer[11] = "0123456789";
        char expected[11];
        std::memcpy(expected, buffer, sizeof buffer);
        std::memmove(expected + c.destination, expected + c.source, c.count);
        EXPECT_EQ(buffer + c.destination, MemMove(buffer + c.destination, buffer + c.source, c.count));
        EXPECT_EQ(0, std::memcmp(expected, buffer, sizeof buffer));
    }
}

TEST(Memory, CompareDoesNotStopAtTerminator)
{
    EXPECT_EQ(0, MemCompare("a\0b", "a\0b", 3));
    EXPECT_GT(MemCompare("a\0c", "a\0b", 3), 0);
    EXPECT_LT(MemCompare("a\0a", "a\0b", 3), 0);
    EXPECT_EQ(0x80 - 0x01, MemCompare("\x80", "\x01", 1)) << "bytes compare unsigned";
    EXPECT_EQ(0, MemCompare("x", "y", 0));
}

TEST(Memory, FillAndCopy)
{
    char buffer[6] = "abcde";
    EXPECT_EQ(buffer, MemFill(buffer + 0, 'z', 3));
    EXPECT_STREQ("zzzde", buffer);
    EXPECT_EQ(buffer + 1, MemCopy(buffer + 1, "XY", 2));
    EXPECT_STREQ("zXYde", buffer);
}
