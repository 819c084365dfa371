#pragma once
// CXTListView and CXTListCtrl: a list view and a list control with the
// toolkit's list extensions (CXTListBase, XTListBase.h). CXTListBaseT joins
// CXTListBase to a framework list class: it owns the message map that gives
// the list buffered painting, custom-draw colours, the toolkit font after
// creation, the saving of column widths at destruction, and passes header
// notifications to CXTListBase::OnNotify before the list's own handling.
#include "framework/Window.h"
#include "framework/Controls.h"
#include "toolkit/controls/XTListBase.h"

// Posted or sent to the list once after creation or subclassing: the first
// one applies the toolkit's font.
#define XTWM_INITLISTFONT 0x0DDD

template <class TBase>
class CXTListBaseT : public TBase, public CXTListBase
{
public:
    CXTListBaseT() : m_bInitFont(TRUE) {}

    // The list base's forms win over the list control's.
    using CXTListBase::GetExtendedStyle;
    using CXTListBase::GetHeaderCtrl;
    using CXTListBase::SetExtendedStyle;

protected:
    void PreSubclassWindow() override
    {
        TBase::PreSubclassWindow();
        TBase::PostMessage(XTWM_INITLISTFONT);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (CXTListBase::OnNotify(wParam, lParam, pResult))
            return TRUE;
        return TBase::OnNotify(wParam, lParam, pResult);
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        int nResult = TBase::OnCreate(lpCreateStruct);
        if (nResult != -1)
            TBase::SendMessage(XTWM_INITLISTFONT);
        return nResult;
    }
    afx_msg void OnCustomDrawList(NMHDR* pNMHDR, LRESULT* pResult) { OnCustomDraw(pNMHDR, pResult); }
    afx_msg void OnDestroy()
    {
        OnDestroyList();
        TBase::OnDestroy();
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        PaintList(&dc);
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        TBase::OnSettingChange(uFlags, lpszSection);
        RefreshMetrics();
    }
    afx_msg LRESULT OnInitListFont(WPARAM, LPARAM)
    {
        if (m_bInitFont)
        {
            m_bInitFont = FALSE;
            UpdateFont();
        }
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bInitFont;
};

BEGIN_TEMPLATE_MESSAGE_MAP(CXTListBaseT, TBase, TBase)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDrawList)
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_CREATE()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(XTWM_INITLISTFONT, OnInitListFont)
END_MESSAGE_MAP()

class CXTListView : public CXTListBaseT<CListView>
{
    DECLARE_DYNCREATE(CXTListView)
public:
    CXTListView();
};

class CXTListCtrl : public CXTListBaseT<CListCtrl>
{
    DECLARE_DYNCREATE(CXTListCtrl)
public:
    CXTListCtrl();
};
