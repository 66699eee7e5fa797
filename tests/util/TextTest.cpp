#include "util/Memory.h"
#include "util/Text.h"

#include <gtest/gtest.h>

TEST(Text, CharacterClasses)
{
    for (char c : {'0', '5', '9'})
        EXPECT_TRUE(IsDigitChar(c)) << c;
    for (char c : {'/', ':', 'a', 'Z', ' '})
        EXPECT_FALSE(IsDigitChar(c)) << c;
    for (char c : {'0', '9', 'a', 'f', 'A', 'F'})
        EXPECT_TRUE(IsHexDigitChar(c)) << c;
    for (char c : {'g', 'G', '/', '@', '`'})
        EXPECT_FALSE(IsHexDigitChar(c)) << c;
    for (char c : {' ', '\t', '\r', '\n'})
        EXPECT_TRUE(IsSpaceChar(c)) << int(c);
    for (char c : {'\v', '\f', 'x', '\0'})
        EXPECT_FALSE(IsSpaceChar(c)) << int(c);
}

TEST(Text, CompareNoCase)
{
    EXPECT_EQ(0, StrCompareNoCase("Germany", "GERMANY"));
    EXPECT_LT(StrCompareNoCase("austria", "Belgium"), 0);
    EXPECT_GT(StrCompareNoCase("Zambia", "yemen"), 0);
    EXPECT_EQ(0, StrCompareNoCaseN("http=proxy", "HTTP=", 5));
    EXPECT_NE(0, StrCompareNoCaseN("ftp=proxy", "HTTP=", 5));
    // Past a terminator on both sides is still compared.
    EXPECT_EQ(0, StrCompareNoCaseN("a\0b", "A\0B", 3));
}

TEST(Text, DupCopiesWithTerminator)
{
    char* copy = StrDup("AuctionTorvin");
    EXPECT_STREQ("AuctionTorvin", copy);
    MemFree(copy);
}

TEST(Text, BoundedCopyAndAppendRefuseWhatDoesNotFit)
{
    char buffer[6 + 2];
    MemFill(buffer, 'S', sizeof buffer);
    EXPECT_TRUE(StrCopyBounded(buffer, 6, "abcde"));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_FALSE(StrAppendBounded(buffer, 6, "f"));
    EXPECT_STREQ("abcde", buffer) << "a refused append leaves the text as it was";
    EXPECT_FALSE(StrCopyBounded(buffer, 6, "abcdef"));
    EXPECT_STREQ("", buffer) << "a refused copy leaves no cut text";
    EXPECT_TRUE(StrAppendBounded(buffer, 6, "ab"));
    EXPECT_TRUE(StrAppendBounded(buffer, 6, "cde"));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_EQ('S', buffer[6]);
    EXPECT_EQ('S', buffer[7]);
}
