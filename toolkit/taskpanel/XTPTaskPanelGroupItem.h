#pragma once
// CXTPTaskPanelGroupItem: an element of a group's items, a link (type 1), a
// static text (type 2, the default) or a control item (type 3) that places a
// child window of the panel inside the group. It takes its rectangle in the
// group's item coordinates (origin at the top of the group's client area,
// before the group scrolls its items) when the group lays out, is drawn by
// the panel's painter, and can be selected.
//
//     CXTPTaskPanelGroupItem* pItem = pGroup->AddLinkItem(ID_OPEN, 0);
//     pItem->SetBold(TRUE);
//     pItem->SetItemSelected(TRUE);
//     pGroup->AddControlItem(edit.GetSafeHwnd()); // a child window of the panel
//
// A control item keeps its window in step with the group: shown in place
// while the group stands still and open, hidden and replaced by a picture of
// itself while the group moves or is closed. The item does not own the
// window; destroying the item hides it.
#include "framework/gdi/CBitmap.h"
#include "toolkit/taskpanel/XTPTaskPanelItem.h"

class CXTPTaskPanelGroupItem : public CXTPTaskPanelItem
{
    DECLARE_SERIAL(CXTPTaskPanelGroupItem)
public:
    // A detached text item.
    CXTPTaskPanelGroupItem();
    ~CXTPTaskPanelGroupItem() override;

    // --- overridable ---

    // The group that owns the item's collection, NULL outside one.
    CXTPTaskPanelGroup* GetItemGroup() const override;
    // The item rectangle in the panel's client coordinates: below the group's
    // current caption, less the panel's and the group's scrolling.
    CRect GetHitTestRect() const override;
    // The item's keys, then "Margins", "Bold", "ItemSize" and "Selected";
    // a loaded size and margins are kept within XTPTaskPanelMaxLoadedExtent.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // Takes the item's rectangle in rc (the grid cell in the image-only
    // layout, else the working band of the group): the base measures it with
    // the painter unless ItemSize fixes it; answers the item rectangle.
    virtual CRect OnReposition(CRect rc);
    // Draws the item in rc: the base hands it to the painter, draws a
    // control item's picture while its window is hidden and nothing while
    // the window shows or when it has no window.
    virtual void OnDrawItem(CDC* pDC, CRect rc);

    // --- properties ---

    BOOL IsBold() const { return m_bBold; }
    void SetBold(BOOL bBold);
    CSize GetItemSize() const { return m_szItem; }
    void SetItemSize(int cx, int cy);
    // Space round the item; XTPUnsetRect leaves it to the painter.
    CRect& GetMargins() { return m_rcMargins; }
    // With the panel's selection following the focus: whether the item is
    // focused. Otherwise the item's own flag.
    BOOL IsItemSelected() const;
    // With the panel's selection following the focus TRUE focuses the item
    // and FALSE does nothing; otherwise a change is stored and drawn.
    void SetItemSelected(BOOL bSelected);
    // The item rectangle of the last layout (item coordinates).
    CRect GetItemRect() const { return m_rcItem; }

    // --- hosted control ---

    // Hosts the window (a child of the panel): the item becomes a control
    // item as high as the window's client area (the width stays).
    void SetControlHandle(HWND hWnd);
    HWND GetControlHandle() const { return m_hWnd; }
    // Keeps the hosted window in step with the group; called with each of
    // the group's movement steps. Nothing for other items.
    void OnAnimate(int nStep);
    // The picture that stands in for the hidden window (NULL when none).
    HBITMAP GetPreviewBitmap() const { return (HBITMAP)m_bmpPreview.GetSafeHandle(); }
private:
    BOOL IsGroupStill(CXTPTaskPanelGroup* pGroup) const;
    // Replaces the picture by a new one of the window as it looks now.
    void TakePreview();

protected:
    CRect m_rcMargins;
    CRect m_rcItem;
    BOOL m_bBold;
    BOOL m_bSelected;
    HWND m_hWnd;
    CSize m_szItem;
    CBitmap m_bmpPreview;

    // The panel takes a loaded selection once the load is whole.
    friend class CXTPTaskPanel;
};
