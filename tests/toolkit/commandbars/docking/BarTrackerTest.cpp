// The bar tracker's loops driven by posted mouse messages: a toolbar dragged
// by its gripper docks into the dock bar under the cursor where its flags
// allow, floats elsewhere when it may, toggles between its docked and
// floating places on a double click, and resizes from a floating edge.
// Sizes come from CFixedSizePaintManager (23 x 22 buttons, a 15-pixel
// floating caption), so a floating toolbar of the test resource is
// 3 + 4 * 23 + 6 + 3 = 104 wide and 19 + 22 + 3 = 44 high.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/foundation/XTPMultiMonitor.h"

#include <vector>

namespace {

const CSize kFloatingSize(104, 44);
// Empty bar space: the gripper of a docked bar, the caption of a floating one.
const CPoint kGripper(3, 3);
const CPoint kCaption(5, 8);
// Frame client points next to each side (the side dock bars are empty) and
// far from all of them.
const CPoint kNearLeft(5, 150), kNearRight(395, 150), kNearBottom(200, 295), kMiddle(200, 150);

class BarTrackerTest : public CommandBarsTest
{
protected:
    CXTPToolBar* Bar() const { return frame->GetToolBar(); }
    CXTPDockBar* Dock(int nPosition) const { return frame->m_pCommandBars->GetDockBar(nPosition); }
    CPoint OnScreen(CPoint ptClient) const
    {
        frame->ClientToScreen(&ptClient);
        return ptClient;
    }
    CRect WindowRect(CWnd* pWnd) const
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    // The mouse message at a frame client point, posted to the frame (it
    // stays put while the bar moves).
    void PostMouse(UINT nMessage, CPoint ptClient)
    {
        frame->PostMessage(nMessage, nMessage == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                           MAKELPARAM(ptClient.x, ptClient.y));
    }
    // A press at ptGrab of the bar with the moves along the frame client
    // points and the release queued before it.
    void Drag(CPoint ptGrab, const std::vector<CPoint>& path)
    {
        for (CPoint pt : path)
            PostMouse(WM_MOUSEMOVE, pt);
        PostMouse(WM_LBUTTONUP, path.empty() ? CPoint(0, 0) : path.back());
        Bar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrab.x, ptGrab.y));
        PumpPending();
    }
    CPoint Grip() const { return Bar()->GetPosition() == xtpBarFloating ? kCaption : kGripper; }
    void DragTo(CPoint ptClient) { Drag(Grip(), {ptClient}); }
    void DoubleClick()
    {
        Bar()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Grip().x, Grip().y));
        PumpPending();
    }
    // A press on the floating bar's edge with the moves queued.
    void Resize(int nHitTest, CPoint ptEdge, const std::vector<CPoint>& path)
    {
        for (CPoint pt : path)
            PostMouse(WM_MOUSEMOVE, pt);
        PostMouse(WM_LBUTTONUP, path.back());
        CPoint ptScreen = OnScreen(ptEdge);
        Bar()->SendMessage(WM_NCLBUTTONDOWN, nHitTest, MAKELPARAM(ptScreen.x, ptScreen.y));
        PumpPending();
    }
    // The bar back in its row under the menu bar with the flags given.
    void Restore(DWORD dwFlags)
    {
        frame->m_pCommandBars->DockCommandBarAt(Bar(), NULL, xtpBarTop);
        Bar()->EnableDocking(dwFlags);
        frame->RecalcLayout();
    }
    CXTPCommandBarsOptions* Options() const { return frame->m_pCommandBars->GetCommandBarsOptions(); }
};

struct DragCase
{
    const char* pszName;
    DWORD dwFlags;
    CPoint ptTarget;
    XTPBarPosition position;
};

TEST_F(BarTrackerTest, DocksWhereItsFlagsAllowAndFloatsWhereItMay)
{
    const DWORD kAll = xtpFlagAlignAny | xtpFlagFloating | xtpFlagHideWrap;
    const DragCase cases[] = {
        {"docks at the left edge", kAll, kNearLeft, xtpBarLeft},
        {"docks at the right edge", kAll, kNearRight, xtpBarRight},
        {"docks at the bottom edge", kAll, kNearBottom, xtpBarBottom},
        {"floats in the middle", kAll, kMiddle, xtpBarFloating},
        {"left forbidden: floats there", kAll & ~xtpFlagAlignLeft, kNearLeft, xtpBarFloating},
        {"left forbidden, may not float: stays", kAll & ~(xtpFlagAlignLeft | xtpFlagFloating), kNearLeft,
         xtpBarTop},
        {"may not float: stays docked", kAll & ~xtpFlagFloating, kMiddle, xtpBarTop},
        {"may only float: floats at an edge", xtpFlagFloating, kNearBottom, xtpBarFloating},
    };
    for (const DragCase& c : cases)
    {
        Restore(c.dwFlags);
        DragTo(c.ptTarget);
        EXPECT_EQ(c.position, Bar()->GetPosition()) << c.pszName;
        if (c.position == xtpBarFloating)
        {
            EXPECT_TRUE(Bar()->GetDockBar() == NULL) << c.pszName;
            EXPECT_TRUE(WindowRect(Bar()).PtInRect(OnScreen(c.ptTarget)))
                << c.pszName << ": under the cursor";
        }
        else
            EXPECT_EQ(Dock(c.position), Bar()->GetDockBar()) << c.pszName;
    }
}

TEST_F(BarTrackerTest, BarDockedLeftStandsUprightWhereItWasDropped)
{
    DragTo(kNearLeft);
    ASSERT_EQ(xtpBarLeft, Bar()->GetPosition());
    // Grabbed 3 below its top, dropped at y 150 of the frame: its top is at
    // 147 of the frame, 95 below the left dock bar's top (two rows of 26);
    // upright it is a button wide with its borders.
    CRect rc = RectInParent(Bar());
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(95, rc.top);
    EXPECT_EQ(CFixedSizePaintManager::kButton + 4, rc.Width());
    EXPECT_GT(rc.Height(), rc.Width());
    EXPECT_EQ(rc.Width(), RectInParent(Dock(xtpBarLeft)).Width())
        << "the left dock bar takes the bar's width";
    EXPECT_EQ(rc.Width(), frame->GetPaneRect().left);
}

TEST_F(BarTrackerTest, FloatingBarHasCaptionButtonsAndItsControlsSize)
{
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    EXPECT_EQ(kFloatingSize, WindowRect(Bar()).Size());
    EXPECT_TRUE(Bar()->GetStyle() & WS_POPUP);
    EXPECT_EQ(frame->m_hWnd, ::GetWindow(Bar()->m_hWnd, GW_OWNER)) << "owned by the frame";
    EXPECT_EQ(kFloatingSize, Bar()->CalcDynamicLayout(-1, xtpLayoutHorz | xtpLayoutMRUWidth));

    // The close button at the caption's right end, the expand button before it.
    CXTPControl* pClose = Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pExpand = Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pClose != NULL && pExpand != NULL);
    EXPECT_TRUE(pClose->IsVisible());
    EXPECT_EQ(CRect(86, 3, 101, 18), pClose->GetRect());
    EXPECT_EQ("Close", std::string(pClose->GetTooltip()));
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_EQ(CRect(71, 3, 86, 18), pExpand->GetRect());
    // The buttons below the caption.
    EXPECT_EQ(CRect(3, 19, 26, 41), Bar()->GetControl(0)->GetRect());

    // Docked again, neither caption button shows.
    ASSERT_TRUE(Bar()->SetPosition(xtpBarTop));
    frame->RecalcLayout();
    EXPECT_FALSE(pClose->IsVisible());
    EXPECT_TRUE(Bar()->GetStyle() & WS_CHILD);
    EXPECT_EQ(Dock(xtpBarTop)->m_hWnd, ::GetParent(Bar()->m_hWnd));
}

TEST_F(BarTrackerTest, NarrowFloatingBarShowsCloseButtonButNoExpandButton)
{
    // One button per row: 3 + 23 + 3 wide, less than two captions and the border.
    Bar()->SetWidth(29);
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    EXPECT_EQ(29, WindowRect(Bar()).Width());
    EXPECT_TRUE(Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_HIDE)->IsVisible());
    EXPECT_FALSE(Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND)->IsVisible());
}

TEST_F(BarTrackerTest, BarAddedFloatingGetsItsSizeOnceItHasButtons)
{
    CXTPToolBar* pBar = frame->m_pCommandBars->Add("Floating", xtpBarFloating);
    ASSERT_TRUE(pBar != NULL);
    EXPECT_EQ(xtpBarFloating, pBar->GetPosition());
    EXPECT_FALSE(WindowRect(pBar).IsRectEmpty()) << "the caption at least";
    ASSERT_TRUE(pBar->LoadToolBar(IDR_TEST_TOOLBAR));
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(kFloatingSize, WindowRect(pBar).Size());
}

TEST_F(BarTrackerTest, CloseButtonHidesTheFloatingBar)
{
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    Click(Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_HIDE));
    EXPECT_FALSE(Bar()->IsVisible());
    EXPECT_FALSE(Bar()->IsWindowVisible());
}

TEST_F(BarTrackerTest, DoubleClickTogglesOnlyWhenTheOptionsAllowFloating)
{
    const CRect rcDocked = WindowRect(Bar());
    DoubleClick();
    EXPECT_EQ(xtpBarTop, Bar()->GetPosition()) << "double-click floats is off by default";

    Options()->bDblClickFloat = TRUE;
    Options()->bDirty = FALSE;
    DoubleClick();
    ASSERT_EQ(xtpBarFloating, Bar()->GetPosition());
    EXPECT_EQ(rcDocked.TopLeft(), WindowRect(Bar()).TopLeft()) << "first floated where it stood";
    EXPECT_EQ(kFloatingSize, WindowRect(Bar()).Size());
    EXPECT_TRUE(Options()->bDirty);

    DoubleClick();
    ASSERT_EQ(xtpBarTop, Bar()->GetPosition());
    EXPECT_EQ(rcDocked, WindowRect(Bar())) << "back in its row";

    // Floated again, it opens where it floated last.
    Bar()->GetBarTracker()->SetFloatingPoint(OnScreen(CPoint(150, 120)));
    DoubleClick();
    EXPECT_EQ(OnScreen(CPoint(150, 120)), WindowRect(Bar()).TopLeft());
}

TEST_F(BarTrackerTest, DoubleClickDocksWhereTheBarWasBeforeItWasDraggedOff)
{
    DragTo(kNearLeft);
    ASSERT_EQ(xtpBarLeft, Bar()->GetPosition());
    const CRect rcLeft = WindowRect(Bar());
    // Dragged off through the bottom dock bar into the middle.
    Drag(kGripper, {kNearBottom, kMiddle});
    ASSERT_EQ(xtpBarFloating, Bar()->GetPosition());
    const CPoint ptFloating = WindowRect(Bar()).TopLeft();

    DoubleClick();
    EXPECT_EQ(xtpBarLeft, Bar()->GetPosition());
    EXPECT_EQ(rcLeft, WindowRect(Bar()));
    EXPECT_EQ(ptFloating, Bar()->GetBarTracker()->GetFloatingPoint()) << "the floating place is kept";
}

TEST_F(BarTrackerTest, BarWithoutDockFlagsStaysFloatingOnDoubleClick)
{
    Bar()->EnableDocking(xtpFlagFloating);
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    EXPECT_FALSE(Bar()->GetBarTracker()->ToggleDocking());
    EXPECT_EQ(xtpBarFloating, Bar()->GetPosition());
}

TEST_F(BarTrackerTest, ResizingAFloatingBarWrapsItsButtons)
{
    DragTo(kMiddle);
    ASSERT_EQ(xtpBarFloating, Bar()->GetPosition());
    Options()->bDirty = FALSE;
    const CRect rcBefore = WindowRect(Bar());
    CPoint ptRight(rcBefore.right - 1, rcBefore.CenterPoint().y);
    frame->ScreenToClient(&ptRight);

    // The right edge 50 pixels in: two buttons a row.
    Resize(HTRIGHT, ptRight, {ptRight - CSize(50, 0)});
    CRect rc = WindowRect(Bar());
    EXPECT_EQ(rcBefore.TopLeft(), rc.TopLeft()) << "the right edge moved, the top-left stays";
    EXPECT_LT(rc.Width(), rcBefore.Width());
    EXPECT_GT(rc.Height(), rcBefore.Height());
    EXPECT_EQ(rcBefore.Width() - 50, Bar()->GetWidth()) << "the width asked for is remembered";
    EXPECT_TRUE(Options()->bDirty);

    // The left edge 40 pixels out: one row again, the right edge stays.
    CPoint ptLeft(rc.left, rc.CenterPoint().y);
    frame->ScreenToClient(&ptLeft);
    Resize(HTLEFT, ptLeft, {ptLeft - CSize(60, 0)});
    CRect rcWide = WindowRect(Bar());
    EXPECT_EQ(rc.right, rcWide.right);
    EXPECT_EQ(kFloatingSize, rcWide.Size());
}

// The shape a resize from the top or bottom edge gives (asked for by
// height) is the one the bar's next layout keeps.
TEST_F(BarTrackerTest, AResizeFromTheTopOrBottomEdgeIsKeptByTheNextLayout)
{
    struct Row
    {
        const char* pszName;
        int nHitTest;
    };
    const Row rows[] = {{"bottom edge pulled down", HTBOTTOM}, {"top edge pulled up", HTTOP}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
        Bar()->SetWidth(32767);
        Bar()->OnRecalcLayout();
        const CRect rcBefore = WindowRect(Bar());
        ASSERT_EQ(kFloatingSize, rcBefore.Size());
        const BOOL bBottom = row.nHitTest == HTBOTTOM;
        CPoint ptEdge(rcBefore.CenterPoint().x, bBottom ? rcBefore.bottom - 1 : rcBefore.top);
        frame->ScreenToClient(&ptEdge);
        Resize(row.nHitTest, ptEdge, {ptEdge + CSize(0, bBottom ? 40 : -40)});
        const CRect rcResized = WindowRect(Bar());
        ASSERT_GT(rcResized.Height(), rcBefore.Height()) << "the buttons wrapped into rows";
        ASSERT_LT(rcResized.Width(), rcBefore.Width());

        Bar()->OnRecalcLayout();
        EXPECT_EQ(rcResized, WindowRect(Bar()));
        ASSERT_TRUE(Bar()->SetPosition(xtpBarTop));
    }
}

TEST_F(BarTrackerTest, FloatingBarEdgesAreSizingEdges)
{
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    const CRect rc = WindowRect(Bar());
    const CPoint ptCentre = rc.CenterPoint();
    struct
    {
        const char* pszName;
        CPoint pt;
        LRESULT nHit;
    } cases[] = {
        {"top edge", CPoint(ptCentre.x, rc.top + 1), HTTOP},
        {"bottom edge", CPoint(ptCentre.x, rc.bottom - 2), HTBOTTOM},
        {"left edge", CPoint(rc.left + 2, ptCentre.y), HTLEFT},
        {"right edge", CPoint(rc.right - 1, ptCentre.y), HTRIGHT},
        {"inside the frame", CPoint(rc.left + 3, ptCentre.y), HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nHit, Bar()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y))) << c.pszName;
    EXPECT_EQ(MA_NOACTIVATE, Bar()->SendMessage(WM_MOUSEACTIVATE, (WPARAM)frame->m_hWnd,
                                                MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)))
        << "a floating bar never takes the activation";

    ASSERT_TRUE(Bar()->SetPosition(xtpBarTop));
    const CRect rcDocked = WindowRect(Bar());
    EXPECT_EQ(HTCLIENT, Bar()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcDocked.left + 1, rcDocked.top + 1)))
        << "docked bars have no sizing edges";
}

TEST_F(BarTrackerTest, EscEndsTheDragKeepingTheMovesMade)
{
    PostMouse(WM_MOUSEMOVE, kNearLeft);
    frame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Drag(kGripper, {kMiddle});
    EXPECT_EQ(xtpBarLeft, Bar()->GetPosition()) << "moves after the Esc do not reach the bar";
}

TEST_F(BarTrackerTest, QuitDuringTheDragEndsItAndStaysQueued)
{
    PostMouse(WM_MOUSEMOVE, kNearLeft);
    frame->PostMessage(WM_QUIT, 7, 0);
    Drag(kGripper, {kMiddle});
    EXPECT_EQ(xtpBarLeft, Bar()->GetPosition());
    EXPECT_TRUE(::GetCapture() == NULL);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(BarTrackerTest, BarNeverFloatsOffTheWorkArea)
{
    const CRect rcWork = XTPMultiMonitor()->GetWorkArea(Bar()->m_hWnd);
    Bar()->GetBarTracker()->SetFloatingPoint(CPoint(rcWork.right + 3000, rcWork.bottom + 500));
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    CRect rc = WindowRect(Bar());
    EXPECT_EQ(kFloatingSize, rc.Size());
    EXPECT_EQ(rcWork.right, rc.right);
    EXPECT_EQ(rcWork.bottom, rc.bottom);
}

// A window that records where a watched window stood when it first painted.
class CPaintProbe : public CWnd
{
public:
    CWnd* m_pWatched = NULL;
    BOOL m_bPainted = FALSE;
    CRect m_rcWatchedAtPaint;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        if (m_bPainted)
            return;
        m_bPainted = TRUE;
        m_pWatched->GetWindowRect(&m_rcWatchedAtPaint);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbe, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

// Windows waiting to paint paint before the drag handles the next mouse
// message: mouse input would otherwise keep them waiting until the drag ends.
TEST_F(BarTrackerTest, DragPaintsWaitingWindowsBeforeItMovesTheBar)
{
    CPaintProbe probe;
    probe.m_pWatched = Bar();
    ASSERT_TRUE(probe.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20),
                               frame, 1));
    PumpPending();
    probe.m_bPainted = FALSE;
    const CRect rcBefore = WindowRect(Bar());
    probe.Invalidate();
    DragTo(kNearLeft);
    ASSERT_EQ(xtpBarLeft, Bar()->GetPosition());
    ASSERT_TRUE(probe.m_bPainted);
    EXPECT_EQ(rcBefore, probe.m_rcWatchedAtPaint)
        << "painted before the move that docked the bar on the left";
}

TEST_F(BarTrackerTest, DragWithoutMovingChangesNothingButMarksTheOptions)
{
    const CRect rcBefore = WindowRect(Bar());
    Options()->bDirty = FALSE;
    Drag(kGripper, {});
    EXPECT_EQ(rcBefore, WindowRect(Bar()));
    EXPECT_EQ(xtpBarTop, Bar()->GetPosition());
    EXPECT_TRUE(Options()->bDirty);
}

} // namespace

namespace {

// A floating bar follows its frame's activation: deactivated while another
// window is active it hides, and the frame's activation shows it again;
// FS_SHOW and FS_HIDE show and hide it, FS_ENABLE and FS_DISABLE enable and
// disable it.
TEST_F(BarTrackerTest, FloatingBarFollowsItsFramesActivation)
{
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    frame->SetActiveWindow();
    PumpPending();
    ASSERT_TRUE(Bar()->IsWindowVisible());
    EXPECT_TRUE(Bar()->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE)) << "a floating window keeps in step";

    // The frame's deactivation reaches the bar while the frame may still
    // count as active: the bar hides once another window is active.
    CTestWindow other(CSize(50, 50));
    other.SetActiveWindow();
    PumpPending();
    Bar()->SendMessage(WM_FLOATSTATUS, FS_DEACTIVATE);
    EXPECT_FALSE(Bar()->IsWindowVisible()) << "hidden while another window is active";
    EXPECT_TRUE(Bar()->IsVisible()) << "still shown as far as the bar goes";

    frame->SetActiveWindow();
    PumpPending();
    EXPECT_TRUE(Bar()->IsWindowVisible()) << "the frame's activation shows it again";
    BOOL bAboveFrame = FALSE;
    for (HWND hWnd = ::GetWindow(frame->m_hWnd, GW_HWNDPREV); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
        bAboveFrame = bAboveFrame || hWnd == Bar()->m_hWnd;
    EXPECT_TRUE(bAboveFrame) << "above its frame, which was raised while the bar was hidden";

    Options()->bSyncFloatingBars = FALSE;
    other.SetActiveWindow();
    PumpPending();
    Bar()->SendMessage(WM_FLOATSTATUS, FS_DEACTIVATE);
    EXPECT_TRUE(Bar()->IsWindowVisible()) << "without synchronising it stays";
    frame->SetActiveWindow();

    Bar()->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_FALSE(Bar()->IsWindowVisible());
    Bar()->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(Bar()->IsWindowVisible());
    Bar()->SendMessage(WM_FLOATSTATUS, FS_DISABLE);
    EXPECT_FALSE(Bar()->IsWindowEnabled());
    Bar()->SendMessage(WM_FLOATSTATUS, FS_ENABLE);
    EXPECT_TRUE(Bar()->IsWindowEnabled());
}

// A press on a floating bar's sizing edge brings its frame forward; the bar
// itself never takes the activation.
TEST_F(BarTrackerTest, PressOnAFloatingEdgeActivatesTheFrame)
{
    Options()->bSyncFloatingBars = FALSE; // shown while the frame is inactive
    ASSERT_TRUE(Bar()->SetPosition(xtpBarFloating));
    CTestWindow other(CSize(50, 50));
    other.SetActiveWindow();
    PumpPending();
    ASSERT_TRUE(Bar()->IsWindowVisible());
    const CRect rc = WindowRect(Bar());
    CPoint ptRight(rc.right - 1, rc.CenterPoint().y);
    frame->ScreenToClient(&ptRight);
    Resize(HTRIGHT, ptRight, {ptRight});
    EXPECT_TRUE(::GetActiveWindow() == frame->m_hWnd);
    EXPECT_EQ(rc, WindowRect(Bar())) << "a press without a move changes nothing";
}

// A floating bar never takes the activation, yet it is its frame's: while
// the frame is active, the button under the mouse lights and stays lit as
// long as the mouse rests on it; when another window becomes active, the
// watch of the mouse puts the light out.
TEST_F(BarTrackerTest, AFloatingBarLightsTheButtonUnderTheMouseWhileItsFrameIsActive)
{
    Options()->bSyncFloatingBars = FALSE; // shown while the frame is inactive
    CTestWindow other(CSize(50, 50));
    struct Row
    {
        const char* pszName;
        XTPBarPosition position;
        CWnd* pActive;
        BOOL bLit;
    };
    const Row rows[] = {
        {"docked, its frame active", xtpBarTop, frame, TRUE},
        {"floating, its frame active", xtpBarFloating, frame, TRUE},
        {"floating, another window active", xtpBarFloating, &other, FALSE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        ASSERT_TRUE(Bar()->SetPosition(row.position));
        frame->RecalcLayout();
        row.pActive->SetActiveWindow();
        PumpPending();
        CXTPControl* pOpen = Bar()->GetControls()->FindControlById(ID_TEST_OPEN);
        const CPoint pt = pOpen->GetRect().CenterPoint();
        CPoint ptScreen = pt;
        Bar()->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        Bar()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(row.bLit ? pOpen->GetIndex() : -1, Bar()->GetSelectedIndex());
        XTPMouseManager()->CheckMouseLeave(); // the watch's timer
        PumpPending();
        EXPECT_EQ(row.bLit ? pOpen->GetIndex() : -1, Bar()->GetSelectedIndex()) << "the mouse rests on it";
        if (!row.bLit)
            continue;
        other.SetActiveWindow();
        PumpPending();
        XTPMouseManager()->CheckMouseLeave();
        PumpPending();
        EXPECT_EQ(-1, Bar()->GetSelectedIndex()) << "another window became active";
    }
}

TEST_F(BarTrackerTest, DockedBarIgnoresFloatStatus)
{
    Bar()->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_TRUE(Bar()->IsWindowVisible());
    EXPECT_FALSE(Bar()->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
}

} // namespace
