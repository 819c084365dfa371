#include "MainFrameFixture.h"
#include "app/SkellrunView.h"
#include "DialogDriver.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPToolBar.h"

#include <gtest/gtest.h>

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

// The keyword commands that the frame passes to the tree: with the news list
// as the active view they stay enabled and still reach the tree's dialogs,
// and Check All still runs a pass.
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

    CDialogDriver driver([](HWND hWnd) {
        ::SetDlgItemTextA(hWnd, IDC_ADD_KEYWORD, "sea level");
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    frame->SendMessage(WM_COMMAND, ID_ADD_KEYWORD, 0);
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Add Keyword", driver.seen[0].caption);
    EXPECT_EQ(0, frame->GetTreeView()->GetKeywords().keywordCount) << "a cancelled dialog adds nothing";
    frame->SendMessage(WM_COMMAND, ID_CHECK_ALL, 0);
    EXPECT_EQ(100, frame->GetTreeView()->GetPercent()); // the empty store's pass ended at once
}
