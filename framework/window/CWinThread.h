#pragma once
// CWinThread: a thread's message pump with idle processing. The pump walks
// PreTranslateMessage from the message's window up to its top-level window;
// the idle processing updates the main window's command user interfaces and
// deletes the temporary handle-map objects.
#include "framework/window/CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps until WM_QUIT and returns ExitInstance's result.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Takes one message and dispatches it; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // lCount counts the calls since the last message: 0 updates the command
    // user interfaces, 1 deletes temporary objects. TRUE asks for more calls.
    virtual BOOL OnIdle(LONG lCount);
    // FALSE for messages that must not restart idle processing (repeated
    // mouse moves at the same place, paints, the caret's timer, a tool
    // tip's timers).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;
};

CWinThread* AfxGetThread();
// One turn of the current thread's pump; FALSE when it took WM_QUIT.
BOOL AfxPumpMessage();
// What a turn of the pump does with the message it took, for a loop that
// takes its messages itself (without waiting, say): the current thread's
// PreTranslateMessage (without a thread object, AfxPreTranslateMessage) is
// offered it, and it is dispatched unless that took it; WM_KICKIDLE goes
// nowhere.
void AfxDispatchTakenMessage(MSG* pMsg);
BOOL AfxIsIdleMessage(MSG* pMsg);
// Offers a message to PreTranslateMessage of its window and the windows
// above it, then to the main window's when that is not among them.
BOOL AfxPreTranslateMessage(MSG* pMsg);
void AfxPostQuitMessage(int nExitCode);
