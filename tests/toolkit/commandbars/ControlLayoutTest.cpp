// The arithmetic of a bar's layout: rows, group wraps, hidden overflow,
// centring, right alignment, stretching and the floating shape search.
#include "toolkit/commandbars/XTPControlLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Item
{
    int cx, cy;
    BOOL bBeginGroup;
    DWORD dwFlags;
};

CXTPControlLayout MakeLayout(DWORD dwMode, const std::vector<Item>& items)
{
    CXTPControlLayout layout(dwMode);
    for (const Item& item : items)
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

std::vector<CRect> Rects(const CXTPControlLayout& layout)
{
    std::vector<CRect> rects;
    for (int i = 0; i < layout.GetCount(); i++)
        rects.push_back(layout[i].bHidden ? CRect(-1, -1, -1, -1) : layout[i].rcControl);
    return rects;
}

const DWORD kHorzDock = xtpLayoutHorzDock | xtpLayoutHorz;
const Item B23 = {23, 22, FALSE, 0};
const Item G23 = {23, 22, TRUE, 0};

struct WrapCase
{
    // A constructor, so that a row takes the formatter's packed call layout.
    WrapCase(const char* name_, DWORD dwMode_, const std::vector<Item>& items_, int nWidth_, int nRows_,
             CSize size_, const std::vector<CRect>& rects_, BOOL bStretchSet_)
        : name(name_), dwMode(dwMode_), items(items_), nWidth(nWidth_), nRows(nRows_), size(size_),
          rects(rects_), bStretchSet(bStretchSet_)
    {}
    const char* name;
    DWORD dwMode;
    std::vector<Item> items;
    int nWidth;
    int nRows;
    CSize size;
    std::vector<CRect> rects; // (-1, ...) for a hidden record
    BOOL bStretchSet;
};

const WrapCase kWrapCases[] = {
    WrapCase("one row with a group gap", kHorzDock, {B23, G23, B23}, 100, 1, CSize(75, 22),
             {CRect(0, 0, 23, 22), CRect(29, 0, 52, 22), CRect(52, 0, 75, 22)}, FALSE),
    WrapCase("wraps where the last group of the row began", kHorzDock, {B23, G23, B23, B23}, 80, 2,
             CSize(69, 50),
             {CRect(0, 0, 23, 22), CRect(0, 28, 23, 50), CRect(23, 28, 46, 50), CRect(46, 28, 69, 50)}, TRUE),
    WrapCase("without a group wraps at the control that overflows", kHorzDock, {B23, B23, B23}, 50, 2,
             CSize(46, 44), {CRect(0, 0, 23, 22), CRect(23, 0, 46, 22), CRect(0, 22, 23, 44)}, TRUE),
    WrapCase("no-wrap mode hides what does not fit", kHorzDock | xtpLayoutHideWrap, {B23, B23, B23}, 50, 0,
             CSize(46, 22), {CRect(0, 0, 23, 22), CRect(23, 0, 46, 22), CRect(-1, -1, -1, -1)}, TRUE),
    WrapCase("a first control that begins a group leaves no empty first row", kHorzDock, {G23, B23}, 30, 2,
             CSize(23, 44), {CRect(0, 0, 23, 22), CRect(0, 22, 23, 44)}, TRUE),
    WrapCase("a vertical bar wraps by heights into columns to the left", xtpLayoutVertDock, {B23, B23, B23},
             50, 2, CSize(46, 44), {CRect(-23, 0, 0, 22), CRect(-23, 22, 0, 44), CRect(-46, 0, -23, 22)},
             TRUE),
};

TEST(ControlLayout, WrapsIntoRows)
{
    for (const WrapCase& c : kWrapCases)
    {
        SCOPED_TRACE(c.name);
        CXTPControlLayout layout = MakeLayout(c.dwMode, c.items);
        EXPECT_EQ(c.nRows, layout.WrapToolBar(c.nWidth));
        EXPECT_EQ(c.size, layout.CalcSize((c.dwMode & xtpLayoutVertDock) != 0));
        EXPECT_EQ(c.rects, Rects(layout));
        EXPECT_EQ(c.bStretchSet, (layout.GetMode() & xtpLayoutStretch) != 0);
    }
}

struct AdjustCase
{
    AdjustCase(const char* name_, DWORD dwMode_, const std::vector<Item>& items_, int nWidth_, CSize size_,
               const std::vector<CRect>& rects_, const std::vector<CRect>& rows_)
        : name(name_), dwMode(dwMode_), items(items_), nWidth(nWidth_), size(size_), rects(rects_),
          rows(rows_)
    {}
    const char* name;
    DWORD dwMode;
    std::vector<Item> items;
    int nWidth;
    CSize size;
    std::vector<CRect> rects;
    std::vector<CRect> rows;
};

const CRect kBorder(2, 3, 4, 5);

const AdjustCase kAdjustCases[] = {
    AdjustCase("one row is centred in the whole height", kHorzDock | xtpLayoutCommit,
               {{23, 22, FALSE, 0}, {30, 16, FALSE, 0}}, 100, CSize(59, 30),
               {CRect(2, 3, 25, 25), CRect(25, 6, 55, 22)}, {CRect(2, 3, 55, 25), CRect(2, 3, 55, 25)}),
    AdjustCase("two rows each centred in their own thickness", kHorzDock | xtpLayoutCommit,
               {{23, 22, FALSE, 0}, {23, 10, FALSE, 0}, {23, 12, FALSE, 0}}, 50, CSize(52, 42),
               {CRect(2, 3, 25, 25), CRect(25, 9, 48, 19), CRect(2, 25, 25, 37)},
               {CRect(2, 3, 48, 25), CRect(2, 3, 48, 25), CRect(2, 25, 48, 37)}),
    AdjustCase("a vertical bar moves right by its width and centres columns",
               xtpLayoutVertDock | xtpLayoutCommit, {{23, 22, FALSE, 0}, {15, 22, FALSE, 0}}, 100,
               CSize(29, 52), {CRect(2, 3, 25, 25), CRect(6, 25, 21, 47)},
               {CRect(2, 3, 25, 47), CRect(2, 3, 25, 47)}),
    AdjustCase("without the commit bit only the borders are added", kHorzDock, {{23, 22, FALSE, 0}}, 100,
               CSize(29, 30), {CRect(0, 0, 23, 22)}, {CRect(0, 0, 0, 0)}),
};

TEST(ControlLayout, AdjustsRowsInsideTheBorders)
{
    for (const AdjustCase& c : kAdjustCases)
    {
        SCOPED_TRACE(c.name);
        CXTPControlLayout layout = MakeLayout(c.dwMode, c.items);
        layout.WrapToolBar(c.nWidth);
        const CSize size = layout.CalcSize((c.dwMode & xtpLayoutVertDock) != 0);
        EXPECT_EQ(c.size, layout.AdjustRows(size, kBorder));
        EXPECT_EQ(c.rects, Rects(layout));
        std::vector<CRect> rows;
        for (int i = 0; i < layout.GetCount(); i++)
            rows.push_back(layout[i].rcRow);
        EXPECT_EQ(c.rows, rows);
    }
}

struct StretchCase
{
    StretchCase(const char* name_, const std::vector<Item>& items_, int nBarWidth_,
                const std::vector<CRect>& rects_)
        : name(name_), items(items_), nBarWidth(nBarWidth_), rects(rects_)
    {}
    const char* name;
    std::vector<Item> items;
    int nBarWidth;
    std::vector<CRect> rects;
};

const Item S10 = {10, 22, FALSE, xtpFlagControlStretched};
const Item R10 = {10, 22, FALSE, xtpFlagRightAlign};

const StretchCase kStretchCases[] = {
    StretchCase("three stretched controls share 10 pixels as 3, 3 and 4", {S10, S10, S10}, 40,
                {CRect(0, 0, 13, 22), CRect(13, 0, 26, 22), CRect(26, 0, 40, 22)}),
    StretchCase("right-aligned controls go to the far end and bound the free space", {S10, B23, R10, R10}, 80,
                {CRect(0, 0, 37, 22), CRect(37, 0, 60, 22), CRect(60, 0, 70, 22), CRect(70, 0, 80, 22)}),
    StretchCase("a right-aligned control before a plain one stays", {R10, B23}, 60,
                {CRect(0, 0, 10, 22), CRect(10, 0, 33, 22)}),
};

TEST(ControlLayout, AlignsAndStretchesControls)
{
    for (const StretchCase& c : kStretchCases)
    {
        SCOPED_TRACE(c.name);
        CXTPControlLayout layout = MakeLayout(kHorzDock | xtpLayoutCommit, c.items);
        layout.WrapToolBar(1000);
        layout.CalcSize(FALSE);
        layout.AlignStretchedControls(CSize(c.nBarWidth, 22), CRect(0, 0, 0, 0));
        EXPECT_EQ(c.rects, Rects(layout));
    }
}

TEST(ControlLayout, StretchingWorksRowByRow)
{
    CXTPControlLayout layout = MakeLayout(kHorzDock | xtpLayoutCommit, {S10, B23, S10, B23});
    layout.WrapToolBar(40); // rows [S10 B23] and [S10 B23]
    layout.CalcSize(FALSE);
    layout.AlignStretchedControls(CSize(43, 44), CRect(0, 0, 0, 0));
    EXPECT_EQ((std::vector<CRect>{CRect(0, 0, 20, 22), CRect(20, 0, 43, 22), CRect(0, 22, 20, 44),
                                  CRect(20, 22, 43, 44)}),
              Rects(layout));
}

struct ShapeCase
{
    const char* name;
    DWORD dwMode;
    int nLength;
    CSize shape;
};

const ShapeCase kShapeCases[] = {
    {"a width keeps its row count at the narrowest width", 0, 50, CSize(40, 60)},
    {"a width past one row gives one row", 0, 500, CSize(120, 20)},
    {"a height met during the search takes that shape", xtpLayoutLengthIsHeight, 40, CSize(60, 40)},
    {"a height between shapes takes the widest that fits", xtpLayoutLengthIsHeight, 50, CSize(60, 40)},
    {"a height below one row gives one row", xtpLayoutLengthIsHeight, 5, CSize(120, 20)},
};

TEST(ControlLayout, FloatingBarFindsItsShape)
{
    const Item B20 = {20, 20, FALSE, 0};
    for (const ShapeCase& c : kShapeCases)
    {
        SCOPED_TRACE(c.name);
        CXTPControlLayout layout = MakeLayout(c.dwMode, {B20, B20, B20, B20, B20, B20});
        layout.SizeToolBar(c.nLength);
        EXPECT_EQ(c.shape, layout.CalcSize(FALSE));
        EXPECT_EQ(c.dwMode, layout.GetMode());
    }
}

} // namespace
