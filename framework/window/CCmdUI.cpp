#include "framework/window/CCmdUI.h"
#include "framework/window/CWnd.h"
#include "framework/Gdi.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0)
{}

CCmdUI::~CCmdUI()
{}

namespace {

// A window that loses its enabled state must not keep the focus.
void MoveFocusAwayFrom(CWnd* pWnd)
{
    if (::GetFocus() != pWnd->m_hWnd)
        return;
    HWND hParent = ::GetParent(pWnd->m_hWnd);
    if (hParent != NULL)
        ::SendMessage(hParent, WM_NEXTDLGCTL, 0, FALSE);
}

bool IsButton(CWnd* pWnd)
{
    return (pWnd->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0;
}

} // namespace

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        ::EnableMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                         MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL)
    {
        if (!bOn)
            MoveFocusAwayFrom(m_pOther);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu == NULL)
            ::CheckMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                            MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL && IsButton(m_pOther))
    {
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu == NULL || m_pSubMenu != NULL)
    {
        SetCheck(bOn ? 1 : 0);
        return;
    }
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    HMENU hMenu = m_pMenu->GetSafeHmenu();
    if (!::GetMenuItemInfoA(hMenu, m_nIndex, TRUE, &info))
        return;
    info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
    ::SetMenuItemInfoA(hMenu, m_nIndex, TRUE, &info);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPSTR>(lpszText);
        ::SetMenuItemInfoA(m_pMenu->GetSafeHmenu(), m_nIndex, TRUE, &info);
    }
    else if (m_pOther != NULL)
    {
        m_pOther->SetWindowText(lpszText);
    }
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and popups have nothing to update

    m_bEnableChanged = FALSE;
    BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHandler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = {NULL, NULL};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}

CTestCmdUI::CTestCmdUI() : m_bEnabled(TRUE)
{}

void CTestCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
}

void CTestCmdUI::SetCheck(int)
{}

void CTestCmdUI::SetRadio(BOOL)
{}

void CTestCmdUI::SetText(LPCTSTR)
{}

void CCmdUI::UpdateMenu(CMenu* pPopupMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopupMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1)
        {
            // A popup is updated through its first item and never greyed
            // for want of a handler.
            state.m_pSubMenu = pPopupMenu->GetSubMenu(state.m_nIndex);
            if (state.m_pSubMenu == NULL)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(pTarget, FALSE);
        }
        else
        {
            state.m_pSubMenu = NULL;
            state.DoUpdate(pTarget, bDisableIfNoHandler && state.m_nID < 0xF000);
        }
        // An update handler may have removed or added items.
        UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount && pPopupMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}
