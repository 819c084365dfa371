// The small control wrappers: buttons (owner drawing through reflection), statics (their
// default id), edits and rich edits, progress bars, spin buttons, scroll bars, toolbar
// controls and tool tips.
#include <gtest/gtest.h>
#include <cstring>
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

TEST(Edit, LinesAndSelectionsAreReadBack)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &TestParent(), IDC_TEST_FIRST));
    edit.SetWindowText("first line\r\nsecond\r\nthird");
    char buffer[5];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(4, edit.GetLine(1, buffer, sizeof(buffer)));
    EXPECT_STREQ("seco", buffer) << "a cut line is terminated";
    // A high word of -1 selects to the end.
    edit.SetSel(MAKELONG(2, -1));
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(CPoint(2, 25), CPoint(start, end));
}

TEST(RichEdit, TextAndSelection)
{
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &TestParent(), IDC_TEST_FIRST));
    rich.SetWindowText("News abstract");
    rich.SetSel(5, 13);
    EXPECT_EQ(CString("abstract"), rich.GetSelText());
    long start = 0, end = 0;
    rich.GetSel(start, end);
    EXPECT_EQ(CPoint(5, 13), CPoint(start, end));
    rich.SetSel(0, 0);
    EXPECT_TRUE(rich.GetSelText().IsEmpty());
}

TEST(ToolBarCtrl, ButtonSizeIsUnpacked)
{
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 300, 30), &TestParent(), IDC_TEST_FIRST));
    EXPECT_TRUE(bar.SetButtonSize(CSize(25, 22)));
    EXPECT_EQ(CSize(25, 22), bar.GetButtonSize());
}

// Progress bars read their range back whole, spin buttons unpack theirs with its sign.
TEST(ProgressAndSpin, RangesAreReadBackWhole)
{
    CProgressCtrl progress;
    CSpinButtonCtrl spin;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 0, 200, 16), &TestParent(), IDC_TEST_FIRST));
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(80, 0, 100, 24), &TestParent(), IDC_TEST_SECOND));
    progress.SetRange32(-3, 100000);
    spin.SetRange(-5, 60);
    int lower = 0, upper = 0, spinLower = 0, spinUpper = 0;
    progress.GetRange(lower, upper);
    spin.GetRange(spinLower, spinUpper);
    EXPECT_EQ(CRect(-3, 100000, -5, 60), CRect(lower, upper, spinLower, spinUpper));
}

// A scroll bar's limit is its range less a page.
TEST(ScrollBar, LimitIsTheRangeLessAPage)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 200), &TestParent(), IDC_TEST_FIRST + 2));
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    bar.SetScrollInfo(&info);
    EXPECT_EQ(90, bar.GetScrollLimit());
}

TEST(ToolTipCtrl, ToolsAreFoundByWindowAndId)
{
    ControlTestWindow& parent = TestParent();
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    CRect area(0, 0, 50, 50), moved(10, 10, 20, 20);
    EXPECT_TRUE(tips.AddTool(&parent, "Check all", &area, 7));
    EXPECT_TRUE(tips.AddTool(&parent, "Whole window"));
    tips.UpdateTipText("Check news", &parent, 7);
    tips.SetToolRect(&parent, 7, &moved);
    CString text;
    tips.GetText(text, &parent, 7);
    TOOLINFO info;
    ASSERT_TRUE(tips.GetToolInfo(&info, &parent, 7));
    EXPECT_EQ(CString("Check news"), text);
    EXPECT_EQ(moved, CRect(info.rect));
    tips.DelTool(&parent, 7);
    EXPECT_EQ(1, tips.GetToolCount());
}
