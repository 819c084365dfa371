#include "framework/core/CObject.h"

#include "framework/core/CException.h"

#include <new>
#include <string.h>

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static CRuntimeClassRegistration afxRegistration_CObject(&CObject::classCObject);

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return &CObject::classCObject;
}
CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return (pObject && pObject->IsKindOf(pClass)) ? pObject : NULL;
}

CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    ASSERT(!pObject || pObject->IsKindOf(pClass));
    UNUSED_ALWAYS(pClass);
    return pObject;
}

// ---- the process list of classes ----
// Entries are added while the program starts (one thread) and may be read by any thread later;
// the lock keeps late registrations (classes in dynamically loaded code) safe as well.
namespace {
struct ClassList
{
    CRITICAL_SECTION lock;
    CRuntimeClass* first;
    ClassList() : first(NULL) { InitializeCriticalSection(&lock); }
};

ClassList& TheClassList()
{
    static ClassList list;
    return list;
}
} // namespace

// A record enters the list once: the toolkit's start-up enters classes that must be creatable by
// name before their own registration object runs, and a second entry would make the list a loop.
CRuntimeClassRegistration::CRuntimeClassRegistration(CRuntimeClass* pNewClass)
{
    ClassList& list = TheClassList();
    EnterCriticalSection(&list.lock);
    BOOL bListed = FALSE;
    for (CRuntimeClass* pClass = list.first; pClass && !bListed; pClass = pClass->m_pNextClass)
        bListed = pClass == pNewClass;
    if (!bListed)
    {
        pNewClass->m_pNextClass = list.first;
        list.first = pNewClass;
    }
    LeaveCriticalSection(&list.lock);
}

CRuntimeClass* PASCAL CRuntimeClass::GetFirstClass()
{
    ClassList& list = TheClassList();
    EnterCriticalSection(&list.lock);
    CRuntimeClass* first = list.first;
    LeaveCriticalSection(&list.lock);
    return first;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return NULL;
    for (CRuntimeClass* pClass = GetFirstClass(); pClass; pClass = pClass->m_pNextClass)
    {
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return NULL;
}

CObject* CRuntimeClass::CreateObject()
{
    if (!m_pfnCreateObject)
        return NULL;
    try
    {
        return m_pfnCreateObject();
    }
    catch (std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}

CRuntimeClass* CRuntimeClass::GetBaseClass() const
{
    return m_pfnGetBaseClass ? m_pfnGetBaseClass() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass; pClass = pClass->GetBaseClass())
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}
