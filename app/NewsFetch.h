#pragma once
// NewsFetch: one keyword's result page, fetched and parsed on a worker thread
// (NewsFetchWorkers). The keyword tree view makes one per keyword check, starts it,
// and gets it back by the message WM_NEWS_FETCHED (lParam: the fetch) posted
// when the worker is done; the view then merges the page into the keyword on
// its own thread and deletes the fetch.
//
//   NewsFetch* pFetch = new NewsFetch(pKeyword, NewsSearchUrl(host, pKeyword->name));
//   if (!pFetch->Start(m_hWnd, m_workers))
//       delete pFetch;
//   ...
//   LRESULT OnNewsFetched(WPARAM, LPARAM lParam)   // on the view's thread
//   {
//       NewsFetch* pFetch = (NewsFetch*)lParam;
//       pFetch->WaitForEnd(INFINITE);              // the worker is done with it now
//       if (pFetch->keyword && pFetch->fetched) MergeResultPage(..., pFetch->page);
//       delete pFetch;
//   }
//
// The worker reads only the address and writes only fetched and page; the
// keyword pointer and forPass belong to the view, which clears the keyword
// when the keyword is removed or renamed so that the result is dropped. Abort() makes a running request give
// up within a fraction of a second; the fetch is still posted.
#include "engine/Keyword.h"
#include "engine/ResultPageParser.h"
#include "framework/Core.h"

// Posted by a worker to the window given to Start: lParam is the NewsFetch.
#define WM_NEWS_FETCHED (WM_APP + 0x120)

class NewsFetchWorkers;

class NewsFetch
{
public:
    NewsFetch(Keyword* pKeyword, const CString& url);
    NewsFetch(const NewsFetch&) = delete;
    NewsFetch& operator=(const NewsFetch&) = delete;
    // The worker must be done with it (WaitForEnd).
    ~NewsFetch();

    // Hands the fetch to one of the workers' threads, which posts
    // WM_NEWS_FETCHED to hNotify when it is done. FALSE when no thread could
    // be made (nothing will be posted).
    BOOL Start(HWND hNotify, NewsFetchWorkers& workers);
    // Asks the worker's request to give up.
    void Abort();
    // TRUE when the worker is done with the fetch (or it never started),
    // waiting for that up to nMilliseconds.
    BOOL WaitForEnd(DWORD nMilliseconds);
    const CString& GetUrl() const { return m_url; }

    // The view's: the keyword checked, null once its page is not wanted any
    // more (the keyword was removed or renamed); and whether a pass fetched
    // it ahead (else it is a single check's).
    Keyword* keyword;
    BOOL forPass;
    // Written by the worker before it posts: the request succeeded, and the
    // page's records (count 0 after a failure or for a page without any).
    BOOL fetched;
    ResultPageParser page;

private:
    friend class NewsFetchWorkers;
    // On a worker's thread: the request, the page and the post; then, once
    // the worker has settled what it does next, the end (Finish), after
    // which the worker never touches the fetch again.
    void Run();
    void Finish();

    const CString m_url;
    HWND m_hNotify;
    BOOL m_bStarted;
    // Set by Finish.
    HANDLE m_hDone;
    volatile LONG m_abort;
};
