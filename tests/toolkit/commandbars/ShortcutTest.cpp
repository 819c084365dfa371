// The shortcut manager: accelerator texts, the choice among a command's
// accelerators, the texts beside menu items, and the table saved in the
// profile (six bytes an entry) with damaged values refused. Key names come
// from the keyboard driver (wine names Ctrl "Control"): expected texts name
// modifiers as {C}, {S}, {A} and {Del}, filled in with the driver's names.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPAccelManager.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControlPopup.h"
#include "toolkit/commandbars/XTPMenuBar.h"
#include "toolkit/commandbars/XTPMouseManager.h"

#include <gtest/gtest.h>

namespace {

const BYTE V = FVIRTKEY, C = FCONTROL, S = FSHIFT, A = FALT;

CString Expand(const char* pszPattern)
{
    CString strText = pszPattern;
    strText.Replace("{C}", CXTPAccelKeyText::GetKeyName(VK_CONTROL));
    strText.Replace("{S}", CXTPAccelKeyText::GetKeyName(VK_SHIFT));
    strText.Replace("{A}", CXTPAccelKeyText::GetKeyName(VK_MENU));
    strText.Replace("{Del}", CXTPAccelKeyText::GetKeyName(VK_DELETE));
    return strText;
}

TEST(AccelKeyText, DriverNamesAreCapitalisedOnce)
{
    for (UINT nKey : {(UINT)VK_CONTROL, (UINT)VK_SHIFT, (UINT)VK_PRIOR})
    {
        CString strName = CXTPAccelKeyText::GetKeyName(nKey);
        ASSERT_FALSE(strName.IsEmpty()) << nKey;
        EXPECT_TRUE(::IsCharUpperA(strName[0])) << strName;
        for (int i = 1; i < strName.GetLength(); i++)
            EXPECT_FALSE(::IsCharUpperA(strName[i])) << strName;
    }
    EXPECT_STREQ("F", CXTPAccelKeyText::GetKeyName('F'));
}

struct FormatCase
{
    const char* name;
    ACCEL accel;
    const char* text;
    int nOrder;
};

class AccelFormatTest : public testing::TestWithParam<FormatCase>
{};

TEST_P(AccelFormatTest, Formats)
{
    CString strText;
    int nOrder = -1;
    XTPAccelManager()->FormatAccel(strText, &GetParam().accel, &nOrder);
    EXPECT_STREQ(Expand(GetParam().text), strText);
    EXPECT_EQ(GetParam().nOrder, nOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, AccelFormatTest,
    testing::Values(FormatCase{"CtrlShiftLetter", {(BYTE)(V | C | S), 'F', 1}, "{C}+{S}+F", 3},
                    FormatCase{"AltFunctionKey", {(BYTE)(V | A), VK_F4, 1}, "{A}+F4", 2},
                    FormatCase{"ShiftDelete", {(BYTE)(V | S), VK_DELETE, 1}, "{S}+{Del}", 1},
                    FormatCase{"CtrlBreakFromTheTable", {(BYTE)(V | C), 3, 1}, "Ctrl+Break", 3},
                    FormatCase{"PlainKey", {V, VK_F5, 1}, "F5", 4},
                    FormatCase{"CharacterWithoutVirtualKey", {0, 'a', 1}, "a", 4},
                    FormatCase{"EscapeCharacterShowsNothing", {0, 27, 1}, "", 4},
                    FormatCase{"ModifiersAloneLoseTheirLastPlus", {(BYTE)(V | C | A), 0, 1}, "{C}+{A}", 3}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(AccelKeyText, OrderWithoutARecordIsZero)
{
    EXPECT_EQ(0, CXTPAccelKeyText(NULL).GetModifierOrder());
}

class ShortcutFrameTest : public FrameTest<CCommandBarsFrame, 400, 300>
{
protected:
    void Prepare() override { frame->BuildBars(); }
    void TearDown() override
    {
        XTPMouseManager()->SendTrackLost();
        FrameTest::TearDown();
    }
    void SetTable(const std::vector<ACCEL>& entries)
    {
        XTPAccelManager()->SetFrameAccelTable(frame, entries.empty() ? NULL : &entries[0],
                                              (int)entries.size());
    }
    std::vector<ACCEL> Table() { return CXTPAccelManager::GetFrameAccelTable(frame); }
};

struct ChoiceCase
{
    const char* name;
    std::vector<ACCEL> entries;
    const char* current;
    const char* shown;
    BOOL bResult;
};

class ShortcutChoiceTest : public ShortcutFrameTest, public testing::WithParamInterface<ChoiceCase>
{};

TEST_P(ShortcutChoiceTest, Chooses)
{
    SetTable(GetParam().entries);
    CString strShortcut = Expand(GetParam().current);
    EXPECT_EQ(GetParam().bResult,
              XTPAccelManager()->FindShortcutText(ID_TEST_OPEN, strShortcut, frame->m_pCommandBars));
    EXPECT_STREQ(Expand(GetParam().shown), strShortcut);
}

const WORD O = ID_TEST_OPEN, N = ID_TEST_NEW;

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, ShortcutChoiceTest,
    testing::Values(
        ChoiceCase{"NoModifierBeatsCtrl", {{(BYTE)(V | C), 'R', O}, {V, VK_F5, O}}, "", "F5", TRUE},
        ChoiceCase{"CtrlBeatsAlt", {{(BYTE)(V | A), 'N', O}, {(BYTE)(V | C), 'N', O}}, "", "{C}+N", TRUE},
        ChoiceCase{"AltBeatsShift", {{(BYTE)(V | S), 'A', O}, {(BYTE)(V | A), 'A', O}}, "", "{A}+A", TRUE},
        ChoiceCase{
            "TheFirstOfEqualsStays", {{(BYTE)(V | C), 'A', O}, {(BYTE)(V | C), 'B', O}}, "", "{C}+A", TRUE},
        ChoiceCase{"AShownShortcutOfTheCommandStays",
                   {{V, VK_F5, O}, {(BYTE)(V | C), 'R', O}},
                   "{C}+R",
                   "{C}+R",
                   TRUE},
        ChoiceCase{"OtherCommandsDoNotCount", {{V, VK_F5, N}}, "Ctrl+Q", "", FALSE},
        ChoiceCase{"WithoutATableTheTextStays", {}, "Ctrl+Q", "Ctrl+Q", FALSE}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST_F(ShortcutFrameTest, MenuItemsShowTheirShortcuts)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {(BYTE)(V | A), 'N', N}, {(BYTE)(V | C), 'R', O}, {V, VK_F5, O}});
    CXTPControlPopup* pFile = (CXTPControlPopup*)frame->m_pCommandBars->GetMenuBar()->GetControl(0);
    frame->m_pCommandBars->GetMenuBar()->SetPopuped(0);
    CXTPCommandBar* pPopup = pFile->GetCommandBar();
    ASSERT_TRUE(pPopup->IsTrackingMode());
    EXPECT_STREQ(Expand("{C}+N"), pPopup->GetControl(0)->GetAutoShortcutText());
    EXPECT_STREQ("F5", pPopup->GetControl(1)->GetAutoShortcutText());
    EXPECT_STREQ("", pPopup->GetControl(2)->GetAutoShortcutText()) << "Exit has none";
}

TEST_F(ShortcutFrameTest, SetAccelReplacesTheKeyOrAddsIt)
{
    SetTable({{(BYTE)(V | C), 'N', N}});
    XTPAccelManager()->SetAccel(frame, C, 'N', O);
    XTPAccelManager()->SetAccel(frame, A, 'X', N);
    std::vector<ACCEL> table = Table();
    ASSERT_EQ(2u, table.size());
    EXPECT_EQ(O, table[0].cmd) << "the same key gets the new command";
    EXPECT_EQ((BYTE)(V | A), table[1].fVirt);
    ACCEL accel;
    ASSERT_TRUE(XTPAccelManager()->GetAccel(frame, N, &accel));
    EXPECT_EQ((BYTE)A, accel.fVirt) << "FVIRTKEY is cleared";
    EXPECT_FALSE(XTPAccelManager()->GetAccel(frame, ID_TEST_BOLD, &accel));
}

class ShortcutProfileTest : public ShortcutFrameTest
{
protected:
    void Prepare() override
    {
        ShortcutFrameTest::Prepare();
        m_pApp = new CWinApp("Tidewatch Command Bars Tests");
        m_pApp->SetRegistryKey("Tidewatch Tests");
        m_pApp->WriteProfileString(kSection, NULL, NULL);
    }
    void TearDown() override
    {
        m_pApp->WriteProfileString(kSection, NULL, NULL);
        delete m_pApp;
        ShortcutFrameTest::TearDown();
    }
    static constexpr const char* kSection = "Shortcut Test";
    CWinApp* m_pApp = nullptr;
};

TEST_F(ShortcutProfileTest, ThreeAcceleratorsSaveAsEighteenBytesAndLoadBack)
{
    const std::vector<ACCEL> saved = {
        {(BYTE)(V | C), 'N', N}, {V, VK_F5, O}, {(BYTE)(V | A), 'B', ID_TEST_BOLD}};
    SetTable(saved);
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(m_pApp->GetProfileBinary(kSection, "Accelerators", &pData, &nBytes));
    EXPECT_EQ(18u, nBytes);
    delete[] pData;

    SetTable({{V, VK_F9, N}});
    EXPECT_TRUE(XTPAccelManager()->LoadShortcuts(frame, kSection));
    std::vector<ACCEL> loaded = Table();
    ASSERT_EQ(3u, loaded.size());
    for (size_t i = 0; i < 3; i++)
    {
        EXPECT_EQ(saved[i].fVirt, loaded[i].fVirt) << i;
        EXPECT_EQ(saved[i].key, loaded[i].key) << i;
        EXPECT_EQ(saved[i].cmd, loaded[i].cmd) << i;
    }
}

TEST_F(ShortcutProfileTest, ADamagedTableIsRefusedAndTheCurrentOneStays)
{
    SetTable({{V, VK_F9, N}});
    BYTE damaged[7] = {1, 0, 0x78, 0, 0xB9, 0x0B, 9};
    for (UINT nBytes : {7u, 0u})
    {
        m_pApp->WriteProfileBinary(kSection, "Accelerators", damaged, nBytes);
        EXPECT_FALSE(XTPAccelManager()->LoadShortcuts(frame, kSection)) << nBytes;
        std::vector<ACCEL> table = Table();
        ASSERT_EQ(1u, table.size());
        EXPECT_EQ(VK_F9, table[0].key);
    }
}

TEST_F(ShortcutProfileTest, AFrameWithoutATableSavesNothing)
{
    SetTable({});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    EXPECT_FALSE(m_pApp->GetProfileBinary(kSection, "Accelerators", &pData, &nBytes));
    delete[] pData;
}

} // namespace
