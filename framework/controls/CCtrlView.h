#pragma once
// CCtrlView: a view that is a common control (the window class names the control); the control
// paints itself, so OnDraw has nothing to do. CTreeView and CListView are the tree and list
// controls as views; GetTreeCtrl and GetListCtrl give the view window as its control wrapper.
#include "framework/window/CView.h"
#include "framework/controls/CListCtrl.h"
#include "framework/controls/CTreeCtrl.h"

class CCtrlView : public CView
{
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnPaint();

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};

class CTreeView : public CCtrlView
{
    DECLARE_DYNCREATE(CTreeView)
public:
    CTreeView();
    CTreeCtrl& GetTreeCtrl() const { return *(CTreeCtrl*)this; }
};

class CListView : public CCtrlView
{
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    CListCtrl& GetListCtrl() const { return *(CListCtrl*)this; }
};
