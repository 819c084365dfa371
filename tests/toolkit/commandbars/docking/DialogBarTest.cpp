// A dialog bar hosting a pane: its caption row (gripper, caption popup,
// close button) over the pane, its sizing edges docked and floating, resizing
// by those edges with the bar tracker, its caption menu, and the client sizes
// the saved bar state carries, and where the focus goes when the bar hides.
// Sizes come from CFixedSizePaintManager: the
// caption row is 22 high with a 6-pixel gripper; the bar's borders are 3.
#include "CommandBarsTestSupport.h"

#include "tests/support/RealInput.h"
#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/docking/XTPDialogBar.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/state/XTPDockState.h"

#include <functional>
#include <vector>

namespace {

const int kCaption = CFixedSizePaintManager::kHeight;
const UINT kDialogBarID = 0xE820;

class DialogBarTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        m_pBar =
            (CXTPDialogBar*)frame->m_pCommandBars->Add("Keywords", xtpBarLeft, RUNTIME_CLASS(CXTPDialogBar));
        ASSERT_TRUE(m_pBar != NULL);
        m_pBar->SetBarID(kDialogBarID);
        m_pane.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_pBar,
                        100);
        m_pBar->SetChild(&m_pane);
        m_pBar->SetSize(CSize(150, 200));
        frame->RecalcLayout();
    }
    CRect WindowRect(CWnd* pWnd) const
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    LRESULT HitTest(CPoint ptScreen)
    {
        return m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    // Docks the bar at the position (or floats it) with the flags given.
    void PlaceAt(XTPBarPosition position, DWORD dwFlags = xtpFlagAlignAny | xtpFlagFloating)
    {
        m_pBar->EnableDocking(dwFlags);
        ASSERT_TRUE(m_pBar->SetPosition(position));
        frame->RecalcLayout();
    }
    // A press on the bar's sizing edge at the screen point, with the moves
    // (screen points) and the release queued, all posted to the frame.
    void ResizeFrom(int nHitTest, CPoint ptEdge, CPoint ptTo)
    {
        CPoint pt = ptTo;
        frame->ScreenToClient(&pt);
        frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        frame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_pBar->SendMessage(WM_NCLBUTTONDOWN, nHitTest, MAKELPARAM(ptEdge.x, ptEdge.y));
        PumpPending();
    }
    CXTPControl* Control(int nID) const { return m_pBar->GetControls()->FindControlById(nID); }
    static CSize ClientSize(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetClientRect(&rc);
        return rc.Size();
    }

    CXTPDialogBar* m_pBar = nullptr;
    CWnd m_pane;
};

TEST_F(DialogBarTest, CaptionRowStandsOverThePane)
{
    EXPECT_EQ(CSize(3 + 150 + 3, 3 + kCaption + 200 + 3), WindowRect(m_pBar).Size());
    EXPECT_EQ(CRect(3, 3 + kCaption, 153, 3 + kCaption + 200), RectInParent(&m_pane));
    EXPECT_EQ(3 + kCaption, m_pBar->GetCaptionBottom());
    // The close button at the caption's right end, the caption before it.
    CXTPControl* pClose = Control(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pCaption = Control(9399);
    ASSERT_TRUE(pClose != NULL && pCaption != NULL);
    EXPECT_EQ(CRect(137, 6, 153, 22), pClose->GetRect());
    EXPECT_EQ(CRect(3 + CFixedSizePaintManager::kGripper, 6, 137, 22), pCaption->GetRect());
    EXPECT_EQ(std::string("Keywords"), (LPCTSTR)pCaption->GetCaption()) << "an empty caption shows the title";
    m_pBar->SetCaption("Watched words");
    frame->RecalcLayout();
    EXPECT_EQ(std::string("Watched words"), (LPCTSTR)pCaption->GetCaption());
}

TEST_F(DialogBarTest, CloseButtonShowsOnlyWhileTheBarCanBeClosed)
{
    m_pBar->SetCloseable(FALSE);
    frame->RecalcLayout();
    EXPECT_FALSE(Control(XTP_ID_TOOLBAR_HIDE)->IsVisible());
    EXPECT_EQ(153, Control(9399)->GetRect().right) << "the caption takes the room";
    m_pBar->SetCloseable(TRUE);
    frame->RecalcLayout();
    EXPECT_TRUE(Control(XTP_ID_TOOLBAR_HIDE)->IsVisible());

    const CPoint pt = Control(XTP_ID_TOOLBAR_HIDE)->GetRect().CenterPoint();
    m_pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_FALSE(m_pBar->IsVisible());
}

// The bar hidden with the focus in its pane gives the focus to the frame
// (which gives it to its active view; the test frame has none): the pane,
// out of sight, would take the keys. A focus elsewhere stays where it is.
TEST_F(DialogBarTest, HiddenWithTheFocusInItsPaneTheBarGivesTheFocusToTheFrame)
{
    auto clickClose = [this] {
        CPoint pt = Control(XTP_ID_TOOLBAR_HIDE)->GetRect().CenterPoint();
        m_pBar->ClientToScreen(&pt);
        ClickScreen(pt);
    };
    auto hide = [this] { m_pBar->SetVisible(FALSE); };
    struct Row
    {
        const char* name;
        XTPBarPosition position;
        CWnd* pFocus; // where the focus is when the bar hides
        std::function<void()> close;
        CWnd* pFocusAfter;
    };
    const Row rows[] = {
        {"its close button", xtpBarLeft, &m_pane, clickClose, frame},
        {"its close button, floating", xtpBarFloating, &m_pane, clickClose, frame},
        {"the program", xtpBarLeft, &m_pane, hide, frame},
        {"the program, the focus in the frame's pane", xtpBarLeft, &frame->m_wndPane, hide, &frame->m_wndPane},
    };
    frame->SetForegroundWindow();
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_pBar->SetVisible(TRUE);
        PlaceAt(row.position);
        PumpPending();
        row.pFocus->SetFocus();
        ASSERT_EQ(row.pFocus->m_hWnd, ::GetFocus());
        row.close();
        ASSERT_TRUE(PumpPendingUntil([&] { return !m_pBar->IsWindowVisible(); }));
        EXPECT_EQ(row.pFocusAfter->m_hWnd, ::GetFocus());
    }
}

TEST_F(DialogBarTest, OnlyTheCaptionRowIsTheBarsSurface)
{
    const CRect rc = WindowRect(m_pBar);
    EXPECT_EQ(1, m_pBar->PtInBar(CPoint(rc.left + 10, rc.top + 10)));
    EXPECT_EQ(-2, m_pBar->PtInBar(CPoint(rc.left + 10, rc.top + 3 + kCaption + 5)));
    EXPECT_EQ(-2, m_pBar->PtInBar(CPoint(rc.right + 10, rc.top + 10)));
}

struct EdgeCase
{
    const char* pszName;
    XTPBarPosition position;
    DWORD dwExtraFlags;
    LRESULT nTop, nBottom, nLeft, nRight;
};

TEST_F(DialogBarTest, SizingEdgesFaceTheClientArea)
{
    const LRESULT C = HTCLIENT;
    const EdgeCase cases[] = {
        {"docked left", xtpBarLeft, 0, C, HTBOTTOM, C, HTRIGHT},
        {"docked left, stretched", xtpBarLeft, xtpFlagStretched, C, C, C, HTRIGHT},
        {"docked right", xtpBarRight, 0, C, HTBOTTOM, HTLEFT, C},
        {"docked top", xtpBarTop, 0, C, HTBOTTOM, C, HTRIGHT},
        {"docked top, stretched", xtpBarTop, xtpFlagStretched, C, HTBOTTOM, C, C},
        {"docked bottom", xtpBarBottom, 0, HTTOP, C, C, HTRIGHT},
        {"floating", xtpBarFloating, 0, HTTOP, HTBOTTOM, HTLEFT, HTRIGHT},
    };
    for (const EdgeCase& c : cases)
    {
        PlaceAt(c.position, xtpFlagAlignAny | xtpFlagFloating | c.dwExtraFlags);
        const CRect rc = WindowRect(m_pBar);
        const CPoint ptCentre = rc.CenterPoint();
        EXPECT_EQ(c.nTop, HitTest(CPoint(ptCentre.x, rc.top + 1))) << c.pszName << ": top";
        EXPECT_EQ(c.nBottom, HitTest(CPoint(ptCentre.x, rc.bottom - 2))) << c.pszName << ": bottom";
        EXPECT_EQ(c.nLeft, HitTest(CPoint(rc.left + 1, ptCentre.y))) << c.pszName << ": left";
        EXPECT_EQ(c.nRight, HitTest(CPoint(rc.right - 2, ptCentre.y))) << c.pszName << ": right";
    }
    const CRect rc = WindowRect(m_pBar);
    EXPECT_EQ(HTTOPLEFT, HitTest(rc.TopLeft()));
    EXPECT_EQ(HTBOTTOMRIGHT, HitTest(CPoint(rc.right - 1, rc.bottom - 1)));

    m_pBar->SetResizable(FALSE);
    EXPECT_EQ(HTCLIENT, HitTest(CPoint(rc.right - 2, rc.CenterPoint().y))) << "a bar that is not resizable";
}

TEST_F(DialogBarTest, DockedEdgesChangeOneClientDimension)
{
    const CRect rc = WindowRect(m_pBar);
    const CPoint ptRight(rc.right - 2, rc.CenterPoint().y);
    ResizeFrom(HTRIGHT, ptRight, ptRight + CSize(40, 17));
    EXPECT_EQ(CSize(190, 200), m_pBar->GetDockingClientSize()) << "the right edge changes only the width";
    EXPECT_EQ(CSize(150, 200), m_pBar->GetFloatingClientSize());
    EXPECT_EQ(rc.Width() + 40, WindowRect(m_pBar).Width());
    EXPECT_EQ(rc.Width() + 40, frame->GetPaneRect().left) << "the frame laid itself out";

    const CRect rcWide = WindowRect(m_pBar);
    const CPoint ptBottom(rcWide.CenterPoint().x, rcWide.bottom - 2);
    ResizeFrom(HTBOTTOM, ptBottom, ptBottom - CSize(0, 30));
    EXPECT_EQ(CSize(190, 170), m_pBar->GetDockingClientSize());

    ResizeFrom(HTBOTTOM, ptBottom, ptBottom - CSize(0, 200));
    EXPECT_EQ(CSize(190, 170), m_pBar->GetDockingClientSize()) << "below 50 client pixels is refused";
}

TEST_F(DialogBarTest, FloatingCornerResizesBothAndMovesTheBar)
{
    PlaceAt(xtpBarFloating);
    const CRect rc = WindowRect(m_pBar);
    EXPECT_EQ(CSize(156, 3 + kCaption + 200 + 3), rc.Size()) << "the floating client size";
    ResizeFrom(HTTOPLEFT, rc.TopLeft(), rc.TopLeft() - CSize(30, 20));
    EXPECT_EQ(CSize(180, 220), m_pBar->GetFloatingClientSize());
    EXPECT_EQ(CRect(rc.left - 30, rc.top - 20, rc.right, rc.bottom), WindowRect(m_pBar));
    EXPECT_EQ(CRect(3, 3 + kCaption, 183, 3 + kCaption + 220), RectInParent(&m_pane));
    EXPECT_EQ(CSize(150, 200), m_pBar->GetDockingClientSize());
}

TEST_F(DialogBarTest, CaptionOpensItsMenuOnlyWhenItHasOne)
{
    CXTPControlPopup* pCaption = (CXTPControlPopup*)Control(9399);
    const int nIndex = pCaption->GetIndex();
    m_pBar->SetPopuped(nIndex);
    EXPECT_FALSE(m_pBar->GetCaptionPopupBar()->IsTrackingMode()) << "nothing to open";
    EXPECT_TRUE(pCaption->OnSetPopup(TRUE));
    EXPECT_FALSE(m_pBar->GetCaptionPopupBar()->IsTrackingMode());
    m_pBar->SetPopuped(-1);

    ASSERT_TRUE(m_pBar->SetCaptionPopup(IDR_TEST_MENU));
    EXPECT_EQ(3, m_pBar->GetCaptionPopupBar()->GetControlCount()) << "the first submenu: New, Open, Exit";
    frame->RecalcLayout();
    ASSERT_TRUE(m_pBar->SetPopuped(nIndex));
    CXTPPopupBar* pMenu = m_pBar->GetCaptionPopupBar();
    EXPECT_TRUE(pMenu->IsTrackingMode());
    EXPECT_EQ(xtpPopupLeft | xtpPopupDown, pMenu->GetPopupFlags()) << "below the caption, right-aligned";
    XTPMouseManager()->SendTrackLost();

    m_pBar->EnableCaptionPopup(FALSE);
    frame->RecalcLayout();
    m_pBar->SetPopuped(nIndex);
    EXPECT_FALSE(pMenu->IsTrackingMode()) << "the menu switched off";
}

TEST_F(DialogBarTest, BarStateCarriesTheClientSizes)
{
    m_pBar->SetDockingClientSize(CSize(120, 90));
    m_pBar->SetFloatingClientSize(CSize(300, 250));
    CXTPBarInfo info;
    info.GetBarInfo(m_pBar);
    EXPECT_TRUE(info.m_bDialogBar);
    EXPECT_EQ(CSize(120, 90), info.m_szDialogBarDockingClient);
    EXPECT_EQ(CSize(300, 250), info.m_szDialogBarFloatingClient);

    info.m_szDialogBarDockingClient = CSize(80, 70);
    info.m_szDialogBarFloatingClient = CSize(10, 400);
    info.SetBarInfo(m_pBar);
    EXPECT_EQ(CSize(80, 70), m_pBar->GetDockingClientSize());
    EXPECT_EQ(CSize(300, 250), m_pBar->GetFloatingClientSize()) << "a size below the minimum is not taken";
}

// Client sizes from stored data that no screen shows are refused and the
// bar keeps its own: 2^31-1 gave a 0-pixel pane, 32768 a 32767-pixel window.
TEST_F(DialogBarTest, StoredClientSizesNoScreenShowsAreRefused)
{
    CRegistryTestApp app("Tidewatch Dialog Bar State Tests");
    const char* const kProfile = "DialogBarState";
    const CSize szPane = ClientSize(&m_pane);
    for (int nSide : {0x7FFFFFFF, 32768, -5})
    {
        app.WriteProfileInt("DialogBarState-Summary", "Bars", 1);
        app.WriteProfileInt("DialogBarState-Bar0", "BarID", kDialogBarID);
        app.WriteProfileInt("DialogBarState-Bar0", "DialogBar", 1);
        for (const char* pszKey : {"DialogBarDockingClientCx", "DialogBarDockingClientCy",
                                   "DialogBarFloatingClientCx", "DialogBarFloatingClientCy"})
            app.WriteProfileInt("DialogBarState-Bar0", pszKey, nSide);
        frame->m_pCommandBars->LoadBarState(kProfile);
        frame->RecalcLayout();
        EXPECT_EQ(CSize(150, 200), m_pBar->GetDockingClientSize()) << nSide;
        EXPECT_EQ(CSize(150, 200), m_pBar->GetFloatingClientSize()) << nSide;
        EXPECT_EQ(szPane, ClientSize(&m_pane)) << nSide;
    }
}

} // namespace
