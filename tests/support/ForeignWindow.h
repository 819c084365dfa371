#pragma once
// A window of another thread, standing for another program's window: input
// over it goes to that thread, so neither the test thread's windows nor its
// thread hooks see it; only the system's own notices (a mouse-leave notice
// asked with TrackMouseEvent) tell the test thread. The window shows without
// taking the activation and lives as long as the object.
//
//     ForeignWindow other(CRect(900, 700, 1000, 800));
//     ::SetCursorPos(950, 750);   // the pointer leaves the test's windows
#include "framework/Window.h"

class ForeignWindow
{
public:
    explicit ForeignWindow(const CRect& rcScreen);
    ~ForeignWindow();

    HWND GetHwnd() const { return m_hWnd; }
    CPoint Center() const { return m_rcScreen.CenterPoint(); }

private:
    ForeignWindow(const ForeignWindow&);
    ForeignWindow& operator=(const ForeignWindow&);

    static DWORD WINAPI ThreadProc(LPVOID lpParam);

    CRect m_rcScreen;
    HANDLE m_hReady;
    HANDLE m_hThread;
    DWORD m_dwThreadId;
    HWND m_hWnd;
};
