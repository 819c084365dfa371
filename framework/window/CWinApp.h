#pragma once
// CWinApp: the program's one application object. It runs the start-up
// (AfxWinMain: InitApplication, InitInstance, Run), owns the main window
// pointer, the document templates and the profile (registry or INI file).
#include "framework/window/CWinThread.h"
#include "framework/window/AppHelpers.h"
#include "framework/window/CCommandLineInfo.h"
#include "framework/window/CRecentFileList.h"

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    // Shows a message box for AfxMessageBox: owned by the main window, with
    // the application's name as its title.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // Disables or enables the main window around modal states of our own.
    virtual void EnableModeless(BOOL bEnable);

    // Resources.
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    // The profile. Without a registry key it is the INI file
    // m_pszProfileName; SetRegistryKey moves it to
    // HKEY_CURRENT_USER\Software\<key>\<m_pszProfileName>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Open keys the caller closes, created when missing; NULL without a
    // registry key or on failure. Reading the profile creates nothing.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A NULL entry deletes the whole section, a NULL value the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[] and belongs to the caller.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Document templates; the application deletes them at the end.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const
    {
        return (CDocTemplate*)m_templateList.GetNext(rPosition);
    }
    // A new document (NULL) or the document of a file, through the first
    // template that takes it.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    // The command line: ParseCommandLine reads the program's arguments,
    // ProcessShellCommand carries them out (FALSE: the program should end).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Reads the recent-file list of nMaxMRU entries (none for 0) and the
    // standard settings from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    afx_msg void OnAppExit();
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    // Owned strings (malloc); a program may replace them with its own
    // after freeing the old ones.
    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszHelpFilePath;
    LPCTSTR m_pszProfileName;
    LPCTSTR m_pszRegistryKey;
    CRecentFileList* m_pRecentFileList;
    UINT m_nNumPreviewPages;

    CPtrList m_templateList;

    // Called by AfxWinInit: names taken from the executable and resources.
    void SetCurrentHandles();

    DECLARE_MESSAGE_MAP()

private:
    // The section's key opened for reading; NULL when it (or the program's
    // key) is missing: reading never creates keys.
    HKEY OpenSectionKeyToRead(LPCTSTR lpszSection);
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Fills the application's instance data before InitInstance.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The framework's start-up and message loop; WinMain calls it.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
