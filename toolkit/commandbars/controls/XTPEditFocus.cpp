#include "toolkit/commandbars/controls/XTPEditFocus.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

namespace {

// The window the field got the focus from, or, when that is the field's
// own tool bar, the window the bar got it from: a click into a floating
// bar's field activates the bar first, and the activation focuses the bar
// on its way to the field.
HWND PastTheBar(CXTPCommandBar* pBar, HWND hWndLost)
{
    CXTPToolBar* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, (CObject*)pBar);
    if (pToolBar == NULL || hWndLost == NULL || hWndLost != pToolBar->m_hWnd)
        return hWndLost;
    const HWND hWndBarReturn = pToolBar->GetFocusReturnWindow();
    return hWndBarReturn != NULL ? hWndBarReturn : hWndLost;
}

} // namespace

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
    CXTPCommandBar* pBar = pControl->GetParent();
    hWndReturn = PastTheBar(pBar, hWndReturn);
    if (hWndReturn != NULL && ::IsWindow(hWndReturn))
        ::SetFocus(hWndReturn);
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
