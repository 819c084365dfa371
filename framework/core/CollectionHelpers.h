#pragma once
// The element operations the collection templates use: comparing, hashing, allocating and
// archiving. A key type of one's own gets a HashKey specialisation (and operator== for
// CompareElements); an element type that is not plain bytes gets a SerializeElements overload
// (without one, archiving it raises CNotSupportedException).
#include "framework/core/CArchive.h"
#include "framework/core/CException.h"
#include "framework/core/CString.h"

#include <new>
#include <type_traits>
#include <utility>

// Equal elements; the search of lists and the lookup of maps use it.
template <class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// A well-mixed 32-bit hash of a number or pointer key.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    UINT h = (UINT)(DWORD_PTR)key;
    h ^= h >> 16;
    h *= 0x45D9F3Bu;
    h ^= h >> 16;
    return h;
}

UINT HashString(LPCTSTR key);
template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key)
{
    return HashString(key);
}
template <>
inline UINT HashKey<const CString&>(const CString& key)
{
    return HashString(key);
}
template <>
inline UINT HashKey<CString>(CString key)
{
    return HashString(key);
}

// Raw storage for count elements; raises CMemoryException when it cannot be had (also when the
// size overflows).
void* AfxAllocateElements(size_t count, size_t elementSize);
void AfxFreeElements(void* p);

// Moves count elements to uninitialised storage and ends the old ones.
template <class TYPE>
inline void RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i)
    {
        new (pDest + i) TYPE(std::move(pSrc[i]));
        pSrc[i].~TYPE();
    }
}

// Writes or reads nCount elements: plain types as their bytes, strings in the archive's string
// form, object pointers as archived objects.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        for (INT_PTR i = 0; i < nCount; ++i)
        {
            if (ar.IsStoring())
                ar.Write(pElements + i, sizeof(TYPE));
            else if (ar.Read(pElements + i, sizeof(TYPE)) != sizeof(TYPE))
                AfxThrowArchiveException(CArchiveException::endOfFile);
        }
    }
    else
    {
        (void)ar;
        (void)pElements;
        if (nCount > 0)
            AfxThrowNotSupportedException();
    }
}

inline void SerializeElements(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

inline void SerializeElements(CArchive& ar, CObject** pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

// The fewest bytes one archived element takes: a bound on counts read from an archive.
template <class TYPE>
inline UINT MinSerializedSize(const TYPE*)
{
    return std::is_trivially_copyable<TYPE>::value ? sizeof(TYPE) : 1;
}
inline UINT MinSerializedSize(const CString*)
{
    return 1;
}
inline UINT MinSerializedSize(CObject* const*)
{
    return 2;
}
