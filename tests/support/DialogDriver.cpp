#include "tests/support/DialogDriver.h"

namespace {
CDialogDriver* g_pDriver = nullptr;

std::string TextOf(HWND hWnd)
{
    char text[1024] = "";
    if (hWnd != NULL)
        ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}
} // namespace

CDialogDriver::CDialogDriver(std::function<void(HWND)> step) : m_step(std::move(step))
{
    g_pDriver = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, Hook, NULL, ::GetCurrentThreadId());
}

CDialogDriver::~CDialogDriver()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pDriver = nullptr;
}

LRESULT CALLBACK CDialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = (HWND)wParam;
    char className[32] = "";
    if (code == HCBT_ACTIVATE && g_pDriver != nullptr && ::GetClassNameA(hWnd, className, sizeof className)
        && lstrcmpA(className, "#32770") == 0 && ::GetPropA(hWnd, "DialogDriverSeen") == NULL)
    {
        ::SetPropA(hWnd, "DialogDriverSeen", (HANDLE)1);
        g_pDriver->seen.push_back({TextOf(hWnd), TextOf(::GetDlgItem(hWnd, 0xFFFF))});
        if (g_pDriver->m_step)
            g_pDriver->m_step(hWnd);
        else
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}
