#include "framework/core/CArchive.h"

#include "framework/core/CException.h"
#include "framework/core/CFile.h"

#include <new>
#include <stdlib.h>
#include <string.h>

namespace {
const WORD kNullTag = 0;
const WORD kBigObjectTag = 0x7FFF; // a 4-byte tag follows
const WORD kClassTag = 0x8000;
const WORD kNewClassTag = 0xFFFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;
const UINT kMaxClassNameLength = 255;
const UINT kNotSerializable = 0xFFFF; // the schema of classes without IMPLEMENT_SERIAL

template <class F>
void WithoutMemoryFailure(F f)
{
    try
    {
        f();
    }
    catch (std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_nMode(nMode), m_pFile(pFile), m_nBufSize((UINT)nBufSize),
      m_bUserBuf(lpBuf != NULL), m_nObjectSchema((UINT)-1), m_nObjectDepth(0)
{
    if (!pFile || nBufSize <= 0)
        AfxThrowInvalidArgException();
    if (!lpBuf && m_nBufSize < 128)
        m_nBufSize = 128;
    m_lpBufStart = lpBuf ? (BYTE*)lpBuf : (BYTE*)malloc(m_nBufSize);
    if (!m_lpBufStart)
        AfxThrowMemoryException();
    m_lpBufCur = m_lpBufStart;
    // A loading archive starts with nothing buffered; a storing one with the whole buffer free.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    WithoutMemoryFailure([&] { m_loadArray.push_back(LoadEntry{NULL, FALSE, 0}); });
}

CArchive::~CArchive()
{
    if (m_pFile && IsStoring() && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Flush();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        free(m_lpBufStart);
}

// ---- raw bytes ----

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly);
    if (!m_pFile)
        AfxThrowArchiveException(CArchiveException::genericException);
    BYTE* pDest = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_lpBufCur == m_lpBufMax)
        {
            // Large reads go straight to the caller; small ones through the buffer.
            if (nMax - nDone >= m_nBufSize)
            {
                UINT nRead = m_pFile->Read(pDest + nDone, nMax - nDone);
                nDone += nRead;
                if (nRead == 0)
                    break;
                continue;
            }
            UINT nRead = m_pFile->Read(m_lpBufStart, m_nBufSize);
            m_lpBufCur = m_lpBufStart;
            m_lpBufMax = m_lpBufStart + nRead;
            if (nRead == 0)
                break;
        }
        UINT nChunk = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nChunk > nMax - nDone)
            nChunk = nMax - nDone;
        memcpy(pDest + nDone, m_lpBufCur, nChunk);
        m_lpBufCur += nChunk;
        nDone += nChunk;
    }
    return nDone;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly);
    if (!m_pFile)
        AfxThrowArchiveException(CArchiveException::genericException);
    const BYTE* pSrc = (const BYTE*)lpBuf;
    while (nMax > 0)
    {
        if (m_lpBufCur == m_lpBufMax)
            Flush();
        UINT nChunk = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nChunk > nMax)
            nChunk = nMax;
        memcpy(m_lpBufCur, pSrc, nChunk);
        m_lpBufCur += nChunk;
        pSrc += nChunk;
        nMax -= nChunk;
    }
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring())
    {
        UINT nPending = (UINT)(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart; // even when the write fails, the bytes are not written twice
        m_pFile->Write(m_lpBufStart, nPending);
    }
    else if (m_lpBufCur != m_lpBufMax)
    {
        // Give the unread bytes back to the file, so that it stands after what was read.
        m_pFile->Seek(-(LONGLONG)(m_lpBufMax - m_lpBufCur), 1);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
}

ULONGLONG CArchive::BytesLeft() const
{
    ULONGLONG nInBuffer = (ULONGLONG)(m_lpBufMax - m_lpBufCur);
    if (!m_pFile)
        return nInBuffer;
    ULONGLONG nLength = m_pFile->GetLength();
    ULONGLONG nPosition = m_pFile->GetPosition();
    return nInBuffer + (nLength > nPosition ? nLength - nPosition : 0);
}

void CArchive::CheckCount(DWORD_PTR nCount, UINT nMinItemSize)
{
    if ((ULONGLONG)nCount * nMinItemSize > BytesLeft())
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nSchema;
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    *this >> by;
    b = by != 0;
    return *this;
}

// ---- counts and strings ----

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
    {
        *this << (WORD)dwCount;
    }
    else
    {
        *this << (WORD)0xFFFF;
        *this << (DWORD)dwCount;
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

CArchive& CArchive::operator<<(const CString& string)
{
    DWORD nLength = (DWORD)string.GetLength();
    if (nLength < 0xFF)
    {
        *this << (BYTE)nLength;
    }
    else if (nLength < 0xFFFE)
    {
        *this << (BYTE)0xFF << (WORD)nLength;
    }
    else
    {
        *this << (BYTE)0xFF << (WORD)0xFFFF << nLength;
    }
    Write((LPCTSTR)string, nLength);
    return *this;
}

// The length prefix of a string; a UTF-16 marker sets bWide and is followed by the real prefix.
DWORD_PTR CArchive::ReadStringLength(BOOL& bWide)
{
    bWide = FALSE;
    for (;;)
    {
        BYTE bLength;
        *this >> bLength;
        if (bLength < 0xFF)
            return bLength;
        WORD wLength;
        *this >> wLength;
        if (wLength == 0xFFFE)
        {
            if (bWide) // a second marker is no length at all
                AfxThrowArchiveException(CArchiveException::genericException);
            bWide = TRUE;
            continue;
        }
        if (wLength < 0xFFFF)
            return wLength;
        DWORD dwLength;
        *this >> dwLength;
        return dwLength;
    }
}

CArchive& CArchive::operator>>(CString& string)
{
    BOOL bWide;
    DWORD_PTR nLength = ReadStringLength(bWide);
    UINT nCharSize = bWide ? sizeof(WCHAR) : 1;
    if (nLength > 0x7FFFFFF0 / nCharSize)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    CheckCount(nLength, nCharSize);
    if (!bWide)
    {
        LPTSTR buffer = string.GetBufferSetLength((int)nLength);
        ReadExactly(buffer, (UINT)nLength);
        string.ReleaseBuffer((int)nLength);
        return *this;
    }
    std::vector<WCHAR> wide;
    WithoutMemoryFailure([&] { wide.resize(nLength + 1); });
    ReadExactly(wide.data(), (UINT)(nLength * sizeof(WCHAR)));
    wide[nLength] = 0;
    string = wide.data();
    return *this;
}

// ---- class records ----

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLength = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLength;
    ar >> wSchema >> nLength;
    if (nLength > kMaxClassNameLength)
        AfxThrowArchiveException(CArchiveException::badClass);
    char szClassName[kMaxClassNameLength + 1];
    if (ar.Read(szClassName, nLength) != nLength)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    szClassName[nLength] = 0;
    if (pwSchemaNum)
        *pwSchemaNum = wSchema;
    return FromName(szClassName);
}

// ---- tags ----

DWORD CArchive::NextStoreIndex()
{
    DWORD nIndex = (DWORD)m_storeMap.size() + 1; // index 0 is the NULL object
    if (nIndex > kMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return nIndex;
}

void CArchive::WriteTag(DWORD dwIndex, BOOL bClass)
{
    if (dwIndex < kBigObjectTag)
    {
        *this << (WORD)(bClass ? (kClassTag | dwIndex) : dwIndex);
    }
    else
    {
        *this << kBigObjectTag;
        *this << (DWORD)(bClass ? (kBigClassTag | dwIndex) : dwIndex);
    }
}

// Reads a tag: wTag is its 16-bit form, the answer its full value (class bit in bit 31).
DWORD CArchive::ReadTag(WORD& wTag)
{
    *this >> wTag;
    if (wTag == kBigObjectTag)
    {
        DWORD dwTag;
        *this >> dwTag;
        return dwTag;
    }
    return ((DWORD)(wTag & kClassTag) << 16) | (wTag & ~kClassTag);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (!pClassRef)
        AfxThrowInvalidArgException();
    if (IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly);
    auto found = m_storeMap.find(pClassRef);
    if (found != m_storeMap.end())
    {
        WriteTag(found->second, TRUE);
        return;
    }
    DWORD nIndex = NextStoreIndex();
    *this << kNewClassTag;
    pClassRef->Store(*this);
    WithoutMemoryFailure([&] { m_storeMap[pClassRef] = nIndex; });
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly);
    WORD wTag;
    DWORD dwTag = ReadTag(wTag);
    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == kNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        // Only classes made for archives are read from one: data must not make windows, menus
        // or device contexts of classes that are merely creatable by name.
        if (!pClassRef || pClassRef->m_wSchema == kNotSerializable)
            AfxThrowArchiveException(CArchiveException::badClass);
        if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA) && nSchema != (WORD)pClassRef->m_wSchema)
            AfxThrowArchiveException(CArchiveException::badSchema);
        if (m_loadArray.size() > kMaxMapCount)
            AfxThrowArchiveException(CArchiveException::badIndex);
        WithoutMemoryFailure([&] { m_loadArray.push_back(LoadEntry{pClassRef, TRUE, nSchema}); });
    }
    else if (dwTag & kBigClassTag)
    {
        DWORD nIndex = dwTag & ~kBigClassTag;
        if (nIndex == 0 || nIndex >= m_loadArray.size() || !m_loadArray[nIndex].bClass)
            AfxThrowArchiveException(CArchiveException::badIndex);
        pClassRef = (CRuntimeClass*)m_loadArray[nIndex].p;
        nSchema = m_loadArray[nIndex].nSchema;
    }
    else
    {
        if (!pObTag)
            AfxThrowArchiveException(CArchiveException::badIndex);
        *pObTag = dwTag;
        return NULL;
    }
    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass);
    if (pSchema)
        *pSchema = nSchema;
    m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

// ---- objects ----

void CArchive::WriteObject(const CObject* pOb)
{
    if (IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly);
    if (!pOb)
    {
        *this << kNullTag;
        return;
    }
    auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end())
    {
        WriteTag(found->second, FALSE);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    // Entered before its data, so that the object's own references to itself resolve.
    DWORD nIndex = NextStoreIndex();
    WithoutMemoryFailure([&] { m_storeMap[pOb] = nIndex; });
    ((CObject*)pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD dwObTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &dwObTag);
    if (!pClassRef)
    {
        if (dwObTag >= m_loadArray.size() || m_loadArray[dwObTag].bClass)
            AfxThrowArchiveException(CArchiveException::badIndex);
        CObject* pOb = (CObject*)m_loadArray[dwObTag].p;
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass);
        return pOb;
    }
    if (m_loadArray.size() > kMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // Objects read inside the Serialize of others nest on the stack; data must not run it out.
    if (m_nObjectDepth >= nMaxObjectDepth)
        AfxThrowArchiveException(CArchiveException::genericException);
    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        AfxThrowArchiveException(CArchiveException::badClass);
    size_t nIndex = m_loadArray.size();
    ++m_nObjectDepth;
    try
    {
        WithoutMemoryFailure([&] { m_loadArray.push_back(LoadEntry{pOb, FALSE, 0}); });
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
    }
    catch (...)
    {
        --m_nObjectDepth;
        if (nIndex < m_loadArray.size())
            m_loadArray[nIndex].p = NULL;
        delete pOb;
        throw;
    }
    --m_nObjectDepth;
    return pOb;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (pOb && m_storeMap.find(pOb) == m_storeMap.end())
        {
            DWORD nIndex = NextStoreIndex();
            WithoutMemoryFailure([&] { m_storeMap[pOb] = nIndex; });
        }
    }
    else
    {
        if (m_loadArray.size() > kMaxMapCount)
            AfxThrowArchiveException(CArchiveException::badIndex);
        WithoutMemoryFailure([&] { m_loadArray.push_back(LoadEntry{(void*)pOb, FALSE, 0}); });
    }
}

CObject* AfxReadObject(CArchive& ar, CRuntimeClass* pClassRequested)
{
    return ar.ReadObject(pClassRequested);
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}
