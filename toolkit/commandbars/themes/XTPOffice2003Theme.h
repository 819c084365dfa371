#pragma once
// CXTPOffice2003Theme (theme id 2, the main window's default look) and its
// Luna variant (theme id 4). Built on the Office XP look, keeping its popup
// rows, images and state logic, but bars and dock areas are two-colour
// gradients, toolbars have rounded ends and a shadow line, grippers are
// dotted, hot and pressed boxes are gradients. Colours come from one of the
// three Windows XP colour schemes (blue, olive, silver) when one is in use,
// else from blends of the system colours.
//
//     CXTPPaintManager::SetTheme(xtpThemeOffice2003);
//
// The two static loaders give an image manager icons from a bitmap whose
// classic 16-colour entries are replaced by this look's softer ones.
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

class CXTPImageManager;

class CXTPOffice2003Theme : public CXTPOfficeXPTheme
{
public:
    // Faded icons and icons with shadow are off again.
    CXTPOffice2003Theme();
    ~CXTPOffice2003Theme() override;

    // ---- Bitmaps in this look ----

    // Adds the bitmap's icons under the toolbar resource's layout, or under
    // the commands with the icon size. FALSE when the bitmap is missing or
    // cannot be rebuilt.
    static BOOL LoadToolBarIcons(CXTPImageManager* pImageManager, UINT nIDResourceToolBar,
                                 UINT nIDResourceBitmap);
    static BOOL LoadBitmapIcons(CXTPImageManager* pImageManager, UINT nIDResourceBitmap, UINT* pCommands,
                                int nCount, CSize szIcon);
    // The bitmap resource as a device-dependent bitmap with its colours
    // remapped (NULL when missing).
    static HBITMAP LoadRemappedBitmap(HINSTANCE hInstance, UINT nIDResourceBitmap, COLORREF clrMask);
    // Remaps the first min(nEntries, 16) colour-table entries that match the
    // classic colours, leaving the mask colour alone; answers how many changed.
    static int RemapColorTable(RGBQUAD* pTable, int nEntries, COLORREF clrMask);

    // ---- CXTPOfficeXPTheme ----

    // Horizontal gradient of the toolbar (or expanded column) colours.
    void FillPopupIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;

    // ---- CXTPPaintManager ----

    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked,
                       BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void DrawResizeGripper(CDC* pDC, CRect rc) override;
    void FillDockBar(CDC* pDC, CWnd* pDockBar) override;
    void RefreshMetrics() override;
    BOOL IsFlatDisabledText() const override { return TRUE; }
    // The gradient expand buttons (nWhich 0 and 1); others as Office XP.
    CSize DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw,
                             LPVOID lpParam) override;
    // (4, 2, 2, 2) for bars docked at the top or bottom, else the base's.
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    CSize DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    int GetBaseTheme() override { return xtpThemeOffice2003; }
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc) override;

    // ---- The look's colours (read by tests and by the Luna variant) ----

    COLORREF m_clrBarGradientStart;
    COLORREF m_clrBarGradientEnd;
    COLORREF m_clrToolbarGradientEnd;
    COLORREF m_clrToolbarGradientStart;
    COLORREF m_clrOpenGradientStart;
    COLORREF m_clrOpenGradientEnd;
    COLORREF m_clrToolbarShadow;
    COLORREF m_clrFloatingCaption;
    COLORREF m_clrExpandGradientEnd;
    COLORREF m_clrExpandGradientStart;
    COLORREF m_clrExpandedColumnEnd;
    COLORREF m_clrExpandedColumnStart;
    COLORREF m_clrButtonPictureDark;
    COLORREF m_clrButtonPictureLight;
    COLORREF m_clrPaneFrame;
    BOOL m_bSchemeColors;

    // The popup expand button's 16 x 16 picture.
    CImageList* GetExpandPicture() { return &m_imlExpandPicture; }
    // The picture's colour at (x, y): the transparent key or a blend.
    COLORREF ExpandPicturePixel(int x, int y) const;

private:
    void RefreshSystemColors();
    void ApplyScheme(int nScheme);
    void RebuildExpandPicture();
    // The grip dot: a light square one pixel right and down under a dark one.
    void DrawGripDot(CDC* pDC, int x, int y);
    // Bars docked at the top or bottom, and at the left or right.
    void FillHorizontalToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient);
    void FillVerticalToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient);
    // The last visible control of the bar, or NULL.
    static CXTPControl* LastVisibleControl(CXTPCommandBar* pBar);
    void DrawToolBarExpand(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bHiddenControls);

    CXTPUxThemeWrapper m_themeStatus;
    CImageList m_imlExpandPicture;
};

// Theme id 4: the Office 2003 look that never takes the scheme tables; it
// only adjusts the toolbar colours for the blue and silver schemes.
class CXTPOffice2003LunaTheme : public CXTPOffice2003Theme
{
public:
    // Sets the system-theme setting to 0 and refreshes in its own right (a
    // base constructor runs only the base's RefreshMetrics).
    CXTPOffice2003LunaTheme();

    void RefreshMetrics() override;
};
