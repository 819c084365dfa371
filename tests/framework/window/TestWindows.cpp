#include "TestWindows.h"

BOOL CLogWnd::CreateTopLevel(LPCTSTR lpszTitle)
{
    return CreateEx(0, NULL, lpszTitle, WS_OVERLAPPEDWINDOW, 20, 20, 300, 200, NULL, NULL);
}

HWND CreateRawWindow(LPCTSTR lpszClass, DWORD dwStyle, HWND hWndParent, UINT nID)
{
    return ::CreateWindowExA(0, lpszClass, "", dwStyle, 0, 0, 100, 30, hWndParent,
                             (HMENU)(UINT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
}
