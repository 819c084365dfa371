#include "toolkit/taskpanel/themes/XTPTaskPanelListPainters.h"

#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"

namespace {

const int kCaptionTextIndent = 13;
const int kCaptionTextTop = 5;
const int kCaptionGap = 5;
const UINT kCaptionFormat = DT_WORDBREAK | DT_NOPREFIX;
// The group frame reaches past the groups: left, up, right, down.
const CRect kGroupFrameReach(1, 3, 1, 8);
const CSize kGroupFrameCorner(10, 10);

} // namespace

// ---- theme 3 ----

CXTPTaskPanelListPainter::CXTPTaskPanelListPainter() : m_bGroupFrame(TRUE), m_bFullWidthCaption(FALSE)
{
    CXTPTaskPanelListPainter::RefreshMetrics();
}

void CXTPTaskPanelListPainter::RefreshMetrics()
{
    CXTPTaskPanelPainter::RefreshMetrics();
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonTriangle;
    m_clrBackground.SetStandardValue(XTPGetColor(COLOR_BACKGROUND), XTPGetColor(COLOR_BACKGROUND));
    m_groupNormal.clrClient.SetStandardValue(XTPGetColor(COLOR_WINDOW));
    m_groupNormal.clrClientBorder.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_groupNormal.clrClientLink.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_groupNormal.clrClientLinkHot.SetStandardValue(XTPGetColor(COLOR_HIGHLIGHT));
}

void CXTPTaskPanelListPainter::FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel)
{
    CXTPTaskPanelPainter::FillTaskPanel(pDC, pPanel);
    if (!m_bGroupFrame || pPanel->GetGroupCount() == 0)
        return;
    CRect rcFrame(pPanel->GetAt(0)->GetCaptionRect().TopLeft(),
                  pPanel->GetAt(pPanel->GetGroupCount() - 1)->GetClientRect().BottomRight());
    rcFrame.InflateRect(kGroupFrameReach.left, kGroupFrameReach.top, kGroupFrameReach.right, kGroupFrameReach.bottom);
    CXTPPenDC pen(*pDC, m_groupNormal.clrClientBorder);
    CXTPBrushDC brush(*pDC, m_groupNormal.clrClient);
    pDC->RoundRect(rcFrame, CPoint(kGroupFrameCorner.cx, kGroupFrameCorner.cy));
}

CRect CXTPTaskPanelListPainter::CaptionTextRect(CXTPTaskPanelGroup* pGroup, CRect rcCaption)
{
    CRect rc = rcCaption;
    rc.right -= GetExpandButtonWidth(pGroup, rcCaption);
    if (!m_bFullWidthCaption)
        rc.DeflateRect(kCaptionTextIndent, 0);
    return rc;
}

int CXTPTaskPanelListPainter::DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw)
{
    // A hidden caption takes the base's strip (or nothing), not its text's
    // height: hiding a caption leaves no empty band in the list.
    if (!pGroup->IsCaptionVisible())
        return bDraw ? 0 : CXTPTaskPanelPainter::DrawGroupCaption(pDC, pGroup, FALSE);
    CXTPFontDC font(pDC, &m_fntCaption);
    const CString strCaption = pGroup->GetCaption().IsEmpty() ? CString(" ") : pGroup->GetCaption();
    if (!bDraw)
    {
        CRect rcText = CaptionTextRect(pGroup, pGroup->GetTargetCaptionRect());
        rcText.top = rcText.bottom = 0;
        pDC->DrawText(strCaption, rcText, kCaptionFormat | DT_CALCRECT);
        return rcText.Height() + kCaptionGap;
    }
    const CRect rcCaption = pGroup->GetCaptionRect();
    if (rcCaption.IsRectEmpty())
        return 0;
    CRect rcText = DrawExpandButton(pDC, pGroup, rcCaption);
    if (!m_bFullWidthCaption)
        rcText.DeflateRect(kCaptionTextIndent, kCaptionTextTop, kCaptionTextIndent, 0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pGroup->GetEnabled() ? (COLORREF)m_groupNormal.clrClientText : XTPGetColor(COLOR_GRAYTEXT));
    DrawItemCaption(pDC, pGroup, rcText, kCaptionFormat);
    if (m_bFullWidthCaption)
        pDC->FillSolidRect(rcCaption.left, rcCaption.bottom - 1, rcCaption.Width(), 1, m_groupNormal.clrHead.clrLight);
    if (IsFocusCueShown(pGroup))
    {
        CRect rcFocus = rcText;
        pDC->DrawText(pGroup->GetCaption(), rcFocus, kCaptionFormat | DT_CALCRECT);
        pDC->SetTextColor(m_groupNormal.clrClientText);
        pDC->DrawFocusRect(rcFocus);
    }
    return 0;
}

void CXTPTaskPanelListPainter::FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    pDC->FillSolidRect(rc, m_groupNormal.clrClient);
    DrawClientBitmapAndItems(pDC, pGroup, rc);
}

// ---- theme 4 ----

CXTPTaskPanelFlatListPainter::CXTPTaskPanelFlatListPainter()
{
    m_bGroupFrame = FALSE;
    m_bFullWidthCaption = TRUE;
    m_nHighlightStyle = xtpTaskPanelHighlightFlat;
    CXTPTaskPanelFlatListPainter::RefreshMetrics();
}

void CXTPTaskPanelFlatListPainter::RefreshMetrics()
{
    CXTPTaskPanelListPainter::RefreshMetrics();
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonNone;
    m_clrBackground.SetStandardValue(XTPGetColor(41), XTPGetColor(41));
    m_groupNormal.clrClient.SetStandardValue(XTPGetColor(41));
    m_groupNormal.clrHead.SetStandardValue(XTPGetColor(COLOR_BTNSHADOW), XTPGetColor(COLOR_BTNSHADOW));
    m_groupNormal.clrClientLink.SetStandardValue(RGB(0, 0, 255));
    m_groupNormal.clrClientLinkHot.SetStandardValue(RGB(0, 0, 255));
    CopyNormalToSpecialColors();
}

// ---- theme 5 ----

CXTPTaskPanelSchemeListPainter::CXTPTaskPanelSchemeListPainter()
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlatScheme;
    CXTPTaskPanelSchemeListPainter::RefreshMetrics();
}

void CXTPTaskPanelSchemeListPainter::RefreshMetrics()
{
    CXTPTaskPanelFlatListPainter::RefreshMetrics();
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonNone;
    // The face and caption colours of each scheme.
    static const COLORREF kFace[3] = {RGB(221, 236, 254), RGB(243, 242, 231), RGB(238, 238, 244)};
    static const COLORREF kCaption[3] = {RGB(123, 164, 224), RGB(188, 187, 177), RGB(161, 160, 187)};
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    const COLORREF clrFace = XTPIsColorScheme(nScheme) ? kFace[nScheme - 1]
                                               : CXTPColorManager::BlendColors(XTPGetColor(COLOR_BTNFACE),
                                                                               XTPGetColor(COLOR_WINDOW), 50);
    const COLORREF clrCaption = XTPIsColorScheme(nScheme) ? kCaption[nScheme - 1] : XTPGetColor(COLOR_BTNSHADOW);
    m_clrBackground.SetStandardValue(clrFace, clrFace);
    m_groupNormal.clrClient.SetStandardValue(clrFace);
    m_groupNormal.clrHead.SetStandardValue(clrCaption, clrCaption);
    m_groupNormal.clrClientLink.SetStandardValue(RGB(0, 0, 255));
    m_groupNormal.clrClientLinkHot.SetStandardValue(RGB(0, 0, 255));
    CopyNormalToSpecialColors();
}

// ---- theme 6 ----

CXTPTaskPanelShellListPainter::CXTPTaskPanelShellListPainter() : m_bRoundButtons(FALSE)
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlatScheme;
    CXTPTaskPanelShellListPainter::RefreshMetrics();
}

void CXTPTaskPanelShellListPainter::RefreshMetrics()
{
    CXTPTaskPanelListPainter::RefreshMetrics();
    m_bRoundButtons = FALSE;
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    if (!m_bFallbackColors && !XTPIsColorScheme(nScheme))
        return;
    m_bRoundButtons = TRUE;
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonRound;
    const XTPTaskPanelShellColors colors = XTPTaskPanelShellColorsOf(XTPIsColorScheme(nScheme) ? nScheme : 0);
    m_groupNormal.clrClientBorder.SetStandardValue(XTPGetColor(COLOR_WINDOW));
    m_clrBackground.SetStandardValue(colors.clrBackLight, colors.clrBackDark);
    m_groupNormal.clrClient.SetStandardValue(colors.clrClient);
    m_groupNormal.clrClientLink.SetStandardValue(colors.clrLink);
    m_groupNormal.clrClientLinkHot.SetStandardValue(colors.clrLinkHot);
    CopyNormalToSpecialColors();
    LoadShellStyleBitmaps();
}

CRect CXTPTaskPanelShellListPainter::DrawExpandButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rcCaption)
{
    if (!m_bRoundButtons)
        return CXTPTaskPanelPainter::DrawExpandButton(pDC, pGroup, rcCaption);
    if (!pGroup->IsExpandable() || rcCaption.Width() < 26)
        return rcCaption;
    return DrawRoundExpandButton(pDC, rcCaption, FALSE, pGroup->IsExpanded(), pGroup->IsItemHot());
}
