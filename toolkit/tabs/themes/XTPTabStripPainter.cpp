#include "toolkit/tabs/themes/XTPTabStripPainter.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripColorSets.h"
#include "toolkit/tabs/themes/XTPTabStripShapes.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include <algorithm>

namespace {

const COLORREF kDefaultTabColors[xtpTabDefaultColorCount] = {
    RGB(138, 168, 228), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
    RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(216, 171, 192),
};

// The frame round a strip with a client frame: two pixels at the sides and
// the far edge, one at the tab side.
const CRect kClientFrameSides(2, 1, 2, 2);

// A vertical caption is at least 11 pixels high.
const LONG kMinimumVerticalHeight = -11;

CXTPTabStripShape* CreateShape(int nAppearance)
{
    switch (nAppearance)
    {
    case xtpTabAppearance3DHot:
        return new CXTPTabShape3DHot;
    case xtpTabAppearanceRounded:
        return new CXTPTabShapeRounded;
    case xtpTabAppearanceSlanted:
        return new CXTPTabShapeSlanted;
    case xtpTabAppearanceButtons:
        return new CXTPTabShapeButtons;
    case xtpTabAppearanceRaised:
        return new CXTPTabShapeRaised;
    case xtpTabAppearanceBoxes:
        return new CXTPTabShapeBoxes;
    case xtpTabAppearanceTrapezoid:
        return new CXTPTabShapeTrapezoid;
    case xtpTabAppearanceStacked:
        return new CXTPTabShapeStacked;
    default:
        return new CXTPTabShape3D;
    }
}

CXTPTabStripColors* CreateColorSet(int nColorId)
{
    switch (nColorId)
    {
    case xtpTabColorToolkit:
        return new CXTPTabColorsToolkit;
    case xtpTabColorScheme:
        return new CXTPTabColorsScheme;
    case xtpTabColorVisualStyle:
        return new CXTPTabColorsVisualStyle;
    case xtpTabColorSchemePlain:
        return new CXTPTabColorsSchemePlain;
    default:
        return new CXTPTabColorsDefault;
    }
}

} // namespace

CXTPTabStripPainter::CXTPTabStripPainter()
    : m_bHotTracking(FALSE), m_bBoldSelected(FALSE), m_bBoldNormal(FALSE), m_nClientFrameStyle(0),
      m_bClientFrame(FALSE), m_rcClientMargin(0, 0, 0, 0), m_rcHeaderMargin(0, 0, 0, 0), m_rcItemInset(0, 0, 0, 0),
      m_bInvertGradient(FALSE), m_bFillBackground(TRUE), m_szIcon(16, 16), m_bMiddleEllipsis(FALSE),
      m_bNoPrefix(TRUE), m_bShowIcons(TRUE), m_bLunaColorsDisabled(FALSE), m_bItemColors(FALSE), m_pShape(NULL),
      m_pColors(NULL), m_nAppearance(0), m_nColorId(xtpTabColorDefault), m_nPosition(xtpTabPositionTop),
      m_nLayout(xtpTabLayoutAutoSize), m_bSystemFont(TRUE)
{
    SetAppearanceById(xtpTabAppearance3D);
    RefreshMetrics();
}

CXTPTabStripPainter::~CXTPTabStripPainter()
{
    delete m_pColors;
    delete m_pShape;
}

// ---- Colour set and appearance -------------------------------------------------------

void CXTPTabStripPainter::SetColorById(int nColorId)
{
    m_nColorId = nColorId;
    SetColorSet(CreateColorSet(nColorId));
}

void CXTPTabStripPainter::SetColorSet(CXTPTabStripColors* pColors)
{
    if (pColors != NULL)
    {
        delete m_pColors;
        m_pColors = pColors;
        m_pColors->SetPainter(this);
        m_pColors->RefreshMetrics();
    }
    NotifyStrips();
}

void CXTPTabStripPainter::SetAppearanceById(int nAppearance)
{
    m_nAppearance = nAppearance;
    SetAppearanceSet(CreateShape(nAppearance));
}

void CXTPTabStripPainter::SetAppearanceSet(CXTPTabStripShape* pShape)
{
    if (pShape != NULL)
    {
        delete m_pShape;
        m_pShape = pShape;
        m_pShape->SetPainter(this);
        m_pShape->RefreshMetrics();
        SetColorById(m_pShape->GetDefaultColorId());
    }
    NotifyStrips();
}

// ---- Settings --------------------------------------------------------------------------

void CXTPTabStripPainter::SetLunaColorsDisabled(BOOL bDisabled)
{
    m_bLunaColorsDisabled = bDisabled;
    RefreshMetrics();
    NotifyStrips();
}

BOOL CXTPTabStripPainter::IsLunaColorsDisabled() const
{
    return m_bLunaColorsDisabled || XTPColorManager()->IsLunaColorsDisabled();
}

void CXTPTabStripPainter::SetItemColors(BOOL bItemColors)
{
    m_bItemColors = bItemColors;
    RefreshMetrics();
}

void CXTPTabStripPainter::SetPosition(int nPosition)
{
    ASSERT(nPosition >= xtpTabPositionTop && nPosition <= xtpTabPositionRight);
    m_nPosition = nPosition;
    NotifyStrips();
}

void CXTPTabStripPainter::SetLayout(int nLayout)
{
    ASSERT(nLayout >= xtpTabLayoutAutoSize && nLayout <= xtpTabLayoutSelectedText);
    m_nLayout = nLayout;
    NotifyStrips();
}

void CXTPTabStripPainter::ShowIcons(BOOL bShow)
{
    m_bShowIcons = bShow;
    NotifyStrips();
}

void CXTPTabStripPainter::RegisterStrip(CXTPTabStrip* pStrip)
{
    if (std::find(m_arrStrips.begin(), m_arrStrips.end(), pStrip) == m_arrStrips.end())
        m_arrStrips.push_back(pStrip);
}

void CXTPTabStripPainter::UnregisterStrip(CXTPTabStrip* pStrip)
{
    m_arrStrips.erase(std::remove(m_arrStrips.begin(), m_arrStrips.end(), pStrip), m_arrStrips.end());
}

void CXTPTabStripPainter::NotifyStrips()
{
    for (CXTPTabStrip* pStrip : m_arrStrips)
        pStrip->OnPainterChanged();
}

void CXTPTabStripPainter::RefreshMetrics()
{
    if (m_bSystemFont)
    {
        LOGFONT lf;
        if (::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
            CreateFonts(&lf);
    }
    m_pColors->RefreshMetrics();
    m_pShape->RefreshMetrics();
}

// ---- Fonts -----------------------------------------------------------------------------

void CXTPTabStripPainter::SetFontIndirect(LOGFONT* pLogFont, BOOL bSystemFont)
{
    m_bSystemFont = bSystemFont;
    if (pLogFont == NULL)
        return;
    CreateFonts(pLogFont);
    // The row height follows the caption font.
    m_pShape->RefreshMetrics();
    NotifyStrips();
}

void CXTPTabStripPainter::CreateFonts(const LOGFONT* pLogFont)
{
    m_fontNormal.DeleteObject();
    m_fontBold.DeleteObject();
    m_fontVertical.DeleteObject();
    m_fontVerticalBold.DeleteObject();

    const LONG nNormalWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    LOGFONT lf = *pLogFont;
    lf.lfWeight = nNormalWeight;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);

    lf = *pLogFont;
    lstrcpynA(lf.lfFaceName, XTPDrawHelpers()->GetDefaultFontFaceName(FALSE), LF_FACESIZE);
    lf.lfOrientation = 900;
    lf.lfEscapement = 2700;
    if (lf.lfHeight < 0 && lf.lfHeight > kMinimumVerticalHeight)
        lf.lfHeight = kMinimumVerticalHeight;
    lf.lfWeight = nNormalWeight;
    m_fontVertical.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontVerticalBold.CreateFontIndirect(&lf);
}

COLORREF CXTPTabStripPainter::GetDefaultTabColor(COLORREF clrValue)
{
    return XTPTabIsDefaultColor(clrValue) ? kDefaultTabColors[clrValue - xtpTabColorFirstDefault] : clrValue;
}

// ---- Layout ------------------------------------------------------------------------------

void CXTPTabStripPainter::RepositionTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    pStrip->m_rcHeader.SetRectEmpty();
    pStrip->m_rcControl = rc;
    pStrip->m_rcClient = rc;
    m_pShape->RepositionTabStrip(pStrip, pDC, rc);
    AdjustClientRect(pStrip, &pStrip->m_rcClient);
}

void CXTPTabStripPainter::AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect)
{
    if (pStrip->HasClientFrame())
        XTPTabDeflateSides(*pRect, kClientFrameSides, pStrip->GetPosition());
    if (pStrip->GetItemCount() > 0)
        m_pShape->AdjustClientRect(pStrip, pRect);
}

int CXTPTabStripPainter::CalcTabLength(int nContent, int nMinimum, int nMaximum) const
{
    return XTPTabCalcTabLength(nContent, nMinimum, nMaximum, m_rcItemInset.left, m_rcItemInset.right);
}

CRect CXTPTabStripPainter::CalcRowRect(CXTPTabStrip* pStrip, CRect rc)
{
    const CXTPOrientation orient(!pStrip->IsHorizontal());
    const CRect rcHeader = m_pShape->GetHeaderRect(rc, pStrip);
    const CRect rcMargins = m_pShape->GetMargins();
    CRect rcRow = rcHeader;
    orient.MainStart(rcRow) = orient.MainStart(rcHeader) + rcMargins.left + rcMargins.right;
    orient.MainEnd(rcRow) = orient.MainEnd(rcHeader) - 1;
    for (int i = pStrip->GetButtonCount() - 1; i >= 0; i--)
        pStrip->GetButton(i)->Layout(rcRow);
    return rcRow;
}

void CXTPTabStripPainter::LayoutTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    const int nPosition = pStrip->GetPosition();
    const CXTPOrientation orient(!XTPTabIsHorizontal(nPosition));
    if (pStrip->HasClientFrame())
        XTPTabDeflateSides(rc, kClientFrameSides, nPosition);
    XTPTabDeflateSides(rc, m_rcHeaderMargin, nPosition);
    pStrip->m_rcHeader = m_pShape->GetHeaderRect(rc, pStrip);
    if (pStrip->GetItemCount() == 0)
    {
        // Nothing to scroll: the buttons go (or stay) where an empty row puts them.
        pStrip->m_nScrollOffset = 0;
        CalcRowRect(pStrip, rc);
        return;
    }

    const CRect rcMargins = m_pShape->GetMargins();
    const int nRowHeight = m_pShape->GetRowHeight(pStrip);
    const int nTop = XTPTabIsFarSide(nPosition) ? orient.CrossEnd(rc) - nRowHeight - rcMargins.top
                                                : orient.CrossStart(rc) + rcMargins.top;
    for (int i = 0; i < pStrip->GetItemCount(); i++)
    {
        CXTPTabStripItem* pItem = pStrip->GetItem(i);
        pItem->SetLength(pItem->IsVisible() ? m_pShape->GetItemLength(pDC, pItem) : 0);
    }
    int nAvailable = orient.MainLength(rc) - rcMargins.left - rcMargins.right;
    for (int i = pStrip->GetButtonCount() - 1; i >= 0; i--)
        if (pStrip->GetButton(i)->GetShowMode() == xtpTabButtonAlways)
            nAvailable -= orient.Main(pStrip->GetButton(i)->GetSize());
    if (m_nLayout == xtpTabLayoutCompressed)
        ShrinkTabsToFit(pStrip, nAvailable);
    if (pStrip->m_nScrollOffset < 0)
    {
        const CRect rcRow = CalcRowRect(pStrip, rc);
        pStrip->m_nScrollOffset =
            XTPTabFitScrollOffset(pStrip->m_nScrollOffset, pStrip->GetTotalTabLength(), orient.MainLength(rcRow));
    }

    int nAlong = orient.MainStart(rc) + rcMargins.left + pStrip->m_nScrollOffset;
    for (int i = 0; i < pStrip->GetItemCount(); i++)
    {
        CXTPTabStripItem* pItem = pStrip->GetItem(i);
        CRect rcItem;
        orient.MainStart(rcItem) = nAlong;
        orient.MainEnd(rcItem) = nAlong + pItem->GetLength();
        orient.CrossStart(rcItem) = nTop;
        orient.CrossEnd(rcItem) = nTop + nRowHeight;
        pItem->SetRect(rcItem);
        nAlong += pItem->GetLength();
    }
    orient.MainEnd(pStrip->m_rcHeader) = orient.MainEnd(CalcRowRect(pStrip, rc));
}

void CXTPTabStripPainter::ShrinkTabsToFit(CXTPTabStrip* pStrip, int nAvailable)
{
    std::vector<int> lengths;
    for (int i = 0; i < pStrip->GetItemCount(); i++)
        lengths.push_back(pStrip->GetItem(i)->GetLength());
    XTPTabShrinkToFit(lengths, nAvailable);
    for (int i = 0; i < pStrip->GetItemCount(); i++)
        pStrip->GetItem(i)->SetLength(lengths[i]);
}

void CXTPTabStripPainter::EnsureVisible(CXTPTabStrip* pStrip, CXTPTabStripItem* pItem)
{
    const CRect rcHeader = pStrip->GetHeaderRect(), rcItem = pItem->GetRect();
    if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty())
        return;
    const CXTPOrientation orient(!pStrip->IsHorizontal());
    pStrip->SetScrollOffset(XTPTabEnsureVisibleOffset(pStrip->GetScrollOffset(), orient.MainStart(rcItem),
                                                      orient.MainEnd(rcItem), orient.MainStart(rcHeader), orient.MainEnd(rcHeader),
                                                      m_pShape->GetMargins().left));
}

// ---- Painting ------------------------------------------------------------------------------

void CXTPTabStripPainter::DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    m_pShape->DrawTabStrip(pStrip, pDC, rc);
}

void CXTPTabStripPainter::PaintTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc)
{
    const int nPosition = pStrip->GetPosition();
    const CXTPOrientation orient(!XTPTabIsHorizontal(nPosition));
    if (pStrip->HasClientFrame())
    {
        pDC->Draw3dRect(rc, m_pColors->m_clrBorder, m_pColors->m_clrBorder);
        XTPTabDeflateSides(rc, CRect(1, 1, 1, 1), nPosition);
        pDC->Draw3dRect(rc, m_pColors->m_clrFace, m_pColors->m_clrFace);
        XTPTabDeflateSides(rc, CRect(1, 0, 1, 1), nPosition);
    }
    if (m_bFillBackground)
        pDC->FillSolidRect(rc, m_pColors->m_clrFace);
    XTPTabDeflateSides(rc, m_rcHeaderMargin, nPosition);
    pDC->SetBkMode(TRANSPARENT);

    CRect rcHeader = m_bFillBackground ? m_pShape->FillClient(pStrip, pDC, rc) : m_pShape->GetHeaderRect(rc, pStrip);
    for (int i = 0; i < pStrip->GetButtonCount(); i++)
    {
        const CRect rcButton = pStrip->GetButton(i)->GetRect();
        if (!rcButton.IsRectEmpty())
            orient.MainEnd(rcHeader) = std::min(orient.MainEnd(rcHeader), orient.MainStart(rcButton));
    }

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcHeader);
    m_pColors->ClipHeader(pDC, rcHeader, pStrip);
    CXTPTabStripItem* pSelected = NULL;
    for (int i = pStrip->GetItemCount() - 1; i >= 0; i--)
    {
        CXTPTabStripItem* pItem = pStrip->GetItem(i);
        CRect rcVisible;
        if (!pItem->IsVisible() || !rcVisible.IntersectRect(pItem->GetRect(), rcHeader))
            continue;
        m_pShape->DrawSingleTab(pDC, pItem);
        if (pItem->IsSelected())
            pSelected = pItem;
    }
    // The selected tab lies on top of its neighbours.
    if (pSelected != NULL)
        m_pShape->DrawSingleTab(pDC, pSelected);
    pDC->RestoreDC(nSaved);

    for (int i = pStrip->GetButtonCount() - 1; i >= 0; i--)
        pStrip->GetButton(i)->Draw(pDC);
}

void CXTPTabStripPainter::FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect)
{
    m_pColors->FillButton(pDC, pButton, pRect);
}

// ---- Tab content ---------------------------------------------------------------------------

int CXTPTabStripPainter::GetTextWidth(CDC* pDC, const CString& strText, UINT nFormat)
{
    CString strMeasured = strText;
    if ((nFormat & DT_NOPREFIX) == 0)
        XTPTabStripMnemonics(strMeasured);
    return pDC->GetTextExtent(strMeasured).cx;
}

void CXTPTabStripPainter::DrawTextMiddleEllipsis(CDC* pDC, const CString& strText, CRect rc, UINT nFormat)
{
    if (strText.Find('\\') >= 0)
    {
        pDC->DrawText(strText, rc, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    const CString strShown = XTPTabMiddleEllipsis(
        strText, rc.Width(), [&](const CString& strPart) { return GetTextWidth(pDC, strPart, nFormat); });
    pDC->DrawText(strShown, rc, nFormat);
}

int CXTPTabStripPainter::MeasureCaption(CDC* pDC, const CString& strText)
{
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strText, rc, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | (m_bNoPrefix ? DT_NOPREFIX : 0));
    return rc.Width();
}

int CXTPTabStripPainter::GetWidestCaption(CDC* pDC, CXTPTabStrip* pStrip)
{
    const BOOL bVertical = !pStrip->IsHorizontal();
    CXTPFontDC font(pDC, m_bBoldSelected ? GetBoldFont(bVertical) : GetFont(bVertical));
    int nWidest = 0;
    for (int i = 0; i < pStrip->GetItemCount(); i++)
        nWidest = std::max(nWidest, MeasureCaption(pDC, pStrip->GetItem(i)->GetText()));
    return nWidest;
}

int CXTPTabStripPainter::MeasureItem(CDC* pDC, CXTPTabStripItem* pItem, BOOL bHasIcon)
{
    CXTPTabStrip* pStrip = pItem->GetStrip();
    const CXTPOrientation orient(!pStrip->IsHorizontal());
    CSize szNormal, szMinimum, szMaximum;
    pStrip->GetTabSizes(&szNormal, &szMinimum, &szMaximum);
    const int nIconSide = bHasIcon ? orient.Main(m_szIcon) : 0;
    switch (m_nLayout)
    {
    case xtpTabLayoutFixed:
        return CalcTabLength(szNormal.cx, szMinimum.cx, szMaximum.cx);
    case xtpTabLayoutSelectedText:
        if (!pItem->IsSelected())
            return CalcTabLength(orient.Main(m_szIcon) + 8, szMinimum.cx, szMaximum.cx);
        return CalcTabLength(GetWidestCaption(pDC, pStrip) + nIconSide + 12, szMinimum.cx, szMaximum.cx);
    default:
        return CalcTabLength(MeasureCaption(pDC, pItem->GetText()) + nIconSide + 12, szMinimum.cx, szMaximum.cx);
    }
}

int CXTPTabStripPainter::DrawItemContent(CDC* pDC, CXTPTabStripItem* pItem, CRect rc, BOOL bDraw)
{
    CXTPTabStrip* pStrip = pItem->GetStrip();
    const int nPosition = pStrip->GetPosition();
    const CXTPOrientation orient(!XTPTabIsHorizontal(nPosition));
    const BOOL bVertical = orient.IsVertical();
    const BOOL bBold = m_bBoldSelected && pItem->IsSelected() && pStrip->IsActive();
    CXTPFontDC font(pDC, bBold ? GetBoldFont(bVertical) : GetFont(bVertical));
    CSize szIcon = m_szIcon;
    const BOOL bHasIcon = pStrip->DrawItemIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon);
    if (!bDraw)
        return MeasureItem(pDC, pItem, bHasIcon);

    m_pColors->SetTextColor(pDC, pItem);
    XTPTabDeflateSides(rc, CRect(m_rcItemInset.left + 6, m_rcItemInset.top, 0, m_rcItemInset.bottom), nPosition);
    if (bHasIcon)
    {
        const CPoint ptIcon = orient.MakePoint(orient.MainStart(rc) - 1, orient.Cross(rc.CenterPoint()) - orient.Cross(szIcon) / 2);
        if (orient.MainLength(rc) > orient.Main(szIcon))
            pStrip->DrawItemIcon(pDC, ptIcon, pItem, TRUE, szIcon);
        orient.MainStart(rc) += orient.Main(szIcon) + 2;
    }
    const BOOL bShowText = m_nLayout != xtpTabLayoutSelectedText || pItem->IsSelected();
    if (bShowText)
        DrawItemCaption(pDC, pItem, rc);
    return 0;
}

void CXTPTabStripPainter::DrawItemCaption(CDC* pDC, CXTPTabStripItem* pItem, CRect rc)
{
    CString strCaption = pItem->GetText();
    const UINT nNoPrefix = m_bNoPrefix ? DT_NOPREFIX : 0;
    if (pItem->GetStrip()->IsHorizontal())
    {
        if (rc.right <= rc.left)
            return;
        rc.right -= m_rcItemInset.right + 2;
        const UINT nFormat = DT_SINGLELINE | DT_VCENTER | nNoPrefix;
        if (m_bMiddleEllipsis)
            DrawTextMiddleEllipsis(pDC, strCaption, rc, nFormat);
        else
            pDC->DrawText(strCaption, rc, nFormat | DT_END_ELLIPSIS);
        return;
    }
    if (rc.bottom <= rc.top + 8)
        return;
    // The turned caption runs down from rc.left, its glyphs to the left of
    // it: centre it across the tab and give it the tab's length as width.
    const CSize szCaption = pDC->GetTextExtent(strCaption);
    const int nRightSide = pItem->GetStrip()->GetPosition() == xtpTabPositionRight ? 1 : 0;
    rc.left = rc.right - (rc.Width() - szCaption.cy - nRightSide) / 2;
    rc.right = rc.left + rc.Height();
    rc.bottom -= m_rcItemInset.right + 2;
    if (!m_bNoPrefix)
        XTPTabStripMnemonics(strCaption);
    const UINT nFormat = DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE;
    if (m_bMiddleEllipsis)
        DrawTextMiddleEllipsis(pDC, strCaption, rc, nFormat);
    else
        pDC->DrawText(strCaption, rc, nFormat | DT_END_ELLIPSIS);
}
