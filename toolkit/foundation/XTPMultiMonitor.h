#pragma once
// The monitor functions of USER32, bound by name on first use: systems
// without them (and tests that withhold one) get the primary work area.
#include "framework/Core.h"

class CXTPMultiMonitor
{
public:
    CXTPMultiMonitor();

    // The work area of the monitor nearest the rectangle, of the window, or
    // under the point; the primary work area when there is no such monitor
    // or the monitor functions are missing.
    CRect GetWorkArea(const RECT& rc);
    CRect GetWorkArea(HWND hWnd);
    CRect GetWorkArea(POINT pt);

    // TRUE once all five entry points were found.
    BOOL IsBound();

private:
    typedef int(WINAPI* PFNGETSYSTEMMETRICS)(int);
    typedef HMONITOR(WINAPI* PFNMONITORFROMWINDOW)(HWND, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMRECT)(LPCRECT, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMPOINT)(POINT, DWORD);
    typedef BOOL(WINAPI* PFNGETMONITORINFO)(HMONITOR, LPMONITORINFO);

    // Binds the entry points once; when one is missing all stay NULL.
    void Bind();
    CRect WorkAreaOf(HMONITOR hMonitor);

    PFNGETSYSTEMMETRICS m_pfnGetSystemMetrics;
    PFNMONITORFROMWINDOW m_pfnMonitorFromWindow;
    PFNMONITORFROMRECT m_pfnMonitorFromRect;
    PFNMONITORFROMPOINT m_pfnMonitorFromPoint;
    PFNGETMONITORINFO m_pfnGetMonitorInfo;
    BOOL m_bInitialized;
};

// The process-wide instance, built by the toolkit's start-up.
CXTPMultiMonitor* XTPMultiMonitor();
