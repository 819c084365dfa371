#pragma once
// CPreviewPane: the lower pane of the main window's right side. A header
// band names the news abstract, the keyword and the title of the item last
// clicked in the news list; below it a rich-edit control holds the item's
// summary. A double click on the band folds it to a thin strip and back.
//
// The news list calls SetKeyword, SetTitle and SetSummary, then invalidates
// the pane. The band's colours follow the command bars' theme and whether
// the summary has the focus.
#include "framework/Controls.h"
#include "toolkit/controls/XTFlatBorder.h"

// The summary's rich-edit control; a focus change repaints the pane, whose
// header colours depend on the focus.
class CPreviewEdit : public CRichEditCtrl
{
protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

class CPreviewPane : public CXTFlatBorder<CView>
{
    DECLARE_DYNCREATE(CPreviewPane)
public:
    enum
    {
        EXPANDED_HEIGHT = 35,
        FOLDED_HEIGHT = 5,
        KEYWORD_COLUMN_MIN = 110
    };

    CPreviewPane();

    void SetKeyword(LPCTSTR lpszText) { m_strKeyword = lpszText; }
    void SetTitle(LPCTSTR lpszText) { m_strTitle = lpszText; }
    // Also puts the text into the edit control.
    void SetSummary(LPCTSTR lpszText);

    const CString& GetCaption() const { return m_strCaption; }
    const CString& GetSubtitle() const { return m_strSubtitle; }
    const CString& GetKeyword() const { return m_strKeyword; }
    const CString& GetTitle() const { return m_strTitle; }
    BOOL IsExpanded() const { return m_bExpanded; }
    int HeaderHeight() const { return m_bExpanded ? EXPANDED_HEIGHT : FOLDED_HEIGHT; }
    CRichEditCtrl& GetEdit() { return m_wndText; }
    // The x of the right-hand texts for a keyword text of that width.
    static int RightColumnX(int nKeywordWidth);

    // Draws the band (and its texts when expanded) into pDC.
    void DrawHeader(CDC* pDC);

protected:
    void OnDraw(CDC* pDC) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void LayoutEdit();
    void FillBand(CDC* pDC, BOOL bFocused, COLORREF& clrText);
    void DrawTexts(CDC* pDC, COLORREF clrText);

    CString m_strCaption;
    CString m_strKeyword;
    CString m_strSubtitle;
    CString m_strTitle;
    CString m_strSummary;
    CRect m_rcHeader;
    CRect m_rcBody;
    BOOL m_bExpanded;
    CPreviewEdit m_wndText;
};
