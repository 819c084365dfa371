// The shortcut manager: accelerator texts, the choice among a command's
// accelerators, the texts beside menu items, and the table saved in the
// profile (six bytes an entry) with damaged values refused. Key names come
// from the keyboard driver (wine names Ctrl "Control"): expected texts name
// modifiers as {C}, {S}, {A} and {Del}, filled in with the driver's names.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/input/XTPAccelManager.h"

namespace {

const BYTE V = FVIRTKEY, C = FCONTROL, S = FSHIFT, A = FALT;

// The text with {C}, {S}, {A} and {Del} replaced by the driver's key names.
std::string Expand(const char* pszPattern)
{
    CString strText = pszPattern;
    strText.Replace("{C}", CXTPAccelKeyText::GetKeyName(VK_CONTROL));
    strText.Replace("{S}", CXTPAccelKeyText::GetKeyName(VK_SHIFT));
    strText.Replace("{A}", CXTPAccelKeyText::GetKeyName(VK_MENU));
    strText.Replace("{Del}", CXTPAccelKeyText::GetKeyName(VK_DELETE));
    return (LPCTSTR)strText;
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

// The accelerator's text and its modifier order after a space.
std::string Format(BYTE fVirt, WORD key)
{
    const ACCEL accel = {fVirt, key, 1};
    CString strText;
    int nOrder = -1;
    XTPAccelManager()->FormatAccel(strText, &accel, &nOrder);
    return (LPCTSTR)strText + (" " + std::to_string(nOrder));
}

TEST(AccelKeyText, FormatsAnAcceleratorAndItsModifierOrder)
{
    EXPECT_EQ(Expand("{C}+{S}+F 3"), Format(V | C | S, 'F')) << "ctrl, shift and a letter";
    EXPECT_EQ(Expand("{A}+F4 2"), Format(V | A, VK_F4)) << "alt and a function key";
    EXPECT_EQ(Expand("{S}+{Del} 1"), Format(V | S, VK_DELETE)) << "shift and delete";
    EXPECT_EQ("Ctrl+Break 3", Format(V | C, 3)) << "ctrl and break, from the table";
    EXPECT_EQ("F5 4", Format(V, VK_F5)) << "a plain key";
    EXPECT_EQ("a 4", Format(0, 'a')) << "a character without virtual key";
    EXPECT_EQ(" 4", Format(0, 27)) << "the escape character shows nothing";
    EXPECT_EQ(Expand("{C}+{A} 3"), Format(V | C | A, 0)) << "modifiers alone lose their last plus";
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
    // The text shown for Open with this table, starting from pszCurrent, and
    // " found" when a shortcut was found.
    auto shown = [this](const std::vector<ACCEL>& entries, const char* pszCurrent) {
        SetTable(entries);
        CString strShortcut = Expand(pszCurrent).c_str();
        BOOL bFound = XTPAccelManager()->FindShortcutText(ID_TEST_OPEN, strShortcut, frame->m_pCommandBars);
        return std::string(strShortcut) + (bFound ? " found" : "");
    };
    const BYTE VC = V | C, VA = V | A, VS = V | S;
    EXPECT_EQ("F5 found", shown({{VC, 'R', O}, {V, VK_F5, O}}, "")) << "no modifier beats ctrl";
    EXPECT_EQ(Expand("{C}+N found"), shown({{VA, 'N', O}, {VC, 'N', O}}, "")) << "ctrl beats alt";
    EXPECT_EQ(Expand("{A}+A found"), shown({{VS, 'A', O}, {VA, 'A', O}}, "")) << "alt beats shift";
    EXPECT_EQ(Expand("{C}+A found"), shown({{VC, 'A', O}, {VC, 'B', O}}, "")) << "the first of equals stays";
    EXPECT_EQ(Expand("{C}+R found"), shown({{V, VK_F5, O}, {VC, 'R', O}}, "{C}+R"))
        << "a shown shortcut of the command stays";
    EXPECT_EQ("", shown({{V, VK_F5, N}}, "Ctrl+Q")) << "other commands do not count";
    EXPECT_EQ("Ctrl+Q", shown({}, "Ctrl+Q")) << "without a table the text stays";
}

TEST_F(ShortcutFrameTest, MenuItemsShowTheirShortcuts)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {(BYTE)(V | A), 'N', N}, {(BYTE)(V | C), 'R', O}, {V, VK_F5, O}});
    CXTPControlPopup* pFile = (CXTPControlPopup*)MenuBar()->GetControl(0);
    MenuBar()->SetPopuped(0);
    CXTPCommandBar* pPopup = pFile->GetCommandBar();
    ASSERT_TRUE(pPopup->IsTrackingMode());
    EXPECT_STREQ(Expand("{C}+N").c_str(), pPopup->GetControl(0)->GetAutoShortcutText());
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

// The table saved in the application's profile, under a section of its own
// that is emptied before and after.
class ShortcutProfileTest : public ShortcutFrameTest
{
protected:
    ShortcutProfileTest() : app("Tidewatch Command Bars Tests")
    {
        app.SetRegistryKey("Tidewatch Tests");
        app.WriteProfileString(kSection, NULL, NULL);
    }
    ~ShortcutProfileTest() override { app.WriteProfileString(kSection, NULL, NULL); }
    UINT SavedBytes()
    {
        LPBYTE pData = NULL;
        UINT nBytes = 0;
        app.GetProfileBinary(kSection, "Accelerators", &pData, &nBytes);
        delete[] pData;
        return nBytes;
    }
    static constexpr const char* kSection = "Shortcut Test";
    CWinApp app;
};

TEST_F(ShortcutProfileTest, TheProfileHoldsSixBytesAnEntry)
{
    SetTable({});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    EXPECT_EQ(0u, SavedBytes()) << "a frame without a table saves an empty entry";

    SetTable({{(BYTE)(V | C), 'N', N}, {V, VK_F5, O}, {(BYTE)(V | A), 'B', ID_TEST_BOLD}});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    EXPECT_EQ(18u, SavedBytes());
    SetTable({{V, VK_F9, N}});
    EXPECT_TRUE(XTPAccelManager()->LoadShortcuts(frame, kSection));
    EXPECT_EQ("9/78/3001 1/116/3002 17/66/3005", Table());
}

TEST_F(ShortcutProfileTest, ADamagedTableIsRefusedAndTheCurrentTableStays)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {V, VK_F5, O}, {(BYTE)(V | A), 'B', ID_TEST_BOLD}});
    BYTE damaged[7] = {1, 0, 0x78, 0, 0xB9, 0x0B, 9};
    for (UINT nBytes : {7u, 1u})
    {
        app.WriteProfileBinary(kSection, "Accelerators", damaged, nBytes);
        EXPECT_FALSE(XTPAccelManager()->LoadShortcuts(frame, kSection)) << nBytes;
        EXPECT_EQ("9/78/3001 1/116/3002 17/66/3005", Table()) << "the current table stays";
    }
}

// The user may remove every shortcut: the empty table is saved as an empty
// entry and loads as no table, and the one saved before does not come back.
TEST_F(ShortcutProfileTest, AnEmptyEntryGivesAnEmptyTable)
{
    SetTable({{(BYTE)(V | C), 'N', N}, {V, VK_F5, O}});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    SetTable({});
    XTPAccelManager()->SaveShortcuts(frame, kSection);
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    EXPECT_TRUE(app.GetProfileBinary(kSection, "Accelerators", &pData, &nBytes)) << "the entry is there";
    delete[] pData;

    SetTable({{V, VK_F9, N}});
    EXPECT_TRUE(XTPAccelManager()->LoadShortcuts(frame, kSection));
    EXPECT_EQ("", Table());
    EXPECT_TRUE(frame->m_hAccelTable == NULL);
}

} // namespace
