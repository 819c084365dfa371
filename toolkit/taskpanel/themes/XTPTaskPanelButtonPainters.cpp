#include "toolkit/taskpanel/themes/XTPTaskPanelButtonPainters.h"

#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <algorithm>

namespace {

const int kCaptionTextInset = 3;
// The toolkit's colours these themes read.
const int kColorLightFace = 30;
const int kColorHot = 31;
const int kColorPressed = 33;
const int kColorBarLine = 54;

COLORREF SysColor(int nIndex)
{
    return XTPGetColor(nIndex);
}

// The hot face of the classic buttons: between the face and its highlight,
// the face's dominant channel kept.
COLORREF ClassicHotColor()
{
    const COLORREF f = SysColor(COLOR_BTNFACE), l = SysColor(COLOR_BTNHIGHLIGHT);
    const int r = GetRValue(f), g = GetGValue(f), b = GetBValue(f);
    const int m = (r >= g && r >= b) ? r : std::min(r, std::min(g, b));
    return RGB(((r + GetRValue(l)) / 2) & 0xFF, ((2 * g - m + GetGValue(l)) / 2) & 0xFF,
               ((2 * b - m + GetBValue(l)) / 2) & 0xFF);
}

// The caption height of the text " " in the font plus nExtra, at least nLeast.
int CaptionHeightOf(CSize szSpace, int nExtra, int nLeast)
{
    return std::max((int)szSpace.cy + nExtra, nLeast);
}

} // namespace

// ---- theme 7 ----

CXTPTaskPanelButtonPainter::CXTPTaskPanelButtonPainter()
    : m_nCaptionFormat(DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS)
{
    m_bBoldCaption = FALSE;
    m_bGroupFrame = FALSE;
    m_nHighlightStyle = xtpTaskPanelHighlightClassic;
    m_bInvertDragRect = TRUE;
    m_bClassicScrollButton = TRUE;
    m_rcGroupInnerMargins.SetRect(0, 4, 0, 2);
    m_rcControlMargins.SetRect(2, 2, 2, 2);
    m_nGroupSpacing = 1;
    CXTPTaskPanelButtonPainter::RefreshMetrics();
}

void CXTPTaskPanelButtonPainter::RefreshMetrics()
{
    CXTPTaskPanelListPainter::RefreshMetrics();
    m_clrBackground.SetStandardValue(SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNFACE));
    m_groupNormal.clrClient.SetStandardValue(SysColor(COLOR_BTNFACE));
    m_groupNormal.clrClientBorder.SetStandardValue(SysColor(COLOR_BTNFACE));
    m_groupNormal.clrClientLink.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_groupNormal.clrClientLinkHot.SetStandardValue(SysColor(COLOR_HIGHLIGHT));
    CopyNormalToSpecialColors();
    m_nCaptionHeight = CaptionHeightOf(MeasureCaptionSpace(&m_fntCaption), 5, 18);
    if (m_nHighlightStyle == xtpTaskPanelHighlightClassic)
    {
        m_clrHighlightHot.SetStandardValue(ClassicHotColor());
        m_clrHighlightBorder.SetStandardValue(SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
    }
}

int CXTPTaskPanelButtonPainter::DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw)
{
    // Measuring: the caption height, or the base's strip for a hidden caption.
    if (!bDraw)
        return CXTPTaskPanelPainter::DrawGroupCaption(pDC, pGroup, FALSE);
    const CRect rcCaption = pGroup->GetCaptionRect();
    if (rcCaption.IsRectEmpty() || !pGroup->IsCaptionVisible())
        return 0;
    CXTPFontDC font(pDC, &m_fntCaption);
    CRect rcText = DrawCaptionButton(pDC, pGroup, rcCaption);
    rcText.DeflateRect(kCaptionTextInset, 0);
    const COLORREF clrText = pGroup->GetEnabled() ? (COLORREF)m_groupNormal.clrHeadTextNormal : SysColor(COLOR_GRAYTEXT);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    DrawItemCaption(pDC, pGroup, rcText, m_nCaptionFormat);
    if (pGroup->IsItemDragging())
        pDC->InvertRect(rcCaption);
    if (pGroup->IsItemDragOver()
        && (m_bInvertDragRect || !pGroup->IsExpanded() || pGroup->GetItemCount() == 0))
        DrawDragArrow(pDC, pGroup, rcCaption, TRUE);
    if (m_bInvertDragRect && pGroup->IsDragOverGroup())
        pDC->InvertRect(rcCaption);
    if (IsFocusCueShown(pGroup))
    {
        CRect rcFocus = rcText;
        rcFocus.InflateRect(1, -2);
        pDC->SetTextColor(clrText);
        pDC->DrawFocusRect(rcFocus);
    }
    return rcCaption.Height();
}

CRect CXTPTaskPanelButtonPainter::DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    pDC->FillSolidRect(rc, SysColor(COLOR_BTNFACE));
    if (pGroup->IsItemHot() && pGroup->IsItemPressed())
    {
        pDC->Draw3dRect(rc, SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rcInner, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNFACE));
        rc.OffsetRect(1, 1);
        return rc;
    }
    pDC->Draw3dRect(rc, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
    return rc;
}

// ---- theme 8 ----

CXTPTaskPanelTreeButtonPainter::CXTPTaskPanelTreeButtonPainter()
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlat;
    m_bBoldCaption = TRUE;
    m_bInvertDragRect = FALSE;
    m_bClassicScrollButton = FALSE;
    CXTPTaskPanelTreeButtonPainter::RefreshMetrics();
}

void CXTPTaskPanelTreeButtonPainter::FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel)
{
    XTPDrawHelpers()->GradientFill(pDC, GetPanelFillRect(pPanel), SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNHIGHLIGHT),
                                   TRUE);
}

void CXTPTaskPanelTreeButtonPainter::FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    XTPDrawHelpers()->GradientFill(pDC, rc, SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNHIGHLIGHT), TRUE);
    DrawClientBitmapAndItems(pDC, pGroup, rc);
}

CRect CXTPTaskPanelTreeButtonPainter::DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    if (!IsFocusCueShown(pGroup))
    {
        pDC->FillSolidRect(rc, SysColor(COLOR_BTNFACE));
        XTPDrawHelpers()->GradientFill(pDC, CRect(rc.left, rc.bottom - 2, rc.right, rc.bottom - 1),
                                       SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNHIGHLIGHT), TRUE);
    }
    else
    {
        const BOOL bHot = pGroup->IsItemHot(), bPressed = pGroup->IsItemPressed();
        const COLORREF clrFill = bHot ? (COLORREF)m_clrHighlightPressed
                                 : bPressed ? (COLORREF)m_clrHighlightHot
                                            : (COLORREF)m_clrHighlightSelected;
        pDC->FillSolidRect(rc, clrFill);
        pDC->Draw3dRect(rc, m_clrHighlightBorder.clrLight, m_clrHighlightBorder.clrLight);
    }
    // The tree's box: a rounded outline, a white face, a minus and, closed, a plus.
    const int nCenter = rc.CenterPoint().y;
    const CRect b(rc.left + 6, nCenter - 6, rc.left + 15, nCenter + 3);
    const int w = b.Width(), h = b.Height();
    const COLORREF clrShadow = SysColor(COLOR_BTNSHADOW), clrWhite = RGB(255, 255, 255), clrBlack = RGB(0, 0, 0);
    pDC->FillSolidRect(b, SysColor(COLOR_BTNFACE));
    pDC->FillSolidRect(b.left + 1, b.top, w - 2, 1, clrShadow);
    pDC->FillSolidRect(b.left + 1, b.bottom - 1, w - 2, 1, clrShadow);
    pDC->FillSolidRect(b.left, b.top + 1, 1, h - 2, clrShadow);
    pDC->FillSolidRect(b.right - 1, b.top + 1, 1, h - 2, clrShadow);
    pDC->FillSolidRect(b.left + 1, b.top + 1, w - 2, 3, clrWhite);
    pDC->FillSolidRect(b.left + 1, b.top + 4, w - 4, 2, clrWhite);
    pDC->FillSolidRect(b.left + 2, b.top + 4, w - 4, 1, clrBlack);
    if (!pGroup->IsExpanded())
        pDC->FillSolidRect(b.left + 4, b.top + 2, 1, h - 4, clrBlack);
    return CRect(rc.left + 19, rc.top, rc.right, rc.bottom - 2);
}

// ---- theme 9 ----

CXTPTaskPanelDarkButtonPainter::CXTPTaskPanelDarkButtonPainter()
{
    m_rcGroupInnerMargins.SetRect(8, 6, 8, 6);
    m_rcControlMargins.SetRect(0, 0, 0, 0);
    m_nGroupSpacing = 0;
    m_nHighlightStyle = xtpTaskPanelHighlightClassic;
    m_bInvertDragRect = FALSE;
    m_bClassicScrollButton = FALSE;
    m_bEmbossedDisabledText = TRUE;
    CXTPTaskPanelDarkButtonPainter::RefreshMetrics();
}

void CXTPTaskPanelDarkButtonPainter::RefreshMetrics()
{
    CXTPTaskPanelButtonPainter::RefreshMetrics();
    m_clrBackground.SetStandardValue(SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNSHADOW));
    m_groupNormal.clrClient.SetStandardValue(SysColor(COLOR_BTNSHADOW));
    m_groupNormal.clrClientText.SetStandardValue(SysColor(COLOR_WINDOW));
    m_groupNormal.clrClientLink.SetStandardValue(SysColor(COLOR_WINDOW));
    m_groupNormal.clrClientLinkHot.SetStandardValue(SysColor(COLOR_WINDOW));
    m_nCaptionHeight = std::max(m_nCaptionHeight, 20);
    if (m_nHighlightStyle == xtpTaskPanelHighlightClassic)
    {
        m_clrHighlightHot.SetStandardValue(SysColor(COLOR_BTNSHADOW));
        m_clrHighlightBorder.SetStandardValue(SysColor(COLOR_BTNTEXT), SysColor(COLOR_BTNFACE));
    }
    CopyNormalToSpecialColors();
}

// ---- theme 10 ----

CXTPTaskPanelFlatButtonPainter::CXTPTaskPanelFlatButtonPainter()
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlat;
    m_bEmbossedDisabledText = FALSE;
    CXTPTaskPanelFlatButtonPainter::RefreshMetrics();
}

void CXTPTaskPanelFlatButtonPainter::RefreshMetrics()
{
    CXTPTaskPanelDarkButtonPainter::RefreshMetrics();
    m_clrBackground.SetStandardValue(XTPGetColor(kColorLightFace), XTPGetColor(kColorLightFace));
    m_groupNormal.clrClient.SetStandardValue(XTPGetColor(kColorLightFace));
    m_groupNormal.clrClientText.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_groupNormal.clrClientLink.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_groupNormal.clrClientLinkHot.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_nCaptionHeight = std::max(m_nCaptionHeight, 20);
    CopyNormalToSpecialColors();
}

// ---- theme 11 ----

CXTPTaskPanelGradientButtonPainter::CXTPTaskPanelGradientButtonPainter()
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlatScheme;
    m_bEmbossedDisabledText = FALSE;
    CXTPTaskPanelGradientButtonPainter::RefreshMetrics();
}

void CXTPTaskPanelGradientButtonPainter::RefreshMetrics()
{
    CXTPTaskPanelFlatButtonPainter::RefreshMetrics();
    m_grcCaptionFacePressed.SetStandardValue(XTPGetColor(kColorPressed));
    m_grcCaptionFaceHot.SetStandardValue(XTPGetColor(kColorHot));
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    if (!XTPColorManager()->IsLunaColorsDisabled() && XTPIsColorScheme(nScheme))
    {
        static const COLORREF kFace[3] = {RGB(216, 231, 252), RGB(226, 231, 191), RGB(223, 223, 234)};
        m_clrBackground.SetStandardValue(kFace[nScheme - 1], kFace[nScheme - 1]);
        m_groupNormal.clrClient.SetStandardValue(kFace[nScheme - 1]);
        m_grcCaptionFacePressed.SetStandardValue(RGB(232, 127, 8), RGB(247, 218, 124));
        m_grcCaptionFaceHot.SetStandardValue(RGB(255, 255, 220), RGB(247, 192, 91));
    }
    CopyNormalToSpecialColors();
}

BOOL CXTPTaskPanelGradientButtonPainter::FillActiveCaptionFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    const BOOL bHot = pGroup->IsItemHot(), bPressed = pGroup->IsItemPressed();
    if (!bHot && !bPressed)
        return FALSE;
    XTPDrawHelpers()->GradientFill(pDC, rc, bPressed ? m_grcCaptionFacePressed : m_grcCaptionFaceHot, FALSE);
    return TRUE;
}

CRect CXTPTaskPanelGradientButtonPainter::DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    if (!FillActiveCaptionFace(pDC, pGroup, rc))
    {
        const CXTPPaintManagerColorGradient& grc = XTPColorManager()->grcGradient[1];
        XTPDrawHelpers()->GradientFill(pDC, rc, grc.clrDark, grc.clrLight, FALSE);
    }
    pDC->Draw3dRect(rc, SysColor(COLOR_BTNHIGHLIGHT), XTPGetColor(kColorBarLine));
    return rc;
}

// ---- theme 12 ----

CXTPTaskPanelGradientBarPainter::CXTPTaskPanelGradientBarPainter()
{
    m_nCaptionFormat = DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    CXTPTaskPanelGradientBarPainter::RefreshMetrics();
}

void CXTPTaskPanelGradientBarPainter::RefreshMetrics()
{
    CXTPTaskPanelGradientButtonPainter::RefreshMetrics();
    m_nCaptionHeight = CaptionHeightOf(MeasureCaptionSpace(&m_fntCaption), 3, 22);
    m_groupNormal.clrClient.SetStandardValue(SysColor(COLOR_WINDOW));
    m_groupNormal.clrClientLink.SetStandardValue(SysColor(COLOR_WINDOW));
}

void CXTPTaskPanelGradientBarPainter::FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel)
{
    XTPDrawHelpers()->GradientFill(pDC, GetPanelFillRect(pPanel), XTPColorManager()->grcGradient[0], FALSE);
}

void CXTPTaskPanelGradientBarPainter::FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    XTPDrawHelpers()->GradientFill(pDC, rc, XTPColorManager()->grcGradient[0], FALSE);
    DrawClientBitmapAndItems(pDC, pGroup, rc);
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, XTPGetColor(kColorBarLine));
}

CRect CXTPTaskPanelGradientBarPainter::DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    if (!FillActiveCaptionFace(pDC, pGroup, rc))
        XTPDrawHelpers()->GradientFill(pDC, rc, XTPColorManager()->grcGradient[3], FALSE);
    if (pGroup->GetIndex() > 0)
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, XTPGetColor(kColorBarLine));
    return rc;
}
