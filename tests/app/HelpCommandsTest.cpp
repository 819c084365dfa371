#include "app/HelpFile.h"
#include "MainFrameFixture.h"
#include "app/LinkStatic.h"
#include "tests/support/DialogDriver.h"
#include "resources/Resource.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>
#include <fstream>
#include <iterator>

// The compiled file's directory names every page, the contents, the index
// and the full-text search index.
TEST(HelpFile, BuildHoldsTheTopicsAndTheSearchIndex)
{
    std::ifstream file(TW_HELP_FILE, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ("ITSF", bytes.substr(0, 4));
    for (const char* name :
         {"/welcome/welcome.html", "/Tutorials/retrieve_news_automatically.html",
          "/Tutorials/keyword_tree.html", "/Tutorials/reading_news.html", "/Tutorials/checking_news.html",
          "/Tutorials/notifications.html", "/Tutorials/themes.html", "/Tutorials/import_export.html",
          "/Tutorials/upgrade_check.html", "/Tidewatch.hhc", "/Tidewatch.hhk", "/$FIftiMain"})
        EXPECT_NE(std::string::npos, bytes.find(name)) << name;
}

namespace {

// The first visible window of the class below hParent.
HWND VisibleDescendant(HWND hParent, LPCSTR className)
{
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char name[64] = "";
        ::GetClassNameA(hChild, name, sizeof name);
        if (lstrcmpA(name, className) == 0 && ::IsWindowVisible(hChild))
            return hChild;
        if (HWND hFound = VisibleDescendant(hChild, className))
            return hFound;
    }
    return NULL;
}

// The main frame over a program folder holding the built help file, with the
// web site on 127.0.0.1.
class HelpCommandsTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetTextOption("WebSite", "http://127.0.0.1:9");
        ASSERT_TRUE(::CopyFileA(TW_HELP_FILE, folder.File("Tidewatch.chm").c_str(), FALSE));
    }
};

} // namespace

TEST_F(HelpCommandsTest, AboutRunsModallyWithLinksToTheWebSite)
{
    std::vector<std::string> texts, targets;
    BOOL frameEnabled = TRUE;
    CDialogDriver driver([&](HWND hDialog) {
        for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != NULL;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            CLinkStatic* pLink = DYNAMIC_DOWNCAST(CLinkStatic, CWnd::FromHandlePermanent(hChild));
            char text[128] = "";
            ::GetWindowTextA(hChild, text, sizeof text);
            (pLink != NULL ? targets.push_back((LPCSTR)pLink->GetURL()) : texts.push_back(text));
        }
        frameEnabled = frame->IsWindowEnabled();
        ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    });
    frame->SendMessage(WM_COMMAND, ID_APP_ABOUT);

    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("About Tidewatch", driver.seen[0].caption);
    EXPECT_FALSE(frameEnabled); // modal over the frame
    EXPECT_TRUE(frame->IsWindowEnabled());
    std::vector<std::string> labels = {
        "\xFF\x80", "Tidewatch 2.0", "Company Home Page:", "Tech Forum:", "Our Support Team:", "OK"};
    texts[0] = texts[0].substr(0, 2); // the icon's resource ordinal
    EXPECT_EQ(labels, texts);
    std::vector<std::string> expected = {"http://127.0.0.1:9/", "http://127.0.0.1:9/forum/",
                                         "http://127.0.0.1:9/support.php?product=Tidewatch"};
    EXPECT_EQ(expected, targets);
}

// Each command opens the help window on its tab of the navigation pane.
TEST_F(HelpCommandsTest, EachHelpCommandOpensItsTabOfTheHelpWindow)
{
    const struct
    {
        const char* name;
        UINT nCommand;
        int tab;
    } rows[] = {{"contents", ID_HELP, 0}, {"index", ID_HELP_INDEX, 1}, {"search", ID_HELP_SEARCH, 2}};
    for (const auto& row : rows)
    {
        frame->SendMessage(WM_COMMAND, row.nCommand);
        PumpPending();
        HWND hHelp = ::FindWindowA("HH Parent", "Tidewatch Help");
        ASSERT_TRUE(hHelp != NULL && ::IsWindowVisible(hHelp)) << row.name;
        HWND hTabs = VisibleDescendant(hHelp, "SysTabControl32");
        EXPECT_EQ(row.tab, (int)::SendMessageA(hTabs, TCM_GETCURSEL, 0, 0)) << row.name;
        ::SendMessageA(hHelp, WM_CLOSE, 0, 0);
        PumpPending();
    }
}
