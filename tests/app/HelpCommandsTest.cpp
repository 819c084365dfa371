#include "app/FrameOptions.h"
#include "app/HelpFile.h"
#include "app/LinkStatic.h"
#include "app/MainFrame.h"
#include "DialogDriver.h"
#include "engine/ProgramFolder.h"
#include "resources/Resource.h"
#include "tests/support/TempFolder.h"
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

BOOL CALLBACK FindHelpWindowProc(HWND hWnd, LPARAM lParam)
{
    char className[64] = "", title[64] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    ::GetWindowTextA(hWnd, title, sizeof title);
    bool found = lstrcmpA(className, "HH Parent") == 0 && lstrcmpA(title, "Tidewatch Help") == 0;
    if (found && ::IsWindowVisible(hWnd))
        *(HWND*)lParam = hWnd;
    return *(HWND*)lParam == NULL;
}

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

// The main frame over an empty store in a program folder holding the built
// help file, with no start-up check and the web site on 127.0.0.1.
class HelpCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, kOptionsKey, &hKey));
        DWORD off = 0;
        ::RegSetValueExA(hKey, "AutoCheckOnStart", 0, REG_DWORD, (const BYTE*)&off, sizeof off);
        ::RegSetValueExA(hKey, "WebSite", 0, REG_SZ, (const BYTE*)"http://127.0.0.1:9", 19);
        ::RegCloseKey(hKey);
        ASSERT_TRUE(::CopyFileA(TW_HELP_FILE, folder.File("Tidewatch.chm").c_str(), FALSE));
        SetProgramFolder(folder.Path().c_str());
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        frame->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (frame != NULL)
            frame->DestroyWindow();
        PumpPending();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
        SetProgramFolder("");
    }

    TempFolder folder;
    CMainFrame* frame = NULL;
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

// Each command opens the help window on its tab of the navigation pane,
// filled from the help file: the contents tree or the index list.
TEST_F(HelpCommandsTest, EachHelpCommandOpensItsTabOfTheHelpWindow)
{
    struct Row
    {
        const char* name;
        UINT nCommand;
        int tab;
        const char* paneClass;
    } rows[] = {{"contents", ID_HELP, 0, "SysTreeView32"},
                {"index", ID_HELP_INDEX, 1, "SysListView32"},
                {"search", ID_HELP_SEARCH, 2, "Edit"}};
    for (const Row& row : rows)
    {
        frame->SendMessage(WM_COMMAND, row.nCommand);
        PumpPending();
        HWND hHelp = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindHelpWindowProc, (LPARAM)&hHelp);
        ASSERT_TRUE(hHelp != NULL) << row.name;
        HWND hTabs = VisibleDescendant(hHelp, "SysTabControl32");
        EXPECT_EQ(row.tab, (int)::SendMessageA(hTabs, TCM_GETCURSEL, 0, 0)) << row.name;
        HWND hPane = VisibleDescendant(hHelp, row.paneClass);
        ASSERT_TRUE(hPane != NULL) << row.name;
        if (row.nCommand == ID_HELP_INDEX)
        {
            EXPECT_EQ(24, (int)::SendMessageA(hPane, LVM_GETITEMCOUNT, 0, 0));
        }
        else if (row.nCommand == ID_HELP)
        {
            char text[64] = "";
            TVITEMA item = {};
            item.mask = TVIF_TEXT;
            item.hItem = (HTREEITEM)::SendMessageA(hPane, TVM_GETNEXTITEM, TVGN_ROOT, 0);
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(hPane, TVM_GETITEMA, 0, (LPARAM)&item);
            EXPECT_STREQ("Welcome to Tidewatch", text);
        }
        ::SendMessageA(hHelp, WM_CLOSE, 0, 0);
        PumpPending();
        EXPECT_FALSE(::IsWindow(hHelp) && ::IsWindowVisible(hHelp)) << row.name;
    }
}
