#include "toolkit/foundation/XTPStartup.h"

#include <stdlib.h>

namespace {

// Both are constant-initialised: entries are added during static
// initialisation, before any constructor of this file could run.
CXTPStartupEntry* g_pFirstEntry = NULL;
BOOL g_bRunning = FALSE;
BOOL g_bExitRegistered = FALSE;

// The entries whose exit routines are due, most recent first.
struct ExitRecord
{
    CXTPStartupEntry* pEntry;
    ExitRecord* pPrevious;
};
ExitRecord* g_pLastExit = NULL;

void PushExit(CXTPStartupEntry* pEntry)
{
    ExitRecord* pRecord = new ExitRecord;
    pRecord->pEntry = pEntry;
    pRecord->pPrevious = g_pLastExit;
    g_pLastExit = pRecord;
}

void ShutdownAtExit()
{
    CXTPStartup::Shutdown();
}

// Runs the steps once every entry has been added, before the objects of
// default priority (the application object among them) are built.
struct StartupRunner
{
    StartupRunner() { CXTPStartup::Run(); }
};
StartupRunner g_runner __attribute__((init_priority(XTP_STARTUP_INIT_PRIORITY + 1)));

} // namespace

CXTPStartupEntry::CXTPStartupEntry(int nOrder, XTP_STARTUP_PROC pfnStart, XTP_STARTUP_PROC pfnExit)
    : m_nOrder(nOrder), m_pfnStart(pfnStart), m_pfnExit(pfnExit), m_ppClasses(NULL), m_nClassCount(0),
      m_pNext(NULL)
{
    Insert();
}

CXTPStartupEntry::CXTPStartupEntry(int nOrder, CRuntimeClass* const* ppClasses, int nClassCount)
    : m_nOrder(nOrder), m_pfnStart(NULL), m_pfnExit(NULL), m_ppClasses(ppClasses), m_nClassCount(nClassCount),
      m_pNext(NULL)
{
    Insert();
}

void CXTPStartupEntry::Insert()
{
    // After every entry of the same order: equal orders keep the order in
    // which they were added.
    CXTPStartupEntry** ppLink = &g_pFirstEntry;
    while (*ppLink != NULL && (*ppLink)->m_nOrder <= m_nOrder)
        ppLink = &(*ppLink)->m_pNext;
    m_pNext = *ppLink;
    *ppLink = this;
}

BOOL CXTPStartupEntry::Start()
{
    for (int i = 0; i < m_nClassCount; i++)
        CRuntimeClassRegistration registration(m_ppClasses[i]);
    if (m_pfnStart != NULL)
        m_pfnStart();
    return m_pfnExit != NULL;
}

void CXTPStartupEntry::Exit()
{
    m_pfnExit();
}

void CXTPStartup::Run()
{
    if (g_bRunning)
        return;
    g_bRunning = TRUE;
    // Registered before the first step: whatever a step builds that registers
    // its own destruction is destroyed before the exit routines run.
    if (!g_bExitRegistered)
    {
        g_bExitRegistered = TRUE;
        atexit(ShutdownAtExit);
    }
    for (CXTPStartupEntry* pEntry = g_pFirstEntry; pEntry != NULL; pEntry = pEntry->GetNext())
    {
        if (pEntry->Start())
            PushExit(pEntry);
    }
}

void CXTPStartup::Shutdown()
{
    while (g_pLastExit != NULL)
    {
        ExitRecord* pRecord = g_pLastExit;
        g_pLastExit = pRecord->pPrevious;
        pRecord->pEntry->Exit();
        delete pRecord;
    }
    g_bRunning = FALSE;
}

BOOL CXTPStartup::IsRunning()
{
    return g_bRunning;
}

CXTPStartupEntry* CXTPStartup::GetFirstEntry()
{
    return g_pFirstEntry;
}
