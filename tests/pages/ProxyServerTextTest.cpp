// Internet Explorer's proxy server text: the entry for one protocol.
#include "pages/ProxyServerText.h"

#include <gtest/gtest.h>

#include <string>

TEST(ProxyServerText, FindsTheHttpEntry)
{
    struct Case { const char* text; const char* prefix; bool found; const char* host; const char* port; } cases[] = {
        {"proxy:8080", "http=", true, "proxy", "8080"},
        {"ftp=ftp.corp:21;http=http://Proxy.Corp:3128", "http=", true, "proxy.corp", "3128"},
        {"HTTP=Web:80;ftp=f:21", "http=", true, "web", "80"},
        {"ftp=ftp.corp:21", "http=", false, "", nullptr},
        {"proxy", "http=", true, "proxy", nullptr},
        {"http=:8080", "http=", false, "", nullptr},
        {"", "http=", false, "", nullptr},
        // One text for every protocol only when neither "=" nor ";" is in it.
        {"a;b:1", "http=", false, "", nullptr},
        {"proxy:8080", "ftp=", false, "", nullptr},
        // The last colon starts the port; the scheme's is gone by then.
        {"http=https://[::1]:443", "http=", true, "[::1]", "443"},
        {"http=host:", "http=", true, "host", ""},
        {"::", "http=", true, ":", ""},
        {"https=secure:1;http=plain:2", "http=", true, "plain", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        char* host = nullptr;
        const char* port = "unset";
        bool found = FindProxyEntry(&text[0], c.prefix, &host, &port);
        EXPECT_EQ(c.found, found);
        if (!c.found)
            continue;
        EXPECT_STREQ(c.host, host);
        if (c.port)
            EXPECT_STREQ(c.port, port);
        else
            EXPECT_EQ(nullptr, port);
    }
}

TEST(ProxyServerText, PortDigits)
{
    struct Case { const char* text; int value; } cases[] = {
        {"8080", 8080}, {"3128/", 3128}, {"", 0}, {"abc", 0}, {"80ab", 80}, {"-1", -1}, {"65535", 65535},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value, LeadingDecimalValue(c.text));
    }
}
