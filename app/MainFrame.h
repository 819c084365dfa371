// CMainFrame: the program's one top-level window, the frame of the
// single-document template. OnCreate builds the status bar (status text and
// progress panes), the command bars (menu bar 128, toolbar 130), the images,
// the theme and the notification-area icon; OnCreateClient builds the two
// splitters with the keyword view, the news list and the preview pane from
// the options in the registry; WM_CLOSE saves the options, the keywords and
// the bars' options. The keyword view reaches it as its CKeywordPaneHost.
#pragma once
#include "app/FrameOptions.h"
#include "app/FrameSplitterWnd.h"
#include "app/ItemTreeView.h"
#include "app/KeywordPaneHost.h"
#include "app/PreviewPane.h"
#include "app/SkellrunView.h"
#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"
#include "toolkit/controls/XTPStatusBar.h"
#include "toolkit/controls/XTTrayIcon.h"

extern const char kCommandBarProfile[];

class CMainFrame : public CXTPCommandBarsSiteFrame, public CKeywordPaneHost
{
public:
    DECLARE_DYNCREATE(CMainFrame)
    CMainFrame();
    ~CMainFrame() override;

    // Applies theme id 0 Office XP, 1 Office 2000, 2 Office 2003 or
    // 3 Windows XP to the command bars, the controls and the status bar.
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
    CXTTrayIcon& GetTrayIcon() { return m_trayIcon; }
    CItemTreeView* GetTreeView() const { return m_pTreeView; }
    CSkellrunView* GetNewsList() const { return m_pNewsList; }
    CFrameSplitterWnd& GetKeywordSplitter() { return m_keywordSplitter; }

    // Overridables (CFrameWnd's).
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

protected:
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
    // Makes the keyword-language combo (32802) and sets the toolbar
    // buttons' style while the bars are built from their resources.
    afx_msg LRESULT OnCreateControl(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateStatusBar();
    BOOL CreateBars();
    void SetToolTips();
    void ApplyOptionsToTree();
    // Tells the user once that something could not be saved.
    void ReportSaveFailure(LPCTSTR lpszWhat);

    int m_nTheme;
    CXTPStatusBar m_wndStatusBar;
    CFrameSplitterWnd m_keywordSplitter;
    CFrameSplitterWnd m_newsSplitter;
    CItemTreeView* m_pTreeView;
    CSkellrunView* m_pNewsList;
    CXTTrayIcon m_trayIcon;
    CProgressCtrl m_progress;
    CStatic m_statusText;
    CFont m_statusFont;
    FrameOptions m_options;
};
