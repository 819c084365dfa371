#include "toolkit/foundation/XTPColorManager.h"

#include "toolkit/foundation/XTPColorContrast.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

// Which colour each derived index starts from before blending.
struct BaseColor
{
    int nIndex;
    int nSysColor;
};

const BaseColor g_baseColors[] = {
    {30, COLOR_BTNFACE},   {31, COLOR_WINDOW},        {32, COLOR_HIGHLIGHT},  {33, COLOR_HIGHLIGHT},
    {34, COLOR_BTNSHADOW}, {35, COLOR_GRAYTEXT},      {36, COLOR_WINDOW},     {37, COLOR_HIGHLIGHT},
    {38, COLOR_BTNSHADOW}, {39, COLOR_BTNSHADOW},     {40, COLOR_BTNSHADOW},  {41, COLOR_WINDOW},
    {42, COLOR_BTNSHADOW}, {43, COLOR_BTNSHADOW},     {44, COLOR_WINDOWTEXT}, {45, COLOR_MENUTEXT},
    {46, COLOR_BTNTEXT},   {47, COLOR_HIGHLIGHTTEXT}, {48, COLOR_BTNFACE},    {49, COLOR_BTNTEXT},
    {50, COLOR_HIGHLIGHT}, {51, COLOR_BTNFACE},       {52, COLOR_BTNSHADOW},  {53, COLOR_BTNFACE},
    {54, COLOR_BTNSHADOW}, {55, COLOR_BTNFACE},       {56, COLOR_BTNFACE},    {57, COLOR_BTNSHADOW},
};

// target = BlendColors(a, b, weight), in this order.
struct BlendRule
{
    int nTarget, nColor1, nColor2, nWeight;
};

const BlendRule g_blendRules[] = {
    {30, 5, 15, 165}, {31, 13, 5, 30}, {33, 13, 5, 50},  {41, 15, 5, 143}, {35, 17, 5, 70},
    {38, 16, 5, 75},  {39, 16, 5, 70}, {43, 46, 16, 20}, {40, 16, 5, 90},  {42, 15, 16, 90},
};

// When b is not distinct enough from a, target = SeparateColor(a, b, value).
struct ContrastRule
{
    int nTarget, nColor1, nColor2, nValue;
};

const ContrastRule g_contrastRules[] = {
    {31, 30, 31, 50},  {32, 30, 13, 100}, {33, 30, 33, 30},  {35, 41, 35, 80}, {37, 33, 37, 100},
    {38, 30, 38, 85},  {39, 30, 39, 50},  {43, 47, 43, 100}, {40, 30, 40, 80}, {44, 41, 44, 180},
    {45, 31, 45, 180}, {46, 30, 46, 180}, {47, 33, 47, 180},
};

// The colours of the three Windows XP schemes: colour 54 and the four
// gradients (start, end).
struct SchemeColors
{
    COLORREF clr54;
    COLORREF clrGradient[4][2];
};

const SchemeColors g_schemeColors[3] = {
    // blue
    {RGB(0, 45, 150),
     {{RGB(89, 135, 214), RGB(0, 45, 150)},
      {RGB(158, 190, 245), RGB(196, 218, 250)},
      {RGB(89, 135, 214), RGB(0, 45, 150)},
      {RGB(221, 236, 254), RGB(129, 169, 226)}}},
    // olive
    {RGB(96, 128, 88),
     {{RGB(175, 192, 130), RGB(99, 122, 68)},
      {RGB(217, 217, 167), RGB(242, 241, 228)},
      {RGB(120, 142, 111), RGB(73, 91, 67)},
      {RGB(244, 247, 222), RGB(183, 198, 145)}}},
    // silver
    {RGB(124, 124, 148),
     {{RGB(168, 167, 191), RGB(112, 111, 145)},
      {RGB(215, 215, 229), RGB(243, 243, 247)},
      {RGB(168, 167, 191), RGB(119, 118, 151)},
      {RGB(243, 244, 250), RGB(153, 151, 181)}}},
};

const int kBorderColorProperty = 3801; // TMT_BORDERCOLOR

int MaxChannel(COLORREF clr)
{
    return std::max(GetRValue(clr), std::max(GetGValue(clr), GetBValue(clr)));
}

// Every channel scaled by nNumerator / nDenominator.
COLORREF ScaleChannels(COLORREF clr, int nNumerator, int nDenominator)
{
    return RGB(GetRValue(clr) * nNumerator / nDenominator, GetGValue(clr) * nNumerator / nDenominator,
               GetBValue(clr) * nNumerator / nDenominator);
}

int BlendChannel(int c1, int c2, int nWeight, int nDivisor)
{
    return (c1 * nWeight + c2 * (nDivisor - nWeight) + nDivisor / 2) / nDivisor;
}

void LowerCase(wchar_t* psz)
{
    for (; *psz; ++psz)
        *psz = static_cast<wchar_t>(std::towlower(*psz));
}

} // namespace

CXTPColorManager::CXTPColorManager()
    : m_bInitialized(FALSE), m_bLunaColorsDisabled(FALSE), m_pfnGetSysColor(NULL),
      m_nSystemTheme(xtpSystemThemeAuto)
{
    std::fill(m_arrStandardColor, m_arrStandardColor + XTP_COLOR_COUNT, 0);
    std::fill(m_arrCustomColor, m_arrCustomColor + XTP_COLOR_COUNT, XTP_COLOR_NONE);
    RefreshColors(FALSE);
}

COLORREF CXTPColorManager::GetColor(int nIndex) const
{
    UINT nSlot = static_cast<UINT>(nIndex);
    if (nSlot >= static_cast<UINT>(XTP_COLOR_COUNT))
        return static_cast<COLORREF>(nIndex);
    return m_arrCustomColor[nSlot] != XTP_COLOR_NONE ? m_arrCustomColor[nSlot] : m_arrStandardColor[nSlot];
}

void CXTPColorManager::SetColor(UINT nIndex, COLORREF clr)
{
    if (nIndex < static_cast<UINT>(XTP_COLOR_COUNT))
        m_arrCustomColor[nIndex] = clr;
}

void CXTPColorManager::SetColors(int nCount, const UINT* pIndexes, const COLORREF* pColors)
{
    if (pIndexes == NULL || pColors == NULL)
        return;
    for (int i = 0; i < nCount; i++)
        SetColor(pIndexes[i], pColors[i]);
}

void CXTPColorManager::SetGetSysColorPtr(PFNGETSYSCOLOR pfnGetSysColor)
{
    m_pfnGetSysColor = pfnGetSysColor;
    RefreshColors(FALSE);
}

COLORREF CXTPColorManager::BlendColors(COLORREF clr1, COLORREF clr2, int nWeight)
{
    int nDivisor = nWeight < 100 ? 100 : 1000;
    return RGB(BlendChannel(GetRValue(clr1), GetRValue(clr2), nWeight, nDivisor),
               BlendChannel(GetGValue(clr1), GetGValue(clr2), nWeight, nDivisor),
               BlendChannel(GetBValue(clr1), GetBValue(clr2), nWeight, nDivisor));
}

int CXTPColorManager::GetCurrentSystemTheme() const
{
    if (m_nSystemTheme == xtpSystemThemeAuto || m_nSystemTheme == xtpSystemThemeDefault)
        return DetectLunaScheme();
    return m_nSystemTheme;
}

int CXTPColorManager::DetectLunaScheme()
{
    wchar_t szFileName[MAX_PATH] = L"", szColorName[MAX_PATH] = L"";
    CXTPUxThemeWrapper theme;
    if (theme.GetCurrentThemeName(szFileName, MAX_PATH, szColorName, MAX_PATH, NULL, 0) != S_OK)
        return xtpSystemThemeNone;
    // Whatever the library wrote, the texts end inside their buffers.
    szFileName[MAX_PATH - 1] = 0;
    szColorName[MAX_PATH - 1] = 0;
    LowerCase(szFileName);
    LowerCase(szColorName);
    if (std::wcsstr(szFileName, L"luna.msstyles") == NULL)
        return xtpSystemThemeNone;
    if (std::wcscmp(szColorName, L"normalcolor") == 0)
        return xtpSystemThemeBlue;
    if (std::wcscmp(szColorName, L"homestead") == 0)
        return xtpSystemThemeOlive;
    if (std::wcscmp(szColorName, L"metallic") == 0)
        return xtpSystemThemeSilver;
    return xtpSystemThemeNone;
}

COLORREF CXTPColorManager::SysColor(int nIndex) const
{
    return m_pfnGetSysColor != NULL ? m_pfnGetSysColor(nIndex) : ::GetSysColor(nIndex);
}

void CXTPColorManager::RefreshColors(BOOL bOnlyIfNotInitialized)
{
    if (bOnlyIfNotInitialized && m_bInitialized)
        return;
    m_bInitialized = TRUE;

    BOOL bLowColor = XTPIsLowColorDevice(NULL);
    RefreshSysColors();
    RefreshXPColors();
    if (bLowColor)
    {
        RefreshGradientColors();
        return;
    }
    RefreshBlendedColors();
    RefreshContrastColors();
    RefreshShadeColors();
    RefreshGradientColors();
    RefreshThemeBorderColor();
}

void CXTPColorManager::RefreshSysColors()
{
    SetStandard(0, 0);
    for (int i = 1; i <= COLOR_GRADIENTACTIVECAPTION; i++)
        SetStandard(i, SysColor(i));
}

void CXTPColorManager::RefreshXPColors()
{
    for (const BaseColor& base : g_baseColors)
        SetStandard(base.nIndex, GetColor(base.nSysColor));
}

void CXTPColorManager::RefreshBlendedColors()
{
    for (const BlendRule& rule : g_blendRules)
        SetStandard(rule.nTarget, BlendColors(GetColor(rule.nColor1), GetColor(rule.nColor2), rule.nWeight));
}

void CXTPColorManager::RefreshContrastColors()
{
    if (XTPIsColorDistinct(GetColor(15), GetColor(30), TRUE, 35))
        SetStandard(30, XTPApproachColor(GetColor(15), GetColor(30), 35));

    for (const ContrastRule& rule : g_contrastRules)
    {
        COLORREF clr1 = GetColor(rule.nColor1), clr2 = GetColor(rule.nColor2);
        if (!XTPIsColorDistinct(clr1, clr2, TRUE, rule.nValue))
            SetStandard(rule.nTarget, XTPSeparateColor(clr1, clr2, rule.nValue));
    }

    if (XTPIsColorDistinct(GetColor(41), GetColor(35), TRUE, 145))
        SetStandard(35, XTPApproachColor(GetColor(41), GetColor(35), 145));
}

void CXTPColorManager::RefreshShadeColors()
{
    COLORREF clrWindow = GetColor(5), clrHighlight = GetColor(13), clrFace30 = GetColor(30);
    int r = GetRValue(clrWindow) * 40 / 100 + GetRValue(clrHighlight) * 10 / 100
            + GetRValue(clrFace30) * 50 / 100;
    int g = GetGValue(clrWindow) * 40 / 100 + GetGValue(clrHighlight) * 10 / 100
            + GetGValue(clrFace30) * 50 / 100;
    int b = GetBValue(clrWindow) * 40 / 100 + GetBValue(clrHighlight) * 10 / 100
            + GetBValue(clrFace30) * 50 / 100;
    SetStandard(36, RGB(r & 0xFF, g & 0xFF, b & 0xFF));

    // A lighter button face.
    COLORREF clrFace = GetColor(COLOR_BTNFACE);
    int nFaceMax = MaxChannel(clrFace);
    SetStandard(48, nFaceMax == 0
                        ? RGB(35, 35, 35)
                        : ScaleChannels(clrFace, nFaceMax + std::min(35, 255 - nFaceMax), nFaceMax));

    // A darker shadow.
    COLORREF clrShadow = GetColor(COLOR_BTNSHADOW);
    int nShadowMax = MaxChannel(clrShadow);
    if (clrFace == 0)
        SetStandard(49, RGB(127, 127, 127));
    else if (nShadowMax == 0)
        SetStandard(49, 0);
    else
        SetStandard(49, ScaleChannels(clrShadow, std::max(nShadowMax - 43, 0), nShadowMax));

    SetStandard(34, ScaleChannels(Standard(31), 3, 4));
    SetStandard(COLOR_3DLIGHT,
                RGB(std::min(GetRValue(clrFace) + 15, 255), std::min(GetGValue(clrFace) + 15, 255),
                    std::min(GetBValue(clrFace) + 15, 255)));
    SetStandard(53, GetColor(30));
}

void CXTPColorManager::RefreshGradientColors()
{
    COLORREF clrFace = GetColor(COLOR_BTNFACE), clrShadow = GetColor(COLOR_BTNSHADOW);
    COLORREF clrLightFace = BlendColors(clrFace, GetColor(COLOR_WINDOW), 205);
    grcGradient[0].SetStandardValue(clrShadow, clrShadow);
    grcGradient[1].SetStandardValue(clrFace, clrLightFace);
    grcGradient[2].SetStandardValue(clrFace, clrShadow);
    grcGradient[3].SetStandardValue(clrLightFace, clrFace);

    if (m_bLunaColorsDisabled)
        return;
    int nTheme = GetCurrentSystemTheme();
    if (!XTPIsColorScheme(nTheme))
        return;
    const SchemeColors& scheme = g_schemeColors[nTheme - xtpSystemThemeBlue];
    SetStandard(54, scheme.clr54);
    for (int i = 0; i < 4; i++)
        grcGradient[i].SetStandardValue(scheme.clrGradient[i][0], scheme.clrGradient[i][1]);
}

void CXTPColorManager::RefreshThemeBorderColor()
{
    CXTPUxThemeWrapper theme;
    theme.OpenThemeData(NULL, L"TREEVIEW");
    COLORREF clrBorder;
    if (theme.IsAppThemed() && theme.GetThemeColor(0, 0, kBorderColorProperty, &clrBorder) == S_OK)
        SetStandard(57, clrBorder);
}

CXTPColorManager* XTPColorManager()
{
    static CXTPColorManager s_colorManager;
    return &s_colorManager;
}

COLORREF XTPGetColor(int nIndex)
{
    return XTPColorManager()->GetColor(nIndex);
}
