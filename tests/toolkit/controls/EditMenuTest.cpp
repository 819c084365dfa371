// The edit's context menu: each item enabled from the edit's own state when
// the popup opens, the commands acting on the edit, and the keyboard's menu
// point.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTEdit.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include <gtest/gtest.h>

namespace {

struct MenuStateCase
{
    const char* name;
    const char* text;
    int nSelStart, nSelEnd;
    bool bClipboardText;
    bool bUndo, bCut, bCopy, bPaste, bDelete, bSelectAll;
};

class EditMenuTest : public ::testing::TestWithParam<MenuStateCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(20, 60, 220, 84),
                                &TestHost(), IDC_LIST_EDIT_TEST));
    }
    void TearDown() override { edit.DestroyWindow(); }

    static void SetClipboardText(bool bText)
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
    bool IsEnabled(CMenu* pPopup, UINT nID)
    {
        return (pPopup->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    CXTEdit edit;
};

TEST_P(EditMenuTest, ItemsFollowTheEditState)
{
    const MenuStateCase& c = GetParam();
    edit.SetWindowText(c.text);
    edit.SetSel(c.nSelStart, c.nSelEnd);
    SetClipboardText(c.bClipboardText);

    CMenu menu;
    ASSERT_TRUE(XTPResourceManager()->LoadMenu(&menu, XT_IDM_POPUP));
    CMenu* pPopup = menu.GetSubMenu(XT_IDM_POPUP_EDIT);
    ASSERT_NE(pPopup, nullptr);
    edit.SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, 0);

    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_UNDO), c.bUndo);
    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_CUT), c.bCut);
    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_COPY), c.bCopy);
    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_PASTE), c.bPaste);
    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_CLEAR), c.bDelete);
    EXPECT_EQ(IsEnabled(pPopup, XT_ID_EDIT_SELECT_ALL), c.bSelectAll);
}

const MenuStateCase kMenuStateCases[] = {
    {"EmptyEditEmptyClipboard", "", 0, 0, false, false, false, false, false, false, false},
    {"TextWithoutSelection", "hello", 2, 2, false, false, false, false, false, false, true},
    {"TextWithSelection", "hello", 1, 4, false, false, true, true, false, true, true},
    {"ClipboardHoldsText", "", 0, 0, true, false, false, false, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(States, EditMenuTest, ::testing::ValuesIn(kMenuStateCases),
                         [](const ::testing::TestParamInfo<MenuStateCase>& info) { return info.param.name; });

TEST_F(EditMenuTest, KeyboardMenuOpensFivePixelsInsideTheCorner)
{
    CPoint ptCorner(0, 0);
    edit.ClientToScreen(&ptCorner);
    EXPECT_EQ(edit.ContextMenuPoint(CPoint(-1, -1)), ptCorner + CSize(5, 5));
    EXPECT_EQ(edit.ContextMenuPoint(CPoint(300, 200)), CPoint(300, 200));
}

} // namespace

namespace {

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
