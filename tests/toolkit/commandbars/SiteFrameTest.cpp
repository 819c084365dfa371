// The site frame hands its keys to the command bars before its own
// accelerators: Alt with a menu's mnemonic opens that menu even where an
// accelerator of the frame uses the same key. A bar's edit field with the
// focus gets its keys before both.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

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
    static void SetAltDown(BOOL bDown) { SetKeyDown(VK_MENU, bDown); }
    void SetAccelerators(const ACCEL* pAccels, int nCount)
    {
        ::DestroyAcceleratorTable(frame->m_hAccelTable);
        frame->m_hAccelTable = ::CreateAcceleratorTable(const_cast<ACCEL*>(pAccels), nCount);
    }
    void TearDown() override
    {
        SetAltDown(FALSE);
        SetKeyDown(VK_CONTROL, FALSE);
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
    SetAccelerators(&accel, 1);
    MSG msg = {frame->m_hWnd, WM_SYSKEYDOWN, 'N', 0x20000001, 0, {0, 0}};
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));

    EXPECT_EQ(-1, frame->GetCommandBars()->GetMenuBar()->GetPopupedIndex());
    EXPECT_EQ(std::vector<std::string>{"command new"}, frame->m_log);
}

TEST_F(SiteFrameTest, ABarEditFieldWithTheFocusGetsItsKeysBeforeTheAccelerators)
{
    SetAltDown(FALSE);
    CXTPToolBar* pBar = frame->GetCommandBars()->Add("Find", xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    CXTPControlEdit* pEdit = (CXTPControlEdit*)pBar->GetControls()->Add(xtpControlEdit, ID_TEST_COPY);
    frame->RecalcLayout();
    PumpPending();
    ASSERT_TRUE(pEdit->GetEditWnd() != NULL && pEdit->GetEditWnd()->m_hWnd != NULL);
    const ACCEL accels[] = {{FCONTROL | FVIRTKEY, 'C', ID_TEST_NEW}, {FVIRTKEY, VK_ESCAPE, ID_TEST_NEW}};
    SetAccelerators(accels, 2);

    const struct
    {
        const char* name;
        UINT nKey;
        BOOL bCtrl, bInField;
        BOOL bTranslated; // the frame took the key (the accelerator ran)
    } rows[] = {
        {"Ctrl+C in the field copies there", 'C', TRUE, TRUE, FALSE},
        {"Ctrl+C elsewhere runs the accelerator", 'C', TRUE, FALSE, TRUE},
        {"Esc in the field goes the frame's way", VK_ESCAPE, FALSE, TRUE, TRUE},
    };
    for (const auto& row : rows)
    {
        if (row.bInField)
            pEdit->GetEditWnd()->SetFocus();
        else
            frame->SetFocus();
        SetKeyDown(VK_CONTROL, row.bCtrl);
        frame->m_log.clear();
        MSG msg = {::GetFocus(), WM_KEYDOWN, row.nKey, 1, 0, {0, 0}};
        EXPECT_EQ(row.bTranslated, frame->PreTranslateMessage(&msg)) << row.name;
        EXPECT_EQ(row.bTranslated ? std::vector<std::string>{"command new"} : std::vector<std::string>{},
                  frame->m_log)
            << row.name;
    }
}

} // namespace
