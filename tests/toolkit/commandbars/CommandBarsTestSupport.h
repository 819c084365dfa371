#pragma once
// What the command-bar tests share, with the headers most of them use: a
// paint manager of fixed sizes (so that layouts are checked as arithmetic,
// not font metrics), a frame window wired to a CXTPCommandBars the way a
// program's main frame is, with command handlers that log what reaches them,
// and a fixture that builds its bars.
//
//     class MenuTest : public CommandBarsTest {};  // menu bar and toolbar built
//     TEST_F(MenuTest, Opens) { Key(VK_DOWN); EXPECT_TRUE(Logged("init popup File")); }
#include "CommandBarsTestIds.h"
#include "tests/support/TestWindow.h"

#include "framework/Controls.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Rectangles print as (left, top, right, bottom) in failures.
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// Every toolbar control measures 23 x 22, a menu-bar caption 10 pixels plus
// 6 per character (mnemonic markers dropped) by 22; the gripper takes 6
// pixels at the bar's start (a dialog bar's caption row is 22 high), a
// floating bar's caption is 15 high; a popup's tear-off strip is 8 high;
// borders are 2 on every side. Nothing is drawn but the bar's white
// background.
class CFixedSizePaintManager : public CXTPPaintManager
{
public:
    static const int kButton = 23;
    static const int kHeight = 22;
    static const int kGripper = 6;
    static const int kTearOffStrip = 8;
    static const int kCaption = 15;

    static int CaptionWidth(const CString& strCaption);

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawControlState(CDC*, CRect, BOOL, int, int, BOOL, BOOL, XTPBarPosition) override {}
    void DrawRectangle(CDC*, CRect, int, int, BOOL, BOOL, BOOL, BOOL, XTPBarPosition) override {}
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC*, CXTPCommandBar*, CXTPControl*, BOOL = TRUE) override
    {
        return CSize(6, 0);
    }
    void AdjustExcludeRect(CRect&, CXTPControl*, BOOL) override {}
    CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(0, kTearOffStrip); }
    void DrawImage(CDC*, CPoint, CSize, CXTPImageManagerIcon*, int, int, BOOL, BOOL, BOOL, BOOL) override {}
    // A dialog bar's caption row: the gripper's width, a control's height.
    CSize DrawControlGripper(CDC*, CXTPCommandBar*, BOOL = TRUE) override { return CSize(kGripper, kHeight); }
    int GetBaseTheme() override { return 0; }
};

// A frame with a client pane, a command-bars manager and a log of the
// commands, executions and creation requests that reach it.
class CCommandBarsFrame : public CTestFrame
{
public:
    CCommandBarsFrame();
    ~CCommandBarsFrame() override;

    // The manager with the fixed-size paint manager, docking, the menu bar
    // from IDR_TEST_MENU and a toolbar from IDR_TEST_TOOLBAR.
    void BuildBars();
    CXTPToolBar* GetToolBar() const { return m_pCommandBars->GetToolBar(IDR_TEST_TOOLBAR); }
    // The client pane's rectangle in the frame's client coordinates.
    CRect GetPaneRect() const { return RectInParent(const_cast<CWnd*>(&m_wndPane)); }
    // Resizes the frame's client area and lays it out.
    void SetClientWidth(int cx);

    CXTPCommandBars* m_pCommandBars;
    CWnd m_wndPane;
    std::vector<std::string> m_log;
    // The answer to WM_XTP_CONTROL_EXECUTE and the last notification it carried.
    LRESULT m_nExecuteAnswer;
    ControlExecuteNotify m_lastExecute;
    // Update handler state.
    BOOL m_bCopyEnabled;
    BOOL m_bBoldChecked;
    CString m_strOpenText;
    // WM_XTP_CREATE_CONTROL for this id is answered with a popup control.
    int m_nReplaceId;
    // Runs inside the ID_TEST_NEW command.
    std::function<void()> m_onNew;
    // How often the update handlers ran.
    int m_nUpdates;
    // The popup bar of the last WM_XTP_INITPOPUP.
    CXTPCommandBar* m_pLastPopup;
    // The captions WM_XTP_CREATECOMMANDBAR asked with, and the caption the
    // frame answers with (none while empty); it makes no bar.
    std::vector<std::string> m_barRequests;
    CString m_strBarCaptionAnswer;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Any size: the layout tests narrow the frame below the system's minimum.
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* pInfo) { pInfo->ptMinTrackSize = CPoint(1, 1); }
    // Logs "command new" and the like.
    afx_msg void OnTestCommand(UINT nID);
    // Open takes m_strOpenText, Copy m_bCopyEnabled, Bold m_bBoldChecked.
    afx_msg void OnUpdateTestCommand(CCmdUI* pCmdUI);
    afx_msg LRESULT OnControlExecute(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCreateControl(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCreateCommandBar(WPARAM wParam, LPARAM lParam);
    // Log "init popup <title>" and "closed popup <title>".
    afx_msg LRESULT OnInitPopup(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUninitPopup(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A tab client whose groups are plain values the test sets; it counts how
// often it is asked to rebuild its tabs (a nested request while one runs is
// made, and must be ignored).
class CTestTabClient : public CXTPTabClientInterface
{
public:
    int m_nGroups = 0;
    int m_nActiveGroup = -1;
    int m_nActiveGroupItems = 0;
    BOOL m_bHorizontal = FALSE;
    int m_nUpdates = 0;
    BOOL m_bLastRecalc = FALSE;

protected:
    void OnUpdateContents(BOOL bRecalc) override
    {
        m_nUpdates++;
        m_bLastRecalc = bRecalc;
        UpdateContents(FALSE);
    }
    int GetGroupCount() const override { return m_nGroups; }
    int GetActiveGroupIndex() const override { return m_nActiveGroup; }
    void* GetGroup(int nIndex) const override { return (void*)(INT_PTR)(nIndex + 1); }
    int GetGroupItemCount(int) const override { return m_nActiveGroupItems; }
    BOOL IsHorizontalGroups() const override { return m_bHorizontal; }
};

// Puts the virtual key nKey down or up in the thread's keyboard state, where
// the bars and the accelerators read modifiers and buttons (posted and sent
// messages leave it alone).
inline void SetKeyDown(int nKey, BOOL bDown)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[nKey] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// A control of class TBase that sets *pDestroyed when it is destroyed.
template <class TBase>
class CWatched : public TBase
{
public:
    explicit CWatched(BOOL* pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~CWatched() override { *m_pDestroyed = TRUE; }

private:
    BOOL* m_pDestroyed;
};

// A child window that counts its paints. Posted into the queue of a modal
// loop, kInvalidate makes it invalidate itself and kPing notes how often it
// had painted by then: whether the loop paints waiting windows while it runs
// (posted mouse input comes before WM_PAINT in the queue).
class CPaintCounter : public CWnd
{
public:
    static const UINT kInvalidate = WM_APP + 40;
    static const UINT kPing = WM_APP + 41;

    // A 20 x 20 child of pParent at the point of its client area, painted.
    BOOL Create(CWnd* pParent, CPoint pt);

    int m_nPaints = 0;
    int m_nPaintsAtPing = -1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A test with a 400 x 300 CCommandBarsFrame whose bars are built and whose
// log is empty; a menu still tracking at the end is closed.
class CommandBarsTest : public FrameTest<CCommandBarsFrame, 400, 300>
{
protected:
    void Prepare() override;
    void TearDown() override;
    CXTPMenuBar* MenuBar() const { return frame->m_pCommandBars->GetMenuBar(); }
    CXTPControl* Button(int nID) const { return frame->GetToolBar()->GetControls()->FindControlById(nID); }
    // A press on a toolbar control with the release, dx pixels to the right,
    // already queued, so that the button's own tracking loop finds it.
    void Click(CXTPControl* pControl, int dx = 0);
    // A key press as the keyboard hook hands it over (hooks see only real
    // input): TRUE when a bar ate it.
    static BOOL Key(UINT nKey) { return XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, nKey, 0); }
    BOOL Logged(const char* pszEntry) const
    {
        return std::find(frame->m_log.begin(), frame->m_log.end(), pszEntry) != frame->m_log.end();
    }
};

// A CommandBarsTest with a popup bar of the frame's manager holding New and
// Open (not open yet); it is closed and released after each case.
class PopupBarTest : public CommandBarsTest
{
protected:
    void Prepare() override;
    void TearDown() override;
    CXTPPopupBar* m_pPopup;
};

// An application whose profile lives in a registry key of its own
// ("Software\<company>"), deleted when the object goes.
struct CRegistryTestApp : CWinApp
{
    explicit CRegistryTestApp(LPCTSTR lpszCompany);
    ~CRegistryTestApp() override;

    CString m_strCompany;
};

// A visible MDI frame (it deletes itself when destroyed) with a manager of
// its own: the fixed-size paint manager and docking; the caller releases it.
CXTPCommandBars* CreateMdiFrameWithBars(CMDIFrameWnd*& pFrame);

// A bar's settings written through an archive exchange into file, which is
// then rewound for reading; and read back into another bar (an archive error
// goes to the caller).
void StoreBarExchange(CXTPCommandBar* pBar, CMemFile& file);
void LoadBarExchange(CXTPCommandBar* pBar, CMemFile& file);
