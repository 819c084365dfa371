#pragma once
// Theme state a control test changes and must give back, so that no later
// case (in any order) sees it: the colour scheme and the controls' theme id;
// and the names of the theme classes a case reads.
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
#include <cxxabi.h>
#include <memory>
#include <string>
#include <typeinfo>

class CScopedColorScheme
{
public:
    explicit CScopedColorScheme(int nScheme, BOOL bSchemeColorsOff = FALSE)
    {
        Apply(nScheme, bSchemeColorsOff);
    }
    ~CScopedColorScheme() { Apply(xtpSystemThemeAuto, FALSE); }

private:
    static void Apply(int nScheme, BOOL bSchemeColorsOff)
    {
        XTPColorManager()->SetSystemTheme(nScheme);
        XTPColorManager()->DisableLunaColors(bSchemeColorsOff);
        XTPColorManager()->RefreshColors(FALSE);
    }
};

// Puts the theme manager back to theme 0 on leaving the scope; the case sets
// its theme whenever it needs to (before or after making its controls).
struct CThemeManagerReset
{
    ~CThemeManagerReset() { XTThemeManager()->SetTheme(0); }
};

// The class of the object as declared, "CXTButtonThemeOffice2003".
template <class T>
std::string ClassName(const T& object)
{
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(object).name(), NULL, NULL, NULL),
                                                free);
    return name.get();
}

// "class id|" for the theme the factory makes for each id, and the id it records.
template <class TFactory>
std::string ThemesMade(std::initializer_list<int> ids)
{
    TFactory factory;
    std::string made;
    for (int nTheme : ids)
    {
        std::unique_ptr<CXTThemeManagerStyle> pTheme(factory.CreateTheme(nTheme));
        made += ClassName(*pTheme) + " " + std::to_string(pTheme->GetThemeId()) + "|";
    }
    return made;
}
