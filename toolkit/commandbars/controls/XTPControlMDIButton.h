#pragma once
// CXTPControlMDIButton: one of the three buttons the menu bar shows at its
// far end while the active MDI child is maximised (CXTPMenuBar::
// RefreshMdiButtons makes and removes them): minimise (id 9405), restore
// (9404) and close (9403). The control's parameter is its glyph of the
// symbol font: "0" minimise, "2" restore, "r" close. It measures 16 x 16,
// stays in place in customize mode, is skipped by the keyboard and is left
// out of the command updates. Executing posts the matching system command to
// the active MDI child.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlMDIButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlMDIButton)
public:
    CXTPControlMDIButton();

    // The glyph of the button with the id ("" for other ids).
    static LPCTSTR GetGlyph(int nId);
    // The system command the button with the id posts: SC_CLOSE for 9403,
    // SC_RESTORE for 9404, SC_MINIMIZE otherwise.
    static UINT GetSystemCommand(int nId);

    // ---- CXTPControl ----

    // 16 x 16.
    CSize GetSize(CDC* pDC) override;
    // The state background, then the glyph centred in the rectangle.
    void Draw(CDC* pDC) override;
    // Posts the system command to the menu bar's active MDI child.
    void OnExecute() override;
};
