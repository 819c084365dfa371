#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CToolBar.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

class CToolFrame : public CTestFrame
{
protected:
    afx_msg void OnUpdatePencil(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateFill(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnLine() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolFrame, CTestFrame)
ON_UPDATE_COMMAND_UI(ID_TOOL_PENCIL, OnUpdatePencil)
ON_UPDATE_COMMAND_UI(ID_TOOL_FILL, OnUpdateFill)
ON_COMMAND(ID_TOOL_LINE, OnLine)
END_MESSAGE_MAP()

class ToolBarTest : public FrameTest<CToolFrame>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(
            bar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS));
        bar.SetSizes(CSize(23, 23), CSize(16, 16));
        const UINT ids[] = {ID_TOOL_PENCIL, ID_TOOL_FILL, ID_TOOL_PICK, ID_TOOL_LINE};
        ASSERT_TRUE(bar.SetButtons(ids, 4));
    }

    CToolBar bar;
};

TEST_F(ToolBarTest, ButtonsComeFromIdsAndWrapIntoRows)
{
    EXPECT_EQ(2, bar.CommandToIndex(ID_TOOL_PICK));
    EXPECT_EQ((UINT)ID_TOOL_LINE, bar.GetItemID(3));
    EXPECT_NE(0u, bar.GetStyle() & TBSTYLE_TOOLTIPS);
    EXPECT_EQ(CSize(92, 23), bar.CalcFixedLayout(FALSE, TRUE));
    bar.SetButtonStyle(1, bar.GetButtonStyle(1) | TBBS_WRAPPED);
    EXPECT_EQ(CSize(46, 46), bar.CalcFixedLayout(FALSE, TRUE));
}

// The idle update enables and checks the buttons. Nobody handles the pick tool: disabled;
// the line tool has a command handler.
TEST_F(ToolBarTest, IdleUpdateEnablesAndChecksTheButtons)
{
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    CString states;
    for (UINT nID : {ID_TOOL_PENCIL, ID_TOOL_FILL, ID_TOOL_PICK, ID_TOOL_LINE})
        states += CString(bar.SendMessage(TB_ISBUTTONENABLED, nID) ? "e" : "-")
                  + (bar.SendMessage(TB_ISBUTTONCHECKED, nID) ? "c " : "- ");
    EXPECT_EQ(CString("-- -c -- e- "), states);
}

TEST_F(ToolBarTest, LoadsAToolbarResource)
{
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLS));
    const UINT ids[] = {bar.GetItemID(0), bar.GetItemID(1), bar.GetItemID(2), bar.GetItemID(3)};
    EXPECT_EQ((std::vector<UINT>{ID_TOOL_PENCIL, ID_SEPARATOR, ID_TOOL_FILL, ID_TOOL_PICK}),
              std::vector<UINT>(ids, ids + bar.GetCount()));
    EXPECT_NE(0u, bar.GetButtonStyle(1) & TBBS_SEPARATOR);
    // Buttons are the images plus 7 pixels each way.
    CRect item;
    bar.GetItemRect(0, item);
    EXPECT_EQ(CSize(23, 23), item.Size());
    // The bitmap's three images are the buttons' images.
    TBBUTTON button = {};
    bar.SendMessage(TB_GETBUTTON, 3, (LPARAM)&button);
    EXPECT_EQ(2, button.iBitmap);

    // A count beyond the resource's end is held to the ids it has; no bitmap, no success.
    EXPECT_FALSE(bar.LoadToolBar(IDR_BROKEN_TOOLS));
    EXPECT_EQ(1, bar.GetCount());
    EXPECT_FALSE(bar.LoadToolBar(0x7FF0));
}

} // namespace
