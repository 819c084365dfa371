#pragma once
// Small helpers for the COM objects of the system's XML component: an owning
// interface pointer, an owned BSTR made from an 8-bit text, and the way back.
#include "framework/Core.h"

#include <ole2.h>
#include <msxml2.h>

// The class of the version-independent DOM document; the platform's import
// libraries map its usual name to a symbol they lack, so it is defined here.
extern const CLSID CLSID_XTPDOMDocument;

template <class T>
class CXTPComPtr
{
public:
    CXTPComPtr() : m_p(NULL) {}
    CXTPComPtr(T* p) : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    CXTPComPtr(const CXTPComPtr& other) : m_p(other.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }
    ~CXTPComPtr() { Release(); }

    CXTPComPtr& operator=(const CXTPComPtr& other) { return *this = other.m_p; }
    CXTPComPtr& operator=(T* p)
    {
        if (p)
            p->AddRef();
        Release();
        m_p = p;
        return *this;
    }

    void Release()
    {
        if (m_p)
            m_p->Release();
        m_p = NULL;
    }
    // The address to receive a new reference; what was held is released first.
    T** Receive()
    {
        Release();
        return &m_p;
    }
    // Queries the other object for this interface; NULL when it has none.
    template <class U>
    void QueryFrom(U* pOther, REFIID iid)
    {
        Release();
        if (pOther)
            pOther->QueryInterface(iid, (void**)&m_p);
    }

    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }

private:
    T* m_p;
};

class CXTPBstr
{
public:
    explicit CXTPBstr(LPCSTR lpsz);
    explicit CXTPBstr(LPCWSTR lpsz) : m_bstr(::SysAllocString(lpsz)) {}
    CXTPBstr() : m_bstr(NULL) {}
    ~CXTPBstr() { ::SysFreeString(m_bstr); }

    operator BSTR() const { return m_bstr; }
    BSTR* Receive()
    {
        ::SysFreeString(m_bstr);
        m_bstr = NULL;
        return &m_bstr;
    }
    // The text in the program's 8-bit code page.
    CString ToString() const;

private:
    CXTPBstr(const CXTPBstr&);
    void operator=(const CXTPBstr&);
    BSTR m_bstr;
};

// A VARIANT holding a file path, for the document's load and save.
class CXTPPathVariant
{
public:
    explicit CXTPPathVariant(LPCSTR lpszPath);
    ~CXTPPathVariant() { ::VariantClear(&m_var); }
    operator VARIANT() const { return m_var; }

private:
    VARIANT m_var;
};

// Creates a DOM document; NULL when the component cannot be created.
IXMLDOMDocument* XTPCreateXMLDocument();
