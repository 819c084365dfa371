#include "framework/controls/CPropertySheet.h"
#include "framework/core/ModuleState.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet()
{
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

CPropertySheet::~CPropertySheet()
{}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    ZeroMemory(&m_psh, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    if (m_hWnd == NULL)
        return;
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPage(&pPage->m_psp);
    if (hPage == NULL || !PropSheet_AddPage(m_hWnd, hPage))
    {
        if (hPage != NULL)
            ::DestroyPropertySheetPage(hPage);
        m_pages.pop_back();
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != NULL)
        PropSheet_RemovePage(m_hWnd, nPage, NULL);
    m_pages.erase(m_pages.begin() + nPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[nPage] : NULL;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
    {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    HWND hPage = PropSheet_GetCurrentPageHwnd(m_hWnd);
    return hPage != NULL ? PropSheet_HwndToIndex(m_hWnd, hPage) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return PropSheet_SetCurSel(m_hWnd, NULL, nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        PropSheet_SetTitle(m_hWnd, nStyle, lpszText);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return (CTabCtrl*)CWnd::FromHandle(PropSheet_GetTabControl(m_hWnd));
}

void CPropertySheet::PressButton(int nButton)
{
    ::PostMessage(m_hWnd, PSM_PRESSBUTTON, nButton, 0);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_nFlags & WF_MODALLOOP)
        EndModalLoop(nEndID);
}

void CPropertySheet::BuildPropPageArray()
{
    m_pageArray.clear();
    for (size_t i = 0; i < m_pages.size(); i++)
        m_pageArray.push_back(m_pages[i]->m_psp);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.ppsp = m_pageArray.empty() ? NULL : &m_pageArray[0];
    m_psh.nPages = (UINT)m_pageArray.size();
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;
    m_psh.pszCaption = m_strCaption;
}

BOOL CPropertySheet::AttachSheet(HWND hWndSheet)
{
    if (hWndSheet == NULL || hWndSheet == (HWND)-1 || !SubclassWindow(hWndSheet))
        return FALSE;
    OnInitDialog();
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    BuildPropPageArray();
    m_psh.hwndParent = pParentWnd->GetSafeHwnd();
    m_psh.dwFlags |= PSH_MODELESS;
    HWND hWndSheet = (HWND)::PropertySheet(&m_psh);
    m_psh.dwFlags &= ~PSH_MODELESS;
    return AttachSheet(hWndSheet);
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hWndParent = CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
    BuildPropPageArray();
    m_psh.hwndParent = hWndParent;
    BOOL bEnableParent = hWndParent != NULL && ::IsWindowEnabled(hWndParent);
    if (bEnableParent)
        ::EnableWindow(hWndParent, FALSE);

    m_psh.dwFlags |= PSH_MODELESS;
    HWND hWndSheet = (HWND)::PropertySheet(&m_psh);
    m_psh.dwFlags &= ~PSH_MODELESS;
    m_nModalResult = IDCANCEL;
    INT_PTR result = -1;
    if (AttachSheet(hWndSheet))
        result = RunModalLoop();

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (m_hWnd != NULL)
    {
        if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(hWndParent);
        DestroyWindow();
    }
    else if (hWndSheet != NULL && hWndSheet != (HWND)-1)
    {
        ::DestroyWindow(hWndSheet);
    }
    return result;
}

BOOL CPropertySheet::ContinueModal()
{
    // OK and Cancel leave a modeless sheet without a current page.
    return CWnd::ContinueModal() && PropSheet_GetCurrentPageHwnd(m_hWnd) != NULL;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return PropSheet_IsDialogMessage(m_hWnd, pMsg);
}
