#pragma once
// A frame holding the three views of the main window (keyword tree, news
// list, preview pane) wired as the main frame wires them, over a store
// "conf.xml" in a temporary program folder. The frame records what the views
// post to it and what they ask of it as the keyword pane's host.
#include "app/AppMessages.h"
#include "app/ItemTreeView.h"
#include "app/KeywordPaneHost.h"
#include "app/PreviewPane.h"
#include "app/SkellrunView.h"
#include "engine/ProgramFolder.h"
#include "MainFrameFixture.h"
#include "tests/support/ResultPageBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestWindow.h"

#include <string>
#include <vector>

class CViewsTestFrame : public CTestFrame, public CKeywordPaneHost
{
public:
    void HideKeywordPane() override { ++m_nHideRequests; }
    void OnKeywordSelChanged(LPCTSTR lpszItemText, HICON) override { m_selections.push_back(lpszItemText); }

    int m_nHideRequests = 0, m_nAllRead = 0, m_nNewsArrived = 0;
    // WM_CHECK_PROGRESS as (percent, kind) pairs, in arrival order.
    std::vector<std::pair<int, int>> m_progress;
    std::vector<std::string> m_selections;

protected:
    // Counts and records the messages the views post to the frame.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// One stored keyword: its name and its items' titles, each with a leading
// '*' when unread.
struct StoredKeyword
{
    const char* name;
    std::vector<std::string> items;
};

// The screen points a real click on the news list aims at: the middle of a
// row's text, the middle of a column's header, and a point of the empty area
// below the rows (10 pixels under the last row's text).
CPoint ScreenCenterOfRow(CSkellrunView* pList, int nRow);
CPoint ScreenCenterOfColumnHeader(CSkellrunView* pList, int nCol);
CPoint ScreenPointBelowTheRows(CSkellrunView* pList);
// While it lives, chooses the first item of the next menu the thread opens,
// by real keys (Down, Enter) once the menu is open: the menu of a right
// click, whose command then goes where the menu sends it.
//
//     FirstMenuItemChooser chooser;
//     SendButtonsAt(point, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
//     ASSERT_TRUE(PumpPendingUntil([&] { return chooser.Chosen(); }));
class FirstMenuItemChooser
{
public:
    FirstMenuItemChooser();
    ~FirstMenuItemChooser();
    FirstMenuItemChooser(const FirstMenuItemChooser&) = delete;
    FirstMenuItemChooser& operator=(const FirstMenuItemChooser&) = delete;

    // TRUE once a menu has opened, its item was chosen and it has closed.
    bool Chosen() const;

private:
    // Looks for an open menu on each tick of the thread's timer.
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD);

    UINT_PTR m_nTimer;
    static bool s_bKeysSent;
};
// The news list's texts of a column, row by row, and the titles of the
// selected rows, each joined by spaces.
std::string ColumnText(CListCtrl& list, int nCol);
std::string SelectedTitles(CListCtrl& list);
// What the preview pane shows: "keyword/title/summary", the summary as its
// edit control holds it.
std::string PreviewText(CPreviewPane* pPreview);
// A result-page record of a story as WriteStore writes the keyword's n-th
// item: its link is "http://news.example/<keyword>/<n>", its summary its title.
PageRecord StoredStory(const char* keyword, int n, const std::string& title, const char* time = "1 hour ago");
// Ten stories no store of WriteStore holds: "n0" to "n9", the keyword's
// stories 100 to 109.
std::vector<PageRecord> TenNewStories(const char* keyword);

class ViewsTest : public ::testing::Test
{
public:
    ViewsTest() { SetProgramFolder(m_folder.Path().c_str()); }
    ~ViewsTest() override { SetProgramFolder(""); }

    void TearDown() override;

    // Writes the store, then makes the frame and the views. Checks go to a
    // closed port on 127.0.0.1 (they fail at once) until a test names its
    // own server with m_pTree->SetSearchHost.
    void Open(const std::vector<StoredKeyword>& store);
    // Dispatches messages until no check runs (g_bUpdatingNews is down) and
    // what the checks posted has arrived; FALSE after 10 s.
    bool WaitForChecks();
    // Writes a store file of these keywords.
    static void WriteStore(const std::string& path, const std::vector<StoredKeyword>& store);

    // The tree's keyword items in order, and their texts, bold ones with a
    // leading '*'.
    std::vector<HTREEITEM> KeywordItems();
    std::string TreeText();
    // What the views and the keyword group hold, as one line:
    // "*root: *alpha beta | 2 keywords, 3 unread | list: alpha 3 rows"
    // (a bold root with its '*'; "list: none" when the list shows no keyword).
    std::string State();
    HTREEITEM ItemNamed(const char* name);
    // Selects the keyword's item (the root for NULL) as a click does.
    void Select(const char* name);
    void Command(UINT nID);
    // The posted WM_ALL_READ messages so far.
    int AllReadCount();
    KeywordGroup& Group() { return m_pTree->m_group; }

    TempFolder m_folder;
    CViewsTestFrame* m_pFrame = nullptr;
    CItemTreeView* m_pTree = nullptr;
    CSkellrunView* m_pList = nullptr;
    CPreviewPane* m_pPreview = nullptr;
};
