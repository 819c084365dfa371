#pragma once
// A watch over a window of the calling thread, for a test whose fault would
// leave that thread spinning or waiting for good (a search that never ends
// inside a key's handling, say): while the watch lasts, a thread of its own
// sends the window WM_NULL, one after another. A window that leaves one
// unanswered for kHangMs belongs to a thread that will not come back, and
// nothing in the process can end that thread and let the test go on: the
// watch prints a failure that names what stopped answering and ends the
// process with exit code 3, long before ctest's time-out (the executable
// then fails, and the result count takes its missing report for a failure).
//
//     CHangWatch watch(sheet.m_hWnd, "the customize sheet after Ctrl+Tab");
//     EXPECT_TRUE(PressKeysAndWait({VK_MENU, 'Q'}));
//
// A window destroyed meanwhile ends the sends. The calling thread answers
// the last send while the watch ends.
#include <windows.h>

#include <string>

class CHangWatch
{
public:
    // How long a window may leave a send unanswered: on a machine whose
    // every core is busy a thread still answers within a fraction of it.
    static const DWORD kHangMs = 20000;

    CHangWatch(HWND hWnd, const std::string& what);
    CHangWatch(const CHangWatch&) = delete;
    CHangWatch& operator=(const CHangWatch&) = delete;
    ~CHangWatch();

private:
    static DWORD WINAPI Watch(LPVOID pWatch);

    HWND m_hWnd;
    std::string m_what;
    HANDLE m_hStop;
    HANDLE m_hThread;
};
