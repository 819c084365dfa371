// Proves the test machinery: windows really exist on the X display that the
// test script started, messages reach their procedures and GDI draws pixels.
#include <windows.h>
#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        return static_cast<LRESULT>(wParam * 2);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateTopLevel(const char* title)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TwDisplayTest";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "TwDisplayTest", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

} // namespace

TEST(Display, WindowReceivesMessagesAndKeepsItsText)
{
    HWND hwnd = CreateTopLevel("first");
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(SendMessageA(hwnd, WM_APP, 21, 0), 42);

    SetWindowTextA(hwnd, "second");
    char text[32] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "second");

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_GT(client.right, 0);
    EXPECT_GT(client.bottom, 0);
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Display, ScreenHasTrueColour)
{
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
    ReleaseDC(nullptr, screen);
}

TEST(Display, MemoryBitmapKeepsDrawnPixels)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ old = SelectObject(memory, bitmap);

    RECT all = {0, 0, 8, 8};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(memory, &all, red);
    SetPixel(memory, 3, 4, RGB(0, 0, 255));

    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory, 3, 4), RGB(0, 0, 255));

    SelectObject(memory, old);
    DeleteObject(red);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}
