#pragma once
// CItemTreeView: the left pane of the main window. A caption bar "Keyword
// List" over a tree with one root item and a child per keyword; keywords
// with unread news are bold, and so is the root while any item is unread.
// The view owns the program's keyword list, reads it from "conf.xml" when it
// is created and writes it back with SaveKeywords. It handles the keyword
// commands (add, change, remove, remove all, mark as read), imports and
// exports the list as XML files, and shows the selected keyword in the news
// list (CSkellrunView).
//
// The main frame creates it in its splitter, then calls SetOptions and
// SetListView; the frame may derive from CKeywordPaneHost to hear of caption
// clicks and selection changes.
//
// Each keyword item's data is its Keyword; the Keyword keeps its item handle.
// The list's totalUnread is kept equal to the sum of the keywords' unread
// counts by every command here and by the news list.
#include "engine/KeywordGroup.h"
#include "framework/Window.h"
#include "toolkit/controls/XTCaption.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTTreeCtrl.h"

class CSkellrunView;

// Set while a check runs; the editing, import and export commands refuse then.
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
        ID_ADD_KEYWORD = 32814
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
    // Remove All (after the user's yes) and Add Keyword (through its dialog);
    // both refuse while a check runs. The frame runs them too while another
    // view is active.
    afx_msg void OnRemoveAllKeywords();
    afx_msg void OnAddKeyword();
    // The whole list is replaced by the file's keywords only when the file
    // was read whole; otherwise nothing changes and a message box says so.
    BOOL ImportKeywordsFrom(LPCTSTR lpszPath);
    // Writes the list; a file that cannot be written is reported.
    BOOL ExportKeywordsTo(LPCTSTR lpszPath);

    // --- called by the news list and the frame ---
    // Bold or normal for the keyword's item, or the root's when pKeyword is null.
    void SetKeywordBold(Keyword* pKeyword, BOOL bBold);
    void SetCaptionText(LPCTSTR lpszText) { m_wndCaption.UpdateCaption(lpszText, NULL); }
    void SelectTreeItem(HTREEITEM hItem, UINT nCode) { m_wndTree.Select(hItem, nCode); }
    // The news list shows the first keyword, or nothing ("Keyword" as caption).
    void ShowFirstKeyword();
    // After unread items went away: the root is bold while any is unread, and
    // the main frame hears WM_ALL_READ when the last one went.
    void UnreadTotalChanged(int nTotalBefore);

    // The keyword commands, as the menu and the tree's clicks run them. Add
    // and Change refuse a text that another keyword has, whatever its case.
    void AddKeyword();
    void EditKeyword();
    void ClearKeywords();
    void MarkKeywordRead(Keyword* pKeyword);

    KeywordGroup& GetKeywords() { return m_group; }
    CXTTreeCtrl& GetTree() { return m_wndTree; }
    CXTCaption& GetCaption() { return m_wndCaption; }
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

    KeywordGroup m_group;
    HTREEITEM m_hRoot;

protected:
    // Adds WS_CLIPSIBLINGS and WS_CLIPCHILDREN.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Draws nothing: the caption and the tree cover the view.
    void OnDraw(CDC* pDC) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
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
    // Remove, Change Keyword: enabled on a keyword, disabled on the root,
    // left alone without a selection.
    afx_msg void OnUpdateKeywordCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL BuildImageList();
    void LoadTree();
    // A child of the root for every keyword, bold marks, root expanded and selected.
    void FillTree();
    HTREEITEM InsertKeywordItem(Keyword* pKeyword);
    Keyword* KeywordOf(HTREEITEM hItem) const;
    // The selected item, or else the item of the keyword on screen.
    HTREEITEM CurrentItem() const;
    void RemoveKeyword(Keyword* pKeyword);
    // The message box of a command refused while a check runs; TRUE then.
    BOOL RefuseWhileUpdating(LPCTSTR lpszText, LPCTSTR lpszCaption);
    void Report(LPCTSTR lpszText, LPCTSTR lpszCaption);

    CXTCaption m_wndCaption;
    CImageList m_imageList;
    CXTTreeCtrl m_wndTree;
    CSkellrunView* m_pListView;
};
