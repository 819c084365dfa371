#include "toolkit/commandbars/customize/XTPCustomizeCommandsPage.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "framework/window/CPaintDC.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"

// ---- The commands list ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPCustomizeCommandsList, CListBox)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CSize CXTPCustomizeCommandsList::GetPopupIconSize() const
{
    CXTPCommandBars* pCommandBars = m_pSheet != NULL ? m_pSheet->GetCommandBars() : NULL;
    return pCommandBars != NULL ? pCommandBars->GetCommandBarsOptions()->szPopupIcons : CSize(16, 16);
}

BOOL CXTPCustomizeCommandsList::IsSiteRightToLeft() const
{
    CWnd* pSite = m_pSheet != NULL ? m_pSheet->GetCommandBars()->GetSite() : NULL;
    return pSite != NULL && pSite->GetSafeHwnd() != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

CXTPPaintManager* CXTPCustomizeCommandsList::GetPaintManager() const
{
    return m_pSheet != NULL ? m_pSheet->GetCommandBars()->GetPaintManager() : NULL;
}

int CXTPCustomizeCommandsList::GetRowHeight() const
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return GetPopupIconSize().cy + 4;
    return pPaintManager->DrawControlPopupRow(NULL, NULL, CRect(0, 0, 0, 0), FALSE, FALSE, GetPopupIconSize(), FALSE)
        .cy;
}

void CXTPCustomizeCommandsList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = GetRowHeight();
}

void CXTPCustomizeCommandsList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CXTPControl* pControl = (CXTPControl*)lpDrawItemStruct->itemData;
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pControl == NULL || (int)lpDrawItemStruct->itemID < 0 || pPaintManager == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    pPaintManager->DrawControlPopupRow(
        pDC, pControl, lpDrawItemStruct->rcItem, (lpDrawItemStruct->itemState & ODS_SELECTED) != 0, TRUE,
        GetPopupIconSize(), IsSiteRightToLeft());
}

BOOL CXTPCustomizeCommandsList::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->DrawControlPopupRow(pDC, NULL, rcClient, FALSE, TRUE, GetPopupIconSize(), FALSE);
    else
        pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_WINDOW));
    return TRUE;
}

void CXTPCustomizeCommandsList::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC dc(dcPaint, rcClient);
    OnEraseBkgnd(&dc);
    DefWindowProc(WM_PAINT, (WPARAM)dc.GetSafeHdc(), 0);
}

void CXTPCustomizeCommandsList::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPCommandBars* pCommandBars = m_pSheet->GetCommandBars();
    pCommandBars->SetDragControl(NULL);
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    if (bOutside || nIndex < 0)
    {
        CListBox::OnLButtonDown(nFlags, point);
        return;
    }
    SetCurSel(nIndex);
    CWnd* pOwner = GetParent();
    if (pOwner != NULL)
    {
        SetFocus();
        pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), (LPARAM)m_hWnd);
    }
    CXTPControl* pControl = GetItemControl(nIndex);
    if (pControl != NULL)
        pCommandBars->GetDropSource()->DoDragDrop(pControl, TRUE);
}

// ---- The page -------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CXTPCustomizeCommandsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeCommandsPage, CPropertyPage)
ON_LBN_SELCHANGE(XTP_IDC_LIST_CATEGORIES, OnCategoriesSelectionChanged)
END_MESSAGE_MAP()

CXTPCustomizeCommandsPage::CXTPCustomizeCommandsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_COMMANDS), m_pSheet(pSheet)
{
    m_lstCommands.SetSheet(pSheet);
}

CXTPCustomizeCommandsPage::~CXTPCustomizeCommandsPage()
{
    for (CXTPCustomizeCommandsCategory* pCategory : m_arrCategories)
    {
        pCategory->pControls->InternalRelease();
        delete pCategory;
    }
}

CXTPCustomizeCommandsCategory* CXTPCustomizeCommandsPage::AddNewCategory(const CString& strCategory, int nIndex)
{
    CXTPCustomizeCommandsCategory* pCategory = new CXTPCustomizeCommandsCategory;
    pCategory->strCategory = strCategory;
    pCategory->pControls = new CXTPControls;
    pCategory->pControls->SetCommandBars(m_pSheet->GetCommandBars());
    if (nIndex < 0 || nIndex > (int)m_arrCategories.size())
        nIndex = (int)m_arrCategories.size();
    m_arrCategories.insert(m_arrCategories.begin() + nIndex, pCategory);
    return pCategory;
}

CXTPCustomizeCommandsCategory* CXTPCustomizeCommandsPage::FindCategory(const CString& strCategory) const
{
    for (CXTPCustomizeCommandsCategory* pCategory : m_arrCategories)
    {
        if (pCategory->strCategory == strCategory)
            return pCategory;
    }
    return NULL;
}

CXTPControls* CXTPCustomizeCommandsPage::GetControls(const CString& strCategory, int nIndex)
{
    CXTPCustomizeCommandsCategory* pCategory = FindCategory(strCategory);
    if (pCategory == NULL)
        pCategory = AddNewCategory(strCategory, nIndex);
    return pCategory->pControls;
}

CXTPControls* CXTPCustomizeCommandsPage::GetCategoryControls(const CString& strCategory) const
{
    CXTPCustomizeCommandsCategory* pCategory = FindCategory(strCategory);
    return pCategory != NULL ? pCategory->pControls : NULL;
}

CXTPCustomizeCommandsCategory* CXTPCustomizeCommandsPage::GetCategoryAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_arrCategories.size() ? m_arrCategories[nIndex] : NULL;
}

BOOL CXTPCustomizeCommandsPage::InsertCategories(UINT nIDMenu, BOOL bListSubItems)
{
    CMenu menu;
    if (!XTPResourceManager()->LoadMenu(&menu, nIDMenu))
        return FALSE;
    for (int i = 0; i < (int)menu.GetMenuItemCount(); i++)
    {
        CString strText;
        menu.GetMenuString(i, strText, MF_BYPOSITION);
        CMenu* pSubMenu = menu.GetSubMenu(i);
        if (strText.IsEmpty() || pSubMenu == NULL)
            continue;
        if (!AddCategory(strText, pSubMenu, bListSubItems))
            return FALSE;
    }
    return TRUE;
}

BOOL CXTPCustomizeCommandsPage::AddCategory(const CString& strCategory, CMenu* pMenu, BOOL bListSubItems)
{
    CString strName = strCategory;
    CXTPPaintManager::StripMnemonics(strName);
    CXTPControls* pControls = GetControls(strName);
    for (int i = 0; i < (int)pMenu->GetMenuItemCount(); i++)
    {
        if (pMenu->GetMenuItemID(i) == 0)
            continue;
        CXTPControl* pControl = pControls->AddMenuItem(pMenu, i);
        CXTPCommandBar* pPopupBar = pControl != NULL ? pControl->GetCommandBar() : NULL;
        if (!bListSubItems || pPopupBar == NULL)
            continue;
        for (int j = 0; j < pPopupBar->GetControlCount(); j++)
            pControls->AddClone(pPopupBar->GetControl(j));
    }
    return TRUE;
}

void CXTPCustomizeCommandsPage::InsertAllCommandsCategory(UINT nIDCategory, int nIndex)
{
    CString strName;
    XTPResourceManager()->LoadString(&strName, nIDCategory);
    const std::vector<CXTPCustomizeCommandsCategory*> existing = m_arrCategories;
    CXTPControls* pAll = AddNewCategory(strName, nIndex)->pControls;
    for (CXTPCustomizeCommandsCategory* pCategory : existing)
    {
        for (int i = 0; i < pCategory->pControls->GetCount(); i++)
            pAll->AddClone(pCategory->pControls->GetAt(i));
    }
}

void CXTPCustomizeCommandsPage::InsertNewMenuCategory(UINT nIDCategory, int nIndex)
{
    CString strName;
    XTPResourceManager()->LoadString(&strName, nIDCategory);
    CXTPControl* pNewMenu = AddNewCategory(strName, nIndex)->pControls->Add(xtpControlPopup, 0);
    if (pNewMenu != NULL)
        pNewMenu->SetCaption(strName);
}

void CXTPCustomizeCommandsPage::InsertBuiltInMenus(UINT nIDMenu, UINT nIDCategory, int nIndex)
{
    // A menu that cannot be loaded adds no category: it would stay empty.
    CMenu menu;
    if (!XTPResourceManager()->LoadMenu(&menu, nIDMenu))
        return;
    CString strName;
    XTPResourceManager()->LoadString(&strName, nIDCategory);
    CXTPControls* pControls = AddNewCategory(strName, nIndex)->pControls;
    for (int i = 0; i < (int)menu.GetMenuItemCount(); i++)
        pControls->AddMenuItem(&menu, i);
}

void CXTPCustomizeCommandsPage::AddToolbarCategory(const CString& strCategory, UINT nIDToolBar)
{
    UINT* pItems = NULL;
    int nCount = 0;
    CSize szIcon;
    if (!CXTPImageManager::LoadToolbar(nIDToolBar, pItems, nCount, szIcon))
        return;
    CXTPToolBar* pToolBar = new CXTPToolBar;
    pToolBar->SetCommandBars(m_pSheet->GetCommandBars());
    pToolBar->SetButtons(pItems, nCount);
    delete[] pItems;
    CXTPControls* pControls = GetControls(strCategory);
    for (int i = 0; i < pToolBar->GetControlCount(); i++)
        pControls->AddClone(pToolBar->GetControl(i));
    pToolBar->InternalRelease();
}

void CXTPCustomizeCommandsPage::InsertControlsCategories(CXTPControls* pControls)
{
    for (int i = 0; i < pControls->GetCount(); i++)
    {
        CXTPControl* pControl = pControls->GetAt(i);
        if (!pControl->GetCategory().IsEmpty())
            GetControls(pControl->GetCategory())->AddClone(pControl);
    }
}

void CXTPCustomizeCommandsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_LIST_COMMANDS, m_lstCommands);
    DDX_Control(pDX, XTP_IDC_LIST_CATEGORIES, m_lstCategories);
}

BOOL CXTPCustomizeCommandsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int i = 0; i < (int)m_arrCategories.size(); i++)
    {
        int nItem = m_lstCategories.AddString(m_arrCategories[i]->strCategory);
        m_lstCategories.SetItemData(nItem, (DWORD_PTR)i);
    }
    if (!m_arrCategories.empty())
        m_lstCategories.SetCurSel(0);
    m_lstCommands.SetItemHeight(0, m_lstCommands.GetRowHeight());
    CWnd* pSite = m_pSheet->GetCommandBars()->GetSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL))
        m_lstCommands.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    OnCategoriesSelectionChanged();
    return TRUE;
}

void CXTPCustomizeCommandsPage::OnCategoriesSelectionChanged()
{
    m_lstCommands.ResetContent();
    int nSelected = m_lstCategories.GetCurSel();
    CXTPCustomizeCommandsCategory* pCategory =
        nSelected >= 0 ? GetCategoryAt((int)m_lstCategories.GetItemData(nSelected)) : NULL;
    if (pCategory == NULL)
        return;
    for (int i = 0; i < pCategory->pControls->GetCount(); i++)
        m_lstCommands.AddString((LPCTSTR)pCategory->pControls->GetAt(i));
}
