#include "framework/window/WindowClasses.h"
#include "framework/core/ModuleState.h"
#include <stdio.h>

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSA existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local char name[96];
    HINSTANCE hInstance = AfxGetInstanceHandle();
    snprintf(name, sizeof name, "Tw:%p:%x:%p:%p:%p", (void*)hInstance, nClassStyle, (void*)hCursor,
             (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        return NULL;
    return name;
}

LPCTSTR AfxDefaultWndClass()
{
    static const char name[] = "TwWnd";
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = name;
    AfxRegisterClass(&wc);
    return name;
}

LPCTSTR AfxFrameWndClass(UINT nIDIcon)
{
    HINSTANCE hResource = AfxFindResourceHandle(MAKEINTRESOURCE(nIDIcon), RT_GROUP_ICON);
    HICON hIcon = ::LoadIconA(hResource, MAKEINTRESOURCE(nIDIcon));
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
}
