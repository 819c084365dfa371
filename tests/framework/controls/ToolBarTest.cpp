#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CToolBar.h"
#include <gtest/gtest.h>

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

    BOOL Enabled(UINT nID) { return (BOOL)bar.SendMessage(TB_ISBUTTONENABLED, nID); }
    BOOL Checked(UINT nID) { return (BOOL)bar.SendMessage(TB_ISBUTTONCHECKED, nID); }

    CToolBar bar;
};

TEST_F(ToolBarTest, ButtonsFromIds)
{
    EXPECT_EQ(4, bar.GetCount());
    EXPECT_EQ(2, bar.CommandToIndex(ID_TOOL_PICK));
    EXPECT_EQ((UINT)ID_TOOL_LINE, bar.GetItemID(3));
    EXPECT_NE(0u, bar.GetStyle() & TBSTYLE_TOOLTIPS);
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);
}

TEST_F(ToolBarTest, WrappedButtonsMakeRows)
{
    CSize oneRow = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(4 * 23, oneRow.cx);
    EXPECT_EQ(23, oneRow.cy);
    bar.SetButtonStyle(1, bar.GetButtonStyle(1) | TBBS_WRAPPED);
    EXPECT_NE(0u, bar.GetButtonStyle(1) & TBBS_WRAPPED);
    CSize twoRows = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(2 * 23, twoRows.cx);
    EXPECT_EQ(2 * 23, twoRows.cy);
}

TEST_F(ToolBarTest, IdleUpdateEnablesAndChecksButtons)
{
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(Enabled(ID_TOOL_PENCIL));
    EXPECT_TRUE(Checked(ID_TOOL_FILL));
    // Nobody handles the pick tool: disabled; the line tool has a command handler.
    EXPECT_FALSE(Enabled(ID_TOOL_PICK));
    EXPECT_TRUE(Enabled(ID_TOOL_LINE));
}

TEST_F(ToolBarTest, LoadsAToolbarResource)
{
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLS));
    EXPECT_EQ(4, bar.GetCount());
    EXPECT_EQ((UINT)ID_TOOL_PENCIL, bar.GetItemID(0));
    EXPECT_NE(0u, bar.GetButtonStyle(1) & TBBS_SEPARATOR);
    EXPECT_EQ((UINT)ID_TOOL_PICK, bar.GetItemID(3));
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

TEST_F(ToolBarTest, TakesTheTopOfTheFrame)
{
    frame->RecalcLayout();
    CRect rect = RectInParent(&bar);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE).cy, rect.Height());
}

} // namespace
