#pragma once
// The news search and the maker's web site as one HTTP/1.0 server on
// 127.0.0.1 (a loopback server on a port the system picks). It records every
// request it reads, answers a search with the result page set for its query
// (a page without results otherwise) and the upgrade check with the reply
// set for it. While held, requests wait unanswered: a check then keeps
// running until the server is released, the client goes away or the server
// stops.
//
//     NewsServer server;
//     server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(1)}));
//     ... start the program with SearchHost = server.HostText() ...
//     EXPECT_EQ(1u, server.SearchRequests().size());
#include "tests/support/LoopbackServer.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct RecordedRequest
{
    std::string line;    // "GET /path HTTP/1.0"
    std::string path;    // the path with its query
    std::string headers; // the header lines after the request line, each ended by CR LF
};

class NewsServer
{
public:
    // The path and query of a search before the query text.
    static const char kSearchPath[];
    static const char kUpgradePath[];

    NewsServer();
    ~NewsServer();

    // "127.0.0.1:port", the form of the "SearchHost" option.
    std::string HostText() const;
    // "http://127.0.0.1:port", the form of the "WebSite" option.
    std::string SiteAddress() const;

    // The page answered to the search whose query text (after "q=") is query.
    void SetPage(const std::string& query, const std::string& html);
    void SetUpgradeReply(const std::string& body);
    void Hold(bool hold);
    // Requests that are waiting for Hold(false) now.
    LONG HeldRequests() const { return m_held; }

    std::vector<RecordedRequest> Requests() const;
    std::vector<RecordedRequest> SearchRequests() const;
    // The query texts of the searches, in order.
    std::vector<std::string> SearchQueries() const;

private:
    void Answer(SOCKET connection, LoopbackServer& server);
    // Waits while held; false when the client went away or the server stops.
    bool WaitWhileHeld(SOCKET connection, LoopbackServer& server);
    std::string ResponseFor(const std::string& path);

    mutable CRITICAL_SECTION m_lock;
    std::map<std::string, std::string> m_pages; // the bodies answered, by path
    std::vector<RecordedRequest> m_requests;
    volatile LONG m_hold;
    volatile LONG m_held;
    std::unique_ptr<LoopbackServer> m_server;
};

// A port on 127.0.0.1 where nothing listens: every connection is refused.
std::string RefusingHostText();
