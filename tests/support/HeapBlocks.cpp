#include "HeapBlocks.h"

#include <windows.h>

size_t LiveHeapBlocks()
{
    HANDLE heaps[256];
    const DWORD nHeaps = ::GetProcessHeaps(256, heaps);
    size_t nBlocks = 0;
    for (DWORD i = 0; i < nHeaps && i < 256; i++)
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
