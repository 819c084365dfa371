#include "toolkit/tabs/themes/XTPTabStripShape.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include "framework/Window.h"

#include <algorithm>
#include <vector>

namespace {

const int kMinimumRowHeight = 18;

// The absolute points of a polyline given as a start and offsets.
std::vector<POINT> AbsolutePoints(const POINT* pPoints, int nCount)
{
    std::vector<POINT> points(pPoints, pPoints + nCount);
    for (int i = 1; i < nCount; i++)
    {
        points[i].x += points[i - 1].x;
        points[i].y += points[i - 1].y;
    }
    return points;
}

} // namespace

CXTPTabStripShape::CXTPTabStripShape(const CRect& rcHeaderMargins)
    : m_rcHeaderMargins(rcHeaderMargins), m_nRowHeight(0), m_pPainter(NULL)
{}

CXTPTabStripColors* CXTPTabStripShape::GetColors() const
{
    ASSERT(m_pPainter != NULL);
    return m_pPainter->GetColorSet();
}

int CXTPTabStripShape::GetPosition(CXTPTabStripItem* pItem) const
{
    return pItem->GetStrip()->GetPosition();
}

void CXTPTabStripShape::RefreshMetrics()
{
    CWindowDC dc(NULL);
    CXTPFontDC font(&dc, m_pPainter->GetFont(FALSE));
    m_nRowHeight = std::max((int)dc.GetTextExtent(" ", 1).cy + 3, kMinimumRowHeight);
}

CRect CXTPTabStripShape::GetHeaderRect(CRect rc, CXTPTabStrip* pStrip)
{
    const int nThickness = GetRowHeight(pStrip) + m_rcHeaderMargins.top + m_rcHeaderMargins.bottom;
    return XTPTabBandAtTabSide(rc, nThickness, pStrip->GetPosition());
}

CRect CXTPTabStripShape::GetClientRect(CRect rc, CXTPTabStrip* pStrip)
{
    const int nPosition = pStrip->GetPosition();
    const CXTPOrientation orient(!XTPTabIsHorizontal(nPosition));
    const CRect rcHeader = GetHeaderRect(rc, pStrip);
    // The client begins one pixel inside the header, on its far side.
    if (XTPTabIsFarSide(nPosition))
        orient.CrossEnd(rc) = orient.CrossStart(rcHeader) + 1;
    else
        orient.CrossStart(rc) = orient.CrossEnd(rcHeader) - 1;
    return rc;
}

CRect CXTPTabStripShape::GetMargins()
{
    return m_rcHeaderMargins;
}

CRect CXTPTabStripShape::GetClientMargin()
{
    return m_pPainter->m_rcClientMargin;
}

int CXTPTabStripShape::GetItemLength(CDC* pDC, CXTPTabStripItem* pItem)
{
    return m_pPainter->DrawItemContent(pDC, pItem, CRect(0, 0, 0, 0), FALSE);
}

int CXTPTabStripShape::GetRowHeight(CXTPTabStrip* pStrip)
{
    const CRect& rcInset = m_pPainter->m_rcItemInset;
    CSize szMinimum;
    pStrip->GetTabSizes(NULL, &szMinimum, NULL);
    int nHeight = std::max(m_nRowHeight + (int)rcInset.top + (int)rcInset.bottom, (int)szMinimum.cy);
    if (m_pPainter->IsShowIcons())
    {
        CSize szIcon = m_pPainter->m_szIcon;
        pStrip->DrawItemIcon(NULL, CPoint(0, 0), NULL, FALSE, szIcon);
        const int nIconRow = std::max(szIcon.cx, szIcon.cy) + rcInset.top + rcInset.bottom + 4;
        nHeight = std::max(nHeight, nIconRow);
    }
    return nHeight;
}

void CXTPTabStripShape::DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    m_pPainter->PaintTabStrip(pStrip, pDC, rc);
}

CRect CXTPTabStripShape::FillClient(CXTPTabStrip* pStrip, CDC*, CRect rc)
{
    return GetHeaderRect(rc, pStrip);
}

void CXTPTabStripShape::RepositionTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    m_pPainter->LayoutTabStrip(pStrip, pDC, rc);
}

void CXTPTabStripShape::AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect)
{
    const int nPosition = pStrip->GetPosition();
    XTPTabDeflateSides(*pRect, m_pPainter->m_rcHeaderMargin, nPosition);
    *pRect = GetClientRect(*pRect, pStrip);
    XTPTabDeflateSides(*pRect, GetClientMargin(), nPosition);
    if (m_pPainter->m_nClientFrameStyle == 0)
        XTPTabDeflateSides(*pRect, CRect(2, 2, 2, 2), nPosition);
    else if (m_pPainter->m_nClientFrameStyle == 1)
        XTPTabDeflateSides(*pRect, CRect(0, 2, 0, 0), nPosition);
}

void CXTPTabStripShape::DrawSingleTab(CDC*, CXTPTabStripItem*)
{}

void CXTPTabStripShape::DrawClientBorder(CDC* pDC, CRect* pRect, int nStyle)
{
    CXTPTabStripColors* pColors = GetColors();
    CRect& rc = *pRect;
    if (!m_pPainter->m_bClientFrame)
    {
        if (nStyle == xtpTabBorderAdjust)
            rc.InflateRect(2, 2);
        else if (nStyle == xtpTabBorderSplitterSideBySide || nStyle == xtpTabBorderSplitterStacked)
            pDC->FillSolidRect(rc, pColors->m_grcHeader.clrLight);
        return;
    }
    switch (nStyle)
    {
    case xtpTabBorderDraw:
        pDC->Draw3dRect(rc.left + 1, rc.top, rc.Width() - 2, rc.Height() - 1, XTPGetColor(COLOR_BTNFACE),
                        XTPGetColor(COLOR_BTNFACE));
        pDC->Draw3dRect(rc, pColors->m_clrBorder, pColors->m_clrBorder);
        break;
    case xtpTabBorderAdjust:
        rc.top--;
        break;
    case xtpTabBorderSplitterSideBySide:
        pDC->FillSolidRect(rc, pColors->m_clrFace);
        VLine(pDC, rc.right - 1, rc.top, rc.Height(), pColors->m_clrBorder);
        break;
    case xtpTabBorderSplitterStacked:
        pDC->FillSolidRect(rc, pColors->m_clrFace);
        HLine(pDC, rc.left, rc.bottom - 1, rc.Width(), pColors->m_clrBorder);
        break;
    }
}

int CXTPTabStripShape::GetDefaultColorId()
{
    return xtpTabColorDefault;
}

// ---- Line routines -------------------------------------------------------------

void CXTPTabStripShape::HLine(CDC* pDC, int x, int y, int nLength, COLORREF clr)
{
    if (clr != XTP_COLOR_NONE)
        pDC->FillSolidRect(x, y, nLength, 1, clr);
}

void CXTPTabStripShape::VLine(CDC* pDC, int x, int y, int nLength, COLORREF clr)
{
    if (clr != XTP_COLOR_NONE)
        pDC->FillSolidRect(x, y, 1, nLength, clr);
}

void CXTPTabStripShape::SetPixelIf(CDC* pDC, int x, int y, COLORREF clr)
{
    if (clr != XTP_COLOR_NONE)
        pDC->SetPixel(x, y, clr);
}

void CXTPTabStripShape::PenLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2)
{
    if (clr == XTP_COLOR_NONE)
        return;
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void CXTPTabStripShape::Frame3d(CDC* pDC, CRect rc, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (clrTopLeft != XTP_COLOR_NONE && clrBottomRight != XTP_COLOR_NONE)
        pDC->Draw3dRect(rc, clrTopLeft, clrBottomRight);
}

void CXTPTabStripShape::Polyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount)
{
    if (clr == XTP_COLOR_NONE)
        return;
    const std::vector<POINT> points = AbsolutePoints(pPoints, nCount);
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->Polyline(points.data(), nCount);
}

void CXTPTabStripShape::EdgeLine(CDC* pDC, CRect rc, int nPosition, COLORREF clrFirst, COLORREF clrSecond)
{
    switch (nPosition)
    {
    case xtpTabPositionTop:
        HLine(pDC, rc.left, rc.top, rc.Width(), clrFirst);
        break;
    case xtpTabPositionLeft:
        VLine(pDC, rc.left, rc.top, rc.Height(), clrFirst);
        break;
    case xtpTabPositionBottom:
        HLine(pDC, rc.left, rc.bottom - 1, rc.Width(), clrSecond);
        break;
    default:
        VLine(pDC, rc.right - 1, rc.top, rc.Height(), clrSecond);
        break;
    }
}

COLORREF CXTPTabStripShape::FillPolygon(CDC* pDC, CXTPTabStripItem* pItem, const POINT* pPoints, int nCount)
{
    const std::vector<POINT> points = AbsolutePoints(pPoints, nCount);
    HDC hDC = pDC->GetSafeHdc();
    HRGN hOldClip = ::CreateRectRgn(0, 0, 0, 0);
    const BOOL bHadClip = ::GetClipRgn(hDC, hOldClip) == 1;

    // The face fills the polygon's bounding box, seen through the polygon.
    HRGN hPolygon = ::CreatePolygonRgn(points.data(), nCount, WINDING);
    if (bHadClip)
        ::CombineRgn(hPolygon, hPolygon, hOldClip, RGN_AND);
    CRect rcBox;
    COLORREF clrFace = XTP_COLOR_NONE;
    if (::GetRgnBox(hPolygon, &rcBox) != NULLREGION)
    {
        ::SelectClipRgn(hDC, hPolygon);
        clrFace = GetColors()->FillTabFace(pDC, rcBox, pItem);
        ::SelectClipRgn(hDC, bHadClip ? hOldClip : NULL);
    }
    ::DeleteObject(hPolygon);
    ::DeleteObject(hOldClip);
    return clrFace;
}

CRect CXTPTabStripShape::FillClientFramed(CXTPTabStrip* pStrip, CDC* pDC, CRect rc, COLORREF clrTopLeft,
                                          COLORREF clrBottomRight)
{
    CXTPTabStripColors* pColors = GetColors();
    const CRect rcHeader = GetHeaderRect(rc, pStrip);
    pColors->FillHeaderBackground(pDC, rcHeader, pStrip);
    const CRect rcClient = GetClientRect(rc, pStrip);
    if (m_pPainter->m_nClientFrameStyle == 0)
    {
        pColors->FillClientArea(pDC, rcClient, pStrip);
        Frame3d(pDC, rcClient, clrTopLeft, clrBottomRight);
    }
    else if (m_pPainter->m_nClientFrameStyle == 1)
    {
        EdgeLine(pDC, rcClient, pStrip->GetPosition(), clrTopLeft, clrBottomRight);
    }
    return rcHeader;
}
