#pragma once
// CXTPTabWorkspace: one tab group of the MDI tab client (CXTPTabClientWnd): a
// tab strip whose tabs stand for MDI child windows (each tab's data is its
// child's window handle) and whose host operations are answered by the tab
// client: its painter, its layout (the frame's), its repaint, the tabs'
// texts, icons and colours. Its reorder drag also carries a tab out of the
// row into another group or a new one. With grouping, the client draws its
// groups itself; without, the one group lives in a window of its own
// (CXTPTabWorkspaceWnd). The tab client creates, orders and deletes groups.
#include "toolkit/tabs/XTPTabStrip.h"

class CXTPTabClientWnd;

class CXTPTabWorkspace : public CXTPTabStrip
{
public:
    CXTPTabWorkspace();

    // ---- The strip's host operations, answered through the tab client ----

    // Under the client's refresh lock only marks the layout as owed;
    // otherwise the frame lays itself out again.
    void RecalcHostLayout() override;
    CXTPTabStripPainter* GetPainter() override;
    // Repaints the client window unless its refresh lock is set.
    void RedrawHost() override;
    // FALSE when the painter shows no icons; measuring says TRUE; drawing
    // draws the tab's icon (GetItemIcon) in the size given.
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabStripItem* pItem, BOOL bDraw, CSize& sz) override;
    // The client's answers for the tab's child.
    HICON GetItemIcon(const CXTPTabStripItem* pItem) override;
    // The client's colour (which the child may give) first, then the strip's rule.
    COLORREF GetItemColor(CXTPTabStripItem* pItem) override;
    // The tab's own tip, else the child's answer to 0x487, else its
    // document's path name, else the caption.
    CString GetItemTip(const CXTPTabStripItem* pItem) override;
    // The active child follows the selection.
    void SelectItem(CXTPTabStripItem* pItem) override;
    // The client's reorder flag.
    BOOL IsReorderAllowed() override;
    void AllowReorder(BOOL bAllow) override;
    // The painter's client frame, and only without grouping.
    BOOL HasClientFrame() override;
    // Activates the tab's child.
    void OnItemClick(CXTPTabStripItem* pItem) override;
    // The group drag (see XTPTabWorkspace.cpp): reorders inside the row and,
    // with grouping, drops the tab into another group or a new one.
    void TrackItemDrag(HWND hWnd, CPoint point, CXTPTabStripItem* pItem) override;
    // The close button closes the selected tab's child.
    void OnButtonClick(int nKind) override;
    // While a command bar holds the mouse (a menu is open).
    BOOL IsMouseLocked() override;

    // ---- Tabs of child windows ----

    // A new tab at the end for an MDI child (NULL for any other window),
    // with the client's caption for it, selected.
    CXTPTabStripItem* AddItem(CWnd* pChild);
    // The tab of the window, or NULL.
    CXTPTabStripItem* FindItem(HWND hWnd) const;

    void SetTabClient(CXTPTabClientWnd* pTabClient) { m_pTabClient = pTabClient; }
    CXTPTabClientWnd* GetTabClient() const { return m_pTabClient; }
    HWND GetActiveChild() const { return m_hActiveChild; }
    // The window the group paints in and its tab coordinates belong to: the
    // client with grouping, the group's own window without.
    virtual CWnd* GetHostWindow();
    // The group's share of the client area (a weight, not a percentage).
    double m_dSplitWeight;
    // The splitter bar after this group; empty for the last group.
    CRect m_rcSplitter;

private:
    // One move of the group drag outside the row (drop tracking) or inside
    // it (reordering).
    void DragOver(CXTPTabStripItem* pItem, const std::vector<CRect>& rcPlaces, CPoint point, BOOL& bDropTracking);
    // The start of the group drag: this group becomes the client's active
    // one without a layout or a repaint on the way.
    void ActivateUnderRefreshLock();

    CXTPTabClientWnd* m_pTabClient;
    HWND m_hActiveChild;
};
