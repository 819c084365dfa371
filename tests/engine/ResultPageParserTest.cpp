#include "engine/ResultPageParser.h"

#include "tests/support/ResultPageBuilder.h"

#include <gtest/gtest.h>

#include <string.h>

#include <memory>

namespace {

const unsigned char kGuard = 0xA5;

// A parser followed by guard bytes, and a scratch buffer of exactly the page's
// length plus one, followed by guard bytes too.
struct GuardedParse
{
    explicit GuardedParse(const std::string& page) : scratch(page.size() + 1 + sizeof(guard), kGuard)
    {
        memset(guard, kGuard, sizeof guard);
        stop = parser.Parse(page.c_str(), scratch.data());
    }

    bool GuardsIntact() const
    {
        for (unsigned char byte : guard)
        {
            if (byte != kGuard)
                return false;
        }
        for (size_t i = scratch.size() - sizeof(guard); i < scratch.size(); ++i)
        {
            if (static_cast<unsigned char>(scratch[i]) != kGuard)
                return false;
        }
        return true;
    }

    ResultPageParser parser;
    unsigned char guard[64];
    std::vector<char> scratch;
    char* stop;
};

void ExpectEntry(const ResultEntry& entry, const PageRecord& record)
{
    EXPECT_EQ(entry.link, record.link);
    EXPECT_EQ(entry.title, record.title);
    EXPECT_EQ(entry.time, record.time);
    EXPECT_EQ(entry.summary, record.summary);
}

TEST(ResultPageParser, ReadsEveryRecordOfAPage)
{
    std::vector<PageRecord> records = {NumberedRecord(1), NumberedRecord(2), NumberedRecord(3)};
    auto parse = std::make_unique<GuardedParse>(ResultPageHtml(records));
    ASSERT_EQ(parse->parser.count, 3);
    for (int i = 0; i < 3; ++i)
        ExpectEntry(parse->parser.entries[i], records[i]);
    EXPECT_NE(parse->stop, nullptr);
    EXPECT_TRUE(parse->GuardsIntact());
}

struct FieldCase
{
    PageRecord written;
    PageRecord read;
};

// Bold and font tags go; titles and summaries are decoded, links and times
// are not; an entity consumes the character after its name; a tag inside the
// anchor leaves only the text after it.
TEST(ResultPageParser, CleansAndDecodesTheFieldsOfARecord)
{
    const FieldCase cases[] = {
        {{"http://example.com/a?x=1&amp;y=2", "<b>Big</b> <font color=red>news</font> &quot;today&quot;",
          "<b>2</b> hours ago", "Fish &amp; chips &quot;cheap&quot; &lt;now&gt; &apos;ok&apos; &nbsp;"},
         {"http://example.com/a?x=1&amp;y=2", "Big news \"today\"", "2 hours ago",
          "Fish & chips \"cheap\" <now> 'ok' &nbsp;"}},
        {{"l", "t", "h", "a&ampb&quot"}, {"l", "t", "h", "a&\""}},
        {{"l", "before <i>slanted</i> after", "h", "s"}, {"l", " after", "h", "s"}},
        {{"l", "&amp;&lt", "h", "&amp"}, {"l", "&<", "h", "&"}},
    };
    for (const FieldCase& test : cases)
    {
        auto parse = std::make_unique<GuardedParse>(ResultPageHtml({test.written}));
        ASSERT_EQ(parse->parser.count, 1) << test.written.title;
        ExpectEntry(parse->parser.entries[0], test.read);
    }
}

TEST(ResultPageParser, LinksMayUseEitherQuote)
{
    std::string page = ResultPageHtml({NumberedRecord(1)});
    page.replace(page.find("href=\"") + 5, 1, "'");
    page.replace(page.find("\" id=r-0"), 1, "'");
    auto parse = std::make_unique<GuardedParse>(page);
    ASSERT_EQ(parse->parser.count, 1);
    EXPECT_STREQ(parse->parser.entries[0].link, "http://example.com/story1");
}

TEST(ResultPageParser, EndsAfterARecordFollowedByTheCellEnd)
{
    std::string page = ResultPageHtml({NumberedRecord(1)});
    std::string second = ResultRecordHtml(NumberedRecord(2));
    // A second record after the cell's end is not read.
    page.insert(page.find("</td></tr></table></div>") + 9, second);
    auto parse = std::make_unique<GuardedParse>(page);
    EXPECT_EQ(parse->parser.count, 1);
}

struct NoRecordCase
{
    std::string page;
    bool stopsAtNull;
};

// Pages without the markers give no records; pages without any text give null.
TEST(ResultPageParser, PagesWithoutRecordsGiveNone)
{
    std::string sidebar = ResultPageHtml({NumberedRecord(1)});
    sidebar.replace(sidebar.find("mainbody"), 8, "sidebar");
    const NoRecordCase cases[] = {
        {sidebar, false},
        {"<div class=mainbody><table><tr><td>nothing</td></tr></table>", false},
        {"", true},
        {"<b></b><font size=1></font>", true},
        {"<font size=", true},
    };
    for (const NoRecordCase& test : cases)
    {
        SCOPED_TRACE(test.page);
        auto parse = std::make_unique<GuardedParse>(test.page);
        EXPECT_EQ(parse->parser.count, 0);
        if (test.stopsAtNull)
        {
            EXPECT_EQ(parse->stop, nullptr);
        }
    }
    ResultPageParser parser;
    EXPECT_EQ(parser.Parse(nullptr, nullptr), nullptr);
    EXPECT_EQ(parser.count, 0);
}

TEST(ResultPageParser, EveryPrefixGivesTheCompleteRecordsBeforeTheCut)
{
    std::vector<PageRecord> records = {NumberedRecord(1), NumberedRecord(2), NumberedRecord(3)};
    records[1].title = "<b>&quot;Bold&quot;</b>";
    records[1].summary = "x &amp; y";
    std::string page = ResultPageHtml(records);
    auto full = std::make_unique<GuardedParse>(page);
    ASSERT_EQ(full->parser.count, 3);
    int previous = 0;
    for (size_t length = 0; length <= page.size(); ++length)
    {
        auto parse = std::make_unique<GuardedParse>(page.substr(0, length));
        const ResultPageParser& parser = parse->parser;
        ASSERT_GE(parser.count, previous) << "prefix length " << length;
        ASSERT_LE(parser.count, 3);
        for (int i = 0; i < parser.count; ++i)
        {
            EXPECT_STREQ(parser.entries[i].link, full->parser.entries[i].link);
            EXPECT_STREQ(parser.entries[i].title, full->parser.entries[i].title);
            EXPECT_STREQ(parser.entries[i].time, full->parser.entries[i].time);
            EXPECT_STREQ(parser.entries[i].summary, full->parser.entries[i].summary);
        }
        if (parse->stop)
        {
            EXPECT_GE(parse->stop, parse->scratch.data());
            EXPECT_LE(parse->stop, parse->scratch.data() + length);
        }
        ASSERT_TRUE(parse->GuardsIntact()) << "prefix length " << length;
        previous = parser.count;
    }
    EXPECT_EQ(previous, 3);
}

TEST(ResultPageParser, KeepsTenRecordsAndCutsOverlongFieldsToTheirArrays)
{
    std::vector<PageRecord> records;
    for (int i = 1; i <= 15; ++i)
    {
        PageRecord record = NumberedRecord(i);
        record.link += std::string(600, 'l');
        record.title = std::string(1000, 't');
        record.time = std::string(300, 'h');
        record.summary = std::string(5000, 's');
        records.push_back(record);
    }
    auto parse = std::make_unique<GuardedParse>(ResultPageHtml(records));
    ASSERT_EQ(parse->parser.count, 10);
    for (int i = 0; i < 10; ++i)
    {
        const ResultEntry& entry = parse->parser.entries[i];
        EXPECT_EQ(std::string(entry.link), records[i].link.substr(0, 259));
        EXPECT_EQ(std::string(entry.title), std::string(259, 't'));
        EXPECT_EQ(std::string(entry.time), std::string(259, 'h'));
        EXPECT_EQ(std::string(entry.summary), std::string(1999, 's'));
    }
    EXPECT_TRUE(parse->GuardsIntact());
}

} // namespace
