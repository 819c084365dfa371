// The news list in the program's main frame, with the user's real input:
// Ctrl+G and the tool bar's Goto Url open the story clicked before a sort,
// a check (Ctrl+Alt+C, against a news server of the test's own) refills the
// list in the order the user sorted it and never leaves Ctrl+G on a story
// the user did not click, a keyword never clicked takes the top row as the
// sort shows it (Ctrl+G, a click and a right click below the rows), the
// preview pane names a keyword renamed with Ctrl+D as the tree does, and a
// balloon click opens its item's link as the page meant it.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "resources/Resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RealInput.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

typedef std::vector<std::string> Opened;

// The program's main frame over a store, in front, as a user meets it,
// searching the test's news server; the addresses it opens are recorded.
class NewsListFrameTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        PrepareOptions();
        ViewsTest::WriteStore(folder.File("conf.xml"), {{"alpha", {"*charlie", "able", "*baker"}}});
        SetTextOption("SearchHost", server.HostText().c_str());
        CreateFrame();
        AfxGetApp()->m_pMainWnd = frame; // the keyword dialogs are its own
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        MainFrameTest::TearDown();
    }
    Keyword* Alpha() { return frame->GetTreeView()->GetKeywords().Find("alpha"); }
    CListCtrl& List() { return frame->GetNewsList()->GetListCtrl(); }

    // A real click on alpha's item; waits until the list shows its rows.
    void ShowAlpha()
    {
        ClickScreen(ScreenCenterOf(frame->GetTreeView()->GetTree().m_hWnd, Alpha()->treeItem));
        ASSERT_TRUE(PumpPendingUntil(
            [&] { return frame->GetNewsList()->GetKeyword() == Alpha() && List().GetItemCount() == 3; }));
    }
    // A real click on the row; waits until it is the selected one.
    void ClickRow(int nRow)
    {
        ClickScreen(ScreenCenterOfRow(frame->GetNewsList(), nRow));
        ASSERT_TRUE(PumpPendingUntil([&] {
            return SelectedTitles() == (LPCTSTR)List().GetItemText(nRow, CSkellrunView::COLUMN_TITLE);
        }));
    }
    // Ctrl+Alt+C; waits until the pass has ended and its rows are shown.
    void CheckAll(int nRows)
    {
        PressKeys({VK_CONTROL, VK_MENU, 'C'});
        ASSERT_TRUE(PumpPendingUntil([&] { return !g_bUpdatingNews && List().GetItemCount() == nRows; }));
        ASSERT_EQ(1u, server.SearchRequests().size());
    }
    // A real click on the list's empty area below its rows.
    void ClickBelowTheRows() { ClickScreen(ScreenPointBelowTheRows(frame->GetNewsList())); }
    // A real click on the column's header, off its middle by the offset (a
    // click at the point of the one before would be a double click); waits
    // until the rows show the titles, sorted by the column in the direction.
    void ClickHeader(int nCol, CPoint offset, bool bAscending, const char* titles)
    {
        CSkellrunView* pList = frame->GetNewsList();
        ClickScreen(ScreenCenterOfColumnHeader(pList, nCol) + offset);
        ASSERT_TRUE(PumpPendingUntil([&] {
            BOOL bSortAscending = FALSE;
            return pList->GetSortColumn(&bSortAscending) == nCol && !bSortAscending == !bAscending
                   && Column(CSkellrunView::COLUMN_TITLE) == titles;
        })) << Column(CSkellrunView::COLUMN_TITLE);
    }
    // Ctrl+G; answers the address it opened.
    std::string CtrlG()
    {
        opened.clear();
        PressKeys({VK_CONTROL, 'G'});
        EXPECT_TRUE(PumpPendingUntil([&] { return !opened.empty(); }));
        return opened.empty() ? "" : opened.back();
    }
    std::string Column(int nCol) { return ColumnText(List(), nCol); }
    std::string SelectedTitles() { return ::SelectedTitles(List()); }
    CPreviewPane* Preview() { return (CPreviewPane*)frame->GetNewsSplitter().GetPane(1, 0); }

    NewsServer server;
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

// The user clicks baker (alpha/2), the third row; the check brings ten new
// stories, so baker is gone. A click below the rows and Ctrl+G then take the
// first story, as for a keyword never clicked, not the new third one.
TEST_F(NewsListFrameTest, AfterACheckTookTheClickedStoryAwayCtrlGOpensTheFirstStory)
{
    server.SetPage("alpha", ResultPageHtml(TenNewStories("alpha")));
    ShowAlpha();
    ClickRow(2);

    CheckAll(10);
    ASSERT_EQ("n0 n1 n2 n3 n4 n5 n6 n7 n8 n9", Column(CSkellrunView::COLUMN_TITLE));
    ClickBelowTheRows();
    ASSERT_TRUE(PumpPendingUntil([&] { return SelectedTitles() == "n0"; })) << SelectedTitles();
    EXPECT_FALSE(Alpha()->firstItem->unread);
    EXPECT_TRUE(Alpha()->firstItem->next->next->unread) << "n2 was never clicked";

    PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(PumpPendingUntil([&] { return !opened.empty(); }));
    EXPECT_EQ(Opened({"http://news.example/alpha/100"}), opened);
}

// Nobody has clicked a story of alpha's, whose first story was charlie; the
// check puts n9 in front. Shift+F6 twice, from the tree to the news list,
// then Ctrl+G open n9, and a click below the rows previews n9 and marks it
// read: charlie, now the second row, is not the first story any more.
TEST_F(NewsListFrameTest, BeforeAnyClickCtrlGOpensTheStoryACheckPutFirst)
{
    server.SetPage("alpha", ResultPageHtml({StoredStory("alpha", 9, "n9"), StoredStory("alpha", 0, "charlie"),
                                            StoredStory("alpha", 1, "able"), StoredStory("alpha", 2, "baker")}));
    ShowAlpha();
    CheckAll(4);
    ASSERT_EQ("n9 charlie able baker", Column(CSkellrunView::COLUMN_TITLE));
    // Shift+F6 goes back a pane: from the tree to the preview, wrapping, then
    // to the news list.
    PressKeys({VK_SHIFT, VK_F6});
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == Preview()->m_hWnd; }));
    PressKeys({VK_SHIFT, VK_F6});
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == List().m_hWnd; }));

    PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(PumpPendingUntil([&] { return !opened.empty(); }));
    EXPECT_EQ(Opened({"http://news.example/alpha/9"}), opened);
    ClickBelowTheRows();
    ASSERT_TRUE(PumpPendingUntil([&] { return SelectedTitles() == "n9"; })) << SelectedTitles();
    EXPECT_STREQ("n9", Preview()->GetTitle());
    EXPECT_FALSE(Alpha()->firstItem->unread) << "n9";
    EXPECT_TRUE(Alpha()->firstItem->next->unread) << "charlie was never clicked";
}

// The user previews baker, a story of alpha's, then renames alpha to delta:
// A page of alpha's stories with bravo (alpha/15) put first; bravo's time
// and link sort between the others' in both directions.
std::vector<PageRecord> BravoFirst()
{
    return {StoredStory("alpha", 15, "bravo", "2 hours ago"),
            StoredStory("alpha", 0, "charlie", "1 hour ago"), StoredStory("alpha", 1, "able", "3 hours ago"),
            StoredStory("alpha", 2, "baker", "4 hours ago")};
}

// Nobody clicks a story of alpha's (charlie, able, baker stored in that
// order, links alpha/0, 1, 2). Real clicks on each header sort the rows by
// its column both ways; after each, Ctrl+G opens the top row as shown. A
// check (Ctrl+Alt+C) then brings bravo, which the page puts first: Ctrl+G
// opens the top row of the sort, not bravo.
TEST_F(NewsListFrameTest, CtrlGOfAKeywordNeverClickedOpensTheTopRowInEverySort)
{
    server.SetPage("alpha", ResultPageHtml(BravoFirst()));
    ShowAlpha();
    const CPoint kMiddle(0, 0), kAside(30, 0);
    const struct
    {
        const char* name;
        int nColumn;
        CPoint offset;
        bool bAscending;
        const char* titles;
        const char* opened;
    } rows[] = {
        {"by title, ascending", CSkellrunView::COLUMN_TITLE, kMiddle, true, "able baker charlie",
         "http://news.example/alpha/1"},
        {"by title, descending", CSkellrunView::COLUMN_TITLE, kAside, false, "charlie baker able",
         "http://news.example/alpha/0"},
        {"by time, ascending", CSkellrunView::COLUMN_TIME, kMiddle, true, "charlie able baker",
         "http://news.example/alpha/0"},
        {"by time, descending", CSkellrunView::COLUMN_TIME, kAside, false, "baker able charlie",
         "http://news.example/alpha/2"},
        {"by link, ascending", CSkellrunView::COLUMN_URL, kMiddle, true, "charlie able baker",
         "http://news.example/alpha/0"},
        {"by link, descending", CSkellrunView::COLUMN_URL, kAside, false, "baker able charlie",
         "http://news.example/alpha/2"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ClickHeader(row.nColumn, row.offset, row.bAscending, row.titles);
        EXPECT_EQ("", SelectedTitles());
        EXPECT_EQ(row.opened, CtrlG());
    }

    CheckAll(4);
    ASSERT_EQ("baker bravo able charlie", Column(CSkellrunView::COLUMN_TITLE)) << "by link, descending";
    EXPECT_EQ("http://news.example/alpha/2", CtrlG()) << "after the check";
    ClickHeader(CSkellrunView::COLUMN_TITLE, kMiddle, true, "able baker bravo charlie");
    EXPECT_EQ("http://news.example/alpha/1", CtrlG()) << "after the check, by title";
}

// Nobody has clicked a story of alpha's; a real click on the "Title" header
// shows able, baker, charlie. A real click below the rows previews able, the
// top row, and selects it (not charlie, the story stored first); able is
// then the clicked story, which Ctrl+G follows through the reverse sort.
TEST_F(NewsListFrameTest, AClickBelowTheRowsOfAKeywordNeverClickedTakesTheTopRowOfTheSort)
{
    ShowAlpha();
    ClickHeader(CSkellrunView::COLUMN_TITLE, CPoint(0, 0), true, "able baker charlie");
    ClickBelowTheRows();
    ASSERT_TRUE(PumpPendingUntil([&] { return SelectedTitles() != ""; }));
    EXPECT_EQ("able", SelectedTitles());
    EXPECT_EQ("alpha/able/summary of able", PreviewText(Preview()));
    EXPECT_EQ("http://news.example/alpha/1", CtrlG());

    ClickHeader(CSkellrunView::COLUMN_TITLE, CPoint(30, 0), false, "charlie baker able");
    EXPECT_EQ("http://news.example/alpha/1", CtrlG()) << "able, clicked, in the last row";
}

// Nobody has clicked a story of alpha's; the rows are sorted by time,
// descending, and a check brings bravo, which the page puts first. A real
// right click below the rows selects baker, the top row, and its menu's Goto
// Url (Down, Enter) opens baker.
TEST_F(NewsListFrameTest, ARightClickBelowTheRowsOfAKeywordNeverClickedTakesTheTopRowAfterACheck)
{
    server.SetPage("alpha", ResultPageHtml(BravoFirst()));
    ShowAlpha();
    ClickHeader(CSkellrunView::COLUMN_TIME, CPoint(0, 0), true, "charlie able baker");
    ClickHeader(CSkellrunView::COLUMN_TIME, CPoint(30, 0), false, "baker able charlie");
    CheckAll(4);
    ASSERT_EQ("baker able bravo charlie", Column(CSkellrunView::COLUMN_TITLE));

    opened.clear();
    FirstMenuItemChooser chooser;
    SendButtonsAt(ScreenPointBelowTheRows(frame->GetNewsList()),
                  {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    ASSERT_TRUE(PumpPendingUntil([&] { return chooser.Chosen() && !opened.empty(); }));
    EXPECT_EQ(Opened({"http://news.example/alpha/2"}), opened);
    EXPECT_EQ("baker", SelectedTitles());
}

// a click on alpha in the tree, Ctrl+D, "delta" and Enter in the dialog.
// While delta's check is out, the preview pane names delta, as the tree and
// the caption do; the check brings other stories, and the pane lets go of
// baker, which delta no longer lists.
TEST_F(NewsListFrameTest, ThePreviewPaneNamesARenamedKeywordAndLetsGoOfAStoryItsCheckTookAway)
{
    server.SetPage("delta", ResultPageHtml({StoredStory("delta", 0, "d0"), StoredStory("delta", 1, "d1")}));
    ShowAlpha();
    ClickRow(2);
    ASSERT_EQ("alpha/baker/summary of baker", PreviewText(Preview()));
    CXTTreeCtrl& tree = frame->GetTreeView()->GetTree();
    ClickScreen(ScreenCenterOf(tree.m_hWnd, Alpha()->treeItem));
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == tree.m_hWnd; }));

    server.Hold(true);
    CDialogDriver driver([](HWND) { TypeText("delta\r"); });
    PressKeys({VK_CONTROL, 'D'});
    ASSERT_TRUE(PumpPendingUntil([&] { return server.HeldRequests() == 1; }));
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Change Keyword", driver.seen[0].caption);
    ASSERT_STREQ("delta", tree.GetItemText(tree.GetSelectedItem()));
    EXPECT_STREQ("delta", frame->GetTreeView()->GetCaption().GetCaptionText());
    EXPECT_EQ("delta/baker/summary of baker", PreviewText(Preview())) << "the check out";

    server.Hold(false);
    ASSERT_TRUE(PumpPendingUntil([&] { return !g_bUpdatingNews && List().GetItemCount() == 2; }));
    EXPECT_EQ("d0 d1", Column(CSkellrunView::COLUMN_TITLE));
    EXPECT_EQ("//", PreviewText(Preview()));
}

// Sorted by title, the list shows able first; the user clicks it, and the
// check puts a new story in front of the page. The rows come in title order
// under the header's arrow, and Ctrl+G opens able.
TEST_F(NewsListFrameTest, ACheckRefillsTheSortedListInTheShownOrder)
{
    server.SetPage("alpha",
                   ResultPageHtml({StoredStory("alpha", 9, "dawn"), StoredStory("alpha", 0, "charlie"),
                                   StoredStory("alpha", 1, "able"), StoredStory("alpha", 2, "baker")}));
    ShowAlpha();
    CSkellrunView* pList = frame->GetNewsList();
    ClickScreen(ScreenCenterOfColumnHeader(pList, CSkellrunView::COLUMN_TITLE));
    ASSERT_TRUE(PumpPendingUntil([&] { return pList->GetSortColumn() == CSkellrunView::COLUMN_TITLE; }));
    ASSERT_EQ("able baker charlie", Column(CSkellrunView::COLUMN_TITLE));
    ClickRow(0);

    CheckAll(4);
    EXPECT_EQ("able baker charlie dawn", Column(CSkellrunView::COLUMN_TITLE));
    BOOL bAscending = FALSE;
    EXPECT_EQ(CSkellrunView::COLUMN_TITLE, pList->GetFlatHeaderCtrl()->GetSortColumn(&bAscending))
        << "the header's arrow";
    EXPECT_TRUE(bAscending);
    PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(PumpPendingUntil([&] { return !opened.empty(); }));
    EXPECT_EQ(Opened({"http://news.example/alpha/1"}), opened);
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
