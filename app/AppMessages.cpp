#include "app/AppMessages.h"

void PostToTopLevel(const CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (hWnd != NULL)
        ::PostMessageA(hWnd, message, wParam, lParam);
}

CString AppTitle()
{
    CString title;
    title.LoadString(57344);
    return title;
}
