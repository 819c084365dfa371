#include "framework/controls/CPropertyPage.h"
#include "framework/controls/CPropertySheet.h"
#include "framework/core/ModuleState.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

// The page of the sheet that the window lies in, NULL when it lies in none
// (the tab strip, the sheet's buttons, a window outside the sheet).
HWND PageHolding(HWND hSheet, HWND hWnd)
{
    if (hSheet == NULL || hWnd == NULL || !::IsChild(hSheet, hWnd))
        return NULL;
    while (::GetParent(hWnd) != hSheet)
        hWnd = ::GetParent(hWnd);
    return PropSheet_HwndToIndex(hSheet, hWnd) >= 0 ? hWnd : NULL;
}

} // namespace

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

// The sheet changes pages by showing the new one and hiding the old one, and
// the system leaves the focus where it was: after Ctrl+Tab, Ctrl+Shift+Tab or
// a page the program chose, on a control of the page that has gone. Keys would
// go to a window no one sees, and the dialog manager's search for the control
// an Alt+letter names, which walks the shown controls from the focus until it
// comes back to it, would never end. So the page shown takes the focus on its
// first control that takes it, as Tab gives it (the tab strip when it has
// none). A click on a tab leaves the focus on the tab strip, which stays.
void CPropertyPage::OnWindowPosChanged(WINDOWPOS* pPos)
{
    CDialog::OnWindowPosChanged(pPos);
    if (!(pPos->flags & SWP_SHOWWINDOW))
        return;
    const HWND hSheet = ::GetParent(m_hWnd);
    const HWND hPageOfFocus = PageHolding(hSheet, ::GetFocus());
    if (hPageOfFocus == NULL || hPageOfFocus == m_hWnd)
        return;
    HWND hFirst = ::GetNextDlgTabItem(m_hWnd, NULL, FALSE);
    if (hFirst == NULL || !::IsChild(m_hWnd, hFirst))
        hFirst = PropSheet_GetTabControl(hSheet);
    ::SendMessage(hSheet, WM_NEXTDLGCTL, (WPARAM)hFirst, TRUE);
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
