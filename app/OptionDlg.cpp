#include "app/OptionDlg.h"

#include "app/FrameOptions.h"
#include "app/HelpFile.h"
#include "resources/Resource.h"

IMPLEMENT_DYNAMIC(COptionDlg, CDialog)

BEGIN_MESSAGE_MAP(COptionDlg, CDialog)
ON_BN_CLICKED(IDC_SHOW_SUMMARY, OnShowSummaryClicked)
ON_BN_CLICKED(ID_HELP, OnHelpClicked)
END_MESSAGE_MAP()

COptionDlg::COptionDlg(CWnd* pParent)
    : CDialog(IDD_OPTIONS, pParent), m_bAutoCheckEvery(TRUE), m_bPlaySound(TRUE), m_bAutoCheckOnStart(TRUE),
      m_bShowSummary(TRUE), m_bShowSummaryOnStart(FALSE), m_nInterval(30), m_nAlertTime(10),
      m_bCheckUpgrade(FALSE)
{}

void COptionDlg::SetValues(BOOL playSound, BOOL autoCheckEvery, BOOL autoCheckOnStart,
                           BOOL showSummaryOnStart, BOOL showSummary, UINT interval, UINT alertTime,
                           BOOL checkUpgrade)
{
    m_bPlaySound = playSound;
    m_bAutoCheckEvery = autoCheckEvery;
    m_bAutoCheckOnStart = autoCheckOnStart;
    m_bShowSummaryOnStart = showSummaryOnStart;
    m_bShowSummary = showSummary;
    m_nInterval = interval;
    m_nAlertTime = alertTime;
    m_bCheckUpgrade = checkUpgrade;
}

void COptionDlg::GetValues(BOOL& playSound, BOOL& autoCheckEvery, BOOL& autoCheckOnStart,
                           BOOL& showSummaryOnStart, BOOL& showSummary, UINT& interval, UINT& alertTime,
                           BOOL& checkUpgrade) const
{
    playSound = m_bPlaySound;
    autoCheckEvery = m_bAutoCheckEvery;
    autoCheckOnStart = m_bAutoCheckOnStart;
    showSummaryOnStart = m_bShowSummaryOnStart;
    showSummary = m_bShowSummary;
    interval = m_nInterval;
    alertTime = m_nAlertTime;
    checkUpgrade = m_bCheckUpgrade;
}

void COptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INTERVAL_SPIN, m_intervalSpin);
    DDX_Control(pDX, IDC_ALERT_TIME_SPIN, m_alertTimeSpin);
    DDX_Check(pDX, IDC_AUTO_CHECK_EVERY, m_bAutoCheckEvery);
    DDX_Check(pDX, IDC_PLAY_SOUND, m_bPlaySound);
    DDX_Check(pDX, IDC_AUTO_CHECK_ON_START, m_bAutoCheckOnStart);
    DDX_Check(pDX, IDC_SHOW_SUMMARY, m_bShowSummary);
    DDX_Check(pDX, IDC_SHOW_SUMMARY_ON_START, m_bShowSummaryOnStart);
    DDX_Text(pDX, IDC_INTERVAL, m_nInterval);
    DDX_Text(pDX, IDC_ALERT_TIME, m_nAlertTime);
    DDX_Check(pDX, IDC_CHECK_UPGRADE, m_bCheckUpgrade);
}

BOOL COptionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_intervalSpin.SetDecimals(0);
    m_intervalSpin.SetRangeAndStep(5.0, 3600.0, 5.0);
    m_intervalSpin.SetPos((double)m_nInterval);
    m_alertTimeSpin.SetDecimals(0);
    m_alertTimeSpin.SetRangeAndStep(10.0, 30.0, 1.0);
    m_alertTimeSpin.SetPos((double)m_nAlertTime);
    return TRUE;
}

void COptionDlg::OnOK()
{
    CDialog::OnOK();
    m_nInterval = FrameOptions::LimitCheckInterval(m_nInterval);
    m_nAlertTime = FrameOptions::LimitAlertTime(m_nAlertTime);
}

void COptionDlg::OnShowSummaryClicked()
{
    BOOL enable = IsDlgButtonChecked(IDC_SHOW_SUMMARY) == BST_CHECKED;
    if (!enable)
        CheckDlgButton(IDC_SHOW_SUMMARY_ON_START, BST_CHECKED);
    static const int kAlertControls[] = {IDC_SHOW_SUMMARY_ON_START, IDC_ALERT_TIME, IDC_ALERT_TIME_SPIN,
                                         IDC_ALERT_LABEL, IDC_ALERT_SECONDS};
    for (int id : kAlertControls)
    {
        CWnd* pControl = GetDlgItem(id);
        if (pControl != NULL)
            pControl->EnableWindow(enable);
    }
}

void COptionDlg::OnHelpClicked()
{
    ShowHelpTopic(m_hWnd, "/Tutorials/retrieve_news_automatically.html", HH_DISPLAY_TOC);
}
