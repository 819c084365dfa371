// CWinApp's profile: named values in sections, in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name> once a registry
// key is set, in the INI file m_pszProfileName otherwise. A stored value of
// the wrong type or size reads as the default.
#include "framework/window/CWinApp.h"
#include "framework/core/ProfileStorage.h"
#include <stdio.h>
#include <string.h>

namespace {

// "Software\<registry key>\<profile name>", then "\<section>" when given;
// empty names add nothing, as opening an empty subkey opens the key itself.
// Opened or created as one path: a key a level costs the registry a call
// each way.
CString ProfileKeyPath(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSection)
{
    CString path = "Software";
    for (LPCTSTR lpszPart : {lpszRegistryKey, lpszProfileName, lpszSection})
    {
        if (lpszPart != NULL && *lpszPart != '\0')
            path += CString("\\") + lpszPart;
    }
    return path;
}

} // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    return AfxCreateRegistrySubKey(HKEY_CURRENT_USER, ProfileKeyPath(m_pszRegistryKey, m_pszProfileName, NULL));
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL || lpszSection == NULL)
        return NULL;
    return AfxCreateRegistrySubKey(HKEY_CURRENT_USER,
                                   ProfileKeyPath(m_pszRegistryKey, m_pszProfileName, lpszSection));
}

HKEY CWinApp::OpenSectionKeyToRead(LPCTSTR lpszSection)
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL || lpszSection == NULL)
        return NULL;
    return AfxOpenRegistrySubKey(HKEY_CURRENT_USER, ProfileKeyPath(m_pszRegistryKey, m_pszProfileName, lpszSection));
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    CRegistryKey section(OpenSectionKeyToRead(lpszSection));
    if (section == NULL)
        return (UINT)nDefault;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(section, lpszEntry, NULL, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof value)
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
    CRegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    DWORD value = (DWORD)nValue;
    return ::RegSetValueExA(section, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof value)
           == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (m_pszRegistryKey == NULL)
        return AfxReadIniString(m_pszProfileName, lpszSection, lpszEntry, lpszDefault);
    CRegistryKey section(OpenSectionKeyToRead(lpszSection));
    return AfxReadRegistryString(section, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == NULL)
    {
        CRegistryKey app(GetAppRegistryKey());
        if (app == NULL)
            return FALSE;
        LONG result = ::RegDeleteKeyA(app, lpszSection);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    CRegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    if (lpszValue == NULL)
    {
        LONG result = ::RegDeleteValueA(section, lpszEntry);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    return ::RegSetValueExA(section, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                            (DWORD)strlen(lpszValue) + 1)
           == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey == NULL)
        return AfxDecodeProfileBinary(GetProfileString(lpszSection, lpszEntry, NULL), ppData, pBytes);
    CRegistryKey section(OpenSectionKeyToRead(lpszSection));
    DWORD type = 0;
    DWORD size = 0;
    if (section == NULL || ::RegQueryValueExA(section, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS
        || type != REG_BINARY)
        return FALSE;
    BYTE* pData = new BYTE[size > 0 ? size : 1];
    DWORD read = size;
    if (::RegQueryValueExA(section, lpszEntry, NULL, &type, pData, &read) != ERROR_SUCCESS
        || type != REG_BINARY || read != size)
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
        return WriteProfileString(lpszSection, lpszEntry, AfxEncodeProfileBinary(pData, nBytes));
    CRegistryKey section(GetSectionKey(lpszSection));
    if (section == NULL)
        return FALSE;
    return ::RegSetValueExA(section, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
