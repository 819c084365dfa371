#include "framework/core/ThreadOwned.h"

namespace {

struct OwnedSlot
{
    DWORD dwSlot;
    void (*pfnDelete)(void*);
};

// Few classes need one; a fixed table needs no lock to be read. An entry
// counts once its deleter is set.
const LONG kMaxSlots = 32;
OwnedSlot g_slots[kMaxSlots];
volatile LONG g_nSlots = 0;

// Deletes the ending thread's objects, the last registered first.
void NTAPI DeleteObjectsOfEndingThread(PVOID, DWORD dwReason, PVOID)
{
    if (dwReason != DLL_THREAD_DETACH)
        return;
    for (LONG i = g_nSlots - 1; i >= 0; --i)
    {
        void (*pfnDelete)(void*) = g_slots[i].pfnDelete;
        if (pfnDelete == NULL)
            continue; // still being registered by another thread
        void* pObject = ::TlsGetValue(g_slots[i].dwSlot);
        if (pObject != NULL)
        {
            ::TlsSetValue(g_slots[i].dwSlot, NULL);
            pfnDelete(pObject);
        }
    }
}

} // namespace

// The loader calls the callbacks of the image's TLS directory (the .CRT$XL
// sections) on every thread's start and end.
extern "C" __attribute__((section(".CRT$XLY"), used)) const PIMAGE_TLS_CALLBACK afxThreadOwnedCallback =
    &DeleteObjectsOfEndingThread;

DWORD AfxRegisterThreadOwnedSlot(DWORD dwSlot, void (*pfnDelete)(void*))
{
    LONG nIndex = ::InterlockedIncrement(&g_nSlots) - 1;
    if (dwSlot == TLS_OUT_OF_INDEXES || nIndex >= kMaxSlots)
        ::RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, NULL);
    // The slot is in place before the deleter makes the entry visible.
    g_slots[nIndex].dwSlot = dwSlot;
    ::InterlockedExchangePointer((PVOID volatile*)&g_slots[nIndex].pfnDelete, (PVOID)pfnDelete);
    return dwSlot;
}
