#include "framework/window/CWinThread.h"
#include "framework/window/CWnd.h"
#include "framework/window/CWinApp.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

// WM_SYSTIMER: the timer that blinks the caret.
static const UINT systemTimerMessage = 0x0118;

// A tool tip's own timers: they show, move and hide its tip, which no command
// user interface depends on, and the system's tool tip keeps one ticking ten
// times a second while a tip shows (under wine also after it has gone).
static BOOL IsToolTipTimer(const MSG* pMsg)
{
    char szClass[32];
    return pMsg->message == WM_TIMER && pMsg->hwnd != NULL
           && ::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass)) > 0
           && lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0;
}

// Paints and the timers above change nothing a command user interface shows.
static BOOL IsIdleMessageKind(const MSG* pMsg)
{
    return pMsg->message != WM_PAINT && pMsg->message != systemTimerMessage && !IsToolTipTimer(pMsg);
}

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId())
{
    AfxGetThreadState()->m_pCurrentWinThread = this;
}

CWinThread::~CWinThread()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_pCurrentWinThread == this)
        state->m_pCurrentWinThread = NULL;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)AfxGetThreadState()->m_msgCur.wParam;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd;
}

CWinThread* AfxGetThread()
{
    CWinThread* pThread = AfxGetThreadState()->m_pCurrentWinThread;
    return pThread != NULL ? pThread : AfxGetApp();
}

// ---------------------------------------------------------------------------
// The pump.

namespace {

// PreTranslateMessage of hWnd's object and of every window above it, up to
// and including the first window that is not a child.
BOOL WalkPreTranslateTree(MSG* pMsg, HWND* phWndTop)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        *phWndTop = hWnd;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

} // namespace

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    HWND hWndTop = NULL;
    if (WalkPreTranslateTree(pMsg, &hWndTop))
        return TRUE;
    // A message for another top-level window (a modeless dialog) still gets
    // the main window's accelerators.
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != NULL ? pThread->GetMainWnd() : NULL;
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && hWndTop != NULL && hWndTop != pMainWnd->m_hWnd
        && CWnd::FromHandlePermanent(pMainWnd->m_hWnd) == pMainWnd)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return AfxPreTranslateMessage(pMsg);
}

namespace {

// Dispatches a taken message unless the thread's (or, without a thread
// object, the default) PreTranslateMessage walk takes it.
void DispatchTakenMessage(CWinThread* pThread, MSG* pMsg)
{
    if (pMsg->message == WM_KICKIDLE)
        return;
    BOOL bTaken = pThread != NULL ? pThread->PreTranslateMessage(pMsg) : AfxPreTranslateMessage(pMsg);
    if (!bTaken && !CWnd::DispatchToolTipTimer(pMsg))
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
}

// Takes one message, waiting for it, and dispatches it.
BOOL PumpOneMessage(CWinThread* pThread)
{
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (::GetMessageA(&msg, NULL, 0, 0) <= 0)
        return FALSE;
    DispatchTakenMessage(pThread, &msg);
    return TRUE;
}

} // namespace

void AfxDispatchTakenMessage(MSG* pMsg)
{
    DispatchTakenMessage(AfxGetThread(), pMsg);
}

BOOL CWinThread::PumpMessage()
{
    return PumpOneMessage(this);
}

BOOL AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->PumpMessage() : PumpOneMessage(NULL);
}

BOOL AfxIsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->IsIdleMessage(pMsg);
    return IsIdleMessageKind(pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        bool samePlace = state->m_nMsgLast == pMsg->message && state->m_ptCursorLast.x == pMsg->pt.x
                         && state->m_ptCursorLast.y == pMsg->pt.y;
        state->m_ptCursorLast = pMsg->pt;
        state->m_nMsgLast = pMsg->message;
        return !samePlace;
    }
    return IsIdleMessageKind(pMsg);
}

void AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&AfxGetThreadState()->m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    }
}

// ---------------------------------------------------------------------------
// Idle processing.

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1)
        CHandleMap::DeleteTemporaryObjects();
    return FALSE;
}
