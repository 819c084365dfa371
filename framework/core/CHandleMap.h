#pragma once
// CHandleMap: for one kind of OS handle (windows, device contexts, GDI objects, menus, image
// lists...), the C++ wrapper object of each handle, per thread.
//
// A wrapper is either permanent (made by the program, entered with SetPermanent when it attaches
// a handle, taken out with RemoveHandle when it detaches) or temporary (made by FromHandle for a
// handle that has no permanent wrapper; it lives until the thread's idle time, when
// CHandleMap::DeleteTemporaryObjects deletes every temporary wrapper of the thread).
//
// Each wrapper kind describes itself once with a CHandleMapKind:
//   static CObject* NewTempWnd(HANDLE h)   { CWnd* p = new CWnd; p->m_hWnd = (HWND)h; return p; }
//   static void ClearTempWnd(CObject* p)   { ((CWnd*)p)->m_hWnd = NULL; }
//   static const CHandleMapKind kWindows = {&NewTempWnd, &ClearTempWnd};
//   CWnd* CWnd::FromHandle(HWND h) { return (CWnd*)CHandleMap::ForThisThread(kWindows).FromHandle(h); }
// The create hook makes a wrapper for the handle and sets all of its handle fields (a device
// context sets both m_hDC and m_hAttribDC); the clear hook empties them all again before the
// temporary wrapper is deleted, so that deleting it never destroys the OS object.
// A wrapper holding two handles may enter itself under both with SetPermanent.
#include "framework/core/CObject.h"

#include <unordered_map>

struct CHandleMapKind
{
    CObject* (*pfnCreateTemporary)(HANDLE h);
    void (*pfnClearTemporary)(CObject* pObject);
};

class CHandleMap
{
public:
    // The current thread's map for that kind (made on first use, freed when the thread ends).
    static CHandleMap& PASCAL ForThisThread(const CHandleMapKind& kind);
    // Deletes the temporary wrappers of every kind of the current thread.
    static void PASCAL DeleteTemporaryObjects();

    // The permanent wrapper, else the temporary one, else a new temporary one; NULL for NULL
    // (and when the create hook makes none).
    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    void SetPermanent(HANDLE h, CObject* pObject);
    // Forgets the handle's permanent and temporary entries (the objects themselves stay).
    void RemoveHandle(HANDLE h);
    // Clears and deletes this map's temporary wrappers.
    void DeleteTemporary();

    explicit CHandleMap(const CHandleMapKind& kind) : m_kind(kind) {}
    ~CHandleMap() { DeleteTemporary(); }

private:
    CHandleMap(const CHandleMap&);
    void operator=(const CHandleMap&);
    static CObject* Lookup(const std::unordered_map<HANDLE, CObject*>& map, HANDLE h);

    const CHandleMapKind& m_kind;
    std::unordered_map<HANDLE, CObject*> m_permanent;
    std::unordered_map<HANDLE, CObject*> m_temporary;
};
