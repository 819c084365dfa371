#include "tests/support/HangWatch.h"

#include <stdio.h>

namespace {

// The pause between two answered sends.
const DWORD kPaceMs = 50;

} // namespace

CHangWatch::CHangWatch(HWND hWnd, const std::string& what) : m_hWnd(hWnd), m_what(what)
{
    m_hStop = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    m_hThread = ::CreateThread(NULL, 0, Watch, this, 0, NULL);
}

CHangWatch::~CHangWatch()
{
    ::SetEvent(m_hStop);
    // The watch may be waiting for this thread's answer to its last send.
    while (::MsgWaitForMultipleObjects(1, &m_hThread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0)
    {
        MSG msg;
        ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ::CloseHandle(m_hThread);
    ::CloseHandle(m_hStop);
}

DWORD WINAPI CHangWatch::Watch(LPVOID pWatch)
{
    CHangWatch* pThis = (CHangWatch*)pWatch;
    for (;;)
    {
        DWORD_PTR result = 0;
        const BOOL bAnswered =
            ::SendMessageTimeoutA(pThis->m_hWnd, WM_NULL, 0, 0, SMTO_BLOCK, kHangMs, &result) != 0;
        if (::WaitForSingleObject(pThis->m_hStop, bAnswered ? kPaceMs : 0) == WAIT_OBJECT_0
            || !::IsWindow(pThis->m_hWnd))
            return 0;
        if (!bAnswered)
        {
            printf("[  FAILED  ] %s stopped answering for %lu seconds: its thread will not come back, "
                   "so the test process ends here\n",
                   pThis->m_what.c_str(), (unsigned long)(kHangMs / 1000));
            fflush(stdout);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}
