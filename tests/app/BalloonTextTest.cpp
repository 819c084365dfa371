#include "app/BalloonText.h"

#include <gtest/gtest.h>

namespace {

// A text of n characters that shows where it was cut: "0123456789012...".
CString Digits(int n)
{
    CString text;
    for (int i = 0; i < n; i++)
        text += (char)('0' + i % 10);
    return text;
}

TEST(BalloonText, TitleIsCutAfterSixtyThreeCharacters)
{
    struct
    {
        const char* name;
        int length;
        CString expected;
    } rows[] = {
        {"empty", 0, ""},
        {"short", 5, "01234"},
        {"63 whole", 63, Digits(63)},
        {"64 cut to 60 and dots", 64, Digits(60) + "..."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, BalloonTitle(Digits(row.length))) << row.name;
}

TEST(BalloonText, TextIsKeywordColonSummaryCutToTheBalloon)
{
    const CString keyword10 = "ten chars!";
    ASSERT_EQ(10, keyword10.GetLength());
    struct
    {
        const char* name;
        CString keyword;
        int summaryLength;
        CString expected;
    } rows[] = {
        {"short summary", "tide", 4, "tide: 0123"},
        {"empty summary", "tide", 0, "tide: "},
        {"245 with 10 passed whole (257 in all)", keyword10, 245, keyword10 + ": " + Digits(245)},
        {"246 with 10 cut to 240 and dots (255 in all)", keyword10, 246,
         keyword10 + ": " + Digits(240) + "..."},
        {"keyword of 250 keeps no summary", CString('k', 250), 6, CString('k', 250) + ": ..."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, BalloonText(row.keyword, Digits(row.summaryLength))) << row.name;
}

} // namespace
