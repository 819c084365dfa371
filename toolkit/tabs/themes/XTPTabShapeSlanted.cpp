#include "toolkit/tabs/themes/XTPTabStripShapes.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

} // namespace

CXTPTabShapeSlanted::CXTPTabShapeSlanted() : CXTPTabStripShape(CRect(2, 3, 6, 0))
{}

int CXTPTabShapeSlanted::GetDefaultColorId()
{
    return xtpTabColorScheme;
}

CRect CXTPTabShapeSlanted::GetMargins()
{
    CRect rcMargins = m_rcHeaderMargins;
    rcMargins.left += m_nRowHeight;
    return rcMargins;
}

CRect CXTPTabShapeSlanted::FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    return FillClientFramed(pStrip, pDC, rc, GetColors()->m_clrOutline[1], GetColors()->m_clrOutline[1]);
}

void CXTPTabShapeSlanted::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    const BOOL bSelected = pItem->IsSelected();
    // The outer line, the inner line of the trailing edge and the inner line
    // of the slant and the top.
    const COLORREF c1 = bSelected ? pColors->m_clrOutline[1] : pColors->m_clrOutline[0];
    const COLORREF c2 = bSelected ? kWhite : (COLORREF)pColors->m_clrOutline[2];
    const COLORREF c3 = bSelected ? kWhite : (COLORREF)pColors->m_clrOutline[3];
    const int nPosition = GetPosition(pItem);
    CRect r = pItem->GetRect();
    if (nPosition == xtpTabPositionTop)
        r.bottom--;
    else if (nPosition == xtpTabPositionLeft)
        r.right--;
    const int L = r.left, T = r.top, R = r.right, B = r.bottom, W = r.Width(), H = r.Height();
    // Per position: the face, the outer line, the inner line of the trailing
    // edge, the inner line of the slant and the top, and where the selected
    // tab's join with the client starts.
    struct Outline
    {
        POINT face[4], outer[7], trailing[3], inner[4];
        POINT ptJoin;
    };
    Outline o;
    switch (nPosition)
    {
    case xtpTabPositionTop:
        o = {{{R - 1, B - 1}, {0, 2 - H}, {5 - W, 0}, {3 - H, H - 3}},
             {{R, B - 1}, {0, 3 - H}, {-2, -2}, {9 - W, 0}, {-5, 2}, {3 - H, H - 3}, {-2, 0}},
             {{R - 1, B - 1}, {0, 3 - H}, {-2, -2}},
             {{R - 3, T + 1}, {9 - W, 0}, {-5, 3}, {4 - H, H - 4}},
             {L - H + 4, B}};
        break;
    case xtpTabPositionLeft:
        o = {{{R, B - 1}, {2 - W, 0}, {0, 5 - H}, {W - 2, 2 - W}},
             {{R - 1, B}, {3 - W, 0}, {-2, -2}, {0, 9 - H}, {2, -5}, {W - 3, 3 - W}, {0, -2}},
             {{R - 1, B - 1}, {3 - W, 0}, {-2, -2}},
             {{L + 1, B - 3}, {0, 9 - H}, {3, -5}, {W - 4, 4 - W}},
             {R, T - W + 4}};
        break;
    case xtpTabPositionBottom:
        o = {{{R - 1, T}, {0, H - 1}, {5 - W, 0}, {3 - H, 2 - H}},
             {{R, T + 1}, {0, H - 3}, {-2, 2}, {9 - W, 0}, {-5, -2}, {3 - H, 3 - H}, {-2, 0}},
             {{R - 1, T + 1}, {0, H - 3}, {-2, 2}},
             {{R - 3, B - 1}, {9 - W, 0}, {-5, -3}, {4 - H, 4 - H}},
             {L - H + 4, T}};
        break;
    default:
        o = {{{L + 1, B - 1}, {W - 2, 0}, {0, 5 - H}, {2 - W, 2 - W}},
             {{L + 1, B}, {W - 3, 0}, {2, -2}, {0, 9 - H}, {-2, -5}, {3 - W, 3 - W}, {0, -2}},
             {{L + 1, B - 1}, {W - 3, 0}, {2, -2}},
             {{R - 1, B - 3}, {0, 9 - H}, {-3, -5}, {4 - W, 4 - W}},
             {L, T - W + 4}};
        break;
    }
    const COLORREF clrFace = FillPolygon(pDC, pItem, o.face, 4);
    Polyline(pDC, c1, o.outer, 7);
    Polyline(pDC, c2, o.trailing, 3);
    Polyline(pDC, c3, o.inner, 4);
    if (bSelected && XTPTabIsHorizontal(nPosition))
        HLine(pDC, o.ptJoin.x, o.ptJoin.y, W + H - 3, clrFace);
    else if (bSelected)
        VLine(pDC, o.ptJoin.x, o.ptJoin.y, W + H - 3, clrFace);
    GetPainter()->DrawItemContent(pDC, pItem, r, TRUE);
}
