// The tab-strip model: items, selection, colours, scrolling and the
// buttons' layout, hit testing and tool tips, on a strip without a window.
#include "TabTestHost.h"

#include "toolkit/tabs/themes/XTPTabStripShape.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A strip at the top of 300 x 100 with tabs of a fixed 70 pixels in rows 30
// high: appearance 0 puts tab i at x = 2 + 70 i, y = 3 .. 33.
class FixedTabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        strip.UseFixedTabs();
    }
    void AddTabs(int nCount)
    {
        for (int i = 0; i < nCount; i++)
            strip.InsertItem(-1)->SetText(CString((char)('A' + i)));
    }
    CXTPTabStripButton* Button(int nKind) { return strip.FindButton(nKind); }

    CTabTestStrip strip{CRect(0, 0, 300, 100)};
};

TEST_F(FixedTabs, InsertingNumbersTheTabsAndAnOutOfRangeIndexAppends)
{
    AddTabs(3);
    strip.InsertItem(1)->SetText("x");
    strip.InsertItem(99)->SetText("y");
    strip.InsertItem(-5)->SetText("z");
    EXPECT_STREQ("A x B C y z", strip.Order());
    for (int i = 0; i < strip.GetItemCount(); i++)
    {
        EXPECT_EQ(i, strip.GetItem(i)->GetIndex());
        EXPECT_EQ(&strip, strip.GetItem(i)->GetStrip());
    }
    EXPECT_EQ(NULL, strip.GetItem(6));
    EXPECT_EQ(NULL, strip.GetItem(-1));
}

TEST_F(FixedTabs, DeletingTheSelectedTabSelectsTheNearest)
{
    struct Row
    {
        const char* name;
        int nTabs, nSelected, nDeleted;
        const char* selectedAfter; // caption, or "" for none
    } rows[] = {
        {"the tab now at its place", 4, 1, 1, "C"},
        {"the new last when it was the last", 4, 3, 3, "C"},
        {"none when it was the only one", 1, 0, 0, ""},
        {"another tab keeps the selection", 4, 1, 3, "B"},
        {"the first of several", 3, 0, 0, "B"},
    };
    for (const Row& row : rows)
    {
        CTabTestStrip tabs;
        for (int i = 0; i < row.nTabs; i++)
            tabs.InsertItem(-1)->SetText(CString((char)('A' + i)));
        tabs.GetItem(row.nSelected)->Select();
        EXPECT_TRUE(tabs.DeleteItem(row.nDeleted)) << row.name;
        CXTPTabStripItem* pSelected = tabs.GetSelectedItem();
        EXPECT_STREQ(row.selectedAfter, pSelected != NULL ? pSelected->GetCaption() : CString()) << row.name;
        EXPECT_EQ(pSelected != NULL ? pSelected->GetIndex() : -1, tabs.GetSelectedIndex()) << row.name;
    }
}

TEST_F(FixedTabs, DeletingOutOfRangeFails)
{
    AddTabs(2);
    EXPECT_FALSE(strip.DeleteItem(2));
    EXPECT_FALSE(strip.DeleteItem(-1));
    EXPECT_EQ(2, strip.GetItemCount());
}

TEST_F(FixedTabs, ATakenTabLeavesTheStripAliveAndUnselected)
{
    AddTabs(3);
    CXTPTabStripItem* pB = strip.GetItem(1);
    pB->Select();
    pB->InternalAddRef();
    EXPECT_EQ(pB, strip.TakeItem(1));
    EXPECT_EQ(NULL, pB->GetStrip());
    EXPECT_EQ(-1, pB->GetIndex());
    EXPECT_FALSE(pB->IsSelected());
    EXPECT_STREQ("A C", strip.Order());
    EXPECT_STREQ("C", strip.GetSelectedItem()->GetCaption());
    EXPECT_EQ(1u, pB->InternalRelease()) << "the strip gave up its hold without releasing it";
    pB->InternalRelease();
}

TEST_F(FixedTabs, DeletingAllTabsClearsTheSelection)
{
    AddTabs(3);
    strip.GetItem(2)->Select();
    strip.DeleteAllItems();
    EXPECT_EQ(0, strip.GetItemCount());
    EXPECT_EQ(NULL, strip.GetSelectedItem());
    EXPECT_EQ(-1, strip.GetSelectedIndex());
}

TEST_F(FixedTabs, MovingATabRenumbersTheRow)
{
    AddTabs(4);
    CXTPTabStripItem* pA = strip.GetItem(0);
    strip.MoveItem(pA, 2);
    EXPECT_STREQ("B C A D", strip.Order());
    EXPECT_EQ(2, pA->GetIndex());
    strip.MoveItem(pA, 10);
    EXPECT_STREQ("B C D A", strip.Order()) << "clamped to the end";
    EXPECT_EQ(70 * 3 + 2, pA->GetRect().left) << "laid out at its new place";
}

TEST_F(FixedTabs, NewTabsCycleThroughTheEightDefaultColours)
{
    AddTabs(10);
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(xtpTabColorFirstDefault + i % 8, strip.GetItem(i)->GetOwnColor()) << i;
    // A deleted tab does not give its colour back: the counter counts insertions.
    strip.DeleteItem(9);
    EXPECT_EQ(xtpTabColorFirstDefault + 2, strip.InsertItem(-1)->GetOwnColor());
}

TEST_F(FixedTabs, DefaultColourValuesReadAsThePaintersColours)
{
    AddTabs(1);
    CXTPTabStripItem* pItem = strip.GetItem(0);
    const struct
    {
        COLORREF value, expected;
    } rows[] = {
        {0x1000000, RGB(138, 168, 228)}, {0x1000003, RGB(240, 158, 159)}, {0x1000007, RGB(216, 171, 192)},
        {0x1000008, 0x1000008},          {RGB(1, 2, 3), RGB(1, 2, 3)},
    };
    for (const auto& row : rows)
    {
        pItem->SetColor(row.value);
        EXPECT_EQ(row.expected, pItem->GetColor()) << std::hex << row.value;
    }
}

TEST_F(FixedTabs, SetColorRepaintsAndStoreColorDoesNot)
{
    AddTabs(1);
    const int nBefore = strip.m_nRedraws;
    strip.GetItem(0)->StoreColor(RGB(1, 2, 3));
    EXPECT_EQ(nBefore, strip.m_nRedraws);
    EXPECT_EQ(RGB(1, 2, 3), strip.GetItem(0)->GetOwnColor());
    strip.GetItem(0)->SetColor(RGB(4, 5, 6));
    EXPECT_EQ(nBefore + 1, strip.m_nRedraws);
}

TEST_F(FixedTabs, TextAndStateChangesLayTheStripOutOnlyOnAChange)
{
    AddTabs(1);
    CXTPTabStripItem* pItem = strip.GetItem(0);
    const int nBefore = strip.m_nLayouts;
    pItem->SetText("A");
    pItem->SetVisible(TRUE);
    pItem->SetEnabled(TRUE);
    EXPECT_EQ(nBefore, strip.m_nLayouts);
    pItem->SetText("B");
    pItem->SetVisible(FALSE);
    pItem->SetEnabled(FALSE);
    EXPECT_EQ(nBefore + 3, strip.m_nLayouts);
}

TEST_F(FixedTabs, ScrollOffsetsStayAtOrBelowZero)
{
    AddTabs(8);
    strip.SetScrollOffset(5);
    EXPECT_EQ(0, strip.GetScrollOffset());
    strip.SetScrollOffset(-60);
    EXPECT_EQ(-60, strip.GetScrollOffset());
    EXPECT_EQ(2 - 60, strip.GetItem(0)->GetRect().left);
    const int nLayouts = strip.m_nLayouts;
    strip.SetScrollOffset(-60);
    EXPECT_EQ(nLayouts, strip.m_nLayouts) << "no change, no layout";
}

TEST_F(FixedTabs, AnOverflowingRowShowsBothScrollButtonsAtItsEnd)
{
    AddTabs(8); // 560 pixels in a row of 300
    EXPECT_EQ(CRect(285, 8, 299, 23), Button(xtpTabButtonScrollForward)->GetRect());
    EXPECT_EQ(CRect(271, 8, 285, 23), Button(xtpTabButtonScrollBack)->GetRect());
    EXPECT_TRUE(Button(xtpTabButtonClose)->GetRect().IsRectEmpty());
    EXPECT_TRUE(Button(xtpTabButtonScrollForward)->IsEnabled());
    EXPECT_FALSE(Button(xtpTabButtonScrollBack)->IsEnabled()) << "not scrolled: nothing to scroll back";
    EXPECT_EQ(271, strip.GetHeaderRect().right) << "the tabs end where the buttons begin";
}

TEST_F(FixedTabs, ScrollButtonsFollowTheOffset)
{
    AddTabs(8);
    strip.SetScrollOffset(-100);
    EXPECT_TRUE(Button(xtpTabButtonScrollBack)->IsEnabled());
    EXPECT_TRUE(Button(xtpTabButtonScrollForward)->IsEnabled());
    strip.SetScrollOffset(-1000);
    // The row ends where the tabs end: 263 pixels of row for 560 of tabs.
    EXPECT_EQ(263 - 560, strip.GetScrollOffset());
    EXPECT_EQ(2 + 263, strip.GetItem(7)->GetRect().right);
    EXPECT_FALSE(Button(xtpTabButtonScrollForward)->IsEnabled());
}

TEST_F(FixedTabs, ARowThatFitsHidesItsScrollButtons)
{
    AddTabs(3);
    EXPECT_TRUE(Button(xtpTabButtonScrollBack)->GetRect().IsRectEmpty());
    EXPECT_TRUE(Button(xtpTabButtonScrollForward)->GetRect().IsRectEmpty());
    strip.m_painter.SetLayout(xtpTabLayoutCompressed);
    AddTabs(5);
    EXPECT_TRUE(Button(xtpTabButtonScrollForward)->GetRect().IsRectEmpty()) << "compressed tabs never scroll";
}

TEST_F(FixedTabs, AlwaysShownButtonsStayAndTakeTheirRoomFromTheTabs)
{
    Button(xtpTabButtonClose)->SetShowMode(xtpTabButtonAlways);
    Button(xtpTabButtonScrollForward)->SetShowMode(xtpTabButtonAlways);
    Button(xtpTabButtonScrollBack)->SetShowMode(xtpTabButtonAlways);
    strip.m_painter.SetLayout(xtpTabLayoutCompressed);
    strip.SetTabSizes(70, 18, 70, 30, 0, 0); // at least 70 before compressing
    AddTabs(8);
    EXPECT_EQ(CRect(285, 8, 299, 23), Button(xtpTabButtonClose)->GetRect());
    EXPECT_EQ(CRect(271, 8, 285, 23), Button(xtpTabButtonScrollForward)->GetRect());
    EXPECT_EQ(CRect(257, 8, 271, 23), Button(xtpTabButtonScrollBack)->GetRect());
    // 300 - margins 2 and 6 - three buttons of 14, shared by eight tabs.
    EXPECT_EQ(8 * ((300 - 8 - 42) / 8), strip.GetTotalTabLength());
}

TEST_F(FixedTabs, WithoutTabsNoButtonShowsWhereTheRowWas)
{
    AddTabs(8);
    strip.SetScrollOffset(-100);
    strip.DeleteAllItems();
    EXPECT_EQ(0, strip.GetScrollOffset());
    EXPECT_TRUE(Button(xtpTabButtonScrollBack)->GetRect().IsRectEmpty());
    EXPECT_TRUE(Button(xtpTabButtonScrollForward)->GetRect().IsRectEmpty());
}

TEST_F(FixedTabs, SelectingATabScrollsItIntoView)
{
    AddTabs(8);
    strip.GetItem(7)->Select();
    EXPECT_EQ(271, strip.GetItem(7)->GetRect().right);
    strip.GetItem(0)->Select();
    EXPECT_EQ(0, strip.GetScrollOffset());
    EXPECT_EQ(2, strip.GetItem(0)->GetRect().left);
}

TEST_F(FixedTabs, HitTestsSkipDisabledAndHiddenTabs)
{
    AddTabs(4);
    strip.GetItem(1)->SetEnabled(FALSE);
    strip.GetItem(2)->SetVisible(FALSE);
    struct Row
    {
        const char* name;
        CPoint point;
        const char* hit; // caption or ""
    } rows[] = {
        {"a tab", CPoint(20, 10), "A"},
        {"a disabled tab", CPoint(100, 10), ""},
        {"the hidden tab takes no room: the next one stands there", CPoint(150, 10), "D"},
        {"past the last tab", CPoint(230, 10), ""},
        {"below the header", CPoint(20, 60), ""},
        {"outside the strip", CPoint(20, 150), ""},
    };
    for (const Row& row : rows)
    {
        CXTPTabStripItem* pHit = strip.HitTest(row.point);
        EXPECT_STREQ(row.hit, pHit != NULL ? pHit->GetCaption() : CString()) << row.name;
    }
    EXPECT_EQ(0, strip.GetItem(2)->GetRect().Width());
}

TEST_F(FixedTabs, APressWithoutReorderingSelectsTheTab)
{
    AddTabs(3);
    strip.AllowReorder(FALSE);
    EXPECT_FALSE(strip.OnMouseDown(NULL, CPoint(150, 60), FALSE)) << "nothing there";
    EXPECT_FALSE(strip.OnMouseDown(NULL, CPoint(100, 10), TRUE)) << "buttons only";
    EXPECT_EQ(NULL, strip.GetSelectedItem());
    EXPECT_TRUE(strip.OnMouseDown(NULL, CPoint(100, 10), FALSE));
    EXPECT_STREQ("B", strip.GetSelectedItem()->GetCaption());
}

TEST_F(FixedTabs, ToolTipsNeedATipAndARecordLargeEnough)
{
    AddTabs(3);
    EXPECT_EQ(-1, strip.FillToolInfo(NULL, NULL, NULL));
    EXPECT_EQ(-1, strip.FillToolInfo(NULL, strip.GetItem(1), NULL)) << "an empty tip";

    strip.GetItem(1)->SetTip("Second tab");
    TOOLINFO info = {};
    info.cbSize = 39;
    EXPECT_EQ(1, strip.FillToolInfo((HWND)0x1234, strip.GetItem(1), &info));
    EXPECT_EQ(NULL, info.lpszText) << "a record of 39 bytes is not filled";

    info.cbSize = sizeof(info);
    EXPECT_EQ(1, strip.FillToolInfo((HWND)0x1234, strip.GetItem(1), &info));
    EXPECT_EQ((HWND)0x1234, info.hwnd);
    EXPECT_EQ(1u, info.uId);
    EXPECT_EQ(strip.GetItem(1)->GetRect(), CRect(info.rect));
    EXPECT_STREQ("Second tab", info.lpszText);
    free(info.lpszText);
}

TEST_F(FixedTabs, TheClientAreaLiesBelowTheHeaderInsideItsFrame)
{
    AddTabs(2);
    EXPECT_EQ(CRect(0, 0, 299, 33), strip.GetHeaderRect());
    EXPECT_EQ(CRect(0, 0, 300, 100), strip.GetControlRect());
    EXPECT_EQ(CRect(2, 34, 298, 98), strip.GetClientRect());
}

} // namespace
