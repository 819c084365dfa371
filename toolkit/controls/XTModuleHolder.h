#pragma once
// CXTModuleHolder: owns one loaded library and frees it when it is replaced
// or the holder goes away; it can ask the library for its version.
//
//   CXTModuleHolder comctl("comctl32.dll");
//   DWORD version = comctl.GetDllVersion();   // major << 16 | minor, or 0
#include "framework/Core.h"

class CXTModuleHolder
{
public:
    // Loads the library when a name is given.
    explicit CXTModuleHolder(LPCTSTR lpszModule = NULL);
    virtual ~CXTModuleHolder();

    // Frees the held library, then loads the named one (NULL loads nothing).
    void LoadModule(LPCTSTR lpszModule);

    // The library's own version through its "DllGetVersion" export:
    // (major << 16) | (minor & 0xFFFF); 0 without the export or when the call
    // fails.
    DWORD GetDllVersion() const;

    HMODULE m_hModule;

private:
    CXTModuleHolder(const CXTModuleHolder&);
    CXTModuleHolder& operator=(const CXTModuleHolder&);

    void ReleaseModule();
};
