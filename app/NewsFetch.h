#pragma once
// NewsFetch: one keyword's result page, fetched and parsed on a worker thread
// of its own. The keyword tree view makes one per keyword check, starts it,
// and gets it back by the message WM_NEWS_FETCHED (lParam: the fetch) posted
// when the worker is done; the view then merges the page into the keyword on
// its own thread and deletes the fetch.
//
//   NewsFetch* pFetch = new NewsFetch(pKeyword, NewsSearchUrl(host, pKeyword->name));
//   if (!pFetch->Start(m_hWnd))
//       delete pFetch;
//   ...
//   LRESULT OnNewsFetched(WPARAM, LPARAM lParam)   // on the view's thread
//   {
//       NewsFetch* pFetch = (NewsFetch*)lParam;
//       pFetch->WaitForEnd(INFINITE);              // the worker only returns now
//       if (pFetch->keyword && pFetch->fetched) MergeResultPage(..., pFetch->page);
//       delete pFetch;
//   }
//
// The worker reads only the address and writes only fetched and page; the
// keyword pointer belongs to the view, which clears it when the keyword is
// removed so that the result is dropped. Abort() makes a running request give
// up within a fraction of a second; the fetch is still posted.
#include "engine/Keyword.h"
#include "engine/ResultPageParser.h"
#include "framework/Core.h"

// Posted by a worker to the window given to Start: lParam is the NewsFetch.
#define WM_NEWS_FETCHED (WM_APP + 0x120)

class NewsFetch
{
public:
    NewsFetch(Keyword* pKeyword, const CString& url);
    NewsFetch(const NewsFetch&) = delete;
    NewsFetch& operator=(const NewsFetch&) = delete;
    // Closes the thread's handle; the worker must have ended (WaitForEnd).
    ~NewsFetch();

    // Starts the worker, which posts WM_NEWS_FETCHED to hNotify at its end.
    // FALSE when no thread could be made (nothing will be posted).
    BOOL Start(HWND hNotify);
    // Asks the worker's request to give up.
    void Abort();
    // TRUE when the worker has ended, waiting for it up to nMilliseconds.
    BOOL WaitForEnd(DWORD nMilliseconds);
    const CString& GetUrl() const { return m_url; }

    // The view's: the keyword checked, null once it was removed.
    Keyword* keyword;
    // Written by the worker before it posts: the request succeeded, and the
    // page's records (count 0 after a failure or for a page without any).
    BOOL fetched;
    ResultPageParser page;

private:
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Run();

    const CString m_url;
    HWND m_hNotify;
    HANDLE m_hThread;
    volatile LONG m_abort;
};
