// The Add Keyword and Change Keyword dialogs: their captions, the keyword
// text exchanged both ways, Cancel leaving it alone, and the refusal of a
// keyword whose search request cannot be sent; the message naming such
// keywords after an import.
#include "app/AddDlg.h"
#include "app/KeywordExchange.h"
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

namespace {

// What a keyword dialog showed when it was given a text, OK, then Cancel
// after the message box that OK may bring.
struct DialogRun
{
    INT_PTR result;
    std::string member; // the keyword member afterwards
    std::vector<DrivenWindow> seen;
    std::string fieldText; // the field as Cancel found it
    bool fieldFocused;     // the field had the focus then
    int selectedLength;    // and this much of its text was selected
};

// A keyword dialog that notes its field as Cancel closes it.
template <class TDialog>
class CNotingDialog : public TDialog
{
public:
    DialogRun run = {};

protected:
    void OnCancel() override
    {
        HWND hField = ::GetDlgItem(this->m_hWnd, TDialog::IDC_KEYWORD);
        std::string text(4096, '\0');
        text.resize(::GetWindowTextA(hField, &text[0], (int)text.size()));
        run.fieldText = text;
        run.fieldFocused = ::GetFocus() == hField;
        DWORD start = 0, end = 0;
        ::SendMessageA(hField, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        run.selectedLength = (int)(end - start);
        TDialog::OnCancel();
    }
};

// Runs the dialog: the text is typed into its field and OK pressed; a
// message box that follows is answered with OK, then the dialog cancelled.
template <class TDialog>
DialogRun TypeOkThenCancel(const std::string& text, const std::function<void(TDialog&)>& prepare,
                           const std::function<CString(TDialog&)>& member)
{
    HWND hDialog = NULL;
    CDialogDriver driver([&](HWND hWnd) {
        if (hDialog == NULL)
        {
            hDialog = hWnd;
            ::SetDlgItemTextA(hWnd, TDialog::IDC_KEYWORD, text.c_str());
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
            return;
        }
        ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
    });
    CNotingDialog<TDialog> dialog;
    prepare(dialog);
    dialog.run.result = dialog.DoModal();
    dialog.run.member = (LPCTSTR)member(dialog);
    dialog.run.seen = driver.seen;
    return dialog.run;
}

DialogRun RunDialog(bool change, const std::string& text)
{
    if (change)
        return TypeOkThenCancel<CRepKeywordDlg>(
            text, [](CRepKeywordDlg& dlg) { dlg.SetKeyword("before"); },
            [](CRepKeywordDlg& dlg) { return dlg.GetKeyword(); });
    return TypeOkThenCancel<CAddDlg>(
        text, [](CAddDlg& dlg) { dlg.m_strKeyword = "before"; },
        [](CAddDlg& dlg) { return dlg.m_strKeyword; });
}

// A keyword whose search request would pass the HTTP client's path limit is
// refused on OK with a message; the dialog stays open with the text selected
// in its field (only Cancel closes it then), and the member keeps what it
// held. A text the request can carry closes the dialog at once.
TEST(KeywordDialogs, RefuseAKeywordWhoseSearchCannotBeSentAndStayOpenWithIt)
{
    const std::string tooLong(3000, 'k');
    for (bool change : {false, true})
    {
        SCOPED_TRACE(change ? "change" : "add");
        const DialogRun refused = RunDialog(change, tooLong);
        EXPECT_EQ(IDCANCEL, refused.result);
        EXPECT_EQ("before", refused.member);
        ASSERT_EQ(2u, refused.seen.size());
        EXPECT_EQ("Tidewatch", refused.seen[1].caption);
        EXPECT_EQ(kKeywordTooLong, refused.seen[1].text);
        EXPECT_EQ(tooLong, refused.fieldText);
        EXPECT_TRUE(refused.fieldFocused);
        EXPECT_EQ(3000, refused.selectedLength);

        const DialogRun taken = RunDialog(change, "tide tables");
        EXPECT_EQ(IDOK, taken.result);
        EXPECT_EQ("tide tables", taken.member);
        EXPECT_EQ(1u, taken.seen.size());
    }
}

// The message names each keyword in quotes, in order, a long one by its
// beginning, and no more than ten of them.
TEST(ImportedKeywordsTooLong, TheMessageNamesTheKeywordsByTheirBeginnings)
{
    const CString longName = CString('k', 40) + "tail";
    std::vector<CString> twelve;
    for (int i = 1; i <= 12; ++i)
    {
        CString name;
        name.Format("keyword %d", i);
        twelve.push_back(name);
    }
    const struct
    {
        const char* name;
        std::vector<CString> keywords;
        std::vector<std::string> shown, hidden;
    } rows[] = {
        {"one keyword", {"storm"}, {"keyword is too long", "\"storm\"\n", "change it"}, {"more"}},
        {"a keyword cut after 40 characters",
         {CString('s', 40), longName},
         {"keywords are too long", "\"" + std::string(40, 's') + "\"\n",
          "\"" + std::string(40, 'k') + "...\"\n", "change each"},
         {"tail"}},
        {"twelve keywords",
         twelve,
         {"\"keyword 1\"\n\"keyword 2\"\n", "\"keyword 10\"\nand 2 more\n"},
         {"keyword 11", "keyword 12"}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        const std::string message = (LPCTSTR)ImportedKeywordsTooLongMessage(row.keywords);
        for (const std::string& shown : row.shown)
            EXPECT_NE(std::string::npos, message.find(shown)) << shown << " in\n" << message;
        for (const std::string& hidden : row.hidden)
            EXPECT_EQ(std::string::npos, message.find(hidden)) << hidden << " in\n" << message;
    }
}

} // namespace
