#include "toolkit/tabs/themes/XTPTabStripShapes.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"

CXTPTabShape3D::CXTPTabShape3D() : CXTPTabStripShape(CRect(2, 3, 6, 0))
{}

CRect CXTPTabShape3D::GetClientMargin()
{
    CRect rcMargin = GetPainter()->m_rcClientMargin;
    if (GetColors()->IsVisualStyleActive() && GetPainter()->m_nClientFrameStyle == 0)
    {
        rcMargin.right += 2;
        if (!XTPTabIsFarSide(GetPainter()->GetPosition()))
            rcMargin.bottom += 2;
    }
    return rcMargin;
}

CRect CXTPTabShape3D::FillClient(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    CXTPTabStripColors* pColors = GetColors();
    const int nPosition = pStrip->GetPosition();
    CRect rcHeader = GetHeaderRect(rc, pStrip);
    XTPTabInflateSides(rcHeader, CRect(0, 0, 0, 1), nPosition);
    pColors->FillHeaderBackground(pDC, rcHeader, pStrip);

    const CRect rcClient = GetClientRect(rc, pStrip);
    const COLORREF clrLight = pColors->m_clr3DEdge[0], clrShadow = pColors->m_clr3DEdge[1],
                   clrDark = pColors->m_clr3DEdge[2];
    if (GetPainter()->m_nClientFrameStyle == 0)
    {
        pColors->FillClientArea(pDC, rcClient, pStrip);
        Frame3d(pDC, rcClient, clrLight, clrDark);
        HLine(pDC, rcClient.left + 1, rcClient.bottom - 2, rcClient.Width() - 2, clrShadow);
        VLine(pDC, rcClient.right - 2, rcClient.top + 1, rcClient.Height() - 2, clrShadow);
    }
    else if (GetPainter()->m_nClientFrameStyle == 1)
    {
        // The tab-side edge; at the bottom and right a shadow inside it.
        EdgeLine(pDC, rcClient, nPosition, clrLight, clrDark);
        if (XTPTabIsFarSide(nPosition))
        {
            CRect rcInner = rcClient;
            XTPTabDeflateSides(rcInner, CRect(0, 1, 0, 0), nPosition);
            EdgeLine(pDC, rcInner, nPosition, clrShadow, clrShadow);
        }
    }
    return rcHeader;
}

void CXTPTabShape3D::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    const int nPosition = GetPosition(pItem);
    const BOOL bSelected = pItem->IsSelected();
    CRect r = pItem->GetRect();
    // A selected tab stands out on its outer sides (on every side at the
    // bottom and right, where its content moves with it).
    if (bSelected && XTPTabIsFarSide(nPosition))
        r.InflateRect(2, 2);
    else if (bSelected)
        XTPTabInflateSides(r, CRect(2, 2, 2, 0), nPosition);

    const int L = r.left, T = r.top, R = r.right, B = r.bottom, W = r.Width(), H = r.Height();
    const COLORREF face = pColors->FillTabFace(pDC, CRect(L + 1, T + 1, R - 1, B - 1), pItem);
    const COLORREF LIGHT = pColors->m_clr3DEdge[0], SHADOW = pColors->m_clr3DEdge[1],
                   DARK = pColors->m_clr3DEdge[2];
    switch (nPosition)
    {
    case xtpTabPositionTop:
        VLine(pDC, L, T + 2, H - 2, LIGHT);
        SetPixelIf(pDC, L + 1, T + 1, LIGHT);
        HLine(pDC, L + 2, T, W - 4, LIGHT);
        SetPixelIf(pDC, R - 2, T + 1, DARK);
        VLine(pDC, R - 1, T + 2, H - 3, DARK);
        VLine(pDC, R - 2, T + 2, H - 3, SHADOW);
        if (bSelected)
            HLine(pDC, L + 1, B - 1, W - 3, face);
        break;
    case xtpTabPositionLeft:
        HLine(pDC, L + 2, T, W - 2, LIGHT);
        SetPixelIf(pDC, L + 1, T + 1, LIGHT);
        VLine(pDC, L, T + 2, H - 4, LIGHT);
        HLine(pDC, L + 1, B - 2, W - 2, SHADOW);
        HLine(pDC, L + 2, B - 1, W - 3, DARK);
        SetPixelIf(pDC, L + 2, B - 2, DARK);
        SetPixelIf(pDC, L + 2, B - 1, SHADOW);
        if (bSelected)
            VLine(pDC, R - 1, T + 1, H - 3, face);
        break;
    case xtpTabPositionBottom:
        VLine(pDC, L, T + 1, H - 2, LIGHT);
        SetPixelIf(pDC, L + 1, B - 1, LIGHT);
        HLine(pDC, L + 2, B - 1, W - 4, SHADOW);
        HLine(pDC, L + 2, B, W - 4, DARK);
        SetPixelIf(pDC, R - 2, B - 1, DARK);
        VLine(pDC, R - 1, T, H - 1, DARK);
        VLine(pDC, R - 2, T, H - 1, SHADOW);
        if (bSelected)
        {
            HLine(pDC, L + 1, T + 1, W - 1, face);
            r.bottom += 2;
        }
        break;
    default:
        HLine(pDC, L + 1, T, W - 2, LIGHT);
        SetPixelIf(pDC, R - 1, T + 1, LIGHT);
        VLine(pDC, R - 1, T + 2, H - 4, SHADOW);
        VLine(pDC, R, T + 2, H - 4, DARK);
        SetPixelIf(pDC, R - 1, B - 2, DARK);
        HLine(pDC, L + 1, B - 2, W - 2, SHADOW);
        HLine(pDC, L + 1, B - 1, W - 2, DARK);
        if (bSelected)
        {
            VLine(pDC, L + 1, T + 1, H - 1, face);
            r.right += 2;
        }
        break;
    }
    GetPainter()->DrawItemContent(pDC, pItem, r, TRUE);
}

void CXTPTabShape3DHot::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHot())
        CXTPTabShape3D::DrawSingleTab(pDC, pItem);
    else
        GetPainter()->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}
