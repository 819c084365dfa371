#include "MainFrameFixture.h"
#include "app/SkellrunView.h"
#include "DialogDriver.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPToolBar.h"

#include <gtest/gtest.h>

TEST_F(MainFrameTest, StatusBarHoldsTheTextAndProgressPanes)
{
    CXTPStatusBar& bar = frame->GetStatusBar();
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ(1, bar.CommandToIndex(0x8001));
    EXPECT_EQ(2, bar.CommandToIndex(0x8000));
    StatusPaneControl* pText = bar.FindControl(0x8001);
    ASSERT_TRUE(pText != NULL);
    CString text;
    pText->pWnd->GetWindowText(text);
    EXPECT_STREQ(" Idle", text);
    CRect textRect, progressRect;
    bar.GetItemRect(1, &textRect);
    bar.GetItemRect(2, &progressRect);
    EXPECT_LT(textRect.left, progressRect.left);
}

TEST_F(MainFrameTest, SizesComeFromTheOptionsAndTheScreen)
{
    CRect workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect frameRect;
    frame->GetWindowRect(&frameRect);
    EXPECT_EQ(workArea.Width(), frameRect.Width());
    EXPECT_EQ(550, frameRect.Height());
    CRect treeRect;
    frame->GetTreeView()->GetWindowRect(&treeRect);
    EXPECT_EQ(200, treeRect.Width());
}

TEST_F(MainFrameTest, SavedSizesAreThePanesAsTheyStand)
{
    frame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(frame->SaveOptions());
    EXPECT_EQ(900u, GetOption("FrameWidth"));
    EXPECT_EQ(600u, GetOption("FrameHeight"));
    EXPECT_EQ(200u, GetOption("TreeWidth"));
    EXPECT_EQ(0u, GetOption("AutoCheckOnStart"));
    // A maximised window stores the size it comes back to.
    frame->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(frame->SaveOptions());
    EXPECT_EQ(900u, GetOption("FrameWidth"));
    EXPECT_EQ(600u, GetOption("FrameHeight"));
}

TEST_F(MainFrameTest, ToolbarHasTheLanguageCombo)
{
    CXTPToolBar* pToolBar = frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
    ASSERT_TRUE(pToolBar != NULL);
    CXTPControl* pCombo = pToolBar->GetControls()->FindControlById(ID_TOOLBAR_COMBO);
    ASSERT_TRUE(pCombo != NULL);
    EXPECT_EQ(xtpControlComboBox, pCombo->GetType());
    CXTPControl* pAdd = pToolBar->GetControls()->FindControlById(ID_ADD_KEYWORD);
    ASSERT_TRUE(pAdd != NULL);
    EXPECT_STREQ("Add a keyword to let Tidewatch keep tracking updated news on the keyword.",
                 (LPCTSTR)pAdd->GetTooltip());
}

// The keyword commands that the frame passes to the tree: with the news list
// as the active view they stay enabled and still reach the tree's dialogs.
TEST_F(MainFrameTest, KeywordCommandsServeWhileTheNewsListIsActive)
{
    frame->SetActiveView(frame->GetNewsList());
    CXTPToolBar* pToolBar = frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
    ASSERT_TRUE(pToolBar != NULL);
    pToolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    const UINT forwarded[] = {ID_ADD_KEYWORD, ID_REMOVE_ALL};
    for (UINT id : forwarded)
    {
        CXTPControl* pButton = pToolBar->GetControls()->FindControlById(id);
        ASSERT_TRUE(pButton != NULL) << id;
        EXPECT_TRUE(pButton->GetEnabled()) << id;
    }

    CDialogDriver driver([](HWND hWnd) { ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0); });
    frame->SendMessage(WM_COMMAND, ID_ADD_KEYWORD, 0);
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Add Keyword", driver.seen[0].caption);
}
