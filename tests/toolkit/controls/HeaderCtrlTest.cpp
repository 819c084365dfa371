// The header control inside a real list: minimum and locked widths against
// divider drags and double-clicks, the resize cursor, the context menu's
// sort and align commands and checks, and width sharing.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTListEditResource.h"
#include <gtest/gtest.h>
#include <typeinfo>

namespace {

// A list control that records the column clicks its header reports.
class CRecordingList : public CListCtrl
{
public:
    std::vector<std::pair<int, int>> m_clicks; // iItem, iButton

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHEADERA* pHeader = (const NMHEADERA*)lParam;
        if (pHeader->hdr.code == HDN_ITEMCLICKA || pHeader->hdr.code == HDN_ITEMCLICKW)
            m_clicks.push_back(std::make_pair(pHeader->iItem, pHeader->iButton));
        return CListCtrl::OnNotify(wParam, lParam, pResult);
    }
};

// Three columns of 100 pixels; the header subclassed by CXTHeaderCtrl.
class HeaderCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &TestHost(),
                                IDC_LIST_EDIT_TEST));
        for (int i = 0; i < 3; i++)
            list.InsertColumn(i, "Column", LVCFMT_LEFT, 100);
        list.InsertItem(0, "a");
        ASSERT_TRUE(header.SubclassWindow(::GetDlgItem(list.m_hWnd, 0)));
    }
    void TearDown() override { list.DestroyWindow(); }

    // The context menu's point set inside column iCol, then a menu command.
    void MenuCommand(int iCol, UINT nID)
    {
        CRect rc;
        header.GetItemRect(iCol, &rc);
        header.m_ptContextMenu = rc.CenterPoint();
        header.SendMessage(WM_COMMAND, nID);
    }
    int Format(int iCol)
    {
        LVCOLUMN lvc;
        lvc.mask = LVCF_FMT;
        list.GetColumn(iCol, &lvc);
        return lvc.fmt & LVCFMT_JUSTIFYMASK;
    }
    BOOL IsChecked(CMenu* pPopup, UINT nID)
    {
        return (pPopup->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    BOOL CursorIsArrowAt(CPoint pt)
    {
        header.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        header.SendMessage(WM_SETCURSOR, (WPARAM)header.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor() == ::LoadCursor(NULL, IDC_ARROW);
    }

    CRecordingList list;
    CXTHeaderCtrl header;
};

TEST_F(HeaderCtrlTest, DragStopsAtTheMinimumWidth)
{
    header.SetMinColumnWidth(15);
    DragHeaderDivider(header, 0, 15);
    EXPECT_EQ(list.GetColumnWidth(0), 15);
    DragHeaderDivider(header, 0, 14);
    EXPECT_EQ(list.GetColumnWidth(0), 15);
    DragHeaderDivider(header, 0, 60);
    EXPECT_EQ(list.GetColumnWidth(0), 60);
}

TEST_F(HeaderCtrlTest, LockedColumnRefusesDragAndDoubleClick)
{
    header.LockColumn(0);
    DragHeaderDivider(header, 0, 50);
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    DoubleClickHeaderDivider(header, 0);
    EXPECT_EQ(list.GetColumnWidth(0), 100);

    header.UnlockColumn(0);
    DragHeaderDivider(header, 0, 50);
    EXPECT_EQ(list.GetColumnWidth(0), 50);
    DoubleClickHeaderDivider(header, 1);
    EXPECT_NE(list.GetColumnWidth(1), 100);
}

TEST_F(HeaderCtrlTest, LockedColumnShowsNoResizeCursorOnEitherSideOfItsDivider)
{
    CRect rc;
    header.GetItemRect(0, &rc);
    int y = rc.Height() / 2;
    EXPECT_FALSE(CursorIsArrowAt(CPoint(rc.right + 1, y)));
    header.LockColumn(0);
    EXPECT_TRUE(CursorIsArrowAt(CPoint(rc.right - 1, y)));
    EXPECT_TRUE(CursorIsArrowAt(CPoint(rc.right + 1, y)));
    // The far half of the next column belongs to its own divider.
    EXPECT_FALSE(CursorIsArrowAt(CPoint(rc.right + 99, y)));
}

TEST_F(HeaderCtrlTest, SortCommandsSetTheDirectionAndReportAClickWithButtonOne)
{
    MenuCommand(1, XT_IDC_SORTASC);
    BOOL bAscending = FALSE;
    EXPECT_EQ(header.GetSortColumn(&bAscending), 1);
    EXPECT_TRUE(bAscending);
    ASSERT_EQ(list.m_clicks.size(), 1u);
    EXPECT_EQ(list.m_clicks[0], std::make_pair(1, 1));

    // Already ascending: nothing is reported.
    MenuCommand(1, XT_IDC_SORTASC);
    EXPECT_EQ(list.m_clicks.size(), 1u);

    MenuCommand(1, XT_IDC_SORTDSC);
    EXPECT_EQ(header.GetSortColumn(&bAscending), 1);
    EXPECT_FALSE(bAscending);
    MenuCommand(2, XT_IDC_SORTDSC);
    EXPECT_EQ(header.GetSortColumn(), 2);
    ASSERT_EQ(list.m_clicks.size(), 3u);
    EXPECT_EQ(list.m_clicks[2], std::make_pair(2, 1));
}

TEST_F(HeaderCtrlTest, AlignCommandsSetTheColumnFormatOfTheClickedColumn)
{
    MenuCommand(1, XT_IDC_ALIGNRIGHT);
    EXPECT_EQ(Format(1), LVCFMT_RIGHT);
    EXPECT_EQ(Format(0), LVCFMT_LEFT);
    MenuCommand(1, XT_IDC_ALIGNCENTER);
    EXPECT_EQ(Format(1), LVCFMT_CENTER);
    MenuCommand(1, XT_IDC_ALIGNLEFT);
    EXPECT_EQ(Format(1), LVCFMT_LEFT);
}

TEST_F(HeaderCtrlTest, HeaderMenuChecksTheSortDirectionAndTheAlignment)
{
    MenuCommand(2, XT_IDC_ALIGNCENTER);
    MenuCommand(2, XT_IDC_SORTDSC);
    CMenu menu;
    CMenu* pPopup = header.LoadHeaderMenu(menu, 2);
    ASSERT_NE(pPopup, nullptr);
    EXPECT_FALSE(IsChecked(pPopup, XT_IDC_SORTASC));
    EXPECT_TRUE(IsChecked(pPopup, XT_IDC_SORTDSC));
    EXPECT_TRUE(IsChecked(pPopup, XT_IDC_ALIGNCENTER));
    EXPECT_FALSE(IsChecked(pPopup, XT_IDC_ALIGNLEFT));

    CMenu other;
    pPopup = header.LoadHeaderMenu(other, 0);
    ASSERT_NE(pPopup, nullptr);
    EXPECT_FALSE(IsChecked(pPopup, XT_IDC_SORTASC));
    EXPECT_FALSE(IsChecked(pPopup, XT_IDC_SORTDSC));
    EXPECT_TRUE(IsChecked(pPopup, XT_IDC_ALIGNLEFT));
}

TEST_F(HeaderCtrlTest, SharingWidthSkipsLockedColumnsAndShareNotAboveTheMinimum)
{
    header.LockColumn(1);
    header.ShareWidthAmongColumns(300);
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_EQ(list.GetColumnWidth(1), 100);
    EXPECT_EQ(list.GetColumnWidth(2), 150);

    header.SetMinColumnWidth(40);
    header.ShareWidthAmongColumns(80);
    EXPECT_EQ(list.GetColumnWidth(0), 150);

    header.LockColumn(0);
    header.LockColumn(2);
    header.ShareWidthAmongColumns(600);
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_EQ(header.GetLockedColumnsWidth(), 400);
}

TEST_F(HeaderCtrlTest, ThemeWithItsOwnHeightMovesOnlyTheHeader)
{
    CRect rcList = RectInParent(&list);
    header.SetTheme(2);
    EXPECT_EQ(RectInParent(&list), rcList);
    TEXTMETRIC tm;
    CClientDC dc(&header);
    CFont* pOldFont = dc.SelectObject(header.GetFont());
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOldFont);
    CRect rcHeader = RectInParent(&header);
    EXPECT_EQ(rcHeader.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(rcHeader.Height(), tm.tmHeight + 10);
    header.SetTheme((CXTThemeManagerStyle*)NULL);
}

TEST_F(HeaderCtrlTest, HotTrackingEndsWhenTheMouseLeaves)
{
    CRect rc;
    header.GetItemRect(1, &rc);
    CPoint pt = rc.CenterPoint();
    header.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    header.SetTimer(1, 10000);
    header.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(header.m_nHotColumn, 1);
    EXPECT_TRUE(header.m_bHotDrawn);

    ::SetCursorPos(1000, 900);
    header.SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(header.m_bHotDrawn);
    // The timer is gone already.
    EXPECT_FALSE(::KillTimer(header.m_hWnd, 1));
}

} // namespace
