// The news list: its columns, the rows of the shown keyword with unread rows
// bold, a click that previews and marks read with the tree following, the
// remembered row, header-click sorting with no shading of the sorted column,
// and which links it opens: the clicked story's whatever a sort or a check
// did to the rows, as the page meant it. After a check or a rename the rows
// and the preview pane show what the keyword holds then.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"
#include "tests/support/ResultPageBuilder.h"

#include "ViewsFixture.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/RealInput.h"

namespace {

const std::vector<StoredKeyword> kStore = {
    {"alpha", {"*charlie", "able", "*baker"}},
    {"beta", {"b1"}},
};

// The addresses handed to a browser, as "new window: <address>" or
// "shell: <address>", in order.
std::vector<std::string> g_opened;

void RecordOpened(LPCSTR lpszAddress, BrowserWindow window)
{
    g_opened.push_back((window == NewBrowserWindow ? "new window: " : "shell: ") + std::string(lpszAddress));
}

// Records the opened addresses instead of opening them while it lives.
class OpenedAddresses
{
public:
    OpenedAddresses() : m_previous(SetWebAddressOpener(RecordOpened)) { g_opened.clear(); }
    ~OpenedAddresses() { SetWebAddressOpener(m_previous); }

    // The addresses opened since the last call.
    std::vector<std::string> Take() { return std::move(g_opened); }

private:
    WebAddressOpener m_previous;
};

typedef std::vector<std::string> Opened;

class NewsListTest : public ViewsTest
{
public:
    void SetUp() override
    {
        Open(kStore);
        Select("alpha");
    }

    CListCtrl& List() { return m_pList->GetListCtrl(); }

    // Puts the cursor over the row (or below the rows for -1) and sends the
    // list's notification as the control sends it.
    void Notify(UINT nCode, int nRow)
    {
        CRect rcRow;
        if (nRow >= 0)
            List().GetItemRect(nRow, &rcRow, LVIR_LABEL);
        else
            rcRow.SetRect(10, 200, 20, 210);
        CPoint point = rcRow.CenterPoint();
        m_pList->ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        NMITEMACTIVATE nm = {};
        nm.hdr.hwndFrom = m_pList->m_hWnd;
        nm.hdr.idFrom = m_pList->GetDlgCtrlID();
        nm.hdr.code = nCode;
        nm.iItem = nRow;
        m_pFrame->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    }

    // A click on the column's header as the list's header reports it, with
    // the A or the W code of HDN_ITEMCLICK.
    void HeaderClick(UINT nCode, int nCol)
    {
        NMHEADERA nm = {};
        nm.hdr.hwndFrom = m_pList->GetHeaderCtrl()->m_hWnd;
        nm.hdr.idFrom = 0;
        nm.hdr.code = nCode;
        nm.iItem = nCol;
        m_pList->SendMessage(WM_NOTIFY, 0, (LPARAM)&nm);
    }
    Opened GotoUrl()
    {
        m_pList->SendMessage(WM_COMMAND, CSkellrunView::ID_GOTO_URL, 0);
        return m_opened.Take();
    }
    // The titles of the selected rows.
    std::string SelectedTitles() { return ::SelectedTitles(List()); }

    // A new list over kStore, its searches going to the server, showing
    // alpha sorted by that many clicks on the column's header.
    void ReopenShowingAlpha(const NewsServer& server, int nColumn, int nHeaderClicks)
    {
        TearDown(); // the fixture's list, or the last row's
        Open(kStore);
        m_pTree->SetSearchHost(server.HostText().c_str());
        Select("alpha");
        for (int i = 0; i < nHeaderClicks; ++i)
            HeaderClick(HDN_ITEMCLICKW, nColumn);
    }
    // The row showing the title, -1 for none.
    int RowTitled(const char* title)
    {
        for (int nRow = 0; nRow < List().GetItemCount(); ++nRow)
        {
            if (List().GetItemText(nRow, CSkellrunView::COLUMN_TITLE) == title)
                return nRow;
        }
        return -1;
    }

    OpenedAddresses m_opened;

    std::string Column(int nCol) { return ColumnText(List(), nCol); }

    // The font weight the list's custom draw chooses for the row.
    int DrawnWeight(int nRow)
    {
        CClientDC dc(m_pList);
        HGDIOBJ hOld = ::SelectObject(dc.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
        NMLVCUSTOMDRAW nm = {};
        nm.nmcd.hdr.hwndFrom = m_pList->m_hWnd;
        nm.nmcd.hdr.idFrom = m_pList->GetDlgCtrlID();
        nm.nmcd.hdr.code = NM_CUSTOMDRAW;
        nm.nmcd.hdc = dc.m_hDC;
        nm.nmcd.dwDrawStage = CDDS_PREPAINT;
        EXPECT_EQ(m_pFrame->SendMessage(WM_NOTIFY, nm.nmcd.hdr.idFrom, (LPARAM)&nm), CDRF_NOTIFYITEMDRAW);
        nm.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        nm.nmcd.dwItemSpec = nRow;
        nm.nmcd.lItemlParam = (LPARAM)List().GetItemData(nRow);
        LRESULT result = m_pFrame->SendMessage(WM_NOTIFY, nm.nmcd.hdr.idFrom, (LPARAM)&nm);
        LOGFONTA lf = {};
        ::GetObjectA(::GetCurrentObject(dc.m_hDC, OBJ_FONT), sizeof lf, &lf);
        ::SelectObject(dc.m_hDC, hOld);
        EXPECT_EQ(result, lf.lfWeight == FW_BOLD ? CDRF_NEWFONT : 0);
        return lf.lfWeight;
    }
};

TEST_F(NewsListTest, TheHeaderHoldsTimeTitleAndUrlColumnsSelectingWholeRows)
{
    CHeaderCtrl* pHeader = m_pList->GetHeaderCtrl();
    std::string columns;
    for (int nCol = 0; nCol < pHeader->GetItemCount(); ++nCol)
    {
        char text[32] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        pHeader->GetItem(nCol, &item);
        columns += std::string(text) + " " + std::to_string(item.cxy) + " ";
    }
    EXPECT_EQ(columns, "Time 110 Title 200 Url 200 ");
    EXPECT_TRUE(List().GetExtendedStyle() & LVS_EX_FULLROWSELECT);
}

TEST_F(NewsListTest, RowsShowTheShownKeywordsItemsInStoredOrder)
{
    EXPECT_EQ(Column(CSkellrunView::COLUMN_TITLE), "charlie able baker");
    EXPECT_EQ(Column(CSkellrunView::COLUMN_TIME), "Mon 3/10/2007 Mon 3/11/2007 Mon 3/12/2007");
    EXPECT_EQ(Column(CSkellrunView::COLUMN_URL),
              "http://news.example/alpha/0 http://news.example/alpha/1 http://news.example/alpha/2");
    EXPECT_EQ(m_pList->ItemOfRow(1), Group().GetFirst()->firstItem->next);
}

TEST_F(NewsListTest, UnreadRowsAreDrawnBold)
{
    EXPECT_EQ(DrawnWeight(0), FW_BOLD); // unread
    EXPECT_EQ(DrawnWeight(1), FW_NORMAL);
}

TEST_F(NewsListTest, AClickPreviewsTheItemAndMarksItReadAndTheLastUnreadOneTellsTheFrame)
{
    Notify(NM_CLICK, 2);
    Keyword* alpha = Group().GetFirst();
    EXPECT_EQ(State(), "*root: *alpha beta | 2 keywords, 1 unread | list: alpha 3 rows");
    EXPECT_FALSE(alpha->lastItem->unread);
    EXPECT_EQ(alpha->unreadCount, 1);
    EXPECT_EQ(alpha->lastClickedRow, 2);
    EXPECT_EQ(DrawnWeight(2), FW_NORMAL);
    EXPECT_EQ(PreviewText(m_pPreview), "alpha/baker/summary of baker");
    Notify(NM_CLICK, 1); // a read one
    EXPECT_EQ(AllReadCount(), 0);

    Notify(NM_CLICK, 0);
    EXPECT_EQ(State(), "root: alpha beta | 2 keywords, 0 unread | list: alpha 3 rows");
    EXPECT_EQ(AllReadCount(), 1);
    Notify(NM_CLICK, 0);
    EXPECT_EQ(AllReadCount(), 1);
}

TEST_F(NewsListTest, AClickBelowTheRowsTakesTheRememberedRowWhileItIsARow)
{
    Notify(NM_CLICK, 1);
    m_pPreview->SetTitle(" ");
    Notify(NM_CLICK, -1);
    EXPECT_STREQ(m_pPreview->GetTitle(), "able");
    EXPECT_TRUE(List().GetItemState(1, LVIS_SELECTED) & LVIS_SELECTED);

    Group().GetFirst()->lastClickedRow = 7;
    m_pPreview->SetTitle(" ");
    Notify(NM_CLICK, -1);
    EXPECT_STREQ(m_pPreview->GetTitle(), " ");
    EXPECT_EQ(Group().totalUnread, 2);
}

TEST_F(NewsListTest, AHeaderClickSortsByThatColumnAndASecondReverses)
{
    NMHEADERA nm = {};
    nm.hdr.hwndFrom = m_pList->GetHeaderCtrl()->m_hWnd;
    nm.hdr.idFrom = 0;
    nm.hdr.code = HDN_ITEMCLICKA;
    nm.iItem = CSkellrunView::COLUMN_TITLE;
    m_pList->SendMessage(WM_NOTIFY, 0, (LPARAM)&nm);
    EXPECT_EQ(Column(CSkellrunView::COLUMN_TITLE), "able baker charlie");
    m_pList->SendMessage(WM_NOTIFY, 0, (LPARAM)&nm);
    EXPECT_EQ(Column(CSkellrunView::COLUMN_TITLE), "charlie baker able");
    EXPECT_STREQ(m_pList->ItemOfRow(0)->title, "charlie");
}

// The rows keep the list's own colours, and so does the empty area below
// them: a click on a header sorts without shading the sorted column there.
TEST_F(NewsListTest, AHeaderClickLeavesTheEmptyAreaOfTheSortedColumnInTheListsBackground)
{
    CHeaderCtrl* pHeader = m_pList->GetHeaderCtrl();
    CRect rcTime;
    pHeader->GetItemRect(CSkellrunView::COLUMN_TIME, &rcTime);
    pHeader->ClientToScreen(&rcTime);
    ClickScreen(rcTime.CenterPoint());
    ASSERT_TRUE(PumpPendingUntil([&] { return m_pList->GetSortColumn() == CSkellrunView::COLUMN_TIME; }));

    CRect rcClient, rcLastRow;
    m_pList->GetClientRect(&rcClient);
    List().GetItemRect(List().GetItemCount() - 1, &rcLastRow, LVIR_BOUNDS);
    ASSERT_LT(rcLastRow.bottom + 10, rcClient.bottom);
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    m_pList->PaintList(&canvas.dc());
    EXPECT_EQ(0, canvas.CountOther(CRect(0, rcLastRow.bottom + 1, rcClient.right, rcClient.bottom),
                                   ::GetSysColor(COLOR_WINDOW)));
}

// The rows in list order are charlie, able, baker (links alpha/0, 1, 2); a
// sort by title puts able first, or last when descending.
TEST_F(NewsListTest, GotoUrlAfterASortOpensTheClickedStory)
{
    const struct
    {
        const char* name;
        UINT nCode;
        int nHeaderClicks;
        const char* titles;
    } cases[] = {
        {"ascending, A code", HDN_ITEMCLICKA, 1, "able baker charlie"},
        {"ascending, W code", HDN_ITEMCLICKW, 1, "able baker charlie"},
        {"descending, A code", HDN_ITEMCLICKA, 2, "charlie baker able"},
        {"descending, W code", HDN_ITEMCLICKW, 2, "charlie baker able"},
    };
    Keyword* alpha = Group().GetFirst();
    for (const auto& c : cases)
    {
        m_pList->SetSortImage(-1, TRUE);
        m_pList->ShowKeyword(alpha);
        Notify(NM_CLICK, 1);
        for (int i = 0; i < c.nHeaderClicks; ++i)
            HeaderClick(c.nCode, CSkellrunView::COLUMN_TITLE);
        ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), c.titles) << c.name;

        EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"})) << c.name;
        EXPECT_EQ(alpha->lastClickedRow, 1) << c.name << ": counted in list order";
        // A click below the rows takes the clicked story again.
        List().SetItemState(-1, 0, LVIS_SELECTED);
        m_pPreview->SetTitle(" ");
        Notify(NM_CLICK, -1);
        EXPECT_STREQ(m_pPreview->GetTitle(), "able") << c.name;
        EXPECT_EQ(SelectedTitles(), "able") << c.name;
        EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"})) << c.name;
    }
}

// Before any click Goto Url and a click below the rows take the top row as
// the list shows it: a sort by title puts able there, not charlie, the story
// stored first.
TEST_F(NewsListTest, ASortBeforeAnyClickLeavesGotoUrlOnTheTopRow)
{
    HeaderClick(HDN_ITEMCLICKW, CSkellrunView::COLUMN_TITLE);
    ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), "able baker charlie");
    EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"}));
    Notify(NM_CLICK, -1);
    EXPECT_STREQ(m_pPreview->GetTitle(), "able");
    EXPECT_EQ(SelectedTitles(), "able");
}

TEST_F(NewsListTest, RealClicksOnARowAndTheTitleHeaderLeaveGotoUrlOnTheClickedStory)
{
    ClickScreen(ScreenCenterOfRow(m_pList, 1));
    ASSERT_TRUE(PumpPendingUntil([&] { return CString(m_pPreview->GetTitle()) == "able"; }));
    ClickScreen(ScreenCenterOfColumnHeader(m_pList, CSkellrunView::COLUMN_TITLE));
    ASSERT_TRUE(PumpPendingUntil([&] { return m_pList->GetSortColumn() == CSkellrunView::COLUMN_TITLE; }));
    ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), "able baker charlie");
    EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"}));

    // Away from the first click: not a double click.
    ClickScreen(ScreenCenterOfColumnHeader(m_pList, CSkellrunView::COLUMN_TITLE) + CPoint(40, 0));
    ASSERT_TRUE(PumpPendingUntil([&] { return Column(CSkellrunView::COLUMN_TITLE) == "charlie baker able"; }));
    EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"}));

    // A click on another row of the sorted list makes that story the one.
    ClickScreen(ScreenCenterOfRow(m_pList, 1));
    ASSERT_TRUE(PumpPendingUntil([&] { return CString(m_pPreview->GetTitle()) == "baker"; }));
    EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/2"}));
}

// A check whose page puts a new story in front refills the list: the clicked
// story is one row further down, and stays the one Goto Url opens.
TEST_F(NewsListTest, ACheckThatPutsNewsInFrontKeepsGotoUrlOnTheClickedStory)
{
    NewsServer server;
    auto record = [](int n, const char* title) {
        return PageRecord{"http://news.example/alpha/" + std::to_string(n), title, "1 hour ago", title};
    };
    server.SetPage("alpha", ResultPageHtml({record(9, "dawn"), record(0, "charlie"), record(1, "able"),
                                            record(2, "baker")}));
    m_pTree->SetSearchHost(server.HostText().c_str());
    Notify(NM_CLICK, 1);

    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(WaitForChecks());
    ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), "dawn charlie able baker");
    EXPECT_EQ(GotoUrl(), Opened({"new window: http://news.example/alpha/1"}));
    EXPECT_EQ(Group().GetFirst()->lastClickedRow, 2);
}

// A page record of alpha's: its link is "http://news.example/alpha/<n>".
PageRecord AlphaRecord(int n, const std::string& title, const char* time = "1 hour ago")
{
    return StoredStory("alpha", n, title, time);
}

// The user clicks alpha's third story (baker, alpha/2), then something
// changes the rows. Goto Url opens the clicked story, and a click below the
// rows takes it again, while it is listed; once it has gone both act as for
// a keyword never clicked, on the first story, and never on the story that
// came to the clicked one's place.
TEST_F(NewsListTest, GotoUrlOpensTheClickedStoryWhileListedElseTheFirstStory)
{
    const struct
    {
        const char* name;
        std::vector<PageRecord> page; // alpha's page for the check
        std::function<void(NewsListTest&)> change;
        const char* opened;  // Goto Url's address
        const char* clicked; // the story a click below the rows takes
    } rows[] = {
        {"Check News brings ten new stories", TenNewStories("alpha"),
         [](NewsListTest& t) { t.Command(CItemTreeView::ID_CHECK_NEWS); }, "alpha/100", "n0"},
        {"Check All brings ten new stories", TenNewStories("alpha"),
         [](NewsListTest& t) { t.Command(CItemTreeView::ID_CHECK_ALL); }, "alpha/100", "n0"},
        {"a check keeps the clicked story behind new ones",
         {AlphaRecord(9, "dawn"), AlphaRecord(2, "baker"), AlphaRecord(0, "charlie")},
         [](NewsListTest& t) { t.Command(CItemTreeView::ID_CHECK_ALL); }, "alpha/2", "baker"},
        {"Remove of another keyword shows alpha again", {},
         [](NewsListTest& t) {
             t.Select("beta");
             t.Command(CItemTreeView::ID_REMOVE_KEYWORD);
         },
         "alpha/2", "baker"},
        {"Import of the same keywords brings keywords never clicked", {},
         [](NewsListTest& t) {
             const std::string path = t.m_folder.File("import.xml");
             WriteStore(path, kStore);
             ASSERT_TRUE(t.m_pTree->ImportKeywordsFrom(path.c_str()));
             t.Select("alpha");
         },
         "alpha/0", "charlie"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        TearDown(); // the fixture's list, or the last row's
        Open(kStore);
        Select("alpha");
        NewsServer server;
        server.SetPage("alpha", ResultPageHtml(row.page));
        m_pTree->SetSearchHost(server.HostText().c_str());
        Notify(NM_CLICK, 2);
        ASSERT_STREQ(m_pPreview->GetTitle(), "baker");

        row.change(*this);
        ASSERT_TRUE(WaitForChecks());
        ASSERT_STREQ(m_pList->GetKeyword()->name, "alpha");
        EXPECT_EQ(GotoUrl(), Opened({std::string("new window: http://news.example/") + row.opened}));
        List().SetItemState(-1, 0, LVIS_SELECTED);
        m_pPreview->SetTitle(" ");
        Notify(NM_CLICK, -1);
        EXPECT_STREQ(m_pPreview->GetTitle(), row.clicked);
        EXPECT_EQ(SelectedTitles(), row.clicked);
        EXPECT_EQ(GotoUrl(), Opened({std::string("new window: http://news.example/") + row.opened}));
    }
}

// Nobody has clicked a story of alpha's (charlie, able, baker); checks put
// new stories in front of them. Goto Url opens the top row as the last
// check left it, and a click below the rows takes that story (previewed and
// read): unsorted, the story the check put first, never charlie, the story
// that was first before; sorted, the story the sort puts on top.
TEST_F(NewsListTest, GotoUrlOfAKeywordNeverClickedOpensItsTopRowAsTheChecksLeftIt)
{
    const PageRecord dawn = AlphaRecord(9, "dawn");
    const std::vector<PageRecord> dawnFirst = {dawn, AlphaRecord(0, "charlie"), AlphaRecord(1, "able"),
                                               AlphaRecord(2, "baker")};
    const struct
    {
        const char* name;
        std::vector<std::vector<PageRecord>> pages; // alpha's page for each Check All
        int nTitleHeaderClicks;
        const char* opened;  // Goto Url's address
        const char* clicked; // the story a click below the rows takes
    } rows[] = {
        {"a check puts a story first", {dawnFirst}, 0, "alpha/9", "dawn"},
        {"two checks each put a story first",
         {dawnFirst, {AlphaRecord(8, "echo"), dawn, AlphaRecord(0, "charlie"), AlphaRecord(1, "able")}}, 0,
         "alpha/8", "echo"},
        {"sorted by title, a check puts a story first", {dawnFirst}, 1, "alpha/1", "able"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        NewsServer server;
        ReopenShowingAlpha(server, CSkellrunView::COLUMN_TITLE, row.nTitleHeaderClicks);
        for (const std::vector<PageRecord>& page : row.pages)
        {
            server.SetPage("alpha", ResultPageHtml(page));
            Command(CItemTreeView::ID_CHECK_ALL);
            ASSERT_TRUE(WaitForChecks());
        }
        ASSERT_EQ(List().GetItemCount(), 4);
        EXPECT_EQ(GotoUrl(), Opened({std::string("new window: http://news.example/") + row.opened}));
        Notify(NM_CLICK, -1);
        EXPECT_STREQ(m_pPreview->GetTitle(), row.clicked);
        EXPECT_EQ(SelectedTitles(), row.clicked);
        EXPECT_FALSE(m_pList->ItemOfRow(0)->unread) << "the top row's story is read";
        EXPECT_EQ(GotoUrl(), Opened({std::string("new window: http://news.example/") + row.opened}));
    }
}

// Nobody has clicked a story of alpha's (charlie, able, baker, stored in
// that order with the links alpha/0, 1, 2 and the dates 3/10 to 3/12), or
// the story clicked has left. Goto Url, a click below the rows and a right
// click below them (then its menu's Goto Url) take the top row as the list
// shows it, in every sort, and after a check that brings a new story, bravo
// (alpha/15), which the page puts first. A clicked story still listed is
// taken wherever the sort shows it.
TEST_F(NewsListTest, AKeywordNeverClickedTakesTheTopRowAsShownInEverySort)
{
    // bravo's time and link sort between the others' in both directions.
    const std::vector<PageRecord> bravoFirst = {
        AlphaRecord(15, "bravo", "2 hours ago"), AlphaRecord(0, "charlie", "1 hour ago"),
        AlphaRecord(1, "able", "3 hours ago"), AlphaRecord(2, "baker", "4 hours ago")};
    const std::vector<PageRecord> bakerGone = {AlphaRecord(15, "bravo", "2 hours ago"),
                                               AlphaRecord(0, "charlie", "1 hour ago"),
                                               AlphaRecord(1, "able", "3 hours ago")};
    const int kTime = CSkellrunView::COLUMN_TIME, kTitle = CSkellrunView::COLUMN_TITLE,
              kUrl = CSkellrunView::COLUMN_URL;
    const struct
    {
        const char* name;
        int nColumn; // the header clicked, -1 for none
        int nHeaderClicks;
        const char* clicked;                 // the story clicked first, null for none
        const std::vector<PageRecord>* page; // alpha's page for a Check All, null for no check
        const char* titles;                  // the rows as shown
        const char* taken;                   // the story taken, and its link's number
        int nLink;
    } rows[] = {
        {"unsorted", -1, 0, nullptr, nullptr, "charlie able baker", "charlie", 0},
        {"by time, ascending", kTime, 1, nullptr, nullptr, "charlie able baker", "charlie", 0},
        {"by time, descending", kTime, 2, nullptr, nullptr, "baker able charlie", "baker", 2},
        {"by title, ascending", kTitle, 1, nullptr, nullptr, "able baker charlie", "able", 1},
        {"by title, descending", kTitle, 2, nullptr, nullptr, "charlie baker able", "charlie", 0},
        {"by link, ascending", kUrl, 1, nullptr, nullptr, "charlie able baker", "charlie", 0},
        {"by link, descending", kUrl, 2, nullptr, nullptr, "baker able charlie", "baker", 2},
        {"unsorted, a check puts bravo first", -1, 0, nullptr, &bravoFirst, "bravo charlie able baker",
         "bravo", 15},
        {"by time, ascending, then a check", kTime, 1, nullptr, &bravoFirst, "charlie bravo able baker",
         "charlie", 0},
        {"by time, descending, then a check", kTime, 2, nullptr, &bravoFirst, "baker able bravo charlie",
         "baker", 2},
        {"by title, ascending, then a check", kTitle, 1, nullptr, &bravoFirst, "able baker bravo charlie",
         "able", 1},
        {"by title, descending, then a check", kTitle, 2, nullptr, &bravoFirst, "charlie bravo baker able",
         "charlie", 0},
        {"by link, ascending, then a check", kUrl, 1, nullptr, &bravoFirst, "charlie able bravo baker",
         "charlie", 0},
        {"by link, descending, then a check", kUrl, 2, nullptr, &bravoFirst, "baker bravo able charlie",
         "baker", 2},
        {"by title, ascending, the clicked story taken away by a check", kTitle, 1, "baker", &bakerGone,
         "able bravo charlie", "able", 1},
        {"by title, ascending, the clicked story kept by a check", kTitle, 1, "baker", &bravoFirst,
         "able baker bravo charlie", "baker", 2},
        {"by link, descending, the clicked story in the last row", kUrl, 2, "charlie", nullptr,
         "baker able charlie", "charlie", 0},
    };
    enum Way
    {
        GOTO_URL,
        CLICK_BELOW,
        RIGHT_CLICK_BELOW
    };
    const char* const wayNames[] = {"Goto Url", "a click below the rows", "a right click below the rows"};
    for (const auto& row : rows)
    {
        for (Way way : {GOTO_URL, CLICK_BELOW, RIGHT_CLICK_BELOW})
        {
            SCOPED_TRACE(std::string(row.name) + ", " + wayNames[way]);
            NewsServer server;
            ReopenShowingAlpha(server, row.nColumn, row.nHeaderClicks);
            if (row.clicked != nullptr)
                Notify(NM_CLICK, RowTitled(row.clicked));
            if (row.page != nullptr)
            {
                server.SetPage("alpha", ResultPageHtml(*row.page));
                Command(CItemTreeView::ID_CHECK_ALL);
                ASSERT_TRUE(WaitForChecks());
            }
            ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), row.titles);
            List().SetItemState(-1, 0, LVIS_SELECTED);
            m_pPreview->SetTitle(" ");
            const Opened link = {"new window: http://news.example/alpha/" + std::to_string(row.nLink)};
            switch (way)
            {
            case GOTO_URL:
                EXPECT_EQ(GotoUrl(), link);
                EXPECT_EQ(SelectedTitles(), "");
                break;
            case CLICK_BELOW:
                Notify(NM_CLICK, -1);
                EXPECT_STREQ(m_pPreview->GetTitle(), row.taken);
                EXPECT_EQ(SelectedTitles(), row.taken);
                EXPECT_EQ(GotoUrl(), link) << "the story taken is the clicked one";
                break;
            case RIGHT_CLICK_BELOW:
            {
                m_pFrame->SetForegroundWindow(); // the menu's keys come to it
                ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == m_pFrame->m_hWnd; }));
                FirstMenuItemChooser chooser;
                Notify(NM_RCLICK, -1);
                ASSERT_TRUE(PumpPendingUntil([&] { return chooser.Chosen() && !g_opened.empty(); }));
                EXPECT_EQ(m_opened.Take(), link) << "the menu's Goto Url";
                EXPECT_EQ(SelectedTitles(), row.taken);
                break;
            }
            }
        }
    }
}

// A check refills a list the user has sorted: the rows come in the order the
// header's arrow shows, and Goto Url still opens the clicked story.
TEST_F(NewsListTest, ACheckRefillsASortedListInTheShownOrder)
{
    const struct
    {
        const char* name;
        int nColumn;
        int nHeaderClicks;
        const char* column; // the sorted column's texts after the check
    } rows[] = {
        {"by title, ascending", CSkellrunView::COLUMN_TITLE, 1, "able baker charlie dawn"},
        {"by title, descending", CSkellrunView::COLUMN_TITLE, 2, "dawn charlie baker able"},
        {"by time, ascending", CSkellrunView::COLUMN_TIME, 1,
         "1 hour ago 2 hours ago 3 hours ago 4 hours ago"},
        {"by link, descending", CSkellrunView::COLUMN_URL, 2,
         "http://news.example/alpha/9 http://news.example/alpha/2 http://news.example/alpha/1 "
         "http://news.example/alpha/0"},
    };
    NewsServer server;
    server.SetPage("alpha", ResultPageHtml({AlphaRecord(9, "dawn", "1 hour ago"),
                                            AlphaRecord(0, "charlie", "4 hours ago"),
                                            AlphaRecord(1, "able", "3 hours ago"),
                                            AlphaRecord(2, "baker", "2 hours ago")}));
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ReopenShowingAlpha(server, row.nColumn, row.nHeaderClicks);
        Notify(NM_CLICK, 0);
        const std::string clicked = (LPCTSTR)List().GetItemText(0, CSkellrunView::COLUMN_URL);

        Command(CItemTreeView::ID_CHECK_ALL);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(Column(row.nColumn), row.column);
        BOOL bAscending = FALSE;
        EXPECT_EQ(m_pList->GetSortColumn(&bAscending), row.nColumn);
        EXPECT_EQ(bAscending, row.nHeaderClicks == 1);
        EXPECT_EQ(GotoUrl(), Opened({"new window: " + clicked}));
    }
}

// Another keyword's rows come in the order the header shows too.
TEST_F(NewsListTest, AnotherKeywordsRowsComeInTheShownOrder)
{
    TearDown();
    Open({{"alpha", {"b", "c", "a"}}, {"beta", {"y", "z", "x"}}});
    Select("alpha");
    HeaderClick(HDN_ITEMCLICKA, CSkellrunView::COLUMN_TITLE);
    HeaderClick(HDN_ITEMCLICKA, CSkellrunView::COLUMN_TITLE);
    Select("beta");
    EXPECT_EQ(Column(CSkellrunView::COLUMN_TITLE), "z y x");
}

// The preview pane shows a clicked story of alpha's until alpha goes, with
// the list or on its own; another keyword's going leaves it.
TEST_F(NewsListTest, AStoryLeavesThePreviewPaneWhenItsKeywordGoes)
{
    const struct
    {
        const char* name;
        std::function<void(NewsListTest&)> change;
        const char* preview; // keyword/title/summary
    } rows[] = {
        {"Remove All", [](NewsListTest& t) { t.Command(CItemTreeView::ID_REMOVE_ALL); }, "//"},
        {"Remove of the shown keyword", [](NewsListTest& t) { t.Command(CItemTreeView::ID_REMOVE_KEYWORD); },
         "//"},
        {"Remove of the previewed keyword while another is shown",
         [](NewsListTest& t) {
             t.Select("beta");
             // Alpha alone selected, beta still on screen.
             CXTTreeCtrl& tree = t.m_pTree->GetTree();
             tree.CTreeCtrl::SetItemState(t.ItemNamed("beta"), 0, TVIS_SELECTED);
             tree.CTreeCtrl::SetItemState(t.ItemNamed("alpha"), TVIS_SELECTED, TVIS_SELECTED);
             t.Command(CItemTreeView::ID_REMOVE_KEYWORD);
             ASSERT_EQ(t.Group().keywordCount, 1);
             ASSERT_STREQ(t.Group().GetFirst()->name, "beta");
         },
         "//"},
        {"Import",
         [](NewsListTest& t) {
             const std::string path = t.m_folder.File("import.xml");
             WriteStore(path, kStore);
             ASSERT_TRUE(t.m_pTree->ImportKeywordsFrom(path.c_str()));
         },
         "//"},
        {"Remove of another keyword",
         [](NewsListTest& t) {
             t.Select("beta");
             t.Command(CItemTreeView::ID_REMOVE_KEYWORD);
         },
         "alpha/baker/summary of baker"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        TearDown(); // the fixture's list, or the last row's
        Open(kStore);
        Select("alpha");
        Notify(NM_CLICK, 2);
        row.change(*this);
        EXPECT_EQ(PreviewText(m_pPreview), row.preview);
    }
}

// The user clicks able; a check brings alpha's three stories again, with
// time texts that differ from the stored dates the rows show. The rows show
// the stories' new texts in every column, in the order the header shows,
// and able's row is still the selected one.
TEST_F(NewsListTest, ACheckWithoutNewsShowsTheStoriesNewTimeTextsInTheShownOrder)
{
    const struct
    {
        const char* name;
        int nColumn; // the header clicked, -1 for none
        int nHeaderClicks;
        const char* times;
        const char* titles;
        const char* links; // the story numbers of the links
    } rows[] = {
        {"in list order", -1, 0, "3 hours ago 1 hour ago 2 hours ago", "charlie able baker", "0 1 2"},
        {"by time, ascending", CSkellrunView::COLUMN_TIME, 1, "1 hour ago 2 hours ago 3 hours ago",
         "able baker charlie", "1 2 0"},
        {"by time, descending", CSkellrunView::COLUMN_TIME, 2, "3 hours ago 2 hours ago 1 hour ago",
         "charlie baker able", "0 2 1"},
        {"by title", CSkellrunView::COLUMN_TITLE, 1, "1 hour ago 2 hours ago 3 hours ago", "able baker charlie",
         "1 2 0"},
    };
    NewsServer server;
    server.SetPage("alpha", ResultPageHtml({AlphaRecord(0, "charlie", "3 hours ago"),
                                            AlphaRecord(1, "able", "1 hour ago"),
                                            AlphaRecord(2, "baker", "2 hours ago")}));
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ReopenShowingAlpha(server, row.nColumn, row.nHeaderClicks);
        const int nAble = RowTitled("able");
        List().SetItemState(nAble, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); // as a click does
        Notify(NM_CLICK, nAble);
        ASSERT_EQ(SelectedTitles(), "able");

        Command(CItemTreeView::ID_CHECK_ALL);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(Column(CSkellrunView::COLUMN_TIME), row.times);
        EXPECT_EQ(Column(CSkellrunView::COLUMN_TITLE), row.titles);
        std::string links = Column(CSkellrunView::COLUMN_URL);
        for (size_t at; (at = links.find("http://news.example/alpha/")) != std::string::npos;)
            links.erase(at, strlen("http://news.example/alpha/"));
        EXPECT_EQ(links, row.links);
        EXPECT_EQ(SelectedTitles(), "able");
    }
}

// The user previews baker, a story of alpha's, then renames alpha to delta
// (Change Keyword), or checks it (Check News). While the check is out the
// preview pane names the keyword as it is called now, as the caption does;
// once the check is back the pane shows baker as the keyword lists it then,
// and nothing when the page took baker away.
TEST_F(NewsListTest, ThePreviewPaneNamesTheKeywordAsCalledNowAndShowsItsStoryAsTheCheckLeftIt)
{
    const std::vector<PageRecord> otherStories = {StoredStory("delta", 0, "delta one"),
                                                  StoredStory("delta", 1, "delta two")};
    const std::vector<PageRecord> bakerBehindNews = {StoredStory("delta", 0, "delta one"), AlphaRecord(2, "baker")};
    const struct
    {
        const char* name;
        const char* newName; // null: Check News of alpha
        std::vector<PageRecord> page;
        const char* preview; // after the check
    } rows[] = {
        {"renamed, a page of other stories", "delta", otherStories, "//"},
        {"renamed, a page with the story behind news", "delta", bakerBehindNews, "delta/baker/baker"},
        {"renamed, a page of the same stories", "delta",
         {AlphaRecord(0, "charlie"), AlphaRecord(1, "able"), AlphaRecord(2, "baker")},
         "delta/baker/summary of baker"},
        {"renamed, an empty page", "delta", {}, "delta/baker/summary of baker"},
        {"checked, a page of other stories", nullptr, otherStories, "//"},
        {"checked, a page with the story behind news", nullptr, bakerBehindNews, "alpha/baker/baker"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        TearDown(); // the fixture's list, or the last row's
        Open(kStore);
        Select("alpha");
        const char* const name = row.newName != nullptr ? row.newName : "alpha";
        NewsServer server;
        server.SetPage(name, ResultPageHtml(row.page));
        m_pTree->SetSearchHost(server.HostText().c_str());
        Notify(NM_CLICK, 2);
        server.Hold(true);
        if (row.newName != nullptr)
        {
            CDialogDriver driver([&](HWND hDlg) {
                ::SetDlgItemTextA(hDlg, CRepKeywordDlg::IDC_KEYWORD, row.newName);
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            });
            Command(CItemTreeView::ID_CHANGE_KEYWORD);
        }
        else
        {
            Command(CItemTreeView::ID_CHECK_NEWS);
        }
        ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() == 1; }));
        EXPECT_STREQ(m_pTree->GetCaption().GetCaptionText(), name);
        EXPECT_EQ(PreviewText(m_pPreview), std::string(name) + "/baker/summary of baker") << "the check out";

        server.Hold(false);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(PreviewText(m_pPreview), row.preview);
    }
}

// The page writes its links with character references; the store keeps them
// so, and the browser gets the address the page means, whichever way the link
// is opened.
TEST_F(NewsListTest, ALinkIsOpenedWithItsCharacterReferencesDecodedAndStaysStoredAsWritten)
{
    const char* const kWritten = "http://news.example/find?a=1&amp;b=2&#38;c=&#x33;&amp;d=&lt;4&gt;&copy;";
    const char* const kMeant = "new window: http://news.example/find?a=1&b=2&c=3&d=<4>&copy;";
    NewsServer server;
    server.SetPage("alpha", ResultPageHtml({{kWritten, "dawn", "1 hour ago", "dawn"}}));
    m_pTree->SetSearchHost(server.HostText().c_str());
    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(WaitForChecks());
    ASSERT_EQ(Column(CSkellrunView::COLUMN_TITLE), "dawn");
    EXPECT_STREQ(m_pList->ItemOfRow(0)->link, kWritten);

    Notify(NM_DBLCLK, 0);
    EXPECT_EQ(m_opened.Take(), Opened({kMeant})) << "double click";
    Notify(NM_CLICK, 0);
    EXPECT_EQ(GotoUrl(), Opened({kMeant})) << "Goto Url";
    EXPECT_STREQ(m_pList->ItemOfRow(0)->link, kWritten);
    EXPECT_EQ(Column(CSkellrunView::COLUMN_URL), kWritten);
}

TEST(NewsLinks, OnlyWebLinksAreOpened)
{
    for (const char* link : {"http://news.example/a", "HTTPS://news.example/"})
        EXPECT_TRUE(IsWebLink(link)) << link;
    for (const char* link : {"http://", "http:///path", "file:///c:/windows/system32/calc.exe",
                             "javascript:alert(1)", "c:\\windows\\notepad.exe", "", "ftp://news.example/"})
        EXPECT_FALSE(IsWebLink(link)) << link;
    EXPECT_FALSE(IsWebLink(nullptr));
}

TEST_F(NewsListTest, GotoUrlOnALinkThatIsNoWebLinkSaysInvalidUrlAndOpensNothing)
{
    Keyword* alpha = Group().GetFirst();
    alpha->firstItem->link = "file:///c:/windows/notepad.exe";
    Notify(NM_CLICK, 0);
    CDialogDriver driver;
    m_pList->SendMessage(WM_COMMAND, CSkellrunView::ID_GOTO_URL, 0);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].text, "Invalid Url");
    EXPECT_EQ(driver.seen[0].caption, "Tidewatch");

    Notify(NM_DBLCLK, 0);
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[1].text, "Invalid Url");
    Notify(NM_DBLCLK, -1);
    EXPECT_EQ(driver.seen.size(), 2u);
}

// What is tested is the decoded link, the one a browser would be given.
TEST_F(NewsListTest, ALinkThatIsAWebLinkOnlyOnceDecodedIsOpenedAndOneThatIsNoneIsNot)
{
    const struct
    {
        const char* name;
        const char* link;
        const char* opened; // null: "Invalid Url"
    } cases[] = {
        {"a scheme written with references", "&#104;ttp&#x3A;//news.example/a", "http://news.example/a"},
        {"another scheme written with references", "file&#58;///c:/windows/notepad.exe", nullptr},
        {"a host written as a reference to a slash", "http://&#47;etc", nullptr},
    };
    NewsItem* pItem = Group().GetFirst()->firstItem;
    for (const auto& c : cases)
    {
        pItem->link = c.link;
        CDialogDriver driver;
        Notify(NM_DBLCLK, 0);
        if (c.opened != nullptr)
        {
            EXPECT_EQ(m_opened.Take(), Opened({std::string("new window: ") + c.opened})) << c.name;
            EXPECT_TRUE(driver.seen.empty()) << c.name;
        }
        else
        {
            EXPECT_TRUE(m_opened.Take().empty()) << c.name;
            ASSERT_EQ(driver.seen.size(), 1u) << c.name;
            EXPECT_EQ(driver.seen[0].text, "Invalid Url") << c.name;
        }
    }
}

} // namespace
