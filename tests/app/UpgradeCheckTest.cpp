// The upgrade check: the reply rule as a table, then the whole check from the
// command or the start-up to the message boxes, against a server on
// 127.0.0.1 that stands in for the maker's web site.
#include "tests/support/LoopbackServer.h"

#include "DialogDriver.h"
#include "MainFrameFixture.h"
#include "app/UpgradeCheck.h"
#include "resources/Resource.h"

#include <string>
#include <vector>

namespace {

struct ReplyCase
{
    const char* name;
    BOOL requestSucceeded;
    const char* body;
    BOOL answered, newer;
};

const ReplyCase kReplies[] = {
    {"a larger build", TRUE, "30001", TRUE, TRUE},
    {"this build", TRUE, "30000", TRUE, FALSE},
    {"leading zeros", TRUE, "00030001", TRUE, TRUE},
    {"white space around", TRUE, "  30001\r\n", TRUE, TRUE},
    {"eight digits", TRUE, "99999999", TRUE, TRUE},
    {"nine digits", TRUE, "999999999", FALSE, FALSE},
    {"empty", TRUE, "", FALSE, FALSE},
    {"a letter inside", TRUE, "3x001", FALSE, FALSE},
    {"a sign", TRUE, "+30001", FALSE, FALSE},
    {"an error page", TRUE, "<html>Not Found</html>", FALSE, FALSE},
    {"failed request", FALSE, "30001", FALSE, FALSE},
};

TEST(UpgradeReply, CountsOnlyOneToEightDigits)
{
    for (const ReplyCase& c : kReplies)
    {
        UpgradeReply reply = ReadUpgradeReply(c.requestSucceeded, c.body);
        EXPECT_EQ(c.answered, reply.answered) << c.name;
        EXPECT_EQ(c.newer, reply.newer) << c.name;
    }
}

// The maker's site: answers every request with the body, after the gate
// opens when the test holds it shut.
class UpgradeCheckTest : public MainFrameTest
{
protected:
    UpgradeCheckTest()
        : server([this](SOCKET connection, LoopbackServer& self) {
              self.ReadRequest(connection);
              ::WaitForSingleObject(gate, 10000);
              self.SendAll(connection, HttpResponse(body));
          })
    {}

    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetTextOption("WebSite", server.Url("").c_str());
    }
    void TearDown() override
    {
        ::SetEvent(gate);
        if (frame != NULL)
            PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); });
        MainFrameTest::TearDown();
    }
    std::string ClosedSite() { return "http://127.0.0.1:" + std::to_string(LoopbackServer::ClosedPort()); }

    // A manual-reset event, open at first; it outlives the server's thread.
    struct Gate
    {
        HANDLE handle = ::CreateEventA(NULL, TRUE, TRUE, NULL);
        ~Gate() { ::CloseHandle(handle); }
        operator HANDLE() const { return handle; }
    };

    std::string body;
    Gate gate;
    LoopbackServer server;
};

TEST_F(UpgradeCheckTest, TheCommandTellsTheAnswerAndYesOpensTheProductPage)
{
    const struct
    {
        const char *name, *body;
        bool refuse;
        int button;
        const char* text;
        bool opens;
    } rows[] = {
        {"newer, yes", "30001", false, IDYES, "New version is available. Upgrade now?", true},
        {"newer, no", "30001", false, IDNO, "New version is available. Upgrade now?", false},
        {"same build", "30000", false, IDOK, "No update is available", false},
        {"refusing server", "", true, IDOK, "Fail to connect server. Try again later", false},
    };
    for (const auto& row : rows)
    {
        body = row.body;
        opened.clear();
        SetTextOption("WebSite", row.refuse ? ClosedSite().c_str() : server.Url("").c_str());
        const int button = row.button;
        CDialogDriver driver([button](HWND hWnd) { ::PostMessageA(hWnd, WM_COMMAND, button, 0); });
        frame->SendMessage(WM_COMMAND, ID_CHECK_UPGRADE, 0);
        ASSERT_TRUE(PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); })) << row.name;
        ASSERT_EQ(1u, driver.seen.size()) << row.name;
        EXPECT_EQ("Check for Upgrade", driver.seen[0].caption) << row.name;
        EXPECT_EQ(row.text, driver.seen[0].text) << row.name;
        EXPECT_EQ(row.opens ? std::vector<std::string>{server.Url("/product.php?product=Tidewatch")}
                            : std::vector<std::string>(),
                  opened)
            << row.name;
    }
    EXPECT_NE(std::string::npos, server.LastRequest().find("GET /check.php?product=Tidewatch HTTP/1.0"));
}

// The start-up check tells only of a newer build.
TEST_F(UpgradeCheckTest, StartUpCheckIsSilentUnlessNewer)
{
    struct
    {
        const char* name;
        std::string body;
        bool refuse;
        size_t boxes;
    } cases[] = {
        {"same build", "30000", false, 0},
        {"no answer", "", true, 0},
        {"newer build", "30001", false, 1},
    };
    for (const auto& c : cases)
    {
        DestroyFrame();
        body = c.body;
        SetTextOption("WebSite", c.refuse ? ClosedSite().c_str() : server.Url("").c_str());
        SetOption("CheckUpgrade", 1);
        CDialogDriver driver([](HWND hWnd) { ::PostMessageA(hWnd, WM_COMMAND, IDNO, 0); });
        const LONG before = server.Connections();
        CreateFrame();
        ASSERT_TRUE(PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); })) << c.name;
        EXPECT_EQ(c.boxes, driver.seen.size()) << c.name;
        EXPECT_EQ(c.refuse ? 0 : 1, server.Connections() - before) << c.name;
    }
}

// A command while the start-up check runs starts no second check, and the
// running one then answers the user.
TEST_F(UpgradeCheckTest, CommandDuringStartUpCheckJoinsIt)
{
    DestroyFrame();
    body = "30000";
    SetOption("CheckUpgrade", 1);
    ::ResetEvent(gate);
    CDialogDriver driver;
    CreateFrame();
    ASSERT_TRUE(PumpUntil([this] { return server.Connections() == 1; }));
    frame->SendMessage(WM_COMMAND, ID_CHECK_UPGRADE, 0);
    ::SetEvent(gate);
    ASSERT_TRUE(PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); }));
    ::Sleep(100);
    EXPECT_EQ(1, server.Connections());
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("No update is available", driver.seen[0].text);
}

} // namespace
