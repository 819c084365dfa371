#pragma once
// What every profile store of the program shares, whether it is the
// application's (CWinApp) or the toolkit's profile manager: a registry key
// that closes itself, creating a sub-key, reading a text value from either
// store, and the text form binary values take in an INI file.
//
//     CRegistryKey software(AfxCreateRegistrySubKey(HKEY_CURRENT_USER, "Software"));
//     CString name = AfxReadRegistryString(software, "Name", "");   // "" when missing or not text
//     CString text = AfxEncodeProfileBinary(bytes, 4);    // "CBLK..." two letters a byte
#include "framework/core/CString.h"

// Owns an open registry key and closes it when leaving the scope.
class CRegistryKey
{
public:
    explicit CRegistryKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegistryKey();
    operator HKEY() const { return m_hKey; }

    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

private:
    HKEY m_hKey;
};

// Opens the sub-key for reading and writing, creating it when missing; NULL
// when the parent or the name is NULL or the key cannot be had.
HKEY AfxCreateRegistrySubKey(HKEY hParent, LPCTSTR lpszName);
// Opens an existing sub-key for reading; NULL when it is missing (nothing is
// created) or the parent or the name is NULL.
HKEY AfxOpenRegistrySubKey(HKEY hParent, LPCTSTR lpszName);

// The text value lpszEntry of the key; lpszDefault when the key is NULL or
// the value is missing or not REG_SZ. The stored text need not end with a
// zero.
CString AfxReadRegistryString(HKEY hKey, LPCTSTR lpszEntry, LPCTSTR lpszDefault);
// The entry of an INI file's section, lpszDefault when it is missing; texts
// are read up to 4095 characters.
CString AfxReadIniString(LPCTSTR lpszFile, LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault);

// Binary data as INI text: two letters 'A'..'P' a byte, the low half first.
CString AfxEncodeProfileBinary(const BYTE* pData, UINT nBytes);
// The bytes back in a new[] block the caller deletes; FALSE (and NULL, 0) for
// empty text, text of odd length or letters outside 'A'..'P'.
BOOL AfxDecodeProfileBinary(const CString& strText, BYTE** ppData, UINT* pBytes);
