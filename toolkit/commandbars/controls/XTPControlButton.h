#pragma once
// CXTPControlButton: the plain command control, a toolbar button or a menu
// item. A press on a toolbar tracks the mouse and executes on the release
// over the button; in a popup bar the release executes; Enter executes.
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlButton : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlButton)
public:
    CXTPControlButton();

    // By keyboard: executes. By mouse on a bar that is not a popup bar:
    // tracks the press (ClickToolBarButton). Disabled buttons ignore it.
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    // On an enabled button of a popup bar: executes.
    void OnLButtonUp(CPoint point) override;
    // The control's keys, then "Style".
    void DoPropExchange(CXTPPropExchange* pPX) override;
};
