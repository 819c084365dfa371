#include "HeapBlocks.h"

#include <windows.h>

#include <algorithm>

size_t LiveHeapBlocks()
{
    HANDLE heaps[256];
    const DWORD nMost = sizeof(heaps) / sizeof(heaps[0]);
    // The count may exceed what fits: the heaps beyond it are not walked.
    const DWORD nHeaps = std::min(::GetProcessHeaps(nMost, heaps), nMost);
    size_t nBlocks = 0;
    for (DWORD i = 0; i < nHeaps; i++)
    {
        ::HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry;
        entry.lpData = NULL;
        while (::HeapWalk(heaps[i], &entry))
        {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nBlocks++;
        }
        ::HeapUnlock(heaps[i]);
    }
    return nBlocks;
}
