#include "tests/support/TestWindow.h"
#include "framework/controls/CCtrlView.h"
#include "framework/controls/CSplitterWnd.h"
#include <gtest/gtest.h>

namespace {

// A tree view that takes its own selection changes (reflected back from the parent).
class CReflectingTreeView : public CTreeView
{
    DECLARE_DYNCREATE(CReflectingTreeView)
public:
    int m_nSelChanges = 0;

protected:
    afx_msg void OnSelChanged(NMHDR*, LRESULT*) { m_nSelChanges++; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CReflectingTreeView, CTreeView)
BEGIN_MESSAGE_MAP(CReflectingTreeView, CTreeView)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
END_MESSAGE_MAP()

// A frame that hears of selection changes in the panes of its splitter.
class CListeningFrame : public CTestFrame
{
public:
    int m_nFirstPane = 0;
    int m_nSecondPane = 0;

protected:
    afx_msg void OnFirstPaneSelChanged(NMHDR*, LRESULT*) { m_nFirstPane++; }
    afx_msg void OnSecondPaneSelChanged(NMHDR*, LRESULT*) { m_nSecondPane++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CListeningFrame, CTestFrame)
ON_NOTIFY(TVN_SELCHANGEDA, AFX_IDW_PANE_FIRST, OnFirstPaneSelChanged)
ON_NOTIFY(TVN_SELCHANGEDA, AFX_IDW_PANE_FIRST + 1, OnSecondPaneSelChanged)
END_MESSAGE_MAP()

// Selects a new item of a tree view pane.
void SelectNewItem(CWnd* pPane)
{
    CTreeCtrl& tree = ((CTreeView*)pPane)->GetTreeCtrl();
    tree.SelectItem(tree.InsertItem("item"));
}

class CtrlViewTest : public FrameTest<CListeningFrame>
{};

TEST_F(CtrlViewTest, TreeViewsTakeTheirNotificationsOrPassThemOn)
{
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(frame, 1, 2));
    ASSERT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(CReflectingTreeView), CSize(150, 100), NULL));
    ASSERT_TRUE(splitter.CreateView(0, 1, RUNTIME_CLASS(CTreeView), CSize(0, 0), NULL));
    frame->RecalcLayout();
    SelectNewItem(splitter.GetPane(0, 0));
    EXPECT_EQ(1, ((CReflectingTreeView*)splitter.GetPane(0, 0))->m_nSelChanges);
    EXPECT_EQ(0, frame->m_nFirstPane);
    // A pane without a handler of its own: the splitter hands the notification to the frame.
    SelectNewItem(splitter.GetPane(0, 1));
    EXPECT_EQ(1, frame->m_nSecondPane);
}

// A list view is its control; the frame's views have a sunken edge instead of a flat border.
TEST_F(CtrlViewTest, ListViewIsItsControlWithASunkenEdge)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CListView);
    CListView* pList = (CListView*)frame->CreateView(&context, AFX_IDW_PANE_FIRST + 2);
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(0, pList->GetListCtrl().InsertItem(0, "Keyword"));
    EXPECT_NE(0u, pList->GetExStyle() & WS_EX_CLIENTEDGE);
}

} // namespace
