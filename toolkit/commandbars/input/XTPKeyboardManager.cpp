#include "toolkit/commandbars/input/XTPKeyboardManager.h"

#include "toolkit/commandbars/input/XTPHookSink.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

namespace {

thread_local CXTPKeyboardManager* t_pKeyboardManager = NULL;

void DestroyKeyboardManager()
{
    delete t_pKeyboardManager;
    t_pKeyboardManager = NULL;
}

} // namespace

XTP_STARTUP_ENTRY(KeyboardManager, xtpStartupKeyboardManager, NULL, DestroyKeyboardManager);

CXTPKeyboardManager* XTPKeyboardManager()
{
    if (t_pKeyboardManager == NULL)
        t_pKeyboardManager = new CXTPKeyboardManager;
    return t_pKeyboardManager;
}

CXTPKeyboardManager::CXTPKeyboardManager() : m_hHookKeyboard(NULL), m_hHookCallWndProc(NULL), m_nHookDepth(0)
{}

CXTPKeyboardManager::~CXTPKeyboardManager()
{
    if (m_hHookKeyboard != NULL)
        ::UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc != NULL)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
}

void CXTPKeyboardManager::HookKeyboard(CXTPHookSink* pSink)
{
    if (m_hHookKeyboard == NULL)
        m_hHookKeyboard =
            ::SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, AfxGetInstanceHandle(), ::GetCurrentThreadId());
    if (m_hHookCallWndProc == NULL)
        m_hHookCallWndProc =
            ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, AfxGetInstanceHandle(), ::GetCurrentThreadId());
    if (std::find(m_arrReceivers.begin(), m_arrReceivers.end(), pSink) == m_arrReceivers.end())
        m_arrReceivers.push_back(pSink);
}

void CXTPKeyboardManager::UnhookKeyboard(CXTPHookSink* pSink)
{
    std::vector<CXTPHookSink*>::iterator it = std::find(m_arrReceivers.begin(), m_arrReceivers.end(), pSink);
    if (it != m_arrReceivers.end())
        m_arrReceivers.erase(it);
    if (!m_arrReceivers.empty())
        return;
    if (m_hHookKeyboard != NULL)
        ::UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc != NULL)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
    m_hHookKeyboard = NULL;
    m_hHookCallWndProc = NULL;
}

BOOL CXTPKeyboardManager::ProcessKeyboardHooks(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    // A receiver may leave tracking mode (and unregister) while it is asked:
    // ask a copy.
    std::vector<CXTPHookSink*> receivers = m_arrReceivers;
    for (int i = (int)receivers.size() - 1; i >= 0; i--)
    {
        if (std::find(m_arrReceivers.begin(), m_arrReceivers.end(), receivers[i]) == m_arrReceivers.end())
            continue;
        WPARAM w = wParam;
        LPARAM l = lParam;
        LRESULT lResult = 0;
        int nAnswer = receivers[i]->OnHookMessage(NULL, nMessage, w, l, lResult);
        if (nAnswer == CXTPHookSink::hookHandled)
            return TRUE;
        if (nAnswer == CXTPHookSink::hookStop)
            return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK CXTPKeyboardManager::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardManager* pManager = XTPKeyboardManager();
    pManager->m_nHookDepth++;
    const BOOL bEaten = nCode == HC_ACTION && pManager->ProcessKey(wParam, lParam);
    pManager->m_nHookDepth--;
    if (bEaten)
        return 1;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

BOOL CXTPKeyboardManager::ProcessKey(WPARAM wParam, LPARAM lParam)
{
    const BOOL bKeyDown = (lParam & 0x80000000) == 0;
    if (!HasReceivers() || !bKeyDown)
        return FALSE;
    const BOOL bAlt = (lParam & 0x20000000) != 0;
    if (!bAlt)
        return ProcessKeyboardHooks(WM_KEYDOWN, wParam, 0);
    if (XTPMouseManager()->IsMouseLocked())
        return FALSE;
    if (wParam != VK_MENU)
        return ProcessKeyboardHooks(WM_KEYDOWN, wParam, 0);
    // Alt alone closes the menus; its auto-repeat does nothing more.
    if (lParam & 0x40000000)
        return FALSE;
    XTPMouseManager()->SendTrackLost();
    return TRUE;
}

LRESULT CALLBACK CXTPKeyboardManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMessage->message == WM_ACTIVATEAPP && !pMessage->wParam)
        XTPMouseManager()->SendTrackLost();
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
