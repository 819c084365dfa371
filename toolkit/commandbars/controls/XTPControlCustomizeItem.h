#pragma once
// CXTPControlCustomizeItem: one line of a tool bar's "Add or Remove Buttons"
// list (CXTPToolBar::BuildCustomizeList). A line shows one button of the bar
// (its caption, icon and shortcut) with a check mark while the button is
// shown; choosing it shows or hides the button on the bar and leaves the
// list open. The last line, "Reset", puts the bar's original buttons back.
// The paint manager draws the lines as popup rows with a check box before
// the icon (DrawSpecialControl 4).
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPToolBar;

class CXTPControlCustomizeItem : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlCustomizeItem)
public:
    CXTPControlCustomizeItem();
    ~CXTPControlCustomizeItem() override;

    // The bar's button the line shows or hides (a reference is held).
    void SetBarControl(CXTPControl* pControl);
    CXTPControl* GetBarControl() const { return m_pBarControl; }
    // Makes the line the reset line of the bar (a reference is held).
    void SetResetBar(CXTPToolBar* pBar);

    // ---- CXTPControlButton -----------------------------------------------
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Marks the options changed; a button line shows or hides its button,
    // re-lays its bar and redraws the list; the reset line closes the menus
    // and resets the bar.
    void OnExecute() override;

private:
    // Redraws the popup holding the line and the popups it opened from.
    void RedrawPopups();

    CXTPControl* m_pBarControl;
    CXTPToolBar* m_pResetBar;
};
