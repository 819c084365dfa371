// CXTPCommandBarsSiteFrame: a frame window that hosts command bars. It makes
// the command-bars manager, hands it the frame's keyboard and window
// messages first, routes command-bar control notifications through the
// message map, saves and loads the bars' options and state, and keeps its
// floating bars in front of it: once it was shown or activated, and when
// idle, should the system have stacked it over them.
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
