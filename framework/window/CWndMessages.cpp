// CWnd's message dispatch: the message map lookup, commands and
// notifications, reflection to the controls that sent them, and messages
// sent down the window tree.
#include "framework/window/CWnd.h"

namespace {

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The control a reflectable message comes from, or NULL.
HWND SenderOf(HWND hWndParent, UINT message, LPARAM lParam)
{
    if (IsCtlColorMessage(message))
        return (HWND)lParam;
    switch (message)
    {
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lParam;
        return item->CtlType != ODT_MENU ? item->hwndItem : NULL;
    }
    case WM_MEASUREITEM:
    {
        const MEASUREITEMSTRUCT* item = (const MEASUREITEMSTRUCT*)lParam;
        return item->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, item->CtlID) : NULL;
    }
    case WM_DELETEITEM:
        return ((const DELETEITEMSTRUCT*)lParam)->hwndItem;
    case WM_COMPAREITEM:
        return ((const COMPAREITEMSTRUCT*)lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return (HWND)lParam;
    default:
        return NULL;
    }
}

// Reflected to the sender through its message map as WM_REFLECT_BASE + message.
bool IsReflectedThroughMap(UINT message)
{
    switch (message)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

bool IsPushButton(HWND hWnd)
{
    UINT code = (UINT)::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled;
    if (message == WM_COMMAND)
    {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled ? 1 : 0;
    }
    else if (message == WM_NOTIFY)
    {
        bHandled = OnNotify(wParam, lParam, &lResult);
    }
    else if (IsCtlColorMessage(message))
    {
        bHandled = DispatchToMessageMap(WM_CTLCOLOR, wParam, lParam, message - WM_CTLCOLORMSGBOX, &lResult)
                   || ReflectToSender(message, wParam, lParam, &lResult);
    }
    else
    {
        bHandled = DispatchToMessageMap(message, wParam, lParam, 0, &lResult)
                   || ReflectToSender(message, wParam, lParam, &lResult);
    }
    if (pResult != NULL)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, UINT nCode, LRESULT* pResult)
{
    for (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message); entry != NULL;
         entry = FindMessageEntry(message, entry))
    {
        AFX_MSGCALL call = {wParam, lParam, pResult, 0, (int)nCode, NULL};
        if (entry->pfnInvoke(this, entry->pfn, call))
            return TRUE;
    }
    return FALSE;
}

BOOL CWnd::ReflectToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hWndSender = SenderOf(m_hWnd, message, lParam);
    if (hWndSender == NULL || hWndSender == m_hWnd)
        return FALSE;
    CWnd* pSender = FromHandlePermanent(hWndSender);
    return pSender != NULL && pSender->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
    {
        // A menu item or an accelerator: a command its update handler
        // disabled must not run (the accelerator bypasses the grey menu).
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        CWnd* pSender = FromHandlePermanent(hWndCtrl);
        LRESULT lResult = 0;
        if (pSender != NULL && pSender != this
            && pSender->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return FALSE;
    CWnd* pSender = FromHandlePermanent(pNMHDR->hwndFrom);
    if (pSender != NULL && pSender != this && pSender->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg((UINT)pNMHDR->idFrom, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResultIgnored = 0;
    if (pResult == NULL)
        pResult = &lResultIgnored;
    if (message == WM_COMMAND)
    {
        if (!OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    if (IsCtlColorMessage(message))
        return DispatchToMessageMap(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, lParam,
                                    message - WM_CTLCOLORMSGBOX, pResult);
    if (IsReflectedThroughMap(message))
        return DispatchToMessageMap(WM_REFLECT_BASE + message, wParam, lParam, 0, pResult);
    return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != NULL && pChild->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& current = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(current.message, current.wParam, current.lParam, pResult);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != NULL && pWnd->m_hWnd != m_hWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU || !ReflectLastMsg(lpDrawItemStruct->hwndItem))
        Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    HWND hWndItem =
        lpMeasureItemStruct->CtlType == ODT_MENU ? NULL : ::GetDlgItem(m_hWnd, lpMeasureItemStruct->CtlID);
    if (hWndItem == NULL || !ReflectLastMsg(hWndItem))
        Default();
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = FromHandlePermanent(hChild);
        if (pChild != NULL)
            AfxCallWndProc(pChild, hChild, message, wParam, lParam);
        else if (!bOnlyPerm)
            ::SendMessageA(hChild, message, wParam, lParam);
        if (bDeep && ::IsWindow(hChild))
            SendMessageToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == 0 || nID > 0xFFFF)
            continue;
        state.m_nID = nID;
        state.m_pOther = FromHandle(hChild);
        // A control with update handling of its own (a bar) does it itself.
        CWnd* pPermanent = FromHandlePermanent(hChild);
        if (pPermanent != NULL
            && pPermanent->OnCmdMsg(0, MAKELONG(0xFFFF, WM_REFLECT_BASE + WM_COMMAND), &state, NULL))
            continue;
        // Only push buttons stand for commands; check boxes and edits hold data.
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsPushButton(hChild));
    }
}
