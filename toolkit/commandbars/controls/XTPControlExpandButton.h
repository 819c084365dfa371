#pragma once
// CXTPControlExpandButton: the button (id 9402) at the bottom of a popup bar
// while the short menu hides some of its commands. The paint manager draws
// it as a double chevron (DrawSpecialControl, 1); executing it, or resting
// the mouse on it while the options show full menus after a delay, expands
// the popup to all its commands.
#include "toolkit/commandbars/controls/XTPControlButton.h"

#define XTP_ID_POPUPBAR_EXPAND 9402

class CXTPControlExpandButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlExpandButton)
public:
    CXTPControlExpandButton();

    // ---- CXTPControl ----

    // The paint manager's measure and drawing of the popup expand button.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Expands the popup bar it stands on; sends no command.
    void OnExecute() override;
    // Expands when the options show full menus after a delay.
    void OnMouseHover() override;
};
