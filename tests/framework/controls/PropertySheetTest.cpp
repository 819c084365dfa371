#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CPropertySheet.h"
#include <gtest/gtest.h>

#include <functional>

namespace {

class CNamePage : public CPropertyPage
{
public:
    CNamePage() : CPropertyPage(IDD_NAME_PAGE) {}
    CString m_strName = "Reuters";
    int m_nCount = 10;
    int m_nApplies = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        CPropertyPage::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NAME_EDIT, m_strName);
        DDX_Text(pDX, IDC_COUNT_EDIT, m_nCount);
    }
    BOOL OnApply() override
    {
        m_nApplies++;
        return CPropertyPage::OnApply();
    }
};

class COptionsPage : public CPropertyPage
{
public:
    COptionsPage() : CPropertyPage(IDD_OPTIONS_PAGE) {}
    BOOL m_bAlarm = TRUE;
    int m_nResets = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        CPropertyPage::DoDataExchange(pDX);
        DDX_Check(pDX, IDC_ALARM_CHECK, m_bAlarm);
    }
    void OnReset() override { m_nResets++; }
};

// A page with no control that takes the focus.
class CNotePage : public CPropertyPage
{
public:
    CNotePage() : CPropertyPage(IDD_NOTE_PAGE) {}
};

// Presses a button of its own as soon as it is shown.
class CSelfClosingSheet : public CPropertySheet
{
public:
    CSelfClosingSheet(CWnd* pParent, int nButton) : CPropertySheet("Options", pParent), m_nButton(nButton) {}
    BOOL OnInitDialog() override
    {
        CPropertySheet::OnInitDialog();
        PostMessage(PSM_PRESSBUTTON, m_nButton);
        return TRUE;
    }

private:
    int m_nButton;
};

class PropertySheetTest : public FrameTest<CTestFrame>
{
protected:
    CNamePage namePage;
    COptionsPage optionsPage;
    CNotePage notePage;
};

TEST_F(PropertySheetTest, SwitchesPagesAndExchangesData)
{
    CPropertySheet sheet("Options", frame);
    sheet.AddPage(&namePage);
    sheet.AddPage(&optionsPage);
    ASSERT_TRUE(sheet.Create(frame));
    PumpPending();
    EXPECT_EQ(&namePage, sheet.GetActivePage());
    EXPECT_EQ(10u, namePage.GetDlgItemInt(IDC_COUNT_EDIT));

    namePage.SetDlgItemText(IDC_NAME_EDIT, "Associated Press");
    namePage.SetDlgItemText(IDC_COUNT_EDIT, "25");
    ASSERT_TRUE(sheet.SetActivePage(&optionsPage));
    // Leaving the page saved its controls.
    EXPECT_STREQ("Associated Press", namePage.m_strName);
    EXPECT_EQ(25, namePage.m_nCount);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(BST_CHECKED, optionsPage.IsDlgButtonChecked(IDC_ALARM_CHECK));

    optionsPage.CheckDlgButton(IDC_ALARM_CHECK, BST_UNCHECKED);
    sheet.PressButton(PSBTN_OK);
    PumpPending();
    EXPECT_FALSE(optionsPage.m_bAlarm);
    EXPECT_EQ(1, namePage.m_nApplies);
    EXPECT_EQ(IDOK, sheet.m_nModalResult);
}

TEST_F(PropertySheetTest, DoModalRunsUntilOkAndAppliesOnlyTheShownPage)
{
    CSelfClosingSheet sheet(frame, PSBTN_OK);
    sheet.AddPage(&namePage);
    sheet.AddPage(&optionsPage);
    sheet.SetActivePage(1);
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(frame->IsWindowEnabled());
    // Only the page that was shown took part.
    EXPECT_EQ(0, namePage.m_nApplies);
}

TEST_F(PropertySheetTest, DoModalRunsUntilCancelAndResetsThePage)
{
    CSelfClosingSheet sheet(frame, PSBTN_CANCEL);
    sheet.AddPage(&optionsPage);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(1, optionsPage.m_nResets);
}

// A page change leaves the focus in the page shown, on its first control that
// takes it (the tab strip when it has none), wherever the focus was in the
// page that went: the system hides that page and would leave the focus on
// its control, out of sight, where keys go astray and an Alt+letter's search
// for its control never ends. A focus on the tab strip, where a click on a
// tab puts it, stays there. Keys and clicks are real input.
TEST_F(PropertySheetTest, APageChangeLeavesTheFocusInThePageShown)
{
    const UINT kTabStrip = 0;
    struct Row
    {
        const char* name;
        int nFrom;       // the page shown first
        UINT nFocusFrom; // its control with the focus, or the tab strip
        std::function<void(CPropertySheet&)> change;
        int nTo;
        UINT nFocusTo; // the control of the page shown with the focus, or the tab strip
    };
    auto keys = [](std::vector<WORD> chord) {
        return [chord](CPropertySheet&) { EXPECT_TRUE(PressKeysAndWait(chord)) << "the keys never came"; };
    };
    auto clickTab = [](int nTab) {
        return [nTab](CPropertySheet& sheet) {
            CRect rcTab;
            sheet.GetTabControl()->GetItemRect(nTab, &rcTab);
            sheet.GetTabControl()->ClientToScreen(&rcTab);
            ClickScreen(rcTab.CenterPoint());
        };
    };
    const Row rows[] = {
        {"Ctrl+Tab", 0, IDC_COUNT_EDIT, keys({VK_CONTROL, VK_TAB}), 1, IDC_ALARM_CHECK},
        {"Ctrl+Tab to a page with nothing to focus", 1, IDC_ALARM_CHECK, keys({VK_CONTROL, VK_TAB}), 2, kTabStrip},
        {"Ctrl+Tab from the last page to the first", 2, kTabStrip, keys({VK_CONTROL, VK_TAB}), 0, kTabStrip},
        {"Ctrl+Shift+Tab", 1, IDC_ALARM_CHECK, keys({VK_CONTROL, VK_SHIFT, VK_TAB}), 0, IDC_NAME_EDIT},
        {"Ctrl+Shift+Tab from the first page to the last", 0, IDC_COUNT_EDIT, keys({VK_CONTROL, VK_SHIFT, VK_TAB}), 2,
         kTabStrip},
        {"Ctrl+Page Down", 0, IDC_COUNT_EDIT, keys({VK_CONTROL, VK_NEXT}), 1, IDC_ALARM_CHECK},
        {"Ctrl+Page Up", 1, IDC_ALARM_CHECK, keys({VK_CONTROL, VK_PRIOR}), 0, IDC_NAME_EDIT},
        {"the program's SetActivePage", 0, IDC_COUNT_EDIT, [](CPropertySheet& sheet) { sheet.SetActivePage(1); }, 1,
         IDC_ALARM_CHECK},
        {"a click on a tab", 0, IDC_COUNT_EDIT, clickTab(1), 1, kTabStrip},
    };
    CPropertySheet sheet("Options", frame);
    sheet.AddPage(&namePage);
    sheet.AddPage(&optionsPage);
    sheet.AddPage(&notePage);
    ASSERT_TRUE(sheet.Create(frame));
    sheet.SetForegroundWindow();
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == sheet.m_hWnd; }));
    auto focusWindow = [&](int nPage, UINT nID) {
        return nID == kTabStrip ? sheet.GetTabControl()->m_hWnd : ::GetDlgItem(sheet.GetPage(nPage)->m_hWnd, nID);
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        sheet.SetActivePage(row.nFrom);
        ::SetFocus(focusWindow(row.nFrom, row.nFocusFrom));
        PumpPending();
        ASSERT_EQ(focusWindow(row.nFrom, row.nFocusFrom), ::GetFocus());

        row.change(sheet);
        EXPECT_TRUE(PumpPendingUntil([&] { return sheet.GetActiveIndex() == row.nTo; }));
        EXPECT_EQ(focusWindow(row.nTo, row.nFocusTo), ::GetFocus());
        EXPECT_TRUE(::IsWindowVisible(::GetFocus())) << "the focus is out of sight";
    }
}

} // namespace
