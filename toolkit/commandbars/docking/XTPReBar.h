#pragma once
// CXTPReBar: a rebar control along the top of a frame whose bands are tool
// bars, an alternative to the dock bars. The frame creates it with the
// rebar's window id (AFX_IDW_REBAR); the manager then puts every custom bar
// the user makes into it as a band of its own (CXTPCommandBars::
// OnToolBarAdded). A tool bar in a band does not dock or float and has no
// gripper: the band's own gripper moves it.
//
//     m_wndReBar.Create(this);
//     m_wndReBar.AddToolBar(pCommandBars->GetToolBar(IDR_MAINFRAME));
//     m_wndReBar.LoadState("ReBar");     // order, widths, breaks and hidden bands
//     ...
//     m_wndReBar.SaveState("ReBar");
#include "framework/Controls.h"

class CXTPToolBar;

class CXTPReBar : public CReBar
{
    DECLARE_DYNAMIC(CXTPReBar)
public:
    CXTPReBar();

    // Adds the tool bar as the last band (style RBBS_...), sized to its
    // docked layout; a bar still in a dock bar leaves it, stops docking and
    // loses its gripper. The band's id is the bar's id.
    BOOL AddToolBar(CXTPToolBar* pToolBar, DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    // Deletes the band that holds the bar (nothing when none does).
    void DeleteToolBar(CXTPToolBar* pToolBar);
    // The tool bar in the band, NULL for another window or no band.
    CXTPToolBar* GetToolBar(int nBand) const;

    // The value "RebarStateInfo (v1.01)" of the profile section: one line
    // "wID=%04X,cx=%d,fStyle=%08X" per band. Loading puts the bands in the
    // saved order and gives them their widths, breaks and hidden states (a
    // hidden band's tool bar is hidden); lines that do not read as such, or
    // name no band, are passed over.
    void SaveState(LPCTSTR lpszProfileName);
    void LoadState(LPCTSTR lpszProfileName);

    // ---- CReBar ------------------------------------------------------------
    // The rebar's own size; each band holding a tool bar first takes the
    // bar's one-row size as its least size and its shortened layout for the
    // band's width as its ideal size.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
