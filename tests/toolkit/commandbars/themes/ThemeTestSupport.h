#pragma once
// What the theme drawing tests share: a colour of its own for every table
// index (so a probe tells which index painted a pixel), a solid test icon, a
// toolbar window whose position the test chooses, and a fixture with a
// marked theme and such a toolbar.
#include "toolkit/commandbars/XTPPaintManager.h"
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
