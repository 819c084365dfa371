#pragma once
// CThreadOwned<T>: one T per thread, made on first use and deleted when its
// thread ends (the main thread's is left to the process's end).
//
//     CThreadOwned<ThreadMaps> g_maps;
//     ThreadMaps& maps = g_maps.Get();
//
// Why not a thread_local object: the runtime destroys those at thread exit
// through its own clean-up, and under wine a thread that ended that way
// leaves later threads and the main thread hanging. The objects live in Win32
// TLS slots instead, deleted by the program's own thread-detach callback.
#include <windows.h>

// Records a slot whose objects pfnDelete deletes as their threads end;
// answers the slot.
DWORD AfxRegisterThreadOwnedSlot(DWORD dwSlot, void (*pfnDelete)(void*));

template <class T>
class CThreadOwned
{
public:
    // This thread's object, or NULL before its first Get.
    T* Peek() const { return static_cast<T*>(::TlsGetValue(Slot())); }

    T& Get()
    {
        T* pObject = Peek();
        if (pObject == NULL)
        {
            pObject = new T;
            ::TlsSetValue(Slot(), pObject);
        }
        return *pObject;
    }

private:
    static DWORD Slot()
    {
        static const DWORD dwSlot = AfxRegisterThreadOwnedSlot(::TlsAlloc(), &Delete);
        return dwSlot;
    }
    static void Delete(void* pObject) { delete static_cast<T*>(pObject); }
};
