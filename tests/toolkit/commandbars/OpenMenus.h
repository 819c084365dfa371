#pragma once
// Where the menus of a menu bar stand, as tests that walk them by keys read
// it, for the toolkit's frames and the program's own: each bar's selected
// caption from the menu bar down, " > " before each open menu, "(none)" for
// an open menu with nothing selected, "off" when the menu bar does not track.
//     "&View > &Zoom > &In"    View open, Zoom open from it, In selected
//     "&Edit"                  the title highlighted, no menu open
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"

#include <string>

inline std::string OpenMenusOf(CXTPCommandBar* pMenuBar)
{
    if (!pMenuBar->IsTrackingMode())
        return "off";
    std::string where;
    for (CXTPCommandBar* pBar = pMenuBar;;)
    {
        CXTPControl* pSelected = pBar->GetSelected();
        where += pSelected != NULL ? (LPCTSTR)pSelected->GetCaption() : "(none)";
        CXTPControl* pOpen = pBar->GetControl(pBar->GetPopupedIndex());
        pBar = pOpen != NULL ? pOpen->GetCommandBar() : NULL;
        if (pBar == NULL || !pBar->IsTrackingMode() || !pBar->IsWindowVisible())
            return where;
        where += " > ";
    }
}
