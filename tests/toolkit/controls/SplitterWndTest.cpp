#include "tests/toolkit/controls/ScopedThemes.h"
#include "toolkit/controls/XTSplitterWnd.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "NotifyRecorderWnd.h"
#include <gtest/gtest.h>

namespace {

// The panes' view; counts its initial updates.
class CSplitterPaneView : public CView
{
    DECLARE_DYNCREATE(CSplitterPaneView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { initialUpdates++; }
    static int initialUpdates;
};
IMPLEMENT_DYNCREATE(CSplitterPaneView, CView)
int CSplitterPaneView::initialUpdates = 0;

// A view whose window cannot be created; counts its destructions.
class CSplitterFailingView : public CView
{
    DECLARE_DYNCREATE(CSplitterFailingView)
public:
    ~CSplitterFailingView() override { destroyed++; }
    void OnDraw(CDC*) override {}
    static int destroyed;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CSplitterFailingView, CView)
BEGIN_MESSAGE_MAP(CSplitterFailingView, CView)
ON_WM_CREATE()
END_MESSAGE_MAP()
int CSplitterFailingView::destroyed = 0;

// The main window's splitters: bars and gaps of 4, border 2, nothing shared,
// flat, no full drag, style no-full-drag | plain border.
class CMainFrameSplitter : public CXTSplitterWnd
{
public:
    CMainFrameSplitter()
    {
        m_cxSplitter = m_cySplitter = 4;
        m_cxSplitterGap = m_cySplitterGap = 4;
        m_cxBorderShare = m_cyBorderShare = 0;
        m_cxBorder = m_cyBorder = 2;
        m_bFlatLook = TRUE;
        SetFullDrag(FALSE);
        m_dwSplitterStyle = SplitterNoFullDrag | SplitterPlainBorder;
    }
    // Full drag for the live-resize cases.
    void AllowFullDrag()
    {
        m_dwSplitterStyle &= ~SplitterNoFullDrag;
        SetFullDrag(TRUE);
    }
};

// The main window's client area in an 800 x 600 frame: a 1 x 2 splitter whose
// right pane is a 2 x 1 splitter with the list over the preview.
class XTSplitterTest : public FrameTest<CTestFrame, 800, 600>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(outer.CreateStatic(frame, 1, 2));
        ASSERT_TRUE(outer.CreateView(0, 0, RUNTIME_CLASS(CSplitterPaneView), CSize(175, 400), NULL));
        ASSERT_TRUE(
            nested.CreateStatic(&outer, 2, 1, WS_CHILD | WS_VISIBLE | WS_BORDER, outer.IdFromRowCol(0, 1)));
        ASSERT_TRUE(nested.CreateView(0, 0, RUNTIME_CLASS(CSplitterPaneView), CSize(375, 200), NULL));
        ASSERT_TRUE(nested.CreateView(1, 0, RUNTIME_CLASS(CListView), CSize(0, 0), NULL));
        frame->RecalcLayout();
        PumpPending();
        tree = outer.GetPane(0, 0);
        list = nested.GetPane(0, 0);
        preview = nested.GetPane(1, 0);
    }

    // "row,col visible" of a pane of the splitter from its id.
    static std::string Place(CSplitterWnd& splitter, CWnd* pPane)
    {
        int id = pPane->GetDlgCtrlID() - splitter.IdFromRowCol(0, 0);
        std::string place = id < 0 ? "no id" : std::to_string(id / 16) + "," + std::to_string(id % 16);
        return place + (pPane->IsWindowVisible() ? " shown" : " hidden");
    }

    CMainFrameSplitter outer;
    CMainFrameSplitter nested;
    CWnd* tree = nullptr;
    CWnd* list = nullptr;
    CWnd* preview = nullptr;
};

} // namespace

TEST_F(XTSplitterTest, HidesAndShowsAColumnAndWrapsTheActivePane)
{
    // Hiding the last column, the active one, wraps the active pane to the
    // first; hiding the other column then shows the hidden one first.
    nested.SetFocus();
    ASSERT_EQ(&nested, outer.GetActivePane());
    outer.HideColumn(1);
    EXPECT_EQ(tree, outer.GetActivePane());
    outer.HideColumn(0);
    EXPECT_EQ(0, outer.GetHiddenColumn());
    EXPECT_EQ("0,2 hidden 0,0 shown", Place(outer, tree) + " " + Place(outer, &nested));
    outer.ShowColumn();

    frame->SetActiveView((CView*)tree);
    outer.HideColumn(0);
    EXPECT_EQ(std::make_pair(0, 1), std::make_pair(outer.GetHiddenColumn(), outer.GetColumnCount()));
    // The tree parked past the visible columns; the other column takes the room and the active pane.
    EXPECT_EQ("0,2 hidden 0,0 shown", Place(outer, tree) + " " + Place(outer, &nested));
    EXPECT_EQ(CRect(0, 0, 800, 600), RectInParent(&nested));
    EXPECT_EQ(&nested, outer.GetActivePane());

    // Hiding it again changes nothing; showing brings back ids and sizes.
    outer.HideColumn(0);
    outer.ShowColumn();
    EXPECT_EQ(std::make_pair(-1, 2), std::make_pair(outer.GetHiddenColumn(), outer.GetColumnCount()));
    EXPECT_EQ("0,0 shown 0,1 shown", Place(outer, tree) + " " + Place(outer, &nested));
    EXPECT_EQ(CRect(2, 2, 177, 598), RectInParent(tree));
    // Nothing hidden: showing does nothing.
    outer.ShowColumn();
    EXPECT_EQ(2, outer.GetColumnCount());
}

TEST_F(XTSplitterTest, HidesAndShowsARowButNeverTheLast)
{
    nested.HideRow(0);
    EXPECT_EQ(1, nested.GetRowCount());
    EXPECT_EQ("2,0 hidden 0,0 shown", Place(nested, list) + " " + Place(nested, preview));
    nested.ShowRow();
    EXPECT_EQ(2, nested.GetRowCount());
    EXPECT_EQ("0,0 shown 1,0 shown", Place(nested, list) + " " + Place(nested, preview));
    EXPECT_EQ(200, RectInParent(list).Height());

    // A splitter of one column keeps it.
    nested.HideColumn(0);
    EXPECT_EQ(-1, nested.GetHiddenColumn());
    EXPECT_TRUE(list->IsWindowVisible());
}

TEST_F(XTSplitterTest, FullDragMovesThePanesAtEveryMouseMove)
{
    outer.AllowFullDrag();
    SendMouse(outer, WM_LBUTTONDOWN, CPoint(179, 300));
    SendMouse(outer, WM_MOUSEMOVE, CPoint(209, 300));
    int nDuring = RectInParent(tree).Width();
    SendMouse(outer, WM_MOUSEMOVE, CPoint(239, 300));
    SendMouse(outer, WM_LBUTTONUP, CPoint(239, 300));
    // Moved before the button is released.
    EXPECT_EQ(std::make_pair(205, 235), std::make_pair(nDuring, RectInParent(tree).Width()));
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(XTSplitterTest, FullDragWithTheDefaultFlatBarsDoesNotCreep)
{
    outer.EnableFlatLook(FALSE);
    EXPECT_EQ(CSize(7, 7), outer.GetSplitterGapSize());
    // Bars and gaps of 6: the bar covers x 177..182 and is held at 180.
    outer.EnableFlatLook(TRUE);
    EXPECT_EQ(CSize(6, 6), outer.GetSplitterGapSize());
    outer.AllowFullDrag();
    SendMouse(outer, WM_LBUTTONDOWN, CPoint(180, 300));
    for (int i = 0; i < 5; i++)
        SendMouse(outer, WM_MOUSEMOVE, CPoint(180, 300));
    EXPECT_EQ(175, RectInParent(tree).Width()) << "moves that do not move the mouse leave the bar";
    SendMouse(outer, WM_MOUSEMOVE, CPoint(200, 300));
    SendMouse(outer, WM_LBUTTONUP, CPoint(200, 300));
    EXPECT_EQ(195, RectInParent(tree).Width());
}

TEST_F(XTSplitterTest, OnlyADragWithoutFullDragShowsAnInvertedBand)
{
    // What the splitter shows, its panes included.
    auto pixel = [this](int x, int y) {
        HDC hDC = ::GetDCEx(outer.m_hWnd, NULL, DCX_CACHE | DCX_CLIPSIBLINGS);
        COLORREF clr = ::GetPixel(hDC, x, y);
        ::ReleaseDC(outer.m_hWnd, hDC);
        return clr;
    };
    // The tracker of a drag to x 231 covers x 230..233, over the preview pane.
    COLORREF before = pixel(231, 300);
    SendMouse(outer, WM_LBUTTONDOWN, CPoint(179, 300));
    SendMouse(outer, WM_MOUSEMOVE, CPoint(231, 300));
    EXPECT_EQ(before ^ 0xFFFFFF, pixel(231, 300));
    SendMouse(outer, WM_LBUTTONUP, CPoint(231, 300));
    EXPECT_EQ(before, pixel(227, 300)) << "the tracker is gone, the tree pane is there";
    EXPECT_TRUE(outer.GetStyle() & WS_CLIPCHILDREN) << "clipping is back after the drag";

    // With full drag the panes move at once and the bar between them shows
    // its face colour, not an inverted band.
    outer.AllowFullDrag();
    SendMouse(outer, WM_LBUTTONDOWN, CPoint(231, 300));
    SendMouse(outer, WM_MOUSEMOVE, CPoint(283, 300));
    PumpPending();
    EXPECT_EQ(CXTSplitterWnd::GetTheme()->m_clrSplitterFace, pixel(281, 300));
    SendMouse(outer, WM_LBUTTONUP, CPoint(283, 300));
}

TEST_F(XTSplitterTest, FixedStyleAnswersEveryHitTestWithABorder)
{
    CRect window;
    outer.GetWindowRect(window);
    LPARAM onBar = MAKELPARAM(window.left + 179, window.top + 300);
    EXPECT_EQ(HTCLIENT, outer.SendMessage(WM_NCHITTEST, 0, onBar));
    outer.SetSplitterStyle(SplitterFixed);
    EXPECT_EQ(HTBORDER, outer.SendMessage(WM_NCHITTEST, 0, onBar));
    EXPECT_FALSE(outer.IsFullDrag()) << "full drag follows the system unless fixed off";
    // A splitter's defaults: flat bars of 6 without full drag.
    CXTSplitterWnd plain;
    EXPECT_EQ(std::make_pair(CSize(6, 6), (DWORD)SplitterNoFullDrag),
              std::make_pair(plain.GetSplitterBarSize(), (DWORD)plain.GetSplitterStyle()));
}

TEST_F(XTSplitterTest, ReplaceViewPutsANewViewInThePane)
{
    int updates = CSplitterPaneView::initialUpdates;
    CView* pOld = nested.ReplaceView(1, 0, RUNTIME_CLASS(CSplitterPaneView));
    ASSERT_EQ(preview, pOld);
    CWnd* pNew = nested.GetPane(1, 0);
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(CSplitterPaneView))
                && CSplitterPaneView::initialUpdates == updates + 1);
    EXPECT_EQ("no id hidden", Place(nested, pOld));
    EXPECT_EQ(RectInParent(list).right, RectInParent(pNew).right);
    pOld->DestroyWindow();

    // A view of the class already there is not replaced, nor one by a class
    // that is no view; a view that fails to be created is freed.
    EXPECT_EQ(nullptr, nested.ReplaceView(1, 0, RUNTIME_CLASS(CSplitterPaneView)));
    EXPECT_EQ(nullptr, nested.ReplaceView(1, 0, RUNTIME_CLASS(CWnd)));
    int destroyed = CSplitterFailingView::destroyed;
    EXPECT_EQ(nullptr, nested.ReplaceView(1, 0, RUNTIME_CLASS(CSplitterFailingView)));
    EXPECT_EQ(destroyed + 1, CSplitterFailingView::destroyed);
    EXPECT_EQ("1,0 shown", Place(nested, pNew));
}

TEST_F(XTSplitterTest, SwitchAndExchangeViews)
{
    CSplitterPaneView* pSpare = new CSplitterPaneView;
    ASSERT_TRUE(pSpare->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 0, 0), &nested, 0));

    EXPECT_EQ(preview, nested.SwitchView(1, 0, pSpare));
    EXPECT_EQ("1,0 shown", Place(nested, pSpare));
    EXPECT_EQ("no id hidden", Place(nested, preview));
    EXPECT_EQ(RectInParent(list).right, RectInParent(pSpare).right);
    EXPECT_EQ(nullptr, nested.SwitchView(1, 0, pSpare));

    EXPECT_TRUE(nested.ExchangeView(0, 0, pSpare));
    EXPECT_EQ("0,0 shown 1,0 shown", Place(nested, pSpare) + " " + Place(nested, list));
    EXPECT_EQ(200, RectInParent(pSpare).Height());
    EXPECT_FALSE(nested.ExchangeView(0, 0, pSpare));
}

TEST(XTSplitterTheme, FactoryMakesTheThemeOfTheId)
{
    EXPECT_EQ("CXTSplitterTheme 0|CXTSplitterThemeOffice2003 2|",
              ThemesMade<CXTSplitterThemeFactory>({0, 2}));
}

TEST(XTSplitterTheme, Office2003TakesTheSchemeColoursUnlessTheyAreOff)
{
    CXTSplitterThemeOffice2003 theme;
    COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE), clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    struct Row
    {
        int scheme;
        BOOL disabled;
        std::pair<COLORREF, COLORREF> expected; // face, border
    } rows[] = {
        {xtpSystemThemeBlue, FALSE, {RGB(216, 231, 252), RGB(158, 190, 245)}},
        {xtpSystemThemeOlive, FALSE, {RGB(226, 231, 191), RGB(171, 192, 138)}},
        {xtpSystemThemeSilver, FALSE, {RGB(223, 223, 234), RGB(177, 176, 195)}},
        {xtpSystemThemeBlue, TRUE, {clrFace, clrShadow}},
        {xtpSystemThemeNone, FALSE, {clrFace, clrShadow}},
    };
    for (const Row& row : rows)
    {
        CScopedColorScheme scheme(row.scheme, row.disabled);
        theme.RefreshMetrics();
        EXPECT_EQ(row.expected, std::make_pair(theme.m_clrSplitterFace, theme.m_clrSplitterBorder))
            << row.scheme << " " << row.disabled;
    }
}

using XTSplitterWndExTest = FrameTest<CTestFrame, 400, 300>;

TEST_F(XTSplitterWndExTest, ReservesTheTopBandAndUsesThinBars)
{
    CXTSplitterWndEx splitter;
    ASSERT_TRUE(splitter.CreateStatic(frame, 1, 2));
    ASSERT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(CSplitterPaneView), CSize(100, 0), NULL));
    ASSERT_TRUE(splitter.CreateView(0, 1, RUNTIME_CLASS(CSplitterPaneView), CSize(0, 0), NULL));
    frame->RecalcLayout();
    EXPECT_EQ(CSize(4, 4), splitter.GetSplitterBarSize());
    EXPECT_EQ(CRect(0, 6, 100, 300), RectInParent(splitter.GetPane(0, 0)));
    EXPECT_EQ(CRect(104, 6, 400, 300), RectInParent(splitter.GetPane(0, 1)));
    splitter.SetTopBand(TRUE, 10);
    splitter.RecalcLayout();
    EXPECT_EQ(10, RectInParent(splitter.GetPane(0, 0)).top);
    splitter.DestroyWindow();
}
