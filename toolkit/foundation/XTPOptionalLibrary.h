#pragma once
// Optional system libraries and entry points ("UxTheme.dll", "msimg32.dll",
// the monitor functions of USER32, "DllGetVersion") are bound at run time by
// name, so the toolkit runs on systems that lack them. Every such binding goes
// through the functions below; tests withhold a library or an entry point to
// exercise the fallback that each caller has.
#include <windows.h>
#include <shlwapi.h>

// LoadLibraryA, unless a test withholds the library (then NULL).
HMODULE XTPLoadOptionalLibrary(LPCSTR pszLibrary);

// GetProcAddress, unless the module is NULL or a test withholds the entry
// point (then NULL).
FARPROC XTPGetOptionalProc(HMODULE hModule, LPCSTR pszProc);

// The library's "DllGetVersion" as (major << 16) | (minor & 0xFFFF); the
// library is loaded for the call and freed again. 0 when the library, the
// entry point or the call fails.
DWORD XTPGetDllVersion(LPCSTR pszLibrary);

// Test seams. A withheld library does not load and a withheld entry point is
// not found in any module; names compare ignoring case.
void XTPWithholdOptionalLibrary(LPCSTR pszLibrary, BOOL bWithhold);
void XTPWithholdOptionalProc(LPCSTR pszProc, BOOL bWithhold);

// Test seam: "DllGetVersion" of every library answers this record (NULL
// returns to the real call).
void XTPSetDllVersionForTesting(const DLLVERSIONINFO* pVersion);
