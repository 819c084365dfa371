#include "app/NewsFetch.h"

#include "app/NewsFetchWorkers.h"
#include "app/NewsQuery.h"
#include "engine/HttpClient.h"

NewsFetch::NewsFetch(Keyword* pKeyword, const CString& url)
    : keyword(pKeyword), forPass(FALSE), fetched(FALSE), m_url(url), m_hNotify(NULL), m_bStarted(FALSE),
      m_hDone(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_abort(0)
{
    page.count = 0;
}

NewsFetch::~NewsFetch()
{
    ASSERT(WaitForEnd(0));
    if (m_hDone != NULL)
        ::CloseHandle(m_hDone);
}

BOOL NewsFetch::Start(HWND hNotify, NewsFetchWorkers& workers)
{
    m_hNotify = hNotify;
    m_bStarted = m_hDone != NULL && workers.Run(this);
    return m_bStarted;
}

void NewsFetch::Abort()
{
    ::InterlockedExchange(&m_abort, 1);
}

BOOL NewsFetch::WaitForEnd(DWORD nMilliseconds)
{
    return !m_bStarted || ::WaitForSingleObject(m_hDone, nMilliseconds) == WAIT_OBJECT_0;
}

void NewsFetch::Run()
{
    HttpClient client;
    client.SetAbortFlag(&m_abort);
    CString request, headers, body;
    if (client.Request(false, m_url, request, headers, body))
    {
        CString text;
        Utf8ToAnsi(body, text);
        char* scratch = new char[text.GetLength() + 1];
        page.Parse(text, scratch);
        delete[] scratch;
        fetched = TRUE;
    }
    ::PostMessageA(m_hNotify, WM_NEWS_FETCHED, 0, (LPARAM)this);
}

void NewsFetch::Finish()
{
    // The last touch: the view may delete the fetch as soon as it is set.
    ::SetEvent(m_hDone);
}
