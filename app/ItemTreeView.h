#pragma once
// CItemTreeView: the left pane of the main window. A caption bar "Keyword
// List" over a tree with one root item and a child per keyword; keywords
// with unread news are bold, and so is the root while any item is unread.
// The view owns the program's keyword list, reads it from "conf.xml" when it
// is created and writes it back with SaveKeywords. It handles the keyword
// commands (add, change, remove, remove all, mark as read), imports and
// exports the list as XML files, and shows the selected keyword in the news
// list (CSkellrunView), which names the keyword it shows in the caption bar
// ("Keyword" while it shows none; selecting the root changes neither).
//
// It runs the keyword checks: Check News (one keyword), Check All, the
// start-up pass (WM_CHECK_ALL) and the timed pass of timer 1. Each keyword's
// page is fetched and parsed by a NewsFetch on one of the view's worker
// threads (NewsFetchWorkers); the merge into the keyword, the bold marks, the
// news list and the counters are done here, on the view's thread, when the
// worker's result arrives. The main frame hears
// WM_CHECK_PROGRESS and, after a pass with news, WM_NEWS_ARRIVED.
//
// The main frame creates it in its splitter, then calls SetOptions and
// SetListView; the frame may derive from CKeywordPaneHost to hear of caption
// clicks and selection changes.
//
// Each keyword item's data is its Keyword; the Keyword keeps its item handle.
// The list's totalUnread is kept equal to the sum of the keywords' unread
// counts: items are marked read only through the keyword list's own marking
// (MarkItemRead, MarkKeywordRead, Mark as Read on the root).
#include "app/NewsFetchWorkers.h"
#include "engine/KeywordGroup.h"
#include "framework/Window.h"
#include "toolkit/controls/XTCaption.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTTreeCtrl.h"

#include <vector>

class CSkellrunView;
class NewsFetch;

// Set while a check runs; the editing, import and export commands refuse then.
// Only the keyword tree view's thread writes it: it raises it before a check
// starts and lowers it when the last running check has ended.
extern BOOL g_bUpdatingNews;

class CItemTreeView : public CXTFlatBorder<CView>
{
    DECLARE_DYNCREATE(CItemTreeView)
public:
    enum
    {
        IDC_TREE = 1000,
        IDC_CAPTION = 1001,
        IDS_ROOT = 131,
        IDR_CONTEXT_MENU = 152
    };
    enum
    {
        ID_REMOVE_KEYWORD = 32812,
        ID_CHANGE_KEYWORD = 32857,
        ID_MARK_READ = 32815,
        ID_REMOVE_ALL = 32817,
        ID_ADD_KEYWORD = 32814,
        ID_CHECK_NEWS = 32813,
        ID_CHECK_ALL = 32828
    };
    enum
    {
        TIMER_CHECK = 1
    };
    // GetCheckState's answers.
    enum
    {
        CHECK_SHOWN_KEYWORD = 1,
        CHECK_PASS = 2,
        CHECK_NONE = 3
    };
    // How long StopChecks waits for the workers by default.
    enum
    {
        STOP_WAIT_MS = 5000
    };
    enum
    {
        CAPTION_HEIGHT = 19
    };

    CItemTreeView();

    // --- called by the main frame ---
    void SetListView(CSkellrunView* pListView) { m_pListView = pListView; }
    // Stores the options; nothing else.
    void SetOptions(BOOL playSoundOnNews, BOOL autoCheckEvery, BOOL autoCheckOnStart, BOOL showSummaryOnStart,
                    BOOL showSummary, int autoCheckInterval, int alertTime, BOOL checkUpgrade);
    // Writes "conf.xml"; a store that cannot be written is reported in a
    // message box and the result is FALSE.
    BOOL SaveKeywords();
    // Import (an Open dialog, then ImportKeywordsFrom) and export (a Save As
    // dialog, then ExportKeywordsTo); both refuse while a check runs.
    void ImportKeywords();
    void ExportKeywords();
    // Remove All (at once, without a question) and Add Keyword (through its
    // dialog); both refuse while a check runs. The frame runs them too while another
    // view is active.
    afx_msg void OnRemoveAllKeywords();
    afx_msg void OnAddKeyword();
    // Check All: a pass over every keyword, unless one runs already; the
    // pass announces its news even when it was started at start-up.
    afx_msg void OnCheckEveryKeyword();
    // The pass's progress, 0..100.
    int GetPercent() const { return m_nPercent; }
    // CHECK_SHOWN_KEYWORD while the keyword in the news list has its single
    // check running, else CHECK_PASS while a pass runs, else CHECK_NONE.
    int GetCheckState() const;
    // (Re)arms timer 1 with AutoCheckInterval, kept within 5..3600 minutes.
    void ArmCheckTimer();
    // Abandons every running check: the workers' requests are aborted and
    // waited for up to nWaitMs; no check starts afterwards. The frame calls
    // it before it saves the store.
    void StopChecks(DWORD nWaitMs = STOP_WAIT_MS);
    // The news-search host ("name" or "name:port"); empty (the default)
    // takes NewsSearchHost() at each check.
    void SetSearchHost(const CString& host) { m_strSearchHost = host; }
    // The whole list is replaced by the file's keywords only when the file
    // was read whole; otherwise nothing changes and a message box says so.
    // Keywords too long to be searched for (the keyword dialogs' rule) are
    // taken with the rest, and a message box names them.
    BOOL ImportKeywordsFrom(LPCTSTR lpszPath);
    // Writes the list; a file that cannot be written is reported.
    BOOL ExportKeywordsTo(LPCTSTR lpszPath);

    // --- called by the news list and the frame ---
    // Bold or normal for the keyword's item, or the root's when pKeyword is null.
    void SetKeywordBold(Keyword* pKeyword, BOOL bBold);
    void SetCaptionText(LPCTSTR lpszText) { m_wndCaption.UpdateCaption(lpszText, NULL); }
    // TVGN_CARET makes the item the only selected one; other codes go to the
    // tree as they are.
    void SelectTreeItem(HTREEITEM hItem, UINT nCode);
    // The news list shows the first keyword, or nothing ("Keyword" as caption).
    void ShowFirstKeyword();
    // After unread items went away: the root is bold while any is unread, and
    // the main frame hears WM_ALL_READ when the last one went.
    void UnreadTotalChanged(int nTotalBefore);
    // Marks one item read (the news list's click, the balloon's click): the
    // keyword's item loses its bold when nothing of it is unread any more, the
    // root's when nothing at all is. TRUE when that was the last unread item;
    // the caller then tells the frame in its own way.
    BOOL MarkItemRead(NewsItem* pItem);

    // The keyword commands, as the menu and the tree's clicks run them. Add
    // and Change refuse a text that another keyword has, whatever its case,
    // and check the added or changed keyword at once. The added or changed
    // keyword's item becomes the only selected item, so that a following
    // Remove takes only what the user just saw in the dialog; after Remove
    // it is the first keyword's (the root's when none is left), the one the
    // news list then shows. The focus the view gets when a dialog closes
    // goes on to the tree, which paints that selection.
    void AddKeyword();
    void EditKeyword();
    void ClearKeywords();
    // Marks every item of the keyword read: its item loses its bold, the news
    // list shows it again when it is the one on screen, and the root loses
    // its bold when nothing is unread any more.
    void MarkKeywordRead(Keyword* pKeyword);

    KeywordGroup& GetKeywords() { return m_group; }
    CXTTreeCtrl& GetTree() { return m_wndTree; }
    CXTCaption& GetCaption() { return m_wndCaption; }
    // Remove All and Import put a new root item in the old one's place.
    HTREEITEM GetRootItem() const { return m_hRoot; }

    // Options, as SetOptions stored them.
    BOOL AutoCheckEvery;
    BOOL PlaySoundOnNews;
    BOOL AutoCheckOnStart;
    BOOL ShowSummary;
    BOOL ShowSummaryOnStart;
    int AutoCheckInterval;
    int AlertTime;
    BOOL CheckUpgrade;

    // The current pass was started by WM_CHECK_ALL (then ShowSummaryOnStart
    // keeps its news quiet); cleared by timer 1 and by Check All.
    BOOL m_bStartedAtStartup;
    KeywordGroup m_group;
    HTREEITEM m_hRoot;
    BOOL m_bPassRunning;
    // Check All asked for the running pass.
    BOOL m_bPassRequested;
    int m_nPercent;

protected:
    // Adds WS_CLIPSIBLINGS and WS_CLIPCHILDREN.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Draws nothing: the caption and the tree cover the view.
    void OnDraw(CDC* pDC) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Passes the focus on to the tree.
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSysColorChange();
    afx_msg void OnCaptionClick();
    afx_msg void OnTreeClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeRClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRemoveKeyword();
    afx_msg void OnChangeKeyword();
    afx_msg void OnMarkRead();
    afx_msg void OnCheckNews();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    // WM_CHECK_ALL: the start-up pass.
    afx_msg LRESULT OnStartupCheck(WPARAM wParam, LPARAM lParam);
    // A worker's result: merged here, then the check goes on or ends.
    afx_msg LRESULT OnNewsFetched(WPARAM wParam, LPARAM lParam);
    // Remove, Change Keyword, Check News: enabled on a keyword, disabled on the root,
    // left alone without a selection.
    afx_msg void OnUpdateKeywordCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL BuildImageList();
    void LoadTree();
    // The root item, last at the top level, as m_hRoot.
    void InsertRoot();
    // A child of the root for every keyword, bold marks, root expanded and selected.
    void FillTree();
    // A child of the root for the keyword, bold while it has unread items.
    HTREEITEM InsertKeywordItem(Keyword* pKeyword);
    Keyword* KeywordOf(HTREEITEM hItem) const;
    // The selected item, or else the item of the keyword on screen.
    HTREEITEM CurrentItem() const;
    // A keyword about to be destroyed: its checks give up, and the news list
    // lets go of its rows and of its story in the preview pane.
    void ForgetKeyword(Keyword* pKeyword);
    void RemoveKeyword(Keyword* pKeyword);
    // After an import: a message box names the keywords whose news-search
    // request cannot be sent, if any.
    void ReportUnsearchableKeywords();
    // Mark as Read on the root: every keyword; the news list shows its
    // keyword again.
    void MarkAllRead();
    // The message box of a command refused while a check runs; TRUE then.
    BOOL RefuseWhileUpdating(LPCTSTR lpszText, LPCTSTR lpszCaption);
    void Report(LPCTSTR lpszText, LPCTSTR lpszCaption);

    // The checks (ItemTreeViewChecks.cpp).
    // One keyword's step in a pass: the keyword (null once removed), the
    // fetch of its page (null until it is fetched, or after it was let go),
    // and whether that page has come back.
    struct PassStep
    {
        Keyword* keyword;
        NewsFetch* fetch;
        BOOL arrived;
    };
    void StartPass();
    // Runs the pass's steps from the current one: each step's check begins,
    // waits for its page and merges it, then the next one begins; ends the
    // pass after the last. Returns while a page is on its way.
    void ContinuePass();
    // Fetches the pages of the current step and up to kPassAhead - 1 after
    // it, skipping keywords that another check holds now.
    void FetchAhead();
    // The step's check begins: its progress is posted and its keyword marked
    // as being checked (its page fetched now when it was not fetched ahead).
    // FALSE when it is skipped: the keyword went, another check holds it, or
    // no worker could start.
    BOOL BeginPassStep(PassStep& step);
    // The step's page merged (unless its keyword went or was renamed).
    void FinishPassStep(PassStep& step);
    // The step no longer waits for its fetch: an arrived one is deleted,
    // one on its way dropped when it comes back.
    void LetGoOfPassFetch(PassStep& step);
    void EndPass();
    // A fetch of the keyword's page on one of the workers, kept in
    // m_fetches; NULL when no worker could start. The caller marks the
    // keyword as being checked when its check begins.
    NewsFetch* StartFetch(Keyword* pKeyword, NewsFetchWorkers& workers, BOOL bForPass);
    // Takes a fetch whose worker is done out of m_fetches and deletes it.
    void DeleteFetch(NewsFetch* pFetch);
    // The pass step waiting for the fetch, or NULL.
    PassStep* PassStepOf(const NewsFetch* pFetch);
    // A fetched page merged into the keyword, its bold marks set when the
    // page held news, and the news list told of what changed, news or not;
    // TRUE when the page held news.
    BOOL MergeFetched(Keyword* pKeyword, NewsFetch* pFetch);
    // A single check of the keyword unless it is being checked already;
    // Check News and the keyword dialogs start one.
    void StartSingleCheck(Keyword* pKeyword);
    // A single check's page came back: merged (unless its keyword went or
    // was renamed), then the check ends.
    void FinishSingleCheck(NewsFetch* pFetch);
    void EndSingleCheck(Keyword* pKeyword);
    // g_bUpdatingNews from what runs now.
    void UpdateBusyState();
    // Every fetch of the keyword gives up and its page will be dropped.
    void DropKeywordFetches(Keyword* pKeyword);
    // A keyword about to be destroyed: its running check gives up and its
    // result is dropped, and the pass skips it.
    void ForgetKeywordChecks(Keyword* pKeyword);
    // A keyword whose name changed: the pages asked for under the old name
    // are dropped, and a single check under the new name starts.
    void CheckRenamedKeyword(Keyword* pKeyword);
    CString SearchHost() const;

    CXTCaption m_wndCaption;
    CImageList m_imageList;
    CXTTreeCtrl m_wndTree;
    CSkellrunView* m_pListView;

    // The threads the fetches run on, kept from one check to the next: any
    // number for single checks, one for the pass (its requests in order).
    NewsFetchWorkers m_workers;
    NewsFetchWorkers m_passWorkers;
    // The fetches, owned here from their start until their page has been
    // merged or dropped.
    std::vector<NewsFetch*> m_fetches;
    // The pass: a step per keyword as it started, the current step's index
    // and whether its check has begun, the next step to fetch ahead, news
    // found so far.
    std::vector<PassStep> m_passSteps;
    size_t m_nPassTurn;
    BOOL m_bPassStepBegun;
    size_t m_nPassNext;
    BOOL m_bPassFoundNews;
    int m_nSingleChecks;
    BOOL m_bStopped;
    CString m_strSearchHost;
};
