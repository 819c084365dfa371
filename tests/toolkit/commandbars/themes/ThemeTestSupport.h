#pragma once
// What the theme drawing tests share: a colour of its own for every table
// index (so a probe tells which index painted a pixel), a solid test icon, a
// toolbar window whose position the test chooses, and a fixture with a
// marked theme and such a toolbar.
#include "toolkit/commandbars/XTPPaintManager.h"
#include "toolkit/commandbars/XTPControlComboBox.h"
#include "toolkit/commandbars/XTPControlEdit.h"
#include "toolkit/commandbars/XTPToolBar.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

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

// A 16 x 16 icon of one opaque colour (the caller destroys it).
inline HICON MakeSolidIcon(COLORREF clr)
{
    PixelCanvas picture(16, 16, clr);
    CBitmap color;
    picture.CopyInto(color);
    PixelCanvas maskPicture(16, 16, kBlack);
    CBitmap mask;
    maskPicture.CopyInto(mask);
    ICONINFO info = {TRUE, 0, 0, (HBITMAP)mask.GetSafeHandle(), (HBITMAP)color.GetSafeHandle()};
    return ::CreateIconIndirect(&info);
}

class CThemeTestToolBar : public CXTPToolBar
{
public:
    void Place(XTPBarPosition barPosition) { m_barPosition = barPosition; }
};

// A theme with marked colours and a toolbar 100 x 26 docked at the top of
// its own window.
template <class TTheme>
class ThemeBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MarkColors(theme);
        pBar = new CThemeTestToolBar();
        ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &host));
        pBar->MoveWindow(0, 0, 100, 26);
    }
    void TearDown() override { pBar->InternalRelease(); }

    CTestWindow host;
    TTheme theme;
    CThemeTestToolBar* pBar = NULL;
};

// An edit or combo-box control standing alone (on no bar, so drawn as on a
// toolbar) whose state the test sets directly; ThemeFieldTest<> holds one of
// each at (0, 0, 80, 22), measured by the theme before drawing.
template <class TControl>
class CFieldProbe : public TControl
{
public:
    void SetState(BOOL bEnabled, int nSelected)
    {
        this->m_bEnabled = bEnabled;
        this->m_nSelected = nSelected;
    }
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

// Draws an edit (bCombo FALSE) or combo field 80 x 22 in the given state
// with the theme into the canvas (measured first, as a bar would).
template <class TTheme>
void DrawField(TTheme& theme, PixelCanvas& canvas, BOOL bCombo, const FieldState& state)
{
    if (bCombo)
    {
        CFieldProbe<CXTPControlComboBox>* pCombo = new CFieldProbe<CXTPControlComboBox>();
        pCombo->SetWidth(80);
        pCombo->SetState(state.bEnabled, state.nSelected);
        theme.DrawControlComboBox(&canvas.dc(), pCombo, FALSE);
        pCombo->SetRect(CRect(0, 0, 80, 22));
        theme.DrawControlComboBox(&canvas.dc(), pCombo, TRUE);
        pCombo->InternalRelease();
        return;
    }
    CFieldProbe<CXTPControlEdit>* pEdit = new CFieldProbe<CXTPControlEdit>();
    pEdit->SetWidth(80);
    pEdit->SetState(state.bEnabled, state.nSelected);
    theme.DrawControlEdit(&canvas.dc(), pEdit, FALSE);
    pEdit->SetRect(CRect(0, 0, 80, 22));
    theme.DrawControlEdit(&canvas.dc(), pEdit, TRUE);
    pEdit->InternalRelease();
}
