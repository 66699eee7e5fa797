#include "util/CodePage.h"
#include "util/Memory.h"
#include "util/TextString.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(ConvertFrom1252, AsciiIsUnchanged)
{
    const char* ascii = "Unable to copy %1. (x=1; y='2')";
    char* converted = ConvertFrom1252(ascii);
    EXPECT_STREQ(ascii, converted);
    MemFree(converted);
}

TEST(ConvertFrom1252, HighBytesFollowTheAnsiCodePage)
{
    // Every byte 0x80-0xFF, through Windows-1252 to the prefix's ANSI page.
    char all[129];
    for (int i = 0; i < 128; ++i)
        all[i] = static_cast<char>(0x80 + i);
    all[128] = 0;
    char* converted = ConvertFrom1252(all);
    if (GetACP() == 1252) {
        // Code points 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
        // to control characters and back, so the whole range survives.
        EXPECT_STREQ(all, converted);
    } else {
        EXPECT_NE(nullptr, converted);
    }
    MemFree(converted);

    char* euro = ConvertFrom1252("\x80 \xE9");
    EXPECT_STREQ(GetACP() == 1252 ? "\x80 \xE9" : euro, euro);
    MemFree(euro);
}

TEST(ConvertFrom1252, FallbackMasksHighBytes)
{
    char* masked = CopyWithHighBytesMasked("Caf\xE9 \x80\xFF ok\x7F");
    EXPECT_STREQ("Caf* ** ok\x7F", masked);
    MemFree(masked);
}

TEST(TextString, AssignConvertsAndReleaseEmpties)
{
    static TextString holder; // static like the catalogue's own holders
    EXPECT_STREQ("", holder.Get());
    holder.Assign("C\xF4te d'Ivoire");
    if (GetACP() == 1252)
        EXPECT_STREQ("C\xF4te d'Ivoire", holder.Get());
    holder.Assign("second");
    EXPECT_STREQ("second", static_cast<const char*>(holder));
    holder.Release();
    EXPECT_STREQ("", holder.Get());
    holder.Release();
}

TEST(TextString, ATableIsAssignedInOrderAndReleasedInReverse)
{
    static TextString first, second;
    // The same holder twice: the later assignment wins, and releasing in
    // reverse frees it once without harm.
    const TextAssignment texts[] = {{&first, "one"}, {&second, "two"}, {&first, "three"}};
    AssignTexts(texts, 3);
    EXPECT_STREQ("three", first.Get());
    EXPECT_STREQ("two", second.Get());
    ReleaseTexts(texts, 3);
    EXPECT_EQ(nullptr, first.text);
    EXPECT_EQ(nullptr, second.text);
}
