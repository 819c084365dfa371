#include "toolkit/commandbars/input/XTPHookManager.h"

#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

namespace {

CXTPHookManager* g_pHookManager = NULL;

void DestroyHookManager()
{
    delete g_pHookManager;
    g_pHookManager = NULL;
}

} // namespace

XTP_STARTUP_ENTRY(HookManager, xtpStartupSoundAndHookManagers, NULL, DestroyHookManager);

CXTPHookManager* XTPHookManager()
{
    if (g_pHookManager == NULL)
        g_pHookManager = new CXTPHookManager;
    return g_pHookManager;
}

CXTPHookedWindow::CXTPHookedWindow(HWND hWnd, WNDPROC pfnNew) : m_pfnOldWndProc(NULL), m_hWnd(hWnd)
{
    m_pfnOldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnNew);
}

CXTPHookedWindow::~CXTPHookedWindow()
{
    if (::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnOldWndProc);
}

CXTPHookManager::CXTPHookManager()
{}

CXTPHookManager::~CXTPHookManager()
{
    RemoveAll();
}

void CXTPHookManager::SetHook(HWND hWnd, CXTPHookSink* pSink)
{
    if (hWnd == NULL || !::IsWindow(hWnd))
        return;
    CXTPHookedWindow* pHooked = Lookup(hWnd);
    if (pHooked == NULL)
    {
        pHooked = new CXTPHookedWindow(hWnd, HookWndProc);
        m_mapHooked[hWnd] = pHooked;
    }
    std::vector<CXTPHookSink*>& sinks = pHooked->GetSinks();
    if (std::find(sinks.begin(), sinks.end(), pSink) == sinks.end())
        sinks.push_back(pSink);
}

void CXTPHookManager::RemoveHook(HWND hWnd, CXTPHookSink* pSink)
{
    CXTPHookedWindow* pHooked = Lookup(hWnd);
    if (pHooked == NULL)
        return;
    std::vector<CXTPHookSink*>& sinks = pHooked->GetSinks();
    sinks.erase(std::remove(sinks.begin(), sinks.end(), pSink), sinks.end());
    if (sinks.empty())
        RemoveAll(hWnd);
}

void CXTPHookManager::RemoveAll(CXTPHookSink* pSink)
{
    std::vector<HWND> windows;
    for (const auto& entry : m_mapHooked)
        windows.push_back(entry.first);
    for (HWND hWnd : windows)
        RemoveHook(hWnd, pSink);
}

void CXTPHookManager::RemoveAll(HWND hWnd)
{
    std::map<HWND, CXTPHookedWindow*>::iterator it = m_mapHooked.find(hWnd);
    if (it == m_mapHooked.end())
        return;
    CXTPHookedWindow* pHooked = it->second;
    m_mapHooked.erase(it);
    delete pHooked;
}

void CXTPHookManager::RemoveAll()
{
    while (!m_mapHooked.empty())
        RemoveAll(m_mapHooked.begin()->first);
}

CXTPHookedWindow* CXTPHookManager::Lookup(HWND hWnd) const
{
    std::map<HWND, CXTPHookedWindow*>::const_iterator it = m_mapHooked.find(hWnd);
    return it != m_mapHooked.end() ? it->second : NULL;
}

LRESULT CALLBACK CXTPHookManager::HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CXTPHookManager* pManager = XTPHookManager();
    CXTPHookedWindow* pHooked = pManager->Lookup(hWnd);
    if (pHooked == NULL)
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);

    // The thread's current message is this one while the sinks and the old
    // procedure run (Default and GetCurrentMessage read it).
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG previous = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMessage;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult;
    if (nMessage == WM_NCDESTROY)
    {
        WNDPROC pfnOld = pHooked->GetOldWndProc();
        pManager->RemoveAll(hWnd);
        lResult = ::CallWindowProcA(pfnOld, hWnd, nMessage, wParam, lParam);
    }
    else
        lResult = pManager->Dispatch(pHooked, nMessage, wParam, lParam);

    pState->m_lastSentMsg = previous;
    return lResult;
}

LRESULT CXTPHookManager::Dispatch(CXTPHookedWindow* pHooked, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = pHooked->GetHwnd();
    WNDPROC pfnOld = pHooked->GetOldWndProc();
    const std::vector<CXTPHookSink*> snapshot = pHooked->GetSinks();
    for (int i = (int)snapshot.size() - 1; i >= 0; i--)
    {
        // A sink may remove others (or the window's record) while it runs.
        CXTPHookedWindow* pCurrent = Lookup(hWnd);
        if (pCurrent == NULL)
            break;
        const std::vector<CXTPHookSink*>& sinks = pCurrent->GetSinks();
        if (std::find(sinks.begin(), sinks.end(), snapshot[i]) == sinks.end())
            continue;
        LRESULT lResult = 0;
        int nAnswer = snapshot[i]->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
        if (nAnswer == CXTPHookSink::hookHandled)
            return lResult;
        if (nAnswer == CXTPHookSink::hookStop)
            break;
    }
    return ::CallWindowProcA(pfnOld, hWnd, nMessage, wParam, lParam);
}
