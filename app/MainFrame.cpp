#include "app/MainFrame.h"

#include "app/AppMessages.h"
#include "app/OptionDlg.h"
#include "app/UpgradeCheck.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/controls/XTProfileManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTThemeManager.h"

const char kCommandBarProfile[] = "Quorvane Tidewatch CommandBar";

namespace {

const UINT kStatusTextPane = 0x8001;
const UINT kProgressPane = 0x8000;
const UINT kCaptionPopupPinned = 0xDD9;
const UINT kCaptionPopupClosed = 0xDDA;
const UINT kTrayDefaultCommand = 57634;

// Commands hidden from the short menus until used.
const UINT kRarelyUsedCommands[] = {57604, 57609, 57635, 57634, 57637, 59393,
                                    32786, 32788, 32793, 32795, 32797, 32799};

struct CommandTip
{
    UINT nID;
    LPCSTR text;
    BOOL onToolBar;
};

const CommandTip kCommandTips[] = {
    {ID_ADD_KEYWORD, "Add a keyword to let Tidewatch keep tracking updated news on the keyword.", TRUE},
    {ID_REMOVE_ALL, "Remove all keywords in keywords box.", TRUE},
    {ID_REMOVE_KEYWORD, "Remove the selected keyword from the keywords box.", TRUE},
    {ID_CHECK_NEWS, "Search updated news on the selected keyword.", TRUE},
    {ID_CHECK_ALL, "Search updated news on all the keywords.", TRUE},
    {ID_MARK_READ, "Mark the selected item read.", TRUE},
    {ID_IMPORT, "Import keyword group from a XML file.", FALSE},
    {ID_EXPORT, "Export keyword group to a XML file.", FALSE},
    {ID_GOTO_URL, "Open an IE window to read the news.", TRUE},
    {ID_CHECK_UPGRADE, "Check if an upgrade is available to your current version.", FALSE},
};

// Toolbar buttons drawn with their image and caption.
const UINT kCaptionedButtons[] = {32775, 32776, 32778, 32781, 32782, 32783, 32812,
                                  32813, 32814, 32815, 32816, 32817, 32828};

int ReadStoredTheme()
{
    CXTProfileManager profile(HKEY_CURRENT_USER);
    return CMainFrame::ValidTheme(profile.GetProfileInt("Settings", "Theme", xtpThemeOffice2003));
}

CSize WindowSize(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.Size();
}

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_OPTIONS, OnOptions)
ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
ON_MESSAGE(kCaptionPopupPinned, OnShowKeywordPane)
ON_MESSAGE(kCaptionPopupClosed, OnCaptionPopupClosed)
ON_MESSAGE(WM_XTP_CREATE_CONTROL, OnCreateControl)
ON_MESSAGE(WM_XTP_INITPOPUP, OnInitCommandsPopup)
ON_MESSAGE(WM_XTP_TOOLBARRESET, OnToolBarReset)
ON_COMMAND(ID_IMPORT, OnImportKeywords)
ON_COMMAND(ID_EXPORT, OnExportKeywords)
ON_COMMAND(ID_REMOVE_ALL, OnRemoveAllKeywords)
ON_COMMAND(ID_ADD_KEYWORD, OnAddKeyword)
ON_COMMAND_RANGE(ID_THEME_OFFICEXP, ID_THEME_WINXP, OnThemeCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_THEME_OFFICEXP, ID_THEME_WINXP, OnUpdateThemeCommand)
ON_WM_SYSCOLORCHANGE()
ON_NOTIFY(XTP_CN_EXECUTE, ID_TOOLBAR_COMBO, OnLanguageSelected)
ON_COMMAND(ID_PREVIEW_PANE, OnPreviewPane)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_PANE, OnUpdatePreviewPane)
ON_COMMAND(ID_VIEW_STATUS_BAR, OnViewStatusBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateViewStatusBar)
ON_COMMAND_RANGE(ID_WEB_SUPPORT, ID_WEB_HOME, OnWebPage)
ON_COMMAND(ID_CHECK_UPGRADE, OnCheckUpgrade)
ON_MESSAGE(WM_UPGRADE_RESULT, OnUpgradeResult)
ON_MESSAGE(WM_NEWS_ARRIVED, OnNewsArrived)
ON_MESSAGE(WM_ALL_READ, OnAllRead)
ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
ON_COMMAND(ID_CEASE_BALLOONS, OnCeaseBalloons)
ON_COMMAND(ID_CEASE_ANIMATION, OnCeaseAnimation)
ON_UPDATE_COMMAND_UI(ID_CEASE_BALLOONS, OnUpdateCeaseBalloons)
ON_UPDATE_COMMAND_UI(ID_CEASE_ANIMATION, OnUpdateCeaseAnimation)
ON_COMMAND(ID_CHECK_ALL, OnCheckAll)
ON_MESSAGE(WM_CHECK_PROGRESS, OnCheckProgress)
ON_MESSAGE(WM_TASKPANEL_NOTIFY, OnTaskPanelNotify)
ON_WM_TIMER()
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_HELP, OnHelpContents)
ON_COMMAND(ID_HELP_INDEX, OnHelpIndex)
ON_COMMAND(ID_HELP_SEARCH, OnHelpSearch)
// After every handled id of the range: the rest do nothing.
ON_COMMAND_RANGE(ID_LANGUAGE_OPTIONS, ID_LANGUAGE_OPTIONS, OnUnusedCommand)
ON_COMMAND_RANGE(ID_UNUSED_FIRST, ID_UNUSED_LAST, OnUnusedCommand)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_nTheme(ReadStoredTheme()), m_pTreeView(NULL), m_pNewsList(NULL), m_bPreviewShown(TRUE),
      m_bWinXPHeaderInstalled(FALSE), m_bUpgradeCheckRunning(FALSE), m_bUpgradeAnswerWanted(FALSE),
      m_notifier(m_trayIcon, m_options), m_bMinimisedToTray(FALSE), m_bMenuImagesPending(FALSE),
      m_bTrayIconPending(FALSE), m_bStartupCheckPending(FALSE), m_nAnimationIndex(0),
      m_bPassAnimation(FALSE), m_bSingleAnimation(FALSE)
{
    SetAnimationTexts("Idle", "Idle", "Idle");
}

CMainFrame::~CMainFrame()
{
    CXTProfileManager profile(HKEY_CURRENT_USER);
    profile.WriteProfileInt("Settings", "Theme", m_nTheme);
}

int CMainFrame::ValidTheme(int nStored)
{
    return nStored >= 0 && nStored <= 3 ? nStored : xtpThemeOffice2003;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
    cs.lpszClass = AfxRegisterWndClass(0, NULL, NULL, hIcon);
    cs.style &= ~(LONG)FWS_ADDTOTITLE;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || !CreateStatusBar() || !CreateBars())
        return -1;
    UINT editKeyword = ID_EDIT_KEYWORD;
    GetCommandBars()->GetImageManager()->SetIcons(IDB_EDIT_KEYWORD, &editKeyword, 1, CSize(16, 16),
                                                  xtpImageNormal);
    SetUpBarControls(GetCommandBars()->GetMenuBar());
    SetUpBarControls(GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD));
    // Lays the bars and panes out, the first time since the bars came.
    SetTheme(m_nTheme);
    // The menus' images come once the window has painted: only popups show
    // them, and making their icons would keep the window from the screen.
    m_bMenuImagesPending = TRUE;
    // The icon's window is made here; the shell is asked to show the icon
    // once the window has painted: where there is no notification area its
    // answer takes seconds, which would keep the window from the screen.
    if (!m_trayIcon.CreateWindowOnly("Tidewatch - news on your keywords", this, IDI_TRAY, IDR_TRAY_MENU,
                                     kTrayDefaultCommand, FALSE))
        return -1;
    UINT animation[] = {IDI_TRAY, IDI_TRAY_FRAME};
    m_trayIcon.SetAnimationIcons(animation, NULL, 2);
    m_trayLocator.SetIcon(m_trayIcon.m_hWnd, IDR_TRAY_MENU);
    m_bTrayIconPending = TRUE;
    SetTimer(TIMER_TRAY_ICON, 0, NULL);
    return 0;
}

BOOL CMainFrame::CreateStatusBar()
{
    static const UINT kIndicators[] = {0};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR)
        || !m_wndStatusBar.SetIndicators(kIndicators, 1))
        return FALSE;
    if (!m_progress.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(0, 0, 0, 0), &m_wndStatusBar, 0))
        return FALSE;
    m_statusText.Create(" Idle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_wndStatusBar, 0);
    m_statusFont.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0x20,
                            "Arial");
    m_statusText.SetFont(&m_statusFont);

    struct HostedPane
    {
        UINT nID;
        CWnd* pWnd;
    } panes[] = {{kStatusTextPane, &m_statusText}, {kProgressPane, &m_progress}};
    m_progress.SetRange(0, 100);
    m_progress.SetPos(0);
    m_progress.SetStep(1);
    for (const HostedPane& pane : panes)
    {
        m_wndStatusBar.AddIndicator(pane.nID, m_wndStatusBar.GetCount());
        int index = m_wndStatusBar.CommandToIndex(pane.nID);
        UINT nID, nStyle;
        int cxWidth;
        m_wndStatusBar.GetPaneInfo(index, nID, nStyle, cxWidth);
        m_wndStatusBar.SetPaneInfo(index, nID, nStyle, 100);
        m_wndStatusBar.AddControl(pane.pWnd, pane.nID, FALSE);
    }
    return TRUE;
}

BOOL CMainFrame::CreateBars()
{
    if (!CreateCommandBars(RUNTIME_CLASS(CXTPCommandBars)))
        return FALSE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    // Adding the menu bar, the toolbar and their stored state would each lay
    // the whole hidden frame out again (six times), in metrics that the
    // theme set next (SetTheme) replaces: its layout alone places every bar
    // and pane.
    pCommandBars->LockLayout(TRUE);
    const BOOL bAdded = AddBars(pCommandBars);
    pCommandBars->LockLayout(FALSE);
    if (!bAdded)
        return FALSE;
    m_wndStatusBar.SetCommandBars(pCommandBars);
    return TRUE;
}

BOOL CMainFrame::AddBars(CXTPCommandBars* pCommandBars)
{
    pCommandBars->SetMenu("Menu Bar", IDR_MAINFRAME);
    CXTPToolBar* pToolBar = pCommandBars->Add("Standard", xtpBarTop);
    if (pToolBar == NULL || !pToolBar->LoadToolBar(IDR_TOOLBAR_STANDARD, TRUE))
        return FALSE;
    pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    pCommandBars->HideCommands(kRarelyUsedCommands, (int)(sizeof(kRarelyUsedCommands) / sizeof(UINT)));
    LoadCommandBarState(kCommandBarProfile, FALSE);
    return TRUE;
}

void CMainFrame::AddPendingMenuImages()
{
    if (!m_bMenuImagesPending)
        return;
    m_bMenuImagesPending = FALSE;
    CXTPImageManager* pImages = GetCommandBars()->GetImageManager();
    pImages->SetIcons(IDR_KEYWORD_MENU, xtpImageNormal);
    pImages->SetIcons(IDR_MAINFRAME, xtpImageNormal);
}

LRESULT CMainFrame::OnInitCommandsPopup(WPARAM, LPARAM)
{
    AddPendingMenuImages();
    return 0;
}

void CMainFrame::SetUpBarControls(CXTPCommandBar* pBar)
{
    if (pBar == NULL)
        return;
    const BOOL bMenuBar = pBar == GetCommandBars()->GetMenuBar();
    for (const CommandTip& tip : kCommandTips)
    {
        if (!bMenuBar && !tip.onToolBar)
            continue;
        CXTPControl* pControl = pBar->GetControls()->FindControl(xtpControlButton, tip.nID, TRUE, TRUE);
        if (pControl != NULL)
        {
            pControl->SetTooltip(tip.text);
            pControl->SetDescription(tip.text);
        }
    }
    // A restored bar state may have dropped the combo: then there is none to set.
    CXTPControl* pCombo = pBar->GetControls()->FindControlById(ID_TOOLBAR_COMBO);
    if (pCombo != NULL && pCombo->GetType() == xtpControlComboBox)
        ((CXTPControlComboBox*)pCombo)->SetCurSel(0);
}

LRESULT CMainFrame::OnCreateControl(WPARAM, LPARAM lParam)
{
    CreateControlRequest* pRequest = (CreateControlRequest*)lParam;
    if (pRequest->nID == ID_TOOLBAR_COMBO)
    {
        CXTPControlComboBox* pCombo = new CXTPControlComboBox;
        pCombo->AddString("English");
        pCombo->SetFlags(xtpFlagManualUpdate);
        pCombo->SetDropDownWidth(150);
        pRequest->pControl = pCombo;
        return TRUE;
    }
    if (pRequest->pCommandBar == NULL || pRequest->pCommandBar->GetType() != xtpBarTypeNormal)
        return FALSE;
    if (pRequest->nID == ID_LANGUAGE_OPTIONS)
    {
        pRequest->controlType = xtpControlSplitButtonPopup;
        pRequest->buttonStyle = xtpButtonIconAndCaption;
        return TRUE;
    }
    for (UINT nID : kCaptionedButtons)
    {
        if ((UINT)pRequest->nID == nID)
        {
            pRequest->buttonStyle = xtpButtonIconAndCaption;
            return TRUE;
        }
    }
    return FALSE;
}

void CMainFrame::LoadOptions()
{
    m_options.Load(HKEY_CURRENT_USER, kOptionsKey);
}

BOOL CMainFrame::SaveOptions()
{
    // The frame's size is that of its restored placement, so a maximised or
    // minimised window stores the size it comes back to.
    WINDOWPLACEMENT placement;
    placement.length = sizeof(placement);
    if (GetWindowPlacement(&placement))
    {
        const RECT& normal = placement.rcNormalPosition;
        m_options.frameWidth = normal.right - normal.left;
        m_options.frameHeight = normal.bottom - normal.top;
    }
    if (m_pTreeView != NULL)
    {
        CSize size = WindowSize(m_pTreeView);
        m_options.treeWidth = size.cx;
        m_options.treeHeight = size.cy;
    }
    if (m_pNewsList != NULL)
    {
        CSize size = WindowSize(m_pNewsList);
        m_options.lookWidth = size.cx;
        m_options.lookHeight = size.cy;
    }
    RegistryOptionWriter writer(HKEY_CURRENT_USER, kOptionsKey);
    return writer.IsOpen() && m_options.Save(writer);
}

void CMainFrame::ApplyOptionsToTree()
{
    const FrameOptions& o = m_options;
    m_pTreeView->SetOptions(o.playSoundOnNews, o.autoCheckEvery, o.autoCheckOnStart, o.showSummaryOnStart,
                            o.showSummary, (int)o.autoCheckInterval, (int)o.alertTime, o.checkUpgrade);
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT /*lpcs*/, CCreateContext* pContext)
{
    if (!m_keywordSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    LoadOptions();
    if (!m_keywordSplitter.CreateView(0, 0, RUNTIME_CLASS(CItemTreeView),
                                      CSize(m_options.treeWidth, m_options.treeHeight), pContext))
        return FALSE;
    m_pTreeView = (CItemTreeView*)m_keywordSplitter.GetPane(0, 0);
    m_notifier.SetKeywords(&m_pTreeView->GetKeywords());
    ApplyOptionsToTree();
    if (!m_newsSplitter.CreateStatic(&m_keywordSplitter, 2, 1, WS_CHILD | WS_VISIBLE | WS_BORDER,
                                     m_keywordSplitter.IdFromRowCol(0, 1))
        || !m_newsSplitter.CreateView(0, 0, RUNTIME_CLASS(CSkellrunView),
                                      CSize(m_options.lookWidth, m_options.lookHeight), pContext))
        return FALSE;
    m_pNewsList = (CSkellrunView*)m_newsSplitter.GetPane(0, 0);
    m_pTreeView->SetListView(m_pNewsList);
    m_pNewsList->SetTreeView(m_pTreeView);
    if (!m_newsSplitter.CreateView(1, 0, RUNTIME_CLASS(CPreviewPane), CSize(0, 0), pContext))
        return FALSE;
    m_pNewsList->SetPreviewPane((CPreviewPane*)m_newsSplitter.GetPane(1, 0));
    m_keywordSplitter.RecalcLayout();
    m_newsSplitter.RecalcLayout();

    // The start-up pass comes after the icon, which waits for the first paint.
    if (m_options.autoCheckOnStart)
        m_bStartupCheckPending = TRUE;
    else
        m_pTreeView->ArmCheckTimer();
    // The start-up upgrade check answers only with a newer build.
    if (m_options.checkUpgrade)
        StartUpgradeCheck(FALSE);
    // The size is restored whatever AutoCheckOnStart says, never larger than
    // the work area.
    CRect workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    SIZE stored = {(LONG)m_options.frameWidth, (LONG)m_options.frameHeight};
    SIZE size = FrameOptions::ClampToScreen(stored, workArea.Size());
    SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CMainFrame::ReportSaveFailure(LPCTSTR lpszWhat)
{
    CString text;
    text.Format("Tidewatch could not save %s.\nThe changes of this session are lost.", lpszWhat);
    ::MessageBoxA(m_hWnd, text, "Tidewatch", MB_OK | MB_ICONWARNING);
}

void CMainFrame::OnClose()
{
    // A failure is told once and never keeps the window open.
    if (!SaveOptions())
        ReportSaveFailure("its options in the registry");
    if (m_pTreeView != NULL)
    {
        m_pTreeView->StopChecks();   // no worker may run on while the store is written
        m_pTreeView->SaveKeywords(); // tells the user itself when it fails
    }
    SaveCommandBarState(kCommandBarProfile);
    // The window goes first, then the icon: the window does not wait for
    // the shell's answer (the program's end waits until the shell has the
    // call). The bars' state is saved before: it reads whether the status
    // bar shows.
    if (m_bTrayIconPending)
    {
        KillTimer(TIMER_TRAY_ICON);
        m_bTrayIconPending = FALSE;
        m_bStartupCheckPending = FALSE;
    }
    ShowWindow(SW_HIDE);
    m_trayIcon.RemoveIcon();
    CFrameWnd::OnClose();
}

void CMainFrame::OnOptions()
{
    COptionDlg dialog;
    FrameOptions& o = m_options;
    dialog.SetValues(o.playSoundOnNews, o.autoCheckEvery, o.autoCheckOnStart, o.showSummaryOnStart,
                     o.showSummary, o.autoCheckInterval, o.alertTime, o.checkUpgrade);
    if (dialog.DoModal() != IDOK)
        return;
    BOOL playSound, autoCheckEvery, autoCheckOnStart, showSummaryOnStart, showSummary, checkUpgrade;
    UINT interval, alertTime;
    dialog.GetValues(playSound, autoCheckEvery, autoCheckOnStart, showSummaryOnStart, showSummary, interval,
                     alertTime, checkUpgrade);
    o.playSoundOnNews = playSound;
    o.autoCheckEvery = autoCheckEvery;
    o.autoCheckOnStart = autoCheckOnStart;
    o.showSummaryOnStart = showSummaryOnStart;
    o.showSummary = showSummary;
    o.autoCheckInterval = interval;
    o.alertTime = alertTime;
    o.checkUpgrade = checkUpgrade;
    ApplyOptionsToTree();
}

void CMainFrame::HideKeywordPane()
{
    m_keywordSplitter.HideColumn(0);
}

void CMainFrame::OnKeywordSelChanged(LPCTSTR, HICON)
{}

LRESULT CMainFrame::OnShowKeywordPane(WPARAM, LPARAM)
{
    m_keywordSplitter.ShowColumn();
    return 0;
}

LRESULT CMainFrame::OnCaptionPopupClosed(WPARAM, LPARAM)
{
    return 0;
}

void CMainFrame::OnImportKeywords()
{
    if (m_pTreeView != NULL)
        m_pTreeView->ImportKeywords();
}

void CMainFrame::OnExportKeywords()
{
    if (m_pTreeView != NULL)
        m_pTreeView->ExportKeywords();
}

void CMainFrame::OnRemoveAllKeywords()
{
    if (m_pTreeView != NULL)
        m_pTreeView->OnRemoveAllKeywords();
}

void CMainFrame::OnAddKeyword()
{
    if (m_pTreeView != NULL)
        m_pTreeView->OnAddKeyword();
}

void CMainFrame::OnCheckAll()
{
    if (m_pTreeView != NULL)
        m_pTreeView->OnCheckEveryKeyword();
}
