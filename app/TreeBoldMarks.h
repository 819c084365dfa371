#pragma once
// SetChildrenBold: the bold mark of many children of one tree item, changed
// at once, as Mark as Read on the keyword tree's root needs it.
//
//   std::vector<HTREEITEM> unread;   // the keyword items that are bold now
//   ...
//   SetChildrenBold(m_wndTree, m_hRoot, unread, FALSE);
//
// A tree control that shows an item's children invalidates a child whenever
// its bold mark changes, wherever the child is scrolled to and even while the
// tree is not drawing; on this platform each invalidation is a round trip to
// the display server: about 0.07 ms a child, 140 ms for 2,000 keywords.
// Children of a collapsed item cost the tree next to nothing, so the parent
// is collapsed while the marks change and expanded again, all inside one
// TreeRedrawBatch (the tree is painted once, afterwards). A tree keeps the
// label widths it measured before the collapse, so it is then given its own
// font again, which has it measure every label anew (microseconds each).
//
// The user sees the tree as if each child had been changed alone: the same
// first visible item and horizontal scroll position, the same caret and
// selection, the labels as wide as their text in its new weight. A collapse
// would move the caret from a child to the parent, so with the caret below
// the parent the children are changed one by one instead. Every item of
// children has hParent as its parent; an empty list changes nothing.
#include "framework/Controls.h"

#include <vector>

void SetChildrenBold(CTreeCtrl& tree, HTREEITEM hParent, const std::vector<HTREEITEM>& children, BOOL bBold);
