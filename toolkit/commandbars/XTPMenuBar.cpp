#include "toolkit/commandbars/XTPMenuBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPHookManager.h"
#include "toolkit/commandbars/XTPMouseManager.h"
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
        if (IsVisible() && !XTPMouseManager()->IsMouseLocked() && ::GetKeyState(VK_SHIFT) >= 0 &&
            !IsCustomizeMode())
        {
            SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
            lResult = 0;
            return hookHandled;
        }
        return hookNotHandled;
    }
    return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}
