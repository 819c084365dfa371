#pragma once
// ScrollLimit: the largest position a scroll bar's thumb can take, shared by
// CWnd::GetScrollLimit (a window's own bars) and CScrollBar::GetScrollLimit
// (a scroll-bar control).
#include <windows.h>

// The range's maximum less one page (a page of 0 or 1 takes nothing off),
// never below the range's minimum (a page larger than the range). Uses nMin,
// nMax and nPage of the information.
int ScrollLimit(const SCROLLINFO& info);
