#include "tests/support/NewsServer.h"

#include "tests/support/ResultPageBuilder.h"

const char NewsServer::kSearchPath[] = "/nwshp?ie=UTF-8&oe=UTF-8&hl=en&tab=wn&scoring=n&q=";
const char NewsServer::kUpgradePath[] = "/check.php?product=Tidewatch";

namespace {

// Splits the text read into its request line, path and header lines.
RecordedRequest ParseRequest(const std::string& text)
{
    RecordedRequest request;
    size_t lineEnd = text.find("\r\n");
    request.line = text.substr(0, lineEnd);
    size_t pathStart = request.line.find(' ');
    size_t pathEnd = request.line.rfind(' ');
    if (pathStart != std::string::npos && pathEnd > pathStart)
        request.path = request.line.substr(pathStart + 1, pathEnd - pathStart - 1);
    size_t headersEnd = text.find("\r\n\r\n");
    if (lineEnd != std::string::npos && headersEnd != std::string::npos)
        request.headers = text.substr(lineEnd + 2, headersEnd + 2 - (lineEnd + 2));
    return request;
}

bool IsSearch(const std::string& path)
{
    return path.compare(0, sizeof NewsServer::kSearchPath - 1, NewsServer::kSearchPath) == 0;
}

} // namespace

NewsServer::NewsServer() : m_hold(0), m_held(0)
{
    ::InitializeCriticalSection(&m_lock);
    m_server.reset(new LoopbackServer(
        [this](SOCKET connection, LoopbackServer& server) { Answer(connection, server); }));
}

NewsServer::~NewsServer()
{
    m_server.reset();
    ::DeleteCriticalSection(&m_lock);
}

std::string NewsServer::HostText() const
{
    return "127.0.0.1:" + std::to_string(m_server->Port());
}

std::string NewsServer::SiteAddress() const
{
    return "http://" + HostText();
}

void NewsServer::SetPage(const std::string& query, const std::string& html)
{
    ::EnterCriticalSection(&m_lock);
    m_pages[kSearchPath + query] = html;
    ::LeaveCriticalSection(&m_lock);
}

void NewsServer::SetUpgradeReply(const std::string& body)
{
    ::EnterCriticalSection(&m_lock);
    m_pages[kUpgradePath] = body;
    ::LeaveCriticalSection(&m_lock);
}

void NewsServer::Hold(bool hold)
{
    ::InterlockedExchange(&m_hold, hold ? 1 : 0);
}

std::vector<RecordedRequest> NewsServer::Requests() const
{
    ::EnterCriticalSection(&m_lock);
    std::vector<RecordedRequest> requests = m_requests;
    ::LeaveCriticalSection(&m_lock);
    return requests;
}

std::vector<RecordedRequest> NewsServer::SearchRequests() const
{
    std::vector<RecordedRequest> searches;
    for (const RecordedRequest& request : Requests())
        if (IsSearch(request.path))
            searches.push_back(request);
    return searches;
}

std::vector<std::string> NewsServer::SearchQueries() const
{
    std::vector<std::string> queries;
    for (const RecordedRequest& request : SearchRequests())
        queries.push_back(request.path.substr(sizeof kSearchPath - 1));
    return queries;
}

void NewsServer::Answer(SOCKET connection, LoopbackServer& server)
{
    RecordedRequest request = ParseRequest(server.ReadRequest(connection));
    ::EnterCriticalSection(&m_lock);
    m_requests.push_back(request);
    ::LeaveCriticalSection(&m_lock);
    if (WaitWhileHeld(connection, server))
        server.SendAll(connection, ResponseFor(request.path));
}

bool NewsServer::WaitWhileHeld(SOCKET connection, LoopbackServer& server)
{
    if (!m_hold)
        return true;
    ::InterlockedIncrement(&m_held);
    bool clientStayed = true;
    // After its request the client only reads: readable now means closed.
    char byte;
    while (m_hold && clientStayed && !server.Stopping())
        clientStayed = !LoopbackServer::Readable(connection) || recv(connection, &byte, 1, 0) > 0;
    ::InterlockedDecrement(&m_held);
    return clientStayed && !server.Stopping();
}

std::string NewsServer::ResponseFor(const std::string& path)
{
    ::EnterCriticalSection(&m_lock);
    auto page = m_pages.find(path);
    std::string body = page != m_pages.end() ? page->second : IsSearch(path) ? ResultPageHtml({}) : "";
    ::LeaveCriticalSection(&m_lock);
    return HttpResponse(body);
}

std::string RefusingHostText()
{
    return "127.0.0.1:" + std::to_string(LoopbackServer::ClosedPort());
}
