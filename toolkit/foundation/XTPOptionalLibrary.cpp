#include "toolkit/foundation/XTPOptionalLibrary.h"

#include <set>
#include <string>

namespace {

std::string LowerCase(LPCSTR psz)
{
    std::string text(psz ? psz : "");
    if (!text.empty())
        ::CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// Function-local sets: the start-up of the toolkit binds libraries before
// other namespace-scope objects may have been constructed.
std::set<std::string>& WithheldLibraries()
{
    static std::set<std::string> names;
    return names;
}

std::set<std::string>& WithheldProcs()
{
    static std::set<std::string> names;
    return names;
}

void Withhold(std::set<std::string>& names, LPCSTR pszName, BOOL bWithhold)
{
    if (bWithhold)
        names.insert(LowerCase(pszName));
    else
        names.erase(LowerCase(pszName));
}

BOOL IsWithheld(const std::set<std::string>& names, LPCSTR pszName)
{
    return !names.empty() && names.count(LowerCase(pszName)) != 0;
}

bool g_bVersionInjected = false;
DLLVERSIONINFO g_injectedVersion;

DWORD PackVersion(const DLLVERSIONINFO& info)
{
    return (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
}

} // namespace

HMODULE XTPLoadOptionalLibrary(LPCSTR pszLibrary)
{
    if (IsWithheld(WithheldLibraries(), pszLibrary))
        return NULL;
    return ::LoadLibraryA(pszLibrary);
}

FARPROC XTPGetOptionalProc(HMODULE hModule, LPCSTR pszProc)
{
    if (hModule == NULL || IsWithheld(WithheldProcs(), pszProc))
        return NULL;
    return ::GetProcAddress(hModule, pszProc);
}

DWORD XTPGetDllVersion(LPCSTR pszLibrary)
{
    HMODULE hModule = XTPLoadOptionalLibrary(pszLibrary);
    if (hModule == NULL)
        return 0;
    DWORD dwVersion = 0;
    DLLGETVERSIONPROC pfnGetVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(XTPGetOptionalProc(hModule, "DllGetVersion"));
    if (pfnGetVersion != NULL)
    {
        if (g_bVersionInjected)
        {
            dwVersion = PackVersion(g_injectedVersion);
        }
        else
        {
            DLLVERSIONINFO info;
            ZeroMemory(&info, sizeof(info));
            info.cbSize = sizeof(info);
            if (SUCCEEDED(pfnGetVersion(&info)))
                dwVersion = PackVersion(info);
        }
    }
    ::FreeLibrary(hModule);
    return dwVersion;
}

void XTPWithholdOptionalLibrary(LPCSTR pszLibrary, BOOL bWithhold)
{
    Withhold(WithheldLibraries(), pszLibrary, bWithhold);
}

void XTPWithholdOptionalProc(LPCSTR pszProc, BOOL bWithhold)
{
    Withhold(WithheldProcs(), pszProc, bWithhold);
}

void XTPSetDllVersionForTesting(const DLLVERSIONINFO* pVersion)
{
    g_bVersionInjected = pVersion != NULL;
    if (pVersion != NULL)
        g_injectedVersion = *pVersion;
}
