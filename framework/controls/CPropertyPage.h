#pragma once
// CPropertyPage: one page of a CPropertySheet, a dialog from a template (m_psp describes it to
// the sheet; a caller may point m_psp at an in-memory template with PSP_DLGINDIRECT before the
// sheet builds its pages). The sheet's notifications become virtual calls: OnSetActive and
// OnKillActive when the user switches pages (leaving a page saves its controls' data through
// UpdateData(TRUE) and refuses to leave when that fails), OnApply (OK and Apply) and OnReset
// (Cancel). A page the sheet shows takes the focus when the focus was on the page it leaves
// (by Ctrl+Tab, Ctrl+Shift+Tab or SetActivePage; see OnWindowPosChanged).
#include "framework/window/CDialog.h"
#include <prsht.h>

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();

    // Tells the sheet whether the page has changes (enables Apply).
    void SetModified(BOOL bChanged = TRUE);
    // Turns the sheet's Cancel button into Close after changes that cannot be undone.
    void CancelToClose();

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The page as the sheet is told about it; lParam names this object.
    PROPSHEETPAGE m_psp;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void InitPage(LPCTSTR lpszTemplateName, UINT nIDCaption);
    // Tells a CPropertySheet parent how its modal run ends.
    void SetSheetResult(int nResult);
    // Binds the page object to its window as the sheet creates it.
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Shown by the sheet: takes the focus from a page the sheet leaves.
    afx_msg void OnWindowPosChanged(WINDOWPOS* pPos);
    DECLARE_MESSAGE_MAP()

    CString m_strCaption;
    BOOL m_bFirstSetActive;
};
