#include "framework/controls/COleDocument.h"

#include "framework/controls/COleClientItem.h"
#include "framework/window/CView.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(COleDocument, CDocument)

COleDocument::COleDocument()
{}

COleDocument::~COleDocument()
{
    while (!m_items.empty())
        delete m_items.back();
}

void COleDocument::AddItem(COleClientItem* pItem)
{
    if (pItem->m_pDocument != NULL)
        pItem->m_pDocument->RemoveItem(pItem);
    m_items.push_back(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(COleClientItem* pItem)
{
    m_items.erase(std::remove(m_items.begin(), m_items.end(), pItem), m_items.end());
    if (pItem->m_pDocument == this)
        pItem->m_pDocument = NULL;
}

COleClientItem* COleDocument::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[nIndex] : NULL;
}

COleClientItem* COleDocument::GetPrimarySelectedItem(CView* pView) const
{
    COleClientItem* pSelected = NULL;
    for (COleClientItem* pItem : m_items)
    {
        if (!pView->IsSelected(pItem))
            continue;
        if (pSelected != NULL)
            return NULL;
        pSelected = pItem;
    }
    return pSelected;
}
