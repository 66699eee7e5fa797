// The country list of the registration page and the default it selects.
#include "pages/Countries.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

class CountriesTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillMessageCatalog();
        FillCountryTable();
        count = BuildCountryList(list);
    }
    void TearDown() override { ReleaseMessageCatalog(); }

    long IndexOf(const std::string& displayName)
    {
        for (unsigned long i = 0; i < count; ++i)
            if (displayName == list[i]->displayName)
                return static_cast<long>(i);
        return -1;
    }

    const CountryEntry* list[kCountryCount];
    unsigned long count = 0;
};

} // namespace

TEST_F(CountriesTest, OtherFirstThenTheLocaleOrder)
{
    ASSERT_EQ(237u, count);
    EXPECT_STREQ("Other", list[0]->displayName);
    EXPECT_STREQ("Afghanistan", list[1]->displayName);
    EXPECT_STREQ("Zimbabwe", list[236]->displayName);
    // The table holds Guinea-Bissau first.
    EXPECT_EQ(IndexOf("Guinea") + 1, IndexOf("Guinea-Bissau"));
    for (unsigned long i = 2; i < count; ++i) {
        SCOPED_TRACE(list[i]->displayName);
        EXPECT_LT(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, list[i - 1]->displayName, -1,
                                 list[i]->displayName, -1),
                  CSTR_EQUAL);
    }
}

TEST_F(CountriesTest, KeysAreTheNamesButForTheUnitedStates)
{
    int differing = 0;
    for (unsigned long i = 0; i < count; ++i) {
        if (std::string(list[i]->key) != list[i]->displayName) {
            ++differing;
            EXPECT_STREQ("United States of America", list[i]->displayName);
            EXPECT_STREQ("United States", list[i]->key);
        }
    }
    EXPECT_EQ(1, differing);
}

TEST_F(CountriesTest, DefaultCountry)
{
    struct Case { const char* country; const char* selected; } cases[] = {
        // "United Arab Emirates" shares "United " first; the whole match is longer.
        {"United States", "United States of America"},
        {"Germany", "Germany"},
        {"GERMANY", "Germany"},
        {"germany", "Germany"},
        {"", "Other"},
        // Its common beginning with both Korea entries has no word break.
        {"Korea", "Other"},
        {"Hong Kong S.A.R.", "Hong Kong"},
        {"Saint Kitts and Nevis", "Saint Lucia"},
        {"Guinea", "Guinea"},
        {"Guinea-Bissau", "Guinea-Bissau"},
        {"Atlantis", "Other"},
        {"Other", "Other"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        EXPECT_STREQ(c.selected, list[FindDefaultCountry(list, count, c.country)]->displayName);
    }
}
