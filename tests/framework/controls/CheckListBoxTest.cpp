// The check list box: checks that follow their items, user clicks and keys,
// the parent's notification, and the box drawn before each item.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"
#include <algorithm>
#include "tests/support/PixelCanvas.h"

namespace {

struct CheckList
{
    ControlTestWindow& parent = TestParent();
    CCheckListBox list;

    explicit CheckList(DWORD extraStyle = 0)
    {
        list.Create(WS_VISIBLE | extraStyle, CRect(0, 0, 200, 200), &parent, IDC_TEST_FIRST);
        for (const char* text : {"Standard", "Formatting", "Web"})
            list.AddString(text);
    }

    int CheckChanges() const
    {
        return (int)std::count(parent.m_commandCodes.begin(), parent.m_commandCodes.end(), CLBN_CHKCHANGE);
    }

    // The checks of all items, one digit each.
    CString Checks()
    {
        CString checks;
        for (int i = 0; i < list.GetCount(); i++)
            checks += (char)('0' + list.GetCheck(i));
        return checks;
    }

    // Clicks the item's box, or its text right of the box.
    void Click(int nIndex, bool bOnText = false)
    {
        CRect rect;
        list.GetItemRect(nIndex, &rect);
        int x = rect.left + CCheckListBox::CheckBoxWidth() / 2 + (bOnText ? 30 : 0);
        ClickAt(list, CPoint(x, rect.CenterPoint().y));
    }
};

} // namespace

TEST(CheckListBox, ChecksFollowTheirItems)
{
    CheckList fixture;
    CCheckListBox& list = fixture.list;
    // The list is owner-drawn with strings, its items high enough for the box.
    EXPECT_EQ((DWORD)(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS),
              list.GetStyle() & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS));
    EXPECT_GE(list.GetItemHeight(0), 15);
    list.SetCheck(0, 1);
    list.SetCheck(2, 2);
    list.InsertString(0, "Custom");
    EXPECT_EQ(CString("0102"), fixture.Checks());
    list.DeleteString(1);
    list.SetCheck(2, 5); // only 0, 1 and 2 are checks
    EXPECT_EQ(CString("002"), fixture.Checks());
    EXPECT_EQ(0, list.GetCheck(99));
    list.ResetContent();
    list.AddString("again");
    EXPECT_EQ(CString("0"), fixture.Checks());

    CheckList sorted(LBS_SORT); // Formatting, Standard, Web
    sorted.list.SetCheck(1, 1);
    EXPECT_EQ(0, sorted.list.AddString("Alpha"));
    EXPECT_EQ(CString("0010"), sorted.Checks());
}

TEST(CheckListBox, AClickOnAnEnabledBoxTogglesAndTellsTheParent)
{
    CheckList fixture;
    fixture.list.Enable(0, FALSE);
    fixture.Click(0);
    fixture.Click(1);
    EXPECT_EQ(CString("010"), fixture.Checks());
    EXPECT_EQ(1, fixture.CheckChanges());
    fixture.Click(1);
    fixture.Click(2, true); // a click on the text only selects
    EXPECT_EQ(CString("000"), fixture.Checks());
    EXPECT_EQ(2, fixture.list.GetCurSel());
    EXPECT_EQ(2, fixture.CheckChanges());
}

TEST(CheckListBox, TheSpaceBarAndTheCheckStyles)
{
    CheckList fixture;
    CCheckListBox& list = fixture.list;
    // The selected item's check after each press: a two-state box, then a three-state one.
    list.SetCurSel(2);
    CString checks;
    for (UINT nStyle : {BS_AUTOCHECKBOX, BS_AUTO3STATE, BS_AUTO3STATE})
    {
        list.SetCheckStyle(nStyle);
        list.SendMessage(WM_KEYDOWN, VK_SPACE);
        checks += (char)('0' + list.GetCheck(2));
    }
    EXPECT_EQ(CString("120"), checks);

    list.SetCheckStyle(BS_CHECKBOX);
    fixture.Click(0);
    EXPECT_EQ(0, list.GetCheck(0)) << "a plain box leaves the change to the parent";
    EXPECT_EQ(4, fixture.CheckChanges());
}

TEST(CheckListBox, TheBoxIsDrawnBeforeTheText)
{
    CheckList fixture;
    CRect item;
    fixture.list.GetItemRect(0, &item);
    item.OffsetRect(-item.TopLeft());
    CRect box(0, 0, CCheckListBox::CheckBoxWidth(), item.bottom), text(box.right, 0, item.right, item.bottom);
    // The pixels not of the window's colour, in the box and right of it, unchecked and then checked.
    std::vector<int> inked;
    for (int nCheck : {0, 1})
    {
        fixture.list.SetCheck(0, nCheck);
        PixelCanvas canvas(item.Width(), item.Height(), ::GetSysColor(COLOR_WINDOW));
        DRAWITEMSTRUCT draw = {ODT_LISTBOX,       IDC_TEST_FIRST, 0, ODA_DRAWENTIRE, 0, fixture.list.m_hWnd,
                               canvas.dc().m_hDC, item,           0};
        fixture.parent.SendMessage(WM_DRAWITEM, IDC_TEST_FIRST, (LPARAM)&draw);
        inked.push_back(canvas.CountOther(box, ::GetSysColor(COLOR_WINDOW)));
        inked.push_back(canvas.CountOther(text, ::GetSysColor(COLOR_WINDOW)));
    }
    EXPECT_GT(inked[2], inked[0]) << "the check mark shows in the box";
    EXPECT_EQ(inked[1], inked[3]) << "the text does not change";
    EXPECT_GT(inked[1], 0) << "the text is drawn right of the box";
}
