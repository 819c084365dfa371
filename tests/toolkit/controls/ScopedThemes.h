#pragma once
// Theme state a control test changes and must give back, so that no later
// case (in any order) sees it: the colour scheme and the controls' theme id.
//
// CScopedColorScheme: a colour scheme fixed for one test case. The colour manager takes the
// scheme (and whether scheme colours are switched off) and refreshes; leaving
// the scope puts back the automatic scheme with scheme colours on and
// refreshes again, so no later case sees colours computed under this one.
//
//     CScopedColorScheme scheme(xtpSystemThemeOlive);
//     theme.RefreshMetrics();                // reads the olive colours
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTThemeManager.h"

class CScopedColorScheme
{
public:
    explicit CScopedColorScheme(int nScheme, BOOL bSchemeColorsOff = FALSE)
    {
        XTPColorManager()->SetSystemTheme(nScheme);
        XTPColorManager()->DisableLunaColors(bSchemeColorsOff);
        XTPColorManager()->RefreshColors(FALSE);
    }
    ~CScopedColorScheme()
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeAuto);
        XTPColorManager()->DisableLunaColors(FALSE);
        XTPColorManager()->RefreshColors(FALSE);
    }
    CScopedColorScheme(const CScopedColorScheme&) = delete;
    CScopedColorScheme& operator=(const CScopedColorScheme&) = delete;
};

// Puts the theme manager back to theme 0 on leaving the scope; the case sets
// its theme whenever it needs to (before or after making its controls).
struct CThemeManagerReset
{
    CThemeManagerReset() = default;
    ~CThemeManagerReset() { XTThemeManager()->SetTheme(0); }
    CThemeManagerReset(const CThemeManagerReset&) = delete;
    CThemeManagerReset& operator=(const CThemeManagerReset&) = delete;
};
