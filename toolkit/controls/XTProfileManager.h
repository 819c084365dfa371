#pragma once
// CXTProfileManager: named values in sections, like the application's own
// profile but under any registry root, with fixed-size binary values,
// deletion and enumeration.
//
//   CXTProfileManager profile(HKEY_CURRENT_USER);
//   profile.WriteProfileInt("Settings", "Theme", 2);
//   int theme = profile.GetProfileInt("Settings", "Theme", 2);
//
// Where the values live:
//   - the registry, under root\Software\<company>\<application>\<section>,
//     each value named by its entry; company and application are the running
//     application's registry key and profile name (or set in the two name
//     fields), and without them every registry operation fails;
//   - an INI file instead, while the toolkit's shared UI data names one
//     (XTAuxData()->SetINIFileName): the section is the INI section, the
//     entry its key. Binary values are written as two letters per byte,
//     'A' + low nibble then 'A' + high nibble; a nested section is the INI
//     section "section\sub".
//
// A stored value of another type or size than the reader expects reads as
// the default (GetProfileInt, GetProfileString) or as a failure (binary and
// fixed-size readers), never as a half-filled buffer.
#include "framework/Core.h"

class CXTProfileManager
{
public:
    explicit CXTProfileManager(HKEY hRootKey);
    virtual ~CXTProfileManager();

    // Overridables (the base's behaviour stated).
    // root\Software\<company>\<application>, opened and created as needed;
    // NULL without both names or when a step fails. The caller closes it.
    virtual HKEY GetAppRegistryKey();
    // The application key's subkey of that name, created when missing; NULL
    // on failure. The caller closes it.
    virtual HKEY GetSectionKey(LPCTSTR lpszSection);

    // TRUE when both names are set, taking them from the running application
    // object first when they are not.
    BOOL HasProfileNames();

    // Integers: REG_DWORD, or decimal text in the INI file.
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    int GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);

    // Strings: REG_SZ. A NULL entry deletes the whole section, a NULL value
    // the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // The default ("" for NULL) when the value is missing or no string; from
    // an INI file at most 4095 characters.
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);

    // Binary values of any length: REG_BINARY. *ppData is allocated with
    // new[] and belongs to the caller; NULL and 0 on failure.
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, const BYTE* pData, UINT nBytes);
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes);

    // Fixed-size values: the readers succeed only when exactly that many
    // bytes are stored, and leave the caller's value alone otherwise.
    BOOL WriteProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, const POINT* pValue);
    BOOL GetProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, POINT* pValue);
    BOOL WriteProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, const SIZE* pValue);
    BOOL GetProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, SIZE* pValue);
    BOOL WriteProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, const double* pValue);
    BOOL GetProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double* pValue);
    BOOL WriteProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, const RECT* pValue);
    BOOL GetProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, RECT* pValue);
    // A 4-byte value: REG_DWORD in the registry, 8 letters in an INI file.
    BOOL WriteProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, const DWORD* pValue);
    BOOL GetProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD* pValue);

    // Deletes one value of the section.
    BOOL DeleteProfileValue(LPCTSTR lpszSection, LPCTSTR lpszEntry);
    // Deletes the section's subkey with everything below it.
    BOOL DeleteProfileKey(LPCTSTR lpszSection, LPCTSTR lpszKey);

    // The section's values: each name into the map with its registry type
    // (REG_SZ for INI entries) and appended to the array, either may be
    // NULL. Returns the number of values.
    int EnumValues(LPCTSTR lpszSection, CMapStringToPtr* pMapValues, CStringArray* pArrayValues);
    // The section's subkeys' names appended to the array; their number.
    int EnumKeys(LPCTSTR lpszSection, CStringArray* pArrayKeys);

    HKEY m_hRootKey;
    LPCTSTR m_pszRegistryKey;
    LPCTSTR m_pszProfileName;

private:
    CXTProfileManager(const CXTProfileManager&);
    CXTProfileManager& operator=(const CXTProfileManager&);

    // The INI file in use, empty while the registry is.
    static CString IniFile();
    BOOL WriteFixed(LPCTSTR lpszSection, LPCTSTR lpszEntry, const void* pData, UINT nBytes, DWORD dwType);
    BOOL GetFixed(LPCTSTR lpszSection, LPCTSTR lpszEntry, void* pData, UINT nBytes, DWORD dwType);
    // The INI entry's letters decoded; FALSE for empty or malformed text.
    BOOL GetIniBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes);
};
