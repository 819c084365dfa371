// The main frame's own commands: the maker's web pages, the preview pane's
// row, the keyword-language combo and the commands that do nothing.
#include "MainFrameFixture.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControlComboBox.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPToolBar.h"

#include <string>
#include <vector>

namespace {

typedef MainFrameTest FrameCommandsTest;

TEST_F(FrameCommandsTest, WebCommandsOpenTheMakersPages)
{
    SetTextOption("WebSite", "http://127.0.0.1:8123");
    const struct
    {
        UINT nCommand;
        const char* address;
    } pages[] = {
        {ID_WEB_SUPPORT, "http://127.0.0.1:8123/support.php?product=Tidewatch"},
        {ID_WEB_FAQ, "http://127.0.0.1:8123/FAQ.php?product=Tidewatch"},
        {ID_WEB_FORUM, "http://127.0.0.1:8123/forum/"},
        {ID_WEB_HOME, "http://127.0.0.1:8123"},
    };
    for (const auto& page : pages)
    {
        opened.clear();
        frame->SendMessage(WM_COMMAND, page.nCommand, 0);
        EXPECT_EQ(std::vector<std::string>{page.address}, opened);
    }
}

TEST_F(FrameCommandsTest, PreviewCommandHidesAndShowsTheRow)
{
    CWnd* pPreview = frame->GetNewsSplitter().GetPane(1, 0);
    ASSERT_TRUE(pPreview != NULL);
    ASSERT_TRUE(pPreview->IsWindowVisible());

    frame->SendMessage(WM_COMMAND, ID_PREVIEW_PANE, 0);
    EXPECT_FALSE(frame->IsPreviewShown());
    EXPECT_EQ(1, frame->GetNewsSplitter().GetHiddenRow());
    EXPECT_FALSE(pPreview->IsWindowVisible());
    EXPECT_EQ(0, CheckOf(frame, ID_PREVIEW_PANE));

    frame->SendMessage(WM_COMMAND, ID_PREVIEW_PANE, 0);
    EXPECT_TRUE(frame->IsPreviewShown());
    EXPECT_EQ(-1, frame->GetNewsSplitter().GetHiddenRow());
    EXPECT_TRUE(frame->GetNewsSplitter().GetPane(1, 0)->IsWindowVisible());
    EXPECT_EQ(1, CheckOf(frame, ID_PREVIEW_PANE));
}

TEST_F(FrameCommandsTest, LanguageComboSelectsTheKeywordOfItsEntry)
{
    CXTTreeCtrl& tree = frame->GetTreeView()->GetTree();
    HTREEITEM hEnglish = tree.InsertItem("english", frame->GetTreeView()->GetRootItem());
    tree.InsertItem("French", frame->GetTreeView()->GetRootItem());
    tree.SelectItem(frame->GetTreeView()->GetRootItem());

    CXTPToolBar* pToolBar = frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
    ASSERT_TRUE(pToolBar != NULL);
    CXTPControl* pControl = pToolBar->GetControls()->FindControlById(ID_TOOLBAR_COMBO);
    ASSERT_TRUE(pControl != NULL && pControl->GetType() == xtpControlComboBox);
    ((CXTPControlComboBox*)pControl)->SetCurSel(0);
    ControlExecuteNotify notify = {{NULL, ID_TOOLBAR_COMBO, XTP_CN_EXECUTE}, pControl};
    EXPECT_EQ(1, frame->SendMessage(WM_XTP_CONTROL_EXECUTE, ID_TOOLBAR_COMBO, (LPARAM)&notify));
    EXPECT_EQ(hEnglish, tree.GetSelectedItem());

    // Without a selection in the combo the tree stays as it is.
    tree.SelectItem(frame->GetTreeView()->GetRootItem());
    ((CXTPControlComboBox*)pControl)->SetCurSel(-1);
    EXPECT_EQ(1, frame->SendMessage(WM_XTP_CONTROL_EXECUTE, ID_TOOLBAR_COMBO, (LPARAM)&notify));
    EXPECT_EQ(frame->GetTreeView()->GetRootItem(), tree.GetSelectedItem());
}

// The resources' commands without a purpose here are enabled and do nothing;
// the preview command among them keeps its own handler.
TEST_F(FrameCommandsTest, UnusedCommandsAreHandledQuietly)
{
    const UINT unused[] = {ID_LANGUAGE_OPTIONS, ID_UNUSED_FIRST, 32786, ID_UNUSED_LAST};
    for (UINT nID : unused)
    {
        CTestCmdUI state;
        state.m_nID = nID;
        state.m_bEnabled = FALSE;
        state.DoUpdate(frame, TRUE);
        EXPECT_TRUE(state.m_bEnabled) << nID;
        EXPECT_TRUE(frame->OnCmdMsg(nID, CN_COMMAND, NULL, NULL)) << nID;
    }
    frame->SendMessage(WM_COMMAND, ID_PREVIEW_PANE, 0);
    EXPECT_FALSE(frame->IsPreviewShown());
}

} // namespace
