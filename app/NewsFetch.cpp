#include "app/NewsFetch.h"

#include "app/NewsQuery.h"
#include "engine/HttpClient.h"

NewsFetch::NewsFetch(Keyword* pKeyword, const CString& url)
    : keyword(pKeyword), fetched(FALSE), m_url(url), m_hNotify(NULL), m_hThread(NULL), m_abort(0)
{
    page.count = 0;
}

NewsFetch::~NewsFetch()
{
    ASSERT(m_hThread == NULL || ::WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0);
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
}

BOOL NewsFetch::Start(HWND hNotify)
{
    m_hNotify = hNotify;
    m_hThread = ::CreateThread(NULL, 0, ThreadProc, this, 0, NULL);
    return m_hThread != NULL;
}

void NewsFetch::Abort()
{
    ::InterlockedExchange(&m_abort, 1);
}

BOOL NewsFetch::WaitForEnd(DWORD nMilliseconds)
{
    return m_hThread == NULL || ::WaitForSingleObject(m_hThread, nMilliseconds) == WAIT_OBJECT_0;
}

DWORD WINAPI NewsFetch::ThreadProc(LPVOID pParam)
{
    static_cast<NewsFetch*>(pParam)->Run();
    return 0;
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
    // Nothing of this object is touched after the post: the view may delete
    // it as soon as the thread has ended.
    ::PostMessageA(m_hNotify, WM_NEWS_FETCHED, 0, (LPARAM)this);
}
