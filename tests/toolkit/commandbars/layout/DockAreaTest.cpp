#include "toolkit/commandbars/layout/XTPDockArea.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// ---- The row a dropped bar goes to --------------------------------------

struct DropRowCase
{
    const char* pszName;
    std::vector<int> arrRowEnds;
    int nCross;
    int nRow;
    BOOL bNewRow;
};

TEST(DockArea, DropRowJoinsOrOpensARow)
{
    const DropRowCase cases[] = {
        {"inside the first row", {26, 52}, 10, 0, FALSE},
        {"at the dock bar's edge", {26, 52}, 0, 0, TRUE},
        {"before the dock bar's edge", {26, 52}, -7, 0, TRUE},
        {"on the boundary between two rows", {26, 52}, 26, 1, TRUE},
        {"inside the second row", {26, 52}, 27, 1, FALSE},
        {"on the far edge of the last row", {26, 52}, 52, 2, TRUE},
        {"past every row", {26, 52}, 300, 2, TRUE},
        {"an empty dock bar", {}, 5, 0, TRUE},
        {"a row of hidden bars reaches as far as the row before", {26, 0, 52}, 26, 2, TRUE},
        {"past a row of hidden bars", {26, 0, 52}, 30, 2, FALSE},
        {"a thin row after a thick one reaches as far", {40, 30}, 35, 0, FALSE},
    };
    for (const DropRowCase& c : cases)
    {
        XTPDropRow drop = XTPFindDropRow(c.arrRowEnds, c.nCross);
        EXPECT_EQ(c.nRow, drop.nRow) << c.pszName;
        EXPECT_EQ(c.bNewRow, drop.bNewRow) << c.pszName;
    }
}

// ---- The dock side a dragged point lands on -------------------------------

// A 400 x 300 client area: a top dock bar 26 high with a bar in it, empty
// bottom, left and right dock bars (no thickness) along the other edges.
const CRect kSides[4] = {CRect(0, 0, 400, 26), CRect(0, 300, 400, 300), CRect(0, 26, 0, 300),
                         CRect(400, 26, 400, 300)};

struct DockSideCase
{
    const char* pszName;
    CPoint pt;
    int nCurrent;
    DWORD dwAllowed;
    int nSide;
};

TEST(DockArea, DockSideHitTest)
{
    const DWORD kAny = 0x0F;
    const DockSideCase cases[] = {
        {"inside the top dock bar", CPoint(200, 10), -1, kAny, 0},
        {"within the margin below the top", CPoint(200, 45), -1, kAny, 0},
        {"just past the margin", CPoint(200, 46), -1, kAny, -1},
        {"above the frame within the margin", CPoint(200, -20), -1, kAny, 0},
        {"near the empty bottom edge", CPoint(200, 285), -1, kAny, 1},
        {"near the empty left edge", CPoint(15, 150), -1, kAny, 2},
        {"near the empty right edge", CPoint(390, 150), -1, kAny, 3},
        {"a corner goes to the first side in order", CPoint(10, 30), -1, kAny, 0},
        {"a corner goes to the current side first", CPoint(10, 30), 2, kAny, 2},
        {"the current side missed: the order decides", CPoint(200, 10), 3, kAny, 0},
        {"a side the flags forbid", CPoint(200, 10), -1, 0x04 | 0x08, -1},
        {"the first hit decides even when forbidden", CPoint(10, 30), -1, 0x04, -1},
        {"the current side allowed in a corner", CPoint(10, 30), 2, 0x04, 2},
        {"a side allowed by its own flag", CPoint(390, 150), -1, 0x08, 3},
        {"nowhere near a side", CPoint(200, 150), -1, kAny, -1},
    };
    for (const DockSideCase& c : cases)
        EXPECT_EQ(c.nSide, XTPHitTestDockSides(kSides, c.nCurrent, c.pt, c.dwAllowed)) << c.pszName;
}

// ---- The rows of a dock bar ---------------------------------------------

struct Bar
{
    char chName;
    bool bAlone;
};

Bar A = {'A', false}, B = {'B', false}, C = {'C', false}, S = {'S', true};

// The slots as text: "|" for a row break, a letter per bar.
std::string Slots(const CXTPDockRows<Bar>& rows)
{
    std::string text;
    for (Bar* pBar : rows.GetSlots())
        text += pBar != NULL ? pBar->chName : '|';
    return text;
}

struct RowsCase
{
    const char* pszName;
    std::function<void(CXTPDockRows<Bar>&)> change;
    const char* pszSlots;
};

TEST(DockArea, RowsChange)
{
    auto twoRows = [](CXTPDockRows<Bar>& rows) {
        rows.AppendRow(&A);
        rows.AppendRow(&B);
    };
    const RowsCase cases[] = {
        {"empty", [](CXTPDockRows<Bar>&) {}, "|"},
        {"appended rows", twoRows, "|A|B|"},
        {"joins a row at its start",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.Insert(&C, XTPDropRow{1, FALSE});
         },
         "|A|CB|"},
        {"a new row before the first",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.Insert(&C, XTPDropRow{0, TRUE});
         },
         "|C|A|B|"},
        {"a new row between two",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.Insert(&C, XTPDropRow{1, TRUE});
         },
         "|A|C|B|"},
        {"a new row after the last",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.Insert(&C, XTPDropRow{2, TRUE});
         },
         "|A|B|C|"},
        {"removing the only bar of a row removes the row",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.AppendRow(&C);
             rows.Remove(&B);
         },
         "|A|C|"},
        {"removing a bar keeps the rest of its row",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             rows.Insert(&C, XTPDropRow{0, FALSE});
             rows.Remove(&A);
         },
         "|C|B|"},
        {"removing the last bar empties the dock bar",
         [](CXTPDockRows<Bar>& rows) {
             rows.AppendRow(&A);
             rows.Remove(&A);
         },
         "|"},
        {"a bar moved inside the dock bar leaves its old slot",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             int nNew = rows.Insert(&A, XTPDropRow{1, FALSE});
             rows.Remove(&A, nNew);
         },
         "|AB|"},
        {"removing a bar that is not there changes nothing",
         [&](CXTPDockRows<Bar>& rows) {
             twoRows(rows);
             EXPECT_FALSE(rows.Remove(&C));
         },
         "|A|B|"},
        {"a stretched bar gets a row of its own",
         [](CXTPDockRows<Bar>& rows) {
             rows.AppendRow(&B);
             rows.Insert(&S, XTPDropRow{0, FALSE});
             rows.Insert(&A, XTPDropRow{0, FALSE});
             rows.GiveOwnRows([](Bar* p) { return p->bAlone; });
         },
         "|A|S|B|"},
        {"a stretched bar already alone stays",
         [](CXTPDockRows<Bar>& rows) {
             rows.AppendRow(&S);
             rows.AppendRow(&A);
             rows.GiveOwnRows([](Bar* p) { return p->bAlone; });
         },
         "|S|A|"},
        {"assigned slots are tidied",
         [](CXTPDockRows<Bar>& rows) {
             rows.Assign({NULL, NULL, &A, &B, NULL, NULL, &C});
         },
         "|AB|C|"},
        {"assigned slots without breaks make one row",
         [](CXTPDockRows<Bar>& rows) {
             rows.Assign({&A, &B});
         },
         "|AB|"},
        {"nothing assigned",
         [](CXTPDockRows<Bar>& rows) {
             rows.Assign({NULL, NULL});
         },
         "|"},
    };
    for (const RowsCase& c : cases)
    {
        CXTPDockRows<Bar> rows;
        c.change(rows);
        EXPECT_EQ(c.pszSlots, Slots(rows)) << c.pszName;
    }
}

TEST(DockArea, RowsAnswerQueries)
{
    CXTPDockRows<Bar> rows;
    rows.Assign({&A, &B, NULL, &C});
    EXPECT_EQ(2, rows.GetRowCount());
    EXPECT_EQ(3, rows.GetBarCount());
    EXPECT_EQ(2, rows.Find(&B));
    EXPECT_EQ(-1, rows.Find(&B, 2)) << "the excepted slot is not found";
    EXPECT_EQ(-1, rows.Find(&S));

    std::vector<Bar*> row;
    rows.GetRow(1, row);
    EXPECT_EQ(std::vector<Bar*>({&C}), row);
    rows.GetRow(2, row);
    EXPECT_TRUE(row.empty()) << "a row past the last";
    rows.GetRowAt(2, row);
    EXPECT_EQ(std::vector<Bar*>({&A, &B}), row) << "the row holding slot 2";
    rows.GetRowAt(3, row);
    EXPECT_TRUE(row.empty()) << "a row break holds no row";
    rows.GetRowAt(-1, row);
    EXPECT_TRUE(row.empty()) << "an index out of range";
}

} // namespace
