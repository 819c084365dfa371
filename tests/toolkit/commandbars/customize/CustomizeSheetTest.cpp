// The customize sheet run modally over a frame: one sheet at a time, its one
// "Close" button, Alt and a page's mnemonic, where it opens and that it stays
// there, customize mode for the length of the run, and the input guard that
// keeps the frame's input from everything but this manager's bars (checked
// through its filters and with real input through its hooks).
#include "CustomizeTestSupport.h"

#include "tests/support/HangWatch.h"
#include "tests/support/WindowStacking.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/customize/XTPCustomizeHookGuard.h"
#include "toolkit/commandbars/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"

#include <functional>

namespace {

const UINT WM_RUN_STEP = WM_APP + 40;

// The sheet with test steps: each runs inside the sheet's modal loop, after
// the messages queued before it.
class CTestSheet : public CXTPCustomizeSheet
{
public:
    explicit CTestSheet(CXTPCommandBars* pCommandBars) : CXTPCustomizeSheet(pCommandBars) {}

    std::vector<std::function<void(CTestSheet&)>> m_steps;
    int m_nStepsRun = 0;

    BOOL OnInitDialog() override
    {
        BOOL bResult = CXTPCustomizeSheet::OnInitDialog();
        PostMessage(WM_RUN_STEP);
        return bResult;
    }
    // Ends the run as the Close button does.
    void Close() { PostMessage(WM_COMMAND, IDCANCEL, 0); }

protected:
    afx_msg LRESULT OnRunStep(WPARAM, LPARAM)
    {
        if (m_nStepsRun < (int)m_steps.size())
        {
            m_steps[m_nStepsRun++](*this);
            PostMessage(WM_RUN_STEP);
        }
        else
        {
            Close();
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestSheet, CXTPCustomizeSheet)
ON_MESSAGE(WM_RUN_STEP, OnRunStep)
END_MESSAGE_MAP()

// A window in the frame's client area that counts the clicks it gets.
class CClickCounter : public CWnd
{
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { m_nClicks++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickCounter, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

std::string WindowText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return (LPCTSTR)strText;
}

std::string TabText(CTabCtrl* pTabs, int nItem)
{
    char szText[64] = "";
    TCITEMA item;
    ZeroMemory(&item, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    pTabs->GetItem(nItem, &item);
    return szText;
}

class CustomizeSheetTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        view.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, frame->GetPaneRect(), frame, 0x300);
        view.BringWindowToTop();
        sheet.reset(new CTestSheet(Bars()));
    }
    void TearDown() override
    {
        sheet.reset();
        view.DestroyWindow();
        CustomizeTest::TearDown();
    }
    MOUSEHOOKSTRUCT ClickOn(CWnd* pWnd, UINT nHitTest = HTCLIENT)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        MOUSEHOOKSTRUCT info = {rc.CenterPoint(), pWnd->m_hWnd, nHitTest, 0};
        return info;
    }
    BOOL MousePasses(CWnd* pWnd, UINT nMessage = WM_LBUTTONDOWN)
    {
        MOUSEHOOKSTRUCT info = ClickOn(pWnd);
        return sheet->FilterMouseMessage(nMessage, &info);
    }

    CClickCounter view;
    std::unique_ptr<CTestSheet> sheet;
};

TEST_F(CustomizeSheetTest, OnlyOneSheetRunsAtATime)
{
    CXTPCustomizeHookGuard running(NULL);
    EXPECT_EQ(IDCANCEL, sheet->DoModal());
    EXPECT_EQ(0, sheet->m_nStepsRun);
    EXPECT_FALSE(Bars()->IsCustomizeMode());
}

TEST_F(CustomizeSheetTest, TheSheetHasOneCloseButtonAndItsPagesInOrder)
{
    CXTPCustomizeOptionsPage pageOptions(sheet.get());
    sheet->AddPage(&pageOptions);
    sheet->m_steps.push_back([](CTestSheet& s) {
        EXPECT_EQ("Customize", WindowText(&s));
        EXPECT_FALSE(s.GetDlgItem(IDOK)->IsWindowVisible());
        EXPECT_EQ("Close", WindowText(s.GetDlgItem(IDCANCEL)));
        CWnd* pApply = s.GetDlgItem(0x3021);
        EXPECT_TRUE(pApply == NULL || !pApply->IsWindowVisible()) << "no Apply";
        CTabCtrl* pTabs = s.GetTabControl();
        ASSERT_EQ(3, pTabs->GetItemCount());
        EXPECT_EQ("Tool&bars", TabText(pTabs, 0));
        EXPECT_EQ("&Commands", TabText(pTabs, 1));
        EXPECT_EQ("&Options", TabText(pTabs, 2));
    });
    EXPECT_EQ(IDCANCEL, sheet->DoModal());
    EXPECT_EQ(1, sheet->m_nStepsRun);
}

TEST_F(CustomizeSheetTest, TheBarsAreInCustomizeModeWhileTheSheetRunsAndNotAfter)
{
    // The frame is the application's main window, as in a program.
    CWinApp app("customize sheet test");
    app.m_pMainWnd = frame;
    sheet->m_steps.push_back([this](CTestSheet& s) {
        EXPECT_TRUE(Bars()->IsCustomizeMode());
        EXPECT_EQ((CXTPCustomizeSheetLink*)&s, Bars()->GetDropSource()->GetSheet());
        EXPECT_TRUE(CXTPCustomizeHookGuard::IsActive());
        EXPECT_TRUE(frame->IsWindowEnabled()) << "the frame's bars stay live";
        frame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(frame->m_hWnd)) << "closing the frame is refused";
    });
    sheet->DoModal();
    EXPECT_FALSE(Bars()->IsCustomizeMode());
    EXPECT_EQ(NULL, Bars()->GetDropSource()->GetSheet());
    EXPECT_FALSE(CXTPCustomizeHookGuard::IsActive());
    EXPECT_EQ(NULL, sheet->m_hWnd);
    app.m_pMainWnd = NULL;
}

TEST_F(CustomizeSheetTest, AClickInTheSheetLeavesAMenuOpenedForCustomizingOpen)
{
    CXTPControlPopup* pFile = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(0);
    sheet->m_steps.push_back([this, pFile](CTestSheet& s) {
        // The press starts a drag, which the sheet's capture sees end here.
        PostMouse(WM_LBUTTONUP, ScreenPointOf(pFile), 0, &s);
        pFile->OnClick(FALSE, pFile->GetRect().CenterPoint());
        XTPMouseManager()->SetSwallowNextUp(FALSE);
        CXTPCommandBar* pPopup = pFile->GetCommandBar();
        ASSERT_TRUE(pPopup->GetSafeHwnd() != NULL && pPopup->IsWindowVisible());
        CRect rcSheet, rcPopup;
        s.GetWindowRect(&rcSheet);
        pPopup->GetWindowRect(&rcPopup);
        CPoint ptSheet(rcSheet.right - 3, rcSheet.bottom - 3);
        ASSERT_FALSE(rcPopup.PtInRect(ptSheet));
        XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONDOWN, ptSheet);
        EXPECT_TRUE(pPopup->IsWindowVisible()) << "the sheet is trusted";

        CRect rcView;
        view.GetWindowRect(&rcView);
        CPoint ptView(rcView.right - 3, rcView.bottom - 3);
        ASSERT_FALSE(rcPopup.PtInRect(ptView) || rcSheet.PtInRect(ptView));
        XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONDOWN, ptView);
        EXPECT_FALSE(pPopup->IsWindowVisible()) << "a click elsewhere closes the menu";
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
}

TEST_F(CustomizeSheetTest, AltAndATabsMnemonicSwitchesToThatPage)
{
    CXTPCustomizeOptionsPage pageOptions(sheet.get());
    sheet->AddPage(&pageOptions);
    sheet->m_steps.push_back([](CTestSheet& s) {
        EXPECT_EQ(0, s.GetActiveIndex());
        s.PostMessage(WM_SYSKEYDOWN, 'O', 0x20000000);
    });
    sheet->m_steps.push_back([](CTestSheet& s) {
        EXPECT_EQ(2, s.GetActiveIndex());
        s.PostMessage(WM_SYSKEYDOWN, 'C', 0x20000000);
    });
    sheet->m_steps.push_back([](CTestSheet& s) {
        EXPECT_EQ(1, s.GetActiveIndex());
        s.PostMessage(WM_SYSKEYDOWN, 'B', 0x20000000);
    });
    sheet->m_steps.push_back([](CTestSheet& s) { EXPECT_EQ(0, s.GetActiveIndex()); });
    sheet->DoModal();
    EXPECT_EQ(4, sheet->m_nStepsRun);
}

// ---- Keys on every page ------------------------------------------------------------------------

typedef std::vector<WORD> Chord;

// Every page reached by keys has the focus on a control in sight and answers
// every key: an Alt+letter that names nothing on it does nothing (the focus
// had stayed on a control of the page that went, out of sight, where the
// search for the letter's control never ended and the program hung), one
// that names a check box toggles it, one that names a list's label puts the
// focus on the list; Tab moves the focus to another control in sight, and
// Escape closes the sheet. Keys are real input; a watch ends the test
// process, as a failure, should the sheet stop answering.
TEST_F(CustomizeSheetTest, EveryPageReachedByKeysAnswersEveryKey)
{
    const Chord ctrlTab = {VK_CONTROL, VK_TAB}, ctrlShiftTab = {VK_CONTROL, VK_SHIFT, VK_TAB};
    const Chord altQ = {VK_MENU, 'Q'}, altA = {VK_MENU, 'A'};
    struct Row
    {
        const char* name;
        std::vector<Chord> route; // from the first page, "Toolbars"
        int nPage;
        std::vector<Chord> nameless; // Alt+letters that name nothing on the page
        Chord named;                 // an Alt+letter that names a control of it:
        UINT nNamedID;               // a check box toggles, a list takes the focus
    };
    const Row rows[] = {
        {"Commands by Ctrl+Tab", {ctrlTab}, 1, {altQ, altA}, {VK_MENU, 'D'}, XTP_IDC_LIST_COMMANDS},
        {"Options by Ctrl+Tab twice", {ctrlTab, ctrlTab}, 2, {altQ, altA}, {VK_MENU, 'N'}, XTP_IDC_CHECK_FULL_MENUS},
        {"Toolbars by Ctrl+Tab three times", {ctrlTab, ctrlTab, ctrlTab}, 0, {altQ}, {VK_MENU, 'A'},
         XTP_IDC_LIST_TOOLBARS},
        {"Options by Ctrl+Shift+Tab", {ctrlShiftTab}, 2, {altQ, altA}, {VK_MENU, 'L'}, XTP_IDC_CHECK_LARGEICONS},
        {"Commands by Ctrl+Shift+Tab twice", {ctrlShiftTab, ctrlShiftTab}, 1, {altQ, altA}, {VK_MENU, 'G'},
         XTP_IDC_LIST_CATEGORIES},
        {"Toolbars by Ctrl+Shift+Tab three times", {ctrlShiftTab, ctrlShiftTab, ctrlShiftTab}, 0, {altQ},
         {VK_MENU, 'A'}, XTP_IDC_LIST_TOOLBARS},
        {"Commands by its tab's Alt+C", {{VK_MENU, 'C'}}, 1, {altQ, altA}, {VK_MENU, 'D'}, XTP_IDC_LIST_COMMANDS},
    };
    auto focusInSight = [](CWnd* pWithin) {
        const HWND hFocus = ::GetFocus();
        return ::IsChild(pWithin->m_hWnd, hFocus) && ::IsWindowVisible(hFocus);
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTestSheet runs(Bars());
        CXTPCustomizeOptionsPage pageOptions(&runs);
        runs.AddPage(&pageOptions);
        runs.m_steps.push_back([&](CTestSheet& s) {
            CHangWatch watch(s.m_hWnd, std::string("the customize sheet (") + row.name + ")");
            s.SetForegroundWindow();
            ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == s.m_hWnd; }));
            for (const Chord& chord : row.route)
                ASSERT_TRUE(PressKeysAndWait(chord)) << "the sheet took the keys";
            ASSERT_EQ(row.nPage, s.GetActiveIndex());
            CPropertyPage* pPage = s.GetActivePage();
            EXPECT_TRUE(focusInSight(pPage)) << "the page shown has the focus";

            for (const Chord& chord : row.nameless)
            {
                const HWND hFocus = ::GetFocus();
                EXPECT_TRUE(PressKeysAndWait(chord)) << "the sheet took the keys";
                EXPECT_EQ(row.nPage, s.GetActiveIndex()) << "Alt+" << (char)chord[1];
                EXPECT_EQ(hFocus, ::GetFocus()) << "Alt+" << (char)chord[1];
            }

            CWnd* pNamed = pPage->GetDlgItem(row.nNamedID);
            ASSERT_TRUE(pNamed != NULL);
            const bool bCheckBox = (pNamed->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0;
            const LRESULT nCheck = pNamed->SendMessage(BM_GETCHECK);
            EXPECT_TRUE(PressKeysAndWait(row.named)) << "the sheet took the keys";
            if (bCheckBox)
                EXPECT_NE(nCheck, pNamed->SendMessage(BM_GETCHECK)) << "the check box toggles";
            else
                EXPECT_EQ(pNamed->m_hWnd, ::GetFocus()) << "the list takes the focus";

            const HWND hBeforeTab = ::GetFocus();
            EXPECT_TRUE(PressKeysAndWait({VK_TAB})) << "the sheet took the keys";
            EXPECT_NE(hBeforeTab, ::GetFocus()) << "Tab moves the focus";
            EXPECT_TRUE(focusInSight(&s)) << "Tab shows the focus";

            EXPECT_TRUE(PressKeysAndWait({VK_ESCAPE})) << "the sheet took the keys";
            EXPECT_FALSE(s.ContinueModal()) << "Escape closes the sheet";
        });
        EXPECT_EQ(IDCANCEL, runs.DoModal());
        EXPECT_EQ(1, runs.m_nStepsRun);
    }
}

// ---- Where the sheet stands ----------------------------------------------------------------------

// The sheet opens centred over the frame (whole on the work area where the
// frame stands partly off it or near its edge) and keeps its place while the
// user switches pages with clicks on the tabs.
TEST_F(CustomizeSheetTest, TheSheetOpensCentredOverTheFrameOnTheWorkAreaAndKeepsItsPlace)
{
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    enum Expected
    {
        kCentred,          // its centre on the frame's centre
        kLeftEdge,         // at the work area's left edge, centred across
        kBottomRightCorner // in the work area's bottom right corner
    };
    struct Row
    {
        const char* name;
        CRect rcFrame;
        Expected expected;
    };
    const Row rows[] = {
        {"frame in the middle", CRect(200, 150, 1000, 750), kCentred},
        {"frame partly left of the desktop", CRect(-500, 200, 200, 700), kLeftEdge},
        {"frame near the bottom right corner",
         CRect(rcWork.right - 150, rcWork.bottom - 100, rcWork.right + 450, rcWork.bottom + 400),
         kBottomRightCorner},
    };
    for (const Row& row : rows)
    {
        frame->SetWindowPos(NULL, row.rcFrame.left, row.rcFrame.top, row.rcFrame.Width(),
                            row.rcFrame.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        CXTPCustomizeOptionsPage pageOptions(sheet.get());
        CTestSheet runs(Bars());
        runs.AddPage(&pageOptions);
        CRect rcOpened;
        std::vector<CRect> places; // after each page switch
        runs.m_steps.push_back([&](CTestSheet& s) {
            s.GetWindowRect(&rcOpened);
            for (int nPage : {1, 2, 0})
            {
                CRect rcTab;
                s.GetTabControl()->GetItemRect(nPage, &rcTab);
                s.GetTabControl()->ClientToScreen(&rcTab);
                ClickScreen(rcTab.CenterPoint());
                EXPECT_TRUE(SettleUntil([&] { return s.GetActiveIndex() == nPage; }))
                    << row.name << ", page " << nPage;
                CRect rcNow;
                s.GetWindowRect(&rcNow);
                places.push_back(rcNow);
            }
        });
        runs.DoModal();
        ASSERT_EQ(1, runs.m_nStepsRun) << row.name;

        CRect rcInside;
        rcInside.IntersectRect(rcOpened, rcWork);
        EXPECT_EQ(rcOpened, rcInside) << row.name << ": wholly on the work area";
        const CPoint ptFrame = row.rcFrame.CenterPoint(), ptSheet = rcOpened.CenterPoint();
        switch (row.expected)
        {
        case kCentred:
            EXPECT_LE(abs(ptFrame.x - ptSheet.x), 1) << row.name;
            EXPECT_LE(abs(ptFrame.y - ptSheet.y), 1) << row.name;
            break;
        case kLeftEdge:
            EXPECT_EQ(rcWork.left, rcOpened.left) << row.name;
            EXPECT_LE(abs(ptFrame.y - ptSheet.y), 1) << row.name;
            break;
        case kBottomRightCorner:
            EXPECT_EQ(rcWork.right, rcOpened.right) << row.name;
            EXPECT_EQ(rcWork.bottom, rcOpened.bottom) << row.name;
            break;
        }
        EXPECT_EQ(std::vector<CRect>(3, rcOpened), places) << row.name << ": after the page switches";
    }
}

// ---- The input guard -------------------------------------------------------------------------

TEST_F(CustomizeSheetTest, TheGuardLetsClicksReachOnlyThisManagersBarsInTheFrame)
{
    sheet->m_steps.push_back([this](CTestSheet& s) {
        CTestWindow other(CSize(50, 50));
        struct Row
        {
            const char* name;
            CWnd* pWnd;
            BOOL bPasses;
        };
        const Row rows[] = {
            {"the view", &view, FALSE},
            {"the frame's pane", &frame->m_wndPane, FALSE},
            {"the frame itself", frame, FALSE},
            {"the tool bar", ToolBar(), TRUE},
            {"the menu bar", Bars()->GetMenuBar(), TRUE},
            {"the sheet", &s, TRUE},
            {"a page of the sheet", s.GetActivePage(), TRUE},
            {"a window outside the frame", &other, TRUE},
        };
        for (const Row& row : rows)
            EXPECT_EQ(row.bPasses, MousePasses(row.pWnd)) << row.name;
        EXPECT_TRUE(MousePasses(&view, WM_MOUSEMOVE)) << "moves always pass";
        // The release that ends a customize drag passes wherever it lands.
        s.SetCapture();
        EXPECT_TRUE(MousePasses(&view, WM_LBUTTONUP)) << "while the sheet holds the capture";
        ToolBar()->SetCapture();
        EXPECT_TRUE(MousePasses(&view, WM_LBUTTONUP)) << "while a bar holds the capture";
        view.SetCapture();
        EXPECT_FALSE(MousePasses(&view, WM_LBUTTONUP)) << "another window's capture lets nothing in";
        ::ReleaseCapture();
        // Whatever window is in the foreground.
        frame->SetForegroundWindow();
        EXPECT_FALSE(MousePasses(&view)) << "the frame in the foreground";
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
}

TEST_F(CustomizeSheetTest, ABarOfAnotherManagerInTheFrameGetsNoClick)
{
    CXTPCommandBars* pOther = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    pOther->SetSite(frame);
    CXTPToolBar* pForeign = new CXTPToolBar;
    pForeign->SetCommandBars(pOther);
    ASSERT_TRUE(pForeign->CreateToolBar(WS_CHILD | WS_VISIBLE, frame, 0x301));
    sheet->m_steps.push_back([&](CTestSheet&) { EXPECT_FALSE(MousePasses(pForeign)); });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
    pForeign->InternalRelease();
    pOther->InternalRelease();
}

TEST_F(CustomizeSheetTest, KeysReachTheSheetAndBarFieldsButNotTheView)
{
    CXTPControl* pEdit = ToolBar()->GetControls()->Add(xtpControlEdit, 3200);
    frame->RecalcLayout();
    PumpPending();
    sheet->m_steps.push_back([&](CTestSheet& s) {
        s.GetDlgItem(IDCANCEL)->SetFocus();
        EXPECT_TRUE(s.FilterKeyboardMessage()) << "focus in the sheet";
        view.SetFocus();
        EXPECT_FALSE(s.FilterKeyboardMessage()) << "focus in the view";
        frame->SetForegroundWindow();
        view.SetFocus();
        EXPECT_FALSE(s.FilterKeyboardMessage()) << "focus in the view of the foreground frame";
        CWnd* pField = ToolBar()->GetWindow(GW_CHILD);
        ASSERT_TRUE(pField != NULL) << "the edit field's window";
        pField->SetFocus();
        EXPECT_TRUE(s.FilterKeyboardMessage()) << "focus in a bar's field";
        view.SetFocus();
        view.SetCapture();
        EXPECT_TRUE(s.FilterKeyboardMessage()) << "while a window holds the capture";
        ::ReleaseCapture();
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
    (void)pEdit;
}

TEST_F(CustomizeSheetTest, KeysReachTheNameFieldOfTheContextMenu)
{
    sheet->m_steps.push_back([this](CTestSheet& s) {
        Bars()->SetDragControl(Button(ID_TEST_OPEN));
        CXTPPopupBar* pMenu = s.GetContextMenu();
        ASSERT_TRUE(pMenu != NULL);
        pMenu->SetOwner(&s);
        CPoint pt = ScreenPointOf(Button(ID_TEST_OPEN));
        ASSERT_TRUE(pMenu->Popup(pt.x, pt.y, NULL));
        CXTPControlEdit* pName =
            DYNAMIC_DOWNCAST(CXTPControlEdit, pMenu->GetControls()->FindControlById(XTP_ID_CUSTOMIZE_NAME));
        ASSERT_TRUE(pName != NULL && pName->GetEditWnd() != NULL && pName->GetEditWnd()->m_hWnd != NULL);
        pName->GetEditWnd()->SetFocus();
        ASSERT_EQ(pName->GetEditWnd()->m_hWnd, ::GetFocus());
        EXPECT_TRUE(s.FilterKeyboardMessage()) << "typing a name in the context menu";
        pMenu->SetTrackingMode(xtpTrackingOff);
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
}

TEST_F(CustomizeSheetTest, RealClicksOnTheViewAreHeldBackAndOnAToolBarSelectTheButton)
{
    sheet->m_steps.push_back([&](CTestSheet& s) {
        EXPECT_TRUE(CXTPCustomizeHookGuard::AreHooksInstalled());
        // The sheet moves aside, so both windows can be clicked.
        s.SetWindowPos(NULL, 600, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcView;
        view.GetWindowRect(&rcView);
        ClickScreen(rcView.CenterPoint());
        ClickScreen(ScreenPointOf(Button(ID_TEST_COPY)));
        PumpPending();
        EXPECT_EQ(0, view.m_nClicks);
        EXPECT_EQ(Button(ID_TEST_COPY), Bars()->GetDragControl());
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
    EXPECT_EQ(IdsOf(ToolBar()), std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}));
}

// A click on a bar activates the frame: the sheet, and a dialog it shows,
// stay in sight over it, even where the system brings the clicked window
// to the top above the windows it owns.
TEST_F(CustomizeSheetTest, TheSheetAndItsDialogStayAboveTheFrameWhenABarIsClicked)
{
    sheet->m_steps.push_back([&](CTestSheet& s) {
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        s.SetWindowPos(NULL, rcFrame.CenterPoint().x, rcFrame.CenterPoint().y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(IsInFront(s.m_hWnd, frame->m_hWnd));
        ClickScreen(ScreenPointOf(Button(ID_TEST_COPY)));
        PumpPending();
        EXPECT_EQ(Button(ID_TEST_COPY), Bars()->GetDragControl());
        EXPECT_TRUE(IsInFront(s.m_hWnd, frame->m_hWnd)) << "the sheet went behind the frame";
    });
    sheet->m_steps.push_back([&](CTestSheet& s) {
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        HWND hDialog = ::CreateWindowExA(0, "STATIC", "dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, rcFrame.CenterPoint().x + 10, rcFrame.CenterPoint().y + 10, 100, 80,
                                         s.m_hWnd, NULL, NULL, NULL);
        ::SetActiveWindow(hDialog);
        ClickScreen(ScreenPointOf(Button(ID_TEST_OPEN)));
        PumpPending();
        EXPECT_TRUE(IsInFront(hDialog, s.m_hWnd)) << "the sheet's dialog went behind it";
        EXPECT_TRUE(IsInFront(s.m_hWnd, frame->m_hWnd)) << "the sheet went behind the frame";
        ::DestroyWindow(hDialog);
    });
    sheet->DoModal();
    EXPECT_EQ(2, sheet->m_nStepsRun);
}

// The sheet stays the active window while the user works on the bars: the
// edge of a field selected for customizing still shows the resize cursor.
TEST_F(CustomizeSheetTest, TheResizeCursorShowsOverASelectedFieldsEdgeWhileTheSheetIsActive)
{
    CXTPControl* pEdit = ToolBar()->GetControls()->Add(xtpControlEdit, 3200);
    frame->RecalcLayout();
    sheet->m_steps.push_back([&](CTestSheet& s) {
        ASSERT_EQ(s.m_hWnd, ::GetActiveWindow());
        Bars()->SetDragControl(pEdit);
        CRect rc = pEdit->GetRect();
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        ToolBar()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.right - 1, rc.CenterPoint().y));
        EXPECT_EQ(CXTPControl::GetResizeCursor(), ::GetCursor());
    });
    sheet->DoModal();
    EXPECT_EQ(1, sheet->m_nStepsRun);
}

TEST_F(CustomizeSheetTest, ASheetWithoutASiteWindowRunsWithoutHooks)
{
    CXTPCommandBars* pLone = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    {
        CTestSheet lone(pLone);
        lone.m_steps.push_back([](CTestSheet&) {
            EXPECT_TRUE(CXTPCustomizeHookGuard::IsActive());
            EXPECT_FALSE(CXTPCustomizeHookGuard::AreHooksInstalled());
        });
        lone.DoModal();
        EXPECT_EQ(1, lone.m_nStepsRun);
    }
    pLone->InternalRelease();
}

} // namespace
