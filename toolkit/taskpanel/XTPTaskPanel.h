#pragma once
// CXTPTaskPanel: a window that shows groups (CXTPTaskPanelGroup) one below
// the other, each a caption over its items. It lays them out, animates
// their opening and closing (timer 200), scrolls with a vertical scroll bar
// or, when only one group is open at a time, scrolls inside that group with
// two scroll buttons, paints through an exchangeable painter chosen by a
// theme id, tracks the mouse and the keyboard and tells its owner what
// happened with WM_TASKPANEL_NOTIFY (XTPTaskPanelDefines.h).
//
//     CXTPTaskPanel panel;
//     panel.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 400), pParent, ID_TASKPANEL);
//     panel.SetTheme(xtpTaskPanelThemeShellStyle);
//     CXTPTaskPanelGroup* pGroup = panel.AddGroup(ID_GROUP_FILES);
//     pGroup->AddLinkItem(ID_FILE_OPEN, 0);
//
// Coordinates: the groups' rectangles are content coordinates, the client
// coordinates of an unscrolled panel; GetScrollOffset converts.
//
// The panel holds a reference of the items it remembers (hot item, focused
// item, active group) and forgets every remembered item when it leaves its
// collection (OnItemRemoved). A notification holds a reference of the item it
// carries until the owner returns, so the owner may remove it meanwhile.
#include "framework/Controls.h"
#include "toolkit/taskpanel/XTPTaskPanelGroup.h"
#include "toolkit/taskpanel/XTPTaskPanelGroupItem.h"
#include "toolkit/taskpanel/XTPTaskPanelScrollButton.h"

#include <memory>
#include <vector>

class CXTPImageManager;
class CXTPTaskPanelPainter;
class CXTPTaskPanelEditItem;
class CXTPTaskPanelDropTarget;
class COleDataObject;

class CXTPTaskPanel : public CWnd
{
    DECLARE_DYNAMIC(CXTPTaskPanel)
public:
    // Initialises OLE for the thread, makes the group collection and an image
    // manager of its own, theme 2's painter, animation on.
    CXTPTaskPanel();
    // Groups still held elsewhere outlive the panel detached from it (their
    // GetTaskPanel answers NULL).
    ~CXTPTaskPanel() override;

    // Registers the panel's window class (double clicks, arrow cursor) and
    // creates the child window with tool tips, an OLE drop target until it
    // is destroyed; FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // --- overridable ---

    // A non-group item was clicked (or Enter / Space on a link): the base
    // sends TPN_CLICK.
    virtual void OnClick(CXTPTaskPanelItem* pItem);
    // Opens or closes a group. Behaviour 0: after the owner's TPN_GROUPEXPANDING
    // (-1 cancels) the group takes the state. Behaviours 1 and 2: opening
    // makes the group the active one and closes the old one; closing does
    // nothing but a layout.
    virtual void ExpandGroup(CXTPTaskPanelGroup* pGroup, BOOL bExpanded);
    // Paints the background, every group and the scroll buttons (content
    // coordinates: the DC's origin is already scrolled).
    virtual void OnDraw(CDC* pDC);
    // Sends WM_TASKPANEL_NOTIFY to the owner and answers its result; 0
    // without a window.
    virtual LRESULT NotifyOwner(WPARAM wParam, LPARAM lParam);
    // An item dragged 4 pixels: the base runs an OLE drag of it as its
    // permissions allow (TPN_STARTDRAG may refuse) and, after a move,
    // removes it.
    virtual void OnStartItemDrag(CXTPTaskPanelItem* pItem);
    // A group caption dragged 4 pixels: the base moves the group to each
    // caption the mouse passes over until the button goes up or Esc.
    virtual void OnStartGroupDrag(CXTPTaskPanelGroup* pGroup);
    // The rename edit closed with a text: the base asks the owner
    // (TPN_ENDLABELEDIT, 0 agrees) and sets the caption.
    virtual void OnEndLabelEdit(CXTPTaskPanelItem* pItem, LPCTSTR lpszText);
    // The effect of a drop at the point (client coordinates) and the item or
    // group it would go to (GetDragOverItem); a NULL data object: the drag
    // left.
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    // Inserts the dropped item where OnDragOver pointed; TRUE when handled.
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Called by the collections before an element is released: forgets it
    // (and, for a group, its items) wherever the panel remembers it, and
    // ends a drag or rename of it.
    virtual void OnItemRemoved(CXTPTaskPanelItem* pItem);
    // Shows the vertical scroll bar when the content is taller than the
    // client area and gives it the page and range.
    virtual void UpdateScrollBar();

    // --- groups ---

    // A new group of this panel, added with the id and the icon; returns it.
    CXTPTaskPanelGroup* AddGroup(UINT nID, int nIconIndex = -1);
    CXTPTaskPanelGroup* FindGroup(UINT nID) const;
    // NULL when out of range.
    CXTPTaskPanelGroup* GetAt(int nIndex) const;
    CXTPTaskPanelItems* GetGroups() const { return m_pGroups; }
    int GetGroupCount() const { return m_pGroups->GetCount(); }

    // --- look ---

    // A new painter for the theme id (XTPTaskPanelPaintTheme; any id outside
    // 0 to 12 gives theme 2's painter), then a layout.
    void SetTheme(int nTheme);
    // Takes the painter (the panel deletes it; the current one given again
    // stays); the theme id becomes 13.
    void SetCustomTheme(CXTPTaskPanelPainter* pPainter);
    // The id last given to SetTheme (also one outside 0 to 12), or 13.
    int GetCurrentTheme() const { return m_nTheme; }
    CXTPTaskPanelPainter* GetPaintManager() const { return m_pPaintManager; }
    // 0 animate, 1 do not, any other value: follow the system's menu animation.
    void SetAnimation(int nMode);
    int GetAnimation() const { return m_nAnimationMode; }
    BOOL IsAnimate() const { return m_bAnimation; }
    void SetBehaviour(int nBehaviour);
    int GetBehaviour() const { return m_nBehaviour; }
    BOOL IsExplorerBehaviour() const { return m_nBehaviour == xtpTaskPanelBehaviourExplorer; }
    // The panel's item layout, or when 0: 3 with behaviour 1, else 2.
    void SetItemLayout(int nLayout);
    int GetItemLayout() const;
    // The hot-track style, or when 0: 1 with behaviour 0, 3 with behaviour 2, else 2.
    void SetHotTrackStyle(int nStyle);
    int GetHotTrackStyle() const;
    // Margins round the groups and the gap between groups; XTPUnsetRect and
    // 0x80000000 leave them to the painter.
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom, int nGroupSpacing);
    const CRect& GetMargins() const { return m_rcMargins; }
    int GetGroupSpacing() const { return m_nGroupSpacing; }

    // --- images ---

    // The panel owns the manager given (and releases the old one); giving the
    // current manager changes nothing.
    void SetImageManager(CXTPImageManager* pImageManager);
    // The panel's manager, or the toolkit's when the panel has none.
    CXTPImageManager* GetImageManager() const;
    // Every image of the list becomes an icon (its index the id) and the size
    // the items' (or groups') icon size.
    void SetImageList(CImageList* pImageList, CSize szIcon = CSize(16, 16));
    void SetGroupImageList(CImageList* pImageList, CSize szIcon = CSize(32, 32));
    CSize GetItemIconSize() const { return m_szItemIcon; }
    CSize GetGroupIconSize() const { return m_szGroupIcon; }

    // --- permissions ---

    void SetAllowDrag(long nAllowDrag) { m_nAllowDrag = nAllowDrag; }
    long GetAllowDrag() const { return m_nAllowDrag; }
    BOOL IsAllowDrop() const { return m_bAllowDrop; }
    BOOL IsGroupsExpandable() const { return m_bExpandable; }
    // Focusing a link selects it in its group (unless the selection follows
    // the focus).
    void SetSelectItemOnFocus(BOOL bSelect) { m_bSelectItemOnFocus = bSelect; }
    BOOL IsSelectItemOnFocus() const { return m_bSelectItemOnFocus; }
    // A group item is selected exactly when it is focused.
    void SetSingleSelection(BOOL bSingle) { m_bSingleSelection = bSingle; }
    BOOL IsSingleSelection() const { return m_bSingleSelection; }

    // --- layout ---

    // While locked (a counter) no change lays out or redraws; the last unlock
    // lays out (animated).
    void LockRedraw(BOOL bLock);
    BOOL IsRedrawLocked() const { return m_nLockRedraw > 0; }
    // Lays every group out, places the scroll buttons, starts or stops the
    // animation, updates the scroll bar and invalidates. Nothing without a
    // window or while locked.
    void Reposition(BOOL bAnimate = TRUE);
    BOOL IsGroupExpanded(const CXTPTaskPanelGroup* pGroup) const;
    // The scroll bar's position, 0 without a scroll bar.
    int GetScrollOffset() const;
    // The height of the laid-out groups with the margins.
    int GetClientHeight() const { return m_nClientHeight; }
    // Scrolls (and opens the group) so that the item or group shows.
    void EnsureVisible(CXTPTaskPanelItem* pItem);
    // The group shown open when only one is (behaviours 1 and 2).
    CXTPTaskPanelGroup* GetActiveGroup() const { return m_pActiveGroup; }
    // The client height the open group may fill.
    int CalcGroupMinClientHeight() const;
    CXTPTaskPanelScrollButton* GetScrollButton(BOOL bUp) const { return bUp ? m_pScrollButtonUp : m_pScrollButtonDown; }

    // --- renaming and drag and drop ---

    // Lays out, scrolls the item into view and opens the rename edit over
    // its caption; FALSE when no edit was made.
    BOOL RenameItem(CXTPTaskPanelItem* pItem);
    // The clipboard format "TaskPanelGroupItem" of the items' archive form.
    static CLIPFORMAT GetClipboardFormat();

    // --- input state ---

    CXTPTaskPanelItem* GetHotItem() const { return m_pItemHot; }
    CXTPTaskPanelItem* GetFocusedItem() const { return m_pItemFocused; }
    CXTPTaskPanelItem* GetPressedItem() const { return m_pItemPressed; }
    CXTPTaskPanelItem* GetDraggedItem() const { return m_pItemDragging; }
    CXTPTaskPanelItem* GetDragOverItem() const { return m_pItemDragOver; }
    // The item becomes hot (with a reference; NULL: none) and the panel asks
    // for a mouse-leave message.
    void SetHotItem(CXTPTaskPanelItem* pItem);
    // Focuses the item; bDrawFocusRect shows the focus rectangle (focus from
    // the keyboard). With a window the item is scrolled into view, the panel
    // takes the keyboard focus and the owner gets TPN_FOCUSEDITEMCHANGED.
    void SetFocusedItem(CXTPTaskPanelItem* pItem, BOOL bDrawFocusRect = FALSE);
    // A focus rectangle shows: focus came from the keyboard and the panel has
    // the keyboard focus.
    BOOL IsDrawFocusRect() const;

    // --- called by the groups and the collections ---

    // A collection of the panel finished a load: the panel takes what its
    // elements loaded that reaches it (the groups' open states, through
    // ExpandGroup; with one group open at a time only the stored open group
    // is opened; the selection, when it follows the focus).
    void OnItemsLoaded(CXTPTaskPanelItems* pItems);

    // A group's opening or closing movement arrived: the owner gets
    // TPN_GROUPEXPANDED at once, or, while the panel lays out, animates or
    // scrolls, as soon as that is done and the panel's state is whole.
    void OnGroupArrived(CXTPTaskPanelGroup* pGroup);
    // The scroll buttons' enabled states from their group.
    void RefreshScrollButtonStates();
    // The rename edit closed.
    void OnRenameEnded(CXTPTaskPanelEditItem* pEdit);
    // The device context the running layout measures with, NULL outside a
    // layout (see CXTPTaskPanelMeasureDC).
    CDC* GetLayoutDC() const { return m_pLayoutDC; }

    // --- hit tests (client coordinates) ---

    // The group and, with bClientGroup, the group also for a point in its
    // client area but on no item.
    CXTPTaskPanelItem* HitTestItem(CPoint pt, BOOL bClientGroup = FALSE) const;
    // The group under the point; *pbCaption tells whether it is the caption.
    CXTPTaskPanelGroup* HitTestGroup(CPoint pt, BOOL* pbCaption = NULL) const;
    CXTPTaskPanelScrollButton* HitTestScrollButton(CPoint pt) const;

    // The next item for the keyboard from pItem (NULL: from nothing) forwards
    // (nDirection 1) or backwards (below 1): only groups with bGroupsOnly, by
    // rows of the grid with bRowStep; collapsed groups' links, disabled items
    // and texts are passed over. NULL when there is none.
    CXTPTaskPanelItem* GetNextItem(CXTPTaskPanelItem* pItem, int nDirection, BOOL bGroupsOnly,
                                   BOOL bRowStep = FALSE) const;

protected:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    // Stops the window being a drop target.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Sends a notification about the item, holding a reference of it until
    // the owner returns.
    LRESULT NotifyItem(UINT nCode, CXTPTaskPanelItem* pItem, LPARAM lParam);
    // Replaces a remembered item: the new one gets a reference, the old one
    // loses its own.
    static void Remember(CXTPTaskPanelItem*& pField, CXTPTaskPanelItem* pItem);
    void SetActiveGroup(CXTPTaskPanelGroup* pGroup);
    // The item is the removed one or lies in the removed group.
    static BOOL IsGoneWith(const CXTPTaskPanelItem* pItem, const CXTPTaskPanelItem* pRemoved);
    // Holds TPN_GROUPEXPANDED back for its scope (a layout, an animation
    // tick, a scroll); the outermost sends what arrived meanwhile.
    class CArrivalBatch
    {
    public:
        explicit CArrivalBatch(CXTPTaskPanel* pPanel);
        ~CArrivalBatch();

    private:
        CArrivalBatch(const CArrivalBatch&);
        CArrivalBatch& operator=(const CArrivalBatch&);
        CXTPTaskPanel* m_pPanel;
    };
    // Sends TPN_GROUPEXPANDED for the groups that arrived.
    void NotifyArrivedGroups();
    void ForgetArrivedGroups();
    void ReadSystemAnimation();
    BOOL IsLayoutAllowed() const;
    void MeasureGroupsBesideOpenOne(int nLeft, int nRight);
    void CloseActiveGroupFor(CXTPTaskPanelGroup* pGroup);
    // With one group open at a time, the loaded group to open: the first
    // stored open that can close, else the first stored open, else NULL.
    static CXTPTaskPanelGroup* LoadedOpenGroup(const std::vector<CXTPTaskPanelGroup*>& loaded);
    void RestoreLoadedSelection(CXTPTaskPanelItems* pItems);
    void AnimateGroups(int nStep);
    void StartOrStopAnimation();
    void OnAnimationTimer();
    void RepositionScrollButtons();
    int GetScrollLimit() const;
    // Sets the scroll bar's position and moves what the groups host with it.
    void ScrollTo(int nPos);
    void ScrollIntoView(const CRect& rc);
    void ScrollGroupByRows(CXTPTaskPanelGroup* pGroup, BOOL bUp);
    // The press of a scroll button: scrolls at once and, held, again on
    // timer 202 until the button is let go.
    void TrackScrollButton(CXTPTaskPanelScrollButton* pButton);
    void UpdateScrollButtonsHot(CPoint pt);
    void TrackMouseLeave();
    BOOL IsMouseLockedByBars() const;
    void ActivateFocusedItem();
    void FocusFirstOrLast(BOOL bFirst);
    // TRUE when the key is consumed (the default handling is skipped).
    BOOL OnKeyboardArrow(UINT nChar);
    CXTPTaskPanelItem* StepFrom(CXTPTaskPanelItem* pItem, int nDirection, BOOL bGroupsOnly, BOOL bRowStep) const;
    CRect RectInClient(CWnd* pChild) const;
    // WM_PRINT of a child window, its picture put at its place in pDC.
    void PrintChild(CDC* pDC, CWnd* pChild, LPARAM lFlags);
    // What a drop at the point would go to: an item of the group or the group.
    CXTPTaskPanelItem* DropTargetAt(CXTPTaskPanelGroup* pGroup, BOOL bCaption, CPoint point) const;
    // Timer 203 runs while a drag rests over a closed group.
    void UpdateDragHover();
    void OnDragHoverTimer();
    // A pressed item dragged far enough starts its drag.
    void StartDragIfMoved(CPoint point);

private:
    CXTPTaskPanelItems* m_pGroups;
    CXTPTaskPanelPainter* m_pPaintManager;
    int m_nTheme;
    int m_nLockRedraw;
    int m_nClientHeight;
    CRect m_rcMargins;
    int m_nGroupSpacing;
    BOOL m_bScrollVisible;
    CXTPTaskPanelItem* m_pItemHot;
    CXTPTaskPanelItem* m_pItemFocused;
    CXTPTaskPanelItem* m_pItemPressed;
    CXTPTaskPanelItem* m_pItemDragging; // holds a reference
    CXTPTaskPanelItem* m_pItemDragOver;
    BOOL m_bAnimation;
    int m_nAnimationMode;
    HCURSOR m_hHandCursor;
    UINT_PTR m_nAnimateTimer;
    int m_nAnimationStep;
    CXTPImageManager* m_pImageManager;
    BOOL m_bExpandable;
    BOOL m_bFocusRectAllowed;
    BOOL m_bDrawFocusRect;
    CSize m_szItemIcon;
    CSize m_szGroupIcon;
    BOOL m_bSelectItemOnFocus;
    CPoint m_ptPressed;
    long m_nAllowDrag;
    BOOL m_bAllowDrop;
    int m_nItemLayout;
    int m_nHotTrackStyle;
    int m_nBehaviour;
    CXTPTaskPanelGroup* m_pActiveGroup;
    CXTPTaskPanelDropTarget* m_pDropTarget;
    BOOL m_bHoverTimerArmed;
    BOOL m_bOleInitialized;
    CXTPTaskPanelScrollButton* m_pScrollButtonDown;
    CXTPTaskPanelScrollButton* m_pScrollButtonUp;
    BOOL m_bSingleSelection;
    std::vector<CXTPTaskPanelGroup*> m_arrArrivedGroups; // each held by a reference
    int m_nArrivalBatches;                               // CArrivalBatch scopes open
    CDC* m_pLayoutDC;
    CXTPTaskPanelEditItem* m_pRenameEdit; // the edit of a rename under way
};

// A device context to measure captions and items with: the running
// layout's when there is one, so that a layout opens one DC rather than one
// per item, else a client DC of the panel's own.
class CXTPTaskPanelMeasureDC
{
public:
    explicit CXTPTaskPanelMeasureDC(CXTPTaskPanel* pPanel) : m_pDC(pPanel->GetLayoutDC())
    {
        if (m_pDC == NULL)
        {
            m_pOwnDC.reset(new CClientDC(pPanel));
            m_pDC = m_pOwnDC.get();
        }
    }
    operator CDC*() const { return m_pDC; }

private:
    CDC* m_pDC;
    std::unique_ptr<CClientDC> m_pOwnDC;
};
