// CWinApp's profile: named values in sections, in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name> once a registry
// key is set, in the INI file m_pszProfileName otherwise. A stored value of
// the wrong type or size reads as the default.
#include "framework/window/CWinApp.h"
#include <stdio.h>
#include <string.h>

namespace {

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
    if (::RegCreateKeyExA(hParent, lpszName, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          NULL, &hKey, &disposition) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

// Binary values in an INI file: two letters 'A'..'P' per byte, low half first.
CString EncodeBinary(const BYTE* pData, UINT nBytes)
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

bool DecodeBinary(const CString& text, LPBYTE* ppData, UINT* pBytes)
{
    int length = text.GetLength();
    if (length == 0 || length % 2 != 0)
        return false;
    BYTE* pData = new BYTE[length / 2];
    for (int i = 0; i < length; i += 2)
    {
        int low = text[i] - 'A';
        int high = text[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
        {
            delete[] pData;
            return false;
        }
        pData[i / 2] = (BYTE)(low | (high << 4));
    }
    *ppData = pData;
    *pBytes = (UINT)(length / 2);
    return true;
}

} // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    RegistryKey software(CreateSubKey(HKEY_CURRENT_USER, "Software"));
    if (software == NULL)
        return NULL;
    RegistryKey company(CreateSubKey(software, m_pszRegistryKey));
    if (company == NULL)
        return NULL;
    return CreateSubKey(company, m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    RegistryKey app(GetAppRegistryKey());
    if (app == NULL || lpszSection == NULL)
        return NULL;
    return CreateSubKey(app, lpszSection);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    RegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return (UINT)nDefault;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(section, lpszEntry, NULL, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return (UINT)nDefault;
    return (UINT)value;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL)
    {
        char text[16];
        snprintf(text, sizeof text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    RegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    DWORD value = (DWORD)nValue;
    return ::RegSetValueExA(section, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof value) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (m_pszRegistryKey == NULL)
    {
        CString text;
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, text.GetBuffer(4096), 4096,
                                   m_pszProfileName);
        text.ReleaseBuffer();
        return text;
    }
    RegistryKey section(GetSectionKey(lpszSection));
    DWORD type = 0;
    DWORD size = 0;
    if (section == NULL || ::RegQueryValueExA(section, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
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

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == NULL)
    {
        RegistryKey app(GetAppRegistryKey());
        if (app == NULL)
            return FALSE;
        LONG result = ::RegDeleteKeyA(app, lpszSection);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    RegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    if (lpszValue == NULL)
    {
        LONG result = ::RegDeleteValueA(section, lpszEntry);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    return ::RegSetValueExA(section, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                            (DWORD)strlen(lpszValue) + 1) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey == NULL)
        return DecodeBinary(GetProfileString(lpszSection, lpszEntry, NULL), ppData, pBytes);
    RegistryKey section(GetSectionKey(lpszSection));
    DWORD type = 0;
    DWORD size = 0;
    if (section == NULL || ::RegQueryValueExA(section, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return FALSE;
    BYTE* pData = new BYTE[size > 0 ? size : 1];
    DWORD read = size;
    if (::RegQueryValueExA(section, lpszEntry, NULL, &type, pData, &read) != ERROR_SUCCESS ||
        type != REG_BINARY || read != size)
    {
        delete[] pData;
        return FALSE;
    }
    *ppData = pData;
    *pBytes = (UINT)size;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == NULL)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
    RegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    return ::RegSetValueExA(section, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
