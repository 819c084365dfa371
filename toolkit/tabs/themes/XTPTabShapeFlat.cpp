// The flat appearances: button-like tabs (4), flat tabs with the selected one
// raised (5), framed boxes (6) and boxes with softened corners (2).
#include "toolkit/tabs/themes/XTPTabStripShapes.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPDrawHelpers.h"

// ---- 4: buttons ------------------------------------------------------------------

CXTPTabShapeButtons::CXTPTabShapeButtons() : CXTPTabStripShape(CRect(2, 2, 4, 2))
{}

int CXTPTabShapeButtons::GetDefaultColorId()
{
    return xtpTabColorToolkit;
}

CRect CXTPTabShapeButtons::FillClient(CXTPTabStrip* pStrip, CDC*, CRect rc)
{
    return GetHeaderRect(rc, pStrip);
}

void CXTPTabShapeButtons::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    GetColors()->FillTabButton(pDC, pItem->GetRect(), pItem);
    GetPainter()->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// ---- 5: raised selected tab --------------------------------------------------------

CXTPTabShapeRaised::CXTPTabShapeRaised() : CXTPTabStripShape(CRect(4, 2, 4, 0))
{}

int CXTPTabShapeRaised::GetDefaultColorId()
{
    return xtpTabColorToolkit;
}

CRect CXTPTabShapeRaised::FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    return FillClientFramed(pStrip, pDC, rc, GetColors()->m_clrHighlight, GetColors()->m_clrSelectedText);
}

void CXTPTabShapeRaised::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    CRect r = pItem->GetRect();
    if (pItem->IsSelected())
    {
        pColors->FillTabFace(pDC, r, pItem);
        XTPTabInflateSides(r, CRect(0, 0, 0, 1), GetPosition(pItem));
        pDC->Draw3dRect(r, pColors->m_clrHighlight, pColors->m_clrSelectedText);
    }
    else if (pItem->GetStrip()->IsHorizontal())
    {
        VLine(pDC, r.right, r.top + 2, r.Height() - 4, pColors->m_clrBorder);
    }
    else
    {
        HLine(pDC, r.left + 2, r.bottom, r.Width() - 4, pColors->m_clrBorder);
    }
    GetPainter()->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// ---- 6: boxes --------------------------------------------------------------------

CXTPTabShapeBoxes::CXTPTabShapeBoxes() : CXTPTabStripShape(CRect(2, 2, 4, 0))
{}

CXTPTabShapeBoxes::CXTPTabShapeBoxes(const CRect& rcHeaderMargins) : CXTPTabStripShape(rcHeaderMargins)
{}

int CXTPTabShapeBoxes::GetDefaultColorId()
{
    return xtpTabColorToolkit;
}

CRect CXTPTabShapeBoxes::FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    return FillClientFramed(pStrip, pDC, rc, GetColors()->m_clrBorder, GetColors()->m_clrBorder);
}

void CXTPTabShapeBoxes::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    const int nPosition = GetPosition(pItem);
    CRect r = pItem->GetRect();
    XTPTabInflateSides(r, CRect(0, 0, 1, 0), nPosition);
    pColors->FillTabFace(pDC, r, pItem);
    if (pItem->IsSelected())
        XTPTabInflateSides(r, CRect(0, 0, 0, 1), nPosition);
    pDC->Draw3dRect(r, pColors->m_clrBorder, pColors->m_clrBorder);
    GetPainter()->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// ---- 2: boxes with softened corners --------------------------------------------------

namespace {

// One blurred corner pixel: its place from an edge of the tab (x from the
// left or right, y from the top or bottom) and the neighbour it is averaged
// with.
struct BlurPoint
{
    char chX; // 'L' or 'R'
    int dx;
    char chY; // 'T' or 'B'
    int dy;
    int nOffsetX, nOffsetY;
};

// Ten pixels per position soften the four corners on the tab's outer side.
const BlurPoint kBlurPoints[4][10] = {
    {{'L', 0, 'T', 1, 0, -1}, {'L', 1, 'T', 0, -1, 0}, {'R', -2, 'T', 0, 1, 0}, {'R', -1, 'T', 1, 0, -1},
     {'L', 1, 'T', 1, -1, 0}, {'R', -2, 'T', 1, 1, 0}, {'L', 2, 'T', 1, -1, 0}, {'L', 1, 'T', 2, 0, -1},
     {'R', -3, 'T', 1, 1, 0}, {'R', -2, 'T', 2, 0, -1}},
    {{'L', 0, 'T', 1, 0, -1}, {'L', 1, 'T', 0, -1, 0}, {'L', 0, 'B', -2, 0, 1}, {'L', 1, 'B', 0, -1, 0},
     {'L', 1, 'T', 1, -1, 0}, {'L', 1, 'B', -2, -1, 0}, {'L', 2, 'T', 1, -1, 0}, {'L', 1, 'T', 2, 0, -1},
     {'L', 2, 'B', -2, -1, 0}, {'L', 1, 'B', -3, 0, 1}},
    {{'L', 0, 'B', -2, 0, 1}, {'L', 1, 'B', -1, -1, 0}, {'R', -1, 'B', -2, 0, 1}, {'R', -2, 'B', -1, 1, 0},
     {'L', 1, 'B', -2, 0, 1}, {'R', -2, 'B', -2, 1, 0}, {'L', 2, 'B', -2, -1, 0}, {'L', 1, 'B', -3, 0, 1},
     {'R', -3, 'B', -2, 1, 0}, {'R', -2, 'B', -3, 0, 1}},
    {{'R', -1, 'T', 1, 0, -1}, {'R', -2, 'T', 0, 1, 0}, {'R', -1, 'B', -2, 0, 1}, {'R', -2, 'B', 0, 1, 0},
     {'R', -2, 'T', 1, 1, 0}, {'R', -2, 'B', -2, 1, 0}, {'R', -3, 'T', 1, 1, 0}, {'R', -2, 'T', 2, 0, -1},
     {'R', -3, 'B', -2, 1, 0}, {'R', -2, 'B', -3, 0, 1}},
};

void BlurCorners(CDC* pDC, const CRect& rc, int nPosition)
{
    POINT points[20];
    for (int i = 0; i < 10; i++)
    {
        const BlurPoint& blur = kBlurPoints[nPosition][i];
        points[2 * i].x = (blur.chX == 'L' ? rc.left : rc.right) + blur.dx;
        points[2 * i].y = (blur.chY == 'T' ? rc.top : rc.bottom) + blur.dy;
        points[2 * i + 1].x = blur.nOffsetX;
        points[2 * i + 1].y = blur.nOffsetY;
    }
    XTPDrawHelpers()->BlurPoints(pDC, points, 20);
}

} // namespace

int CXTPTabShapeRounded::GetDefaultColorId()
{
    return xtpTabColorDefault;
}

void CXTPTabShapeRounded::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    const int nPosition = GetPosition(pItem);
    CRect rcTab = pItem->GetRect();
    XTPTabInflateSides(rcTab, CRect(0, 0, 1, 0), nPosition);

    const int nSaved = pDC->SaveDC();
    CRect rcFace = rcTab;
    XTPTabInflateSides(rcFace, CRect(0, 0, 0, 1), nPosition);
    XTPDrawHelpers()->ExcludeCorners(pDC, rcFace);
    pColors->FillTabFace(pDC, rcFace, pItem);
    CRect rcFrame = rcFace;
    XTPTabDeflateSides(rcFrame, CRect(1, 1, 1, 0), nPosition);
    if (pItem->IsSelected())
        XTPTabInflateSides(rcFrame, CRect(0, 0, 0, 1), nPosition);
    pDC->Draw3dRect(rcFrame, pColors->m_clrBorder, pColors->m_clrBorder);
    pDC->RestoreDC(nSaved);

    BlurCorners(pDC, rcTab, nPosition);
    GetPainter()->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}
