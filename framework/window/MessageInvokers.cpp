// The invokers of the handler shapes in MessageMap.h: each unpacks the
// message or command arguments, calls the handler and tells whether the call
// counts as handled.
#include "framework/window/MessageMap.h"
#include "framework/window/CCmdUI.h"
#include "framework/window/CWnd.h"
#include "framework/Gdi.h"

namespace {

template <class Signature>
typename Signature::Handler HandlerOf(AFX_PMSG pfn)
{
    return reinterpret_cast<typename Signature::Handler>(pfn);
}

CWnd* WindowOf(CCmdTarget* pTarget)
{
    return static_cast<CWnd*>(pTarget);
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

CWnd* WindowFrom(WPARAM handle)
{
    return CWnd::FromHandle((HWND)handle);
}

CWnd* WindowFrom(LPARAM handle)
{
    return CWnd::FromHandle((HWND)handle);
}

AFX_NOTIFY* NotifyOf(AFX_MSGCALL& call)
{
    return static_cast<AFX_NOTIFY*>(call.pExtra);
}

} // namespace

#define AFX_CALL_WINDOW_HANDLER(Signature, arguments)                                                        \
    (WindowOf(pTarget)->*HandlerOf<Signature>(pfn)) arguments

#define AFX_CALL_TARGET_HANDLER(Signature, arguments) (pTarget->*HandlerOf<Signature>(pfn)) arguments

// ---------------------------------------------------------------------------
// Commands and notifications.

BOOL AfxSigCmd::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL&)
{
    AFX_CALL_TARGET_HANDLER(AfxSigCmd, ());
    return TRUE;
}

BOOL AfxSigCmdEx::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    return AFX_CALL_TARGET_HANDLER(AfxSigCmdEx, (call.nID));
}

BOOL AfxSigCmdRange::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    AFX_CALL_TARGET_HANDLER(AfxSigCmdRange, (call.nID));
    return TRUE;
}

BOOL AfxSigCmdUI::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(call.pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    AFX_CALL_TARGET_HANDLER(AfxSigCmdUI, (pCmdUI));
    return !pCmdUI->m_bContinueRouting;
}

BOOL AfxSigControlReflectEx::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL&)
{
    return AFX_CALL_TARGET_HANDLER(AfxSigControlReflectEx, ());
}

BOOL AfxSigNotify::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    AFX_NOTIFY* pNotify = NotifyOf(call);
    AFX_CALL_TARGET_HANDLER(AfxSigNotify, (pNotify->pNMHDR, pNotify->pResult));
    return TRUE;
}

BOOL AfxSigNotifyEx::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    AFX_NOTIFY* pNotify = NotifyOf(call);
    return AFX_CALL_TARGET_HANDLER(AfxSigNotifyEx, (pNotify->pNMHDR, pNotify->pResult));
}

BOOL AfxSigNotifyRange::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    AFX_NOTIFY* pNotify = NotifyOf(call);
    AFX_CALL_TARGET_HANDLER(AfxSigNotifyRange, (call.nID, pNotify->pNMHDR, pNotify->pResult));
    return TRUE;
}

BOOL AfxSigNotifyRangeEx::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    AFX_NOTIFY* pNotify = NotifyOf(call);
    return AFX_CALL_TARGET_HANDLER(AfxSigNotifyRangeEx, (call.nID, pNotify->pNMHDR, pNotify->pResult));
}

// ---------------------------------------------------------------------------
// Window messages: the handler's answer, where it has one, is the result.

#define AFX_RETURNING(Signature, arguments)                                                                  \
    BOOL Signature::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)                             \
    {                                                                                                        \
        WPARAM wParam = call.wParam;                                                                         \
        LPARAM lParam = call.lParam;                                                                         \
        (void)wParam;                                                                                        \
        (void)lParam;                                                                                        \
        *call.pResult = (LRESULT)AFX_CALL_WINDOW_HANDLER(Signature, arguments);                              \
        return TRUE;                                                                                         \
    }

#define AFX_VOID(Signature, arguments)                                                                       \
    BOOL Signature::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)                             \
    {                                                                                                        \
        WPARAM wParam = call.wParam;                                                                         \
        LPARAM lParam = call.lParam;                                                                         \
        (void)wParam;                                                                                        \
        (void)lParam;                                                                                        \
        AFX_CALL_WINDOW_HANDLER(Signature, arguments);                                                       \
        *call.pResult = 0;                                                                                   \
        return TRUE;                                                                                         \
    }

AFX_RETURNING(AfxSigMessage, (wParam, lParam))
AFX_VOID(AfxSigVoid, ())
AFX_RETURNING(AfxSigNcCreate, ((LPCREATESTRUCT)lParam))
AFX_VOID(AfxSigSize, ((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam)))
AFX_VOID(AfxSigMove, ((short)LOWORD(lParam), (short)HIWORD(lParam)))
AFX_VOID(AfxSigSizing, ((UINT)wParam, (LPRECT)lParam))
AFX_RETURNING(AfxSigEraseBkgnd, (CDC::FromHandle((HDC)wParam)))
AFX_VOID(AfxSigNcCalcSize, ((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam))
AFX_RETURNING(AfxSigNcHitTest, (PointOf(lParam)))
AFX_RETURNING(AfxSigNcActivate, ((BOOL)wParam))
AFX_RETURNING(AfxSigSetCursor, (WindowFrom(wParam), LOWORD(lParam), HIWORD(lParam)))
AFX_RETURNING(AfxSigMouseActivate, (WindowFrom(wParam), LOWORD(lParam), HIWORD(lParam)))
AFX_VOID(AfxSigTimer, ((UINT_PTR)wParam))
AFX_VOID(AfxSigMouse, ((UINT)wParam, PointOf(lParam)))
AFX_RETURNING(AfxSigMouseWheel, (LOWORD(wParam), (short)HIWORD(wParam), PointOf(lParam)))
AFX_VOID(AfxSigNcMouse, ((UINT)wParam, PointOf(lParam)))
AFX_VOID(AfxSigKey, ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
AFX_VOID(AfxSigFocus, (WindowFrom(wParam)))
AFX_VOID(AfxSigActivate, (LOWORD(wParam), WindowFrom(lParam), (BOOL)HIWORD(wParam)))
AFX_VOID(AfxSigActivateApp, ((BOOL)wParam, (DWORD)lParam))
AFX_VOID(AfxSigBool, ((BOOL)wParam))
AFX_VOID(AfxSigShowWindow, ((BOOL)wParam, (UINT)lParam))
AFX_VOID(AfxSigWindowPos, ((WINDOWPOS*)lParam))
AFX_VOID(AfxSigMinMaxInfo, ((MINMAXINFO*)lParam))
AFX_VOID(AfxSigScroll,
         (LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam ? WindowFrom(lParam) : NULL)))
AFX_VOID(AfxSigContextMenu, (WindowFrom(wParam), PointOf(lParam)))
AFX_VOID(AfxSigDrawItem, ((int)wParam, (LPDRAWITEMSTRUCT)lParam))
AFX_VOID(AfxSigMeasureItem, ((int)wParam, (LPMEASUREITEMSTRUCT)lParam))
AFX_VOID(AfxSigDrawItemReflect, ((LPDRAWITEMSTRUCT)lParam))
AFX_VOID(AfxSigMeasureItemReflect, ((LPMEASUREITEMSTRUCT)lParam))
AFX_VOID(AfxSigInitMenuPopup, (CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam)))
AFX_VOID(AfxSigInitMenu, (CMenu::FromHandle((HMENU)wParam)))
AFX_VOID(AfxSigMenuSelect, (LOWORD(wParam), HIWORD(wParam), (HMENU)lParam))
AFX_RETURNING(AfxSigMenuChar, (LOWORD(wParam), HIWORD(wParam), CMenu::FromHandle((HMENU)lParam)))
AFX_VOID(AfxSigSysCommand, ((UINT)wParam, lParam))
AFX_RETURNING(AfxSigGetDlgCode, ())
AFX_VOID(AfxSigSettingChange, ((UINT)wParam, (LPCTSTR)lParam))
AFX_VOID(AfxSigStyleChanged, ((int)wParam, (LPSTYLESTRUCT)lParam))
AFX_VOID(AfxSigDropFiles, ((HDROP)wParam))
AFX_RETURNING(AfxSigHelpInfo, ((HELPINFO*)lParam))
AFX_RETURNING(AfxSigQueryBool, ())
AFX_VOID(AfxSigEnterIdle, ((UINT)wParam, WindowFrom(lParam)))
AFX_RETURNING(AfxSigCopyData, (WindowFrom(wParam), (COPYDATASTRUCT*)lParam))
AFX_VOID(AfxSigParentNotify, (LOWORD(wParam), lParam))

// WM_CREATE: -1 from the handler makes the creation fail.
BOOL AfxSigCreate::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    int result = AFX_CALL_WINDOW_HANDLER(AfxSigCreate, ((LPCREATESTRUCT)call.lParam));
    *call.pResult = result == -1 ? -1 : 0;
    return TRUE;
}

// WM_CTLCOLORxxx: CWnd::OnWndMsg passes the control type in nCode.
BOOL AfxSigCtlColor::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    HBRUSH hBrush = AFX_CALL_WINDOW_HANDLER(
        AfxSigCtlColor, (CDC::FromHandle((HDC)call.wParam), WindowFrom(call.lParam), (UINT)call.nCode));
    *call.pResult = (LRESULT)hBrush;
    return TRUE;
}

// Reflected colour request: a NULL brush leaves the message to the parent.
BOOL AfxSigCtlColorReflect::Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call)
{
    HBRUSH hBrush =
        AFX_CALL_WINDOW_HANDLER(AfxSigCtlColorReflect, (CDC::FromHandle((HDC)call.wParam), (UINT)call.nCode));
    if (hBrush == NULL)
        return FALSE;
    *call.pResult = (LRESULT)hBrush;
    return TRUE;
}
