#include "toolkit/commandbars/customize/XTPCustomizeHookGuard.h"

#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"

CXTPCustomizeHookGuard* CXTPCustomizeHookGuard::m_pActive = NULL;

CXTPCustomizeHookGuard::CXTPCustomizeHookGuard(CXTPCustomizeSheet* pSheet) : m_pSheet(pSheet)
{
    m_hookMouse.hHook = NULL;
    m_hookMouse.pfnFilter = FilterMouse;
    m_hookKeyboard.hHook = NULL;
    m_hookKeyboard.pfnFilter = FilterKeyboard;
    m_pActive = this;
}

CXTPCustomizeHookGuard::~CXTPCustomizeHookGuard()
{
    Remove();
    m_pActive = NULL;
}

void CXTPCustomizeHookGuard::Install()
{
    const DWORD dwThread = ::GetCurrentThreadId();
    if (m_hookMouse.hHook == NULL)
        m_hookMouse.hHook = ::SetWindowsHookExA(WH_MOUSE, MouseProc, NULL, dwThread);
    if (m_hookKeyboard.hHook == NULL)
        m_hookKeyboard.hHook = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, NULL, dwThread);
}

void CXTPCustomizeHookGuard::Remove()
{
    for (HookRecord* pRecord : {&m_hookMouse, &m_hookKeyboard})
    {
        if (pRecord->hHook != NULL)
            ::UnhookWindowsHookEx(pRecord->hHook);
        pRecord->hHook = NULL;
    }
}

BOOL CXTPCustomizeHookGuard::FilterMouse(CXTPCustomizeSheet* pSheet, WPARAM wParam, LPARAM lParam)
{
    return pSheet->FilterMouseMessage((UINT)wParam, (const MOUSEHOOKSTRUCT*)lParam);
}

BOOL CXTPCustomizeHookGuard::FilterKeyboard(CXTPCustomizeSheet* pSheet, WPARAM, LPARAM)
{
    return pSheet->FilterKeyboardMessage();
}

LRESULT CXTPCustomizeHookGuard::CallFilter(HookRecord CXTPCustomizeHookGuard::*pRecord, int nCode, WPARAM wParam,
                                           LPARAM lParam)
{
    CXTPCustomizeHookGuard* pGuard = m_pActive;
    if (pGuard == NULL)
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    HookRecord& record = pGuard->*pRecord;
    if (nCode < 0 || record.pfnFilter(pGuard->m_pSheet, wParam, lParam))
        return ::CallNextHookEx(record.hHook, nCode, wParam, lParam);
    // Refused: the input is discarded.
    return 1;
}

LRESULT CALLBACK CXTPCustomizeHookGuard::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return CallFilter(&CXTPCustomizeHookGuard::m_hookMouse, nCode, wParam, lParam);
}

LRESULT CALLBACK CXTPCustomizeHookGuard::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return CallFilter(&CXTPCustomizeHookGuard::m_hookKeyboard, nCode, wParam, lParam);
}
