#pragma once
// CXTPHookManager: subclasses windows on behalf of hook sinks, so that a
// command bar sees the messages of a window it does not own (the menu bar
// watches its frame for Alt and F10). One process-wide object; a window is
// subclassed while at least one sink is registered for it and gets its own
// window procedure back with the last sink, or when it is destroyed.
//
//     XTPHookManager()->SetHook(pFrame->m_hWnd, pMenuBar);
//     ...
//     XTPHookManager()->RemoveAll(pMenuBar);   // the bar goes away
//
// The sinks of a window are asked last registered first (CXTPHookSink).
#include "toolkit/commandbars/input/XTPHookSink.h"

#include "framework/Window.h"

#include <map>
#include <vector>

// The sinks of one subclassed window and the procedure it had before.
class CXTPHookedWindow : public CObject
{
public:
    CXTPHookedWindow(HWND hWnd, WNDPROC pfnNew);
    // Puts the window's previous procedure back.
    ~CXTPHookedWindow() override;

    HWND GetHwnd() const { return m_hWnd; }
    WNDPROC GetOldWndProc() const { return m_pfnOldWndProc; }
    std::vector<CXTPHookSink*>& GetSinks() { return m_arrSinks; }

private:
    CXTPHookedWindow(const CXTPHookedWindow&);
    CXTPHookedWindow& operator=(const CXTPHookedWindow&);

    std::vector<CXTPHookSink*> m_arrSinks;
    WNDPROC m_pfnOldWndProc;
    HWND m_hWnd;
};

class CXTPHookManager
{
public:
    CXTPHookManager();
    // Every hooked window gets its procedure back.
    ~CXTPHookManager();

    // Adds the sink to the window's sinks, subclassing the window first when
    // it has none.
    void SetHook(HWND hWnd, CXTPHookSink* pSink);
    // Removes the sink; the window is unhooked with its last sink.
    void RemoveHook(HWND hWnd, CXTPHookSink* pSink);
    // The sink from every window; every sink of one window; everything.
    void RemoveAll(CXTPHookSink* pSink);
    void RemoveAll(HWND hWnd);
    void RemoveAll();
    // The window's record, NULL when it is not hooked.
    CXTPHookedWindow* Lookup(HWND hWnd) const;

private:
    CXTPHookManager(const CXTPHookManager&);
    CXTPHookManager& operator=(const CXTPHookManager&);

    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Offers one message to the window's sinks, last first, over a snapshot:
    // a sink removed meanwhile is not asked.
    LRESULT Dispatch(CXTPHookedWindow* pHooked, UINT nMessage, WPARAM wParam, LPARAM lParam);

    std::map<HWND, CXTPHookedWindow*> m_mapHooked;
};

// The process-wide hook manager.
CXTPHookManager* XTPHookManager();
