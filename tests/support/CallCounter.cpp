#include "tests/support/CallCounter.h"

#include "tests/support/ImportTable.h"

#include <windows.h>

#include <string.h>

namespace {

// The stub's memory: the count, the original function's address, then the
// code "lock inc dword [count]; jmp dword [original]", which leaves the
// stack and every register as the caller set them.
struct StubLayout
{
    volatile long nCount;
    void* pOriginal;
    unsigned char code[16];
};

} // namespace

CallCounter::CallCounter(const char* pszLibrary, const char* pszFunction)
{
    Hook(ImportTableEntry(pszLibrary, pszFunction));
}

CallCounter::CallCounter(void* pComObject, int nSlot)
{
    Hook(&(*(void***)pComObject)[nSlot]);
}

void CallCounter::Hook(void** ppEntry)
{
    if (ppEntry == nullptr)
        return;
    m_pStub = (unsigned char*)::VirtualAlloc(NULL, sizeof(StubLayout), MEM_COMMIT | MEM_RESERVE,
                                             PAGE_EXECUTE_READWRITE);
    if (m_pStub == nullptr)
        return;
    StubLayout* pStub = (StubLayout*)m_pStub;
    pStub->nCount = 0;
    pStub->pOriginal = *ppEntry;
    unsigned char* p = pStub->code;
    const DWORD dwCount = (DWORD)(DWORD_PTR)&pStub->nCount;
    const DWORD dwOriginal = (DWORD)(DWORD_PTR)&pStub->pOriginal;
    *p++ = 0xF0; // lock
    *p++ = 0xFF; // inc dword [dwCount]
    *p++ = 0x05;
    memcpy(p, &dwCount, 4);
    p += 4;
    *p++ = 0xFF; // jmp dword [dwOriginal]
    *p++ = 0x25;
    memcpy(p, &dwOriginal, 4);
    ::FlushInstructionCache(::GetCurrentProcess(), pStub->code, sizeof(pStub->code));
    m_pOriginal = *ppEntry;
    m_ppEntry = ppEntry;
    SetImportTableEntry(m_ppEntry, pStub->code);
}

CallCounter::~CallCounter()
{
    if (m_ppEntry != nullptr)
        SetImportTableEntry(m_ppEntry, m_pOriginal);
    if (m_pStub != nullptr)
        ::VirtualFree(m_pStub, 0, MEM_RELEASE);
}

long CallCounter::Count() const
{
    return m_pStub != nullptr ? ((const StubLayout*)m_pStub)->nCount : 0;
}
