// The news server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "ViewsFixture.h"
#include "tests/support/RealInput.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

#include <stdio.h>

LRESULT CViewsTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_nAllRead += message == WM_ALL_READ;
    m_nNewsArrived += message == WM_NEWS_ARRIVED;
    if (message == WM_CHECK_PROGRESS)
        m_progress.push_back(std::make_pair((int)wParam, (int)lParam));
    return CTestFrame::WindowProc(message, wParam, lParam);
}

void ViewsTest::WriteStore(const std::string& path, const std::vector<StoredKeyword>& store)
{
    KeywordGroup group;
    for (const StoredKeyword& stored : store)
    {
        Keyword* keyword = new Keyword(stored.name);
        group.Add(keyword);
        int nItem = 0;
        for (const std::string& item : stored.items)
        {
            const BOOL unread = item[0] == '*';
            CString title = item.c_str() + (unread ? 1 : 0);
            CString link;
            link.Format("http://news.example/%s/%d", stored.name, nItem);
            CString time;
            time.Format("Mon 3/%d/2007", 10 + nItem++);
            keyword->AppendItem(new NewsItem(title, link, time, "summary of " + title, keyword, unread));
        }
    }
    ASSERT_EQ(group.ConfWriter(path.c_str()), 1);
}

void ViewsTest::Open(const std::vector<StoredKeyword>& store)
{
    WriteStore(m_folder.File("conf.xml"), store);
    m_pFrame = new CViewsTestFrame;
    ASSERT_TRUE(m_pFrame->CreateAt(20, 20, 800, 500));
    m_pTree = new CItemTreeView;
    ASSERT_TRUE(m_pTree->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 500), m_pFrame, 0xE900));
    m_pList = new CSkellrunView;
    ASSERT_TRUE(
        m_pList->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(200, 0, 800, 250), m_pFrame, 0xE901));
    m_pPreview = new CPreviewPane;
    ASSERT_TRUE(
        m_pPreview->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(200, 250, 800, 500), m_pFrame, 0xE902));
    m_pTree->SetSearchHost(RefusingHostText().c_str());
    m_pTree->SetListView(m_pList);
    m_pList->SetTreeView(m_pTree);
    m_pList->SetPreviewPane(m_pPreview);
    PumpPending();
    m_pFrame->m_nAllRead = 0;
}

bool ViewsTest::WaitForChecks()
{
    const bool ended = PumpUntil([] { return !g_bUpdatingNews; });
    PumpPending();
    return ended;
}

void ViewsTest::TearDown()
{
    g_bUpdatingNews = FALSE;
    if (m_pFrame != nullptr)
        m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
}

std::vector<HTREEITEM> ViewsTest::KeywordItems()
{
    CXTTreeCtrl& tree = m_pTree->GetTree();
    std::vector<HTREEITEM> items;
    for (HTREEITEM hItem = tree.GetChildItem(m_pTree->GetRootItem()); hItem != NULL;
         hItem = tree.GetNextItem(hItem, TVGN_NEXT))
        items.push_back(hItem);
    return items;
}

std::string ViewsTest::TreeText()
{
    std::string text;
    for (HTREEITEM hItem : KeywordItems())
        text += std::string(text.empty() ? "" : " ") + (m_pTree->GetTree().GetItemBold(hItem) ? "*" : "")
                + (LPCTSTR)m_pTree->GetTree().GetItemText(hItem);
    return text;
}

std::string ViewsTest::State()
{
    CXTTreeCtrl& tree = m_pTree->GetTree();
    Keyword* pShown = m_pList->GetKeyword();
    char counts[128];
    snprintf(counts, sizeof counts, " | %d keywords, %d unread | list: %s %d rows", Group().keywordCount,
             Group().totalUnread, pShown != nullptr ? (LPCTSTR)pShown->name : "none",
             m_pList->GetListCtrl().GetItemCount());
    return std::string(tree.GetItemBold(m_pTree->GetRootItem()) ? "*" : "") + "root: " + TreeText() + counts;
}

void ViewsTest::Select(const char* name)
{
    m_pTree->GetTree().Select(name != nullptr ? ItemNamed(name) : m_pTree->GetRootItem(), TVGN_CARET);
    PumpPending();
}

HTREEITEM ViewsTest::ItemNamed(const char* name)
{
    for (HTREEITEM hItem : KeywordItems())
    {
        if (m_pTree->GetTree().GetItemText(hItem) == name)
            return hItem;
    }
    return NULL;
}

void ViewsTest::Command(UINT nID)
{
    m_pTree->SendMessage(WM_COMMAND, nID, 0);
}

int ViewsTest::AllReadCount()
{
    PumpPending();
    return m_pFrame->m_nAllRead;
}

CPoint ScreenCenterOfRow(CSkellrunView* pList, int nRow)
{
    CRect rcRow;
    pList->GetListCtrl().GetItemRect(nRow, &rcRow, LVIR_LABEL);
    pList->ClientToScreen(&rcRow);
    return rcRow.CenterPoint();
}

CPoint ScreenCenterOfColumnHeader(CSkellrunView* pList, int nCol)
{
    CRect rcHeader;
    pList->GetHeaderCtrl()->GetItemRect(nCol, &rcHeader);
    pList->GetHeaderCtrl()->ClientToScreen(&rcHeader);
    return rcHeader.CenterPoint();
}

CPoint ScreenPointBelowTheRows(CSkellrunView* pList)
{
    CListCtrl& list = pList->GetListCtrl();
    CRect rcLast, rcClient;
    list.GetItemRect(list.GetItemCount() - 1, &rcLast, LVIR_LABEL);
    list.GetClientRect(&rcClient);
    EXPECT_LT(rcLast.bottom + 20, rcClient.bottom) << "no room below the rows";
    CPoint below(rcLast.CenterPoint().x, rcLast.bottom + 10);
    list.ClientToScreen(&below);
    return below;
}

bool FirstMenuItemChooser::s_bKeysSent = false;

FirstMenuItemChooser::FirstMenuItemChooser() : m_nTimer(::SetTimer(NULL, 0, 10, OnTimer))
{
    s_bKeysSent = false;
}

FirstMenuItemChooser::~FirstMenuItemChooser()
{
    ::KillTimer(NULL, m_nTimer);
}

bool FirstMenuItemChooser::Chosen() const
{
    return s_bKeysSent && XTPMouseManager()->GetTrackedCount() == 0;
}

void CALLBACK FirstMenuItemChooser::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_bKeysSent || XTPMouseManager()->GetTrackedCount() == 0)
        return;
    s_bKeysSent = true;
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
}

std::string ColumnText(CListCtrl& list, int nCol)
{
    std::string text;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        text += std::string(nRow ? " " : "") + (LPCTSTR)list.GetItemText(nRow, nCol);
    return text;
}

std::string SelectedTitles(CListCtrl& list)
{
    std::string titles;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = list.GetNextItem(nRow, LVNI_SELECTED))
        titles += std::string(titles.empty() ? "" : " ")
                  + (LPCTSTR)list.GetItemText(nRow, CSkellrunView::COLUMN_TITLE);
    return titles;
}

std::string PreviewText(CPreviewPane* pPreview)
{
    CString summary;
    pPreview->GetEdit().GetWindowText(summary);
    return (LPCTSTR)(pPreview->GetKeyword() + "/" + pPreview->GetTitle() + "/" + summary);
}

PageRecord StoredStory(const char* keyword, int n, const std::string& title, const char* time)
{
    return PageRecord{"http://news.example/" + std::string(keyword) + "/" + std::to_string(n), title, time,
                      title};
}

std::vector<PageRecord> TenNewStories(const char* keyword)
{
    std::vector<PageRecord> records;
    for (int i = 0; i < 10; ++i)
        records.push_back(StoredStory(keyword, 100 + i, "n" + std::to_string(i)));
    return records;
}
