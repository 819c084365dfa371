// CSkellrunApp: the program's application object. InitInstance sets up the
// profile, the single-document template (CSkellrunDoc, CMainFrame,
// CSkellrunView), the program folder, and creates and shows the main window.
// CSkellrunDoc: the template's document, which holds nothing.
#pragma once
#include "framework/Window.h"

class CSkellrunApp : public CWinApp
{
public:
    CSkellrunApp();
    BOOL InitInstance() override;
    // Before the program ends, the notification-area icon's last calls (its
    // removal) are handed to the shell.
    int ExitInstance() override;
    // The checks' own messages (a fetched page, the progress of a check) do
    // not start the idle-time update of the bars: a pass sends hundreds of
    // them, nothing that the update shows depends on them, and each update
    // asks every window of the frame. Every other message does, as the base
    // decides.
    BOOL IsIdleMessage(MSG* pMsg) override;

    // The folder of an executable path made full (a relative path counts
    // from the current folder), without a trailing backslash.
    static CString ProgramFolderOfModule(LPCTSTR lpszModulePath);

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};

class CSkellrunDoc : public CDocument
{
public:
    DECLARE_DYNCREATE(CSkellrunDoc)
    void Serialize(CArchive& ar) override;
};
