#include "toolkit/tabs/themes/XTPTabStripShapes.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"

#include <vector>

namespace {

// The grip at a row's right end: three-pixel runs every other line.
const int kGripInset = 7;
const int kGripLength = 3;

} // namespace

CXTPTabShapeStacked::CXTPTabShapeStacked() : CXTPTabStripShape(CRect(0, 0, 0, 0))
{}

BOOL CXTPTabShapeStacked::IsFramed() const
{
    return GetPainter()->m_nClientFrameStyle != 2;
}

CRect CXTPTabShapeStacked::GetHeaderRect(CRect, CXTPTabStrip*)
{
    return CRect(0, 0, 0, 0);
}

CRect CXTPTabShapeStacked::GetClientRect(CRect rc, CXTPTabStrip* pStrip)
{
    return XTPTabStackedClientRect(rc, GetRowHeight(pStrip), pStrip->GetItemCount(), pStrip->GetSelectedIndex(),
                                   IsFramed());
}

void CXTPTabShapeStacked::RepositionTabStrip(CXTPTabStrip* pStrip, CDC*, CRect rc)
{
    XTPTabDeflateSides(rc, GetPainter()->m_rcHeaderMargin, pStrip->GetPosition());
    if (pStrip->GetItemCount() == 0)
        return;
    if (IsFramed())
        rc.left++;
    rc.top++;
    const std::vector<CRect> rows =
        XTPTabStackRows(rc, GetRowHeight(pStrip), pStrip->GetItemCount(), pStrip->GetSelectedIndex());
    for (int i = 0; i < pStrip->GetItemCount(); i++)
    {
        pStrip->GetItem(i)->SetRect(rows[i]);
        pStrip->GetItem(i)->SetLength(rows[i].Width());
    }
}

void CXTPTabShapeStacked::AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect)
{
    XTPTabDeflateSides(*pRect, GetPainter()->m_rcHeaderMargin, pStrip->GetPosition());
    *pRect = GetClientRect(*pRect, pStrip);
    XTPTabDeflateSides(*pRect, GetClientMargin(), pStrip->GetPosition());
}

void CXTPTabShapeStacked::DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    CXTPTabStripColors* pColors = GetColors();
    pDC->FillSolidRect(rc, pColors->m_clrFace);
    XTPTabDeflateSides(rc, GetPainter()->m_rcHeaderMargin, pStrip->GetPosition());
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rc);
    if (IsFramed())
        pDC->Draw3dRect(rc, pColors->m_clrBorder, pColors->m_clrBorder);
    else if (pStrip->GetItemCount() > 0)
        HLine(pDC, rc.left, rc.top, rc.Width(), pColors->m_clrBorder);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = pStrip->GetItemCount() - 1; i >= 0; i--)
    {
        CXTPTabStripItem* pItem = pStrip->GetItem(i);
        CRect rcVisible;
        if (!pItem->GetRect().IsRectEmpty() && rcVisible.IntersectRect(pItem->GetRect(), rc))
            DrawSingleTab(pDC, pItem);
    }
    pDC->RestoreDC(nSaved);
}

void CXTPTabShapeStacked::DrawSingleTab(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStripColors* pColors = GetColors();
    CRect r = pItem->GetRect();
    pColors->FillTabFace(pDC, r, pItem);
    pDC->Draw3dRect(r, pColors->m_clrHighlight, pColors->m_clrBorder);
    const COLORREF clrGrip = XTPGetColor(38);
    for (int y = r.top + 4; y < r.bottom - 3; y += 2)
        HLine(pDC, r.right - kGripInset, y, kGripLength, clrGrip);
    r.right -= kGripInset;
    GetPainter()->DrawItemContent(pDC, pItem, r, TRUE);
}
