#include "toolkit/tabs/themes/XTPTabStripColorSets.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPDrawHelpers.h"

// ---- Default set ------------------------------------------------------------

void CXTPTabColorsDefault::RefreshMetrics()
{
    CXTPTabStripColors::RefreshMetrics();
    const COLORREF clrText = XTPGetColor(COLOR_BTNTEXT), clrShadow = XTPGetColor(COLOR_BTNSHADOW);
    m_grcSelectedButton.SetStandardValue(xtpTabColorDithered);
    m_grcSelectedButtonEdge.SetStandardValue(clrShadow, XTPGetColor(COLOR_BTNHIGHLIGHT));
    const COLORREF clrSelected[6] = {clrText, clrText, clrText, XTPGetColor(COLOR_WINDOW), clrShadow, clrShadow};
    for (int i = 0; i < 6; i++)
    {
        m_clrSelectedOutline[i].SetStandardValue(clrSelected[i]);
        m_clrNormalOutline[i].SetStandardValue(i < 3 ? clrText : XTP_COLOR_NONE);
    }
    if (GetAppearanceId() == 7)
    {
        m_clrSelectedTabFace.SetStandardValue(XTPGetColor(COLOR_BTNFACE));
        m_clrTabFace.SetStandardValue(XTPGetColor(COLOR_WINDOW));
        m_clrBorder.SetStandardValue(clrText);
    }
}

void CXTPTabColorsDefault::FrameButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect,
                                       COLORREF clrPressedTopLeft, COLORREF clrPressedBottomRight,
                                       COLORREF clrHotTopLeft, COLORREF clrHotBottomRight)
{
    if (!pButton->IsEnabled())
        return;
    if (pButton->IsPressed())
    {
        pDC->Draw3dRect(pRect, clrPressedTopLeft, clrPressedBottomRight);
        pRect->OffsetRect(1, 1);
    }
    else if (pButton->IsHot())
    {
        pDC->Draw3dRect(pRect, clrHotTopLeft, clrHotBottomRight);
    }
}

void CXTPTabColorsDefault::FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect)
{
    const COLORREF clrShadow = XTPGetColor(COLOR_BTNSHADOW), clrHighlight = XTPGetColor(COLOR_BTNHIGHLIGHT);
    FrameButton(pDC, pButton, pRect, clrShadow, clrHighlight, clrHighlight, clrShadow);
    pDC->SetTextColor(XTPGetColor(COLOR_BTNTEXT));
}

// ---- Toolkit set (id 2) --------------------------------------------------------

namespace {

// Appearances 4 (buttons) and 7 (trapezoids) keep the system look.
BOOL KeepsSystemLook(int nAppearance)
{
    return nAppearance == 4 || nAppearance == 7;
}

} // namespace

void CXTPTabColorsToolkit::RefreshMetrics()
{
    // The system-colour values, not the default set's: a selected button-like
    // tab is plain window colour in a highlight frame, and the selected
    // trapezoid is the white one.
    CXTPTabStripColors::RefreshMetrics();
    if (!KeepsSystemLook(GetAppearanceId()))
        m_grcHeader.SetStandardValue(XTPGetColor(48));
    if (GetAppearanceId() == 5)
    {
        m_clrText.SetStandardValue(XTPGetColor(49));
        m_clrInactiveText.SetStandardValue(XTPGetColor(49));
    }
    m_grcHeaderSecond = m_grcHeader;
}

void CXTPTabColorsToolkit::FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect)
{
    if (KeepsSystemLook(GetAppearanceId()))
    {
        CXTPTabColorsDefault::FillButton(pDC, pButton, pRect);
        return;
    }
    const COLORREF clrText = XTPGetColor(COLOR_BTNTEXT), clrFace = XTPGetColor(COLOR_BTNFACE);
    FrameButton(pDC, pButton, pRect, clrText, clrFace, clrFace, clrText);
    pDC->SetTextColor(XTPGetColor(49));
}

// ---- Scheme set (id 4) ------------------------------------------------------------

namespace {

// The scheme's colours, one column per Windows XP colour scheme (blue, olive,
// silver).
struct SchemeColors
{
    COLORREF clrBorder;          // also outline 2
    COLORREF clrDark;            // 3D edge 3 and outline 1
    COLORREF clrShadow;          // 3D edge 2 and outline 3
    COLORREF clrSelectedButton;  // selected button gradient
    COLORREF clrButtonEdge;      // selected button edge, pressed button frame
    COLORREF clrHeaderLight, clrHeaderDark;
    COLORREF clrTabFace;
    COLORREF clrHotTabFace;
    COLORREF clrSecondLight, clrSecondDark;
};

const SchemeColors kSchemes[3] = {
    {RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(255, 192, 111), RGB(0, 0, 128),
     RGB(196, 218, 250), RGB(252, 253, 254), RGB(162, 192, 246), RGB(255, 240, 201), RGB(158, 190, 245),
     RGB(196, 218, 250)},
    {RGB(96, 128, 88), RGB(96, 119, 107), RGB(176, 194, 140), RGB(255, 192, 111), RGB(63, 93, 56),
     RGB(242, 241, 228), RGB(252, 254, 254), RGB(208, 222, 170), RGB(255, 240, 199), RGB(217, 217, 167),
     RGB(242, 241, 228)},
    {RGB(124, 124, 148), RGB(118, 116, 146), RGB(186, 185, 206), RGB(255, 192, 111), RGB(75, 75, 111),
     RGB(243, 243, 247), RGB(252, 254, 254), RGB(217, 217, 230), RGB(255, 238, 194), RGB(215, 215, 229),
     RGB(243, 243, 247)},
};

const COLORREF kSchemeSelectedTabFace = RGB(255, 194, 115);
const COLORREF kWhite = RGB(255, 255, 255);

} // namespace

CXTPTabColorsScheme::CXTPTabColorsScheme() : m_bSchemeColors(FALSE)
{}

void CXTPTabColorsScheme::RefreshMetrics()
{
    CXTPTabStripColors::RefreshMetrics();
    const COLORREF clrFace = XTPGetColor(COLOR_BTNFACE);
    m_grcHeader.SetStandardValue(clrFace, CXTPColorManager::BlendColors(clrFace, XTPGetColor(COLOR_WINDOW), 205));
    m_grcSelectedButton.SetStandardValue(XTPGetColor(36));
    m_grcSelectedButtonEdge.SetStandardValue(XTPGetColor(37));
    m_clrHotTabFace.SetStandardValue(XTPGetColor(36));
    m_clrHotText.SetStandardValue(XTPGetColor(COLOR_BTNTEXT));
    m_grcHeaderSecond = m_grcHeader;
    m_bSchemeColors = FALSE;

    const int nSystemTheme =
        GetPainter() != NULL && GetPainter()->IsLunaColorsDisabled() ? 0 : XTPColorManager()->GetCurrentSystemTheme();
    if (XTPIsColorScheme(nSystemTheme))
        ApplySchemeColors(nSystemTheme);
    else
        m_clrSelectedTabFace.SetStandardValue(XTPGetColor(36));

    for (int i = 0; i < 6; i++)
    {
        m_clrSelectedOutline[i].SetStandardValue(i < 3 ? (COLORREF)m_clrBorder : XTP_COLOR_NONE);
        m_clrNormalOutline[i] = m_clrSelectedOutline[i];
    }
    if (GetAppearanceId() == 4)
    {
        m_grcHeader.SetStandardValue(clrFace);
        m_grcHeaderSecond.SetStandardValue(clrFace);
    }
}

void CXTPTabColorsScheme::ApplySchemeColors(int nSystemTheme)
{
    const SchemeColors& scheme = kSchemes[nSystemTheme - xtpSystemThemeBlue];
    m_clrBorder.SetStandardValue(scheme.clrBorder);
    m_clrOutline[1].SetStandardValue(scheme.clrBorder);
    m_clr3DEdge[2].SetStandardValue(scheme.clrDark);
    m_clrOutline[0].SetStandardValue(scheme.clrDark);
    m_clr3DEdge[1].SetStandardValue(scheme.clrShadow);
    m_clrOutline[2].SetStandardValue(scheme.clrShadow);
    m_clrOutline[3].SetStandardValue(kWhite);
    m_grcSelectedButton.SetStandardValue(scheme.clrSelectedButton);
    m_grcSelectedButtonEdge.SetStandardValue(scheme.clrButtonEdge);
    m_grcHeader.SetStandardValue(scheme.clrHeaderLight, scheme.clrHeaderDark);
    m_clrTabFace.SetStandardValue(scheme.clrTabFace);
    m_clrSelectedTabFace.SetStandardValue(kSchemeSelectedTabFace);
    m_clrHotTabFace.SetStandardValue(scheme.clrHotTabFace);
    m_grcHeaderSecond.SetStandardValue(scheme.clrSecondLight, scheme.clrSecondDark);
    m_clrPressedButtonFrame.SetStandardValue(scheme.clrButtonEdge);
    m_bSchemeColors = TRUE;
}

COLORREF CXTPTabColorsScheme::FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    COLORREF clr = GetItemColor(pItem);
    if (pItem->IsHot() && m_clrHotTabFace != XTP_COLOR_NONE)
        clr = m_clrHotTabFace;
    GradientFillRect(pDC, rc, CXTPColorManager::BlendColors(clr, kWhite, 300), clr,
                     pItem->GetStrip()->GetPosition());
    return clr;
}

void CXTPTabColorsScheme::FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect)
{
    COLORREF clrText = XTPGetColor(COLOR_BTNTEXT);
    const BOOL bHot = pButton->IsHot(), bPressed = pButton->IsPressed();
    if (pButton->IsEnabled() && (bHot || bPressed))
    {
        const BOOL bBoth = bHot && bPressed;
        if (m_bSchemeColors)
        {
            if (bBoth)
                XTPDrawHelpers()->GradientFill(pDC, pRect, RGB(254, 142, 75), RGB(255, 207, 139), FALSE);
            else
                XTPDrawHelpers()->GradientFill(pDC, pRect, RGB(255, 242, 200), RGB(255, 212, 151), FALSE);
            pDC->Draw3dRect(pRect, m_clrPressedButtonFrame, m_clrPressedButtonFrame);
        }
        else
        {
            pDC->FillSolidRect(pRect, XTPGetColor(bBoth ? 33 : 31));
            const COLORREF clrFrame = XTPGetColor(bBoth ? 50 : 32);
            pDC->Draw3dRect(pRect, clrFrame, clrFrame);
            clrText = XTPGetColor(bBoth ? 47 : 45);
        }
    }
    pDC->SetTextColor(clrText);
}

// ---- Plain scheme set (id 16) --------------------------------------------------

CXTPTabColorsSchemePlain::CXTPTabColorsSchemePlain() : m_bPlainHeader(FALSE)
{}

void CXTPTabColorsSchemePlain::RefreshMetrics()
{
    m_bPlainHeader = FALSE;
    if (GetPainter() == NULL || !GetPainter()->IsLunaColorsDisabled())
    {
        CXTPTabColorsScheme::RefreshMetrics();
        return;
    }
    CXTPTabStripColors::RefreshMetrics();
    m_clrSelectedTabFace.SetStandardValue(kWhite);
    m_bSchemeColors = FALSE;
    switch (XTPColorManager()->GetCurrentSystemTheme())
    {
    case xtpSystemThemeBlue:
    case xtpSystemThemeOlive:
        m_grcHeader.SetStandardValue(RGB(228, 226, 213));
        m_bPlainHeader = TRUE;
        break;
    case xtpSystemThemeSilver:
        m_clrTabFace.SetStandardValue(RGB(245, 245, 248));
        m_grcHeader.SetStandardValue(RGB(238, 238, 238));
        m_bPlainHeader = TRUE;
        break;
    }
    m_clrOutline[1].SetStandardValue(XTPGetColor(57));
    m_clrBorder.SetStandardValue(XTPGetColor(57));
}

COLORREF CXTPTabColorsSchemePlain::FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    if (m_bPlainHeader)
        return CXTPTabColorsScheme::FillTabFace(pDC, rc, pItem);
    return CXTPTabStripColors::FillTabFace(pDC, rc, pItem);
}
