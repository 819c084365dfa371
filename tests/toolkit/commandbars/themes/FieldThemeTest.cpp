// Edit and combo-box fields of the classic, flat and Office 2003 looks,
// drawn into a memory DC with marked colours and probed per state.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

// The classic look: a sunken white field starting one pixel in; disabled, a
// flat highlight frame (shadow when the keyboard reached it) around an
// unfilled inside. The combo's button is drawn in every state, raised with
// a black outer shadow one pixel inside the field frame when enabled, and
// nothing is drawn right of the field.
TEST(Office2000Fields, EditIsSunkenAndComboHasARaisedButton)
{
    // Edit at (0, 10), (1, 10), (40, 0), (79, 10), (40, 21), (40, 10);
    // combo at (0, 10), (10, 10), (78, 10).
    const char* const kEdit[] = {"w m16 m16 m20 m20 m5", "w m16 m16 m20 m20 m5", "w m20 m20 m20 m20 w",
                                 "w m16 m16 m16 m16 w"};
    const char* const kCombo[] = {"m16 m5 m0", "m16 m5 m0", "m20 w w", "m16 w w"};
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(kFieldStates[i].name);
        PixelCanvas edit(90, 24), combo(90, 24);
        DrawField(theme, edit, FALSE, kFieldStates[i]);
        EXPECT_EQ(kEdit[i], Probe(edit, {{0, 10}, {1, 10}, {40, 0}, {79, 10}, {40, 21}, {40, 10}}));
        DrawField(theme, combo, TRUE, kFieldStates[i]);
        EXPECT_EQ(kCombo[i], Probe(combo, {{0, 10}, {10, 10}, {78, 10}}));
        EXPECT_GT(combo.CountOther(CRect(60, 0, 90, 24), kWhite), 0) << "the button";
        EXPECT_EQ(0, combo.CountOther(CRect(81, 0, 90, 24), kWhite));
    }
}

// The flat look: no frame on a toolbar until selected; disabled, button face
// framed in colour 40 (32 when the keyboard reached it). The combo's button
// and arrow follow the state.
TEST(OfficeXPFields, EditIsFramedOnlyWhenSelectedAndComboFollowsTheState)
{
    // Edit at its left edge (x 0, or 1 when disabled), (40, 0), (79, 10),
    // (40, 10); combo at (0, 10) and (78, 2), then the arrow's colour index.
    const std::tuple<const char*, const char*, int> kLooks[] = {{"w w w m5", "w m5", 46},
                                                                {"m32 m32 m32 m5", "m32 m31", 45},
                                                                {"m40 m40 m40 m15", "w m15", 40},
                                                                {"m32 m32 m32 m15", "w m15", 40}};
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(kFieldStates[i].name);
        PixelCanvas edit(90, 24), combo(90, 24);
        DrawField(theme, edit, FALSE, kFieldStates[i]);
        const int xLeft = kFieldStates[i].bEnabled ? 0 : 1;
        const auto& [edge, button, nArrow] = kLooks[i];
        EXPECT_EQ(edge, Probe(edit, {{xLeft, 10}, {40, 0}, {79, 10}, {40, 10}}));
        DrawField(theme, combo, TRUE, kFieldStates[i]);
        EXPECT_EQ(button, Probe(combo, {{0, 10}, {78, 2}}));
        EXPECT_LT(combo.CountOther(CRect(60, 0, 81, 22), Marker(nArrow)), 21 * 22) << "the arrow";
    }
}

// The Office 2003 look keeps the flat look's fields pixel for pixel.
TEST(Office2003Fields, DrawsTheFieldsOfTheFlatLook)
{
    CXTPOfficeXPTheme flat;
    CXTPOffice2003Theme office2003;
    ExpectSameFields(flat, office2003);
}

// In a popup the label is always shown right of the icon column and the
// field follows it: the classic look sunken, the flat look framed in colour 53.
TEST(PopupFields, FieldFollowsItsLabel)
{
    CXTPOffice2000Theme classic;
    CXTPOfficeXPTheme flat;
    // The colours just left of the field, at its left edge and one further.
    const std::pair<CXTPPaintManager*, const char*> kCases[] = {{&classic, "w w m16"}, {&flat, "w m53 m5"}};
    for (const auto& [pTheme, frame] : kCases)
    {
        MarkColors(*pTheme);
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(NULL);
        CXTPControlEdit* pEdit = (CXTPControlEdit*)pPopup->GetControls()->Add(xtpControlEdit, 4100);
        pEdit->SetCaption("&Find");
        pEdit->SetWidth(80);
        PixelCanvas canvas(300, 24);
        const CSize sz = pTheme->DrawControlEdit(&canvas.dc(), pEdit, FALSE);
        const int nLabelWidth = pEdit->GetLabelWidth();
        EXPECT_GT(nLabelWidth, 16 + 9) << "past the icon column and the label";
        EXPECT_EQ(80 + nLabelWidth, sz.cx);
        pEdit->SetRect(CRect(0, 0, sz.cx, 22));
        pTheme->DrawControlEdit(&canvas.dc(), pEdit, TRUE);
        EXPECT_EQ(frame, Probe(canvas, {{nLabelWidth - 1, 10}, {nLabelWidth, 10}, {nLabelWidth + 1, 10}}));
        // The label's text lies between the icon column and the field.
        EXPECT_GT(canvas.CountOther(CRect(16, 0, nLabelWidth, 22), kWhite), 0);
        EXPECT_EQ(0, canvas.CountOther(CRect(0, 0, 16, 22), kWhite));
        pPopup->InternalRelease();
    }
}

// The flat look's popup label takes the popup's icon column width W (icon
// width + 5 when the icon is taller than a text row) plus 12 pixels beside
// its text: with 32-pixel icons an empty label is 37 + 12 wide.
TEST(PopupFields, LabelTakesTheIconColumnWidth)
{
    CXTPOfficeXPTheme flat;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(NULL);
    pPopup->SetIconSize(CSize(32, 32));
    CXTPControlEdit* pEdit = (CXTPControlEdit*)pPopup->GetControls()->Add(xtpControlEdit, 4100);
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pPopup->GetControls()->Add(xtpControlComboBox, 4101);
    pEdit->SetWidth(80);
    pCombo->SetWidth(80);
    PixelCanvas canvas(300, 24);
    EXPECT_EQ(80 + 37 + 12, flat.DrawControl(&canvas.dc(), pEdit, FALSE).cx);
    EXPECT_EQ(37 + 12, pEdit->GetLabelWidth()) << "edit";
    EXPECT_EQ(80 + 37 + 12, flat.DrawControl(&canvas.dc(), pCombo, FALSE).cx);
    EXPECT_EQ(37 + 12, pCombo->GetLabelWidth()) << "combo box";
    pPopup->InternalRelease();
}

} // namespace
