// The manager and bar services that need no frame: class registration at
// start-up, custom bar ids, mnemonics, the tab client's command rule.
#include "toolkit/commandbars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPTabClientWnd.h"
#include "toolkit/commandbars/XTPToolBar.h"
#include "toolkit/foundation/XTPImageManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandBarsStartup, BarClassesAreCreatableByName)
{
    const char* names[] = {"CXTPCommandBar", "CXTPToolBar",       "CXTPMenuBar",
                           "CXTPControl",    "CXTPControlButton", "CXTPControlPopup"};
    for (const char* name : names)
    {
        CRuntimeClass* pClass = CRuntimeClass::FromName(name);
        ASSERT_TRUE(pClass != NULL) << name;
        CObject* pObject = pClass->CreateObject();
        ASSERT_TRUE(pObject != NULL) << name;
        EXPECT_STREQ(name, pObject->GetRuntimeClass()->m_lpszClassName);
        ((CCmdTarget*)pObject)->InternalRelease();
    }
}

// Custom bars take ids from 0xE800 on, never one of the framework's own
// window ids (status bar 0xE801, rebar 0xE804, dock bars 0xE81B to 0xE81E).
std::vector<UINT> Range(UINT nFirst, UINT nLast)
{
    std::vector<UINT> ids;
    for (UINT nID = nFirst; nID <= nLast; nID++)
        ids.push_back(nID);
    return ids;
}

TEST(CommandBarsManager, FreeBarIdSkipsUsedAndFrameworkIds)
{
    const struct
    {
        const char* name;
        std::vector<UINT> used;
        UINT nExpected;
    } cases[] = {
        {"the first of the range", {}, 0xE800},
        {"the status bar's id is skipped", {0xE800}, 0xE802},
        {"the rebar's id is skipped", {0xE800, 0xE802, 0xE803}, 0xE805},
        {"the dock bars' ids are skipped", Range(0xE800, 0xE81A), 0xE81F},
        {"a gap is reused", {0xE800, 0xE803}, 0xE802},
        {"a full range gives none", Range(0xE800, 0xE8FE), 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.nExpected, CXTPCommandBars::FindFreeBarID(c.used));
    }
}

// Mnemonics on a bar: the '&' character wins over a first character; a
// second match makes the answer ambiguous; the walk starts after the
// selected control and goes once around. The answer reads "index" or
// "index ambiguous".
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

TEST(CommandBar, FindAccelFindsTheMnemonicsControl)
{
    const struct
    {
        const char* name;
        std::vector<const char*> captions;
        char ch;
        const char* expected;
    } cases[] = {
        {"an ampersand", {"&File", "&Edit"}, 'E', "1"},
        {"an ampersand inside the word", {"&File", "E&xit"}, 'X', "1"},
        {"an ampersand wins over a first character", {"Exit", "&Edit"}, 'E', "1"},
        {"a first character without ampersand", {"&File", "Window"}, 'W', "1"},
        {"two ampersand matches take the first", {"&Save", "&Send", "&Open"}, 'S', "0 ambiguous"},
        {"two first-character matches", {"Save", "Send"}, 'S', "0 ambiguous"},
        {"a trailing ampersand is no mnemonic", {"Tools&", "&Help"}, 'T', "0"},
        {"a lower-case mnemonic", {"&view"}, 'V', "0"},
        {"an empty caption is skipped", {"", "&Go"}, 'G', "1"},
        {"no match", {"&File", "&Edit"}, 'Q', "-1"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, FindAccel(c.captions, c.ch));
    }
}

// Which tab-group commands the active group allows.
TEST(TabClientWnd, WorkspaceCommandsFollowTheActiveGroup)
{
    const struct
    {
        const char* name;
        UINT nID;
        int nGroups, nActive, nItems;
        BOOL bHorizontal, bEnabled;
    } cases[] = {
        {"previous from the first", 9420, 2, 0, 3, FALSE, FALSE},
        {"previous from the second", 9420, 2, 1, 3, FALSE, TRUE},
        {"next from the last", 9421, 2, 1, 3, FALSE, FALSE},
        {"next from the first", 9421, 2, 0, 3, FALSE, TRUE},
        {"a new group needs two items", 9422, 1, 0, 1, FALSE, FALSE},
        {"new horizontal alone", 9422, 1, 0, 2, FALSE, TRUE},
        {"new horizontal across vertical groups", 9422, 2, 0, 2, FALSE, FALSE},
        {"new horizontal among horizontal groups", 9422, 2, 0, 2, TRUE, TRUE},
        {"new vertical among horizontal groups", 9423, 2, 0, 2, TRUE, FALSE},
        {"new vertical among vertical groups", 9423, 2, 0, 2, FALSE, TRUE},
        {"another command", 35000, 1, 0, 1, FALSE, TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bEnabled, CXTPTabClientWnd::IsWorkspaceCommandEnabled(c.nID, c.nGroups, c.nActive,
                                                                          c.nItems, c.bHorizontal));
    }
    CXTPTabClientWnd client;
    void* pGroup = &client;
    EXPECT_FALSE(client.IsWorkspaceCommandEnabled(35000, &pGroup)) << "no active group allows nothing";
    EXPECT_EQ((void*)&client, pGroup) << "the group is left alone";
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
