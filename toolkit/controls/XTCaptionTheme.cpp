#include "toolkit/controls/XTCaptionTheme.h"
#include "toolkit/controls/XTCaption.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CXTCaptionThemeFactory, CXTThemeManagerStyleFactory)

namespace {

const UINT kCaptionTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// The caption's text over its button, where the caption draws it itself.
void DrawCaptionButtonText(CXTButtonTheme* pTheme, CXTCaption* pCaption, CDC* pDC, UINT nState, CRect& rect,
                           CXTButton* pButton)
{
    if (pCaption == NULL || (pCaption->GetCaptionStyle() & CaptionStyleCloseButton)
        || pCaption->GetCaptionText().IsEmpty())
        return;
    CXTPFontDC font(pDC, pTheme->GetThemeFont(pButton));
    COLORREF clrOld = pDC->SetTextColor(pTheme->GetTextColor(nState, pButton));
    CRect rcText(rect);
    pDC->DrawText(pCaption->GetCaptionText(), rcText, kCaptionTextFormat);
    pDC->SetTextColor(clrOld);
}

} // namespace

// ---- base caption theme ----

CXTCaptionTheme::CXTCaptionTheme()
{}

void CXTCaptionTheme::RefreshMetrics()
{
    m_clrShadow.SetStandardValue(XTPGetColor(COLOR_3DSHADOW));
    m_clrHighlight.SetStandardValue(XTPGetColor(COLOR_3DHILIGHT));
}

void CXTCaptionTheme::DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, CRect& rect)
{
    CRect rc(rect);
    pDC->SetBkMode(TRANSPARENT);
    pDC->FillSolidRect(rc, pCaption->GetBorderColor());
    int nBorder = pCaption->GetBorderSize();
    DWORD dwStyle = pCaption->GetCaptionStyle();
    if (dwStyle & CaptionStyleFrame)
    {
        pDC->Draw3dRect(rc, m_clrShadow, m_clrHighlight);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, m_clrHighlight, m_clrShadow);
        if (nBorder == 0)
            rc.DeflateRect(1, 1);
    }
    else if (dwStyle & CaptionStyleRaised)
    {
        pDC->Draw3dRect(rc, m_clrHighlight, m_clrShadow);
        if (nBorder == 0)
            rc.DeflateRect(1, 1);
    }
    rc.DeflateRect(nBorder, nBorder);
    pDC->FillSolidRect(rc, pCaption->GetFaceColor());
}

void CXTCaptionTheme::DrawCaptionText(CDC* pDC, CXTCaption* pCaption)
{
    if (pCaption->GetCaptionText().IsEmpty())
        return;
    CRect rcText;
    pCaption->CalcTextRect(rcText);
    CXTPFontDC font(pDC, pCaption->GetFont());
    pDC->SetTextColor(pCaption->GetTextColor());
    pDC->DrawText(pCaption->GetCaptionText(), rcText, kCaptionTextFormat);
}

void CXTCaptionTheme::DrawCaptionIcon(CDC* pDC, CXTCaption* pCaption, CRect& rect)
{
    HICON hIcon = pCaption->GetCaptionIcon();
    if (hIcon == NULL)
        return;
    int nBorder = pCaption->GetBorderSize();
    CSize sizeIcon = pCaption->GetIconSize();
    int x = std::max((int)rect.right - (int)sizeIcon.cx - (nBorder + 2), nBorder);
    int y = (rect.Height() - sizeIcon.cy) / 2;
    if (x + sizeIcon.cx >= rect.right - nBorder)
        return;
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, sizeIcon.cx, sizeIcon.cy, 0, NULL, DI_NORMAL);
}

CXTButtonTheme* CXTCaptionTheme::CreateButtonTheme(CXTCaption* pCaption)
{
    if (GetThemeId() != 0)
        return new CXTCaptionButtonThemeOfficeXP(pCaption);
    return new CXTCaptionButtonTheme(pCaption);
}

// ---- Office 2003 caption theme ----

CXTCaptionThemeOffice2003::CXTCaptionThemeOffice2003(BOOL bGradient) : m_bGradient(bGradient)
{}

CXTCaptionThemeOffice2003::~CXTCaptionThemeOffice2003()
{}

void CXTCaptionThemeOffice2003::DrawCaptionBack(CDC* pDC, CXTCaption* /*pCaption*/, CRect& rect)
{
    pDC->SetBkMode(TRANSPARENT);
    CXTPColorManager* pColors = XTPColorManager();
    XTPDrawHelpers()->GradientFill(pDC, rect, m_bGradient ? pColors->grcGradient[0] : pColors->grcGradient[3],
                                   FALSE);
    COLORREF clrFrame = XTPGetColor(54);
    if (m_bGradient)
        pDC->Draw3dRect(rect, clrFrame, clrFrame);
    else
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrFrame);
}

CXTButtonTheme* CXTCaptionThemeOffice2003::CreateButtonTheme(CXTCaption* /*pCaption*/)
{
    return new CXTCaptionButtonThemeOffice2003(m_bGradient);
}

// ---- caption-button themes ----

CXTCaptionButtonTheme::CXTCaptionButtonTheme(CXTCaption* pCaption) : m_pCaption(pCaption)
{
    m_bOffsetWhenPressed = FALSE;
}

void CXTCaptionButtonTheme::DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    DrawCaptionButtonText(this, m_pCaption, pDC, nState, rect, pButton);
}

CXTCaptionButtonThemeOfficeXP::CXTCaptionButtonThemeOfficeXP(CXTCaption* pCaption)
    : CXTButtonThemeOfficeXP(FALSE), m_pCaption(pCaption)
{
    m_bFadedIcons = FALSE;
    m_bShadowedHotIcon = FALSE;
    m_bOffsetWhenPressed = FALSE;
}

COLORREF CXTCaptionButtonThemeOfficeXP::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
        return XTPGetColor(COLOR_GRAYTEXT);
    if (IsHot(pButton) || IsPressed(nState, pButton))
        return m_clrHotText;
    return m_clrText;
}

void CXTCaptionButtonThemeOfficeXP::DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    DrawCaptionButtonText(this, m_pCaption, pDC, nState, rect, pButton);
}

BOOL CXTCaptionButtonThemeOfficeXP::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    BOOL bPressed = IsPressed(lpDIS->itemState, pButton);
    if (!IsHot(pButton) && !bPressed)
    {
        pDC->FillSolidRect(rc, m_clrFace);
        if (m_bFlatFace)
            pDC->Draw3dRect(rc, m_clrShadow, m_clrShadow);
        return TRUE;
    }
    pDC->FillSolidRect(rc, XTPGetColor(bPressed ? 33 : 31));
    COLORREF clrFrame = XTPGetColor(32);
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    return TRUE;
}

CXTCaptionButtonThemeOffice2003::CXTCaptionButtonThemeOffice2003(BOOL bGradient)
    : CXTButtonThemeOffice2003(FALSE), m_bGradient(bGradient)
{
    m_bOffsetWhenPressed = FALSE;
}

BOOL CXTCaptionButtonThemeOffice2003::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    if (IsHot(pButton) || IsPressed(lpDIS->itemState, pButton))
        return CXTButtonThemeOfficeXP::DrawButtonBackground(lpDIS, pButton);
    CXTPColorManager* pColors = XTPColorManager();
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (m_bGradient)
    {
        XTPDrawHelpers()->GradientFill(pDC, &lpDIS->rcItem, pColors->grcGradient[0], FALSE);
        SetColorText(XTPGetColor(COLOR_WINDOW));
    }
    else
        XTPDrawHelpers()->GradientFill(pDC, &lpDIS->rcItem, pColors->grcGradient[3], FALSE);
    return TRUE;
}

// ---- factory ----

CXTThemeManagerStyle* CXTCaptionThemeFactory::CreateTheme(int nTheme)
{
    if (nTheme == 2)
        return new CXTCaptionThemeOffice2003(TRUE);
    return new CXTCaptionTheme;
}
