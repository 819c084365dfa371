// The paint manager's status-bar services on a real status bar: panes
// framed flat in the shadow colour with their text, a last pane as wide as
// its text, and panes without border or disabled.
#include "framework/Controls.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kShadow = RGB(10, 20, 30);
const COLORREF kHighlight = RGB(40, 50, 60);
const COLORREF kFace = RGB(70, 80, 90);

class StatusBarDrawing : public FrameTest<>
{
protected:
    void Prepare() override
    {
        const int nIndexes[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
        const COLORREF colors[] = {kFace, kShadow, kHighlight};
        theme.SetColors(3, nIndexes, colors);
        ASSERT_TRUE(statusBar.Create(frame));
        const UINT ids[] = {ID_SEPARATOR, ID_SEPARATOR};
        statusBar.SetIndicators(ids, 2);
        statusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_STRETCH, 100);
        statusBar.SetPaneInfo(1, ID_SEPARATOR, SBPS_NORMAL, 40);
        statusBar.SetPaneText(0, "Ready");
        statusBar.SetPaneText(1, "CAP");
        frame->RecalcLayout();
        statusBar.GetClientRect(&rcClient);
    }

    // The pane drawn over the filled bar.
    void DrawPane(PixelCanvas& canvas, int nIndex)
    {
        theme.FillStatusBar(&canvas.dc(), &statusBar);
        theme.DrawStatusBarPane(&canvas.dc(), &statusBar, nIndex);
    }

    CXTPOfficeXPTheme theme;
    CStatusBar statusBar;
    CRect rcClient;
};

TEST_F(StatusBarDrawing, LastPaneWithoutStretchIsAsWideAsItsText)
{
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    DrawPane(canvas, 1);
    CRect rcPane;
    statusBar.GetItemRect(1, &rcPane);
    const int nRight = rcPane.left + 40 + 3 * ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(kShadow, canvas.Pixel(nRight - 1, rcPane.top + 2));
    EXPECT_EQ(kFace, canvas.Pixel(nRight, rcPane.top + 2));
}

TEST_F(StatusBarDrawing, PaneIsFramedInTheShadowColourWithItsTextUnlessBorderlessOrDisabled)
{
    CRect rcPane;
    statusBar.GetItemRect(0, &rcPane);
    ASSERT_FALSE(rcPane.IsRectEmpty());
    CRect rcInside = rcPane;
    rcInside.DeflateRect(1, 1);
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    DrawPane(canvas, 0);
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.left, rcPane.top));
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.right - 1, rcPane.bottom - 1));
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.left, rcPane.bottom - 1));
    EXPECT_GT(canvas.CountOther(rcInside, kFace), 0) << "the text";
    EXPECT_EQ(kFace, canvas.Pixel(rcPane.right + 1, rcPane.top + 2)) << "outside the pane only the face";

    statusBar.SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    PixelCanvas noBorder(rcClient.Width(), rcClient.Height());
    DrawPane(noBorder, 0);
    EXPECT_EQ(kFace, noBorder.Pixel(rcPane.left, rcPane.top));
    EXPECT_GT(noBorder.CountOther(rcInside, kFace), 0);

    statusBar.SetPaneStyle(0, SBPS_STRETCH | SBPS_DISABLED);
    PixelCanvas disabled(rcClient.Width(), rcClient.Height());
    DrawPane(disabled, 0);
    EXPECT_EQ(kShadow, disabled.Pixel(rcPane.left, rcPane.top));
    EXPECT_EQ(0, disabled.CountOther(rcInside, kFace));
}

TEST(PaintManagerBorders, BaseFrameIsSunkenAndTheOfficeXPFrameFlat)
{
    CXTPOfficeXPTheme theme;
    const int nIndexes[] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    const COLORREF colors[] = {kShadow, kHighlight};
    theme.SetColors(2, nIndexes, colors);
    PixelCanvas flat(20, 20);
    theme.DrawStatusBarPaneBorder(&flat.dc(), CRect(2, 2, 18, 18));
    EXPECT_EQ(kShadow, flat.Pixel(2, 2));
    EXPECT_EQ(kShadow, flat.Pixel(17, 17));
    PixelCanvas sunken(20, 20);
    theme.CXTPPaintManager::DrawStatusBarPaneBorder(&sunken.dc(), CRect(2, 2, 18, 18));
    EXPECT_EQ(kShadow, sunken.Pixel(2, 2));
    EXPECT_EQ(kHighlight, sunken.Pixel(17, 17));
}

} // namespace
