#pragma once
// CXTTreeBase: what the toolkit adds to the framework's tree control, kept
// beside the window class as a second base (CXTTreeCtrl and CXTTreeView in
// XTTreeCtrl.h join the two and route their messages here):
//   - a font, a bold flag and a text colour per item, and flicker-free
//     painting of the items by the control itself;
//   - search of items by text (FindItem, FindItemInChildren);
//   - hot tracking (TVS_TRACKSELECT), help for in-place label editing, Enter
//     toggling the caret item, tool tips kept on top;
//   - the system keys (WM_SYSKEYDOWN, WM_SYSKEYUP) handed to the system's
//     default handling, which the control is skipped for: there Alt or F10
//     alone enters the frame's menu and Alt+F4 closes it, as from any window;
//   - optional multi-selection (EnableMultiSelect): any number of items carry
//     TVIS_SELECTED while the caret marks the focused item; Ctrl and Shift
//     clicks and keys, a rubber band drawn in empty space, drag detection, and
//     TVN_SELCHANGING / TVN_SELCHANGED to the owner for every item whose
//     selection changes. Every selection operation falls back to the
//     control's single selection while the mode is off.
//
// In the state words of GetItemState and SetItemState, TVIS_FOCUSED means
// "the item is the caret"; it is never passed to the control as a state bit.
// Visible order is TVGN_ROOT, then TVGN_NEXTVISIBLE.
#include "framework/Controls.h"

#ifndef TVIS_FOCUSED
#define TVIS_FOCUSED 0x0001
#endif
// The item is under the mouse while hot tracking.
const UINT TVIS_XT_HOT = 0x10000;

// The font and colour of one item.
struct XTItemSettings
{
    LOGFONTA logFont; // unset while its face name is empty
    COLORREF crText;  // 0xFFFFFFFF when unset
};

typedef CList<HTREEITEM, HTREEITEM> CXTTreeItemList;

class CXTTreeBase
{
public:
    CXTTreeBase();
    virtual ~CXTTreeBase();

    // --- overridable ---

    // Whole-tree order: the first child, else the next sibling of the item or
    // of its nearest ancestor that has one; NULL after the last item.
    virtual HTREEITEM GetNextItemInTree(HTREEITEM hItem);
    // TVM_GETNEXTITEM with the code.
    virtual HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode);
    // The previous sibling's last descendant, or the parent.
    virtual HTREEITEM GetPrevItemInTree(HTREEITEM hItem);
    // Descends from the item to its last child, repeatedly; from NULL, the
    // last descendant of the last top-level item (the last item of the tree).
    virtual HTREEITEM GetLastItemInTree(HTREEITEM hStart = NULL);
    // Searches the whole tree once, from hStart (else the caret, else the
    // root item) on, wrapping at either end; the start item itself is
    // tested first. An empty text finds nothing.
    virtual HTREEITEM FindItem(LPCTSTR lpszSearch, BOOL bCaseSensitive = FALSE, BOOL bDownward = TRUE,
                               BOOL bWholeWord = FALSE, HTREEITEM hStart = NULL);
    // Searches below the item, each child's descendants before the child.
    virtual HTREEITEM FindItemInChildren(LPCTSTR lpszSearch, BOOL bCaseSensitive, BOOL bWholeWord,
                                         HTREEITEM hParent);
    // The item's own font, used by PaintItems from then on.
    virtual void SetItemFont(HTREEITEM hItem, LOGFONTA* pLogFont);
    // FALSE when the item has no font of its own.
    virtual BOOL GetItemFont(HTREEITEM hItem, LOGFONTA* pLogFont);
    // The control's TVIS_BOLD state of the item (set, then redrawn).
    virtual void SetItemBold(HTREEITEM hItem, BOOL bBold = TRUE);
    virtual BOOL GetItemBold(HTREEITEM hItem);
    // The item's own text colour; the control is redrawn.
    virtual void SetItemColor(HTREEITEM hItem, COLORREF clr);
    // 0xFFFFFFFF when the item has no colour of its own.
    virtual COLORREF GetItemColor(HTREEITEM hItem);
    // Switching off keeps only the caret selected (when it was); answers the
    // previous mode.
    virtual BOOL EnableMultiSelect(BOOL bMultiSelect = TRUE);
    // The nearest selected item above, in visible order; NULL with
    // multi-selection off.
    virtual HTREEITEM GetPrevSelectedItem(HTREEITEM hItem);
    // WM_NOTIFY to the control's owner; 0 without an owner.
    virtual LRESULT NotifyOwner(NMHDR* pHeader);
    // Selects or deselects every visible item but hExcept, each with its
    // notifications.
    virtual void SelectAllExcept(BOOL bSelect, HTREEITEM hExcept);
    // A left or right press with multi-selection on: a click or drag on an
    // item, or a rubber band elsewhere. Answers whether the press was used up.
    virtual BOOL HandleButtonDown(BOOL bLeft, UINT nFlags, CPoint point);
    // The selection a press on the item makes: Shift selects the range from
    // the anchor (adding to it with Ctrl); Ctrl leaves the toggle to the
    // release; a plain press on an unselected item deselects the others,
    // and the item becomes selected and the caret.
    virtual void ApplyClickSelection(HTREEITEM hItem, BOOL bLeft, UINT nFlags);
    // Modal: waits for the release (a click) or a move past the drag distance
    // (a drag start).
    virtual void TrackClickOrDrag(HTREEITEM hItem, BOOL bLeft, UINT nFlags, CPoint point);
    // Modal: the rubber band from the press point.
    virtual void TrackSelectionBand(UINT nFlags, CPoint point);
    // One step of the band: items inside it are selected (with Ctrl the
    // remembered ones toggle off, with Shift they are forgotten), items
    // outside go back to what they were when the band started.
    virtual void SelectItemsInBand(const CRect& rcBand, UINT nFlags, CXTTreeItemList& listRemembered);
    // TRUE in the base; FALSE makes the search go on past a match.
    virtual BOOL AcceptFoundItem(HTREEITEM hItem);
    // The control paints into an off-screen picture; the items are then
    // drawn over it in their own fonts and colours.
    virtual void PaintItems(CDC* pDC, BOOL bDrawItems);
    // Keys go straight to an in-place edit; Enter toggles the caret item.
    // Then the window base decides.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Keeps the control's tool tip on top; then the window base.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // --- the control ---
    BOOL IsEditLabels() const;
    HTREEITEM GetFocusedItem() const;
    BOOL IsSelected(HTREEITEM hItem) const;
    COLORREF GetTreeBackColor() const;
    COLORREF GetTreeTextColor() const;
    // The colours of an item in the given state, from the default ones.
    COLORREF GetItemBackColor(UINT nState, BOOL bHasFocus, DWORD dwStyle, COLORREF clrDefault) const;
    COLORREF GetItemTextColor(UINT nState, BOOL bHasFocus, DWORD dwStyle, COLORREF clrDefault) const;

    // --- selection ---
    BOOL IsMultiSelect() const { return m_bMultiSelect; }
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    // Gives the item the caret and the selection. With multi-selection on,
    // items selected before stay selected (the user's own Ctrl selection).
    BOOL SelectItem(HTREEITEM hItem);
    // The item (not NULL) becomes the caret and the only selected item, and
    // the Shift anchor is cleared, as after a plain click: the selection a
    // program makes itself, where an item left selected unseen (the tree
    // shows no selection without the focus) would be acted on unawares.
    BOOL SelectOnlyItem(HTREEITEM hItem);
    // NULL takes the focus from the caret item (FALSE when there is none).
    BOOL FocusItem(HTREEITEM hItem);
    HTREEITEM GetFirstSelectedItem() const;
    HTREEITEM GetNextSelectedItem(HTREEITEM hItem) const;
    UINT GetSelectedCount() const;
    // From the start item (the root item when NULL) to the end.
    void SelectAll(BOOL bSelect = TRUE, HTREEITEM hStart = NULL);
    // Selects from one item to the other; bOnlyThese deselects the rest.
    void SelectRange(HTREEITEM hFirst, HTREEITEM hLast, BOOL bOnlyThese = TRUE);
    // Answers whether one of the visited children was the caret.
    BOOL SetChildrenSelected(HTREEITEM hParent, BOOL bSelect = TRUE, BOOL bRecurse = TRUE);
    void GetSelectedList(CXTTreeItemList& list) const;

    // The selection band's item test: text rectangles only (TRUE) or rows.
    BOOL m_bBandTextOnly;

    // Timers of the control: hot tracking, and the band's scroll timer.
    enum
    {
        TimerHotTrack = 85,
        HotTrackElapse = 55,
        TimerBand = 1,
        BandElapse = 75
    };

protected:
    // --- message handlers, called by the window classes ---
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // WM_SYSKEYDOWN and WM_SYSKEYUP (the message being handled): straight to
    // DefWindowProc. Some tree controls (wine's) take these keys without
    // passing them on, so the top-level window never hears SC_KEYMENU or
    // SC_CLOSE; a control that passes them on does exactly this.
    void OnSystemKey();
    void OnSetFocus();
    void OnKillFocus();
    void OnPaint();
    void OnSize();
    void OnMouseMove(CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnNcMouseMove(UINT nHitTest);
    void OnBeginLabelEdit(NMHDR* pHeader, LRESULT* pResult);
    void OnEndLabelEdit(NMHDR* pHeader, LRESULT* pResult);
    void OnItemExpanding(NMHDR* pHeader, LRESULT* pResult);
    void OnDeleteItem(NMHDR* pHeader, LRESULT* pResult);

    // The window base's own PreTranslateMessage and OnNotify.
    virtual BOOL BasePreTranslateMessage(MSG* pMsg) = 0;
    virtual BOOL BaseOnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;

    BOOL m_bMultiSelect;
    // Where Shift selections range from; NULL (range from the caret) after a
    // plain click or key, and once its item is deleted.
    HTREEITEM m_hAnchor;
    HTREEITEM m_hEditItem;
    HTREEITEM m_hHotItem;
    CMap<HTREEITEM, HTREEITEM, XTItemSettings, const XTItemSettings&> m_mapItemSettings;
    // The window every operation acts on; set by the owning class.
    CTreeCtrl* m_pTreeCtrl;
    BYTE m_bActionDone;
    BYTE m_bNotifyGuard;
    BYTE m_bEditOnClick;

private:
    CTreeCtrl& Tree() const { return *m_pTreeCtrl; }
    HWND TreeHwnd() const { return m_pTreeCtrl->GetSafeHwnd(); }
    BOOL HasFocus() const { return ::GetFocus() == TreeHwnd(); }
    HWND GetEditHwnd() const;
    XTItemSettings& SettingsOf(HTREEITEM hItem);
    // The item text matches the search text (upper-cased unless the search
    // is case-sensitive); a whole word has no letter or "_" on either side.
    BOOL MatchesText(HTREEITEM hItem, const CString& strSearch, BOOL bCaseSensitive, BOOL bWholeWord) const;
    HTREEITEM NextMatch(HTREEITEM hItem, const CString& strSearch, BOOL bCaseSensitive, BOOL bWholeWord);
    void DrawItem(CDC* pDC, HTREEITEM hItem, const CRect& rcClient, BOOL bEditing);
    void SetHot(HTREEITEM hItem, BOOL bHot);
    void InvalidateSelected();
    void SetSelected(HTREEITEM hItem, BOOL bSelect);
    void FillTreeNotify(NMTREEVIEWA& nm, UINT nCode, HTREEITEM hItem, BOOL bNew) const;
};
