// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "app/NewsQuery.h"

#include "app/FrameOptions.h"
#include "engine/HttpClient.h"

#include <gtest/gtest.h>

TEST(NewsQuery, EncodesAQueryValue)
{
    const struct
    {
        const char *name, *text, *encoded;
    } rows[] = {
        {"unreserved characters stay", "AZaz09-._~", "AZaz09-._~"},
        {"spaces become plus signs", "two  words", "two++words"},
        {"query delimiters are escaped", "a&b=c#d+e", "a%26b%3Dc%23d%2Be"},
        {"path and escape characters", "/?%", "%2F%3F%25"},
        {"line breaks are dropped", "one\r\nHost: x", "oneHost%3A+x"},
        {"other control characters are dropped", "\ttab\x7f\x01", "tab"},
        {"UTF-8 bytes in upper-case hex", "caf\xc3\xa9", "caf%C3%A9"},
        {"empty", "", ""},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(EncodeQueryValue(row.text), row.encoded) << row.name;
}

TEST(NewsQuery, TheSearchAddressCarriesTheKeywordInUtf8Encoded)
{
    EXPECT_STREQ(NewsSearchUrl("127.0.0.1:8080", "caf\xe9 & co"),
                 "http://127.0.0.1:8080/nwshp?ie=UTF-8&oe=UTF-8&hl=en&tab=wn&scoring=n&q=caf%C3%A9+%26+co");
}

TEST(NewsQuery, ConvertsBetweenTheAnsiCodePageAndUtf8)
{
    const struct
    {
        const char *ansi, *utf8;
    } rows[] = {{"plain", "plain"}, {"caf\xe9", "caf\xc3\xa9"}, {"\x80 5", "\xe2\x82\xac 5"}, {"", ""}};
    for (const auto& row : rows)
    {
        CString out;
        AnsiToUtf8(row.ansi, out);
        EXPECT_STREQ(out, row.utf8) << row.ansi;
        Utf8ToAnsi(row.utf8, out);
        EXPECT_STREQ(out, row.ansi) << row.ansi;
    }
}

// Minutes from 5 to 3600; below or above, the nearest end.
TEST(NewsQuery, TheCheckIntervalStaysWithinTheOptionsRange)
{
    std::vector<UINT> milliseconds;
    for (UINT minutes : {0u, 4u, 5u, 30u, 3600u, 3601u, 0x7FFFFFFFu, 0xFFFFFFFFu})
        milliseconds.push_back(FrameOptions::CheckIntervalMilliseconds(minutes));
    EXPECT_EQ(
        std::vector<UINT>({300000, 300000, 300000, 1800000, 216000000, 216000000, 216000000, 216000000}),
        milliseconds);
}

// The one rule of whether a keyword's search can be sent agrees with what
// the HTTP client really does: the longest keyword it accepts goes out whole
// to the server, and one character more makes the client fail before it
// connects. Letters take one byte of the request, accented letters six.
TEST(NewsQuery, AKeywordIsAcceptedExactlyWhenItsRequestGoesOut)
{
    const struct
    {
        const char *name, *character;
    } rows[] = {
        {"letters", "k"},
        {"spaces", " "},
        {"accented letters", "\xe9"},
    };
    NewsServer server;
    const CString host = server.HostText().c_str();
    EXPECT_TRUE(CanSendNewsQuery(host, CString('k', 900)));
    EXPECT_FALSE(CanSendNewsQuery(host, CString('k', 3000)));
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CString longest;
        while (longest.GetLength() < 3000 && CanSendNewsQuery(host, longest + row.character))
            longest += row.character;
        ASSERT_GT(longest.GetLength(), 100);
        ASSERT_LT(longest.GetLength(), 3000);

        HttpClient client;
        CString data, headers, body;
        const CString url = NewsSearchUrl(host, longest);
        const size_t before = server.Requests().size();
        ASSERT_EQ(1, client.Request(false, url, data, headers, body));
        ASSERT_EQ(before + 1, server.Requests().size());
        EXPECT_EQ(std::string(url).substr(7 + host.GetLength()), server.Requests().back().path);

        EXPECT_EQ(0,
                  client.Request(false, NewsSearchUrl(host, longest + row.character), data, headers, body));
        EXPECT_EQ(before + 1, server.Requests().size());
    }
}

// A search host that no request can go to (longer than the client takes, or
// with a port out of range) makes no keyword "too long": the keyword dialogs
// would otherwise refuse every keyword with a message about its length.
TEST(NewsQuery, AHostNoRequestCanGoToRefusesNoKeyword)
{
    const struct
    {
        const char* name;
        CString host;
    } rows[] = {
        {"host too long", CString('h', 300)},
        {"port out of range", "127.0.0.1:99999"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(CanSendNewsQuery(row.host, "alpha"));
        EXPECT_TRUE(CanSendNewsQuery(row.host, CString('k', 3000)));
    }
}
