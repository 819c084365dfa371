// The bars to accessibility clients and context help: a client that asks
// for the menu bar's object (AccessibleObjectFromWindow) reads each
// control as a child; the keyboard's selection raises the focus event; both
// entry points may be missing. In context-help mode the bar's hit test names
// submenus as menu parts and a press anywhere acts as a press on a control.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/bars/XTPCommandBarAccessible.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"

#include <oleacc.h>

namespace {

VARIANT Child(long nId)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nId;
    return var;
}

std::string Narrow(BSTR bstr)
{
    char text[256] = "";
    ::WideCharToMultiByte(CP_ACP, 0, bstr, -1, text, sizeof(text), NULL, NULL);
    return text;
}

class AccessibilityTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        ::CoInitialize(NULL);
    }
    void TearDown() override
    {
        if (pAccessible != NULL)
            pAccessible->Release();
        XTPWithholdOptionalLibrary("oleacc.dll", FALSE);
        XTPWithholdOptionalProc("NotifyWinEvent", FALSE);
        XTPAccessibility::Unbind();
        CommandBarsTest::TearDown();
        ::CoUninitialize();
    }
    HRESULT Connect()
    {
        return ::AccessibleObjectFromWindow(MenuBar()->m_hWnd, (DWORD)OBJID_CLIENT, IID_IAccessible,
                                            (void**)&pAccessible);
    }

    IAccessible* pAccessible = nullptr;
};

TEST_F(AccessibilityTest, AClientReadsEachControlOfTheBarAsAChild)
{
    ASSERT_EQ(S_OK, Connect());
    ASSERT_NE(nullptr, pAccessible);
    MenuBar()->SetSelected(1, TRUE);
    CRect rcWindow;
    MenuBar()->GetWindowRect(&rcWindow);

    for (int i = 0; i < MenuBar()->GetControlCount(); i++)
    {
        CXTPControl* pControl = MenuBar()->GetControl(i);
        BSTR bstrName = NULL;
        ASSERT_EQ(S_OK, pAccessible->get_accName(Child(i + 1), &bstrName)) << i;
        EXPECT_EQ(std::string((LPCTSTR)pControl->GetCaption()), Narrow(bstrName)) << i;
        ::SysFreeString(bstrName);

        VARIANT role;
        ASSERT_EQ(S_OK, pAccessible->get_accRole(Child(i + 1), &role)) << i;
        EXPECT_EQ(VT_I4, role.vt) << i;
        EXPECT_EQ(ROLE_SYSTEM_MENUITEM, role.lVal) << i;

        VARIANT state;
        ASSERT_EQ(S_OK, pAccessible->get_accState(Child(i + 1), &state)) << i;
        const long lExpected = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE
                               | (i == 1 ? STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED : 0);
        EXPECT_EQ(lExpected, state.lVal) << i;

        long x = 0, y = 0, cx = 0, cy = 0;
        ASSERT_EQ(S_OK, pAccessible->accLocation(&x, &y, &cx, &cy, Child(i + 1))) << i;
        CRect rc = pControl->GetRect();
        rc.OffsetRect(rcWindow.TopLeft());
        EXPECT_EQ(rc, CRect(x, y, x + cx, y + cy)) << i;
    }
}

TEST_F(AccessibilityTest, TheBarItselfHasALocationAndAnEmptyRoleButNoName)
{
    ASSERT_EQ(S_OK, Connect());
    BSTR bstrName = NULL;
    EXPECT_EQ(E_NOTIMPL, pAccessible->get_accName(Child(CHILDID_SELF), &bstrName));
    VARIANT role;
    EXPECT_EQ(S_OK, pAccessible->get_accRole(Child(CHILDID_SELF), &role));
    EXPECT_EQ(VT_EMPTY, role.vt);
    VARIANT state;
    EXPECT_EQ(E_NOTIMPL, pAccessible->get_accState(Child(CHILDID_SELF), &state));
    long x = 0, y = 0, cx = 0, cy = 0;
    ASSERT_EQ(S_OK, pAccessible->accLocation(&x, &y, &cx, &cy, Child(CHILDID_SELF)));
    CRect rcWindow;
    MenuBar()->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow, CRect(x, y, x + cx, y + cy));
    long nCount = 0;
    EXPECT_EQ(E_NOTIMPL, pAccessible->get_accChildCount(&nCount));
    IDispatch* pParent = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(S_OK, pAccessible->get_accParent(&pParent));
    EXPECT_EQ(nullptr, pParent);
    // An id past the controls is refused.
    EXPECT_EQ(E_INVALIDARG, pAccessible->get_accName(Child(MenuBar()->GetControlCount() + 1), &bstrName));
}

TEST_F(AccessibilityTest, AnObjectOutlivingItsBarFailsInsteadOfReadingIt)
{
    ASSERT_EQ(S_OK, Connect());
    frame->m_pCommandBars->Remove(MenuBar());
    BSTR bstrName = NULL;
    EXPECT_EQ(E_FAIL, pAccessible->get_accName(Child(1), &bstrName));
}

TEST_F(AccessibilityTest, WithoutTheLibraryTheBarAnswersNothing)
{
    XTPWithholdOptionalLibrary("oleacc.dll", TRUE);
    XTPAccessibility::Unbind();
    EXPECT_EQ(0, MenuBar()->SendMessage(WM_GETOBJECT, 0, (LPARAM)OBJID_CLIENT));
}

TEST_F(AccessibilityTest, OtherObjectsOfTheWindowAreLeftToTheSystem)
{
    EXPECT_EQ(0, MenuBar()->SendMessage(WM_GETOBJECT, 0, (LPARAM)OBJID_WINDOW));
    EXPECT_NE(0, MenuBar()->SendMessage(WM_GETOBJECT, 0, (LPARAM)OBJID_MENU));
}

// The focus events the bars raise, as a client in the process hears them.
std::vector<LONG> g_focusedChildren;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND, LONG idObject, LONG idChild, DWORD, DWORD)
{
    if (idObject == OBJID_MENU)
        g_focusedChildren.push_back(idChild);
}

TEST_F(AccessibilityTest, TheKeyboardsSelectionRaisesTheFocusEventUnlessTheEntryIsMissing)
{
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, NULL, OnWinEvent,
                                            ::GetCurrentProcessId(), ::GetCurrentThreadId(),
                                            WINEVENT_OUTOFCONTEXT);
    ASSERT_NE((HWINEVENTHOOK)NULL, hHook);
    g_focusedChildren.clear();
    MenuBar()->SetSelected(2, TRUE);
    MenuBar()->SetSelected(0, FALSE); // the mouse raises none
    PumpPending();
    EXPECT_EQ(std::vector<LONG>{3}, g_focusedChildren);

    g_focusedChildren.clear();
    XTPWithholdOptionalProc("NotifyWinEvent", TRUE);
    XTPAccessibility::Unbind();
    MenuBar()->SetSelected(1, TRUE);
    PumpPending();
    EXPECT_TRUE(g_focusedChildren.empty());
    ::UnhookWinEvent(hHook);
}

class ContextHelpTest : public CommandBarsTest
{
protected:
    void TearDown() override
    {
        frame->m_bHelpMode = FALSE;
        CommandBarsTest::TearDown();
    }
    // A screen point inside the menu bar's control.
    CPoint ScreenPointOf(int nIndex)
    {
        CPoint pt = MenuBar()->GetControl(nIndex)->GetRect().CenterPoint();
        MenuBar()->ClientToScreen(&pt);
        return pt;
    }
    LRESULT HitTest(int nIndex)
    {
        CPoint pt = ScreenPointOf(nIndex);
        return MenuBar()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }
};

TEST_F(ContextHelpTest, InHelpModeASubmenuIsAMenuPartAndACommandTheClientArea)
{
    const int kFile = 0, kHelp = 3;
    ASSERT_TRUE(IsPopupControlType(MenuBar()->GetControl(kFile)->GetType()));
    ASSERT_EQ(ID_TEST_HELP, MenuBar()->GetControl(kHelp)->GetID());
    EXPECT_EQ(HTCLIENT, HitTest(kFile)) << "outside help mode the system answers";

    frame->m_bHelpMode = TRUE;
    EXPECT_EQ(HTMENU, HitTest(kFile));
    EXPECT_EQ(HTCLIENT, HitTest(kHelp));
}

TEST_F(ContextHelpTest, InHelpModeANonClientPressActsOnTheControl)
{
    CPoint pt = ScreenPointOf(0);
    MenuBar()->SendMessage(WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(-1, MenuBar()->GetPopupedIndex());

    frame->m_bHelpMode = TRUE;
    MenuBar()->SendMessage(WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(0, MenuBar()->GetPopupedIndex());
}

} // namespace
