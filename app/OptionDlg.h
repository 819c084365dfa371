// COptionDlg: the "Options" dialog (resource 163) over the eight options of
// FrameOptions. The main frame fills it with SetValues, runs it modal and on
// IDOK reads the values back with GetValues.
#pragma once
#include "app/DoubleSpinCtrl.h"

class COptionDlg : public CDialog
{
public:
    DECLARE_DYNAMIC(COptionDlg)
    explicit COptionDlg(CWnd* pParent = NULL);

    void SetValues(BOOL playSound, BOOL autoCheckEvery, BOOL autoCheckOnStart, BOOL showSummaryOnStart,
                   BOOL showSummary, UINT interval, UINT alertTime, BOOL checkUpgrade);
    void GetValues(BOOL& playSound, BOOL& autoCheckEvery, BOOL& autoCheckOnStart, BOOL& showSummaryOnStart,
                   BOOL& showSummary, UINT& interval, UINT& alertTime, BOOL& checkUpgrade) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnShowSummaryClicked();
    afx_msg void OnHelpClicked();
    DECLARE_MESSAGE_MAP()

private:
    CDoubleSpinCtrl m_intervalSpin;
    CDoubleSpinCtrl m_alertTimeSpin;
    BOOL m_bAutoCheckEvery;
    BOOL m_bPlaySound;
    BOOL m_bAutoCheckOnStart;
    BOOL m_bShowSummary;
    BOOL m_bShowSummaryOnStart;
    UINT m_nInterval;
    UINT m_nAlertTime;
    BOOL m_bCheckUpgrade;
};
