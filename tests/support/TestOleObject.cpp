#include "TestOleObject.h"

namespace {

LPOLESTR TaskMemWide(const char* psz)
{
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    LPOLESTR pszWide = (LPOLESTR)::CoTaskMemAlloc(nLength * sizeof(WCHAR));
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, pszWide, nLength);
    return pszWide;
}

// Hands out copies of the verbs one by one; the names are the caller's to free.
class CVerbEnumerator : public IEnumOLEVERB
{
public:
    explicit CVerbEnumerator(const std::vector<CTestOleObject::Verb>& verbs) : m_nRefs(1), m_verbs(verbs), m_nNext(0)
    {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumOLEVERB))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return nRefs;
    }
    STDMETHODIMP Next(ULONG celt, OLEVERB* rgelt, ULONG* pceltFetched) override
    {
        ULONG nFetched = 0;
        for (; nFetched < celt && m_nNext < m_verbs.size(); nFetched++, m_nNext++)
        {
            const CTestOleObject::Verb& verb = m_verbs[m_nNext];
            rgelt[nFetched].lVerb = verb.lVerb;
            rgelt[nFetched].lpszVerbName = TaskMemWide(verb.pszName);
            rgelt[nFetched].fuFlags = verb.fuFlags;
            rgelt[nFetched].grfAttribs = verb.grfAttribs;
        }
        if (pceltFetched != NULL)
            *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG celt) override
    {
        m_nNext += celt;
        return m_nNext <= m_verbs.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumOLEVERB**) override { return E_NOTIMPL; }

private:
    virtual ~CVerbEnumerator() {}

    ULONG m_nRefs;
    std::vector<CTestOleObject::Verb> m_verbs;
    size_t m_nNext;
};

} // namespace

CTestOleObject::CTestOleObject(const char* pszShortType, const std::vector<Verb>& verbs)
    : m_nRefs(1), m_strShortType(pszShortType != NULL ? pszShortType : ""), m_verbs(verbs)
{}

STDMETHODIMP CTestOleObject::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
    {
        *ppv = (IOleObject*)this;
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CTestOleObject::AddRef()
{
    return (ULONG)++m_nRefs;
}

STDMETHODIMP_(ULONG) CTestOleObject::Release()
{
    const LONG nRefs = --m_nRefs;
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

STDMETHODIMP CTestOleObject::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    *ppEnumOleVerb = new CVerbEnumerator(m_verbs);
    return S_OK;
}

STDMETHODIMP CTestOleObject::GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType)
{
    if (dwFormOfType != USERCLASSTYPE_SHORT || m_strShortType.empty())
    {
        *pszUserType = NULL;
        return E_FAIL;
    }
    *pszUserType = TaskMemWide(m_strShortType.c_str());
    return S_OK;
}
