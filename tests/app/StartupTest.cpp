#include "app/MainFrame.h"
#include "app/AppMessages.h"
#include "app/NewsFetch.h"
#include "app/SkellrunApp.h"
#include "toolkit/controls/XTProfileManager.h"

#include <gtest/gtest.h>

TEST(ProgramFolder, FolderOfTheModulePathInFull)
{
    EXPECT_STREQ("C:\\Apps\\x", CSkellrunApp::ProgramFolderOfModule("C:\\Apps\\x\\prog.exe"));
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(CString(current) + "\\x", CSkellrunApp::ProgramFolderOfModule("x\\prog.exe"));
}

TEST(MainFrameTheme, StoredIdsOutsideTheRangeStartOffice2003)
{
    std::vector<int> themes;
    for (int stored : {-1, 0, 1, 2, 3, 4, 100})
        themes.push_back(CMainFrame::ValidTheme(stored));
    EXPECT_EQ(std::vector<int>({2, 0, 1, 2, 3, 2, 2}), themes);
}

namespace {

// The framework profile lives under the application object's names.
CWinApp testApp("TidewatchTest");

} // namespace

// A frame takes the stored theme, made valid, and writes it back when it goes.
TEST(MainFrameTheme, ThemeWrittenBackAtDestruction)
{
    testApp.SetRegistryKey("Quorvane Tidewatch Test Applications");
    CXTProfileManager profile(HKEY_CURRENT_USER);
    for (int stored : {7, 0})
    {
        profile.WriteProfileInt("Settings", "Theme", stored);
        CMainFrame* pFrame = new CMainFrame;
        const int theme = pFrame->GetTheme();
        delete pFrame;
        EXPECT_EQ(stored == 7 ? 2 : 0, theme) << stored;
        EXPECT_EQ(theme, profile.GetProfileInt("Settings", "Theme", -1)) << stored;
    }
}

// The checks' own messages leave the bars' idle update alone; others start it
// as the framework decides.
TEST(ProgramIdle, OnlyMessagesOtherThanTheChecksOwnStartTheIdleUpdate)
{
    CWinApp* pCurrent = AfxGetApp();
    CSkellrunApp app;
    AfxGetModuleState()->m_pCurrentWinApp = pCurrent; // the test's own stays the application
    const struct
    {
        const char* name;
        UINT message;
        BOOL idle;
    } rows[] = {
        {"a fetched page", WM_NEWS_FETCHED, FALSE},
        {"a check's progress", WM_CHECK_PROGRESS, FALSE},
        {"news arrived", WM_NEWS_ARRIVED, TRUE},
        {"everything read", WM_ALL_READ, TRUE},
        {"a command", WM_COMMAND, TRUE},
        {"a key", WM_KEYDOWN, TRUE},
        {"a paint", WM_PAINT, FALSE},
    };
    for (const auto& row : rows)
    {
        MSG msg = {};
        msg.message = row.message;
        EXPECT_EQ(row.idle, app.IsIdleMessage(&msg)) << row.name;
    }
}
