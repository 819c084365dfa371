#pragma once
// A news search on 127.0.0.1 for the check tests: it answers each keyword's
// query with the result page set for that keyword (an empty page for any
// other), records the queries in arrival order, and can hold its answers
// back until the test releases them, so that a check stays running.
//
//   NewsServer server;
//   server.SetPage("alpha", {NumberedRecord(1)});
//   m_pTree->SetSearchHost(server.Host());
#include "tests/support/LoopbackServer.h"
#include "tests/engine/ResultPageBuilder.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class NewsServer
{
public:
    // bHold: answers wait for Release (or for the server's end).
    explicit NewsServer(bool bHold = false);
    ~NewsServer();

    void SetPage(const std::string& query, const std::vector<PageRecord>& records);
    // "127.0.0.1:port".
    std::string Host() const;
    // The q= values of the requests so far, as sent (encoded).
    std::vector<std::string> Queries() const;
    // The request lines so far.
    std::vector<std::string> RequestLines() const;
    void Release();
    // Waits until at least n requests have arrived; false after 10 s.
    bool WaitForRequests(size_t n) const;

private:
    void Serve(SOCKET connection, LoopbackServer& server);

    mutable CRITICAL_SECTION m_lock;
    std::map<std::string, std::string> m_pages;
    std::vector<std::string> m_requestLines;
    HANDLE m_hRelease;
    std::unique_ptr<LoopbackServer> m_server; // made last, stopped first
};
