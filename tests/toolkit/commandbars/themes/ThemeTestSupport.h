#pragma once
// What the theme drawing tests share: a colour of its own for every table
// index (so a probe tells which index painted a pixel), a solid test icon, a
// toolbar window whose position the test chooses, and a fixture with a
// marked theme and such a toolbar.
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPImageManager.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

inline COLORREF Marker(int nIndex)
{
    return RGB(4 * nIndex, 250 - 3 * nIndex, (nIndex * 37) % 256);
}

// Every table entry of the theme takes its marker colour.
inline void MarkColors(CXTPPaintManager& theme)
{
    for (int nIndex = 0; nIndex < XTP_COLOR_COUNT; nIndex++)
    {
        const COLORREF clr = Marker(nIndex);
        theme.SetColors(1, &nIndex, &clr);
    }
}

// Gives the image manager a 16 x 16 icon of one opaque colour for the command.
inline void AddSolidIcon(CXTPImageManager& images, UINT nCommand, COLORREF clr)
{
    PixelCanvas picture(16, 16, clr), maskPicture(16, 16, kBlack);
    CBitmap color, mask;
    picture.CopyInto(color);
    maskPicture.CopyInto(mask);
    ICONINFO info = {TRUE, 0, 0, (HBITMAP)mask.GetSafeHandle(), (HBITMAP)color.GetSafeHandle()};
    HICON hIcon = ::CreateIconIndirect(&info);
    EXPECT_TRUE(images.SetIcon(CXTPImageManagerIconHandle(hIcon), nCommand, CSize(16, 16)));
    ::DestroyIcon(hIcon);
}

// The colour manager's scheme is fixed for one case and given back after.
struct SchemeScope
{
    explicit SchemeScope(int nScheme) { Use(nScheme); }
    ~SchemeScope() { Use(xtpSystemThemeDefault); }
    static void Use(int nScheme)
    {
        XTPColorManager()->SetSystemTheme(nScheme);
        XTPColorManager()->RefreshColors();
    }
};

class CThemeTestToolBar : public CXTPToolBar
{
public:
    void Place(XTPBarPosition barPosition) { m_barPosition = barPosition; }
    // Makes the bar stand as a popup bar.
    void MakePopup()
    {
        m_barType = xtpBarTypePopup;
        m_barPosition = xtpBarPopup;
    }
    // Makes the bar stand as a menu bar.
    void MakeMenuBar() { m_barType = xtpBarTypeMenuBar; }
};

// A toolbar 100 x 26 docked at the top of a window of its own.
struct ThemeTestBar
{
    ThemeTestBar() : pBar(new CThemeTestToolBar())
    {
        EXPECT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &host));
        pBar->MoveWindow(0, 0, 100, 26);
    }
    ~ThemeTestBar() { pBar->InternalRelease(); }

    CTestWindow host;
    CThemeTestToolBar* pBar;
};

// A theme with marked colours and such a toolbar.
template <class TTheme>
class ThemeBarTest : public ::testing::Test, public ThemeTestBar
{
protected:
    ThemeBarTest() { MarkColors(theme); }

    TTheme theme;
};

struct FieldState
{
    const char* name;
    BOOL bEnabled;
    int nSelected;
};

const FieldState kFieldStates[] = {
    {"normal", TRUE, 0},
    {"selected", TRUE, 1},
    {"disabled", FALSE, 0},
    {"disabled, reached by the keyboard", FALSE, 2},
};

// An edit or combo-box control 80 wide standing alone (on no bar, so drawn
// as on a toolbar) in a state the test sets directly.
template <class TControl>
class CFieldProbe : public TControl
{
public:
    explicit CFieldProbe(const FieldState& state)
    {
        this->m_bEnabled = state.bEnabled;
        this->m_nSelected = state.nSelected;
        this->SetWidth(80);
    }
};

// Draws an edit (bCombo FALSE) or combo field 80 x 22 in the given state
// with the theme into the canvas (measured first, as a bar would).
inline void DrawField(CXTPPaintManager& theme, PixelCanvas& canvas, BOOL bCombo, const FieldState& state)
{
    CXTPControl* pField = bCombo ? (CXTPControl*)new CFieldProbe<CXTPControlComboBox>(state)
                                 : new CFieldProbe<CXTPControlEdit>(state);
    theme.DrawControl(&canvas.dc(), pField, FALSE);
    pField->SetRect(CRect(0, 0, 80, 22));
    theme.DrawControl(&canvas.dc(), pField, TRUE);
    pField->InternalRelease();
}

// Both themes, marked, draw every field in every state pixel for pixel alike.
inline void ExpectSameFields(CXTPPaintManager& expectedTheme, CXTPPaintManager& actualTheme)
{
    MarkColors(expectedTheme);
    MarkColors(actualTheme);
    for (const FieldState& state : kFieldStates)
        for (BOOL bCombo : {FALSE, TRUE})
        {
            PixelCanvas expected(90, 24), actual(90, 24);
            DrawField(expectedTheme, expected, bCombo, state);
            DrawField(actualTheme, actual, bCombo, state);
            EXPECT_TRUE(expected.SameAs(actual)) << state.name << (bCombo ? ", combo" : ", edit");
        }
}

// A colour named: "m<index>" for a marker, "w" for white, otherwise
// "#rrggbb"; so one literal string states a whole probe.
inline std::string ColorName(COLORREF clr)
{
    char name[16];
    snprintf(name, sizeof name, "#%02x%02x%02x", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    for (int nIndex = 0; nIndex < XTP_COLOR_COUNT; nIndex++)
        if (clr == Marker(nIndex))
            snprintf(name, sizeof name, "m%d", nIndex);
    return clr == kWhite ? "w" : name;
}

inline std::string ColorNames(const std::vector<COLORREF>& colors)
{
    std::string text;
    for (COLORREF clr : colors)
        text += (text.empty() ? "" : " ") + ColorName(clr);
    return text;
}

// The named colours of the canvas at the points.
inline std::string Probe(const PixelCanvas& canvas, const std::vector<POINT>& points)
{
    std::vector<COLORREF> colors;
    for (POINT pt : points)
        colors.push_back(canvas.Pixel(pt.x, pt.y));
    return ColorNames(colors);
}
