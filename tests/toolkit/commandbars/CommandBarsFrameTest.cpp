// A frame with a menu resource and a toolbar resource gets a menu-bar row and
// a docked toolbar through CXTPCommandBars; the dock bars take their share of
// the frame, and bars keep their rows, squeeze and wrap as the frame narrows.
// Sizes come from CFixedSizePaintManager: 23 x 22 buttons, menu captions of
// 10 + 6 per character, a 6-pixel gripper, 2-pixel borders, and the 11-pixel
// strip of the expand button at a toolbar's end. The site hears of a tool
// bar's reset.
#include "CommandBarsTestSupport.h"

#include "tests/support/DialogDriver.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"
#include "toolkit/foundation/XTPDisplayDepth.h"

namespace {

const int kFrameWidth = 400;
const int kRow = CFixedSizePaintManager::kHeight + 4;
// Gripper and borders, four buttons with one group gap, the expand strip.
const int kToolBarWidth = 2 + 6 + 4 * 23 + 6 + 2 + 11;

class CommandBarsFrameTest : public CommandBarsTest
{
protected:
    CRect BarRect(CWnd* pBar) { return RectInParent(pBar); }
    // The menu bar wraps its captions too when the frame is narrow.
    int MenuBottom() { return BarRect(MenuBar()).bottom; }
    CXTPDockBar* TopDock() { return frame->m_pCommandBars->GetDockBar(0); }
    int VisibleButtons(CXTPToolBar* pBar)
    {
        int nVisible = 0;
        for (int i = 0; i < pBar->GetControlCount(); i++)
        {
            CXTPControl* pControl = pBar->GetControl(i);
            if (!pControl->IsTemporary() && pControl->IsVisible())
                nVisible++;
        }
        return nVisible;
    }
};

TEST_F(CommandBarsFrameTest, MenuRowAndDockedToolBarShrinkTheClientArea)
{
    CXTPCommandBars* pBars = frame->m_pCommandBars;
    ASSERT_EQ(2, pBars->GetCount());
    CXTPMenuBar* pMenuBar = pBars->GetMenuBar();
    ASSERT_TRUE(pMenuBar != NULL);
    EXPECT_EQ(pMenuBar, pBars->GetAt(0));
    EXPECT_TRUE(::GetMenu(frame->m_hWnd) == NULL) << "the menu bar takes the frame's own menu";
    ASSERT_EQ(4, pMenuBar->GetControlCount()) << "File, Edit, View and Help";
    EXPECT_TRUE(pMenuBar->GetControl(2)->GetType() == xtpControlPopup
                && pMenuBar->GetControl(3)->GetType() == xtpControlButton);

    // The top dock bar spans the frame and holds two rows; the menu bar
    // stretches over the first, the toolbar stands at the start of the second.
    EXPECT_EQ(CRect(0, 0, kFrameWidth, 2 * kRow), BarRect(TopDock()));
    EXPECT_EQ(CRect(0, 0, kFrameWidth, kRow), BarRect(pMenuBar));
    EXPECT_EQ(CRect(0, kRow, kToolBarWidth, 2 * kRow), BarRect(frame->GetToolBar()));
    EXPECT_EQ(CRect(0, 2 * kRow, kFrameWidth, 300), frame->GetPaneRect());
    // The menu captions follow each other after the gripper and border.
    EXPECT_EQ(CRect(8, 2, 42, 24), pMenuBar->GetControl(0)->GetRect());
    EXPECT_EQ(42, pMenuBar->GetControl(1)->GetRect().left);

    frame->GetToolBar()->SetVisible(FALSE);
    frame->RecalcLayout();
    EXPECT_EQ(CRect(0, kRow, kFrameWidth, 300), frame->GetPaneRect())
        << "a hidden toolbar gives its row back";
}

// The toolbar squeezes as the frame narrows: buttons that do not fit are
// hidden behind the expand button; it never shrinks below one button (and
// then stands out past the frame's edge).
TEST_F(CommandBarsFrameTest, ToolBarSqueezesInItsRow)
{
    // The toolbar's width and its shown buttons for a frame width; its row
    // is always the one below the menu bar's.
    auto squeezed = [this](int nFrameWidth) {
        frame->SetClientWidth(nFrameWidth);
        CXTPToolBar* pToolBar = frame->GetToolBar();
        EXPECT_EQ(CRect(0, MenuBottom(), BarRect(pToolBar).right, MenuBottom() + kRow), BarRect(pToolBar));
        EXPECT_EQ(VisibleButtons(pToolBar) < 4, pToolBar->HasHiddenControls());
        return std::to_string(BarRect(pToolBar).Width()) + " " + std::to_string(VisibleButtons(pToolBar));
    };
    EXPECT_EQ("119 4", squeezed(300)) << "wide";
    EXPECT_EQ("119 4", squeezed(kToolBarWidth)) << "exact";
    // 8 + 23 + 23 + 6 + 23 = 83 of controls, 13 of border and strip.
    EXPECT_EQ("100 3", squeezed(100));
    EXPECT_EQ("80 2", squeezed(80));
    EXPECT_EQ("44 1", squeezed(30)) << "one is left, past the frame's edge";
}

TEST_F(CommandBarsFrameTest, SecondToolBarInTheRowWrapsWhenTheFrameNarrows)
{
    CXTPCommandBars* pBars = frame->m_pCommandBars;
    CXTPToolBar* pFirst = frame->GetToolBar();
    CXTPToolBar* pSecond = pBars->Add("Second", xtpBarTop);
    ASSERT_TRUE(pSecond != NULL);
    UINT buttons[] = {ID_TEST_COPY, ID_TEST_BOLD};
    pSecond->SetButtons(buttons, 2);
    frame->RecalcLayout();
    const int nSecondWidth = 2 + 6 + 2 * 23 + 2 + 11;
    EXPECT_EQ(CRect(0, 2 * kRow, nSecondWidth, 3 * kRow), BarRect(pSecond)) << "a new last row";

    // Dropped right of the first toolbar, into its row.
    CRect rcDrop(200, kRow, 200 + nSecondWidth, 2 * kRow);
    TopDock()->ClientToScreen(&rcDrop);
    ASSERT_TRUE(pBars->DockCommandBar(pSecond, rcDrop, TopDock()));
    frame->RecalcLayout();
    EXPECT_EQ(CRect(200, kRow, 200 + nSecondWidth, 2 * kRow), BarRect(pSecond));
    EXPECT_EQ(CRect(0, kRow, kToolBarWidth, 2 * kRow), BarRect(pFirst));

    // Narrower than both squeezed to one button each: the second leaves for a
    // row of its own where it keeps as much of its dropped place as the row
    // allows.
    frame->SetClientWidth(80);
    const int nTop = MenuBottom();
    EXPECT_EQ(CRect(0, nTop, 80, nTop + kRow), BarRect(pFirst));
    EXPECT_EQ(CRect(80 - nSecondWidth, nTop + kRow, 80, nTop + 2 * kRow), BarRect(pSecond));
    EXPECT_EQ(nTop + 2 * kRow, BarRect(TopDock()).Height());
    EXPECT_EQ(CRect(0, nTop + 2 * kRow, 80, 300), frame->GetPaneRect());

    // Wide again: the bar keeps the row it was dropped into.
    frame->SetClientWidth(kFrameWidth);
    EXPECT_EQ(CRect(200, kRow, 200 + nSecondWidth, 2 * kRow), BarRect(pSecond));
}

TEST_F(CommandBarsFrameTest, PrintPreviewHidesAndRestoresTheBars)
{
    CXTPToolBar* pToolBar = frame->GetToolBar();
    frame->m_pCommandBars->OnSetPreviewMode(TRUE);
    EXPECT_FALSE(pToolBar->IsWindowVisible());
    frame->m_pCommandBars->OnSetPreviewMode(FALSE);
    frame->RecalcLayout();
    EXPECT_TRUE(pToolBar->IsVisible());
    EXPECT_EQ(CRect(0, kRow, kToolBarWidth, 2 * kRow), BarRect(pToolBar));
}

// The customize sheet lets a squeezed bar wrap its buttons into more rows,
// so that each can be dragged; an Alt+drag of a button (quick customizing)
// leaves the bars as they stand, shortened behind their expand buttons.
TEST_F(CommandBarsFrameTest, OnlyTheCustomizeSheetLetsASqueezedBarWrap)
{
    struct ModeCase
    {
        const char* pszName;
        std::function<void(CXTPCommandBars*, BOOL)> setMode;
        BOOL bWraps;
    };
    const ModeCase cases[] = {
        {"using the program", [](CXTPCommandBars*, BOOL) {}, FALSE},
        {"customize sheet", [](CXTPCommandBars* pBars, BOOL bOn) { pBars->SetCustomizeMode(bOn); }, TRUE},
        {"Alt+drag", [](CXTPCommandBars* pBars, BOOL bOn) { pBars->SetQuickCustomizeMode(bOn); }, FALSE},
    };
    for (const ModeCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        c.setMode(frame->m_pCommandBars, TRUE);
        frame->SetClientWidth(60);
        CXTPToolBar* pToolBar = frame->GetToolBar();
        EXPECT_EQ(c.bWraps, BarRect(pToolBar).Height() > kRow);
        EXPECT_EQ(!c.bWraps, pToolBar->HasHiddenControls());
        c.setMode(frame->m_pCommandBars, FALSE);
        frame->SetClientWidth(kFrameWidth);
    }
}

// Without the expand button shown always, a docked bar that is measured
// (not placed) is made room for the expand button whenever its shortest
// shape (length 1) takes more than one row of controls: at least that
// shape's length and the button's strip.
TEST_F(CommandBarsFrameTest, MeasuredBarThatCanWrapKeepsRoomForTheExpandButton)
{
    frame->m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    CXTPToolBar* pSingle = frame->m_pCommandBars->Add("Single", xtpBarTop);
    const UINT single[] = {ID_TEST_HELP};
    pSingle->SetButtons(single, 1);
    const int kAlong = 2 + 6 + 2; // borders and gripper
    const int kButton = CFixedSizePaintManager::kButton, kHeight = CFixedSizePaintManager::kHeight;
    const DWORD kDocked = xtpLayoutHorz | xtpLayoutHorzDock;
    struct Row
    {
        const char* pszName;
        CXTPToolBar* pBar;
        int nLength;
        DWORD dwMode;
        CSize size;
    };
    const Row rows[] = {
        {"one row with room to spare", frame->GetToolBar(), 400, kDocked, CSize(kAlong + 4 * kButton + 6, kRow)},
        {"two rows", frame->GetToolBar(), 60, kDocked, CSize(60, 2 * kHeight + 6 + 4)},
        {"one button a row", frame->GetToolBar(), 30, kDocked, CSize(kAlong + kButton + 11, 4 * kHeight + 6 + 4)},
        {"a single button", pSingle, 10, kDocked, CSize(kAlong + kButton, kRow)},
        {"shortened instead of wrapped", frame->GetToolBar(), 30, kDocked | xtpLayoutHideWrap,
         CSize(kAlong + kButton, kRow)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.size, row.pBar->CalcDockingLayout(row.nLength, row.dwMode)) << row.pszName;
}

TEST_F(CommandBarsFrameTest, RemovedToolBarLeavesNoEmptyRow)
{
    frame->m_pCommandBars->Remove(frame->GetToolBar());
    frame->RecalcLayout();
    EXPECT_EQ(1, frame->m_pCommandBars->GetCount());
    EXPECT_EQ(1, TopDock()->GetRowCount());
    EXPECT_EQ(CRect(0, kRow, kFrameWidth, 300), frame->GetPaneRect());
}

TEST_F(CommandBarsFrameTest, VerticalDockBarsTakeTheRemainingHeight)
{
    CXTPToolBar* pSide = frame->m_pCommandBars->Add("Side", xtpBarLeft);
    ASSERT_TRUE(pSide != NULL);
    UINT buttons[] = {ID_TEST_COPY, ID_TEST_BOLD};
    pSide->SetButtons(buttons, 2);
    frame->RecalcLayout();
    // Turned: the gripper and the expand strip run along the column.
    const int nLength = 2 + 6 + 2 * 22 + 2 + 11;
    EXPECT_EQ(CRect(0, 0, 23 + 4, nLength), BarRect(pSide));
    EXPECT_EQ(CRect(0, 2 * kRow, 23 + 4, 300), BarRect(frame->m_pCommandBars->GetDockBar(2)));
    EXPECT_EQ(CRect(23 + 4, 2 * kRow, kFrameWidth, 300), frame->GetPaneRect());
}

// A toolbar placed straight in a frame, without a manager, takes its height
// at the top in the frame's layout pass.
// A locked layout holds through a bar added, a redraw of all bars and a bar
// hidden; the frame's layout after unlocking gives each its due.
TEST_F(CommandBarsFrameTest, ALockedLayoutWaitsThroughARedraw)
{
    CXTPCommandBars* pBars = frame->m_pCommandBars;
    const CRect rcPane = frame->GetPaneRect();
    pBars->LockLayout(TRUE);
    CXTPToolBar* pBar = pBars->Add("Second", xtpBarBottom);
    ASSERT_TRUE(pBar != NULL && pBar->LoadToolBar(IDR_TEST_TOOLBAR));
    pBars->RedrawCommandBars();
    frame->GetToolBar()->SetVisible(FALSE);
    EXPECT_EQ(rcPane, frame->GetPaneRect()) << "no layout while locked";
    pBars->LockLayout(FALSE);
    pBars->RecalcFrameLayout();
    EXPECT_EQ(rcPane.bottom - kRow, frame->GetPaneRect().bottom) << "the new bar's row";
    EXPECT_EQ(rcPane.top - kRow, frame->GetPaneRect().top) << "the hidden bar's row is gone";
}

int g_nDepthQueries = 0;

int CountedDisplayDepth()
{
    g_nDepthQueries++;
    return 32; // the colours the other tests expect

}

// The frame's display, setting and colour changes each make the display's
// colour depth be asked again.
TEST_F(CommandBarsFrameTest, DisplayChangesMakeTheColourDepthBeAskedAgain)
{
    XTPSetDesktopBitsPixelQueryForTesting(CountedDisplayDepth);
    for (UINT message : {WM_DISPLAYCHANGE, WM_SETTINGCHANGE, WM_SYSCOLORCHANGE})
    {
        XTPIsLowColorDevice();
        g_nDepthQueries = 0;
        XTPIsLowColorDevice();
        EXPECT_EQ(0, g_nDepthQueries) << "kept, before message " << message;
        frame->SendMessage(message, message == WM_DISPLAYCHANGE ? 32 : 0, 0);
        XTPIsLowColorDevice();
        EXPECT_LE(1, g_nDepthQueries) << "asked again after message " << message;
    }
    XTPSetDesktopBitsPixelQueryForTesting(NULL);
}

TEST(ToolBarInFrame, TakesTheTopThroughSizeParent)
{
    // The frame deletes itself when its window goes.
    CCommandBarsFrame* pFrame = new CCommandBarsFrame;
    ASSERT_TRUE(pFrame->CreateAt(40, 40, 300, 200));
    CXTPToolBar* pBar = new CXTPToolBar;
    pBar->SetPaintManager(new CFixedSizePaintManager);
    ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE | CBRS_TOP | XTP_BARSTYLE_GRIPPER, pFrame));
    UINT buttons[] = {ID_TEST_NEW, ID_TEST_OPEN};
    pBar->SetButtons(buttons, 2);
    pFrame->RecalcLayout();
    // No tracker outside a manager: no expand strip.
    const int nWidth = 2 + 6 + 2 * 23 + 2;
    EXPECT_EQ(CRect(0, 0, nWidth, kRow), RectInParent(pBar));
    EXPECT_EQ(CRect(0, kRow, 300, 200), pFrame->GetPaneRect());
    pBar->SetVisible(FALSE);
    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 300, 200), pFrame->GetPaneRect());
    pBar->InternalRelease();
    pFrame->DestroyWindow();
}

// An MDI frame with command bars and the test menu.
class CommandBarsMdi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pBars = CreateMdiFrameWithBars(pFrame);
        ASSERT_TRUE(pBars->SetMenu("Menu Bar", IDR_TEST_MENU) != NULL);
    }
    void TearDown() override
    {
        pBars->InternalRelease();
        pFrame->DestroyWindow();
    }
    CMDIFrameWnd* pFrame = NULL;
    CXTPCommandBars* pBars = NULL;
};

TEST_F(CommandBarsMdi, RedrawUpdatesTheTabClient)
{
    pBars->RedrawCommandBars(); // a plain MDI client: nothing to update
    CTestTabClient client;
    ASSERT_TRUE(client.SubclassWindow(pFrame->m_hWndMDIClient));
    pBars->RedrawCommandBars();
    EXPECT_EQ(1, client.m_nUpdates);
    EXPECT_TRUE(client.m_bLastRecalc);
    client.UnsubclassWindow();
}

TEST_F(CommandBarsMdi, TheMenuIdFollowsTheActiveChild)
{
    EXPECT_EQ((UINT)IDR_TEST_MENU, pBars->GetActiveMenuID()) << "no child: the frame's menu";
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(NULL, "child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               CFrameWnd::rectDefault, pFrame));
    pChild->m_nIDHelp = 777;
    pFrame->MDIActivate(pChild);
    EXPECT_EQ(777u, pBars->GetActiveMenuID()) << "a child without a document: its own resource";
}

// A frame that counts how often it is asked to show its menu again.
class CMenuRefreshFrame : public CCommandBarsFrame
{
public:
    void OnUpdateFrameMenu(HMENU hMenuAlt) override
    {
        m_nMenuRefreshes++;
        CCommandBarsFrame::OnUpdateFrameMenu(hMenuAlt);
    }
    int m_nMenuRefreshes = 0;
};

class PreviewMenuTest : public FrameTest<CMenuRefreshFrame, 400, 300>
{
protected:
    void Prepare() override { frame->BuildBars(); }
};

// Back from print preview the menu bar asks the frame for its menu again (an
// MDI frame then shows the active document's menu through the bar); the
// tool bars ask nothing.
TEST_F(PreviewMenuTest, LeavingPreviewTheMenuBarAsksTheFrameForItsMenu)
{
    frame->m_pCommandBars->OnSetPreviewMode(TRUE);
    EXPECT_EQ(0, frame->m_nMenuRefreshes);
    frame->m_pCommandBars->OnSetPreviewMode(FALSE);
    EXPECT_EQ(1, frame->m_nMenuRefreshes);
    EXPECT_TRUE(::GetMenu(frame->m_hWnd) == NULL) << "the menu bar keeps the frame's native menu away";
}

// A frame that notes the bars whose reset it heard of, with the number of
// controls each had by then.
class CResetHearingFrame : public CCommandBarsFrame
{
public:
    std::vector<std::pair<CXTPToolBar*, int>> m_resets;

protected:
    afx_msg LRESULT OnToolBarReset(WPARAM, LPARAM lParam)
    {
        CXTPToolBar* pBar = (CXTPToolBar*)lParam;
        m_resets.push_back(std::make_pair(pBar, pBar->GetControls()->GetCount()));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CResetHearingFrame, CCommandBarsFrame)
ON_MESSAGE(WM_XTP_TOOLBARRESET, OnToolBarReset)
END_MESSAGE_MAP()

class ToolBarResetTest : public FrameTest<CResetHearingFrame, 400, 300>
{
protected:
    void Prepare() override { frame->BuildBars(); }
};

// The site hears of a reset the user confirmed, with the bar and once the
// bar has its new controls; a cancelled reset tells it nothing.
TEST_F(ToolBarResetTest, TheSiteHearsOfAConfirmedResetOnceTheControlsAreBack)
{
    CXTPToolBar* pBar = frame->GetToolBar();
    const int nBuilt = pBar->GetControls()->GetCount();
    pBar->GetControls()->Remove(pBar->GetControls()->FindControlById(ID_TEST_OPEN));
    CDialogDriver cancel([](HWND hWnd) { ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0); });
    pBar->Reset();
    ASSERT_EQ(1u, cancel.seen.size());
    EXPECT_TRUE(frame->m_resets.empty()) << "cancelled";

    CDialogDriver confirm;
    pBar->Reset();
    ASSERT_EQ(1u, confirm.seen.size());
    const std::vector<std::pair<CXTPToolBar*, int>> heard = {{pBar, nBuilt}};
    EXPECT_EQ(heard, frame->m_resets);
}

} // namespace
