// Floating, moving and docking a tool bar by the mouse leave the keyboard
// where it was: a site frame whose tree view has the focus stays the active
// window, and the next key reaches the tree (its caret moves down a row),
// with real mouse input on the gripper and the floating caption and a real
// key. A floating bar never keeps the focus: given it, the bar hands it back
// to the window of its frame that had it, or to the frame's view when that
// window is gone or was not the frame's. Esc and Enter in a field of the
// bar, docked or floating, give the keys back to the frame's window the
// user came from, and so does hiding the bar while its field has the focus.
#include "CommandBarsTestSupport.h"

#include "tests/support/RealInput.h"
#include "tests/support/WindowStacking.h"
#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

#include "framework/Controls.h"

#include <functional>
#include <string>
#include <vector>

namespace {

const CRect kFrameRect(40, 40, 540, 440);
// Empty bar space: the gripper of a docked bar, the caption of a floating one
// (CFixedSizePaintManager: a 6-pixel gripper, a 15-pixel caption in a
// 3-pixel frame).
const CPoint kGripper(3, 3);
const CPoint kCaption(5, 8);
// Frame client points: over the tree, far from every dock bar, and over the
// top dock bar's row of the menu bar.
const CPoint kMiddle(250, 200), kElsewhere(150, 280), kTopDockRow(300, 10);
// The commands of an edit control and a combo box on the bar.
const int kBarFieldId = 3100, kBarComboId = 3101;

// A site frame that runs the commands of the fields on its bar (a field
// without a handler is disabled).
class CFieldCommandFrame : public CXTPCommandBarsSiteFrame
{
public:
    int m_nFieldCommands = 0;

protected:
    afx_msg void OnFieldCommand(UINT) { ++m_nFieldCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFieldCommandFrame, CXTPCommandBarsSiteFrame)
ON_COMMAND_RANGE(kBarFieldId, kBarComboId, OnFieldCommand)
END_MESSAGE_MAP()

// The window of the frame the user clicked before the drag (or before the
// field of the bar), and how a key shows there.
struct FocusedWindow
{
    const char* name;
    std::function<void()> click;
    std::function<bool()> keyArrives;
    HWND hWnd;
};

class BarDragFocusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CFieldCommandFrame;
        ASSERT_TRUE(frame->Create(NULL, "site", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kFrameRect));
        ASSERT_TRUE(frame->CreateCommandBars(RUNTIME_CLASS(CXTPCommandBars)));
        CXTPCommandBars* pBars = frame->GetCommandBars();
        pBars->SetPaintManager(new CFixedSizePaintManager);
        pBars->SetMenu("Menu Bar", IDR_TEST_MENU);
        pBars->Add("Standard", xtpBarTop)->LoadToolBar(IDR_TEST_TOOLBAR);
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CTreeView);
        view = (CTreeView*)frame->CreateView(&context);
        ASSERT_TRUE(view != NULL);
        view->ModifyStyle(0, TVS_SHOWSELALWAYS);
        for (const char* name : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta"})
            Tree().InsertItem(name);
        frame->SetActiveView(view);
        frame->RecalcLayout();
        // Over the view's lower right corner, in front of it.
        const CRect rcField(CPoint(300, 330), CSize(150, 22));
        ASSERT_TRUE(field.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rcField,
                                   frame, 1));
        field.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SettleDisplay();
    }
    void TearDown() override
    {
        frame->DestroyWindow();
        PumpPending();
    }

    CTreeCtrl& Tree() const { return view->GetTreeCtrl(); }
    CXTPToolBar* Bar() const { return frame->GetCommandBars()->GetToolBar(IDR_TEST_TOOLBAR); }
    CPoint FrameScreen(CPoint ptClient) const
    {
        frame->ClientToScreen(&ptClient);
        return ptClient;
    }
    CPoint BarScreen(CPoint ptClient) const
    {
        Bar()->ClientToScreen(&ptClient);
        return ptClient;
    }
    CPoint Grip() const { return BarScreen(Bar()->GetPosition() == xtpBarFloating ? kCaption : kGripper); }
    // The user's click on the tree's first item: the frame active, the tree
    // focused with its caret on that item.
    void ClickFirstKeyword()
    {
        HTREEITEM hFirst = Tree().GetRootItem();
        ClickScreen(ScreenCenterOf(Tree().m_hWnd, hFirst));
        ASSERT_TRUE(PumpPendingUntil([&] {
            return ::GetFocus() == view->m_hWnd && ::GetActiveWindow() == frame->m_hWnd
                   && Tree().GetSelectedItem() == hFirst;
        }));
    }
    // The user's click in the edit field, which is not the frame's view.
    void ClickField()
    {
        CRect rc;
        field.GetWindowRect(&rc);
        ClickScreen(rc.CenterPoint());
        ASSERT_TRUE(PumpPendingUntil(
            [&] { return ::GetFocus() == field.m_hWnd && ::GetActiveWindow() == frame->m_hWnd; }));
    }
    // The bar dragged by the mouse from where it is grabbed to the frame's
    // client point; done when the drag has let the capture go there.
    void DragTo(CPoint ptClient, XTPBarPosition position)
    {
        DragScreen(Grip(), FrameScreen(ptClient));
        ASSERT_TRUE(PumpPendingUntil([&] { return Bar()->GetPosition() == position && ::GetCapture() == NULL; }));
    }
    void DoubleClickCaption()
    {
        SendButtonsAt(Grip(), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
        ASSERT_TRUE(PumpPendingUntil([&] { return Bar()->GetPosition() == xtpBarTop && ::GetCapture() == NULL; }));
    }
    // Down pressed: TRUE when the tree's caret moved from its item to the next.
    bool DownReachesTheTree()
    {
        HTREEITEM hNext = Tree().GetNextSiblingItem(Tree().GetSelectedItem());
        PressKeys({VK_DOWN});
        return PumpPendingUntil([&] { return Tree().GetSelectedItem() == hNext; }, 3000);
    }
    // X pressed: TRUE when the field shows one more character.
    bool KeyReachesTheField()
    {
        const int nLength = field.GetWindowTextLength();
        PressKeys({'X'});
        return PumpPendingUntil([&] { return field.GetWindowTextLength() == nLength + 1; }, 3000);
    }

    // The windows of the frame the user works in: its view, and a field of
    // its own.
    std::vector<FocusedWindow> WindowsOfTheFrame()
    {
        return {
            {"the frame's view", [this] { ClickFirstKeyword(); }, [this] { return DownReachesTheTree(); },
             view->m_hWnd},
            {"a field that is not the view", [this] { ClickField(); }, [this] { return KeyReachesTheField(); },
             field.m_hWnd},
        };
    }
    // The user's click into a field on the bar, and an A typed there.
    void TypeIntoTheBarsField(CWnd* pField)
    {
        ASSERT_TRUE(pField != NULL && pField->IsWindowVisible());
        pField->SetWindowText("");
        CRect rc;
        pField->GetWindowRect(&rc);
        ClickScreen(rc.CenterPoint());
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == pField->m_hWnd; }));
        PressKeys({'A'});
        ASSERT_TRUE(PumpPendingUntil([&] { return pField->GetWindowTextLength() == 1; }));
    }
    // The bar back in its row for the next case.
    void DockBack()
    {
        frame->GetCommandBars()->DockCommandBarAt(Bar(), NULL, xtpBarTop);
        frame->RecalcLayout();
        SettleDisplay();
    }

    CFieldCommandFrame* frame = nullptr;
    CTreeView* view = nullptr;
    CWnd field;
};

struct DragRow
{
    const char* name;
    // The user floats the bar by its gripper first, and goes on from there
    // without a click elsewhere.
    bool bFloatedFirst;
    std::function<void()> drag;
};

TEST_F(BarDragFocusTest, FloatingMovingAndDockingByTheMouseLeaveTheKeysWithTheFocusedWindow)
{
    const DragRow rows[] = {
        {"floated by the gripper", false, [this] { DragTo(kMiddle, xtpBarFloating); }},
        {"moved floating by the caption", true, [this] { DragTo(kElsewhere, xtpBarFloating); }},
        {"docked by a double click", true, [this] { DoubleClickCaption(); }},
        {"docked by dragging it back", true, [this] { DragTo(kTopDockRow, xtpBarTop); }},
    };
    for (const FocusedWindow& focused : WindowsOfTheFrame())
    {
        for (const DragRow& row : rows)
        {
            SCOPED_TRACE(std::string(focused.name) + ", " + row.name);
            focused.click();
            if (row.bFloatedFirst)
                DragTo(kMiddle, xtpBarFloating);

            row.drag();

            EXPECT_TRUE(focused.keyArrives());
            EXPECT_EQ(frame->m_hWnd, ::GetActiveWindow());
            EXPECT_EQ(frame->m_hWnd, ::GetForegroundWindow());
            EXPECT_EQ(focused.hWnd, ::GetFocus());
            DockBack();
        }
    }
}

// Something gives the floating bar the focus (a program's SetFocus, which
// also activates the bar's window): the bar hands it back before the next
// input is read.
TEST_F(BarDragFocusTest, AFloatingBarGivenTheFocusHandsItBack)
{
    struct Row
    {
        const char* name;
        std::function<void()> focusBefore;
        HWND hWndAfter;
        // Runs between the bar's focus and its handing back (nullptr: nothing).
        std::function<void()> meanwhile;
    };
    HWND hGone = NULL;
    const Row rows[] = {
        {"from the field: to the field", [this] { ClickField(); }, field.m_hWnd, nullptr},
        {"from the frame's view: to the view", [this] { ClickFirstKeyword(); }, view->m_hWnd, nullptr},
        {"from no window: to the frame's view",
         [this] {
             ClickField();
             ::SetFocus(NULL);
         },
         view->m_hWnd, nullptr},
        {"from a window that is gone: to the frame's view",
         [&] {
             ClickField();
             hGone = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 300, 80, 20, frame->m_hWnd, NULL,
                                       NULL, NULL);
             ::SetFocus(hGone);
         },
         view->m_hWnd, [&] { ::DestroyWindow(hGone); }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        row.focusBefore();
        DragTo(kMiddle, xtpBarFloating);

        Bar()->SetFocus();
        if (row.meanwhile)
            row.meanwhile();
        SettleDisplay();

        EXPECT_EQ(row.hWndAfter, ::GetFocus());
        EXPECT_EQ(frame->m_hWnd, ::GetActiveWindow());
        EXPECT_EQ(frame->m_hWnd, ::GetForegroundWindow());
        DockBack();
    }
}

// The user types into a field of the tool bar (an edit control's, or a
// combo box's) and leaves it by Esc, or by Enter, which runs the field's
// command: the keys go back to the window of the frame the user came from,
// the bar docked or floating. A click into the floating bar's field
// activates the bar first, and the activation focuses the bar on its way to
// the field.
TEST_F(BarDragFocusTest, LeavingAFieldOfTheBarGivesTheKeysBackToTheWindowTheUserCameFrom)
{
    CXTPControls* pControls = Bar()->GetControls();
    CXTPControlEdit* pEdit = (CXTPControlEdit*)pControls->Add(xtpControlEdit, kBarFieldId);
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pControls->Add(xtpControlComboBox, kBarComboId);
    pCombo->SetDropDownListStyle();
    frame->RecalcLayout();
    SettleDisplay();
    const struct
    {
        const char* name;
        CWnd* pWnd;
    } barFields[] = {{"an edit control", pEdit->GetEditWnd()}, {"a combo box", pCombo->GetEditWnd()}};
    const struct
    {
        const char* name;
        bool bFloating;
        WORD vk;
        // The field's command runs.
        int nCommands;
    } rows[] = {
        {"docked, Esc", false, VK_ESCAPE, 0},
        {"docked, Enter", false, VK_RETURN, 1},
        {"floating, Esc", true, VK_ESCAPE, 0},
        {"floating, Enter", true, VK_RETURN, 1},
    };
    for (const auto& barField : barFields)
    {
        for (const FocusedWindow& focused : WindowsOfTheFrame())
        {
            for (const auto& row : rows)
            {
                SCOPED_TRACE(std::string(barField.name) + ", from " + focused.name + ", " + row.name);
                focused.click();
                if (row.bFloating)
                    DragTo(kMiddle, xtpBarFloating);
                TypeIntoTheBarsField(barField.pWnd);
                frame->m_nFieldCommands = 0;

                PressKeys({row.vk});

                EXPECT_TRUE(focused.keyArrives());
                EXPECT_EQ(focused.hWnd, ::GetFocus());
                EXPECT_EQ(frame->m_hWnd, ::GetActiveWindow());
                EXPECT_EQ(frame->m_hWnd, ::GetForegroundWindow());
                EXPECT_EQ(row.nCommands, frame->m_nFieldCommands);
                DockBack();
            }
        }
    }
}

// The bar hidden while the user types in its field (closed by its button
// when floating, or hidden by the program) leaves no focus out of sight:
// the keys go back to the frame's window the user came from.
TEST_F(BarDragFocusTest, HidingTheBarWithTheFocusInItsFieldGivesTheKeysBackToTheWindowTheUserCameFrom)
{
    CXTPControlEdit* pEdit = (CXTPControlEdit*)Bar()->GetControls()->Add(xtpControlEdit, kBarFieldId);
    frame->RecalcLayout();
    SettleDisplay();
    auto clickClose = [this] {
        CPoint pt = Bar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_HIDE)->GetRect().CenterPoint();
        ClickScreen(BarScreen(pt));
    };
    auto hide = [this] { Bar()->SetVisible(FALSE); };
    const struct
    {
        const char* name;
        bool bFloating;
        std::function<void()> hide;
    } rows[] = {
        {"docked, hidden by the program", false, hide},
        {"floating, hidden by the program", true, hide},
        {"floating, closed by its button", true, clickClose},
    };
    for (const FocusedWindow& focused : WindowsOfTheFrame())
    {
        for (const auto& row : rows)
        {
            SCOPED_TRACE(std::string("from ") + focused.name + ", " + row.name);
            focused.click();
            if (row.bFloating)
                DragTo(kMiddle, xtpBarFloating);
            TypeIntoTheBarsField(pEdit->GetEditWnd());

            row.hide();
            ASSERT_TRUE(PumpPendingUntil([&] { return !Bar()->IsWindowVisible(); }));

            EXPECT_EQ(focused.hWnd, ::GetFocus());
            EXPECT_TRUE(focused.keyArrives());
            EXPECT_EQ(frame->m_hWnd, ::GetActiveWindow());
            Bar()->SetVisible(TRUE);
            DockBack();
        }
    }
}

} // namespace
