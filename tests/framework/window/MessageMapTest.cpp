// Message maps: creation attaches the object before WM_NCCREATE (system
// classes are bound too, as the reflection and tool-tip tests show), maps chain
// to their base classes (templates too), every kind of entry dispatches with
// the right arguments, and handlers in multiply-derived classes see their
// own object.
#include "TestWindows.h"
#include <gtest/gtest.h>

namespace {

class CCreationWnd : public CLogWnd
{
protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_log.Add(m_hWnd != NULL ? "nccreate" : "nccreate unbound");
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        m_log.Add("create");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreationWnd, CLogWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
END_MESSAGE_MAP()

class CFailingCreationWnd : public CLogWnd
{
public:
    bool m_bPostNcDestroyCalled = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    void PostNcDestroy() override { m_bPostNcDestroyCalled = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingCreationWnd, CLogWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(CreationHook, ObjectIsAttachedBeforeTheFirstMessageAndUnboundWhenDestroyed)
{
    CCreationWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    EXPECT_EQ(JoinedLog(wnd.m_log), "nccreate;create;");
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
}

// A failed creation unbinds the object and still ends it.
TEST(CreationHook, FailedCreationUnbindsTheObjectAndStillEndsIt)
{
    CFailingCreationWnd failing;
    EXPECT_FALSE(failing.CreateTopLevel());
    EXPECT_EQ(failing.m_hWnd, (HWND)NULL);
    EXPECT_TRUE(failing.m_bPostNcDestroyCalled);
}

// ---------------------------------------------------------------------------
// Chaining.

class CBaseWnd : public CLogWnd
{
protected:
    afx_msg void OnSize(UINT, int cx, int cy) { Log("base size %d %d", cx, cy); }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM)
    {
        m_log.Add("base app");
        return (LRESULT)wParam + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CLogWnd)
ON_WM_SIZE()
ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM)
    {
        m_log.Add("derived app");
        return (LRESULT)wParam * 10;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

template <class TBase>
class CTemplateWnd : public TBase
{
protected:
    afx_msg LRESULT OnAppPlusOne(WPARAM, LPARAM)
    {
        this->m_log.Add("template");
        return 99;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CTemplateWnd, TBase, TBase)
ON_MESSAGE(WM_APP + 1, OnAppPlusOne)
END_MESSAGE_MAP()

// A template's map chains to its parameter, a derived map's entry wins over
// its base's, and the base's other entries are still reached.
TEST(MessageMapChain, EntriesAreSearchedFromTheMostDerivedMapDown)
{
    CTemplateWnd<CDerivedWnd> wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.m_log.RemoveAll();
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1), 99);
    EXPECT_EQ(wnd.SendMessage(WM_APP, 4), 40);
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    EXPECT_EQ(JoinedLog(wnd.m_log), "template;derived app;base size 120 80;");
}

// ---------------------------------------------------------------------------
// Entry kinds.

const UINT registeredMessage = ::RegisterWindowMessageA("TidewatchWindowTestMessage");

// Each handler logs the arguments it was given.
class CEntryKindsWnd : public CLogWnd
{
protected:
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam + lParam); }
    afx_msg void OnRange(UINT nID) { Log("range %d", nID); }
    afx_msg BOOL OnCommandEx(UINT nID)
    {
        Log("ex %d", nID);
        return nID == 300; // 301 goes on to the next entry
    }
    afx_msg void OnFallback() { m_log.Add("fallback"); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { Log("timer %d", (int)nIDEvent); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Log("click %d %d %d", point.x, point.y, nFlags); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return pDC != NULL && pDC->m_hDC != NULL ? 5 : 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEntryKindsWnd, CLogWnd)
ON_REGISTERED_MESSAGE(registeredMessage, OnRegistered)
ON_COMMAND_RANGE(200, 205, OnRange)
ON_COMMAND_EX(300, OnCommandEx)
ON_COMMAND_EX(301, OnCommandEx)
ON_COMMAND(301, OnFallback)
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(MessageMapEntries, EachKindUnpacksItsArguments)
{
    CEntryKindsWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.m_log.RemoveAll();
    EXPECT_EQ(wnd.SendMessage(registeredMessage, 5, 6), 11);
    HDC hDC = ::GetDC(wnd.m_hWnd);
    EXPECT_EQ(wnd.SendMessage(WM_ERASEBKGND, (WPARAM)hDC), 5);
    ::ReleaseDC(wnd.m_hWnd, hDC);
    wnd.SendMessage(WM_COMMAND, 203);
    wnd.SendMessage(WM_COMMAND, 206);
    wnd.SendMessage(WM_TIMER, 42);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 17));
    // An _EX command handler answering FALSE lets the search go on.
    wnd.SendMessage(WM_COMMAND, 300);
    wnd.SendMessage(WM_COMMAND, 301);
    EXPECT_EQ(JoinedLog(wnd.m_log), "range 203;timer 42;click -3 17 5;ex 300;ex 301;fallback;");
}

// Notification and update ranges, and control notifications from real
// combo and list boxes.
class CNotifyRangeWnd : public CLogWnd
{
public:
    BOOL m_bExTakes = FALSE;

protected:
    afx_msg void OnRangeNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        Log("range %u %d", nID, (int)pNMHDR->code);
        *pResult = 11;
    }
    afx_msg BOOL OnExRangeNotify(UINT nID, NMHDR*, LRESULT*)
    {
        Log("ex %u", nID);
        return m_bExTakes;
    }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID % 2 == 0); }
    afx_msg void OnComboChange() { m_log.Add("combo"); }
    afx_msg void OnListChange() { m_log.Add("list"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyRangeWnd, CLogWnd)
ON_NOTIFY_EX_RANGE(NM_RCLICK, 10, 19, OnExRangeNotify)
ON_NOTIFY_RANGE(NM_RCLICK, 15, 25, OnRangeNotify)
ON_UPDATE_COMMAND_UI_RANGE(400, 409, OnUpdateRange)
ON_CBN_SELCHANGE(60, OnComboChange)
ON_LBN_SELCHANGE(61, OnListChange)
END_MESSAGE_MAP()

TEST(MessageMapEntries, NotificationRangesPassTheIdAndExMayPassOn)
{
    CNotifyRangeWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    NMHDR header = {NULL, 17, (UINT)NM_RCLICK};
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 17, (LPARAM)&header), 11);
    header.idFrom = 12; // only the _EX range, which passes it on: nobody handles it
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 12, (LPARAM)&header), 0);
    wnd.m_bExTakes = TRUE;
    header.idFrom = 18;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 18, (LPARAM)&header), 0);
    EXPECT_EQ(JoinedLog(wnd.m_log), "ex 17;range 17 -5;ex 12;ex 18;");
}

// What combo and list boxes send when the user changes the selection (a double click is no change).
TEST(MessageMapEntries, SelectionChangesOfComboAndListBoxesReachTheirHandlers)
{
    CNotifyRangeWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    HWND hCombo = CreateRawWindow("COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, wnd.m_hWnd, 60);
    HWND hList = CreateRawWindow("LISTBOX", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, wnd.m_hWnd, 61);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(60, CBN_SELCHANGE), (LPARAM)hCombo);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(61, LBN_SELCHANGE), (LPARAM)hList);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(61, LBN_DBLCLK), (LPARAM)hList);
    EXPECT_EQ(JoinedLog(wnd.m_log), "combo;list;");
}

TEST(MessageMapEntries, UpdateRangeSeesTheIdOfEachCommand)
{
    CNotifyRangeWnd wnd;
    CTestCmdUI even, odd;
    even.m_nID = 404;
    odd.m_nID = 405;
    EXPECT_TRUE(wnd.OnCmdMsg(404, CN_UPDATE_COMMAND_UI, &even, NULL));
    EXPECT_TRUE(wnd.OnCmdMsg(405, CN_UPDATE_COMMAND_UI, &odd, NULL));
    EXPECT_EQ(CPoint(TRUE, FALSE), CPoint(even.m_bEnabled, odd.m_bEnabled));
}

// Asked for handler information, the map reports the handler without calling it.
TEST(MessageMapEntries, HandlerInfoQueryReportsTheHandlerWithoutCallingIt)
{
    CEntryKindsWnd commands;
    AFX_CMDHANDLERINFO info = {NULL, NULL};
    EXPECT_TRUE(commands.OnCmdMsg(204, CN_COMMAND, NULL, &info));
    EXPECT_EQ(info.pTarget, &commands);
    EXPECT_EQ(commands.m_log.GetSize(), 0);
    EXPECT_FALSE(commands.OnCmdMsg(999, CN_COMMAND, NULL, &info));
}

// A handler of a class whose window base is not its first base still gets
// its own object.
struct CPayload
{
    int m_payload = 7;
};

class CSecondBaseWnd : public CPayload, public CLogWnd
{
protected:
    afx_msg void OnSize(UINT, int cx, int) { Log("size %d, payload %d", cx, m_payload); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSecondBaseWnd, CLogWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

TEST(MessageMapEntries, HandlerInSecondBaseClassLayoutSeesItsObject)
{
    CSecondBaseWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.m_log.RemoveAll();
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(77, 5));
    EXPECT_EQ(JoinedLog(wnd.m_log), "size 77, payload 7;");
}

} // namespace
