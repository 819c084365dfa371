#pragma once
// Flat-control themes: the objects that draw the frames of the flat combo box
// and the flat edit (XTFlatComboBox.h, XTEdit.h) in the frame states 1
// normal, 2 hot and 3 pressed. CXTFlatControlsThemeFactory makes the theme of
// the theme manager's id: 1 Office XP, 2 Office 2003 (colours of the Windows
// XP scheme in use), any other the classic three-dimensional look.
#include "framework/Gdi.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTThemeManager.h"

class CXTFlatComboBox;
class CXTFlatEdit;

// Frame states passed to the themes.
enum XTFlatFrameState
{
    xtFlatNormal = 1,
    xtFlatHot = 2,
    xtFlatPressed = 3
};

class CXTFlatControlsThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTFlatControlsThemeFactory)
public:
    // 1: Office XP, 2: Office 2003, any other id the classic theme; the id is
    // recorded in the theme.
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};

// The classic theme.
class CXTFlatControlsTheme : public CXTThemeManagerStyle
{
public:
    // --- overridables (the base behaviour is the classic look) ---
    // Refreshes the toolkit's colour manager.
    void RefreshMetrics() override;
    // Outer rings and the drop-down button, raised when hot, sunken when
    // pressed, without relief when the combo box is disabled.
    virtual void DrawComboFrame(CDC* pDC, CXTFlatComboBox* pCombo, int nState);
    // Two rings just outside the client area, the inner one sunken when hot
    // or focused.
    virtual void DrawEditFrame(CDC* pDC, CXTFlatEdit* pEdit, int nState);

protected:
    // A one-pixel outline: crTopLeft on the top and left edges, crBottomRight
    // on the others (toolkit colours or RGB values).
    static void Ring(CDC* pDC, const CRect& rc, COLORREF crTopLeft, COLORREF crBottomRight);
    // The drop-down button's rectangle inside rc, cxButton wide.
    static CRect ButtonRect(const CRect& rc, int cxButton);
};

class CXTFlatControlsThemeOfficeXP : public CXTFlatControlsTheme
{
public:
    // The classic refresh, then the eight colours.
    void RefreshMetrics() override;
    // Flat frame and button in the state's (or the dropped list's) colours,
    // with a small down arrow.
    void DrawComboFrame(CDC* pDC, CXTFlatComboBox* pCombo, int nState) override;
    void DrawEditFrame(CDC* pDC, CXTFlatEdit* pEdit, int nState) override;

    CXTPPaintManagerColor m_clrArrow;
    CXTPPaintManagerColor m_clrArrowDropped;
    CXTPPaintManagerColor m_clrButtonHot;
    CXTPPaintManagerColor m_clrButtonDropped;
    CXTPPaintManagerColor m_clrFrame;
    CXTPPaintManagerColor m_clrFrameHot;
    CXTPPaintManagerColor m_clrEditFrame;
    CXTPPaintManagerColor m_clrButtonNormal;
};

class CXTFlatControlsThemeOffice2003 : public CXTFlatControlsThemeOfficeXP
{
public:
    ~CXTFlatControlsThemeOffice2003() override;
    // The Office XP refresh, then the colours of the Windows XP scheme.
    void RefreshMetrics() override;
};
