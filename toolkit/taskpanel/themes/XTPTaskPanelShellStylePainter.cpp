#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"

namespace {

const XTPTaskPanelShellColors kSchemes[3] = {
    {RGB(123, 162, 231), RGB(99, 117, 214), RGB(0, 73, 181), RGB(41, 93, 206), RGB(255, 255, 255),
     RGB(66, 142, 255), RGB(239, 243, 255), RGB(255, 255, 255), RGB(198, 211, 247), RGB(33, 93, 198),
     RGB(66, 142, 255), RGB(214, 223, 247), RGB(33, 93, 198), RGB(66, 142, 255), 0.5},
    {RGB(204, 217, 173), RGB(165, 189, 132), RGB(119, 140, 64), RGB(150, 168, 103), RGB(255, 255, 255),
     RGB(224, 231, 184), RGB(246, 246, 236), RGB(255, 252, 236), RGB(224, 231, 184), RGB(86, 102, 45),
     RGB(114, 146, 29), RGB(246, 246, 236), RGB(86, 102, 45), RGB(114, 146, 29), 0.0},
    {RGB(196, 200, 212), RGB(177, 179, 200), RGB(119, 119, 146), RGB(180, 182, 199), RGB(255, 255, 255),
     RGB(230, 230, 230), RGB(240, 241, 245), RGB(255, 255, 255), RGB(214, 215, 224), RGB(63, 61, 61),
     RGB(126, 124, 124), RGB(240, 241, 245), RGB(63, 61, 61), RGB(126, 124, 124), 0.0},
};

COLORREF Blend(int nColor1, int nColor2, int nAlpha)
{
    return CXTPTaskPanelPainter::BlendColors(XTPGetColor(nColor1), XTPGetColor(nColor2), nAlpha);
}

} // namespace

XTPTaskPanelShellColors XTPTaskPanelShellColorsOf(int nScheme)
{
    if (XTPIsColorScheme(nScheme))
        return kSchemes[nScheme - 1];
    const COLORREF clrFace = Blend(COLOR_BTNFACE, COLOR_WINDOW, 24);
    return {Blend(COLOR_INACTIVECAPTION, COLOR_WINDOW, 128),
            Blend(COLOR_ACTIVECAPTION, COLOR_WINDOW, 192),
            XTPGetColor(COLOR_ACTIVECAPTION),
            Blend(COLOR_ACTIVECAPTION, COLOR_WINDOW, 92),
            XTPGetColor(COLOR_CAPTIONTEXT),
            Blend(COLOR_BTNHIGHLIGHT, COLOR_HIGHLIGHT, 128),
            clrFace,
            XTPGetColor(COLOR_WINDOW),
            Blend(COLOR_INACTIVECAPTION, COLOR_WINDOW, 92),
            Blend(COLOR_HIGHLIGHT, COLOR_BTNTEXT, 192),
            Blend(COLOR_HIGHLIGHT, COLOR_BTNTEXT, 240),
            CXTPTaskPanelPainter::BlendColors(clrFace, XTPGetColor(COLOR_ACTIVECAPTION), 230),
            XTPGetColor(COLOR_BTNTEXT),
            XTPGetColor(COLOR_HIGHLIGHT),
            0.0};
}

CXTPTaskPanelShellStylePainter::CXTPTaskPanelShellStylePainter() : m_bShellLook(FALSE)
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlatScheme;
    CXTPTaskPanelShellStylePainter::RefreshMetrics();
}

void CXTPTaskPanelShellStylePainter::RefreshMetrics()
{
    CXTPTaskPanelPainter::RefreshMetrics();
    m_bShellLook = FALSE;
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    const BOOL bScheme = XTPIsColorScheme(nScheme);
    if (!m_bFallbackColors && !bScheme)
        return;
    m_bShellLook = TRUE;
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonRound;
    m_bCutLeftCaptionCorner = m_bCutRightCaptionCorner = TRUE;
    const XTPTaskPanelShellColors colors = XTPTaskPanelShellColorsOf(bScheme ? nScheme : 0);
    m_clrBackground.SetStandardValue(colors.clrBackLight, colors.clrBackDark);
    m_groupSpecial.clrHead.SetStandardValue(colors.clrSpecialHeadLight, colors.clrSpecialHeadDark);
    m_groupSpecial.clrHeadTextNormal.SetStandardValue(colors.clrSpecialHeadText);
    m_groupSpecial.clrHeadTextHot.SetStandardValue(colors.clrSpecialHeadHot);
    m_groupSpecial.clrClient.SetStandardValue(colors.clrSpecialClient);
    m_groupNormal.clrHead.SetStandardValue(colors.clrHeadLight, colors.clrHeadDark);
    m_groupNormal.clrHeadTextNormal.SetStandardValue(colors.clrHeadText);
    m_groupNormal.clrHeadTextHot.SetStandardValue(colors.clrHeadHot);
    m_groupNormal.clrClient.SetStandardValue(colors.clrClient);
    m_groupNormal.dHeadGradientFactor = colors.dHeadGradientFactor;
    for (TaskPanelGroupColors* pColors : {&m_groupNormal, &m_groupSpecial})
    {
        pColors->clrClientBorder.SetStandardValue(XTPGetColor(COLOR_WINDOW));
        pColors->clrClientLink.SetStandardValue(colors.clrLink);
        pColors->clrClientLinkHot.SetStandardValue(colors.clrLinkHot);
    }
    LoadShellStyleBitmaps();
}
