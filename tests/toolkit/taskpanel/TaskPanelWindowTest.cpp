// The panel's window with a painter of fixed metrics: where groups and
// items go (margins, spacing, grid columns), opening and closing with and
// without animation, one open group at a time with its veto, the scroll bar,
// the scroll buttons and the hit tests.
#include "TaskPanelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The fixed painter: band 10..190, groups 11..187, captions 20, items 18
// from 6 below the caption, 8 below the last item, 4 + 6 + 2 between groups.
TEST_F(TaskPanelTest, GroupsStackWithMarginsAndSpacing)
{
    AddGroup(1, 2);
    AddGroup(2, 1);
    AddGroup(3, 0);
    EXPECT_EQ("11 12 187 82; 11 94 187 146; 11 158 187 192", Targets());
    EXPECT_EQ(206, panel->GetClientHeight()) << "the last group, its outer margin and the panel's";

    struct Row
    {
        const char* name;
        std::function<void()> change;
        const char* expected;
    } rows[] = {
        {"panel margins and spacing", [&] { panel->SetMargins(0, 5, 0, 5, 0); },
         "1 7 197 77; 1 83 197 135; 1 141 197 175"},
        {"a group's own outer margins", [&] { panel->GetAt(1)->GetOuterMargins().SetRect(0, 0, 0, 0);
                                              panel->Reposition(FALSE); },
         "1 7 197 77; 0 81 200 133; 1 135 197 169"},
        {"a closed group keeps its caption", [&] { panel->GetAt(0)->SetExpanded(FALSE); },
         "1 7 197 27; 0 31 200 83; 1 85 197 119"},
        {"a hidden caption takes one pixel", [&] { panel->GetAt(2)->SetCaptionVisible(FALSE); },
         "1 7 197 27; 0 31 200 83; 1 85 197 100"},
    };
    for (Row& row : rows)
    {
        row.change();
        EXPECT_EQ(row.expected, Targets()) << row.name;
    }
}

TEST_F(TaskPanelTest, ItemsStackInRowsOrFillAGrid)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 7);
    EXPECT_EQ("16 6 180 24", Text(pGroup->GetAt(0)->GetItemRect())) << "inner margins 5 and 7 at the sides";
    EXPECT_EQ("16 114 180 132", Text(pGroup->GetAt(6)->GetItemRect()));
    EXPECT_EQ(6 + 7 * 18 + 8, pGroup->GetClientHeight());

    pGroup->SetItemLayout(xtpTaskItemLayoutImages);
    EXPECT_EQ(5, pGroup->GetItemsInRow()) << "164 pixels hold five cells of 28";
    EXPECT_EQ("128 6 156 34", Text(pGroup->GetAt(4)->GetItemRect()));
    EXPECT_EQ("16 34 44 62", Text(pGroup->GetAt(5)->GetItemRect())) << "the sixth starts the second row";
    EXPECT_EQ(6 + 2 * 28 + 8, pGroup->GetClientHeight());

    pGroup->SetIconSize(CSize(200, 200));
    EXPECT_EQ(1, pGroup->GetItemsInRow()) << "a group narrower than a cell still has one column";
    pGroup->GetItems()->Clear();
    EXPECT_EQ(6 + 212 + 8, pGroup->GetClientHeight()) << "an empty grid reserves one row";
}

TEST_F(TaskPanelTest, ItemOfFixedSizeTakesItsSizeAtTheMargins)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(0);
    pItem->GetMargins().SetRect(3, 4, 0, 5);
    pItem->SetItemSize(50, 30);
    EXPECT_EQ("19 10 69 40", Text(pItem->GetItemRect()));
    EXPECT_EQ("16 45 180 63", Text(pGroup->GetAt(1)->GetItemRect())) << "below the bottom margin";
}

class AnimatedPanelTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        panel->SetAnimation(0);
    }
};

TEST_F(AnimatedPanelTest, ClosingMovesTheBottomUpOverTenTicks)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    panel->Reposition(FALSE);
    owner.Reset();
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ("11 12 187 32", Text(pGroup->GetTargetRect()));
    EXPECT_EQ("11 12 187 100", Text(pGroup->GetCurrentRect())) << "it has not moved yet";
    std::vector<int> bottoms;
    for (int i = 0; i < 10; i++)
    {
        Tick();
        bottoms.push_back(pGroup->GetCurrentRect().bottom);
        if (i < 9)
        {
            EXPECT_EQ(0, owner.Count(TPN_GROUPEXPANDED)) << "before the tenth tick";
        }
    }
    EXPECT_EQ((std::vector<int>{94, 88, 81, 74, 67, 60, 53, 46, 39, 32}), bottoms);
    EXPECT_EQ("6 7", owner.Codes()) << "expanding, then expanded on arrival";
    EXPECT_EQ("Group 1", owner.notes[1].strCaption);
    EXPECT_TRUE(pGroup->IsDirty() == FALSE);
    // The tick after the arrival finds nothing moving and stops the timer;
    // one more changes nothing.
    Tick(2);
    EXPECT_EQ(1, owner.Count(TPN_GROUPEXPANDED));
}

// A movement step taken by the group itself, outside the panel's layout
// and timer, tells the owner when it arrives, at once.
TEST_F(AnimatedPanelTest, StepThatArrivesTellsTheOwnerThen)
{
    struct Row
    {
        const char* name;
        int nTicks;
        int nStep;
    } rows[] = {
        {"a jump to the target", 0, 0},
        {"the last step of ten", 9, 1},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        panel->GetGroups()->Clear();
        CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
        panel->Reposition(FALSE);
        pGroup->SetExpanded(FALSE);
        Tick(row.nTicks);
        owner.Reset();
        int nArrivedInside = -1;
        owner.onNotify = [&](UINT nCode, LPARAM) {
            if (nCode == TPN_GROUPEXPANDED)
                nArrivedInside = pGroup->IsDirty() ? 0 : 1;
        };
        pGroup->OnAnimate(row.nStep);
        EXPECT_EQ("7", owner.Codes());
        EXPECT_EQ(1, nArrivedInside) << "told with the group at its place";
    }
}

// The system's menu animation setting, put back as it was when it goes.
class CMenuAnimationSetting
{
public:
    CMenuAnimationSetting() { ::SystemParametersInfo(SPI_GETMENUANIMATION, 0, &m_bSaved, 0); }
    ~CMenuAnimationSetting() { Set(m_bSaved); }
    void Set(BOOL bOn) { ::SystemParametersInfo(SPI_SETMENUANIMATION, 0, (PVOID)(INT_PTR)bOn, 0); }

private:
    BOOL m_bSaved = FALSE;
};

// Animation mode 2 takes the system's menu animation setting when chosen and
// again at each setting change; modes 0 and 1 keep theirs. A group that
// opens or closes moves over timer ticks only while the panel animates.
TEST_F(TaskPanelTest, AnimationModeTwoFollowsTheSystemsMenuAnimation)
{
    CMenuAnimationSetting setting;
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    struct Row
    {
        const char* name;
        int nMode;
        BOOL bSystemWhenChosen, bSystemAfterChange;
        BOOL bAnimateWhenChosen, bAnimateAfterChange;
    } rows[] = {
        {"mode 2, on then off", 2, TRUE, FALSE, TRUE, FALSE},
        {"mode 2, off then on", 2, FALSE, TRUE, FALSE, TRUE},
        {"mode 0 stays on", 0, FALSE, FALSE, TRUE, TRUE},
        {"mode 1 stays off", 1, TRUE, TRUE, FALSE, FALSE},
    };
    for (const Row& row : rows)
    {
        setting.Set(row.bSystemWhenChosen);
        panel->SetAnimation(row.nMode);
        EXPECT_EQ(row.bAnimateWhenChosen, panel->IsAnimate()) << row.name;
        setting.Set(row.bSystemAfterChange);
        panel->SendMessage(WM_SETTINGCHANGE, SPI_SETMENUANIMATION, 0);
        EXPECT_EQ(row.bAnimateAfterChange, panel->IsAnimate()) << row.name;
        pGroup->SetExpanded(!pGroup->IsExpanded());
        EXPECT_EQ(row.bAnimateAfterChange, pGroup->IsDirty()) << row.name;
        Tick(11);
    }
}

// A painter of fixed metrics whose captions take, at its next metrics
// refresh, the height set here.
class CRefreshingPainter : public CFixedPainter
{
public:
    void RefreshMetrics() override
    {
        CFixedPainter::RefreshMetrics();
        m_nCaptionHeight = nNextCaption;
    }
    int nNextCaption = kCaption;
};

// A colour or setting change refreshes the painter's metrics and lays the
// groups out with them.
TEST_F(TaskPanelTest, ColourAndSettingChangesRefreshThePainterAndLayOutAgain)
{
    CRefreshingPainter* pPainter = new CRefreshingPainter;
    panel->SetCustomTheme(pPainter);
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    struct Row
    {
        const char* name;
        UINT nMessage;
        int nCaption;
    } rows[] = {
        {"a colour change", WM_SYSCOLORCHANGE, 26},
        {"a setting change", WM_SETTINGCHANGE, 31},
    };
    for (const Row& row : rows)
    {
        pPainter->nNextCaption = row.nCaption;
        panel->SendMessage(row.nMessage, 0, 0);
        EXPECT_EQ(row.nCaption, pGroup->GetCaptionHeight()) << row.name;
        // Below the caption: 6 above, two items of 18 and 8 below them.
        EXPECT_EQ(12 + row.nCaption + 6 + 2 * 18 + 8, pGroup->GetTargetRect().bottom) << row.name;
    }
}

TEST_F(TaskPanelTest, WithoutAnimationTheGroupArrivesAtOnce)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ("11 12 187 32", Text(pGroup->GetCurrentRect()));
    EXPECT_EQ("6 7", owner.Codes());
    EXPECT_FALSE(owner.notes[0].bExpanding);
}

TEST_F(TaskPanelTest, OwnerVetoLeavesTheGroupAsItWas)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    owner.answers[TPN_GROUPEXPANDING] = -1;
    pGroup->SetExpanded(FALSE);
    EXPECT_TRUE(pGroup->IsExpanded());
    EXPECT_EQ("11 12 187 100", Text(pGroup->GetTargetRect()));
    EXPECT_EQ("6", owner.Codes());
}

TEST_F(OneOpenGroupTest, OpeningAGroupClosesTheOpenOne)
{
    EXPECT_FALSE(a->IsExpanded() || b->IsExpanded() || c->IsExpanded()) << "no group is open at first";
    b->SetExpanded(TRUE);
    EXPECT_EQ(b, panel->GetActiveGroup());
    c->SetExpanded(TRUE);
    EXPECT_EQ(c, panel->GetActiveGroup());
    EXPECT_FALSE(b->IsExpanded());
    EXPECT_TRUE(c->IsExpanded());
    c->SetExpanded(FALSE);
    EXPECT_TRUE(c->IsExpanded()) << "the open group cannot be closed";
    EXPECT_EQ("6 7 6 7 7", owner.Codes()) << "opening c closed b as well";
}

TEST_F(OneOpenGroupTest, VetoKeepsTheOpenGroup)
{
    b->SetExpanded(TRUE);
    const std::string before = Targets();
    owner.answers[TPN_GROUPEXPANDING] = -1;
    c->SetExpanded(TRUE);
    EXPECT_EQ(b, panel->GetActiveGroup());
    EXPECT_EQ(before, Targets());
}

TEST_F(OneOpenGroupTest, OpenGroupFillsThePanel)
{
    a->SetExpanded(TRUE);
    // 300 less the margins (20), three captions with outer margins (3 x 26)
    // and two spacings (12).
    EXPECT_EQ(190, a->GetClientHeight());
    EXPECT_EQ("11 12 187 222; 11 234 187 254; 11 266 187 286", Targets());
    EXPECT_EQ(300, panel->GetClientHeight()) << "no scroll bar: the panel is exactly full";
    EXPECT_EQ(0, panel->GetStyle() & WS_VSCROLL);
}

TEST_F(OneOpenGroupTest, ScrollButtonsScrollTheOpenGroup)
{
    a->SetExpanded(TRUE);
    CXTPTaskPanelScrollButton* pUp = panel->GetScrollButton(TRUE);
    CXTPTaskPanelScrollButton* pDown = panel->GetScrollButton(FALSE);
    EXPECT_TRUE(pDown->bEnabled) << "twenty items of 18 do not fit in 190";
    EXPECT_FALSE(pUp->bEnabled);
    EXPECT_FALSE(pUp->IsVisible(FALSE)) << "a disabled button is hidden";
    EXPECT_TRUE(pUp->IsVisible(TRUE)) << "unless it sits in a caption";
    // The client area (11, 32, 187, 222) shrunk by 4: 16 x 16 in its right corners.
    EXPECT_EQ("167 36 183 52", Text(pUp->rcButton));
    EXPECT_EQ("167 202 183 218", Text(pDown->rcButton));

    panel->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(50, 50));
    EXPECT_EQ(3, a->GetFirstVisibleItem()) << "one notch: three rows";
    EXPECT_TRUE(pUp->bEnabled);
    EXPECT_EQ(54, a->GetScrollOffsetPos()) << "the fourth item's top less the inner top margin";
    for (int i = 0; i < 3; i++)
        panel->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(50, 50));
    EXPECT_EQ(10, a->GetFirstVisibleItem()) << "it stops where the last item shows";
    EXPECT_FALSE(pDown->bEnabled);
    panel->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(50, 50));
    EXPECT_EQ(7, a->GetFirstVisibleItem());
}

TEST_F(OneOpenGroupTest, CaptionScrollButtonsSitInTheCaptions)
{
    painter->SetCaptionScrollButtons(TRUE);
    a->SetExpanded(TRUE);
    EXPECT_EQ("167 12 187 32", Text(panel->GetScrollButton(TRUE)->rcButton)) << "up in the open group's caption";
    EXPECT_EQ("167 234 187 254", Text(panel->GetScrollButton(FALSE)->rcButton)) << "down in the next caption";
    EXPECT_EQ(b, panel->GetScrollButton(FALSE)->pCaptionGroup);
    EXPECT_EQ("11 12 160 32", Text(a->GetCaptionRect())) << "the caption ends spacing + 1 before the button";
    c->SetExpanded(TRUE);
    EXPECT_EQ("167 270 187 290", Text(panel->GetScrollButton(FALSE)->rcButton))
        << "after the last group: above the bottom margin";
}

TEST_F(TaskPanelTest, ScrollBarComesAndGoesWithTheContent)
{
    for (UINT nID = 1; nID <= 4; nID++)
        AddGroup(nID, 3);
    EXPECT_EQ(414, panel->GetClientHeight()) << "four groups of 88 with their margins and spacing";
    EXPECT_NE(0, panel->GetStyle() & WS_VSCROLL);
    panel->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(6, panel->GetScrollOffset());
    panel->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(114, panel->GetScrollOffset()) << "the content less the page";
    panel->SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(108, panel->GetScrollOffset());

    panel->SetWindowPos(NULL, 0, 0, 200, 480, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(0, panel->GetStyle() & WS_VSCROLL) << "grown taller than the content";
    EXPECT_EQ(0, panel->GetScrollOffset());
}

TEST_F(TaskPanelTest, EnsureVisibleScrollsToAnItem)
{
    for (UINT nID = 1; nID <= 4; nID++)
        AddGroup(nID, 3);
    CXTPTaskPanelGroupItem* pLast = panel->GetAt(3)->GetAt(2);
    panel->EnsureVisible(pLast);
    // The item lies at 312 + 20 + 42 = 374 .. 392 in the content: its bottom
    // goes to the view's bottom.
    EXPECT_EQ(92, panel->GetScrollOffset());
    panel->EnsureVisible(panel->GetAt(0));
    EXPECT_EQ(12, panel->GetScrollOffset()) << "up to the first caption's top";
}

TEST_F(TaskPanelTest, HitTestsFindGroupsCaptionsAndItems)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    AddGroup(2, 1);
    BOOL bCaption = FALSE;
    struct Row
    {
        const char* name;
        CPoint pt;
        CXTPTaskPanelItem* expected;
        CXTPTaskPanelItem* expectedClientGroup;
    } rows[] = {
        {"a caption", {50, 20}, pGroup, pGroup},
        {"the first item", {50, 40}, pGroup->GetAt(0), pGroup->GetAt(0)},
        {"the second item", {50, 60}, pGroup->GetAt(1), pGroup->GetAt(1)},
        {"below the items, in the client area", {50, 75}, NULL, pGroup},
        {"between two groups", {50, 88}, NULL, NULL},
        {"the margin left of the groups", {5, 40}, NULL, NULL},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(row.expected, panel->HitTestItem(row.pt)) << row.name;
        EXPECT_EQ(row.expectedClientGroup, panel->HitTestItem(row.pt, TRUE)) << row.name;
    }
    EXPECT_EQ(pGroup, panel->HitTestGroup(CPoint(50, 40), &bCaption));
    EXPECT_FALSE(bCaption);
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ(pGroup, panel->HitTestItem(CPoint(50, 20))) << "the caption still answers";
    EXPECT_EQ(panel->GetAt(1), panel->HitTestItem(CPoint(50, 45))) << "the next group moved up";
}

TEST_F(OneOpenGroupTest, ScrolledItemsAreHitWhereTheyShow)
{
    a->SetExpanded(TRUE);
    a->Scroll(2);
    // The third item now shows at the top of the client area.
    EXPECT_EQ(a->GetAt(2), panel->HitTestItem(CPoint(50, 32 + 6 + 9)));
    EXPECT_EQ(NULL, panel->HitTestItem(CPoint(50, 32 + 3)))
        << "the second item, scrolled out above, is not hit under the top margin";
    EXPECT_EQ(NULL, panel->HitTestItem(CPoint(175, 44))) << "the scroll button is no item";
    EXPECT_EQ(panel->GetScrollButton(TRUE), panel->HitTestScrollButton(CPoint(175, 44)));
}

} // namespace
