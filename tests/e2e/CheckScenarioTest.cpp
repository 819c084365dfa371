// Check passes and single checks against the news server: what is asked, what
// arrives in the tree and the store, and what a busy, slow or refusing server
// leaves behind.
#include "ScenarioFixture.h"

#include "tests/support/ResultPageBuilder.h"
#include "resources/Resource.h"

namespace {

const char kRootText[] = "Zivoror Udove";
// The request's fixed header lines; the body comes as sent, so no compressed
// encoding is asked for.
const char kFixedHeaders[] =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/vnd.ms-excel, "
    "application/msword, application/vnd.ms-powerpoint, */*\r\n"
    "Accept-Language: en-us\r\n"
    "Accept-Encoding: identity\r\n"
    "User-Agent: Mozilla/4.0\r\n"
    "Host: 127.0.0.1\r\n";
const char kRefuseEdit[] = "Tidewatch is getting updated news,\nso you can't remove or add keywords for now";
const char kRefuseChange[] = "Tidewatch is getting updated news,\nso you can't change keywords for now";
const char kRefuseImport[] =
    "Tidewatch is getting updated news,\nso you can't apply the import feature for now";
const char kRefuseExport[] =
    "Tidewatch is getting updated news,\nso you can't apply the export feature for now";

StoredItem StoredFrom(const PageRecord& record, bool unread)
{
    return {record.title, record.link, record.time, record.summary, unread};
}

std::vector<bool> BoldMarks(const std::vector<TreeRow>& rows)
{
    std::vector<bool> marks;
    for (const TreeRow& row : rows)
        marks.push_back(row.bold);
    return marks;
}

class CheckScenario : public ScenarioFixture
{
protected:
    void StartWith(const std::vector<StoredKeyword>& store, ScenarioOptions options = ScenarioOptions())
    {
        WriteOptions(options);
        ASSERT_TRUE(m_program.WriteStore(store));
        ASSERT_TRUE(m_program.Start());
    }

    void StartCheckingAtStartup(const std::vector<StoredKeyword>& store)
    {
        ScenarioOptions options;
        options.autoCheckOnStart = 1;
        // Balloons are the notification scenarios' business.
        options.showSummary = 0;
        StartWith(store, options);
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

    void WaitForSearches(size_t count)
    {
        ASSERT_TRUE(WaitUntil([&] { return m_server.SearchRequests().size() >= count; }))
            << m_server.SearchRequests().size() << " searches";
        ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    }
};

TEST_F(CheckScenario, StartupPassAsksOnceForEveryKeywordWithTheFixedHeaders)
{
    StartCheckingAtStartup({{"harbour", {}}, {"tide pools", {}}, {"sea level", {}}});
    WaitForSearches(3);
    ::Sleep(300);

    std::vector<RecordedRequest> searches = m_server.SearchRequests();
    ASSERT_EQ(3u, searches.size());
    const char* queries[] = {"harbour", "tide+pools", "sea+level"};
    for (size_t i = 0; i < searches.size(); ++i)
    {
        EXPECT_EQ(std::string("GET ") + NewsServer::kSearchPath + queries[i] + " HTTP/1.0", searches[i].line);
        EXPECT_EQ(kFixedHeaders, searches[i].headers) << queries[i];
    }
    EXPECT_EQ(3u, m_server.Requests().size()) << "nothing but the searches";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, QueryTextIsEncodedForTheAddress)
{
    // The store is the engine's own form, so a keyword may hold any byte.
    StartCheckingAtStartup({{"R&D #1 +plus", {}}, {"caf\xE9 50%", {}}, {"line\r\nX-Injected: 1", {}}});
    WaitForSearches(3);
    std::vector<std::string> queries = m_server.SearchQueries();
    ASSERT_EQ(3u, queries.size());
    EXPECT_EQ("R%26D+%231+%2Bplus", queries[0]);
    EXPECT_EQ("caf%C3%A9+50%25", queries[1]);
    EXPECT_EQ("lineX-Injected%3A+1", queries[2]) << "control characters are dropped";
    for (const RecordedRequest& search : m_server.SearchRequests())
        EXPECT_EQ(kFixedHeaders, search.headers);
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, NewItemsArriveUnreadAndBoldInPageOrder)
{
    std::vector<PageRecord> page = {NumberedRecord(1), NumberedRecord(2)};
    m_server.SetPage("harbour", ResultPageHtml(page));
    StartCheckingAtStartup({{"harbour", {}}, {"tide pools", {}}});
    ASSERT_TRUE(WaitUntil([&] {
        return BoldMarks(m_program.TreeRows()) == std::vector<bool>{true, true, false};
    }));
    WaitForSearches(2);

    std::vector<StoredKeyword> saved = StoreAfterClose();
    ASSERT_EQ(2u, saved.size());
    EXPECT_TRUE(saved[0]
                == (StoredKeyword{"harbour", {StoredFrom(page[0], true), StoredFrom(page[1], true)}}));
    EXPECT_TRUE(saved[1].items.empty());
}

TEST_F(CheckScenario, NewItemAmongKnownOnesReplacesTheListAndKeepsTheReadState)
{
    PageRecord known = NumberedRecord(1);
    PageRecord fresh = NumberedRecord(2);
    known.time = "5 hours ago"; // the page's time text replaces the stored one
    m_server.SetPage("harbour", ResultPageHtml({fresh, known}));
    StoredItem stored = StoredFrom(NumberedRecord(1), false);
    StartCheckingAtStartup({{"harbour", {stored}}});
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks(m_program.TreeRows()) == std::vector<bool>{true, true}; }));
    WaitForSearches(1);

    std::vector<StoredKeyword> saved = StoreAfterClose();
    ASSERT_EQ(1u, saved.size());
    EXPECT_TRUE(saved[0] == (StoredKeyword{"harbour", {StoredFrom(fresh, true), StoredFrom(known, false)}}));
}

TEST_F(CheckScenario, IdenticalPageChangesNothing)
{
    std::vector<PageRecord> page = {NumberedRecord(1), NumberedRecord(2)};
    m_server.SetPage("harbour", ResultPageHtml(page));
    const std::vector<StoredKeyword> store = {
        {"harbour", {StoredFrom(page[0], false), StoredFrom(page[1], false)}}, {"tide pools", {}}};
    StartCheckingAtStartup(store);
    WaitForSearches(2);
    EXPECT_EQ((std::vector<bool>{false, false, false}), BoldMarks(m_program.TreeRows()));

    m_program.PostCommand(ID_CHECK_ALL);
    WaitForSearches(4);
    EXPECT_EQ((std::vector<bool>{false, false, false}), BoldMarks(m_program.TreeRows()));
    EXPECT_TRUE(StoreAfterClose() == store);
}

TEST_F(CheckScenario, CheckNewsAsksForTheSelectedKeywordOnly)
{
    m_server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(7)}));
    StartWith({{"harbour", {}}, {"tide pools", {}}});
    ASSERT_TRUE(m_program.ClickTreeRow("tide pools"));
    m_program.PostCommand(ID_CHECK_NEWS);
    ASSERT_TRUE(WaitUntil([&] {
        return BoldMarks(m_program.TreeRows()) == std::vector<bool>{true, false, true};
    }));
    WaitForSearches(1);
    EXPECT_EQ(std::vector<std::string>{"tide+pools"}, m_server.SearchQueries());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, KeywordAddedThroughItsDialogIsCheckedAtOnce)
{
    m_server.SetPage("sea+level", ResultPageHtml({NumberedRecord(3)}));
    StartWith({{"harbour", {}}});
    m_program.PostCommand(ID_ADD_KEYWORD);
    ShownDialog dialog;
    ASSERT_TRUE(m_program.WaitForDialog(dialog));
    TidewatchProcess::SetFieldText(dialog, IDC_ADD_KEYWORD, "sea level");
    TidewatchProcess::Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] {
        return BoldMarks(m_program.TreeRows()) == std::vector<bool>{true, false, true};
    }));
    EXPECT_EQ(std::vector<std::string>{"sea+level"}, m_server.SearchQueries());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, EditingCommandsRefuseWhileASlowServerKeepsTheCheckRunning)
{
    m_server.Hold(true);
    StartCheckingAtStartup({{"harbour", {}}});
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    ASSERT_TRUE(m_program.ClickTreeRow("harbour"));

    const struct
    {
        const char* name;
        UINT command;
        const char* caption;
        const char* message;
    } rows[] = {
        {"Add Keyword", ID_ADD_KEYWORD, "Tidewatch", kRefuseEdit},
        {"Remove", ID_REMOVE_KEYWORD, "Tidewatch", kRefuseEdit},
        {"Remove All", ID_REMOVE_ALL, "Tidewatch", kRefuseEdit},
        {"Change Keyword", ID_EDIT_KEYWORD, "Tidewatch", kRefuseChange},
        {"Import", ID_IMPORT, "Information", kRefuseImport},
        {"Export", ID_EXPORT, "Information", kRefuseExport},
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
    EXPECT_EQ(2u, m_program.TreeRows().size()) << "nothing was removed";

    m_server.Hold(false);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    EXPECT_EQ(1u, m_server.SearchRequests().size());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, CheckAllDuringAPassStartsNoSecondPass)
{
    m_server.Hold(true);
    StartCheckingAtStartup({{"harbour", {}}, {"tide pools", {}}});
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    m_program.PostCommand(ID_CHECK_ALL);
    m_program.PostCommand(ID_CHECK_ALL);
    ::Sleep(300);
    m_server.Hold(false);
    WaitForSearches(2);
    ::Sleep(300);
    EXPECT_EQ((std::vector<std::string>{"harbour", "tide+pools"}), m_server.SearchQueries());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(CheckScenario, ClosingDuringACheckEndsTheProgramWithTheStoreWhole)
{
    m_server.Hold(true);
    const std::vector<StoredKeyword> store = {{"harbour", {StoredFrom(NumberedRecord(1), true)}},
                                              {"tide pools", {StoredFrom(NumberedRecord(2), false)}}};
    StartCheckingAtStartup(store);
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    EXPECT_TRUE(StoreAfterClose() == store);
}

TEST_F(CheckScenario, ClosingDuringASingleCheckEndsTheProgramWithTheStoreWhole)
{
    const std::vector<StoredKeyword> store = {{"harbour", {StoredFrom(NumberedRecord(1), false)}}};
    StartWith(store);
    ASSERT_TRUE(m_program.ClickTreeRow("harbour"));
    m_server.Hold(true);
    m_program.PostCommand(ID_CHECK_NEWS);
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    EXPECT_TRUE(StoreAfterClose() == store);
}

TEST_F(CheckScenario, RefusingServerLeavesEverythingAsItWas)
{
    const std::vector<StoredKeyword> store = {{"harbour", {StoredFrom(NumberedRecord(1), true)}},
                                              {"tide pools", {StoredFrom(NumberedRecord(2), false)}}};
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    options.showSummary = 0;
    options.searchHost = RefusingHostText();
    StartWith(store, options);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    m_program.PostCommand(ID_CHECK_ALL);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());

    std::vector<TreeRow> rows = m_program.TreeRows();
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(kRootText, rows[0].text);
    EXPECT_EQ((std::vector<bool>{true, true, false}), BoldMarks(rows));
    EXPECT_TRUE(StoreAfterClose() == store);
}

} // namespace
