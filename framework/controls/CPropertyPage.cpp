#include "framework/controls/CPropertyPage.h"
#include "framework/controls/CPropertySheet.h"
#include "framework/core/ModuleState.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    InitPage(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    InitPage(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage()
{}

void CPropertyPage::InitPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    ZeroMemory(&m_psp, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = PageDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_bFirstSetActive = TRUE;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // The sheet passes its copy of m_psp, whose lParam names the page object.
    CPropertyPage* pPage = (CPropertyPage*)((PROPSHEETPAGE*)lParam)->lParam;
    if (pPage == NULL || !pPage->SubclassWindow(hWnd))
        return TRUE;
    return pPage->OnInitDialog();
}

static CWnd* SheetOf(CWnd* pPage)
{
    return pPage->GetParent();
}

void CPropertyPage::SetSheetResult(int nResult)
{
    CPropertySheet* pSheet = DYNAMIC_DOWNCAST(CPropertySheet, SheetOf(this));
    if (pSheet != NULL)
        pSheet->m_nModalResult = nResult;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    CWnd* pSheet = SheetOf(this);
    if (pSheet != NULL)
        pSheet->SendMessage(bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd);
}

void CPropertyPage::CancelToClose()
{
    CWnd* pSheet = SheetOf(this);
    if (pSheet != NULL)
        pSheet->SendMessage(PSM_CANCELTOCLOSE);
}

BOOL CPropertyPage::OnSetActive()
{
    // The controls got their data when the page was made; later visits refresh them.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
    // The data was saved when the page was left (OnKillActive).
}

void CPropertyPage::OnCancel()
{}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // Dialog keys belong to the sheet, which knows its buttons and tabs too.
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = (NMHDR*)lParam;
    LRESULT result;
    switch (pHeader->code)
    {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        // lParam is TRUE for OK (FALSE for Apply): the sheet's modal run ends with IDOK.
        if (result == PSNRET_NOERROR && ((PSHNOTIFY*)lParam)->lParam)
            SetSheetResult(IDOK);
        break;
    case PSN_RESET:
        OnReset();
        SetSheetResult(IDCANCEL);
        result = 0;
        break;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // Dialog procedures answer through DWLP_MSGRESULT; the window procedure returns it too.
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, result);
    *pResult = result;
    return TRUE;
}
