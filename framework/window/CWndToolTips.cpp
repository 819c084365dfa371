// Tool tips of framework windows: the pump offers mouse messages to
// FilterToolTipMessage of the nearest window with tool tips enabled, which
// asks OnToolHitTest for the tool under the mouse and shows it in the
// thread's one tool tip control, owned by the top-level window of the tool.
#include "framework/window/CWnd.h"
#include <stdlib.h>

namespace {

bool IsMouseMove(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
}

bool CancelsToolTip(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_LBUTTONDOWN
           || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_NCLBUTTONDOWN
           || message == WM_NCRBUTTONDOWN;
}

// The message's mouse position in screen coordinates.
POINT ScreenPointOf(const MSG* pMsg)
{
    POINT point = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
    if (pMsg->message == WM_MOUSEMOVE)
        ::ClientToScreen(pMsg->hwnd, &point);
    return point;
}

// The thread's tip window, owned by the top-level window that holds the
// window it serves: a tip belongs to that window as its menus and dialogs do,
// while an unowned one counts as a window of its own (the task bar lists it).
// Made on first use, and again once its owner went, taking it along.
HWND EnsureToolTipWindow(AFX_THREAD_STATE* state, HWND hWndServed)
{
    const HWND hWndOwner = ::GetAncestor(hWndServed, GA_ROOT);
    if (state->m_hWndToolTip != NULL && ::IsWindow(state->m_hWndToolTip))
    {
        if (::GetWindow(state->m_hWndToolTip, GW_OWNER) != hWndOwner)
            ::SetWindowLongPtrA(state->m_hWndToolTip, GWLP_HWNDPARENT, (LONG_PTR)hWndOwner);
        return state->m_hWndToolTip;
    }
    state->m_hWndToolTip = ::CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, NULL, ::GetModuleHandleA(NULL), NULL);
    if (state->m_hWndToolTip != NULL)
        ::SendMessageA(state->m_hWndToolTip, TTM_SETMAXTIPWIDTH, 0, SHRT_MAX);
    return state->m_hWndToolTip;
}

void RemoveLastTool(AFX_THREAD_STATE* state)
{
    if (state->m_hWndLastHit != NULL && state->m_hWndToolTip != NULL)
    {
        ::SendMessageA(state->m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
        ::SendMessageA(state->m_hWndToolTip, TTM_DELTOOLA, 0, (LPARAM)&state->m_lastInfo);
    }
    state->m_hWndLastHit = NULL;
    state->m_nLastHit = -1;
    state->m_bLastHitTipShown = FALSE;
}

} // namespace

// Another window between the message's window and this one takes care of
// the tool tips of this message.
bool CWnd::HasNearerToolTipWindow(HWND hWndFrom, HWND hWndThis)
{
    for (HWND hWnd = hWndFrom; hWnd != NULL && hWnd != hWndThis; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && (pWnd->m_nFlags & WF_TOOLTIPS))
            return true;
    }
    return false;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bWasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    m_nFlags &= ~WF_TOOLTIPS;
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (bWasEnabled && state->m_hWndLastHit == m_hWnd)
        RemoveLastTool(state);
    return TRUE;
}

void CWnd::CancelToolTips()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hWndToolTip != NULL)
        ::SendMessageA(state->m_hWndToolTip, TTM_POP, 0, 0);
}

BOOL CWnd::DispatchToolTipTimer(MSG* pMsg)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (pMsg->message != WM_TIMER || pMsg->hwnd == NULL || pMsg->hwnd != state->m_hWndToolTip)
        return FALSE;
    if (state->m_bLastHitTipShown && !::IsWindowVisible(pMsg->hwnd))
    {
        state->m_hWndToolTip = NULL;
        ::DestroyWindow(pMsg->hwnd);
        return TRUE;
    }
    ::DispatchMessageA(pMsg);
    if (state->m_hWndLastHit != NULL && ::IsWindowVisible(pMsg->hwnd))
        state->m_bLastHitTipShown = TRUE;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == NULL || hWndChild == m_hWnd)
        return -1;
    int nID = ::GetDlgCtrlID(hWndChild);
    if (nID == 0)
        return -1;
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return nID;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (CancelsToolTip(pMsg->message))
    {
        if (state->m_hWndLastHit == m_hWnd)
            CancelToolTips();
        return;
    }
    if (!IsMouseMove(pMsg->message) || HasNearerToolTipWindow(pMsg->hwnd, m_hWnd))
        return;

    POINT screen = ScreenPointOf(pMsg);
    CPoint point = screen;
    ::ScreenToClient(m_hWnd, &point);
    // Mouse messages go to the window under the mouse (or the one holding
    // the capture, which may be elsewhere).
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    bool bOverThis = (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) && client.PtInRect(point);

    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    INT_PTR nHit = bOverThis ? OnToolHitTest(point, &info) : -1;
    if (nHit != state->m_nLastHit || state->m_hWndLastHit != (nHit == -1 ? NULL : m_hWnd))
    {
        RemoveLastTool(state);
        HWND hWndTip = nHit != -1 ? EnsureToolTipWindow(state, m_hWnd) : NULL;
        if (hWndTip != NULL)
        {
            if (info.hwnd == NULL)
                info.hwnd = m_hWnd;
            if (!(info.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&info.rect))
                ::GetClientRect(m_hWnd, &info.rect);
            ::SendMessageA(hWndTip, TTM_ADDTOOLA, 0, (LPARAM)&info);
            ::SendMessageA(hWndTip, TTM_ACTIVATE, TRUE, 0);
            state->m_lastInfo = info;
            state->m_lastInfo.lpszText = NULL;
            state->m_hWndLastHit = m_hWnd;
            state->m_nLastHit = nHit;
        }
    }
    // The tool tip keeps its own copy of the text.
    if (info.lpszText != NULL && info.lpszText != LPSTR_TEXTCALLBACKA)
        free(info.lpszText);
    if (state->m_hWndLastHit == m_hWnd && state->m_hWndToolTip != NULL)
        ::SendMessageA(state->m_hWndToolTip, TTM_RELAYEVENT, 0, (LPARAM)pMsg);
}
