// CMainFrame's news notification and notification-area icon: the reactions to
// new news and to everything read, the icon's mouse and balloon events, its
// menu, and minimising into the notification area.
#include "app/MainFrame.h"

#include "app/AppMessages.h"
#include "app/WebAddress.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"

void CMainFrame::ShowNextBalloon()
{
    m_notifier.ShowNextBalloon();
}

void CMainFrame::AddPendingTrayIcon()
{
    AddPendingMenuImages();
    if (!m_bTrayIconPending)
        return;
    m_bTrayIconPending = FALSE;
    KillTimer(TIMER_TRAY_ICON);
    // As the icon's Create would have added it, then once more (delete and
    // add again).
    m_trayIcon.AddIcon();
    m_trayIcon.AddIcon();
    if (m_bStartupCheckPending && m_pTreeView != NULL)
    {
        m_bStartupCheckPending = FALSE;
        m_pTreeView->PostMessage(WM_CHECK_ALL, 0, 0);
    }
}

LRESULT CMainFrame::OnNewsArrived(WPARAM, LPARAM)
{
    AddPendingTrayIcon();
    m_notifier.NewsArrived();
    return 0;
}

LRESULT CMainFrame::OnAllRead(WPARAM, LPARAM)
{
    m_notifier.AllRead();
    return 0;
}

LRESULT CMainFrame::OnTrayNotify(WPARAM, LPARAM lParam)
{
    switch (LOWORD(lParam))
    {
    case NIN_BALLOONSHOW:
        return 1;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
        m_notifier.BalloonClosed();
        return 1;
    case NIN_BALLOONUSERCLICK:
        OnBalloonClicked();
        return 1;
    case WM_LBUTTONDOWN:
        RestoreFromTray();
        return 0; // the icon window goes on with its own handling
    case WM_RBUTTONUP:
        return ShowTrayMenu();
    case TRAY_BALLOON_REFUSED:
        m_notifier.BalloonRefused();
        return 1;
    case TRAY_ADD_REFUSED:
        // A window hidden into the notification area could not come back.
        if (m_bMinimisedToTray)
            RestoreFromTray();
        return 1;
    }
    return 0;
}

void CMainFrame::OnBalloonClicked()
{
    // A copy: opening the link may run a message loop in which the sequence
    // moves on or a check frees the item.
    const NewsNotifier::BalloonItem* pShown = m_notifier.GetBalloonItem();
    if (pShown != NULL)
    {
        const NewsNotifier::BalloonItem shown = *pShown;
        // A click on the icon itself while the balloon shows opens nothing.
        CRect iconRect(0, 0, 0, 0);
        m_trayLocator.GetIconRect(&iconRect);
        CPoint cursor;
        ::GetCursorPos(&cursor);
        if (!iconRect.PtInRect(cursor))
            OpenUrlInNewBrowser(shown.link);
        NewsItem* pItem = m_notifier.FindItem(shown);
        if (pItem != NULL && pItem->unread)
            MarkBalloonItemRead(pItem);
    }
    m_notifier.ShowNextBalloon();
}

void CMainFrame::MarkBalloonItemRead(NewsItem* pItem)
{
    const BOOL bAllRead = m_pTreeView->MarkItemRead(pItem);
    // The row of the item loses its bold when the list shows it.
    if (m_pNewsList != NULL && m_pNewsList->GetKeyword() == pItem->owner)
        m_pNewsList->GetListCtrl().Invalidate();
    if (bAllRead)
        m_notifier.AllRead();
}

void CMainFrame::RestoreFromTray()
{
    if (m_bMinimisedToTray)
    {
        m_bMinimisedToTray = FALSE;
        ShowWithFloatingBars(SW_SHOW);
    }
    SetForegroundWindow();
}

BOOL CMainFrame::ShowTrayMenu()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TRAY_MENU))
        return FALSE;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return FALSE;
    SetForegroundWindow();
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CXTPCommandBars::TrackPopupMenu(pPopup, 0, cursor.x, cursor.y, this, NULL, NULL, GetCommandBars());
    // Lets the menu close when the user clicks elsewhere.
    PostMessage(WM_NULL);
    menu.DestroyMenu();
    return TRUE;
}

BOOL CMainFrame::IsTrayIconShown() const
{
    return !m_trayIcon.IsIconRemoved() && !m_trayIcon.IsIconHidden();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Without the icon in the notification area a hidden window could not be
    // brought back: minimise then works as usual.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE)
        AddPendingTrayIcon();
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE && IsTrayIconShown())
    {
        m_bMinimisedToTray = TRUE;
        HideWithFloatingBars();
        return 0;
    }
    return CXTPCommandBarsSiteFrame::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnCeaseBalloons()
{
    m_notifier.CeaseBalloons();
}

void CMainFrame::OnCeaseAnimation()
{
    m_notifier.CeaseAnimation();
}

void CMainFrame::OnUpdateCeaseBalloons(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_notifier.IsSequenceRunning());
}

void CMainFrame::OnUpdateCeaseAnimation(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_notifier.IsAnimating());
}
