// Proves the test machinery: windows appear on the X display that the test
// script started, and the screen has the true colour the pixel tests rely on.
#include <windows.h>
#include <gtest/gtest.h>

TEST(Display, WindowsShowOnATrueColourScreen)
{
    HWND hwnd = CreateWindowExA(0, "STATIC", "probe", WS_POPUP | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
    HDC screen = GetDC(nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
    ReleaseDC(nullptr, screen);
}
