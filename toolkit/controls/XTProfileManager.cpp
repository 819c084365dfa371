#include "toolkit/controls/XTProfileManager.h"
#include "framework/window/CWinApp.h"
#include "toolkit/foundation/XTAuxData.h"
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

namespace {

// Access the profile keys are opened and created with.
const REGSAM kKeyAccess = KEY_READ | KEY_WRITE;
// The longest string read from an INI file, with its terminating zero.
const DWORD kIniStringBuffer = 4096;

// Closes a registry key when leaving the scope.
class RegistryKey
{
public:
    explicit RegistryKey(HKEY hKey) : m_hKey(hKey) {}
    ~RegistryKey()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    operator HKEY() const { return m_hKey; }

private:
    RegistryKey(const RegistryKey&);
    void operator=(const RegistryKey&);
    HKEY m_hKey;
};

HKEY CreateSubKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = NULL;
    DWORD disposition = 0;
    if (hParent == NULL || lpszName == NULL ||
        ::RegCreateKeyExA(hParent, lpszName, 0, NULL, REG_OPTION_NON_VOLATILE, kKeyAccess, NULL, &hKey,
                          &disposition) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

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
    return ::RegQueryValueExA(hKey, lpszEntry, NULL, &type, (LPBYTE)pData, &size) == ERROR_SUCCESS &&
           type == dwType && size == nBytes;
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

CString XTProfileEncodeBinary(const BYTE* pData, UINT nBytes)
{
    CString text;
    LPTSTR out = text.GetBufferSetLength((int)nBytes * 2);
    for (UINT i = 0; i < nBytes; ++i)
    {
        out[i * 2] = (char)('A' + (pData[i] & 0x0F));
        out[i * 2 + 1] = (char)('A' + ((pData[i] >> 4) & 0x0F));
    }
    text.ReleaseBuffer((int)nBytes * 2);
    return text;
}

BOOL XTProfileDecodeBinary(const CString& strText, BYTE** ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    int length = strText.GetLength();
    if (length == 0 || length % 2 != 0)
        return FALSE;
    BYTE* pData = new BYTE[length / 2];
    for (int i = 0; i < length; i += 2)
    {
        int low = strText[i] - 'A';
        int high = strText[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
        {
            delete[] pData;
            return FALSE;
        }
        pData[i / 2] = (BYTE)(low | (high << 4));
    }
    *ppData = pData;
    *pBytes = (UINT)(length / 2);
    return TRUE;
}

CXTProfileManager::CXTProfileManager(HKEY hRootKey)
    : m_hRootKey(hRootKey)
    , m_pszRegistryKey(NULL)
    , m_pszProfileName(NULL)
{
}

CXTProfileManager::~CXTProfileManager()
{
}

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
    RegistryKey software(hSoftware);
    RegistryKey company(CreateSubKey(software, m_pszRegistryKey));
    return CreateSubKey(company, m_pszProfileName);
}

HKEY CXTProfileManager::GetSectionKey(LPCTSTR lpszSection)
{
    RegistryKey app(GetAppRegistryKey());
    return CreateSubKey(app, lpszSection);
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
    RegistryKey section(GetSectionKey(lpszSection));
    DWORD value = (DWORD)nValue;
    return section != NULL &&
           Succeeded(::RegSetValueExA(section, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof value));
}

int CXTProfileManager::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return (int)::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, ini);
    RegistryKey section(GetSectionKey(lpszSection));
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
        RegistryKey app(GetAppRegistryKey());
        return app != NULL && lpszSection != NULL && Succeeded(::SHDeleteKeyA(app, lpszSection));
    }
    RegistryKey section(GetSectionKey(lpszSection));
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
    {
        CString text;
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, text.GetBuffer(kIniStringBuffer),
                                   kIniStringBuffer, ini);
        text.ReleaseBuffer();
        return text;
    }
    RegistryKey section(GetSectionKey(lpszSection));
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!QueryValue(section, lpszEntry, &type, &size) || type != REG_SZ)
        return lpszDefault;
    // The stored text need not end with a zero: read into one byte more.
    CString text;
    LPTSTR buffer = text.GetBuffer((int)size + 1);
    DWORD read = size;
    if (::RegQueryValueExA(section, lpszEntry, NULL, &type, (LPBYTE)buffer, &read) != ERROR_SUCCESS ||
        type != REG_SZ || read > size)
    {
        text.ReleaseBuffer(0);
        return lpszDefault;
    }
    buffer[read] = '\0';
    text.ReleaseBuffer();
    return text;
}

BOOL CXTProfileManager::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData,
                                           UINT nBytes)
{
    return WriteFixed(lpszSection, lpszEntry, pData, nBytes, REG_BINARY);
}

BOOL CXTProfileManager::GetIniBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    return XTProfileDecodeBinary(GetProfileString(lpszSection, lpszEntry, NULL), ppData, pBytes);
}

BOOL CXTProfileManager::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (!IniFile().IsEmpty())
        return GetIniBinary(lpszSection, lpszEntry, ppData, pBytes);
    RegistryKey section(GetSectionKey(lpszSection));
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
                                            XTProfileEncodeBinary((const BYTE*)pData, nBytes), ini);
    RegistryKey section(GetSectionKey(lpszSection));
    return section != NULL &&
           Succeeded(::RegSetValueExA(section, lpszEntry, 0, dwType, (const BYTE*)pData, nBytes));
}

BOOL CXTProfileManager::GetFixed(LPCTSTR lpszSection, LPCTSTR lpszEntry, void* pData, UINT nBytes,
                                 DWORD dwType)
{
    if (IniFile().IsEmpty())
    {
        RegistryKey section(GetSectionKey(lpszSection));
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
    RegistryKey section(GetSectionKey(lpszSection));
    return section != NULL && Succeeded(::RegDeleteValueA(section, lpszEntry));
}

BOOL CXTProfileManager::DeleteProfileKey(LPCTSTR lpszSection, LPCTSTR lpszKey)
{
    CString ini = IniFile();
    if (!ini.IsEmpty())
        return ::WritePrivateProfileStringA(NestedSection(lpszSection, lpszKey), NULL, NULL, ini);
    RegistryKey section(GetSectionKey(lpszSection));
    return section != NULL && lpszKey != NULL && Succeeded(::SHDeleteKeyA(section, lpszKey));
}

int CXTProfileManager::EnumValues(LPCTSTR lpszSection, CMapStringToPtr* pMapValues, CStringArray* pArrayValues)
{
    CStringArray names;
    CDWordArray types;
    CString ini = IniFile();
    if (!ini.IsEmpty())
    {
        ReadNameList([&](LPTSTR p, DWORD size) {
            return ::GetPrivateProfileStringA(lpszSection, NULL, "", p, size, ini);
        }, names);
        for (int i = 0; i < names.GetSize(); i++)
            types.Add(REG_SZ);
    }
    else
    {
        RegistryKey section(GetSectionKey(lpszSection));
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
            if (sections[i].Left(prefix.GetLength()).CompareNoCase(prefix) == 0 && !rest.IsEmpty() &&
                rest.Find('\\') < 0)
                names.Add(rest);
        }
    }
    else
    {
        RegistryKey section(GetSectionKey(lpszSection));
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
