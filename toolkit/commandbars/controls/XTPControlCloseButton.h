#pragma once
// CXTPControlCloseButton: the close button in the caption of a floating tool
// bar (command 9401, whose string gives the tool tip "Close"). The bar's
// floating layout makes it, places it at the caption's right end and hides
// it while the bar is docked; the paint manager draws it
// (DrawSpecialControl 2). Executing it hides the bar.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlCloseButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlCloseButton)
public:
    CXTPControlCloseButton();

    // ---- CXTPControlButton -----------------------------------------------
    // The paint manager's close button.
    void Draw(CDC* pDC) override;
    // Hides the parent bar (a torn-off bar leaves the manager).
    void OnExecute() override;
};
