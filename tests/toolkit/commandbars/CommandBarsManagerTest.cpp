// The manager and bar services that need no frame: class registration at
// start-up, custom bar ids, mnemonics, the tab client's command rule.
#include "toolkit/commandbars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPKeyboardManager.h"
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
struct FreeIdCase
{
    const char* name;
    std::vector<UINT> used;
    UINT nExpected;
};

class FreeBarIdTest : public testing::TestWithParam<FreeIdCase>
{};

TEST_P(FreeBarIdTest, SkipsUsedAndFrameworkIds)
{
    EXPECT_EQ(GetParam().nExpected, CXTPCommandBars::FindFreeBarID(GetParam().used));
}

std::vector<UINT> Range(UINT nFirst, UINT nLast)
{
    std::vector<UINT> ids;
    for (UINT nID = nFirst; nID <= nLast; nID++)
        ids.push_back(nID);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(Ids, FreeBarIdTest,
                         testing::Values(FreeIdCase{"FirstOfTheRange", {}, 0xE800},
                                         FreeIdCase{"StatusBarIdSkipped", {0xE800}, 0xE802},
                                         FreeIdCase{"RebarIdSkipped", {0xE800, 0xE802, 0xE803}, 0xE805},
                                         FreeIdCase{"DockBarIdsSkipped", Range(0xE800, 0xE81A), 0xE81F},
                                         FreeIdCase{"AGapIsReused", {0xE800, 0xE803}, 0xE802},
                                         FreeIdCase{"RangeFull", Range(0xE800, 0xE8FE), 0}),
                         [](const testing::TestParamInfo<FreeIdCase>& info) {
                             return std::string(info.param.name);
                         });

// Mnemonics on a bar: the '&' character wins over a first character; a
// second match makes the answer ambiguous; the walk starts after the
// selected control and goes once around.
struct AccelCase
{
    const char* name;
    std::vector<const char*> captions;
    char ch;
    int nIndex;
    BOOL bAmbiguous;
};

class FindAccelTest : public testing::TestWithParam<AccelCase>
{};

TEST_P(FindAccelTest, FindsTheControl)
{
    CXTPCommandBar* pBar = (CXTPCommandBar*)RUNTIME_CLASS(CXTPCommandBar)->CreateObject();
    for (const char* caption : GetParam().captions)
    {
        CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 0);
        pControl->SetCaption(CString(caption));
    }
    BOOL bAmbiguous = -1;
    EXPECT_EQ(GetParam().nIndex, pBar->FindAccel(GetParam().ch, bAmbiguous));
    EXPECT_EQ(GetParam().bAmbiguous, bAmbiguous);
    pBar->InternalRelease();
}

INSTANTIATE_TEST_SUITE_P(
    Captions, FindAccelTest,
    testing::Values(AccelCase{"Ampersand", {"&File", "&Edit"}, 'E', 1, FALSE},
                    AccelCase{"AmpersandInsideTheWord", {"&File", "E&xit"}, 'X', 1, FALSE},
                    AccelCase{"AmpersandWinsOverFirstCharacter", {"Exit", "&Edit"}, 'E', 1, FALSE},
                    AccelCase{"FirstCharacterWithoutAmpersand", {"&File", "Window"}, 'W', 1, FALSE},
                    AccelCase{"TwoAmpersandMatchesTakeTheFirst", {"&Save", "&Send", "&Open"}, 'S', 0, TRUE},
                    AccelCase{"TwoFirstCharacterMatches", {"Save", "Send"}, 'S', 0, TRUE},
                    AccelCase{"TrailingAmpersandIsNoMnemonic", {"Tools&", "&Help"}, 'T', 0, FALSE},
                    AccelCase{"LowerCaseMnemonic", {"&view"}, 'V', 0, FALSE},
                    AccelCase{"EmptyCaptionSkipped", {"", "&Go"}, 'G', 1, FALSE},
                    AccelCase{"NoMatch", {"&File", "&Edit"}, 'Q', -1, FALSE}),
    [](const testing::TestParamInfo<AccelCase>& info) { return std::string(info.param.name); });

// Which tab-group commands the active group allows.
struct WorkspaceCase
{
    const char* name;
    UINT nID;
    int nGroups;
    int nActive;
    int nItems;
    BOOL bHorizontal;
    BOOL bEnabled;
};

class WorkspaceCommandTest : public testing::TestWithParam<WorkspaceCase>
{};

TEST_P(WorkspaceCommandTest, FollowsTheActiveGroup)
{
    const WorkspaceCase& c = GetParam();
    EXPECT_EQ(c.bEnabled, CXTPTabClientWnd::IsWorkspaceCommandEnabled(c.nID, c.nGroups, c.nActive, c.nItems,
                                                                      c.bHorizontal));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WorkspaceCommandTest,
    testing::Values(WorkspaceCase{"PreviousFromTheFirst", 9420, 2, 0, 3, FALSE, FALSE},
                    WorkspaceCase{"PreviousFromTheSecond", 9420, 2, 1, 3, FALSE, TRUE},
                    WorkspaceCase{"NextFromTheLast", 9421, 2, 1, 3, FALSE, FALSE},
                    WorkspaceCase{"NextFromTheFirst", 9421, 2, 0, 3, FALSE, TRUE},
                    WorkspaceCase{"NewGroupNeedsTwoItems", 9422, 1, 0, 1, FALSE, FALSE},
                    WorkspaceCase{"NewHorizontalAlone", 9422, 1, 0, 2, FALSE, TRUE},
                    WorkspaceCase{"NewHorizontalAcrossVerticalGroups", 9422, 2, 0, 2, FALSE, FALSE},
                    WorkspaceCase{"NewHorizontalAmongHorizontalGroups", 9422, 2, 0, 2, TRUE, TRUE},
                    WorkspaceCase{"NewVerticalAmongHorizontalGroups", 9423, 2, 0, 2, TRUE, FALSE},
                    WorkspaceCase{"NewVerticalAmongVerticalGroups", 9423, 2, 0, 2, FALSE, TRUE},
                    WorkspaceCase{"OtherCommand", 35000, 1, 0, 1, FALSE, TRUE}),
    [](const testing::TestParamInfo<WorkspaceCase>& info) { return std::string(info.param.name); });

TEST(TabClientWnd, NoActiveGroupAllowsNothing)
{
    CXTPTabClientWnd client;
    void* pGroup = &client;
    EXPECT_FALSE(client.IsWorkspaceCommandEnabled(35000, &pGroup));
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

// The keyboard manager asks its receivers last first; the first that answers
// decides, and a key nobody answers is eaten.
class CAnsweringSink : public CXTPHookSink
{
public:
    CAnsweringSink(int nAnswer, std::string* pLog, char chName)
        : m_nAnswer(nAnswer), m_pLog(pLog), m_chName(chName)
    {}
    int OnHookMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) override
    {
        *m_pLog += m_chName;
        return m_nAnswer;
    }

private:
    int m_nAnswer;
    std::string* m_pLog;
    char m_chName;
};

struct KeyboardCase
{
    const char* name;
    std::vector<int> answers; // of the receivers in registration order
    BOOL bEaten;
    std::string asked;
};

class KeyboardManagerTest : public testing::TestWithParam<KeyboardCase>
{};

TEST_P(KeyboardManagerTest, LastReceiverFirst)
{
    std::string log;
    std::vector<CAnsweringSink*> sinks;
    CXTPKeyboardManager* pManager = XTPKeyboardManager();
    for (size_t i = 0; i < GetParam().answers.size(); i++)
    {
        sinks.push_back(new CAnsweringSink(GetParam().answers[i], &log, (char)('a' + i)));
        pManager->HookKeyboard(sinks.back());
    }
    EXPECT_TRUE(pManager->IsHooked());
    EXPECT_EQ(GetParam().bEaten, pManager->ProcessKeyboardHooks(WM_KEYDOWN, 'A'));
    EXPECT_EQ(GetParam().asked, log);
    for (CAnsweringSink* pSink : sinks)
    {
        pManager->UnhookKeyboard(pSink);
        delete pSink;
    }
    EXPECT_FALSE(pManager->HasReceivers());
    EXPECT_FALSE(pManager->IsHooked());
}

INSTANTIATE_TEST_SUITE_P(Receivers, KeyboardManagerTest,
                         testing::Values(KeyboardCase{"NobodyAnswersTheKeyIsEaten", {0, 0}, TRUE, "ba"},
                                         KeyboardCase{"LastEatsIt", {0, 1}, TRUE, "b"},
                                         KeyboardCase{"LastLeavesItToTheWindow", {1, 2}, FALSE, "b"},
                                         KeyboardCase{"FirstAnswersAfterTheLastPassed", {2, 0}, FALSE, "ba"}),
                         [](const testing::TestParamInfo<KeyboardCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
