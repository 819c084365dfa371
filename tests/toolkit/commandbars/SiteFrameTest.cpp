// The site frame hands its keys to the command bars before its own
// accelerators: Alt with a menu's mnemonic opens that menu even where an
// accelerator of the frame uses the same key.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"

namespace {

class CLoggingSiteFrame : public CXTPCommandBarsSiteFrame
{
public:
    std::vector<std::string> m_log;

protected:
    afx_msg void OnNew() { m_log.push_back("command new"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingSiteFrame, CXTPCommandBarsSiteFrame)
ON_COMMAND(ID_TEST_NEW, OnNew)
END_MESSAGE_MAP()

class SiteFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CLoggingSiteFrame;
        ASSERT_TRUE(frame->Create(NULL, "site", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340)));
        ASSERT_TRUE(frame->CreateCommandBars(RUNTIME_CLASS(CXTPCommandBars)));
        frame->GetCommandBars()->SetPaintManager(new CFixedSizePaintManager);
        ASSERT_NE(nullptr, frame->GetCommandBars()->SetMenu("Menu Bar", IDR_TEST_MENU));
        frame->RecalcLayout();
        // Alt+F is also the frame's accelerator for New.
        ACCEL accel = {FALT | FVIRTKEY, 'F', ID_TEST_NEW};
        frame->m_hAccelTable = ::CreateAcceleratorTable(&accel, 1);
        frame->SetFocus();
        // Alt is held, as the accelerators read it from the key state.
        SetAltDown(TRUE);
    }
    static void SetAltDown(BOOL bDown)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_MENU] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    void TearDown() override
    {
        SetAltDown(FALSE);
        XTPMouseManager()->SendTrackLost();
        ::DestroyAcceleratorTable(frame->m_hAccelTable);
        frame->m_hAccelTable = NULL;
        frame->DestroyWindow();
        PumpPending();
    }

    CLoggingSiteFrame* frame = nullptr;
};

TEST_F(SiteFrameTest, AltWithAMnemonicOpensTheMenuBeforeTheAccelerators)
{
    MSG msg = {frame->m_hWnd, WM_SYSKEYDOWN, 'F', 0x20000001, 0, {0, 0}};
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));

    EXPECT_EQ(0, frame->GetCommandBars()->GetMenuBar()->GetPopupedIndex());
    EXPECT_TRUE(frame->m_log.empty());
}

TEST_F(SiteFrameTest, AKeyNoMenuTakesStillReachesTheAccelerators)
{
    // No menu caption has the mnemonic N.
    ACCEL accel = {FALT | FVIRTKEY, 'N', ID_TEST_NEW};
    ::DestroyAcceleratorTable(frame->m_hAccelTable);
    frame->m_hAccelTable = ::CreateAcceleratorTable(&accel, 1);
    MSG msg = {frame->m_hWnd, WM_SYSKEYDOWN, 'N', 0x20000001, 0, {0, 0}};
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));

    EXPECT_EQ(-1, frame->GetCommandBars()->GetMenuBar()->GetPopupedIndex());
    EXPECT_EQ(std::vector<std::string>{"command new"}, frame->m_log);
}

} // namespace
