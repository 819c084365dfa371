#pragma once
// CXTPTabStripShape: an appearance of tab strips: the geometry (how thick the
// row is, where the header band and the client area lie, the margins of the
// row) and the outline of a single tab and of the client border. The painter
// owns one, chosen by id (themes/XTPTabStripShapes.h holds the nine); the
// appearance asks the painter's colour set for its fills and leaves the
// layout and the drawing of the whole strip to the painter's shared routines
// unless it has its own (the stacked rows of appearance 8).
//
// Rectangles given "for the position" are written for a row at the top and
// turned with the row (XTPTabTurnSides).
#include "toolkit/tabs/XTPTabStripGeometry.h"

#include "framework/Window.h"

class CXTPTabStrip;
class CXTPTabStripItem;
class CXTPTabStripPainter;
class CXTPTabStripColors;

// The appearances by id.
enum XTPTabAppearance
{
    xtpTabAppearance3D = 0,        // raised 3D tabs
    xtpTabAppearance3DHot = 1,     // only the selected and the hot tab raised
    xtpTabAppearanceRounded = 2,   // boxes with softened corners
    xtpTabAppearanceSlanted = 3,   // a slanted leading side
    xtpTabAppearanceButtons = 4,   // button-like tabs with grooves between
    xtpTabAppearanceRaised = 5,    // flat tabs with separators, the selected one raised
    xtpTabAppearanceBoxes = 6,     // framed boxes
    xtpTabAppearanceTrapezoid = 7, // trapezoids
    xtpTabAppearanceStacked = 8    // full-width rows stacked round the client area
};

// How DrawClientBorder works on its rectangle.
enum XTPTabClientBorderStyle
{
    xtpTabBorderDraw = 0,              // draw the border round the rectangle
    xtpTabBorderAdjust = 1,            // move the margins by the border (nothing drawn)
    xtpTabBorderSplitterSideBySide = 2, // a splitter bar between groups side by side
    xtpTabBorderSplitterStacked = 3    // a splitter bar between stacked groups
};

class CXTPTabStripShape
{
public:
    explicit CXTPTabStripShape(const CRect& rcHeaderMargins);
    virtual ~CXTPTabStripShape() {}

    // ---- Overridable (base behaviour in brackets) ----

    // [the row height: " " in the painter's normal font + 3, at least 18]
    virtual void RefreshMetrics();
    // [the band of the row at the strip's tab side, the row height and the
    // top and bottom margins thick]
    virtual CRect GetHeaderRect(CRect rc, CXTPTabStrip* pStrip);
    // [the rest of rc beyond the header, overlapping it by one pixel]
    virtual CRect GetClientRect(CRect rc, CXTPTabStrip* pStrip);
    // [the header margins]
    virtual CRect GetMargins();
    // [the painter's client margin]
    virtual CRect GetClientMargin();
    // [the painter's measure of the tab's content]
    virtual int GetItemLength(CDC* pDC, CXTPTabStripItem* pItem);
    // [the row height with the item inset, at least the minimum tab height
    // and room for the icons]
    virtual int GetRowHeight(CXTPTabStrip* pStrip);
    // [the painter's PaintTabStrip]
    virtual void DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // [the header rectangle] paints the header band and the client area and
    // returns the header to clip the tabs to.
    virtual CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // [the painter's LayoutTabStrip]
    virtual void RepositionTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // [header margin, client rectangle, client margin and the client frame
    // taken off] the strip's rectangle becomes its content area.
    virtual void AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect);
    // [nothing] one tab, outline and content.
    virtual void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem);
    // [see XTPTabClientBorderStyle] the border round the MDI client and the
    // splitter bars between tab groups.
    virtual void DrawClientBorder(CDC* pDC, CRect* pRect, int nStyle);
    // [1] the colour set chosen with the appearance.
    virtual int GetDefaultColorId();

    void SetPainter(CXTPTabStripPainter* pPainter) { m_pPainter = pPainter; }
    CXTPTabStripPainter* GetPainter() const { return m_pPainter; }
    int GetRowHeightSetting() const { return m_nRowHeight; }

protected:
    CXTPTabStripColors* GetColors() const;
    int GetPosition(CXTPTabStripItem* pItem) const;

    // ---- Line routines: a colour of -1 draws nothing ----

    static void HLine(CDC* pDC, int x, int y, int nLength, COLORREF clr);
    static void VLine(CDC* pDC, int x, int y, int nLength, COLORREF clr);
    static void SetPixelIf(CDC* pDC, int x, int y, COLORREF clr);
    // A one-pixel line from (x1, y1) up to (x2, y2).
    static void PenLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2);
    // Draw3dRect when neither colour is -1.
    static void Frame3d(CDC* pDC, CRect rc, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // A one-pixel polyline: the first point absolute, each further one an
    // offset from the one before.
    static void Polyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount);
    // One run along the client rectangle's tab side: the top or left edge in
    // clrFirst, the bottom or right edge (one pixel in) in clrSecond.
    static void EdgeLine(CDC* pDC, CRect rc, int nPosition, COLORREF clrFirst, COLORREF clrSecond);
    // Fills the polygon (points as for Polyline) with the colour set's tab
    // face of its bounding box, inside the DC's clip region; returns the
    // face colour.
    COLORREF FillPolygon(CDC* pDC, CXTPTabStripItem* pItem, const POINT* pPoints, int nCount);
    // The FillClient of the appearances 2, 3, 5, 6 and 7: the header band,
    // then the client area framed in clrTopLeft / clrBottomRight (client
    // frame style 0) or its tab-side edge (style 1); returns the header.
    CRect FillClientFramed(CXTPTabStrip* pStrip, CDC* pDC, CRect rc, COLORREF clrTopLeft,
                           COLORREF clrBottomRight);

    CRect m_rcHeaderMargins;
    int m_nRowHeight;

private:
    CXTPTabStripShape(const CXTPTabStripShape&);
    CXTPTabStripShape& operator=(const CXTPTabStripShape&);

    CXTPTabStripPainter* m_pPainter;
};
