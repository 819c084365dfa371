#pragma once
// Helpers of the archive tests: store into bytes, load from bytes, read one value, and catch the
// archive's exception cause.
#include "RaisesSupport.h"

#include <functional>
#include <vector>

typedef std::vector<BYTE> Bytes;

inline Bytes StoreToBytes(const std::function<void(CArchive&)>& store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 128); // a small buffer: writes cross its edge
        store(ar);
        ar.Close();
    }
    ULONGLONG length = file.GetLength();
    BYTE* data = file.Detach();
    Bytes bytes(data, data + length);
    free(data);
    return bytes;
}

inline void LoadFromBytes(const Bytes& bytes, const std::function<void(CArchive&)>& load)
{
    Bytes copy(bytes);
    copy.push_back(0xCC); // a guard byte the archive must never see
    CMemFile file(copy.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load, 128);
    load(ar);
}

// The cause of the CArchiveException that loading raises; -1 when it raises none.
inline int LoadFailureCause(const Bytes& bytes, const std::function<void(CArchive&)>& load)
{
    return RaisedCause<CArchiveException>([&] { LoadFromBytes(bytes, load); });
}

// The next value of type T in the archive.
template <class T>
T Read(CArchive& ar)
{
    T value;
    ar >> value;
    return value;
}
