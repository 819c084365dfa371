#include "toolkit/tabs/XTPTabStripGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Text(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

std::string Text(const std::vector<int>& values)
{
    std::string text;
    for (int n : values)
        text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

TEST(TabStripGeometry, SidesTurnWithTheRow)
{
    const CRect sides(1, 2, 3, 4); // l, t, r, b for a row at the top
    struct Row
    {
        const char* name;
        int nPosition;
        const char* turned;
    } rows[] = {
        {"top keeps them", xtpTabPositionTop, "1,2,3,4"},
        {"left: the tab side is the left", xtpTabPositionLeft, "2,1,4,3"},
        {"bottom: the tab side is the bottom", xtpTabPositionBottom, "1,4,3,2"},
        {"right: the tab side is the right", xtpTabPositionRight, "4,1,2,3"},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(row.turned, Text(XTPTabTurnSides(sides, row.nPosition))) << row.name;
        CRect rc(100, 100, 200, 200);
        XTPTabDeflateSides(rc, sides, row.nPosition);
        const CRect t = XTPTabTurnSides(sides, row.nPosition);
        EXPECT_EQ(Text(CRect(100 + t.left, 100 + t.top, 200 - t.right, 200 - t.bottom)), Text(rc)) << row.name;
    }
}

TEST(TabStripGeometry, TheBandStandsAtTheTabSide)
{
    const CRect rc(10, 20, 110, 220);
    EXPECT_EQ("10,20,110,45", Text(XTPTabBandAtTabSide(rc, 25, xtpTabPositionTop)));
    EXPECT_EQ("10,20,35,220", Text(XTPTabBandAtTabSide(rc, 25, xtpTabPositionLeft)));
    EXPECT_EQ("10,195,110,220", Text(XTPTabBandAtTabSide(rc, 25, xtpTabPositionBottom)));
    EXPECT_EQ("85,20,110,220", Text(XTPTabBandAtTabSide(rc, 25, xtpTabPositionRight)));
}

TEST(TabStripGeometry, CalcTabLengthAddsTheInsetAndKeepsTheBounds)
{
    struct Row
    {
        const char* name;
        int nContent, nMinimum, nMaximum, nInsetLeft, nInsetRight, nLength;
    } rows[] = {
        {"content and inset", 50, 0, 0, 3, 4, 57},
        {"raised to the minimum", 50, 80, 0, 0, 0, 80},
        {"cut to the maximum", 300, 0, 220, 0, 0, 220},
        {"a maximum of 1 counts", 30, 0, 1, 0, 0, 1},
        {"a maximum of 0 is none", 300, 0, 0, 0, 0, 300},
        {"the maximum wins over the minimum", 10, 100, 50, 0, 0, 50},
        {"inset counts against the maximum", 200, 0, 205, 5, 5, 205},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.nLength,
                  XTPTabCalcTabLength(row.nContent, row.nMinimum, row.nMaximum, row.nInsetLeft, row.nInsetRight))
            << row.name;
}

TEST(TabStripGeometry, ShrinkToFitShortensTheLongestTabsFirst)
{
    struct Row
    {
        const char* name;
        std::vector<int> lengths;
        int nAvailable;
        const char* result;
    } rows[] = {
        {"the two longest share the rest", {100, 80, 50}, 200, "75 75 50"},
        {"fits already", {100, 80, 50}, 230, "100 80 50"},
        {"one tab takes the room", {120}, 70, "70"},
        {"the longest alone comes down", {100, 50, 50}, 180, "80 50 50"},
        {"all equal share the room", {60, 60, 60}, 100, "33 33 33"},
        {"down to equal, then shared", {90, 60, 30}, 60, "20 20 20"},
        {"the remainder is not spread", {100, 100, 10}, 191, "91 91 10"},
        {"order of the input is kept", {50, 100, 80}, 200, "50 75 75"},
        {"no tabs", {}, -5, ""},
        {"no room at all", {40, 20}, 0, "0 0"},
    };
    for (Row& row : rows)
    {
        XTPTabShrinkToFit(row.lengths, row.nAvailable);
        EXPECT_EQ(row.result, Text(row.lengths)) << row.name;
    }
}

TEST(TabStripGeometry, ScrollOffsetsCloseTheGapAtTheEnd)
{
    struct Row
    {
        const char* name;
        int nOffset, nTotal, nRowLength, nResult;
    } rows[] = {
        {"not scrolled stays", 0, 100, 300, 0},
        {"scrolled and still overflowing stays", -50, 500, 300, -50},
        {"scrolled too far: the end meets the row's end", -300, 500, 300, -200},
        {"everything fits again: back to 0", -40, 200, 300, 0},
        {"exactly the row: stays", -200, 500, 300, -200},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.nResult, XTPTabFitScrollOffset(row.nOffset, row.nTotal, row.nRowLength)) << row.name;
}

TEST(TabStripGeometry, EnsureVisibleMovesATabIntoTheHeader)
{
    struct Row
    {
        const char* name;
        int nOffset, nBegin, nEnd, nResult;
    } rows[] = {
        {"inside stays", -20, 50, 90, -20},
        {"past the end comes back to end there", 0, 250, 320, -20},
        {"before the start moves to it plus the margin", -100, -30, 40, -100 + 30 + 10 + 2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.nResult, XTPTabEnsureVisibleOffset(row.nOffset, row.nBegin, row.nEnd, 10, 300, 2))
            << row.name;
}

TEST(TabStripGeometry, ButtonsTakeTheirPlaceAtTheFarEnd)
{
    CRect rcRow(8, 3, 299, 24); // centre y 13
    EXPECT_EQ("285,5,299,20", Text(XTPTabTakeButtonPlace(rcRow, TRUE)));
    EXPECT_EQ("8,3,285,24", Text(rcRow));
    EXPECT_EQ("271,5,285,20", Text(XTPTabTakeButtonPlace(rcRow, TRUE)));

    CRect rcColumn(3, 8, 24, 199); // centre x 13
    EXPECT_EQ("6,184,20,199", Text(XTPTabTakeButtonPlace(rcColumn, FALSE)));
    EXPECT_EQ("3,8,24,184", Text(rcColumn));
}

TEST(TabStripGeometry, ScrollButtonsShowOnlyForAnOverflowingOrScrolledRow)
{
    EXPECT_TRUE(XTPTabRowFits(200, 0, 2, 300));
    EXPECT_TRUE(XTPTabRowFits(303, 0, 2, 300)) << "the leading margin and one pixel are forgiven";
    EXPECT_FALSE(XTPTabRowFits(304, 0, 2, 300));
    EXPECT_FALSE(XTPTabRowFits(100, -20, 2, 300)) << "a scrolled row keeps its buttons";

    EXPECT_TRUE(XTPTabCanScrollForward(300, 0, 300));
    EXPECT_FALSE(XTPTabCanScrollForward(272, 0, 300)) << "28 pixels are kept for the buttons";
    EXPECT_TRUE(XTPTabCanScrollForward(273, 0, 300));
    EXPECT_FALSE(XTPTabCanScrollForward(500, -250, 300));
}

TEST(TabStripGeometry, MnemonicMarksAreTakenOut)
{
    struct Row
    {
        const char* text;
        const char* result;
    } rows[] = {
        {"&File", "File"},
        {"Save && Close", "Save & Close"},
        {"&&&Edit", "&Edit"},
        {"plain", "plain"},
        {"end&", "end"},
    };
    for (const Row& row : rows)
    {
        CString strText = row.text;
        XTPTabStripMnemonics(strText);
        EXPECT_STREQ(row.result, strText) << row.text;
    }
}

TEST(TabStripGeometry, MiddleEllipsisKeepsTheStartAndTheEnd)
{
    // Five pixels a character.
    const auto measure = [](const CString& strText) { return strText.GetLength() * 5; };
    struct Row
    {
        const char* name;
        const char* text;
        int nAvailable;
        const char* shown;
    } rows[] = {
        {"fits", "Report", 30, "Report"},
        {"room for dots only", "Report", 15, "..."},
        {"less than the dots", "Report", 4, "..."},
        {"start takes the odd character", "ABCDEFGHIJ", 40, "ABC...IJ"},
        {"even split", "ABCDEFGHIJ", 35, "AB...IJ"},
        {"one character", "ABCDEFGHIJ", 20, "A..."},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.shown, XTPTabMiddleEllipsis(row.text, row.nAvailable, measure)) << row.name;

    const auto zeroWidth = [](const CString&) { return 0; };
    EXPECT_STREQ("abc", XTPTabMiddleEllipsis("abc", 0, zeroWidth)) << "nothing to measure fits";
}

TEST(TabStripGeometry, StackedRowsPutTheRowsAfterTheSelectedOneAtTheBottom)
{
    const CRect rc(0, 1, 100, 201);
    struct Row
    {
        const char* name;
        int nCount, nSelected;
        std::vector<int> tops;
    } rows[] = {
        {"second of three selected: the third at the bottom", 3, 1, {1, 21, 181}},
        {"last selected: all at the top", 3, 2, {1, 21, 41}},
        {"none selected: all at the top", 3, -1, {1, 21, 41}},
        {"first selected: the rest at the bottom", 4, 0, {1, 141, 161, 181}},
    };
    for (const Row& row : rows)
    {
        const std::vector<CRect> stacked = XTPTabStackRows(rc, 20, row.nCount, row.nSelected);
        std::vector<int> tops;
        for (const CRect& rcRow : stacked)
        {
            tops.push_back(rcRow.top);
            EXPECT_EQ(20, rcRow.Height()) << row.name;
            EXPECT_EQ(100, rcRow.Width()) << row.name;
        }
        EXPECT_EQ(Text(row.tops), Text(tops)) << row.name;
    }
    // Too little room: the client keeps a row's height; no row starts below the bottom.
    const std::vector<CRect> crowded = XTPTabStackRows(CRect(0, 0, 100, 50), 20, 3, 0);
    EXPECT_EQ(40, crowded[1].top);
    EXPECT_EQ(60, crowded[2].top);
    const std::vector<CRect> flat = XTPTabStackRows(CRect(0, 0, 100, 30), 20, 2, 0);
    EXPECT_EQ(29, flat[1].top) << "rc.bottom - 1 is the lowest start";
}

TEST(TabStripGeometry, StackedClientLiesBetweenTheRows)
{
    const CRect rc(0, 0, 100, 200);
    EXPECT_EQ("1,41,99,180", Text(XTPTabStackedClientRect(rc, 20, 3, 1, TRUE)));
    EXPECT_EQ("0,41,100,180", Text(XTPTabStackedClientRect(rc, 20, 3, 1, FALSE)));
    EXPECT_EQ("1,61,99,199", Text(XTPTabStackedClientRect(rc, 20, 3, 2, TRUE))) << "last selected";
    EXPECT_EQ("1,61,99,199", Text(XTPTabStackedClientRect(rc, 20, 3, -1, TRUE))) << "none selected";
    EXPECT_EQ(20, XTPTabStackedClientRect(CRect(0, 0, 100, 30), 20, 3, 0, FALSE).Height())
        << "at least a row high";
}

} // namespace
