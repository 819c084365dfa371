#pragma once
// CXTPCommandBar: the window base of every command bar (the menu bar, tool
// bars, popup bars). It holds the bar's CXTPControls, draws them through the
// paint manager, routes mouse messages to the control under the cursor, runs
// the bar's tracking mode (the keyboard and mouse loop of an open menu) with
// keyboard navigation and mnemonics, the hover timer, and the command-state
// updates of its controls through the frame's command routing.
//
// Bars are reference counted (CCmdTarget): the manager holds one reference
// per bar; the last release destroys the window, then the object. A bar that
// runs a control's click or execute holds a reference to itself and to the
// control for the length of the call, so a command handler may remove them.
//
// Bars reach their manager, paint manager and image manager through
// GetCommandBars (walking up from a popup to the bar that opened it).
#include "toolkit/commandbars/XTPCommandBarsDefines.h"
#include "toolkit/commandbars/input/XTPHookSink.h"

#include "framework/controls/COleDataObject.h" // DROPEFFECT

#include <vector>

class CXTPControls;
class CXTPControl;
class CXTPControlPopup;
class CXTPCommandBars;
class CXTPPaintManager;
class CXTPImageManager;
class CXTPPropExchange;
class CXTPCommandBarList;
class CXTPCommandBarAccessible;
class CXTPCustomizeDropSource;

// Keys that ProcessSpecialKey handles while a bar tracks.
enum XTPSpecialKey
{
    xtpKeyNext = 0,
    xtpKeyPrev = 1,
    xtpKeyBack = 2,
    xtpKeyPopup = 3,
    xtpKeyEscape = 4,
    xtpKeyReturn = 5,
    xtpKeyHome = 6,
    xtpKeyEnd = 7
};

// Tracking modes of a bar.
enum XTPTrackingMode
{
    xtpTrackingOff = 0,
    xtpTrackingOn = 1,
    xtpTrackingPopup = 2 // tracking with a control's popup open
};

class CXTPCommandBar : public CWnd, public CXTPHookSink
{
    DECLARE_SERIAL(CXTPCommandBar)
public:
    CXTPCommandBar();
    ~CXTPCommandBar() override;

    // ---- Relations -------------------------------------------------------
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    // The topmost bar of a popup chain (the bar itself when it has no parent).
    CXTPCommandBar* GetRootParent() const;
    // The manager's site; without a manager the root bar's owner window,
    // else the root window's owner, else the main window.
    CWnd* GetOwnerSite() const;
    // The window whose command routing updates and executes the controls.
    CWnd* GetCommandTarget() const;
    void SetCommandTarget(CWnd* pTarget) { m_pCommandTarget = pTarget; }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    BOOL IsCustomizeMode() const;

    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    // Both release the bar's previous own object and take the reference given.
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);

    // ---- Plain state -----------------------------------------------------
    CXTPControls* GetControls() const { return m_pControls; }
    CXTPControl* GetControl(int nIndex) const;
    int GetControlCount() const;
    XTPBarType GetType() const { return m_barType; }
    XTPBarPosition GetPosition() const { return m_barPosition; }
    // Records where the bar stands (the manager and dock bars set it).
    void SetBarPosition(XTPBarPosition barPosition) { m_barPosition = barPosition; }
    UINT GetBarID() const { return m_nBarID; }
    void SetBarID(UINT nID) { m_nBarID = nID; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle);
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlagsAdd, DWORD dwFlagsRemove = 0);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetWidth() const { return m_nMRUWidth; }
    void SetWidth(int nWidth) { m_nMRUWidth = nWidth; }
    int IsTrackingMode() const { return m_nTrackingMode; }
    BOOL IsLayoutRTL() const;
    BOOL IsCloseable() const { return m_bCloseable; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    BOOL IsKeyboardSelection() const { return m_bKeyboardSelection; }
    BOOL IsRightButtonTracking() const { return m_bRightButtonTracking; }
    void SetNoNotifications(BOOL bNone) { m_bNoNotifications = bNone; }

    // The selected (hot) control and the control whose popup is open.
    CXTPControl* GetSelected() const { return GetControl(m_nSelected); }
    int GetSelectedIndex() const { return m_nSelected; }
    int GetPopupedIndex() const { return m_nPopuped; }
    // The control (an edit or combo box whose window has the focus) that
    // sees the keys first while the bar tracks; NULL for none.
    CXTPControl* GetKeyControl() const { return m_pKeyControl; }
    void SetKeyControl(CXTPControl* pControl) { m_pKeyControl = pControl; }
    // Opens the popup of the control at nIndex (-1 closes the open one);
    // FALSE when nothing changed or the control is no enabled popup.
    BOOL SetPopuped(int nIndex, BOOL bKeyboard = FALSE);

    // Icon and button sizes, text below icons.
    CSize GetIconSize() const;
    void SetIconSize(CSize size);
    CSize GetButtonSize() const;
    void SetButtonSize(CSize size);
    BOOL IsTextBelowIcons() const;
    void SetTextBelowIcons(BOOL bTextBelow);

    // A new layout at the next update pass (the controls changed size).
    void DelayLayout() { m_dwPending |= pendingLayout; }
    // Redraw requests are held while the lock is taken.
    void LockRedraw() { m_nLockRedraw++; }
    void UnlockRedraw();

    // Mnemonics: the index of the control whose caption's '&' character (else
    // its first character) is chUpper, looking from the control after the
    // selected one once around the bar; bAmbiguous tells of a second match.
    int FindAccel(TCHAR chUpper, BOOL& bAmbiguous) const;
    // The first control, in order, whose '&' character is chUpper; -1 none.
    int FindAccelFirst(TCHAR chUpper) const;

    // Whether the next popup opened from this bar plays its opening
    // animation: asked for as the bar enters tracking mode, cleared by the
    // popup that played it (so moving between a menu bar's menus does not
    // animate each of them).
    BOOL IsPopupAnimationRequested() const { return m_bAnimatePopup; }
    void RequestPopupAnimation(BOOL bAnimate) { m_bAnimatePopup = bAnimate; }

    // Loads a menu into the bar (optionally removing the controls first).
    BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);

    // Shows the control's description in the owner site's status bar and
    // tells the site which control is selected.
    void OnStatusBarText(CXTPControl* pControl, UINT nID);

    // ---- Overridables (base behaviour in brackets) ------------------------
    // [sets the pending redraw]
    virtual void DelayRedraw();
    // Enters (nMode 1 or 2) or leaves (0) the bar's menu loop; see the .cpp.
    virtual BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    // Selects the control at nIndex (-1 none); FALSE when unchanged.
    virtual BOOL SetSelected(int nIndex, BOOL bKeyboard = FALSE);
    // [FALSE] tool bars load their RT_TOOLBAR resource.
    virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    // [FALSE] popup bars open at a control.
    virtual BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bSelectFirst = FALSE);
    // [nothing] / [FALSE]
    virtual void SetVisible(BOOL bVisible);
    virtual BOOL IsVisible() const;
    // [nothing; FALSE]
    virtual BOOL SetPosition(XTPBarPosition barPosition);
    // [the customizable flag]
    virtual BOOL IsCustomizable() const;
    // [nothing] lays the bar out again.
    virtual void OnRecalcLayout();
    // [NULL] the popup control that opened this bar.
    virtual CXTPControlPopup* GetControlPopup() const;
    // [FALSE]
    virtual BOOL IsDialogBar() const;
    // The bar's settings and, in the section "Controls", its controls; a
    // derived bar calls this first and adds its own keys after it.
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    // [adds the bar, then the popup bars of its controls and original
    // controls, each once, depth first] The manager numbers the popup bars
    // that have no id yet.
    virtual void GenerateCommandBarList(CXTPCommandBarList* pList);
    // [each popup control, also among the original controls, takes its
    // loaded popup bar from the list; a control that refuses its bar is
    // removed]
    virtual void RestoreCommandBarList(CXTPCommandBarList* pList);
    // [the bar's controls] every control collection the bar saves, so the
    // two list operations above reach their popup bars.
    virtual void GetSavedControls(std::vector<CXTPControls*>& arrControls) const;
    // The key handling while the bar tracks: 0 not handled, 1 handled,
    // 2 handled and closing.
    virtual int OnHookKeyDown(UINT nChar, LPARAM lParam);
    // [0 x 0] the floating layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Navigation keys of the menu loop; TRUE when the bar takes the key,
    // FALSE when it is offered on to the bar that opened this one. The keys
    // that move the selection (next, previous, home, end) are taken whenever
    // the bar has a control to select, moved or not.
    virtual BOOL ProcessSpecialKey(XTPSpecialKey key);
    // Fills the bar, its gripper, the controls and separators.
    virtual void DrawCommandBar(CDC* pDC, CRect rcClipBox);
    // [selection and popup cleared, new layout pending]
    virtual void OnControlsChanged();
    // Copies the bar's settings and a duplicate of its controls.
    virtual void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    // [the point inside the window] 1 inside, 0 outside.
    virtual int PtInBar(POINT point) const;
    // Updates the controls' enabled, checked and caption states.
    virtual void UpdateCommandBar(BOOL bDisableIfNoHandler = TRUE);
    // A new bar of the same class, copied from this one, without its bar
    // number: the clone takes a number of its own when the state is saved.
    virtual CXTPCommandBar* Clone(BOOL bRecursive);

    // ---- Customize mode (XTPCommandBarCustomize.cpp) ----------------------
    // A customize drag entering the bar, moving over it (client point) and
    // leaving it. Over a customizable, visible bar the insertion marker
    // follows the point; the answer is the drop effect the drag source asks
    // for (DROPEFFECT_MOVE or DROPEFFECT_COPY), DROPEFFECT_NONE where the
    // control may not go.
    DROPEFFECT OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point);
    DROPEFFECT OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point);
    void OnCustomizeDragLeave();
    // The drop at ptDrop of a drag begun at ptDrag (client points): a clone
    // of the control goes in at the insertion point and becomes the control
    // selected for customizing. A control dropped on itself only starts or
    // leaves a group, when dragged 5 pixels or more, and dropEffect becomes
    // XTP_DROPEFFECT_CANCEL.
    void OnCustomizeDrop(CXTPControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag);
    // Where a control dragged to the point would go: before or after
    // (bAfter) the control at nIndex, the nearest by its centre, with the
    // marker's rectangle; nIndex -1 and the marker at the bar's start when no
    // control can take it; an empty marker on the dragged control itself.
    void CalcInsertPosition(CXTPControl* pControl, CPoint point, CRect& rcMarker, int& nIndex,
                            BOOL& bAfter) const;
    CRect GetDropMarker() const { return m_rcMarker; }
    // The drag source the bar is registered with (it sets and clears this).
    void SetDropSource(CXTPCustomizeDropSource* pDropSource) { m_pDropSource = pDropSource; }

    // Hook sink: keys while the bar tracks.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // Releasing the last reference destroys the window, then the object.
    void OnFinalRelease() override;

protected:
    // Bits of the pending field.
    enum PendingFlags
    {
        pendingLayout = 1,
        pendingRedraw = 2
    };

    // Builds controls from a menu's items (separators start groups).
    void BuildFromMenu(CMenu* pMenu);
    // Puts pControls (the bar takes over the caller's reference) in place of
    // the bar's collection and hands the old one back with its reference:
    // detached from the bar, it keeps the bar's manager.
    CXTPControls* ExchangeControls(CXTPControls* pControls);
    // Runs the update handlers of each control in pTarget's routing.
    void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHandler);
    // Sets or clears hide flag 64 from the active document template.
    void RefreshHiddenFlags();
    // The control under a client point, NULL for none.
    CXTPControl* HitTest(CPoint point) const;

    // Customize mode: the bar takes customize drags while its window lives.
    void RegisterAsDropTarget();
    void RevokeDropTarget();
    // Positions left and right and popup bars run vertically for the marker.
    BOOL IsVerticalForCustomize() const;
    // The I-beam insertion marker, drawn inverted.
    void DrawDropMarker(CDC* pDC) const;
    // The two-pixel black frame of the control selected for customizing.
    static void DrawCustomizeFrame(CDC* pDC, CXTPControl* pControl);
    // The resize cursor over an edge of the selected resizable control;
    // FALSE when it does not apply.
    BOOL SetCustomizeCursor(CPoint point);
    // Alt and a press on a control of a tool bar move the control without
    // the customize sheet; FALSE when that does not apply.
    BOOL QuickCustomize(CXTPControl* pControl, CPoint point);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    // While the frame is in context-help mode the control under the point
    // decides: a submenu without an id is HTMENU, anything else HTCLIENT.
    afx_msg LRESULT OnNcHitTest(CPoint point);
    // In context-help mode a press anywhere acts as a press in the client area.
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    // The accessibility object for the client or menu object ids.
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nMRUWidth;
    int m_nSelected;
    int m_nPopuped;
    HWND m_hwndFocus;
    UINT m_nBarID;
    BOOL m_bVisible;
    int m_nTrackingMode;
    CWnd* m_pOwner;
    DWORD m_dwPending;
    DWORD m_dwFlags;
    DWORD m_dwStyle;
    CString m_strTitle;
    XTPBarType m_barType;
    CXTPControl* m_pKeyControl;
    CXTPControls* m_pControls;
    XTPBarPosition m_barPosition;
    CXTPCommandBars* m_pCommandBars;
    CWnd* m_pCommandTarget;
    CSize m_szIcons;
    CSize m_szButtons;
    int m_nTextBelowIcons;
    BOOL m_bRightButtonTracking;
    BOOL m_bNoNotifications;
    BOOL m_bKeyboardSelection;
    BOOL m_bCloseable;
    BOOL m_bCustomizable;
    BOOL m_bContextMenuPresent;
    BOOL m_bTrackingWithoutInput;
    int m_nLockRedraw;
    BOOL m_bAnimatePopup;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    // Made at the first WM_GETOBJECT; the bar holds one reference.
    CXTPCommandBarAccessible* m_pAccessible;
    CRect m_rcMarker;
    BOOL m_bVerticalMarker;
    CXTPCustomizeDropSource* m_pDropSource;

private:
    // The site frame is in context-help mode.
    BOOL IsInHelpMode() const;
    // Selects the control at nIndex by keyboard (one the mouse selected
    // becomes the keyboard's); TRUE when there is one (nIndex not -1),
    // whether or not the selection changed.
    BOOL SelectByKey(int nIndex);
};

// The command-update object of one control of a bar: Enable marks the update
// handled and sets the control's enabled state, SetCheck its checked state,
// SetText its caption.
class CXTPCommandBarCmdUI : public CCmdUI
{
public:
    explicit CXTPCommandBarCmdUI(CXTPControl* pControl);
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR lpszText) override;

private:
    CXTPControl* m_pControl;
};
