// The keyword tree view's checks against a news search on 127.0.0.1: passes,
// single checks, the merge, the busy state and stopping mid-check. The view's
// side runs as the program runs it, by dispatching the workers' messages.
#include "tests/support/NewsServer.h"
#include "tests/support/ResultPageBuilder.h"

#include "ViewsFixture.h"
#include "app/NewsFetch.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

typedef std::vector<std::pair<int, int>> Progress;
const int kPass = 2, kSingle = 1; // the kinds of WM_CHECK_PROGRESS

// A result record for the stored item n of the keyword (the fixture's stored
// links are "http://news.example/<keyword>/<n>").
PageRecord Record(const char* keyword, int n, const std::string& title, const char* time = "1 hour ago")
{
    return {"http://news.example/" + std::string(keyword) + "/" + std::to_string(n), title, time,
            "about " + title};
}

class KeywordChecksTest : public ViewsTest
{
protected:
    void OpenWith(const std::vector<StoredKeyword>& store, const NewsServer& server)
    {
        Open(store);
        m_pTree->SetSearchHost(server.HostText().c_str());
    }
    // The keyword's items' titles in order: '*' marks unread, '!' not yet alerted.
    std::string Items(const char* name)
    {
        Keyword* pKeyword = Group().Find(name);
        if (pKeyword == nullptr)
            return "(no keyword)";
        std::string text;
        for (NewsItem* pItem = pKeyword->firstItem; pItem != nullptr; pItem = pItem->next)
        {
            text += std::string(text.empty() ? "" : " ") + (pItem->unread ? "*" : "")
                    + (pItem->unalerted ? "!" : "") + (LPCTSTR)pItem->title;
        }
        return text;
    }
    Progress& Posted() { return m_pFrame->m_progress; }
    // The progress of one kind of check, in order.
    Progress PostedOf(int kind)
    {
        Progress of;
        for (const auto& posted : Posted())
            if (posted.second == kind)
                of.push_back(posted);
        return of;
    }
    // The keywords marked as being checked, in list order.
    std::string Checking()
    {
        std::string names;
        for (Keyword* pKeyword = Group().GetFirst(); pKeyword != nullptr; pKeyword = Group().GetNext(pKeyword))
            if (pKeyword->checking)
                names += std::string(names.empty() ? "" : " ") + (LPCTSTR)pKeyword->name;
        return names;
    }
};

TEST_F(KeywordChecksTest, APassOverThreeKeywordsPostsItsProgressMergesTheirNewsAndRefillsTheList)
{
    NewsServer server;
    server.SetPage("alpha", ResultPageHtml({Record("alpha", 0, "A0"), Record("alpha", 1, "A1")}));
    server.SetPage("gamma", ResultPageHtml({Record("gamma", 0, "G0")}));
    OpenWith({{"alpha", {}}, {"beta", {}}, {"gamma", {}}}, server);
    Select("alpha");

    Command(CItemTreeView::ID_CHECK_ALL);
    EXPECT_TRUE(g_bUpdatingNews);
    EXPECT_EQ(m_pTree->GetCheckState(), CItemTreeView::CHECK_PASS);
    ASSERT_TRUE(WaitForChecks());

    EXPECT_EQ(Posted(), Progress({{0, kPass}, {33, kPass}, {66, kPass}, {100, kPass}}));
    EXPECT_EQ(m_pFrame->m_nNewsArrived, 1);
    EXPECT_EQ(server.SearchQueries(), std::vector<std::string>({"alpha", "beta", "gamma"}));
    // The news list on screen shows the shown keyword's fresh list.
    EXPECT_EQ(State(), "*root: *alpha beta *gamma | 3 keywords, 3 unread | list: alpha 2 rows");
    EXPECT_EQ(Items("alpha"), "*!A0 *!A1");
    EXPECT_STREQ(m_pList->ItemOfRow(0)->title, "A0");
    EXPECT_EQ(m_pTree->GetPercent(), 100);
    EXPECT_EQ(m_pTree->GetCheckState(), CItemTreeView::CHECK_NONE);
}

// More keywords than the pass hands out ahead of its merges: the requests go
// out in keyword order, the progress runs in order, every keyword is merged.
TEST_F(KeywordChecksTest, ALongPassRequestsAndMergesEveryKeywordInOrder)
{
    NewsServer server;
    const int nKeywords = 40;
    std::vector<std::string> names;
    for (int k = 0; k < nKeywords; ++k)
        names.push_back("k" + std::to_string(k));
    std::vector<StoredKeyword> store;
    Progress expected;
    for (int k = 0; k < nKeywords; ++k)
    {
        server.SetPage(names[k], ResultPageHtml({NumberedRecord(k)}));
        store.push_back({names[k].c_str(), {}});
        expected.push_back({k * 100 / nKeywords, kPass});
    }
    expected.push_back({100, kPass});
    OpenWith(store, server);

    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(server.SearchQueries(), names);
    EXPECT_EQ(Posted(), expected);
    EXPECT_EQ(Group().totalUnread, nKeywords);
    std::string unmerged;
    for (Keyword* pKeyword = Group().GetFirst(); pKeyword != nullptr; pKeyword = Group().GetNext(pKeyword))
        if (pKeyword->unreadCount != 1 || !m_pTree->GetTree().GetItemBold(pKeyword->treeItem))
            unmerged += std::string(pKeyword->name) + " ";
    EXPECT_EQ(unmerged, "");
    EXPECT_EQ(m_pFrame->m_nNewsArrived, 1);
}

// Passes that bring no news: nothing is announced, the items stay, and the
// timed check is armed again.
TEST_F(KeywordChecksTest, APassWithoutNewsLeavesTheItemsAndArmsTheTimer)
{
    const struct
    {
        const char* name;
        std::vector<StoredKeyword> store;
        bool served; // else the fixture's closed port
        Progress posted;
        const char* state;
    } rows[] = {
        {"an identical page",
         {{"alpha", {"*One", "Two"}}},
         true,
         {{0, kPass}, {100, kPass}},
         "*root: *alpha | 1 keywords, 1 unread | list: none 0 rows"},
        {"a failed request, and the pass goes on",
         {{"alpha", {"*One", "Two"}}, {"beta", {}}},
         false,
         {{0, kPass}, {50, kPass}, {100, kPass}},
         "*root: *alpha beta | 2 keywords, 1 unread | list: none 0 rows"},
        {"an empty list", {}, false, {{100, kPass}}, "root:  | 0 keywords, 0 unread | list: none 0 rows"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        NewsServer server;
        server.SetPage("alpha", ResultPageHtml({Record("alpha", 0, "One"), Record("alpha", 1, "Two")}));
        Open(row.store);
        if (row.served)
            m_pTree->SetSearchHost(server.HostText().c_str());
        Command(CItemTreeView::ID_CHECK_ALL);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(Posted(), row.posted);
        EXPECT_EQ(m_pFrame->m_nNewsArrived, 0);
        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(Items("alpha"), row.store.empty() ? "(no keyword)" : "*One Two");
        EXPECT_TRUE(::KillTimer(m_pTree->m_hWnd, CItemTreeView::TIMER_CHECK)); // it was set
        TearDown();
    }
}

// The start-up pass comes as WM_CHECK_ALL, Check All as its command, the
// timed pass as the timer.
TEST_F(KeywordChecksTest, TheStartUpPassKeepsItsNewsQuietOnlyWhenTheOptionSaysSo)
{
    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        BOOL showSummaryOnStart, autoCheckEvery;
        size_t requests;
        int newsArrived;
    } rows[] = {
        {"start-up, quiet option on", WM_CHECK_ALL, 0, TRUE, TRUE, 1, 0},
        {"start-up, quiet option off", WM_CHECK_ALL, 0, FALSE, TRUE, 1, 1},
        {"Check All, quiet option on", WM_COMMAND, CItemTreeView::ID_CHECK_ALL, TRUE, TRUE, 1, 1},
        {"timer, quiet option on", WM_TIMER, CItemTreeView::TIMER_CHECK, TRUE, TRUE, 1, 1},
        {"timer, timed checks off", WM_TIMER, CItemTreeView::TIMER_CHECK, FALSE, FALSE, 0, 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        NewsServer server;
        server.SetPage("alpha", ResultPageHtml({Record("alpha", 0, "A0")}));
        OpenWith({{"alpha", {}}}, server);
        m_pTree->SetOptions(TRUE, row.autoCheckEvery, TRUE, row.showSummaryOnStart, TRUE, 30, 10, FALSE);
        m_pTree->SendMessage(row.message, row.wParam, 0);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(server.SearchQueries().size(), row.requests);
        EXPECT_EQ(m_pFrame->m_nNewsArrived, row.newsArrived);
        TearDown();
    }
}

TEST_F(KeywordChecksTest, NoSecondPassNorACheckOfAKeywordThePassHoldsStartsWhileItRuns)
{
    NewsServer server;
    server.Hold(true);
    OpenWith({{"alpha", {}}, {"beta", {}}}, server);
    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() > 0; })); // alpha's request
    Command(CItemTreeView::ID_CHECK_ALL);
    m_pTree->SendMessage(WM_TIMER, CItemTreeView::TIMER_CHECK, 0);
    m_pTree->SendMessage(WM_CHECK_ALL, 0, 0);
    Select("alpha");
    Command(CItemTreeView::ID_CHECK_NEWS);
    server.Hold(false);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(server.SearchQueries(), std::vector<std::string>({"alpha", "beta"}));
    EXPECT_EQ(Posted(), Progress({{0, kPass}, {50, kPass}, {100, kPass}}));
}

// The pass fetches ahead, but a keyword's check begins only once the one
// before it has been merged: the progress and the "being checked" mark follow
// the merges, and Check News works on a keyword whose page is fetched ahead.
TEST_F(KeywordChecksTest, AKeywordsProgressAndMarkComeWhenItsCheckBegins)
{
    NewsServer server; // slow: holds each request until released
    server.Hold(true);
    server.SetPage("alpha", ResultPageHtml({Record("alpha", 0, "A0")}));
    server.SetPage("beta", ResultPageHtml({Record("beta", 0, "B0")}));
    server.SetPage("gamma", ResultPageHtml({Record("gamma", 0, "G0")}));
    OpenWith({{"alpha", {}}, {"beta", {}}, {"gamma", {}}}, server);
    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() > 0; })); // alpha's request
    PumpPending();
    EXPECT_EQ(Posted(), Progress({{0, kPass}}));
    EXPECT_EQ(m_pTree->GetPercent(), 0);
    EXPECT_EQ(Checking(), "alpha");

    Select("beta");
    Command(CItemTreeView::ID_CHECK_NEWS);
    EXPECT_TRUE(Group().Find("beta")->singleCheck);
    EXPECT_EQ(Checking(), "alpha beta");
    server.Hold(false);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(PostedOf(kPass), Progress({{0, kPass}, {33, kPass}, {66, kPass}, {100, kPass}}));
    EXPECT_EQ(PostedOf(kSingle), Progress({{0, kSingle}, {100, kSingle}}));
    EXPECT_EQ(State(), "*root: *alpha *beta *gamma | 3 keywords, 3 unread | list: beta 1 rows");
    EXPECT_EQ(Checking(), "");
}

// Change Keyword while a pass holds the keyword (the pass started while the
// dialog was open): the page asked for under the old name is dropped, and the
// keyword is checked under its new name.
TEST_F(KeywordChecksTest, AKeywordRenamedWhileItsPageIsOutIsCheckedUnderItsNewName)
{
    const struct
    {
        const char* name;
        const char* renamed;
        const char* tree;
    } rows[] = {
        {"the keyword being checked", "alpha", "*root: *omega beta | 2 keywords, 1 unread | list: omega 1 rows"},
        {"a keyword fetched ahead", "beta", "*root: alpha *omega | 2 keywords, 1 unread | list: omega 1 rows"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        NewsServer server;
        server.Hold(true);
        server.SetPage(row.renamed, ResultPageHtml({Record(row.renamed, 0, "old name's news")}));
        server.SetPage("omega", ResultPageHtml({Record("omega", 0, "new name's news")}));
        OpenWith({{"alpha", {}}, {"beta", {}}}, server);
        Select(row.renamed);
        CDialogDriver driver([&](HWND hDlg) {
            m_pTree->PostMessage(WM_CHECK_ALL); // the start-up pass comes while the dialog is open
            ::SetDlgItemTextA(hDlg, CRepKeywordDlg::IDC_KEYWORD, "omega");
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        Command(CItemTreeView::ID_CHANGE_KEYWORD);
        server.Hold(false);
        ASSERT_TRUE(WaitForChecks());
        EXPECT_EQ(Items("omega"), "*!new name's news");
        EXPECT_EQ(State(), row.tree);
        EXPECT_EQ(m_pFrame->m_nNewsArrived, 0) << "the pass found nothing of its own";
        EXPECT_EQ(PostedOf(kPass), Progress({{0, kPass}, {50, kPass}, {100, kPass}}));
        TearDown();
    }
}

TEST_F(KeywordChecksTest, ASingleCheckPostsItsOwnProgressAndAnnouncesNothing)
{
    NewsServer server;
    server.SetPage("beta", ResultPageHtml({Record("beta", 0, "B0")}));
    OpenWith({{"alpha", {}}, {"beta", {}}}, server);
    Select("beta");
    Command(CItemTreeView::ID_CHECK_NEWS);
    EXPECT_TRUE(g_bUpdatingNews);
    EXPECT_EQ(m_pTree->GetCheckState(), CItemTreeView::CHECK_SHOWN_KEYWORD);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(Posted(), Progress({{0, kSingle}, {100, kSingle}}));
    EXPECT_EQ(server.SearchQueries(), std::vector<std::string>({"beta"}));
    EXPECT_EQ(State(), "*root: alpha *beta | 2 keywords, 1 unread | list: beta 1 rows");
    EXPECT_EQ(m_pFrame->m_nNewsArrived, 0);
    EXPECT_FALSE(Group().Find("beta")->singleCheck);
    EXPECT_EQ(m_pTree->GetCheckState(), CItemTreeView::CHECK_NONE);
}

TEST_F(KeywordChecksTest, APassSkipsAKeywordThatItsSingleCheckHolds)
{
    NewsServer server;
    server.Hold(true);
    OpenWith({{"alpha", {}}}, server);
    Select("alpha");
    Command(CItemTreeView::ID_CHECK_NEWS);
    Command(CItemTreeView::ID_CHECK_ALL);  // passes alpha by at once
    Command(CItemTreeView::ID_CHECK_NEWS); // alpha is still held
    EXPECT_TRUE(g_bUpdatingNews);          // the single check still runs
    server.Hold(false);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(server.SearchQueries(), std::vector<std::string>({"alpha"}));
    EXPECT_EQ(Posted(), Progress({{0, kSingle}, {0, kPass}, {100, kPass}, {100, kSingle}}));
}

TEST_F(KeywordChecksTest, TheResultOfARemovedKeywordIsDropped)
{
    const std::string replacement = m_folder.File("replacement.xml");
    WriteStore(replacement, {{"alpha", {}}, {"gamma", {}}});
    NewsServer server;
    server.Hold(true);
    server.SetPage("alpha", ResultPageHtml({Record("alpha", 0, "A0")}));
    server.SetPage("beta", ResultPageHtml({Record("beta", 0, "B0")}));
    OpenWith({{"alpha", {}}, {"beta", {}}}, server);
    Command(CItemTreeView::ID_CHECK_ALL);
    ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() > 0; }));
    // The whole list goes while alpha's page is on its way; a new "alpha" comes.
    ASSERT_TRUE(m_pTree->ImportKeywordsFrom(replacement.c_str()));
    server.Hold(false);
    ASSERT_TRUE(WaitForChecks());
    EXPECT_EQ(State(), "root: alpha gamma | 2 keywords, 0 unread | list: none 0 rows");
    EXPECT_EQ(server.SearchQueries(), std::vector<std::string>({"alpha"})); // beta went too
    EXPECT_EQ(Posted(), Progress({{0, kPass}, {50, kPass}, {100, kPass}}));
    EXPECT_EQ(m_pFrame->m_nNewsArrived, 0);
}

TEST_F(KeywordChecksTest, StoppingMidCheckEndsTheWorkersWithinTheBound)
{
    NewsServer server;
    server.Hold(true); // never answers
    OpenWith({{"alpha", {}}, {"beta", {}}}, server);
    Select("beta");
    Command(CItemTreeView::ID_CHECK_ALL);
    Command(CItemTreeView::ID_CHECK_NEWS);
    ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() > 0; }));
    const DWORD start = ::GetTickCount();
    m_pTree->StopChecks(5000);
    EXPECT_LT(::GetTickCount() - start, 2000u); // the request's own time-out is a minute
    EXPECT_FALSE(g_bUpdatingNews);
    EXPECT_EQ(m_pTree->GetCheckState(), CItemTreeView::CHECK_NONE);
    // Nothing starts any more (a check raises the flag as it starts), and
    // what the workers posted is ignored.
    Command(CItemTreeView::ID_CHECK_ALL);
    Command(CItemTreeView::ID_CHECK_NEWS);
    EXPECT_FALSE(g_bUpdatingNews);
    PumpPending();
    EXPECT_EQ(Items("alpha"), "");
}

} // namespace
