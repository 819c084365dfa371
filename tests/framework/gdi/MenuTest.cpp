// Menus built item by item or loaded from resources, then queried and tracked.
#include <gtest/gtest.h>
#include <cstring>
#include "framework/gdi/CMenu.h"
#include "framework/window/CWnd.h"
#include "framework/window/WindowClasses.h"

namespace {

const int ID_OPEN = 1001, ID_SAVE = 1002, ID_EXIT = 1003, ID_LEFT = 1010, ID_RIGHT = 1011;

// File popup: Open, separator, Save, a "Views" submenu with Left and Right, Exit.
void BuildFileMenu(CMenu& menu, CMenu& views)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(views.CreatePopupMenu());
    views.AppendMenu(MF_STRING, ID_LEFT, "&Left");
    views.AppendMenu(MF_STRING, ID_RIGHT, "&Right");
    menu.AppendMenu(MF_STRING, ID_OPEN, "&Open");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_SAVE, "&Save");
    menu.AppendMenu(MF_POPUP, (UINT_PTR)views.Detach(), "&Views");
    menu.AppendMenu(MF_STRING, ID_EXIT, "E&xit");
}

} // namespace

TEST(Menu, ItemTextsFillAStringOrACutTerminatedBuffer)
{
    CMenu menu, views;
    BuildFileMenu(menu, views);
    // (Counts and ids forward to one API call each.)
    CString text;
    EXPECT_EQ(5, menu.GetMenuString(ID_SAVE, text, MF_BYCOMMAND));
    EXPECT_STREQ("&Save", text);
    EXPECT_TRUE(menu.GetMenuString(9999, text, MF_BYCOMMAND) == 0 && text.IsEmpty());
    char buffer[4];
    memset(buffer, 'z', sizeof(buffer));
    EXPECT_EQ(3, menu.GetMenuString(ID_OPEN, buffer, sizeof(buffer), MF_BYCOMMAND));
    EXPECT_STREQ("&Op", buffer) << "a cut text is still terminated";
    CString longText('x', 700);
    menu.AppendMenu(MF_STRING, 1, longText);
    EXPECT_EQ(700, menu.GetMenuString(5, text, MF_BYPOSITION));
    EXPECT_EQ(longText, text);
}

TEST(Menu, SubmenusAreFoundByPositionAndWrapped)
{
    CMenu menu, views;
    BuildFileMenu(menu, views);
    CMenu* sub = menu.GetSubMenu(3);
    ASSERT_TRUE(sub != NULL);
    EXPECT_EQ((UINT)ID_RIGHT, sub->GetMenuItemID(1));
    EXPECT_EQ(sub, CMenu::FromHandle(sub->m_hMenu));
    EXPECT_TRUE(menu.GetSubMenu(0) == NULL);
}

TEST(Menu, LoadsFromAResource)
{
    CMenu loaded, missing;
    ASSERT_TRUE(loaded.LoadMenu(400));
    EXPECT_EQ(2u, loaded.GetMenuItemCount());
    CString text;
    loaded.GetMenuString(1001, text, MF_BYCOMMAND); // found in the File submenu
    EXPECT_STREQ("&Open...\tCtrl+O", text);
    EXPECT_FALSE(missing.LoadMenu(401));
}

TEST(Menu, TrackPopupMenuAnswersTheChosenCommandOrSendsIt)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    CMenu menu, views;
    BuildFileMenu(menu, views);

    // The menu's own loop takes the keys posted before it starts.
    owner.PostMessage(WM_KEYDOWN, VK_DOWN);
    owner.PostMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(ID_OPEN, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &owner));
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, owner.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    owner.PostMessage(WM_KEYDOWN, VK_DOWN);
    owner.PostMessage(WM_KEYDOWN, VK_DOWN);
    owner.PostMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &owner));
    EXPECT_TRUE(::PeekMessage(&msg, owner.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)
                && LOWORD(msg.wParam) == ID_SAVE);
    owner.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner)) << "closed without a choice";
    owner.DestroyWindow();
}
