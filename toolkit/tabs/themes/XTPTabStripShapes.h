#pragma once
// The nine appearances of tab strips, made by the painter's
// SetAppearanceById (XTPTabAppearance ids). Each states its header margins
// (leading indent, space above the row, room at the end, extra space below)
// and the colour set chosen with it:
//
//   id  class                     margins      colours  look
//   0   CXTPTabShape3D            2, 3, 6, 0   1        raised 3D tabs on a 3D client frame
//   1   CXTPTabShape3DHot         2, 3, 6, 0   1        as 0, but only the selected and hot tabs
//   2   CXTPTabShapeRounded       2, 2, 4, 0   1        boxes with softened corners
//   3   CXTPTabShapeSlanted       2, 3, 6, 0   4        a slanted leading side
//   4   CXTPTabShapeButtons       2, 2, 4, 2   2        button-like tabs with grooves between
//   5   CXTPTabShapeRaised        4, 2, 4, 0   2        flat tabs, separators, the selected raised
//   6   CXTPTabShapeBoxes         2, 2, 4, 0   2        framed boxes
//   7   CXTPTabShapeTrapezoid     2, 3, 2, 0   2        trapezoids
//   8   CXTPTabShapeStacked       0, 0, 0, 0   1        full-width rows round the client area
#include "toolkit/tabs/themes/XTPTabStripShape.h"

class CXTPTabShape3D : public CXTPTabStripShape
{
public:
    CXTPTabShape3D();
    // The painter's client margin, widened at the right and bottom while the
    // colour set draws with visual styles and frames the client.
    CRect GetClientMargin() override;
    // The header band one pixel into the client, and the client's 3D frame.
    CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    // A raised tab; the selected one larger and joined to the client.
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShape3DHot : public CXTPTabShape3D
{
public:
    // Only the selected and the hot tab get the 3D outline.
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeSlanted : public CXTPTabStripShape
{
public:
    CXTPTabShapeSlanted();
    int GetDefaultColorId() override;
    // The leading margin grows by the row height: the slant of the first tab
    // reaches before it.
    CRect GetMargins() override;
    CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeButtons : public CXTPTabStripShape
{
public:
    CXTPTabShapeButtons();
    int GetDefaultColorId() override;
    // Paints nothing: the tabs stand on the strip's face.
    CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    // The colour set's button-like tab.
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeRaised : public CXTPTabStripShape
{
public:
    CXTPTabShapeRaised();
    int GetDefaultColorId() override;
    CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeBoxes : public CXTPTabStripShape
{
public:
    CXTPTabShapeBoxes();
    int GetDefaultColorId() override;
    CRect FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;

protected:
    explicit CXTPTabShapeBoxes(const CRect& rcHeaderMargins);
};

class CXTPTabShapeRounded : public CXTPTabShapeBoxes
{
public:
    int GetDefaultColorId() override;
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeTrapezoid : public CXTPTabShapeBoxes
{
public:
    CXTPTabShapeTrapezoid();
    // Half a row height more at both ends: the sloped sides reach past the tab.
    CRect GetMargins() override;
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;
};

class CXTPTabShapeStacked : public CXTPTabStripShape
{
public:
    CXTPTabShapeStacked();
    // No header band: the rows stand round the client area.
    CRect GetHeaderRect(CRect rc, CXTPTabStrip* pStrip) override;
    // Between the selected tab's row and the rows after it.
    CRect GetClientRect(CRect rc, CXTPTabStrip* pStrip) override;
    void DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    // Rows from the top; the rows after the selected one at the bottom.
    void RepositionTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc) override;
    void AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect) override;
    // A raised row with a grip at its right end.
    void DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem) override;

private:
    // Client-frame style 2: no frame round the strip.
    BOOL IsFramed() const;
};
