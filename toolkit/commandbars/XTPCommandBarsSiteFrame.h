// CXTPCommandBarsSiteFrame: a frame window that hosts command bars. It makes
// the command-bars manager, hands it the frame's keyboard and window
// messages first, routes command-bar control notifications through the
// message map, saves and loads the bars' options and state, and keeps its
// floating bars in front of it: once it was shown or activated, and when
// idle, should the system have stacked it over them. Hidden without being
// minimised (HideWithFloatingBars), it takes its floating bars along.
//
//   class CMainFrame : public CXTPCommandBarsSiteFrame { ... };
//   int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
//   {
//       ...
//       if (!CreateCommandBars(RUNTIME_CLASS(CXTPCommandBars))) return -1;
//       GetCommandBars()->SetMenu("Menu Bar", IDR_MAINFRAME);
//   }
#pragma once
#include "framework/Window.h"

class CXTPCommandBars;

class CXTPCommandBarsSiteFrame : public CFrameWnd
{
public:
    CXTPCommandBarsSiteFrame();
    ~CXTPCommandBarsSiteFrame() override;

    // Sets paint-manager theme 1 when there is no paint manager yet, creates
    // the manager of the class, makes this frame its site and adds the dock
    // bars.
    BOOL CreateCommandBars(CRuntimeClass* pCommandBarsClass);
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // The bars' options, then their state (only customised bars when
    // saving), under the profile name.
    void SaveCommandBarState(LPCTSTR lpszProfileName);
    void LoadCommandBarState(LPCTSTR lpszProfileName, BOOL bSilent = FALSE);

    // Hides the frame without minimising it (a program that keeps its window
    // in the notification area), and its bars' windows with it as minimising
    // would: open menus and the tool tip close, the floating bars hide and
    // stay shown in the bars' state.
    void HideWithFloatingBars();
    // Shows the frame again (nCmdShow) with the floating bars the user keeps
    // shown, in front of it.
    void ShowWithFloatingBars(int nCmdShow = SW_SHOW);

    // Overridables (CFrameWnd's, with the command bars asked first).
    // Keys: a bar's edit field with the focus gets every key but Enter, Tab
    // and Esc untranslated; other keys go to the command bars, then to the
    // frame's accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CXTPCommandBars* m_pCommandBars;
};
