// The system keys typed with the focus in the keyword tree, where every start
// puts it, by real input: F10 alone and Alt alone enter the menu bar's
// keyboard tracking and Alt+F4 closes the main window, as they do from the
// news list.
#include "MainFrameFixture.h"
#include "tests/support/RealInput.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"

#include <functional>

namespace {

// The main frame as the program starts it: the document template's initial
// update makes the keyword tree the active view, in front, with the focus.
// Closing the frame stores the bars' state, which the base forgets after the
// case.
class TreeSystemKeysTest : public MainFrameBarStateTest
{
protected:
    void SetUp() override
    {
        MainFrameBarStateTest::SetUp();
        frame->InitialUpdateFrame(NULL, TRUE);
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == Tree(); }))
            << "the focus is on window id " << ::GetDlgCtrlID(::GetFocus());
    }

    HWND Tree() { return frame->GetTreeView()->GetTree().m_hWnd; }
    CXTPMenuBar* MenuBar() { return frame->GetCommandBars()->GetMenuBar(); }
};

// The menu bar tracks the keyboard; Esc ends it and the focus is back in the
// tree.
void ExpectKeyboardTrackingFromTheTree(CXTPMenuBar* pMenuBar, HWND hTree)
{
    EXPECT_TRUE(PumpPendingUntil([&] { return pMenuBar->IsTrackingMode() == xtpTrackingOn; }))
        << "tracking mode " << pMenuBar->IsTrackingMode();
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpPendingUntil([&] { return pMenuBar->IsTrackingMode() == xtpTrackingOff; }));
    EXPECT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == hTree; }));
}

} // namespace

TEST_F(TreeSystemKeysTest, MenuKeysAndCloseReachTheFrameFromTheTree)
{
    const struct
    {
        const char* name;
        std::initializer_list<WORD> keys;
        std::function<void()> expect;
    } rows[] = {
        {"F10 alone", {VK_F10}, [&] { ExpectKeyboardTrackingFromTheTree(MenuBar(), Tree()); }},
        {"Alt alone", {VK_MENU}, [&] { ExpectKeyboardTrackingFromTheTree(MenuBar(), Tree()); }},
        // Last: the frame closes as its Close command closes it, saving
        // what it keeps and destroying itself.
        {"Alt+F4",
         {VK_MENU, VK_F4},
         [&] {
             const HWND hFrame = frame->m_hWnd;
             ASSERT_TRUE(PumpPendingUntil([&] { return !::IsWindow(hFrame); })) << "the frame stays";
             frame = NULL;
         }},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(Tree(), ::GetFocus());
        PressKeys(row.keys);
        row.expect();
    }
}
