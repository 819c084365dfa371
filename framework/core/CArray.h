#pragma once
// CArray<TYPE, ARG_TYPE>: a growable array of TYPE, passed in as ARG_TYPE; and the typed arrays
// CPtrArray, CObArray, CStringArray, CByteArray, CWordArray, CDWordArray and CUIntArray.
// An index outside the array raises CInvalidArgException; memory exhaustion CMemoryException.
#include "framework/core/CObject.h"
#include "framework/core/CException.h"
#include "framework/core/CollectionHelpers.h"

#include <algorithm>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(-1) {}
    ~CArray() override { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // New elements are default-constructed; nGrowBy sets how many the array grows by at once
    // (-1: a step that grows with the array).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll()
    {
        SetSize(0);
        FreeExtra();
    }

    const TYPE& GetAt(INT_PTR nIndex) const
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    TYPE& GetAt(INT_PTR nIndex)
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        CheckIndex(nIndex);
        m_pData[nIndex] = newElement;
    }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Sets the element, growing the array to hold it.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);
    // Inserts nCount copies before nIndex (an index past the end grows the array).
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    // The count, then the elements (see SerializeElements).
    void Serialize(CArchive& ar) override;

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    void CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
    }
    void Reallocate(INT_PTR nNewMax);
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    TYPE* pNewData = nNewMax ? (TYPE*)AfxAllocateElements((size_t)nNewMax, sizeof(TYPE)) : NULL;
    RelocateElements(pNewData, m_pData, m_nSize);
    AfxFreeElements(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize > m_nMaxSize)
    {
        INT_PTR nStep =
            m_nGrowBy > 0 ? m_nGrowBy : std::min<INT_PTR>(1024, std::max<INT_PTR>(4, m_nSize / 8));
        INT_PTR nNewMax = std::max(nNewSize, m_nMaxSize + nStep);
        if (nNewMax < nNewSize) // overflow of the step
            nNewMax = nNewSize;
        Reallocate(nNewMax);
    }
    for (INT_PTR i = m_nSize; i < nNewSize; ++i)
        new (m_pData + i) TYPE();
    for (INT_PTR i = nNewSize; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    TYPE copy(newElement); // the element may live in this array, which may move
    if (nIndex >= m_nSize)
        SetSize(nIndex + 1);
    m_pData[nIndex] = std::move(copy);
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nAdded = src.m_nSize;
    SetSize(m_nSize + nAdded);
    for (INT_PTR i = 0; i < nAdded; ++i)
        m_pData[nOldSize + i] = src.m_pData[i]; // also right when src is this array
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize; ++i)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    TYPE copy(newElement);
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize)
    {
        SetSize(nIndex + nCount);
    }
    else
    {
        SetSize(nOldSize + nCount);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    std::fill(m_pData + nIndex, m_pData + nIndex + nCount, copy);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (!pNewArray || nStartIndex < 0)
        AfxThrowInvalidArgException();
    CArray copy;
    copy.Copy(*pNewArray); // pNewArray may be this array
    if (copy.m_nSize == 0)
        return;
    InsertAt(nStartIndex, copy.m_pData[0], copy.m_nSize);
    for (INT_PTR i = 1; i < copy.m_nSize; ++i)
        m_pData[nStartIndex + i] = copy.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        AfxThrowInvalidArgException();
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    SetSize(m_nSize - nCount);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nSize);
    }
    else
    {
        DWORD_PTR nCount = ar.ReadCount();
        ar.CheckCount(nCount, MinSerializedSize(m_pData));
        SetSize((INT_PTR)nCount);
    }
    SerializeElements(ar, m_pData, m_nSize);
}

// Arrays of pointers are not archived; the others are serializable classes.
#define AFX_TYPED_ARRAY(class_name, TYPE, ARG_TYPE, DECLARE_KIND)                                            \
    class class_name : public CArray<TYPE, ARG_TYPE>                                                         \
    {                                                                                                        \
        DECLARE_KIND(class_name)                                                                             \
    };

AFX_TYPED_ARRAY(CPtrArray, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_ARRAY(CObArray, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CStringArray, CString, const CString&, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CByteArray, BYTE, BYTE, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CWordArray, WORD, WORD, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CDWordArray, DWORD, DWORD, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CUIntArray, UINT, UINT, DECLARE_SERIAL)
