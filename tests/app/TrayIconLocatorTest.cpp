// The icon's rectangle read from a notification toolbar laid out as the
// shell's: a "TrayNotifyWnd" holding a real toolbar whose buttons' data words
// point at {owner window, icon id} records. The toolbar lives in this process,
// so the reads through the buffer are real reads of a process's memory.
#include "app/TrayIconLocator.h"
#include "tests/support/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct IconRecord
{
    HWND hOwner;
    UINT nId;
};

struct Button
{
    IconRecord record;
    BOOL hidden;
};

const UINT kIconId = 131;

class TrayIconLocatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::InitCommonControls();
        owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0);
        other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "TrayNotifyWnd";
        ::RegisterClassA(&wc);
        tray.CreateEx(0, AfxRegisterWndClass(0), "tray", WS_POPUP | WS_VISIBLE, CRect(300, 500, 700, 540),
                      NULL, 0);
        notify = ::CreateWindowExA(0, "TrayNotifyWnd", "", WS_CHILD | WS_VISIBLE, 100, 2, 300, 36,
                                   tray.m_hWnd, NULL, wc.hInstance, NULL);
        locator.SetIcon(owner.m_hWnd, kIconId);
    }
    void TearDown() override
    {
        tray.DestroyWindow();
        owner.DestroyWindow();
        other.DestroyWindow();
    }

    // The toolbar inside the notify window, with these buttons.
    HWND MakeToolbar(std::vector<Button>& buttons)
    {
        HWND hToolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_NORESIZE, 10,
                                          4, 200, 28, notify, NULL, ::GetModuleHandleA(NULL), NULL);
        ::SendMessageA(hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        int nCommand = 1;
        for (Button& button : buttons)
        {
            TBBUTTON tb = {};
            tb.iBitmap = I_IMAGENONE;
            tb.idCommand = nCommand++;
            tb.fsState = (BYTE)(TBSTATE_ENABLED | (button.hidden ? TBSTATE_HIDDEN : 0));
            tb.fsStyle = BTNS_BUTTON;
            tb.dwData = (DWORD_PTR)&button.record;
            ::SendMessageA(hToolbar, TB_ADDBUTTONS, 1, (LPARAM)&tb);
        }
        return hToolbar;
    }
    static CRect ButtonOnScreen(HWND hToolbar, int nIndex)
    {
        CRect rect;
        ::SendMessageA(hToolbar, TB_GETITEMRECT, nIndex, (LPARAM)&rect);
        ::MapWindowPoints(hToolbar, NULL, (POINT*)&rect, 2);
        return rect;
    }
    static CRect WindowRect(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        return rect;
    }

    CWnd owner, other, tray;
    HWND notify = NULL;
    TrayIconLocator locator;
};

TEST_F(TrayIconLocatorTest, TheNotifyWindowIsTheToolbarElseTheTrayNotifyWindow)
{
    EXPECT_EQ(notify, TrayIconLocator::FindNotifyWindow(tray.m_hWnd)) << "no toolbar yet";
    std::vector<Button> none;
    HWND hToolbar = MakeToolbar(none);
    EXPECT_EQ(hToolbar, TrayIconLocator::FindNotifyWindow(tray.m_hWnd));
    EXPECT_EQ(NULL, TrayIconLocator::FindNotifyWindow(owner.m_hWnd))
        << "a window without the shell's children";
    EXPECT_EQ(NULL, TrayIconLocator::FindNotifyWindow(NULL));
}

// Our button gives its screen rectangle; when it is not found the
// toolbar's window rectangle stands in, and without buttons the rectangle
// is left alone.
TEST_F(TrayIconLocatorTest, OurButtonGivesItsScreenRectangleElseTheWindowsOrNone)
{
    const CRect untouched(1, 2, 3, 4);
    const int ToolbarWindow = -1, Untouched = -2;
    struct
    {
        const char* name;
        std::vector<Button> buttons;
        int expected; // our button's index, or where the rectangle comes from
    } rows[] = {
        {"ours after others",
         {{{other.m_hWnd, kIconId}, FALSE}, {{owner.m_hWnd, 7}, FALSE}, {{owner.m_hWnd, kIconId}, FALSE}},
         2},
        {"other icons only", {{{other.m_hWnd, kIconId}, FALSE}, {{owner.m_hWnd, 7}, FALSE}}, ToolbarWindow},
        {"our button hidden ends the search",
         {{{owner.m_hWnd, kIconId}, TRUE}, {{owner.m_hWnd, kIconId}, FALSE}},
         ToolbarWindow},
        {"no buttons", {}, Untouched},
    };
    for (auto& row : rows)
    {
        HWND hToolbar = MakeToolbar(row.buttons);
        CRect rect = untouched;
        EXPECT_EQ(row.expected >= 0, locator.GetIconRectIn(hToolbar, &rect) != FALSE) << row.name;
        const CRect expected = row.expected >= 0               ? ButtonOnScreen(hToolbar, row.expected)
                               : row.expected == ToolbarWindow ? WindowRect(hToolbar)
                                                               : untouched;
        EXPECT_EQ(expected, rect) << row.name;
        EXPECT_FALSE(rect.IsRectEmpty()) << row.name;
        ::DestroyWindow(hToolbar);
    }
}

TEST_F(TrayIconLocatorTest, AWindowThatIsNoToolbarLeavesTheRectangleAlone)
{
    const CRect untouched(1, 2, 3, 4);
    CRect rect = untouched;
    EXPECT_FALSE(locator.GetIconRectIn(notify, &rect)) << "a window that is no toolbar has no buttons";
    EXPECT_FALSE(locator.GetIconRectIn(NULL, &rect));
    EXPECT_EQ(untouched, rect);
}

} // namespace
