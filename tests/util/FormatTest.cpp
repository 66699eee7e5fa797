#include "util/Format.h"
#include "util/Memory.h"

#include <gtest/gtest.h>

TEST(FormatText, Smoke)
{
    char* text = FormatText("%1 Installation", "AuctionTorvin");
    EXPECT_STREQ("AuctionTorvin Installation", text);
    MemFree(text);
}
