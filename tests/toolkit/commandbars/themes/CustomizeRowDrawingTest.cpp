// The lines of a tool bar's "Add or Remove Buttons" list as the Office XP and
// Office 2000 looks draw them (DrawSpecialControl 4, which Office 2003 and
// Windows XP inherit): a popup row with a check box before the icon box,
// one box wider than a plain row.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlCustomizeItem.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

template <class TTheme>
class CustomizeRow : public ThemeBarTest<TTheme>
{
protected:
    CustomizeRow() { this->pBar->MakePopup(); }
    // A customize line and a plain button with the same caption, both at R.
    CXTPControl* AddLine(BOOL bChecked)
    {
        CXTPControl* pLine = this->pBar->GetControls()->AddControl(new CXTPControlCustomizeItem, 0);
        pLine->SetCaption(CString("&Open"));
        pLine->SetChecked(bChecked);
        pLine->SetRect(R);
        return pLine;
    }
    // The line as the theme measures and draws it.
    CSize Measure(CDC* pDC, CXTPControl* pLine)
    {
        return this->theme.DrawSpecialControl(pDC, 4, pLine, this->pBar, FALSE, NULL);
    }
    void Draw(CDC* pDC, CXTPControl* pLine)
    {
        this->theme.DrawSpecialControl(pDC, 4, pLine, this->pBar, TRUE, NULL);
    }
    int PlainRowWidth(CDC* pDC)
    {
        CXTPControl* pPlain = this->pBar->GetControls()->Add(xtpControlButton, 0);
        pPlain->SetCaption(CString("&Open"));
        return this->theme.DrawControl(pDC, pPlain, FALSE).cx;
    }
    // The flat look's box width of a popup row of 16-pixel icons.
    int Box() { return std::max(16, this->theme.GetTextHeight()) + 4; }
    const CRect R = CRect(0, 5, 200, 27);
};

using OfficeXPCustomizeRow = CustomizeRow<CXTPOfficeXPTheme>;
using Office2000CustomizeRow = CustomizeRow<CXTPOffice2000Theme>;

TEST_F(OfficeXPCustomizeRow, LineIsOneBoxWiderThanAPlainRow)
{
    PixelCanvas canvas(200, 30);
    CXTPControl* pLine = AddLine(FALSE);
    const CSize size = Measure(&canvas.dc(), pLine);
    EXPECT_EQ(PlainRowWidth(&canvas.dc()) + Box(), size.cx);
    EXPECT_EQ(0, canvas.CountOther(kWhite)) << "measuring draws nothing";
}

TEST_F(OfficeXPCustomizeRow, CheckedLineHasItsCheckBoxBeforeTheIconColumn)
{
    PixelCanvas canvas(200, 30);
    CXTPControl* pLine = AddLine(TRUE);
    Draw(&canvas.dc(), pLine);
    // The check box (checked frame 50, fill 36) in the first box, the icon
    // column's colour 30 in the second.
    EXPECT_EQ("m50 m36 m30 w",
              Probe(canvas, {{0, R.top}, {1, R.top + 1}, {Box() + 5, R.top + 10}, {Box() + 5, 3}}));
    EXPECT_EQ(Marker(44), canvas.dc().GetTextColor());
}

TEST_F(OfficeXPCustomizeRow, UncheckedLineHasNoCheckBoxAndResetLineReachesUp)
{
    PixelCanvas canvas(200, 30);
    CXTPControl* pLine = AddLine(FALSE);
    Draw(&canvas.dc(), pLine);
    EXPECT_EQ("w m30", Probe(canvas, {{1, R.top + 1}, {Box() + 5, R.top + 10}}));

    PixelCanvas resetCanvas(200, 30);
    pLine->SetResetRow(TRUE);
    pLine->SetEnabled(FALSE);
    Draw(&resetCanvas.dc(), pLine);
    EXPECT_EQ("m30", Probe(resetCanvas, {{Box() + 5, R.top - 3}})) << "over the separator above";
    EXPECT_EQ(Marker(35), resetCanvas.dc().GetTextColor());
}

TEST_F(OfficeXPCustomizeRow, InAPopupTheSecondBoxCarriesOnThePopupsIconColumn)
{
    // A popup's line stands inside its 2-pixel border; the popup's icon
    // column runs from 1 to the first box's end plus 1.
    PixelCanvas canvas(100, 26);
    theme.FillCommandBarEntry(&canvas.dc(), pBar);
    CXTPControl* pLine = AddLine(FALSE);
    pLine->SetRect(CRect(2, 5, 98, 20));
    Draw(&canvas.dc(), pLine);
    EXPECT_EQ("m30 m30 m30 m41",
              Probe(canvas, {{Box() + 1, 12}, {Box() + 2, 12}, {2 * Box() - 1, 12}, {2 * Box() + 1, 12}}))
        << "one band of colour 30 from the popup's edge to the second box's end, without a gap";
}

TEST_F(Office2000CustomizeRow, LineIsOneBoxWiderAndHotLinesAreHighlightedPastTheBoxes)
{
    // The classic look's box: the icon and 4, or the text row.
    const int nBox = std::max(20, theme.GetTextHeight());
    PixelCanvas canvas(200, 30);
    CXTPControl* pLine = AddLine(FALSE);
    EXPECT_EQ(PlainRowWidth(&canvas.dc()) + nBox, Measure(&canvas.dc(), pLine).cx);

    pLine->OnSetSelected(1);
    Draw(&canvas.dc(), pLine);
    EXPECT_EQ("w w m13", Probe(canvas, {{2, R.top + 10}, {nBox + 2, R.top + 10}, {2 * nBox + 3, R.top + 1}}));
    EXPECT_EQ(Marker(14), canvas.dc().GetTextColor());
}

} // namespace
