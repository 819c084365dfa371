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

}

TEST(Button, CheckBoxesKeepTheirCheckAndStyle)
{
    ControlTestWindow& parent = TestParent();
    CButton check;
    ASSERT_TRUE(check.Create("&Watch", WS_VISIBLE | BS_AUTO3STATE, CRect(10, 10, 100, 30), &parent,
                             IDC_TEST_FIRST));
    EXPECT_TRUE(check.GetStyle() & WS_CHILD);
    EXPECT_EQ((UINT)BS_AUTO3STATE, check.GetButtonStyle());
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(BST_INDETERMINATE, check.GetCheck());
    CString text;
    check.GetWindowText(text);
    EXPECT_EQ(CString("&Watch"), text);

    check.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle());
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
}

TEST(Button, AnOwnerDrawnButtonPaintsInDrawItem)
{
    ControlTestWindow& parent = TestParent();
    RecordingButton button;
    ASSERT_TRUE(button.Create("Draw", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 40, 100, 70), &parent,
                              IDC_TEST_SECOND));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GT(button.m_drawn, 0);
    EXPECT_EQ((UINT)IDC_TEST_SECOND, button.m_lastItemId);
}

TEST(Button, ImagesGoOnTheButton)
{
    ControlTestWindow& parent = TestParent();
    CButton button;
    button.Create("", WS_VISIBLE | BS_ICON, CRect(0, 0, 40, 40), &parent, IDC_TEST_FIRST);
    HICON icon = ::LoadIcon(NULL, IDI_APPLICATION);
    EXPECT_TRUE(button.SetIcon(icon) == NULL);
    EXPECT_EQ(icon, button.GetIcon());
}

TEST(Static, TextIconAndBitmap)
{
    ControlTestWindow& parent = TestParent();
    CStatic label;
    ASSERT_TRUE(label.Create("Keyword List", WS_VISIBLE, CRect(0, 0, 100, 20), &parent));
    EXPECT_EQ(0xffff, label.GetDlgCtrlID());
    CString text;
    label.GetWindowText(text);
    EXPECT_EQ(CString("Keyword List"), text);

    CStatic picture;
    picture.Create("", WS_VISIBLE | SS_ICON, CRect(0, 30, 40, 70), &parent, IDC_TEST_FIRST);
    HICON icon = ::LoadIcon(NULL, IDI_WARNING);
    picture.SetIcon(icon);
    EXPECT_EQ(icon, picture.GetIcon());

    CStatic bitmapHolder;
    bitmapHolder.Create("", WS_VISIBLE | SS_BITMAP, CRect(50, 30, 90, 70), &parent, IDC_TEST_SECOND);
    HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, NULL);
    bitmapHolder.SetBitmap(bitmap);
    EXPECT_EQ(bitmap, bitmapHolder.GetBitmap());
    bitmapHolder.DestroyWindow();
    ::DeleteObject(bitmap);
}
