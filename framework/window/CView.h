#pragma once
// CView: a child window that shows a document. It joins its document when
// created, takes part in command routing (view, then document), paints
// through OnDraw and becomes the frame's active view when clicked.
#include "framework/window/CWnd.h"
#include "framework/window/CPrintInfo.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC) = 0;
    // Sent once the frame, the document and every view exist.
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // Called before every paint and every printed page; when printing a
    // view that does not know its page count, only page 1 is printed.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    // Whether the document item (an embedded object of an OLE container
    // document) is selected in this view; none is in the base.
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    // Printing: OnFilePrint (ID_FILE_PRINT, or ID_FILE_PRINT_DIRECT without
    // the dialog) asks OnPreparePrinting, which normally calls
    // DoPreparePrinting for the printer, then prints page by page through
    // OnPrint, which draws with OnDraw.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    afx_msg void OnFilePrint();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CDocument* m_pDocument;

protected:
    CView();
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
