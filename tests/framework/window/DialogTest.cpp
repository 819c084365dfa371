// Dialogs: modal from an in-memory template with data exchange in both
// directions and the framework's parse-error message, modal and modeless
// from the resource script, idle kicks while modal, and WM_QUIT ending a
// modal dialog.
#include "TestWindows.h"
#include "TestIds.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

enum
{
    idName = 101,
    idCount,
    idSize,
    idCheck,
    idCombo
};

const WORD buttonClass = 0x0080, editClass = 0x0081, comboClass = 0x0085;

// The data dialog's template in memory: the header with its caption and font, then each item
// (on a DWORD boundary) with its class, text and no creation data.
std::vector<WORD> DataTemplate()
{
    const struct
    {
        WORD wClass, wID;
        DWORD dwStyle;
        short y, cx, cy;
        const char* text;
    } items[] = {
        {editClass, idName, WS_BORDER | ES_AUTOHSCROLL, 5, 100, 12, ""},
        {editClass, idCount, WS_BORDER, 20, 100, 12, ""},
        {editClass, idSize, WS_BORDER, 35, 100, 12, ""},
        {buttonClass, idCheck, BS_AUTO3STATE, 50, 100, 12, "Check"},
        {comboClass, idCombo, CBS_DROPDOWNLIST | WS_VSCROLL, 65, 100, 60, ""},
        {buttonClass, IDOK, BS_DEFPUSHBUTTON, 95, 50, 14, "OK"},
    };
    std::vector<WORD> words;
    auto append = [&](const void* data, size_t size) {
        words.insert(words.end(), (const WORD*)data, (const WORD*)data + size / 2);
    };
    auto appendText = [&](const char* text) {
        do
            words.push_back((BYTE)*text);
        while (*text++ != '\0');
    };
    DLGTEMPLATE header = {
        DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 6, 0, 0, 200, 120};
    append(&header, sizeof header);
    words.insert(words.end(), {0, 0}); // no menu, the default class
    appendText("Memory dialog");
    words.push_back(8);
    appendText("MS Shell Dlg");
    for (const auto& item : items)
    {
        words.resize((words.size() + 1) / 2 * 2);
        DLGITEMTEMPLATE itemHeader = {
            item.dwStyle | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 5, item.y, item.cx, item.cy, item.wID};
        append(&itemHeader, sizeof itemHeader);
        words.insert(words.end(), {0xFFFF, item.wClass});
        appendText(item.text);
        words.push_back(0);
    }
    return words;
}

// Each step of the script runs on a posted WM_APP, as a user's input would
// arrive: new texts for the three edits, the check and the combo's selection.
struct InputStep
{
    const char* name;
    const char* count;
    const char* size;
    int check;
    int combo;
};

class CDataDialog : public CDialog
{
public:
    CString m_name = "alpha";
    int m_count = -12;
    UINT m_size = 4000000000u;
    int m_check = BST_INDETERMINATE;
    int m_combo = 1;
    CWnd m_nameControl;

    std::vector<InputStep> m_steps;
    size_t m_nextStep = 0;
    CString m_shown; // what the controls showed after OnInitDialog, as Values() writes them
    int m_nNameChanges = 0;

    // The dialog's data: name|count|size|check|combo.
    CString Values() const
    {
        CString values;
        values.Format("%s|%d|%u|%d|%d", (LPCTSTR)m_name, m_count, m_size, m_check, m_combo);
        return values;
    }

protected:
    afx_msg void OnNameChange() { ++m_nNameChanges; }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, idName, m_nameControl);
        DDX_Text(pDX, idName, m_name);
        DDX_Text(pDX, idCount, m_count);
        DDX_Text(pDX, idSize, m_size);
        DDX_Check(pDX, idCheck, m_check);
        DDX_CBIndex(pDX, idCombo, m_combo);
    }

    BOOL OnInitDialog() override
    {
        for (const char* item : {"zero", "one", "two"})
            SendDlgItemMessage(idCombo, CB_ADDSTRING, 0, (LPARAM)item);
        CDialog::OnInitDialog();
        CString name, count, size;
        GetDlgItemText(idName, name);
        GetDlgItemText(idCount, count);
        GetDlgItemText(idSize, size);
        m_shown.Format("%s|%s|%s|%d|%d", (LPCTSTR)name, (LPCTSTR)count, (LPCTSTR)size,
                       IsDlgButtonChecked(idCheck), (int)SendDlgItemMessage(idCombo, CB_GETCURSEL));
        PostMessage(WM_APP);
        return TRUE;
    }

    afx_msg LRESULT OnStep(WPARAM, LPARAM)
    {
        if (m_nextStep == m_steps.size())
            return 0;
        const InputStep& step = m_steps[m_nextStep++];
        SetDlgItemText(idName, step.name);
        SetDlgItemText(idCount, step.count);
        SetDlgItemText(idSize, step.size);
        CheckDlgButton(idCheck, step.check);
        SendDlgItemMessage(idCombo, CB_SETCURSEL, step.combo);
        PostMessage(WM_COMMAND, IDOK);
        PostMessage(WM_APP);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
ON_MESSAGE(WM_APP, OnStep)
ON_EN_CHANGE(idName, OnNameChange)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_messageBoxes.RemoveAll();
        ASSERT_TRUE(m_owner.CreateTopLevel());
    }

    CLogWnd m_owner;
    std::vector<WORD> m_template = DataTemplate();
};

TEST_F(DialogTest, InMemoryModalDialogExchangesDataBothWays)
{
    CDataDialog dialog;
    dialog.m_steps.push_back({"beta", " -345 ", "4294967295", BST_CHECKED, 2});
    ASSERT_TRUE(dialog.InitModalIndirect((LPCDLGTEMPLATE)m_template.data(), &m_owner));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_shown, "alpha|-12|4000000000|2|1");
    EXPECT_EQ(dialog.Values(), "beta|-345|4294967295|1|2");
    EXPECT_EQ(theApp.m_messageBoxes.GetSize(), 0);
    // Filling the controls is no user input: only the script's change counts.
    EXPECT_EQ(dialog.m_nNameChanges, 1);
    EXPECT_EQ(dialog.m_nameControl.m_hWnd, (HWND)NULL); // unbound with its window
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

TEST_F(DialogTest, TextThatIsNoNumberKeepsTheDialogOpenWithTheFrameworkMessage)
{
    const struct
    {
        const char* count;
        const char* size;
        const char* message;
    } cases[] = {
        {"12x", "1", "Please enter an integer."},
        {"", "1", "Please enter an integer."},
        {"99999999999", "1", "Please enter an integer."},
        {"1", "-1", "Please enter a positive integer."},
        {"1", "4294967296", "Please enter a positive integer."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(CString(c.count) + " " + c.size);
        theApp.m_messageBoxes.RemoveAll();
        CDataDialog dialog;
        dialog.m_steps.push_back({"gamma", c.count, c.size, BST_UNCHECKED, 0});
        dialog.m_steps.push_back({"delta", "7", "8", BST_UNCHECKED, 0});
        ASSERT_TRUE(dialog.InitModalIndirect((LPCDLGTEMPLATE)m_template.data(), &m_owner));
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(JoinedLog(theApp.m_messageBoxes), CString(c.message) + ";");
        EXPECT_EQ(dialog.Values(), "delta|7|8|0|0");
    }
}

class CResourceDialog : public CDialog
{
public:
    CResourceDialog() : CDialog(IDD_TESTDIALOG) {}
    CString m_kicks; // one entry per idle kick: whether the owner was enabled

protected:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        m_kicks += GetOwner()->IsWindowEnabled() ? "owner enabled;" : "owner disabled;";
        EndDialog(IDCANCEL);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CResourceDialog, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST_F(DialogTest, ResourceDialogRunsModalWithItsOwnerDisabled)
{
    CResourceDialog dialog;
    dialog.m_pParentWnd = &m_owner;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_kicks, "owner disabled;");
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

TEST_F(DialogTest, ResourceDialogRunsModelessAndCancelHidesIt)
{
    CResourceDialog modeless;
    ASSERT_TRUE(modeless.Create(IDD_TESTDIALOG, &m_owner));
    EXPECT_NE(modeless.GetDlgItem(IDC_TEST_EDIT), (CWnd*)NULL);
    modeless.SendMessage(WM_COMMAND, IDCANCEL); // ends (hides) a modeless dialog
    EXPECT_FALSE(modeless.IsWindowVisible());
}

TEST_F(DialogTest, QuitMessageEndsAModalDialogAndStaysQueued)
{
    CDataDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect((LPCDLGTEMPLATE)m_template.data(), &m_owner));
    ::PostQuitMessage(4);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(TakeQuitMessage(), 4);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

} // namespace
