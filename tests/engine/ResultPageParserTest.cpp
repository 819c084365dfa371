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
        const std::vector<char> untouched(sizeof guard, static_cast<char>(kGuard));
        return memcmp(guard, untouched.data(), sizeof guard) == 0
               && memcmp(&scratch[scratch.size() - sizeof guard], untouched.data(), sizeof guard) == 0;
    }

    ResultPageParser parser;
    unsigned char guard[64];
    std::vector<char> scratch;
    char* stop;
};

// The entries read, one "link|title|time|summary" line each.
std::string Entries(const ResultPageParser& parser)
{
    std::string text;
    for (int i = 0; i < parser.count; ++i)
    {
        const ResultEntry& entry = parser.entries[i];
        text += std::string(entry.link) + "|" + entry.title + "|" + entry.time + "|" + entry.summary + "\n";
    }
    return text;
}

// Bold and font tags go; titles and summaries are decoded, links and times
// are not; an entity consumes the character after its name; a tag inside the
// anchor leaves only the text after it.
TEST(ResultPageParser, CleansAndDecodesTheFieldsOfARecord)
{
    const std::pair<PageRecord, const char*> cases[] = {
        {{"http://example.com/a?x=1&amp;y=2", "<b>Big</b> <font color=red>news</font> &quot;today&quot;",
          "<b>2</b> hours ago", "Fish &amp; chips &quot;cheap&quot; &lt;now&gt; &apos;ok&apos; &nbsp;"},
         "http://example.com/a?x=1&amp;y=2|Big news \"today\"|2 hours ago|Fish & chips \"cheap\" <now> 'ok' "
         "&nbsp;\n"},
        {{"l", "t", "h", "a&ampb&quot"}, "l|t|h|a&\"\n"},
        {{"l", "before <i>slanted</i> after", "h", "s"}, "l| after|h|s\n"},
        {{"l", "&amp;&lt", "h", "&amp"}, "l|&<|h|&\n"},
    };
    for (const auto& [written, read] : cases)
    {
        auto parse = std::make_unique<GuardedParse>(ResultPageHtml({written}));
        EXPECT_EQ(Entries(parse->parser), read);
    }
}

TEST(ResultPageParser, LinksMayUseEitherQuote)
{
    std::string page = ResultPageHtml({NumberedRecord(1)});
    page.replace(page.find("href=\"") + 5, 1, "'");
    page.replace(page.find("\" id=r-0"), 1, "'");
    auto parse = std::make_unique<GuardedParse>(page);
    EXPECT_EQ(Entries(parse->parser), "http://example.com/story1|Title 1|1 hours ago|Summary 1\n");
}

TEST(ResultPageParser, EndsAfterARecordFollowedByTheCellEnd)
{
    std::string page = ResultPageHtml({NumberedRecord(1)});
    // A second record after the cell's end is not read.
    page.insert(page.find("</td></tr></table></div>") + 9, ResultRecordHtml(NumberedRecord(2)));
    auto parse = std::make_unique<GuardedParse>(page);
    EXPECT_EQ(parse->parser.count, 1);
}

// Pages without the markers give no records; pages without any text give null.
TEST(ResultPageParser, PagesWithoutRecordsGiveNone)
{
    std::string sidebar = ResultPageHtml({NumberedRecord(1)});
    sidebar.replace(sidebar.find("mainbody"), 8, "sidebar");
    const std::pair<std::string, bool> cases[] = {
        {sidebar, false},
        {"<div class=mainbody><table><tr><td>nothing</td></tr></table>", false},
        {"", true},
        {"<b></b><font size=1></font>", true},
        {"<font size=", true},
    };
    for (const auto& [page, stopsAtNull] : cases)
    {
        SCOPED_TRACE(page);
        auto parse = std::make_unique<GuardedParse>(page);
        EXPECT_EQ(parse->parser.count, 0);
        EXPECT_TRUE(!stopsAtNull || parse->stop == nullptr);
    }
}

// Every prefix of a page gives the complete records before the cut, stops
// inside its text and writes nothing outside its buffers.
TEST(ResultPageParser, EveryPrefixGivesTheCompleteRecordsBeforeTheCut)
{
    std::vector<PageRecord> records = {NumberedRecord(1), NumberedRecord(2), NumberedRecord(3)};
    records[1].title = "<b>&quot;Bold&quot;</b>";
    records[1].summary = "x &amp; y";
    std::string page = ResultPageHtml(records);
    const std::string all = "http://example.com/story1|Title 1|1 hours ago|Summary 1\n"
                            "http://example.com/story2|\"Bold\"|2 hours ago|x & y\n"
                            "http://example.com/story3|Title 3|3 hours ago|Summary 3\n";
    size_t previous = 0;
    for (size_t length = 0; length <= page.size(); ++length)
    {
        auto parse = std::make_unique<GuardedParse>(page.substr(0, length));
        std::string read = Entries(parse->parser);
        ASSERT_GE(read.size(), previous) << "prefix length " << length;
        ASSERT_EQ(read, all.substr(0, read.size())) << "prefix length " << length;
        if (parse->stop)
        {
            EXPECT_GE(parse->stop, parse->scratch.data());
            EXPECT_LE(parse->stop, parse->scratch.data() + length);
        }
        ASSERT_TRUE(parse->GuardsIntact()) << "prefix length " << length;
        previous = read.size();
    }
    EXPECT_EQ(previous, all.size());
}

TEST(ResultPageParser, KeepsTenRecordsAndCutsOverlongFieldsToTheirArrays)
{
    std::vector<PageRecord> records;
    std::string expected;
    for (int i = 1; i <= 15; ++i)
    {
        PageRecord record = NumberedRecord(i);
        record.link += std::string(600, 'l');
        record.title = std::string(1000, 't');
        record.time = std::string(300, 'h');
        record.summary = std::string(5000, 's');
        records.push_back(record);
        if (i <= 10)
            expected += record.link.substr(0, 259) + "|" + std::string(259, 't') + "|" + std::string(259, 'h')
                        + "|" + std::string(1999, 's') + "\n";
    }
    auto parse = std::make_unique<GuardedParse>(ResultPageHtml(records));
    EXPECT_TRUE(Entries(parse->parser) == expected);
    EXPECT_TRUE(parse->GuardsIntact());
}

} // namespace
