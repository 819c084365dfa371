// The check list box: checks that follow their items, user clicks and keys,
// the parent's notification, and the box drawn before each item.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

struct CheckList
{
    ControlTestWindow& parent = TestParent();
    CCheckListBox list;

    explicit CheckList(DWORD extraStyle = 0)
    {
        list.Create(WS_VISIBLE | LBS_NOTIFY | extraStyle, CRect(0, 0, 200, 200), &parent, IDC_TEST_FIRST);
        for (const char* text : {"Standard", "Formatting", "Web"})
            list.AddString(text);
    }

    CPoint BoxOf(int nIndex)
    {
        CRect rect;
        list.GetItemRect(nIndex, &rect);
        return CPoint(rect.left + CCheckListBox::CheckBoxWidth() / 2, rect.CenterPoint().y);
    }

    CPoint TextOf(int nIndex)
    {
        CRect rect;
        list.GetItemRect(nIndex, &rect);
        return CPoint(rect.left + CCheckListBox::CheckBoxWidth() + 20, rect.CenterPoint().y);
    }
};

} // namespace

TEST(CheckListBox, IsOwnerDrawnWithStringsAndRoomForTheBox)
{
    CheckList fixture;
    EXPECT_TRUE(fixture.list.GetStyle() & LBS_OWNERDRAWFIXED);
    EXPECT_TRUE(fixture.list.GetStyle() & LBS_HASSTRINGS);
    EXPECT_GE(fixture.list.GetItemHeight(0), 15);
    CString text;
    fixture.list.GetText(1, text);
    EXPECT_EQ(CString("Formatting"), text);
}

TEST(CheckListBox, ChecksFollowTheirItems)
{
    CheckList fixture;
    CCheckListBox& list = fixture.list;
    list.SetCheck(0, 1);
    list.SetCheck(2, 2);
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(2, list.GetCheck(2));

    list.InsertString(0, "Custom");
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(2, list.GetCheck(3));
    list.DeleteString(1);
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(2, list.GetCheck(2));
    list.SetCheck(2, 5);
    EXPECT_EQ(2, list.GetCheck(2)) << "only 0, 1 and 2 are checks";
    EXPECT_EQ(0, list.GetCheck(99));

    list.ResetContent();
    list.AddString("again");
    EXPECT_EQ(0, list.GetCheck(0));
}

TEST(CheckListBox, SortedListsKeepChecksWithTheRightItems)
{
    CheckList fixture(LBS_SORT);
    CCheckListBox& list = fixture.list;
    // Sorted: Formatting, Standard, Web.
    list.SetCheck(1, 1);
    EXPECT_EQ(0, list.AddString("Alpha"));
    CString text;
    list.GetText(2, text);
    EXPECT_EQ(CString("Standard"), text);
    EXPECT_EQ(1, list.GetCheck(2));
}

TEST(CheckListBox, AClickOnTheBoxTogglesAndTellsTheParent)
{
    CheckList fixture;
    ClickAt(fixture.list, fixture.BoxOf(1));
    EXPECT_EQ(1, fixture.list.GetCheck(1));
    ASSERT_EQ(1u, fixture.parent.m_commandCodes.size());
    EXPECT_EQ((UINT)CLBN_CHKCHANGE, fixture.parent.m_commandCodes[0]);

    ClickAt(fixture.list, fixture.BoxOf(1));
    EXPECT_EQ(0, fixture.list.GetCheck(1));

    ClickAt(fixture.list, fixture.TextOf(2));
    EXPECT_EQ(0, fixture.list.GetCheck(2)) << "a click on the text only selects";
    EXPECT_EQ(2, fixture.list.GetCurSel());
    EXPECT_EQ(2u, fixture.parent.m_commandCodes.size());
}

TEST(CheckListBox, DisabledItemsIgnoreTheUser)
{
    CheckList fixture;
    fixture.list.Enable(0, FALSE);
    EXPECT_FALSE(fixture.list.IsEnabled(0));
    EXPECT_TRUE(fixture.list.IsEnabled(1));
    ClickAt(fixture.list, fixture.BoxOf(0));
    EXPECT_EQ(0, fixture.list.GetCheck(0));
    EXPECT_TRUE(fixture.parent.m_commandCodes.empty());
}

TEST(CheckListBox, TheSpaceBarAndTheCheckStyles)
{
    CheckList fixture;
    CCheckListBox& list = fixture.list;
    list.SetCurSel(2);
    list.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(1, list.GetCheck(2));

    list.SetCheckStyle(BS_AUTO3STATE);
    EXPECT_EQ((UINT)BS_AUTO3STATE, list.GetCheckStyle());
    list.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(2, list.GetCheck(2));
    list.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(0, list.GetCheck(2));

    list.SetCheckStyle(BS_CHECKBOX);
    ClickAt(list, fixture.BoxOf(0));
    EXPECT_EQ(0, list.GetCheck(0)) << "a plain box leaves the change to the parent";
    EXPECT_EQ(4u, fixture.parent.m_commandCodes.size());
}

TEST(CheckListBox, TheBoxIsDrawnBeforeTheText)
{
    CheckList fixture;
    CCheckListBox& list = fixture.list;
    CRect item;
    list.GetItemRect(0, &item);

    auto draw = [&](int nCheck) {
        list.SetCheck(0, nCheck);
        HDC hDC = ::CreateCompatibleDC(NULL);
        HBITMAP hBitmap = ::CreateBitmap(item.Width(), item.Height(), 1, 32, NULL);
        HGDIOBJ old = ::SelectObject(hDC, hBitmap);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_LISTBOX;
        draw.CtlID = IDC_TEST_FIRST;
        draw.itemID = 0;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = list.m_hWnd;
        draw.hDC = hDC;
        draw.rcItem = CRect(0, 0, item.Width(), item.Height());
        fixture.parent.SendMessage(WM_DRAWITEM, IDC_TEST_FIRST, (LPARAM)&draw);
        std::vector<COLORREF> box, text;
        for (int x = 0; x < item.Width(); x++)
            (x < CCheckListBox::CheckBoxWidth() ? box : text)
                .push_back(::GetPixel(hDC, x, item.Height() / 2));
        ::SelectObject(hDC, old);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hDC);
        return std::make_pair(box, text);
    };
    auto unchecked = draw(0);
    auto checked = draw(1);
    EXPECT_NE(unchecked.first, checked.first) << "the check mark shows in the box";
    EXPECT_EQ(unchecked.second, checked.second) << "the text does not change";
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    int textPixels = 0;
    for (COLORREF pixel : unchecked.second)
        textPixels += pixel != window;
    EXPECT_GT(textPixels, 0) << "the text is drawn right of the box";
}
