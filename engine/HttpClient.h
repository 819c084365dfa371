#pragma once
// One HTTP/1.0 request over a Winsock TCP connection: the exact request bytes
// sent, the response's header text and its body, unchanged. Each use makes its
// own client on the thread that needs it; clients share nothing.
#include "framework/core/CString.h"

// A Winsock SOCKET; the header stays free of the Winsock declarations, which
// must come before <windows.h> in a file that wants them.
using HttpSocket = UINT_PTR;

// A growing heap block of bytes, always ended by a NUL that is not counted.
struct HttpBuffer
{
    char* begin;
    char* end;      // one past the last byte
    char* capacity; // one past the allocated block
};

// What one transfer produced: heap blocks freed by the destructor.
struct HttpTransferResult
{
    HttpTransferResult() = default;
    HttpTransferResult(const HttpTransferResult&) = delete;
    HttpTransferResult& operator=(const HttpTransferResult&) = delete;
    ~HttpTransferResult();
    void Free();

    char* requestText = nullptr; // the exact bytes sent
    long requestLength = 0;
    char* headers = nullptr; // status line and header lines with the empty line's CR LF
    char* body = nullptr;
    long bodyLength = 0;
};

class HttpClient
{
public:
    // The news search asked by the keyword checks, and the host named in the
    // CONNECT line of the proxy path.
    static const char* const NewsSearchHost;
    // The HTTP proxy of the proxy path, which no operation switches on.
    static const char* const DefaultProxyHost;

    static constexpr DWORD DefaultConnectTimeout = 30000;
    static constexpr DWORD DefaultSendTimeout = 60000;
    static constexpr DWORD DefaultReceiveTimeout = 60000;
    // A response with more header or body bytes than this is a failure.
    static constexpr long MaxHeaderBytes = 64 * 1024;
    static constexpr long MaxBodyBytes = 8 * 1024 * 1024;

    HttpClient();
    virtual ~HttpClient();

    // A GET (post false) or a POST of data to url. On success (1) data holds
    // the request text sent, headers the response's header text and body its
    // body; on failure (0) the three stay unchanged.
    int Request(bool post, const char* url, CString& data, CString& headers, CString& body);

    // The transfer itself: 0 on success, 1 on any failure (then result holds
    // nothing). extraHeader (may be null) is sent after the Host line; postData
    // (null for a GET) is sent after the header block.
    int Transfer(const char* url, const char* extraHeader, const char* postData, long postLength,
                 HttpTransferResult& result);

    // Time-outs in milliseconds: for the connection, for each wait to send
    // and for each wait to receive. Running out counts as failure.
    void SetTimeouts(DWORD connectMs, DWORD sendMs, DWORD receiveMs);

    // A flag another thread may raise to abandon the request: once it is
    // nonzero, the transfer fails within AbortPollMs instead of waiting out
    // its time-outs. Null (the default) means no flag; the flag must outlive
    // the request.
    void SetAbortFlag(const volatile LONG* flag) { abortFlag_ = flag; }
    static constexpr DWORD AbortPollMs = 50;

    // The sizes, with their NUL, that a request's scheme, host and path must
    // fit: a longer part fails the transfer before any connection is made.
    static constexpr int MaxSchemeSize = 20;
    static constexpr int MaxHostSize = 256;
    static constexpr int MaxPathSize = 1024;
    // Whether Transfer can send a request for url: its parts fit their sizes,
    // its port is valid and its scheme is HTTP. Whether the host answers is
    // not asked.
    static bool CanRequest(const char* url);

    // Splits url into the upper-cased scheme ("HTTP" when none is given), the
    // upper-cased host, the path as passed and the port (80 when none). False
    // when a part does not fit its array (sizes include the NUL) or the port
    // is not a number from 1 to 65535.
    static bool SplitUrl(const char* url, char* scheme, int schemeSize, char* host, int hostSize, char* path,
                         int pathSize, int& port);
    static bool IsHostChar(char c);
    // The first IPv4 address of name in network order; 0 when it does not resolve.
    static unsigned long ResolveHost(const char* name);

    // Sends all of text, resending what a partial send left; 1 or 0.
    int SendString(HttpSocket socket, const char* text);
    // Reads one line ended by CR LF into buffer (size bytes with the NUL)
    // without the CR LF: 0 when the line ended, -1 when the buffer filled
    // first, a Winsock error code when the connection closed or failed.
    int ReadLine(HttpSocket socket, char* buffer, int size);

    static bool InitBuffer(HttpBuffer& buffer);
    static bool AppendByte(HttpBuffer& buffer, char c);
    static bool AppendBytes(HttpBuffer& buffer, const char* bytes, long count);
    static bool GrowBuffer(HttpBuffer& buffer, long needed);
    static void FreeBuffer(HttpBuffer& buffer);
    static long BufferLength(const HttpBuffer& buffer)
    {
        return static_cast<long>(buffer.end - buffer.begin);
    }

    BOOL useProxy;
    CString proxyHost;
    int proxyPort;

private:
    // A url split for a request: the parts at their sizes.
    struct RequestUrl
    {
        char scheme[MaxSchemeSize];
        char host[MaxHostSize];
        char path[MaxPathSize];
        int port;
    };
    // SplitUrl into the parts, and the scheme is HTTP.
    static bool SplitRequestUrl(const char* url, RequestUrl& parts);

    bool Connect(HttpSocket socket, unsigned long address, int port);
    bool OpenTunnel(HttpSocket socket);
    bool SendBytes(HttpSocket socket, const char* bytes, long count);
    // >0 bytes received, 0 when the peer closed, -1 on failure or time-out.
    int ReceiveSome(HttpSocket socket, char* bytes, int size);
    bool WaitFor(HttpSocket socket, bool toWrite, DWORD timeoutMs);
    bool BuildRequest(HttpBuffer& request, const char* path, const char* host, const char* extraHeader,
                      const char* postData, long postLength);
    bool ReceiveResponse(HttpSocket socket, HttpBuffer& headers, HttpBuffer& body);

    bool Aborted() const { return abortFlag_ != nullptr && *abortFlag_ != 0; }

    const volatile LONG* abortFlag_ = nullptr;
    DWORD connectTimeout_ = DefaultConnectTimeout;
    DWORD sendTimeout_ = DefaultSendTimeout;
    DWORD receiveTimeout_ = DefaultReceiveTimeout;
};
