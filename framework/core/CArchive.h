#pragma once
// CArchive: a buffered binary stream of values and objects over a CFile, in one direction.
//
// Numbers are written little-endian in their own size. Strings: a length prefix (1 byte below
// 0xFF; else 0xFF and 2 bytes below 0xFFFE; else 0xFF, 0xFFFF and 4 bytes), then the bytes; a
// prefix of 0xFF 0xFFFE marks a UTF-16 string, which is read and converted to the ANSI code page.
// Counts: 2 bytes below 0xFFFF, else 0xFFFF and 4 bytes.
//
// Objects and their classes share one index space (index 0 is the NULL object). An object is
// written as a 16-bit tag: an object seen before is its index; a new object is its class, then
// its Serialize data. A class seen before is 0x8000 | index; a new class is 0xFFFF followed by
// its record (schema, name). Indexes from 0x7FFF up are written as 0x7FFF and a 4-byte tag
// (0x80000000 | index for classes).
//
// Reading never goes past the data and never allocates more than the data can hold. Every
// fault raises CArchiveException: endOfFile (truncated data, or a length or count larger than
// the data left), badIndex (a reference to no earlier object or class), badClass (a class
// unknown here, not serializable, not creatable, or not of the kind asked for; no object of it
// is made), badSchema (a version the class does not accept), genericException (objects nested
// deeper than nMaxObjectDepth), readOnly (writing while loading), writeOnly (reading while
// storing).
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CRect.h"

#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };
    // The most objects ReadObject reads inside each other's Serialize (a collection holding a
    // collection holding ...); each level takes stack, so deeper data is refused.
    enum
    {
        nMaxObjectDepth = 500
    };

    // A NULL lpBuf makes the archive allocate its own buffer of nBufSize bytes.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    // Flushes a storing archive that was not closed (errors are dropped), unless
    // bNoFlushOnDelete was given.
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // Reads up to nMax bytes; fewer only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    // Flushes and detaches from the file (the file stays open).
    void Close();
    // Detaches without flushing and without raising anything.
    void Abort();

    // The version of the object being read (set by ReadObject / ReadClass); (UINT)-1 after
    // one call.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();
    // Raises endOfFile unless nCount items of at least nMinItemSize bytes each can follow.
    void CheckCount(DWORD_PTR nCount, UINT nMinItemSize);

    void WriteClass(const CRuntimeClass* pClassRef);
    // The class of the next class record: a serializable class (IMPLEMENT_SERIAL), else
    // badClass. With pClassRefRequested, a class not derived from it raises badClass. *pSchema receives the
    // record's schema. A tag that is an object reference is handed back in *pObTag (NULL returned); without
    // pObTag it raises badIndex.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);

    void WriteObject(const CObject* pOb);
    // The next object: NULL, an object read before, or a new object of a class derived from
    // pClassRefRequested (any class when NULL), made and then read by its Serialize.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // Enters an object in the map as if it had been written or read here, so later references
    // to it resolve.
    void MapObject(const CObject* pOb);

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(bool b) { return WriteValue((BYTE)(b ? 1 : 0)); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(short w) { return WriteValue(w); }
    CArchive& operator<<(int i) { return WriteValue((LONG)i); }
    CArchive& operator<<(UINT u) { return WriteValue((DWORD)u); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(LONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(ULONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(POINT pt) { return WriteValue(pt); }
    CArchive& operator<<(SIZE size) { return WriteValue(size); }
    CArchive& operator<<(const RECT& rect) { return WriteValue(rect); }

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(bool& b);
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(UINT& u) { return ReadValue(u); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(ULONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(POINT& pt) { return ReadValue(pt); }
    CArchive& operator>>(SIZE& size) { return ReadValue(size); }
    CArchive& operator>>(RECT& rect) { return ReadValue(rect); }

    CArchive& operator<<(const CString& string);
    CArchive& operator>>(CString& string);

    CDocument* m_pDocument; // the document being serialized, set by the document layer

private:
    CArchive(const CArchive&);
    void operator=(const CArchive&);

    template <class T>
    CArchive& WriteValue(const T& value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        ReadExactly(&value, sizeof value);
        return *this;
    }
    // Reads exactly nCount bytes or raises endOfFile.
    void ReadExactly(void* lpBuf, UINT nCount);
    ULONGLONG BytesLeft() const;
    void WriteTag(DWORD dwIndex, BOOL bClass);
    DWORD ReadTag(WORD& wTag);
    DWORD NextStoreIndex();
    DWORD_PTR ReadStringLength(BOOL& bWide);

    struct LoadEntry
    {
        void* p;
        BOOL bClass;
        UINT nSchema;
    };

    UINT m_nMode;
    CFile* m_pFile;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nBufSize;
    BOOL m_bUserBuf;
    UINT m_nObjectSchema;
    UINT m_nObjectDepth; // objects ReadObject is reading now, each inside the one before
    std::unordered_map<const void*, DWORD> m_storeMap; // object or class -> index
    std::vector<LoadEntry> m_loadArray;                // index -> object or class
};

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
