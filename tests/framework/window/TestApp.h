#pragma once
// The application object of the window tests and helpers that drive its
// message loop by hand.
#include "framework/Framework.h"
#include "tests/support/TestWindow.h"

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("Tidewatch Window Tests") {}

    // Message boxes are recorded, never shown.
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    // Counts idle calls; when m_bQuitWhenIdleDone, the end of an idle pass
    // posts WM_QUIT with the number of calls as exit code.
    BOOL OnIdle(LONG lCount) override;
    CArray<LONG, LONG> m_idleCounts;
    BOOL m_bQuitWhenIdleDone = FALSE;

    CStringArray m_messageBoxes;
    CString m_lastCommand; // which target handled a routed test command

protected:
    afx_msg void OnRouteApp();
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theApp;

// One full idle pass of the application (user-interface updates, then the
// deletion of temporary objects).
void RunIdle();
// Takes a WM_QUIT off the queue and gives its exit code; -1 when there is none.
int TakeQuitMessage();
