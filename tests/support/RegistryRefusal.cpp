#include "tests/support/RegistryRefusal.h"

#include "tests/support/ImportTable.h"

#include <windows.h>

#include <string.h>

#include <utility>

namespace {

typedef LONG(WINAPI* SetValueFn)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
typedef LONG(WINAPI* CreateKeyFn)(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY,
                                  LPDWORD);
typedef LONG(WINAPI* DeleteFn)(HKEY, LPCSTR);
typedef LONG(WINAPI* NtQueryKeyFn)(HANDLE, int, PVOID, ULONG, PULONG);

const char kLibrary[] = "ADVAPI32.dll";
const int kKeyNameInformation = 3;

RegistryRefusal* g_pRefusal = nullptr;
SetValueFn g_pSetValue = nullptr;
CreateKeyFn g_pCreateKey = nullptr;
DeleteFn g_pDeleteKey = nullptr;
DeleteFn g_pDeleteValue = nullptr;

// The path of an open key below HKEY_CURRENT_USER, as the system names it
// ("\REGISTRY\User\<user>\Software\..." becomes "Software\...").
std::string KeyPath(HKEY hKey)
{
    if (hKey == HKEY_CURRENT_USER)
        return std::string();
    static const NtQueryKeyFn pQueryKey =
        (NtQueryKeyFn)::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryKey");
    ULONG buffer[1024];
    ULONG nLength = 0;
    if (pQueryKey == nullptr
        || pQueryKey(hKey, kKeyNameInformation, buffer, sizeof buffer - 2, &nLength) != 0)
        return "?";
    const WCHAR* pszName = (const WCHAR*)(buffer + 1);
    char szPath[2048];
    const int nChars = ::WideCharToMultiByte(CP_ACP, 0, pszName, (int)(buffer[0] / sizeof(WCHAR)), szPath,
                                             sizeof szPath - 1, NULL, NULL);
    std::string path(szPath, nChars > 0 ? nChars : 0);
    const std::string strUsers = "\\REGISTRY\\User\\";
    if (_strnicmp(path.c_str(), strUsers.c_str(), strUsers.size()) != 0)
        return path;
    const size_t nUserEnd = path.find('\\', strUsers.size());
    return nUserEnd == std::string::npos ? std::string() : path.substr(nUserEnd + 1);
}

std::string SubKeyPath(HKEY hParent, LPCSTR pszSubKey)
{
    const std::string strParent = KeyPath(hParent);
    const std::string strSubKey = pszSubKey != nullptr ? pszSubKey : "";
    return strParent.empty() || strSubKey.empty() ? strParent + strSubKey : strParent + "\\" + strSubKey;
}

bool Refuses(RegistryWrite::Kind kind, const std::string& key, LPCSTR pszName)
{
    return g_pRefusal->Refuses({kind, key, pszName != nullptr ? pszName : ""});
}

LONG WINAPI CatchSetValue(HKEY hKey, LPCSTR pszName, DWORD dwReserved, DWORD dwType, const BYTE* pData,
                          DWORD nBytes)
{
    if (Refuses(RegistryWrite::setValue, KeyPath(hKey), pszName))
        return ERROR_ACCESS_DENIED;
    return g_pSetValue(hKey, pszName, dwReserved, dwType, pData, nBytes);
}

LONG WINAPI CatchCreateKey(HKEY hParent, LPCSTR pszSubKey, DWORD dwReserved, LPSTR pszClass, DWORD dwOptions,
                           REGSAM samDesired, LPSECURITY_ATTRIBUTES pSecurity, PHKEY phKey,
                           LPDWORD pdwDisposition)
{
    // Opening a key that is there changes nothing.
    HKEY hExisting = NULL;
    if (::RegOpenKeyExA(hParent, pszSubKey, 0, KEY_READ, &hExisting) == ERROR_SUCCESS)
        ::RegCloseKey(hExisting);
    else if (Refuses(RegistryWrite::createKey, SubKeyPath(hParent, pszSubKey), nullptr))
    {
        *phKey = NULL;
        return ERROR_ACCESS_DENIED;
    }
    return g_pCreateKey(hParent, pszSubKey, dwReserved, pszClass, dwOptions, samDesired, pSecurity, phKey,
                        pdwDisposition);
}

LONG WINAPI CatchDeleteKey(HKEY hParent, LPCSTR pszSubKey)
{
    // Deleting a key that is not there changes nothing.
    HKEY hExisting = NULL;
    if (::RegOpenKeyExA(hParent, pszSubKey, 0, KEY_READ, &hExisting) != ERROR_SUCCESS)
        return g_pDeleteKey(hParent, pszSubKey);
    ::RegCloseKey(hExisting);
    if (Refuses(RegistryWrite::deleteKey, SubKeyPath(hParent, pszSubKey), nullptr))
        return ERROR_ACCESS_DENIED;
    return g_pDeleteKey(hParent, pszSubKey);
}

LONG WINAPI CatchDeleteValue(HKEY hKey, LPCSTR pszName)
{
    if (::RegQueryValueExA(hKey, pszName, NULL, NULL, NULL, NULL) == ERROR_SUCCESS
        && Refuses(RegistryWrite::deleteValue, KeyPath(hKey), pszName))
        return ERROR_ACCESS_DENIED;
    return g_pDeleteValue(hKey, pszName);
}

// The functions caught: the import entry's name, where its original goes,
// the catching function.
struct CaughtFunction
{
    const char* pszName;
    void** ppOriginal;
    void* pCatch;
};
const CaughtFunction kCaught[] = {{"RegSetValueExA", (void**)&g_pSetValue, (void*)CatchSetValue},
                                  {"RegCreateKeyExA", (void**)&g_pCreateKey, (void*)CatchCreateKey},
                                  {"RegDeleteKeyA", (void**)&g_pDeleteKey, (void*)CatchDeleteKey},
                                  {"RegDeleteValueA", (void**)&g_pDeleteValue, (void*)CatchDeleteValue}};

} // namespace

std::string RegistryWrite::Text() const
{
    static const char* const verbs[] = {"set", "create", "delete", "delete"};
    return std::string(verbs[kind]) + " " + key + (name.empty() ? "" : "\\" + name);
}

RegistryRefusal::RegistryRefusal(Filter isWatched, int nRefused)
    : RegistryRefusal(std::move(isWatched),
                      [nRefused](int nIndex, const RegistryWrite&) { return nIndex == nRefused; })
{}

RegistryRefusal::RegistryRefusal(Filter isWatched, Filter isRefused)
    : RegistryRefusal(std::move(isWatched),
                      [isRefused](int, const RegistryWrite& write) { return isRefused(write); })
{}

RegistryRefusal::RegistryRefusal(Filter isWatched, Choice isRefused)
    : m_isWatched(std::move(isWatched)), m_isRefused(std::move(isRefused)), m_pLock(new CRITICAL_SECTION)
{
    ::InitializeCriticalSection((CRITICAL_SECTION*)m_pLock);
    g_pRefusal = this;
    for (const CaughtFunction& function : kCaught)
    {
        void** ppEntry = ImportTableEntry(kLibrary, function.pszName);
        if (ppEntry == nullptr)
            continue;
        *function.ppOriginal = *ppEntry;
        SetImportTableEntry(ppEntry, function.pCatch);
    }
}

RegistryRefusal::~RegistryRefusal()
{
    for (const CaughtFunction& function : kCaught)
    {
        void** ppEntry = ImportTableEntry(kLibrary, function.pszName);
        if (ppEntry != nullptr && *function.ppOriginal != nullptr)
            SetImportTableEntry(ppEntry, *function.ppOriginal);
    }
    g_pRefusal = nullptr;
    ::DeleteCriticalSection((CRITICAL_SECTION*)m_pLock);
    delete (CRITICAL_SECTION*)m_pLock;
}

std::vector<RegistryWrite> RegistryRefusal::Writes() const
{
    ::EnterCriticalSection((CRITICAL_SECTION*)m_pLock);
    std::vector<RegistryWrite> writes = m_writes;
    ::LeaveCriticalSection((CRITICAL_SECTION*)m_pLock);
    return writes;
}

int RegistryRefusal::RefusedCount() const
{
    ::EnterCriticalSection((CRITICAL_SECTION*)m_pLock);
    const int nCount = m_nRefusedCount;
    ::LeaveCriticalSection((CRITICAL_SECTION*)m_pLock);
    return nCount;
}

bool RegistryRefusal::Refuses(const RegistryWrite& write)
{
    if (!m_isWatched(write))
        return false;
    ::EnterCriticalSection((CRITICAL_SECTION*)m_pLock);
    const bool bRefused = m_isRefused((int)m_writes.size(), write);
    m_writes.push_back(write);
    m_nRefusedCount += bRefused ? 1 : 0;
    ::LeaveCriticalSection((CRITICAL_SECTION*)m_pLock);
    return bRefused;
}
