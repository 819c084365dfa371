// The key-capture field: key messages reach it through PreTranslateMessage
// as the message pump hands them over, with the modifiers set in the
// thread's key state (which the field reads, as for real typing).
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/input/XTPAccelKeyEdit.h"

namespace {

class AccelKeyEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 32), &host, 100));
        edit.SetFocus();
    }
    void TearDown() override { HoldModifiers(0); }

    static void HoldModifiers(BYTE fVirt)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = (fVirt & FSHIFT) ? 0x80 : 0;
        keys[VK_CONTROL] = (fVirt & FCONTROL) ? 0x80 : 0;
        keys[VK_MENU] = (fVirt & FALT) ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    // One key message as the pump hands it to the field; TRUE when taken.
    BOOL Key(UINT nMessage, UINT nKey, BOOL bRepeat = FALSE)
    {
        MSG msg = {edit.m_hWnd, nMessage, nKey, bRepeat ? 0x40000001 : 1, 0, {0, 0}};
        return edit.PreTranslateMessage(&msg);
    }
    std::string Text()
    {
        CString strText;
        edit.GetWindowText(strText);
        return (LPCTSTR)strText;
    }
    static std::string Formatted(BYTE fVirt, WORD key)
    {
        ACCEL accel = {fVirt, key, 0};
        return (LPCTSTR)CXTPAccelKeyText(&accel).Format();
    }

    CTestWindow host;
    CXTPAccelKeyEdit edit;
};

TEST_F(AccelKeyEditTest, AKeyWithTheModifiersHeldMakesTheRecord)
{
    struct Row
    {
        const char* name;
        BYTE fHeld;
        UINT nMessage;
        UINT nKey;
        BYTE fVirt;
    } rows[] = {
        {"Ctrl+Shift+F", FCONTROL | FSHIFT, WM_KEYDOWN, 'F', FVIRTKEY | FCONTROL | FSHIFT},
        {"Alt+F5", FALT, WM_SYSKEYDOWN, VK_F5, FVIRTKEY | FALT},
        {"Delete", 0, WM_KEYDOWN, VK_DELETE, FVIRTKEY},
        {"Ctrl+Tab", FCONTROL, WM_KEYDOWN, VK_TAB, FVIRTKEY | FCONTROL},
        {"Shift+Esc", FSHIFT, WM_KEYDOWN, VK_ESCAPE, FVIRTKEY | FSHIFT},
    };
    for (const Row& row : rows)
    {
        HoldModifiers(row.fHeld);
        EXPECT_TRUE(Key(row.nMessage, row.nKey)) << row.name;
        EXPECT_TRUE(edit.IsKeyComplete()) << row.name;
        EXPECT_EQ(row.fVirt, edit.GetKeyAccel()->fVirt) << row.name;
        EXPECT_EQ(row.nKey, edit.GetKeyAccel()->key) << row.name;
        EXPECT_EQ(Formatted(row.fVirt, (WORD)row.nKey), Text()) << row.name;
    }
}

TEST_F(AccelKeyEditTest, ModifiersAloneShowAsTheyArePressedAndReleased)
{
    HoldModifiers(FCONTROL);
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_CONTROL));
    EXPECT_FALSE(edit.IsKeyComplete());
    EXPECT_EQ(FCONTROL, edit.GetKeyAccel()->fVirt);
    EXPECT_EQ(Formatted(FCONTROL, 0), Text());

    HoldModifiers(0);
    EXPECT_TRUE(Key(WM_KEYUP, VK_CONTROL));
    EXPECT_EQ(0, edit.GetKeyAccel()->fVirt);
    EXPECT_EQ("", Text());
}

TEST_F(AccelKeyEditTest, ACompleteKeyStaysThroughRepeatsAndReleases)
{
    HoldModifiers(FCONTROL);
    Key(WM_KEYDOWN, 'K');
    HoldModifiers(0);
    Key(WM_KEYDOWN, 'K', TRUE);
    Key(WM_KEYUP, 'K');
    Key(WM_KEYUP, VK_CONTROL);
    EXPECT_TRUE(edit.IsKeyComplete());
    EXPECT_EQ(FVIRTKEY | FCONTROL, edit.GetKeyAccel()->fVirt);
    EXPECT_EQ('K', edit.GetKeyAccel()->key);

    // A new press starts over.
    Key(WM_KEYDOWN, 'J');
    EXPECT_EQ(FVIRTKEY, edit.GetKeyAccel()->fVirt);
    EXPECT_EQ('J', edit.GetKeyAccel()->key);
}

TEST_F(AccelKeyEditTest, EscAloneClearsTheFieldAndIsTaken)
{
    HoldModifiers(FCONTROL);
    Key(WM_KEYDOWN, 'K');
    HoldModifiers(0);
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(edit.IsKeyComplete());
    EXPECT_EQ(0, edit.GetKeyAccel()->key);
    EXPECT_EQ("", Text());
}

TEST_F(AccelKeyEditTest, TabAloneClearsTheFieldAndGoesOnToTheDialog)
{
    for (BYTE fHeld : {(BYTE)0, (BYTE)FSHIFT})
    {
        HoldModifiers(FCONTROL);
        Key(WM_KEYDOWN, 'K');
        HoldModifiers(fHeld);
        EXPECT_FALSE(Key(WM_KEYDOWN, VK_TAB)) << (int)fHeld;
        EXPECT_FALSE(edit.IsKeyComplete()) << (int)fHeld;
        EXPECT_EQ("", Text()) << (int)fHeld;
    }
}

TEST_F(AccelKeyEditTest, TheReleaseOfTabAloneLeavesTheFieldEmpty)
{
    // The focus stays when the field is the dialog's only stop: the release
    // of Tab reaches it too.
    for (BYTE fHeld : {(BYTE)0, (BYTE)FSHIFT})
    {
        HoldModifiers(fHeld);
        Key(WM_KEYDOWN, VK_TAB);
        EXPECT_FALSE(Key(WM_KEYUP, VK_TAB)) << (int)fHeld;
        EXPECT_EQ("", Text()) << (int)fHeld;
        EXPECT_EQ(0, edit.GetKeyAccel()->key) << (int)fHeld;
    }
}

TEST_F(AccelKeyEditTest, APressOfAnyButtonOnlyGivesTheFocus)
{
    host.SetFocus();
    for (UINT nMessage : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
    {
        MSG msg = {edit.m_hWnd, nMessage, 0, MAKELPARAM(5, 5), 0, {0, 0}};
        EXPECT_TRUE(edit.PreTranslateMessage(&msg)) << nMessage;
        EXPECT_EQ(edit.m_hWnd, ::GetFocus()) << nMessage;
        host.SetFocus();
    }
}

TEST_F(AccelKeyEditTest, SetShowsARecordAndResetEmptiesTheField)
{
    ACCEL accel = {FVIRTKEY | FALT, VK_F2, 0};
    edit.SetKeyAccel(&accel);
    EXPECT_EQ(Formatted(FVIRTKEY | FALT, VK_F2), Text());
    EXPECT_EQ(VK_F2, edit.GetKeyAccel()->key);

    edit.ResetKey();
    EXPECT_EQ("", Text());
    EXPECT_EQ(0, edit.GetKeyAccel()->fVirt);
    EXPECT_FALSE(edit.IsKeyComplete());
}

} // namespace
