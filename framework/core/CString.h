#pragma once
// CString: an 8-bit string with a shared, reference-counted buffer. Copies share the buffer until
// one of them changes (copy on write). The count is changed with interlocked operations, so copies
// of one string may live and die on different threads; a single CString object itself is not to
// be changed by two threads at once.
//
// Passing a CString through "..." (Format, printf) needs a cast: Format("%s", (LPCTSTR)str);
// without it the compiler stops with an error (see the pragma below).
#include "framework/core/AfxBase.h"

#include <stdarg.h>

// A CString passed through "..." would arrive as a pointer to the object, not to its text:
// make that a compile error wherever strings are used.
#pragma GCC diagnostic error "-Wconditionally-supported"

class CString
{
public:
    CString();
    CString(const CString& stringSrc);
    // A NULL pointer gives an empty string; MAKEINTRESOURCE(id) loads string resource id.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(LPCWSTR lpsz); // converted with the ANSI code page
    explicit CString(TCHAR ch, int nRepeat = 1);
    ~CString();

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(TCHAR ch);
    const CString& operator+=(const CString& string);
    const CString& operator+=(LPCTSTR lpsz);
    const CString& operator+=(TCHAR ch);

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    // Index checks: an index outside the string raises CInvalidArgException.
    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_pchData; }
    LPCTSTR GetString() const { return m_pchData; }

    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Parts. Counts and positions beyond the string are clipped to it.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Changes in place; each returns the string itself.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(TCHAR chTarget);
    CString& Trim(LPCTSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(TCHAR chTarget);
    CString& TrimLeft(LPCTSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(TCHAR chTarget);
    CString& TrimRight(LPCTSTR lpszTargets);

    // Each returns the number of replacements or removals, or the new length.
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Positions from 0; -1 when not found.
    int Find(TCHAR ch) const { return Find(ch, 0); }
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // printf formatting; the format may be a string resource id.
    void Format(LPCTSTR lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList);
    void AppendFormat(LPCTSTR lpszFormat, ...);

    // Loads a string resource; FALSE (string emptied) when there is none.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);
    // The module whose string table LoadString(nID) reads; the executable's unless the
    // application sets another (the window layer points it at its resource handle).
    static void SetResourceHandleSource(HINSTANCE (*pfnGetResourceHandle)());

    // Direct access. GetBuffer gives room for at least nMinBufLength characters and a zero;
    // ReleaseBuffer takes the new length (-1: up to the first zero). A locked buffer is never
    // shared until UnlockBuffer.
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR LockBuffer();
    void UnlockBuffer();
    void FreeExtra();
    int GetAllocLength() const { return GetData()->nAllocLength; }

private:
    struct Data
    {
        volatile LONG nRefs; // -1: locked (never shared), 0 for the shared empty buffer's life
        int nDataLength;
        int nAllocLength;
        TCHAR* chars() { return (TCHAR*)(this + 1); }
    };

    Data* GetData() const { return ((Data*)m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void Release();
    static void Release(Data* pData);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void MakeRoom(int nNewLength);
    void TrimLeftWhile(BOOL (*pfnTrims)(TCHAR, const void*), const void* context);
    void TrimRightWhile(BOOL (*pfnTrims)(TCHAR, const void*), const void* context);
    friend CString Concatenate(LPCTSTR a, int aLen, LPCTSTR b, int bLen);

    LPTSTR m_pchData;
};

CString operator+(const CString& string1, const CString& string2);
CString operator+(const CString& string, LPCTSTR lpsz);
CString operator+(LPCTSTR lpsz, const CString& string);
CString operator+(const CString& string, TCHAR ch);
CString operator+(TCHAR ch, const CString& string);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}

// Copies the iSubString-th field (from 0) of a text whose fields are separated by chSep into
// rString; FALSE (and an empty rString) when the text has fewer fields.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
