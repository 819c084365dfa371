// Edit and rich-edit controls.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

TEST(Edit, LinesAndSelectionsAreReadBack)
{
    ControlTestWindow& parent = TestParent();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 300, 100), &parent,
                            IDC_TEST_FIRST));
    edit.SetWindowText("first line\r\nsecond\r\nthird");
    char buffer[5];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(4, edit.GetLine(1, buffer, sizeof(buffer)));
    EXPECT_STREQ("seco", buffer) << "a cut line is terminated";
    char whole[40];
    EXPECT_EQ(6, edit.GetLine(1, whole, sizeof(whole)));
    EXPECT_STREQ("second", whole);

    edit.SetSel(0, 5);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(5, end);
    edit.SetSel(MAKELONG(0, -1)); // from the start to the end
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(25, end);
}

TEST(RichEdit, TextAndSelection)
{
    ControlTestWindow& parent = TestParent();
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, CRect(0, 0, 300, 100), &parent,
                            IDC_TEST_FIRST));
    rich.SetWindowText("News abstract");
    rich.SetSel(5, 13);
    EXPECT_EQ(CString("abstract"), rich.GetSelText());
    long start = 0, end = 0;
    rich.GetSel(start, end);
    EXPECT_EQ(5, start);
    EXPECT_EQ(13, end);
    rich.ReplaceSel("summary");
    CString text;
    rich.GetWindowText(text);
    EXPECT_EQ(CString("News summary"), text);
    rich.SetSel(0, 0);
    EXPECT_TRUE(rich.GetSelText().IsEmpty());
}
