#include "util/SystemVersion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// The test program also runs as copies that Wine reports as other systems;
// EXPECTED_WINDOWS_VERSION names the one a copy should see.
TEST(SystemVersion, MatchesTheEmulatedSystem)
{
    const char* expected = std::getenv("EXPECTED_WINDOWS_VERSION");
    if (!expected || !*expected)
        expected = "win7";
    struct Case {
        const char* name;
        bool windows9x;
        bool version5OrLater;
    } cases[] = {
        {"win98", true, false}, {"nt40", false, false}, {"win2k", false, true}, {"win7", false, true},
    };
    bool found = false;
    for (const Case& c : cases) {
        if (std::strcmp(c.name, expected) != 0)
            continue;
        found = true;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.windows9x, IsWindows9x());
        EXPECT_EQ(c.version5OrLater, IsVersion5OrLater());
    }
    EXPECT_TRUE(found) << "unknown EXPECTED_WINDOWS_VERSION " << expected;
}
