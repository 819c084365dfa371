#pragma once
// CXTPTabStripColors: every colour a tab strip is drawn with, and the fills of
// its standard pieces: the header band, the client area, a tab's face, a
// button-like tab, the small buttons and the caption's text colour. The
// painter owns one set, chosen by id (themes/XTPTabStripColorSets.h holds the
// five) or by the appearance; RefreshMetrics writes the standard values, and
// a custom value a caller sets on a colour survives every refresh. A colour
// of -1 (XTP_COLOR_NONE) draws nothing where an outline would go.
//
//     CXTPTabStripColors* pColors = painter.GetColorSet();
//     pColors->m_clrBorder.SetCustomValue(RGB(0, 0, 128));
//     pColors->FillTabFace(&dc, rcTab, pItem);
#include "toolkit/foundation/XTPColorManager.h"

#include "framework/Window.h"

class CXTPTabStrip;
class CXTPTabStripItem;
class CXTPTabStripButton;
class CXTPTabStripPainter;

// The gradient value that asks for the dithered face (an 8 x 8 checker of
// the button face and highlight colours) instead of a gradient.
const COLORREF xtpTabColorDithered = 0xFFFFFFFE;

class CXTPTabStripColors
{
public:
    // Every colour unset, no painter.
    CXTPTabStripColors();
    virtual ~CXTPTabStripColors() {}

    // ---- Overridable (base behaviour in brackets) ----

    // [refreshes the colour manager, then writes the system-colour values]
    virtual void RefreshMetrics();
    // [selected, hot, normal, inactive-strip or disabled text colour]
    virtual void SetTextColor(CDC* pDC, CXTPTabStripItem* pItem);
    // [the header gradient, run for the strip's position]
    virtual void FillHeaderBackground(CDC* pDC, CRect rc, CXTPTabStrip* pStrip);
    // [the selected tab's colour, or the selected tab face] returns it.
    virtual COLORREF FillClientArea(CDC* pDC, CRect rc, CXTPTabStrip* pStrip);
    // [selected: its colour or the selected-button gradient inside the
    // selected-button edge; others: a two-pixel groove after the tab]
    virtual void FillTabButton(CDC* pDC, CRect rc, CXTPTabStripItem* pItem);
    // [the tab's colour] returns the colour filled with.
    virtual COLORREF FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem);
    // [nothing] adjusts the clip region of the header before tabs are drawn.
    virtual void ClipHeader(CDC* pDC, CRect rcHeader, CXTPTabStrip* pStrip);
    // The background of a strip button; sets the glyph's text colour and may
    // move *pRect so the glyph moves with a pressed button.
    virtual void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect) = 0;
    // [with the painter's item colours the tab's own colour, else the
    // selected or the normal tab face]
    virtual COLORREF GetItemColor(CXTPTabStripItem* pItem);
    // [FALSE] the set draws through the visual styles.
    virtual BOOL IsVisualStyleActive();

    // Fills rc from clrLight to clrDark along the strip's depth: top to
    // bottom for positions 0 and 2, left to right for 1 and 3, reversed for
    // 2 and 3 and again by the painter's invert flag. clrLight
    // xtpTabColorDithered gives the dithered face.
    void GradientFillRect(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, int nPosition);

    void SetPainter(CXTPTabStripPainter* pPainter) { m_pPainter = pPainter; }
    CXTPTabStripPainter* GetPainter() const { return m_pPainter; }

    // ---- Colours ----

    CXTPPaintManagerColorGradient m_grcHeader;       // the header band
    CXTPPaintManagerColorGradient m_grcHeaderSecond; // a second header look (the variants' own values)
    CXTPPaintManagerColor m_clrBorder;
    CXTPPaintManagerColor m_clrFace;
    CXTPPaintManagerColor m_clrHighlight;
    CXTPPaintManagerColor m_clrSelectedTabFace;
    CXTPPaintManagerColor m_clrTabFace;
    CXTPPaintManagerColor m_clrText;
    CXTPPaintManagerColor m_clrInactiveText;
    CXTPPaintManagerColor m_clrSelectedText;
    CXTPPaintManagerColor m_clrHotText;
    CXTPPaintManagerColor m_clrDisabledText;
    CXTPPaintManagerColorGradient m_grcSelectedButton;
    CXTPPaintManagerColorGradient m_grcSelectedButtonEdge; // light: top-left, dark: bottom-right
    CXTPPaintManagerColor m_clr3DEdge[3];          // light, shadow, dark
    CXTPPaintManagerColor m_clrOutline[4];
    CXTPPaintManagerColor m_clrSelectedOutline[6];
    CXTPPaintManagerColor m_clrNormalOutline[6];

protected:
    // The painter's appearance id, and its item-colours flag.
    int GetAppearanceId() const;
    BOOL IsItemColors() const;

private:
    CXTPTabStripColors(const CXTPTabStripColors&);
    CXTPTabStripColors& operator=(const CXTPTabStripColors&);

    CXTPTabStripPainter* m_pPainter;
};
