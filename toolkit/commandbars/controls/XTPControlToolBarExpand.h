#pragma once
// CXTPControlToolBarExpand: the chevron at the end of a docked tool bar (and
// in a floating bar's caption). The bar's layout reserves a strip for it and
// the paint manager places and draws it (DrawSpecialControl); it remembers
// whether the bar had to hide controls for lack of room. Opening it shows
// those controls in a popup tool bar, followed by "Add or Remove Buttons"
// (the lists of the row's buttons, CXTPCommandBars::GetHiddenControlsPopup)
// when the options show the expand button always or customizing is
// available.
#include "toolkit/commandbars/controls/XTPControlPopup.h"

class CXTPControlToolBarExpand : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPControlToolBarExpand)
public:
    CXTPControlToolBarExpand();

    // TRUE when the bar's last layout hid controls for lack of room.
    BOOL HasHiddenControls() const { return m_bHiddenControls; }

    // ---- CXTPControlPopup ------------------------------------------------
    // Also records whether the bar hides controls.
    void SetRect(CRect rcControl) override;
    // Drawn by the paint manager as the bar's expand button.
    void Draw(CDC* pDC) override;
    // Opens a popup bar (from the site, else a new popup tool bar) holding
    // the controls hidden on the bar's row and "Add or Remove Buttons".
    BOOL OnSetPopup(BOOL bPopup) override;

private:
    BOOL m_bHiddenControls;
};
