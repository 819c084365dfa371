#include "toolkit/commandbars/customize/XTPCustomizeToolbarsPage.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"
#include "toolkit/commandbars/customize/XTPNewToolbarDlg.h"
#include "toolkit/foundation/XTPResourceManager.h"

IMPLEMENT_DYNAMIC(CXTPCustomizeToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeToolbarsPage, CPropertyPage)
ON_LBN_SELCHANGE(XTP_IDC_LIST_TOOLBARS, OnSelectionChanged)
ON_CLBN_CHKCHANGE(XTP_IDC_LIST_TOOLBARS, OnCheckChanged)
ON_BN_CLICKED(XTP_IDC_BUTTON_NEW, OnNewToolbar)
ON_BN_CLICKED(XTP_IDC_BUTTON_RENAME, OnRenameToolbar)
ON_BN_CLICKED(XTP_IDC_BUTTON_DELETE, OnDeleteToolbar)
ON_BN_CLICKED(XTP_IDC_BUTTON_RESET, OnResetToolbar)
END_MESSAGE_MAP()

CXTPCustomizeToolbarsPage::CXTPCustomizeToolbarsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_TOOLBARS), m_pSheet(pSheet)
{}

void CXTPCustomizeToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_LIST_TOOLBARS, m_checkList);
    DDX_Control(pDX, XTP_IDC_BUTTON_RESET, m_btnReset);
    DDX_Control(pDX, XTP_IDC_BUTTON_RENAME, m_btnRename);
    DDX_Control(pDX, XTP_IDC_BUTTON_DELETE, m_btnDelete);
    DDX_Control(pDX, XTP_IDC_BUTTON_NEW, m_btnNew);
}

BOOL CXTPCustomizeToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CWnd* pSite = m_pSheet->GetCommandBars()->GetSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL))
        m_checkList.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    RefreshList();
    return TRUE;
}

CXTPToolBar* CXTPCustomizeToolbarsPage::GetSelectedBar() const
{
    int nItem = m_checkList.GetCurSel();
    return nItem >= 0 ? m_pSheet->GetCommandBars()->GetAt((int)m_checkList.GetItemData(nItem)) : NULL;
}

void CXTPCustomizeToolbarsPage::RefreshList()
{
    CXTPCommandBars* pCommandBars = m_pSheet->GetCommandBars();
    int nSelectedBar = m_checkList.GetCurSel() >= 0 ? (int)m_checkList.GetItemData(m_checkList.GetCurSel()) : -1;
    int nTopIndex = m_checkList.GetTopIndex();
    m_checkList.ResetContent();
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        CXTPToolBar* pBar = pCommandBars->GetAt(i);
        if (pBar->GetType() == xtpBarTypeMenuBar && !pBar->IsVisible())
            continue;
        int nItem = m_checkList.AddString(pBar->GetTitle());
        m_checkList.SetItemData(nItem, (DWORD_PTR)i);
        m_checkList.SetCheck(nItem, pBar->IsVisible());
        if (i == nSelectedBar)
            m_checkList.SetCurSel(nItem);
    }
    if (m_checkList.GetTopIndex() != nTopIndex)
        m_checkList.SetTopIndex(nTopIndex);
    UpdateButtons();
}

void CXTPCustomizeToolbarsPage::UpdateButtons()
{
    CXTPToolBar* pBar = GetSelectedBar();
    m_btnReset.EnableWindow(pBar != NULL && pBar->IsBuiltIn());
    m_btnRename.EnableWindow(pBar != NULL && !pBar->IsBuiltIn());
    m_btnDelete.EnableWindow(pBar != NULL && !pBar->IsBuiltIn());
    m_btnNew.EnableWindow(TRUE);
}

void CXTPCustomizeToolbarsPage::OnSelectionChanged()
{
    UpdateButtons();
}

void CXTPCustomizeToolbarsPage::OnCheckChanged()
{
    CXTPToolBar* pBar = GetSelectedBar();
    if (pBar != NULL && pBar->GetType() != xtpBarTypeMenuBar && pBar->IsCloseable())
        pBar->SetVisible(m_checkList.GetCheck(m_checkList.GetCurSel()) != 0);
    // Otherwise the list shows the bar as it is again.
    RefreshList();
}

void CXTPCustomizeToolbarsPage::OnNewToolbar()
{
    CXTPCommandBars* pCommandBars = m_pSheet->GetCommandBars();
    CXTPNewToolbarDlg dlg(m_pSheet, pCommandBars);
    if (dlg.DoModal() == IDOK)
        pCommandBars->AddCustomBar(dlg.m_strToolbar, dlg.m_nNewID, FALSE);
    RefreshList();
}

void CXTPCustomizeToolbarsPage::OnRenameToolbar()
{
    CXTPToolBar* pBar = GetSelectedBar();
    if (pBar == NULL || pBar->IsBuiltIn())
        return;
    CXTPNewToolbarDlg dlg(m_pSheet, m_pSheet->GetCommandBars(), pBar);
    if (dlg.DoModal() != IDOK)
        return;
    pBar->SetTitle(dlg.m_strToolbar);
    int nItem = m_checkList.GetCurSel();
    DWORD_PTR nBar = m_checkList.GetItemData(nItem);
    m_checkList.DeleteString(nItem);
    m_checkList.InsertString(nItem, pBar->GetTitle());
    m_checkList.SetItemData(nItem, nBar);
    m_checkList.SetCheck(nItem, pBar->IsVisible());
    m_checkList.SetCurSel(nItem);
}

void CXTPCustomizeToolbarsPage::OnDeleteToolbar()
{
    CXTPToolBar* pBar = GetSelectedBar();
    if (pBar == NULL || pBar->IsBuiltIn())
        return;
    CString strFormat, strQuestion;
    XTPResourceManager()->LoadString(&strFormat, XTP_IDS_CONFIRM_DELETE);
    strQuestion.Format(strFormat, (LPCTSTR)pBar->GetTitle());
    if (AfxMessageBox(strQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    m_pSheet->GetCommandBars()->Remove(pBar);
    RefreshList();
}

void CXTPCustomizeToolbarsPage::OnResetToolbar()
{
    CXTPToolBar* pBar = GetSelectedBar();
    if (pBar == NULL || !pBar->IsBuiltIn())
        return;
    pBar->Reset();
    RefreshList();
}
