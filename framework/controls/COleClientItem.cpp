#include "framework/controls/COleClientItem.h"

#include "framework/controls/COleDocument.h"

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_lpObject(NULL), m_nItemState(emptyState), m_pDocument(NULL)
{
    if (pContainerDoc != NULL)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    if (m_pDocument != NULL)
        m_pDocument->RemoveItem(this);
    SetObject(NULL);
}

void COleClientItem::SetObject(IOleObject* pObject)
{
    if (pObject != NULL)
        pObject->AddRef();
    if (m_lpObject != NULL)
        m_lpObject->Release();
    m_lpObject = pObject;
    if (pObject == NULL)
        m_nItemState = emptyState;
    else if (m_nItemState == emptyState)
        m_nItemState = loadedState;
}

BOOL COleClientItem::GetUserType(DWORD dwFormOfType, CString& strUserType) const
{
    LPOLESTR pszType = NULL;
    if (m_lpObject == NULL || FAILED(m_lpObject->GetUserType(dwFormOfType, &pszType)) || pszType == NULL)
        return FALSE;
    strUserType = pszType;
    ::CoTaskMemFree(pszType);
    return TRUE;
}
