#pragma once
// CObject, the root of the framework's classes, and CRuntimeClass, the record that lets a class
// be named, tested for derivation and created at run time.
//
// A class takes part through a pair of macros, one in its declaration and one in a .cpp file:
//   DECLARE_DYNAMIC(C)   / IMPLEMENT_DYNAMIC(C, Base)            type information only
//   DECLARE_DYNCREATE(C) / IMPLEMENT_DYNCREATE(C, Base)          ... and CreateObject
//   DECLARE_SERIAL(C)    / IMPLEMENT_SERIAL(C, Base, schema)     ... and reading through archives
// A schema with VERSIONABLE_SCHEMA set accepts data of any version (the object asks the archive
// for the version it is reading); any other schema must match the data exactly. An archive reads
// the class records of serializable classes only: a class whose objects are stored with their
// class (WriteObject, WriteClass, an exchange's object instance) needs the SERIAL pair.
//
// Class templates use the same DECLARE_ macro inside the template and one of the _T forms at
// namespace scope in the header, naming the template, its parameter and its base:
//   template <class B> class CBorder : public B { DECLARE_DYNAMIC(CBorder) ... };
//   IMPLEMENT_DYNAMIC_T(CBorder, B, B)
// Every instance then has its own record, named after the template. Records of templates are not
// entered in the process list: they are not found by name, so ReadObject cannot make one.
// A base that is a template instance with several arguments is named through a typedef in the
// IMPLEMENT_ macros (a comma would split the macro's arguments).
//
// Records made by IMPLEMENT_ macros in a .cpp file enter the process list (CRuntimeClass::FromName)
// when the program starts, provided the linker keeps that object file: a class that is only ever
// created by name must be referenced somewhere (RUNTIME_CLASS in any linked code is enough).
#include "framework/core/AfxBase.h"

class CObject;
class CArchive;

// The schema bit that makes a class accept any stored version.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF: not serializable
    CObject*(PASCAL* m_pfnCreateObject)(); // NULL: not dynamically creatable
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass; // next record of the process list

    // A new object of this class; NULL when the class cannot be created dynamically.
    // Raises CMemoryException when memory runs out.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const;

    // Writes the class record: 16-bit schema, 16-bit name length, the name's bytes.
    void Store(CArchive& ar) const;
    // Reads a class record; NULL when the name is of no known class. *pwSchemaNum receives the
    // stored schema. Raises CArchiveException for truncated or oversized records.
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);

    // The class of that exact name (case-sensitive) in the process list, or NULL.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    // The first record of the process list; the others follow through m_pNextClass.
    static CRuntimeClass* PASCAL GetFirstClass();
};

// Enters a class record in the process list; IMPLEMENT_ macros make one per class.
struct CRuntimeClassRegistration
{
    explicit CRuntimeClassRegistration(CRuntimeClass* pNewClass);
};

class CObject
{
public:
    virtual ~CObject() {}
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    // Reads or writes the object's state; the base moves nothing.
    virtual void Serialize(CArchive& ar);

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();

protected:
    CObject() {}

private:
    CObject(const CObject&);
    void operator=(const CObject&);
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

// The object as a pointer to class_name, or NULL when it is NULL or not of that class.
#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object)))
// The object as a pointer to class_name; the class is checked only in debug builds.
#define STATIC_DOWNCAST(class_name, object)                                                                  \
    ((class_name*)AfxStaticDownCast(RUNTIME_CLASS(class_name), (object)))

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);

// ---- declarations ----
#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static CRuntimeClass class##class_name;                                                                  \
    static CRuntimeClass* PASCAL GetThisClass();                                                             \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                           \
    DECLARE_DYNCREATE(class_name)                                                                            \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                        \
        pOb = (class_name*)AfxReadObject(ar, RUNTIME_CLASS(class_name));                                     \
        return ar;                                                                                           \
    }

// Reads an object of the class (or a derived one) from the archive; see CArchive::ReadObject.
CObject* AfxReadObject(CArchive& ar, CRuntimeClass* pClassRequested);

// ---- definitions for ordinary classes (in one .cpp file) ----
#define AFX_RUNTIME_CLASS_BODY(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass class_name::class##class_name = {#class_name,                                              \
                                                   (int)sizeof(class_name),                                  \
                                                   (UINT)(wSchema),                                          \
                                                   pfnNew,                                                   \
                                                   &base_class_name::GetThisClass,                           \
                                                   NULL};                                                    \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                                         \
    {                                                                                                        \
        return &class_name::class##class_name;                                                               \
    }                                                                                                        \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return &class_name::class##class_name;                                                               \
    }                                                                                                        \
    static CRuntimeClassRegistration afxRegistration_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    AFX_RUNTIME_CLASS_BODY(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    AFX_RUNTIME_CLASS_BODY(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    AFX_RUNTIME_CLASS_BODY(class_name, base_class_name, wSchema, &class_name::CreateObject)

// ---- definitions for class templates (in the header, after the template) ----
#define AFX_RUNTIME_CLASS_BODY_T(class_name, T, base_class_name, wSchema, pfnNew)                            \
    template <class T>                                                                                       \
    CRuntimeClass class_name<T>::class##class_name = {                                                       \
        #class_name, (int)sizeof(class_name<T>),     (UINT)(wSchema),                                        \
        pfnNew,      &base_class_name::GetThisClass, NULL};                                                  \
    template <class T>                                                                                       \
    CRuntimeClass* PASCAL class_name<T>::GetThisClass()                                                      \
    {                                                                                                        \
        return &class_name<T>::class##class_name;                                                            \
    }                                                                                                        \
    template <class T>                                                                                       \
    CRuntimeClass* class_name<T>::GetRuntimeClass() const                                                    \
    {                                                                                                        \
        return &class_name<T>::class##class_name;                                                            \
    }

#define IMPLEMENT_DYNAMIC_T(class_name, T, base_class_name)                                                  \
    AFX_RUNTIME_CLASS_BODY_T(class_name, T, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE_T(class_name, T, base_class_name)                                                \
    template <class T>                                                                                       \
    CObject* PASCAL class_name<T>::CreateObject()                                                            \
    {                                                                                                        \
        return new class_name<T>;                                                                            \
    }                                                                                                        \
    AFX_RUNTIME_CLASS_BODY_T(class_name, T, base_class_name, 0xFFFF, &class_name<T>::CreateObject)

#define IMPLEMENT_SERIAL_T(class_name, T, base_class_name, wSchema)                                          \
    template <class T>                                                                                       \
    CObject* PASCAL class_name<T>::CreateObject()                                                            \
    {                                                                                                        \
        return new class_name<T>;                                                                            \
    }                                                                                                        \
    AFX_RUNTIME_CLASS_BODY_T(class_name, T, base_class_name, wSchema, &class_name<T>::CreateObject)
