// Edit and rich-edit controls.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

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
