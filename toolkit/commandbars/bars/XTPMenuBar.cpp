#include "toolkit/commandbars/bars/XTPMenuBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPResourceManager.h"

IMPLEMENT_SERIAL(CXTPMenuBar, CXTPToolBar, VERSIONABLE_SCHEMA | 8)

CXTPMenuBar::CXTPMenuBar() : m_hMenu(NULL), m_nIDResource(0), m_nIDResourceCurrent(0)
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
        POSITION pos = pEnum->GetPosition((DWORD)m_mapMDIMenus.size());
        for (auto& entry : m_mapMDIMenus)
        {
            CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
            DWORD dwMenuID = entry.first;
            PX_DWord(pItem, "Id", dwMenuID, 0);
            entry.second->DoPropExchange(pItem);
        }
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

BOOL CXTPMenuBar::LoadMenuBar(UINT nID)
{
    if (nID != 0)
    {
        CMenu menu;
        if (!XTPResourceManager()->LoadMenu(&menu, nID) || !LoadMenu(&menu, TRUE))
            return FALSE;
    }
    m_nIDResource = m_nIDResourceCurrent = nID;

    CWnd* pSite = GetOwnerSite();
    if (pSite != NULL && pSite->m_hWnd != NULL)
    {
        XTPHookManager()->SetHook(pSite->m_hWnd, this);
        HMENU hMenu = ::GetMenu(pSite->m_hWnd);
        if (hMenu != NULL)
        {
            if (m_hMenu != NULL && m_hMenu != hMenu && ::IsMenu(m_hMenu))
                ::DestroyMenu(m_hMenu);
            m_hMenu = hMenu;
            ::SetMenu(pSite->m_hWnd, NULL);
        }
    }
    return TRUE;
}

int CXTPMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (hWnd != NULL && nMessage == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0)
    {
        if (IsVisible() && !XTPMouseManager()->IsMouseLocked() && ::GetKeyState(VK_SHIFT) >= 0
            && !IsCustomizeMode())
        {
            SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
            lResult = 0;
            return hookHandled;
        }
        return hookNotHandled;
    }
    return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

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
    while (!m_mapMDIMenus.empty())
        SetMDIMenu(m_mapMDIMenus.begin()->first, NULL);
    for (const auto& entry : pMenuBar->m_mapMDIMenus)
        SetMDIMenu(entry.first, entry.second->Duplicate(bRecursive));
}
