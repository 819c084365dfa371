#include "toolkit/commandbars/bars/XTPMenuBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControlMDIButton.h"
#include "toolkit/commandbars/controls/XTPControlMDISysMenuPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include "framework/Controls.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPMenuBar, CXTPToolBar, VERSIONABLE_SCHEMA | 8)

BEGIN_MESSAGE_MAP(CXTPMenuBar, CXTPToolBar)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// The MDI child buttons in the order they stand at the bar's end.
const int kMdiButtons[] = {XTP_ID_MENUBAR_MINIMIZE, XTP_ID_MENUBAR_RESTORE, XTP_ID_MENUBAR_CLOSE};

// Messages of the MDI windows after which the MDI controls may be stale.
BOOL IsMdiClientChange(UINT nMessage)
{
    return nMessage == WM_MDICREATE || nMessage == WM_MDIDESTROY || nMessage == WM_MDIACTIVATE;
}

BOOL IsChildSizeChange(UINT nMessage)
{
    return nMessage == WM_SIZE || nMessage == WM_WINDOWPOSCHANGED;
}

} // namespace

CXTPMenuBar::CXTPMenuBar()
    : m_bMdiApp(FALSE), m_hWndActiveChild(NULL), m_hMenu(NULL), m_nIDResource(0), m_nIDResourceCurrent(0),
      m_bMenuSwitched(FALSE)
{
    m_barType = xtpBarTypeMenuBar;
}

CXTPMenuBar::~CXTPMenuBar()
{
    if (m_hMenu != NULL && ::IsMenu(m_hMenu))
        ::DestroyMenu(m_hMenu);
    for (auto& entry : m_mapMDIMenus)
        entry.second->InternalRelease();
}

void CXTPMenuBar::SetMDIMenu(UINT nMenuID, CXTPControls* pControls)
{
    auto it = m_mapMDIMenus.find(nMenuID);
    if (it != m_mapMDIMenus.end())
    {
        it->second->InternalRelease();
        m_mapMDIMenus.erase(it);
    }
    if (pControls != NULL)
        m_mapMDIMenus[nMenuID] = pControls;
}

void CXTPMenuBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPToolBar::DoPropExchange(pPX);
    DWORD dwResourceID = m_nIDResource;
    PX_DWord(pPX, "ResourceId", dwResourceID, 0);
    m_nIDResource = dwResourceID;
    if (pPX->IsLoading() && pPX->GetSchema() <= 4)
        return;

    // A counted list: the positional archive must know where the menus end.
    CXTPPropExchangeEnumeratorPtr pEnum(pPX->GetEnumerator("MDIMenu"));
    if (pPX->IsStoring())
    {
        // Beside the menus kept, the one shown goes into the list (as a copy:
        // the bar's controls are written once already), so that loading
        // finds each menu under its own id.
        CMDIMenuMap mapStored = m_mapMDIMenus;
        CXTPControls* pShown = NULL;
        if (!mapStored.empty() && m_nIDResourceCurrent != 0 && mapStored.count(m_nIDResourceCurrent) == 0)
            mapStored[m_nIDResourceCurrent] = pShown = m_pControls->Duplicate();
        POSITION pos = pEnum->GetPosition((DWORD)mapStored.size());
        for (auto& entry : mapStored)
        {
            CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
            DWORD dwMenuID = entry.first;
            PX_DWord(pItem, "Id", dwMenuID, 0);
            entry.second->DoPropExchange(pItem);
        }
        if (pShown != NULL)
            pShown->InternalRelease();
        return;
    }
    POSITION pos = pEnum->GetPosition();
    while (pos != NULL)
    {
        CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
        DWORD dwMenuID = 0;
        PX_DWord(pItem, "Id", dwMenuID, 0);
        CXTPControls* pControls = new CXTPControls;
        pControls->SetCommandBars(GetCommandBars());
        SetMDIMenu(dwMenuID, pControls);
        pControls->DoPropExchange(pItem);
    }
}

BOOL CXTPMenuBar::LoadMenuResource(UINT nID)
{
    CMenu menu;
    return XTPResourceManager()->LoadMenu(&menu, nID) && LoadMenu(&menu, TRUE);
}

BOOL CXTPMenuBar::LoadMenuBar(UINT nID)
{
    if (nID != 0 && !LoadMenuResource(nID))
        return FALSE;
    m_nIDResource = m_nIDResourceCurrent = nID;

    CWnd* pSite = GetOwnerSite();
    if (pSite == NULL || pSite->m_hWnd == NULL)
        return TRUE;
    XTPHookManager()->SetHook(pSite->m_hWnd, this);
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pSite);
    m_bMdiApp = pMDIFrame != NULL;
    if (m_bMdiApp && pMDIFrame->m_hWndMDIClient != NULL)
        XTPHookManager()->SetHook(pMDIFrame->m_hWndMDIClient, this);

    // The system commands of the MDI child's menu show their pictures.
    UINT nSystemCommands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    GetImageManager()->SetIcons(XTP_IDB_MENUBAR_ICONS, nSystemCommands, 4, CSize(16, 16));

    HMENU hMenu = ::GetMenu(pSite->m_hWnd);
    if (hMenu != NULL)
    {
        if (m_hMenu != NULL && m_hMenu != hMenu && ::IsMenu(m_hMenu))
            ::DestroyMenu(m_hMenu);
        m_hMenu = hMenu;
        ::SetMenu(pSite->m_hWnd, NULL);
    }
    return TRUE;
}

// ---- MDI ------------------------------------------------------------------------------

HWND CXTPMenuBar::GetMdiClient() const
{
    if (!m_bMdiApp)
        return NULL;
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, GetOwnerSite());
    return pMDIFrame != NULL ? pMDIFrame->m_hWndMDIClient : NULL;
}

HWND CXTPMenuBar::GetActiveMdiChild(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWndClient = GetMdiClient();
    HWND hWndChild =
        hWndClient != NULL ? (HWND)::SendMessage(hWndClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized) : NULL;
    if (pbMaximized != NULL)
        *pbMaximized = hWndChild != NULL && bMaximized;
    return hWndChild;
}

void CXTPMenuBar::SyncActiveMdiChild()
{
    HWND hWndChild = GetActiveMdiChild();
    if (hWndChild == m_hWndActiveChild)
        return;
    if (m_hWndActiveChild != NULL)
        XTPHookManager()->RemoveHook(m_hWndActiveChild, this);
    m_hWndActiveChild = hWndChild;
    if (hWndChild != NULL)
        XTPHookManager()->SetHook(hWndChild, this);
}

void CXTPMenuBar::RefreshMdiButtons()
{
    if (!m_bMdiApp)
        return;
    BOOL bMaximized = FALSE;
    HWND hWndChild = GetActiveMdiChild(&bMaximized);
    const DWORD dwStyle = bMaximized ? (DWORD)::GetWindowLong(hWndChild, GWL_STYLE) : 0;
    const int nCount = m_pControls->GetCount();

    LockRedraw();
    RefreshMdiSysMenu(hWndChild, bMaximized && (m_dwFlags & xtpFlagAddMDISysPopup));
    RefreshMdiButton(XTP_ID_MENUBAR_MINIMIZE,
                     bMaximized && (dwStyle & WS_MINIMIZEBOX) && !(m_dwFlags & xtpFlagHideMinimizeBox));
    RefreshMdiButton(XTP_ID_MENUBAR_RESTORE,
                     bMaximized && (dwStyle & WS_MAXIMIZEBOX) && !(m_dwFlags & xtpFlagHideMaximizeBox));
    RefreshMdiButton(XTP_ID_MENUBAR_CLOSE, bMaximized && !(m_dwFlags & xtpFlagHideClose));
    UnlockRedraw();
    if (m_pControls->GetCount() != nCount || (m_dwPending & pendingLayout))
        OnRecalcLayout();
}

void CXTPMenuBar::RefreshMdiSysMenu(HWND hWndChild, BOOL bShow)
{
    CXTPControlMDISysMenuPopup* pSysMenu =
        DYNAMIC_DOWNCAST(CXTPControlMDISysMenuPopup, m_pControls->FindControlById(XTP_ID_MENUBAR_SYSMENU));
    HMENU hSystemMenu = bShow ? ::GetSystemMenu(hWndChild, FALSE) : NULL;
    if (pSysMenu != NULL && bShow && pSysMenu->GetSystemMenu() == hSystemMenu)
        return;
    if (pSysMenu != NULL)
        m_pControls->Remove(pSysMenu);
    if (!bShow)
        return;
    CXTPControlMDISysMenuPopup* pNew = new CXTPControlMDISysMenuPopup;
    pNew->SetMDIChild(hWndChild, hSystemMenu);
    // Temporary: the child's controls never reach the saved state.
    m_pControls->AddControl(pNew, XTP_ID_MENUBAR_SYSMENU, CString(), 0, TRUE);
}

void CXTPMenuBar::RefreshMdiButton(int nId, BOOL bShow)
{
    CXTPControl* pButton = m_pControls->FindControlById(nId);
    if (pButton != NULL && !bShow)
        m_pControls->Remove(pButton);
    if (pButton != NULL || !bShow)
        return;
    // Before the buttons that follow this one, so the three keep their order
    // whichever of them a child allows.
    int nBefore = -1;
    const int* pEnd = kMdiButtons + sizeof(kMdiButtons) / sizeof(kMdiButtons[0]);
    for (const int* pLater = std::find(kMdiButtons, pEnd, nId) + 1; pLater < pEnd && nBefore < 0; pLater++)
    {
        CXTPControl* pFollowing = m_pControls->FindControlById(*pLater);
        if (pFollowing != NULL)
            nBefore = pFollowing->GetIndex();
    }
    m_pControls->AddControl(new CXTPControlMDIButton, nId, CXTPControlMDIButton::GetGlyph(nId), nBefore, TRUE);
}

void CXTPMenuBar::SwitchMenu(HMENU hMenu)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!m_bMdiApp || pCommandBars == NULL)
        return;
    const UINT nNewID =
        (hMenu != NULL && hMenu == m_hMenu) ? m_nIDResource : pCommandBars->GetActiveMenuID();
    if (nNewID == 0 || m_nIDResourceCurrent == 0 || nNewID == m_nIDResourceCurrent || !::IsMenu(hMenu))
        return;
    if (pCommandBars->IsCustomizeAvail())
        ShowMenuControls(nNewID, hMenu);
    else
        LoadMenu(CMenu::FromHandle(hMenu), TRUE);
    m_nIDResourceCurrent = nNewID;
    OnRecalcLayout();
    Invalidate(FALSE);
}

CXTPControls* CXTPMenuBar::TakeMDIMenu(UINT nMenuID)
{
    auto it = m_mapMDIMenus.find(nMenuID);
    if (it == m_mapMDIMenus.end())
        return NULL;
    CXTPControls* pControls = it->second;
    m_mapMDIMenus.erase(it);
    return pControls;
}

void CXTPMenuBar::ShowMenuControls(UINT nMenuID, HMENU hMenu)
{
    CXTPControls* pControls = TakeMDIMenu(nMenuID);
    const BOOL bBuild = pControls == NULL;
    if (bBuild)
        pControls = new CXTPControls;
    // The controls shown until now are kept under their menu id.
    SetMDIMenu(m_nIDResourceCurrent, ExchangeControls(pControls));
    if (bBuild && hMenu != NULL)
    {
        BuildFromMenu(CMenu::FromHandle(hMenu));
        m_pControls->CreateOriginalControls();
    }
}

void CXTPMenuBar::OnStateLoaded()
{
    if (!m_mapMDIMenus.empty())
    {
        // A saved state with document menus holds every menu by its id, the
        // one shown when it was saved too (see DoPropExchange): the bar's
        // loaded controls give way to the frame menu's.
        CXTPControls* pFrameControls = TakeMDIMenu(m_nIDResource);
        if (pFrameControls != NULL)
        {
            ExchangeControls(pFrameControls)->InternalRelease();
            m_nIDResourceCurrent = m_nIDResource;
        }
        m_bMenuSwitched = TRUE;
    }
    for (auto it = m_mapMDIMenus.begin(); it != m_mapMDIMenus.end();)
    {
        if (it->second->IsChanged())
        {
            ++it;
            continue;
        }
        it->second->InternalRelease();
        it = m_mapMDIMenus.erase(it);
    }
    RefreshMdiButtons();
}

BOOL CXTPMenuBar::OnMdiSetMenu(WPARAM& wParam)
{
    CWnd* pSite = GetOwnerSite();
    HWND hWndSite = pSite != NULL ? pSite->GetSafeHwnd() : NULL;
    if (!IsVisible())
    {
        // A frame whose menu the bar took keeps without one.
        if (hWndSite == NULL || ::GetMenu(hWndSite) != NULL)
            return FALSE;
        wParam = 0;
        return TRUE;
    }
    if (!(m_dwFlags & xtpFlagIgnoreSetMenuMessage))
    {
        HMENU hMenu = (HMENU)wParam;
        if (hMenu == NULL)
            hMenu = m_hMenu;
        if (hMenu != NULL)
            SwitchMenu(hMenu);
    }
    if (hWndSite != NULL && ::GetMenu(hWndSite) != NULL)
        ::SetMenu(hWndSite, NULL);
    RefreshMdiButtons();
    wParam = 0;
    return TRUE;
}

void CXTPMenuBar::Reset()
{
    if (m_nIDResourceCurrent == 0)
        return;
    if (!ConfirmReset(XTP_IDS_CONFIRM_RESET_MENU))
        return;
    if (LoadMenuResource(m_nIDResourceCurrent))
        m_pControls->CreateOriginalControls();
    RefreshMdiButtons();
    OnRecalcLayout();
    if (m_pCommandBars != NULL)
        m_pCommandBars->OnToolBarReset(this);
}

// ---- Messages ---------------------------------------------------------------------------

int CXTPMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (hWnd == NULL)
        return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    if (nMessage == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0)
    {
        // Already in the menu loop: this is the release of the Alt that
        // opened a menu with a letter (the system never saw the letter, which
        // the bar took, and counts the Alt as pressed alone). Entering again
        // would drop the open menu's tracking, and the arrows would then only
        // move the highlight along the bar instead of opening the next menu.
        if (m_nTrackingMode != xtpTrackingOff)
        {
            lResult = 0;
            return hookHandled;
        }
        if (IsVisible() && !XTPMouseManager()->IsMouseLocked() && ::GetKeyState(VK_SHIFT) >= 0
            && !IsCustomizeMode())
        {
            SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
            lResult = 0;
            return hookHandled;
        }
        return hookNotHandled;
    }
    const BOOL bClient = hWnd == GetMdiClient();
    if ((bClient && IsMdiClientChange(nMessage))
        || (hWnd == m_hWndActiveChild && (IsChildSizeChange(nMessage) || nMessage == WM_MDIACTIVATE)))
    {
        if (m_hWnd != NULL)
            PostMessage(WM_TIMER, XTP_TID_MDI_REFRESH, 0);
        return hookNotHandled;
    }
    if (bClient && nMessage == WM_MDISETMENU)
    {
        if (!OnMdiSetMenu(wParam))
            return hookNotHandled;
        lResult = 0;
        return hookHandled;
    }
    return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

void CXTPMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != XTP_TID_MDI_REFRESH)
    {
        CXTPToolBar::OnTimer(nIDEvent);
        return;
    }
    SyncActiveMdiChild();
    if (IsVisible())
        RefreshMdiButtons();
}

// ---- Copies and saving ------------------------------------------------------------------

void CXTPMenuBar::GetSavedControls(std::vector<CXTPControls*>& arrControls) const
{
    CXTPToolBar::GetSavedControls(arrControls);
    for (const auto& entry : m_mapMDIMenus)
        arrControls.push_back(entry.second);
}

void CXTPMenuBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPToolBar::Copy(pCommandBar, bRecursive);
    CXTPMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CXTPMenuBar, pCommandBar);
    if (pMenuBar == NULL || pMenuBar == this)
        return;
    m_nIDResource = pMenuBar->m_nIDResource;
    while (!m_mapMDIMenus.empty())
        SetMDIMenu(m_mapMDIMenus.begin()->first, NULL);
    for (const auto& entry : pMenuBar->m_mapMDIMenus)
        SetMDIMenu(entry.first, entry.second->Duplicate(bRecursive));
}
