#include "core/MessageCatalog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The catalogue filled for the duration of one test, as the entry point does.
class MessageCatalogTest : public testing::Test {
protected:
    void SetUp() override { FillMessageCatalog(); }
    void TearDown() override { ReleaseMessageCatalog(); }
};

const TextString* const kSomeHolders[] = {
    &textLicenseAgreement, &textEarlierVersionNotice, &textRegistrationPrompt, &textMailingList1Label,
    &textMailingList2Label, &textMailingList3Label, &textProxyIncomplete, &textProductName,
    &textInstallationComplete, &textUnableToCopyProgram, &textProgressTitle, &textCancelQuestion,
    &textCountryNames[0], &textCountryNames[kCountryCount - 1],
};

} // namespace

TEST_F(MessageCatalogTest, HoldsTheTextsVerbatim)
{
    struct Case {
        const TextString& holder;
        const char* expected;
    } cases[] = {
        {textInstallationComplete, "Installation complete. To start %1, go to the\r\nStart | %2 menu and select %3."},
        {textPathNotAccessible, "The given installation path cannot be accessed.  Please ensure that the path is "
                                "valid and that you have write permission to the specified directory."},
        {textProxyIncomplete, "The %1 proxy settings are incomplete. If you choose any selection other than \"None\" "
                              "then you must provide both a host and a port."},
        {textEarlierVersionNotice, "Note: You must remove all previous versions of the Torvins from your system "
                                   "before continuing with this installation.\r\n\r\n"},
        {textBackButton, "< &Back"},
        {textNextButton, "&Next >"},
        {textSearchMenuItem, "For &Auctions..."},
        {textUncompressingStatus, "Uncompressing %1..."},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, c.holder.Get());
}

TEST_F(MessageCatalogTest, LicenseIsOneLongTextOfFortyLines)
{
    std::string license = textLicenseAgreement.Get();
    EXPECT_EQ(6799u, license.size());
    size_t breaks = 0;
    for (size_t at = license.find("\r\n"); at != std::string::npos; at = license.find("\r\n", at + 2))
        ++breaks;
    EXPECT_EQ(39u, breaks);
    size_t bareLineFeeds = 0;
    for (size_t i = 0; i < license.size(); ++i)
        if (license[i] == '\n' && (i == 0 || license[i - 1] != '\r'))
            ++bareLineFeeds;
    EXPECT_EQ(0u, bareLineFeeds) << "lines are separated by CR LF only";
}

TEST_F(MessageCatalogTest, MailingListLabelsHaveHotKeyAndDescription)
{
    for (const TextString* label : {&textMailingList1Label, &textMailingList2Label, &textMailingList3Label}) {
        SCOPED_TRACE(label->Get());
        std::string text = label->Get();
        size_t separator = text.find(" : ");
        ASSERT_NE(std::string::npos, separator);
        EXPECT_NE(std::string::npos, text.substr(0, separator).find('&'));
        EXPECT_GT(text.size(), separator + 3 + 10);
    }
}

TEST_F(MessageCatalogTest, CountryListStartsWithOther)
{
    EXPECT_STREQ("Other", textCountryNames[0].Get());
    EXPECT_STREQ("Afghanistan", textCountryNames[1].Get());
    EXPECT_STREQ("Zimbabwe", textCountryNames[kCountryCount - 1].Get());
    // The table holds Guinea-Bissau before Guinea; the page sorts them later.
    int bissau = -1, guinea = -1, usa = -1;
    for (unsigned long i = 0; i < kCountryCount; ++i) {
        EXPECT_STRNE("", textCountryNames[i].Get()) << i;
        if (!std::strcmp(textCountryNames[i].Get(), "Guinea-Bissau"))
            bissau = i;
        if (!std::strcmp(textCountryNames[i].Get(), "Guinea"))
            guinea = i;
        if (!std::strcmp(textCountryNames[i].Get(), "United States of America"))
            usa = i;
    }
    EXPECT_LT(bissau, guinea);
    EXPECT_GE(bissau, 0);
    EXPECT_GT(usa, 0);
}

TEST(MessageCatalog, ReleaseEmptiesEveryHolder)
{
    FillMessageCatalog();
    for (const TextString* holder : kSomeHolders)
        EXPECT_STRNE("", holder->Get());
    ReleaseMessageCatalog();
    for (const TextString* holder : kSomeHolders)
        EXPECT_STREQ("", holder->Get());
}
