// A tool bar hosted in a dialog-like window (no manager, no tracker): taking
// the focus it enters its menu loop with the first button selected, and Tab
// or Shift+Tab hands the focus on to the next or previous tab item.
#include "CommandBarsTestSupport.h"

namespace {

class ToolBarInDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_edits[0].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(0, 0, 80, 20), &m_host, 101);
        m_bar.SetPaintManager(new CFixedSizePaintManager);
        ASSERT_TRUE(m_bar.CreateToolBar(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBRS_TOP, &m_host, 102));
        const UINT buttons[] = {ID_TEST_NEW, ID_TEST_OPEN};
        m_bar.SetButtons(buttons, 2);
        m_bar.SetWindowPos(NULL, 0, 30, 100, 26, SWP_NOZORDER);
        m_edits[1].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(0, 60, 80, 80), &m_host, 103);
    }
    void TearDown() override
    {
        m_bar.SetTrackingMode(xtpTrackingOff);
        m_bar.DestroyWindow();
    }
    // Presses the key as the keyboard hook hands it to the tracking bar.
    static void Key(UINT nKey) { XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, nKey, 0); }

    CTestWindow m_host;
    CEdit m_edits[2];
    CXTPToolBar m_bar;
};

TEST_F(ToolBarInDialogTest, FocusSelectsTheFirstButtonAndTabMovesOn)
{
    m_bar.SetFocus();
    EXPECT_TRUE(m_bar.IsTrackingMode());
    EXPECT_EQ(0, m_bar.GetSelectedIndex());

    Key(VK_TAB);
    EXPECT_EQ(m_edits[1].m_hWnd, ::GetFocus()) << "the next tab item";
    EXPECT_FALSE(m_bar.IsTrackingMode());
}

TEST_F(ToolBarInDialogTest, ShiftTabMovesToThePreviousTabItem)
{
    m_bar.SetFocus();
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    Key(VK_TAB);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(m_edits[0].m_hWnd, ::GetFocus());
}

TEST_F(ToolBarInDialogTest, OtherKeysStayWithTheBar)
{
    m_bar.SetFocus();
    Key(VK_RIGHT);
    EXPECT_EQ(1, m_bar.GetSelectedIndex());
    EXPECT_EQ(m_bar.m_hWnd, ::GetFocus());
}

} // namespace
