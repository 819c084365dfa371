#include "toolkit/tabs/themes/XTPTabStripShapes.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"

CXTPTabShapeTrapezoid::CXTPTabShapeTrapezoid() : CXTPTabShapeBoxes(CRect(2, 3, 2, 0))
{}

CRect CXTPTabShapeTrapezoid::GetMargins()
{
    CRect rcMargins = m_rcHeaderMargins;
    rcMargins.left += m_nRowHeight / 2;
    rcMargins.right += m_nRowHeight / 2;
    return rcMargins;
}

void CXTPTabShapeTrapezoid::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    const CXTPPaintManagerColor* O =
        pItem->IsSelected() ? pColors->m_clrSelectedOutline : pColors->m_clrNormalOutline;
    const BOOL bSelected = pItem->IsSelected();
    CRect r = pItem->GetRect();
    // The tab leans by half its thickness: the row's far edge loses a pixel
    // and the tab moves back by a quarter of its thickness.
    const int nPosition = GetPosition(pItem);
    if (XTPTabIsHorizontal(nPosition))
    {
        r.bottom--;
        r.OffsetRect(-(r.Height() / 2) / 2, 0);
    }
    else
    {
        r.right--;
        r.OffsetRect(0, -(r.Width() / 2) / 2);
    }
    const int L = r.left, T = r.top, R = r.right, B = r.bottom, W = r.Width(), H = r.Height();
    const int h2 = H / 2, w2 = W / 2;
    // Per position: the face, six lines (outline colour index, from, to) and
    // where the selected tab's join with the client starts and how long it is.
    struct Line
    {
        int nColor, x1, y1, x2, y2;
    };
    struct Outline
    {
        POINT face[4];
        Line lines[6];
        POINT ptJoin;
        int nJoinLength;
    };
    Outline o;
    switch (nPosition)
    {
    case xtpTabPositionTop:
        o = {{{L, B}, {h2, -2 * h2}, {W - h2, 0}, {h2, 2 * h2}},
             {{3, L + 1, B - 1, L + h2 + 1, T},
              {3, L + h2, T + 1, R, T + 1},
              {4, R - 1, T, R + h2 - 1, B},
              {0, L, B - 1, L + h2, T},
              {0, L + h2, T, R, T},
              {2, R, T, R + h2, B}},
             {L, B},
             W + h2};
        break;
    case xtpTabPositionLeft:
        o = {{{R, T}, {-2 * w2, w2}, {0, H - w2}, {2 * w2, w2}},
             {{3, R - 1, T + 1, L, T + w2 + 1},
              {3, L + 1, T + w2, L + 1, B},
              {4, L, B - 1, R, B + w2 - 1},
              {0, R - 1, T, L, T + w2},
              {0, L, T + w2, L, B},
              {2, L, B, R, B + w2}},
             {R, T},
             H + w2};
        break;
    case xtpTabPositionBottom:
        o = {{{L, T + 1}, {h2, 2 * h2}, {W - h2, 0}, {h2, -2 * h2}},
             {{3, L + 1, T + 1, L + h2 + 1, B},
              {5, L + h2, B - 1, R, B - 1},
              {4, R - 1, B, R + h2 - 1, T},
              {0, L, T + 1, L + h2, B},
              {1, L + h2, B, R, B},
              {2, R, B, R + h2, T}},
             {L, T},
             W + h2};
        break;
    default:
        o = {{{L + 1, T}, {2 * w2, w2}, {0, H - w2}, {-2 * w2, w2}},
             {{3, L + 1, T + 1, R, T + w2 + 1},
              {3, R - 1, T + w2, R - 1, B},
              {4, R, B - 1, L, B + w2 - 1},
              {0, L + 1, T, R, T + w2},
              {0, R, T + w2, R, B},
              {2, R, B, L, B + w2}},
             {L, T},
             H + w2};
        break;
    }
    const COLORREF clrFace = FillPolygon(pDC, pItem, o.face, 4);
    for (const Line& line : o.lines)
        PenLine(pDC, O[line.nColor], line.x1, line.y1, line.x2, line.y2);
    if (bSelected && XTPTabIsHorizontal(nPosition))
        HLine(pDC, o.ptJoin.x, o.ptJoin.y, o.nJoinLength, clrFace);
    else if (bSelected)
        VLine(pDC, o.ptJoin.x, o.ptJoin.y, o.nJoinLength, clrFace);
    GetPainter()->DrawItemContent(pDC, pItem, r, TRUE);
}
