#pragma once
// HandleOwnership: the handle bookkeeping shared by the wrappers that own one
// OS handle (CGdiObject, CDC, CMenu, CImageList). Each wrapper's GetSafeHandle,
// FromHandle, DeleteTempMap, Attach and Detach are one-line calls into it:
//
//     typedef HandleOwnership<CMenu, HMENU, &CMenu::m_hMenu> MenuHandles;
//     BOOL CMenu::Attach(HMENU hMenu) { return MenuHandles::Attach(this, hMenu, &CMenu::DestroyMenu); }
//
// Why it works this way:
// - Each thread keeps a map of handle to wrapper (CHandleMap), one map per
//   wrapper class. A wrapper that owns its handle (Attach) is the handle's
//   permanent entry; FromHandle on a handle nobody owns makes a temporary
//   wrapper, which the map deletes at the next idle time (DeleteTempMap). A
//   temporary never destroys the OS object: the map empties its handle field
//   before deleting it.
// - Attach gives up (releases) a handle already held, so creating twice does
//   not leak; attaching the handle already held changes nothing; attaching
//   NULL fails.
// - GetSafeHandle answers NULL when called through a NULL pointer, which
//   callers rely on ("pFont->GetSafeHandle()" for an optional font). The
//   pointer is read through a volatile so the compiler cannot assume that
//   "this" is never NULL and drop the test.
#include "framework/core/CHandleMap.h"

// The default temporary wrapper: a new T with the handle in its field, and
// emptying that field before the map deletes it.
template <class T, class H, H T::*Field>
CObject* NewWrapperHolding(HANDLE h)
{
    T* pObject = new T;
    pObject->*Field = (H)h;
    return pObject;
}

template <class T, class H, H T::*Field>
void ClearWrapperHandle(CObject* pObject)
{
    ((T*)pObject)->*Field = NULL;
}

// T keeps its handle of type H in Field. A wrapper whose temporaries need
// more (a DC's second handle, a GDI object's class by object type) passes its
// own NewTemporary and ClearTemporary.
template <class T, class H, H T::*Field, CObject* (*NewTemporary)(HANDLE) = &NewWrapperHolding<T, H, Field>,
          void (*ClearTemporary)(CObject*) = &ClearWrapperHandle<T, H, Field>>
class HandleOwnership
{
public:
    // The current thread's map of T's handles.
    static CHandleMap& Map()
    {
        static const CHandleMapKind kind = {NewTemporary, ClearTemporary};
        return CHandleMap::ForThisThread(kind);
    }

    static H SafeHandle(const T* pOwner)
    {
        const T* volatile self = pOwner;
        return self == NULL ? NULL : self->*Field;
    }

    static T* FromHandle(H h) { return (T*)Map().FromHandle(h); }

    static void DeleteTempMap() { Map().DeleteTemporary(); }

    // pOwner becomes the owner of h; pfnRelease is its member that releases
    // (destroys or deletes) the handle it holds.
    static BOOL Attach(T* pOwner, H h, BOOL (T::*pfnRelease)())
    {
        if (h == NULL)
            return FALSE;
        if (h == pOwner->*Field)
            return TRUE;
        (pOwner->*pfnRelease)();
        pOwner->*Field = h;
        Map().SetPermanent(h, pOwner);
        return TRUE;
    }

    // The handle, no longer owned by pOwner; its field is emptied.
    static H Detach(T* pOwner)
    {
        H h = pOwner->*Field;
        if (h != NULL)
            Map().RemoveHandle(h);
        pOwner->*Field = NULL;
        return h;
    }
};
