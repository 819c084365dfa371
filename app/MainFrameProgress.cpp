// CMainFrame's check animation: the status text cycles through three texts
// every 500 ms while a check runs and the progress bar follows it; the
// keyword tree view tells where a pass stands (GetPercent, GetCheckState).
#include "app/AppMessages.h"
#include "app/MainFrame.h"

namespace {

const UINT kPassTimer = 1;
const UINT kSingleTimer = 2;
const UINT kAnimationPeriod = 500;
const WPARAM kDone = 100;
const LPARAM kSingleCheck = 1;
const LPARAM kPass = 2;

} // namespace

void CMainFrame::ShowStatusText(LPCTSTR lpszText)
{
    m_statusText.SetWindowText(CString(" ") + lpszText);
}

void CMainFrame::SetAnimationTexts(LPCTSTR lpszFirst, LPCTSTR lpszSecond, LPCTSTR lpszThird)
{
    m_animationTexts[0] = lpszFirst;
    m_animationTexts[1] = lpszSecond;
    m_animationTexts[2] = lpszThird;
}

LRESULT CMainFrame::OnCheckProgress(WPARAM wParam, LPARAM lParam)
{
    if (lParam == kSingleCheck && !m_bSingleAnimation)
    {
        SetTimer(kSingleTimer, kAnimationPeriod, NULL);
        m_bSingleAnimation = TRUE;
    }
    else if (lParam == kPass && !m_bPassAnimation)
    {
        SetTimer(kPassTimer, kAnimationPeriod, NULL);
        m_bPassAnimation = TRUE;
    }
    if (wParam != kDone)
        return 0;
    m_progress.SetPos(0);
    if (lParam == kPass)
    {
        KillTimer(kPassTimer);
        m_bPassAnimation = FALSE;
        ShowStatusText("Idle");
    }
    else if (lParam == kSingleCheck)
    {
        KillTimer(kSingleTimer);
        m_bSingleAnimation = FALSE;
        if (m_pTreeView != NULL && m_pTreeView->GetCheckState() == CItemTreeView::CHECK_PASS)
        {
            m_progress.SetPos(m_pTreeView->GetPercent());
            ShowStatusText("Check");
        }
        else
        {
            ShowStatusText("Idle");
        }
    }
    return 0;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    // Not an animation timer: the icon's, which touches no status text.
    if (nIDEvent == TIMER_TRAY_ICON)
    {
        AddPendingTrayIcon();
        return;
    }
    if (nIDEvent == kPassTimer)
    {
        // The shown keyword's own check animates on timer 2 meanwhile.
        if (m_pTreeView != NULL && m_pTreeView->GetCheckState() == CItemTreeView::CHECK_SHOWN_KEYWORD)
            return;
        SetAnimationTexts("Check", "Check All", "Check All...");
        if (m_pTreeView != NULL)
            m_progress.SetPos(m_pTreeView->GetPercent());
    }
    else if (nIDEvent == kSingleTimer)
    {
        m_progress.SetPos((m_progress.GetPos() + 10) % 100);
        SetAnimationTexts("Check", "Check News", "Check News...");
    }
    ShowStatusText(m_animationTexts[m_nAnimationIndex]);
    m_nAnimationIndex = (m_nAnimationIndex + 1) % 3;
}
