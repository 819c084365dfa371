#pragma once
// CList<TYPE, ARG_TYPE>: a doubly linked list walked by POSITION; and the typed lists CPtrList,
// CObList and CStringList. A position stays valid until its own element is removed, so removing
// the element just returned by GetNext is safe while walking. Head or tail access of an empty
// list and a NULL position raise CInvalidArgException.
#include "framework/core/CObject.h"
#include "framework/core/CException.h"
#include "framework/core/CollectionHelpers.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
        explicit CNode(ARG_TYPE value) : pNext(NULL), pPrev(NULL), data(value) {}
    };

public:
    // The block size is accepted for compatibility; nodes are allocated one at a time.
    explicit CList(INT_PTR nBlockSize = 10) : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0)
    {
        (void)nBlockSize;
    }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore((POSITION)m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter((POSITION)m_pNodeTail, newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    // The element at rPosition; rPosition moves on (NULL after the last).
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position);
    // A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // The first equal element after startAfter (from the head when NULL), or NULL.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    // The position of the element with that index from the head, or NULL.
    POSITION FindIndex(INT_PTR nIndex) const;

    // The count, then the elements (see SerializeElements). Loading appends to the list.
    void Serialize(CArchive& ar) override;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;

private:
    static CNode* Node(POSITION position)
    {
        if (!position)
            AfxThrowInvalidArgException();
        return (CNode*)position;
    }
    static CNode* NonEmpty(CNode* pNode) { return Node((POSITION)pNode); }
    CNode* NewNode(ARG_TYPE value);
    POSITION Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
};

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(ARG_TYPE value)
{
    void* p = AfxAllocateElements(1, sizeof(CNode));
    try
    {
        return new (p) CNode(value);
    }
    catch (...)
    {
        AfxFreeElements(p);
        throw;
    }
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
{
    CNode* pNew = NewNode(newElement);
    pNew->pPrev = pPrev;
    pNew->pNext = pNext;
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNew;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNew;
    ++m_nCount;
    return (POSITION)pNew;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pNext = position ? (CNode*)position : m_pNodeHead;
    return Link(pNext ? pNext->pPrev : NULL, pNext, newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pPrev = position ? (CNode*)position : m_pNodeTail;
    return Link(pPrev, pPrev ? pPrev->pNext : NULL, newElement);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOld = Node(position);
    (pOld->pPrev ? pOld->pPrev->pNext : m_pNodeHead) = pOld->pNext;
    (pOld->pNext ? pOld->pNext->pPrev : m_pNodeTail) = pOld->pPrev;
    pOld->~CNode();
    AfxFreeElements(pOld);
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    TYPE value = GetHead();
    RemoveAt((POSITION)m_pNodeHead);
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    TYPE value = GetTail();
    RemoveAt((POSITION)m_pNodeTail);
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (!pNewList)
        AfxThrowInvalidArgException();
    CList copy;
    copy.AddTail(pNewList); // pNewList may be this list
    for (POSITION pos = copy.GetTailPosition(); pos;)
        AddHead(copy.GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (!pNewList)
        AfxThrowInvalidArgException();
    INT_PTR nCount = pNewList->m_nCount; // pNewList may be this list: take the old elements only
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR i = 0; i < nCount; ++i)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    while (m_pNodeHead)
        RemoveAt((POSITION)m_pNodeHead);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter ? ((CNode*)startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
    {
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    }
    return NULL;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode; pNode = pNode->pNext)
            SerializeElements(ar, &pNode->data, 1);
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    ar.CheckCount(nCount, MinSerializedSize((TYPE*)NULL));
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        TYPE newData = TYPE();
        SerializeElements(ar, &newData, 1);
        AddTail(newData);
    }
}

// Lists of pointers are not archived; the others are serializable classes.
#define AFX_TYPED_LIST(class_name, TYPE, ARG_TYPE, DECLARE_KIND)                                             \
    class class_name : public CList<TYPE, ARG_TYPE>                                                          \
    {                                                                                                        \
        DECLARE_KIND(class_name)                                                                             \
    public:                                                                                                  \
        explicit class_name(INT_PTR nBlockSize = 10) : CList<TYPE, ARG_TYPE>(nBlockSize) {}                  \
    };

AFX_TYPED_LIST(CPtrList, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_LIST(CObList, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_LIST(CStringList, CString, const CString&, DECLARE_SERIAL)
