#pragma once
// CXTPOffice2000Theme (theme id 1, and every id the factory does not know):
// the classic three-dimensional look. Bars in button face with raised
// frames; hot controls get a raised 1-pixel edge, pressed and checked ones a
// sunken edge (checked ones over a dither); disabled icons and captions are
// embossed; popups highlight the selected row in the system highlight colour.
// All colours are indexes of the paint manager's table.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

class CXTPOffice2000Theme : public CXTPPaintManager
{
public:
    CXTPOffice2000Theme();

    // ---- Overridable drawing of this theme (the Windows XP look replaces them) ----

    // The frame of an edit or combo field: sunken when enabled; disabled, a
    // flat frame in colour 20, or 16 when the keyboard reached it.
    virtual void DrawControlFieldFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected);
    // The drop-down button of a combo field: raised, or flat when dropped,
    // with the symbol-font arrow.
    virtual void DrawComboDropDownButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDropped);
    // Measures (size left in *pRect) or draws a single-line caption; a
    // disabled, unselected caption is embossed.
    virtual void DrawControlCaption(CDC* pDC, const CString& strText, CRect* pRect, UINT nFormat, BOOL bDraw,
                                    BOOL bSelected, BOOL bEnabled);

    // ---- CXTPPaintManager ----

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    // Sunken white fields (the frame from DrawControlFieldFrame), the combo's
    // button from DrawComboDropDownButton; labels through DrawControlCaption.
    CSize DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw) override;
    CSize DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw) override;
    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawControlState(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, int nPressed, BOOL bChecked,
                          BOOL bPopuped, XTPBarPosition barPosition) override;
    void DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked,
                       BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    // nWhich 2 and 3 get a face-coloured back while pressed, hot or open;
    // nWhich 4, a line of an "Add or Remove Buttons" list, is a popup row
    // with a check box before the icon box.
    CSize DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw,
                             LPVOID lpParam) override;
    // 3 on every side for a popup bar, else the base's.
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, int nSelected, int nPressed,
                   BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar) override;
    CSize DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    int GetBaseTheme() override { return xtpThemeOffice2000; }

    // The checker pattern of colours 15 and 20 behind a checked, idle button.
    void FillDitheredRect(CDC* pDC, CRect rc);

protected:
    // Measures a field control: its size and (through nLabelWidth) the
    // width its label takes.
    CSize MeasureField(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nFieldWidth, int& nLabelWidth);
    // Draws the label (when bLabel) and answers the field's rectangle.
    CRect DrawFieldLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth);
    // A line of an "Add or Remove Buttons" list (DrawSpecialControl 4).
    CSize DrawCustomizeRow(CDC* pDC, CXTPControl* pControl, BOOL bDraw);

    // The table index of text on popups: 18 (button text) here.
    int m_nPopupTextColor;
};
