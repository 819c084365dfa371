// The edit's context menu: each item enabled from the edit's own state when
// the popup opens, the keyboard's menu point, and the images of both context
// menus.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTEdit.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include <gtest/gtest.h>

namespace {

void SetClipboardText(bool bText)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    if (bText)
    {
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 6);
        memcpy(::GlobalLock(hText), "paste", 6);
        ::GlobalUnlock(hText);
        ::SetClipboardData(CF_TEXT, hText);
    }
    ::CloseClipboard();
}

class EditMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(20, 60, 220, 84),
                                &TestHost(), IDC_LIST_EDIT_TEST));
    }
    CXTEdit edit;
};

TEST_F(EditMenu, ItemsFollowTheEditState)
{
    struct Row
    {
        const char* text;
        int nSelStart, nSelEnd, bClipboardText;
        const char* enabled; // of undo, cut, copy, paste, delete, select all
    } rows[] = {
        {"", 0, 0, false, ""},
        {"hello", 2, 2, false, "all"},
        {"hello", 1, 4, false, "cut copy delete all"},
        {"", 0, 0, true, "paste"},
    };
    for (const Row& row : rows)
    {
        edit.SetWindowText(row.text);
        edit.SetSel(row.nSelStart, row.nSelEnd);
        SetClipboardText(row.bClipboardText);
        CMenu menu;
        ASSERT_TRUE(XTPResourceManager()->LoadMenu(&menu, XT_IDM_POPUP));
        CMenu* pPopup = menu.GetSubMenu(XT_IDM_POPUP_EDIT);
        edit.SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, 0);
        std::string enabled;
        const UINT ids[] = {XT_ID_EDIT_UNDO,  XT_ID_EDIT_CUT,   XT_ID_EDIT_COPY,
                            XT_ID_EDIT_PASTE, XT_ID_EDIT_CLEAR, XT_ID_EDIT_SELECT_ALL};
        const char* names[] = {"undo", "cut", "copy", "paste", "delete", "all"};
        for (int i = 0; i < 6; i++)
            if ((pPopup->GetMenuState(ids[i], MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0)
                enabled += (enabled.empty() ? "" : " ") + std::string(names[i]);
        EXPECT_EQ(row.enabled, enabled) << row.text << " " << row.nSelStart << " " << row.bClipboardText;
    }
}

TEST_F(EditMenu, KeyboardMenuOpensInsideTheCorner)
{
    CPoint ptCorner(0, 0);
    edit.ClientToScreen(&ptCorner);
    EXPECT_EQ(ptCorner + CSize(5, 5), edit.ContextMenuPoint(CPoint(-1, -1)));
    EXPECT_EQ(CPoint(300, 200), edit.ContextMenuPoint(CPoint(300, 200)));
}

// The menus' images: every command of the two context menus has one.
TEST(ContextMenuImages, EveryCommandOfBothMenusHasAnImage)
{
    CXTPImageManager images;
    ASSERT_TRUE(images.SetIcons(XT_IDR_TBAR_HDRMENU));
    ASSERT_TRUE(images.SetIcons(XT_IDR_TBAR_EDITMENU));
    const UINT commands[] = {XT_IDC_SORTASC,    XT_IDC_SORTDSC,  XT_IDC_ALIGNLEFT, XT_IDC_ALIGNCENTER,
                             XT_IDC_ALIGNRIGHT, XT_ID_EDIT_UNDO, XT_ID_EDIT_CUT,   XT_ID_EDIT_COPY,
                             XT_ID_EDIT_PASTE,  XT_ID_EDIT_CLEAR};
    for (UINT nID : commands)
        EXPECT_NE(images.GetImage(nID, 16), nullptr) << nID;
}

} // namespace
