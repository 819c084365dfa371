#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"
#include "framework/controls/CSplitterWnd.h"
#include "framework/window/ShownPanes.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
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

// Records which of its steps the splitter's own code calls: tracking ("start 201", "stop 1"),
// cursors ("cursor 0"), the tracker's rectangles, and the parts drawn ("bar", "border dc").
class CRecordingSplitter : public CThinSplitter
{
public:
    std::vector<CString> steps, drawn;
    std::vector<CRect> inverted;
    int band = 0;

    int CountDrawn(const char* part) const { return (int)std::count(drawn.begin(), drawn.end(), part); }

protected:
    void Step(const char* format, int n)
    {
        CString step;
        step.Format(format, n);
        steps.push_back(step);
    }
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override
    {
        drawn.push_back(CString(nType == splitBar      ? "bar"
                                : nType == splitBorder ? "border"
                                                       : "other")
                        + (pDC != NULL ? " dc" : ""));
        CThinSplitter::OnDrawSplitter(pDC, nType, rect);
    }
    void OnInvertTracker(const CRect& rect) override
    {
        inverted.push_back(rect);
        CThinSplitter::OnInvertTracker(rect);
    }
    void StartTracking(int ht) override
    {
        Step("start %d", ht);
        CThinSplitter::StartTracking(ht);
    }
    void StopTracking(BOOL bAccept) override
    {
        Step("stop %d", bAccept);
        CThinSplitter::StopTracking(bAccept);
    }
    void SetSplitCursor(int ht) override
    {
        Step("cursor %d", ht);
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
        pTree = (CView*)outer.GetPane(0, 0);
        pList = (CView*)nested.GetPane(0, 0);
        pPreview = (CView*)nested.GetPane(1, 0);
    }

    // The frame in front, where the focus can go.
    void BringFrameToFront()
    {
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }
    // Which window holds the focus and which view is the frame's active one ("focus list,
    // active tree"); the panes are the tree, the list and the preview.
    std::string Where()
    {
        auto name = [&](HWND hWnd) {
            return hWnd == pTree->m_hWnd      ? "tree"
                   : hWnd == pList->m_hWnd    ? "list"
                   : hWnd == pPreview->m_hWnd ? "preview"
                   : hWnd == outer.m_hWnd     ? "outer splitter"
                   : hWnd == nested.m_hWnd    ? "nested splitter"
                                              : "elsewhere";
        };
        return std::string("focus ") + name(::GetFocus()) + ", active "
               + name(frame->GetActiveView()->m_hWnd);
    }

    CRecordingSplitter outer;
    CThinSplitter nested;
    // The views in the panes: the tree left, the list over the preview right.
    CView* pTree = NULL;
    CView* pList = NULL;
    CView* pPreview = NULL;
};

TEST_F(SplitterTest, CreatesViewsFromRuntimeClasses)
{
    EXPECT_TRUE(nested.GetPane(1, 0)->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_EQ(&nested, outer.GetPane(0, 1));
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16, nested.IdFromRowCol(1, 0));
}

// The outer splitter fills the frame; its panes lie inside the 2-pixel border.
TEST_F(SplitterTest, PanesLieInsideTheBordersAtTheirIdealSizes)
{
    EXPECT_EQ(CRect(0, 0, 800, 600), RectInParent(&outer));
    EXPECT_EQ(CRect(2, 2, 177, 598), RectInParent(outer.GetPane(0, 0)));
    // The nested splitter has its own edge: it covers its border in the outer splitter.
    EXPECT_EQ(CRect(179, 0, 800, 600), RectInParent(&nested));
    // Inside it (1-pixel window border, then its own 2-pixel border) the list gets its ideal
    // height and the preview the rest.
    EXPECT_EQ(CRect(2, 2, 617, 202), RectInParent(nested.GetPane(0, 0)));
    EXPECT_EQ(CRect(2, 206, 617, 596), RectInParent(nested.GetPane(1, 0)));
}

TEST_F(SplitterTest, AWiderFrameWidensTheLastColumnOnly)
{
    CRect window;
    frame->GetWindowRect(window);
    frame->SetWindowPos(NULL, 0, 0, window.Width() + 100, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_EQ(175, RectInParent(outer.GetPane(0, 0)).Width());
    EXPECT_EQ(721, RectInParent(&nested).Width());
}

// The splitters tell which pane a window is; an occupied pane takes no new view.
TEST_F(SplitterTest, SplittersTellWhichPaneAWindowIs)
{
    int row = -1, col = -1;
    EXPECT_TRUE(nested.IsChildPane(nested.GetPane(1, 0), &row, &col));
    EXPECT_EQ(CPoint(0, 1), CPoint(col, row));
    EXPECT_FALSE(outer.IsChildPane(nested.GetPane(1, 0), &row, &col));
    EXPECT_FALSE(outer.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(10, 10), NULL));
    nested.SetActivePane(1, 0);
    EXPECT_EQ(nested.GetPane(1, 0), nested.GetActivePane(&row, &col));
}

// The pane commands as the frame's shortcuts send them: the focus steps through the panes in
// reading order, the nested splitter's in its place, and wraps at either end; a hidden pane is
// passed over.
TEST_F(SplitterTest, PaneCommandsMoveTheFocusThroughThePanes)
{
    CWnd* panes[] = {outer.GetPane(0, 0), nested.GetPane(0, 0), nested.GetPane(1, 0)};
    auto steps = [&](UINT nCommand, int nSteps) {
        std::vector<int> order;
        for (int i = 0; i < nSteps; i++)
        {
            frame->SendMessage(WM_COMMAND, nCommand);
            const HWND hFocus = ::GetFocus();
            order.push_back(hFocus == panes[0]->m_hWnd   ? 0
                            : hFocus == panes[1]->m_hWnd ? 1
                            : hFocus == panes[2]->m_hWnd ? 2
                                                         : -1);
        }
        return order;
    };
    panes[0]->SetFocus();
    EXPECT_EQ(std::vector<int>({1, 2, 0, 1}), steps(ID_NEXT_PANE, 4));
    EXPECT_EQ(std::vector<int>({0, 2, 1}), steps(ID_PREV_PANE, 3));
    EXPECT_TRUE(outer.CanActivateNext());
    panes[2]->ShowWindow(SW_HIDE);
    EXPECT_EQ(std::vector<int>({0, 1, 0}), steps(ID_NEXT_PANE, 3));
}

// A drag of the bar between the columns (it covers x 177..180 and is grabbed in its middle).
TEST_F(SplitterTest, DragsMoveTheBarWithinItsLimits)
{
    const struct
    {
        const char* name;
        int nMinimum, xTo;
        bool bEscape;
        int cxLeft, xNested;
    } rows[] = {
        {"a drag moves the bar", 0, 229, false, 225, 229},
        {"a release where the press was changes nothing", 0, 179, false, 175, 179},
        {"escape cancels the drag", 0, 400, true, 175, 179},
        {"the bar stays inside its neighbours", 0, 5000, false, 792, 796},
        {"a drag below the minimum collapses the pane", 100, 60, false, 0, 4},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        outer.SetColumnInfo(0, 175, row.nMinimum);
        outer.RecalcLayout();
        SendMouse(&outer, WM_LBUTTONDOWN, 179, 300);
        SendMouse(&outer, WM_MOUSEMOVE, row.xTo, 310);
        if (row.bEscape)
            outer.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        SendMouse(&outer, WM_LBUTTONUP, row.xTo, 310);
        int cur = 0, min = 0;
        outer.GetColumnInfo(0, cur, min);
        EXPECT_EQ(row.cxLeft, cur);
        EXPECT_EQ(row.xNested, RectInParent(&nested).left);
        EXPECT_EQ(NULL, ::GetCapture());
    }
}

// The bar goes where the button comes up, also when the last move reported another point (wine
// folds a last move into the release).
TEST_F(SplitterTest, TheBarGoesWhereTheButtonComesUp)
{
    SendMouse(&outer, WM_LBUTTONDOWN, 179, 300);
    SendMouse(&outer, WM_MOUSEMOVE, 229, 300);
    SendMouse(&outer, WM_LBUTTONUP, 279, 300);
    int cur = 0, min = 0;
    outer.GetColumnInfo(0, cur, min);
    EXPECT_EQ(275, cur);
}

// Rows of the nested splitter move the same way (its bar covers y 202..205).
TEST_F(SplitterTest, RowsOfTheNestedSplitterMoveTheSameWay)
{
    Drag(&nested, CPoint(300, 204), CPoint(300, 254));
    EXPECT_EQ(250, RectInParent(nested.GetPane(0, 0)).Height());
}

TEST_F(SplitterTest, TheDerivedSplittersStepsAreTheOnesCalled)
{
    outer.drawn.clear();
    outer.steps.clear();
    Drag(&outer, CPoint(179, 300), CPoint(229, 300));
    SendMouse(&outer, WM_MOUSEMOVE, 228, 100);
    SendMouse(&outer, WM_MOUSEMOVE, 100, 100);
    EXPECT_EQ((std::vector<CString>{"start 201", "cursor 201", "stop 1", "cursor 201", "cursor 0"}),
              outer.steps);
    // Shown at the start, moved once (hidden and shown), hidden at the end; each time the
    // tracker sits one pixel inside the gap.
    CRect before(178, 0, 182, 600), after(228, 0, 232, 600);
    EXPECT_EQ((std::vector<CRect>{before, before, after, after}), outer.inverted);
    // The new layout invalidates its bar through the drawing step without a DC.
    EXPECT_GE(outer.CountDrawn("bar"), 1);
}

TEST_F(SplitterTest, PaintingDrawsTheBarAndTheBordersWithADC)
{
    outer.drawn.clear();
    outer.Invalidate();
    outer.UpdateWindow();
    EXPECT_EQ(1, outer.CountDrawn("bar dc"));
    EXPECT_EQ(2, outer.CountDrawn("border dc"));
}

// Only the bar (x 177..180, the full height) is hit: 201 for it, 0 for none.
TEST_F(SplitterTest, HitTestsFindOnlyTheBars)
{
    CString hits;
    for (CPoint point :
         {CPoint(176, 300), CPoint(177, 300), CPoint(180, 0), CPoint(181, 300), CPoint(179, 600)})
        hits.AppendFormat("%d ", outer.HitTest(point));
    EXPECT_EQ(hits, "0 201 201 0 0 ");
    EXPECT_EQ(CSplitterWnd::vSplitterBar1, nested.HitTest(CPoint(300, 204)));
}

// The layout and the hit tests use the derived inside rectangle.
TEST_F(SplitterTest, LayoutAndHitTestsUseTheDerivedInsideRectangle)
{
    outer.band = 6;
    outer.RecalcLayout();
    EXPECT_EQ(CRect(2, 8, 177, 598), RectInParent(outer.GetPane(0, 0)));
    EXPECT_EQ(CSplitterWnd::noHit, outer.HitTest(CPoint(179, 3)));
    EXPECT_EQ(CSplitterWnd::hSplitterBar1, outer.HitTest(CPoint(179, 7)));
}

// A nested splitter stands for the panes it holds: it is the outer splitter's active pane while
// one of them is the active view, and activating it activates its first shown pane.
TEST_F(SplitterTest, ANestedSplitterStandsForThePanesItHolds)
{
    frame->SetActiveView(pList, FALSE);
    int row = -1, col = -1;
    EXPECT_EQ(&nested, outer.GetActivePane(&row, &col));
    EXPECT_EQ(CPoint(1, 0), CPoint(col, row));

    frame->SetActiveView(pTree, FALSE);
    outer.SetActivePane(0, 1);
    EXPECT_EQ(pList, frame->GetActiveView());
    EXPECT_EQ(&nested, outer.GetActivePane());
}

// A pane the layout leaves unseen keeps neither the frame's active view nor the focus: the first
// shown view takes the active view and the frame hands it the focus. A drag that leaves the pane
// shown gives it back the focus the drag took.
TEST_F(SplitterTest, AnUnseenPaneKeepsNeitherTheActiveViewNorTheFocus)
{
    BringFrameToFront();
    const struct
    {
        const char* name;
        CView* pActive;
        CView* pFocus;
        std::function<void()> change;
        const char* where;
    } rows[] = {
        {"the active row dragged shut", pList, pList,
         [&] { Drag(&nested, CPoint(300, 204), CPoint(300, 0)); }, "focus tree, active tree"},
        {"the focused row laid out shut", pList, pPreview,
         [&] {
             nested.SetRowInfo(0, 5000, 0);
             nested.RecalcLayout();
         },
         "focus list, active list"},
        {"a drag that leaves the pane shown", pTree, pTree,
         [&] { Drag(&outer, CPoint(179, 300), CPoint(229, 300)); }, "focus tree, active tree"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        outer.SetColumnInfo(0, 175, 0);
        nested.SetRowInfo(0, 200, 0);
        outer.RecalcLayout();
        nested.RecalcLayout();
        frame->SetActiveView(row.pActive, FALSE);
        row.pFocus->SetFocus();
        row.change();
        EXPECT_EQ(row.where, Where());
    }
}

} // namespace

// A splitter takes no keys but those of its own drag: the focus given to it goes on to its
// active pane when shown, else its first shown pane, else through the frame to the frame's
// active view; a nested splitter none of whose panes is in sight (dragged to a sliver at the
// frame's edge) is activated to no effect.
TEST_F(SplitterTest, TheFocusGivenToASplitterGoesOnToAView)
{
    BringFrameToFront();
    const struct
    {
        const char* name;
        CView* pActive;
        BOOL bNestedSliver;
        std::function<void()> act;
        const char* where;
    } rows[] = {
        {"the nested splitter focused", pTree, FALSE, [&] { nested.SetFocus(); }, "focus list, active list"},
        {"the nested splitter focused, its active pane the preview", pPreview, FALSE,
         [&] { nested.SetFocus(); }, "focus preview, active preview"},
        {"the outer splitter focused", pTree, FALSE, [&] { outer.SetFocus(); }, "focus tree, active tree"},
        {"the nested splitter focused out of sight", pTree, TRUE, [&] { nested.SetFocus(); },
         "focus tree, active tree"},
        {"the nested splitter activated out of sight", pTree, TRUE, [&] { outer.SetActivePane(0, 1); },
         "focus tree, active tree"},
        {"the next pane with the nested splitter out of sight", pTree, TRUE,
         [&] { frame->SendMessage(WM_COMMAND, ID_NEXT_PANE); }, "focus tree, active tree"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        // Out of sight: the first column takes all the room, the nested splitter's window is
        // its edge and 2 pixels of client area.
        outer.SetColumnInfo(0, row.bNestedSliver ? 5000 : 175, 0);
        outer.RecalcLayout();
        ASSERT_EQ(row.bNestedSliver, !IsShownInTopLevel(pList->m_hWnd));
        frame->SetActiveView(row.pActive, FALSE);
        pTree->SetFocus();
        row.act();
        EXPECT_EQ(row.where, Where());
    }
}

// The focus a drag takes stays with the splitter while the drag lasts: a real Escape ends it and
// leaves the bar where it was.
TEST_F(SplitterTest, EscapeTypedDuringADragCancelsIt)
{
    BringFrameToFront();
    outer.GetPane(0, 0)->SetFocus();
    SendMouse(&outer, WM_LBUTTONDOWN, 179, 300);
    SendMouse(&outer, WM_MOUSEMOVE, 300, 300);
    EXPECT_EQ(outer.m_hWnd, ::GetFocus());
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpPendingUntil([] { return ::GetCapture() == NULL; })) << "the drag goes on";
    int cur = 0, min = 0;
    outer.GetColumnInfo(0, cur, min);
    EXPECT_EQ(175, cur);
}
