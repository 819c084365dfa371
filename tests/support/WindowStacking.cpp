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

void ClickScreen(CPoint pt)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input[3];
    ZeroMemory(input, sizeof(input));
    for (INPUT& one : input)
    {
        one.type = INPUT_MOUSE;
        one.mi.dx = pt.x * 65535 / cx;
        one.mi.dy = pt.y * 65535 / cy;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, input, sizeof(INPUT));
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
