#include "app/NewsFetchWorkers.h"

#include "app/NewsFetch.h"

#include <deque>

// The waiting fetches and the counts, under the lock. wake is released once
// for each idle thread a fetch is handed to, and once for each idle thread
// at the end.
struct NewsFetchWorkers::Shared
{
    explicit Shared(int nMax) : maxThreads(nMax)
    {
        ::InitializeCriticalSection(&lock);
        wake = ::CreateSemaphoreA(NULL, 0, 0x7FFFFFFF, NULL);
    }
    ~Shared()
    {
        ::CloseHandle(wake);
        ::DeleteCriticalSection(&lock);
    }
    void Release()
    {
        if (::InterlockedDecrement(&references) == 0)
            delete this;
    }

    CRITICAL_SECTION lock;
    HANDLE wake;
    std::deque<NewsFetch*> waiting;
    const int maxThreads;
    int threads = 0;
    int idle = 0;
    bool ending = false;
    // The object and each thread hold one.
    LONG references = 1;
};

// What a new thread starts with: the shared part and its first fetch.
struct NewsFetchWorkers::Start
{
    Shared* pShared;
    NewsFetch* pFetch;
};

NewsFetchWorkers::NewsFetchWorkers(int nMaxThreads) : m_pShared(new Shared(nMaxThreads))
{
    ASSERT(nMaxThreads > 0);
}

NewsFetchWorkers::~NewsFetchWorkers()
{
    ::EnterCriticalSection(&m_pShared->lock);
    m_pShared->ending = true;
    const int nIdle = m_pShared->idle;
    m_pShared->idle = 0;
    ::LeaveCriticalSection(&m_pShared->lock);
    if (nIdle > 0)
        ::ReleaseSemaphore(m_pShared->wake, nIdle, NULL);
    m_pShared->Release();
}

BOOL NewsFetchWorkers::Run(NewsFetch* pFetch)
{
    Shared& shared = *m_pShared;
    ::EnterCriticalSection(&shared.lock);
    if (shared.idle > 0 || shared.threads >= shared.maxThreads)
    {
        const bool bWake = shared.idle > 0;
        if (bWake)
            --shared.idle;
        shared.waiting.push_back(pFetch);
        ::LeaveCriticalSection(&shared.lock);
        if (bWake)
            ::ReleaseSemaphore(shared.wake, 1, NULL);
        return TRUE;
    }
    ++shared.threads;
    ::InterlockedIncrement(&shared.references);
    ::LeaveCriticalSection(&shared.lock);
    Start* pStart = new Start{m_pShared, pFetch};
    HANDLE hThread = ::CreateThread(NULL, 0, ThreadProc, pStart, 0, NULL);
    if (hThread == NULL)
    {
        delete pStart;
        ::EnterCriticalSection(&shared.lock);
        --shared.threads;
        ::LeaveCriticalSection(&shared.lock);
        shared.Release();
        return FALSE;
    }
    ::CloseHandle(hThread);
    return TRUE;
}

int NewsFetchWorkers::GetThreadCount() const
{
    ::EnterCriticalSection(&m_pShared->lock);
    const int nThreads = m_pShared->threads;
    ::LeaveCriticalSection(&m_pShared->lock);
    return nThreads;
}

DWORD WINAPI NewsFetchWorkers::ThreadProc(LPVOID pParam)
{
    Start start = *static_cast<Start*>(pParam);
    delete static_cast<Start*>(pParam);
    Shared& shared = *start.pShared;
    NewsFetch* pFetch = start.pFetch;
    while (pFetch != NULL)
    {
        pFetch->Run();
        // The next fetch, or idle: settled before the fetch is finished, so
        // that whoever waited for it finds this thread ready for another.
        NewsFetch* pNext = NULL;
        bool bIdle = false;
        ::EnterCriticalSection(&shared.lock);
        if (!shared.waiting.empty())
        {
            pNext = shared.waiting.front();
            shared.waiting.pop_front();
        }
        else if (!shared.ending)
        {
            ++shared.idle;
            bIdle = true;
        }
        else
        {
            --shared.threads;
        }
        ::LeaveCriticalSection(&shared.lock);
        pFetch->Finish();
        if (bIdle)
        {
            ::WaitForSingleObject(shared.wake, INFINITE);
            ::EnterCriticalSection(&shared.lock);
            if (!shared.waiting.empty())
            {
                pNext = shared.waiting.front();
                shared.waiting.pop_front();
            }
            else // woken with nothing waiting: the workers are ending
            {
                --shared.threads;
            }
            ::LeaveCriticalSection(&shared.lock);
        }
        pFetch = pNext;
    }
    shared.Release();
    return 0;
}
