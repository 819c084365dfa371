#pragma once
// The test program's import table, where every call it makes to a system
// library goes (the program is linked statically, so its own code and the
// framework's call through this one table). A test points an entry at a
// function of its own to count or refuse the calls (CallCounter,
// RegistryRefusal) and puts the original back when done.
//
//     void** ppEntry = ImportTableEntry("ADVAPI32.dll", "RegSetValueExA");
//     void* pOriginal = *ppEntry;
//     SetImportTableEntry(ppEntry, (void*)MySetValue);
//     ...
//     SetImportTableEntry(ppEntry, pOriginal);

// The entry of the function the program imports from the library (names as
// in the import table; the library's name in any case); nullptr when the
// program does not import it by name.
void** ImportTableEntry(const char* pszLibrary, const char* pszFunction);
// Writes the entry (the table is read-only while the program runs).
void SetImportTableEntry(void** ppEntry, void* pValue);
