// CWinApp's documents: the template list, new and open commands, and the
// start-up command line.
#include "framework/window/CWinApp.h"
#include "framework/window/CDocTemplate.h"
#include "framework/window/CDocument.h"
#include "framework/window/CWnd.h"
#include <commdlg.h>
#include "framework/window/StandardIds.h"
#include <stdlib.h>

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocument* pDocument = GetNextDocTemplate(pos)->OpenDocumentFile(lpszFileName);
        if (pDocument != NULL)
            return pDocument;
    }
    return NULL;
}

BOOL CWinApp::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos != NULL)
        GetNextDocTemplate(pos)->OpenDocumentFile(NULL);
}

namespace {

// "Name\0*.ext\0" for every template with a filter, then "All Files".
CString OpenFileFilter(const CWinApp& app)
{
    CString filter;
    POSITION pos = app.GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = app.GetNextDocTemplate(pos);
        CString name, extension;
        if (pTemplate->GetDocString(name, CDocTemplate::filterName) && !name.IsEmpty()
            && pTemplate->GetDocString(extension, CDocTemplate::filterExt) && !extension.IsEmpty())
            filter += name + '|' + '*' + extension + '|';
    }
    filter += "All Files (*.*)|*.*||";
    filter.Replace('|', '\0');
    return filter;
}

} // namespace

void CWinApp::OnFileOpen()
{
    CString filter = OpenFileFilter(*this);
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetOpenFileNameA(&ofn))
        OpenDocumentFile(path);
}

void CWinApp::OnFilePrintSetup()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
    pd.Flags = PD_PRINTSETUP;
    if (::PrintDlgA(&pd))
    {
        if (pd.hDevMode != NULL)
            ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames != NULL)
            ::GlobalFree(pd.hDevNames);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, 0, NULL, NULL))
            OnFileNew();
        return m_pMainWnd != NULL;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != NULL;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Print and end: the program exits once the document is printed.
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != NULL && m_pMainWnd != NULL)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        // Shell conversations and file-type registration are not offered.
        return FALSE;
    }
}
