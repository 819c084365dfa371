// CMainFrame: the program's one top-level window, the frame of the
// single-document template. OnCreate builds the status bar (status text and
// progress panes), the command bars (menu bar 128, toolbar 130), the images,
// the theme and the notification-area icon; OnCreateClient builds the two
// splitters with the keyword view, the news list and the preview pane from
// the options in the registry; WM_CLOSE saves the options, the keywords and
// the bars' options. The keyword view reaches it as its CKeywordPaneHost.
// MainFrameTray.cpp tells of new news (icon animation, alarm, balloons through
// its NewsNotifier), handles the icon's events and menu and minimises the
// window into the notification area; the icon's calls to the shell never keep
// the window's thread waiting (CQueuedTrayIcon).
#pragma once
#include "app/FrameOptions.h"
#include "app/FrameSplitterWnd.h"
#include "app/ItemTreeView.h"
#include "app/KeywordPaneHost.h"
#include "app/NewsNotifier.h"
#include "app/PreviewPane.h"
#include "app/QueuedTrayIcon.h"
#include "app/SkellrunView.h"
#include "app/TrayIconLocator.h"
#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTPStatusBar.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

class CXTPCommandBar;

extern const char kCommandBarProfile[];

class CMainFrame : public CXTPCommandBarsSiteFrame, public CKeywordPaneHost
{
public:
    DECLARE_DYNCREATE(CMainFrame)
    CMainFrame();
    ~CMainFrame() override;

    // Applies theme id 0 Office XP, 1 Office 2000, 2 Office 2003 or
    // 3 Windows XP to every themed part at once: the command bars' paint
    // manager, the controls' theme manager, the status bar, the shared header
    // theme and the keyword pane's caption; then redraws and lays out the
    // whole window (MainFrameTheme.cpp).
    void SetTheme(int nTheme);
    int GetTheme() const { return m_nTheme; }
    // A stored theme id; one outside 0..3 starts Office 2003.
    static int ValidTheme(int nStored);

    void LoadOptions();
    // Saves the sizes of the restored window and its panes and the options;
    // FALSE when a value could not be written.
    BOOL SaveOptions();
    const FrameOptions& GetOptions() const { return m_options; }
    // The keyword pane's caption was clicked: the pane goes until its popup
    // is pinned.
    void HideKeywordPane() override;
    void OnKeywordSelChanged(LPCTSTR lpszItemText, HICON hItemIcon) override;

    CXTPStatusBar& GetStatusBar() { return m_wndStatusBar; }
    // The task panel: made and destroyed with the frame, never given a
    // window; the theme switch sets its theme.
    CXTPTaskPanel& GetTaskPanel() { return m_wndTaskPanel; }
    CQueuedTrayIcon& GetTrayIcon() { return m_trayIcon; }
    CItemTreeView* GetTreeView() const { return m_pTreeView; }
    CSkellrunView* GetNewsList() const { return m_pNewsList; }
    CFrameSplitterWnd& GetKeywordSplitter() { return m_keywordSplitter; }
    CFrameSplitterWnd& GetNewsSplitter() { return m_newsSplitter; }
    BOOL IsPreviewShown() const { return m_bPreviewShown; }
    BOOL IsStatusBarShown() const;

    // Starts the upgrade-check thread unless a check runs already; only a
    // check the user asked for (bAsked) reports failure and "No update".
    // Asking while the start-up check runs makes that check answer the user.
    void StartUpgradeCheck(BOOL bAsked);
    BOOL IsUpgradeCheckRunning() const { return m_bUpgradeCheckRunning; }
    NewsNotifier& GetNotifier() { return m_notifier; }
    // The window went into the notification area on minimise.
    BOOL IsMinimisedToTray() const { return m_bMinimisedToTray; }
    // The next balloon of the sequence (NewsNotifier::ShowNextBalloon).
    void ShowNextBalloon();

    // The frame timer that finishes what start-up leaves for after the
    // window's first paint (timers come after every paint): the menus'
    // images, then the notification-area icon, then the start-up pass.
    enum
    {
        TIMER_TRAY_ICON = 3
    };
    // Adds the menus' images (toolbar resources 152, then 128) to the image
    // manager unless that was done already; the icon timer, every popup of
    // the bars before it lays itself out, and the customize sheet call it.
    // The toolbar's own buttons have the same pixels in those resources as
    // in its own, so the first paint looks as it would with them.
    void AddPendingMenuImages();
    // Adds the icon to the notification area unless that was done already,
    // after the menus' images, then starts the start-up pass when the options
    // ask for one; the icon timer, news and minimising call it. The shell
    // answers later (CQueuedTrayIcon): nothing here waits for it.
    void AddPendingTrayIcon();

    // Overridables (CFrameWnd's).
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

protected:
    // Minimise hides the window into the notification area while the icon is
    // there; every other message goes to the base.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnOptions();
    afx_msg LRESULT OnShowKeywordPane(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCaptionPopupClosed(WPARAM wParam, LPARAM lParam);
    // Import, Export, Remove All and Add Keyword run the keyword tree's own
    // commands, so they serve while the news list is the active view.
    afx_msg void OnImportKeywords();
    afx_msg void OnExportKeywords();
    afx_msg void OnRemoveAllKeywords();
    afx_msg void OnAddKeyword();
    afx_msg void OnCheckAll();
    // The status bar's check animation (MainFrameProgress.cpp): WM_CHECK_PROGRESS
    // starts timer 1 (a pass) or 2 (a single check) and its 100 stops it;
    // the ticks cycle the status text and move the progress bar. Only the
    // keyword tree view writes g_bUpdatingNews: these only show.
    afx_msg LRESULT OnCheckProgress(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // Makes the keyword-language combo (32802) and sets the toolbar
    // buttons' style while the bars are built from their resources.
    afx_msg LRESULT OnCreateControl(WPARAM wParam, LPARAM lParam);
    // A popup of the bars is about to lay itself out: the menus' images are
    // added first if start-up left them for later.
    afx_msg LRESULT OnInitCommandsPopup(WPARAM wParam, LPARAM lParam);

    // Themes (MainFrameTheme.cpp): the four theme commands with their checked
    // item, and a colour change that rebuilds the theme.
    afx_msg void OnThemeCommand(UINT nID);
    afx_msg void OnUpdateThemeCommand(CCmdUI* pCmdUI);
    afx_msg void OnSysColorChange();

    // The customize sheet over the command bars (MainFrameCustomize.cpp).
    afx_msg void OnCustomize();
    // A tool bar's controls were reset (lParam the bar): the new controls
    // get what the program gave the bar's controls at start (SetUpBarControls).
    afx_msg LRESULT OnToolBarReset(WPARAM wParam, LPARAM lParam);

    // Frame commands (MainFrameCommands.cpp).
    // The language combo's entry is looked for in the keyword tree.
    afx_msg void OnLanguageSelected(NMHDR* pNMHDR, LRESULT* pResult);
    // Shows or hides the preview pane's row; the item is checked while shown.
    afx_msg void OnPreviewPane();
    afx_msg void OnUpdatePreviewPane(CCmdUI* pCmdUI);
    // View > Status Bar shows or hides the status bar; the item is checked
    // while it shows. The bars' saved state keeps the choice.
    afx_msg void OnViewStatusBar();
    afx_msg void OnUpdateViewStatusBar(CCmdUI* pCmdUI);
    // Support, FAQ, forum and home pages of the maker's web site.
    afx_msg void OnWebPage(UINT nID);
    afx_msg void OnCheckUpgrade();
    // wParam: the site answered; lParam: a newer build exists.
    afx_msg LRESULT OnUpgradeResult(WPARAM wParam, LPARAM lParam);
    // The task panel's notifications: a clicked item's caption is looked for
    // in the keyword tree (0); a right click shows the item menu (1).
    afx_msg LRESULT OnTaskPanelNotify(WPARAM wParam, LPARAM lParam);
    // Commands of the resources that do nothing in this program.
    afx_msg void OnUnusedCommand(UINT nID);
    // News and the notification-area icon (MainFrameTray.cpp).
    afx_msg LRESULT OnNewsArrived(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAllRead(WPARAM wParam, LPARAM lParam);
    // The icon's mouse and balloon events; nonzero when handled here.
    afx_msg LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCeaseBalloons();
    afx_msg void OnCeaseAnimation();
    afx_msg void OnUpdateCeaseBalloons(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCeaseAnimation(CCmdUI* pCmdUI);
    // The About dialog and the help file's contents, index and search
    // (MainFrameHelp.cpp).
    afx_msg void OnAppAbout();
    afx_msg void OnHelpContents();
    afx_msg void OnHelpIndex();
    afx_msg void OnHelpSearch();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateStatusBar();
    // The command bars, not yet laid out: the theme set after them lays
    // them out.
    BOOL CreateBars();
    // The menu bar, the standard toolbar and the bars' stored state.
    BOOL AddBars(CXTPCommandBars* pCommandBars);
    // What the program gives a bar's controls once the bar is built: the
    // commands' long tips and descriptions (every one on the menu bar, those
    // meant for it on a tool bar) and the language combo's first entry.
    void SetUpBarControls(CXTPCommandBar* pBar);
    void ApplyOptionsToTree();
    // Tells the user once that something could not be saved.
    void ReportSaveFailure(LPCTSTR lpszWhat);
    void ApplyKeywordCaptionTheme();
    void RedrawWholeWindow();
    // A click on the balloon: opens its link unless the click hit the icon,
    // and marks its item read when the item still exists.
    void OnBalloonClicked();
    void MarkBalloonItemRead(NewsItem* pItem);
    void RestoreFromTray();
    // The icon is in the notification area, or on its way there: added, not
    // hidden, and not refused by the shell.
    BOOL IsTrayIconShown() const;
    // The icon's menu ("Cease Animation", "Cease Bollontip Notification")
    // through the command bars; FALSE when the menu is missing.
    BOOL ShowTrayMenu();
    // The status-text pane shows the text (after a space off the pane's edge).
    void ShowStatusText(LPCTSTR lpszText);
    void SetAnimationTexts(LPCTSTR lpszFirst, LPCTSTR lpszSecond, LPCTSTR lpszThird);

    int m_nTheme;
    CXTPStatusBar m_wndStatusBar;
    CXTFlatBorder<CXTPTaskPanel> m_wndTaskPanel;
    CFrameSplitterWnd m_keywordSplitter;
    CFrameSplitterWnd m_newsSplitter;
    CItemTreeView* m_pTreeView;
    CSkellrunView* m_pNewsList;
    CQueuedTrayIcon m_trayIcon;
    CProgressCtrl m_progress;
    CStatic m_statusText;
    CFont m_statusFont;
    FrameOptions m_options;
    BOOL m_bPreviewShown;
    // The Windows XP header look, once chosen, stays for the session.
    BOOL m_bWinXPHeaderInstalled;
    // One upgrade check at a time, however it was started.
    BOOL m_bUpgradeCheckRunning;
    BOOL m_bUpgradeAnswerWanted;
    NewsNotifier m_notifier;
    TrayIconLocator m_trayLocator;
    BOOL m_bMinimisedToTray;
    // The menus' images are not yet in the image manager (OnCreate until
    // AddPendingMenuImages).
    BOOL m_bMenuImagesPending;
    // The icon is made but not yet in the notification area (OnCreate until
    // AddPendingTrayIcon).
    BOOL m_bTrayIconPending;
    // The start-up pass waits for the icon (OnCreateClient until
    // AddPendingTrayIcon).
    BOOL m_bStartupCheckPending;
    // The status animation: its three texts, the next one's index, and
    // whether a pass (timer 1) or a single check (timer 2) animates.
    CString m_animationTexts[3];
    int m_nAnimationIndex;
    BOOL m_bPassAnimation;
    BOOL m_bSingleAnimation;
};
