#include "framework/core/CThreadLocal.h"

#include "framework/core/CException.h"
#include "framework/core/ThreadOwned.h"

#include <memory>
#include <new>
#include <unordered_map>

namespace {
// The objects of one thread, deleted when the thread ends.
struct ThreadSlots
{
    std::unordered_map<const CThreadLocalObject*, std::unique_ptr<CNoTrackObject>> objects;
};

ThreadSlots& SlotsOfThisThread()
{
    static CThreadOwned<ThreadSlots> slots;
    return slots.Get();
}

CNoTrackObject* CreateOrThrow(CNoTrackObject* (*pfnCreate)())
{
    try
    {
        return pfnCreate();
    }
    catch (std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}
} // namespace

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject* (*pfnCreate)())
{
    std::unique_ptr<CNoTrackObject>& slot = SlotsOfThisThread().objects[this];
    if (!slot)
        slot.reset(CreateOrThrow(pfnCreate));
    return slot.get();
}

CNoTrackObject* CThreadLocalObject::GetDataNA() const
{
    ThreadSlots& slots = SlotsOfThisThread();
    auto found = slots.objects.find(this);
    return found == slots.objects.end() ? NULL : found->second.get();
}

CNoTrackObject* CProcessLocalObject::GetData(CNoTrackObject* (*pfnCreate)())
{
    if (m_pObject)
        return m_pObject;
    // Two threads may race to make it: the loser deletes its own.
    CNoTrackObject* pNew = CreateOrThrow(pfnCreate);
    if (InterlockedCompareExchangePointer((PVOID volatile*)&m_pObject, pNew, NULL) != NULL)
        delete pNew;
    return m_pObject;
}
