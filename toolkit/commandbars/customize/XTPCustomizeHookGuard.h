#pragma once
// CXTPCustomizeHookGuard: the thread hooks that hold back the input of the
// frame while the customize sheet runs. A mouse hook and a keyboard hook ask
// the sheet's filters (CXTPCustomizeSheet::FilterMouseMessage and
// FilterKeyboardMessage) and discard what they refuse. One guard is active in
// the process at a time; the sheet's DoModal makes it:
//
//     if (CXTPCustomizeHookGuard::IsActive())
//         return IDCANCEL;                      // another sheet runs
//     CXTPCustomizeHookGuard guard(this);
//     guard.Install();                          // only when the sheet has a parent
//     ...run the sheet...
//     guard.Remove();
#include <windows.h>

class CXTPCustomizeSheet;

class CXTPCustomizeHookGuard
{
public:
    // Becomes the active guard.
    explicit CXTPCustomizeHookGuard(CXTPCustomizeSheet* pSheet);
    // Removes a hook still installed; no guard is active afterwards.
    ~CXTPCustomizeHookGuard();

    static BOOL IsActive() { return m_pActive != NULL; }
    // The active guard's hooks are in place.
    static BOOL AreHooksInstalled() { return m_pActive != NULL && m_pActive->IsInstalled(); }

    // Installs the mouse hook, then the keyboard hook, for this thread.
    void Install();
    void Remove();
    BOOL IsInstalled() const { return m_hookMouse.hHook != NULL; }

private:
    CXTPCustomizeHookGuard(const CXTPCustomizeHookGuard&) = delete;
    CXTPCustomizeHookGuard& operator=(const CXTPCustomizeHookGuard&) = delete;

    // One hook: its handle, while installed, and the filter it asks.
    struct HookRecord
    {
        HHOOK hHook;
        BOOL (*pfnFilter)(CXTPCustomizeSheet* pSheet, WPARAM wParam, LPARAM lParam);
    };
    static BOOL FilterMouse(CXTPCustomizeSheet* pSheet, WPARAM wParam, LPARAM lParam);
    static BOOL FilterKeyboard(CXTPCustomizeSheet* pSheet, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The body of both hooks: the record's filter decides.
    static LRESULT CallFilter(HookRecord CXTPCustomizeHookGuard::*pRecord, int nCode, WPARAM wParam,
                              LPARAM lParam);

    HookRecord m_hookMouse;
    HookRecord m_hookKeyboard;
    CXTPCustomizeSheet* m_pSheet;
    static CXTPCustomizeHookGuard* m_pActive;
};
