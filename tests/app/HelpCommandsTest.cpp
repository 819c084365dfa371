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
#include <algorithm>
#include <fstream>
#include <iterator>

TEST(HelpFilePath, FileAndTopicInTheProgramFolder)
{
    SetProgramFolder("C:\\Apps\\tw");
    EXPECT_STREQ("C:\\Apps\\tw\\Tidewatch.chm", HelpFilePath(NULL));
    EXPECT_STREQ("C:\\Apps\\tw\\Tidewatch.chm::/welcome/welcome.html", HelpFilePath("/welcome/welcome.html"));
    SetProgramFolder("");
}

// The compiled file's directory names every page, the contents, the index
// and the full-text search index.
TEST(HelpFile, BuildHoldsTheTopicsAndTheSearchIndex)
{
    std::ifstream file(TW_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(file.good()) << TW_HELP_FILE;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ("ITSF", bytes.substr(0, 4));
    const char* names[] = {"/welcome/welcome.html",
                           "/Tutorials/retrieve_news_automatically.html",
                           "/Tutorials/keyword_tree.html",
                           "/Tutorials/reading_news.html",
                           "/Tutorials/checking_news.html",
                           "/Tutorials/notifications.html",
                           "/Tutorials/themes.html",
                           "/Tutorials/import_export.html",
                           "/Tutorials/upgrade_check.html",
                           "/Tidewatch.hhc",
                           "/Tidewatch.hhk",
                           "/$FIftiMain"};
    for (const char* name : names)
        EXPECT_NE(std::string::npos, bytes.find(name)) << name;
}

namespace {

void SetOptionValue(LPCSTR name, DWORD type, const void* data, DWORD size)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                               NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, type, (const BYTE*)data, size);
    ::RegCloseKey(hKey);
}

BOOL CALLBACK FindHelpWindowProc(HWND hWnd, LPARAM lParam)
{
    char className[64] = "", title[64] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    ::GetWindowTextA(hWnd, title, sizeof title);
    if (lstrcmpA(className, "HH Parent") == 0 && lstrcmpA(title, "Tidewatch Help") == 0
        && ::IsWindowVisible(hWnd))
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The visible HTML Help window of the help file, or NULL.
HWND FindHelpWindow()
{
    HWND hWnd = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindHelpWindowProc, (LPARAM)&hWnd);
    return hWnd;
}

// The first visible child of the class.
HWND VisibleChild(HWND hParent, LPCSTR className)
{
    for (HWND hChild = ::FindWindowExA(hParent, NULL, className, NULL); hChild != NULL;
         hChild = ::FindWindowExA(hParent, hChild, className, NULL))
    {
        if (::IsWindowVisible(hChild))
            return hChild;
    }
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        HWND hFound = VisibleChild(hChild, className);
        if (hFound != NULL)
            return hFound;
    }
    return NULL;
}

// The main frame as the document template makes it, over an empty store in
// a program folder holding the built help file, with no start-up check.
class HelpCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
        DWORD off = 0;
        SetOptionValue("AutoCheckOnStart", REG_DWORD, &off, sizeof off);
        SetOptionValue("WebSite", REG_SZ, kWebSite, sizeof kWebSite);
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

    // Runs the command and returns the help window it opened, checking
    // which tab of the navigation pane shows.
    HWND OpenHelp(UINT nCommand)
    {
        frame->SendMessage(WM_COMMAND, nCommand);
        PumpPending();
        return FindHelpWindow();
    }
    static void CloseHelp(HWND hHelp)
    {
        ::SendMessageA(hHelp, WM_CLOSE, 0, 0);
        PumpPending();
        EXPECT_FALSE(::IsWindow(hHelp) && ::IsWindowVisible(hHelp));
    }

    static constexpr char kWebSite[] = "http://127.0.0.1:9";
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
            char text[128] = "";
            ::GetWindowTextA(hChild, text, sizeof text);
            texts.push_back(text);
        }
        for (int id : {IDC_LINK_HOME, IDC_LINK_FORUM, IDC_LINK_SUPPORT})
        {
            CLinkStatic* pLink =
                DYNAMIC_DOWNCAST(CLinkStatic, CWnd::FromHandlePermanent(::GetDlgItem(hDialog, id)));
            targets.push_back(pLink != NULL ? (LPCSTR)pLink->GetURL() : "not a link");
        }
        frameEnabled = frame->IsWindowEnabled();
        ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    });
    frame->SendMessage(WM_COMMAND, ID_APP_ABOUT);

    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("About Tidewatch", driver.seen[0].caption);
    EXPECT_FALSE(frameEnabled); // modal over the frame
    EXPECT_TRUE(frame->IsWindowEnabled());
    for (const char* label :
         {"Tidewatch 2.0", "Company Home Page:", "Tech Forum:", "Our Support Team:", "OK"})
        EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), label)) << label;
    std::vector<std::string> expected = {"http://127.0.0.1:9/", "http://127.0.0.1:9/forum/",
                                         "http://127.0.0.1:9/support.php?product=Tidewatch"};
    EXPECT_EQ(expected, targets);
}

TEST_F(HelpCommandsTest, EachHelpCommandOpensItsPaneOfTheHelpWindow)
{
    struct Row
    {
        const char* name;
        UINT nCommand;
        int tab;
    } rows[] = {{"contents", ID_HELP, 0}, {"index", ID_HELP_INDEX, 1}, {"search", ID_HELP_SEARCH, 2}};
    for (const Row& row : rows)
    {
        HWND hHelp = OpenHelp(row.nCommand);
        ASSERT_TRUE(hHelp != NULL) << row.name;
        HWND hTabs = VisibleChild(hHelp, "SysTabControl32");
        ASSERT_TRUE(hTabs != NULL) << row.name;
        EXPECT_EQ(3, (int)::SendMessageA(hTabs, TCM_GETITEMCOUNT, 0, 0)) << row.name;
        EXPECT_EQ(row.tab, (int)::SendMessageA(hTabs, TCM_GETCURSEL, 0, 0)) << row.name;
        CloseHelp(hHelp);
    }
}

TEST_F(HelpCommandsTest, ContentsAndIndexComeFromTheHelpFile)
{
    HWND hHelp = OpenHelp(ID_HELP);
    ASSERT_TRUE(hHelp != NULL);
    HWND hTree = VisibleChild(hHelp, "SysTreeView32");
    ASSERT_TRUE(hTree != NULL);
    char text[64] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(::SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item));
    EXPECT_STREQ("Welcome to Tidewatch", text);
    CloseHelp(hHelp);

    hHelp = OpenHelp(ID_HELP_INDEX);
    ASSERT_TRUE(hHelp != NULL);
    HWND hIndex = VisibleChild(hHelp, "SysListView32");
    ASSERT_TRUE(hIndex != NULL);
    EXPECT_EQ(24, (int)::SendMessageA(hIndex, LVM_GETITEMCOUNT, 0, 0));
    CloseHelp(hHelp);
}
