// The menus' images (toolbar resources 152 and 128), which start-up leaves
// for after the window's first paint: they arrive with the icon timer, or
// before a popup of the bars or the customize sheet shows anything, and they
// leave the toolbar's own buttons looking as they did.
#include "MainFrameFixture.h"
#include "app/AppMessages.h"
#include "resources/Resource.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPImageManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Commands whose images only the menus' resources hold.
const UINT kMenuOnlyCommands[] = {ID_IMPORT, ID_EXPORT, ID_OPTIONS, ID_HELP};

CXTPImageManager* g_pImages = NULL;
bool g_bPopupOpen = false;
bool g_bImagesWhileOpen = false;

bool HasMenuImages(CXTPImageManager* pImages)
{
    for (UINT nID : kMenuOnlyCommands)
    {
        if (!pImages->Lookup(nID))
            return false;
    }
    return true;
}

// Notes whether a popup is open and whether the images were there by then,
// then closes it.
void CALLBACK NoteImagesAndClose(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    g_bPopupOpen = XTPMouseManager()->GetTrackedCount() > 0;
    g_bImagesWhileOpen = HasMenuImages(g_pImages);
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_ESCAPE, 0);
}

// The image of the command as it draws, 16 x 15 on magenta.
std::vector<COLORREF> Picture(CXTPImageManager* pImages, UINT nID)
{
    PixelCanvas canvas(16, 15, RGB(255, 0, 255));
    CXTPImageManagerIcon* pIcon = pImages->GetImage(nID, 16);
    std::vector<COLORREF> pixels;
    if (pIcon == NULL)
        return pixels;
    pIcon->Draw(&canvas.dc(), CPoint(0, 0), pIcon->GetIcon());
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16; x++)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

TEST_F(MainFrameTest, MenuImagesComeWithTheIconTimerOrBeforeTheFirstPopup)
{
    const struct
    {
        const char* name;
        std::function<void(CMainFrame*)> before;
    } rows[] = {
        {"the icon timer", [](CMainFrame* pFrame) { pFrame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0); }},
        {"news before the timer", [](CMainFrame* pFrame) { pFrame->SendMessage(WM_NEWS_ARRIVED, 0, 0); }},
        {"a popup of the bars",
         [](CMainFrame* pFrame) {
             // Before the icon timer, which the popup's own loop would run.
             pFrame->KillTimer(CMainFrame::TIMER_TRAY_ICON);
             CMenu menu;
             ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
             g_bPopupOpen = g_bImagesWhileOpen = false;
             ::SetTimer(NULL, 0, 0, NoteImagesAndClose);
             CXTPCommandBars::TrackPopupMenu(menu.GetSubMenu(1), 0, 100, 100, pFrame, NULL, NULL,
                                             pFrame->GetCommandBars());
             menu.DestroyMenu();
             EXPECT_TRUE(g_bPopupOpen);
             EXPECT_TRUE(g_bImagesWhileOpen) << "the popup laid itself out with them";
         }},
    };
    for (const auto& row : rows)
    {
        DestroyFrame();
        CreateFrame();
        g_pImages = frame->GetCommandBars()->GetImageManager();
        // The manager is the process's: earlier frames left their images in it.
        for (UINT nID : kMenuOnlyCommands)
            g_pImages->RemoveIcon(nID);
        row.before(frame);
        EXPECT_TRUE(HasMenuImages(g_pImages)) << row.name;
    }
}

// The toolbar's buttons whose commands the menus' resources hold as well
// draw the same pixels before those images arrive as after.
TEST_F(MainFrameTest, MenuImagesLeaveTheToolbarButtonsAsTheyWere)
{
    CXTPImageManager* pImages = frame->GetCommandBars()->GetImageManager();
    // The manager is the process's: the toolbar's own images again, as a
    // first frame has them at its first paint.
    ASSERT_TRUE(pImages->SetIcons(IDR_TOOLBAR_STANDARD, xtpImageNormal));
    const UINT commands[] = {ID_ADD_KEYWORD, ID_REMOVE_ALL, ID_REMOVE_KEYWORD, ID_CHECK_ALL,
                             ID_CHECK_NEWS,  ID_MARK_READ,  ID_APP_ABOUT};
    std::vector<std::vector<COLORREF>> before;
    for (UINT nID : commands)
    {
        before.push_back(Picture(pImages, nID));
        ASSERT_FALSE(before.back().empty()) << nID;
    }
    const HICON hAboutBefore = pImages->GetImage(ID_APP_ABOUT, 16)->GetIcon().GetIcon();
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    ASSERT_NE(hAboutBefore, pImages->GetImage(ID_APP_ABOUT, 16)->GetIcon().GetIcon()) << "a new image came";
    for (size_t i = 0; i < sizeof commands / sizeof commands[0]; i++)
        EXPECT_EQ(before[i], Picture(pImages, commands[i])) << commands[i];
}

} // namespace
