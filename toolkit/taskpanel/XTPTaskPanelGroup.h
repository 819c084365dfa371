#pragma once
// CXTPTaskPanelGroup: one group of a task panel, a caption over a client
// area that holds the group's items (CXTPTaskPanelGroupItem). The group
// keeps two rectangles in content coordinates: the target, where the last
// layout put it, and the current one, drawn now, which moves towards the
// target while the panel animates an opening or closing.
//
//     CXTPTaskPanelGroup* pGroup = panel.AddGroup(ID_GROUP_TASKS);
//     pGroup->AddLinkItem(ID_TASK_NEW, 0);
//     pGroup->AddTextItem("Nothing selected");
//     pGroup->SetSpecial(TRUE);
//     pGroup->SetExpanded(FALSE); // asks the panel, which may be vetoed by its owner
//
// Whether a group is open depends on the panel's behaviour: IsExpanded and
// SetExpanded go through the panel (IsGroupExpanded, ExpandGroup).
#include "framework/gdi/CImageList.h"
#include "toolkit/taskpanel/XTPTaskPanelItems.h"

#include <vector>

class CXTPTaskPanelGroupItem;

class CXTPTaskPanelGroup : public CXTPTaskPanelItem
{
    DECLARE_SERIAL(CXTPTaskPanelGroup)
public:
    // A group of the panel (NULL when made by class, as loading does).
    explicit CXTPTaskPanelGroup(CXTPTaskPanel* pPanel = NULL);
    // Releases its items and its client bitmap.
    ~CXTPTaskPanelGroup() override;

    // --- overridable ---

    // The item's test, and the group must be expandable.
    BOOL IsAcceptFocus() const override;
    // The current caption rectangle, scrolled, in the panel's client coordinates.
    CRect GetHitTestRect() const override;
    // The item's keys, then "CaptionVisible", "Expandable", "Expanded",
    // "Special", "Layout", "MarginsInner", "MarginsOuter", "IconSize" and the
    // items in the section "Items". Loaded margins are kept within
    // XTPTaskPanelMaxLoadedExtent, the icon size within XTPTaskPanelMaxLoadedIcon.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // Draws the client bitmap with its bottom-right corner at rc's, when the
    // image list holds exactly one picture: the base draws image 0.
    virtual void OnDrawClientBitmap(CDC* pDC, CRect rc);

    // --- items ---

    // A new link item with the id and icon, appended; returns it.
    CXTPTaskPanelGroupItem* AddLinkItem(UINT nID, int nIconIndex = -1);
    // A new text item with id 0 and the caption, appended; returns it.
    CXTPTaskPanelGroupItem* AddTextItem(const CString& strText);
    // A new control item hosting the window (a child of the panel), appended.
    CXTPTaskPanelGroupItem* AddControlItem(HWND hWnd);
    CXTPTaskPanelItems* GetItems() const { return m_pItems; }
    int GetItemCount() const { return m_pItems->GetCount(); }
    // NULL when out of range.
    CXTPTaskPanelGroupItem* GetAt(int nIndex) const;
    // The first item with the id, or NULL.
    CXTPTaskPanelGroupItem* FindItem(UINT nID) const;
    // Every item is selected exactly when it is pItem.
    void SetSelectedItem(CXTPTaskPanelItem* pItem);

    // --- state ---

    BOOL IsExpanded() const;
    void SetExpanded(BOOL bExpanded);
    // Expandable by itself, on a panel that lets groups expand, and enabled.
    BOOL IsExpandable() const;
    void SetExpandable(BOOL bExpandable);
    BOOL IsSpecial() const { return m_bSpecial; }
    void SetSpecial(BOOL bSpecial);
    BOOL IsCaptionVisible() const { return m_bCaptionVisible; }
    void SetCaptionVisible(BOOL bVisible);
    // The group's layout, or the panel's when 0.
    int GetItemLayout() const;
    void SetItemLayout(int nLayout);
    // The group's icon size, or the panel's item icon size when (0, 0).
    CSize GetIconSize() const;
    void SetIconSize(CSize szIcon);
    // Margins round the group and round its items; XTPUnsetRect leaves them
    // to the painter.
    CRect& GetOuterMargins() { return m_rcMarginsOuter; }
    CRect& GetInnerMargins() { return m_rcMarginsInner; }
    // One picture drawn in the bottom-right corner of the client area:
    // 32-bit with alpha, or 24-bit with clrTransparent as the mask colour.
    void SetClientBitmap(UINT nIDBitmap, COLORREF clrTransparent, BOOL bAlpha = FALSE);
    CSize GetClientBitmapSize() const { return m_szClientBitmap; }
    // The current rectangle is not the target yet.
    BOOL IsDirty() const { return m_rcGroupCurrent != m_rcGroupTarget; }
    // The opening or closing movement has not arrived yet.
    BOOL IsExpandPending() const { return m_bExpandPending; }
    // The panel's drop target is one of this group's items.
    BOOL IsDragOverGroup() const;
    // Draws the caption, then the client area, with the panel's painter.
    void OnPaint(CDC* pDC);

    // --- layout, drawn by the panel (content coordinates) ---

    // Lays the group out in rc (a band of zero height at the group's top):
    // outer margins, caption, client height; returns the target rectangle.
    // Unless bAnimate (and the panel animates) the group jumps there.
    CRect OnReposition(CRect rc, BOOL bAnimate);
    // Lays out the items and answers the client area's height.
    int OnCalcClientHeight();
    // One movement step towards the target (below 1: arrive at once); every
    // item takes the step too (hosted windows follow the group). On arrival
    // after an opening or closing the owner then gets TPN_GROUPEXPANDED
    // (CXTPTaskPanel::OnGroupArrived).
    void OnAnimate(int nStep);
    // The items' part of a step alone: hosted windows placed or hidden as
    // the group stands now.
    void OnAnimateItems(int nStep);
    const CRect& GetTargetRect() const { return m_rcGroupTarget; }
    const CRect& GetCurrentRect() const { return m_rcGroupCurrent; }
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    int GetClientHeight() const { return m_nClientHeight; }
    // The caption and client area of the current rectangle (the caption ends
    // before a scroll button it holds) and of the target.
    CRect GetCaptionRect() const;
    CRect GetClientRect() const;
    CRect GetTargetCaptionRect() const;
    CRect GetTargetClientRect() const;
    // The item under the point (content coordinates), when expanded; its
    // rectangle in content coordinates in *lpRect.
    CXTPTaskPanelGroupItem* HitTest(CPoint pt, CRect* lpRect = NULL) const;

    // --- scrolling inside the group (behaviours 1 and 2) ---

    int GetFirstVisibleItem() const { return m_nFirstVisibleItem; }
    int GetItemsInRow() const { return m_nItemsInRow; }
    // Moves the first shown item by nDelta, kept within the items.
    void Scroll(int nDelta);
    // Scrolls the group so that the item shows.
    void EnsureVisible(CXTPTaskPanelGroupItem* pItem);
    BOOL IsScrollButtonEnabled(BOOL bUp) const;
    // The pixels the items are scrolled up by.
    int GetScrollOffsetPos() const;

protected:
    // The items collection follows the group to its panel.
    void SetTaskPanel(CXTPTaskPanel* pPanel) override;

private:
    std::vector<CRect> ItemRects() const;
    int GetVisibleClientHeight() const;
    int LayoutItemsInGrid(const CRect& rcWork);
    int LayoutItemsInRows(const CRect& rcWork);
    void RefreshScrollButtons() const;

    CRect m_rcGroupTarget;
    CRect m_rcGroupCurrent;
    CRect m_rcMarginsOuter;
    CRect m_rcMarginsInner;
    int m_nCaptionHeight;
    BOOL m_bSpecial;
    BOOL m_bExpandable;
    BOOL m_bExpanded;
    BOOL m_bExpandPending;
    int m_nClientHeight;
    BOOL m_bCaptionVisible;
    CImageList m_ilClientBitmap;
    CSize m_szClientBitmap;
    int m_nFirstVisibleItem;
    int m_nItemsInRow;
    CSize m_szItemIcon;
    CXTPTaskPanelItems* m_pItems;
    int m_nItemLayout;

    friend class CXTPTaskPanel;
};
