#include "toolkit/commandbars/customize/XTPCustomizeMenuControls.h"

#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"

IMPLEMENT_DYNCREATE(CXTPCustomizeMenuButton, CXTPControlButton)
IMPLEMENT_DYNCREATE(CXTPCustomizeMenuEdit, CXTPControlEdit)

namespace {

// Ends the tracking of the menu the control stands in.
void CloseMenuOf(CXTPControl* pControl)
{
    if (pControl->GetParent() != NULL)
        pControl->GetParent()->GetRootParent()->SetTrackingMode(xtpTrackingOff);
}

} // namespace

void XTPSendCustomizeMenuCommand(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    CWnd* pOwner = pBar != NULL ? pBar->GetOwnerSite() : NULL;
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        return;
    ControlExecuteNotify notify;
    notify.hdr.hwndFrom = NULL;
    notify.hdr.idFrom = (UINT_PTR)pControl->GetID();
    notify.hdr.code = XTP_CN_EXECUTE;
    notify.pControl = pControl;
    if (pOwner->SendMessage(WM_XTP_CONTROL_EXECUTE, (WPARAM)pControl->GetID(), (LPARAM)&notify) == 0)
        pOwner->SendMessage(WM_COMMAND, (WPARAM)pControl->GetID(), 0);
}

void XTPExecuteCustomizeMenuControl(CXTPControl* pControl)
{
    // The command may take the control off its menu: it stays alive until done.
    CXTPHoldReference hold(pControl);
    CloseMenuOf(pControl);
    XTPSendCustomizeMenuCommand(pControl);
}

void CXTPCustomizeMenuButton::OnExecute()
{
    XTPExecuteCustomizeMenuControl(this);
}

void CXTPCustomizeMenuEdit::OnExecute()
{
    XTPExecuteCustomizeMenuControl(this);
}

BOOL CXTPCustomizeMenuEdit::OnSetSelected(int bSelected)
{
    // The typed name takes effect when the mouse leaves the field.
    CXTPControlEditWnd* pEdit = GetEditWnd();
    if (!bSelected && GetSelected() && pEdit != NULL && pEdit->m_hWnd != NULL && ::GetFocus() == pEdit->m_hWnd)
        XTPSendCustomizeMenuCommand(this);
    return CXTPControlEdit::OnSetSelected(bSelected);
}

BOOL CXTPCustomizeMenuEdit::LocksMouseWhileFocused() const
{
    return FALSE;
}
