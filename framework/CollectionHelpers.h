#pragma once
// The element operations the collection templates use: comparing, hashing and allocating.
// A key type of one's own gets a HashKey specialisation (and operator== for CompareElements).
#include "framework/CString.h"

#include <new>
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
template <> inline UINT HashKey<LPCTSTR>(LPCTSTR key) { return HashString(key); }
template <> inline UINT HashKey<const CString&>(const CString& key) { return HashString(key); }

// Raw storage for count elements; raises CMemoryException when it cannot be had (also when the
// size overflows).
void* AfxAllocateElements(size_t count, size_t elementSize);
void AfxFreeElements(void* p);

// Moves count elements to uninitialised storage and ends the old ones.
template <class TYPE>
inline void RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i) {
        new (pDest + i) TYPE(std::move(pSrc[i]));
        pSrc[i].~TYPE();
    }
}
