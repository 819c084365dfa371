#include "toolkit/taskpanel/XTPTaskPanelItems.h"

#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPTaskPanelItems, CCmdTarget)
IMPLEMENT_DYNCREATE(CXTPTaskPanelGroups, CXTPTaskPanelItems)
IMPLEMENT_DYNCREATE(CXTPTaskPanelGroupItems, CXTPTaskPanelItems)

namespace {

// Locks the panel's redraw for a scope; the last unlock lays it out.
class CRedrawLock
{
public:
    explicit CRedrawLock(CXTPTaskPanel* pPanel) : m_pPanel(pPanel)
    {
        if (m_pPanel != NULL)
            m_pPanel->LockRedraw(TRUE);
    }
    ~CRedrawLock()
    {
        if (m_pPanel != NULL)
            m_pPanel->LockRedraw(FALSE);
    }

private:
    CXTPTaskPanel* m_pPanel;
};

} // namespace

CXTPTaskPanelItems::CXTPTaskPanelItems(CXTPTaskPanel* pPanel) : m_pPanel(pPanel), m_pOwner(NULL)
{
}

CXTPTaskPanelItems::~CXTPTaskPanelItems()
{
    Clear(FALSE);
}

CRuntimeClass* CXTPTaskPanelItems::GetDefaultItemClass() const
{
    return RUNTIME_CLASS(CXTPTaskPanelItem);
}

CRuntimeClass* CXTPTaskPanelGroups::GetDefaultItemClass() const
{
    return RUNTIME_CLASS(CXTPTaskPanelGroup);
}

CRuntimeClass* CXTPTaskPanelGroupItems::GetDefaultItemClass() const
{
    return RUNTIME_CLASS(CXTPTaskPanelGroupItem);
}

CXTPTaskPanelItem* CXTPTaskPanelItems::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrItems[nIndex] : NULL;
}

void CXTPTaskPanelItems::Attach(CXTPTaskPanelItem* pItem)
{
    pItem->SetParentItems(this);
    pItem->SetTaskPanel(m_pPanel);
}

BOOL CXTPTaskPanelItems::Refuses(CXTPTaskPanelItem* pItem) const
{
    // The panel and the groups take their elements as groups and group
    // items: any other kind would be a NULL to them.
    if (pItem->IsKindOf(GetDefaultItemClass()))
        return FALSE;
    pItem->InternalRelease();
    return TRUE;
}

CXTPTaskPanelItem* CXTPTaskPanelItems::Add(CXTPTaskPanelItem* pItem, UINT nID)
{
    ASSERT(pItem != NULL && pItem->GetParentItems() == NULL);
    if (Refuses(pItem))
        return NULL;
    pItem->SetID(nID);
    m_arrItems.push_back(pItem);
    Attach(pItem);
    Reposition(TRUE);
    return pItem;
}

CXTPTaskPanelItem* CXTPTaskPanelItems::InsertAt(int nIndex, CXTPTaskPanelItem* pItem)
{
    ASSERT(pItem != NULL && pItem->GetParentItems() == NULL);
    if (Refuses(pItem))
        return NULL;
    nIndex = std::max(0, std::min(nIndex, GetCount()));
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    Attach(pItem);
    Reposition(TRUE);
    return pItem;
}

CXTPTaskPanelItem* CXTPTaskPanelItems::Find(UINT nID) const
{
    for (CXTPTaskPanelItem* pItem : m_arrItems)
    {
        if (pItem->GetID() == nID)
            return pItem;
    }
    return NULL;
}

int CXTPTaskPanelItems::IndexOf(const CXTPTaskPanelItem* pItem) const
{
    auto it = std::find(m_arrItems.begin(), m_arrItems.end(), pItem);
    return it == m_arrItems.end() ? -1 : (int)(it - m_arrItems.begin());
}

void CXTPTaskPanelItems::Move(CXTPTaskPanelItem* pItem, int nIndex)
{
    const int nOld = IndexOf(pItem);
    if (nOld == -1 || nOld == nIndex)
        return;
    m_arrItems.erase(m_arrItems.begin() + nOld);
    nIndex = std::max(0, std::min(nIndex, GetCount()));
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    Reposition(FALSE);
}

void CXTPTaskPanelItems::Release(CXTPTaskPanelItem* pItem)
{
    if (m_pPanel != NULL)
        m_pPanel->OnItemRemoved(pItem);
    pItem->SetParentItems(NULL);
    pItem->InternalRelease();
}

void CXTPTaskPanelItems::RemoveAt(int nIndex)
{
    CXTPTaskPanelItem* pItem = GetAt(nIndex);
    if (pItem == NULL)
        return;
    m_arrItems.erase(m_arrItems.begin() + nIndex);
    Release(pItem);
    Reposition(TRUE);
}

void CXTPTaskPanelItems::Remove(CXTPTaskPanelItem* pItem)
{
    RemoveAt(IndexOf(pItem));
}

void CXTPTaskPanelItems::Clear(BOOL bReposition)
{
    // The array is emptied first: the panel, told of each element, sees a
    // collection that no longer holds it.
    std::vector<CXTPTaskPanelItem*> arrItems;
    arrItems.swap(m_arrItems);
    for (CXTPTaskPanelItem* pItem : arrItems)
        Release(pItem);
    if (bReposition)
        Reposition(TRUE);
}

void CXTPTaskPanelItems::SetTaskPanel(CXTPTaskPanel* pPanel)
{
    m_pPanel = pPanel;
    for (CXTPTaskPanelItem* pItem : m_arrItems)
        pItem->SetTaskPanel(pPanel);
}

void CXTPTaskPanelItems::Reposition(BOOL bAnimate) const
{
    if (m_pPanel != NULL)
        m_pPanel->Reposition(bAnimate);
}

void CXTPTaskPanelItems::DoPropExchange(CXTPPropExchange* pPX)
{
    CRedrawLock lock(m_pPanel);
    if (pPX->IsStoring())
        StoreElements(pPX);
    else
        LoadElements(pPX);
}

void CXTPTaskPanelItems::StoreElements(CXTPPropExchange* pPX)
{
    CXTPPropExchangeEnumeratorPtr pEnum(pPX->GetEnumerator("Item"));
    POSITION pos = pEnum->GetPosition((DWORD)GetCount());
    for (CXTPTaskPanelItem* pItem : m_arrItems)
    {
        if (pos == NULL)
            break;
        CXTPPropExchangeSectionPtr pSection(pEnum->GetNext(pos));
        CObject* pObject = pItem;
        pSection->ExchangeObjectInstance(pObject, GetDefaultItemClass());
        pItem->DoPropExchange(pSection);
    }
}

void CXTPTaskPanelItems::LoadElements(CXTPPropExchange* pPX)
{
    // The new elements are read beside the old ones and without a panel, so
    // that what they load reaches no panel yet (a group's open state, an
    // item's selection): damaged data leaves the collection and the panel as
    // they were. The panel takes the loaded state once every element is in.
    CXTPTaskPanelItems loaded(NULL);
    CXTPPropExchangeEnumeratorPtr pEnum(pPX->GetEnumerator("Item"));
    POSITION pos = pEnum->GetPosition();
    while (pos != NULL)
    {
        CXTPPropExchangeSectionPtr pSection(pEnum->GetNext(pos));
        CObject* pObject = NULL;
        if (!pSection->ExchangeObjectInstance(pObject, GetDefaultItemClass()) || pObject == NULL)
            AfxThrowArchiveException(CArchiveException::badClass);
        CXTPTaskPanelItem* pItem = (CXTPTaskPanelItem*)pObject;
        loaded.m_arrItems.push_back(pItem);
        pItem->SetParentItems(&loaded);
        pSection->m_dwData = 0;
        pItem->DoPropExchange(pSection);
    }
    Clear(FALSE);
    m_arrItems.swap(loaded.m_arrItems);
    for (CXTPTaskPanelItem* pItem : m_arrItems)
        Attach(pItem);
    if (m_pPanel != NULL)
        m_pPanel->OnItemsLoaded(this);
}
