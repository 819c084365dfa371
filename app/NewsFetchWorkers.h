#pragma once
// NewsFetchWorkers: the threads that run a keyword view's fetches. A thread
// stays after its fetch and takes the next one, so a check pass pays for a
// thread's start and end once rather than once per keyword; here that also
// spares each keyword a new thread's first socket calls, which cost several
// times the later ones. A fetch goes to an idle thread, else to a new thread
// while there are fewer than the most the workers may have, else it waits
// its turn: fetches that wait are run in the order they were handed over.
//
//   NewsFetchWorkers anyThread;              // single checks: never wait
//   NewsFetchWorkers inOrder(1);             // a pass: one after another
//   NewsFetch* pFetch = new NewsFetch(pKeyword, url);
//   if (!pFetch->Start(m_hWnd, inOrder))     // hands it to a thread
//       delete pFetch;
//
// When the workers go, their idle threads end; a thread still busy ends
// after its fetch and the fetches still waiting, on its own (what the
// threads share outlives the object).
#include "framework/Core.h"

class NewsFetch;

class NewsFetchWorkers
{
public:
    explicit NewsFetchWorkers(int nMaxThreads = 0x7FFFFFFF);
    ~NewsFetchWorkers();
    NewsFetchWorkers(const NewsFetchWorkers&) = delete;
    NewsFetchWorkers& operator=(const NewsFetchWorkers&) = delete;

    // Runs the fetch on an idle thread or a new one, or queues it for the
    // next thread that is done; FALSE when a thread was needed and could not
    // be made (the fetch is not run).
    BOOL Run(NewsFetch* pFetch);
    // The threads made so far and not ended.
    int GetThreadCount() const;

private:
    struct Shared;
    struct Start;
    static DWORD WINAPI ThreadProc(LPVOID pParam);

    // Shared with the threads, which may outlive this object: the last one
    // out deletes it.
    Shared* m_pShared;
};
