#include "NewsServer.h"

namespace {

const char kQueryStart[] = "&q=";
const char kLineEnd[] = " HTTP/1.0";

// The q= value of a request line; empty when it has none.
std::string QueryOf(const std::string& line)
{
    size_t start = line.find(kQueryStart);
    size_t end = line.rfind(kLineEnd);
    if (start == std::string::npos || end == std::string::npos || end < start)
        return "";
    start += sizeof(kQueryStart) - 1;
    return line.substr(start, end - start);
}

} // namespace

NewsServer::NewsServer(bool bHold) : m_hRelease(::CreateEventA(NULL, TRUE, bHold ? FALSE : TRUE, NULL))
{
    ::InitializeCriticalSection(&m_lock);
    m_server.reset(
        new LoopbackServer([this](SOCKET connection, LoopbackServer& server) { Serve(connection, server); }));
}

NewsServer::~NewsServer()
{
    m_server.reset(); // its thread ends before the lock and the event go
    ::CloseHandle(m_hRelease);
    ::DeleteCriticalSection(&m_lock);
}

void NewsServer::SetPage(const std::string& query, const std::vector<PageRecord>& records)
{
    ::EnterCriticalSection(&m_lock);
    m_pages[query] = ResultPageHtml(records);
    ::LeaveCriticalSection(&m_lock);
}

std::string NewsServer::Host() const
{
    return "127.0.0.1:" + std::to_string(m_server->Port());
}

std::vector<std::string> NewsServer::RequestLines() const
{
    ::EnterCriticalSection(&m_lock);
    std::vector<std::string> lines = m_requestLines;
    ::LeaveCriticalSection(&m_lock);
    return lines;
}

std::vector<std::string> NewsServer::Queries() const
{
    std::vector<std::string> queries;
    for (const std::string& line : RequestLines())
        queries.push_back(QueryOf(line));
    return queries;
}

void NewsServer::Release()
{
    ::SetEvent(m_hRelease);
}

bool NewsServer::WaitForRequests(size_t n) const
{
    for (int i = 0; i < 1000; ++i)
    {
        if (RequestLines().size() >= n)
            return true;
        ::Sleep(10);
    }
    return false;
}

void NewsServer::Serve(SOCKET connection, LoopbackServer& server)
{
    std::string request = server.ReadRequest(connection);
    std::string line = request.substr(0, request.find("\r\n"));
    ::EnterCriticalSection(&m_lock);
    m_requestLines.push_back(line);
    std::map<std::string, std::string>::const_iterator page = m_pages.find(QueryOf(line));
    std::string body = page != m_pages.end() ? page->second : ResultPageHtml({});
    ::LeaveCriticalSection(&m_lock);
    while (::WaitForSingleObject(m_hRelease, 20) == WAIT_TIMEOUT)
    {
        if (server.Stopping())
            return;
    }
    server.SendAll(connection, HttpResponse(body));
}
