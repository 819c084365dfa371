#pragma once
// CXTPControlWindowList: the placeholder (command 35000) that expands into
// one numbered item per visible MDI child of the site frame, the active one
// checked: "&1 Report", "&2 Notes"... at most ten items. The items carry
// the children's ids, so choosing one activates that child.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlWindowList : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlWindowList)
public:
    // The id of the first MDI child (the client's own numbering); an active
    // child with an id just above 0x8000 or 1 moves it there.
    static UINT m_nFirstMDIChild;
    // After the item numbered above this many the list stops.
    static int m_nItemCount;

    // Replaces the previous items by the current children.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Menus only: TRUE on a popup bar.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;

private:
    // Inserts the items for the children of the MDI client.
    void InsertWindowItems(HWND hWndClient);
};
