#include "app/MainFrame.h"
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
    struct Row
    {
        int stored, expected;
    } rows[] = {{-1, 2}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 2}, {100, 2}};
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, CMainFrame::ValidTheme(row.stored)) << row.stored;
}

namespace {

// The framework profile lives under the application object's names.
CWinApp testApp("TidewatchTest");

} // namespace

TEST(MainFrameTheme, ThemeWrittenBackAtDestruction)
{
    testApp.SetRegistryKey("Quorvane Tidewatch Test Applications");
    CXTProfileManager profile(HKEY_CURRENT_USER);
    profile.WriteProfileInt("Settings", "Theme", 7);
    CMainFrame* pFrame = new CMainFrame;
    EXPECT_EQ(2, pFrame->GetTheme());
    delete pFrame;
    EXPECT_EQ(2, profile.GetProfileInt("Settings", "Theme", -1));
    profile.WriteProfileInt("Settings", "Theme", 0);
    pFrame = new CMainFrame;
    EXPECT_EQ(0, pFrame->GetTheme());
    delete pFrame;
    EXPECT_EQ(0, profile.GetProfileInt("Settings", "Theme", -1));
}
