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
        TypeAndPress typist{row.change ? (int)CRepKeywordDlg::IDC_KEYWORD : (int)CAddDlg::IDC_KEYWORD,
                            row.typed, row.button, ""};
        CDialogDriver driver(typist.Step());
        INT_PTR result;
        CString keyword;
        if (row.change)
        {
            CRepKeywordDlg dlg;
            dlg.SetKeyword("before");
            result = dlg.DoModal();
            keyword = dlg.GetKeyword();
        }
        else
        {
            CAddDlg dlg;
            dlg.m_strKeyword = "before";
            result = dlg.DoModal();
            keyword = dlg.m_strKeyword;
        }
        EXPECT_EQ(result, row.button) << row.name;
        EXPECT_STREQ(keyword, row.keyword) << row.name;
        EXPECT_EQ(typist.shown, "before") << row.name;
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].caption, row.change ? "Change Keyword" : "Add Keyword") << row.name;
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
