// CMainFrame's theme switch: one table says what each frame theme gives the
// command bars, the controls, the status bar and the task panel; the keyword
// pane's caption and the shared header theme take theme objects of their own.
#include "app/KeywordCaptionTheme.h"
#include "app/MainFrame.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTHeaderTheme.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTThemeManager.h"

namespace {

struct FrameLook
{
    UINT nCommand;
    int nControlsTheme;    // the controls' theme manager id
    BOOL bStatusBarThemed; // the status bar draws with the paint manager's panes
    int nTaskPanelTheme;
};

// Indexed by the frame's theme id, which is also the paint manager's.
const FrameLook kLooks[] = {
    {ID_THEME_OFFICEXP, 1, TRUE, xtpTaskPanelThemeFlatButton},        // Office XP
    {ID_THEME_OFFICE2000, 0, TRUE, xtpTaskPanelThemeDarkButton},      // Office 2000
    {ID_THEME_OFFICE2003, 2, FALSE, xtpTaskPanelThemeGradientBar},    // Office 2003
    {ID_THEME_WINXP, 0, TRUE, xtpTaskPanelThemeShellStyle},           // Windows XP
};

} // namespace

void CMainFrame::SetTheme(int nTheme)
{
    m_nTheme = ValidTheme(nTheme);
    const FrameLook& look = kLooks[m_nTheme];
    CXTPPaintManager::SetTheme(m_nTheme);
    // The caption's button takes the caption's colours and font again.
    if (m_pTreeView != NULL)
    {
        CXTCaptionButton& button = m_pTreeView->GetCaption().GetCaptionButton();
        button.SetXButtonStyle(button.GetXButtonStyle(), FALSE);
    }
    XTThemeManager()->SetTheme(look.nControlsTheme);
    m_wndStatusBar.SetThemed(look.bStatusBarThemed);
    m_wndTaskPanel.SetTheme(look.nTaskPanelTheme);
    // The theme manager's switch gives the headers the theme of its id; the
    // Windows XP header look, once chosen, is kept.
    if (m_nTheme == xtpThemeNativeWinXP)
        m_bWinXPHeaderInstalled = TRUE;
    if (m_bWinXPHeaderInstalled)
        CXTHeaderCtrl::SetSharedTheme(new CXTHeaderThemeWinXP);
    ApplyKeywordCaptionTheme();
    RedrawWholeWindow();
}

void CMainFrame::ApplyKeywordCaptionTheme()
{
    if (m_pTreeView == NULL)
        return;
    CXTThemeManagerStyleHost& caption = m_pTreeView->GetCaption();
    switch (m_nTheme)
    {
    case xtpThemeOfficeXP:
        caption.SetTheme(1);
        break;
    case xtpThemeOffice2000:
        caption.SetTheme(0);
        break;
    case xtpThemeOffice2003:
        caption.SetTheme(new CXTCaptionThemeOffice2003);
        break;
    default:
        caption.SetTheme(new CKeywordCaptionTheme);
        break;
    }
}

void CMainFrame::RedrawWholeWindow()
{
    // The command bars' redraw lays the frame out as well.
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL)
        pCommandBars->RedrawCommandBars();
    if (m_hWnd == NULL)
        return;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (pCommandBars == NULL)
        RecalcLayout();
    // Moving the frame onto its own place makes every pane lay itself out again.
    CRect rect;
    GetWindowRect(&rect);
    if (GetStyle() & WS_CHILD)
        GetParent()->ScreenToClient(&rect);
    MoveWindow(&rect);
    if (m_keywordSplitter.GetSafeHwnd() != NULL)
        m_keywordSplitter.RecalcLayout();
    if (m_newsSplitter.GetSafeHwnd() != NULL)
        m_newsSplitter.RecalcLayout();
}

void CMainFrame::OnThemeCommand(UINT nID)
{
    for (int nTheme = 0; nTheme < (int)(sizeof(kLooks) / sizeof(kLooks[0])); ++nTheme)
    {
        if (kLooks[nTheme].nCommand == nID)
            SetTheme(nTheme);
    }
}

void CMainFrame::OnUpdateThemeCommand(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(kLooks[m_nTheme].nCommand == pCmdUI->m_nID);
}

void CMainFrame::OnSysColorChange()
{
    CFrameWnd::OnSysColorChange();
    // Only top-level windows hear of the change from the system.
    SendMessageToDescendants(WM_SYSCOLORCHANGE);
    XTPColorManager()->RefreshColors(FALSE);
    XTThemeManager()->RefreshMetrics();
    SetTheme(m_nTheme);
}
