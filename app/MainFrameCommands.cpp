// CMainFrame's own commands: the keyword-language combo, the preview pane's
// row, the status bar, the maker's web pages and the upgrade check with its
// answer.
#include "app/AppMessages.h"
#include "app/MainFrame.h"
#include "app/UpgradeCheck.h"
#include "app/WebAddress.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBarsDefines.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"

namespace {

const char kUpgradeCaption[] = "Check for Upgrade";

struct WebPage
{
    UINT nCommand;
    LPCSTR lpszPath;
};

const WebPage kWebPages[] = {
    {ID_WEB_SUPPORT, "/support.php?product=Tidewatch"},
    {ID_WEB_FAQ, "/FAQ.php?product=Tidewatch"},
    {ID_WEB_FORUM, "/forum/"},
    {ID_WEB_HOME, ""},
};

} // namespace

void CMainFrame::OnLanguageSelected(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;
    CXTPControl* pControl = ((ControlExecuteNotify*)pNMHDR)->pControl;
    if (pControl == NULL || pControl->GetType() != xtpControlComboBox || m_pTreeView == NULL)
        return;
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pControl;
    const int nSelected = pCombo->GetCurSel();
    if (nSelected < 0)
        return;
    CString text;
    pCombo->GetLBText(nSelected, text);
    CXTTreeCtrl& tree = m_pTreeView->GetTree();
    if (HTREEITEM hFound = tree.FindItem(text, FALSE, TRUE, FALSE, NULL))
        m_pTreeView->SelectTreeItem(hFound, TVGN_CARET);
}

LRESULT CMainFrame::OnTaskPanelNotify(WPARAM wParam, LPARAM lParam)
{
    CXTPTaskPanelItem* pItem = (CXTPTaskPanelItem*)lParam;
    if (wParam == TPN_CLICK && pItem != NULL && m_pTreeView != NULL)
    {
        CXTTreeCtrl& tree = m_pTreeView->GetTree();
        if (HTREEITEM hFound = tree.FindItem(pItem->GetCaption(), FALSE, TRUE, FALSE, NULL))
            m_pTreeView->SelectTreeItem(hFound, TVGN_CARET);
        return 0;
    }
    if (wParam == TPN_RCLICK)
    {
        // The item menu is the popup of menu 131, which the icon's menu shares.
        ShowTrayMenu();
        return 1;
    }
    return 0;
}

void CMainFrame::OnPreviewPane()
{
    m_bPreviewShown = !m_bPreviewShown;
    if (m_bPreviewShown)
        m_newsSplitter.ShowRow();
    else
        m_newsSplitter.HideRow(1);
}

void CMainFrame::OnUpdatePreviewPane(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bPreviewShown);
}

BOOL CMainFrame::IsStatusBarShown() const
{
    // The window's own flag: the frame may be hidden (in the notification
    // area) while its status bar stays on.
    return (m_wndStatusBar.GetStyle() & WS_VISIBLE) != 0;
}

void CMainFrame::OnViewStatusBar()
{
    m_wndStatusBar.ShowWindow(IsStatusBarShown() ? SW_HIDE : SW_SHOWNA);
    RecalcLayout();
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(IsStatusBarShown());
}

void CMainFrame::OnWebPage(UINT nID)
{
    for (const WebPage& page : kWebPages)
    {
        if (page.nCommand == nID)
            OpenWebAddress(MakerWebPage(page.lpszPath));
    }
}

void CMainFrame::OnCheckUpgrade()
{
    StartUpgradeCheck(TRUE);
}

void CMainFrame::StartUpgradeCheck(BOOL bAsked)
{
    if (bAsked)
        m_bUpgradeAnswerWanted = TRUE;
    if (m_bUpgradeCheckRunning)
        return;
    m_bUpgradeCheckRunning = TRUE;
    HANDLE hThread = ::CreateThread(NULL, 0, UpgradeCheckThread, m_hWnd, 0, NULL);
    if (hThread != NULL)
        ::CloseHandle(hThread);
    else
        PostMessage(WM_UPGRADE_RESULT, FALSE, FALSE); // the site cannot be asked
}

LRESULT CMainFrame::OnUpgradeResult(WPARAM wParam, LPARAM lParam)
{
    const BOOL bAnswered = (BOOL)wParam;
    const BOOL bNewer = (BOOL)lParam;
    if (!bAnswered)
    {
        if (m_bUpgradeAnswerWanted)
            ::MessageBoxA(m_hWnd, "Fail to connect server. Try again later", kUpgradeCaption, MB_OK);
    }
    else if (bNewer)
    {
        if (::MessageBoxA(m_hWnd, "New version is available. Upgrade now?", kUpgradeCaption,
                          MB_YESNO | MB_ICONQUESTION)
            == IDYES)
            OpenWebAddress(MakerWebPage(kProductPagePath));
    }
    else if (m_bUpgradeAnswerWanted)
    {
        ::MessageBoxA(m_hWnd, "No update is available", kUpgradeCaption, MB_OK);
    }
    // Cleared only now: a command while the answer is on screen starts nothing.
    m_bUpgradeCheckRunning = FALSE;
    m_bUpgradeAnswerWanted = FALSE;
    return 0;
}

void CMainFrame::OnUnusedCommand(UINT)
{}
