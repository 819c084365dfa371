#include "TestHost.h"

BOOL CTestFrame::CreateAt(int x, int y, int cx, int cy, LPCTSTR lpszTitle)
{
    CRect rect(x, y, x + cx, y + cy);
    ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!Create(NULL, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect))
        return FALSE;
    PumpPending();
    return TRUE;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

CRect RectInParent(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    ::MapWindowPoints(NULL, ::GetParent(pWnd->m_hWnd), (LPPOINT)&rect, 2);
    return rect;
}
