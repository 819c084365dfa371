// The arithmetic of a bar's layout: rows, group wraps, hidden overflow,
// centring, right alignment, stretching and the floating shape search; then
// the same through a control collection whose paint manager gives every
// control the size stored in its tag.
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/layout/XTPControlLayout.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Item
{
    int cx, cy;
    BOOL bBeginGroup;
    DWORD dwFlags;
};

// Items written as words: "b" a 23 x 22 button, "g" one that begins a group,
// "s" a stretched and "r" a right-aligned 10 x 22 control, "WxH" a button of
// that size, "-" a hidden 50 x 22 group.
std::vector<Item> Items(const char* pszItems)
{
    std::vector<Item> items;
    std::istringstream words(pszItems);
    std::string word;
    while (words >> word)
    {
        if (word == "b" || word == "g")
            items.push_back({23, 22, word == "g", 0});
        else if (word == "s" || word == "r")
            items.push_back(
                {10, 22, FALSE, word == "s" ? (DWORD)xtpFlagControlStretched : (DWORD)xtpFlagRightAlign});
        else if (word == "-")
            items.push_back({50, 22, TRUE, (DWORD)-1});
        else
            items.push_back({atoi(word.c_str()), atoi(word.c_str() + word.find('x') + 1), FALSE, 0});
    }
    return items;
}

std::string Text(CRect rc)
{
    std::ostringstream os;
    os << rc.left << " " << rc.top << " " << rc.right << " " << rc.bottom;
    return os.str();
}

std::string Text(CSize size)
{
    return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

CXTPControlLayout MakeLayout(DWORD dwMode, const char* pszItems)
{
    CXTPControlLayout layout(dwMode);
    for (const Item& item : Items(pszItems))
    {
        XTPControlLayoutRecord record = {};
        record.szControl = CSize(item.cx, item.cy);
        record.bVisible = TRUE;
        record.bBeginGroup = item.bBeginGroup;
        record.dwFlags = item.dwFlags;
        layout.Add(record);
    }
    return layout;
}

// The placed rectangles, "hidden" for a record that did not fit.
std::string Rects(const CXTPControlLayout& layout)
{
    std::string text;
    for (int i = 0; i < layout.GetCount(); i++)
        text += (i ? ", " : "") + (layout[i].bHidden ? std::string("hidden") : Text(layout[i].rcControl));
    return text;
}

const DWORD kHorzDock = xtpLayoutHorzDock | xtpLayoutHorz;

// The rows WrapToolBar gives, the size, " stretch" when it set the stretch
// bit, then the rectangles.
std::string Wrap(DWORD dwMode, const char* pszItems, int nWidth)
{
    CXTPControlLayout layout = MakeLayout(dwMode, pszItems);
    std::string result = std::to_string(layout.WrapToolBar(nWidth)) + " ";
    result += Text(layout.CalcSize((dwMode & xtpLayoutVertDock) != 0));
    result += (layout.GetMode() & xtpLayoutStretch) != 0 ? " stretch: " : ": ";
    return result + Rects(layout);
}

TEST(ControlLayout, WrapsIntoRows)
{
    EXPECT_EQ("1 75x22: 0 0 23 22, 29 0 52 22, 52 0 75 22", Wrap(kHorzDock, "b g b", 100)) << "a group gap";
    EXPECT_EQ("2 69x50 stretch: 0 0 23 22, 0 28 23 50, 23 28 46 50, 46 28 69 50",
              Wrap(kHorzDock, "b g b b", 80))
        << "wraps where the last group of the row began";
    EXPECT_EQ("2 46x44 stretch: 0 0 23 22, 23 0 46 22, 0 22 23 44", Wrap(kHorzDock, "b b b", 50))
        << "without a group wraps at the control that overflows";
    EXPECT_EQ("0 46x22 stretch: 0 0 23 22, 23 0 46 22, hidden",
              Wrap(kHorzDock | xtpLayoutHideWrap, "b b b", 50))
        << "no-wrap mode hides what does not fit";
    EXPECT_EQ("2 23x44 stretch: 0 0 23 22, 0 22 23 44", Wrap(kHorzDock, "g b", 30))
        << "a first control beginning a group leaves no empty row";
    EXPECT_EQ("2 46x44 stretch: -23 0 0 22, -23 22 0 44, -46 0 -23 22", Wrap(xtpLayoutVertDock, "b b b", 50))
        << "a vertical bar wraps by heights into columns to the left";
}

// The rows that hold a control after a wrap at the width: a first control
// that wraps opens no empty row, and hidden controls hold none.
TEST(ControlLayout, CountsTheRowsThatHoldControls)
{
    struct Row
    {
        const char* pszName;
        DWORD dwMode;
        const char* pszItems;
        int nWidth;
        int nRows;
    };
    const Row rows[] = {
        {"one row", kHorzDock, "b g b", 100, 1},
        {"two rows", kHorzDock, "b g b b", 80, 2},
        {"one control a row at length 1", kHorzDock, "b b g b", -9, 4},
        {"no-wrap mode keeps one row", kHorzDock | xtpLayoutHideWrap, "b b b", -9, 1},
        {"columns of a vertical bar", xtpLayoutVertDock, "b b b", 50, 2},
        {"no controls", kHorzDock, "", 100, 0},
    };
    for (const Row& row : rows)
    {
        CXTPControlLayout layout = MakeLayout(row.dwMode, row.pszItems);
        layout.WrapToolBar(row.nWidth);
        EXPECT_EQ(row.nRows, layout.GetPlacedRowCount()) << row.pszName;
    }
}

// The size AdjustRows gives inside borders of (2, 3, 4, 5), the rectangles,
// then each record's row.
std::string Adjust(DWORD dwMode, const char* pszItems, int nWidth)
{
    CXTPControlLayout layout = MakeLayout(dwMode, pszItems);
    layout.WrapToolBar(nWidth);
    const CSize size = layout.CalcSize((dwMode & xtpLayoutVertDock) != 0);
    std::string result = Text(layout.AdjustRows(size, CRect(2, 3, 4, 5))) + ": ";
    result += Rects(layout) + ";";
    for (int i = 0; i < layout.GetCount(); i++)
        result += (i ? ", " : " ") + Text(layout[i].rcRow);
    return result;
}

TEST(ControlLayout, AdjustsRowsInsideTheBorders)
{
    const DWORD kCommit = xtpLayoutCommit;
    EXPECT_EQ("59x30: 2 3 25 25, 25 6 55 22; 2 3 55 25, 2 3 55 25",
              Adjust(kHorzDock | kCommit, "23x22 30x16", 100))
        << "one row is centred in the whole height";
    EXPECT_EQ("52x42: 2 3 25 25, 25 9 48 19, 2 25 25 37; 2 3 48 25, 2 3 48 25, 2 25 48 37",
              Adjust(kHorzDock | kCommit, "23x22 23x10 23x12", 50))
        << "two rows each centred in their own thickness";
    EXPECT_EQ("29x52: 2 3 25 25, 6 25 21 47; 2 3 25 47, 2 3 25 47",
              Adjust(xtpLayoutVertDock | kCommit, "23x22 15x22", 100))
        << "a vertical bar moves right by its width and centres columns";
    EXPECT_EQ("29x30: 0 0 23 22; 0 0 0 0", Adjust(kHorzDock, "b", 100))
        << "without the commit bit only the borders are added";
}

// The rectangles after wrapping at nWrapWidth and aligning in a bar of size.
std::string Align(const char* pszItems, int nWrapWidth, CSize size)
{
    CXTPControlLayout layout = MakeLayout(kHorzDock | xtpLayoutCommit, pszItems);
    layout.WrapToolBar(nWrapWidth);
    layout.CalcSize(FALSE);
    layout.AlignStretchedControls(size, CRect(0, 0, 0, 0));
    return Rects(layout);
}

TEST(ControlLayout, AlignsAndStretchesControls)
{
    EXPECT_EQ("0 0 13 22, 13 0 26 22, 26 0 40 22", Align("s s s", 1000, CSize(40, 22)))
        << "three stretched controls share 10 pixels as 3, 3 and 4";
    EXPECT_EQ("0 0 37 22, 37 0 60 22, 60 0 70 22, 70 0 80 22", Align("s b r r", 1000, CSize(80, 22)))
        << "right-aligned controls go to the end and bound the free space";
    EXPECT_EQ("0 0 10 22, 10 0 33 22", Align("r b", 1000, CSize(60, 22)))
        << "a right-aligned control before a plain one stays";
    EXPECT_EQ("0 0 20 22, 20 0 43 22, 0 22 20 44, 20 22 43 44", Align("s b s b", 40, CSize(43, 44)))
        << "stretching works row by row";
}

// The shape six 20 x 20 buttons take for a length (a width unless the mode
// says height); the mode stays as it was.
CSize Shape(DWORD dwMode, int nLength)
{
    CXTPControlLayout layout = MakeLayout(dwMode, "20x20 20x20 20x20 20x20 20x20 20x20");
    layout.SizeToolBar(nLength);
    EXPECT_EQ(dwMode, layout.GetMode());
    return layout.CalcSize(FALSE);
}

TEST(ControlLayout, FloatingBarFindsItsShape)
{
    const DWORD H = xtpLayoutLengthIsHeight;
    EXPECT_EQ(CSize(40, 60), Shape(0, 50)) << "a width keeps its row count at the narrowest width";
    EXPECT_EQ(CSize(120, 20), Shape(0, 500)) << "a width past one row gives one row";
    EXPECT_EQ(CSize(60, 40), Shape(H, 40)) << "a height met during the search takes that shape";
    EXPECT_EQ(CSize(60, 40), Shape(H, 50)) << "a height between shapes takes the widest that fits";
    EXPECT_EQ(CSize(120, 20), Shape(H, 5)) << "a height below one row gives one row";
}

// ---- Through a control collection ---------------------------------------------

class CTagSizedPaintManager : public CXTPOfficeXPTheme
{
public:
    CSize DrawControlToolBarParent(CDC*, CXTPControl* pControl, BOOL) override
    {
        return CSize(LOWORD(pControl->GetTag()), HIWORD(pControl->GetTag()));
    }
};

class ControlsLayout : public ::testing::Test
{
protected:
    void SetUp() override { CXTPPaintManager::SetCustomTheme(new CTagSizedPaintManager()); }
    void TearDown() override { CXTPPaintManager::SetTheme(xtpThemeOfficeXP); }
    // The collection's size, then each control's rectangle with " wrap" when
    // it begins a row and " off" when it was wrapped off the bar.
    std::string Layout(const char* pszItems, int nLength, DWORD dwMode, CRect rcBorder, int nMinimum = 0)
    {
        CXTPControls controls;
        for (const Item& item : Items(pszItems))
        {
            CXTPControl* pControl = controls.Add(xtpControlButton, 100 + controls.GetCount());
            pControl->SetTag(MAKELONG(item.cx, item.cy));
            pControl->SetBeginGroup(item.bBeginGroup);
            pControl->SetFlags(item.dwFlags == (DWORD)-1 ? 0 : item.dwFlags);
            pControl->SetHideFlags(item.dwFlags == (DWORD)-1 ? xtpHideGeneric : xtpHideNone);
        }
        std::string text = Text(controls.CalcDynamicSize(&canvas.dc(), nLength, dwMode, rcBorder, nMinimum));
        for (int i = 0; i < controls.GetCount(); i++)
        {
            CXTPControl* pControl = controls.GetAt(i);
            text += ", " + Text(pControl->GetRect()) + (pControl->GetWrap() ? " wrap" : "")
                    + ((pControl->GetHideFlags() & xtpHideWrap) ? " off" : "");
        }
        return text;
    }
    PixelCanvas canvas{10, 10};
};

const DWORD kDockedTop = xtpLayoutCommit | xtpLayoutHorzDock | xtpLayoutHorz;
const CRect kGripperBorder(8, 2, 2, 2);
const CRect kNoBorder(0, 0, 0, 0);

TEST_F(ControlsLayout, RectanglesForLengthAndMode)
{
    EXPECT_EQ("80x54, 8 2 31 24, 8 30 31 52 wrap, 31 30 71 52",
              Layout("b g 40x22", 80, kDockedTop, kGripperBorder))
        << "a narrow docked bar wraps at its last group and fills the length";
    EXPECT_EQ("80x26, 8 2 31 24, 37 2 60 24, 0 0 0 0 off",
              Layout("b g 40x22", 80, kDockedTop | xtpLayoutHideWrap, kGripperBorder))
        << "without wrapping what does not fit is wrapped off the bar";
    EXPECT_EQ("200x22, 0 0 167 22, 167 0 190 22, 190 0 200 22",
              Layout("s b r", 200, kDockedTop | xtpLayoutStretch, kNoBorder))
        << "a stretched bar pushes right-aligned controls to its end";
    EXPECT_EQ("52x22, 0 0 23 22, 0 0 0 0, 29 0 52 22", Layout("b - g", 200, kDockedTop, kNoBorder))
        << "hidden controls take no place";
    EXPECT_EQ("46x66, 3 3 23 23, 23 3 43 23, 3 23 23 43 wrap, 23 23 43 43, 3 43 23 63 wrap, 23 43 43 63",
              Layout("20x20 20x20 20x20 20x20 20x20 20x20", 56, xtpLayoutCommit, CRect(3, 3, 3, 3)))
        << "a floating bar takes the narrowest shape of its row count";
    // Without visible controls the bar is the minimum box; a minimum raises
    // the height of a horizontally docked bar, else the width.
    EXPECT_EQ("33x26, 0 0 0 0", Layout("-", 200, kDockedTop, kGripperBorder));
    EXPECT_EQ("33x40, 0 0 0 0", Layout("-", 200, kDockedTop, kGripperBorder, 40));
    EXPECT_EQ("50x26, 0 0 0 0", Layout("-", 200, xtpLayoutCommit | xtpLayoutVertDock, kGripperBorder, 50));
}

} // namespace
