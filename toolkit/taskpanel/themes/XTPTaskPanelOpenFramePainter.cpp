#include "toolkit/taskpanel/themes/XTPTaskPanelOpenFramePainter.h"

#include "toolkit/foundation/XTPDrawHelpers.h"

#include <algorithm>

namespace {

// The caption font: 18 high, bold, "Tahoma" where it is installed; the
// caption at least 20 high.
const int kCaptionFontHeight = 18;
const int kMinCaptionHeight = 20;

// The colours of one Windows XP scheme: background, caption, caption text,
// client and link.
struct SchemeColors
{
    COLORREF clrBackLight, clrBackDark, clrHeadLight, clrHeadDark, clrHeadText, clrClient, clrLink;
};

const SchemeColors kSchemes[3] = {
    {RGB(221, 236, 254), RGB(74, 122, 201), RGB(196, 219, 249), RGB(101, 143, 224), RGB(0, 45, 134),
     RGB(221, 236, 254), RGB(0, 61, 178)},
    {RGB(243, 242, 231), RGB(190, 198, 152), RGB(210, 223, 174), RGB(161, 176, 128), RGB(90, 107, 70),
     RGB(243, 242, 231), RGB(0, 61, 178)},
    {RGB(238, 238, 244), RGB(177, 176, 195), RGB(207, 207, 222), RGB(169, 168, 191), RGB(92, 91, 121),
     RGB(238, 238, 244), RGB(0, 61, 178)},
};

// Without a scheme: blends of the face and the window colour.
SchemeColors ClassicColors()
{
    const COLORREF clrFace = XTPGetColor(COLOR_BTNFACE), clrWindow = XTPGetColor(COLOR_WINDOW);
    return {CXTPColorManager::BlendColors(clrFace, clrWindow, 50), clrFace,
            CXTPColorManager::BlendColors(clrFace, clrWindow, 39), CXTPColorManager::BlendColors(clrFace, clrWindow, 70),
            XTPGetColor(COLOR_BTNTEXT), CXTPColorManager::BlendColors(clrFace, clrWindow, 49), RGB(0, 0, 255)};
}

} // namespace

CXTPTaskPanelOpenFramePainter::CXTPTaskPanelOpenFramePainter()
{
    m_nHighlightStyle = xtpTaskPanelHighlightFlatScheme;
    m_rcControlMargins.SetRect(8, 8, 0, 8);
    m_nGroupSpacing = 15;
    CXTPTaskPanelOpenFramePainter::RefreshMetrics();
}

void CXTPTaskPanelOpenFramePainter::RefreshMetrics()
{
    CXTPTaskPanelPainter::RefreshMetrics();
    m_nExpandButtonStyle = xtpTaskPanelExpandButtonNone;
    if (m_bStandardCaptionFont)
    {
        LOGFONT lf;
        ::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(LOGFONT), &lf, 0);
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = kCaptionFontHeight;
        lf.lfUnderline = FALSE;
        if (CXTPDrawHelpers::FontExists("Tahoma"))
            lstrcpyA(lf.lfFaceName, "Tahoma");
        m_fntCaption.DeleteObject();
        m_fntCaption.CreateFontIndirect(&lf);
        m_nCaptionHeight = std::max(kMinCaptionHeight, (int)MeasureCaptionSpace(&m_fntCaption).cy);
    }
    const int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    const SchemeColors colors = XTPIsColorScheme(nScheme) ? kSchemes[nScheme - 1] : ClassicColors();
    m_clrBackground.SetStandardValue(colors.clrBackLight, colors.clrBackDark);
    m_groupNormal.clrHead.SetStandardValue(colors.clrHeadLight, colors.clrHeadDark);
    m_groupNormal.clrHeadTextNormal.SetStandardValue(colors.clrHeadText);
    m_groupNormal.clrHeadTextHot.SetStandardValue(colors.clrHeadText);
    m_groupNormal.clrClient.SetStandardValue(colors.clrClient);
    m_groupNormal.clrClientLink.SetStandardValue(colors.clrLink);
    m_groupNormal.clrClientLinkHot.SetStandardValue(colors.clrLink);
    m_groupNormal.clrClientBorder.SetStandardValue(XTPGetColor(COLOR_WINDOW));
    CopyNormalToSpecialColors();
    m_bCutLeftCaptionCorner = TRUE;
    m_bCutRightCaptionCorner = FALSE;
    m_bOpenClientFrame = TRUE;
}
