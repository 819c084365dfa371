#pragma once
// CPropertySheet: a tabbed dialog of CPropertyPage pages. DoModal creates the sheet as a
// modeless window and runs the framework's modal loop for it (so PreTranslateMessage and idle
// processing work as in any window of the program); it ends when OK or Cancel closes the pages
// and returns IDOK or IDCANCEL. A derived sheet may run that sequence itself: BuildPropPageArray,
// PropertySheet with PSH_MODELESS, AttachSheet, RunModalLoop.
#include "framework/window/CWnd.h"
#include "framework/controls/CPropertyPage.h"
#include "framework/controls/CTabCtrl.h"
#include <vector>

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    virtual ~CPropertySheet();

    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    void RemovePage(CPropertyPage* pPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    void PressButton(int nButton);
    // Ends DoModal with nEndID.
    void EndDialog(int nEndID);

    virtual INT_PTR DoModal();
    // A modeless sheet; it stays until its owner destroys it.
    BOOL Create(CWnd* pParentWnd = NULL);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;

    // Copies the pages' descriptions into the header (m_psh.ppsp, nPages, nStartPage).
    void BuildPropPageArray();
    // Binds a sheet window made by PropertySheet to this object and runs OnInitDialog.
    BOOL AttachSheet(HWND hWndSheet);

    PROPSHEETHEADER m_psh;

protected:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);

    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGE> m_pageArray;
    CString m_strCaption;
    CWnd* m_pParentWnd;
};
