#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "tests/support/TestWindow.h"
#include <gtest/gtest.h>

namespace {

typedef CXTFlatBorder<CWnd> CFlatBorderWnd;

// The client rectangle in the window's own coordinates.
CRect ClientInWindow(CWnd& wnd)
{
    CRect client, window;
    wnd.GetClientRect(client);
    wnd.ClientToScreen(client);
    wnd.GetWindowRect(window);
    client.OffsetRect(-window.left, -window.top);
    return client;
}

class FlatBorderTest : public ::testing::Test
{
protected:
    void TearDown() override { CXTPPaintManager::Done(); }

    void Create(CFlatBorderWnd& wnd, DWORD dwStyle, DWORD dwExStyle)
    {
        ASSERT_TRUE(wnd.CreateEx(dwExStyle, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), "",
                                 WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 10, 210, 160), &host, 100));
    }

    CTestWindow host;
};

} // namespace

TEST_F(FlatBorderTest, TakesOnePixelOfNonClientAreaWhateverTheEdgeStyles)
{
    int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL), cyScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    struct Row
    {
        const char* name;
        DWORD style, exStyle;
        CRect expected;
    } rows[] = {
        {"no border", 0, 0, CRect(1, 1, 199, 149)},
        {"border", WS_BORDER, 0, CRect(1, 1, 199, 149)},
        {"client edge", 0, WS_EX_CLIENTEDGE, CRect(1, 1, 199, 149)},
        {"both", WS_BORDER, WS_EX_CLIENTEDGE, CRect(1, 1, 199, 149)},
        // The scroll bars stay inside the border.
        {"scroll bars", WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE,
         CRect(1, 1, 199 - cxScroll, 149 - cyScroll)},
    };
    for (const Row& row : rows)
    {
        CFlatBorderWnd wnd;
        Create(wnd, row.style, row.exStyle);
        EXPECT_EQ(row.expected, ClientInWindow(wnd)) << row.name;
    }
}

TEST_F(FlatBorderTest, BorderColourFollowsTheCommandBarTheme)
{
    COLORREF clrShadow = XTPGetColor(COLOR_3DSHADOW);
    COLORREF clrHilight = XTPGetColor(COLOR_3DHILIGHT);
    struct Row
    {
        const char* name;
        int theme; // -1: no paint manager
        COLORREF dark, light;
    } rows[] = {
        {"no paint manager", -1, clrShadow, clrHilight},
        {"Office XP", xtpThemeOfficeXP, clrShadow, clrHilight},
        {"Office 2003", xtpThemeOffice2003, XTPGetColor(54), XTPGetColor(54)},
        {"Windows XP", xtpThemeNativeWinXP, XTPGetColor(57), XTPGetColor(57)},
    };
    CFlatBorderWnd wnd;
    Create(wnd, WS_BORDER, 0);
    for (const Row& row : rows)
    {
        if (row.theme < 0)
            CXTPPaintManager::Done();
        else
            CXTPPaintManager::SetTheme(row.theme);
        // What the next non-client repaint shows: dark top left, light bottom right.
        wnd.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(
            std::vector<COLORREF>({row.dark, row.dark, row.light, row.light}),
            std::vector<COLORREF>({CWindowDC(&wnd).GetPixel(0, 0), CWindowDC(&wnd).GetPixel(0, 75),
                                   CWindowDC(&wnd).GetPixel(199, 149), CWindowDC(&wnd).GetPixel(100, 149)}))
            << row.name;
    }
}
