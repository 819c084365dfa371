#include "tests/support/LoopbackServer.h"

#include <stdlib.h>
#include <string.h>

namespace {

const long kPollMilliseconds = 20;

size_t ContentLength(const std::string& headers)
{
    size_t at = headers.find("Content-Length: ");
    return at == std::string::npos ? 0 : strtoul(headers.c_str() + at + 16, nullptr, 10);
}

} // namespace

std::string HttpResponse(const std::string& body, const std::string& extraHeaders)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n" + extraHeaders + "\r\n" + body;
}

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler))
{
    InitializeCriticalSection(&lock_);
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = Listen(8, port_);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
}

LoopbackServer::~LoopbackServer()
{
    InterlockedExchange(&stopping_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    closesocket(listener_);
    WSACleanup();
    DeleteCriticalSection(&lock_);
}

std::string LoopbackServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

SOCKET LoopbackServer::Listen(int backlog, int& port)
{
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    bind(socket, reinterpret_cast<sockaddr*>(&address), size);
    listen(socket, backlog);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return socket;
}

SOCKET LoopbackServer::ConnectTo(int port, bool wait)
{
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    u_long nonBlocking = wait ? 0 : 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    return socket;
}

int LoopbackServer::ClosedPort()
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    int port = 0;
    closesocket(Listen(1, port));
    WSACleanup();
    return port;
}

DWORD WINAPI LoopbackServer::ThreadMain(LPVOID self)
{
    static_cast<LoopbackServer*>(self)->Serve();
    return 0;
}

bool LoopbackServer::Readable(SOCKET socket)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval slice = {0, kPollMilliseconds * 1000};
    return select(0, &readable, nullptr, nullptr, &slice) > 0;
}

void LoopbackServer::Serve()
{
    while (!Stopping())
    {
        SOCKET connection = Readable(listener_) ? accept(listener_, nullptr, nullptr) : INVALID_SOCKET;
        if (connection == INVALID_SOCKET)
            continue;
        InterlockedIncrement(&connections_);
        handler_(connection, *this);
        closesocket(connection);
    }
}

std::string LoopbackServer::ReadRequest(SOCKET connection)
{
    std::string request;
    size_t wanted = std::string::npos;
    while (request.size() < wanted && !Stopping())
    {
        if (!Readable(connection))
            continue;
        char piece[4096];
        int got = recv(connection, piece, sizeof piece, 0);
        if (got <= 0)
            break;
        request.append(piece, got);
        size_t headerEnd = request.find("\r\n\r\n");
        if (wanted == std::string::npos && headerEnd != std::string::npos)
            wanted = headerEnd + 4 + ContentLength(request.substr(0, headerEnd));
    }
    EnterCriticalSection(&lock_);
    lastRequest_ = request;
    LeaveCriticalSection(&lock_);
    return request;
}

std::string LoopbackServer::LastRequest() const
{
    EnterCriticalSection(&lock_);
    std::string request = lastRequest_;
    LeaveCriticalSection(&lock_);
    return request;
}

bool LoopbackServer::SendAll(SOCKET connection, const std::string& bytes)
{
    for (size_t sent = 0; sent < bytes.size();)
    {
        int now = send(connection, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (now <= 0)
            return false;
        sent += now;
    }
    return true;
}

bool LoopbackServer::WaitForClose(SOCKET connection)
{
    while (!Stopping())
    {
        char piece[256];
        if (Readable(connection) && recv(connection, piece, sizeof piece, 0) <= 0)
            return true;
    }
    return false;
}
