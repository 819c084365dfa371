#pragma once
// State kept once per process or once per thread, made on first use.
//   CNoTrackObject        base of such state objects (deleted through its virtual destructor)
//   CProcessLocal<TYPE>   one TYPE for the process; made by the first thread that asks
//   CThreadLocal<TYPE>    one TYPE per thread; deleted when its thread ends
// TYPE derives from CNoTrackObject and has a default constructor. Both are meant to be objects
// of static storage duration:
//   CThreadLocal<CKeyboardState> g_keyboardState;   ...   g_keyboardState->m_hHook
#include "framework/core/AfxBase.h"

class CNoTrackObject
{
public:
    virtual ~CNoTrackObject() {}
};

// The untyped core of CThreadLocal: slots of the current thread, keyed by the owning object.
class CThreadLocalObject
{
public:
    // This thread's object, made with pfnCreate when missing.
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreate)());
    // This thread's object, or NULL when it has none yet.
    CNoTrackObject* GetDataNA() const;
};

// The untyped core of CProcessLocal.
class CProcessLocalObject
{
public:
    CProcessLocalObject() : m_pObject(NULL) {}
    ~CProcessLocalObject() { delete m_pObject; }
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreate)());
    CNoTrackObject* GetDataNA() const { return m_pObject; }

private:
    CNoTrackObject* volatile m_pObject;
};

// The typed access both kinds share: BASE is CThreadLocalObject or CProcessLocalObject.
template <class TYPE, class BASE>
class CTypedLocal : public BASE
{
public:
    TYPE* GetData() { return (TYPE*)BASE::GetData(&CreateObject); }
    TYPE* GetDataNA() const { return (TYPE*)BASE::GetDataNA(); }
    operator TYPE*() { return GetData(); }
    TYPE* operator->() { return GetData(); }

private:
    static CNoTrackObject* CreateObject() { return new TYPE; }
};

template <class TYPE>
class CThreadLocal : public CTypedLocal<TYPE, CThreadLocalObject>
{};

template <class TYPE>
class CProcessLocal : public CTypedLocal<TYPE, CProcessLocalObject>
{};
