#pragma once
// Header themes: a header control (CXTHeaderCtrl) never paints itself; its
// theme draws the background, every column (borders, image, text, sort arrow)
// and answers the header's layout request. CXTHeaderThemeFactory makes the
// theme of a theme id (1 Office XP, 2 Office 2003, anything else classic);
// the main window installs a CXTHeaderThemeWinXP as the shared theme for its
// Windows XP look:
//
//   CXTHeaderCtrl::SetSharedTheme(new CXTHeaderThemeWinXP);
//
// Column images are image lists kept by the header in a table of its own
// (CXTHeaderCtrl::GetColumnImageList), never in the columns' bitmap field.
#include "toolkit/foundation/XTThemeManager.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"
#include "framework/Controls.h"

class CXTHeaderCtrl;

// Draw-style bits of a header theme.
#define XTTHEME_WINXPTHEMES 0x0001 // the Windows visual style when the application is themed
#define XTTHEME_HOTTRACKING 0x0002 // the column under the cursor is drawn hot
#define XTTHEME_SORTARROW 0x0004   // the sort column shows its arrow

class CXTHeaderThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTHeaderThemeFactory)
public:
    // 1: Office XP, 2: Office 2003, any other id the classic theme; the id is
    // recorded in the theme.
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};

// The classic header theme; the base of the others.
class CXTHeaderTheme : public CXTThemeManagerStyle
{
public:
    CXTHeaderTheme();
    ~CXTHeaderTheme() override;

    // --- overridables (the base behaviour is the classic look) ---
    // Reads the five system colours.
    void RefreshMetrics() override;
    // Background, then every column in display order.
    virtual void DrawHeader(CDC* pDC, CXTHeaderCtrl* pHeader);
    // FALSE without XTTHEME_WINXPTHEMES; opens the "HEADER" visual style for
    // the header when none is open; TRUE when themed and open.
    virtual BOOL UseVisualStyle(CXTHeaderCtrl* pHeader);
    // Keeps the XTTHEME_ bits; the visual style is used when they ask for it
    // and UseVisualStyle agrees.
    virtual void SetDrawStyle(DWORD dwDrawStyle, CXTHeaderCtrl* pHeader);
    virtual DWORD GetDrawStyle() const { return m_dwDrawStyle; }
    // The control's default layout; themes with their own height override it.
    virtual BOOL LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader);
    // Destroys the image lists of the header's column-image table.
    virtual void ReleaseColumnImages(CXTHeaderCtrl* pHeader);
    // Puts bitmap resource nID, as a masked image list, on the column (or
    // removes the column's image); FALSE when the bitmap cannot be used.
    virtual BOOL SetColumnBitmap(int iCol, UINT nID, BOOL bRemove, COLORREF crMask, CXTHeaderCtrl* pHeader);
    // The face in the face colour inside a double raised edge.
    virtual void DrawBackground(LPDRAWITEMSTRUCT lpDIS);
    // With XTTHEME_HOTTRACKING the visual style's header background; FALSE
    // when nothing was drawn.
    virtual BOOL DrawVisualBackground(LPDRAWITEMSTRUCT lpDIS);
    // A sunken frame on a pressed column, else the three-line divider at its
    // right end.
    virtual void DrawItemBorders(LPDRAWITEMSTRUCT lpDIS);
    // The visual style's column in its normal, hot or pressed state; FALSE
    // when nothing was drawn.
    virtual BOOL DrawVisualItem(LPDRAWITEMSTRUCT lpDIS);
    // The arrow of CalcArrowPoints, one pixel down and right on a pressed
    // column, through DrawArrow.
    virtual void DrawSortArrow(LPDRAWITEMSTRUCT lpDIS, BOOL bAscending);
    // Image, sort arrow and text of one column.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTHeaderCtrl* pHeader);
    // The column's image from the header's table after the padding, centred
    // vertically and left out when it does not fit; moves *pTextLeft past it.
    virtual void DrawColumnImage(LPDRAWITEMSTRUCT lpDIS, int* pTextLeft, CXTHeaderCtrl* pHeader);
    // Two-tone outline of the triangle (apex first, then the base corners).
    virtual void DrawArrow(CDC* pDC, POINT ptsArrow[3], BOOL bAscending);

    // The text rectangle of a column of rcItem: inside the padding, right of
    // the column's image (nImageWidth, its padding included), less the
    // arrow's room on the sort column, of the text's size and alignment.
    CRect CalcTextRect(const CRect& rcItem, CSize sizeText, int nFormat, BOOL bSortColumn,
                       int nImageWidth = 0) const;
    // The arrow triangle right of rcText (apex first); FALSE when it would
    // start left of rcText.
    BOOL CalcArrowPoints(const CRect& rcText, BOOL bAscending, POINT ptsArrow[3]) const;

    // Each channel a - (a - b) * fRatio, made whole toward zero.
    static COLORREF BlendColors(COLORREF crA, COLORREF crB, double fRatio);

    int m_nArrowSpacing;
    DWORD m_dwDrawStyle;
    BOOL m_bVisualStyle;
    CSize m_sizePadding;
    CSize m_sizeArrow;
    COLORREF m_crText;
    COLORREF m_crFace;
    COLORREF m_crShadow;
    COLORREF m_crDarkShadow;
    COLORREF m_crHilight;
    CXTPUxThemeWrapper m_themeHeader;

protected:
    // A header height of the header font's text height plus nExtra, answered
    // as the layout's window position.
    BOOL LayoutWithTextHeight(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader, int nExtra);
    static void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF cr);
    // Fills the column with the face colour and draws its raised edge, the
    // right side two pixels further (under the next column's left edge) in
    // crBottomRight; answers the edge's rectangle.
    CRect DrawRaisedFace(LPDRAWITEMSTRUCT lpDIS, COLORREF crBottomRight);
    // The Office divider at the column's right end: a shadow and a highlight
    // line from y 2 to nBottomInset above the bottom.
    void DrawEtchedDivider(LPDRAWITEMSTRUCT lpDIS, int nBottomInset);

private:
    static BOOL IsPressed(LPDRAWITEMSTRUCT lpDIS) { return (lpDIS->itemState & ODS_SELECTED) != 0; }
};

class CXTHeaderThemeOfficeXP : public CXTHeaderTheme
{
public:
    CXTHeaderThemeOfficeXP();

    // A flat face: one raised edge in highlight and shadow.
    void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
    // The etched divider, down to two pixels above the bottom.
    void DrawItemBorders(LPDRAWITEMSTRUCT lpDIS) override;
};

class CXTHeaderThemeOffice2003 : public CXTHeaderTheme
{
public:
    CXTHeaderThemeOffice2003();

    // Font height + 10.
    BOOL LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader) override;
    // The face with a blended shadow edge and two blended lines above the
    // bottom edge.
    void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
    // The etched divider, down to four pixels above the bottom.
    void DrawItemBorders(LPDRAWITEMSTRUCT lpDIS) override;
};

class CXTHeaderThemeWinXP : public CXTHeaderThemeOffice2003
{
public:
    CXTHeaderThemeWinXP();

    // Font height + 6.
    BOOL LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader) override;
    // The filled triangle in RGB(172, 168, 153).
    void DrawArrow(CDC* pDC, POINT ptsArrow[3], BOOL bAscending) override;
};
