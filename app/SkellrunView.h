#pragma once
// CSkellrunView: the news list, upper pane of the main window's right side.
// A report list of the news items of one keyword with the columns "Time",
// "Title" and "Url"; unread rows are drawn bold. A click shows the item in
// the preview pane (CPreviewPane) and marks it read; a double click or
// "Goto Url" opens its link in a new browser window. The keyword tree fills
// it through ShowKeyword; a click on a column header sorts the rows by that
// column's text, and rows shown later (another keyword, a check's refill)
// come in the order the header's arrow shows. The tree's caption names the
// keyword on screen.
//
// The main frame wires it with SetTreeView and SetPreviewPane; the tree
// tells it of each keyword about to be destroyed (ForgetKeyword), whose
// rows and previewed story then go, and of each keyword whose name or items
// changed (KeywordChanged), whose rows, caption and previewed story then
// show what it holds now. Each row's
// item data is its NewsItem; the keyword remembers the item clicked last
// (Keyword::LastClickedItem), so that Goto Url, a click and a right click
// below the rows take that story wherever a sort or a check has moved its
// row; before any click, and once a check has taken the clicked one away,
// they take the top row as the list shows it, in any sort. Links open
// through OpenUrlInNewBrowser.
#include "engine/KeywordGroup.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTListView.h"

class CItemTreeView;
class CPreviewPane;

class CSkellrunView : public CXTFlatBorder<CXTListView>
{
    DECLARE_DYNCREATE(CSkellrunView)
public:
    enum
    {
        ID_GOTO_URL = 32816,
        IDB_IMAGES = 146,
        IDR_LIST_MENU = 157
    };
    enum
    {
        COLUMN_TIME,
        COLUMN_TITLE,
        COLUMN_URL,
        COLUMN_COUNT
    };

    CSkellrunView();

    void SetPreviewPane(CPreviewPane* pPreview) { m_pPreview = pPreview; }
    void SetTreeView(CItemTreeView* pTreeView) { m_pTreeView = pTreeView; }

    // Shows the keyword's items, one row each, in list order or, once the
    // user has sorted by a column, in that column's order; the tree's
    // caption names the keyword. Null empties the list and the caption
    // reads "Keyword".
    void ShowKeyword(Keyword* pKeyword);
    Keyword* GetKeyword() const { return m_pKeyword; }
    // The keyword is about to be destroyed: when it is on screen its rows go
    // (as ShowKeyword(NULL)), and when the preview pane shows one of its
    // stories the pane is emptied.
    void ForgetKeyword(const Keyword* pKeyword);
    // What changed in a keyword that KeywordChanged hears of: only texts of
    // the NewsItems it held (a check without news refreshed their times, the
    // user renamed it), or its items, replaced by new ones (a check with
    // news; the old ones are deleted).
    enum KeywordChange
    {
        SAME_ITEMS,
        NEW_ITEMS
    };
    // The keyword's name or items changed. When it is on screen, its rows
    // show what its stories hold now, in the order the header shows, and the
    // caption names it: with SAME_ITEMS each row keeps its place in the
    // list's state (its selection) and only its texts are set again; with
    // NEW_ITEMS the rows are made anew. When the preview pane shows one of
    // its stories, the pane shows that story as the keyword lists it now,
    // under the keyword's name, or is emptied when the keyword no longer
    // lists it.
    void KeywordChanged(Keyword* pKeyword, KeywordChange change);
    // The row's item, null for a row that does not exist.
    NewsItem* ItemOfRow(int nRow) const;

    // Sorts by the column's text as strings in the given direction.
    BOOL SortList(int nCol, BOOL bAscending) override;

protected:
    // Adds LVS_REPORT.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Draws nothing: the list control paints itself.
    void OnDraw(CDC* pDC) override;
    // The framework's print dialog.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGotoUrl();
    afx_msg void OnUpdateGotoUrl(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Sorts the rows again by the sort column in its direction, when the
    // user has chosen one.
    void KeepShownSortOrder();
    // The row's three texts: the item's display time, title and link.
    void SetRowTexts(int nRow, const NewsItem* pItem);
    // Each row of the keyword on screen, which shows one of the keyword's
    // items, takes that item's texts again; then the rows are sorted again.
    void RefreshRowTexts();
    // The tree's caption names the keyword on screen, "Keyword" for none.
    void NameKeywordInCaption();
    // The row under the cursor (on its icon, label or state icon), else -1.
    int HitTestCursor() const;
    // The hit row, or the keyword's remembered row selected again on a miss;
    // -1 when there is none. The row becomes the remembered one.
    int ClickedRow();
    // The row showing the item, -1 for none.
    int RowOfItem(const NewsItem* pItem) const;
    // The row showing the keyword's last clicked item (which a sort moves
    // with its row), the top row for a keyword never clicked, -1 for none.
    int RememberedRow() const;
    void Preview(NewsItem* pItem);
    // The preview pane shows the keyword's name and the item's title and
    // summary, or empty texts when either is null, and is repainted; the
    // view remembers which story of which keyword it shows.
    void ShowInPreview(const Keyword* pKeyword, const NewsItem* pItem);
    void MarkItemRead(NewsItem* pItem);
    // The list's font in bold, for the unread rows of the coming paint.
    void UpdateBoldFont();

    CImageList m_imageList;
    Keyword* m_pKeyword;
    CPreviewPane* m_pPreview;
    CItemTreeView* m_pTreeView;
    // The keyword whose story the preview pane shows, null for none, and
    // that story's title and link: a check replaces the keyword's NewsItems
    // by new ones, which show the same story when they are equal.
    const Keyword* m_pPreviewKeyword;
    CString m_strPreviewTitle;
    CString m_strPreviewLink;
    CFont m_fontBold;
};
