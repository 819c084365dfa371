#pragma once
// The five colour sets of tab strips, made by the painter's SetColorById:
//
//   id                         class                        look
//   any but 2, 4, 8, 16        CXTPTabColorsDefault         system colours; a selected button-like
//                                                           tab dithered and sunken
//   2 (xtpTabColorToolkit)     CXTPTabColorsToolkit         header in toolkit colour 48
//   4 (xtpTabColorScheme)      CXTPTabColorsScheme          the Windows XP scheme's colours (blue,
//                                                           olive, silver), gradient tab faces
//   16 (xtpTabColorSchemePlain) CXTPTabColorsSchemePlain    the scheme set, or plain colours with a
//                                                           light header when the scheme is off
//   8 (xtpTabColorVisualStyle) CXTPTabColorsVisualStyle     the visual styles of "TAB" and "TOOLBAR",
//                                                           else the default set
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

class CXTPTabColorsDefault : public CXTPTabStripColors
{
public:
    // The base values with a dithered selected button and the outlines of
    // the trapezoid tabs in button text; with appearance 7 white tabs and a
    // face-coloured selected one, framed in button text.
    void RefreshMetrics() override;
    // A sunken frame for a pressed button, a raised one for a hot button;
    // glyphs in button text.
    void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect) override;

protected:
    // The frame of an enabled pressed button (which moves the glyph one pixel
    // down and right) or hot button in the given colours.
    static void FrameButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect, COLORREF clrPressedTopLeft,
                            COLORREF clrPressedBottomRight, COLORREF clrHotTopLeft, COLORREF clrHotBottomRight);
};

class CXTPTabColorsToolkit : public CXTPTabColorsDefault
{
public:
    // The base values (not the default set's); unless the appearance is 4 or
    // 7 the header in toolkit colour 48, and with appearance 5 the captions
    // in toolkit colour 49.
    void RefreshMetrics() override;
    // As the default with appearances 4 and 7; otherwise frames in button
    // text and face and glyphs in toolkit colour 49.
    void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect) override;
};

class CXTPTabColorsScheme : public CXTPTabStripColors
{
public:
    CXTPTabColorsScheme();

    // The base values, then the scheme's (unless the painter turned the
    // scheme colours off).
    void RefreshMetrics() override;
    // A gradient from a 70 per cent white tint of the tab's colour (the hot
    // tab face for the hot tab) down to the colour.
    COLORREF FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem) override;
    // Orange gradients for hot and pressed buttons with the scheme, toolkit
    // colours without it.
    void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect) override;

    CXTPPaintManagerColor m_clrHotTabFace;
    CXTPPaintManagerColor m_clrPressedButtonFrame;
    BOOL m_bSchemeColors; // the scheme's colours are in use

protected:
    // The scheme's values of the current Windows XP colour scheme.
    void ApplySchemeColors(int nSystemTheme);
};

class CXTPTabColorsSchemePlain : public CXTPTabColorsScheme
{
public:
    CXTPTabColorsSchemePlain();

    // With the scheme colours on, the scheme set's values; off, the base
    // values with white selected tabs and, for a known scheme, a light plain
    // header.
    void RefreshMetrics() override;
    // With the plain header the scheme set's gradient, otherwise flat.
    COLORREF FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem) override;

    BOOL m_bPlainHeader;
};

class CXTPTabColorsVisualStyle : public CXTPTabColorsDefault
{
public:
    // Closes both themes.
    ~CXTPTabColorsVisualStyle() override;

    // The default values; opens the themes of "TAB" and "TOOLBAR", and while
    // the tab theme is active drops the 3D edges.
    void RefreshMetrics() override;
    // The themed tab pane.
    COLORREF FillClientArea(CDC* pDC, CRect rc, CXTPTabStrip* pStrip) override;
    // A selected tab as a checked toolbar button.
    void FillTabButton(CDC* pDC, CRect rc, CXTPTabStripItem* pItem) override;
    // The themed tab, turned for rows on the other sides, with what lies
    // beneath showing through its rounded corners; returns -1.
    COLORREF FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem) override;
    // Keeps one pixel at the corner of the client pane out of the header.
    void ClipHeader(CDC* pDC, CRect rcHeader, CXTPTabStrip* pStrip) override;
    // A themed toolbar button.
    void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect) override;
    BOOL IsVisualStyleActive() override;

private:
    BOOL IsTabThemeActive() const;
    BOOL IsToolBarThemeActive() const;
    // Draws the themed tab part into a DIB of the unturned size, over what
    // lies beneath rc turned back, and copies it turned into rc.
    void DrawTurnedTab(CDC* pDC, CRect rc, int nState, int nPosition);

    CXTPUxThemeWrapper m_themeTab;
    CXTPUxThemeWrapper m_themeToolBar;
};
