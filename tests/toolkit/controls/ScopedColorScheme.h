#pragma once
// A colour scheme fixed for one test case. The colour manager takes the
// scheme (and whether scheme colours are switched off) and refreshes; leaving
// the scope puts back the automatic scheme with scheme colours on and
// refreshes again, so no later case sees colours computed under this one.
//
//     CScopedColorScheme scheme(xtpSystemThemeOlive);
//     theme.RefreshMetrics();                // reads the olive colours
#include "toolkit/foundation/XTPColorManager.h"

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
