#include "engine/KeywordGroup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

NewsItem* Item(const char* title, const char* link, BOOL unread = 0, BOOL unalerted = 0)
{
    NewsItem* item = new NewsItem(title, link, "time", "summary", nullptr, unread);
    item->unalerted = unalerted;
    return item;
}

// The titles forwards, then backwards from the tail (to check the prev links
// and the tail too), then the unread and unalerted counts.
std::string Chain(const Keyword& keyword)
{
    std::string titles;
    for (NewsItem* item = keyword.firstItem; item; item = item->next)
        titles += std::string(item->title) + ";";
    titles += "|";
    for (NewsItem* item = keyword.lastItem; item; item = item->prev)
        titles += std::string(item->title) + ";";
    return titles + "|" + std::to_string(keyword.unreadCount) + "/" + std::to_string(keyword.unalertedCount);
}

Keyword* AddKeyword(KeywordGroup& group, const char* name)
{
    Keyword* keyword = new Keyword(name);
    group.Add(keyword);
    return keyword;
}

// The names forwards, then backwards from the last, then the count.
std::string Names(const KeywordGroup& group)
{
    std::string names;
    for (Keyword* keyword = group.GetFirst(); keyword; keyword = group.GetNext(keyword))
        names += std::string(keyword->name) + ";";
    names += "|";
    for (Keyword* keyword = group.last; keyword; keyword = keyword->prev)
        names += std::string(keyword->name) + ";";
    return names + "|" + std::to_string(group.keywordCount);
}

TEST(NewsItem, TheDatedConstructorNamesTheWeekday)
{
    // Each date and how it shows.
    const std::tuple<int, int, int, const char*> cases[] = {
        {2007, 3, 15, "Thr 3/15/2007"}, {2000, 2, 29, "Tue 2/29/2000"},   {1900, 3, 1, "Thr 3/1/1900"},
        {1600, 1, 1, "Sat 1/1/1600"},   {9999, 12, 31, "Fri 12/31/9999"}, {2024, 6, 2, "Sun 6/2/2024"},
        {1, 1, 1, "Mon 1/1/1"}};
    for (const auto& [year, month, day, shown] : cases)
        EXPECT_STREQ(NewsItem("t", "l", year, month, day, 0).displayTime, shown);
}

TEST(NewsItem, SameNewsMeansEqualTitleAndLink)
{
    NewsItem a("Title", "http://x/1", "Mon", "one", nullptr, 0);
    EXPECT_TRUE(a == NewsItem("Title", "http://x/1", "Tue", "two", nullptr, 1));
    EXPECT_FALSE(a == NewsItem("Title", "http://x/2", "Mon", "one", nullptr, 0));
    EXPECT_FALSE(a == NewsItem("title", "http://x/1", "Mon", "one", nullptr, 0));
    EXPECT_FALSE(a == NewsItem("Title", "HTTP://x/1", "Mon", "one", nullptr, 0));
}

TEST(Keyword, AppendAndUnlinkKeepBothDirectionsOfTheList)
{
    Keyword keyword("k");
    NewsItem* items[] = {Item("a", "1"), Item("b", "2"), Item("c", "3"), Item("d", "4")};
    for (NewsItem* item : items)
        keyword.AppendItem(item);
    // Appending leaves the counting to the caller.
    EXPECT_EQ(Chain(keyword), "a;b;c;d;|d;c;b;a;|0/0");
    keyword.UnlinkItem(items[1]);
    EXPECT_EQ(items[1]->next, nullptr);
    EXPECT_EQ(items[1]->prev, nullptr);
    keyword.UnlinkItem(items[0]);
    keyword.UnlinkItem(items[3]);
    EXPECT_EQ(Chain(keyword), "c;|c;|0/0");
    keyword.UnlinkItem(items[2]);
    EXPECT_EQ(Chain(keyword), "||0/0");
    for (NewsItem* item : items)
        delete item;
}

TEST(Keyword, SetItemsTakesTheChainAndRecounts)
{
    Keyword keyword("k");
    keyword.AppendItem(Item("old", "0", 1, 1));
    keyword.unreadCount = 1;
    Keyword source("s"); // lends its chain
    for (NewsItem* item : {Item("a", "1", 1, 0), Item("b", "2", 1, 1), Item("c", "3", 0, 1)})
        source.AppendItem(item);
    keyword.SetItems(source.firstItem, source.lastItem);
    source.firstItem = source.lastItem = nullptr;
    EXPECT_EQ(Chain(keyword), "a;b;c;|c;b;a;|2/2");
    keyword.SetItems(nullptr, nullptr);
    EXPECT_EQ(Chain(keyword), "||0/0");
}

TEST(Keyword, FindSameItemSwapsStateAndTime)
{
    Keyword keyword("k");
    NewsItem fresh("a", "1", "new time", "s", &keyword, 0);
    EXPECT_EQ(keyword.FindSameItem(&fresh), 0);
    EXPECT_STREQ(fresh.displayTime, "new time");

    NewsItem* old = Item("a", "1", 1, 1);
    keyword.AppendItem(Item("a", "2"));
    keyword.AppendItem(old);
    EXPECT_EQ(keyword.FindSameItem(&fresh), 1);
    EXPECT_STREQ(old->displayTime, "new time");
    EXPECT_EQ(fresh.unread, 1);
    EXPECT_EQ(fresh.unalerted, 1);
}

// A story is found by its title and link, both compared case-sensitively.
TEST(Keyword, FindStoryFindsTheItemOfTheSameNews)
{
    Keyword keyword("k");
    NewsItem* items[] = {Item("a", "1"), Item("b", "2"), Item("a", "3")};
    for (NewsItem* item : items)
        keyword.AppendItem(item);
    const struct
    {
        const char* title;
        const char* link;
        NewsItem* found;
    } cases[] = {
        {"a", "1", items[0]}, {"b", "2", items[1]}, {"a", "3", items[2]}, {"a", "2", nullptr},
        {"B", "2", nullptr},  {"b", "", nullptr},   {"", "", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keyword.FindStory(c.title, c.link), c.found) << c.title << " " << c.link;
    EXPECT_EQ(Keyword("empty").FindStory("a", "1"), nullptr);
}

TEST(Keyword, InsertItemPlacesOrRefreshes)
{
    Keyword keyword("k");
    EXPECT_EQ(keyword.InsertItem(Item("b", "2"), 0), 1);
    EXPECT_EQ(keyword.InsertItem(Item("a", "1"), 1), 1);
    EXPECT_EQ(keyword.InsertItem(Item("z", "9"), -1), 1);
    NewsItem* same = new NewsItem("b", "2", "fresh", "", nullptr, 0);
    EXPECT_EQ(keyword.InsertItem(same, 0), 0);
    delete same;
    EXPECT_STREQ(keyword.firstItem->next->displayTime, "fresh");
    EXPECT_EQ(keyword.InsertItem(Item("n", "5"), 7), 1);
    EXPECT_EQ(Chain(keyword), "n;a;b;z;|z;b;a;n;|0/0");
}

TEST(Keyword, TrimItemsKeepsTenAndCountsDeletedUnread)
{
    Keyword keyword("k");
    for (int i = 0; i < 10; ++i)
        keyword.AppendItem(Item(std::to_string(i).c_str(), "l", i == 0));
    EXPECT_EQ(keyword.TrimItems(), 0);
    keyword.AppendItem(Item("10", "l", 1));
    keyword.AppendItem(Item("11", "l", 1));
    EXPECT_EQ(keyword.TrimItems(), 2);
    EXPECT_EQ(Chain(keyword), "0;1;2;3;4;5;6;7;8;9;|9;8;7;6;5;4;3;2;1;0;|0/0");
    EXPECT_EQ(keyword.lastItem->next, nullptr);
}

// The number counts the items in list order, whatever order a list shows
// them in. A keyword never clicked names no item: its row 0 is the top row
// as the news list shows it, which need not be the first item.
TEST(Keyword, TheLastClickedItemIsTheItemAtTheRememberedNumber)
{
    Keyword keyword("k");
    NewsItem* items[] = {Item("a", "1"), Item("b", "2"), Item("c", "3")};
    for (NewsItem* item : items)
        keyword.AppendItem(item);
    EXPECT_EQ(keyword.LastClickedItem(), nullptr) << "a new keyword";
    EXPECT_EQ(keyword.lastClickedRow, 0) << "a new keyword";
    keyword.SetLastClickedItem(items[2]);
    EXPECT_EQ(keyword.lastClickedRow, 2);
    EXPECT_EQ(keyword.LastClickedItem(), items[2]);
    keyword.SetLastClickedItem(items[1]);
    EXPECT_EQ(keyword.LastClickedItem(), items[1]);
    for (int number : {3, 7, -1})
    {
        keyword.lastClickedRow = number;
        EXPECT_EQ(keyword.LastClickedItem(), nullptr) << number;
    }
    EXPECT_EQ(Keyword("empty").LastClickedItem(), nullptr);
}

// A check replaces the items by fresh ones in the page's order: the clicked
// story keeps being the clicked one wherever the page puts it, and once it
// is gone the keyword is as one never clicked (number 0, no story named),
// never naming a story that merely came to the clicked one's place. A
// keyword never clicked follows no story: after any number of checks it
// still names none, and the news list takes its top row.
TEST(Keyword, SetItemsCarriesTheLastClickedNumberToTheSameStory)
{
    typedef std::vector<std::pair<const char*, const char*>> Page; // title, link
    const Page tenNew = {{"n0", "10"}, {"n1", "11"}, {"n2", "12"}, {"n3", "13"}, {"n4", "14"},
                         {"n5", "15"}, {"n6", "16"}, {"n7", "17"}, {"n8", "18"}, {"n9", "19"}};
    const int kNever = -1;
    const struct
    {
        const char* name;
        int clicked; // the number a click left among a, b, c; kNever for none
        std::vector<Page> checks;
        int number;
        const char* story; // the title of the item it names, "" for none
    } cases[] = {
        {"behind new stories", 1, {{{"n", "8"}, {"m", "9"}, {"b", "2"}, {"a", "1"}}}, 2, "b"},
        {"first now", 2, {{{"c", "3"}, {"a", "1"}}}, 0, "c"},
        {"in the same place", 1, {{{"n", "9"}, {"b", "2"}}}, 1, "b"},
        {"the first story clicked, then behind a new one", 0, {{{"n", "9"}, {"a", "1"}}}, 1, "a"},
        {"followed through two checks",
         0,
         {{{"n", "9"}, {"a", "1"}}, {{"m", "8"}, {"n", "9"}, {"a", "1"}}},
         2,
         "a"},
        {"gone: as never clicked", 1, {{{"x", "7"}, {"y", "8"}, {"z", "9"}}}, 0, ""},
        {"gone behind ten new stories: as never clicked", 2, {tenNew}, 0, ""},
        {"gone, then a check puts a story first: still as never clicked",
         1,
         {{{"x", "7"}, {"y", "8"}}, {{"w", "6"}, {"x", "7"}, {"y", "8"}}},
         0,
         ""},
        {"never clicked, a check puts a story first: still none named",
         kNever,
         {{{"n", "9"}, {"a", "1"}}},
         0,
         ""},
        {"never clicked, after two checks that each put a story first",
         kNever,
         {{{"n", "9"}, {"a", "1"}}, {{"m", "8"}, {"n", "9"}, {"a", "1"}}},
         0,
         ""},
        {"never clicked, the first story gone", kNever, {{{"n", "9"}, {"b", "2"}}}, 0, ""},
        {"the same title with another link is another story", 0, {{{"n", "9"}, {"a", "5"}}}, 0, ""},
        {"the same link with another title is another story", 0, {{{"n", "9"}, {"A", "1"}}}, 0, ""},
        {"an empty page: as never clicked", 2, {{}}, 0, ""},
        {"a number past the items names no story: as never clicked", 5, {{{"n", "9"}, {"a", "1"}}}, 0, ""},
    };
    for (const auto& c : cases)
    {
        Keyword keyword("k");
        for (NewsItem* item : {Item("a", "1"), Item("b", "2"), Item("c", "3")})
            keyword.AppendItem(item);
        if (c.clicked != kNever)
        {
            keyword.SetLastClickedItem(keyword.firstItem);
            keyword.lastClickedRow = c.clicked;
        }
        for (const Page& page : c.checks)
        {
            Keyword source("s"); // lends its chain
            for (const auto& [title, link] : page)
                source.AppendItem(Item(title, link));
            keyword.SetItems(source.firstItem, source.lastItem);
            source.firstItem = source.lastItem = nullptr;
        }
        EXPECT_EQ(keyword.lastClickedRow, c.number) << c.name;
        const NewsItem* story = keyword.LastClickedItem();
        EXPECT_STREQ(story != nullptr ? (LPCTSTR)story->title : "", c.story) << c.name;
    }
}

// A group of three keywords whose names differ only in capitals or not at all.
class KeywordGroupTest : public ::testing::Test
{
protected:
    KeywordGroup group_;
    Keyword* a_ = AddKeyword(group_, "Tide");
    Keyword* b_ = AddKeyword(group_, "beta");
    Keyword* c_ = AddKeyword(group_, "tide");
};

TEST_F(KeywordGroupTest, AddKeepsTheOrderAndFindMatchesExactlyOrIgnoringCase)
{
    EXPECT_EQ(Names(group_), "Tide;beta;tide;|tide;beta;Tide;|3");
    EXPECT_EQ(group_.FindNoCase("TIDE"), a_);
    EXPECT_EQ(group_.Find("tide"), c_);
    EXPECT_EQ(group_.Find("TIDE"), nullptr);
    EXPECT_EQ(group_.FindNoCase("ebb"), nullptr);
}

TEST_F(KeywordGroupTest, RemoveUnlinksOneKeywordWithItsItemsAndKeepsTheRest)
{
    b_->AppendItem(Item("x", "1"));
    group_.Remove(b_);
    EXPECT_EQ(b_->firstItem, nullptr);
    EXPECT_EQ(b_->next, nullptr);
    delete b_;
    group_.Remove(nullptr);
    EXPECT_EQ(Names(group_), "Tide;tide;|tide;Tide;|2");
    group_.Remove(a_);
    delete a_;
    EXPECT_EQ(Names(group_), "tide;|tide;|1");
}

// Removing every keyword leaves the unread total to the caller.
TEST_F(KeywordGroupTest, RemoveAllKeywordsLeavesTheUnreadTotalToTheCaller)
{
    c_->AppendItem(Item("t", "l", 1));
    group_.totalUnread = 3;
    group_.RemoveAllKeywords();
    EXPECT_EQ(Names(group_), "||0");
    EXPECT_EQ(group_.totalUnread, 3);
}

TEST(KeywordGroup, PopNextUnalertedWalksKeywordsAndItemsInOrder)
{
    KeywordGroup group;
    Keyword* quiet = AddKeyword(group, "quiet");
    Keyword* busy = AddKeyword(group, "busy");
    Keyword* late = AddKeyword(group, "late");
    quiet->AppendItem(Item("q", "1", 0, 1)); // flagged, but the count says none: skipped
    busy->AppendItem(Item("b1", "1", 1, 0));
    busy->AppendItem(Item("b2", "2", 1, 1));
    busy->AppendItem(Item("b3", "3", 1, 1));
    busy->unalertedCount = 2;
    late->AppendItem(Item("l1", "1", 1, 1));
    late->unalertedCount = 1;
    std::string popped;
    while (NewsItem* item = group.PopNextUnalerted())
        popped += std::string(item->title) + (item->unalerted ? "+a;" : ";");
    EXPECT_EQ(popped, "b2;b3;l1;");
    EXPECT_EQ(Chain(*busy) + " " + Chain(*late), "b1;b2;b3;|b3;b2;b1;|0/0 l1;|l1;|0/0");
}

// Three keywords as the store reader leaves them: "tide" with t1 (unread, not
// yet alerted), t2 (read) and t3 (unread), "ebb" with e1 (unread), "calm"
// with nothing unread; the total is 3.
struct ReadingGroup
{
    ReadingGroup()
    {
        for (const auto& [keyword, title, unread, unalerted] :
             {std::make_tuple(tide_, "t1", 1, 1), std::make_tuple(tide_, "t2", 0, 0),
              std::make_tuple(tide_, "t3", 1, 0), std::make_tuple(ebb_, "e1", 1, 0),
              std::make_tuple(calm_, "c1", 0, 0)})
        {
            NewsItem* item = Item(title, "l", unread, unalerted);
            item->owner = keyword;
            keyword->AppendItem(item);
            keyword->unreadCount += unread;
            keyword->unalertedCount += unalerted;
            group_.totalUnread += unread;
        }
    }

    NewsItem* ItemNamed(const char* title)
    {
        for (Keyword* keyword = group_.GetFirst(); keyword; keyword = group_.GetNext(keyword))
            for (NewsItem* item = keyword->firstItem; item; item = item->next)
                if (item->title == title)
                    return item;
        return nullptr;
    }

    // Per keyword its items (u unread, a not yet alerted) and its counts;
    // then the group's total.
    std::string State()
    {
        std::string state;
        for (Keyword* keyword = group_.GetFirst(); keyword; keyword = group_.GetNext(keyword))
        {
            state += std::string(keyword->name) + ":";
            for (NewsItem* item = keyword->firstItem; item; item = item->next)
                state += std::string(" ") + (LPCTSTR)item->title + (item->unread ? "u" : "") + (item->unalerted ? "a" : "");
            state += " " + std::to_string(keyword->unreadCount) + "/" + std::to_string(keyword->unalertedCount) + "; ";
        }
        return state + "total " + std::to_string(group_.totalUnread);
    }

    KeywordGroup group_;
    Keyword* tide_ = AddKeyword(group_, "tide");
    Keyword* ebb_ = AddKeyword(group_, "ebb");
    Keyword* calm_ = AddKeyword(group_, "calm");
};

TEST(KeywordGroup, EachWayOfMarkingReadKeepsTheCountsAndLeavesTheAlerts)
{
    struct Case
    {
        const char* name;
        std::function<int(ReadingGroup&)> mark;
        int marked;
        const char* state;
    };
    const Case cases[] = {
        {"an unread item", [](ReadingGroup& t) { return t.group_.MarkItemRead(*t.ItemNamed("t1")); }, 1,
         "tide: t1a t2 t3u 1/1; ebb: e1u 1/0; calm: c1 0/0; total 2"},
        {"an item read already", [](ReadingGroup& t) { return t.group_.MarkItemRead(*t.ItemNamed("t2")); }, 0,
         "tide: t1ua t2 t3u 2/1; ebb: e1u 1/0; calm: c1 0/0; total 3"},
        {"the last unread item of a keyword",
         [](ReadingGroup& t) { return t.group_.MarkItemRead(*t.ItemNamed("e1")); }, 1,
         "tide: t1ua t2 t3u 2/1; ebb: e1 0/0; calm: c1 0/0; total 2"},
        {"a keyword", [](ReadingGroup& t) { return t.group_.MarkKeywordRead(*t.tide_); }, 2,
         "tide: t1a t2 t3 0/1; ebb: e1u 1/0; calm: c1 0/0; total 1"},
        {"a keyword with nothing unread", [](ReadingGroup& t) { return t.group_.MarkKeywordRead(*t.calm_); },
         0, "tide: t1ua t2 t3u 2/1; ebb: e1u 1/0; calm: c1 0/0; total 3"},
        {"every keyword", [](ReadingGroup& t) { return t.group_.MarkAllRead(); }, 3,
         "tide: t1a t2 t3 0/1; ebb: e1 0/0; calm: c1 0/0; total 0"},
        {"every keyword twice",
         [](ReadingGroup& t) { return t.group_.MarkAllRead() + t.group_.MarkAllRead(); }, 3,
         "tide: t1a t2 t3 0/1; ebb: e1 0/0; calm: c1 0/0; total 0"},
    };
    for (const Case& c : cases)
    {
        ReadingGroup fresh;
        EXPECT_EQ(c.mark(fresh), c.marked) << c.name;
        EXPECT_EQ(fresh.State(), c.state) << c.name;
    }
}

} // namespace
