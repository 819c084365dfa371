#include "toolkit/tabs/themes/XTPTabStripColors.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTUtilities.h"

#include <utility>

CXTPTabStripColors::CXTPTabStripColors() : m_pPainter(NULL)
{}

int CXTPTabStripColors::GetAppearanceId() const
{
    return m_pPainter != NULL ? m_pPainter->GetAppearanceId() : 0;
}

BOOL CXTPTabStripColors::IsItemColors() const
{
    return m_pPainter != NULL && m_pPainter->IsItemColors();
}

void CXTPTabStripColors::RefreshMetrics()
{
    XTPColorManager()->RefreshColors(FALSE);

    m_grcHeader.SetStandardValue(XTPGetColor(COLOR_BTNFACE));
    m_clrBorder.SetStandardValue(XTPGetColor(COLOR_BTNSHADOW));
    m_clrFace.SetStandardValue(XTPGetColor(COLOR_BTNFACE));
    m_clrHighlight.SetStandardValue(XTPGetColor(COLOR_BTNHIGHLIGHT));
    m_clrSelectedTabFace.SetStandardValue(
        XTPGetColor(GetAppearanceId() == 7 ? COLOR_WINDOW : COLOR_BTNFACE));
    m_clrTabFace.SetStandardValue(XTPGetColor(COLOR_BTNFACE));
    m_clrText.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_clrInactiveText.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_clrSelectedText.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_clrHotText.SetStandardValue(RGB(0, 0, 128));
    m_clrDisabledText.SetStandardValue(XTPGetColor(COLOR_GRAYTEXT));
    m_grcSelectedButton.SetStandardValue(XTPGetColor(COLOR_WINDOW));
    m_grcSelectedButtonEdge.SetStandardValue(XTPGetColor(COLOR_HIGHLIGHT));

    m_clr3DEdge[0].SetStandardValue(XTPGetColor(COLOR_BTNHIGHLIGHT));
    m_clr3DEdge[1].SetStandardValue(XTPGetColor(COLOR_BTNSHADOW));
    m_clr3DEdge[2].SetStandardValue(XTPGetColor(COLOR_3DDKSHADOW));

    const COLORREF clrOutline[4] = {XTPGetColor(COLOR_BTNSHADOW), XTPGetColor(COLOR_BTNSHADOW),
                                    XTPGetColor(COLOR_BTNFACE), XTPGetColor(COLOR_BTNFACE)};
    for (int i = 0; i < 4; i++)
        m_clrOutline[i].SetStandardValue(clrOutline[i]);

    const COLORREF clrSelected[6] = {XTPGetColor(COLOR_BTNTEXT), XTPGetColor(COLOR_BTNSHADOW),
                                     XTPGetColor(COLOR_BTNTEXT), XTP_COLOR_NONE, XTP_COLOR_NONE, XTP_COLOR_NONE};
    const COLORREF clrNormal[6] = {XTPGetColor(COLOR_BTNTEXT),   XTPGetColor(COLOR_BTNSHADOW),
                                   XTPGetColor(COLOR_BTNTEXT),   XTPGetColor(COLOR_WINDOW),
                                   XTPGetColor(COLOR_BTNSHADOW), XTP_COLOR_NONE};
    for (int i = 0; i < 6; i++)
    {
        m_clrSelectedOutline[i].SetStandardValue(clrSelected[i]);
        m_clrNormalOutline[i].SetStandardValue(clrNormal[i]);
    }
    m_grcHeaderSecond = m_grcHeader;
}

void CXTPTabStripColors::SetTextColor(CDC* pDC, CXTPTabStripItem* pItem)
{
    CXTPTabStrip* pStrip = pItem->GetStrip();
    COLORREF clrText;
    if (!pItem->IsEnabled())
        clrText = m_clrDisabledText;
    else if (!pStrip->IsActive())
        clrText = m_clrInactiveText;
    else if (pItem->IsSelected())
        clrText = m_clrSelectedText;
    else if (pItem->IsHot())
        clrText = m_clrHotText;
    else
        clrText = m_clrText;
    pDC->SetTextColor(clrText);
}

void CXTPTabStripColors::FillHeaderBackground(CDC* pDC, CRect rc, CXTPTabStrip* pStrip)
{
    GradientFillRect(pDC, rc, m_grcHeader.clrLight, m_grcHeader.clrDark, pStrip->GetPosition());
}

COLORREF CXTPTabStripColors::FillClientArea(CDC* pDC, CRect rc, CXTPTabStrip* pStrip)
{
    CXTPTabStripItem* pSelected = pStrip->GetSelectedItem();
    const COLORREF clr = pSelected != NULL ? GetItemColor(pSelected) : (COLORREF)m_clrSelectedTabFace;
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CXTPTabStripColors::FillTabButton(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    CXTPTabStrip* pStrip = pItem->GetStrip();
    if (pItem->IsSelected())
    {
        if (IsItemColors())
            pDC->FillSolidRect(rc, GetItemColor(pItem));
        else
            GradientFillRect(pDC, rc, m_grcSelectedButton.clrLight, m_grcSelectedButton.clrDark,
                             pStrip->GetPosition());
        pDC->Draw3dRect(rc, m_grcSelectedButtonEdge.clrLight, m_grcSelectedButtonEdge.clrDark);
        return;
    }
    // A groove two pixels wide after the button, short of the row's edges.
    const CXTPOrientation orient(!pStrip->IsHorizontal());
    const CRect rcGroove(orient.MakePoint(orient.MainEnd(rc), orient.CrossStart(rc) + 2),
                         orient.MakeSize(2, orient.CrossLength(rc) - 4));
    pDC->Draw3dRect(rcGroove, XTPGetColor(COLOR_BTNSHADOW), XTPGetColor(COLOR_BTNHIGHLIGHT));
}

COLORREF CXTPTabStripColors::FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    const COLORREF clr = GetItemColor(pItem);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CXTPTabStripColors::ClipHeader(CDC*, CRect, CXTPTabStrip*)
{}

COLORREF CXTPTabStripColors::GetItemColor(CXTPTabStripItem* pItem)
{
    if (IsItemColors())
        return pItem->GetColor();
    return pItem->IsSelected() ? m_clrSelectedTabFace : m_clrTabFace;
}

BOOL CXTPTabStripColors::IsVisualStyleActive()
{
    return FALSE;
}

void CXTPTabStripColors::GradientFillRect(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, int nPosition)
{
    if (clrLight == xtpTabColorDithered)
    {
        // Background the face, text the highlight: the highlight on the
        // pattern's clear bits.
        XTFillDitheredRect(pDC, rc, XTPGetColor(COLOR_BTNHIGHLIGHT), XTPGetColor(COLOR_BTNFACE));
        return;
    }
    if (XTPTabIsFarSide(nPosition))
        std::swap(clrLight, clrDark);
    if (m_pPainter != NULL && m_pPainter->m_bInvertGradient)
        std::swap(clrLight, clrDark);
    XTPDrawHelpers()->GradientFill(pDC, rc, clrLight, clrDark, !XTPTabIsHorizontal(nPosition));
}
