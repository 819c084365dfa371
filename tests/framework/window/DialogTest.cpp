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
    idCount = 102,
    idSize = 103,
    idCheck = 104,
    idCombo = 105
};

// Builds a DLGTEMPLATE with its items in memory (WORD aligned, items on
// DWORD boundaries).
class DialogTemplate
{
public:
    DialogTemplate()
    {
        DLGTEMPLATE header = {};
        header.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cx = 200;
        header.cy = 120;
        Append(&header, sizeof header);
        m_words.push_back(0); // no menu
        m_words.push_back(0); // default class
        AppendText("Memory dialog");
        m_words.push_back(8);
        AppendText("MS Shell Dlg");
    }

    void AddItem(WORD wClass, WORD wID, DWORD dwStyle, short x, short y, short cx, short cy,
                 const char* text = "")
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0);
        DLGITEMTEMPLATE item = {};
        item.style = dwStyle | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = wID;
        Append(&item, sizeof item);
        m_words.push_back(0xFFFF);
        m_words.push_back(wClass);
        AppendText(text);
        m_words.push_back(0); // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Append(const void* data, size_t size)
    {
        const WORD* words = static_cast<const WORD*>(data);
        m_words.insert(m_words.end(), words, words + size / 2);
    }
    void AppendText(const char* text)
    {
        do
            m_words.push_back((WORD)(BYTE)*text);
        while (*text++ != '\0');
    }

    std::vector<WORD> m_words;
};

const WORD buttonClass = 0x0080, editClass = 0x0081, comboClass = 0x0085;

DialogTemplate DataTemplate()
{
    DialogTemplate dt;
    dt.AddItem(editClass, idName, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 12);
    dt.AddItem(editClass, idCount, WS_BORDER | WS_TABSTOP, 5, 20, 100, 12);
    dt.AddItem(editClass, idSize, WS_BORDER | WS_TABSTOP, 5, 35, 100, 12);
    dt.AddItem(buttonClass, idCheck, BS_AUTO3STATE | WS_TABSTOP, 5, 50, 100, 12, "Check");
    dt.AddItem(comboClass, idCombo, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 5, 65, 100, 60);
    dt.AddItem(buttonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 95, 50, 14, "OK");
    dt.AddItem(buttonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 60, 95, 50, 14, "Cancel");
    return dt;
}

// Each step of the script runs on a posted WM_APP, as a user's input would
// arrive: new texts for the three edits, or "" to leave them.
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
    // What the controls showed after OnInitDialog.
    CString m_shownName, m_shownCount, m_shownSize;
    int m_shownCheck = -1, m_shownCombo = -2;
    HWND m_hFocusAfterStep = NULL;
    int m_nNameChanges = 0;

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
        GetDlgItemText(idName, m_shownName);
        GetDlgItemText(idCount, m_shownCount);
        GetDlgItemText(idSize, m_shownSize);
        m_shownCheck = (int)IsDlgButtonChecked(idCheck);
        m_shownCombo = (int)SendDlgItemMessage(idCombo, CB_GETCURSEL);
        PostMessage(WM_APP);
        return TRUE;
    }

    afx_msg LRESULT OnStep(WPARAM, LPARAM)
    {
        m_hFocusAfterStep = ::GetFocus();
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
        ASSERT_TRUE(
            m_owner.CreateEx(0, NULL, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    CLogWnd m_owner;
    DialogTemplate m_template = DataTemplate();
};

TEST_F(DialogTest, InMemoryModalDialogExchangesDataBothWays)
{
    CDataDialog dialog;
    dialog.m_steps.push_back({"beta", " -345 ", "4294967295", BST_CHECKED, 2});
    ASSERT_TRUE(dialog.InitModalIndirect(m_template.Get(), &m_owner));
    EXPECT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(dialog.m_shownName, "alpha");
    EXPECT_EQ(dialog.m_shownCount, "-12");
    EXPECT_EQ(dialog.m_shownSize, "4000000000");
    EXPECT_EQ(dialog.m_shownCheck, BST_INDETERMINATE);
    EXPECT_EQ(dialog.m_shownCombo, 1);

    EXPECT_EQ(dialog.m_name, "beta");
    EXPECT_EQ(dialog.m_count, -345);
    EXPECT_EQ(dialog.m_size, 4294967295u);
    EXPECT_EQ(dialog.m_check, BST_CHECKED);
    EXPECT_EQ(dialog.m_combo, 2);
    EXPECT_EQ(theApp.m_messageBoxes.GetSize(), 0);
    // Filling the controls is no user input: only the script's change counts.
    EXPECT_EQ(dialog.m_nNameChanges, 1);
    EXPECT_EQ(dialog.m_hWnd, (HWND)NULL);
    EXPECT_EQ(dialog.m_nameControl.m_hWnd, (HWND)NULL); // unbound with its window
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

TEST_F(DialogTest, TextThatIsNoNumberKeepsTheDialogOpenWithTheFrameworkMessage)
{
    struct Case
    {
        const char* count;
        const char* size;
        const char* message;
    };
    const Case cases[] = {
        {"12x", "1", "Please enter an integer."},
        {"", "1", "Please enter an integer."},
        {"99999999999", "1", "Please enter an integer."},
        {"1", "-1", "Please enter a positive integer."},
        {"1", "4294967296", "Please enter a positive integer."},
    };
    for (const Case& c : cases)
    {
        theApp.m_messageBoxes.RemoveAll();
        CDataDialog dialog;
        dialog.m_steps.push_back({"gamma", c.count, c.size, BST_UNCHECKED, 0});
        dialog.m_steps.push_back({"delta", "7", "8", BST_UNCHECKED, 0});
        ASSERT_TRUE(dialog.InitModalIndirect(m_template.Get(), &m_owner));
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.count << " " << c.size;
        ASSERT_EQ(theApp.m_messageBoxes.GetSize(), 1) << c.count << " " << c.size;
        EXPECT_EQ(theApp.m_messageBoxes[0], c.message);
        EXPECT_EQ(dialog.m_count, 7);
        EXPECT_EQ(dialog.m_size, 8u);
        EXPECT_EQ(dialog.m_name, "delta");
    }
}

class CResourceDialog : public CDialog
{
public:
    CResourceDialog() : CDialog(IDD_TESTDIALOG) {}
    int m_nKicks = 0;
    BOOL m_bOwnerEnabledWhileModal = TRUE;
    BOOL m_bInitialized = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        m_bInitialized = TRUE;
        return CDialog::OnInitDialog();
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKicks;
        CWnd* pOwner = GetOwner();
        m_bOwnerEnabledWhileModal = pOwner != NULL && pOwner->IsWindowEnabled();
        EndDialog(IDCANCEL);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CResourceDialog, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST_F(DialogTest, ResourceDialogRunsModalWithIdleKicksAndADisabledOwner)
{
    CResourceDialog dialog;
    dialog.m_pParentWnd = &m_owner;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.m_bInitialized);
    EXPECT_EQ(dialog.m_nKicks, 1);
    EXPECT_FALSE(dialog.m_bOwnerEnabledWhileModal);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

TEST_F(DialogTest, ModelessDialogFromTheResourceScript)
{
    CResourceDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TESTDIALOG, &m_owner));
    EXPECT_TRUE(dialog.m_bInitialized);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    EXPECT_NE(dialog.GetDlgItem(IDC_TEST_EDIT), (CWnd*)NULL);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    dialog.SendMessage(WM_COMMAND, IDCANCEL); // ends (hides) a modeless dialog
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, (HWND)NULL);
}

TEST_F(DialogTest, QuitMessageEndsAModalDialogAndStaysQueued)
{
    CDataDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(m_template.Get(), &m_owner));
    ::PostQuitMessage(4);
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

} // namespace
