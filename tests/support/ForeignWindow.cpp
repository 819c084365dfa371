#include "tests/support/ForeignWindow.h"

ForeignWindow::ForeignWindow(const CRect& rcScreen)
    : m_rcScreen(rcScreen), m_hReady(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_hThread(NULL),
      m_dwThreadId(0), m_hWnd(NULL)
{
    m_hThread = ::CreateThread(NULL, 0, ThreadProc, this, 0, &m_dwThreadId);
    if (m_hThread != NULL)
        ::WaitForSingleObject(m_hReady, INFINITE);
}

ForeignWindow::~ForeignWindow()
{
    if (m_hThread != NULL)
    {
        ::PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
    ::CloseHandle(m_hReady);
}

DWORD WINAPI ForeignWindow::ThreadProc(LPVOID lpParam)
{
    ForeignWindow* pThis = (ForeignWindow*)lpParam;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = "TwForeignWindow";
    ::RegisterClassA(&wc); // fails harmlessly when an earlier window registered it
    const CRect& rc = pThis->m_rcScreen;
    HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, wc.lpszClassName, "foreign", WS_POPUP,
                                  rc.left, rc.top, rc.Width(), rc.Height(), NULL, NULL, wc.hInstance, NULL);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    pThis->m_hWnd = hWnd;
    ::SetEvent(pThis->m_hReady);
    MSG msg;
    while (::GetMessageA(&msg, NULL, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    ::DestroyWindow(hWnd);
    return 0;
}
