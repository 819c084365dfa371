#include "app/HyperlinkShell.h"
#include "RecordingShell.h"

#include <gtest/gtest.h>

TEST(BrowserCommandLine, CutsAtThePlaceholderAndQuotesTheTarget)
{
    struct Row
    {
        const char* name;
        const char* registered;
        const char* target;
        const char* expected;
    } rows[] = {
        {"quoted placeholder at the end", "\"C:\\Web\\browser.exe\" \"%1\"", "http://a/",
         "\"C:\\Web\\browser.exe\" \"http://a/\""},
        {"quoted placeholder before options", "\"C:\\Web\\b.exe\" -new \"%1\" -nohome", "http://a/",
         "\"C:\\Web\\b.exe\" -new \"http://a/\""},
        {"bare placeholder", "C:\\b.exe -url %1", "http://a/", "C:\\b.exe -url \"http://a/\""},
        {"quoted placeholder wins over an earlier bare one", "b.exe -a %1x \"%1\"", "t",
         "b.exe -a %1x \"t\""},
        {"no placeholder: nothing cut", "C:\\b.exe -nohome", "http://a/", "C:\\b.exe -nohome \"http://a/\""},
        {"quotes in the target stay inside its argument", "b.exe \"%1\"", "http://a/\" -evil",
         "b.exe \"http://a/%22 -evil\""},
        {"control characters dropped", "b.exe %1", "http://a/\r\nb", "b.exe \"http://a/b\""},
        {"placeholder alone: no program", "\"%1\"", "http://a/", ""},
        {"bare placeholder first: no program", "%1 -x", "http://a/", ""},
        {"unclosed quote before the placeholder: no program", "\"%1", "http://a/", ""},
        {"empty registered line", "", "http://a/", ""},
        {"empty target", "\"C:\\b.exe\" \"%1\"", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.expected, BrowserCommandLine(row.registered, row.target)) << row.name;
}

TEST(HyperlinkErrorText, KnownCodesAndUnknownOnes)
{
    struct Row
    {
        int code;
        const char* expected;
    } rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {26, "A sharing violation occurred. "},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {33, "Unknown Error (33) occurred."},
        {-5, "Unknown Error (-5) occurred."},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.expected, HyperlinkErrorText(row.code)) << row.code;
}

TEST(OpenHyperlink, TriesTheShellThenTheRegisteredBrowser)
{
    struct Row
    {
        const char* name;
        int shellResult;
        const char* browser; // NULL: none registered
        UINT runResult;
        const char* target;
        int expected;
        const char* expectedRun; // NULL: nothing run
    } rows[] = {
        {"the shell opens it", 42, "b.exe \"%1\"", 33, "http://a/", 42, NULL},
        {"the browser starts", SE_ERR_NOASSOC, "b.exe \"%1\"", 33, "http://a/", 33, "b.exe \"http://a/\""},
        {"the browser fails to start", SE_ERR_NOASSOC, "b.exe \"%1\"", 2, "http://a/", 2,
         "b.exe \"http://a/\""},
        {"no browser registered", SE_ERR_NOASSOC, NULL, 33, "http://a/", SE_ERR_NOASSOC, NULL},
        {"an empty target is not given to the browser", 2, "b.exe \"%1\"", 33, "", 2, NULL},
        {"a command line without a program", 2, "\"%1\"", 33, "calc.exe", 2, NULL},
    };
    for (const Row& row : rows)
    {
        CRecordingShell shell;
        shell.shellResult = row.shellResult;
        shell.runResult = row.runResult;
        if (row.browser != NULL)
            shell.RegisterBrowser(row.browser);
        EXPECT_EQ(row.expected, OpenHyperlink(row.target, SW_SHOW)) << row.name;
        ASSERT_EQ(1u, shell.opened.size()) << row.name;
        EXPECT_EQ(row.target, shell.opened[0]) << row.name;
        if (row.expectedRun == NULL)
            EXPECT_TRUE(shell.runs.empty()) << row.name;
        else
            EXPECT_EQ(std::vector<std::string>{row.expectedRun}, shell.runs) << row.name;
    }
}

TEST(OpenHyperlink, AFileTypeWithoutACommandKeepsTheShellsResult)
{
    CRecordingShell shell;
    shell.shellResult = SE_ERR_NOASSOC;
    shell.classes[".htm"] = "htmlfile";
    EXPECT_EQ(SE_ERR_NOASSOC, OpenHyperlink("http://a/", SW_SHOW));
    EXPECT_TRUE(shell.runs.empty());
}
