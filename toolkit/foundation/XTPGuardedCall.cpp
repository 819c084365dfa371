#include "toolkit/foundation/XTPGuardedCall.h"

#include <setjmp.h>

#if defined(__i386__)

namespace {

// An exception registration record (link, handler) followed by where to
// resume; it lives on the stack, as the system requires.
struct GuardFrame
{
    GuardFrame* pPrevious;
    void* pfnHandler;
    jmp_buf resume;
};

void* ChainHead()
{
    void* pHead;
    __asm__ __volatile__("movl %%fs:0, %0" : "=r"(pHead));
    return pHead;
}

void SetChainHead(void* pHead)
{
    __asm__ __volatile__("movl %0, %%fs:0" : : "r"(pHead) : "memory");
}

const DWORD kUnwindingFlags = 0x02 | 0x04; // EXCEPTION_UNWINDING, EXCEPTION_EXIT_UNWIND

extern "C" EXCEPTION_DISPOSITION __cdecl GuardHandler(EXCEPTION_RECORD* pRecord, void* pEstablisherFrame,
                                                      CONTEXT*, void*)
{
    if (pRecord->ExceptionFlags & kUnwindingFlags)
        return ExceptionContinueSearch;
    // The runtime's longjmp unwinds every frame registered since setjmp,
    // this one included.
    longjmp(static_cast<GuardFrame*>(pEstablisherFrame)->resume, 1);
}

} // namespace

BOOL XTPCallGuarded(void (*pfnCall)(void* pContext), void* pContext)
{
    GuardFrame frame;
    frame.pPrevious = static_cast<GuardFrame*>(ChainHead());
    frame.pfnHandler = reinterpret_cast<void*>(&GuardHandler);
    if (setjmp(frame.resume) != 0)
    {
        SetChainHead(frame.pPrevious);
        return FALSE;
    }
    SetChainHead(&frame);
    pfnCall(pContext);
    SetChainHead(frame.pPrevious);
    return TRUE;
}

#else

BOOL XTPCallGuarded(void (*pfnCall)(void* pContext), void* pContext)
{
    pfnCall(pContext);
    return TRUE;
}

#endif
