// The news list in the program's main frame, with the user's real input:
// Ctrl+G and the tool bar's Goto Url open the story clicked before a sort,
// and a balloon click opens its item's link as the page meant it.
#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "resources/Resource.h"
#include "tests/support/RealInput.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

typedef std::vector<std::string> Opened;

// The program's main frame over a store, in front, as a user meets it; the
// addresses it opens are recorded.
class NewsListFrameTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        PrepareOptions();
        ViewsTest::WriteStore(folder.File("conf.xml"), {{"alpha", {"*charlie", "able", "*baker"}}});
        CreateFrame();
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }
    Keyword* Alpha() { return frame->GetTreeView()->GetKeywords().Find("alpha"); }
};

// Click a row, click the "Title" header, then Ctrl+G or the tool bar's Goto
// Url, all with real input.
TEST_F(NewsListFrameTest, CtrlGAndTheToolBarsGotoUrlOpenTheClickedStoryAfterASort)
{
    CSkellrunView* pList = frame->GetNewsList();
    CListCtrl& list = pList->GetListCtrl();
    ClickScreen(ScreenCenterOf(frame->GetTreeView()->GetTree().m_hWnd, Alpha()->treeItem));
    ASSERT_TRUE(PumpPendingUntil([&] { return pList->GetKeyword() == Alpha() && list.GetItemCount() == 3; }));
    ClickScreen(ScreenCenterOfRow(pList, 1));
    ASSERT_TRUE(PumpPendingUntil([&] { return list.GetItemState(1, LVIS_SELECTED) != 0; }));
    ClickScreen(ScreenCenterOfColumnHeader(pList, CSkellrunView::COLUMN_TITLE));
    ASSERT_TRUE(PumpPendingUntil([&] { return pList->GetSortColumn() == CSkellrunView::COLUMN_TITLE; }));
    ASSERT_STREQ(pList->ItemOfRow(0)->title, "able");

    PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(PumpPendingUntil([&] { return !opened.empty(); }));
    EXPECT_EQ(opened, Opened({"http://news.example/alpha/1"})) << "Ctrl+G";

    CXTPToolBar* pToolBar = frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
    pToolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    CXTPControl* pGotoUrl = pToolBar->GetControls()->FindControlById(ID_GOTO_URL);
    ASSERT_TRUE(pGotoUrl != NULL && pGotoUrl->GetEnabled());
    CRect rcButton = pGotoUrl->GetRect();
    pToolBar->ClientToScreen(&rcButton);
    ClickScreen(rcButton.CenterPoint());
    ASSERT_TRUE(PumpPendingUntil([&] { return opened.size() == 2; }));
    EXPECT_EQ(opened[1], "http://news.example/alpha/1") << "the tool bar's Goto Url";
}

// The balloon of an item opens its link as the page meant it.
TEST_F(NewsListFrameTest, ABalloonClickOpensTheLinkWithItsCharacterReferencesDecoded)
{
    NewsItem* pItem = Alpha()->firstItem; // unread
    pItem->link = "http://news.example/find?a=1&amp;b=2&#x26;c=3";
    pItem->unalerted = TRUE;
    Alpha()->unalertedCount = 1;
    frame->SendMessage(WM_NEWS_ARRIVED, 0, 0);
    shell.Settle();
    frame->GetTrayIcon().SendMessage(WM_TRAY_NOTIFY, IDR_TRAY_MENU, NIN_BALLOONUSERCLICK);
    shell.Settle();
    EXPECT_EQ(opened, Opened({"http://news.example/find?a=1&b=2&c=3"}));
    EXPECT_STREQ(pItem->link, "http://news.example/find?a=1&amp;b=2&#x26;c=3");
}

} // namespace
