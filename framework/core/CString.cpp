#include "framework/core/CString.h"

#include "framework/core/CException.h"
#include "framework/core/CFixedAlloc.h"

#include <algorithm>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// The one empty buffer every empty string points at: a header that claims no room, then a zero.
// Its count is never changed; it is recognised by address.
static LONG s_emptyBuffer[4] = {-1, 0, 0, 0};
static LPTSTR const s_pchEmpty = (LPTSTR)&s_emptyBuffer[3];

static HINSTANCE ExecutableModule()
{
    return GetModuleHandleA(NULL);
}
static HINSTANCE (*s_pfnGetResourceHandle)() = &ExecutableModule;

static int SafeLength(LPCTSTR lpsz)
{
    return lpsz ? (int)strlen(lpsz) : 0;
}
static BOOL IsResourceId(LPCSTR lpsz)
{
    return lpsz && HIWORD((DWORD_PTR)lpsz) == 0;
}

// String buffers up to kPooledBytes (header, characters and the zero) come from
// fixed-size allocators, one for each kPooledStep bytes of size: programs keep
// very many short strings, and the heap is slow with many small blocks. Longer
// buffers come from the heap. The allocators are made on first use and live
// as long as the process, so that strings in static objects may go at any time.
static const size_t kPooledBytes = 512;
static const size_t kPooledStep = 16;

static CFixedAlloc* StringBlocks(size_t bytes)
{
    static CFixedAlloc** const s_allocators = [] {
        CFixedAlloc** allocators = new CFixedAlloc*[kPooledBytes / kPooledStep];
        for (size_t i = 0; i < kPooledBytes / kPooledStep; ++i)
        {
            UINT size = (UINT)((i + 1) * kPooledStep);
            allocators[i] = new CFixedAlloc(size, (UINT)(32768 / size));
        }
        return allocators;
    }();
    return bytes <= kPooledBytes ? s_allocators[(bytes - 1) / kPooledStep] : NULL;
}

void CString::Init()
{
    m_pchData = s_pchEmpty;
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    Data* pSrc = stringSrc.GetData();
    if (stringSrc.m_pchData != s_pchEmpty && pSrc->nRefs > 0)
    {
        InterlockedIncrement(&pSrc->nRefs);
        m_pchData = stringSrc.m_pchData;
    }
    else
    {
        Init();
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (IsResourceId(lpsz))
        LoadString(LOWORD((DWORD_PTR)lpsz));
    else
        AssignCopy(SafeLength(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (lpch && nLength > 0)
        AssignCopy(nLength, lpch);
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    *this = lpsz;
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::~CString()
{
    Release();
}

// ---- buffer management ----

void CString::AllocBuffer(int nLen)
{
    if (nLen == 0)
    {
        Init();
        return;
    }
    if (nLen < 0 || nLen > INT_MAX - (int)sizeof(Data) - 1)
        AfxThrowMemoryException();
    size_t bytes = sizeof(Data) + nLen + 1;
    CFixedAlloc* pBlocks = StringBlocks(bytes);
    Data* pData = (Data*)(pBlocks ? pBlocks->Alloc() : malloc(bytes));
    if (!pData)
        AfxThrowMemoryException();
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    pData->chars()[nLen] = 0;
    m_pchData = pData->chars();
}

void CString::Release(Data* pData)
{
    if (pData->chars() != s_pchEmpty && InterlockedDecrement(&pData->nRefs) <= 0)
    {
        CFixedAlloc* pBlocks = StringBlocks(sizeof(Data) + pData->nAllocLength + 1);
        if (pBlocks)
            pBlocks->Free(pData);
        else
            free(pData);
    }
}

void CString::Release()
{
    Release(GetData());
    Init();
}

// Gives this string a buffer of its own with room for nLen characters; the content is lost.
void CString::AllocBeforeWrite(int nLen)
{
    Data* pData = GetData();
    if (m_pchData == s_pchEmpty || pData->nRefs > 1 || nLen > pData->nAllocLength)
    {
        BOOL locked = m_pchData != s_pchEmpty && pData->nRefs < 0;
        Release();
        AllocBuffer(nLen);
        if (locked && m_pchData != s_pchEmpty)
            GetData()->nRefs = -1; // a locked string stays locked
    }
}

// Gives this string a buffer of its own with room for nNewLength characters; the content stays.
// Growth doubles, so repeated appends take linear time.
void CString::MakeRoom(int nNewLength)
{
    Data* pOld = GetData();
    BOOL exclusive = m_pchData != s_pchEmpty && pOld->nRefs <= 1;
    if (exclusive && nNewLength <= pOld->nAllocLength)
        return;
    if (nNewLength == 0)
        return;
    int nAlloc = nNewLength;
    if (exclusive && pOld->nAllocLength < INT_MAX / 2)
        nAlloc = std::max(nNewLength, pOld->nAllocLength * 2);
    int nOldLength = pOld->nDataLength;
    LONG nOldRefs = pOld->nRefs;
    AllocBuffer(nAlloc);
    memcpy(m_pchData, pOld->chars(), nOldLength + 1);
    GetData()->nDataLength = nOldLength;
    if (nOldRefs < 0 && pOld->chars() != s_pchEmpty)
        GetData()->nRefs = -1; // a locked string stays locked
    Release(pOld);
}

void CString::CopyBeforeWrite()
{
    if (GetData()->nRefs > 1)
        MakeRoom(GetLength());
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
    {
        Release();
        return;
    }
    AllocBeforeWrite(nSrcLen);
    memmove(m_pchData, lpszSrcData, nSrcLen);
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = 0;
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    // The source may be a part of this very string, whose buffer may move.
    ptrdiff_t offset = lpszSrcData - m_pchData;
    BOOL fromSelf = offset >= 0 && offset <= GetLength();
    int nOldLength = GetLength();
    if (nSrcLen > INT_MAX - nOldLength - (int)sizeof(Data) - 1)
        AfxThrowMemoryException();
    MakeRoom(nOldLength + nSrcLen);
    memmove(m_pchData + nOldLength, fromSelf ? m_pchData + offset : lpszSrcData, nSrcLen);
    GetData()->nDataLength = nOldLength + nSrcLen;
    m_pchData[nOldLength + nSrcLen] = 0;
}

// ---- assignment and concatenation ----

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    Data* pSrc = stringSrc.GetData();
    BOOL thisLocked = m_pchData != s_pchEmpty && GetData()->nRefs < 0;
    BOOL srcShareable = stringSrc.m_pchData != s_pchEmpty && pSrc->nRefs > 0;
    if (thisLocked || !srcShareable)
    {
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    }
    else
    {
        InterlockedIncrement(&pSrc->nRefs);
        Release(GetData());
        m_pchData = stringSrc.m_pchData;
    }
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    if (IsResourceId(lpsz))
    {
        LoadString(LOWORD((DWORD_PTR)lpsz));
        return *this;
    }
    AssignCopy(SafeLength(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    int nWide = lpsz ? (int)wcslen(lpsz) : 0;
    if (nWide == 0)
    {
        Release();
        return *this;
    }
    int nLen = WideCharToMultiByte(CP_ACP, 0, lpsz, nWide, NULL, 0, NULL, NULL);
    AllocBeforeWrite(nLen);
    WideCharToMultiByte(CP_ACP, 0, lpsz, nWide, m_pchData, nLen, NULL, NULL);
    GetData()->nDataLength = nLen;
    m_pchData[nLen] = 0;
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeLength(lpsz), lpsz);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

CString Concatenate(LPCTSTR a, int aLen, LPCTSTR b, int bLen)
{
    CString result;
    if (aLen > INT_MAX - bLen)
        AfxThrowMemoryException();
    if (aLen + bLen == 0)
        return result;
    result.AllocBuffer(aLen + bLen);
    memcpy(result.m_pchData, a, aLen);
    memcpy(result.m_pchData + aLen, b, bLen);
    return result;
}

CString operator+(const CString& string1, const CString& string2)
{
    return Concatenate(string1, string1.GetLength(), string2, string2.GetLength());
}

CString operator+(const CString& string, LPCTSTR lpsz)
{
    return Concatenate(string, string.GetLength(), lpsz, SafeLength(lpsz));
}

CString operator+(LPCTSTR lpsz, const CString& string)
{
    return Concatenate(lpsz, SafeLength(lpsz), string, string.GetLength());
}

CString operator+(const CString& string, TCHAR ch)
{
    return Concatenate(string, string.GetLength(), &ch, 1);
}

CString operator+(TCHAR ch, const CString& string)
{
    return Concatenate(&ch, 1, string, string.GetLength());
}

// ---- elements ----

void CString::Empty()
{
    Release();
}

TCHAR CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

// ---- comparison ----

int CString::Compare(LPCTSTR lpsz) const
{
    return strcmp(m_pchData, lpsz ? lpsz : "");
}
int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _stricmp(m_pchData, lpsz ? lpsz : "");
}
int CString::Collate(LPCTSTR lpsz) const
{
    return strcoll(m_pchData, lpsz ? lpsz : "");
}
int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _stricoll(m_pchData, lpsz ? lpsz : "");
}

// ---- parts ----

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::min(std::max(nFirst, 0), nLength);
    nCount = std::min(std::max(nCount, 0), nLength - nFirst);
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::min(std::max(nCount, 0), GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strspn(m_pchData, lpszCharSet ? lpszCharSet : ""));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strcspn(m_pchData, lpszCharSet ? lpszCharSet : ""));
}

// ---- changes in place ----

CString& CString::MakeUpper()
{
    CopyBeforeWrite();
    CharUpperBuffA(m_pchData, GetLength());
    return *this;
}

CString& CString::MakeLower()
{
    CopyBeforeWrite();
    CharLowerBuffA(m_pchData, GetLength());
    return *this;
}

CString& CString::MakeReverse()
{
    CopyBeforeWrite();
    std::reverse(m_pchData, m_pchData + GetLength());
    return *this;
}

static BOOL IsSpace(TCHAR ch, const void*)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}
static BOOL IsTheChar(TCHAR ch, const void* target)
{
    return ch == *(const TCHAR*)target;
}
static BOOL IsInSet(TCHAR ch, const void* set)
{
    return ch && strchr((LPCTSTR)set, ch) != NULL;
}

void CString::TrimLeftWhile(BOOL (*pfnTrims)(TCHAR, const void*), const void* context)
{
    int nSkip = 0;
    while (nSkip < GetLength() && pfnTrims(m_pchData[nSkip], context))
        ++nSkip;
    if (nSkip > 0)
        Delete(0, nSkip);
}

void CString::TrimRightWhile(BOOL (*pfnTrims)(TCHAR, const void*), const void* context)
{
    int nKeep = GetLength();
    while (nKeep > 0 && pfnTrims(m_pchData[nKeep - 1], context))
        --nKeep;
    if (nKeep < GetLength())
        Delete(nKeep, GetLength() - nKeep);
}

CString& CString::TrimLeft()
{
    TrimLeftWhile(&IsSpace, NULL);
    return *this;
}
CString& CString::TrimLeft(TCHAR chTarget)
{
    TrimLeftWhile(&IsTheChar, &chTarget);
    return *this;
}
CString& CString::TrimLeft(LPCTSTR lpszTargets)
{
    TrimLeftWhile(&IsInSet, lpszTargets ? lpszTargets : "");
    return *this;
}
CString& CString::TrimRight()
{
    TrimRightWhile(&IsSpace, NULL);
    return *this;
}
CString& CString::TrimRight(TCHAR chTarget)
{
    TrimRightWhile(&IsTheChar, &chTarget);
    return *this;
}
CString& CString::TrimRight(LPCTSTR lpszTargets)
{
    TrimRightWhile(&IsInSet, lpszTargets ? lpszTargets : "");
    return *this;
}
CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::Trim(TCHAR chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCTSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = (int)std::count(m_pchData, m_pchData + GetLength(), chOld);
    if (nCount == 0 || chOld == chNew)
        return nCount;
    CopyBeforeWrite();
    std::replace(m_pchData, m_pchData + GetLength(), chOld, chNew);
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeLength(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeLength(lpszNew);
    CString result;
    int nCount = 0;
    LPCTSTR pStart = m_pchData;
    for (LPCTSTR pFound; (pFound = strstr(pStart, lpszOld)) != NULL; pStart = pFound + nOldLen)
    {
        result.ConcatInPlace((int)(pFound - pStart), pStart);
        result.ConcatInPlace(nNewLen, lpszNew);
        ++nCount;
    }
    if (nCount > 0)
    {
        result.ConcatInPlace((int)(m_pchData + GetLength() - pStart), pStart);
        *this = result;
    }
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    int nCount = (int)std::count(m_pchData, m_pchData + GetLength(), chRemove);
    if (nCount == 0)
        return 0;
    CopyBeforeWrite();
    LPTSTR pEnd = std::remove(m_pchData, m_pchData + GetLength(), chRemove);
    *pEnd = 0;
    GetData()->nDataLength -= nCount;
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR text[2] = {ch, 0};
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    if (SafeLength(pstr) == 0)
        return GetLength();
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    *this = Left(nIndex) + pstr + Mid(nIndex);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(nIndex, 0);
    if (nCount <= 0 || nIndex >= nLength)
        return nLength;
    nCount = std::min(nCount, nLength - nIndex);
    CopyBeforeWrite();
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLength - nIndex - nCount + 1);
    GetData()->nDataLength = nLength - nCount;
    return nLength - nCount;
}

// ---- searching ----

int CString::Find(TCHAR ch, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (ch == 0 || nStart >= GetLength())
        return -1;
    LPCTSTR p = strchr(m_pchData + nStart, ch);
    return p ? (int)(p - m_pchData) : -1;
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (!lpszSub || nStart > GetLength())
        return -1;
    LPCTSTR p = strstr(m_pchData + nStart, lpszSub);
    return p ? (int)(p - m_pchData) : -1;
}

int CString::ReverseFind(TCHAR ch) const
{
    LPCTSTR p = ch ? strrchr(m_pchData, ch) : NULL;
    return p ? (int)(p - m_pchData) : -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    LPCTSTR p = lpszCharSet ? strpbrk(m_pchData, lpszCharSet) : NULL;
    return p ? (int)(p - m_pchData) : -1;
}

// ---- formatting ----

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    va_list measureArgs;
    va_copy(measureArgs, argList);
    int nLen = vsnprintf(NULL, 0, lpszFormat ? lpszFormat : "", measureArgs);
    va_end(measureArgs);
    if (nLen < 0)
        AfxThrowInvalidArgException();
    // Formatted into a fresh string: the arguments may point into this one.
    CString result;
    if (nLen > 0)
    {
        result.AllocBuffer(nLen);
        vsnprintf(result.m_pchData, nLen + 1, lpszFormat, argList);
    }
    *this = result;
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...)
{
    CString appended;
    va_list args;
    va_start(args, lpszFormat);
    appended.FormatV(lpszFormat, args);
    va_end(args);
    *this += appended;
}

// ---- resources ----

void CString::SetResourceHandleSource(HINSTANCE (*pfnGetResourceHandle)())
{
    s_pfnGetResourceHandle = pfnGetResourceHandle ? pfnGetResourceHandle : &ExecutableModule;
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(s_pfnGetResourceHandle(), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // LoadStringA fills at most size - 1 characters: a full buffer may mean a longer string.
    for (int nSize = 256; nSize <= 65536; nSize *= 2)
    {
        CString text;
        LPTSTR buffer = text.GetBuffer(nSize);
        int nLen = ::LoadStringA(hInstance, nID, buffer, nSize);
        text.ReleaseBuffer(nLen);
        if (nLen < nSize - 1)
        {
            *this = text;
            return nLen > 0;
        }
    }
    Empty();
    return FALSE;
}

// ---- direct buffer access ----

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    MakeRoom(std::max(nMinBufLength, GetLength()));
    return m_pchData;
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    if (m_pchData != s_pchEmpty)
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = 0;
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == s_pchEmpty)
        return;
    CopyBeforeWrite();
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_pchData, nAlloc);
    nNewLength = std::min(nNewLength, nAlloc);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPTSTR CString::LockBuffer()
{
    LPTSTR buffer = GetBuffer(0);
    if (m_pchData != s_pchEmpty)
        GetData()->nRefs = -1;
    return buffer;
}

void CString::UnlockBuffer()
{
    if (m_pchData != s_pchEmpty && GetData()->nRefs < 0)
        GetData()->nRefs = 1;
}

void CString::FreeExtra()
{
    Data* pData = GetData();
    if (m_pchData == s_pchEmpty || pData->nRefs < 0 || pData->nDataLength == pData->nAllocLength)
        return;
    *this = CString(m_pchData, pData->nDataLength);
}

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    rString.Empty();
    if (!lpszFullString || iSubString < 0)
        return FALSE;
    while (iSubString-- > 0)
    {
        lpszFullString = strchr(lpszFullString, chSep);
        if (!lpszFullString)
            return FALSE;
        ++lpszFullString;
    }
    LPCTSTR pEnd = strchr(lpszFullString, chSep);
    int nLen = pEnd ? (int)(pEnd - lpszFullString) : (int)strlen(lpszFullString);
    rString = CString(lpszFullString, nLen);
    return TRUE;
}
