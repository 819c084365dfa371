#pragma once
// CXTPTaskPanelItems: an ordered collection of task-panel items (display
// order), holding one reference of each. The panel's groups live in a
// CXTPTaskPanelGroups, a group's items in a CXTPTaskPanelGroupItems; the
// three differ only in the class they create when they load elements.
//
// Adding takes over the caller's reference of a new item; removing tells
// the panel first (so it forgets the item as hot, focused, pressed, active
// and so on) and then releases the item:
//
//     CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
//     pGroup->GetItems()->Add(pItem, ID_SAVE); // the collection holds it now
//     pGroup->GetItems()->Remove(pItem);       // released, and deleted when no one else holds it
#include "toolkit/taskpanel/XTPTaskPanelItem.h"

#include <vector>

class CXTPTaskPanelItems : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPTaskPanelItems)
public:
    explicit CXTPTaskPanelItems(CXTPTaskPanel* pPanel = NULL);
    // Releases every element (telling the panel, when there is one).
    ~CXTPTaskPanelItems() override;

    // --- overridable ---

    // The class made for each element when the collection loads: the base
    // makes CXTPTaskPanelItem.
    virtual CRuntimeClass* GetDefaultItemClass() const;

    // --- elements ---

    int GetCount() const { return (int)m_arrItems.size(); }
    // NULL when the index is out of range.
    CXTPTaskPanelItem* GetAt(int nIndex) const;
    // Gives the item the id (SetID), appends it and lays the panel out.
    // An item not of the collection's kind (GetDefaultItemClass: a group
    // item among the panel's groups, say) is refused: the reference given is
    // released and the answer is NULL. So is it by InsertAt.
    CXTPTaskPanelItem* Add(CXTPTaskPanelItem* pItem, UINT nID);
    // Inserts the item at the index (kept within 0 and the count) and lays
    // the panel out.
    CXTPTaskPanelItem* InsertAt(int nIndex, CXTPTaskPanelItem* pItem);
    // The first element with the id, or NULL.
    CXTPTaskPanelItem* Find(UINT nID) const;
    // -1 when the item is not an element.
    int IndexOf(const CXTPTaskPanelItem* pItem) const;
    // Moves an element to another index without releasing it and lays the
    // panel out without animation; nothing for an absent item or its own index.
    void Move(CXTPTaskPanelItem* pItem, int nIndex);
    // Tells the panel, releases the element, lays the panel out; an index out
    // of range does nothing.
    void RemoveAt(int nIndex);
    void Remove(CXTPTaskPanelItem* pItem);
    // Tells the panel of and releases every element; lays the panel out when asked.
    void Clear(BOOL bReposition = TRUE);

    // The elements as the list "Item": "Count", then per element its class
    // under "Class" and its own keys. Loading reads the elements without a
    // panel and replaces the old ones only when every element was read; the
    // panel then takes what they loaded (OnItemsLoaded). Otherwise the
    // elements and the panel stay as they were, nothing is sent to the owner,
    // and the exception goes on to the caller (CArchiveException badClass for
    // a class that is not of the collection's kind). The panel's redraw is
    // locked meanwhile and it is laid out at the end.
    void DoPropExchange(CXTPPropExchange* pPX);

    // --- owners ---

    CXTPTaskPanel* GetTaskPanel() const { return m_pPanel; }
    // Gives the collection and every element the panel.
    void SetTaskPanel(CXTPTaskPanel* pPanel);
    // The group for a group's items, the panel for the panel's groups.
    CCmdTarget* GetOwner() const { return m_pOwner; }
    void SetOwner(CCmdTarget* pOwner) { m_pOwner = pOwner; }

private:
    // Releases an item not of the collection's kind and answers TRUE.
    BOOL Refuses(CXTPTaskPanelItem* pItem) const;
    void Attach(CXTPTaskPanelItem* pItem);
    // Tells the panel, detaches and releases the element.
    void Release(CXTPTaskPanelItem* pItem);
    void Reposition(BOOL bAnimate) const;
    void LoadElements(CXTPPropExchange* pPX);
    void StoreElements(CXTPPropExchange* pPX);

    CXTPTaskPanel* m_pPanel;
    std::vector<CXTPTaskPanelItem*> m_arrItems;
    CCmdTarget* m_pOwner;
};

// The panel's groups: elements load as CXTPTaskPanelGroup.
class CXTPTaskPanelGroups : public CXTPTaskPanelItems
{
    DECLARE_DYNCREATE(CXTPTaskPanelGroups)
public:
    explicit CXTPTaskPanelGroups(CXTPTaskPanel* pPanel = NULL) : CXTPTaskPanelItems(pPanel) {}
    CRuntimeClass* GetDefaultItemClass() const override;
};

// A group's items: elements load as CXTPTaskPanelGroupItem.
class CXTPTaskPanelGroupItems : public CXTPTaskPanelItems
{
    DECLARE_DYNCREATE(CXTPTaskPanelGroupItems)
public:
    explicit CXTPTaskPanelGroupItems(CXTPTaskPanel* pPanel = NULL) : CXTPTaskPanelItems(pPanel) {}
    CRuntimeClass* GetDefaultItemClass() const override;
};
