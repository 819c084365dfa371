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

// Answers every request with one fixed response, sent whole or in pieces of
// the given size.
LoopbackServer::Handler Answer(const std::string& response, size_t piece = std::string::npos)
{
    return [response, piece](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        for (size_t at = 0; at < response.size(); at += piece)
        {
            server.SendAll(connection, response.substr(at, piece));
            Sleep(piece < response.size() ? 1 : 0);
        }
    };
}

// A client, and the strings a request fills. The time-outs are generous for
// a loaded machine; the tests of time-outs make them short. Get and Post give
// "headers|body" when the request worked, and "fails" when it failed and left
// the strings as they were.
class HttpClientTest : public ::testing::Test
{
protected:
    HttpClientTest() { client_.SetTimeouts(10000, 10000, 10000); }

    std::string Get(const std::string& url)
    {
        return Outcome(client_.Request(false, url.c_str(), data_, headers_, body_));
    }
    std::string Post(const std::string& url, const std::string& form)
    {
        data_ = form.c_str();
        return Outcome(client_.Request(true, url.c_str(), data_, headers_, body_));
    }
    std::string Outcome(int result)
    {
        std::string headers(headers_), body(body_, body_.GetLength());
        headers_ = "old headers";
        body_ = "old body";
        if (result == 1)
            return headers + "|" + body;
        return result == 0 && headers == "old headers" && body == "old body" ? "fails"
                                                                             : "failed, strings changed";
    }

    HttpClient client_;
    CString data_;
    CString headers_ = "old headers";
    CString body_ = "old body";
};

TEST_F(HttpClientTest, GetSendsTheFixedRequestAndSplitsTheAnswer)
{
    LoopbackServer server(Answer(HttpResponse("<html>news</html>")));
    EXPECT_EQ(Get(server.Url("/nwshp?ie=UTF-8&q=tide+watch")),
              "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n|<html>news</html>");
    EXPECT_EQ(server.LastRequest(), ExpectedRequest("GET", "/nwshp?ie=UTF-8&q=tide+watch", "", ""));
}

TEST_F(HttpClientTest, AnAddressWithoutAPathAsksForTheRoot)
{
    LoopbackServer server(Answer(HttpResponse("<html>news</html>")));
    Get(server.Url(""));
    EXPECT_EQ(server.LastRequest().substr(0, 16), "GET / HTTP/1.0\r\n");
}

TEST_F(HttpClientTest, PostSendsTheFormWithItsTypeAndALengthWhenThereIsData)
{
    const std::string type = "Content-Type: application/x-www-form-urlencoded\r\n";
    const std::string large(3 * 1024 * 1024, 'f'); // arrives whole
    const std::pair<std::string, std::string> cases[] = {
        {"a=1&b=two", ExpectedRequest("POST", "/form", "Content-Length: 9\r\n", type) + "a=1&b=two"},
        {"", ExpectedRequest("POST", "/form", "", type)},
        {large, ExpectedRequest("POST", "/form", "Content-Length: 3145728\r\n", type) + large},
    };
    for (const auto& [form, expected] : cases)
    {
        SCOPED_TRACE(form.size());
        LoopbackServer server(Answer(HttpResponse("ok")));
        EXPECT_EQ(Post(server.Url("/form"), form), "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n|ok");
        EXPECT_TRUE(std::string(data_) == expected);
        EXPECT_TRUE(server.LastRequest() == expected);
    }
}

// Answers sent in pieces of three bytes.
TEST_F(HttpClientTest, HeadersEndAtTheFirstEmptyLineWhateverThePieces)
{
    const std::pair<const char*, const char*> cases[] = {
        // Bare LF line ends and a body that looks like headers.
        {"HTTP/1.0 200 OK\nX-A: 1\r\n\nX-Not-A-Header: 2\r\n\r\nrest",
         "HTTP/1.0 200 OK\nX-A: 1\r\n\n|X-Not-A-Header: 2\r\n\r\nrest"},
        // Closed inside the headers, or before any byte.
        {"HTTP/1.0 200 OK\r\nContent-Ty", "HTTP/1.0 200 OK\r\nContent-Ty|"},
        {"", "fails"},
    };
    for (const auto& [answer, outcome] : cases)
    {
        LoopbackServer server(Answer(answer, 3));
        EXPECT_EQ(Get(server.Url("/")), outcome);
        EXPECT_EQ(server.Connections(), 1);
    }
}

TEST_F(HttpClientTest, ABodyAtTheCapIsKeptAndOneByteMoreFails)
{
    // Every byte value, NUL included, passes through unchanged.
    std::string atCap(HttpClient::MaxBodyBytes, '\0');
    for (size_t i = 0; i < atCap.size(); ++i)
        atCap[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    LoopbackServer fits(Answer(HttpResponse(atCap, "Content-Encoding: gzip\r\n")));
    EXPECT_TRUE(Get(fits.Url("/"))
                == "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Encoding: gzip\r\n\r\n|" + atCap);
    LoopbackServer tooBig(Answer(HttpResponse(atCap + "b")));
    EXPECT_EQ(Get(tooBig.Url("/")), "fails");
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
    // Soon, at the cap on header bytes, not when memory runs out.
    DWORD start = GetTickCount();
    EXPECT_EQ(Get(server.Url("/")), "fails");
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(HttpClientTest, AServerThatNeverAnswersTimesOutAndSeesTheConnectionClosed)
{
    client_.SetTimeouts(300, 300, 300);
    volatile LONG closedByClient = 0;
    LoopbackServer server([&closedByClient](SOCKET connection, LoopbackServer& server) {
        server.ReadRequest(connection);
        if (server.WaitForClose(connection))
            InterlockedExchange(&closedByClient, 1);
    });
    DWORD start = GetTickCount();
    EXPECT_EQ(Get(server.Url("/")), "fails");
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

// The answer sent before the server falls silent: none yet, or a part of the
// headers or of the body.
TEST_F(HttpClientTest, ARaisedAbortFlagEndsAWaitLongBeforeItsTimeOut)
{
    for (std::string answer : {"", "HTTP/1.0 200 OK\r\nContent-Ty", "HTTP/1.0 200 OK\r\n\r\n<html>"})
    {
        SCOPED_TRACE(answer);
        LoopbackServer server([answer](SOCKET connection, LoopbackServer& server) {
            server.ReadRequest(connection);
            server.SendAll(connection, answer);
            server.WaitForClose(connection);
        });
        volatile LONG abort = 0;
        client_.SetAbortFlag(&abort);
        HANDLE raiser = CreateThread(nullptr, 0, RaiseAfterAWhile, (LPVOID)&abort, 0, nullptr);
        DWORD start = GetTickCount();
        EXPECT_EQ(Get(server.Url("/")), "fails");
        EXPECT_LT(GetTickCount() - start, 2000u); // the time-outs are 10 s
        WaitForSingleObject(raiser, INFINITE);
        CloseHandle(raiser);
    }
}

TEST_F(HttpClientTest, AFlagRaisedBeforehandSendsNothing)
{
    LoopbackServer server(Answer(HttpResponse("page")));
    volatile LONG abort = 1;
    client_.SetAbortFlag(&abort);
    EXPECT_EQ(Get(server.Url("/")), "fails");
    Sleep(100); // time for the server to see a connection
    EXPECT_EQ(server.Connections(), 0);
}

TEST_F(HttpClientTest, AConnectionThatIsNeverAnsweredTimesOut)
{
    // A listener whose queue of unaccepted connections is full: the system
    // then leaves further connection attempts unanswered.
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    int port = 0;
    SOCKET listener = LoopbackServer::Listen(1, port);
    std::vector<SOCKET> fillers;
    for (int i = 0; i < 8; ++i)
        fillers.push_back(LoopbackServer::ConnectTo(port, false));
    Sleep(100);
    client_.SetTimeouts(300, 10000, 10000);
    DWORD start = GetTickCount();
    EXPECT_EQ(Get("http://127.0.0.1:" + std::to_string(port) + "/"), "fails");
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
    client_.SetTimeouts(300, 300, 300);
    LoopbackServer server([](SOCKET, LoopbackServer& server) {
        while (!server.Stopping())
            Sleep(10);
    });
    EXPECT_EQ(Post(server.Url("/"), std::string(32 * 1024 * 1024, 'f')), "fails");
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
        EXPECT_EQ(Get(url), "fails") << url;
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(server.Connections(), 0);
}

// Through a proxy on 127.0.0.1 that gives the answer to the CONNECT request
// and, after a whole answer, serves any request that comes through the tunnel.
TEST_F(HttpClientTest, TheProxyPathOpensATunnelFirst)
{
    const std::pair<std::string, std::string> cases[] = {
        {"HTTP/1.0 200 Connection established\r\nProxy-agent: test\r\n\r\n",
         "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n|through the tunnel"},
        // A refusal, or an answer that stops.
        {"HTTP/1.0 403 Forbidden\r\n\r\n", "fails"},
        {"HTTP/1.0 200 OK\r\nProxy-agent: x", "fails"},
    };
    for (const auto& [answer, outcome] : cases)
    {
        SCOPED_TRACE(answer);
        std::string connectText;
        bool serve = answer.find("\r\n\r\n") != std::string::npos; // a whole answer
        LoopbackServer proxy([&](SOCKET connection, LoopbackServer& server) {
            connectText = server.ReadRequest(connection);
            if (server.SendAll(connection, answer) && serve && !server.ReadRequest(connection).empty())
                server.SendAll(connection, HttpResponse("through the tunnel"));
        });
        client_.useProxy = 1;
        client_.proxyHost = "127.0.0.1";
        client_.proxyPort = proxy.Port();
        EXPECT_EQ(Get("http://127.0.0.1:1/news"), outcome);
        EXPECT_EQ(connectText, std::string("CONNECT ") + HttpClient::NewsSearchHost + ":80 HTTP/1.1\r\n\r\n");
    }
}

// Lines end at CR LF (a lone LF stays in the line); a line longer than the
// buffer comes in buffer-sized pieces marked -1; the close ends the reading.
TEST(HttpClientReadLine, ReadsCrLfLinesAndReportsLongLinesAndClosing)
{
    LoopbackServer server([](SOCKET connection, LoopbackServer& server) {
        server.SendAll(connection, "first\r\n\r\nba\nlf\r\n0123456789abcdef\r\nend");
    });
    SOCKET socket = LoopbackServer::ConnectTo(server.Port(), true);
    HttpClient client;
    client.SetTimeouts(300, 300, 2000);
    std::string read;
    for (int i = 0; i < 7; ++i)
    {
        char line[8] = {};
        const int result = client.ReadLine(socket, line, sizeof line);
        read += std::to_string(result) + ":" + line + "|";
    }
    EXPECT_EQ(read,
              "0:first|0:|0:ba\nlf|-1:0123456|-1:789abcd|0:ef|" + std::to_string(WSAECONNRESET) + ":end|");
    closesocket(socket);
}

TEST(HttpClientSplitUrl, SplitsSchemeHostPortAndPath)
{
    // Each address with its scheme, host, path and port, or "fails".
    const std::pair<std::string, std::string> cases[] = {
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
    for (const auto& [url, expected] : cases)
    {
        char scheme[20] = {}, host[256] = {}, path[1024] = {};
        int port = 0;
        bool ok = HttpClient::SplitUrl(url.c_str(), scheme, sizeof scheme, host, sizeof host, path,
                                       sizeof path, port);
        std::string parts = std::string(scheme) + " " + host + " " + path + " " + std::to_string(port);
        EXPECT_EQ(ok ? parts : "fails", expected) << url;
    }
}

} // namespace
