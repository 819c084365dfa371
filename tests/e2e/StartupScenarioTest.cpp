// Scenarios of a program that checks nothing at start: the stored keywords on
// screen, a keyword added through its dialog, and the store written whole
// when the window closes.
#include "ScenarioFixture.h"

#include "resources/Resource.h"

namespace {

const char kRootText[] = "Zivoror Udove";

StoredItem Item(int n, bool unread)
{
    std::string number = std::to_string(n);
    return {"Story " + number, "http://news.example.com/" + number + ".html", number + " hours ago",
            "What happened in story " + number, unread};
}

class StartupScenario : public ScenarioFixture
{
protected:
    void SetUp() override { WriteOptions(ScenarioOptions()); }
};

TEST_F(StartupScenario, StoredKeywordsShowWithTheirUnreadMarksAndCloseLeavesTheStoreWhole)
{
    // The third keyword carries what the store must quote: double quotes
    // and a closing backslash.
    const std::vector<StoredKeyword> store = {
        {"harbour", {Item(1, true), Item(2, false)}},
        {"tide pools", {Item(3, false)}},
        {"the \"old\" pier\\", {}},
    };
    ASSERT_TRUE(m_program.WriteStore(store));
    ASSERT_TRUE(m_program.Start());

    std::vector<TreeRow> rows = m_program.TreeRows();
    ASSERT_EQ(4u, rows.size());
    struct
    {
        const char* text;
        bool bold;
    } expected[] = {
        {kRootText, true}, {"harbour", true}, {"tide pools", false}, {"the \"old\" pier\\", false}};
    for (size_t i = 0; i < rows.size(); ++i)
    {
        EXPECT_EQ(expected[i].text, rows[i].text) << "row " << i;
        EXPECT_EQ(expected[i].bold, rows[i].bold) << "row " << i;
    }

    ASSERT_TRUE(m_program.Close());
    EXPECT_TRUE(m_program.DialogsAtClose().empty());
    std::vector<StoredKeyword> saved;
    bool complete = false;
    ASSERT_TRUE(m_program.ReadStore(saved, complete));
    EXPECT_TRUE(complete);
    EXPECT_TRUE(saved == store);
    EXPECT_TRUE(m_server.SearchRequests().empty()) << "no check runs at start when it is off";
}

TEST_F(StartupScenario, KeywordAddedThroughItsDialogIsShownAndStored)
{
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());

    m_program.PostCommand(ID_ADD_KEYWORD);
    ShownDialog dialog;
    ASSERT_TRUE(m_program.WaitForDialog(dialog));
    EXPECT_EQ("Add Keyword", dialog.caption);
    TidewatchProcess::SetFieldText(dialog, IDC_ADD_KEYWORD, "sea level");
    TidewatchProcess::Press(dialog, IDOK);

    ASSERT_TRUE(WaitUntil([&] { return m_program.TreeRows().size() == 3; }));
    EXPECT_EQ("sea level", m_program.TreeRows()[2].text);
    ASSERT_TRUE(m_program.Close());
    std::vector<StoredKeyword> saved;
    bool complete = false;
    ASSERT_TRUE(m_program.ReadStore(saved, complete));
    EXPECT_TRUE(complete);
    ASSERT_EQ(2u, saved.size());
    EXPECT_EQ("harbour", saved[0].name);
    EXPECT_EQ("sea level", saved[1].name);
}

TEST_F(StartupScenario, CancelledAddKeywordDialogChangesNothing)
{
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());

    m_program.PostCommand(ID_ADD_KEYWORD);
    ShownDialog dialog;
    ASSERT_TRUE(m_program.WaitForDialog(dialog));
    TidewatchProcess::SetFieldText(dialog, IDC_ADD_KEYWORD, "sea level");
    TidewatchProcess::Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] {
        ShownDialog still;
        return !m_program.FindDialog(still);
    }));

    EXPECT_EQ(2u, m_program.TreeRows().size());
    ASSERT_TRUE(m_program.Close());
    std::vector<StoredKeyword> saved;
    bool complete = false;
    ASSERT_TRUE(m_program.ReadStore(saved, complete));
    ASSERT_EQ(1u, saved.size());
    EXPECT_EQ("harbour", saved[0].name);
}

} // namespace
