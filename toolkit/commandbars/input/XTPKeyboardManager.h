#pragma once
// CXTPKeyboardManager: while at least one command bar tracks (a menu is
// open), a thread keyboard hook feeds the keys pressed to the tracking bars
// through their hook sinks, last registered first, so that keys never reach
// the focus window meanwhile. XTPKeyboardManager() gives the calling thread's
// manager, made on first use.
//
//     XTPKeyboardManager()->HookKeyboard(pBar);    // entering tracking mode
//     XTPKeyboardManager()->UnhookKeyboard(pBar);  // leaving it
#include "framework/Window.h"

#include <vector>

class CXTPHookSink;

class CXTPKeyboardManager
{
public:
    CXTPKeyboardManager();
    ~CXTPKeyboardManager();

    // Installs the hook with the first receiver; appends the sink unless present.
    void HookKeyboard(CXTPHookSink* pSink);
    // Removes the sink; the hook goes with the last one.
    void UnhookKeyboard(CXTPHookSink* pSink);
    BOOL HasReceivers() const { return !m_arrReceivers.empty(); }
    BOOL IsHooked() const { return m_hHookKeyboard != NULL; }
    // What the keyboard hook does with one key: TRUE when it is eaten.
    BOOL ProcessKey(WPARAM wParam, LPARAM lParam);
    // The hook is deciding on a key: that key is still first in the queue,
    // where a loop run from here (a command's dialog) would read it again.
    BOOL IsInKeyboardHook() const { return m_nHookDepth > 0; }

    // Offers the message to the receivers, last first: the first non-zero
    // answer decides (1 eats it, 2 leaves it to the window); when nobody
    // answers the key is eaten. TRUE means eaten.
    BOOL ProcessKeyboardHooks(UINT nMessage, WPARAM wParam, LPARAM lParam = 0);

private:
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The application losing the activation closes every menu.
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHookKeyboard;
    HHOOK m_hHookCallWndProc;
    int m_nHookDepth;
    std::vector<CXTPHookSink*> m_arrReceivers;
};

// The calling thread's keyboard manager.
CXTPKeyboardManager* XTPKeyboardManager();
