// Buttons and statics: owner drawing through reflection, the static's default id.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

class RecordingButton : public CButton
{
public:
    UINT m_lastItemId = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_lastItemId = lpDrawItemStruct->CtlID; }
};

} // namespace

TEST(Button, AnOwnerDrawnButtonPaintsInDrawItem)
{
    RecordingButton button;
    ASSERT_TRUE(button.Create("Draw", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 40, 100, 70), &TestParent(),
                              IDC_TEST_SECOND));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_EQ((UINT)IDC_TEST_SECOND, button.m_lastItemId);
}

TEST(Static, TakesTheStaticId)
{
    CStatic label;
    ASSERT_TRUE(label.Create("Keyword List", WS_VISIBLE, CRect(0, 0, 100, 20), &TestParent()));
    EXPECT_EQ(0xffff, label.GetDlgCtrlID());
}
