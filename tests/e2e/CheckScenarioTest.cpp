// The stored keywords on screen and in the store after closing, and check
// passes and single checks against the news server: what is asked, what
// arrives in the tree and the store, and what a busy server leaves behind.
#include "ScenarioFixture.h"

#include "tests/support/ResultPageBuilder.h"
#include "resources/Resource.h"

#include <algorithm>
#include <set>

namespace {

// The request's fixed header lines; the body comes as sent, so no compressed
// encoding is asked for.
const char kFixedHeaders[] =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/vnd.ms-excel, "
    "application/msword, application/vnd.ms-powerpoint, */*\r\n"
    "Accept-Language: en-us\r\n"
    "Accept-Encoding: identity\r\n"
    "User-Agent: Mozilla/4.0\r\n"
    "Host: 127.0.0.1\r\n";

StoredItem Stored(int n, bool unread)
{
    const PageRecord record = NumberedRecord(n);
    return {record.title, record.link, record.time, record.summary, unread};
}

class CheckScenario : public ScenarioFixture
{
protected:
    bool StartWith(const std::vector<StoredKeyword>& store, DWORD autoCheckOnStart = 0)
    {
        ScenarioOptions options;
        options.autoCheckOnStart = autoCheckOnStart;
        options.showSummary = 0; // balloons are the notification scenarios' business
        return StartProgram(store, options);
    }

    void WaitForSearches(size_t count)
    {
        ASSERT_TRUE(WaitUntil([&] { return m_server.SearchRequests().size() >= count; }))
            << m_server.SearchRequests().size() << " searches";
        ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    }

    // Waits until the status bar shows "text @ progress position".
    bool WaitForStatus(const std::string& status)
    {
        return WaitUntil([&] {
            return m_program.StatusText() + " @ " + std::to_string(m_program.ProgressPosition()) == status;
        });
    }

    // Waits until the status text has shown each of the texts and the
    // progress bar each of the positions. Each is looked for on its own: the
    // texts cycle by three and the bar by ten, so one pair of them comes back
    // only every fifteen seconds, and a look that a busy machine delays
    // misses it.
    bool WaitForStatusCycle(const std::set<std::string>& texts, const std::set<int>& positions)
    {
        std::set<std::string> seenTexts;
        std::set<int> seenPositions;
        return WaitUntil([&] {
            seenTexts.insert(m_program.StatusText());
            seenPositions.insert(m_program.ProgressPosition());
            return std::includes(seenTexts.begin(), seenTexts.end(), texts.begin(), texts.end())
                   && std::includes(seenPositions.begin(), seenPositions.end(), positions.begin(),
                                    positions.end());
        });
    }

    // Waits for the Add Keyword dialog, types the keyword into it and presses OK.
    void AnswerAddKeyword(const std::string& keyword)
    {
        ShownDialog dialog;
        ASSERT_TRUE(m_program.WaitForDialog(dialog));
        EXPECT_EQ("Add Keyword", dialog.caption);
        TidewatchProcess::SetFieldText(dialog, IDC_ADD_KEYWORD, keyword);
        TidewatchProcess::Press(dialog, IDOK);
    }

    std::vector<StoredKeyword> StoreAfterClose()
    {
        std::vector<StoredKeyword> saved;
        bool complete = false;
        EXPECT_TRUE(m_program.Close());
        EXPECT_TRUE(m_program.DialogsAtClose().empty());
        EXPECT_TRUE(m_program.ReadStore(saved, complete));
        EXPECT_TRUE(complete) << "the store was cut or damaged";
        return saved;
    }
};

TEST_F(CheckScenario, StoredKeywordsShowWithTheirUnreadMarksAndCloseLeavesTheStoreWhole)
{
    // The third keyword carries what the store must quote: double quotes
    // and a closing backslash.
    const std::vector<StoredKeyword> store = {
        {"harbour", {Stored(1, true), Stored(2, false)}},
        {"tide pools", {Stored(3, false)}},
        {"the \"old\" pier\\", {}},
    };
    ASSERT_TRUE(StartWith(store));
    EXPECT_EQ("*Zivoror Udove | *harbour | tide pools | the \"old\" pier\\", m_program.TreeText());
    EXPECT_TRUE(StoreAfterClose() == store);
    EXPECT_TRUE(m_server.SearchRequests().empty()) << "no check runs at start when it is off";
}

TEST_F(CheckScenario, StartupPassAsksOnceForEveryKeywordWithTheFixedHeadersAndTheQueryEncoded)
{
    // The store is the engine's own form, so a keyword may hold any byte.
    ASSERT_TRUE(StartWith(
        {{"tide pools", {}}, {"R&D #1 +plus", {}}, {"caf\xE9 50%", {}}, {"line\r\nX-Injected: 1", {}}}, 1));
    WaitForSearches(4);
    ::Sleep(300);

    // Control characters are dropped.
    const char* queries[] = {"tide+pools", "R%26D+%231+%2Bplus", "caf%C3%A9+50%25", "lineX-Injected%3A+1"};
    const std::vector<RecordedRequest> searches = m_server.SearchRequests();
    ASSERT_EQ(4u, searches.size());
    for (size_t i = 0; i < searches.size(); ++i)
    {
        EXPECT_EQ(std::string("GET ") + NewsServer::kSearchPath + queries[i] + " HTTP/1.0", searches[i].line);
        EXPECT_EQ(kFixedHeaders, searches[i].headers) << queries[i];
    }
    EXPECT_EQ(4u, m_server.Requests().size()) << "nothing but the searches";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, NewItemsComeFirstUnreadAndKnownOnesKeepTheirReadState)
{
    PageRecord known = NumberedRecord(1);
    known.time = "5 hours ago"; // the page's time text replaces the stored one
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(2), NumberedRecord(3), known}));
    ASSERT_TRUE(StartWith({{"harbour", {Stored(1, false)}}, {"tide pools", {}}}, 1));
    WaitForTree("*Zivoror Udove | *harbour | tide pools");
    WaitForSearches(2);

    StoredItem knownAfter = Stored(1, false);
    knownAfter.time = "5 hours ago";
    const std::vector<StoredKeyword> expected = {{"harbour", {Stored(2, true), Stored(3, true), knownAfter}},
                                                 {"tide pools", {}}};
    EXPECT_TRUE(StoreAfterClose() == expected);
}

TEST_F(CheckScenario, KeywordAddedThroughItsDialogIsCheckedAtOnceAndStored)
{
    m_server.SetPage("sea+level", ResultPageHtml({NumberedRecord(3)}));
    ASSERT_TRUE(StartWith({{"harbour", {}}}));
    m_program.PostCommand(ID_ADD_KEYWORD);
    AnswerAddKeyword("sea level");
    WaitForTree("*Zivoror Udove | harbour | *sea level");
    EXPECT_EQ(std::vector<std::string>{"sea+level"}, m_server.SearchQueries());
    const std::vector<StoredKeyword> expected = {{"harbour", {}}, {"sea level", {Stored(3, true)}}};
    EXPECT_TRUE(StoreAfterClose() == expected);
}

// Right after the start, before any click into the window, the keyword tree
// is where the keyword commands go: a keyword added by its shortcut is the
// tree's selection, shown with the focus in the tree, and the shortcut of
// Remove takes it.
TEST_F(CheckScenario, AKeywordAddedByItsShortcutAtTheStartIsTheOneItsRemoveShortcutTakes)
{
    m_server.SetPage("sea+level", ResultPageHtml({NumberedRecord(3)}));
    ASSERT_TRUE(StartWith({{"harbour", {}}}));
    HWND main = m_program.MainWindow();
    ::SetForegroundWindow(main);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }));
    PressShortcut(VK_CONTROL, 'A');
    AnswerAddKeyword("sea level");
    WaitForTree("*Zivoror Udove | harbour | *sea level");
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    EXPECT_TRUE(WaitUntil([&] { return m_program.TreeHasFocus(); }));

    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }));
    PressShortcut(VK_CONTROL, 'R');
    WaitForTree("Zivoror Udove | harbour");
}

// The status text cycles through the pass's texts at its timer's ticks, every
// half second, until the pass ends.
TEST_F(CheckScenario, EditingCommandsRefuseWhileASlowServerKeepsThePassAndItsAnimationRunning)
{
    m_server.Hold(true);
    ASSERT_TRUE(StartWith({{"harbour", {}}}, 1));
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    ASSERT_TRUE(WaitForStatusCycle({"Check", "Check All", "Check All..."}, {0}));
    ASSERT_TRUE(m_program.ClickTreeRow("harbour"));

    // The keyword view's own cases hold every refusal; these pass the frame.
    const struct
    {
        const char* name;
        UINT command;
        const char *caption, *message;
    } rows[] = {
        {"Remove All", ID_REMOVE_ALL, "Tidewatch",
         "Tidewatch is getting updated news,\nso you can't remove or add keywords for now"},
        {"Change Keyword", ID_EDIT_KEYWORD, "Tidewatch",
         "Tidewatch is getting updated news,\nso you can't change keywords for now"},
        {"Import", ID_IMPORT, "Information",
         "Tidewatch is getting updated news,\nso you can't apply the import feature for now"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_program.PostCommand(row.command);
        ShownDialog box;
        ASSERT_TRUE(m_program.WaitForDialog(box));
        EXPECT_EQ(row.caption, box.caption);
        EXPECT_EQ(row.message, box.text);
        TidewatchProcess::Press(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !m_program.FindDialog(box); }));
    }
    EXPECT_EQ("Zivoror Udove | harbour", m_program.TreeText()) << "nothing was removed";

    m_server.Hold(false);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    EXPECT_TRUE(WaitForStatus("Idle @ 0"));
    EXPECT_EQ(1u, m_server.SearchRequests().size());
    EXPECT_TRUE(m_program.Close());
}

// Check News asks for the selected keyword only; the progress bar moves by a
// tenth every half second until the check ends.
TEST_F(CheckScenario, CheckNewsAsksForTheSelectedKeywordAndMovesTheProgressBar)
{
    m_server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(7)}));
    ASSERT_TRUE(StartWith({{"harbour", {}}, {"tide pools", {}}}));
    ASSERT_TRUE(m_program.ClickTreeRow("tide pools"));
    m_server.Hold(true);
    m_program.PostCommand(ID_CHECK_NEWS);
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    EXPECT_TRUE(WaitForStatusCycle({"Check", "Check News", "Check News..."}, {10, 20, 30}));
    m_server.Hold(false);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    EXPECT_TRUE(WaitForStatus("Idle @ 0"));
    EXPECT_EQ(std::vector<std::string>{"tide+pools"}, m_server.SearchQueries());
    EXPECT_EQ("*Zivoror Udove | harbour | *tide pools", m_program.TreeText());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, ClosingDuringACheckEndsTheProgramWithTheStoreWhole)
{
    m_server.Hold(true);
    const std::vector<StoredKeyword> store = {{"harbour", {Stored(1, true)}},
                                              {"tide pools", {Stored(2, false)}}};
    ASSERT_TRUE(StartWith(store, 1));
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    EXPECT_TRUE(StoreAfterClose() == store);
}

} // namespace
