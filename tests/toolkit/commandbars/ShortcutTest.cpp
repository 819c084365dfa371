// The shortcut manager: accelerator texts, the choice among a command's
// accelerators, the texts beside menu items, and the table saved in the
// profile (six bytes an entry) with damaged values refused. Key names come
// from the keyboard driver (wine names Ctrl "Control"): expected texts name
// modifiers as {C}, {S}, {A} and {Del}, filled in with the driver's names.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPAccelManager.h"

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

TEST(AccelKeyText, FormatsAnAcceleratorAndItsModifierOrder)
{
    const struct
    {
        const char* name;
        ACCEL accel;
        const char* text;
        int nOrder;
    } cases[] = {
        {"ctrl, shift and a letter", {(BYTE)(V | C | S), 'F', 1}, "{C}+{S}+F", 3},
        {"alt and a function key", {(BYTE)(V | A), VK_F4, 1}, "{A}+F4", 2},
        {"shift and delete", {(BYTE)(V | S), VK_DELETE, 1}, "{S}+{Del}", 1},
        {"ctrl and break, from the table", {(BYTE)(V | C), 3, 1}, "Ctrl+Break", 3},
        {"a plain key", {V, VK_F5, 1}, "F5", 4},
        {"a character without virtual key", {0, 'a', 1}, "a", 4},
        {"the escape character shows nothing", {0, 27, 1}, "", 4},
        {"modifiers alone lose their last plus", {(BYTE)(V | C | A), 0, 1}, "{C}+{A}", 3},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CString strText;
        int nOrder = -1;
        XTPAccelManager()->FormatAccel(strText, &c.accel, &nOrder);
        EXPECT_STREQ(Expand(c.text), strText);
        EXPECT_EQ(c.nOrder, nOrder);
    }
    EXPECT_EQ(0, CXTPAccelKeyText(NULL).GetModifierOrder()) << "no record";
}

class ShortcutFrameTest : public CommandBarsTest
{
protected:
    void SetTable(const std::vector<ACCEL>& entries)
    {
        XTPAccelManager()->SetFrameAccelTable(frame, entries.empty() ? NULL : &entries[0],
                                              (int)entries.size());
    }
    // The frame's table as "flags/key/command" entries.
    std::string Table()
    {
        std::string text;
        for (const ACCEL& accel : CXTPAccelManager::GetFrameAccelTable(frame))
            text += (text.empty() ? "" : " ") + std::to_string(accel.fVirt) + "/" + std::to_string(accel.key)
                    + "/" + std::to_string(accel.cmd);
        return text;
    }
};

const WORD O = ID_TEST_OPEN, N = ID_TEST_NEW;

TEST_F(ShortcutFrameTest, TheShownShortcutIsTheCommandsBestAccelerator)
{
    const struct
    {
        const char* name;
        std::vector<ACCEL> entries;
        const char* current;
        const char* shown;
        BOOL bResult;
    } cases[] = {
        {"no modifier beats ctrl", {{(BYTE)(V | C), 'R', O}, {V, VK_F5, O}}, "", "F5", TRUE},
        {"ctrl beats alt", {{(BYTE)(V | A), 'N', O}, {(BYTE)(V | C), 'N', O}}, "", "{C}+N", TRUE},
        {"alt beats shift", {{(BYTE)(V | S), 'A', O}, {(BYTE)(V | A), 'A', O}}, "", "{A}+A", TRUE},
        {"the first of equals stays", {{(BYTE)(V | C), 'A', O}, {(BYTE)(V | C), 'B', O}}, "", "{C}+A", TRUE},
        {"a shown shortcut of the command stays",
         {{V, VK_F5, O}, {(BYTE)(V | C), 'R', O}},
         "{C}+R",
         "{C}+R",
         TRUE},
        {"other commands do not count", {{V, VK_F5, N}}, "Ctrl+Q", "", FALSE},
        {"without a table the text stays", {}, "Ctrl+Q", "Ctrl+Q", FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetTable(c.entries);
        CString strShortcut = Expand(c.current);
        EXPECT_EQ(c.bResult,
                  XTPAccelManager()->FindShortcutText(ID_TEST_OPEN, strShortcut, frame->m_pCommandBars));
        EXPECT_STREQ(Expand(c.shown), strShortcut);
    }
}

TEST_F(ShortcutFrameTest, MenuItemsShowTheirShortcuts)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {(BYTE)(V | A), 'N', N}, {(BYTE)(V | C), 'R', O}, {V, VK_F5, O}});
    CXTPControlPopup* pFile = (CXTPControlPopup*)MenuBar()->GetControl(0);
    MenuBar()->SetPopuped(0);
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
    EXPECT_EQ("9/78/3002 17/88/3001", Table()) << "the same key gets the new command";
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
    // The size of the saved table, 0 when none was saved.
    UINT SavedBytes()
    {
        LPBYTE pData = NULL;
        UINT nBytes = 0;
        m_pApp->GetProfileBinary(kSection, "Accelerators", &pData, &nBytes);
        delete[] pData;
        return nBytes;
    }
    static constexpr const char* kSection = "Shortcut Test";
    CWinApp* m_pApp = nullptr;
};

TEST_F(ShortcutProfileTest, ThreeAcceleratorsSaveAsEighteenBytesAndLoadBack)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {V, VK_F5, O}, {(BYTE)(V | A), 'B', ID_TEST_BOLD}});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    EXPECT_EQ(18u, SavedBytes());
    SetTable({{V, VK_F9, N}});
    EXPECT_TRUE(XTPAccelManager()->LoadShortcuts(frame, kSection));
    EXPECT_EQ("9/78/3001 1/116/3002 17/66/3005", Table());
}

TEST_F(ShortcutProfileTest, ADamagedTableIsRefusedAndTheCurrentOneStays)
{
    SetTable({{V, VK_F9, N}});
    BYTE damaged[7] = {1, 0, 0x78, 0, 0xB9, 0x0B, 9};
    for (UINT nBytes : {7u, 0u})
    {
        m_pApp->WriteProfileBinary(kSection, "Accelerators", damaged, nBytes);
        EXPECT_FALSE(XTPAccelManager()->LoadShortcuts(frame, kSection)) << nBytes;
        EXPECT_EQ("1/120/3001", Table());
    }
}

TEST_F(ShortcutProfileTest, AFrameWithoutATableSavesNothing)
{
    SetTable({});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    EXPECT_EQ(0u, SavedBytes());
}

} // namespace
