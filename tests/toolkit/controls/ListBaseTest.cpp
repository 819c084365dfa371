// The list base on a real list control: header clicks and the header menu
// choose the sort, widths keep the minimum or stay locked, cells get their
// colours by precedence, column widths round-trip through the profile, and
// rows are copied, moved and hit-tested.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/controls/XTListView.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPColorManager.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <algorithm>
#include <memory>

namespace {

// A list control or list view that records the sorts it is asked for.
template <class TList>
class CSortRecording : public TList
{
public:
    std::vector<std::pair<int, BOOL>> m_sorts;

    BOOL SortList(int nCol, BOOL bAscending) override
    {
        m_sorts.push_back(std::make_pair(nCol, bAscending));
        return TRUE;
    }
};
using CSortRecordingList = CSortRecording<CXTListCtrl>;
using CSortRecordingView = CSortRecording<CXTListView>;

// Three columns of 100 pixels and three rows; the flat header in place.
class ListBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = &TestHost();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 400, 200),
                                host, IDC_LIST_EDIT_TEST));
        for (int i = 0; i < 3; i++)
            list.InsertColumn(i, "Column", LVCFMT_LEFT, 100);
        const char* rows[3][3] = {{"a", "a1", "a2"}, {"b", "b1", "b2"}, {"c", "c1", "c2"}};
        for (int i = 0; i < 3; i++)
        {
            list.InsertItem(i, rows[i][0]);
            list.SetItemText(i, 1, rows[i][1]);
            list.SetItemText(i, 2, rows[i][2]);
            list.SetItemData(i, 10 + i);
        }
        ASSERT_TRUE(list.SubclassHeader(FALSE));
    }
    void TearDown() override
    {
        if (list.GetSafeHwnd() != NULL)
            list.DestroyWindow();
    }

    NotifyRecorderWnd* host = nullptr;
    CSortRecordingList list;
};

TEST_F(ListBaseTest, SameHeaderClickedTwiceSortsAscendingThenDescending)
{
    ClickHeaderColumn(list.m_flatHeader, 1);
    ClickHeaderColumn(list.m_flatHeader, 1);
    ClickHeaderColumn(list.m_flatHeader, 2);
    ClickHeaderColumn(list.m_flatHeader, 1);
    std::vector<std::pair<int, BOOL>> expected = {{1, TRUE}, {1, FALSE}, {2, TRUE}, {1, TRUE}};
    EXPECT_EQ(list.m_sorts, expected);
    BOOL bAscending = FALSE;
    EXPECT_EQ(list.m_flatHeader.GetSortColumn(&bAscending), 1);
    EXPECT_TRUE(bAscending);
    // The list's own handling still tells the parent.
    EXPECT_EQ(host->CountNotify(LVN_COLUMNCLICK), 4);
}

TEST_F(ListBaseTest, HeaderMenuSortsInTheChosenDirection)
{
    CRect rc;
    list.m_flatHeader.GetItemRect(2, &rc);
    list.m_flatHeader.m_ptContextMenu = rc.CenterPoint();
    list.m_flatHeader.SendMessage(WM_COMMAND, XT_IDC_SORTDSC);
    list.m_flatHeader.SendMessage(WM_COMMAND, XT_IDC_SORTASC);
    std::vector<std::pair<int, BOOL>> expected = {{2, FALSE}, {2, TRUE}};
    EXPECT_EQ(list.m_sorts, expected);
    EXPECT_EQ(list.GetSortColumn(), 2);
}

TEST_F(ListBaseTest, DragBelowTheMinimumStopsAtTheMinimum)
{
    list.SetMinColumnWidth(20);
    DragHeaderDivider(list.m_flatHeader, 0, 5);
    EXPECT_EQ(list.GetColumnWidth(0), 20);
    DragHeaderDivider(list.m_flatHeader, 0, 70);
    EXPECT_EQ(list.GetColumnWidth(0), 70);
}

TEST_F(ListBaseTest, LockedWidthsRefuseDragAndDoubleClick)
{
    list.LockColumnWidths(TRUE);
    DragHeaderDivider(list.m_flatHeader, 0, 40);
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    DoubleClickHeaderDivider(list.m_flatHeader, 0);
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    list.LockColumnWidths(FALSE);
    DoubleClickHeaderDivider(list.m_flatHeader, 0);
    EXPECT_LT(list.GetColumnWidth(0), 100);
}

TEST_F(ListBaseTest, AutoSizeTakesTheWiderOfTextAndHeaderWithinTheLimits)
{
    HDITEM hdi;
    hdi.mask = HDI_TEXT;
    hdi.pszText = (LPSTR) "A rather long column heading";
    list.m_flatHeader.SetItem(0, &hdi);
    CClientDC dc(&list.m_flatHeader);
    CFont* pOldFont = dc.SelectObject(list.m_flatHeader.GetFont());
    int nHeading = dc.GetTextExtent(hdi.pszText, lstrlenA(hdi.pszText)).cx;
    dc.SelectObject(pOldFont);
    list.AutoSizeColumn(0);
    EXPECT_EQ(list.GetColumnWidth(0), nHeading + 12);

    list.SetMinColumnWidth(nHeading + 40);
    list.m_nMaxColWidth = nHeading + 60;
    list.AutoSizeColumn();
    EXPECT_EQ(list.GetColumnWidth(0), nHeading + 40);
    EXPECT_EQ(list.GetColumnWidth(2), nHeading + 40);
    list.SetItemText(1, 2, CString('w', 200));
    list.AutoSizeColumn(2);
    EXPECT_EQ(list.GetColumnWidth(2), nHeading + 60);
}

// The colours of one cell for a list set up by the case.
struct CellColorCase
{
    const char* name;
    BOOL bDisabled;
    BOOL bShading;
    BOOL bRowColors;
    BOOL bCustom;
    BOOL bSelected;
    int nSubItem; // the sort column is 1
    COLORREF crText;
    COLORREF crBack;
};

const COLORREF kRowText = RGB(1, 2, 3);
const COLORREF kRowBack = RGB(200, 100, 0);
const COLORREF kListText = RGB(10, 20, 30);
const COLORREF kListBack = RGB(250, 240, 230);
const COLORREF kSortText = RGB(40, 50, 60);
const COLORREF kSortBack = RGB(100, 200, 50);
// 50 : 50 of the row's and the sorted column's backgrounds, rounded.
const COLORREF kBlended = RGB(150, 150, 25);

class CellColorTest : public ListBaseTest, public ::testing::WithParamInterface<CellColorCase>
{};

TEST_P(CellColorTest, ChoosesByPrecedence)
{
    const CellColorCase& c = GetParam();
    list.EnableWindow(!c.bDisabled);
    list.EnableSortColumnShading(c.bShading);
    list.SetSortImage(1, TRUE);
    list.m_crSortText = kSortText;
    list.m_crSortBack = kSortBack;
    list.EnableRowColors(c.bRowColors);
    list.SetRowColors(0, kRowText, kRowBack);
    list.EnableCustomColors(c.bCustom);
    list.SetListTextColor(kListText);
    list.SetBackColor(kListBack);

    COLORREF crText = 0, crBack = 0;
    list.GetCellColors(0, c.nSubItem, c.bSelected, crText, crBack);
    COLORREF crExpectedText = c.crText == CLR_DEFAULT ? ::GetSysColor(COLOR_WINDOWTEXT) : c.crText;
    COLORREF crExpectedBack = c.crBack == CLR_DEFAULT ? ::GetSysColor(COLOR_WINDOW) : c.crBack;
    if (c.bDisabled)
        crExpectedBack = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(crText, crExpectedText);
    EXPECT_EQ(crBack, crExpectedBack);
    list.EnableWindow(TRUE);
}

// CLR_DEFAULT stands for the system colour.
const CellColorCase kCellColorCases[] = {
    {"DisabledBeatsEverything", TRUE, TRUE, TRUE, TRUE, FALSE, 1, CLR_DEFAULT, CLR_DEFAULT},
    {"SortedColumnShaded", FALSE, TRUE, FALSE, TRUE, FALSE, 1, kSortText, kSortBack},
    {"RowColorsBlendInTheSortedColumn", FALSE, TRUE, TRUE, TRUE, FALSE, 1, kRowText, kBlended},
    {"RowColorsElsewhere", FALSE, TRUE, TRUE, TRUE, FALSE, 2, kRowText, kRowBack},
    {"SelectedRowIgnoresRowColors", FALSE, FALSE, TRUE, TRUE, TRUE, 2, kListText, kListBack},
    {"SelectedRowInTheSortedColumn", FALSE, TRUE, TRUE, FALSE, TRUE, 1, kSortText, kSortBack},
    {"CustomColors", FALSE, FALSE, FALSE, TRUE, FALSE, 1, kListText, kListBack},
    {"ShadingOffIgnoresTheSortColumn", FALSE, FALSE, FALSE, FALSE, FALSE, 1, CLR_DEFAULT, CLR_DEFAULT},
    {"SystemColours", FALSE, FALSE, FALSE, FALSE, FALSE, 0, CLR_DEFAULT, CLR_DEFAULT},
};

INSTANTIATE_TEST_SUITE_P(Precedence, CellColorTest, ::testing::ValuesIn(kCellColorCases),
                         [](const ::testing::TestParamInfo<CellColorCase>& info) { return info.param.name; });

TEST_F(ListBaseTest, CustomDrawAsksForSubItemsAndFillsTheirColours)
{
    list.SetListColors(kListText, kListBack);
    NMLVCUSTOMDRAW draw;
    ZeroMemory(&draw, sizeof(draw));
    draw.nmcd.hdr.hwndFrom = list.m_hWnd;
    draw.nmcd.hdr.idFrom = IDC_LIST_EDIT_TEST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(TestHost().SendMessage(WM_NOTIFY, IDC_LIST_EDIT_TEST, (LPARAM)&draw), CDRF_NOTIFYSUBITEMDRAW);
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = 1;
    draw.iSubItem = 2;
    TestHost().SendMessage(WM_NOTIFY, IDC_LIST_EDIT_TEST, (LPARAM)&draw);
    EXPECT_EQ(draw.clrText, kListText);
    EXPECT_EQ(draw.clrTextBk, kListBack);
}

// An application object with a registry key while the case runs; an
// existing one lends itself and gets its key back.
class ScopedProfileApp
{
public:
    ScopedProfileApp()
    {
        m_pApp = AfxGetApp();
        if (m_pApp == NULL)
        {
            m_ownApp.reset(new CWinApp("Tidewatch List Tests"));
            m_pApp = m_ownApp.get();
        }
        m_pszOldKey = m_pApp->m_pszRegistryKey ? strdup(m_pApp->m_pszRegistryKey) : NULL;
        m_pApp->SetRegistryKey(kCompany);
    }
    ~ScopedProfileApp()
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
        free((void*)m_pApp->m_pszRegistryKey);
        m_pApp->m_pszRegistryKey = m_pszOldKey;
    }

    static constexpr const char* kCompany = "Tidewatch List Tests";

private:
    CWinApp* m_pApp;
    std::unique_ptr<CWinApp> m_ownApp;
    LPCTSTR m_pszOldKey;
};

// The column widths of a new list of nCols columns 100 wide after it loads
// its saved widths from the section and entry.
std::vector<int> LoadedWidths(int nCols, LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CSortRecordingList list;
    EXPECT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 400, 200), &TestHost(), IDC_LIST_EDIT_TEST));
    for (int i = 0; i < nCols; i++)
        list.InsertColumn(i, "Column", LVCFMT_LEFT, 100);
    list.AutoSaveColumns(lpszSection, lpszEntry, lpszDefault);
    std::vector<int> widths;
    for (int i = 0; i < nCols; i++)
        widths.push_back(list.GetColumnWidth(i));
    return widths;
}

TEST_F(ListBaseTest, ColumnWidthsRoundTripThroughTheProfile)
{
    ScopedProfileApp app;
    list.AutoSaveColumns("List Test", "Widths", NULL);
    list.SetColumnWidth(0, 50);
    list.SetColumnWidth(1, 70);
    list.SetColumnWidth(2, 90);
    list.DestroyWindow();
    // A column never saved keeps its width, and so does an empty field.
    EXPECT_EQ(LoadedWidths(4, "List Test", "Widths", NULL), std::vector<int>({50, 70, 90, 100}));
    EXPECT_EQ(LoadedWidths(3, "Another Section", NULL, "30,,40"), std::vector<int>({30, 100, 40}));
}

TEST_F(ListBaseTest, PaintShadesTheSortedColumnBelowTheRows)
{
    list.SetListColors(kListText, kListBack);
    list.m_crSortBack = kSortBack;
    list.EnableSortColumnShading(TRUE);
    list.SetSortImage(1, TRUE);
    CRect rc;
    list.GetClientRect(&rc);
    PixelCanvas canvas(rc.Width(), rc.Height());
    list.PaintList(&canvas.dc());
    int y = rc.bottom - 5;
    EXPECT_EQ(canvas.Pixel(150, y), kSortBack);
    EXPECT_EQ(canvas.Pixel(50, y), kListBack);
    EXPECT_EQ(canvas.Pixel(250, y), kListBack);
    // The header's area is left to the header.
    EXPECT_EQ(canvas.Pixel(150, 2), kWhite);
}

// The list view form: the same base behind a view.
TEST(ListView, HeaderClicksSortTheView)
{
    CSortRecordingView* pView = new CSortRecordingView;
    ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 150),
                              &TestHost(), IDC_LIST_EDIT_TEST));
    CListCtrl& list = pView->GetListCtrl();
    list.InsertColumn(0, "One", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Two", LVCFMT_LEFT, 100);
    ASSERT_TRUE(pView->SubclassHeader(TRUE));
    ClickHeaderColumn(pView->m_flatHeader, 1);
    ClickHeaderColumn(pView->m_flatHeader, 1);
    std::vector<std::pair<int, BOOL>> expected = {{1, TRUE}, {1, FALSE}};
    EXPECT_EQ(pView->m_sorts, expected);
    // A view deletes itself with its window.
    pView->DestroyWindow();
}

} // namespace
