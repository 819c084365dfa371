#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CStatusBar.h"
#include <gtest/gtest.h>

namespace {

// A frame that updates the "Caps" pane from its handler.
class CStatusFrame : public CTestFrame
{
public:
    CString m_capsText = "CAPS";
    BOOL m_capsEnabled = TRUE;

protected:
    afx_msg void OnUpdateCaps(CCmdUI* pCmdUI)
    {
        pCmdUI->SetText(m_capsText);
        pCmdUI->Enable(m_capsEnabled);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusFrame, CTestFrame)
ON_UPDATE_COMMAND_UI(IDS_PANE_CAPS, OnUpdateCaps)
END_MESSAGE_MAP()

class StatusBarTest : public FrameTest<CStatusFrame, 800, 600>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(bar.Create(frame));
        const UINT indicators[] = {ID_SEPARATOR, IDS_PANE_CAPS, IDS_PANE_PROGRESS};
        ASSERT_TRUE(bar.SetIndicators(indicators, 3));
        frame->RecalcLayout();
        PumpPending();
    }

    // The pane's text as the bar keeps it and as the control shows it.
    CString Texts(int nIndex)
    {
        char text[256] = "";
        bar.SendMessage(SB_GETTEXT, nIndex, (LPARAM)text);
        return bar.GetPaneText(nIndex) + "|" + text;
    }

    int PaneWidth(int nIndex)
    {
        CRect rect;
        bar.GetItemRect(nIndex, rect);
        return rect.Width();
    }

    CStatusBar bar;
};

TEST_F(StatusBarTest, IndicatorsBecomePanes)
{
    EXPECT_EQ(3, bar.GetCount());
    EXPECT_EQ(-1, bar.CommandToIndex(0x7FFF));
    EXPECT_EQ((UINT)IDS_PANE_PROGRESS, bar.GetItemID(bar.CommandToIndex(IDS_PANE_PROGRESS)));
    EXPECT_EQ(CString("Caps|Caps"), Texts(1));
    EXPECT_EQ((UINT)(SBPS_STRETCH | SBPS_NOBORDERS), bar.GetPaneStyle(0));
}

TEST_F(StatusBarTest, BarSitsAtTheBottomAndKeepsAMinimumHeight)
{
    int cyBar = bar.CalcFixedLayout(TRUE, TRUE).cy;
    EXPECT_EQ(CRect(0, 600 - cyBar, 800, 600), RectInParent(&bar));
    bar.SendMessage(SB_SETMINHEIGHT, 40);
    frame->RecalcLayout();
    EXPECT_EQ(40, RectInParent(&bar).Height());
}

TEST_F(StatusBarTest, PaneRectanglesFollowTheBarsWidth)
{
    // The size grip (the frame is resizable) keeps its place at the right.
    CRect last;
    bar.GetItemRect(2, last);
    EXPECT_EQ(800 - ::GetSystemMetrics(SM_CXVSCROLL), last.right);
    // A pane is its text width and three 2-pixel edges wide, less the control's 2-pixel gap.
    bar.SetPaneInfo(2, IDS_PANE_PROGRESS, SBPS_NORMAL, 100);
    EXPECT_EQ(104, PaneWidth(2));

    int stretchBefore = PaneWidth(0);
    CRect window;
    frame->GetWindowRect(window);
    frame->SetWindowPos(NULL, 0, 0, window.Width() + 100, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_EQ(CPoint(stretchBefore + 100, 104), CPoint(PaneWidth(0), PaneWidth(2)));
}

TEST_F(StatusBarTest, IdleUpdateSetsThePanes)
{
    frame->m_capsText = "Ready 42";
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(CString("Ready 42|Ready 42"), Texts(1));
    // Panes without a handler keep their state (no disabling for want of a handler).
    EXPECT_EQ(0u, bar.GetPaneStyle(2) & SBPS_DISABLED);
    frame->m_capsEnabled = FALSE;
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_NE(0u, bar.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(CString("Ready 42|"), Texts(1));
}

// The message pane is the window text.
TEST_F(StatusBarTest, MessageTextSetsTheFirstPane)
{
    frame->SetMessageText("Checking news");
    EXPECT_EQ(CString("Checking news|Checking news"), Texts(0));
}

TEST_F(StatusBarTest, ShowsAndHidesAtIdleTime)
{
    bar.DelayShow(FALSE);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_TRUE(bar.IsWindowVisible());
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(bar.IsWindowVisible());
    // The frame laid out its children again: a pane now reaches the bottom.
    CWnd pane;
    ASSERT_TRUE(
        pane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST));
    frame->RecalcLayout();
    EXPECT_EQ(600, RectInParent(&pane).bottom);
    bar.DelayShow(TRUE);
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(RectInParent(&bar).top, RectInParent(&pane).bottom);
}

TEST(StatusBarEdges, StretchingPaneTakesWhatIsLeft)
{
    auto pane = [](int cx, UINT style) { return StatusBarPane{1, style, 0, cx, ""}; };
    const struct
    {
        const char* name;
        std::vector<StatusBarPane> panes;
        int cxClient, cxGrip;
        std::vector<int> edges;
    } cases[] = {
        {"stretch first", {pane(10, SBPS_STRETCH), pane(20, 0), pane(30, 0)}, 200, 0, {138, 164, 200}},
        {"grip kept free", {pane(10, SBPS_STRETCH), pane(20, 0)}, 200, 16, {158, 184}},
        {"too narrow", {pane(10, SBPS_STRETCH), pane(20, 0)}, 30, 0, {16, 42}},
        {"no stretch", {pane(10, 0), pane(20, 0)}, 200, 0, {16, 42}},
        {"only the first stretches", {pane(0, SBPS_STRETCH), pane(0, SBPS_STRETCH)}, 100, 0, {94, 100}},
        {"no panes", {}, 100, 0, {}},
    };
    for (const auto& c : cases)
    {
        std::vector<int> edges;
        CStatusBar::CalcPaneEdges(c.panes, c.cxClient, c.cxGrip, 2, edges);
        EXPECT_EQ(c.edges, edges) << c.name;
    }
}

} // namespace
