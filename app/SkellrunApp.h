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
