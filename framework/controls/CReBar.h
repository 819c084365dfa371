#pragma once
// CReBar: the rebar control as a control bar along the top of a frame. Each band holds a child
// window (usually a toolbar); the bar is as high as the control's rows, and when the rows change
// (RBN_HEIGHTCHANGE) the frame lays its children out again.
#include "framework/controls/CControlBar.h"
#include "framework/controls/CReBarCtrl.h"

class CReBar : public CControlBar
{
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // Adds a band at the end holding pBar (made a child of the rebar), as wide and high as the
    // window is now, with an optional text.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = NULL, DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);

    CReBarCtrl& GetReBarCtrl() const { return *(CReBarCtrl*)this; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The bands' windows update themselves: they get the idle message like every descendant.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
