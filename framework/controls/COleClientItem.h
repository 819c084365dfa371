#pragma once
// COleClientItem: one embedded object of an OLE container document, held
// through its IOleObject. The item belongs to its COleDocument (which
// deletes it) and knows how far the object is activated: empty, loaded,
// open in its own window, or active in place with its own user interface.
//
//     COleClientItem* pItem = new COleClientItem(pDoc);
//     pItem->SetObject(pOleObject);          // the item keeps a reference
//     pItem->SetItemState(COleClientItem::loadedState);
#include "framework/window/CCmdTarget.h"

#include <ole2.h>

class COleDocument;

class COleClientItem : public CCmdTarget
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    // How far the object is activated.
    enum ItemState
    {
        emptyState = 0,   // no object
        loadedState = 1,  // loaded, not running
        openState = 2,    // open in a window of its own
        activeUIState = 3 // active in place with its own menus and tool bars
    };

    // Joins the document (NULL: none).
    explicit COleClientItem(COleDocument* pContainerDoc = NULL);
    // Leaves the document and releases the object.
    ~COleClientItem() override;

    // Holds the object (NULL releases it); without one the item is empty.
    void SetObject(IOleObject* pObject);
    IOleObject* GetObject() const { return m_lpObject; }
    ItemState GetItemState() const { return m_nItemState; }
    void SetItemState(ItemState nState) { m_nItemState = nState; }
    COleDocument* GetDocument() const { return m_pDocument; }

    // The object's user type name of the form (USERCLASSTYPE_SHORT ...);
    // FALSE without an object or when the object has none.
    BOOL GetUserType(DWORD dwFormOfType, CString& strUserType) const;

private:
    friend class COleDocument;

    COleClientItem(const COleClientItem&);
    COleClientItem& operator=(const COleClientItem&);

    IOleObject* m_lpObject;
    ItemState m_nItemState;
    COleDocument* m_pDocument;
};
