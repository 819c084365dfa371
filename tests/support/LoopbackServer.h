#pragma once
// A TCP server on 127.0.0.1 at a port the system picks, run by a thread of
// its own: it accepts connections one after another and hands each to the
// test's handler, then closes it. Nothing but the loopback address is used.
#include <winsock2.h>

#include <functional>
#include <string>

class LoopbackServer
{
public:
    using Handler = std::function<void(SOCKET connection, LoopbackServer& server)>;

    explicit LoopbackServer(Handler handler);
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;
    ~LoopbackServer();

    int Port() const { return port_; }
    std::string Url(const std::string& path) const;
    LONG Connections() const { return connections_; }
    bool Stopping() const { return stopping_ != 0; }

    // Helpers for handlers. ReadRequest reads up to the end of the header
    // block and the Content-Length bytes after it.
    std::string ReadRequest(SOCKET connection);
    bool SendAll(SOCKET connection, const std::string& bytes);
    // Waits until the client closes the connection (true) or the server stops.
    bool WaitForClose(SOCKET connection);
    // The request bytes the handler read last.
    std::string LastRequest() const;

    // A port on 127.0.0.1 where nothing listens.
    static int ClosedPort();
    // Socket helpers for tests, which need Winsock started (a server does
    // that): a socket listening on 127.0.0.1 at a port the system picks, with
    // room for backlog waiting connections; a connection to the port on
    // 127.0.0.1, only started when wait is false.
    static SOCKET Listen(int backlog, int& port);
    static SOCKET ConnectTo(int port, bool wait);
    // Whether bytes (or the peer's close) wait on the socket, after a wait of
    // at most a short slice.
    static bool Readable(SOCKET socket);

private:
    static DWORD WINAPI ThreadMain(LPVOID self);
    void Serve();

    Handler handler_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    HANDLE thread_ = nullptr;
    volatile LONG stopping_ = 0;
    volatile LONG connections_ = 0;
    mutable CRITICAL_SECTION lock_;
    std::string lastRequest_;
};

// A response made of a header block and a body.
std::string HttpResponse(const std::string& body, const std::string& extraHeaders = "");
