// Winsock before everything that includes <windows.h>.
#include <winsock2.h>

#include "engine/HttpClient.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

const char* const HttpClient::NewsSearchHost = "news.search.example";
const char* const HttpClient::DefaultProxyHost = "192.0.2.1";

namespace {

const char* const kFormHeader = "Content-Type: application/x-www-form-urlencoded\r\n";
// The proxy's answer may have at most this many lines after its status line.
const int kMaxProxyLines = 128;
const int kProxyLineSize = 512;
const int kReceivePiece = 4096;

static_assert(sizeof(HttpSocket) == sizeof(SOCKET), "HttpSocket holds a SOCKET");

// Winsock for the length of one transfer.
class WinsockSession
{
public:
    WinsockSession()
    {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }
    ~WinsockSession()
    {
        if (started_)
            WSACleanup();
    }
    bool Started() const { return started_; }

private:
    bool started_;
};

// A socket closed when the transfer ends, whichever way it ends.
class SocketHolder
{
public:
    SocketHolder() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {}
    ~SocketHolder()
    {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_);
    }
    SOCKET Get() const { return socket_; }

private:
    SOCKET socket_;
};

bool CopyCut(const std::string& from, size_t start, size_t count, char* to, int size)
{
    if (count >= static_cast<size_t>(size))
        return false;
    memcpy(to, from.data() + start, count);
    to[count] = '\0';
    return true;
}

// The decimal port after the host's ':'; 0 when it is not one.
int ParsePort(const char* digits)
{
    long port = 0;
    if (!*digits)
        return 0;
    for (; *digits; ++digits)
    {
        if (*digits < '0' || *digits > '9')
            return 0;
        port = port * 10 + (*digits - '0');
        if (port > 65535)
            return 0;
    }
    return static_cast<int>(port);
}

bool AppendText(HttpBuffer& buffer, const char* text)
{
    return HttpClient::AppendBytes(buffer, text, static_cast<long>(strlen(text)));
}

bool IsHeaderEnd(char c, int& lineLength)
{
    if (c == '\n')
    {
        bool empty = lineLength == 0;
        lineLength = 0;
        return empty;
    }
    if (c != '\r')
        ++lineLength;
    return false;
}

} // namespace

HttpTransferResult::~HttpTransferResult()
{
    Free();
}

void HttpTransferResult::Free()
{
    free(requestText);
    free(headers);
    free(body);
    requestText = headers = body = nullptr;
    requestLength = bodyLength = 0;
}

HttpClient::HttpClient() : useProxy(0), proxyHost(DefaultProxyHost), proxyPort(80)
{}

HttpClient::~HttpClient()
{}

void HttpClient::SetTimeouts(DWORD connectMs, DWORD sendMs, DWORD receiveMs)
{
    connectTimeout_ = connectMs;
    sendTimeout_ = sendMs;
    receiveTimeout_ = receiveMs;
}

int HttpClient::Request(bool post, const char* url, CString& data, CString& headers, CString& body)
{
    HttpTransferResult result;
    int failed = post ? Transfer(url, kFormHeader, data, data.GetLength(), result)
                      : Transfer(url, nullptr, nullptr, 0, result);
    if (failed)
        return 0;
    data = CString(result.requestText, result.requestLength);
    headers = result.headers;
    body = CString(result.body, result.bodyLength);
    return 1;
}

int HttpClient::Transfer(const char* url, const char* extraHeader, const char* postData, long postLength,
                         HttpTransferResult& result)
{
    result.Free();
    RequestUrl parts;
    if (!SplitRequestUrl(url, parts))
        return 1;

    WinsockSession winsock;
    if (Aborted() || !winsock.Started())
        return 1;
    SocketHolder holder;
    SOCKET socket = holder.Get();
    if (socket == INVALID_SOCKET)
        return 1;
    if (!useProxy)
    {
        // An unresolved name must fail here: address 0 would reach this machine.
        unsigned long address = ResolveHost(parts.host);
        if (!address || !Connect(socket, address, parts.port))
            return 1;
    }
    else
    {
        unsigned long address = inet_addr(proxyHost);
        if (address == INADDR_NONE || !address || !Connect(socket, address, proxyPort) || !OpenTunnel(socket))
            return 1;
    }

    if (!*parts.path)
        strcpy(parts.path, "/");
    HttpBuffer request = {};
    HttpBuffer headers = {};
    HttpBuffer body = {};
    bool ok = BuildRequest(request, parts.path, parts.host, extraHeader, postData, postLength)
              && SendBytes(socket, request.begin, BufferLength(request))
              && ReceiveResponse(socket, headers, body);
    if (!ok)
    {
        FreeBuffer(request);
        FreeBuffer(headers);
        FreeBuffer(body);
        return 1;
    }
    result.requestText = request.begin;
    result.requestLength = BufferLength(request);
    result.headers = headers.begin;
    result.body = body.begin;
    result.bodyLength = BufferLength(body);
    return 0;
}

bool HttpClient::BuildRequest(HttpBuffer& request, const char* path, const char* host,
                              const char* extraHeader, const char* postData, long postLength)
{
    char contentLength[48] = "";
    if (postLength > 0)
        sprintf(contentLength, "Content-Length: %ld\r\n", postLength);
    // The server gets the body as sent: compressed encodings are not asked for.
    const char* pieces[] = {
        postData ? "POST " : "GET ",
        path,
        " HTTP/1.0\r\n",
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
        "application/vnd.ms-excel, application/msword, application/vnd.ms-powerpoint, */*\r\n",
        "Accept-Language: en-us\r\n",
        "Accept-Encoding: identity\r\n",
        "User-Agent: Mozilla/4.0\r\n",
        contentLength,
        "Host: ",
        host,
        "\r\n",
        extraHeader ? extraHeader : "",
        "\r\n",
    };
    if (!InitBuffer(request))
        return false;
    for (const char* piece : pieces)
    {
        if (!AppendText(request, piece))
            return false;
    }
    return !postData || postLength <= 0 || AppendBytes(request, postData, postLength);
}

bool HttpClient::ReceiveResponse(HttpSocket socket, HttpBuffer& headers, HttpBuffer& body)
{
    if (!InitBuffer(headers) || !InitBuffer(body))
        return false;
    char piece[kReceivePiece];
    bool inHeaders = true;
    int lineLength = 0;
    for (;;)
    {
        int got = ReceiveSome(socket, piece, sizeof piece);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        int used = 0;
        while (inHeaders && used < got)
        {
            char c = piece[used++];
            if (!AppendByte(headers, c) || BufferLength(headers) > MaxHeaderBytes)
                return false;
            inHeaders = !IsHeaderEnd(c, lineLength);
        }
        if (used < got
            && (BufferLength(body) + (got - used) > MaxBodyBytes
                || !AppendBytes(body, piece + used, got - used)))
            return false;
    }
    // A connection closed before any byte arrived is no response.
    return BufferLength(headers) > 0;
}

bool HttpClient::SplitRequestUrl(const char* url, RequestUrl& parts)
{
    return url
           && SplitUrl(url, parts.scheme, sizeof parts.scheme, parts.host, sizeof parts.host, parts.path,
                       sizeof parts.path, parts.port)
           && strcmp(parts.scheme, "HTTP") == 0;
}

bool HttpClient::CanRequest(const char* url)
{
    RequestUrl parts;
    return SplitRequestUrl(url, parts);
}

bool HttpClient::SplitUrl(const char* url, char* scheme, int schemeSize, char* host, int hostSize, char* path,
                          int pathSize, int& port)
{
    *scheme = *host = *path = '\0';
    port = 80;
    std::string upper(url);
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));

    size_t rest = 0;
    size_t colon = upper.find(':');
    if (colon != std::string::npos)
    {
        if (!CopyCut(upper, 0, colon, scheme, schemeSize))
            return false;
        rest = colon + 1;
    }
    else if (!CopyCut("HTTP", 0, 4, scheme, schemeSize))
    {
        return false;
    }
    if (upper.compare(rest, 2, "//") == 0)
        rest += 2;
    size_t hostEnd = rest;
    while (hostEnd < upper.size() && IsHostChar(upper[hostEnd]))
        ++hostEnd;
    if (!CopyCut(upper, rest, hostEnd - rest, host, hostSize)
        || !CopyCut(url, hostEnd, upper.size() - hostEnd, path, pathSize))
        return false;

    char* portText = strchr(host, ':');
    if (portText)
    {
        *portText++ = '\0';
        port = ParsePort(portText);
        if (!port)
            return false;
    }
    return true;
}

bool HttpClient::IsHostChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
           || c == ':';
}

unsigned long HttpClient::ResolveHost(const char* name)
{
    if (!name || !*name)
        return 0;
    hostent* entry = gethostbyname(name);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list || !entry->h_addr_list[0])
        return 0;
    unsigned long address = 0;
    memcpy(&address, entry->h_addr_list[0], sizeof address);
    return address;
}

bool HttpClient::WaitFor(HttpSocket socket, bool toWrite, DWORD timeoutMs)
{
    // Waits in short slices so that a raised abort flag ends the wait soon.
    const DWORD start = GetTickCount();
    for (;;)
    {
        if (Aborted())
            return false;
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs)
            return false;
        const DWORD slice = timeoutMs - waited < AbortPollMs ? timeoutMs - waited : AbortPollMs;
        fd_set ready;
        fd_set failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(socket, &ready);
        FD_SET(socket, &failed);
        timeval timeout;
        timeout.tv_sec = 0;
        timeout.tv_usec = static_cast<long>(slice) * 1000;
        int count = toWrite ? select(0, nullptr, &ready, &failed, &timeout)
                            : select(0, &ready, nullptr, &failed, &timeout);
        if (count < 0)
            return false;
        if (count > 0)
            return FD_ISSET(socket, &ready) && !FD_ISSET(socket, &failed);
    }
}

bool HttpClient::Connect(HttpSocket socket, unsigned long address, int port)
{
    // Non-blocking from here on: every wait goes through WaitFor and its time-out.
    u_long nonBlocking = 1;
    if (ioctlsocket(socket, FIONBIO, &nonBlocking) != 0)
        return false;
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<u_short>(port));
    target.sin_addr.s_addr = address;
    if (connect(socket, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0)
        return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(socket, true, connectTimeout_))
        return false;
    int error = 0;
    int size = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) == 0
           && error == 0;
}

bool HttpClient::SendBytes(HttpSocket socket, const char* bytes, long count)
{
    while (count > 0)
    {
        if (Aborted())
            return false;
        int sent = send(socket, bytes, static_cast<int>(count), 0);
        if (sent == SOCKET_ERROR)
        {
            if (WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(socket, true, sendTimeout_))
                return false;
            continue;
        }
        bytes += sent;
        count -= sent;
    }
    return true;
}

int HttpClient::SendString(HttpSocket socket, const char* text)
{
    return SendBytes(socket, text, static_cast<long>(strlen(text))) ? 1 : 0;
}

int HttpClient::ReceiveSome(HttpSocket socket, char* bytes, int size)
{
    for (;;)
    {
        if (Aborted())
            return -1;
        int got = recv(socket, bytes, size, 0);
        if (got >= 0)
            return got;
        if (WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(socket, false, receiveTimeout_))
            return -1;
    }
}

int HttpClient::ReadLine(HttpSocket socket, char* buffer, int size)
{
    int stored = 0;
    buffer[0] = '\0';
    while (stored < size - 1)
    {
        char c = 0;
        int got = ReceiveSome(socket, &c, 1);
        if (got == 0)
            return WSAECONNRESET;
        if (got < 0)
            return WSAGetLastError() ? WSAGetLastError() : WSAETIMEDOUT;
        if (c == '\n' && stored > 0 && buffer[stored - 1] == '\r')
        {
            buffer[--stored] = '\0';
            return 0;
        }
        buffer[stored++] = c;
        buffer[stored] = '\0';
    }
    return -1;
}

bool HttpClient::OpenTunnel(HttpSocket socket)
{
    std::string connectLine = std::string("CONNECT ") + NewsSearchHost + ":80 HTTP/1.1\r\n";
    if (!SendString(socket, connectLine.c_str()) || !SendString(socket, "\r\n"))
        return false;
    char line[kProxyLineSize] = {};
    if (ReadLine(socket, line, sizeof line) != 0)
        return false;
    const char* blank = strchr(line, ' ');
    if (!blank || strncmp(blank + 1, "20", 2) != 0)
        return false;
    // The rest of the proxy's answer, up to its empty line; a closed or
    // failed connection ends the wait, and so does an answer that never ends.
    for (int lines = 0; lines < kMaxProxyLines; ++lines)
    {
        memset(line, 0, sizeof line);
        int status = ReadLine(socket, line, sizeof line);
        if (status == 0 && line[0] == '\0')
            return true;
        if (status > 0)
            return false;
    }
    return false;
}

bool HttpClient::InitBuffer(HttpBuffer& buffer)
{
    buffer.begin = static_cast<char*>(malloc(10));
    if (!buffer.begin)
        return false;
    buffer.end = buffer.begin;
    buffer.capacity = buffer.begin + 10;
    *buffer.end = '\0';
    return true;
}

bool HttpClient::GrowBuffer(HttpBuffer& buffer, long needed)
{
    long capacity = static_cast<long>(buffer.capacity - buffer.begin);
    if (needed <= capacity)
        return true;
    long length = BufferLength(buffer);
    while (capacity < needed)
    {
        if (capacity > 0x3FFFFFFF)
            return false;
        capacity *= 2;
    }
    char* bigger = static_cast<char*>(malloc(capacity));
    if (!bigger)
        return false;
    memcpy(bigger, buffer.begin, length + 1);
    free(buffer.begin);
    buffer.begin = bigger;
    buffer.end = bigger + length;
    buffer.capacity = bigger + capacity;
    return true;
}

bool HttpClient::AppendBytes(HttpBuffer& buffer, const char* bytes, long count)
{
    if (!buffer.begin || count < 0 || !GrowBuffer(buffer, BufferLength(buffer) + count + 1))
        return false;
    memcpy(buffer.end, bytes, count);
    buffer.end += count;
    *buffer.end = '\0';
    return true;
}

bool HttpClient::AppendByte(HttpBuffer& buffer, char c)
{
    return AppendBytes(buffer, &c, 1);
}

void HttpClient::FreeBuffer(HttpBuffer& buffer)
{
    free(buffer.begin);
    buffer = HttpBuffer{};
}
