#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CPropertySheet.h"
#include <gtest/gtest.h>

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

} // namespace
