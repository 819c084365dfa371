#pragma once
// XTTrackPopupMenu: a context menu for the standard-control extensions. With
// a command-bars paint manager current, the menu shows as a command-bar
// popup (with the icons of toolbar resource nToolBarID when it is above 0)
// and the update handlers of the menu's commands are not asked; without one
// it is the system's own popup menu. Returns what the tracking returns (the
// command with TPM_RETURNCMD).
//
//     XTTrackPopupMenu(menu.GetSubMenu(0), TPM_RIGHTBUTTON, pt.x, pt.y, this, IDR_MAINFRAME);
#include "framework/Window.h"

UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd, int nToolBarID = 0);
