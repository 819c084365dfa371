// The Add Keyword and Change Keyword dialogs: their templates' texts, the
// keyword text exchanged both ways, Cancel leaving it alone.
#include "app/AddDlg.h"
#include "app/RepKeywordDlg.h"
#include "DialogDriver.h"
#include <gtest/gtest.h>

namespace {

// Step that reads the edit field, types a new text and presses a button.
struct TypeAndPress
{
    int editId;
    const char* typed;
    int button;
    std::string shown;

    std::function<void(HWND)> Step()
    {
        return [this](HWND hDlg) {
            char text[256] = "";
            ::GetDlgItemTextA(hDlg, editId, text, sizeof text);
            shown = text;
            ::SetDlgItemTextA(hDlg, editId, typed);
            ::PostMessageA(hDlg, WM_COMMAND, button, 0);
        };
    }
};

TEST(KeywordDialogs, AddTakesTheTypedTextAsItStands)
{
    const struct
    {
        const char* name;
        const char* typed;
        int button;
        int result;
        const char* keyword;
    } rows[] = {
        {"typed text", "storm surge", IDOK, IDOK, "storm surge"},
        {"padded text kept", "  tide  ", IDOK, IDOK, "  tide  "},
        {"empty text accepted", "", IDOK, IDOK, ""},
        {"cancel keeps the member", "ignored", IDCANCEL, IDCANCEL, "before"},
    };
    for (const auto& row : rows)
    {
        TypeAndPress typist{CAddDlg::IDC_KEYWORD, row.typed, row.button, ""};
        CDialogDriver driver(typist.Step());
        CAddDlg dlg;
        dlg.m_strKeyword = "before";
        EXPECT_EQ(dlg.DoModal(), row.result) << row.name;
        EXPECT_STREQ(dlg.m_strKeyword, row.keyword) << row.name;
        EXPECT_EQ(typist.shown, "before") << row.name;
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].caption, "Add Keyword") << row.name;
    }
}

TEST(KeywordDialogs, ChangeOpensWithTheCurrentTextAndReturnsTheNewOne)
{
    const struct
    {
        const char* name;
        int button;
        int result;
        const char* keyword;
    } rows[] = {
        {"ok", IDOK, IDOK, "neap tide"},
        {"cancel", IDCANCEL, IDCANCEL, "spring tide"},
    };
    for (const auto& row : rows)
    {
        TypeAndPress typist{CRepKeywordDlg::IDC_KEYWORD, "neap tide", row.button, ""};
        CDialogDriver driver(typist.Step());
        CRepKeywordDlg dlg;
        dlg.SetKeyword("spring tide");
        EXPECT_EQ(dlg.DoModal(), row.result) << row.name;
        EXPECT_EQ(typist.shown, "spring tide") << row.name;
        EXPECT_STREQ(dlg.GetKeyword(), row.keyword) << row.name;
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].caption, "Change Keyword") << row.name;
    }
}

TEST(KeywordDialogs, CreatedByName)
{
    for (const char* name : {"CAddDlg", "CRepKeywordDlg"})
    {
        CRuntimeClass* pClass = CRuntimeClass::FromName(name);
        ASSERT_NE(pClass, nullptr) << name;
        CObject* pObject = pClass->CreateObject();
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDialog))) << name;
        delete pObject;
    }
}

} // namespace
