#include "app/SkellrunApp.h"

#include "app/AppMessages.h"
#include "app/MainFrame.h"
#include "app/NewsFetch.h"
#include "app/NotifyIconQueue.h"
#include "app/SkellrunView.h"
#include "engine/ProgramFolder.h"
#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(CSkellrunApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CSkellrunApp::CSkellrunApp()
{}

CString CSkellrunApp::ProgramFolderOfModule(LPCTSTR lpszModulePath)
{
    char fullPath[MAX_PATH];
    DWORD length = ::GetFullPathNameA(lpszModulePath, MAX_PATH, fullPath, NULL);
    if (length == 0 || length >= MAX_PATH)
        return FolderOfModulePath(lpszModulePath);
    return FolderOfModulePath(fullPath);
}

BOOL CSkellrunApp::InitInstance()
{
    AfxEnableControlContainer();
    AfxInitRichEdit();
    SetRegistryKey("Quorvane Tidewatch Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CSkellrunDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CSkellrunView)));
    char modulePath[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(NULL, modulePath, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        SetProgramFolder(ProgramFolderOfModule(modulePath));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CSkellrunApp::ExitInstance()
{
    NotifyIconQueue::WaitBeforeExit();
    return CWinApp::ExitInstance();
}

BOOL CSkellrunApp::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_NEWS_FETCHED || pMsg->message == WM_CHECK_PROGRESS)
        return FALSE;
    return CWinApp::IsIdleMessage(pMsg);
}

// The main window answers the About command itself.
void CSkellrunApp::OnAppAbout()
{}

IMPLEMENT_DYNCREATE(CSkellrunDoc, CDocument)

void CSkellrunDoc::Serialize(CArchive&)
{}
