#include "toolkit/controls/XTProfileManager.h"
#include "framework/window/CWinApp.h"
#include "framework/core/ProfileStorage.h"
#include "toolkit/foundation/XTAuxData.h"
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

namespace {

// Access the profile keys are opened and created with.
const REGSAM kKeyAccess = KEY_READ | KEY_WRITE;

// The value's type and size, FALSE when it cannot be queried.
BOOL QueryValue(HKEY hKey, LPCTSTR lpszEntry, DWORD* pType, DWORD* pSize)
{
    *pType = REG_NONE;
    *pSize = 0;
    return hKey != NULL && ::RegQueryValueExA(hKey, lpszEntry, NULL, pType, NULL, pSize) == ERROR_SUCCESS;
}

// Reads exactly nBytes of a value of type dwType into pData.
BOOL ReadExact(HKEY hKey, LPCTSTR lpszEntry, void* pData, UINT nBytes, DWORD dwType)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!QueryValue(hKey, lpszEntry, &type, &size) || type != dwType || size != nBytes)
        return FALSE;
    return ::RegQueryValueExA(hKey, lpszEntry, NULL, &type, (LPBYTE)pData, &size) == ERROR_SUCCESS
           && type == dwType && size == nBytes;
}

BOOL Succeeded(LONG result)
{
    return result == ERROR_SUCCESS;
}

// The INI section of a nested section.
CString NestedSection(LPCTSTR lpszSection, LPCTSTR lpszKey)
{
    return CString(lpszSection) + "\\" + lpszKey;
}

// The zero-separated list the private-profile functions fill, split into
// names. The buffer grows until the list fits.
template <class Reader>
void ReadNameList(Reader read, CStringArray& names)
{
    for (DWORD size = 4096; size <= 16 * 1024 * 1024; size *= 4)
    {
        CString buffer;
        LPTSTR p = buffer.GetBuffer((int)size);
        DWORD length = read(p, size);
        if (length >= size - 2)
        {
            buffer.ReleaseBuffer(0);
            continue;
        }
        for (LPCTSTR name = p; *name != '\0'; name += strlen(name) + 1)
            names.Add(name);
        buffer.ReleaseBuffer(0);
        return;
    }
}

} // namespace

CXTProfileManager::CXTProfileManager(HKEY hRootKey)
    : m_hRootKey(hRootKey), m_pszRegistryKey(NULL), m_pszProfileName(NULL)
{}

CXTProfileManager::~CXTProfileManager()
{}

CString CXTProfileManager::IniFile()
{
    return XTAuxData()->GetINIFileName();
}

BOOL CXTProfileManager::HasProfileNames()
{
    if (m_pszRegistryKey != NULL && m_pszProfileName != NULL)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        m_pszRegistryKey = pApp->m_pszRegistryKey;
        m_pszProfileName = pApp->m_pszProfileName;
    }
    return m_pszRegistryKey != NULL && m_pszProfileName != NULL;
}

HKEY CXTProfileManager::GetAppRegistryKey()
{
    if (!HasProfileNames())
        return NULL;
    HKEY hSoftware = NULL;
    if (::RegOpenKeyExA(m_hRootKey, "Software", 0, kKeyAccess, &hSoftware) != ERROR_SUCCESS)
        return NULL;
    CRegistryKey software(hSoftware);
    CRegistryKey company(AfxCreateRegistrySubKey(software, m_pszRegistryKey));
    return AfxCreateRegistrySubKey(company, m_pszProfileName);
}

HKEY CXTProfileManager::GetSectionKey(LPCTSTR lpszSection)
{
    CRegistryKey app(GetAppRegistryKey());
    return AfxCreateRegistrySubKey(app, lpszSection);
}

BOOL CXTProfileManager::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
    {
        char text[16];
        snprintf(text, sizeof text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, ini);
    }
    CRegistryKey section(GetSectionKey(lpszSection));
    DWORD value = (DWORD)nValue;
    return section != NULL
           && Succeeded(
               ::RegSetValueExA(section, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof value));
}

int CXTProfileManager::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return (int)::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, ini);
    CRegistryKey section(GetSectionKey(lpszSection));
    DWORD value = 0;
    return ReadExact(section, lpszEntry, &value, sizeof value, REG_DWORD) ? (int)value : nDefault;
}

BOOL CXTProfileManager::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, ini);
    if (lpszEntry == NULL)
    {
        CRegistryKey app(GetAppRegistryKey());
        return app != NULL && lpszSection != NULL && Succeeded(::SHDeleteKeyA(app, lpszSection));
    }
    CRegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    if (lpszValue == NULL)
        return Succeeded(::RegDeleteValueA(section, lpszEntry));
    return Succeeded(::RegSetValueExA(section, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                      (DWORD)strlen(lpszValue) + 1));
}

CString CXTProfileManager::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return AfxReadIniString(ini, lpszSection, lpszEntry, lpszDefault);
    CRegistryKey section(GetSectionKey(lpszSection));
    return AfxReadRegistryString(section, lpszEntry, lpszDefault);
}

BOOL CXTProfileManager::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData,
                                           UINT nBytes)
{
    return WriteFixed(lpszSection, lpszEntry, pData, nBytes, REG_BINARY);
}

BOOL CXTProfileManager::GetIniBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    return AfxDecodeProfileBinary(GetProfileString(lpszSection, lpszEntry, NULL), ppData, pBytes);
}

BOOL CXTProfileManager::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (!IniFile().IsEmpty())
        return GetIniBinary(lpszSection, lpszEntry, ppData, pBytes);
    CRegistryKey section(GetSectionKey(lpszSection));
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!QueryValue(section, lpszEntry, &type, &size) || type != REG_BINARY)
        return FALSE;
    BYTE* pData = new BYTE[size > 0 ? size : 1];
    if (!ReadExact(section, lpszEntry, pData, size, REG_BINARY))
    {
        delete[] pData;
        return FALSE;
    }
    *ppData = pData;
    *pBytes = size;
    return TRUE;
}

BOOL CXTProfileManager::WriteFixed(LPCTSTR lpszSection, LPCTSTR lpszEntry, const void* pData, UINT nBytes,
                                   DWORD dwType)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry,
                                            AfxEncodeProfileBinary((const BYTE*)pData, nBytes), ini);
    CRegistryKey section(GetSectionKey(lpszSection));
    return section != NULL
           && Succeeded(::RegSetValueExA(section, lpszEntry, 0, dwType, (const BYTE*)pData, nBytes));
}

BOOL CXTProfileManager::GetFixed(LPCTSTR lpszSection, LPCTSTR lpszEntry, void* pData, UINT nBytes,
                                 DWORD dwType)
{
    if (IniFile().IsEmpty())
    {
        CRegistryKey section(GetSectionKey(lpszSection));
        return ReadExact(section, lpszEntry, pData, nBytes, dwType);
    }
    BYTE* pDecoded = NULL;
    UINT nDecoded = 0;
    BOOL bExact = GetIniBinary(lpszSection, lpszEntry, &pDecoded, &nDecoded) && nDecoded == nBytes;
    if (bExact)
        memcpy(pData, pDecoded, nBytes);
    delete[] pDecoded;
    return bExact;
}

BOOL CXTProfileManager::WriteProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, const POINT* pValue)
{
    return WriteFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::GetProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, POINT* pValue)
{
    return GetFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::WriteProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, const SIZE* pValue)
{
    return WriteFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::GetProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, SIZE* pValue)
{
    return GetFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::WriteProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, const double* pValue)
{
    return WriteFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::GetProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double* pValue)
{
    return GetFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::WriteProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, const RECT* pValue)
{
    return WriteFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::GetProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, RECT* pValue)
{
    return GetFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_BINARY);
}

BOOL CXTProfileManager::WriteProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, const DWORD* pValue)
{
    return WriteFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_DWORD);
}

BOOL CXTProfileManager::GetProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD* pValue)
{
    return GetFixed(lpszSection, lpszEntry, pValue, sizeof *pValue, REG_DWORD);
}

BOOL CXTProfileManager::DeleteProfileValue(LPCTSTR lpszSection, LPCTSTR lpszEntry)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, NULL, ini);
    CRegistryKey section(GetSectionKey(lpszSection));
    return section != NULL && Succeeded(::RegDeleteValueA(section, lpszEntry));
}

BOOL CXTProfileManager::DeleteProfileKey(LPCTSTR lpszSection, LPCTSTR lpszKey)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return ::WritePrivateProfileStringA(NestedSection(lpszSection, lpszKey), NULL, NULL, ini);
    CRegistryKey section(GetSectionKey(lpszSection));
    return section != NULL && lpszKey != NULL && Succeeded(::SHDeleteKeyA(section, lpszKey));
}

int CXTProfileManager::EnumValues(LPCTSTR lpszSection, CMapStringToPtr* pMapValues,
                                  CStringArray* pArrayValues)
{
    CStringArray names;
    CDWordArray types;
    CString ini = IniFile();
    if (!ini.IsEmpty())
    {
        ReadNameList(
            [&](LPTSTR p, DWORD size) {
                return ::GetPrivateProfileStringA(lpszSection, NULL, "", p, size, ini);
            },
            names);
        for (int i = 0; i < names.GetSize(); i++)
            types.Add(REG_SZ);
    }
    else
    {
        CRegistryKey section(GetSectionKey(lpszSection));
        for (DWORD index = 0; section != NULL; index++)
        {
            char name[512];
            DWORD length = sizeof name;
            DWORD type = REG_NONE;
            if (::RegEnumValueA(section, index, name, &length, NULL, &type, NULL, NULL) != ERROR_SUCCESS)
                break;
            names.Add(name);
            types.Add(type);
        }
    }
    for (int i = 0; i < names.GetSize(); i++)
    {
        if (pMapValues != NULL)
            pMapValues->SetAt(names[i], (void*)(DWORD_PTR)types[i]);
        if (pArrayValues != NULL)
            pArrayValues->Add(names[i]);
    }
    return (int)names.GetSize();
}

int CXTProfileManager::EnumKeys(LPCTSTR lpszSection, CStringArray* pArrayKeys)
{
    CStringArray names;
    CString ini = IniFile();
    if (!ini.IsEmpty())
    {
        CStringArray sections;
        ReadNameList([&](LPTSTR p, DWORD size) { return ::GetPrivateProfileSectionNamesA(p, size, ini); },
                     sections);
        CString prefix = NestedSection(lpszSection, "");
        for (int i = 0; i < sections.GetSize(); i++)
        {
            CString rest = sections[i].Mid(prefix.GetLength());
            if (sections[i].Left(prefix.GetLength()).CompareNoCase(prefix) == 0 && !rest.IsEmpty()
                && rest.Find('\\') < 0)
                names.Add(rest);
        }
    }
    else
    {
        CRegistryKey section(GetSectionKey(lpszSection));
        for (DWORD index = 0; section != NULL; index++)
        {
            char name[512];
            DWORD length = sizeof name;
            if (::RegEnumKeyExA(section, index, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
                break;
            names.Add(name);
        }
    }
    if (pArrayKeys != NULL)
        pArrayKeys->Append(names);
    return (int)names.GetSize();
}
