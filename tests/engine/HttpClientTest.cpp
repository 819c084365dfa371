// The server's Winsock declarations come before <windows.h>.
#include "tests/support/LoopbackServer.h"

#include "engine/HttpClient.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/vnd.ms-excel, "
    "application/msword, application/vnd.ms-powerpoint, */*\r\n";

std::string ExpectedRequest(const std::string& method, const std::string& path, const std::string& beforeHost,
                            const std::string& afterHost)
{
    return method + " " + path + " HTTP/1.0\r\n" + kAcceptLine
           + "Accept-Language: en-us\r\nAccept-Encoding: identity\r\nUser-Agent: Mozilla/4.0\r\n" + beforeHost
           + "Host: 127.0.0.1\r\n" + afterHost + "\r\n";
}

// Answers every request with one fixed response.
LoopbackServer::Handler Answer(const std::string& response)
{
    return [response](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        server.SendAll(connection, response);
    };
}

// A TCP connection to the port on 127.0.0.1; when wait is false the
// connection is only started.
SOCKET ConnectTo(int port, bool wait)
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

// A client, and the strings a request fills. The time-outs are generous for
// a loaded machine; the tests of time-outs make them short.
class HttpClientTest : public ::testing::Test
{
protected:
    HttpClientTest() { client_.SetTimeouts(10000, 10000, 10000); }

    void UseShortTimeouts() { client_.SetTimeouts(300, 300, 300); }

    int Get(const std::string& url) { return client_.Request(false, url.c_str(), data_, headers_, body_); }
    int Post(const std::string& url, const CString& form)
    {
        data_ = form;
        return client_.Request(true, url.c_str(), data_, headers_, body_);
    }
    std::string Body() const { return std::string(body_, body_.GetLength()); }

    // A failed request leaves the three strings as they were.
    void ExpectFailureLeftStringsAlone(int result)
    {
        EXPECT_EQ(result, 0);
        EXPECT_STREQ(headers_, "old headers");
        EXPECT_STREQ(body_, "old body");
    }

    HttpClient client_;
    CString data_;
    CString headers_ = "old headers";
    CString body_ = "old body";
};

TEST_F(HttpClientTest, GetSendsTheFixedRequestAndSplitsTheAnswer)
{
    LoopbackServer server(Answer(HttpResponse("<html>news</html>")));
    ASSERT_EQ(Get(server.Url("/nwshp?ie=UTF-8&q=tide+watch")), 1);
    std::string expected = ExpectedRequest("GET", "/nwshp?ie=UTF-8&q=tide+watch", "", "");
    EXPECT_EQ(server.LastRequest(), expected);
    EXPECT_EQ(std::string(data_), expected);
    EXPECT_STREQ(headers_, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n");
    EXPECT_EQ(Body(), "<html>news</html>");

    // An address without a path asks for the root.
    ASSERT_EQ(Get(server.Url("")), 1);
    EXPECT_EQ(server.LastRequest().substr(0, 16), "GET / HTTP/1.0\r\n");
}

TEST_F(HttpClientTest, PostSendsTheFormWithItsTypeAndALengthWhenThereIsData)
{
    const std::string type = "Content-Type: application/x-www-form-urlencoded\r\n";
    struct PostCase
    {
        const char* form;
        std::string expected;
    };
    const PostCase cases[] = {
        {"a=1&b=two", ExpectedRequest("POST", "/form", "Content-Length: 9\r\n", type) + "a=1&b=two"},
        {"", ExpectedRequest("POST", "/form", "", type)},
    };
    for (const PostCase& test : cases)
    {
        SCOPED_TRACE(test.form);
        LoopbackServer server(Answer(HttpResponse("ok")));
        ASSERT_EQ(Post(server.Url("/form"), test.form), 1);
        EXPECT_EQ(std::string(data_), test.expected);
        EXPECT_EQ(server.LastRequest(), test.expected);
    }
}

TEST_F(HttpClientTest, ALargePostArrivesWhole)
{
    LoopbackServer server(Answer(HttpResponse("ok")));
    std::string form(3 * 1024 * 1024, 'f');
    ASSERT_EQ(Post(server.Url("/big"), form.c_str()), 1);
    std::string request = server.LastRequest();
    ASSERT_GE(request.size(), form.size());
    EXPECT_EQ(request.substr(request.size() - form.size()), form);
}

TEST_F(HttpClientTest, HeadersEndAtTheFirstEmptyLineWhateverThePieces)
{
    // Sent in small pieces, with bare LF line ends and a body that looks like headers.
    std::string response = "HTTP/1.0 200 OK\nX-A: 1\r\n\nX-Not-A-Header: 2\r\n\r\nrest";
    LoopbackServer server([response](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        for (size_t at = 0; at < response.size(); at += 3)
        {
            server.SendAll(connection, response.substr(at, 3));
            Sleep(1);
        }
    });
    ASSERT_EQ(Get(server.Url("/")), 1);
    EXPECT_STREQ(headers_, "HTTP/1.0 200 OK\nX-A: 1\r\n\n");
    EXPECT_EQ(Body(), "X-Not-A-Header: 2\r\n\r\nrest");
}

TEST_F(HttpClientTest, ABodyAtTheCapIsKeptAndOneByteMoreFails)
{
    // Every byte value, NUL included, passes through unchanged.
    std::string atCap(HttpClient::MaxBodyBytes, '\0');
    for (size_t i = 0; i < atCap.size(); ++i)
        atCap[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    LoopbackServer fits(Answer(HttpResponse(atCap, "Content-Encoding: gzip\r\n")));
    ASSERT_EQ(Get(fits.Url("/")), 1);
    EXPECT_TRUE(Body() == atCap);

    body_ = "old body";
    headers_ = "old headers";
    LoopbackServer tooBig(Answer(HttpResponse(atCap + "b")));
    ExpectFailureLeftStringsAlone(Get(tooBig.Url("/")));
}

TEST_F(HttpClientTest, EndlessHeadersFail)
{
    LoopbackServer server([](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        std::string line = "X-Filler: " + std::string(1000, 'x') + "\r\n";
        bool open = server.SendAll(connection, "HTTP/1.0 200 OK\r\n");
        while (open && !server.Stopping())
            open = server.SendAll(connection, line);
    });
    ExpectFailureLeftStringsAlone(Get(server.Url("/")));
}

TEST_F(HttpClientTest, AServerThatNeverAnswersTimesOutAndSeesTheConnectionClosed)
{
    UseShortTimeouts();
    volatile LONG closedByClient = 0;
    LoopbackServer server([&closedByClient](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        if (server.WaitForClose(connection))
            InterlockedExchange(&closedByClient, 1);
    });
    DWORD start = GetTickCount();
    ExpectFailureLeftStringsAlone(Get(server.Url("/")));
    EXPECT_LT(GetTickCount() - start, 5000u);
    for (int i = 0; i < 100 && !closedByClient; ++i)
        Sleep(10);
    EXPECT_EQ(closedByClient, 1);
}

// Another thread raises the abort flag while the client waits.
DWORD WINAPI RaiseAfterAWhile(LPVOID flag)
{
    Sleep(200);
    InterlockedExchange(static_cast<volatile LONG*>(flag), 1);
    return 0;
}

TEST_F(HttpClientTest, ARaisedAbortFlagEndsAWaitLongBeforeItsTimeOut)
{
    struct Case
    {
        const char* name;
        const char* partialAnswer; // sent before the server falls silent
    } cases[] = {{"no answer yet", ""},
                 {"inside the headers", "HTTP/1.0 200 OK\r\nContent-Ty"},
                 {"inside the body", "HTTP/1.0 200 OK\r\n\r\n<html>"}};
    for (const Case& test : cases)
    {
        std::string answer = test.partialAnswer;
        LoopbackServer server([answer](SOCKET connection, LoopbackServer& server) {
            server.ReadRequest(connection);
            server.SendAll(connection, answer);
            server.WaitForClose(connection);
        });
        volatile LONG abort = 0;
        client_.SetAbortFlag(&abort);
        HANDLE raiser = CreateThread(nullptr, 0, RaiseAfterAWhile, (LPVOID)&abort, 0, nullptr);
        DWORD start = GetTickCount();
        ExpectFailureLeftStringsAlone(Get(server.Url("/")));
        EXPECT_LT(GetTickCount() - start, 2000u) << test.name; // the time-outs are 10 s
        WaitForSingleObject(raiser, INFINITE);
        CloseHandle(raiser);
        client_.SetAbortFlag(nullptr);
    }
}

TEST_F(HttpClientTest, AFlagRaisedBeforehandSendsNothing)
{
    LoopbackServer server(Answer(HttpResponse("page")));
    volatile LONG abort = 1;
    client_.SetAbortFlag(&abort);
    ExpectFailureLeftStringsAlone(Get(server.Url("/")));
    EXPECT_EQ(server.Connections(), 0);
    abort = 0;
    EXPECT_EQ(Get(server.Url("/")), 1);
    EXPECT_EQ(Body(), "page");
}

TEST_F(HttpClientTest, AServerThatClosesMidHeaderGivesTheShortHeaders)
{
    LoopbackServer server(Answer("HTTP/1.0 200 OK\r\nContent-Ty"));
    ASSERT_EQ(Get(server.Url("/")), 1);
    EXPECT_STREQ(headers_, "HTTP/1.0 200 OK\r\nContent-Ty");
    EXPECT_EQ(Body(), "");
}

TEST_F(HttpClientTest, AConnectionClosedWithoutAnyByteFails)
{
    LoopbackServer server([](SOCKET connection, LoopbackServer& server) { server.ReadRequest(connection); });
    ExpectFailureLeftStringsAlone(Get(server.Url("/")));
    EXPECT_EQ(server.Connections(), 1);
}

TEST_F(HttpClientTest, AConnectionThatIsNeverAnsweredTimesOut)
{
    // A listener whose queue of unaccepted connections is full: the system
    // then leaves further connection attempts unanswered.
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, 1);
    int size = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    int port = ntohs(address.sin_port);
    std::vector<SOCKET> fillers;
    for (int i = 0; i < 8; ++i)
        fillers.push_back(ConnectTo(port, false));
    Sleep(100);
    client_.SetTimeouts(300, 10000, 10000);
    DWORD start = GetTickCount();
    ExpectFailureLeftStringsAlone(Get("http://127.0.0.1:" + std::to_string(port) + "/"));
    DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 5000u);
    for (SOCKET filler : fillers)
        closesocket(filler);
    closesocket(listener);
    WSACleanup();
}

TEST_F(HttpClientTest, AServerThatStopsReadingMakesTheSendTimeOut)
{
    UseShortTimeouts();
    LoopbackServer server([](SOCKET, LoopbackServer& server) {
        while (!server.Stopping())
            Sleep(10);
    });
    std::string form(32 * 1024 * 1024, 'f');
    ExpectFailureLeftStringsAlone(Post(server.Url("/"), form.c_str()));
}

TEST_F(HttpClientTest, UnusableAddressesFailBeforeConnecting)
{
    LoopbackServer server(Answer(HttpResponse("x")));
    std::string port = std::to_string(server.Port());
    const std::string urls[] = {
        "http://0.0.0.0:" + port + "/", // address 0 would reach this machine
        "http://:" + port + "/",
        "https://127.0.0.1:" + port + "/",
        "ftp://127.0.0.1:" + port + "/",
        "http://127.0.0.1:99999/",
        // Nothing listens there: refused at once, not after the time-out.
        "http://127.0.0.1:" + std::to_string(LoopbackServer::ClosedPort()) + "/",
    };
    DWORD start = GetTickCount();
    for (const std::string& url : urls)
    {
        SCOPED_TRACE(url);
        ExpectFailureLeftStringsAlone(Get(url));
    }
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(client_.Request(false, nullptr, data_, headers_, body_), 0);
    EXPECT_EQ(server.Connections(), 0);
}

// A proxy that answers the CONNECT request, then (when serve is set) serves
// the request that comes through the tunnel, or else closes.
LoopbackServer::Handler Proxy(const std::string& tunnelAnswer, std::string* connectText, bool serve)
{
    return [tunnelAnswer, connectText, serve](SOCKET connection, LoopbackServer& server) {
        std::string connectRequest;
        char c;
        while (connectRequest.find("\r\n\r\n") == std::string::npos && recv(connection, &c, 1, 0) == 1)
            connectRequest += c;
        *connectText = connectRequest;
        if (!server.SendAll(connection, tunnelAnswer) || !serve)
            return;
        server.ReadRequest(connection);
        server.SendAll(connection, HttpResponse("through the tunnel"));
    };
}

void UseProxyAt(HttpClient& client, const LoopbackServer& proxy)
{
    client.useProxy = 1;
    client.proxyHost = "127.0.0.1";
    client.proxyPort = proxy.Port();
}

TEST_F(HttpClientTest, TheProxyPathOpensATunnelFirst)
{
    std::string connectText;
    LoopbackServer proxy(
        Proxy("HTTP/1.0 200 Connection established\r\nProxy-agent: test\r\n\r\n", &connectText, true));
    UseProxyAt(client_, proxy);
    ASSERT_EQ(Get("http://127.0.0.1:1/news"), 1);
    EXPECT_EQ(connectText, std::string("CONNECT ") + HttpClient::NewsSearchHost + ":80 HTTP/1.1\r\n\r\n");
    EXPECT_EQ(Body(), "through the tunnel");
}

TEST_F(HttpClientTest, TheProxyPathFailsOnARefusalOrAnAnswerThatStops)
{
    const char* answers[] = {"HTTP/1.0 403 Forbidden\r\n\r\n", "HTTP/1.0 200 OK\r\n",
                             "HTTP/1.0 200 OK\r\nProxy-agent: x", "garbage"};
    for (const char* answer : answers)
    {
        std::string connectText;
        LoopbackServer proxy(Proxy(answer, &connectText, false));
        UseProxyAt(client_, proxy);
        EXPECT_EQ(Get("http://127.0.0.1:1/news"), 0) << answer;
    }
    EXPECT_STREQ(body_, "old body");
}

struct SplitCase
{
    std::string url;
    std::string parts; // scheme, host, path and port, or "fails"
};

TEST(HttpClientSplitUrl, SplitsSchemeHostPortAndPath)
{
    const SplitCase cases[] = {
        {"http://www.Example.com:8080/Path/Mixed?Q=a", "HTTP WWW.EXAMPLE.COM /Path/Mixed?Q=a 8080"},
        {"www.example.com/x", "HTTP WWW.EXAMPLE.COM /x 80"},
        {"https://a/b", "HTTPS A /b 80"},
        {"http://host", "HTTP HOST  80"},
        {"http:host/x", "HTTP HOST /x 80"},
        {"HTTP://h-1.b_c/", "HTTP H-1.B _c/ 80"},
        {"http://host:0/", "fails"},
        {"http://host:70000/", "fails"},
        {"http://host:/", "fails"},
        {"http://host:8a/", "fails"},
        {"http://" + std::string(256, 'h') + "/", "fails"},
        {"http://" + std::string(255, 'h'), "HTTP " + std::string(255, 'H') + "  80"},
        {"http://h/" + std::string(1023, 'p'), "fails"},
        {"http://h/" + std::string(1022, 'p'), "HTTP H /" + std::string(1022, 'p') + " 80"},
        {"averyveryverylongschemename://h/", "fails"},
    };
    for (const SplitCase& test : cases)
    {
        char scheme[20] = {}, host[256] = {}, path[1024] = {};
        int port = 0;
        bool ok = HttpClient::SplitUrl(test.url.c_str(), scheme, sizeof scheme, host, sizeof host, path,
                                       sizeof path, port);
        std::string parts = std::string(scheme) + " " + host + " " + path + " " + std::to_string(port);
        EXPECT_EQ(ok ? parts : "fails", test.parts) << test.url;
    }
}

TEST(HttpClientReadLine, ReadsCrLfLinesAndReportsLongLinesAndClosing)
{
    LoopbackServer server([](SOCKET connection, LoopbackServer& server) {
        server.SendAll(connection, "first\r\n\r\nba\nlf\r\n0123456789abcdef\r\nend");
    });
    SOCKET socket = ConnectTo(server.Port(), true);
    HttpClient client;
    client.SetTimeouts(300, 300, 2000);
    char line[8] = {};
    std::string lines;
    for (int i = 0; i < 6; ++i)
    {
        int result = client.ReadLine(socket, line, sizeof line);
        lines += std::to_string(result) + ":" + line + "|";
    }
    EXPECT_EQ(lines, "0:first|0:|0:ba\nlf|-1:0123456|-1:789abcd|0:ef|");
    EXPECT_EQ(client.ReadLine(socket, line, sizeof line), WSAECONNRESET);
    closesocket(socket);
}

} // namespace
