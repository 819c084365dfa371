#include "tests/support/CallCounter.h"

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

// The import table entry of the function in the program's own imports.
void** ImportEntry(const char* pszLibrary, const char* pszFunction)
{
    BYTE* pBase = (BYTE*)::GetModuleHandleA(NULL);
    const IMAGE_NT_HEADERS* pNt = (const IMAGE_NT_HEADERS*)(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (const IMAGE_IMPORT_DESCRIPTOR* pImport = (const IMAGE_IMPORT_DESCRIPTOR*)(pBase + imports.VirtualAddress);
         imports.VirtualAddress != 0 && pImport->Name != 0; pImport++)
    {
        if (_stricmp((const char*)(pBase + pImport->Name), pszLibrary) != 0)
            continue;
        const IMAGE_THUNK_DATA* pNames = (const IMAGE_THUNK_DATA*)(pBase + pImport->OriginalFirstThunk);
        IMAGE_THUNK_DATA* pEntries = (IMAGE_THUNK_DATA*)(pBase + pImport->FirstThunk);
        for (int i = 0; pNames[i].u1.AddressOfData != 0; i++)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames[i].u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* pName = (const IMAGE_IMPORT_BY_NAME*)(pBase + pNames[i].u1.AddressOfData);
            if (strcmp((const char*)pName->Name, pszFunction) == 0)
                return (void**)&pEntries[i].u1.Function;
        }
    }
    return nullptr;
}

void WriteEntry(void** ppEntry, void* pValue)
{
    DWORD dwOld = 0;
    ::VirtualProtect(ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
    *ppEntry = pValue;
    ::VirtualProtect(ppEntry, sizeof(void*), dwOld, &dwOld);
}

} // namespace

CallCounter::CallCounter(const char* pszLibrary, const char* pszFunction)
{
    Hook(ImportEntry(pszLibrary, pszFunction));
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
    WriteEntry(m_ppEntry, pStub->code);
}

CallCounter::~CallCounter()
{
    if (m_ppEntry != nullptr)
        WriteEntry(m_ppEntry, m_pOriginal);
    if (m_pStub != nullptr)
        ::VirtualFree(m_pStub, 0, MEM_RELEASE);
}

long CallCounter::Count() const
{
    return m_pStub != nullptr ? ((const StubLayout*)m_pStub)->nCount : 0;
}
