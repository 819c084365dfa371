#pragma once
// Which of a frame's panes the user can see, for the code that decides where
// the keys and the commands go: a pane dragged shut (0 pixels wide or high)
// or hidden must not keep them.
//
// A pane is a child window with a pane id (AFX_IDW_PANE_FIRST to
// AFX_IDW_PANE_LAST); a splitter numbers its panes row by row, 16 ids a row,
// so the order of the ids is the reading order. A pane that holds panes of
// its own (a nested splitter) stands for them.
//
//   if (!IsShownInTopLevel(pView->m_hWnd)) ...        // dragged shut or hidden
//   std::vector<HWND> panes = ShownPanesIn(pFrame->m_hWnd);
#include <windows.h>

#include <vector>

// Some of the window's client area lies inside the client area of every
// parent below its top-level window, and it and each of those parents carry
// WS_VISIBLE: the user sees it whenever the top-level window shows. The top-
// level window's own state does not count, so the answer holds while it is
// hidden or minimised. A top-level window is shown when its client area is
// not empty.
BOOL IsShownInTopLevel(HWND hWnd);

// The shown panes below hParent in reading order, each nested pane holder
// replaced by its own shown panes.
std::vector<HWND> ShownPanesIn(HWND hParent);
