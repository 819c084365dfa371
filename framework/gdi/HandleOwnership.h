#pragma once
// The handle-map bookkeeping shared by the wrappers that own one OS handle
// (GDI objects, device contexts, menus, image lists).
#include "framework/core/CHandleMap.h"

// The map kind of a wrapper class T whose handle lives in one field: a
// temporary wrapper is a new T with the handle in that field, and clearing
// it empties the field so deleting it leaves the OS object alone.
template <class T, class H, H T::*Field>
struct SingleHandleKind
{
    static CObject* NewTemporary(HANDLE h)
    {
        T* pObject = new T;
        pObject->*Field = (H)h;
        return pObject;
    }
    static void ClearTemporary(CObject* pObject) { ((T*)pObject)->*Field = NULL; }

    static CHandleMap& MapOfThisThread()
    {
        static const CHandleMapKind kind = { &NewTemporary, &ClearTemporary };
        return CHandleMap::ForThisThread(kind);
    }
};

// pOwner becomes the permanent wrapper of h, which it keeps in field.
template <class H>
void AttachPermanent(CHandleMap& map, CObject* pOwner, H& field, H h)
{
    field = h;
    map.SetPermanent(h, pOwner);
}

// The handle in field, no longer wrapped by its owner; the field is emptied.
template <class H>
H DetachPermanent(CHandleMap& map, H& field)
{
    H h = field;
    if (h != NULL)
        map.RemoveHandle(h);
    field = NULL;
    return h;
}
