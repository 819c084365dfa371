#pragma once
// CXTPOfficeXPTheme (theme id 0): the flat, light look of the command bars.
// Bars in a light face colour with 1-pixel frames; hot and pressed controls
// as coloured boxes with a highlight frame; popups with an icon column and a
// frame; icons faded while idle and raised over a shadow when hot. All
// colours are indexes of the paint manager's table.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

class CXTPOfficeXPTheme : public CXTPPaintManager
{
public:
    // Faded icons and icons with shadow are on.
    CXTPOfficeXPTheme();

    // ---- Overridable drawing of this theme ----

    // The icon column of a popup bar: colour 42 when expanded, else 30.
    virtual void FillPopupIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded);

    // ---- CXTPPaintManager ----

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    // A list row on the popup background with the icon column, highlighted
    // as a popup row when selected.
    CSize DrawControlPopupRow(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw, CSize szIcon,
                              BOOL bRightToLeft) override;
    // Flat white fields: framed in the hot frame colour when selected, in
    // colour 53 in popups; a popup's label sits right of the icon column.
    CSize DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw) override;
    CSize DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawControlState(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, int nPressed, BOOL bChecked,
                          BOOL bPopuped, XTPBarPosition barPosition) override;
    void DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked,
                       BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    BOOL IsFlatDisabledText() const override { return TRUE; }
    // The flat look draws its own soft shadows under open popups.
    BOOL IsThemedShadow() const override { return TRUE; }
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, int nSelected, int nPressed,
                   BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar) override;
    CSize DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    // nWhich 4, a line of a tool bar's "Add or Remove Buttons" list: a popup
    // row with a check box before the icon box; others: the base's.
    CSize DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw,
                             LPVOID lpParam) override;
    int GetBaseTheme() override { return xtpThemeOfficeXP; }
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc) override;

protected:
    // Measures a field control (label width through nLabelWidth).
    CSize MeasureField(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nFieldWidth, int& nLabelWidth);
    // Draws the label (when bLabel; in a popup always, over the row's state
    // box when selected) and answers the field's rectangle.
    CRect DrawFieldLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth);
    // The disabled field: flat in button face, framed in colour 40 (32 when
    // the keyboard reached it).
    void DrawDisabledField(CDC* pDC, CRect rcField, int nSelected);

    // The width of a popup bar's icon column.
    int GetPopupIconColumnWidth(CXTPCommandBar* pBar) const;
    // The image box width and row height of a popup row for the icon size.
    int GetPopupBoxWidth(CSize szIcon) const;
    int GetPopupRowHeight(CSize szIcon) const;
    // Keeps the popup's frame open where it covers the control that opened it.
    void FillPopupOwnerGap(CDC* pDC, CXTPCommandBar* pPopupBar, COLORREF clr);
};
