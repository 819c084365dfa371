#include "tests/support/ImportTable.h"

#include <windows.h>

#include <string.h>

void** ImportTableEntry(const char* pszLibrary, const char* pszFunction)
{
    BYTE* pBase = (BYTE*)::GetModuleHandleA(NULL);
    const IMAGE_NT_HEADERS* pNt = (const IMAGE_NT_HEADERS*)(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (const IMAGE_IMPORT_DESCRIPTOR* pImport =
             (const IMAGE_IMPORT_DESCRIPTOR*)(pBase + imports.VirtualAddress);
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
            const IMAGE_IMPORT_BY_NAME* pName =
                (const IMAGE_IMPORT_BY_NAME*)(pBase + pNames[i].u1.AddressOfData);
            if (strcmp((const char*)pName->Name, pszFunction) == 0)
                return (void**)&pEntries[i].u1.Function;
        }
    }
    return nullptr;
}

void SetImportTableEntry(void** ppEntry, void* pValue)
{
    DWORD dwOld = 0;
    ::VirtualProtect(ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
    *ppEntry = pValue;
    ::VirtualProtect(ppEntry, sizeof(void*), dwOld, &dwOld);
}
