#include "toolkit/foundation/XTPResourceManager.h"
#include "framework/controls/CToolBar.h"
#include "framework/window/AppHelpers.h"
#include "toolkit/foundation/XTPStartup.h"

namespace {
HINSTANCE g_hToolkitResource = NULL;
HINSTANCE g_hToolkitInstance = NULL;

CXTPResourceManager* g_pResourceManager = NULL;

void DestroyResourceManager()
{
    delete g_pResourceManager;
    g_pResourceManager = NULL;
}
} // namespace

XTP_STARTUP_ENTRY(ResourceManager, xtpStartupResourceManager, NULL, DestroyResourceManager);

CXTPResourceManager* XTPResourceManager()
{
    if (g_pResourceManager == NULL)
        g_pResourceManager = new CXTPResourceManager();
    return g_pResourceManager;
}

CXTPResourceManager::CXTPResourceManager() : m_bValid(TRUE)
{}

CXTPResourceManager::~CXTPResourceManager()
{}

BOOL CXTPResourceManager::SetResourceManager(CXTPResourceManager* pManager)
{
    if (pManager == NULL)
        return FALSE;
    if (pManager == g_pResourceManager)
        return TRUE;
    if (!pManager->m_bValid)
    {
        delete pManager;
        return FALSE;
    }
    DestroyResourceManager();
    g_pResourceManager = pManager;
    return TRUE;
}

BOOL CXTPResourceManager::LoadString(CString* pString, UINT nIDResource)
{
    return pString->LoadString(nIDResource);
}

BOOL CXTPResourceManager::LoadMenu(CMenu* pMenu, UINT nIDResource)
{
    return pMenu->LoadMenu(nIDResource);
}

BOOL CXTPResourceManager::LoadToolBar(CToolBar* pToolBar, UINT nIDResource)
{
    return pToolBar->LoadToolBar(nIDResource);
}

BOOL CXTPResourceManager::LoadBitmap(CBitmap* pBitmap, UINT nIDResource)
{
    return pBitmap->LoadBitmap(nIDResource);
}

LPCDLGTEMPLATE CXTPResourceManager::LoadDialogTemplate(LPCTSTR pszTemplate)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    if (hResource == NULL)
        return NULL;
    HRSRC hFound = ::FindResourceA(hResource, pszTemplate, RT_DIALOG);
    HGLOBAL hLoaded = hFound ? ::LoadResource(hResource, hFound) : NULL;
    return hLoaded ? (LPCDLGTEMPLATE)::LockResource(hLoaded) : NULL;
}

int CXTPResourceManager::ShowMessageBox(UINT nIDPrompt, UINT nType)
{
    CString strPrompt;
    LoadString(&strPrompt, nIDPrompt);
    return AfxMessageBox(strPrompt, nType, 0);
}

void XTSetResourceHandle(HINSTANCE hResource)
{
    g_hToolkitResource = hResource;
    g_hToolkitInstance = hResource;
}

HINSTANCE XTGetResourceHandle()
{
    return g_hToolkitResource;
}

HINSTANCE XTPFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    if (g_hToolkitResource != NULL && ::FindResourceA(g_hToolkitResource, lpszName, lpszType) != NULL)
        return g_hToolkitResource;
    return AfxFindResourceHandle(lpszName, lpszType);
}

HCURSOR XTPLoadCursor(UINT nID)
{
    const LPCTSTR lpszName = MAKEINTRESOURCE(nID);
    return ::LoadCursorA(XTPFindResourceHandle(lpszName, RT_GROUP_CURSOR), lpszName);
}

CXTResourceStateGuard::CXTResourceStateGuard()
    : m_bActive(g_hToolkitResource != NULL), m_hOldResource(NULL), m_hOldInstance(NULL)
{
    if (!m_bActive)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_hOldResource = pState->m_hCurrentResourceHandle;
    m_hOldInstance = pState->m_hCurrentInstanceHandle;
    pState->m_hCurrentResourceHandle = g_hToolkitResource;
    if (pState->m_hCurrentInstanceHandle == NULL)
        pState->m_hCurrentInstanceHandle = g_hToolkitInstance;
}

CXTResourceStateGuard::~CXTResourceStateGuard()
{
    if (!m_bActive)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentResourceHandle = m_hOldResource;
    pState->m_hCurrentInstanceHandle = m_hOldInstance;
}
