#include "app/OptionDlg.h"

#include "app/FrameOptions.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

namespace {

// The Options dialog, modeless, with the given values.
class OptionDlgTest : public ::testing::Test
{
protected:
    void Open(BOOL showSummary, UINT interval, UINT alertTime)
    {
        dialog.SetValues(TRUE, TRUE, TRUE, FALSE, showSummary, interval, alertTime, FALSE);
        ASSERT_TRUE(dialog.Create(IDD_OPTIONS));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    CString Text(int id)
    {
        CString text;
        dialog.GetDlgItem(id)->GetWindowText(text);
        return text;
    }
    // The notification the up-down control sends on a click of one arrow.
    void Spin(int spinId, int delta)
    {
        NMUPDOWN change = {};
        change.hdr.hwndFrom = dialog.GetDlgItem(spinId)->GetSafeHwnd();
        change.hdr.idFrom = spinId;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        dialog.SendMessage(WM_NOTIFY, spinId, (LPARAM)&change);
    }
    void Click(int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           (LPARAM)dialog.GetDlgItem(id)->GetSafeHwnd());
    }

    COptionDlg dialog;
};

} // namespace

TEST(OptionDlgLimits, TypedValuesAreLimited)
{
    struct Row
    {
        const char* name;
        UINT interval, alertTime, expectedInterval, expectedAlert;
    } rows[] = {
        {"two minutes", 2, 20, 5, 20},   {"5000 minutes", 5000, 20, 3600, 20}, {"45 seconds", 30, 45, 30, 30},
        {"zero seconds", 30, 0, 30, 10}, {"inside", 60, 15, 60, 15},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(std::make_pair(row.expectedInterval, row.expectedAlert),
                  std::make_pair((UINT)FrameOptions::LimitCheckInterval(row.interval),
                                 (UINT)FrameOptions::LimitAlertTime(row.alertTime)))
            << row.name;
    }
}

TEST_F(OptionDlgTest, SpinningStaysInsideTheRange)
{
    Open(TRUE, 3600, 30);
    Spin(IDC_INTERVAL_SPIN, 1);
    Spin(IDC_ALERT_TIME_SPIN, 1);
    EXPECT_EQ("3600 30", std::string(Text(IDC_INTERVAL) + " " + Text(IDC_ALERT_TIME)));
    Spin(IDC_INTERVAL_SPIN, -1);
    EXPECT_STREQ("3595", Text(IDC_INTERVAL));
}

TEST_F(OptionDlgTest, UncheckingTheAlertChecksAndDisablesItsOptions)
{
    Open(TRUE, 30, 10);
    for (BOOL on : {FALSE, TRUE})
    {
        dialog.CheckDlgButton(IDC_SHOW_SUMMARY, on ? BST_CHECKED : BST_UNCHECKED);
        Click(IDC_SHOW_SUMMARY);
        EXPECT_EQ((UINT)BST_CHECKED, dialog.IsDlgButtonChecked(IDC_SHOW_SUMMARY_ON_START));
        for (int id : {IDC_SHOW_SUMMARY_ON_START, IDC_ALERT_TIME, IDC_ALERT_TIME_SPIN, IDC_ALERT_LABEL,
                       IDC_ALERT_SECONDS})
            EXPECT_EQ(on, dialog.GetDlgItem(id)->IsWindowEnabled()) << id;
    }
}

TEST_F(OptionDlgTest, ShowsTheValuesItWasGiven)
{
    Open(TRUE, 30, 10);
    EXPECT_EQ("30 10", std::string(Text(IDC_INTERVAL) + " " + Text(IDC_ALERT_TIME)));
    EXPECT_EQ((UINT)BST_CHECKED, dialog.IsDlgButtonChecked(IDC_PLAY_SOUND));
    EXPECT_EQ((UINT)BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_SHOW_SUMMARY_ON_START));
}

TEST_F(OptionDlgTest, OkLimitsTheTypedValues)
{
    Open(TRUE, 30, 10);
    dialog.GetDlgItem(IDC_INTERVAL)->SetWindowText("2");
    dialog.GetDlgItem(IDC_ALERT_TIME)->SetWindowText("45");
    Click(IDOK);
    BOOL playSound, every, onStart, summaryOnStart, summary, upgrade;
    UINT interval, alertTime;
    dialog.GetValues(playSound, every, onStart, summaryOnStart, summary, interval, alertTime, upgrade);
    EXPECT_EQ(std::make_pair(5u, 30u), std::make_pair(interval, alertTime));
}
