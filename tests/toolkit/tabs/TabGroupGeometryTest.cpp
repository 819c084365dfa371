#include "TabTestPrinters.h"
#include "toolkit/tabs/XTPTabGroupGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TabGroupGeometry, GroupsShareTheAreaByWeight)
{
    struct Row
    {
        const char* name;
        std::vector<double> weights;
        BOOL bStacked;
        std::vector<CRect> groups, splitters;
    } rows[] = {
        {"two equal groups side by side in 400",
         {100, 100},
         FALSE,
         {CRect(0, 0, 195, 300), CRect(200, 0, 400, 300)},
         {CRect(195, 0, 200, 300), CRect()}},
        {"stacked",
         {100, 100},
         TRUE,
         {CRect(0, 0, 400, 145), CRect(0, 150, 400, 300)},
         {CRect(0, 145, 400, 150), CRect()}},
        {"by weight, cut to whole pixels",
         {1, 2},
         FALSE,
         {CRect(0, 0, 128, 300), CRect(133, 0, 400, 300)},
         {CRect(128, 0, 133, 300), CRect()}},
        {"three groups",
         {50, 25, 25},
         FALSE,
         {CRect(0, 0, 195, 300), CRect(200, 0, 295, 300), CRect(300, 0, 400, 300)},
         {CRect(195, 0, 200, 300), CRect(295, 0, 300, 300), CRect()}},
        {"weights of nothing count as equal",
         {0, 0},
         FALSE,
         {CRect(0, 0, 195, 300), CRect(200, 0, 400, 300)},
         {CRect(195, 0, 200, 300), CRect()}},
        {"one group takes all", {100}, FALSE, {CRect(0, 0, 400, 300)}, {CRect()}},
    };
    for (const Row& row : rows)
    {
        const std::vector<XTPTabGroupPlace> places = XTPTabPlaceGroups(row.weights, CRect(0, 0, 400, 300), row.bStacked);
        ASSERT_EQ(row.groups.size(), places.size()) << row.name;
        for (size_t i = 0; i < places.size(); i++)
        {
            EXPECT_EQ(row.groups[i], places[i].rcGroup) << row.name << " group " << i;
            EXPECT_EQ(row.splitters[i], places[i].rcSplitter) << row.name << " splitter " << i;
        }
    }
    EXPECT_EQ(CRect(10, 20, 205, 320), XTPTabPlaceGroups({1, 1}, CRect(10, 20, 410, 320), FALSE)[0].rcGroup)
        << "the area's origin counts";
}

TEST(TabGroupGeometry, ASplitterDragSharesTheTwoWeightsAnew)
{
    struct Row
    {
        const char* name;
        double dFirst, dSecond;
        int nSplitter, nBegin, nLength;
        double dNewFirst, dNewSecond;
    } rows[] = {
        {"the splitter's middle at a quarter", 100, 100, 98, 0, 400, 50, 150},
        {"bounds elsewhere", 30, 10, 118, 20, 100, 40, 0},
        {"no room: unchanged", 60, 40, 5, 0, 0, 60, 40},
    };
    for (const Row& row : rows)
    {
        double dFirst = row.dFirst, dSecond = row.dSecond;
        XTPTabShareWeights(dFirst, dSecond, row.nSplitter, row.nBegin, row.nLength);
        EXPECT_DOUBLE_EQ(row.dNewFirst, dFirst) << row.name;
        EXPECT_DOUBLE_EQ(row.dNewSecond, dSecond) << row.name;
    }
}

// Two groups side by side in (0, 0, 400, 300): rows 25 high at the top.
std::vector<XTPTabDropGroup> SideBySide(BOOL bFirstCanLeave)
{
    return {{CRect(0, 0, 195, 25), CRect(0, 0, 195, 300), CRect(2, 26, 193, 298), bFirstCanLeave},
            {CRect(200, 0, 400, 25), CRect(200, 0, 400, 300), CRect(202, 26, 398, 298), TRUE}};
}

TEST(TabGroupGeometry, ADroppedTabFindsItsTarget)
{
    const CRect rcArea(0, 0, 400, 300);
    struct Row
    {
        const char* name;
        std::vector<XTPTabDropGroup> groups;
        BOOL bStacked;
        CPoint pt;
        int nMode, nGroup;
        CRect rcTarget;
    } rows[] = {
        {"outside the client", SideBySide(TRUE), FALSE, CPoint(450, 10), xtpTabDropNone, -1, CRect()},
        {"on a group's row", SideBySide(TRUE), FALSE, CPoint(300, 10), xtpTabDropIntoGroup, 1,
         CRect(202, 26, 398, 298)},
        {"near the right edge: a new group right", SideBySide(TRUE), FALSE, CPoint(380, 150), xtpTabDropNewRight, 1,
         CRect(300, 0, 400, 300)},
        {"the edge reaches 29 pixels", SideBySide(TRUE), FALSE, CPoint(166, 150), xtpTabDropNewRight, 0,
         CRect(97, 0, 195, 300)},
        {"30 pixels is too far", SideBySide(TRUE), FALSE, CPoint(165, 150), xtpTabDropMenu, -1, CRect()},
        {"a group that must keep the tab offers nothing", SideBySide(FALSE), FALSE, CPoint(180, 150), xtpTabDropMenu,
         -1, CRect()},
        {"side by side: no new group below", SideBySide(TRUE), FALSE, CPoint(100, 290), xtpTabDropMenu, -1, CRect()},
        {"one group: below", {SideBySide(TRUE)[1]}, FALSE, CPoint(250, 290), xtpTabDropNewBelow, 0,
         CRect(200, 150, 400, 300)},
        {"stacked: below, never right",
         {{CRect(0, 0, 400, 25), CRect(0, 0, 400, 145), CRect(2, 26, 398, 143), TRUE},
          {CRect(0, 150, 400, 175), CRect(0, 150, 400, 300), CRect(2, 176, 398, 298), TRUE}},
         TRUE,
         CPoint(390, 290),
         xtpTabDropNewBelow,
         1,
         CRect(0, 225, 400, 300)},
    };
    for (const Row& row : rows)
    {
        const XTPTabDrop drop = XTPTabFindDrop(row.groups, row.pt, rcArea, row.bStacked);
        EXPECT_EQ(row.nMode, drop.nMode) << row.name;
        EXPECT_EQ(row.nGroup, drop.nGroup) << row.name;
        EXPECT_EQ(row.rcTarget, drop.rcTarget) << row.name;
    }
}

} // namespace
