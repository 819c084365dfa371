// The Add Keyword and Change Keyword dialogs: their captions, the keyword
// text exchanged both ways, Cancel leaving it alone.
#include "app/AddDlg.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/DialogDriver.h"
#include <gtest/gtest.h>

namespace {

TEST(KeywordDialogs, OpenWithTheTextAndTakeTheTypedOneAsItStandsOnOk)
{
    const struct
    {
        const char* name;
        bool change;
        const char* typed;
        int button;
        const char* keyword;
    } rows[] = {
        {"add: typed text", false, "storm surge", IDOK, "storm surge"},
        {"add: padded text kept", false, "  tide  ", IDOK, "  tide  "},
        {"add: empty text accepted", false, "", IDOK, ""},
        {"add: cancel keeps the member", false, "ignored", IDCANCEL, "before"},
        {"change: ok", true, "neap tide", IDOK, "neap tide"},
        {"change: cancel", true, "neap tide", IDCANCEL, "before"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        // Reads the edit field, types the row's text and presses its button.
        std::string shown;
        CDialogDriver driver([&](HWND hDlg) {
            char text[256] = "";
            const int editId = row.change ? (int)CRepKeywordDlg::IDC_KEYWORD : (int)CAddDlg::IDC_KEYWORD;
            ::GetDlgItemTextA(hDlg, editId, text, sizeof text);
            shown = text;
            ::SetDlgItemTextA(hDlg, editId, row.typed);
            ::PostMessageA(hDlg, WM_COMMAND, row.button, 0);
        });
        CAddDlg add;
        CRepKeywordDlg change;
        add.m_strKeyword = "before";
        change.SetKeyword("before");
        EXPECT_EQ(row.button, row.change ? change.DoModal() : add.DoModal());
        EXPECT_STREQ(row.keyword, row.change ? change.GetKeyword() : add.m_strKeyword);
        EXPECT_EQ("before", shown);
        ASSERT_EQ(1u, driver.seen.size());
        EXPECT_EQ(row.change ? "Change Keyword" : "Add Keyword", driver.seen[0].caption);
    }
}

} // namespace
