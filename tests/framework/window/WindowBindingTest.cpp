// The handle map (permanent and temporary objects), subclassing of windows
// that exist already, and Default() reaching the original procedure.
#include "TestWindows.h"
#include <gtest/gtest.h>

namespace {

class HandleMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = CreateRawWindow("STATIC", WS_OVERLAPPED, NULL);
        ASSERT_NE(m_hWnd, (HWND)NULL);
    }
    void TearDown() override { ::DestroyWindow(m_hWnd); }

    HWND m_hWnd = NULL;
};

TEST_F(HandleMapTest, UnboundHandleGetsOneTemporaryObjectUntilIdle)
{
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), (CWnd*)NULL);
    CWnd* pTemporary = CWnd::FromHandle(m_hWnd);
    EXPECT_EQ(pTemporary->m_hWnd, m_hWnd);
    EXPECT_EQ(CWnd::FromHandle(m_hWnd), pTemporary);
    pTemporary->m_nModalResult = 0x4321; // a mark a fresh object would not carry

    RunIdle();
    CWnd* pFresh = CWnd::FromHandle(m_hWnd);
    EXPECT_EQ(pFresh->m_nModalResult, 0);
    EXPECT_TRUE(::IsWindow(m_hWnd)); // deleting the temporary left the window alone
    EXPECT_EQ(CWnd::FromHandle(NULL), (CWnd*)NULL);
}

// ---------------------------------------------------------------------------
// Subclassing.

class CCountingEdit : public CWnd
{
public:
    int m_nChars = 0;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        CWnd::OnChar(nChar, nRepCnt, nFlags); // the edit's own procedure inserts it
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CWnd)
ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(Subclassing, SubclassedEditKeepsItsBehaviourAndIsUnboundWhenDestroyed)
{
    CLogWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    HWND hEdit = CreateRawWindow("EDIT", WS_CHILD | WS_VISIBLE, parent.m_hWnd, 12);
    WNDPROC original = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);

    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(12, &parent));
    edit.SendMessage(WM_CHAR, 'a', 1);
    edit.SendMessage(WM_CHAR, 'b', 1);
    EXPECT_EQ(CWnd::FromHandle(hEdit), &edit);
    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), (CWnd*)NULL);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), original);
    ::SendMessageA(hEdit, WM_CHAR, 'c', 1);
    char buffer[8] = "";
    ::GetWindowTextA(hEdit, buffer, sizeof buffer);
    EXPECT_EQ(CString(buffer) + (char)('0' + edit.m_nChars), "abc2");

    // A subclassed window destroyed unbinds its object; a handle takes one object only.
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_FALSE(CCountingEdit().SubclassWindow(hEdit));
    ::DestroyWindow(hEdit);
    EXPECT_EQ(edit.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), (CWnd*)NULL);
}

} // namespace
