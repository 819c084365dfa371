// Customize mode on real bars without the sheet: the drag source and its
// results, the insertion point, the drop, the control selected for
// customizing, the right click, quick customize with Alt and resizing a
// field by its edge. Drags are driven by mouse messages queued before the
// drag loop starts.
#include "CustomizeTestSupport.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "tests/support/PixelCanvas.h"

namespace {

typedef std::vector<int> IdList;

class CustomizeModeTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        Bars()->SetCustomizeMode(TRUE);
    }
    CXTPCustomizeDropSource* Source() const { return Bars()->GetDropSource(); }
};

// ---- Targets and drag results --------------------------------------------------------

TEST_F(CustomizeModeTest, BarsRegisterAsTargetsWhileTheirWindowsLive)
{
    EXPECT_EQ((CXTPCommandBar*)ToolBar(), Source()->FindTarget(ScreenPointOf(Button(ID_TEST_NEW))));
    CXTPToolBar* pSecond = Bars()->Add("Second", xtpBarTop);
    pSecond->GetControls()->Add(xtpControlButton, ID_TEST_COPY);
    frame->RecalcLayout();
    EXPECT_EQ((CXTPCommandBar*)pSecond, Source()->FindTarget(ScreenPointOf(pSecond->GetControl(0))));
    CPoint ptSecond = ScreenPointOf(pSecond->GetControl(0));
    Bars()->Remove(pSecond);
    EXPECT_EQ(NULL, Source()->FindTarget(ptSecond)) << "a removed bar is no target";
}

TEST_F(CustomizeModeTest, OfTwoBarsAtThePointTheOneRegisteredLastWins)
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(Bars());
    pPopup->GetControls()->Add(xtpControlButton, ID_TEST_COPY);
    CPoint ptOver = ScreenPointOf(Button(ID_TEST_OPEN));
    pPopup->Popup(ptOver.x - 5, ptOver.y - 5, NULL);
    EXPECT_EQ((CXTPCommandBar*)pPopup, Source()->FindTarget(ptOver));
    pPopup->SetTrackingMode(xtpTrackingOff);
    EXPECT_EQ((CXTPCommandBar*)ToolBar(), Source()->FindTarget(ptOver)) << "a hidden bar is no target";
    pPopup->InternalRelease();
}

struct DragRow
{
    const char* name;
    BOOL bCopyOnly;
    WPARAM wKeys;    // the key state of the move
    UINT nKey;       // a key pressed during the drag (0 none)
    BOOL bOverBar;   // released over the tool bar
    DROPEFFECT result;
};

TEST_F(CustomizeModeTest, TheDragSourceReportsCopyMoveNoTargetAndCancel)
{
    const DragRow rows[] = {
        {"plain drag onto a bar moves", FALSE, MK_LBUTTON, 0, TRUE, DROPEFFECT_MOVE},
        {"Ctrl at the first move copies", FALSE, MK_LBUTTON | MK_CONTROL, 0, TRUE, DROPEFFECT_COPY},
        {"Ctrl pressed while dragging copies", FALSE, MK_LBUTTON, VK_CONTROL, TRUE, DROPEFFECT_COPY},
        {"a copy-only drag copies", TRUE, MK_LBUTTON, 0, TRUE, DROPEFFECT_COPY},
        {"a move released over no bar", FALSE, MK_LBUTTON, 0, FALSE, DROPEFFECT_NONE},
        {"a copy released over no bar changes nothing", FALSE, MK_LBUTTON | MK_CONTROL, 0, FALSE,
         XTP_DROPEFFECT_CANCEL},
        {"Ctrl pressed, then released over no bar", FALSE, MK_LBUTTON, VK_CONTROL, FALSE, XTP_DROPEFFECT_CANCEL},
        {"a copy-only drag released over no bar", TRUE, MK_LBUTTON, 0, FALSE, XTP_DROPEFFECT_CANCEL},
        {"Esc cancels", FALSE, MK_LBUTTON, VK_ESCAPE, TRUE, XTP_DROPEFFECT_CANCEL},
    };
    for (const DragRow& row : rows)
    {
        CXTPControl* pCommand = Bars()->GetMenuBar()->GetControl(0);
        CPoint ptTarget = ScreenPointOf(Button(ID_TEST_BOLD), 8);
        if (!row.bOverBar)
            ptTarget = ScreenPointOf(Button(ID_TEST_BOLD), 0, 120);
        PostMouse(WM_MOUSEMOVE, ptTarget, row.wKeys);
        if (row.nKey != 0)
            frame->PostMessage(WM_KEYDOWN, row.nKey, 0);
        PostMouse(WM_LBUTTONUP, ptTarget, 0);
        IdList before = IdsOf(ToolBar());
        EXPECT_EQ(row.result, Source()->DoDragDrop(pCommand, row.bCopyOnly)) << row.name;
        IdList after = IdsOf(ToolBar());
        if (row.result == DROPEFFECT_COPY || row.result == DROPEFFECT_MOVE)
        {
            EXPECT_EQ(before.size() + 1, after.size()) << row.name;
            EXPECT_EQ(pCommand->GetID(), after.back()) << row.name;
            ToolBar()->GetControls()->Remove(ToolBar()->GetControls()->GetCount() - 1);
        }
        else
        {
            EXPECT_EQ(before, after) << row.name;
        }
        PumpPending();
    }
}

// Windows that wait to be painted are painted while a control is dragged,
// not only once the drag ends.
TEST_F(CustomizeModeTest, TheDragPaintsWaitingWindows)
{
    CPaintCounter counter;
    ASSERT_TRUE(counter.Create(frame, CPoint(10, 250)));
    const CPoint ptTarget = ScreenPointOf(Button(ID_TEST_BOLD), 8);
    counter.PostMessage(CPaintCounter::kInvalidate);
    PostMouse(WM_MOUSEMOVE, ptTarget);
    counter.PostMessage(CPaintCounter::kPing);
    PostMouse(WM_LBUTTONUP, ptTarget, 0);
    EXPECT_EQ(DROPEFFECT_COPY, Source()->DoDragDrop(Bars()->GetMenuBar()->GetControl(0), TRUE));
    EXPECT_EQ(1, counter.m_nPaintsAtPing);
}

TEST_F(CustomizeModeTest, ARightClickCancelsTheDrag)
{
    PostMouse(WM_MOUSEMOVE, ScreenPointOf(Button(ID_TEST_BOLD)));
    PostMouse(WM_RBUTTONDOWN, ScreenPointOf(Button(ID_TEST_BOLD)));
    EXPECT_EQ(XTP_DROPEFFECT_CANCEL, Source()->DoDragDrop(Button(ID_TEST_NEW), FALSE));
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
}

// The cursor as it was when a WM_TIMER queued in the middle of a drag came.
HCURSOR g_hCursorSeen = NULL;
void CALLBACK ReadCursor(HWND, UINT, UINT_PTR, DWORD)
{
    g_hCursorSeen = ::GetCursor();
}

TEST_F(CustomizeModeTest, TheCursorTellsCopyMoveAndNoDrop)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    HCURSOR hCopy = ::LoadCursorA(hInstance, MAKEINTRESOURCE(XTP_IDC_CUSTOMIZE_COPY));
    HCURSOR hMove = ::LoadCursorA(hInstance, MAKEINTRESOURCE(XTP_IDC_CUSTOMIZE_MOVE));
    HCURSOR hNoDrop = ::LoadCursorA(hInstance, MAKEINTRESOURCE(XTP_IDC_CUSTOMIZE_NODROP));
    ASSERT_TRUE(hCopy != NULL && hMove != NULL && hNoDrop != NULL);
    struct CursorRow
    {
        const char* name;
        BOOL bCopyOnly;
        WPARAM wKeys;
        BOOL bOverBar;
        HCURSOR hCursor;
    };
    const CursorRow rows[] = {
        {"moving onto a bar", FALSE, MK_LBUTTON, TRUE, hMove},
        {"copying onto a bar", FALSE, MK_LBUTTON | MK_CONTROL, TRUE, hCopy},
        {"a command from the list always copies", TRUE, MK_LBUTTON, TRUE, hCopy},
        {"over no bar", FALSE, MK_LBUTTON, FALSE, hNoDrop},
    };
    const CPoint ptOff = ScreenPointOf(Button(ID_TEST_BOLD), 0, 150);
    for (const CursorRow& row : rows)
    {
        PostMouse(WM_MOUSEMOVE, row.bOverBar ? ScreenPointOf(Button(ID_TEST_BOLD)) : ptOff, row.wKeys);
        g_hCursorSeen = NULL;
        frame->PostMessage(WM_TIMER, 41, (LPARAM)ReadCursor);
        PostMouse(WM_LBUTTONUP, ptOff, 0);
        Source()->DoDragDrop(Bars()->GetMenuBar()->GetControl(0), row.bCopyOnly);
        EXPECT_EQ(row.hCursor, g_hCursorSeen) << row.name;
    }
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), ::GetCursor()) << "the arrow comes back";
}

// ---- Dragging a control of a bar -------------------------------------------------------

TEST_F(CustomizeModeTest, AButtonDraggedOffItsBarLeavesItAndPassesItsGroupMark)
{
    // New, Open | Copy, Bold: Copy begins a group.
    ASSERT_TRUE(Button(ID_TEST_COPY)->GetBeginGroup());
    PostDragTo(ScreenPointOf(Button(ID_TEST_COPY), 0, 150));
    Button(ID_TEST_COPY)->OnClick(FALSE, Button(ID_TEST_COPY)->GetRect().CenterPoint());
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_TRUE(Button(ID_TEST_BOLD)->GetBeginGroup());
    EXPECT_EQ(NULL, Bars()->GetDragControl());
}

// A copy that lands on no bar goes nowhere: the button stays where it was,
// selected, with its group mark; the button after it keeps its own.
TEST_F(CustomizeModeTest, AButtonCopiedOffTheBarsStaysOnItsBar)
{
    const std::pair<const char*, UINT> rows[] = {{"Ctrl at the first move", 0},
                                                 {"Ctrl pressed while dragging", VK_CONTROL}};
    for (const auto& [name, nKey] : rows)
    {
        ASSERT_TRUE(Button(ID_TEST_COPY)->GetBeginGroup()) << name; // New, Open | Copy, Bold
        Bars()->SetDragControl(NULL);
        const CPoint ptOff = ScreenPointOf(Button(ID_TEST_COPY), 0, 150);
        PostMouse(WM_MOUSEMOVE, ptOff, nKey == 0 ? MK_LBUTTON | MK_CONTROL : MK_LBUTTON);
        if (nKey != 0)
            frame->PostMessage(WM_KEYDOWN, nKey, 0);
        PostMouse(WM_LBUTTONUP, ptOff, 0);
        Button(ID_TEST_COPY)->OnClick(FALSE, Button(ID_TEST_COPY)->GetRect().CenterPoint());
        ASSERT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar())) << name;
        EXPECT_TRUE(Button(ID_TEST_COPY)->GetBeginGroup()) << name;
        EXPECT_FALSE(Button(ID_TEST_BOLD)->GetBeginGroup()) << name;
        EXPECT_EQ(Button(ID_TEST_COPY), Bars()->GetDragControl()) << name;
        PumpPending();
    }
}

TEST_F(CustomizeModeTest, AButtonMovedAlongItsBarGoesWhereTheMarkerWas)
{
    // Dropped past the middle of Bold: after it.
    PostDragTo(ScreenPointOf(Button(ID_TEST_BOLD), 5));
    Button(ID_TEST_NEW)->OnClick(FALSE, Button(ID_TEST_NEW)->GetRect().CenterPoint());
    EXPECT_EQ(IdList({ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD, ID_TEST_NEW}), IdsOf(ToolBar()));
    EXPECT_EQ(Button(ID_TEST_NEW), Bars()->GetDragControl()) << "the moved button stays selected";
    EXPECT_FALSE(Button(ID_TEST_OPEN)->GetBeginGroup()) << "the new first button begins no group";
}

TEST_F(CustomizeModeTest, AButtonCopiedWithCtrlStaysAndAppearsAgain)
{
    PostMouse(WM_MOUSEMOVE, ScreenPointOf(Button(ID_TEST_BOLD), 5), MK_LBUTTON | MK_CONTROL);
    PostMouse(WM_LBUTTONUP, ScreenPointOf(Button(ID_TEST_BOLD), 5), 0);
    Button(ID_TEST_NEW)->OnClick(FALSE, Button(ID_TEST_NEW)->GetRect().CenterPoint());
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD, ID_TEST_NEW}), IdsOf(ToolBar()));
}

TEST_F(CustomizeModeTest, APlainClickSelectsTheButtonAndChangesNothing)
{
    CPoint pt = ScreenPointOf(Button(ID_TEST_OPEN));
    PostMouse(WM_LBUTTONUP, pt, 0);
    Button(ID_TEST_OPEN)->OnClick(FALSE, Button(ID_TEST_OPEN)->GetRect().CenterPoint());
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_EQ(Button(ID_TEST_OPEN), Bars()->GetDragControl());
}

TEST_F(CustomizeModeTest, DroppedOnItselfAButtonOnlyChangesItsGroupWhenDraggedFiveTo)
{
    struct SelfRow
    {
        const char* name;
        int dx;
        BOOL bBeginGroup;
    };
    const SelfRow rows[] = {
        {"three pixels change nothing", 3, FALSE},
        {"five pixels past the middle start a group", 5, TRUE},
    };
    for (const SelfRow& row : rows)
    {
        CXTPControl* pOpen = Button(ID_TEST_OPEN);
        pOpen->SetBeginGroup(FALSE);
        ::SetCursorPos(ScreenPointOf(pOpen).x, ScreenPointOf(pOpen).y);
        PostDragTo(ScreenPointOf(pOpen, row.dx));
        pOpen->OnClick(FALSE, pOpen->GetRect().CenterPoint());
        EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar())) << row.name;
        EXPECT_EQ(row.bBeginGroup, Button(ID_TEST_OPEN)->GetBeginGroup()) << row.name;
    }
}

TEST_F(CustomizeModeTest, AButtonDraggedIntoAMenuGoesIntoItsPopup)
{
    // Over the Edit menu the menu opens; Esc leaves it open for the drop.
    CXTPControlPopup* pEdit = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(1);
    CXTPCommandBar* pEditBar = pEdit->GetCommandBar();
    PostMouse(WM_MOUSEMOVE, ScreenPointOf(pEdit));
    frame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Source()->DoDragDrop(Button(ID_TEST_BOLD), TRUE);
    ASSERT_TRUE(pEditBar->GetSafeHwnd() != NULL && pEditBar->IsWindowVisible()) << "the menu opened";

    PostDragTo(ScreenPointOf(pEditBar->GetControl(0), 0, 3));
    EXPECT_EQ(DROPEFFECT_COPY, Source()->DoDragDrop(Button(ID_TEST_BOLD), TRUE));
    EXPECT_EQ(IdList({ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(pEditBar));
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar())) << "copied, not moved";
}

TEST_F(CustomizeModeTest, AMenuNeverOpensInsideItself)
{
    // The File menu dragged over itself keeps its popup closed.
    CXTPControlPopup* pFile = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(0);
    pFile->OnCustomizeDragOver(pFile, pFile->GetRect().CenterPoint());
    EXPECT_TRUE(pFile->GetCommandBar()->GetSafeHwnd() == NULL || !pFile->GetCommandBar()->IsWindowVisible());
    CXTPControlPopup* pEdit = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(1);
    pEdit->OnCustomizeDragOver(pFile, pEdit->GetRect().CenterPoint());
    EXPECT_TRUE(pEdit->GetCommandBar()->IsWindowVisible()) << "another menu opens";
}

// ---- The insertion point --------------------------------------------------------------------

TEST_F(CustomizeModeTest, TheInsertionPointIsTheNearestControlsEdge)
{
    CXTPControl* pNew = Button(ID_TEST_NEW);
    CXTPControl* pOpen = Button(ID_TEST_OPEN);
    CXTPControl* pBold = Button(ID_TEST_BOLD);
    CXTPControl* pDragged = Bars()->GetMenuBar()->GetControl(0);
    struct InsertRow
    {
        const char* name;
        CPoint point;
        int nIndex;
        BOOL bAfter;
        CRect marker;
    };
    const CRect rcNew = pNew->GetRect(), rcOpen = pOpen->GetRect(), rcBold = pBold->GetRect();
    const InsertRow rows[] = {
        {"before New", CPoint(rcNew.left + 2, rcNew.top + 3), 0, FALSE,
         CRect(rcNew.left, rcNew.top, rcNew.left + 6, rcNew.bottom)},
        {"after New, where Open follows in the group", CPoint(rcNew.right - 2, rcNew.top + 3), 0, TRUE,
         CRect(rcNew.right, rcNew.top, rcNew.right + 6, rcNew.bottom)},
        {"after Open, where Copy begins a group", CPoint(rcOpen.right - 2, rcOpen.top + 3), 1, TRUE,
         CRect(rcOpen.right - 6, rcOpen.top, rcOpen.right, rcOpen.bottom)},
        {"after the last", CPoint(rcBold.right + 30, rcBold.top + 3), 3, TRUE,
         CRect(rcBold.right - 6, rcBold.top, rcBold.right, rcBold.bottom)},
    };
    for (const InsertRow& row : rows)
    {
        CRect rcMarker;
        int nIndex = -2;
        BOOL bAfter = -1;
        ToolBar()->CalcInsertPosition(pDragged, row.point, rcMarker, nIndex, bAfter);
        EXPECT_EQ(row.nIndex, nIndex) << row.name;
        EXPECT_EQ(row.bAfter, bAfter) << row.name;
        EXPECT_EQ(row.marker, rcMarker) << row.name;
    }
    CRect rcMarker;
    int nIndex = -2;
    BOOL bAfter = FALSE;
    ToolBar()->CalcInsertPosition(pOpen, rcOpen.CenterPoint(), rcMarker, nIndex, bAfter);
    EXPECT_TRUE(rcMarker.IsRectEmpty()) << "no marker on the dragged control itself";
}

// On a bar wrapped into two rows the control in the row under the point
// wins over one of the other row that lines up with it as well.
TEST_F(CustomizeModeTest, OnAWrappedBarTheRowUnderThePointComesFirst)
{
    const int kIds[] = {ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD};
    for (int i = 0; i < 4; i++)
        Button(kIds[i])->SetRect(CRect(CPoint(23 * (i % 2), 22 * (i / 2)), CSize(23, 22)));
    CRect rcMarker;
    int nIndex = -2;
    BOOL bAfter = TRUE;
    CXTPControl* pDragged = Bars()->GetMenuBar()->GetControl(0);
    ToolBar()->CalcInsertPosition(pDragged, CPoint(10, 40), rcMarker, nIndex, bAfter);
    EXPECT_EQ(Button(ID_TEST_COPY)->GetIndex(), nIndex) << "not New above it";
    EXPECT_FALSE(bAfter);
}

TEST_F(CustomizeModeTest, ABarWithoutMovableControlsShowsTheMarkerAtItsStart)
{
    for (int i = 0; i < ToolBar()->GetControlCount(); i++)
        ToolBar()->GetControl(i)->SetFlags(XTP_CONTROLFLAG_NOMOVABLE);
    CRect rcClient;
    ToolBar()->GetClientRect(&rcClient);
    CRect rcMarker;
    int nIndex = 0;
    BOOL bAfter = FALSE;
    ToolBar()->CalcInsertPosition(Bars()->GetMenuBar()->GetControl(0), CPoint(40, 5), rcMarker, nIndex, bAfter);
    EXPECT_EQ(-1, nIndex);
    EXPECT_TRUE(bAfter);
    EXPECT_EQ(CRect(rcClient.left + 2, rcClient.top + 2, rcClient.left + 8, rcClient.bottom - 2), rcMarker);
}

TEST_F(CustomizeModeTest, TheMarkerFollowsTheDragAndGoesWhenItLeaves)
{
    CXTPControl* pDragged = Bars()->GetMenuBar()->GetControl(0);
    CPoint ptNew = Button(ID_TEST_NEW)->GetRect().TopLeft() + CPoint(2, 3);
    EXPECT_EQ(DROPEFFECT_COPY, ToolBar()->OnCustomizeDragEnter(pDragged, ptNew)) << "outside a drag: a copy";
    EXPECT_FALSE(ToolBar()->GetDropMarker().IsRectEmpty());
    ToolBar()->OnCustomizeDragLeave();
    EXPECT_TRUE(ToolBar()->GetDropMarker().IsRectEmpty());
    ToolBar()->SetCustomizable(FALSE);
    EXPECT_EQ(DROPEFFECT_NONE, ToolBar()->OnCustomizeDragEnter(pDragged, ptNew)) << "a bar that is not customizable";
}

// ---- Selection, drawing, notifications --------------------------------------------------------

TEST_F(CustomizeModeTest, SelectingAControlOutlinesItAndTellsTheSite)
{
    int nBefore = frame->m_nDragControlChanged;
    Bars()->SetDragControl(Button(ID_TEST_COPY));
    EXPECT_EQ(nBefore + 1, frame->m_nDragControlChanged);
    Bars()->SetDragControl(Button(ID_TEST_COPY));
    EXPECT_EQ(nBefore + 2, frame->m_nDragControlChanged) << "told on every call";

    CRect rcClient;
    ToolBar()->GetClientRect(&rcClient);
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    ToolBar()->SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc().GetSafeHdc(), 0);
    CRect rcCopy = Button(ID_TEST_COPY)->GetRect();
    EXPECT_EQ(kBlack, canvas.Pixel(rcCopy.left, rcCopy.top + 5));
    EXPECT_EQ(kBlack, canvas.Pixel(rcCopy.left + 1, rcCopy.top + 5));
    EXPECT_EQ(kWhite, canvas.Pixel(rcCopy.left + 2, rcCopy.top + 5));
    EXPECT_EQ(kBlack, canvas.Pixel(rcCopy.right - 1, rcCopy.bottom - 2));
}

TEST_F(CustomizeModeTest, LeavingCustomizeModeClearsTheSelection)
{
    Bars()->SetDragControl(Button(ID_TEST_COPY));
    Bars()->SetCustomizeMode(FALSE);
    EXPECT_EQ(NULL, Bars()->GetDragControl());
    EXPECT_TRUE(Bars()->GetCommandBarsOptions()->bDirty);
}

// A customize sheet as the bars see it: it records the context menus asked for.
class CRecordingSheet : public CXTPCustomizeSheetLink
{
public:
    explicit CRecordingSheet(CWnd* pWnd) : m_pWnd(pWnd) {}
    CWnd* GetSheetWindow() override { return m_pWnd; }
    void ContextMenu(int x, int y) override { m_menus.push_back(CPoint(x, y)); }
    std::vector<CPoint> m_menus;

private:
    CWnd* m_pWnd;
};

TEST_F(CustomizeModeTest, ARightClickSelectsTheControlAndAsksTheSheetForItsMenu)
{
    CRecordingSheet sheet(&frame->m_wndPane);
    Source()->SetSheet(&sheet);
    CPoint pt = Button(ID_TEST_OPEN)->GetRect().CenterPoint();
    ToolBar()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(Button(ID_TEST_OPEN), Bars()->GetDragControl());
    ASSERT_EQ(1u, sheet.m_menus.size());
    EXPECT_EQ(ScreenPointOf(Button(ID_TEST_OPEN)), sheet.m_menus[0]);

    // A control that stays in place is not selected.
    Button(ID_TEST_BOLD)->SetFlags(XTP_CONTROLFLAG_NOMOVABLE);
    pt = Button(ID_TEST_BOLD)->GetRect().CenterPoint();
    ToolBar()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(Button(ID_TEST_OPEN), Bars()->GetDragControl());
    EXPECT_EQ(1u, sheet.m_menus.size());
    Source()->SetSheet(NULL);
}

TEST_F(CustomizeModeTest, TheFrameStaysWhileTheSheetRuns)
{
    CRecordingSheet sheet(&frame->m_wndPane);
    Source()->SetSheet(&sheet);
    frame->SendMessage(WM_CLOSE);
    ASSERT_TRUE(::IsWindow(frame->m_hWnd));
    EXPECT_TRUE(frame->IsWindowVisible());
    Source()->SetSheet(NULL);
}

// ---- Quick customize -------------------------------------------------------------------------

class QuickCustomizeTest : public CustomizeTest
{
protected:
    void TearDown() override
    {
        SetKeyDown(VK_MENU, FALSE);
        CustomizeTest::TearDown();
    }
};

TEST_F(QuickCustomizeTest, AltAndADragMoveAButtonWithoutTheSheet)
{
    SetKeyDown(VK_MENU, TRUE);
    PostDragTo(ScreenPointOf(Button(ID_TEST_NEW), -5));
    CPoint pt = Button(ID_TEST_BOLD)->GetRect().CenterPoint();
    ToolBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(IdList({ID_TEST_BOLD, ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY}), IdsOf(ToolBar()));
    EXPECT_FALSE(Bars()->IsCustomizeMode());
    EXPECT_FALSE(Bars()->IsQuickCustomizeMode());
    EXPECT_TRUE(frame->m_log.empty()) << "nothing executed";
}

TEST_F(QuickCustomizeTest, WithAltDragCustomizationOffAltAndAPressRunTheButton)
{
    Bars()->GetCommandBarsOptions()->bAltDragCustomization = FALSE;
    SetKeyDown(VK_MENU, TRUE);
    CPoint pt = Button(ID_TEST_NEW)->GetRect().CenterPoint();
    ToolBar()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    ToolBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_NE(frame->m_log.end(), std::find(frame->m_log.begin(), frame->m_log.end(), "command new"));
}

// ---- Resizing a field by its edge -----------------------------------------------------------------

TEST_F(CustomizeModeTest, AFieldSelectedForCustomizingResizesByItsEdge)
{
    CXTPControlEdit* pEdit = (CXTPControlEdit*)ToolBar()->GetControls()->Add(xtpControlEdit, 3200);
    frame->RecalcLayout();
    PumpPending();
    Bars()->SetDragControl(pEdit);
    // Drags the right edge by dx (after the key when one is given).
    auto dragRightEdge = [&](int dx, UINT nKey) {
        CRect rc = pEdit->GetRect();
        CPoint ptEdge(rc.right - 1, rc.CenterPoint().y);
        if (nKey != 0)
            ToolBar()->PostMessage(WM_KEYDOWN, nKey, 0);
        ToolBar()->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptEdge.x + dx, ptEdge.y));
        ToolBar()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptEdge.x + dx, ptEdge.y));
        BOOL bTracked = pEdit->CustomizeStartResize(ptEdge);
        PumpPending();
        return bTracked;
    };
    const int nWider = pEdit->GetRect().Width() - 1 + 30;
    EXPECT_TRUE(dragRightEdge(30, 0));
    EXPECT_EQ(nWider, pEdit->GetWidth());
    EXPECT_TRUE(dragRightEdge(-10, VK_ESCAPE));
    EXPECT_EQ(nWider, pEdit->GetWidth()) << "Esc keeps the width";
    EXPECT_TRUE(dragRightEdge(-500, 0));
    EXPECT_EQ(pEdit->GetCustomizeMinWidth(), pEdit->GetWidth()) << "never below the minimum";
    EXPECT_FALSE(pEdit->CustomizeStartResize(pEdit->GetRect().CenterPoint())) << "only the edges resize";
    EXPECT_FALSE(Button(ID_TEST_NEW)->IsCustomizeResizeAllow());
}

TEST_F(CustomizeModeTest, APopupClickedInCustomizeModeOpensAndIsSelected)
{
    CXTPControlPopup* pFile = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(0);
    PostMouse(WM_LBUTTONUP, ScreenPointOf(pFile), 0);
    pFile->OnClick(FALSE, pFile->GetRect().CenterPoint());
    EXPECT_EQ((CXTPControl*)pFile, Bars()->GetDragControl());
    ASSERT_TRUE(pFile->GetCommandBar()->GetSafeHwnd() != NULL);
    EXPECT_TRUE(pFile->GetCommandBar()->IsWindowVisible());
}

} // namespace

// A command its handler disables (nothing for it to act on now) is still a
// control the user may move or take off the bar.
TEST_F(CustomizeModeTest, ADisabledButtonOrMenuIsDraggedLikeAnyOther)
{
    CXTPControl* pCopy = Button(ID_TEST_COPY);
    pCopy->SetEnabled(FALSE);
    PostDragTo(ScreenPointOf(pCopy, 0, 150));
    pCopy->OnClick(FALSE, pCopy->GetRect().CenterPoint());
    EXPECT_EQ(IdList({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_BOLD}), IdsOf(ToolBar())) << "dragged off its bar";

    CXTPControlPopup* pFile = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(0);
    pFile->SetEnabled(FALSE);
    PostMouse(WM_LBUTTONUP, ScreenPointOf(pFile), 0);
    pFile->OnClick(FALSE, pFile->GetRect().CenterPoint());
    EXPECT_EQ((CXTPControl*)pFile, Bars()->GetDragControl()) << "selected for customizing";
}
