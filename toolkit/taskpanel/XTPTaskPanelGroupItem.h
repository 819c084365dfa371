#pragma once
// CXTPTaskPanelGroupItem: an element of a group's items, a link (type 1) or
// a static text (type 2, the default). It takes its rectangle in the
// group's item coordinates (origin at the top of the group's client area,
// before the group scrolls its items) when the group lays out, is drawn by
// the panel's painter, and can be selected.
//
//     CXTPTaskPanelGroupItem* pItem = pGroup->AddLinkItem(ID_OPEN, 0);
//     pItem->SetBold(TRUE);
//     pItem->SetItemSelected(TRUE);
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
    // The item's keys, then "Margins", "Bold", "ItemSize" and "Selected".
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // Takes the item's rectangle in rc (the grid cell in the image-only
    // layout, else the working band of the group): the base measures it with
    // the painter unless ItemSize fixes it; answers the item rectangle.
    virtual CRect OnReposition(CRect rc);
    // Draws the item in rc: the base hands it to the painter.
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

protected:
    CRect m_rcMargins;
    CRect m_rcItem;
    BOOL m_bBold;
    BOOL m_bSelected;
    CSize m_szItem;
};
