#include "tests/support/TestWindow.h"
#include "framework/controls/CSplitterWnd.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

// The look of the program's splitters: thin bars, a 2-pixel border, no shared border.
class CThinSplitter : public CSplitterWnd
{
public:
    CThinSplitter()
    {
        m_cxSplitter = m_cySplitter = 4;
        m_cxSplitterGap = m_cySplitterGap = 4;
        m_cxBorderShare = m_cyBorderShare = 0;
        m_cxBorder = m_cyBorder = 2;
    }
    using CSplitterWnd::HitTest;
};

// Records which of its steps the splitter's own code calls.
class CRecordingSplitter : public CThinSplitter
{
public:
    struct Drawn
    {
        ESplitType type;
        bool withDC;
    };
    std::vector<Drawn> drawn;
    std::vector<CRect> inverted;
    std::vector<int> started;
    std::vector<BOOL> stopped;
    std::vector<int> cursors;
    int band = 0;

    int CountDrawn(ESplitType type, bool withDC) const
    {
        int n = 0;
        for (const Drawn& d : drawn)
            n += (d.type == type && d.withDC == withDC) ? 1 : 0;
        return n;
    }

protected:
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override
    {
        drawn.push_back({nType, pDC != NULL});
        CThinSplitter::OnDrawSplitter(pDC, nType, rect);
    }
    void OnInvertTracker(const CRect& rect) override
    {
        inverted.push_back(rect);
        CThinSplitter::OnInvertTracker(rect);
    }
    void StartTracking(int ht) override
    {
        started.push_back(ht);
        CThinSplitter::StartTracking(ht);
    }
    void StopTracking(BOOL bAccept) override
    {
        stopped.push_back(bAccept);
        CThinSplitter::StopTracking(bAccept);
    }
    void SetSplitCursor(int ht) override
    {
        cursors.push_back(ht);
        CThinSplitter::SetSplitCursor(ht);
    }
    void GetInsideRect(CRect& rect) const override
    {
        CThinSplitter::GetInsideRect(rect);
        rect.top += band;
    }
};

void SendMouse(CWnd* pWnd, UINT message, int x, int y)
{
    pWnd->SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

void Drag(CWnd* pWnd, CPoint from, CPoint to)
{
    SendMouse(pWnd, WM_LBUTTONDOWN, from.x, from.y);
    SendMouse(pWnd, WM_MOUSEMOVE, to.x, to.y);
    SendMouse(pWnd, WM_LBUTTONUP, to.x, to.y);
}

// The main window's client area: a 1 x 2 splitter whose right pane is a 2 x 1 splitter, in a
// frame with an 800 x 600 client area.
class SplitterTest : public FrameTest<CTestFrame, 800, 600>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(outer.CreateStatic(frame, 1, 2));
        ASSERT_TRUE(outer.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(175, 400), NULL));
        ASSERT_TRUE(
            nested.CreateStatic(&outer, 2, 1, WS_CHILD | WS_VISIBLE | WS_BORDER, outer.IdFromRowCol(0, 1)));
        ASSERT_TRUE(nested.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(375, 200), NULL));
        ASSERT_TRUE(nested.CreateView(1, 0, RUNTIME_CLASS(CPaneView), CSize(0, 0), NULL));
        frame->RecalcLayout();
        PumpPending();
    }

    CRecordingSplitter outer;
    CThinSplitter nested;
};

TEST_F(SplitterTest, CreatesViewsFromRuntimeClassesAtTheirIdealSizes)
{
    CWnd* pTree = outer.GetPane(0, 0);
    ASSERT_NE(nullptr, pTree);
    EXPECT_TRUE(pTree->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_EQ(&nested, outer.GetPane(0, 1));
    EXPECT_TRUE(nested.GetPane(0, 0)->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_TRUE(nested.GetPane(1, 0)->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 1, outer.IdFromRowCol(0, 1));
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16, nested.IdFromRowCol(1, 0));

    // The outer splitter fills the frame; its panes lie inside the 2-pixel border.
    EXPECT_EQ(CRect(0, 0, 800, 600), RectInParent(&outer));
    EXPECT_EQ(CRect(2, 2, 177, 598), RectInParent(pTree));
    // The nested splitter has its own edge: it covers its border in the outer splitter.
    EXPECT_EQ(CRect(179, 0, 800, 600), RectInParent(&nested));
    // Inside it (1-pixel window border, then its own 2-pixel border) the list gets its ideal
    // height and the preview the rest.
    EXPECT_EQ(CRect(2, 2, 617, 202), RectInParent(nested.GetPane(0, 0)));
    EXPECT_EQ(CRect(2, 206, 617, 596), RectInParent(nested.GetPane(1, 0)));

    int cur = 0, min = 0;
    outer.GetColumnInfo(1, cur, min);
    EXPECT_EQ(617, cur);
}

TEST_F(SplitterTest, FollowsTheFrameSize)
{
    CRect window;
    frame->GetWindowRect(window);
    frame->SetWindowPos(NULL, 0, 0, window.Width() + 100, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_EQ(175, RectInParent(outer.GetPane(0, 0)).Width());
    EXPECT_EQ(721, RectInParent(&nested).Width());
}

TEST_F(SplitterTest, MovesABarByADrag)
{
    // The bar between the columns covers x 177..180; it is grabbed in its middle.
    EXPECT_EQ(CSplitterWnd::hSplitterBar1, outer.HitTest(CPoint(179, 300)));
    Drag(&outer, CPoint(179, 300), CPoint(229, 300));
    EXPECT_EQ(CRect(2, 2, 227, 598), RectInParent(outer.GetPane(0, 0)));
    EXPECT_EQ(CRect(229, 0, 800, 600), RectInParent(&nested));

    // Rows of the nested splitter move the same way (its bar covers y 202..205).
    Drag(&nested, CPoint(300, 204), CPoint(300, 254));
    EXPECT_EQ(250, RectInParent(nested.GetPane(0, 0)).Height());
}

TEST_F(SplitterTest, ReleasingWhereThePressWasChangesNothing)
{
    Drag(&outer, CPoint(179, 300), CPoint(179, 310));
    EXPECT_EQ(175, RectInParent(outer.GetPane(0, 0)).Width());
}

TEST_F(SplitterTest, EscapeCancelsADrag)
{
    SendMouse(&outer, WM_LBUTTONDOWN, 179, 300);
    SendMouse(&outer, WM_MOUSEMOVE, 400, 300);
    outer.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    SendMouse(&outer, WM_LBUTTONUP, 400, 300);
    EXPECT_EQ(175, RectInParent(outer.GetPane(0, 0)).Width());
    ASSERT_EQ(1u, outer.stopped.size());
    EXPECT_FALSE(outer.stopped[0]);
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(SplitterTest, ABarStaysInsideItsNeighbours)
{
    Drag(&outer, CPoint(179, 300), CPoint(5000, 300));
    int cur = 0, min = 0;
    outer.GetColumnInfo(0, cur, min);
    EXPECT_EQ(792, cur);
    outer.GetColumnInfo(1, cur, min);
    EXPECT_EQ(0, cur);
}

TEST_F(SplitterTest, ADragBelowTheMinimumCollapsesThePane)
{
    outer.SetColumnInfo(0, 175, 100);
    Drag(&outer, CPoint(179, 300), CPoint(60, 300));
    int cur = 0, min = 0;
    outer.GetColumnInfo(0, cur, min);
    EXPECT_EQ(0, cur);
    // The right column starts right after the gap: the nested splitter's edge lies over it.
    EXPECT_EQ(4, RectInParent(&nested).left);
}

TEST_F(SplitterTest, TheDerivedSplittersStepsAreTheOnesCalled)
{
    outer.drawn.clear();
    Drag(&outer, CPoint(179, 300), CPoint(229, 300));
    ASSERT_EQ(1u, outer.started.size());
    EXPECT_EQ(CSplitterWnd::hSplitterBar1, outer.started[0]);
    ASSERT_EQ(1u, outer.stopped.size());
    EXPECT_TRUE(outer.stopped[0]);
    // Shown at the start, moved once (hidden and shown), hidden at the end; each time the
    // tracker sits one pixel inside the gap.
    ASSERT_EQ(4u, outer.inverted.size());
    EXPECT_EQ(CRect(178, 0, 182, 600), outer.inverted[0]);
    EXPECT_EQ(outer.inverted[0], outer.inverted[1]);
    EXPECT_EQ(CRect(228, 0, 232, 600), outer.inverted[2]);
    EXPECT_EQ(outer.inverted[2], outer.inverted[3]);
    // The new layout invalidates its bar through the drawing step without a DC.
    EXPECT_GE(outer.CountDrawn(CSplitterWnd::splitBar, false), 1);

    outer.drawn.clear();
    outer.Invalidate();
    outer.UpdateWindow();
    EXPECT_EQ(1, outer.CountDrawn(CSplitterWnd::splitBar, true));
    EXPECT_EQ(2, outer.CountDrawn(CSplitterWnd::splitBorder, true));

    outer.cursors.clear();
    SendMouse(&outer, WM_MOUSEMOVE, 228, 100);
    SendMouse(&outer, WM_MOUSEMOVE, 100, 100);
    EXPECT_EQ((std::vector<int>{CSplitterWnd::hSplitterBar1, CSplitterWnd::noHit}), outer.cursors);
}

TEST_F(SplitterTest, TheLayoutUsesTheDerivedInsideRectangle)
{
    outer.band = 6;
    outer.RecalcLayout();
    EXPECT_EQ(CRect(2, 8, 177, 598), RectInParent(outer.GetPane(0, 0)));
    EXPECT_EQ(CSplitterWnd::noHit, outer.HitTest(CPoint(179, 3)));
    EXPECT_EQ(CSplitterWnd::hSplitterBar1, outer.HitTest(CPoint(179, 7)));
}

TEST_F(SplitterTest, HitTestsFindBarsOnly)
{
    const struct
    {
        CPoint point;
        int hit;
    } cases[] = {
        {CPoint(176, 300), CSplitterWnd::noHit},       {CPoint(177, 300), CSplitterWnd::hSplitterBar1},
        {CPoint(180, 0), CSplitterWnd::hSplitterBar1}, {CPoint(181, 300), CSplitterWnd::noHit},
        {CPoint(1, 1), CSplitterWnd::noHit},           {CPoint(179, 600), CSplitterWnd::noHit},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.hit, outer.HitTest(c.point)) << c.point.x << "," << c.point.y;
    EXPECT_EQ(CSplitterWnd::vSplitterBar1, nested.HitTest(CPoint(300, 204)));
}

TEST_F(SplitterTest, TellsWhichPaneAWindowIs)
{
    int row = -1, col = -1;
    EXPECT_TRUE(nested.IsChildPane(nested.GetPane(1, 0), &row, &col));
    EXPECT_EQ(1, row);
    EXPECT_EQ(0, col);
    EXPECT_FALSE(outer.IsChildPane(nested.GetPane(1, 0), &row, &col));
    EXPECT_FALSE(outer.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(10, 10), NULL));

    nested.SetActivePane(1, 0);
    EXPECT_EQ(nested.GetPane(1, 0), nested.GetActivePane(&row, &col));
}

} // namespace
