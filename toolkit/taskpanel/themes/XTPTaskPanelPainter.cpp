// The base painter: metrics, colours, the panel's background, group
// captions and client areas, scroll buttons and insertion marks. Items are
// drawn in XTPTaskPanelPainterItems.cpp.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include "framework/Window.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <algorithm>

namespace {

// A caption is never lower than this in the base look.
const int kMinCaptionHeight = 25;
// A caption narrower than this has no expand button.
const int kExpandButtonMinCaption = 26;
const int kTextIndent = 13;
const COLORREF kBlack = RGB(0, 0, 0);

COLORREF SysColor(int nIndex)
{
    return XTPGetColor(nIndex);
}

} // namespace

CXTPTaskPanelPainter::CXTPTaskPanelPainter()
    : m_bFallbackColors(TRUE), m_nExpandButtonStyle(xtpTaskPanelExpandButtonChevron), m_hExpandIcon(NULL),
      m_hExpandIconSpecial(NULL), m_bExpandBitmapsLoaded(FALSE), m_bExpandImagesPending(FALSE),
      m_nExpandImagesScheme(0), m_clrExpandIcon(0), m_clrExpandIconSpecial(0), m_bBoldCaption(TRUE),
      m_rcGroupOuterMargins(0, 0, 0, 0), m_rcGroupInnerMargins(11, 8, 11, 8), m_rcItemOuterMargins(0, 0, 0, 0),
      m_rcItemInnerMargins(2, 2, 2, 2), m_rcControlMargins(12, 12, 12, 12), m_nGroupSpacing(15),
      m_nHighlightStyle(xtpTaskPanelHighlightClassic), m_bInvertDragRect(FALSE), m_bClassicScrollButton(FALSE),
      m_bEmbossedDisabledText(FALSE), m_bCaptionScrollButton(FALSE), m_bOpenClientFrame(FALSE),
      m_bCutLeftCaptionCorner(FALSE), m_bCutRightCaptionCorner(FALSE), m_nCaptionHeight(0), m_pfnAlphaBlend(NULL),
      m_hMsImg32(NULL), m_bStandardCaptionFont(TRUE), m_bStandardItemsFont(TRUE)
{
    for (HBITMAP& hBitmap : m_hExpandBitmaps)
        hBitmap = NULL;
    m_groupNormal.dHeadGradientFactor = m_groupSpecial.dHeadGradientFactor = 0.0;
    m_hMsImg32 = XTPLoadOptionalLibrary("msimg32.dll");
    m_pfnAlphaBlend = (PFNALPHABLEND)XTPGetOptionalProc(m_hMsImg32, "AlphaBlend");
    // Only the base's own metrics here; a derived painter refreshes its own
    // once its constructor has set its defaults.
    CXTPTaskPanelPainter::RefreshMetrics();
}

CXTPTaskPanelPainter::~CXTPTaskPanelPainter()
{
    if (m_hMsImg32 != NULL)
        ::FreeLibrary(m_hMsImg32);
    if (m_hExpandIcon != NULL)
        ::DestroyIcon(m_hExpandIcon);
    if (m_hExpandIconSpecial != NULL)
        ::DestroyIcon(m_hExpandIconSpecial);
    for (HBITMAP hBitmap : m_hExpandBitmaps)
    {
        if (hBitmap != NULL)
            ::DeleteObject(hBitmap);
    }
}

// ---- metrics and colours ----

void CXTPTaskPanelPainter::RefreshMetrics()
{
    XTPColorManager()->RefreshColors(FALSE);
    LOGFONT lf;
    ::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(LOGFONT), &lf, 0);
    if (m_bStandardItemsFont)
        CreateItemFonts(lf);
    if (m_bStandardCaptionFont)
    {
        lf.lfWeight = m_bBoldCaption ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = FALSE;
        CreateCaptionFont(lf);
    }
    m_bOpenClientFrame = FALSE;
    m_groupNormal.dHeadGradientFactor = m_groupSpecial.dHeadGradientFactor = 0.0;

    m_clrBackground.SetStandardValue(SysColor(COLOR_WINDOW), SysColor(COLOR_WINDOW));
    m_groupSpecial.clrHead.SetStandardValue(SysColor(COLOR_ACTIVECAPTION), SysColor(COLOR_ACTIVECAPTION));
    m_groupSpecial.clrClientBorder.SetStandardValue(SysColor(COLOR_ACTIVECAPTION));
    m_groupSpecial.clrHeadTextNormal.SetStandardValue(SysColor(COLOR_CAPTIONTEXT));
    m_groupSpecial.clrHeadTextHot.SetStandardValue(SysColor(COLOR_CAPTIONTEXT));
    m_groupSpecial.clrClient.SetStandardValue(SysColor(COLOR_WINDOW));
    m_groupNormal.clrHead.SetStandardValue(SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNFACE));
    m_groupNormal.clrClientBorder.SetStandardValue(SysColor(COLOR_BTNFACE));
    m_groupNormal.clrHeadTextNormal.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_groupNormal.clrHeadTextHot.SetStandardValue(SysColor(COLOR_BTNTEXT));
    m_groupNormal.clrClient.SetStandardValue(SysColor(COLOR_WINDOW));
    for (TaskPanelGroupColors* pColors : {&m_groupNormal, &m_groupSpecial})
    {
        pColors->clrClientText.SetStandardValue(SysColor(COLOR_BTNTEXT));
        pColors->clrClientLink.SetStandardValue(SysColor(COLOR_BTNTEXT));
        pColors->clrClientLinkHot.SetStandardValue(SysColor(COLOR_HIGHLIGHT));
    }
    m_bCutLeftCaptionCorner = m_bCutRightCaptionCorner = FALSE;
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonChevron;
    RefreshHighlightColors();
}

void CXTPTaskPanelPainter::RefreshHighlightColors()
{
    m_clrHighlightHot.SetStandardValue(XTPGetColor(31));
    m_clrHighlightSelected.SetStandardValue(XTPGetColor(36));
    m_clrHighlightPressed.SetStandardValue(XTPGetColor(33));
    m_clrHighlightBorder.SetStandardValue(XTPGetColor(32));
    if (m_nHighlightStyle == xtpTaskPanelHighlightClassic)
    {
        m_clrHighlightHot.SetStandardValue(SysColor(COLOR_BTNFACE));
        m_clrHighlightBorder.SetStandardValue(RGB(128, 128, 128), RGB(198, 198, 198));
        return;
    }
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    if (m_nHighlightStyle != xtpTaskPanelHighlightFlatScheme || !XTPIsColorScheme(nScheme))
        return;
    m_clrHighlightHot.SetStandardValue(RGB(255, 238, 194));
    m_clrHighlightPressed.SetStandardValue(RGB(254, 128, 62));
    m_clrHighlightSelected.SetStandardValue(RGB(255, 192, 111));
    const COLORREF clrFrame[] = {RGB(0, 0, 128), RGB(63, 93, 56), RGB(75, 75, 111)};
    m_clrHighlightBorder.SetStandardValue(clrFrame[nScheme - xtpSystemThemeBlue]);
}

void CXTPTaskPanelPainter::CreateItemFonts(const LOGFONT& lfBase)
{
    LOGFONT lf = lfBase;
    CFont* fonts[] = {&m_fntItem, &m_fntItemUnderline, &m_fntItemBold, &m_fntItemBoldUnderline};
    for (int i = 0; i < 4; i++)
    {
        lf.lfWeight = i < 2 ? FW_NORMAL : FW_BOLD;
        lf.lfUnderline = (BYTE)(i % 2);
        fonts[i]->DeleteObject();
        fonts[i]->CreateFontIndirect(&lf);
    }
}

void CXTPTaskPanelPainter::CreateCaptionFont(const LOGFONT& lf)
{
    m_fntCaption.DeleteObject();
    m_fntCaption.CreateFontIndirect(&lf);
    m_nCaptionHeight = std::max(kMinCaptionHeight, (int)MeasureCaptionSpace(&m_fntCaption).cy);
}

CSize CXTPTaskPanelPainter::MeasureCaptionSpace(CFont* pFont) const
{
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetWindowDC(hWndDesktop);
    HGDIOBJ hOldFont = ::SelectObject(hDC, pFont->GetSafeHandle());
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, " ", 1, &size);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(hWndDesktop, hDC);
    return size;
}

void CXTPTaskPanelPainter::SetItemFonts(LOGFONT* pLogFont, BOOL bStandardFont)
{
    m_bStandardItemsFont = bStandardFont;
    if (pLogFont != NULL)
        CreateItemFonts(*pLogFont);
}

void CXTPTaskPanelPainter::SetCaptionFont(LOGFONT* pLogFont, BOOL bStandardFont)
{
    m_bStandardCaptionFont = bStandardFont;
    if (pLogFont != NULL)
        CreateCaptionFont(*pLogFont);
}

CFont* CXTPTaskPanelPainter::GetItemFont(CXTPTaskPanelItem* pItem)
{
    if (pItem->IsGroup())
        return &m_fntCaption;
    CXTPTaskPanelGroupItem* pGroupItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItem);
    return pGroupItem != NULL && pGroupItem->IsBold() ? &m_fntItemBold : &m_fntItem;
}

COLORREF CXTPTaskPanelPainter::BlendColors(COLORREF clr1, COLORREF clr2, int nAlpha)
{
    auto channel = [nAlpha](int c1, int c2) {
        return std::max(0, std::min(255, (c1 * nAlpha + c2 * (255 - nAlpha)) / 255));
    };
    return RGB(channel(GetRValue(clr1), GetRValue(clr2)), channel(GetGValue(clr1), GetGValue(clr2)),
               channel(GetBValue(clr1), GetBValue(clr2)));
}

// ---- metrics the layout asks for ----

CRect CXTPTaskPanelPainter::GetItemOuterMargins(CXTPTaskPanelGroupItem* pItem)
{
    return pItem->GetMargins() == XTPUnsetRect ? m_rcItemOuterMargins : pItem->GetMargins();
}

CRect CXTPTaskPanelPainter::GetItemInnerMargins(CXTPTaskPanelItem*)
{
    return m_rcItemInnerMargins;
}

CRect CXTPTaskPanelPainter::GetGroupOuterMargins(CXTPTaskPanelGroup* pGroup)
{
    return pGroup->GetOuterMargins() == XTPUnsetRect ? m_rcGroupOuterMargins : pGroup->GetOuterMargins();
}

CRect CXTPTaskPanelPainter::GetGroupInnerMargins(CXTPTaskPanelGroup* pGroup)
{
    return pGroup->GetInnerMargins() == XTPUnsetRect ? m_rcGroupInnerMargins : pGroup->GetInnerMargins();
}

CRect CXTPTaskPanelPainter::GetControlMargins(CXTPTaskPanel* pPanel)
{
    return pPanel->GetMargins() == XTPUnsetRect ? m_rcControlMargins : pPanel->GetMargins();
}

int CXTPTaskPanelPainter::GetGroupSpacing(CXTPTaskPanel* pPanel)
{
    return pPanel->GetGroupSpacing() == (int)0x80000000 ? m_nGroupSpacing : pPanel->GetGroupSpacing();
}

BOOL CXTPTaskPanelPainter::IsFocusCueShown(CXTPTaskPanelItem* pItem) const
{
    return pItem->IsItemFocused() && pItem->GetTaskPanel()->IsDrawFocusRect();
}

// ---- the panel and its groups ----

CRect CXTPTaskPanelPainter::GetPanelFillRect(CXTPTaskPanel* pPanel)
{
    const CXTPClientRect rcClient(pPanel);
    return CRect(rcClient.left, 0, rcClient.right, std::max((int)rcClient.bottom, pPanel->GetClientHeight()));
}

void CXTPTaskPanelPainter::FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel)
{
    XTPDrawHelpers()->GradientFill(pDC, GetPanelFillRect(pPanel), m_clrBackground, FALSE);
}

int CXTPTaskPanelPainter::DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw)
{
    if (!bDraw)
        return pGroup->IsCaptionVisible() ? m_nCaptionHeight : (m_bOpenClientFrame ? 0 : 1);
    CRect rc = pGroup->GetCaptionRect();
    if (rc.IsRectEmpty())
        return 0;
    if (!pGroup->IsCaptionVisible())
        pDC->FillSolidRect(rc, GetGroupColors(pGroup->IsSpecial())->clrClientBorder);
    else
        DrawVisibleCaption(pDC, pGroup, rc);
    if (pGroup->IsItemDragOver() && (!pGroup->IsExpanded() || pGroup->GetItemCount() == 0))
        DrawDragArrow(pDC, pGroup, rc, TRUE);
    return rc.Height();
}

void CXTPTaskPanelPainter::DrawVisibleCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    TaskPanelGroupColors* pColors = GetGroupColors(pGroup->IsSpecial());
    // The corners are cut out of the clip region, which RestoreDC gives back.
    const int nSaved = pDC->SaveDC();
    if (m_bCutLeftCaptionCorner)
    {
        pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 2, rc.top + 1);
        pDC->ExcludeClipRect(rc.left, rc.top + 1, rc.left + 1, rc.top + 2);
    }
    if (m_bCutRightCaptionCorner)
    {
        pDC->ExcludeClipRect(rc.right - 2, rc.top, rc.right, rc.top + 1);
        pDC->ExcludeClipRect(rc.right - 1, rc.top + 1, rc.right, rc.top + 2);
    }
    pDC->FillSolidRect(rc, pColors->clrHead.clrLight);
    const CRect rcGradient(rc.left + (int)(rc.Width() * pColors->dHeadGradientFactor), rc.top, rc.right,
                           rc.bottom);
    XTPDrawHelpers()->GradientFill(pDC, rcGradient, pColors->clrHead.clrLight, pColors->clrHead.clrDark, TRUE);
    if (IsFocusCueShown(pGroup))
    {
        pDC->SetTextColor(pColors->clrHeadTextNormal);
        CRect rcFocus = rc;
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(rcFocus);
    }
    CXTPFontDC font(pDC, &m_fntCaption);
    CRect rcText = DrawExpandButton(pDC, pGroup, rc);
    const CSize szIcon = pGroup->GetTaskPanel()->GetGroupIconSize();
    CXTPImageManagerIcon* pImage = rcText.Width() > szIcon.cx ? pGroup->GetImage(szIcon.cx) : NULL;
    if (pImage != NULL && pImage->GetWidth() > 0)
    {
        const int nHeight = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        DrawItemImage(pDC, pGroup, CPoint(rcText.left, rcText.bottom - nHeight), pImage,
                      CSize(szIcon.cx, nHeight));
        rcText.left += szIcon.cx - 12;
    }
    rcText.left += kTextIndent;
    rcText.bottom += 2;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(!pGroup->GetEnabled() ? SysColor(COLOR_GRAYTEXT)
                      : pGroup->IsItemHot() ? (COLORREF)pColors->clrHeadTextHot
                                            : (COLORREF)pColors->clrHeadTextNormal);
    DrawItemCaption(pDC, pGroup, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->RestoreDC(nSaved);
}

int CXTPTaskPanelPainter::GetExpandButtonWidth(CXTPTaskPanelGroup* pGroup, CRect rcCaption)
{
    if (!pGroup->IsExpandable() || rcCaption.Width() < kExpandButtonMinCaption)
        return 0;
    switch (m_nExpandButtonStyle)
    {
    case xtpTaskPanelExpandButtonRound:
    case xtpTaskPanelExpandButtonChevron: return 23;
    case xtpTaskPanelExpandButtonTriangle: return 19;
    default: return 0;
    }
}

CRect CXTPTaskPanelPainter::DrawExpandButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rcCaption)
{
    if (!pGroup->IsExpandable() || rcCaption.Width() < kExpandButtonMinCaption)
        return rcCaption;
    const int nCenterY = rcCaption.CenterPoint().y;
    TaskPanelGroupColors* pColors = GetGroupColors(pGroup->IsSpecial());
    if (m_nExpandButtonStyle == xtpTaskPanelExpandButtonRound)
        return DrawRoundExpandButton(pDC, rcCaption, pGroup->IsSpecial(), pGroup->IsExpanded(), pGroup->IsItemHot());
    if (m_nExpandButtonStyle == xtpTaskPanelExpandButtonChevron)
    {
        const CRect rcButton(rcCaption.right - 23, nCenterY - 8, rcCaption.right - 6, nCenterY + 8);
        const BOOL bHot = pGroup->IsItemHot();
        if (bHot)
            pDC->Draw3dRect(rcButton, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
        DrawExpandChevron(pDC, rcButton.CenterPoint(), pGroup->IsExpanded(),
                          bHot ? pColors->clrHeadTextHot : pColors->clrHeadTextNormal);
        rcCaption.right = rcButton.left;
    }
    else if (m_nExpandButtonStyle == xtpTaskPanelExpandButtonTriangle)
    {
        const CPoint p(rcCaption.right - 19, nCenterY + 2);
        const COLORREF clr = m_groupNormal.clrClientText;
        if (pGroup->IsExpanded())
            CXTPDrawHelpers::Triangle(pDC, CPoint(p.x, p.y - 2), CPoint(p.x + 10, p.y - 2), CPoint(p.x + 5, p.y + 3),
                                      clr);
        else
            CXTPDrawHelpers::Triangle(pDC, CPoint(p.x + 3, p.y - 5), CPoint(p.x + 8, p.y), CPoint(p.x + 3, p.y + 5),
                                      clr);
        rcCaption.right = p.x;
    }
    return rcCaption;
}

void CXTPTaskPanelPainter::DrawExpandChevron(CDC* pDC, CPoint pt, BOOL bExpanded, COLORREF clr)
{
    // Four strokes of three points each, relative to pt: two chevrons, each
    // two pixels thick.
    static const POINT kUp[4][3] = {{{-3, -2}, {0, -5}, {4, -1}},
                                    {{-2, -2}, {0, -4}, {3, -1}},
                                    {{-3, 2}, {0, -1}, {4, 3}},
                                    {{-2, 2}, {0, 0}, {3, 3}}};
    static const POINT kDown[4][3] = {{{-3, -4}, {0, -1}, {4, -5}},
                                      {{-2, -4}, {0, -2}, {3, -5}},
                                      {{-3, 0}, {0, 3}, {4, -1}},
                                      {{-2, 0}, {0, 2}, {3, -1}}};
    const POINT(*strokes)[3] = bExpanded ? kUp : kDown;
    CXTPPenDC pen(*pDC, clr);
    for (int i = 0; i < 4; i++)
    {
        pDC->MoveTo(pt.x + strokes[i][0].x, pt.y + strokes[i][0].y);
        pDC->LineTo(pt.x + strokes[i][1].x, pt.y + strokes[i][1].y);
        pDC->LineTo(pt.x + strokes[i][2].x, pt.y + strokes[i][2].y);
    }
}

void CXTPTaskPanelPainter::DrawGroupClient(CDC* pDC, CXTPTaskPanelGroup* pGroup)
{
    const CRect rc = pGroup->GetClientRect();
    if (rc.IsRectEmpty())
        return;
    // While the group opens or closes the whole face is painted and the part
    // of it that shows (its bottom) fades with the height reached.
    const int nFull = pGroup->GetClientHeight();
    const BOOL bFading = pGroup->IsExpandPending() && nFull > 0;
    const int nFaceHeight = bFading ? std::max(nFull, (int)rc.Height()) : rc.Height();
    const int nOffset = bFading ? std::max(0, nFull - (int)rc.Height()) : 0;

    CDC dcFace;
    dcFace.CreateCompatibleDC(pDC);
    CBitmap bmpFace;
    bmpFace.CreateCompatibleBitmap(pDC, rc.Width(), nFaceHeight);
    CBitmap* pOldBitmap = dcFace.SelectObject(&bmpFace);
    dcFace.SetWindowOrg(rc.left, rc.top);
    FillGroupClientFace(&dcFace, pGroup, CRect(rc.left, rc.top, rc.right, rc.top + nFaceHeight));
    dcFace.SetWindowOrg(0, 0);

    const int nAlpha = bFading ? std::min(255, (int)rc.Height() * 255 / nFull) : 255;
    if (m_pfnAlphaBlend == NULL || nAlpha >= 255)
        pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcFace, 0, nOffset, SRCCOPY);
    else
    {
        const BLENDFUNCTION blend = {AC_SRC_OVER, 0, (BYTE)nAlpha, 0};
        m_pfnAlphaBlend(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), dcFace.GetSafeHdc(), 0,
                        nOffset, rc.Width(), rc.Height(), blend);
    }
    dcFace.SelectObject(pOldBitmap);
}

void CXTPTaskPanelPainter::FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    TaskPanelGroupColors* pColors = GetGroupColors(pGroup->IsSpecial());
    pDC->FillSolidRect(rc, pColors->clrClient);
    pGroup->OnDrawClientBitmap(pDC, rc);
    if (!pGroup->IsExpanded() && !pGroup->IsExpandPending())
        return;
    {
        CXTPPenDC pen(*pDC, pColors->clrClientBorder);
        pDC->MoveTo(rc.left, rc.top);
        pDC->LineTo(rc.left, rc.bottom - 1);
        if (m_bOpenClientFrame)
        {
            pDC->LineTo(rc.right, rc.bottom - 1);
            pDC->MoveTo(rc.right - 1, rc.top);
            pDC->LineTo(rc.left, rc.top);
        }
        else
        {
            pDC->LineTo(rc.right - 1, rc.bottom - 1);
            pDC->LineTo(rc.right - 1, rc.top - 1);
        }
    }
    DrawGroupItems(pDC, pGroup, rc);
}

void CXTPTaskPanelPainter::DrawClientBitmapAndItems(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    pGroup->OnDrawClientBitmap(pDC, rc);
    if (pGroup->IsExpanded() || pGroup->IsExpandPending())
        DrawGroupItems(pDC, pGroup, rc);
}

void CXTPTaskPanelPainter::DrawGroupItems(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc)
{
    const int dy = rc.top - pGroup->GetScrollOffsetPos();
    for (int i = pGroup->GetFirstVisibleItem(); i < pGroup->GetItemCount(); i++)
    {
        CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(i);
        if (pItem == NULL)
            continue;
        CRect rcItem = pItem->GetItemRect();
        rcItem.OffsetRect(0, dy);
        // Items go down the group in order: the rest lie below the face.
        if (rcItem.top >= rc.bottom)
            break;
        pItem->OnDrawItem(pDC, rcItem);
    }
}

// ---- scroll buttons and insertion marks ----

void CXTPTaskPanelPainter::DrawScrollButton(CDC* pDC, CXTPTaskPanelScrollButton* pButton)
{
    if (!pButton->IsVisible(m_bCaptionScrollButton))
        return;
    const CRect rc = pButton->rcButton;
    if (m_nHighlightStyle == xtpTaskPanelHighlightClassic || m_bClassicScrollButton)
    {
        pDC->FillSolidRect(rc, SysColor(COLOR_BTNFACE));
        const COLORREF clrShadow = SysColor(COLOR_BTNSHADOW), clrLight = SysColor(COLOR_BTNHIGHLIGHT);
        pDC->Draw3dRect(rc, pButton->bPressed ? clrShadow : clrLight, pButton->bPressed ? clrLight : clrShadow);
    }
    else
    {
        const COLORREF clrFill = pButton->bPressed ? (COLORREF)m_clrHighlightPressed
                                 : pButton->bHot   ? (COLORREF)m_clrHighlightHot
                                                   : (COLORREF)GetGroupColors(pButton->pScrollGroup->IsSpecial())->clrClient;
        pDC->FillSolidRect(rc, clrFill);
        pDC->Draw3dRect(rc, m_clrHighlightBorder.clrLight, m_clrHighlightBorder.clrLight);
    }
    const CPoint c = rc.CenterPoint();
    CPoint pts[3];
    if (pButton->bScrollUp)
    {
        pts[0] = CPoint(c.x - 5, c.y + 1);
        pts[1] = CPoint(c.x - 1, c.y - 3);
        pts[2] = CPoint(c.x + 3, c.y + 1);
    }
    else
    {
        pts[0] = CPoint(c.x - 5, c.y - 2);
        pts[1] = CPoint(c.x - 1, c.y + 2);
        pts[2] = CPoint(c.x + 3, c.y - 2);
    }
    if (pButton->bEnabled)
    {
        CXTPDrawHelpers::Triangle(pDC, pts[0], pts[1], pts[2], kBlack);
        return;
    }
    const CSize szEmboss(1, 1);
    CXTPDrawHelpers::Triangle(pDC, pts[0] + szEmboss, pts[1] + szEmboss, pts[2] + szEmboss,
                              SysColor(COLOR_BTNHIGHLIGHT));
    CXTPDrawHelpers::Triangle(pDC, pts[0], pts[1], pts[2], SysColor(COLOR_BTNSHADOW));
}

void CXTPTaskPanelPainter::DrawDragArrow(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bAfter)
{
    if (m_bInvertDragRect)
    {
        pDC->InvertRect(rc);
        return;
    }
    int nLeft = rc.left, nRight = rc.right;
    CXTPTaskPanelGroup* pGroup = pItem->IsGroup() ? NULL : pItem->GetItemGroup();
    if (pGroup != NULL && pGroup->GetItemLayout() != xtpTaskItemLayoutImages)
    {
        CXTPTaskPanel* pPanel = pItem->GetTaskPanel();
        const CXTPClientRect rcClient(pPanel);
        const CRect rcControl = GetControlMargins(pPanel), rcOuter = GetGroupOuterMargins(pGroup);
        nLeft = rcClient.left + rcControl.left + rcOuter.left + 2;
        nRight = rcClient.right - rcControl.right - rcOuter.right - 2;
    }
    const int y = bAfter ? rc.bottom - 1 : rc.top - 1;
    pDC->FillSolidRect(nLeft, y, nRight - nLeft, 1, kBlack);
    for (int i = 0; i < 3; i++)
    {
        const int nHalf = 3 - i;
        pDC->FillSolidRect(nLeft + i, y - nHalf, 1, 2 * nHalf + 1, kBlack);
        pDC->FillSolidRect(nRight - 1 - i, y - nHalf, 1, 2 * nHalf + 1, kBlack);
    }
}
