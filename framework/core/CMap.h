#pragma once
// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: a hash map; and the typed maps CMapPtrToPtr,
// CMapPtrToWord, CMapStringToPtr, CMapStringToOb, CMapStringToString, CMapWordToPtr and
// CMapWordToOb. Iteration (GetStartPosition, GetNextAssoc) visits every entry once in no
// particular order; the entry just returned may be removed while iterating. The table grows as
// entries are added, so InitHashTable is only a hint.
#include "framework/core/CObject.h"
#include "framework/core/CException.h"
#include "framework/core/CollectionHelpers.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
        explicit CAssoc(ARG_KEY k) : pNext(NULL), nHashValue(0), key(k), value() {}
    };

public:
    // The block size is accepted for compatibility; entries are allocated one at a time.
    explicit CMap(INT_PTR nBlockSize = 10) : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0)
    {
        (void)nBlockSize;
    }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value of the key, added (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // The count, then each key and its value (see SerializeElements). Loading adds to the map.
    void Serialize(CArchive& ar) override;

protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;

private:
    static UINT Hash(ARG_KEY key) { return HashKey<ARG_KEY>(key); }
    CAssoc* Find(ARG_KEY key, UINT nHashValue, CAssoc**& rpLink) const;
    void Rehash(UINT nNewSize);
    CAssoc* NextAfter(CAssoc* pAssoc) const;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(ARG_KEY key, UINT nHashValue, CAssoc**& rpLink) const
{
    rpLink = NULL;
    if (!m_pHashTable)
        return NULL;
    rpLink = &m_pHashTable[nHashValue % m_nHashTableSize];
    for (; *rpLink; rpLink = &(*rpLink)->pNext)
    {
        CAssoc* pAssoc = *rpLink;
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    CAssoc** ppLink;
    CAssoc* pAssoc = Find(key, Hash(key), ppLink);
    if (!pAssoc)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHashValue = Hash(key);
    CAssoc** ppLink;
    if (CAssoc* pAssoc = Find(key, nHashValue, ppLink))
        return pAssoc->value;
    if (!m_pHashTable)
        Rehash(m_nHashTableSize);
    else if ((UINT)m_nCount >= m_nHashTableSize * 2 && m_nHashTableSize < 0x1000000)
        Rehash(m_nHashTableSize * 2 + 1);
    void* p = AfxAllocateElements(1, sizeof(CAssoc));
    CAssoc* pAssoc;
    try
    {
        pAssoc = new (p) CAssoc(key);
    }
    catch (...)
    {
        AfxFreeElements(p);
        throw;
    }
    pAssoc->nHashValue = nHashValue;
    CAssoc*& rBucket = m_pHashTable[nHashValue % m_nHashTableSize];
    pAssoc->pNext = rBucket;
    rBucket = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    CAssoc** ppLink;
    CAssoc* pAssoc = Find(key, Hash(key), ppLink);
    if (!pAssoc)
        return FALSE;
    *ppLink = pAssoc->pNext;
    pAssoc->~CAssoc();
    AfxFreeElements(pAssoc);
    --m_nCount;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable)
    {
        for (UINT i = 0; i < m_nHashTableSize; ++i)
        {
            for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc;)
            {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->~CAssoc();
                AfxFreeElements(pAssoc);
                pAssoc = pNext;
            }
        }
        AfxFreeElements(m_pHashTable);
    }
    m_pHashTable = NULL;
    m_nCount = 0;
}

// Moves every entry into a new table of nNewSize buckets.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT nNewSize)
{
    CAssoc** pNewTable = (CAssoc**)AfxAllocateElements(nNewSize, sizeof(CAssoc*));
    for (UINT i = 0; i < nNewSize; ++i)
        pNewTable[i] = NULL;
    if (m_pHashTable)
    {
        for (UINT i = 0; i < m_nHashTableSize; ++i)
        {
            for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc;)
            {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc*& rBucket = pNewTable[pAssoc->nHashValue % nNewSize];
                pAssoc->pNext = rBucket;
                rBucket = pAssoc;
                pAssoc = pNext;
            }
        }
        AfxFreeElements(m_pHashTable);
    }
    m_pHashTable = pNewTable;
    m_nHashTableSize = nNewSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        AfxThrowInvalidArgException();
    if (m_pHashTable || bAllocNow)
        Rehash(hashSize);
    else
        m_nHashTableSize = hashSize;
}

// The entry after pAssoc (the first entry for NULL), or NULL.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAfter(CAssoc* pAssoc) const
{
    if (pAssoc && pAssoc->pNext)
        return pAssoc->pNext;
    UINT nBucket = pAssoc ? pAssoc->nHashValue % m_nHashTableSize + 1 : 0;
    for (; m_pHashTable && nBucket < m_nHashTableSize; ++nBucket)
    {
        if (m_pHashTable[nBucket])
            return m_pHashTable[nBucket];
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION ? NextAfter(NULL) : (CAssoc*)rNextPosition;
    if (!pAssoc)
        AfxThrowInvalidArgException();
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = (POSITION)NextAfter(pAssoc);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (CAssoc* pAssoc = NextAfter(NULL); pAssoc; pAssoc = NextAfter(pAssoc))
        {
            SerializeElements(ar, &pAssoc->key, 1);
            SerializeElements(ar, &pAssoc->value, 1);
        }
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    ar.CheckCount(nCount, MinSerializedSize((KEY*)NULL) + MinSerializedSize((VALUE*)NULL));
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        KEY newKey = KEY();
        VALUE newValue = VALUE();
        SerializeElements(ar, &newKey, 1);
        SerializeElements(ar, &newValue, 1);
        (*this)[newKey] = newValue;
    }
}

// Maps holding pointers are not archived; the others are serializable classes.
#define AFX_TYPED_MAP(class_name, KEY, ARG_KEY, VALUE, ARG_VALUE, DECLARE_KIND)                              \
    class class_name : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>                                           \
    {                                                                                                        \
        DECLARE_KIND(class_name)                                                                             \
    public:                                                                                                  \
        explicit class_name(INT_PTR nBlockSize = 10) : CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>(nBlockSize) {}   \
    };

AFX_TYPED_MAP(CMapPtrToPtr, void*, void*, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapPtrToWord, void*, void*, WORD, WORD, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapStringToPtr, CString, LPCTSTR, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapStringToOb, CString, LPCTSTR, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_MAP(CMapStringToString, CString, LPCTSTR, CString, LPCTSTR, DECLARE_SERIAL)
AFX_TYPED_MAP(CMapWordToPtr, WORD, WORD, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapWordToOb, WORD, WORD, CObject*, CObject*, DECLARE_SERIAL)
