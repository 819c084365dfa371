#pragma once
// CDocument: the data a template's views show. It keeps its views, its
// title and path, the modified flag, and routes commands on to its template.
#include "framework/window/CCmdTarget.h"

class CView;
class CFrameWnd;
class CDocTemplate;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    virtual ~CDocument();

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return (CView*)m_viewList.GetNext(rPosition); }
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // The last view gone closes a document that deletes itself.
    virtual void OnChangedViewList();
    // Retitles the frames showing the document.
    virtual void UpdateFrameCounts();
    int CountFramesShowing() const;

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Reads or writes the document through Serialize; a failure is
    // reported to the user and leaves FALSE.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Saves under lpszPathName, or asks for a name when it is NULL.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    // Destroys the frames showing the document, then the document itself
    // when it deletes itself.
    virtual void OnCloseDocument();
    // Asks to save a modified document: TRUE when it may be closed.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    BOOL m_bModified;
    BOOL m_bAutoDelete; // the document deletes itself with its last view
    BOOL m_bEmbedded;

protected:
    CDocument();

    CPtrList m_viewList;

    DECLARE_MESSAGE_MAP()
};
