#pragma once
// CXTPBarStateParts: the parts of the command bars' state that the
// whole-state exchange moves (CXTPCommandBars::DoPropExchange), held apart
// from the manager: the bars of the controls part, the dock state and the
// dock rows, the icons, the shortcuts, the options, the theme and the
// customizable flag. They are filled from the manager first (a load keeps
// what its record leaves out); loading reads every part into them before
// any is applied, so a load that fails part way leaves the manager as it
// was.
#include "toolkit/commandbars/bars/XTPCommandBarList.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/state/XTPDockState.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include <vector>

class CXTPImageManager;

class CXTPBarStateParts
{
public:
    CXTPBarStateParts();
    ~CXTPBarStateParts();

    CXTPCommandBarList bars;
    CXTPDockState dockState;
    // Per dock bar (top, bottom, left, right) the bar ids of its rows, 0 for
    // a row break.
    std::vector<UINT> arrDockRows[4];
    // The icons a load read: the loaded controls' own and the "Images"
    // part (an image manager of the parts' own).
    CXTPImageManager* const pImages;
    std::vector<ACCEL> accelerators;
    CXTPCommandBarsOptions options;
    XTP_COMMANDBARS_ICONSINFO icons;
    int nTheme;
    BOOL bCustomizable;

private:
    CXTPBarStateParts(const CXTPBarStateParts&);
    void operator=(const CXTPBarStateParts&);
};
