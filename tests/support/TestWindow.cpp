#include "TestWindow.h"

void PumpPending()
{
    // Each message is taken without waiting: a mouse message that a hook
    // swallows as it is taken (a menu that tracks drops a move to the same
    // point) leaves nothing behind, and a waiting GetMessage would block.
    MSG& msg = AfxGetThreadState()->m_msgCur;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam); // left for the caller
            return;
        }
        AfxDispatchTakenMessage(&msg);
    }
}

void ClickAt(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

CRect RectInParent(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    ::MapWindowPoints(NULL, ::GetParent(pWnd->m_hWnd), (LPPOINT)&rect, 2);
    return rect;
}

CTestWindow::CTestWindow(CSize clientSize)
{
    CreateEx(0, AfxRegisterWndClass(0), "test window", WS_POPUP | WS_VISIBLE, CRect(CPoint(0, 0), clientSize),
             NULL, 0);
}

CTestWindow::~CTestWindow()
{
    DestroyWindow();
}

BOOL CTestFrame::CreateAt(int x, int y, int cx, int cy, LPCTSTR lpszTitle)
{
    CRect rect(x, y, x + cx, y + cy);
    ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!Create(NULL, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect))
        return FALSE;
    PumpPending();
    return TRUE;
}
