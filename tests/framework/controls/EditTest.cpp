// Edit and rich-edit controls.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

TEST(Edit, SelectionReplacementAndLines)
{
    ControlTestWindow& parent = TestParent();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 300, 100), &parent,
                            IDC_TEST_FIRST));
    edit.SetWindowText("first line\r\nsecond\r\nthird");
    EXPECT_EQ(3, edit.GetLineCount());
    EXPECT_EQ(12, edit.LineIndex(1));
    EXPECT_EQ(6, edit.LineLength(12));
    EXPECT_EQ(2, edit.LineFromChar(21));

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
    EXPECT_EQ(MAKELONG(0, 5), (LONG)edit.GetSel());
    edit.SetModify(FALSE);
    edit.ReplaceSel("1st", TRUE);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(CString("1st line\r\nsecond\r\nthird"), text);
    edit.SetSel(MAKELONG(2, 4));
    edit.GetSel(start, end);
    EXPECT_EQ(2, start);
    EXPECT_EQ(4, end);
}

TEST(Edit, LimitsReadOnlyAndPasswords)
{
    ControlTestWindow& parent = TestParent();
    CEdit edit;
    edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &parent, IDC_TEST_FIRST);
    edit.SetLimitText(5);
    EXPECT_EQ(5u, edit.GetLimitText());
    edit.ReplaceSel("abcdefgh");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(CString("abcde"), text);

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SetPasswordChar('*');
    EXPECT_EQ('*', edit.GetPasswordChar());
    edit.SetMargins(3, 4);
    EXPECT_EQ(MAKELONG(3, 4), (LONG)edit.GetMargins());
}

TEST(RichEdit, TextSelectionAndCharacterFormat)
{
    ControlTestWindow& parent = TestParent();
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, CRect(0, 0, 300, 100), &parent,
                            IDC_TEST_FIRST));
    rich.SetWindowText("News abstract");
    EXPECT_EQ(13, rich.GetTextLength());
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

    CHARFORMAT format = {};
    format.dwMask = CFM_BOLD;
    format.dwEffects = CFE_BOLD;
    EXPECT_TRUE(rich.SetDefaultCharFormat(format));
    CHARFORMAT back = {};
    rich.GetDefaultCharFormat(back);
    EXPECT_TRUE(back.dwEffects & CFE_BOLD);

    rich.SetSel(0, 0);
    EXPECT_TRUE(rich.GetSelText().IsEmpty());
    rich.SetReadOnly();
    EXPECT_TRUE(rich.GetStyle() & ES_READONLY);
}
