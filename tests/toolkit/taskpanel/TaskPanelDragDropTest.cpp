// Renaming in place, and drag and drop: the effect each permission allows
// (whole OLE drags of this thread, the button let go from inside the drag's
// own loop), where a drop inserts, the hover that opens a closed group,
// foreign text refused, and groups reordered by dragging their captions with
// the mouse messages posted before the loop starts.
#include "TaskPanelTestSupport.h"

#include "framework/Controls.h"

#include <gtest/gtest.h>

namespace {

class DragDropTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        a = AddGroup(1, 3);
        b = AddGroup(2, 2);
        owner.Reset();
    }
    // The captions of a group's items, "Link 1.1 Link 1.2".
    static std::string Items(CXTPTaskPanelGroup* pGroup)
    {
        std::string text;
        for (int i = 0; i < pGroup->GetItemCount(); i++)
            text += (i ? ", " : "") + std::string(pGroup->GetAt(i)->GetCaption());
        return text;
    }
    // A point in the upper or lower half of an item, client coordinates.
    CPoint Upper(CXTPTaskPanelItem* pItem) const
    {
        const CRect rc = pItem->GetHitTestRect();
        return CPoint(rc.CenterPoint().x, rc.top + 2);
    }
    CPoint Lower(CXTPTaskPanelItem* pItem) const
    {
        const CRect rc = pItem->GetHitTestRect();
        return CPoint(rc.CenterPoint().x, rc.bottom - 2);
    }
    CXTPTaskPanelGroup* a = nullptr;
    CXTPTaskPanelGroup* b = nullptr;
};

// ---- the drop target ----

// Whether the window is an OLE drop target: a second registration of it is
// then refused.
bool IsDropTarget(CWnd* pWnd)
{
    COleDropTarget probe;
    const bool bRegistered = !probe.Register(pWnd);
    probe.Revoke();
    return bRegistered;
}

// A panel that notes, as its window goes (WM_NCDESTROY, after WM_DESTROY),
// whether the window is still a drop target.
class CProbedPanel : public CXTPTaskPanel
{
public:
    int nStillDropTarget = -1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCDESTROY)
            nStillDropTarget = IsDropTarget(this) ? 1 : 0;
        return CXTPTaskPanel::WindowProc(message, wParam, lParam);
    }
};

// The panel's window is a drop target from its creation until it is
// destroyed, by itself or with its parent; a panel made again is one again.
TEST(TaskPanelDropTarget, RegistrationEndsWithTheWindow)
{
    struct Row
    {
        const char* name;
        bool bWithParent;
    } rows[] = {
        {"destroyed by itself", false},
        {"destroyed with its parent", true},
    };
    for (const Row& row : rows)
    {
        CTestWindow parent(CSize(200, 200));
        CProbedPanel panel;
        for (int nTime = 1; nTime <= 2; nTime++)
        {
            ASSERT_TRUE(panel.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1));
            EXPECT_TRUE(IsDropTarget(&panel)) << row.name << ", made " << nTime << " times";
            if (row.bWithParent && nTime == 2)
                parent.DestroyWindow();
            else
                panel.DestroyWindow();
            EXPECT_EQ(0, panel.nStillDropTarget) << row.name << ", made " << nTime << " times";
        }
    }
}

// ---- renaming ----

CEdit* RenameEdit(CXTPTaskPanel* pPanel)
{
    return (CEdit*)CWnd::FromHandle(::FindWindowExA(pPanel->GetSafeHwnd(), NULL, "Edit", NULL));
}

TEST_F(DragDropTest, RenameCommitsOnEnter)
{
    CXTPTaskPanelGroupItem* pLink = a->GetAt(1);
    ASSERT_TRUE(panel->RenameItem(pLink));
    CEdit* pEdit = RenameEdit(panel);
    ASSERT_TRUE(pEdit != NULL);
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ("Link 1.2", strText);
    EXPECT_EQ(pEdit->GetSafeHwnd(), ::GetFocus());
    CRect rcText;
    pLink->GetTextRect(&rcText);
    EXPECT_EQ(Text(rcText), Text(RectInParent(pEdit))) << "over the caption's text";
    pEdit->SetWindowText("Renamed");
    pEdit->SendMessage(WM_CHAR, VK_RETURN, 0);
    EXPECT_STREQ("Renamed", pLink->GetCaption());
    EXPECT_EQ("4", owner.Codes());
    EXPECT_EQ((LPARAM)pLink, owner.notes[0].lParam);
    PumpPending();
    EXPECT_EQ(NULL, RenameEdit(panel)) << "the edit closed";
}

TEST_F(DragDropTest, RenameKeepsTheCaptionOnEscEmptyTextOrVeto)
{
    CXTPTaskPanelGroupItem* pLink = a->GetAt(0);
    struct Row
    {
        const char* name;
        const char* text;
        UINT nKey;
        LRESULT answer;
        const char* codes;
    } rows[] = {{"Esc", "Other", VK_ESCAPE, 0, ""}, {"an emptied text", "", VK_RETURN, 0, ""},
                {"the owner's veto", "Other", VK_RETURN, 1, "4"}};
    for (const Row& row : rows)
    {
        owner.Reset();
        owner.answers[TPN_ENDLABELEDIT] = row.answer;
        ASSERT_TRUE(panel->RenameItem(pLink));
        RenameEdit(panel)->SetWindowText(row.text);
        RenameEdit(panel)->SendMessage(WM_CHAR, row.nKey, 0);
        PumpPending();
        EXPECT_STREQ("Link 1.1", pLink->GetCaption()) << row.name;
        EXPECT_EQ(row.codes, owner.Codes()) << row.name;
        EXPECT_EQ(NULL, RenameEdit(panel)) << row.name;
    }
}

TEST_F(DragDropTest, RenameEndsWhenTheItemGoesOrTheGroupsMove)
{
    ASSERT_TRUE(panel->RenameItem(a->GetAt(0)));
    RenameEdit(panel)->SetWindowText("Lost");
    a->GetItems()->RemoveAt(0);
    PumpPending();
    EXPECT_EQ(NULL, RenameEdit(panel)) << "ended without a word";
    EXPECT_EQ("", owner.Codes());

    ASSERT_TRUE(panel->RenameItem(b->GetAt(0)));
    RenameEdit(panel)->SetWindowText("Kept");
    Tick();
    PumpPending();
    EXPECT_EQ(NULL, RenameEdit(panel)) << "a layout step gives the focus back to the panel";
    EXPECT_STREQ("Kept", b->GetAt(0)->GetCaption());
}

// ---- drops, asked of the panel directly ----

// A data source carrying an item as another panel's drag does (with its text).
class CForeignDrag
{
public:
    explicit CForeignDrag(const char* pszCaption)
    {
        CXTPTaskPanelGroupItem item;
        item.SetCaption(pszCaption);
        item.SetType(xtpTaskItemTypeLink);
        item.CacheDataSource(&m_source, TRUE);
        m_data.Attach(m_source.GetDataObject(), FALSE);
    }
    COleDataObject* Data() { return &m_data; }

private:
    COleDataSource m_source;
    COleDataObject m_data;
};

TEST_F(DragDropTest, DropInsertsBeforeTheItemOfTheUpperHalfAndAfterOfTheLower)
{
    struct Row
    {
        const char* name;
        std::function<CPoint()> point;
        const char* expectedA;
    } rows[] = {
        {"upper half of the second", [&] { return Upper(a->GetAt(1)); }, "Link 1.1, New, Link 1.2, Link 1.3"},
        {"lower half of the second", [&] { return Lower(a->GetAt(1)); }, "Link 1.1, Link 1.2, New, Link 1.3"},
        {"lower half of the last", [&] { return Lower(a->GetAt(2)); }, "Link 1.1, Link 1.2, Link 1.3, New"},
        {"the caption", [&] { return a->GetHitTestRect().CenterPoint(); }, "Link 1.1, Link 1.2, Link 1.3, New"},
    };
    for (const Row& row : rows)
    {
        CForeignDrag drag("New");
        owner.Reset();
        EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, panel->OnDragOver(drag.Data(), 0, row.point())) << row.name;
        EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, panel->OnDragOver(drag.Data(), MK_CONTROL, row.point())) << row.name;
        EXPECT_TRUE(panel->OnDrop(drag.Data(), DROPEFFECT_COPY, row.point())) << row.name;
        EXPECT_EQ(row.expectedA, Items(a)) << row.name;
        EXPECT_EQ("9 5", owner.Codes()) << row.name << ": the new item focused, then dropped";
        CXTPTaskPanelItem* pNew = (CXTPTaskPanelItem*)owner.notes[1].lParam;
        EXPECT_STREQ("New", pNew->GetCaption());
        EXPECT_EQ(pNew, panel->GetFocusedItem());
        pNew->Remove();
    }
}

TEST_F(DragDropTest, InsertAfterPainterDropsAfterTheItem)
{
    panel->SetTheme(xtpTaskPanelThemeButton);
    ASSERT_TRUE(panel->GetPaintManager()->IsInsertAfter());
    CForeignDrag drag("New");
    panel->OnDragOver(drag.Data(), 0, Upper(a->GetAt(0)));
    EXPECT_EQ(a->GetAt(0), panel->GetDragOverItem()) << "the item itself, whichever half";
    EXPECT_TRUE(panel->OnDrop(drag.Data(), DROPEFFECT_MOVE, Upper(a->GetAt(0))));
    EXPECT_EQ("Link 1.1, New, Link 1.2, Link 1.3", Items(a));
}

// Offers the text, with its terminating zero, on the source in the format.
void CacheString(COleDataSource& source, CLIPFORMAT cf, const char* pszText)
{
    const size_t nSize = strlen(pszText) + 1;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    memcpy(::GlobalLock(hText), pszText, nSize);
    ::GlobalUnlock(hText);
    source.CacheGlobalData(cf, hText);
}

TEST_F(DragDropTest, ForeignTextAndRefusedDropsInsertNothing)
{
    COleDataSource source;
    CacheString(source, CF_TEXT, "hello");
    COleDataObject text;
    text.Attach(source.GetDataObject(), FALSE);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, panel->OnDragOver(&text, 0, Upper(a->GetAt(0))));
    EXPECT_EQ(NULL, panel->GetDragOverItem());
    EXPECT_FALSE(panel->OnDrop(&text, DROPEFFECT_COPY, Upper(a->GetAt(0))));

    CForeignDrag drag("New");
    b->SetAllowDrop(FALSE);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, panel->OnDragOver(drag.Data(), 0, Upper(b->GetAt(0))))
        << "a group that takes no drops";
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, panel->OnDragOver(drag.Data(), 0, CPoint(2, 2))) << "no group there";
    EXPECT_EQ(5, a->GetItemCount() + b->GetItemCount());
}

TEST_F(DragDropTest, DropThatInsertsNothingTakesItsMarkOffTheScreen)
{
    // Data in the panel's format that cannot be read back.
    COleDataSource damagedSource;
    CacheString(damagedSource, CXTPTaskPanel::GetClipboardFormat(), "junk");
    CacheString(damagedSource, CF_TEXT, "junk");
    COleDataObject damaged;
    damaged.Attach(damagedSource.GetDataObject(), FALSE);
    CForeignDrag drag("New");
    struct Row
    {
        const char* name;
        COleDataObject* pData;
        DROPEFFECT effect;
        BOOL bAnswer;
    } rows[] = {{"a link effect", drag.Data(), DROPEFFECT_LINK, TRUE},
                {"damaged data", &damaged, DROPEFFECT_COPY, FALSE}};
    for (const Row& row : rows)
    {
        ASSERT_NE((DROPEFFECT)DROPEFFECT_NONE, panel->OnDragOver(row.pData, 0, Upper(a->GetAt(1)))) << row.name;
        panel->UpdateWindow();
        ASSERT_FALSE(panel->GetUpdateRect(NULL)) << row.name << ": the mark is on the screen";
        EXPECT_EQ(row.bAnswer, panel->OnDrop(row.pData, row.effect, Upper(a->GetAt(1)))) << row.name;
        EXPECT_EQ(NULL, panel->GetDragOverItem()) << row.name;
        EXPECT_TRUE(panel->GetUpdateRect(NULL)) << row.name << ": the mark is painted away";
        EXPECT_EQ("Link 1.1, Link 1.2, Link 1.3", Items(a)) << row.name;
    }
}

TEST_F(DragDropTest, HoveringOverAClosedGroupOpensIt)
{
    b->SetExpanded(FALSE);
    CForeignDrag drag("New");
    panel->OnDragOver(drag.Data(), 0, b->GetHitTestRect().CenterPoint());
    EXPECT_EQ(b, panel->GetDragOverItem());
    panel->SendMessage(WM_TIMER, xtpTaskPanelTimerDragHover, 0);
    EXPECT_TRUE(b->IsExpanded());
    EXPECT_FALSE(::KillTimer(panel->GetSafeHwnd(), xtpTaskPanelTimerDragHover)) << "the hover timer stopped";

    a->SetExpanded(FALSE);
    panel->OnDragOver(drag.Data(), 0, a->GetHitTestRect().CenterPoint());
    panel->OnDragOver(NULL, 0, CPoint(-1, -1));
    panel->SendMessage(WM_TIMER, xtpTaskPanelTimerDragHover, 0);
    EXPECT_FALSE(a->IsExpanded()) << "the drag left before the hover time";
}

// ---- whole drags ----

// Lets go of the button from inside the drag's loop (after removing the
// item when asked), with Ctrl held when asked.
CXTPTaskPanelItem* g_pRemoveDuringDrag = NULL;
void CALLBACK LetGo(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    if (g_pRemoveDuringDrag != NULL)
        g_pRemoveDuringDrag->Remove();
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = 0;
    ::SetKeyboardState(keys);
    ::PostMessage(::GetCapture(), WM_LBUTTONUP, 0, 0);
}

// Presses the item, moves 5 pixels and lets go over the point.
void DragItem(CXTPTaskPanel* pPanel, CXTPTaskPanelItem* pItem, CPoint ptDrop, BOOL bCtrl)
{
    CPoint ptScreen = ptDrop;
    pPanel->ClientToScreen(&ptScreen);
    POINT ptBefore;
    ::GetCursorPos(&ptBefore);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = 0x80;
    keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    const CRect rc = pItem->GetHitTestRect();
    const CPoint ptPress = rc.CenterPoint();
    pPanel->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 0, LetGo);
    pPanel->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y + 5));
    ::KillTimer(NULL, nTimer);
    keys[VK_LBUTTON] = keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    ::SetCursorPos(ptBefore.x, ptBefore.y);
    PumpPending();
}

TEST_F(DragDropTest, DragEffectsFollowThePermissions)
{
    struct Row
    {
        const char* name;
        long nAllow;
        bool bOwnGroup;
        BOOL bCtrl;
        const char* expected; // group a; group b
    } rows[] = {
        {"anywhere: moved to the other group", 1, false, FALSE, "Link 1.2, Link 1.3; Link 2.1, Link 1.1, Link 2.2"},
        {"anywhere, Ctrl: copied", 1, false, TRUE, "Link 1.1, Link 1.2, Link 1.3; Link 2.1, Link 1.1, Link 2.2"},
        {"inside the group only: not to another", 0x20, false, FALSE, "Link 1.1, Link 1.2, Link 1.3; Link 2.1, Link 2.2"},
        {"inside the group only: moved within it", 0x20, true, FALSE, "Link 1.2, Link 1.1, Link 1.3; Link 2.1, Link 2.2"},
        {"copy only, Ctrl or not", 0x04, false, FALSE, "Link 1.1, Link 1.2, Link 1.3; Link 2.1, Link 1.1, Link 2.2"},
        {"out of the panel only", 0x80, false, FALSE, "Link 1.1, Link 1.2, Link 1.3; Link 2.1, Link 2.2"},
    };
    for (const Row& row : rows)
    {
        panel->GetGroups()->Clear();
        a = AddGroup(1, 3);
        b = AddGroup(2, 2);
        panel->SetAllowDrag(1);
        a->GetAt(0)->SetAllowDrag(row.nAllow);
        // Into the lower half of the second item of the group.
        CXTPTaskPanelGroup* pTarget = row.bOwnGroup ? a : b;
        DragItem(panel, a->GetAt(0), Lower(pTarget->GetAt(row.bOwnGroup ? 1 : 0)), row.bCtrl);
        EXPECT_EQ(row.expected, Items(a) + "; " + Items(b)) << row.name;
        EXPECT_EQ(NULL, panel->GetDraggedItem()) << row.name;
        EXPECT_EQ(NULL, panel->GetDragOverItem()) << row.name;
    }
}

TEST_F(DragDropTest, OwnerMayRefuseADrag)
{
    panel->SetAllowDrag(1);
    owner.answers[TPN_STARTDRAG] = -1;
    DragItem(panel, a->GetAt(0), Lower(b->GetAt(0)), FALSE);
    EXPECT_EQ("Link 2.1, Link 2.2", Items(b));
    EXPECT_EQ(1, owner.Count(TPN_STARTDRAG));
    EXPECT_EQ(0, owner.Count(TPN_ITEMDROP));
}

TEST_F(DragDropTest, ItemRemovedDuringItsDragEndsItCleanly)
{
    panel->SetAllowDrag(1);
    // From the lower group, so that its shrinking moves nothing under the cursor.
    CXTPTaskPanelGroupItem* pDragged = b->GetAt(0);
    g_pRemoveDuringDrag = pDragged;
    DragItem(panel, pDragged, Lower(a->GetAt(0)), FALSE);
    g_pRemoveDuringDrag = NULL;
    EXPECT_EQ("Link 1.1, Link 2.1, Link 1.2, Link 1.3; Link 2.2", Items(a) + "; " + Items(b))
        << "the copy still arrives; nothing else goes";
    EXPECT_EQ(NULL, panel->GetDraggedItem());
}

// ---- reordering groups ----

TEST_F(DragDropTest, DraggingACaptionReordersTheGroups)
{
    CXTPTaskPanelGroup* c = AddGroup(3, 1);
    panel->SetAllowDrag(1);
    const CPoint ptPress = a->GetHitTestRect().CenterPoint();
    const CPoint ptOverC = c->GetHitTestRect().CenterPoint();
    panel->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptOverC.x, ptOverC.y));
    panel->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptOverC.x, ptOverC.y));
    Mouse(WM_LBUTTONDOWN, ptPress, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, CPoint(ptPress.x, ptPress.y + 5), MK_LBUTTON);
    EXPECT_EQ(b, panel->GetAt(0));
    EXPECT_EQ(c, panel->GetAt(1));
    EXPECT_EQ(a, panel->GetAt(2)) << "moved to the caption it passed over";
    EXPECT_EQ(NULL, panel->GetDraggedItem());
    EXPECT_EQ((HWND)NULL, ::GetCapture());
}

TEST_F(DragDropTest, EscEndsTheGroupDragWhereItStands)
{
    CXTPTaskPanelGroup* c = AddGroup(3, 1);
    panel->SetAllowDrag(1);
    const CPoint ptPress = a->GetHitTestRect().CenterPoint();
    const CPoint ptOverB = b->GetHitTestRect().CenterPoint();
    panel->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptOverB.x, ptOverB.y));
    panel->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Mouse(WM_LBUTTONDOWN, ptPress, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, CPoint(ptPress.x, ptPress.y + 5), MK_LBUTTON);
    EXPECT_EQ("Group 2 Group 1 Group 3", std::string(panel->GetAt(0)->GetCaption()) + " "
                                             + (LPCTSTR)panel->GetAt(1)->GetCaption() + " "
                                             + (LPCTSTR)panel->GetAt(2)->GetCaption());
    EXPECT_EQ(c, panel->GetAt(2));
    PumpPending();
}

} // namespace
