// The list base on a real list control: header clicks and the header menu
// choose the sort, widths keep the minimum or stay locked, cells get their
// colours by precedence, column widths round-trip through the profile, and
// the sorted column is shaded.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/controls/XTListView.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPColorManager.h"
#include <gtest/gtest.h>

namespace {

// A list control that records the sorts it is asked for.
class CSortRecordingList : public CXTListCtrl
{
public:
    std::vector<std::pair<int, BOOL>> m_sorts;

    BOOL SortList(int nCol, BOOL bAscending) override
    {
        m_sorts.push_back(std::make_pair(nCol, bAscending));
        return TRUE;
    }
};
using Sorts = std::vector<std::pair<int, BOOL>>;

// A list of nCols columns of 100 pixels (hidden unless shown).
void CreateList(CSortRecordingList& list, int nCols, DWORD dwStyle = 0)
{
    ASSERT_TRUE(
        list.Create(WS_CHILD | LVS_REPORT | dwStyle, CRect(0, 0, 400, 200), &TestHost(), IDC_LIST_EDIT_TEST));
    for (int i = 0; i < nCols; i++)
        list.InsertColumn(i, "Column", LVCFMT_LEFT, 100);
}

// Three columns of 100 pixels and three rows; the flat header in place.
class ListBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CreateList(list, 3, WS_VISIBLE | LVS_SHOWSELALWAYS);
        for (int i = 0; i < 3; i++)
            list.InsertItem(i, "a");
        ASSERT_TRUE(list.SubclassHeader(FALSE));
    }

    NotifyRecorderWnd& host = TestHost();
    CSortRecordingList list;
};

TEST_F(ListBaseTest, SameHeaderClickedTwiceSortsAscendingThenDescending)
{
    ClickHeaderColumn(list.m_flatHeader, 1);
    ClickHeaderColumn(list.m_flatHeader, 1);
    ClickHeaderColumn(list.m_flatHeader, 2);
    ClickHeaderColumn(list.m_flatHeader, 1);
    EXPECT_EQ((Sorts{{1, TRUE}, {1, FALSE}, {2, TRUE}, {1, TRUE}}), list.m_sorts);
    // The list's own handling still tells the parent.
    EXPECT_EQ(4, host.CountNotify(LVN_COLUMNCLICK));
}

TEST_F(ListBaseTest, HeaderMenuSortsInTheChosenDirection)
{
    CRect rc;
    list.m_flatHeader.GetItemRect(2, &rc);
    list.m_flatHeader.m_ptContextMenu = rc.CenterPoint();
    list.m_flatHeader.SendMessage(WM_COMMAND, XT_IDC_SORTDSC);
    list.m_flatHeader.SendMessage(WM_COMMAND, XT_IDC_SORTASC);
    EXPECT_EQ((Sorts{{2, FALSE}, {2, TRUE}}), list.m_sorts);
    EXPECT_EQ(2, list.GetSortColumn());
}

TEST_F(ListBaseTest, WidthsKeepTheMinimumOrStayLocked)
{
    list.SetMinColumnWidth(20);
    DragHeaderDivider(list.m_flatHeader, 0, 5);
    EXPECT_EQ(20, list.GetColumnWidth(0));
    list.LockColumnWidths(TRUE);
    DragHeaderDivider(list.m_flatHeader, 0, 70);
    DoubleClickHeaderDivider(list.m_flatHeader, 0);
    EXPECT_EQ(20, list.GetColumnWidth(0));
    list.LockColumnWidths(FALSE);
    DragHeaderDivider(list.m_flatHeader, 0, 70);
    EXPECT_EQ(70, list.GetColumnWidth(0));
    DoubleClickHeaderDivider(list.m_flatHeader, 0);
    EXPECT_LT(list.GetColumnWidth(0), 70);
}

TEST_F(ListBaseTest, AutoSizeTakesTheWiderOfTextAndHeaderWithinTheLimits)
{
    HDITEM hdi;
    hdi.mask = HDI_TEXT;
    hdi.pszText = (LPSTR) "A rather long column heading";
    list.m_flatHeader.SetItem(0, &hdi);
    CClientDC dc(&list.m_flatHeader);
    dc.SelectObject(list.m_flatHeader.GetFont());
    int nHeading = dc.GetTextExtent(hdi.pszText, lstrlenA(hdi.pszText)).cx;
    list.AutoSizeColumn(0);
    EXPECT_EQ(nHeading + 12, list.GetColumnWidth(0));

    list.SetMinColumnWidth(nHeading + 40);
    list.m_nMaxColWidth = nHeading + 60;
    list.SetItemText(1, 2, CString('w', 200));
    list.AutoSizeColumn();
    EXPECT_EQ(std::make_pair(nHeading + 40, nHeading + 60),
              std::make_pair(list.GetColumnWidth(0), list.GetColumnWidth(2)));
}

const COLORREF kRowText = RGB(1, 2, 3), kRowBack = RGB(200, 100, 0);
const COLORREF kListText = RGB(10, 20, 30), kListBack = RGB(250, 240, 230);
const COLORREF kSortText = RGB(40, 50, 60), kSortBack = RGB(100, 200, 50);

TEST_F(ListBaseTest, CellColoursByPrecedence)
{
    const COLORREF kSysText = ::GetSysColor(COLOR_WINDOWTEXT), kSysBack = ::GetSysColor(COLOR_WINDOW);
    // The colours of one cell; the sort column is 1.
    struct Row
    {
        const char* name;
        BOOL bDisabled, bShading, bRowColors, bCustom, bSelected;
        int nSubItem;
        COLORREF crText, crBack;
    } rows[] = {
        {"disabled beats everything", TRUE, TRUE, TRUE, TRUE, FALSE, 1, kSysText,
         ::GetSysColor(COLOR_BTNFACE)},
        {"sorted column shaded", FALSE, TRUE, FALSE, TRUE, FALSE, 1, kSortText, kSortBack},
        // 50 : 50 of the row's and the sorted column's backgrounds, rounded.
        {"row colours blend in the sorted column", FALSE, TRUE, TRUE, TRUE, FALSE, 1, kRowText,
         RGB(150, 150, 25)},
        {"row colours elsewhere", FALSE, TRUE, TRUE, TRUE, FALSE, 2, kRowText, kRowBack},
        {"selected row ignores row colours", FALSE, FALSE, TRUE, TRUE, TRUE, 2, kListText, kListBack},
        {"selected row in the sorted column", FALSE, TRUE, TRUE, FALSE, TRUE, 1, kSortText, kSortBack},
        {"custom colours", FALSE, FALSE, FALSE, TRUE, FALSE, 1, kListText, kListBack},
        {"shading off ignores the sort column", FALSE, FALSE, FALSE, FALSE, FALSE, 1, kSysText, kSysBack},
        {"system colours", FALSE, FALSE, FALSE, FALSE, FALSE, 0, kSysText, kSysBack},
    };
    list.SetSortImage(1, TRUE);
    list.m_crSortText = kSortText;
    list.m_crSortBack = kSortBack;
    list.SetRowColors(0, kRowText, kRowBack);
    list.SetListTextColor(kListText);
    list.SetBackColor(kListBack);
    for (const Row& row : rows)
    {
        list.EnableWindow(!row.bDisabled);
        list.EnableSortColumnShading(row.bShading);
        list.EnableRowColors(row.bRowColors);
        list.EnableCustomColors(row.bCustom);
        COLORREF crText = 0, crBack = 0;
        list.GetCellColors(0, row.nSubItem, row.bSelected, crText, crBack);
        EXPECT_EQ(std::make_pair(row.crText, row.crBack), std::make_pair(crText, crBack)) << row.name;
    }
    list.EnableWindow(TRUE);
}

TEST_F(ListBaseTest, CustomDrawTakesTheListsColours)
{
    list.SetListColors(kListText, kListBack);
    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr = {list.m_hWnd, IDC_LIST_EDIT_TEST, (UINT)NM_CUSTOMDRAW};
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW, host.SendMessage(WM_NOTIFY, IDC_LIST_EDIT_TEST, (LPARAM)&draw));
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.iSubItem = 2;
    host.SendMessage(WM_NOTIFY, IDC_LIST_EDIT_TEST, (LPARAM)&draw);
    EXPECT_EQ(std::make_pair(kListText, kListBack), std::make_pair(draw.clrText, draw.clrTextBk));
}

// Painting shades the sorted column below the rows and leaves the header's
// area to the header.
TEST_F(ListBaseTest, PaintingShadesTheSortedColumnBelowTheRows)
{
    list.SetListColors(kListText, kListBack);
    list.m_crSortBack = kSortBack;
    list.EnableSortColumnShading(TRUE);
    list.SetSortImage(1, TRUE);
    CRect rc;
    list.GetClientRect(&rc);
    PixelCanvas canvas(rc.Width(), rc.Height());
    list.PaintList(&canvas.dc());
    int y = rc.bottom - 5; // below the rows in columns 0, 1 and 2
    EXPECT_EQ(std::vector<COLORREF>({kListBack, kSortBack, kListBack, kWhite}),
              std::vector<COLORREF>(
                  {canvas.Pixel(50, y), canvas.Pixel(150, y), canvas.Pixel(250, y), canvas.Pixel(150, 2)}));
}
// The column widths of a new list of nCols columns 100 wide after it loads
// its saved widths from the section and entry.
std::vector<int> LoadedWidths(int nCols, LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CSortRecordingList list;
    CreateList(list, nCols);
    list.AutoSaveColumns(lpszSection, lpszEntry, lpszDefault);
    std::vector<int> widths;
    for (int i = 0; i < nCols; i++)
        widths.push_back(list.GetColumnWidth(i));
    return widths;
}

TEST_F(ListBaseTest, ColumnWidthsRoundTripThroughTheProfile)
{
    TempFolder folder;
    XTAuxData()->SetINIFileName(folder.File("list.ini").c_str());
    list.AutoSaveColumns("List Test", "Widths", NULL);
    list.SetColumnWidth(0, 50);
    list.SetColumnWidth(1, 70);
    list.SetColumnWidth(2, 90);
    list.DestroyWindow();
    // A column never saved keeps its width, and so does an empty field.
    EXPECT_EQ(LoadedWidths(4, "List Test", "Widths", NULL), std::vector<int>({50, 70, 90, 100}));
    EXPECT_EQ(LoadedWidths(3, "Another Section", NULL, "30,,40"), std::vector<int>({30, 100, 40}));
    XTAuxData()->SetINIFileName("");
}

} // namespace
