// The options record read from and written to the registry, and the web
// addresses the options may replace.
#include "app/Addresses.h"
#include "app/FrameOptions.h"
#include "MainFrameFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A key of its own under HKEY_CURRENT_USER, deleted before and after.
class OptionsKey
{
public:
    OptionsKey() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kPath); }
    ~OptionsKey() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kPath); }
    void Set(LPCSTR name, DWORD type, const void* data, DWORD size)
    {
        SetRegistryValue(kPath, name, type, data, size);
    }
    static constexpr LPCSTR kPath = "Software\\Quorvane\\TidewatchOptionsTest";
};

struct RecordingWriter : OptionWriter
{
    BOOL Write(LPCSTR name, DWORD value) override
    {
        names.push_back(name);
        values.push_back(value);
        return failing != name;
    }
    std::vector<std::string> names;
    std::vector<DWORD> values;
    std::string failing;
};

// Each row stores one value (none for a NULL name) and reads one member, set
// to 12345 before: the other values are missing and take their defaults,
// and a missing key leaves the record as it was.
TEST(FrameOptions, ValuesAsReadAndMissingOnesTakeTheirDefaults)
{
    struct Row
    {
        const char* name;
        LPCSTR value;
        DWORD stored;
        DWORD FrameOptions::*member;
        DWORD expected;
    } rows[] = {
        {"alert time below the range", "AlertTime", 5, &FrameOptions::alertTime, 10},
        {"alert time above the range", "AlertTime", 45, &FrameOptions::alertTime, 30},
        {"alert time inside the range", "AlertTime", 17, &FrameOptions::alertTime, 17},
        {"interval 0 unchanged", "AutoCheckInterval", 0, &FrameOptions::autoCheckInterval, 0},
        {"interval 100000 unchanged", "AutoCheckInterval", 100000, &FrameOptions::autoCheckInterval, 100000},
        {"check on start off", "AutoCheckOnStart", 0, &FrameOptions::autoCheckOnStart, 0},
        {"look height", "LookHeight", 321, &FrameOptions::lookHeight, 321},
        {"tree width", "TreeWidth", 222, &FrameOptions::treeWidth, 222},
        {"frame width missing", "TreeWidth", 222, &FrameOptions::frameWidth, 800},
        {"summary on start missing", "TreeWidth", 222, &FrameOptions::showSummaryOnStart, 0},
        {"interval missing", "TreeWidth", 222, &FrameOptions::autoCheckInterval, 30},
        {"no key at all", NULL, 0, &FrameOptions::alertTime, 12345},
    };
    for (const Row& row : rows)
    {
        OptionsKey key;
        if (row.value != NULL)
            key.Set(row.value, REG_DWORD, &row.stored, sizeof row.stored);
        FrameOptions options;
        options.*row.member = 12345;
        options.Load(HKEY_CURRENT_USER, OptionsKey::kPath);
        EXPECT_EQ(row.expected, options.*row.member) << row.name;
    }
}

// The names Save writes, in the order it writes them.
const std::vector<std::string> kSaveOrder = {
    "FrameWidth",      "FrameHeight",       "TreeWidth",      "TreeHeight",  "LookWidth",
    "LookHeight",      "AutoCheckOnStart",  "AutoCheckEvery", "ShowSummary", "ShowSummaryOnStart",
    "PlaySoundOnNews", "AutoCheckInterval", "AlertTime",      "CheckUpgrade"};

TEST(FrameOptions, SaveWritesTheFourteenValuesInOrder)
{
    FrameOptions options;
    options.treeWidth = 200;
    options.alertTime = 25;
    RecordingWriter writer;
    EXPECT_TRUE(options.Save(writer));
    EXPECT_EQ(kSaveOrder, writer.names);
    const std::vector<DWORD> values = {800, 550, 200, 400, 375, 200, 1, 1, 1, 0, 1, 30, 25, 0};
    EXPECT_EQ(values, writer.values);
}

// A failed value is reported and the rest still written.
TEST(FrameOptions, SaveReportsAFailedValueAndStillWritesTheRest)
{
    FrameOptions options;
    RecordingWriter failing;
    failing.failing = "TreeHeight";
    EXPECT_FALSE(options.Save(failing));
    EXPECT_EQ(kSaveOrder, failing.names);
}

TEST(FrameOptions, SizeClampedToTheScreen)
{
    struct Row
    {
        const char* name;
        SIZE stored, screen, expected;
    } rows[] = {
        {"fits", {800, 550}, {1280, 1024}, {800, 550}},
        {"too wide", {3000, 550}, {1280, 1024}, {1280, 550}},
        {"too tall", {800, 5000}, {1280, 1024}, {800, 1024}},
        {"both", {4000, 4000}, {1024, 768}, {1024, 768}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CSize(row.expected), CSize(FrameOptions::ClampToScreen(row.stored, row.screen)))
            << row.name;
}

// A stored text replaces the default (also one stored without its NUL); an
// empty or numeric value keeps it.
TEST(Addresses, StoredTextReplacesTheDefault)
{
    OptionsKey key;
    EXPECT_STREQ("default", ReadAddress(HKEY_CURRENT_USER, OptionsKey::kPath, "SearchHost", "default"));
    key.Set("SearchHost", REG_SZ, "127.0.0.1:8080", 15);
    key.Set("WebSite", REG_SZ, "http://mirror", 13);
    key.Set("Empty", REG_SZ, "", 1);
    const DWORD number = 5;
    key.Set("Number", REG_DWORD, &number, sizeof number);
    std::vector<std::string> read;
    for (LPCSTR name : {"SearchHost", "WebSite", "Empty", "Number"})
        read.push_back((LPCTSTR)ReadAddress(HKEY_CURRENT_USER, OptionsKey::kPath, name, "default"));
    EXPECT_EQ(std::vector<std::string>({"127.0.0.1:8080", "http://mirror", "default", "default"}), read);
}

} // namespace
