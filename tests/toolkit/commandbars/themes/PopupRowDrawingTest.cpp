// Popup drawing of the Office XP, Office 2003 and Office 2000 looks probed
// pixel by pixel: the tear-off strip's grip marks take the middle of the
// strip, 20 pixels less than its width; a disabled combo box without a
// window of its own still shows its text; and rows of popup-like lists
// (DrawControlPopupRow) with their back, icon column, selection, submenu
// arrow, split divider and edit or combo field.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A strip 30 pixels wide has grip lines 10 long, centred: w = 30 / 2 - 10.
TEST(TearOffStripDrawing, OfficeXPGripLinesTakeTheMiddleOfTheStrip)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    PixelCanvas narrow(40, 12), wide(110, 12), selected(40, 12);
    EXPECT_EQ(CSize(0, 9), theme.DrawTearOffGripper(&narrow.dc(), CRect(0, 0, 30, 9), FALSE, TRUE));
    // Lines at y 3, 5 and 7 from x 10 up to 20, on the bar face.
    EXPECT_EQ("m30 m38 m38 m30 m30 m38 m38", Probe(narrow, {{9, 3}, {10, 3}, {19, 3}, {20, 3}, {15, 4}, {10, 5}, {19, 7}}));
    EXPECT_EQ("m41 m30", Probe(narrow, {{1, 1}, {2, 2}})) << "the popup back around the strip";

    theme.DrawTearOffGripper(&wide.dc(), CRect(0, 0, 100, 9), FALSE, TRUE);
    EXPECT_EQ("m30 m38 m38 m30", Probe(wide, {{33, 5}, {34, 5}, {65, 5}, {66, 5}})) << "at most 32 long";

    theme.DrawTearOffGripper(&selected.dc(), CRect(0, 0, 30, 9), TRUE, TRUE);
    EXPECT_EQ("m32 m45 m31 m45 m31", Probe(selected, {{2, 2}, {10, 4}, {10, 5}, {19, 6}, {20, 6}}))
        << "selected: the hot box, two lines in the hot text colour";
}

TEST(TearOffStripDrawing, Office2003DotsTakeTheMiddleOfTheStrip)
{
    CXTPOffice2003Theme theme;
    MarkColors(theme);
    PixelCanvas narrow(40, 12), wide(110, 12);
    EXPECT_EQ(CSize(0, 9), theme.DrawTearOffGripper(&narrow.dc(), CRect(0, 0, 30, 9), FALSE, TRUE));
    // Dots every 4 pixels from x 10 while below 20: 10, 14, 18.
    EXPECT_EQ("m30 m38 m38 m38 m30", Probe(narrow, {{9, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}}));
    theme.DrawTearOffGripper(&wide.dc(), CRect(0, 0, 100, 9), FALSE, TRUE);
    // At most 64 long: from 18 to 82.
    EXPECT_EQ("m30 m38 m38 m30", Probe(wide, {{17, 4}, {18, 4}, {78, 4}, {82, 4}}));
}

// A combo box field standing alone, without an edit window, showing "Text".
class CTextCombo : public CXTPControlComboBox
{
public:
    explicit CTextCombo(BOOL bEnabled)
    {
        m_bEnabled = bEnabled;
        SetWidth(80);
        SetEditText("Text");
    }
};

TEST(ComboTextDrawing, OfficeXPShowsTheTextOfADisabledComboWithoutAWindow)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    for (BOOL bEnabled : {TRUE, FALSE})
    {
        PixelCanvas canvas(90, 24);
        CTextCombo* pCombo = new CTextCombo(bEnabled);
        theme.DrawControl(&canvas.dc(), pCombo, FALSE);
        pCombo->SetRect(CRect(0, 0, 80, 22));
        theme.DrawControl(&canvas.dc(), pCombo, TRUE);
        EXPECT_GT(canvas.CountOther(CRect(3, 1, 40, 21), canvas.Pixel(2, 11)), 0)
            << (bEnabled ? "enabled" : "disabled") << ": the text shows";
        pCombo->InternalRelease();
    }
}

// A list row 200 x 22 drawn by a marked theme: a control of the given type
// captioned "&Open", or no control.
template <class TTheme>
class PopupListRow : public ::testing::Test
{
protected:
    PopupListRow() : canvas(200, 22) { MarkColors(theme); }
    CSize Draw(XTPControlType type, BOOL bSelected)
    {
        CXTPControl* pControl = type == xtpControlError ? NULL : controls.Add(type, 0);
        if (pControl != NULL)
            pControl->SetCaption(CString("&Open"));
        return theme.DrawControlPopupRow(&canvas.dc(), pControl, CRect(0, 0, 200, 22), bSelected, TRUE,
                                         CSize(16, 16), FALSE);
    }
    CSize Measure()
    {
        return theme.DrawControlPopupRow(&canvas.dc(), NULL, CRect(0, 0, 200, 22), FALSE, FALSE, CSize(16, 16),
                                         FALSE);
    }
    int TextHeight() const { return theme.GetTextHeight(); }

    TTheme theme;
    PixelCanvas canvas;
    CXTPControls controls;
};

using OfficeXPPopupListRow = PopupListRow<CXTPOfficeXPTheme>;
using Office2000PopupListRow = PopupListRow<CXTPOffice2000Theme>;

TEST_F(OfficeXPPopupListRow, MeasuresTheImageBoxAndTheRow)
{
    EXPECT_EQ(CSize(std::max(16, TextHeight()) + 4, std::max(22, TextHeight())), Measure());
}

TEST_F(OfficeXPPopupListRow, AnEmptyRowIsThePopupBackWithTheIconColumn)
{
    EXPECT_EQ(CSize(0, 0), Draw(xtpControlError, FALSE));
    EXPECT_EQ("m30 m30 m41 m41", Probe(canvas, {{0, 11}, {20, 11}, {150, 11}, {199, 0}}));
}

TEST_F(OfficeXPPopupListRow, ASelectedRowIsTheHotBoxWithHotText)
{
    EXPECT_EQ(Measure(), Draw(xtpControlButton, TRUE));
    EXPECT_EQ("m32 m32 m31", Probe(canvas, {{0, 0}, {199, 21}, {150, 11}}));
    EXPECT_EQ(Marker(45), canvas.dc().GetTextColor());
}

TEST_F(OfficeXPPopupListRow, SubmenusGetTheArrowAndSplitButtonsTheDivider)
{
    Draw(xtpControlSplitButtonPopup, FALSE);
    // The arrow's tip at (193, 11), its back 5 to the left.
    EXPECT_EQ("m44 m44 m41", Probe(canvas, {{192, 11}, {189, 8}, {195, 11}}));
    EXPECT_EQ("m16 m16 m41", Probe(canvas, {{180, 1}, {180, 20}, {181, 11}}));
}

TEST_F(OfficeXPPopupListRow, AComboRowEndsInItsFieldAndButton)
{
    Draw(xtpControlComboBox, FALSE);
    EXPECT_EQ("m15 m15 m15", Probe(canvas, {{199, 11}, {150, 0}, {197, 2}})) << "frame, button face";
    Draw(xtpControlComboBox, TRUE);
    EXPECT_EQ("m32 m31", Probe(canvas, {{199, 11}, {197, 2}})) << "selected: hot frame and hot button";
}

TEST_F(Office2000PopupListRow, MeasuresTheImageBox)
{
    const int nBox = std::max(20, TextHeight());
    EXPECT_EQ(CSize(nBox, nBox), Measure());
}

TEST_F(Office2000PopupListRow, ASelectedRowHighlightsItsTextArea)
{
    EXPECT_EQ(CSize(0, 0), Draw(xtpControlError, FALSE));
    EXPECT_EQ("m15 m15", Probe(canvas, {{1, 11}, {150, 11}})) << "empty: button face";
    Draw(xtpControlButton, TRUE);
    EXPECT_EQ("m15 m13 m13 m15", Probe(canvas, {{0, 11}, {1, 11}, {198, 11}, {199, 11}}));
    EXPECT_EQ(Marker(14), canvas.dc().GetTextColor());
}

TEST_F(Office2000PopupListRow, SubmenusGetTheArrowAndSplitButtonsTheDivider)
{
    Draw(xtpControlSplitButtonPopup, FALSE);
    EXPECT_EQ("m18 m18 m15", Probe(canvas, {{192, 11}, {180, 5}, {181, 11}}));
    Draw(xtpControlSplitButtonPopup, TRUE);
    EXPECT_EQ("m14 m14 m13", Probe(canvas, {{192, 11}, {180, 5}, {181, 11}}));
}

TEST_F(Office2000PopupListRow, AComboRowEndsInItsFieldAndButton)
{
    Draw(xtpControlComboBox, FALSE);
    EXPECT_EQ("m15 m15", Probe(canvas, {{199, 11}, {197, 2}}));
    Draw(xtpControlComboBox, TRUE);
    EXPECT_EQ("m13 m15", Probe(canvas, {{199, 11}, {197, 2}})) << "selected: highlight frames";
}

} // namespace
