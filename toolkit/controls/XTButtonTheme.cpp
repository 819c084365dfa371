#include "toolkit/controls/XTButtonTheme.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/foundation/XTUtilities.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CXTButtonThemeFactory, CXTThemeManagerStyleFactory)

namespace {

// The visual-style part and states of a push button.
const int kPartPushButton = 1;
enum
{
    kStateNormal = 1,
    kStateHot = 2,
    kStatePressed = 3,
    kStateDisabled = 4,
    kStateDefaulted = 5
};

// Horizontal alignment of the window style.
DWORD HorizontalAlignment(CXTButton* pButton)
{
    return pButton->GetStyle() & BS_CENTER;
}

} // namespace

// ---- base theme ----

CXTButtonTheme::CXTButtonTheme() : m_bShowImages(TRUE), m_bOffsetWhenPressed(TRUE), m_pFont(NULL)
{}

void CXTButtonTheme::RefreshMetrics()
{
    XTPColorManager()->RefreshColors(FALSE);
    m_clrFace.SetStandardValue(XTPGetColor(COLOR_3DFACE));
    m_clrText.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_clrGrayText.SetStandardValue(XTPGetColor(COLOR_GRAYTEXT));
    m_clrHilite.SetStandardValue(XTPGetColor(COLOR_3DFACE));
    m_clrShadow.SetStandardValue(XTPGetColor(COLOR_3DSHADOW));
    m_clrHighlight.SetStandardValue(XTPGetColor(COLOR_3DHILIGHT));
    m_clrDarkShadow.SetStandardValue(XTPGetColor(COLOR_3DDKSHADOW));
}

BOOL CXTButtonTheme::IsPressed(UINT nState, CXTButton* pButton)
{
    return (nState & ODS_SELECTED) != 0 || pButton->GetPushedLook();
}

BOOL CXTButtonTheme::IsHot(CXTButton* pButton)
{
    return pButton->IsHot();
}

BOOL CXTButtonTheme::IsHotTracking(CXTButton* pButton)
{
    return UseVisualStyles(pButton)
           || (pButton->GetXButtonStyle() & (ButtonStyleFlat | ButtonStyleSemiFlat)) != 0;
}

BOOL CXTButtonTheme::UseVisualStyles(CXTButton* pButton)
{
    if ((pButton->GetXButtonStyle() & ButtonStyleWinXP) == 0)
        return FALSE;
    if (!m_themeButton.IsThemeOpen())
        m_themeButton.OpenThemeData(pButton->GetSafeHwnd(), L"BUTTON");
    return m_themeButton.IsThemeOpen() && m_themeButton.IsAppThemed();
}

CFont* CXTButtonTheme::GetThemeFont(CXTButton* pButton)
{
    if (m_pFont != NULL && ::GetObjectType(m_pFont->GetSafeHandle()) == OBJ_FONT)
        return m_pFont;
    return pButton->GetFont();
}

void CXTButtonTheme::SetThemeFont(CFont* pFont)
{
    if (pFont != NULL && ::GetObjectType(pFont->GetSafeHandle()) == OBJ_FONT)
        m_pFont = pFont;
}

void CXTButtonTheme::SetButtonColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow,
                                     COLORREF clrText)
{
    SetColorFace(clrFace);
    SetColorHilite(clrHilite);
    SetColorShadow(clrShadow);
    SetColorText(clrText);
}

void CXTButtonTheme::CalcObjectPos(CPoint& pt, int cx, int cy, CXTButton* pButton)
{
    CXTPClientRect rcClient(pButton);
    pt.y = std::max(0L, (LONG)(rcClient.Height() - cy) / 2);
    if (pButton->GetXButtonStyle() & ButtonStyleImageAbove)
        pt.x = std::max(0L, (LONG)(rcClient.Width() - cx) / 2);
    else
        pt.x = pButton->GetBorderGap();
}

void CXTButtonTheme::CalcTextPos(CPoint& pt, UINT /*nState*/, const CRect& rect, CSize sizeText,
                                 CXTButton* pButton)
{
    if (pButton->GetUserPosition())
    {
        pt = pButton->GetTextPos();
        return;
    }
    CRect rcText(rect);
    rcText.DeflateRect(2, 0);
    CSize sizeImage = pButton->GetImageSize();
    BOOL bImageAbove = (pButton->GetXButtonStyle() & ButtonStyleImageAbove) != 0;
    int nBorderGap = pButton->GetBorderGap();

    CalcObjectPos(pt, sizeText.cx, sizeText.cy, pButton);
    pt.x = nBorderGap;
    if (bImageAbove)
        pt.y += pButton->GetImageGap() / 2 + sizeImage.cy / 2;

    switch (HorizontalAlignment(pButton))
    {
    case BS_LEFT:
        if (!bImageAbove)
            pt.x += sizeImage.cx + pButton->GetImageGap();
        break;
    case BS_RIGHT:
        pt.x = rcText.right - sizeText.cx - nBorderGap;
        break;
    default:
        if (!bImageAbove)
            pt.x += sizeImage.cx;
        pt.x += (rcText.right - pt.x - sizeText.cx - nBorderGap) / 2;
        break;
    }
}

COLORREF CXTButtonTheme::GetTextColor(UINT nState, CXTButton* /*pButton*/)
{
    return (nState & ODS_DISABLED) ? (COLORREF)m_clrGrayText : (COLORREF)m_clrText;
}

void CXTButtonTheme::DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    CString strText = pButton->GetButtonText(FALSE);
    if (strText.IsEmpty())
        return;
    CXTPFontDC font(pDC, GetThemeFont(pButton));
    CSize sizeText = pDC->GetTextExtent(pButton->GetButtonText(TRUE));
    CPoint pt;
    CalcTextPos(pt, nState, rect, sizeText, pButton);
    if (IsPressed(nState, pButton) && m_bOffsetWhenPressed)
        pt.Offset(1, 1);
    COLORREF clrOld = pDC->SetTextColor(GetTextColor(nState, pButton));
    UINT nOldAlign = pDC->SetTextAlign(TA_LEFT);
    pDC->DrawState(pt, sizeText, strText, DSS_NORMAL, TRUE, 0, (HBRUSH)NULL);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetTextColor(clrOld);
}

void CXTButtonTheme::CalcImagePos(CPoint& pt, CDC* pDC, UINT /*nState*/, CRect& rect, BOOL /*bHasHotImage*/,
                                  CXTButton* pButton)
{
    if (pButton->GetUserPosition())
    {
        pt = pButton->GetImagePos();
        return;
    }
    CSize sizeImage = pButton->GetImageSize();
    CalcObjectPos(pt, sizeImage.cx, sizeImage.cy, pButton);
    pt.x = pButton->GetBorderGap();

    CString strText = pButton->GetButtonText(TRUE);
    DWORD dwStyle = pButton->GetStyle();
    if ((pButton->GetXButtonStyle() & ButtonStyleImageAbove) == 0)
    {
        if (!strText.IsEmpty())
            return;
        if ((dwStyle & BS_CENTER) == BS_CENTER && sizeImage.cx <= rect.Width())
            pt.x = rect.left + (rect.Width() - sizeImage.cx) / 2;
        if ((dwStyle & BS_VCENTER) == BS_VCENTER && sizeImage.cy <= rect.Height())
            pt.y = rect.top + (rect.Height() - sizeImage.cy) / 2;
        return;
    }
    if (!strText.IsEmpty())
    {
        CXTPFontDC font(pDC, GetThemeFont(pButton));
        pt.y -= pDC->GetTextExtent(strText).cy / 2 + pButton->GetImageGap() / 2;
    }
    switch (HorizontalAlignment(pButton))
    {
    case BS_LEFT:
        pt.x = pButton->GetBorderGap();
        break;
    case BS_RIGHT:
        pt.x = rect.right - pButton->GetBorderGap() - sizeImage.cx;
        break;
    default:
        pt.x = rect.left + std::max(0L, (LONG)(rect.Width() - sizeImage.cx) / 2);
        break;
    }
}

CXTPImageManagerIcon* CXTButtonTheme::PrepareImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton,
                                                   CPoint& pt)
{
    if (pButton == NULL || !m_bShowImages || pButton->GetButtonIcon() == NULL)
        return NULL;
    CXTPImageManagerIcon* pIcon = pButton->GetButtonIcon();
    BOOL bHasHotImage = &pIcon->GetHotIcon() != &pIcon->GetIcon();
    CalcImagePos(pt, pDC, nState, rect, bHasHotImage, pButton);
    if (IsPressed(nState, pButton) && m_bOffsetWhenPressed)
        pt.Offset(1, 1);
    return pIcon;
}

CXTPImageManagerIconHandle& CXTButtonTheme::StateImage(UINT nState, CXTButton* pButton,
                                                       CXTPImageManagerIcon* pIcon)
{
    if (nState & ODS_DISABLED)
        return pIcon->GetDisabledIcon();
    if (!IsHot(pButton) && !IsPressed(nState, pButton))
        return pIcon->GetIcon();
    return pIcon->GetHotIcon();
}

void CXTButtonTheme::DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    CPoint pt;
    if (CXTPImageManagerIcon* pIcon = PrepareImage(pDC, nState, rect, pButton, pt))
        pIcon->Draw(pDC, pt, StateImage(nState, pButton, pIcon), pButton->GetImageSize());
}

void CXTButtonTheme::DrawToolbarImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    CPoint pt;
    CXTPImageManagerIcon* pIcon = PrepareImage(pDC, nState, rect, pButton, pt);
    if (pIcon == NULL)
        return;
    CSize sizeImage = pButton->GetImageSize();
    if (nState & ODS_DISABLED)
        pDC->DrawState(pt, sizeImage, (HICON)pIcon->GetIcon(), DSS_DISABLED, (HBRUSH)NULL);
    else
        pIcon->Draw(pDC, pt, StateImage(nState, pButton, pIcon), sizeImage);
}

BOOL CXTButtonTheme::DrawToolbarBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    DRAWITEMSTRUCT dis = *lpDIS;
    dis.itemState &= ~ODS_FOCUS;
    return DrawVisualStyleBackground(&dis, pButton);
}

BOOL CXTButtonTheme::UseToolbarVisualStyles(CXTButton* pButton)
{
    if ((pButton->GetXButtonStyle() & ButtonStyleWinXP) == 0)
        return FALSE;
    if (!m_themeToolbar.IsThemeOpen())
        m_themeToolbar.OpenThemeData(pButton->GetSafeHwnd(), L"TOOLBAR");
    // Without theme data the wrapper answers FALSE.
    return m_themeToolbar.IsAppThemed();
}

void CXTButtonTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (!DrawVisualStyleBackground(lpDIS, pButton))
        DrawButtonBackground(lpDIS, pButton);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcItem(lpDIS->rcItem);
    DrawButtonText(pDC, lpDIS->itemState, rcItem, pButton);
    DrawButtonImage(pDC, lpDIS->itemState, rcItem, pButton);
    if ((pButton->GetXButtonStyle() & ButtonStyleShowFocus) && (lpDIS->itemState & ODS_FOCUS))
        DrawFocus(pDC, lpDIS->itemState, rcItem, pButton);
    pDC->SetBkMode(nOldMode);
}

BOOL CXTButtonTheme::DrawVisualStyleBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    if (!UseVisualStyles(pButton))
        return FALSE;
    UINT nState = lpDIS->itemState;
    int nPartState = kStateNormal;
    if (nState & ODS_FOCUS)
        nPartState = kStateDefaulted;
    if (IsHot(pButton))
        nPartState = kStateHot;
    if (IsPressed(nState, pButton))
        nPartState = kStatePressed;
    if (nState & ODS_DISABLED)
        nPartState = kStateDisabled;
    return SUCCEEDED(
        m_themeButton.DrawThemeBackground(lpDIS->hDC, kPartPushButton, nPartState, &lpDIS->rcItem, NULL));
}

BOOL CXTButtonTheme::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    BOOL bPressed = IsPressed(lpDIS->itemState, pButton);
    DWORD dwxStyle = pButton->GetXButtonStyle();

    pDC->FillSolidRect(rc, m_clrFace);
    if ((dwxStyle & ButtonStyleDitherPressed) && bPressed)
        XTFillDitheredRect(pDC, rc);

    if (dwxStyle & ButtonStyleFlat)
    {
        if (IsHot(pButton) || bPressed)
            pDC->Draw3dRect(rc, bPressed ? m_clrShadow : m_clrHighlight,
                            bPressed ? m_clrHighlight : m_clrShadow);
    }
    else if (dwxStyle & ButtonStyleSemiFlat)
    {
        pDC->Draw3dRect(rc, bPressed ? m_clrShadow : m_clrHighlight, bPressed ? m_clrHighlight : m_clrShadow);
    }
    else
    {
        pDC->Draw3dRect(rc, bPressed ? m_clrDarkShadow : m_clrHighlight,
                        bPressed ? m_clrHighlight : m_clrDarkShadow);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, bPressed ? m_clrShadow : m_clrHilite, bPressed ? m_clrHilite : m_clrShadow);
    }
    return TRUE;
}

void CXTButtonTheme::DrawFocus(CDC* pDC, UINT /*nState*/, CRect& rect, CXTButton* pButton)
{
    COLORREF clrOld = pDC->SetTextColor(m_clrText);
    CRect rcFocus(rect);
    int nInset = UseVisualStyles(pButton) ? 4 : 2;
    rcFocus.DeflateRect(nInset, nInset);
    pDC->DrawFocusRect(rcFocus);
    pDC->SetTextColor(clrOld);
}

// ---- Office XP ----

CXTButtonThemeOfficeXP::CXTButtonThemeOfficeXP(BOOL bFlatFace)
    : m_bFlatFace(bFlatFace), m_bFadedIcons(TRUE), m_bShadowedHotIcon(TRUE)
{
    m_bOffsetWhenPressed = FALSE;
}

void CXTButtonThemeOfficeXP::RefreshMetrics()
{
    CXTButtonTheme::RefreshMetrics();
    m_clrFace.SetStandardValue(XTPGetColor(m_bFlatFace ? 30 : COLOR_3DFACE));
    m_clrPressedFace.SetStandardValue(XTPGetColor(33));
    m_clrHotFace.SetStandardValue(XTPGetColor(31));
    m_clrShadow.SetStandardValue(XTPGetColor(COLOR_3DSHADOW));
    m_clrHilite.SetStandardValue(XTPGetColor(32));
    m_clrText.SetStandardValue(XTPGetColor(46));
    m_clrHotText.SetStandardValue(XTPGetColor(45));
    m_clrPressedText.SetStandardValue(XTPGetColor(47));
    m_clrPushedFace.SetStandardValue(XTPGetColor(36));
}

BOOL CXTButtonThemeOfficeXP::IsHotTracking(CXTButton* /*pButton*/)
{
    return TRUE;
}

COLORREF CXTButtonThemeOfficeXP::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
        return XTPGetColor(COLOR_GRAYTEXT);
    if (IsHot(pButton))
        return m_clrHotText;
    if (IsPressed(nState, pButton))
        return m_clrPressedText;
    return m_clrText;
}

void CXTButtonThemeOfficeXP::DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    CPoint pt;
    CXTPImageManagerIcon* pIcon = PrepareImage(pDC, nState, rect, pButton, pt);
    if (pIcon == NULL)
        return;
    CSize sizeImage = pButton->GetImageSize();
    BOOL bEnabled = (nState & ODS_DISABLED) == 0;
    BOOL bHot = IsHot(pButton);
    if (bEnabled && bHot && m_bShadowedHotIcon)
    {
        pIcon->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pIcon->GetShadowIcon(), sizeImage);
        pIcon->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pIcon->GetHotIcon(), sizeImage);
    }
    else if (bEnabled && !bHot && !IsPressed(nState, pButton) && m_bFadedIcons)
        pIcon->Draw(pDC, pt, pIcon->GetFadedIcon(), sizeImage);
    else
        pIcon->Draw(pDC, pt, StateImage(nState, pButton, pIcon), sizeImage);
}

BOOL CXTButtonThemeOfficeXP::DrawOfficeBackground(CDC* pDC, const CRect& rect, CXTButton* pButton,
                                                  UINT nState)
{
    if (!IsHot(pButton) && !IsPressed(nState, pButton))
    {
        pDC->FillSolidRect(rect, m_clrFace);
        if (m_bFlatFace)
            pDC->Draw3dRect(rect, m_clrShadow, m_clrShadow);
        return TRUE;
    }
    COLORREF clrFill;
    if (nState & ODS_SELECTED)
        clrFill = m_clrPressedFace;
    else if (pButton->GetPushedLook())
        clrFill = IsHot(pButton) ? (COLORREF)m_clrPressedFace : (COLORREF)m_clrPushedFace;
    else
        clrFill = m_clrHotFace;
    pDC->FillSolidRect(rect, clrFill);
    pDC->Draw3dRect(rect, m_clrHilite, m_clrHilite);
    return TRUE;
}

BOOL CXTButtonThemeOfficeXP::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    return DrawOfficeBackground(CDC::FromHandle(lpDIS->hDC), CRect(lpDIS->rcItem), pButton, lpDIS->itemState);
}

void CXTButtonThemeOfficeXP::DrawFocus(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    if (m_bFlatFace && !IsHot(pButton) && !IsPressed(nState, pButton)
        && (pButton->GetXButtonStyle() & ButtonStyleWinXP) == 0)
    {
        COLORREF clrFocus = XTPGetColor(COLOR_HIGHLIGHT);
        CRect rcFocus(rect);
        pDC->Draw3dRect(rcFocus, clrFocus, clrFocus);
        rcFocus.DeflateRect(1, 1);
        pDC->Draw3dRect(rcFocus, clrFocus, clrFocus);
        return;
    }
    CXTButtonTheme::DrawFocus(pDC, nState, rect, pButton);
}

void CXTButtonThemeOfficeXP::SetFlatFace(BOOL bFlatFace)
{
    m_bFlatFace = bFlatFace;
    RefreshMetrics();
}

// ---- Office 2003 ----

const XTButtonSchemeColors& XTButtonSchemeColorsOf(int nScheme)
{
    static const XTButtonSchemeColors colors[] = {
        {RGB(169, 199, 240), RGB(127, 157, 185), RGB(0, 0, 128)},  // blue
        {RGB(197, 212, 159), RGB(164, 185, 127), RGB(63, 93, 56)}, // olive
        {RGB(192, 192, 211), RGB(165, 172, 178), RGB(75, 75, 111)} // silver
    };
    return colors[std::min(std::max(nScheme, 1), 3) - 1];
}

CXTButtonThemeOffice2003::CXTButtonThemeOffice2003(BOOL bFlatFace) : CXTButtonThemeOfficeXP(FALSE)
{
    m_bFlatFace = bFlatFace;
    m_bOffsetWhenPressed = FALSE;
    m_bFadedIcons = FALSE;
    m_bShadowedHotIcon = FALSE;
}

void CXTButtonThemeOffice2003::RefreshMetrics()
{
    CXTButtonThemeOfficeXP::RefreshMetrics();
    m_clrFace.SetStandardValue(XTPGetColor(COLOR_3DFACE));
    int nScheme = XTPDrawHelpers()->GetCurrentSystemTheme();
    if (XTPIsColorScheme(nScheme))
    {
        m_clrHotFace.SetStandardValue(RGB(255, 238, 194));
        m_clrPressedFace.SetStandardValue(RGB(254, 128, 62));
        m_clrPushedFace.SetStandardValue(RGB(255, 192, 111));
        m_clrText.SetStandardValue(RGB(0, 0, 0));
        m_clrHotText.SetStandardValue(RGB(0, 0, 0));
        m_clrPressedText.SetStandardValue(RGB(0, 0, 0));
        const XTButtonSchemeColors& scheme = XTButtonSchemeColorsOf(nScheme);
        m_clrFace.SetStandardValue(scheme.clrFace);
        m_clrShadow.SetStandardValue(scheme.clrShadow);
        m_clrHilite.SetStandardValue(scheme.clrBorder);
    }
    if (!m_bFlatFace)
        m_clrFace.SetStandardValue(XTPGetColor(COLOR_3DFACE));
}

void CXTButtonThemeOffice2003::DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton)
{
    CPoint pt;
    CXTPImageManagerIcon* pIcon = PrepareImage(pDC, nState, rect, pButton, pt);
    if (pIcon == NULL)
        return;
    // Pressed, not hot, shows the hot image; a hot button at rest keeps its normal image.
    CXTPImageManagerIconHandle& image = (nState & ODS_DISABLED)      ? pIcon->GetDisabledIcon()
                                        : IsPressed(nState, pButton) ? pIcon->GetHotIcon()
                                                                     : pIcon->GetIcon();
    pIcon->Draw(pDC, pt, image, pButton->GetImageSize());
}

// ---- factory ----

CXTThemeManagerStyle* CXTButtonThemeFactory::CreateTheme(int nTheme)
{
    switch (nTheme)
    {
    case 1:
        return new CXTButtonThemeOfficeXP(FALSE);
    case 2:
        return new CXTButtonThemeOffice2003(FALSE);
    default:
        return new CXTButtonTheme;
    }
}
