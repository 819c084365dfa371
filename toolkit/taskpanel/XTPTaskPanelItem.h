#pragma once
// CXTPTaskPanelItem: the base of everything a task panel shows, groups
// (CXTPTaskPanelGroup) and their items (CXTPTaskPanelGroupItem): caption,
// tooltip, command id, type, icon, enabled state and drag and drop
// permissions; its settings exchange; and the forms in which one item
// travels over the clipboard and in drag and drop (an archive under the
// clipboard format "TaskPanelGroupItem", and XML text as CF_TEXT).
//
// Items are reference counted (CCmdTarget): a new item has count 1, which
// the collection it is added to takes over; the collection releases it when
// it leaves, and the item is deleted when its count reaches 0. The panel
// holds a reference of the items it remembers (hot, focused, active group).
//
//     CXTPTaskPanelGroup* pGroup = panel.AddGroup(ID_TASKS);
//     CXTPTaskPanelGroupItem* pLink = pGroup->AddLinkItem(ID_OPEN, 0);
//     pLink->SetTooltip("Opens a file");
//     pLink->CopyToClipboard();
//     CXTPTaskPanelItem* pCopy = CXTPTaskPanelItem::PasteFromClipboard(); // or NULL
#include "framework/Window.h"
#include "toolkit/taskpanel/XTPTaskPanelDefines.h"

class CXTPTaskPanel;
class CXTPTaskPanelItems;
class CXTPTaskPanelGroup;
class CXTPTaskPanelPainter;
class CXTPImageManagerIcon;
class CXTPPropExchange;
class COleDataObject;
class COleDataSource;

class CXTPTaskPanelItem : public CCmdTarget
{
    DECLARE_SERIAL(CXTPTaskPanelItem)
public:
    // A detached link item: no panel and no collection until one adds it.
    CXTPTaskPanelItem();
    ~CXTPTaskPanelItem() override;

    // --- overridable ---

    // Whether the item can be focused and become hot or pressed: the base
    // takes groups and links that are enabled.
    virtual BOOL IsAcceptFocus() const;
    // The group the item belongs to: the base answers the item itself when it
    // is a group, else NULL.
    virtual CXTPTaskPanelGroup* GetItemGroup() const;
    // Where the item's tooltip applies, in the panel's client coordinates:
    // the base has none (empty).
    virtual CRect GetHitTestRect() const;
    // Exchanges "Caption", "Tooltip", "Id", "Type", "IconIndex", "Enabled",
    // "AllowDrag" and "AllowDrop"; a loading item first takes its panel from
    // the exchange's user-data word.
    virtual void DoPropExchange(CXTPPropExchange* pPX);

    // --- properties ---

    CXTPTaskPanel* GetTaskPanel() const { return m_pPanel; }
    CXTPTaskPanelItems* GetParentItems() const { return m_pParentItems; }

    const CString& GetCaption() const { return m_strCaption; }
    // A changed caption lays the panel out again.
    void SetCaption(LPCTSTR lpszCaption);
    const CString& GetTooltip() const { return m_strTooltip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
    UINT GetID() const { return (UINT)m_nID; }
    // Stores the id, then takes caption and tooltip from the string resource
    // of that id when there is one ("caption\ntooltip", or a caption alone).
    // The panel is not laid out again.
    void SetID(UINT nID);
    int GetType() const { return m_nType; }
    void SetType(int nType);
    int GetIconIndex() const { return m_nIconIndex; }
    void SetIconIndex(int nIndex);
    BOOL GetEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled);
    // The item's own drop permission; IsAllowDrop also asks its group and panel.
    void SetAllowDrop(BOOL bAllowDrop) { m_bAllowDrop = bAllowDrop; }
    BOOL IsAllowDrop() const;
    // The item's own value (XTPTaskPanelAllowDrag) ...
    void SetAllowDrag(long nAllowDrag) { m_nAllowDrag = nAllowDrag; }
    // ... and the one in force: the item's unless 1, else its group's unless
    // 1, else its panel's unless 1, else xtpTaskItemAllowDragAll.
    long GetAllowDrag() const;

    BOOL IsGroup() const { return m_nType == xtpTaskItemTypeGroup; }

    // --- state, as the panel has it ---

    BOOL IsItemHot() const;
    BOOL IsItemFocused() const;
    BOOL IsItemPressed() const;
    BOOL IsItemDragging() const;
    BOOL IsItemDragOver() const;

    // The icon IconIndex at that width from the panel's image manager, or NULL.
    CXTPImageManagerIcon* GetImage(int nWidth) const;
    // The panel's painter (NULL without a panel).
    CXTPTaskPanelPainter* GetPaintManager() const;

    // Called by the painter where it lays out the caption: stores rc narrowed
    // to the caption's measured height (centred with DT_VCENTER, else at the
    // top) and the format, for the rename edit.
    void SetTextRect(CDC* pDC, CRect rc, UINT nFormat);
    void GetTextRect(CRect* pRect, UINT* pFormat = NULL) const;

    // Position in the collection holding the item, -1 when it is in none.
    int GetIndex() const;
    // Removes the item from its collection (which releases it).
    void Remove();

    // Invalidates the panel's window unless its redraw is locked.
    void RedrawPanel() const;
    // Lays the panel out again (animated).
    void RepositionPanel() const;

    // --- clipboard and drag and drop ---

    // Puts the item's archive form on the clipboard under "TaskPanelGroupItem".
    void CopyToClipboard();
    // A new item from the clipboard's "TaskPanelGroupItem" data, or NULL.
    static CXTPTaskPanelItem* PasteFromClipboard();
    // A new item from the data object's "TaskPanelGroupItem" data, or NULL
    // when there is none, it names a class that is no task-panel item, or it
    // cannot be read.
    static CXTPTaskPanelItem* CreateFromOleData(COleDataObject* pDataObject);
    // The item's archive form in a new global memory block (the caller owns
    // it), or NULL when it cannot be written.
    HGLOBAL PrepareDrag();
    // Offers the archive form on the data source and, with bText, the item's
    // XML text as CF_TEXT; FALSE only when the archive form could not be made.
    BOOL CacheDataSource(COleDataSource* pDataSource, BOOL bText);

protected:
    // The collection and panel that hold the item (CXTPTaskPanelItems).
    void SetParentItems(CXTPTaskPanelItems* pItems) { m_pParentItems = pItems; }
    virtual void SetTaskPanel(CXTPTaskPanel* pPanel) { m_pPanel = pPanel; }

protected:
    CXTPTaskPanel* m_pPanel;
    CString m_strCaption;
    CString m_strTooltip;
    long m_nID;
    int m_nType;
    CXTPTaskPanelItems* m_pParentItems;
    int m_nIconIndex;
    BOOL m_bEnabled;
    BOOL m_bAllowDrop;
    long m_nAllowDrag;
    CRect m_rcText;
    UINT m_nTextFormat;

    friend class CXTPTaskPanelItems;
};
