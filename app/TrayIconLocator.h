#pragma once
// TrayIconLocator: finds the screen rectangle of the program's own icon in the
// shell's notification area. The shell keeps its icons as buttons of a toolbar
// ("ToolbarWindow32" in "TrayNotifyWnd" in "Shell_TrayWnd") in its own
// process; each button's data word points at the icon's owner window and id
// there. The locator reads those records through a buffer in the shell's
// process and compares them with the icon it was given.
//
//   TrayIconLocator locator;
//   locator.SetIcon(trayIcon.m_hWnd, 131);   // the owner and id the shell knows
//   CRect rect;                              // empty when nothing is found
//   if (!locator.GetIconRect(&rect)) ...     // rect may be the fallback
//
// The layout of the button data is the shell's; a shell without these windows
// simply gives no rectangle.
#include <windows.h>

class TrayIconLocator
{
public:
    TrayIconLocator() : m_hOwner(NULL), m_nIconId(0) {}

    void SetIcon(HWND hOwner, UINT nIconId);

    // TRUE with the icon's screen rectangle in pRect. FALSE when it was not
    // found: with the notification window's rectangle in pRect as a fallback
    // (or the screen's bottom-right corner, 40 x 20, when that window is gone
    // meanwhile); pRect is unchanged when the shell has no notification
    // window or its process cannot be read.
    BOOL GetIconRect(RECT* pRect) const;

    // The same search in a given notification window (the toolbar or its
    // parent).
    BOOL GetIconRectIn(HWND hNotifyWnd, RECT* pRect) const;

    // The window whose buttons are the icons: the first "ToolbarWindow32" in
    // the first "TrayNotifyWnd" child of hTrayWnd, else that "TrayNotifyWnd"
    // itself; NULL when hTrayWnd has neither.
    static HWND FindNotifyWindow(HWND hTrayWnd);

private:
    // Reads the buttons of hToolbar through the buffer in hProcess; TRUE when
    // the icon's button was found (its rectangle then in pRect).
    BOOL FindButton(HWND hToolbar, HANDLE hProcess, void* pBuffer, int nCount, RECT* pRect) const;

    HWND m_hOwner;
    UINT m_nIconId;
};
