#include "toolkit/commandbars/controls/XTPEditFocus.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

CXTPEditFocus::CXTPEditFocus() : m_hWndReturn(NULL), m_bLocked(FALSE)
{}

BOOL CXTPEditFocus::HasFocus(const CXTPControl* pControl)
{
    return pControl->GetParent() != NULL && pControl->GetParent()->GetKeyControl() == pControl;
}

void CXTPEditFocus::OnSetFocus(CXTPControl* pControl, HWND hWndLost, BOOL bLockMouse)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar == NULL || pBar->GetKeyControl() != NULL)
        return;
    CWnd* pOwner = pBar->GetOwnerSite();
    m_hWndReturn = hWndLost != NULL ? hWndLost : pOwner->GetSafeHwnd();
    pBar->SetPopuped(-1);
    pBar->SetTrackingMode(xtpTrackingOn, FALSE);
    pBar->SetSelected(pControl->GetIndex());
    if (bLockMouse)
    {
        XTPMouseManager()->LockMouseMove();
        m_bLocked = TRUE;
    }
    pBar->SetKeyControl(pControl);
}

void CXTPEditFocus::OnKillFocus(CXTPControl* pControl)
{
    if (m_bLocked)
    {
        XTPMouseManager()->UnlockMouseMove();
        m_bLocked = FALSE;
    }
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar == NULL || pBar->GetKeyControl() != pControl)
        return;
    pBar->SetKeyControl(NULL);
    // A bar left tracking would go on eating the keys of the focus window.
    pBar->SetTrackingMode(xtpTrackingOff);
}

void CXTPEditFocus::ReturnFocus(CXTPControl* pControl)
{
    HWND hWndReturn = m_hWndReturn;
    m_hWndReturn = NULL;
    if (hWndReturn != NULL && ::IsWindow(hWndReturn))
        ::SetFocus(hWndReturn);
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->m_hWnd != NULL)
    {
        pBar->Invalidate(FALSE);
        pBar->UpdateCommandBar();
    }
}

void XTPFollowControlState(CWnd* pWnd, const CXTPControl* pControl)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL)
        return;
    pWnd->EnableWindow(pControl->GetEnabled());
    pWnd->ShowWindow(pControl->GetHideFlags() == xtpHideNone ? SW_SHOWNA : SW_HIDE);
}
