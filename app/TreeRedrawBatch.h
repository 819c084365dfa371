#pragma once
// TreeRedrawBatch: changes to a tree control's items (inserts, deletes, bold
// marks) without the tree redrawing itself after each one.
//
//   {
//       TreeRedrawBatch batch(m_wndTree);
//       for (...)
//           m_wndTree.SetItemBold(hItem, FALSE);
//   }   // the tree draws again: the next paint shows every change at once
//
// A visible tree control recomputes and redraws its scroll bars after every
// item change, and on this platform each of those redraws is a round trip to
// the display: milliseconds per change, against microseconds for the change
// itself, so a few thousand changes kept the window busy for seconds. The
// tree handles WM_SETREDRAW on its own and keeps redrawing, so the batch
// asks the default window procedure instead, which stops the window drawing
// (its visible bit goes; nothing on screen is hidden or erased). When the
// batch ends the tree draws again and is invalidated whole, so every item is
// painted once; its frame too when the scroll bars changed meanwhile.
//
// Batches nest: only the outermost one stops and restarts the drawing. A
// tree that is not drawing to begin with (hidden, or inside another batch) is
// left as it is. No message may be dispatched while a batch lives.
#include "framework/Window.h"

class TreeRedrawBatch
{
public:
    explicit TreeRedrawBatch(CWnd& tree);
    ~TreeRedrawBatch();
    TreeRedrawBatch(const TreeRedrawBatch&) = delete;
    TreeRedrawBatch& operator=(const TreeRedrawBatch&) = delete;

private:
    // The scroll bars as the frame shows them: which ones there are, their
    // ranges, pages and positions.
    struct ScrollBars
    {
        DWORD dwStyle;
        SCROLLINFO bars[2];
        bool operator==(const ScrollBars& other) const;
    };
    static ScrollBars ScrollBarsOf(HWND hWnd);

    HWND m_hTree;
    // This batch stopped the drawing and starts it again.
    BOOL m_bRestores;
    ScrollBars m_scrollBars;
};
