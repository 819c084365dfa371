#include "WindowStacking.h"

#include "TestWindow.h"

bool IsInFront(HWND hWnd, HWND hOther)
{
    for (HWND h = ::GetWindow(hWnd, GW_HWNDFIRST); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (h == hWnd || h == hOther)
            return h == hWnd;
    }
    return false;
}

HWND TopLevelAt(CPoint pt)
{
    HWND hWnd = ::WindowFromPoint(pt);
    return hWnd != NULL ? ::GetAncestor(hWnd, GA_ROOT) : NULL;
}

void SettleDisplay()
{
    PumpPending();
    HDC hScreen = ::GetDC(NULL);
    ::GetPixel(hScreen, 0, 0);
    ::ReleaseDC(NULL, hScreen);
    PumpPending();
}

bool SettleUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    SettleDisplay();
    while (!condition())
    {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        SettleDisplay();
    }
    return true;
}
