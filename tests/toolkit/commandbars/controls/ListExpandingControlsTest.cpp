// The list-expanding placeholders: the classes CXTPControls::Add gives for
// the reserved ids, the toolbars list with its toggles, the recent-file
// numbering and ampersands, and the window list of a real MDI frame.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlRecentFileList.h"
#include "toolkit/commandbars/controls/XTPControlToolbars.h"
#include "toolkit/commandbars/controls/XTPControlWindowList.h"
#include "toolkit/commandbars/controls/XTPControlWorkspaceActions.h"

#include <string>
#include <vector>

namespace {

// The captions of the temporary controls after the placeholder, "|" before
// one that begins a group and "*" after a checked one.
std::string ItemCaptions(CXTPControl* pPlaceholder)
{
    std::string captions;
    CXTPControls* pControls = pPlaceholder->GetControls();
    for (int i = pPlaceholder->GetIndex() + 1;
         i < pControls->GetCount() && pControls->GetAt(i)->IsTemporary(); i++)
    {
        CXTPControl* pItem = pControls->GetAt(i);
        captions += std::string(captions.empty() ? "" : ", ") + (pItem->GetBeginGroup() ? "|" : "")
                    + (LPCTSTR)pItem->GetCaption() + (pItem->GetChecked() ? "*" : "");
    }
    return captions;
}

// The class of the control made for a reserved id: by Add, or from a menu
// item by AddMenuItem, which knows other ids.
std::string PlaceholderClass(int nId, BOOL bMenuItem = FALSE)
{
    CXTPControls controls;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, nId, "Item");
    CXTPControl* pControl = bMenuItem ? controls.AddMenuItem(&menu, 0) : controls.Add(xtpControlButton, nId);
    EXPECT_EQ(xtpControlButton, pControl->GetType());
    return pControl->GetRuntimeClass()->m_lpszClassName;
}

TEST(ListExpandingControls, ReservedIdsGiveThePlaceholders)
{
    EXPECT_EQ("CXTPControlWindowList", PlaceholderClass(35000));
    EXPECT_EQ("CXTPControlWorkspaceActions", PlaceholderClass(35002));
    EXPECT_EQ("CXTPControlRecentFileList", PlaceholderClass(35003));
    EXPECT_EQ("CXTPControlToolbars", PlaceholderClass(59392));
    EXPECT_EQ("CXTPControlButton", PlaceholderClass(57616)) << "the menu id of the recent files";
    EXPECT_EQ("CXTPControlButton", PlaceholderClass(35001)) << "customize";
    EXPECT_EQ("CXTPControlRecentFileList", PlaceholderClass(57616, TRUE));
    EXPECT_EQ("CXTPControlToolbars", PlaceholderClass(59392, TRUE));
    EXPECT_EQ("CXTPControlButton", PlaceholderClass(35003, TRUE))
        << "the recent files id is no list in menus";
}

TEST(ListExpandingControls, TheListPlaceholdersMayBeDroppedIntoMenusOnly)
{
    struct Row
    {
        int nId;
        BOOL bMenusOnly;
    } rows[] = {
        {35000, TRUE},  // window list
        {59392, TRUE},  // toolbars list
        {57616, TRUE},  // recent files
        {35002, FALSE}, // the workspace actions go anywhere
        {3001, FALSE},  // a plain button
    };
    CXTPPopupBar* pPopupBar = CXTPPopupBar::CreatePopupBar(NULL);
    CXTPToolBar* pToolBar = new CXTPToolBar;
    for (const Row& row : rows)
    {
        CXTPControls controls;
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, row.nId, "Item");
        CXTPControl* pControl = controls.AddMenuItem(&menu, 0);
        DROPEFFECT dropEffect = DROPEFFECT_COPY;
        EXPECT_TRUE(pControl->IsCustomizeDragOverAvail(pPopupBar, CPoint(0, 0), dropEffect)) << row.nId;
        EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, dropEffect) << row.nId;
        EXPECT_EQ(!row.bMenusOnly, pControl->IsCustomizeDragOverAvail(pToolBar, CPoint(0, 0), dropEffect))
            << row.nId;
        EXPECT_EQ(row.bMenusOnly ? (DROPEFFECT)DROPEFFECT_NONE : (DROPEFFECT)DROPEFFECT_COPY, dropEffect) << row.nId;
    }
    pToolBar->InternalRelease();
    pPopupBar->InternalRelease();
}

class ToolbarsListTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        CXTPCommandBars* pBars = frame->m_pCommandBars;
        pBars->Add("Format", xtpBarTop);
        pBars->Add("Fixed", xtpBarTop)->SetCloseable(FALSE);
        pBars->Add("Hidden", xtpBarTop)->SetVisible(FALSE);
        pControls = frame->GetToolBar()->GetControls();
        pControls->Add(xtpControlButton, ID_TEST_NEW);
        pPlaceholder = pControls->Add(xtpControlButton, 59392, CString(), 0);
    }
    CXTPControls* pControls = nullptr;
    CXTPControl* pPlaceholder = nullptr;
};

TEST_F(ToolbarsListTest, ListsClosableToolbarsCheckedWhenVisible)
{
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ((DWORD)xtpHideGeneric, pPlaceholder->GetHideFlags());
    EXPECT_EQ("Standard*, Format*, Hidden", ItemCaptions(pPlaceholder));
    for (int i = 1; i <= 3; i++)
    {
        EXPECT_EQ(59392, pControls->GetAt(i)->GetID());
        EXPECT_STREQ(pControls->GetAt(i)->GetCaption(),
                     frame->m_pCommandBars->GetAt((int)pControls->GetAt(i)->GetTag())->GetTitle());
    }
    // A second expansion replaces the toggles instead of adding to them; the
    // control after them stays.
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ("Standard*, Format*, Hidden", ItemCaptions(pPlaceholder));
    EXPECT_EQ(ID_TEST_NEW, pControls->GetAt(4)->GetID());
}

TEST_F(ToolbarsListTest, ToggleShowsAndHidesItsToolbar)
{
    pPlaceholder->OnCalcDynamicSize(0);
    CXTPToolBar* pFormat = frame->m_pCommandBars->GetAt((int)pControls->GetAt(2)->GetTag());
    ASSERT_STREQ("Format", pFormat->GetTitle());
    pControls->GetAt(2)->OnExecute();
    EXPECT_FALSE(pFormat->IsVisible());

    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_FALSE(pControls->GetAt(2)->GetChecked());
    pControls->GetAt(2)->OnExecute();
    EXPECT_TRUE(pFormat->IsVisible());
}

TEST(RecentFileList, CaptionsNumberFromTheFirstNumberAndDoubleAmpersands)
{
    auto caption = [](int nIndex, UINT nFirst, const char* pszDisplay) {
        return std::string(CXTPControlRecentFileList::FormatItemCaption(nIndex, nFirst, pszDisplay));
    };
    EXPECT_EQ("&1 news.dat", caption(0, 0, "news.dat")) << "the first entry is 1";
    EXPECT_EQ("&0 news.dat", caption(9, 0, "news.dat")) << "the tenth entry is 0";
    EXPECT_EQ("&5 news.dat", caption(0, 4, "news.dat")) << "the first number shifts the count";
    EXPECT_EQ("&2 R&&D.dat", caption(1, 0, "R&D.dat")) << "an ampersand shows as itself";
    EXPECT_EQ("&3 &&&&x&&", caption(2, 0, "&&x&")) << "ampersands in a row all double";
}

TEST(RecentFileMenu, FilesBecomeNumberedItemsOfAnyLength)
{
    CWinApp app("recent test");
    app.m_pRecentFileList = new CRecentFileList(0, "Recent Test", "File%d", 4);
    CXTPControls controls;
    controls.Add(xtpControlButton, ID_TEST_NEW);
    CXTPControl* pPlaceholder = controls.Add(xtpControlButton, 35003);
    controls.Add(xtpControlButton, ID_TEST_OPEN);
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ((DWORD)xtpHideNone, pPlaceholder->GetHideFlags());
    EXPECT_FALSE(pPlaceholder->GetEnabled()) << "an empty list leaves the placeholder disabled";
    EXPECT_EQ(3, controls.GetCount());

    char szCurDir[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szCurDir);
    const CString strLong = "Z:\\" + CString('n', 300) + ".dat";
    CRecentFileList& list = *app.m_pRecentFileList;
    list[0] = CString(szCurDir) + "\\Tom & Jerry.dat";
    list[1] = strLong;
    list[2] = "Z:\\other\\b.dat";
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ((DWORD)xtpHideGeneric, pPlaceholder->GetHideFlags());
    // The placeholder is not first: its items begin a group.
    EXPECT_EQ("|&1 Tom && Jerry.dat, &2 " + std::string((LPCTSTR)strLong) + ", &3 Z:\\other\\b.dat",
              ItemCaptions(pPlaceholder));
    EXPECT_EQ(57618, controls.GetAt(4)->GetID());

    // One file fewer: the old items go, the control after them stays.
    list.Remove(0);
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ(5, controls.GetCount());
    EXPECT_EQ(ID_TEST_OPEN, controls.GetAt(4)->GetID());
}

TEST(WindowList, VisibleChildrenAreNumberedAndTheActiveOneChecked)
{
    CMDIFrameWnd* pFrame = NULL;
    CXTPCommandBars* pBars = CreateMdiFrameWithBars(pFrame);
    CXTPControls* pControls = pBars->Add("Window", xtpBarTop)->GetControls();
    CXTPControl* pPlaceholder = pControls->Add(xtpControlButton, 35000);
    auto AddChild = [pFrame](const char* title) {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        EXPECT_TRUE(pChild->Create(NULL, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 200, 150), pFrame));
        return pChild;
    };
    AddChild("Report");
    CMDIChildWnd* pHidden = AddChild("Hidden");
    CMDIChildWnd* pNotes = AddChild("Notes");
    pHidden->ShowWindow(SW_HIDE);
    pFrame->MDIActivate(pNotes);

    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ((DWORD)xtpHideGeneric, pPlaceholder->GetHideFlags());
    EXPECT_EQ("|&1 Report, &2 Notes*", ItemCaptions(pPlaceholder));
    EXPECT_EQ(pNotes->GetDlgCtrlID(), pControls->GetAt(2)->GetID());

    // Twelve shown children give ten items.
    for (int i = 0; i < 10; i++)
        AddChild("Child");
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ("|&1 Report, &2 Notes, &3 Child, &4 Child, &5 Child, &6 Child, &7 Child, &8 Child, &9 Child, "
              "&10 Child",
              ItemCaptions(pPlaceholder));
    pBars->InternalRelease();
    pFrame->DestroyWindow();
    PumpPending();
}

TEST(WindowListAlone, WithoutAnMdiFrameThePlaceholderShows)
{
    CXTPControls controls;
    CXTPControl* pPlaceholder = controls.Add(xtpControlButton, 35000);
    pPlaceholder->SetHideFlags(xtpHideGeneric);
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ((DWORD)xtpHideNone, pPlaceholder->GetHideFlags());
    EXPECT_EQ(1, controls.GetCount());
}

} // namespace
