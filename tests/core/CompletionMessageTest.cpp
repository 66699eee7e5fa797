#include "core/CompletionMessage.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(MenuItemForMessage, DropsTheFirstAmpersandAndTheDots)
{
    struct Case {
        const char* menuText;
        const char* item;
    } cases[] = {
        {"For &Auctions...", "For Auctions"},
        {"&Auctions...", "Auctions"},
        {"A&B&C...", "AB&C"},          // only the first "&"
        {"No ampersand...", "No ampersand"},
        {"&...", ""},
        {"ab", ""},                    // shorter than the dots: empty, never an underflow
        {"&a", ""},
        {"&", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menuText);
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        ASSERT_TRUE(MenuItemForMessage(c.menuText, buffer, sizeof buffer));
        EXPECT_STREQ(c.item, buffer);
    }
}

TEST(MenuItemForMessage, RefusesATextThatDoesNotFit)
{
    char buffer[8];
    EXPECT_FALSE(MenuItemForMessage("For &Auctions...", buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
}
