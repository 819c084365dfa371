// Notifications reflected to the controls that sent them: WM_NOTIFY,
// WM_COMMAND, WM_CTLCOLORxxx and WM_DRAWITEM; with the _EX forms a FALSE
// answer lets the parent see the notification too.
#include "TestWindows.h"
#include <gtest/gtest.h>

namespace {

const UINT idChild = 31;

class CParentWnd : public CLogWnd
{
protected:
    afx_msg void OnChildClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.Add(pNMHDR->idFrom == idChild ? "parent notify" : "parent notify, wrong id");
        *pResult = 7;
    }
    afx_msg void OnChildClicked() { m_log.Add("parent command"); }
    // The base handler asks the child first, then the default procedure.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        m_log.Add("parent color");
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CLogWnd)
ON_NOTIFY(NM_CLICK, idChild, OnChildClick)
ON_BN_CLICKED(idChild, OnChildClicked)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// The child logs into its parent's log, so the order shows.
class CReflectingChild : public CWnd
{
public:
    BOOL m_bLetParentSee = FALSE;
    HBRUSH m_hBrush = NULL;
    BOOL m_bDrawn = FALSE;

protected:
    // Adds the entry to the parent's log and gives back the answer.
    BOOL Log(const char* entry, BOOL bAnswer = TRUE)
    {
        ((CLogWnd*)GetParent())->m_log.Add(entry);
        return bAnswer;
    }
    afx_msg void OnClick(NMHDR*, LRESULT* pResult) { *pResult = Log("child notify", 3); }
    afx_msg BOOL OnClickEx(NMHDR*, LRESULT*) { return Log("child notify ex", !m_bLetParentSee); }
    afx_msg void OnClicked() { Log("child command"); }
    afx_msg BOOL OnClickedEx() { return Log("child command ex", !m_bLetParentSee); }
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return m_hBrush; }
    afx_msg void DrawItem(LPDRAWITEMSTRUCT) { m_bDrawn = TRUE; }
};

class CPlainReflectingChild : public CReflectingChild
{
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlainReflectingChild, CReflectingChild)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

class CExReflectingChild : public CReflectingChild
{
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExReflectingChild, CReflectingChild)
ON_NOTIFY_REFLECT_EX(NM_CLICK, OnClickEx)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedEx)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.CreateTopLevel()); }

    void CreateChild(CWnd& child)
    {
        ASSERT_TRUE(child.Create("BUTTON", "child", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 20),
                                 &m_parent, idChild));
        m_parent.m_log.RemoveAll();
    }

    CParentWnd m_parent;
};

// A notification (WM_NOTIFY) or a button click (WM_COMMAND) from a child
// whose map reflects it plainly or in the _EX form, the _EX handler
// answering that the parent may see it too or not.
TEST_F(ReflectionTest, ReflectedNotificationsReachTheParentOnlyWhenAnExHandlerLetsThem)
{
    const struct
    {
        bool bEx, bLetParentSee, bClick;
        const char* log;
        LRESULT result;
    } cases[] = {
        {false, false, false, "child notify;", 3},
        {true, true, false, "child notify ex;parent notify;", 7},
        {true, false, false, "child notify ex;", 0},
        {false, false, true, "child command;", 0},
        {true, true, true, "child command ex;parent command;", 0},
        {true, false, true, "child command ex;", 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.log);
        CPlainReflectingChild plain;
        CExReflectingChild ex;
        CReflectingChild& child = c.bEx ? (CReflectingChild&)ex : plain;
        CreateChild(child);
        child.m_bLetParentSee = c.bLetParentSee;
        NMHDR header = {child.m_hWnd, idChild, (UINT)NM_CLICK};
        LRESULT result = c.bClick ? child.SendMessage(BM_CLICK)
                                  : m_parent.SendMessage(WM_NOTIFY, idChild, (LPARAM)&header);
        EXPECT_EQ(JoinedLog(m_parent.m_log), c.log);
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(ReflectionTest, ColorRequestsGoToTheChildFirst)
{
    CPlainReflectingChild child;
    CreateChild(child);
    HDC hDC = ::GetDC(child.m_hWnd);
    child.m_hBrush = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    EXPECT_EQ(m_parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)child.m_hWnd),
              (LRESULT)child.m_hBrush);
    EXPECT_EQ(JoinedLog(m_parent.m_log), "parent color;");
    // A child answering NULL leaves the colour to the default procedure.
    child.m_hBrush = NULL;
    LRESULT hDefault = m_parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)child.m_hWnd);
    EXPECT_NE(hDefault, (LRESULT)::GetStockObject(BLACK_BRUSH));
    EXPECT_NE(hDefault, 0);
    ::ReleaseDC(child.m_hWnd, hDC);
}

// Owner drawing is reflected without a parent handler.
TEST_F(ReflectionTest, OwnerDrawingIsReflectedToTheChild)
{
    CPlainReflectingChild child;
    CreateChild(child);
    DRAWITEMSTRUCT item = {ODT_BUTTON, idChild, 0, 0, 0, child.m_hWnd, NULL, {0, 0, 0, 0}, 0};
    m_parent.SendMessage(WM_DRAWITEM, idChild, (LPARAM)&item);
    EXPECT_TRUE(child.m_bDrawn);
}

// Unbound controls notify only the parent.
TEST_F(ReflectionTest, UnboundControlsNotifyOnlyTheParent)
{
    HWND hButton = CreateRawWindow("BUTTON", WS_CHILD | WS_VISIBLE, m_parent.m_hWnd, idChild);
    m_parent.m_log.RemoveAll();
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(JoinedLog(m_parent.m_log), "parent command;");
}

} // namespace
