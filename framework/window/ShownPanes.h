#pragma once
// Which of a frame's panes the user can see, for the code that decides where
// the keys and the commands go: a pane dragged shut or to a sliver, or
// hidden, must not keep them.
//
// A pane is a child window with a pane id (AFX_IDW_PANE_FIRST to
// AFX_IDW_PANE_LAST); a splitter numbers its panes row by row, 16 ids a row,
// so the order of the ids is the reading order. A pane that holds panes of
// its own (a nested splitter) stands for them.
//
// A pane is out of sight when less of it shows than ReadablePaneSize in
// either direction: a bar dragged to the window's edge leaves the pane
// beyond it a sliver of a few pixels (its frame and a line or two of its
// client area), where nothing can be read. Everything inside such a pane is
// out of sight with it.
//
//   if (!IsShownInTopLevel(pView->m_hWnd)) ...        // dragged shut or hidden
//   std::vector<HWND> panes = ShownPanesIn(pFrame->m_hWnd);
#include <windows.h>

#include <vector>

// The least of a pane's client area that must show for the user to see it:
// a small icon's width and height, the smallest item a pane draws (a list
// row or a tree item is as high, with its icon or a line of text).
SIZE ReadablePaneSize();

// Some of the window's client area lies inside the client area of every
// parent below its top-level window, it and each of those parents carry
// WS_VISIBLE, and each pane among them (the window itself included) shows at
// least ReadablePaneSize of its client area: the user sees it whenever the
// top-level window shows. The top-level window's own state does not count,
// so the answer holds while it is hidden or minimised. A top-level window is
// shown when its client area is not empty.
BOOL IsShownInTopLevel(HWND hWnd);

// The shown panes below hParent in reading order, each nested pane holder
// replaced by its own shown panes.
std::vector<HWND> ShownPanesIn(HWND hParent);
