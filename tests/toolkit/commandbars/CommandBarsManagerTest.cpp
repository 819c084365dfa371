// The manager and bar services that need no frame: class registration at
// start-up, custom bar ids, mnemonics, the tab client's command rule.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "CommandBarsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandBarsStartup, BarClassesAreCreatableByName)
{
    for (const char* name : {"CXTPCommandBar", "CXTPToolBar", "CXTPMenuBar", "CXTPControl",
                             "CXTPControlButton", "CXTPControlPopup"})
    {
        CRuntimeClass* pClass = CRuntimeClass::FromName(name);
        ASSERT_TRUE(pClass != NULL) << name;
        CObject* pObject = pClass->CreateObject();
        EXPECT_STREQ(name, pObject->GetRuntimeClass()->m_lpszClassName);
        ((CCmdTarget*)pObject)->InternalRelease();
    }
}

std::vector<UINT> Range(UINT nFirst, UINT nLast)
{
    std::vector<UINT> ids;
    for (UINT nID = nFirst; nID <= nLast; nID++)
        ids.push_back(nID);
    return ids;
}

// Custom bars take ids from 0xE800 on, never one of the framework's own
// window ids (status bar 0xE801, rebar 0xE804, dock bars 0xE81B to 0xE81E).
TEST(CommandBarsManager, FreeBarIdSkipsUsedAndFrameworkIds)
{
    EXPECT_EQ(0xE800u, CXTPCommandBars::FindFreeBarID({})) << "the first of the range";
    EXPECT_EQ(0xE802u, CXTPCommandBars::FindFreeBarID({0xE800})) << "the status bar's id is skipped";
    EXPECT_EQ(0xE805u, CXTPCommandBars::FindFreeBarID({0xE800, 0xE802, 0xE803}))
        << "the rebar's id is skipped";
    EXPECT_EQ(0xE81Fu, CXTPCommandBars::FindFreeBarID(Range(0xE800, 0xE81A)))
        << "the dock bars' ids are skipped";
    EXPECT_EQ(0xE802u, CXTPCommandBars::FindFreeBarID({0xE800, 0xE803})) << "a gap is reused";
    EXPECT_EQ(0u, CXTPCommandBars::FindFreeBarID(Range(0xE800, 0xE8FE))) << "a full range gives none";
}

// The control a mnemonic finds on a bar of these captions, with " ambiguous"
// when a second control answers too.
std::string FindAccel(const std::vector<const char*>& captions, char ch)
{
    CXTPCommandBar* pBar = (CXTPCommandBar*)RUNTIME_CLASS(CXTPCommandBar)->CreateObject();
    for (const char* caption : captions)
        pBar->GetControls()->Add(xtpControlButton, 0)->SetCaption(CString(caption));
    BOOL bAmbiguous = -1;
    const int nIndex = pBar->FindAccel(ch, bAmbiguous);
    pBar->InternalRelease();
    return std::to_string(nIndex) + (bAmbiguous == TRUE ? " ambiguous" : bAmbiguous == FALSE ? "" : " unset");
}

// The '&' character wins over a first character; a second match makes the
// answer ambiguous.
TEST(CommandBar, FindAccelFindsTheMnemonicsControl)
{
    EXPECT_EQ("1", FindAccel({"&File", "&Edit"}, 'E')) << "an ampersand";
    EXPECT_EQ("1", FindAccel({"&File", "E&xit"}, 'X')) << "an ampersand inside the word";
    EXPECT_EQ("1", FindAccel({"Exit", "&Edit"}, 'E')) << "an ampersand wins over a first character";
    EXPECT_EQ("1", FindAccel({"&File", "Window"}, 'W')) << "a first character without ampersand";
    EXPECT_EQ("0 ambiguous", FindAccel({"&Save", "&Send", "&Open"}, 'S'))
        << "two ampersand matches take the first";
    EXPECT_EQ("0 ambiguous", FindAccel({"Save", "Send"}, 'S')) << "two first-character matches";
    EXPECT_EQ("0", FindAccel({"Tools&", "&Help"}, 'T')) << "a trailing ampersand is no mnemonic";
    EXPECT_EQ("0", FindAccel({"&view"}, 'V')) << "a lower-case mnemonic";
    EXPECT_EQ("1", FindAccel({"", "&Go"}, 'G')) << "an empty caption is skipped";
    EXPECT_EQ("-1", FindAccel({"&File", "&Edit"}, 'Q')) << "no match";
}

// Which tab-group commands the active group allows: the command, the
// groups, the active one, its items and whether the groups are horizontal.
TEST(TabClientWnd, WorkspaceCommandsFollowTheActiveGroup)
{
    auto enabled = [](UINT nID, int nGroups, int nActive, int nItems, BOOL bHorizontal) {
        return CXTPTabClientInterface::IsWorkspaceCommandEnabled(nID, nGroups, nActive, nItems, bHorizontal);
    };
    EXPECT_FALSE(enabled(9420, 2, 0, 3, FALSE)) << "previous from the first";
    EXPECT_TRUE(enabled(9420, 2, 1, 3, FALSE)) << "previous from the second";
    EXPECT_FALSE(enabled(9421, 2, 1, 3, FALSE)) << "next from the last";
    EXPECT_TRUE(enabled(9421, 2, 0, 3, FALSE)) << "next from the first";
    EXPECT_FALSE(enabled(9422, 1, 0, 1, FALSE)) << "a new group needs two items";
    EXPECT_TRUE(enabled(9422, 1, 0, 2, FALSE)) << "new horizontal alone";
    EXPECT_FALSE(enabled(9422, 2, 0, 2, FALSE)) << "new horizontal across vertical groups";
    EXPECT_TRUE(enabled(9422, 2, 0, 2, TRUE)) << "new horizontal among horizontal groups";
    EXPECT_FALSE(enabled(9423, 2, 0, 2, TRUE)) << "new vertical among horizontal groups";
    EXPECT_TRUE(enabled(9423, 2, 0, 2, FALSE)) << "new vertical among vertical groups";
    EXPECT_TRUE(enabled(35000, 1, 0, 1, FALSE)) << "another command";
}

TEST(TabClientWnd, WithoutAnActiveGroupNoWorkspaceCommandIsAllowed)
{
    CTestTabClient client;
    void* pGroup = &client;
    EXPECT_FALSE(client.IsWorkspaceCommandEnabled(35000, &pGroup));
    EXPECT_EQ((void*)&client, pGroup) << "the group is left alone";
}

TEST(TabClientWnd, TheActiveGroupIsGivenAndItsQueriesAnswer)
{
    CTestTabClient client;
    client.m_nGroups = 2;
    client.m_nActiveGroup = 1;
    client.m_nActiveGroupItems = 2;
    void* pGroup = NULL;
    EXPECT_FALSE(client.IsWorkspaceCommandEnabled(9421, &pGroup)) << "next from the last";
    EXPECT_EQ((void*)2, pGroup) << "the active group (the second)";
    EXPECT_TRUE(client.IsWorkspaceCommandEnabled(9420)) << "previous from the second";
    EXPECT_TRUE(client.IsWorkspaceCommandEnabled(9423)) << "new vertical among vertical groups";
}

class CCountedImageManager : public CXTPImageManager
{
public:
    explicit CCountedImageManager(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedImageManager() override { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

TEST(CommandBarsManager, ReplacedImageManagerIsReleased)
{
    int nDeleted = 0;
    CXTPCommandBars* pBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    CCountedImageManager* pFirst = new CCountedImageManager(&nDeleted);
    pBars->SetImageManager(pFirst);
    EXPECT_EQ(pFirst, pBars->GetImageManager());
    pBars->SetImageManager(new CCountedImageManager(&nDeleted));
    EXPECT_EQ(1, nDeleted);
    pBars->InternalRelease();
    EXPECT_EQ(2, nDeleted);
}

} // namespace
