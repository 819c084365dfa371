// List boxes and combo boxes: texts, items under a point, owner-drawn sorting.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

// An owner-drawn sorted list without strings: items are ordered by their data.
class OrderedByData : public CListBox
{
public:
    int CompareItem(LPCOMPAREITEMSTRUCT item) override
    {
        return item->itemData1 < item->itemData2 ? -1 : item->itemData1 > item->itemData2 ? 1 : 0;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override { item->itemHeight = 20; }
};

} // namespace

TEST(ListBox, StringsAndItemsUnderAPoint)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 200), &TestParent(), IDC_TEST_FIRST));
    for (const char* text : {"alpha", "beta", "gamma"})
        list.AddString(text);
    CString text, missing = "old";
    list.GetText(1, text);
    list.GetText(7, missing);
    EXPECT_EQ(CString("beta|"), text + "|" + missing);

    CRect rect;
    list.GetItemRect(1, &rect);
    BOOL outside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(rect.CenterPoint(), outside));
    EXPECT_FALSE(outside);
}

TEST(ListBox, OwnerDrawnSortedItemsAreComparedAndMeasuredByTheControl)
{
    OrderedByData list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(0, 0, 200, 200),
                            &TestParent(), IDC_TEST_FIRST));
    for (UINT_PTR data : {30, 10, 20})
        list.AddString((LPCTSTR)data);
    std::vector<DWORD_PTR> order = {list.GetItemData(0), list.GetItemData(1), list.GetItemData(2)};
    EXPECT_EQ((std::vector<DWORD_PTR>{10, 20, 30}), order);
    EXPECT_EQ(20, list.GetItemHeight(1));
}

TEST(ComboBox, ItemTextsAreReadIntoStrings)
{
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &TestParent(), IDC_TEST_FIRST));
    combo.AddString("Office XP");
    combo.AddString("Office 2003");
    CString text, missing = "old";
    combo.GetLBText(1, text);
    combo.GetLBText(9, missing);
    EXPECT_EQ(CString("Office 2003|"), text + "|" + missing);
}
