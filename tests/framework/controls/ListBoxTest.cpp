// List boxes and combo boxes: contents, selection, item data, owner drawing.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

// An owner-drawn sorted list without strings: items are ordered by their data.
class OrderedByData : public CListBox
{
public:
    int m_compared = 0;
    int m_measured = 0;
    int CompareItem(LPCOMPAREITEMSTRUCT item) override
    {
        m_compared++;
        return item->itemData1 < item->itemData2 ? -1 : item->itemData1 > item->itemData2 ? 1 : 0;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        m_measured++;
        item->itemHeight = 20;
    }
};

} // namespace

TEST(ListBox, StringsAndItemsUnderAPoint)
{
    ControlTestWindow& parent = TestParent();
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 200), &parent, IDC_TEST_FIRST));
    EXPECT_EQ(0, list.AddString("alpha"));
    EXPECT_EQ(1, list.AddString("gamma"));
    EXPECT_EQ(1, list.InsertString(1, "beta"));
    EXPECT_EQ(3, list.GetCount());

    CString text;
    list.GetText(1, text);
    EXPECT_EQ(CString("beta"), text);
    list.GetText(7, text);
    EXPECT_TRUE(text.IsEmpty());

    CRect rect;
    list.GetItemRect(1, &rect);
    BOOL outside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(rect.CenterPoint(), outside));
    EXPECT_FALSE(outside);
}

TEST(ListBox, OwnerDrawnSortedItemsAreComparedAndMeasuredByTheControl)
{
    ControlTestWindow& parent = TestParent();
    OrderedByData list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(0, 0, 200, 200), &parent,
                            IDC_TEST_FIRST));
    list.AddString((LPCTSTR)30);
    list.AddString((LPCTSTR)10);
    list.AddString((LPCTSTR)20);
    EXPECT_GT(list.m_compared, 0);
    EXPECT_GT(list.m_measured, 0);
    EXPECT_EQ(10u, list.GetItemData(0));
    EXPECT_EQ(20u, list.GetItemData(1));
    EXPECT_EQ(30u, list.GetItemData(2));
    EXPECT_EQ(20, list.GetItemHeight(1));
}

TEST(ComboBox, ItemTextsAreReadIntoStrings)
{
    ControlTestWindow& parent = TestParent();
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &parent, IDC_TEST_FIRST));
    combo.AddString("Office XP");
    combo.AddString("Office 2000");
    EXPECT_EQ(1, combo.InsertString(1, "Office 2003"));
    EXPECT_EQ(3, combo.GetCount());
    CString text;
    combo.GetLBText(1, text);
    EXPECT_EQ(CString("Office 2003"), text);
    combo.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty());
}
