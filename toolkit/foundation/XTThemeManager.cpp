#include "toolkit/foundation/XTThemeManager.h"

#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_DYNCREATE(CXTThemeManagerStyleFactory, CObject)

namespace {

CXTThemeManager* g_pThemeManager = NULL;

void DestroyThemeManager()
{
    CXTThemeManager* pManager = g_pThemeManager;
    delete pManager;
    if (g_pThemeManager == pManager)
        g_pThemeManager = NULL;
}

// Unlinks pItem from a singly linked list whose link is reached by Next.
template <class T, class NextOf>
void Unlink(T*& pFirst, T* pItem, NextOf next)
{
    for (T** ppLink = &pFirst; *ppLink != NULL; ppLink = &next(*ppLink))
    {
        if (*ppLink == pItem)
        {
            *ppLink = next(pItem);
            next(pItem) = NULL;
            return;
        }
    }
}

} // namespace

XTP_STARTUP_ENTRY(ThemeManager, xtpStartupThemeManager, NULL, DestroyThemeManager);

CXTThemeManager* XTThemeManager()
{
    if (g_pThemeManager == NULL)
        g_pThemeManager = new CXTThemeManager;
    return g_pThemeManager;
}

// ---- style factory ----

CXTThemeManagerStyleFactory::CXTThemeManagerStyleFactory()
    : m_pTheme(NULL), m_pFirstHost(NULL), m_pNextFactory(NULL)
{
    XTThemeManager()->AddFactory(this);
}

CXTThemeManagerStyleFactory::~CXTThemeManagerStyleFactory()
{
    delete m_pTheme;
    if (g_pThemeManager != NULL)
        g_pThemeManager->RemoveFactory(this);
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::CreateTheme(int /*nTheme*/)
{
    return NULL;
}

void CXTThemeManagerStyleFactory::RefreshMetrics()
{
    if (m_pTheme != NULL)
        m_pTheme->RefreshMetrics();
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::CreateThemeFor(int nTheme)
{
    CXTThemeManagerStyle* pTheme = CreateTheme(nTheme);
    if (pTheme != NULL)
        pTheme->m_nTheme = nTheme;
    return pTheme;
}

void CXTThemeManagerStyleFactory::AdoptTheme(CXTThemeManagerStyle* pTheme)
{
    m_pTheme = pTheme;
    if (m_pTheme != NULL)
    {
        m_pTheme->m_pFactory = this;
        m_pTheme->RefreshMetrics();
    }
}

void CXTThemeManagerStyleFactory::SetTheme(CXTThemeManagerStyle* pTheme)
{
    if (pTheme != m_pTheme)
        delete m_pTheme;
    AdoptTheme(pTheme);
    // A host may leave the list from OnThemeChanged: take the next one first.
    CXTThemeManagerStyleHost* pNext;
    for (CXTThemeManagerStyleHost* pHost = m_pFirstHost; pHost != NULL; pHost = pNext)
    {
        pNext = pHost->m_pNextHost;
        pHost->OnThemeChanged();
    }
}

void CXTThemeManagerStyleFactory::SetTheme(int nTheme)
{
    SetTheme(CreateThemeFor(nTheme));
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::GetSafeTheme()
{
    if (m_pTheme == NULL)
        AdoptTheme(CreateThemeFor(XTThemeManager()->GetTheme()));
    return m_pTheme;
}

void CXTThemeManagerStyleFactory::AddHost(CXTThemeManagerStyleHost* pHost)
{
    pHost->m_pNextHost = m_pFirstHost;
    m_pFirstHost = pHost;
}

void CXTThemeManagerStyleFactory::RemoveHost(CXTThemeManagerStyleHost* pHost)
{
    Unlink(m_pFirstHost, pHost,
           [](CXTThemeManagerStyleHost* p) -> CXTThemeManagerStyleHost*& { return p->m_pNextHost; });
}

// ---- host ----

CXTThemeManagerStyleHost::CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass)
    : m_bOwnsPrivateFactory(FALSE), m_pFactoryClass(pFactoryClass), m_pPrivateFactory(NULL),
      m_pSharedFactory(XTThemeManager()->GetFactory(pFactoryClass)), m_pNextHost(NULL)
{
    EnterFactory();
}

CXTThemeManagerStyleHost::~CXTThemeManagerStyleHost()
{
    LeaveFactory();
    DeletePrivateFactory();
}

CXTThemeManagerStyleFactory* CXTThemeManagerStyleHost::CreateFactory()
{
    if (m_pFactoryClass == NULL
        || !m_pFactoryClass->IsDerivedFrom(RUNTIME_CLASS(CXTThemeManagerStyleFactory)))
        return NULL;
    return static_cast<CXTThemeManagerStyleFactory*>(m_pFactoryClass->CreateObject());
}

CXTThemeManagerStyleFactory* CXTThemeManagerStyleHost::GetFactory() const
{
    return m_pPrivateFactory != NULL ? m_pPrivateFactory : m_pSharedFactory;
}

CXTThemeManagerStyle* CXTThemeManagerStyleHost::GetSafeTheme()
{
    CXTThemeManagerStyleFactory* pFactory = GetFactory();
    return pFactory != NULL ? pFactory->GetSafeTheme() : NULL;
}

void CXTThemeManagerStyleHost::LeaveFactory()
{
    if (GetFactory() != NULL)
        GetFactory()->RemoveHost(this);
}

void CXTThemeManagerStyleHost::EnterFactory()
{
    if (GetFactory() != NULL)
        GetFactory()->AddHost(this);
}

void CXTThemeManagerStyleHost::DeletePrivateFactory()
{
    if (m_bOwnsPrivateFactory)
        delete m_pPrivateFactory;
    m_pPrivateFactory = NULL;
    m_bOwnsPrivateFactory = FALSE;
}

void CXTThemeManagerStyleHost::SetTheme(CXTThemeManagerStyle* pTheme)
{
    if (m_pPrivateFactory == NULL && pTheme == NULL)
        return;
    LeaveFactory();
    DeletePrivateFactory();
    if (pTheme != NULL)
    {
        m_pPrivateFactory = CreateFactory();
        if (m_pPrivateFactory != NULL)
        {
            m_bOwnsPrivateFactory = TRUE;
            m_pPrivateFactory->SetTheme(pTheme);
        }
        else
        {
            // No factory of our own can be had: the theme has no owner.
            delete pTheme;
        }
    }
    OnThemeChanged();
    EnterFactory();
}

void CXTThemeManagerStyleHost::SetTheme(int nTheme)
{
    SetTheme(m_pSharedFactory != NULL ? m_pSharedFactory->CreateThemeFor(nTheme) : NULL);
}

void CXTThemeManagerStyleHost::SetFactory(CXTThemeManagerStyleFactory* pFactory)
{
    LeaveFactory();
    DeletePrivateFactory();
    m_pPrivateFactory = pFactory;
    OnThemeChanged();
    EnterFactory();
}

// ---- theme manager ----

CXTThemeManager::CXTThemeManager() : m_nTheme(0), m_pFirstFactory(NULL)
{
    m_mapFactories.InitHashTable(10);
}

CXTThemeManager::~CXTThemeManager()
{
    POSITION pos = m_mapFactories.GetStartPosition();
    while (pos != NULL)
    {
        void* pClass;
        void* pFactory;
        m_mapFactories.GetNextAssoc(pos, pClass, pFactory);
        delete static_cast<CXTThemeManagerStyleFactory*>(pFactory);
    }
    m_mapFactories.RemoveAll();
}

CXTThemeManagerStyleFactory* CXTThemeManager::GetFactory(CRuntimeClass* pFactoryClass)
{
    if (pFactoryClass == NULL || !pFactoryClass->IsDerivedFrom(RUNTIME_CLASS(CXTThemeManagerStyleFactory)))
        return NULL;
    void* pFactory = NULL;
    if (!m_mapFactories.Lookup(pFactoryClass, pFactory))
    {
        pFactory = pFactoryClass->CreateObject();
        if (pFactory != NULL)
            m_mapFactories.SetAt(pFactoryClass, pFactory);
    }
    return static_cast<CXTThemeManagerStyleFactory*>(pFactory);
}

void CXTThemeManager::SetTheme(int nTheme)
{
    if (nTheme == m_nTheme)
        return;
    m_nTheme = nTheme;
    POSITION pos = m_mapFactories.GetStartPosition();
    while (pos != NULL)
    {
        void* pClass;
        void* pFactory;
        m_mapFactories.GetNextAssoc(pos, pClass, pFactory);
        static_cast<CXTThemeManagerStyleFactory*>(pFactory)->SetTheme(nTheme);
    }
}

void CXTThemeManager::RefreshMetrics()
{
    for (CXTThemeManagerStyleFactory* pFactory = m_pFirstFactory; pFactory != NULL;
         pFactory = pFactory->m_pNextFactory)
        pFactory->RefreshMetrics();
}

void CXTThemeManager::AddFactory(CXTThemeManagerStyleFactory* pFactory)
{
    pFactory->m_pNextFactory = m_pFirstFactory;
    m_pFirstFactory = pFactory;
}

void CXTThemeManager::RemoveFactory(CXTThemeManagerStyleFactory* pFactory)
{
    Unlink(m_pFirstFactory, pFactory,
           [](CXTThemeManagerStyleFactory* p) -> CXTThemeManagerStyleFactory*& { return p->m_pNextFactory; });
}
