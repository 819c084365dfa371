#pragma once
// CXTPPopupBar: the window of a drop-down menu, a submenu or a context menu:
// a command bar of type 2 at position 5 that opens next to the popup control
// that owns it, or at a screen point, inside the work area of its monitor.
// While some of its commands are hidden for infrequent use (the short menus
// of the command-bars options) it shows an expand button at its bottom;
// expanding shows them all. A popup taller than the work area is cut to it
// and scrolls its rows: resting the mouse on the arrow area at its top or
// bottom scrolls by one row every 80 ms (timers 5002 and 5001), and a row
// selected by the keyboard is scrolled into view. A popup may carry a
// tear-off strip at its top: dragged away from it, the popup's commands
// become a floating tool bar. It never takes the activation.
//
//     CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
//     pPopup->LoadMenu(&menu);
//     CXTPCommandBars::TrackPopupBar(pPopup, 0, pt.x, pt.y, pFrame);
//     pPopup->InternalRelease();
//
// Popup bars are made through the replaceable class pointer
// m_pPopupBarClass. CXTPPopupToolBar is the same window laid out as a
// tool bar (bar type 1).
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/layout/XTPPopupLayout.h"

#include <functional>

class CXTPToolBar;

class CXTPPopupBar : public CXTPCommandBar
{
    DECLARE_SERIAL(CXTPPopupBar)
public:
    CXTPPopupBar();
    ~CXTPPopupBar() override;

    // A new popup bar of m_pPopupBarClass for the manager (NULL allowed).
    static CXTPPopupBar* CreatePopupBar(CXTPCommandBars* pCommandBars);
    static CRuntimeClass* m_pPopupBarClass;

    // Opens at the screen point, keeping clear of rcExclude when given.
    BOOL Popup(int x, int y, LPCRECT rcExclude);
    // Shows the controls hidden for infrequent use (does nothing when none
    // are hidden or the popup is expanded already).
    void ExpandBar();
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL HasHiddenControls() const { return m_bHasHiddenControls; }

    int GetPopupFlags() const { return m_nPopupFlags; }
    void SetPopupFlags(int nFlags) { m_nPopupFlags = nFlags; }
    CRect GetExcludeRect() const { return m_rcExclude; }
    CPoint GetPopupPoint() const { return m_ptPopup; }

    // ---- Animation ----

    // The animation the popup plays as it opens (an XTPAnimationType): none
    // without a manager or with a child window (an edit or a combo box),
    // else as the options' "Animation" says (the system's menu settings for
    // the system default, fade, slide or unfold by chance for random).
    int GetAnimationType() const;

    // ---- Tear-off ----

    // With nID not 0 the popup shows a tear-off strip at its top: dragging it
    // more than 10 pixels away makes a floating tool bar of the popup's
    // commands with bar id nID, titled strCaption and, when nWidth is
    // positive, that wide (a bar of that id that exists already floats
    // instead). nID 0 removes the strip.
    void SetTearOffPopup(LPCTSTR strCaption, UINT nID, int nWidth);
    BOOL IsTearOffPopup(CString& strCaption, UINT& nID, int& nWidth) const;
    // The strip (client; empty without one) and whether the mouse rests on
    // it, which timer 5003 notices after the mouse came.
    enum
    {
        kTearOffTimer = 5003
    };
    CRect GetTearOffRect() const { return m_bTearOffPopup ? m_rcTearOffGripper : CRect(0, 0, 0, 0); }
    BOOL IsTearOffSelected() const { return m_bTearOffSelected; }

    // ---- Scrolling ----

    // Timers of the scroll areas while the mouse rests on one.
    enum
    {
        kScrollDownTimer = 5001,
        kScrollUpTimer = 5002
    };
    BOOL IsScrolling() const { return m_bScrolling; }
    // The first shown row and one past the last shown (scrolling only).
    int GetFirstShown() const { return m_nFirstShown; }
    int GetLastShown() const { return m_nLastShown; }
    // The up or down area (client), empty when it is not shown.
    CRect GetScrollArea(BOOL bUp) const { return bUp ? m_scrollUp.rc : m_scrollDown.rc; }
    // Stacks the rows that fit into the window of size *pSize (NULL: the
    // current client size), from the first shown row down or from the last
    // shown row up; the others are hidden by scrolling (xtpHideScroll).
    void UpdateScrolling(const CSize* pSize, BOOL bFromBottom, BOOL bRedraw);

    // ---- Row width ----

    // How wide a row of a popup laid out in a column may be, as a part of
    // the work area's width: one setting for every popup of the process,
    // 1/3 at start; 0 or less lets rows be as wide as their controls.
    static void SetMaxWidthRatio(double dRatio) { m_dMaxWidthRatio = dRatio; }
    static double GetMaxWidthRatio() { return m_dMaxWidthRatio; }

    // ---- Shadow, borders and the default item ----

    // The popup gets a drop shadow when it opens (shadows/XTPDropShadows).
    void SetShadow(BOOL bShadow) { m_bShadow = bShadow; }
    BOOL IsShadow() const { return m_bShadow; }
    // Left, top, right and bottom space around the rows.
    CRect GetPopupBorders() const { return m_rcBorders; }
    void SetPopupBorders(const CRect& rcBorders) { m_rcBorders = rcBorders; }

    // The default item (drawn bold): by index, or by command id among the
    // visible controls. GetDefaultItem answers the id (the index with
    // bByPos) of the first visible default control, or -1.
    void SetDefaultItem(UINT uItem, BOOL bByPos = FALSE);
    UINT GetDefaultItem(UINT gmdiFlags = 0, BOOL bByPos = FALSE) const;

    // The popup is tracked for its result: an executed control writes its id
    // here instead of sending its command (NULL: commands are sent).
    void SetReturnCommand(UINT* pnReturnCommand) { m_pnReturnCommand = pnReturnCommand; }
    UINT* GetReturnCommand() const { return m_pnReturnCommand; }
    // Showing the popup leaves the popups open at the time open (the context
    // menu of customize mode over a menu being customized).
    void SetKeepPopupsOpen(BOOL bKeep) { m_bKeepPopupsOpen = bKeep; }
    BOOL IsKeepPopupsOpen() const { return m_bKeepPopupsOpen; }
    void SetRightButtonTracking(BOOL bRight) { m_bRightButtonTracking = bRight; }
    // Bar type 1 (laid out as a tool bar) with TRUE, 2 with FALSE.
    void SetPopupToolBar(BOOL bToolBarType);

    // ---- Overridables ----

    // Works out the popup flags, the exclude rectangle and the point from the
    // control that opens the popup; nothing for a context menu.
    virtual void UpdateFlags();
    // Every visible control with an id takes its shortcut text from the
    // frame's accelerators.
    virtual void UpdateShortcuts();

    // The work area the popup keeps inside: that of the monitor nearest the
    // exclude rectangle, or of the monitor under the cursor for a context
    // menu. [the monitor's]
    virtual CRect GetWorkArea() const;

    // Places the window for its size in the work area and shows it; a popup
    // taller than the work area is cut to it and scrolls.
    void UpdateLocation(CSize sz);

    // ---- CXTPCommandBar ----

    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    // A row hidden by scrolling is scrolled into view first.
    BOOL SetSelected(int nIndex, BOOL bKeyboard = FALSE) override;
    BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bSelectFirst = FALSE) override;
    BOOL IsVisible() const override;
    void OnRecalcLayout() override;
    CXTPControlPopup* GetControlPopup() const override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnControlsChanged() override;
    // The base drawing, then the tear-off strip and the scroll arrows.
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The bar's keys, the tear-off keys, "Borders" and "ShowShadow".
    void DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL DestroyWindow() override;

protected:
    // Creates the popup window owned by the site (reused while it exists).
    BOOL CreatePopupWindow();
    // Hides the controls the manager reports hidden (the short menu) and
    // keeps the expand button in step.
    void UpdateExpandingState();
    // The expand button, made once when it is missing.
    CXTPControl* GetExpandButton(BOOL bCreate);
    // Lays out, places and shows the popup.
    void RecalcAndShow();
    // A new layout of the open popup: placed again, the growth played when
    // it expanded.
    void Relayout();
    // The popup's own shadow, made again (a bar at the popup position that
    // shows shadows).
    void UpdateBarShadows();
    // The opening animation, when the bar that opened the popup asked for it.
    void PlayOpeningAnimation();
    // The popup's picture as it is now, drawn off the screen, handed to play.
    void PlayAnimation(const std::function<void(CXTPPaintManager*, CDC*, CDC*, CRect)>& play);
    // The rows of a popup of type 2 in one column inside rcBorder; the popup's size.
    CSize LayoutColumn(CDC* pDC, CXTPPaintManager* pPaintManager, const CRect& rcBorder);

    // The size of the popup laid out as a tool bar inside rcBorder.
    CSize LayoutToolBar(CDC* pDC, const CRect& rcBorder);

    // The tear-off strip: the mouse coming onto it, timer 5003, and the
    // drag that makes the floating tool bar (on the capture loop).
    void TrackTearOffStrip(CPoint point);
    void OnTearOffTimer();
    void TearOff();
    // The drag's tool bar for the cursor at ptScreen: made (or the bar with
    // the tear-off id taken) when the cursor left the strip, hidden again
    // when it came back, moved with the cursor while it exists.
    void DragTearOffBar(CPoint ptScreen, BOOL bInside);
    CXTPToolBar* CreateTearOffBar();

    // One scroll area: its rectangle and its timer while it runs.
    struct CScrollArea
    {
        CRect rc;
        UINT_PTR nTimer; // 0 while stopped
        UINT nTimerId;
    };
    // Starts or stops the timers of the scroll areas for the mouse at point.
    void TrackScrollAreas(CPoint point);
    void StopScrollTimer(CScrollArea& area);
    // One step of a running scroll timer.
    void OnScrollTimer(CScrollArea& area);
    // The filled arrow of a shown scroll area.
    void DrawScrollArrow(CDC* pDC, const CScrollArea& area, BOOL bUp);
    // Back to all rows shown: the areas and their timers go.
    void ResetScrolling();

    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CXTPControlPopup* m_pControlPopup;
    CPoint m_ptPopup;
    CRect m_rcExclude;
    int m_nPopupFlags;
    BOOL m_bInLayout;
    BOOL m_bHasHiddenControls;
    BOOL m_bExpanded;
    BOOL m_bAnimateExpansion;
    BOOL m_bTearOffPopup;
    CRect m_rcTearOffGripper;
    BOOL m_bTearOffSelected;
    UINT_PTR m_nTearOffTimer;
    BOOL m_bTearOffTracking;
    CSize m_szTearOffBar;
    CXTPToolBar* m_pTearOffBar;
    CString m_strTearOffCaption;
    UINT m_nTearOffID;
    int m_nTearOffWidth;
    BOOL m_bShadow;
    CRect m_rcBorders;
    BOOL m_bScrolling;
    int m_nFirstShown;
    int m_nLastShown;
    CScrollArea m_scrollDown;
    CScrollArea m_scrollUp;
    // The borders of the last full layout, with the tear-off strip in the
    // top and the expand button in the bottom, and its separator height.
    CRect m_rcColumnBorders;
    int m_nSeparator;
    UINT* m_pnReturnCommand;
    BOOL m_bKeepPopupsOpen;

    static double m_dMaxWidthRatio;
};

// The popup bar laid out as a tool bar (bar type 1).
class CXTPPopupToolBar : public CXTPPopupBar
{
    DECLARE_SERIAL(CXTPPopupToolBar)
public:
    CXTPPopupToolBar();
    static CXTPPopupToolBar* CreatePopupToolBar(CXTPCommandBars* pCommandBars);
};
