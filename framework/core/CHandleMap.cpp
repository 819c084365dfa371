#include "framework/core/CHandleMap.h"

#include "framework/core/CException.h"
#include "framework/core/ThreadOwned.h"

#include <memory>
#include <new>
#include <vector>

namespace {
// The maps of one thread, one per kind, found by the kind's address.
struct ThreadMaps
{
    std::vector<std::unique_ptr<CHandleMap>> maps;
    std::vector<const CHandleMapKind*> kinds;
};

ThreadMaps& MapsOfThisThread()
{
    static CThreadOwned<ThreadMaps> maps;
    return maps.Get();
}
} // namespace

CHandleMap& PASCAL CHandleMap::ForThisThread(const CHandleMapKind& kind)
{
    ThreadMaps& thread = MapsOfThisThread();
    for (size_t i = 0; i < thread.kinds.size(); ++i)
    {
        if (thread.kinds[i] == &kind)
            return *thread.maps[i];
    }
    try
    {
        thread.maps.emplace_back(new CHandleMap(kind));
        thread.kinds.push_back(&kind);
    }
    catch (std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    return *thread.maps.back();
}

void PASCAL CHandleMap::DeleteTemporaryObjects()
{
    for (std::unique_ptr<CHandleMap>& map : MapsOfThisThread().maps)
        map->DeleteTemporary();
}

CObject* CHandleMap::Lookup(const std::unordered_map<HANDLE, CObject*>& map, HANDLE h)
{
    auto found = map.find(h);
    return found == map.end() ? NULL : found->second;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    return Lookup(m_permanent, h);
}
CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    return Lookup(m_temporary, h);
}

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (!h)
        return NULL;
    if (CObject* pObject = LookupPermanent(h))
        return pObject;
    if (CObject* pObject = LookupTemporary(h))
        return pObject;
    CObject* pObject = m_kind.pfnCreateTemporary(h);
    if (!pObject)
        return NULL;
    try
    {
        m_temporary[h] = pObject;
    }
    catch (std::bad_alloc&)
    {
        m_kind.pfnClearTemporary(pObject);
        delete pObject;
        AfxThrowMemoryException();
    }
    return pObject;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject)
{
    try
    {
        m_permanent[h] = pObject;
    }
    catch (std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    m_permanent.erase(h);
    m_temporary.erase(h);
}

void CHandleMap::DeleteTemporary()
{
    // Deleting a wrapper may call back into the map (a destructor detaching itself): work on a
    // list taken out of the map first.
    std::unordered_map<HANDLE, CObject*> temporary;
    temporary.swap(m_temporary);
    for (auto& entry : temporary)
    {
        m_kind.pfnClearTemporary(entry.second);
        delete entry.second;
    }
}
