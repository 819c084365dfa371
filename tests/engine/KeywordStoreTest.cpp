#include "engine/KeywordGroup.h"
#include "engine/ProgramFolder.h"
#include "engine/StoreTemporaryFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>";

Keyword* AddKeyword(KeywordGroup& group, const char* name)
{
    Keyword* keyword = new Keyword(name);
    group.Add(keyword);
    return keyword;
}

NewsItem* AddItem(Keyword* keyword, const CString& title, const CString& link, const CString& time,
                  const CString& summary, BOOL unread)
{
    NewsItem* item = new NewsItem(title, link, time, summary, keyword, unread);
    keyword->AppendItem(item);
    return item;
}

// Every keyword with its items and their stored fields, for comparing groups.
std::string Describe(const KeywordGroup& group)
{
    std::string text;
    for (Keyword* keyword = group.GetFirst(); keyword; keyword = group.GetNext(keyword))
    {
        text += "[" + std::string(keyword->name) + "|" + std::to_string(keyword->unreadCount) + "]";
        for (NewsItem* item = keyword->firstItem; item; item = item->next)
        {
            text += "{" + std::string(item->title) + "|" + std::string(item->link) + "|"
                    + std::string(item->displayTime) + "|" + std::string(item->summary) + "|"
                    + (item->unread ? "u" : "r") + (item->unalerted ? "a" : "") + "}";
            EXPECT_EQ(item->owner, keyword);
        }
    }
    return text;
}

class KeywordStoreTest : public ::testing::Test
{
protected:
    KeywordStoreTest() { SetProgramFolder(folder_.Path().c_str()); }
    ~KeywordStoreTest() override { SetProgramFolder(""); }

    static std::string Wrap(const std::string& keywords)
    {
        return kDeclaration + "<Shorewatch Version=\"2.0\"><KeywordGroup>" + keywords
               + "</KeywordGroup></Shorewatch>";
    }

    TempFolder folder_;
    std::string path_ = folder_.File("store.xml");
    std::string conf_ = folder_.File("conf.xml");
    KeywordGroup group_;
    KeywordGroup loaded_;
};

TEST_F(KeywordStoreTest, WritesTheExactFileForm)
{
    Keyword* tide = AddKeyword(group_, "tide");
    AddItem(tide, "Big \"wave\"", "http://e.com/?a=1&b=2", "Thr 3/15/2007", "x < y", 1);
    AddItem(tide, "calm", " ", " ", "", 0);
    AddKeyword(group_, "solo");
    ASSERT_EQ(group_.ConfWriter(path_.c_str()), 1);
    EXPECT_EQ(
        ReadBytes(path_),
        kDeclaration
            + "\r\n<Shorewatch Version=\"2.0\">"
              "\r\n\t<KeywordGroup>"
              "\r\n\t\t<Keyword name=\"tide\">"
              "\r\n\t\t\t<Link unread=\"true\" title=\"Big \\\"wave\\\"\" url=\"http://e.com/?a=1&b=2\" "
              "time=\"Thr 3/15/2007\" summary=\"x < y\">"
              "\r\n\t\t\t</Link>"
              "\r\n\t\t\t<Link unread=\"false\" title=\"calm\" url=\" \" time=\" \" summary=\"\">"
              "\r\n\t\t\t</Link>"
              "\r\n\t\t</Keyword>"
              "\r\n\t\t<Keyword name=\"solo\">"
              "\r\n\t\t</Keyword>"
              "\r\n\t</KeywordGroup>"
              "\r\n</Shorewatch>");
}

TEST_F(KeywordStoreTest, EveryTextRoundTrips)
{
    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "long \"quoted\" text\\ ";
    const char* texts[] = {"plain",
                           "say \"hi\"",
                           "ends with a backslash\\",
                           "ends with a backslash and blanks\\  ",
                           "backslash before a quote \\\" and \\\\",
                           "\\",
                           "\"",
                           "&amp; <tag> & > <",
                           "eight-bit \xE9\xE8\xFC\xA0\xFF",
                           "",
                           " ",
                           "line one\nline two\r\nline three",
                           "tab\there",
                           longText.c_str()};
    for (const char* text : texts)
    {
        Keyword* keyword = AddKeyword(group_, text);
        AddItem(keyword, text, text, text, text, 1);
        AddItem(keyword, "other", "x", "y", "z", 0);
    }
    ASSERT_EQ(group_.ConfWriter(path_.c_str()), 1);
    ASSERT_EQ(loaded_.ConfReader(path_.c_str()), 1);
    for (Keyword* keyword = group_.GetFirst(); keyword; keyword = group_.GetNext(keyword))
        keyword->unreadCount = 1;
    EXPECT_EQ(Describe(loaded_), Describe(group_));
    EXPECT_EQ(loaded_.totalUnread, 14);
}

// Each file with what it loads: "fails", or the keywords read.
TEST_F(KeywordStoreTest, ReadsHandWrittenFiles)
{
    const std::pair<std::string, const char*> cases[] = {
        // The first attribute names the keyword, whatever its capitals.
        {Wrap("<Keyword Name=\"x\"></Keyword>"), "[x|0]"},
        {Wrap("<keyword NAME=\"x\"><Link title=\"t\"/></keyword>"), "[x|0]{t| | ||r}"},
        {Wrap("<Keyword Name=\"x\" name=\"y\"/>"), "[x|0]"},
        // The first attribute must be the name.
        {Wrap("<Keyword id=\"1\" name=\"x\"></Keyword><Keyword name=\"y\"/>"), "[y|0]"},
        {Wrap("<Other name=\"x\"/><Keyword/>"), ""},
        // Items: any element name; missing fields take their defaults.
        {Wrap("<Keyword name=\"k\"><Item title=\"a\" unread=\"true\"/><Link summary=\"s\"/></Keyword>"),
         "[k|1]{a| | ||u}{| | |s|r}"},
        {Wrap("<Keyword name=\"k\"><Link unread=\"false\" title=\"f\"/><Link unread=\"TRUE\" title=\"g\"/>"
              "<Link unread title=\"h\"/></Keyword>"),
         "[k|0]{f| | ||r}{g| | ||r}{h| | ||r}"},
        // Comments and text are no items; unknown attributes and "hour" are ignored.
        {Wrap("<Keyword name=\"k\"><!-- note -->text<Link title=\"a\" hour=\"5\" extra=\"e\"/></Keyword>"),
         "[k|0]{a| | ||r}"},
        // A later attribute of the same name wins.
        {Wrap("<Keyword name=\"k\"><Link title=\"a\" title=\"b\" url=\"u\" time=\"t\"/></Keyword>"),
         "[k|0]{b|u|t||r}"},
        // Escaped quotes written by older versions.
        {Wrap("<Keyword name=\"k\"><Link title=\"say \\\"hi\\\"\" summary=\"a \\\"b\\\" c\"/></Keyword>"),
         "[k|0]{say \"hi\"| | |a \"b\" c|r}"},
        // The group is found anywhere below the root, and nowhere else.
        {"<x><Shorewatch><y><KeywordGroup><Keyword name=\"deep\"/></KeywordGroup></y></Shorewatch></x>",
         "[deep|0]"},
        {"<Shorewatch><Keyword name=\"k\"/></Shorewatch>", "fails"},
        {"<KeywordGroup><Keyword name=\"k\"/></KeywordGroup>", "fails"},
        {"", "fails"},
        {"not xml at all", "fails"},
    };
    for (const auto& [file, loaded] : cases)
    {
        SCOPED_TRACE(file);
        KeywordGroup group;
        WriteBytes(path_, file);
        EXPECT_EQ(group.ConfReader(path_.c_str()) ? Describe(group) : "fails", loaded);
    }
}

TEST_F(KeywordStoreTest, AMissingFileOrNoPathLoadsNothing)
{
    EXPECT_EQ(loaded_.ConfReader(folder_.File("missing.xml").c_str()), 0);
    EXPECT_EQ(loaded_.ConfReader(nullptr), 0);
    EXPECT_EQ(loaded_.keywordCount, 0);
}

TEST_F(KeywordStoreTest, ACutOffFileGivesWhatWasComplete)
{
    AddItem(AddKeyword(group_, "a"), "t", "l", "d", "s", 1);
    AddItem(AddKeyword(group_, "b"), "t2", "l2", "d2", "s2", 0);
    ASSERT_EQ(group_.ConfWriter(path_.c_str()), 1);
    std::string bytes = ReadBytes(path_);
    std::string cut = bytes.substr(0, bytes.find("<Keyword name=\"b\"") + 10);
    WriteBytes(path_, cut);
    bool complete = true;
    EXPECT_EQ(loaded_.ConfReader(path_.c_str(), complete), 1);
    EXPECT_EQ(Describe(loaded_), "[a|1]{t|l|d|s|u}");
    EXPECT_FALSE(complete);
    ASSERT_EQ(group_.ConfWriter(path_.c_str()), 1);
    KeywordGroup whole;
    EXPECT_EQ(whole.ConfReader(path_.c_str(), complete), 1);
    EXPECT_TRUE(complete);
}

TEST_F(KeywordStoreTest, TakeAllMovesKeywordsAndTheirUnreadTotal)
{
    AddItem(AddKeyword(group_, "a"), "t", "l", "d", "s", 1);
    AddItem(AddKeyword(loaded_, "b"), "t2", "l2", "d2", "s2", 1);
    AddItem(AddKeyword(loaded_, "c"), "t3", "l3", "d3", "s3", 0);
    group_.totalUnread = 1;
    loaded_.totalUnread = 1;
    group_.TakeAll(loaded_);
    EXPECT_EQ(Describe(group_), "[a|0]{t|l|d|s|u}[b|0]{t2|l2|d2|s2|u}[c|0]{t3|l3|d3|s3|r}");
    EXPECT_EQ(group_.last->name, "c");
    EXPECT_EQ(std::vector<int>(
                  {group_.keywordCount, group_.totalUnread, loaded_.keywordCount, loaded_.totalUnread}),
              std::vector<int>({3, 2, 0, 0}));
    EXPECT_EQ(loaded_.GetFirst(), nullptr);
}

// Saving replaces the store and removes the temporary files that interrupted
// saves of the same store left, but no other file.
TEST_F(KeywordStoreTest, ASaveRemovesWhatInterruptedSavesOfTheSameStoreLeft)
{
    WriteBytes(conf_, "old contents");
    for (const char* name : {"conf.xml.~twk0000.tmp", "conf.xml.~twkA1f9.tmp", "CONF.XML.~TWKFFFF.TMP"})
        WriteBytes(folder_.File(name), "<?xml version=\"1.0\" encoding=\"ANSI\" ?>\r\n<Shorew");
    // Files of other stores, of other programs, or only nearly of the temporary form.
    for (const char* name : {"conf.xml.~twk0001.tmp.bak", "conf.xml.~twk12.tmp", "conf.xml.~twk12345.tmp",
                             "conf.xml.~twkGHIJ.tmp", "other.xml.~twk0001.tmp", "twk12.tmp"})
        WriteBytes(folder_.File(name), "x");
    // A save of the same store still in progress elsewhere keeps its file open.
    HANDLE open =
        CreateFileA(folder_.File("conf.xml.~twk0002.tmp").c_str(), GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    AddKeyword(group_, "k");
    EXPECT_EQ(group_.ConfWriter(conf_.c_str()), 1);
    CloseHandle(open);
    std::vector<std::string> names = folder_.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              std::vector<std::string>({"conf.xml", "conf.xml.~twk0001.tmp.bak", "conf.xml.~twk0002.tmp",
                                        "conf.xml.~twk12.tmp", "conf.xml.~twk12345.tmp",
                                        "conf.xml.~twkGHIJ.tmp", "other.xml.~twk0001.tmp", "twk12.tmp"}));
    ASSERT_EQ(loaded_.ConfReader(conf_.c_str()), 1);
    EXPECT_EQ(Describe(loaded_), "[k|0]");
}

// A temporary file never takes over one that exists (another save's).
TEST_F(KeywordStoreTest, EachTemporaryFileIsANewOne)
{
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(CreateStoreTemporaryFile(conf_.c_str()).IsEmpty());
    EXPECT_EQ(folder_.Names().size(), 50u);
}

TEST_F(KeywordStoreTest, ASaveThatCannotReplaceTheFileFailsAndKeepsEverything)
{
    // The target is a folder, which no file can replace.
    CreateDirectoryA(conf_.c_str(), nullptr);
    AddKeyword(group_, "k");
    EXPECT_EQ(group_.ConfWriter(conf_.c_str()), 0);
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"conf.xml"});
}

TEST_F(KeywordStoreTest, ASaveIntoAMissingFolderFails)
{
    AddKeyword(group_, "k");
    EXPECT_EQ(group_.ConfWriter(folder_.File("missing\\conf.xml").c_str()), 0);
}

TEST_F(KeywordStoreTest, ARelativePathIsSavedWhereItPoints)
{
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    SetCurrentDirectoryA(folder_.Path().c_str());
    AddKeyword(group_, "relative");
    EXPECT_EQ(group_.ConfWriter("export.xml"), 1);
    SetCurrentDirectoryA(current);
    EXPECT_EQ(loaded_.ConfReader(folder_.File("export.xml").c_str()), 1);
    EXPECT_EQ(Describe(loaded_), "[relative|0]");
}

TEST_F(KeywordStoreTest, TheProgramFolderHoldsConfXml)
{
    AddItem(AddKeyword(group_, "k"), "t", "l", "d", "s", 0);
    ASSERT_EQ(group_.SaveToProgramFolder(), 1);
    EXPECT_TRUE(FileExists(conf_));
    ASSERT_EQ(loaded_.LoadFromProgramFolder(), 1);
    EXPECT_EQ(Describe(loaded_), Describe(group_));
    EXPECT_EQ(loaded_.SaveToProgramFolder(), 1);
    EXPECT_FALSE(FileExists(conf_ + ".bak"));
}

TEST_F(KeywordStoreTest, WithoutAProgramFolderNothingLoadsOrSaves)
{
    SetProgramFolder("");
    EXPECT_EQ(loaded_.LoadFromProgramFolder(), 0);
    EXPECT_EQ(loaded_.SaveToProgramFolder(), 0);
}

// A store that did not load whole is copied to conf.xml.bak by the first save
// after the load; an empty store needs no copy.
TEST_F(KeywordStoreTest, AStoreThatDidNotLoadWholeIsKeptAsBackup)
{
    const std::pair<std::string, bool> cases[] = {
        {Wrap("<Keyword name=\"a\"/>").substr(0, 90), true},
        {"this is not the store", true},
        // Whole before its NUL byte, but the bytes behind it are lost.
        {Wrap("<Keyword name=\"a\"/>") + '\0' + "<Keyword name=\"b\"/>", true},
        {"", false},
    };
    for (const auto& [bytes, copied] : cases)
    {
        SCOPED_TRACE(bytes);
        KeywordGroup group;
        WriteBytes(conf_, bytes);
        group.LoadFromProgramFolder();
        AddKeyword(group, "saved");
        ASSERT_EQ(group.SaveToProgramFolder(), 1);
        EXPECT_EQ(FileExists(conf_ + ".bak"), copied);
        EXPECT_EQ(ReadBytes(conf_ + ".bak"), copied ? bytes : "");
        // Only the first save keeps a copy.
        WriteBytes(conf_ + ".bak", "kept");
        ASSERT_EQ(group.SaveToProgramFolder(), 1);
        EXPECT_EQ(ReadBytes(conf_ + ".bak"), "kept");
        DeleteFileA((conf_ + ".bak").c_str());
    }
}

TEST(KeywordStoreQuotes, EscapeAndUnescapeAreInverse)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},          {"a\"b", "a\\\"b"}, {"\"", "\\\""}, {"a\\b", "a\\b"},  {"a\\", "a\\ "},
        {"a\\ ", "a\\  "}, {"\\\"", "\\\\\""}, {"a ", "a "},   {"\\\\", "\\\\ "},
    };
    for (const auto& [text, escaped] : cases)
    {
        CString written, back;
        KeywordGroup::EscapeQuotes(text, written);
        KeywordGroup::UnescapeQuotes(written, back);
        EXPECT_STREQ(written, escaped) << text;
        EXPECT_STREQ(back, text) << text;
    }
}

TEST(KeywordStoreQuotes, UnescapeLeavesBackslashesNotBeforeAQuote)
{
    CString plain;
    KeywordGroup::UnescapeQuotes("a\\b\\\"c\\", plain);
    EXPECT_STREQ(plain, "a\\b\"c\\");
}

TEST(ProgramFolder, IsTheModulePathCutAtItsLastBackslash)
{
    EXPECT_STREQ(FolderOfModulePath("C:\\Program Files\\Tidewatch\\tidewatch.exe"),
                 "C:\\Program Files\\Tidewatch");
    EXPECT_STREQ(FolderOfModulePath("tidewatch.exe"), "");
    EXPECT_STREQ(FolderOfModulePath("C:\\x.exe"), "C:");
}

TEST(ProgramFolder, SetFromTheModuleIsTheTestProgramsFolder)
{
    SetProgramFolderFromModule();
    EXPECT_EQ(ProgramFolder().Right(12), "tests\\engine"); // where the test program lies
    SetProgramFolder("");
}

} // namespace
