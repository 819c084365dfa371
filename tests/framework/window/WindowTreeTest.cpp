// The window tree: updates of dialog controls through a command target,
// messages sent down to descendants, and the searches for parents, owners
// and frames.
#include "TestWindows.h"
#include <gtest/gtest.h>

namespace {

enum
{
    idHandled = 50,
    idUnhandled = 51,
    idChecked = 52,
    idRenamed = 53,
    idCheckBox = 54
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

TEST(UpdateDialogControls, PushButtonsWithoutHandlerAreDisabledOthersUpdated)
{
    CLogWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    HWND hHandled = CreateRawWindow("BUTTON", WS_CHILD | BS_PUSHBUTTON, parent.m_hWnd, idHandled);
    HWND hUnhandled = CreateRawWindow("BUTTON", WS_CHILD | BS_PUSHBUTTON, parent.m_hWnd, idUnhandled);
    HWND hChecked = CreateRawWindow("BUTTON", WS_CHILD | BS_CHECKBOX, parent.m_hWnd, idChecked);
    HWND hRenamed = CreateRawWindow("BUTTON", WS_CHILD | BS_PUSHBUTTON, parent.m_hWnd, idRenamed);
    HWND hCheckBox = CreateRawWindow("BUTTON", WS_CHILD | BS_AUTOCHECKBOX, parent.m_hWnd, idCheckBox);

    CControlTarget target;
    parent.UpdateDialogControls(&target, TRUE);
    EXPECT_TRUE(::IsWindowEnabled(hHandled));
    EXPECT_FALSE(::IsWindowEnabled(hUnhandled));
    EXPECT_EQ(::SendMessageA(hChecked, BM_GETCHECK, 0, 0), BST_CHECKED);
    char text[16] = "";
    ::GetWindowTextA(hRenamed, text, sizeof text);
    EXPECT_STREQ(text, "Renamed");
    EXPECT_TRUE(::IsWindowEnabled(hCheckBox)); // data, not a command

    ::EnableWindow(hUnhandled, TRUE);
    parent.UpdateDialogControls(&target, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(hUnhandled));
    parent.DestroyWindow();
}

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

TEST(UpdateDialogControls, ControlWithItsOwnUpdateHandlerUpdatesItself)
{
    CLogWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CSelfUpdatingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "b", BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, idUnhandled));
    CControlTarget target;
    parent.UpdateDialogControls(&target, TRUE);
    EXPECT_TRUE(button.IsWindowEnabled());
    CString text;
    button.GetWindowText(text);
    EXPECT_EQ(text, "Self");
    parent.DestroyWindow();
}

class CCountingWnd : public CWnd
{
public:
    int m_nReceived = 0;

protected:
    afx_msg LRESULT OnCount(WPARAM, LPARAM)
    {
        ++m_nReceived;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
ON_MESSAGE(WM_APP + 7, OnCount)
END_MESSAGE_MAP()

TEST(SendMessageToDescendants, DeepReachesGrandchildren)
{
    CCountingWnd top, child, grandchild;
    ASSERT_TRUE(top.CreateEx(0, NULL, "top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, NULL, 0, CRect(0, 0, 50, 50), &top, 1));
    ASSERT_TRUE(grandchild.Create(NULL, NULL, 0, CRect(0, 0, 20, 20), &child, 2));
    top.SendMessageToDescendants(WM_APP + 7, 0, 0, FALSE, TRUE);
    EXPECT_EQ(child.m_nReceived, 1);
    EXPECT_EQ(grandchild.m_nReceived, 0);
    top.SendMessageToDescendants(WM_APP + 7, 0, 0, TRUE, TRUE);
    EXPECT_EQ(child.m_nReceived, 2);
    EXPECT_EQ(grandchild.m_nReceived, 1);
    EXPECT_EQ(top.m_nReceived, 0);
    top.DestroyWindow();
}

TEST(WindowSearches, ParentsOwnersAndFrames)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "frame"));
    CWnd child, grandchild, popup;
    ASSERT_TRUE(child.Create(NULL, NULL, 0, CRect(0, 0, 50, 50), pFrame, 1));
    ASSERT_TRUE(grandchild.Create(NULL, NULL, 0, CRect(0, 0, 20, 20), &child, 2));
    ASSERT_TRUE(popup.CreateEx(0, NULL, "popup", WS_POPUP, 0, 0, 10, 10, pFrame->m_hWnd, NULL));

    EXPECT_EQ(grandchild.GetParentFrame(), pFrame);
    EXPECT_EQ(grandchild.GetTopLevelFrame(), pFrame);
    EXPECT_EQ(grandchild.GetTopLevelParent(), pFrame);
    EXPECT_EQ(grandchild.GetParentOwner(), pFrame);
    EXPECT_EQ(popup.GetTopLevelParent(), pFrame);
    EXPECT_EQ(popup.GetTopLevelOwner(), pFrame);
    EXPECT_EQ(CWnd::GetSafeOwner(&grandchild), pFrame);
    EXPECT_EQ(pFrame->GetDescendantWindow(2), &grandchild);
    EXPECT_EQ(pFrame->GetParentFrame(), (CFrameWnd*)NULL);
    EXPECT_EQ(pFrame->GetTopLevelFrame(), pFrame);

    grandchild.SetOwner(pFrame);
    EXPECT_EQ(grandchild.GetOwner(), pFrame);
    EXPECT_EQ(child.GetOwner(), pFrame); // no owner set: the parent

    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));
    popup.DestroyWindow();
    pFrame->DestroyWindow();
    EXPECT_EQ(child.m_hWnd, (HWND)NULL);
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
