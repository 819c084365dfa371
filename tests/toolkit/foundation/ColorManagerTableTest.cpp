// The derived colours 28 to 56 of two whole system-colour sets (the classic
// one, and a dark one that brings in the contrast rules), worked out
// apart from this code from the colour manager's rules (blends, contrast,
// shades).
#include "toolkit/foundation/XTPColorManager.h"

#include <gtest/gtest.h>

namespace {

struct ColorSet
{
    const char* pszName;
    COLORREF clrSystem[28];  // indexes 0 to 27
    COLORREF clrDerived[29]; // indexes 28 to 56
    COLORREF clr3DLight;     // the face 15 lighter per channel, not the system's
};

const ColorSet g_sets[] = {
    {"classic",
     {RGB(0, 0, 0),       RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
      RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240)},
     {RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(219, 216, 209), RGB(182, 189, 210), RGB(10, 36, 106),
      RGB(133, 146, 181), RGB(136, 141, 157), RGB(166, 166, 166), RGB(212, 213, 216), RGB(10, 36, 106),
      RGB(160, 160, 160), RGB(166, 166, 166), RGB(141, 141, 141), RGB(249, 248, 247), RGB(204, 200, 193),
      RGB(102, 102, 102), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
      RGB(247, 242, 233), RGB(85, 85, 85),    RGB(10, 36, 106),   RGB(212, 208, 200), RGB(128, 128, 128),
      RGB(219, 216, 209), RGB(128, 128, 128), RGB(212, 208, 200), RGB(212, 208, 200)},
     RGB(227, 223, 215)},
    {"dark",
     {RGB(0, 0, 0),       RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
      RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(200, 200, 0),   RGB(0, 0, 0),
      RGB(40, 40, 60),    RGB(20, 20, 30),    RGB(90, 90, 90),    RGB(255, 255, 255), RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
      RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240)},
     {RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(33, 33, 50),    RGB(84, 84, 31),    RGB(200, 200, 0),
      RGB(100, 100, 0),   RGB(63, 63, 23),    RGB(97, 97, 97),    RGB(36, 36, 25),    RGB(200, 200, 0),
      RGB(119, 119, 123), RGB(84, 84, 89),    RGB(114, 114, 119), RGB(6, 6, 9),       RGB(38, 38, 57),
      RGB(116, 116, 121), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(225, 225, 225),
      RGB(63, 63, 95),    RGB(0, 0, 0),       RGB(200, 200, 0),   RGB(40, 40, 60),    RGB(20, 20, 30),
      RGB(33, 33, 50),    RGB(20, 20, 30),    RGB(40, 40, 60),    RGB(40, 40, 60)},
     RGB(55, 55, 75)},
};

const ColorSet* g_pCurrentSet = NULL;

COLORREF SetSysColor(int nIndex)
{
    return g_pCurrentSet->clrSystem[nIndex];
}

TEST(ColorManagerTable, DerivedColoursOfWholeColourSets)
{
    for (const ColorSet& set : g_sets)
    {
        g_pCurrentSet = &set;
        CXTPColorManager colors;
        colors.SetSystemTheme(xtpSystemThemeNone);
        colors.SetGetSysColorPtr(SetSysColor);
        // Colours 1 to 56: the system's but for the lighter 3D light, then the derived ones.
        std::vector<COLORREF> expected(set.clrSystem + 1, set.clrSystem + 28), actual;
        expected[COLOR_3DLIGHT - 1] = set.clr3DLight;
        expected.insert(expected.end(), set.clrDerived, set.clrDerived + 29);
        for (int i = 1; i <= 56; i++)
            actual.push_back(colors.GetColor(i));
        EXPECT_EQ(expected, actual) << set.pszName;
    }
}

} // namespace
