#pragma once
// The toolkit's process-wide colours: 58 standard colours derived from the
// system colours and the Windows XP colour scheme in use, 58 custom overrides,
// and four two-colour gradients. Indexes 0 to 27 are the Windows system-colour
// indexes, 28 to 57 the toolkit's derived colours; a larger value passed where
// an index is expected is a COLORREF and is returned unchanged.
#include "framework/window/CCmdTarget.h"

const int XTP_COLOR_COUNT = 58;
const COLORREF XTP_COLOR_NONE = 0xFFFFFFFF;

// The Windows XP colour schemes; 4 and 5 ask for detection.
enum XTPCurrentSystemTheme
{
    xtpSystemThemeNone = 0,
    xtpSystemThemeBlue = 1,
    xtpSystemThemeOlive = 2,
    xtpSystemThemeSilver = 3,
    xtpSystemThemeAuto = 4,
    xtpSystemThemeDefault = 5
};

// One of the three schemes themselves (blue, olive, silver): neither none
// nor a request for detection.
inline BOOL XTPIsColorScheme(int nScheme)
{
    return nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver;
}

// A colour with a standard value and an optional custom override; both are
// unset (0xFFFFFFFF) at first and the custom value wins when it is set.
class CXTPPaintManagerColor
{
public:
    CXTPPaintManagerColor() : m_clrStandardValue(XTP_COLOR_NONE), m_clrCustomValue(XTP_COLOR_NONE) {}

    CXTPPaintManagerColor& SetStandardValue(COLORREF clr)
    {
        m_clrStandardValue = clr;
        return *this;
    }
    CXTPPaintManagerColor& SetCustomValue(COLORREF clr)
    {
        m_clrCustomValue = clr;
        return *this;
    }

    COLORREF GetStandardColor() const { return m_clrStandardValue; }
    operator COLORREF() const
    {
        return m_clrCustomValue != XTP_COLOR_NONE ? m_clrCustomValue : m_clrStandardValue;
    }

private:
    COLORREF m_clrStandardValue;
    COLORREF m_clrCustomValue;
};

// A gradient from clrLight (its start) to clrDark (its end).
class CXTPPaintManagerColorGradient
{
public:
    CXTPPaintManagerColorGradient& SetStandardValue(COLORREF clrLightValue, COLORREF clrDarkValue)
    {
        clrLight.SetStandardValue(clrLightValue);
        clrDark.SetStandardValue(clrDarkValue);
        return *this;
    }
    CXTPPaintManagerColorGradient& SetStandardValue(const COLORREF& clr)
    {
        return SetStandardValue(clr, clr);
    }
    CXTPPaintManagerColorGradient& SetCustomValue(COLORREF clrLightValue, COLORREF clrDarkValue)
    {
        clrLight.SetCustomValue(clrLightValue);
        clrDark.SetCustomValue(clrDarkValue);
        return *this;
    }

    CXTPPaintManagerColor clrLight;
    CXTPPaintManagerColor clrDark;
};

class CXTPColorManager : public CCmdTarget
{
public:
    typedef COLORREF (*PFNGETSYSCOLOR)(int nIndex);

    CXTPColorManager();
    ~CXTPColorManager() override {}

    // The custom colour when set, else the standard one; any value above 57
    // (compared unsigned) comes back unchanged.
    COLORREF GetColor(int nIndex) const;

    // Custom overrides; they survive every refresh and trigger none. An index
    // outside 0..57 changes nothing.
    void SetColor(UINT nIndex, COLORREF clr);
    void SetColors(int nCount, const UINT* pIndexes, const COLORREF* pColors);

    // Recomputes every standard colour and gradient from the system colours.
    void RefreshColors(BOOL bOnlyIfNotInitialized = FALSE);

    // Replaces GetSysColor as the source of the system colours (NULL: the
    // system's own), then refreshes.
    void SetGetSysColorPtr(PFNGETSYSCOLOR pfnGetSysColor);

    // Per-channel mix of clr1 and clr2: nWeight is per cent of clr1 below 100
    // and per mille from 100 up; the result is rounded.
    static COLORREF BlendColors(COLORREF clr1, COLORREF clr2, int nWeight);

    // Switches the scheme colours off; takes effect at the next refresh.
    void DisableLunaColors(BOOL bDisable = TRUE) { m_bLunaColorsDisabled = bDisable; }
    BOOL IsLunaColorsDisabled() const { return m_bLunaColorsDisabled; }

    // The scheme to use (XTPCurrentSystemTheme); takes effect at the next
    // refresh. Setting 1 to 3 fixes the scheme regardless of the system's.
    void SetSystemTheme(int nSystemTheme) { m_nSystemTheme = nSystemTheme; }
    // The setting, with 4 and 5 answered by DetectLunaScheme.
    int GetCurrentSystemTheme() const;
    // The scheme of the running visual style: 1 blue, 2 olive, 3 silver for
    // the Luna styles, 0 for anything else.
    static int DetectLunaScheme();

    // Gradients 0 to 3.
    CXTPPaintManagerColorGradient grcGradient[4];

private:
    COLORREF Standard(int nIndex) const { return m_arrStandardColor[nIndex]; }
    void SetStandard(int nIndex, COLORREF clr) { m_arrStandardColor[nIndex] = clr; }
    COLORREF SysColor(int nIndex) const;

    void RefreshSysColors();
    void RefreshXPColors();
    void RefreshBlendedColors();
    void RefreshContrastColors();
    void RefreshShadeColors();
    void RefreshGradientColors();
    void RefreshThemeBorderColor();

    BOOL m_bInitialized;
    BOOL m_bLunaColorsDisabled;
    COLORREF m_arrStandardColor[XTP_COLOR_COUNT];
    COLORREF m_arrCustomColor[XTP_COLOR_COUNT];
    PFNGETSYSCOLOR m_pfnGetSysColor;
    int m_nSystemTheme;
};

// The single colour manager, built on the first call and destroyed at exit.
CXTPColorManager* XTPColorManager();

// XTPColorManager()->GetColor(nIndex).
COLORREF XTPGetColor(int nIndex);
