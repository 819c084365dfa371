#include "framework/core/ProfileStorage.h"

CRegistryKey::~CRegistryKey()
{
    if (m_hKey != NULL)
        ::RegCloseKey(m_hKey);
}

HKEY AfxCreateRegistrySubKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = NULL;
    DWORD disposition = 0;
    if (hParent == NULL || lpszName == NULL
        || ::RegCreateKeyExA(hParent, lpszName, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, NULL,
                             &hKey, &disposition)
               != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

HKEY AfxOpenRegistrySubKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = NULL;
    if (hParent == NULL || lpszName == NULL
        || ::RegOpenKeyExA(hParent, lpszName, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

CString AfxReadRegistryString(HKEY hKey, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (hKey == NULL || ::RegQueryValueExA(hKey, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return lpszDefault;
    // Read into one byte more, so that text stored without its zero ends.
    CString text;
    LPTSTR buffer = text.GetBuffer((int)size + 1);
    DWORD read = size;
    if (::RegQueryValueExA(hKey, lpszEntry, NULL, &type, (LPBYTE)buffer, &read) != ERROR_SUCCESS
        || type != REG_SZ || read > size)
    {
        text.ReleaseBuffer(0);
        return lpszDefault;
    }
    buffer[read] = '\0';
    text.ReleaseBuffer();
    return text;
}

CString AfxReadIniString(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    const DWORD kBufferSize = 4096;
    CString text;
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, text.GetBuffer(kBufferSize), kBufferSize,
                               lpszFile);
    text.ReleaseBuffer();
    return text;
}

CString AfxEncodeProfileBinary(const BYTE* pData, UINT nBytes)
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

BOOL AfxDecodeProfileBinary(const CString& strText, BYTE** ppData, UINT* pBytes)
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
