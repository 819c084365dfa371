#include "framework/core/CollectionHelpers.h"

#include "framework/core/CException.h"

#include <stdint.h>
#include <stdlib.h>

UINT HashString(LPCTSTR key)
{
    UINT h = 2166136261u; // FNV-1a
    for (const BYTE* p = (const BYTE*)(key ? key : ""); *p; ++p)
        h = (h ^ *p) * 16777619u;
    return h;
}

void* AfxAllocateElements(size_t count, size_t elementSize)
{
    if (elementSize != 0 && count > (SIZE_MAX / 2) / elementSize)
        AfxThrowMemoryException();
    size_t bytes = count * elementSize;
    void* p = malloc(bytes ? bytes : 1);
    if (!p)
        AfxThrowMemoryException();
    return p;
}

void AfxFreeElements(void* p)
{
    free(p);
}
