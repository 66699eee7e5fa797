#include "util/CommandLine.h"
#include "util/Memory.h"
#include "util/Path.h"

#include <gtest/gtest.h>

#include <string>

TEST(SkipProgramName, FindsWhereTheArgumentsBegin)
{
    struct Case {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {"C:\\windows\\AuctionTorvinUninstall.exe C:\\Program Files\\AuctionTorvin", "C:\\Program Files\\AuctionTorvin"},
        {"\"C:\\My Windows\\Uninstall.exe\" D:\\x", "D:\\x"},
        {"\"C:\\My Windows\\Uninstall.exe\"D:\\x", "D:\\x"},
        {"prog.exe \t  /load:a b", "/load:a b"},
        {"prog.exe", ""},
        {"prog.exe   ", ""},
        {"\"unclosed quote", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_STREQ(c.arguments, SkipProgramName(c.commandLine));
    }
}

TEST(TakeWholeArgument, TakesTheWholeTextWithOrWithoutQuotes)
{
    struct Case {
        const char* text;
        bool taken;
        const char* argument;
    } cases[] = {
        {"C:\\Program Files\\VididiDuvo\\AuctionTorvin", true, "C:\\Program Files\\VididiDuvo\\AuctionTorvin"},
        {"\"C:\\Program Files\\VididiDuvo\\AuctionTorvin\"", true, "C:\\Program Files\\VididiDuvo\\AuctionTorvin"},
        {"\"C:\\Program Files\\VididiDuvo\\AuctionTorvin\\\"", true, "C:\\Program Files\\VididiDuvo\\AuctionTorvin\\"},
        {"D:\\x ", true, "D:\\x "},
        {"", false, ""},
        {"\"\"", false, ""},
        {"\"C:\\a\" C:\\b", false, ""},
        {"\"C:\\a", false, ""},
        {"C:\\a\"b", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char buffer[kPathCapacity];
        MemFill(buffer, 'S', sizeof buffer);
        EXPECT_EQ(c.taken, TakeWholeArgument(c.text, buffer, sizeof buffer));
        EXPECT_STREQ(c.argument, buffer);
    }
}

TEST(TakeWholeArgument, RefusesWhatDoesNotFit)
{
    // Eight bytes hold seven characters; the sentinel after them stays.
    char buffer[9];
    MemFill(buffer, 'S', sizeof buffer);
    EXPECT_TRUE(TakeWholeArgument("1234567", buffer, 8));
    EXPECT_STREQ("1234567", buffer);
    EXPECT_EQ('S', buffer[8]);
    EXPECT_FALSE(TakeWholeArgument("12345678", buffer, 8));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ('S', buffer[8]);
    EXPECT_TRUE(TakeWholeArgument("\"1234567\"", buffer, 8)) << "the quotation marks take no room";
    EXPECT_FALSE(TakeWholeArgument("x", buffer, 0));
    EXPECT_EQ('S', buffer[8]);
}

TEST(AfterSwitch, FindsTheTextOfALeadingSwitch)
{
    struct Case {
        const char* arguments;
        const char* after;  // null: no such switch
    } cases[] = {
        {"/load:C:\\a b.AuctionTorvinSearch", "C:\\a b.AuctionTorvinSearch"},
        {"/LOAD:x", "x"},
        {"/load:", ""},
        {"/load", nullptr},
        {"/loader:x", nullptr},
        {"load:x", nullptr},
        {"x /load:y", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const char* after = AfterSwitch(c.arguments, "load");
        if (c.after)
            EXPECT_STREQ(c.after, after);
        else
            EXPECT_EQ(nullptr, after);
    }
}
