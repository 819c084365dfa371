// The header control inside a real list: minimum and locked widths against
// divider drags and double-clicks, the resize cursor, the context menu's
// sort and align commands and checks, and width sharing; its themes: the
// factory's theme per id, the text geometry of a column, and the sort arrow
// and column image as drawn into a canvas.
#include "NotifyRecorderWnd.h"
#include "tests/toolkit/controls/ScopedThemes.h"
#include "tests/support/ForeignWindow.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/RealInput.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTListEditResource.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <tuple>
#include <typeinfo>

namespace {

// Three columns of 100 pixels; the header subclassed by CXTHeaderCtrl.
class HeaderCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &host,
                                IDC_LIST_EDIT_TEST));
        for (int i = 0; i < 3; i++)
            list.InsertColumn(i, "Column", LVCFMT_LEFT, 100);
        list.InsertItem(0, "a");
        ASSERT_TRUE(header.SubclassWindow(::GetDlgItem(list.m_hWnd, 0)));
    }

    // The context menu's point set inside column iCol, then a menu command.
    void MenuCommand(int iCol, UINT nID)
    {
        CRect rc;
        header.GetItemRect(iCol, &rc);
        header.m_ptContextMenu = rc.CenterPoint();
        header.SendMessage(WM_COMMAND, nID);
    }
    // The alignment of each column: L, C or R.
    std::string Formats()
    {
        std::string text;
        for (int i = 0; i < 3; i++)
        {
            LVCOLUMN lvc;
            lvc.mask = LVCF_FMT;
            list.GetColumn(i, &lvc);
            text += "LRC"[lvc.fmt & LVCFMT_JUSTIFYMASK];
        }
        return text;
    }
    // The checked commands of the header menu for column iCol, in menu order.
    std::vector<UINT> Checked(int iCol)
    {
        CMenu menu;
        CMenu* pPopup = header.LoadHeaderMenu(menu, iCol);
        std::vector<UINT> ids;
        for (UINT nID :
             {XT_IDC_SORTASC, XT_IDC_SORTDSC, XT_IDC_ALIGNLEFT, XT_IDC_ALIGNCENTER, XT_IDC_ALIGNRIGHT})
            if (pPopup->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED)
                ids.push_back(nID);
        return ids;
    }
    BOOL CursorIsArrowAt(CPoint pt)
    {
        header.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        header.SendMessage(WM_SETCURSOR, (WPARAM)header.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor() == ::LoadCursor(NULL, IDC_ARROW);
    }

    NotifyRecorderWnd& host = TestHost();
    CListCtrl list;
    CXTHeaderCtrl header;
};

TEST_F(HeaderCtrlTest, LockedColumnRefusesDragAndDoubleClickAndShowsNoResizeCursor)
{
    CRect rc;
    header.GetItemRect(0, &rc);
    int y = rc.Height() / 2;
    EXPECT_FALSE(CursorIsArrowAt(CPoint(rc.right + 1, y)));
    header.LockColumn(0);
    DragHeaderDivider(header, 0, 50);
    DoubleClickHeaderDivider(header, 0);
    EXPECT_EQ(100, list.GetColumnWidth(0));
    // No resize cursor on either side of its divider; the far half of the
    // next column belongs to that column's own divider.
    EXPECT_TRUE(CursorIsArrowAt(CPoint(rc.right - 1, y)) && CursorIsArrowAt(CPoint(rc.right + 1, y)));
    EXPECT_FALSE(CursorIsArrowAt(CPoint(rc.right + 99, y)));

    header.UnlockColumn(0);
    DragHeaderDivider(header, 0, 50);
    EXPECT_EQ(50, list.GetColumnWidth(0));
    DoubleClickHeaderDivider(header, 1);
    EXPECT_NE(100, list.GetColumnWidth(1));
}

TEST_F(HeaderCtrlTest, MenuCommandsSortAndReportAColumnClick)
{
    MenuCommand(1, XT_IDC_SORTASC);
    BOOL bAscending = FALSE;
    EXPECT_EQ(std::make_pair(1, TRUE), std::make_pair(header.GetSortColumn(&bAscending), bAscending));
    // Already ascending: nothing is reported.
    MenuCommand(1, XT_IDC_SORTASC);
    MenuCommand(1, XT_IDC_SORTDSC);
    EXPECT_EQ(std::make_pair(1, FALSE), std::make_pair(header.GetSortColumn(&bAscending), bAscending));
    MenuCommand(2, XT_IDC_SORTDSC);
    EXPECT_EQ(2, header.GetSortColumn());
    // Each sort is reported as a column click, which the list hands on.
    EXPECT_EQ(3, host.CountNotify(LVN_COLUMNCLICK));
}

TEST_F(HeaderCtrlTest, MenuCommandsAlignTheColumns)
{
    MenuCommand(1, XT_IDC_ALIGNRIGHT);
    MenuCommand(2, XT_IDC_ALIGNCENTER);
    EXPECT_EQ("LRC", Formats());
    MenuCommand(1, XT_IDC_ALIGNLEFT);
    EXPECT_EQ("LLC", Formats());
}

TEST_F(HeaderCtrlTest, MenuChecksTheColumnsSortAndAlignment)
{
    MenuCommand(2, XT_IDC_SORTDSC);
    MenuCommand(2, XT_IDC_ALIGNCENTER);
    EXPECT_EQ(std::vector<UINT>({XT_IDC_SORTDSC, XT_IDC_ALIGNCENTER}), Checked(2));
    EXPECT_EQ(std::vector<UINT>({XT_IDC_ALIGNLEFT}), Checked(0));
}

TEST_F(HeaderCtrlTest, SharingWidthSkipsLockedColumnsAndShareAndDragNotBelowTheMinimum)
{
    header.LockColumn(1);
    header.ShareWidthAmongColumns(300);
    EXPECT_EQ(std::vector<int>({150, 100, 150}),
              std::vector<int>({list.GetColumnWidth(0), list.GetColumnWidth(1), list.GetColumnWidth(2)}));
    header.SetMinColumnWidth(40);
    header.ShareWidthAmongColumns(80);
    EXPECT_EQ(150, list.GetColumnWidth(0));
    // A drag stops at the minimum width.
    DragHeaderDivider(header, 0, 40);
    DragHeaderDivider(header, 0, 39);
    EXPECT_EQ(40, list.GetColumnWidth(0));
    DragHeaderDivider(header, 0, 60);
    EXPECT_EQ(60, list.GetColumnWidth(0));

    header.LockColumn(0);
    header.LockColumn(2);
    header.ShareWidthAmongColumns(600);
    EXPECT_EQ(60, list.GetColumnWidth(0));
    EXPECT_EQ(60 + 100 + 150, header.GetLockedColumnsWidth());
}

TEST_F(HeaderCtrlTest, ThemeWithItsOwnHeightMovesOnlyTheHeader)
{
    CRect rcList = RectInParent(&list);
    header.SetTheme(2);
    EXPECT_EQ(RectInParent(&list), rcList);
    TEXTMETRIC tm;
    CClientDC dc(&header);
    dc.SelectObject(header.GetFont());
    dc.GetTextMetrics(&tm);
    CRect rcHeader = RectInParent(&header);
    EXPECT_EQ(CRect(0, 0, rcHeader.right, tm.tmHeight + 10), rcHeader);
    header.SetTheme((CXTThemeManagerStyle*)NULL);
}

TEST_F(HeaderCtrlTest, HotTrackingEndsWhenTheMouseLeaves)
{
    CRect rc;
    header.GetItemRect(1, &rc);
    header.ClientToScreen(&rc);
    ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
    header.SetTimer(1, 10000);
    header.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(std::make_pair(1, TRUE), std::make_pair(header.m_nHotColumn, (BOOL)header.m_bHotDrawn));

    ::SetCursorPos(1000, 900);
    header.SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(header.m_bHotDrawn);
    // The timer is gone already.
    EXPECT_FALSE(::KillTimer(header.m_hWnd, 1));
}

// Hot tracking polls the cursor only while the hot column can change: once
// the column under a resting pointer is drawn hot, its timer stops (a tick
// wakes the whole program), and whatever may move the pointer starts it
// again; the tick then finds the column as before.
class HeaderHotRestTest : public HeaderCtrlTest
{
protected:
    // Timer 1 runs (read back by killing it, then started again).
    bool HotTimerRuns()
    {
        if (!::KillTimer(header.m_hWnd, 1))
            return false;
        header.SetTimer(1, 10000, NULL);
        return true;
    }
    // The pointer on column iCol, the header told of the move, one tick.
    void RestOnColumn(int iCol)
    {
        CRect rc;
        header.GetItemRect(iCol, &rc);
        const CPoint pt = rc.CenterPoint();
        CPoint ptScreen = pt;
        header.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        PumpPending();
        header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        ASSERT_TRUE(HotTimerRuns()) << "a move starts hot tracking";
        header.SendMessage(WM_TIMER, 1);
        ASSERT_EQ(std::make_pair(iCol, TRUE), std::make_pair(header.m_nHotColumn, header.m_bHotDrawn));
    }
};

TEST_F(HeaderHotRestTest, TheTimerStopsWhileThePointerRestsOnTheHotColumn)
{
    RestOnColumn(1);
    EXPECT_TRUE(header.IsHotTrackingAtRest());
    EXPECT_FALSE(::KillTimer(header.m_hWnd, 1)) << "nothing polls a resting pointer";
}

// On a window above the header (a tip, another program's window) the pointer
// keeps the column under it hot, as before; the system cannot tell when it
// leaves that window, so hot tracking keeps polling.
TEST_F(HeaderHotRestTest, APointerOnAWindowAboveTheHeaderKeepsPolling)
{
    CRect rc;
    header.GetItemRect(1, &rc);
    header.ClientToScreen(&rc);
    const CPoint ptCenter = rc.CenterPoint();
    ForeignWindow above(CRect(ptCenter.x - 5, ptCenter.y - 5, ptCenter.x + 5, ptCenter.y + 5));
    ::SetCursorPos(ptCenter.x, ptCenter.y);
    PumpPending();
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    header.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(std::make_pair(1, TRUE), std::make_pair(header.m_nHotColumn, header.m_bHotDrawn));
    EXPECT_FALSE(header.IsHotTrackingAtRest());
    EXPECT_TRUE(HotTimerRuns());
}

TEST_F(HeaderHotRestTest, WhatMayMoveThePointerStartsTheTimerAgain)
{
    ForeignWindow other(CRect(900, 700, 1000, 800));
    CPoint ptOnList(200, 150); // a row of the list, below the header
    list.ClientToScreen(&ptOnList);
    const struct
    {
        const char* name;
        std::function<void()> wake;
        bool bStillHot;
    } rows[] = {
        {"a move on the header", [&] { header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, true},
        {"the system's notice that the pointer left (onto a window above the header)",
         [&] { header.SendMessage(WM_MOUSELEAVE); }, true},
        {"the pointer moved onto the list, a window of this thread",
         [&] { ::SetCursorPos(ptOnList.x, ptOnList.y); }, false},
        {"the pointer moved onto another program's window",
         [&] { ::SetCursorPos(other.Center().x, other.Center().y); }, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        RestOnColumn(2);
        ASSERT_TRUE(header.IsHotTrackingAtRest());
        row.wake();
        ASSERT_TRUE(PumpPendingUntil([&] { return !header.IsHotTrackingAtRest(); }));
        EXPECT_TRUE(HotTimerRuns());
        header.SendMessage(WM_TIMER, 1);
        EXPECT_EQ(row.bStillHot, (bool)header.m_bHotDrawn);
        EXPECT_EQ(row.bStillHot, (bool)header.IsHotTrackingAtRest()) << "rests again where it stays hot";
        EXPECT_FALSE(::KillTimer(header.m_hWnd, 1)) << "stopped by the rest, or by the end of tracking";
    }
}

TEST(HeaderTheme, FactoryMakesTheThemeOfTheId)
{
    EXPECT_EQ("CXTHeaderTheme 0|CXTHeaderThemeOfficeXP 1|CXTHeaderThemeOffice2003 2|CXTHeaderTheme 3|"
              "CXTHeaderTheme 42|",
              ThemesMade<CXTHeaderThemeFactory>({0, 1, 2, 3, 42}));
}

TEST(HeaderTheme, TextSitsInsideThePaddingAndTheArrowRoom)
{
    // A column 100 wide and 20 high but for the last; padding 6, arrow 8 + 2 x 10.
    struct Row
    {
        const char* name;
        int nFormat, bSortColumn, cxItem;
        CSize sizeText;
        CRect expected;
    } rows[] = {
        {"left, centred vertically", HDF_LEFT, FALSE, 100, CSize(30, 10), CRect(6, 5, 36, 15)},
        {"centre", HDF_CENTER, FALSE, 100, CSize(30, 10), CRect(35, 5, 65, 15)},
        {"sort column loses the arrow room", HDF_LEFT, TRUE, 100, CSize(200, 10), CRect(6, 5, 66, 15)},
        {"sort column right-aligned", HDF_RIGHT, TRUE, 100, CSize(30, 10), CRect(36, 5, 66, 15)},
        {"narrower than the margins", HDF_LEFT, FALSE, 10, CSize(30, 10), CRect(6, 5, 4, 15)},
    };
    CXTHeaderTheme theme;
    for (const Row& row : rows)
        EXPECT_EQ(row.expected,
                  theme.CalcTextRect(CRect(0, 0, row.cxItem, 20), row.sizeText, row.nFormat, row.bSortColumn))
            << row.name;
}

// A column's image (with its padding) comes first; the text is placed in
// what is left of the column and clipped to it.
TEST(HeaderTheme, TextIsPlacedRightOfTheColumnImage)
{
    // A column 80 wide and 20 high, padding 6, a 12-pixel image: 18 pixels taken.
    struct Row
    {
        const char* name;
        int nFormat, cxText;
        CRect expected;
    } rows[] = {
        {"left", HDF_LEFT, 30, CRect(24, 5, 54, 15)},
        {"centre", HDF_CENTER, 30, CRect(34, 5, 64, 15)},
        {"right", HDF_RIGHT, 30, CRect(44, 5, 74, 15)},
        {"wider than what is left", HDF_LEFT, 90, CRect(24, 5, 74, 15)},
    };
    CXTHeaderTheme theme;
    for (const Row& row : rows)
        EXPECT_EQ(row.expected,
                  theme.CalcTextRect(CRect(0, 0, 80, 20), CSize(row.cxText, 10), row.nFormat, FALSE, 18))
            << row.name;
}

// Each channel is a - (a - b) x f made whole toward zero after the subtraction.
TEST(HeaderTheme, BlendRoundsEachChannelTowardZero)
{
    const std::tuple<const char*, COLORREF, COLORREF, double, COLORREF> rows[] = {
        {"a quarter of the way", RGB(200, 100, 50), RGB(100, 200, 0), 0.25, RGB(175, 125, 37)},
        {"dark toward black", RGB(10, 10, 10), RGB(0, 0, 0), 0.25, RGB(7, 7, 7)},
        {"face toward shadow at 0.6", RGB(236, 233, 216), RGB(172, 168, 153), 0.6, RGB(197, 194, 178)},
        {"none of the way", RGB(1, 2, 3), RGB(200, 200, 200), 0.0, RGB(1, 2, 3)},
        {"all of the way", RGB(1, 2, 3), RGB(200, 100, 50), 1.0, RGB(200, 100, 50)},
    };
    for (const auto& [name, crA, crB, fRatio, crExpected] : rows)
        EXPECT_EQ(crExpected, CXTHeaderTheme::BlendColors(crA, crB, fRatio)) << name;
}

// The Office themes draw the sort arrow but neither hot columns nor visual styles.
TEST(HeaderTheme, OfficeThemesDrawOnlyTheSortArrow)
{
    EXPECT_EQ(
        std::make_pair((DWORD)XTTHEME_SORTARROW, (DWORD)XTTHEME_SORTARROW),
        std::make_pair(CXTHeaderThemeOfficeXP().GetDrawStyle(), CXTHeaderThemeOffice2003().GetDrawStyle()));
}

// Office 2003 pads the text vertically too, from the top.
TEST(HeaderTheme, Office2003PadsTheTextFromTheTop)
{
    EXPECT_EQ(CRect(6, 2, 36, 12),
              CXTHeaderThemeOffice2003().CalcTextRect(CRect(0, 0, 100, 20), CSize(30, 10), HDF_LEFT, FALSE));
}

// A header of three empty columns 80 pixels wide drawn by a theme into a
// canvas; the sort column is 1.
class HeaderDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 240, 24), &TestHost(),
                                  IDC_LIST_EDIT_TEST));
        HDITEM hdi = {}; // left-aligned, empty text
        hdi.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
        hdi.cxy = 80;
        hdi.pszText = (LPSTR) "";
        for (int i = 0; i < 3; i++)
            header.InsertItem(i, &hdi);
    }

    // Draws with the classic theme; the hot-tracking and visual-style bits
    // are off, so the cursor plays no part.
    void Draw(PixelCanvas& canvas)
    {
        theme.SetDrawStyle(XTTHEME_SORTARROW, &header);
        theme.DrawHeader(&canvas.dc(), &header);
    }

    // The pixels of the arrow's two colours on each row of column iCol that
    // has any (its borders left out), top down.
    std::vector<int> ArrowRows(PixelCanvas& canvas, int iCol)
    {
        std::vector<int> rows;
        for (int y = 3; y < 20; y++)
        {
            int n = 0;
            for (int x = iCol * 80 + 3; x < iCol * 80 + 76; x++)
                n += canvas.Pixel(x, y) == theme.m_crHilight || canvas.Pixel(x, y) == theme.m_crShadow;
            if (n > 0)
                rows.push_back(n);
        }
        return rows;
    }

    CXTHeaderCtrl header;
    CXTHeaderTheme theme;
};

TEST_F(HeaderDrawTest, OnlyTheSortColumnShowsAnArrowPointingItsWay)
{
    header.SetSortColumn(1, TRUE);
    PixelCanvas ascending(240, 24);
    Draw(ascending);
    EXPECT_TRUE(ArrowRows(ascending, 0).empty());
    EXPECT_TRUE(ArrowRows(ascending, 2).empty());
    // Pointing up: an outline whose widest row, 9 pixels, is the base at the bottom.
    EXPECT_EQ(std::vector<int>({1, 2, 2, 2, 2, 2, 2, 9}), ArrowRows(ascending, 1));

    header.SetSortColumn(1, FALSE);
    PixelCanvas descending(240, 24);
    Draw(descending);
    EXPECT_EQ(std::vector<int>({8, 2, 2, 2, 2, 2, 2, 1}), ArrowRows(descending, 1));
}

TEST_F(HeaderDrawTest, ColumnImageIsKeptByTheHeaderAndDrawnMasked)
{
    ASSERT_TRUE(theme.SetColumnBitmap(2, 3000, FALSE, RGB(0xC0, 0xC0, 0xC0), &header));
    HIMAGELIST hImageList = header.GetColumnImageList(2);
    ASSERT_NE(hImageList, (HIMAGELIST)NULL);
    HDITEM hdi;
    hdi.mask = HDI_FORMAT | HDI_BITMAP;
    ASSERT_TRUE(header.GetItem(2, &hdi));
    EXPECT_EQ(std::make_pair(HDF_BITMAP, (HBITMAP)NULL), std::make_pair(hdi.fmt, hdi.hbm));

    PixelCanvas canvas(240, 24);
    Draw(canvas);
    // The 6 x 6 blue block of the 12 x 10 image at padding 6, centred.
    EXPECT_EQ(std::make_pair(RGB(0, 0, 200), (COLORREF)theme.m_crFace),
              std::make_pair(canvas.Pixel(160 + 6 + 5, 12), canvas.Pixel(160 + 6 + 1, 12)));
    EXPECT_EQ(150 * 16, canvas.CountOther(CRect(0, 4, 150, 20), RGB(0, 0, 200)));

    // A column title keeps its whole width after the image: drawn without and
    // with the image, its text spans the same columns, moved by image and padding.
    auto textColumns = [this](PixelCanvas& canvas) {
        std::vector<int> columns;
        for (int x = 160; x < 240; x++)
            for (int y = 4; y < 20; y++)
                if (canvas.Pixel(x, y) == theme.m_crText)
                {
                    columns.push_back(x);
                    break;
                }
        return columns;
    };
    HDITEM title = {};
    title.mask = HDI_TEXT;
    title.pszText = (LPSTR) "Title";
    header.SetItem(2, &title);
    PixelCanvas withImage(240, 24), withoutImage(240, 24);
    Draw(withImage);
    const std::vector<int> imageTitle = textColumns(withImage);
    hdi.mask = HDI_FORMAT;
    hdi.fmt = HDF_LEFT;
    header.SetItem(2, &hdi);
    Draw(withoutImage);
    std::vector<int> plainTitle = textColumns(withoutImage);
    ASSERT_FALSE(plainTitle.empty());
    for (int& x : plainTitle)
        x += 12 + 6;
    EXPECT_EQ(plainTitle, imageTitle);
    hdi.fmt = HDF_BITMAP;
    header.SetItem(2, &hdi);

    // A second bitmap replaces the list; removing clears the format bit.
    ASSERT_TRUE(theme.SetColumnBitmap(2, 3000, FALSE, RGB(0xC0, 0xC0, 0xC0), &header));
    EXPECT_NE(header.GetColumnImageList(2), hImageList);
    EXPECT_TRUE(theme.SetColumnBitmap(2, 0, TRUE, 0, &header));
    ASSERT_TRUE(header.GetItem(2, &hdi));
    EXPECT_TRUE(header.GetColumnImageList(2) == NULL && (hdi.fmt & HDF_BITMAP) == 0);
}

} // namespace
