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
//   {
//       TreeRedrawBatch batch(m_wndTree, TreeRedrawBatch::ManyItems);
//       for (...)
//           m_wndTree.InsertItem(...);   // thousands of them
//   }   // the tree lays its items out once, then draws again
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
// A batch of ManyItems also stops the tree laying its items out. After each
// insert or delete under an expanded item the tree otherwise walks every
// item it shows to recompute their order and its scroll ranges, drawing or
// not (even while hidden), so n inserts into a tree of n items cost n times
// n steps: 20,000 keywords took seconds. The tree's own WM_SETREDRAW stops
// that; turning it on again lays every item out once, a walk over the items
// that a batch of a few changes is better without.
//
// Batches nest: only the outermost one stops and restarts the drawing, and
// the outermost of ManyItems the layout. A tree that is not drawing to begin
// with (hidden, or inside another batch) is left drawing as it is. No message
// may be dispatched while a batch lives.
#include "framework/Window.h"

class TreeRedrawBatch
{
public:
    enum Size
    {
        FewItems,
        ManyItems
    };
    explicit TreeRedrawBatch(CWnd& tree, Size size = FewItems);
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
    // The ManyItems batches living on the tree, kept as a window property
    // (the tree cannot be asked whether its layout is off).
    static UINT_PTR LayoutBatches(HWND hTree);
    static void SetLayoutBatches(HWND hTree, UINT_PTR nBatches);

    HWND m_hTree;
    // This batch stopped the drawing and starts it again.
    BOOL m_bRestores;
    // This batch stopped the layout and starts it again.
    BOOL m_bRestoresLayout;
    ScrollBars m_scrollBars;
};
