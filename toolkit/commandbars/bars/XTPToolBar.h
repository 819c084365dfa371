#pragma once
// CXTPToolBar: a command bar docked in one of the frame's four dock bars (or
// placed directly in a frame through WM_SIZEPARENT). It loads its buttons
// from an RT_TOOLBAR resource or an id array (offering each id to the site
// first with WM_XTP_CREATE_CONTROL), lays itself out for its dock row
// (CalcDockingLayout) with the expand button at its end, shows tool tips of
// its controls, and hides itself during print preview.
//
//     CXTPToolBar* pBar = pCommandBars->Add("Standard", xtpBarTop);
//     pBar->LoadToolBar(IDR_MAINFRAME);
#include "toolkit/commandbars/bars/XTPCommandBar.h"

class CXTPDockBar;
class CXTPBarTracker;

class CXTPToolBar : public CXTPCommandBar
{
    DECLARE_SERIAL(CXTPToolBar)
public:
    CXTPToolBar();
    ~CXTPToolBar() override;

    // Stores the dock flags (xtpFlagAlign..., xtpFlagFloating) and creates the
    // bar tracker, which remembers where the bar was dropped.
    void EnableDocking(DWORD dwFlags);
    // A bar outside a manager: a child window of pParentWnd with id nID.
    BOOL CreateToolBar(DWORD dwStyle, CWnd* pParentWnd, UINT nID = AFX_IDW_TOOLBAR);
    // Creates the bar's window when it does not exist and makes it a child
    // (docked) or an owned popup (floating).
    virtual BOOL CreateBarWindow(CWnd* pSite, BOOL bFloating);

    // Replaces the controls by one per id (0 makes the next begin a group).
    BOOL SetButtons(const UINT* pButtons, int nCount);

    CXTPDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) { m_pDockBar = pDockBar; }
    CXTPBarTracker* GetBarTracker() const { return m_pTracker; }
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsTearOff() const { return m_bTearOff; }
    void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
    // TRUE when a control is hidden for lack of room.
    BOOL HasHiddenControls() const;

    // Entering print preview hides a visible bar; leaving shows it again.
    void OnSetPreviewMode(BOOL bPreview);

    // The docked layout: the bar's size for a row of nLength (dwMode of
    // XTPLayoutMode bits); with xtpLayoutCommit the controls are placed, and
    // nWidth, when positive, is the row thickness.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0);

    // ---- CXTPCommandBar ----------------------------------------------------
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;
    void SetVisible(BOOL bVisible) override;
    BOOL IsVisible() const override;
    BOOL SetPosition(XTPBarPosition barPosition) override;
    void OnRecalcLayout() override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The bar's keys, then "BuiltIn", "TearOff", "Closeable", "ContextMenuPresent".
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // The tool-tip query of the bar's controls.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    // The expand button, found or made (hidden) at the end of the controls.
    CXTPControl* FindOrCreateExpandButton();
    CXTPControl* FindSpecialControl(int nID) const;
    // The controls' layout with the borders of the paint manager.
    CSize CalcControlsLayout(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nWidth);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    CXTPDockBar* m_pDockBar;
    CXTPBarTracker* m_pTracker;
    BOOL m_bBuiltIn;
    BOOL m_bTearOff;
    BOOL m_bPreviewVisible;
    BOOL m_bPreviewMode;
};
