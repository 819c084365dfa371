#pragma once
// What the list-expanding controls share (the window list, the toolbars
// list, the recent-file list and the workspace actions). Such a control
// stands in a menu as one placeholder and, before every layout of its bar,
// replaces the items of its previous expansion by items built from the
// program's current state. The items are temporary controls inserted right
// after the placeholder, so they never reach the saved state.
#include "toolkit/commandbars/controls/XTPControlButton.h"

#include <climits>

// Tells whether a control following the placeholder belongs to its
// previous expansion.
typedef BOOL (*XTPExpansionItemTest)(const CXTPControl* pControl);

// Removes the controls that directly follow pPlaceholder while they pass the
// test, stopping at the first that does not or after nMax removals.
void XTPRemoveExpansionItems(CXTPControl* pPlaceholder, XTPExpansionItemTest pfnIsItem, int nMax = INT_MAX);

// The bars manager of the placeholder's collection is in customize mode.
BOOL XTPIsCustomizing(const CXTPControl* pPlaceholder);

// In customize mode the placeholder shows as an ordinary item (its hide
// flags are cleared) and is not expanded: answers TRUE then.
BOOL XTPShowPlaceholderWhileCustomizing(CXTPControl* pPlaceholder);

// Inserts a temporary button for nId after the previously inserted item
// (nInserted items stand after the placeholder already).
CXTPControl* XTPAddExpansionItem(CXTPControl* pPlaceholder, int nInserted, int nId,
                                 const CString& strCaption);
