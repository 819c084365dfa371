#include "framework/window/CDocument.h"
#include "framework/window/CDocTemplate.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "framework/window/CFrameWnd.h"
#include "framework/window/CView.h"
#include "framework/window/CWinApp.h"
#include "framework/window/StandardIds.h"
#include <commdlg.h>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE)
{}

CDocument::~CDocument()
{
    // Views outliving their document must not call back into it.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
        GetNextView(pos)->m_pDocument = NULL;
    if (m_pDocTemplate != NULL)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    char fullPath[MAX_PATH];
    char* fileName = NULL;
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, fullPath, &fileName) == 0)
        lstrcpynA(fullPath, lpszPathName, MAX_PATH);
    m_strPathName = fullPath;
    SetTitle(fileName != NULL ? fileName : fullPath);
    CWinApp* pApp = AfxGetApp();
    if (bAddToMRU && pApp != NULL)
        pApp->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

int CDocument::CountFramesShowing() const
{
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && frames.Find(pFrame) == NULL)
            frames.AddTail(pFrame);
    }
    return (int)frames.GetCount();
}

void CDocument::UpdateFrameCounts()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && pFrame->m_hWnd != NULL)
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::DeleteContents()
{}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

namespace {

void ReportFileError(CException* e, LPCTSTR lpszPathName, LPCTSTR lpszAction)
{
    char reason[256] = "";
    e->GetErrorMessage(reason, sizeof reason);
    e->Delete();
    CString prompt;
    prompt.Format("Cannot %s %s.\n%s", lpszAction, lpszPathName, reason);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
}

} // namespace

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException* pError = new CFileException;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, pError))
    {
        ReportFileError(pError, lpszPathName, "open");
        return FALSE;
    }
    pError->Delete();
    DeleteContents();
    try
    {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        Serialize(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        DeleteContents();
        ReportFileError(e, lpszPathName, "read");
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException* pError = new CFileException;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, pError))
    {
        ReportFileError(pError, lpszPathName, "save");
        return FALSE;
    }
    pError->Delete();
    try
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        Serialize(ar);
        ar.Close();
        file.Close();
    }
    catch (CException* e)
    {
        file.Abort();
        ::DeleteFileA(lpszPathName); // no half-written file stays behind
        ReportFileError(e, lpszPathName, "save");
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path = lpszPathName;
    if (path.IsEmpty())
    {
        char buffer[MAX_PATH];
        lstrcpynA(buffer, m_strTitle, MAX_PATH);
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        if (!::GetSaveFileNameA(&ofn))
            return FALSE;
        path = buffer;
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    DWORD attributes = ::GetFileAttributesA(m_strPathName);
    bool bWritable = !m_strPathName.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES
                     && !(attributes & FILE_ATTRIBUTE_READONLY);
    return DoSave(bWritable ? (LPCTSTR)m_strPathName : NULL);
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document must not
    // delete itself from inside that.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL)
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
        // A view that survived its frame leaves the list all the same.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString prompt = "Save changes to " + (m_strPathName.IsEmpty() ? m_strTitle : m_strPathName) + "?";
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Only closing the last frame closes the document.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pOther = GetNextView(pos)->GetParentFrame();
        if (pOther != NULL && pOther != pFrame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != NULL && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
