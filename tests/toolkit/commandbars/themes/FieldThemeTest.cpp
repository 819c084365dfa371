// Edit and combo-box fields of the classic, flat and Office 2003 looks,
// drawn into a memory DC with marked colours and probed per state.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kNone = kWhite;

// The frame and inside colours expected at the probes of one state.
struct FieldLook
{
    COLORREF clrLeft;  // the field's left edge (x = 1 for edits, 0 for combos)
    COLORREF clrRight; // its right edge (x = 79)
    COLORREF clrInside;
};

// The classic look: a sunken white field; disabled, a flat highlight frame
// (shadow when the keyboard reached it) around an unfilled inside.
TEST(Office2000Fields, EditIsASunkenWhiteField)
{
    const FieldLook kLooks[] = {
        {Marker(16), Marker(20), Marker(5)},
        {Marker(16), Marker(20), Marker(5)},
        {Marker(20), Marker(20), kNone},
        {Marker(16), Marker(16), kNone},
    };
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(kFieldStates[i].name);
        PixelCanvas canvas(90, 24);
        DrawField(theme, canvas, FALSE, kFieldStates[i]);
        EXPECT_EQ(kNone, canvas.Pixel(0, 10)); // the field starts one pixel in
        EXPECT_EQ(kLooks[i].clrLeft, canvas.Pixel(1, 10));
        EXPECT_EQ(kLooks[i].clrLeft, canvas.Pixel(40, 0));
        EXPECT_EQ(kLooks[i].clrRight, canvas.Pixel(79, 10));
        EXPECT_EQ(kLooks[i].clrRight, canvas.Pixel(40, 21));
        EXPECT_EQ(kLooks[i].clrInside, canvas.Pixel(40, 10));
    }
}

TEST(Office2000Fields, ComboHasARaisedButtonInsideTheSunkenFrame)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    for (const FieldState& state : kFieldStates)
    {
        SCOPED_TRACE(state.name);
        PixelCanvas canvas(90, 24);
        DrawField(theme, canvas, TRUE, state);
        EXPECT_EQ(state.bEnabled || state.nSelected == 2 ? Marker(16) : Marker(20), canvas.Pixel(0, 10));
        EXPECT_EQ(state.bEnabled ? Marker(5) : kNone, canvas.Pixel(10, 10));
        // The button's black outer shadow one pixel inside the field frame.
        EXPECT_EQ(state.bEnabled ? Marker(0) : kNone, canvas.Pixel(78, 10));
        EXPECT_GT(canvas.CountOther(CRect(60, 0, 90, 24), kWhite), 0);
        EXPECT_EQ(0, canvas.CountOther(CRect(81, 0, 90, 24), kWhite));
    }
}

// The flat look: no frame on a toolbar until selected; disabled, button face
// framed in colour 40 (32 when the keyboard reached it).
template <class TTheme>
void ExpectFlatEdit()
{
    const FieldLook kLooks[] = {
        {kNone, kNone, Marker(5)},
        {Marker(32), Marker(32), Marker(5)},
        {Marker(40), Marker(40), Marker(15)},
        {Marker(32), Marker(32), Marker(15)},
    };
    TTheme theme;
    MarkColors(theme);
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(kFieldStates[i].name);
        PixelCanvas canvas(90, 24);
        DrawField(theme, canvas, FALSE, kFieldStates[i]);
        const int xLeft = kFieldStates[i].bEnabled ? 0 : 1;
        EXPECT_EQ(kLooks[i].clrLeft, canvas.Pixel(xLeft, 10));
        EXPECT_EQ(kLooks[i].clrLeft, canvas.Pixel(40, 0));
        EXPECT_EQ(kLooks[i].clrRight, canvas.Pixel(79, 10));
        EXPECT_EQ(kLooks[i].clrInside, canvas.Pixel(40, 10));
    }
}

TEST(OfficeXPFields, EditIsFlatAndFramedOnlyWhenSelected)
{
    ExpectFlatEdit<CXTPOfficeXPTheme>();
}

struct FlatComboLook
{
    COLORREF clrEdge;   // x = 0
    COLORREF clrButton; // inside the button, away from the arrow
    int nArrow;         // colour index of the arrow glyph
};

TEST(OfficeXPFields, ComboButtonAndArrowFollowTheState)
{
    const FlatComboLook kLooks[] = {
        {kNone, Marker(5), 46},
        {Marker(32), Marker(31), 45},
        {kNone, Marker(15), 40},
        {kNone, Marker(15), 40},
    };
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(kFieldStates[i].name);
        PixelCanvas canvas(90, 24);
        DrawField(theme, canvas, TRUE, kFieldStates[i]);
        EXPECT_EQ(kLooks[i].clrEdge, canvas.Pixel(0, 10));
        EXPECT_EQ(kLooks[i].clrButton, canvas.Pixel(78, 2));
        int nArrowPixels = 0;
        for (int x = 60; x < 81; x++)
            for (int y = 0; y < 22; y++)
                nArrowPixels += canvas.Pixel(x, y) == Marker(kLooks[i].nArrow);
        EXPECT_GT(nArrowPixels, 0);
    }
}

// The Office 2003 look keeps the flat look's fields pixel for pixel.
TEST(Office2003Fields, DrawsTheFieldsOfTheFlatLook)
{
    ExpectFlatEdit<CXTPOffice2003Theme>();
    CXTPOfficeXPTheme flat;
    CXTPOffice2003Theme office2003;
    MarkColors(flat);
    MarkColors(office2003);
    for (const FieldState& state : kFieldStates)
        for (BOOL bCombo : {FALSE, TRUE})
        {
            SCOPED_TRACE(state.name);
            PixelCanvas expected(90, 24), actual(90, 24);
            DrawField(flat, expected, bCombo, state);
            DrawField(office2003, actual, bCombo, state);
            EXPECT_TRUE(expected.SameAs(actual)) << bCombo;
        }
}

// In a popup the label is always shown right of the icon column and the
// field follows it: the classic look sunken, the flat look framed in colour 53.
template <class TTheme>
void ExpectPopupField(int nFieldLeft, COLORREF clrFrame)
{
    TTheme theme;
    MarkColors(theme);
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(NULL);
    CXTPControlEdit* pEdit = (CXTPControlEdit*)pPopup->GetControls()->Add(xtpControlEdit, 4100);
    pEdit->SetCaption("&Find");
    pEdit->SetWidth(80);
    PixelCanvas canvas(300, 24);
    const CSize sz = theme.DrawControlEdit(&canvas.dc(), pEdit, FALSE);
    const int nLabelWidth = pEdit->GetLabelWidth();
    EXPECT_GT(nLabelWidth, 16 + 9) << "past the icon column and the label";
    EXPECT_EQ(80 + nLabelWidth, sz.cx);
    pEdit->SetRect(CRect(0, 0, sz.cx, 22));
    theme.DrawControlEdit(&canvas.dc(), pEdit, TRUE);
    EXPECT_EQ(clrFrame, canvas.Pixel(nLabelWidth + nFieldLeft, 10));
    EXPECT_EQ(kWhite, canvas.Pixel(nLabelWidth + nFieldLeft - 1, 10));
    // The label's text lies between the icon column and the field.
    EXPECT_GT(canvas.CountOther(CRect(16, 0, nLabelWidth, 22), kWhite), 0);
    EXPECT_EQ(0, canvas.CountOther(CRect(0, 0, 16, 22), kWhite));
    pPopup->InternalRelease();
}

TEST(Office2000Fields, PopupFieldFollowsItsLabel)
{
    ExpectPopupField<CXTPOffice2000Theme>(1, Marker(16));
}

TEST(OfficeXPFields, PopupFieldFollowsItsLabel)
{
    ExpectPopupField<CXTPOfficeXPTheme>(0, Marker(53));
}

} // namespace
