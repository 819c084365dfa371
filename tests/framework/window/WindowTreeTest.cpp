// The window tree: updates of dialog controls through a command target, and
// the searches for parents, owners and frames, and style changes. (Messages sent down to
// descendants are tested with the pump.)
#include "TestWindows.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

enum
{
    idHandled = 50,
    idUnhandled = 51,
    idChecked = 52,
    idRenamed = 53,
    idCheckBox = 54,
    idSelf = 55
};

class CControlTarget : public CCmdTarget
{
protected:
    afx_msg void OnHandled() {}
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlTarget, CCmdTarget)
ON_COMMAND(idHandled, OnHandled)
ON_UPDATE_COMMAND_UI(idChecked, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(idRenamed, OnUpdateRenamed)
END_MESSAGE_MAP()

// A control that updates itself is left to its own handler.
class CSelfUpdatingButton : public CWnd
{
protected:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI) { pCmdUI->SetText("Self"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CWnd)
ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

// The state of each button: enabled or not, checked or not, and its text.
CString States(const std::vector<HWND>& buttons)
{
    CString states;
    for (HWND hButton : buttons)
    {
        char text[16] = "";
        ::GetWindowTextA(hButton, text, sizeof text);
        states += CString(::IsWindowEnabled(hButton) ? "e" : "-")
                  + (::SendMessageA(hButton, BM_GETCHECK, 0, 0) == BST_CHECKED ? "c" : "-") + text + " ";
    }
    return states;
}

TEST(UpdateDialogControls, PushButtonsWithoutHandlerAreDisabledOthersUpdated)
{
    CLogWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    std::vector<HWND> buttons;
    const struct
    {
        UINT nID;
        DWORD dwStyle;
    } controls[] = {{idHandled, BS_PUSHBUTTON},
                    {idUnhandled, BS_PUSHBUTTON},
                    {idChecked, BS_CHECKBOX},
                    {idRenamed, BS_PUSHBUTTON},
                    {idCheckBox, BS_AUTOCHECKBOX}};
    for (const auto& control : controls)
        buttons.push_back(CreateRawWindow("BUTTON", WS_CHILD | control.dwStyle, parent.m_hWnd, control.nID));
    CSelfUpdatingButton self;
    ASSERT_TRUE(self.Create("BUTTON", "b", BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, idSelf));
    buttons.push_back(self.m_hWnd);
    CControlTarget target;
    // A check box without a handler holds data, not a command: it stays enabled.
    parent.UpdateDialogControls(&target, TRUE);
    EXPECT_EQ(States(buttons), "e- -- ec --Renamed e- e-Self ");
    ::EnableWindow(buttons[1], TRUE);
    parent.UpdateDialogControls(&target, FALSE);
    EXPECT_EQ(States(buttons), "e- e- ec --Renamed e- e-Self ");
}

TEST(WindowSearches, ParentsOwnersAndFrames)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "frame"));
    CWnd child, grandchild, popup;
    ASSERT_TRUE(child.Create(NULL, NULL, 0, CRect(0, 0, 50, 50), pFrame, 1));
    ASSERT_TRUE(grandchild.Create(NULL, NULL, 0, CRect(0, 0, 20, 20), &child, 2));
    ASSERT_TRUE(popup.CreateEx(0, NULL, "popup", WS_POPUP, 0, 0, 10, 10, pFrame->m_hWnd, NULL));

    grandchild.SetOwner(pFrame);
    const std::vector<CWnd*> found = {
        grandchild.GetParentFrame(),     grandchild.GetTopLevelFrame(),
        grandchild.GetTopLevelParent(),  grandchild.GetParentOwner(),
        popup.GetTopLevelParent(),       popup.GetTopLevelOwner(),
        CWnd::GetSafeOwner(&grandchild), pFrame->GetTopLevelFrame(),
        grandchild.GetOwner(),           child.GetOwner()}; // child: no owner set, the parent
    EXPECT_EQ(found, std::vector<CWnd*>(found.size(), pFrame));
    EXPECT_EQ(pFrame->GetDescendantWindow(2), &grandchild);
    EXPECT_EQ(pFrame->GetParentFrame(), (CFrameWnd*)NULL);
    pFrame->DestroyWindow();
    EXPECT_EQ(child.m_hWnd, (HWND)NULL);
}

TEST(WindowStyles, ModifyStyleTellsWhetherTheStyleChanged)
{
    CLogWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, NULL, 0, CRect(0, 0, 50, 50), &parent, 1));
    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));
}

TEST(WindowClasses, SameAttributesGiveTheSameRegisteredClass)
{
    CString first = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    CString again = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    CString other = AfxRegisterWndClass(CS_HREDRAW);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    WNDCLASSA wc;
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), first, &wc));
    EXPECT_EQ(wc.style, (UINT)CS_DBLCLKS);
    EXPECT_EQ(wc.hbrBackground, (HBRUSH)(COLOR_WINDOW + 1));
}

} // namespace
