#pragma once
// CXTPToolBar: a command bar docked in one of the frame's four dock bars, or
// floating as an owned popup window of its own (or placed directly in a
// frame through WM_SIZEPARENT). It loads its buttons from an RT_TOOLBAR
// resource or an id array (offering each id to the site first with
// WM_XTP_CREATE_CONTROL), lays itself out for its dock row
// (CalcDockingLayout) with the expand button at its end, or as a floating
// window (CalcDynamicLayout) under a caption with its close and expand
// buttons, shows tool tips of its controls, and hides itself during print
// preview and, floating, while its frame is inactive or out of sight with
// its floating bars (CXTPCommandBars::ShowFloatingBarWindows): then its
// window stays hidden whatever shows it, until the frame comes back. A
// floating bar never takes the activation from its frame nor keeps the
// focus, so keys go on reaching the window the user worked in when the bar
// is floated, moved or docked.
//
//     CXTPToolBar* pBar = pCommandBars->Add("Standard", xtpBarTop);
//     pBar->LoadToolBar(IDR_MAINFRAME);
//
// The mouse moves it: a press on empty bar space drags it (its bar tracker,
// docking/XTPBarTracker, docks it into the dock bar under the cursor or
// floats it), a press on a floating bar's edge resizes it, a double click
// switches between docked and floating, and a right click shows the bars'
// context menu. Its expand popup holds the controls hidden for lack of room
// and the "Add or Remove Buttons" list (BuildCustomizeList).
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
    // The first index from nStart whose control has the id and type of
    // pControl; -1 for none (or a NULL control).
    static int FindControlIndex(CXTPControls* pControls, CXTPControl* pControl, int nStart);
    // Fills the popup with one item per button of the bar and its original
    // set: checked while the button is shown, unchecked for one the user
    // hid; buttons of the original set that are gone come back hidden.
    // A built-in bar with an original set ends the list with "Reset".
    void BuildCustomizeList(CXTPCommandBar* pPopup);

    // Floating: lays the bar out and puts its window at the top-left given,
    // moved onto the work area of the nearest monitor.
    void PlaceFloating(CPoint ptTopLeft);

    CXTPDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) { m_pDockBar = pDockBar; }
    CXTPBarTracker* GetBarTracker() const { return m_pTracker; }
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsTearOff() const { return m_bTearOff; }
    void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
    // TRUE when a control is hidden for lack of room.
    BOOL HasHiddenControls() const;
    // Where a focus the bar was given goes back to (a bar of a frame does
    // nothing with keys): the window of its frame that had the focus before
    // it came into the bar, or the frame, which hands it to its active view,
    // when that window is gone or was not the frame's. NULL for a bar without
    // a tracker (hosted in a dialog, it takes the keys itself) and while the
    // frame is gone or disabled.
    HWND GetFocusReturnWindow() const;

    // Entering print preview hides a visible bar; leaving shows it again
    // (the menu bar then asks the site frame for its menu).
    void OnSetPreviewMode(BOOL bPreview);

    // The docked layout: the bar's size for a row of nLength (dwMode of
    // XTPLayoutMode bits); with xtpLayoutCommit the controls are placed, and
    // nWidth, when positive, is the row thickness.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0);

    // ---- Overridables ------------------------------------------------------
    // For a built-in, customizable bar with an id, after the user confirms:
    // the controls go back to the original set (or the toolbar resource).
    virtual void Reset();

    // ---- CXTPCommandBar ----------------------------------------------------
    // The floating layout: a caption row (the gripper's height) with the
    // close button and, with room for it, the expand button at its right end
    // over the controls' layout; nLength and dwMode as the controls' dynamic
    // layout takes them.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // In a dialog (no tracker, a parent): Tab and Shift+Tab move the focus
    // to the next and previous tab item; other keys: the base handling.
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
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
    // Asks the user, through the application, the reset question of the
    // string resource formatted with the bar's title; TRUE on OK.
    BOOL ConfirmReset(UINT nIDQuestion) const;
    // The expand and close buttons, found or made (hidden) at the end of the
    // controls, where they stay.
    CXTPControl* FindOrCreateSpecialControl(int nID, CRuntimeClass* pClass);
    CXTPControl* FindOrCreateExpandButton();
    CXTPControl* FindOrCreateCloseButton();
    CXTPControl* FindSpecialControl(int nID) const;
    // The caption's size from the paint manager (a client DC with the bar font).
    CSize MeasureGripper();
    // The control's index on this bar; -1 for NULL or a control elsewhere.
    int IndexInBar(CXTPControl* pControl) const;
    // Shows the floating window at the top of the z-order, above its owner.
    void ShowAboveOwner();
    // The controls' layout with the borders of the paint manager; pnRows as
    // CXTPControls::CalcDynamicSize gives it.
    CSize CalcControlsLayout(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nWidth,
                             int* pnRows = NULL);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pPos);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // A floating bar that still has the focus it got (not an edit field of
    // its own) hands it back (GetFocusReturnWindow).
    afx_msg LRESULT OnHandFocusBack(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    CXTPDockBar* m_pDockBar;
    CXTPBarTracker* m_pTracker;
    BOOL m_bBuiltIn;
    BOOL m_bTearOff;
    BOOL m_bPreviewVisible;
    BOOL m_bPreviewMode;
    // The window that had the focus when it last came into the bar from
    // outside (not from a field of the bar's own); NULL for none.
    HWND m_hWndFocusBefore;
};
