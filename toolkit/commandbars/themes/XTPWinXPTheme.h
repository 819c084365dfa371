#pragma once
// CXTPWinXPTheme (theme id 3): bars, buttons, grippers, combo fields and
// status bars drawn by the running visual style through the visual-styles
// wrapper when the application is themed. Every operation it replaces falls
// back to the Office 2000 one when the style class it needs is not in use,
// so on an unthemed system it looks like Office 2000 with menu-text popups
// and faded idle icons. Popup rows, edit fields, images, separators and the
// tear-off strip are Office 2000's.
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

class CXTPWinXPTheme : public CXTPOffice2000Theme
{
public:
    // Faded icons on, popup text in menu text (colour 7).
    CXTPWinXPTheme();
    ~CXTPWinXPTheme() override;

    // ---- CXTPOffice2000Theme ----

    void DrawControlFieldFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected) override;
    void DrawComboDropDownButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDropped) override;

    // ---- CXTPPaintManager ----

    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked,
                       BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    // Notes whether the pane carries the size grip, then draws it as the base.
    void DrawStatusBarPane(CDC* pDC, CStatusBar* pStatusBar, int nIndex) override;
    void DrawResizeGripper(CDC* pDC, CRect rc) override;
    // Only the top dock bar shows the rebar background.
    void FillDockBar(CDC* pDC, CWnd* pDockBar) override;
    void FillStatusBar(CDC* pDC, CStatusBar* pStatusBar) override;
    // Reopens the four style classes and takes the style's colours.
    void RefreshMetrics() override;
    CSize DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    int GetBaseTheme() override { return xtpThemeNativeWinXP; }
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc) override;

    COLORREF GetBarEdgeColor() const { return m_clrBarEdge; }

private:
    // The rebar background of the window; with a parent, the parent's
    // rectangle is drawn so adjacent bars continue one background.
    void FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pParent);

    CXTPUxThemeWrapper m_themeRebar;
    CXTPUxThemeWrapper m_themeToolbar;
    CXTPUxThemeWrapper m_themeComboBox;
    CXTPUxThemeWrapper m_themeStatusBar;
    COLORREF m_clrBarEdge;
    // The pane being drawn carries the size grip.
    BOOL m_bGripPane;
};
