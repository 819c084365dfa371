// Buttons and statics: state through the wrappers, owner drawing through reflection.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

class RecordingButton : public CButton
{
public:
    int m_drawn = 0;
    UINT m_lastItemId = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_drawn++;
        m_lastItemId = lpDrawItemStruct->CtlID;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

} // namespace

TEST(Button, CheckBoxesKeepTheirCheckAndStyle)
{
    ControlTestWindow& parent = TestParent();
    CButton check;
    ASSERT_TRUE(
        check.Create("&Watch", WS_VISIBLE | BS_AUTO3STATE, CRect(10, 10, 100, 30), &parent, IDC_TEST_FIRST));
    EXPECT_EQ((UINT)BS_AUTO3STATE, check.GetButtonStyle());
    check.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(BST_INDETERMINATE, check.GetCheck());
    check.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle());
}

TEST(Button, AnOwnerDrawnButtonPaintsInDrawItem)
{
    ControlTestWindow& parent = TestParent();
    RecordingButton button;
    ASSERT_TRUE(
        button.Create("Draw", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 40, 100, 70), &parent, IDC_TEST_SECOND));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GT(button.m_drawn, 0);
    EXPECT_EQ((UINT)IDC_TEST_SECOND, button.m_lastItemId);
}

TEST(Static, TakesTheStaticIdAndText)
{
    ControlTestWindow& parent = TestParent();
    CStatic label;
    ASSERT_TRUE(label.Create("Keyword List", WS_VISIBLE, CRect(0, 0, 100, 20), &parent));
    EXPECT_EQ(0xffff, label.GetDlgCtrlID());
}
