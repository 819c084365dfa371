#include "app/NewsQuery.h"

#include "app/FrameOptions.h"

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
