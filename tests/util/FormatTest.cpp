#include "util/Format.h"
#include "util/Memory.h"
#include "util/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Format(const char* format, const char* a1 = nullptr, const char* a2 = nullptr,
                   const char* a3 = nullptr, const char* a4 = nullptr)
{
    char* text = FormatText(format, a1, a2, a3, a4);
    std::string result = text;
    MemFree(text);
    return result;
}

} // namespace

TEST(FormatText, ReplacesPlaceholders)
{
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"Unable to copy %1. Ensure that all instances of %2 are closed. If %2 isn't running, "
         "we recommend a reboot before installing",
         "Unable to copy A.exe. Ensure that all instances of Tool are closed. If Tool isn't running, "
         "we recommend a reboot before installing"},
        {"%3-%2-%1", "C-Tool-A.exe"},
        {"%4%4", "DD"},
        {"100%%", "100%"},
        {"%a", "a"},
        {"no placeholders", "no placeholders"},
        {"", ""},
        // Cases no text of the program has: an empty argument or the literal character.
        {"x%5y%0z", "xyz"},
        {"end%", "end"},
        {"%%1", "%1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(c.expected, Format(c.format, "A.exe", "Tool", "C", "D"));
    }
}

TEST(FormatText, NullArgumentsAreEmpty)
{
    EXPECT_EQ("[] []", Format("[%1] [%2]"));
    EXPECT_EQ("", Format(nullptr));
}

TEST(FormatTextInto, StopsAtTheCapacity)
{
    char buffer[8 + 4];
    MemFill(buffer, 'S', sizeof buffer);
    // "Hi AuctionTorvin" is 16 bytes with its terminator: too long for 8.
    EXPECT_FALSE(FormatTextInto(buffer, 8, "Hi %1", "AuctionTorvin"));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(0, MemCompare(buffer + 8, "SSSS", 4)) << "wrote past the capacity";

    // Exactly the capacity: seven characters and the terminator.
    EXPECT_TRUE(FormatTextInto(buffer, 8, "%1%2", "abc", "defg"));
    EXPECT_STREQ("abcdefg", buffer);
    EXPECT_EQ(0, MemCompare(buffer + 8, "SSSS", 4));
}

TEST(FormatText, RefusesAResultTooLongToCount)
{
    // 65,536 placeholders of a 65,536-character argument: 4 GiB, which a
    // 32-bit count would wrap to 0 and then write far past its block.
    std::string format;
    for (int i = 0; i < 65536; ++i)
        format += "%1";
    std::string argument(65536, 'x');
    char* text = FormatText(format.c_str(), argument.c_str());
    EXPECT_STREQ("", text);
    MemFree(text);
}

TEST(FormatTextInto, LeavesABufferWithoutRoomUntouched)
{
    char buffer[2] = {'s', 's'};
    EXPECT_FALSE(FormatTextInto(buffer, 0, "x"));
    EXPECT_EQ('s', buffer[0]);
}
