#pragma once
// COleDocument: a document that contains embedded OLE objects as client
// items (COleClientItem). The document owns its items and deletes them
// when it goes; each view tells which items it has selected
// (CView::IsSelected), and the primary selection is the one item a view has
// selected.
//
//     COleClientItem* pItem = pDoc->GetPrimarySelectedItem(pView);
//     if (pItem != NULL && pItem->GetItemState() != COleClientItem::activeUIState)
//         AfxOleSetEditMenu(pItem, &menu, 0, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST);
#include "framework/window/CDocument.h"

#include <vector>

class COleClientItem;
class CView;

class COleDocument : public CDocument
{
    DECLARE_DYNCREATE(COleDocument)
public:
    COleDocument();
    // Deletes the items.
    ~COleDocument() override;

    // Items join and leave through their own construction and destruction.
    void AddItem(COleClientItem* pItem);
    void RemoveItem(COleClientItem* pItem);
    int GetItemCount() const { return (int)m_items.size(); }
    COleClientItem* GetItem(int nIndex) const;

    // The only item the view has selected; NULL when it has none or more.
    COleClientItem* GetPrimarySelectedItem(CView* pView) const;

private:
    std::vector<COleClientItem*> m_items;
};
