// A single-document frame from the resource script: creation from one
// resource id, command routing, menu updates, accelerators, the layout of a
// bottom bar and the view, the delayed layout at idle and the status text.
#include "TestWindows.h"
#include "TestIds.h"
#include "tests/support/RealInput.h"
#include "tests/support/TempFolder.h"
#include <memory>
#include <gtest/gtest.h>

namespace {

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    CString m_text;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }

protected:
    afx_msg void OnRoute() { theApp.m_lastCommand = "doc"; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_TEST_ROUTE_ALL, OnRoute)
ON_COMMAND(ID_TEST_ROUTE_DOC, OnRoute)
END_MESSAGE_MAP()

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nInitialUpdates = 0;
    CString m_drawn; // what OnDraw was given
    void OnDraw(CDC* pDC) override { m_drawn = pDC->m_hDC != NULL ? "a DC" : "no DC"; }
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CView::OnInitialUpdate();
    }

    // Printing goes to a memory device context, where no print job starts.
    CStringArray m_printing;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        m_printing.Add(pInfo->m_bDirect ? "prepare direct" : "prepare");
        pInfo->m_pd.hDC = ::CreateCompatibleDC(NULL);
        return TRUE;
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override
    {
        m_printing.Add(pDC->IsPrinting() ? "begin" : "begin?");
    }
    void OnPrint(CDC*, CPrintInfo*) override { m_printing.Add("print"); }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_printing.Add("end"); }

protected:
    afx_msg void OnRoute() { theApp.m_lastCommand = "view"; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_TEST_ROUTE_ALL, OnRoute)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    int m_nAccelerated = 0;
    int m_nDisabledRuns = 0;

protected:
    afx_msg void OnRoute() { theApp.m_lastCommand = "frame"; }
    afx_msg void OnAccel() { ++m_nAccelerated; }
    afx_msg void OnDisabledCommand() { ++m_nDisabledRuns; }
    afx_msg void OnAnyCommand() {}
    afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRetitled(CCmdUI* pCmdUI) { pCmdUI->SetText("New title"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_COMMAND(ID_TEST_ROUTE_ALL, OnRoute)
ON_COMMAND(ID_TEST_ROUTE_DOC, OnRoute)
ON_COMMAND(ID_TEST_ROUTE_FRAME, OnRoute)
ON_COMMAND(ID_TEST_ACCEL, OnAccel)
ON_COMMAND(ID_TEST_DISABLED, OnDisabledCommand)
ON_COMMAND(ID_TEST_CHECKED, OnAnyCommand)
ON_COMMAND(ID_TEST_RETITLED, OnAnyCommand)
ON_UPDATE_COMMAND_UI(ID_TEST_ENABLED, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_RETITLED, OnUpdateRetitled)
ON_UPDATE_COMMAND_UI(ID_TEST_SUBITEM, OnUpdateDisabled)
END_MESSAGE_MAP()

// A bar at the bottom of the frame, m_nHeight pixels high, that also takes
// the status text (it has the status bar's id).
class CBottomBar : public CWnd
{
public:
    int m_nHeight = 20;

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
        CRect rect = pLayout->rect;
        rect.top = rect.bottom - m_nHeight;
        pLayout->rect.bottom = rect.top;
        pLayout->sizeTotal.cy += m_nHeight;
        AfxRepositionWindow(pLayout, m_hWnd, &rect);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBottomBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CSingleDocTemplate* TestTemplate()
{
    static CSingleDocTemplate* pTemplate = NULL;
    if (pTemplate == NULL)
    {
        pTemplate = new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                           RUNTIME_CLASS(CTestView));
        theApp.AddDocTemplate(pTemplate);
    }
    return pTemplate;
}

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestTemplate();
        CCommandLineInfo commandLine;
        ASSERT_TRUE(theApp.ProcessShellCommand(commandLine));
        m_pFrame = DYNAMIC_DOWNCAST(CTestFrame, theApp.m_pMainWnd);
        ASSERT_NE(m_pFrame, (CTestFrame*)NULL);
        m_pView = DYNAMIC_DOWNCAST(CTestView, m_pFrame->GetActiveView());
        ASSERT_NE(m_pView, (CTestView*)NULL);
        theApp.m_lastCommand.Empty();
        PumpPending();
    }

    void TearDown() override
    {
        if (theApp.m_pMainWnd != NULL)
            theApp.m_pMainWnd->DestroyWindow();
        EXPECT_EQ(TakeQuitMessage(), 0);
        EXPECT_EQ(TestTemplate()->m_pOnlyDoc, (CDocument*)NULL);
    }

    // Updates the "Update" popup and gives the state of each of its items: enabled or greyed,
    // checked, and the text of the retitled item.
    CString UpdateMenu()
    {
        HMENU hMenu = m_pFrame->GetMenu()->GetSubMenu(1)->GetSafeHmenu();
        m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, MAKELPARAM(1, FALSE));
        CString states;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        {
            UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
            states += nState & MF_SEPARATOR ? "- " : nState & MF_GRAYED ? "g" : "e";
            states += nState & MF_SEPARATOR ? "" : nState & MF_CHECKED ? "c " : " ";
        }
        char text[32] = "";
        ::GetMenuStringA(hMenu, ID_TEST_RETITLED, text, sizeof text, MF_BYCOMMAND);
        return states + text;
    }

    // The text of a bar or window.
    static CString TextOf(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }

    CTestFrame* m_pFrame = NULL;
    CTestView* m_pView = NULL;
};

TEST_F(FrameTest, FrameComesFromOneResourceId)
{
    EXPECT_EQ(TextOf(*m_pFrame), "TestDoc - Frame Title");
    // The accelerators and the icon came with the menu; the view is the frame's pane, updated once.
    EXPECT_TRUE(m_pFrame->m_hAccelTable && ::GetClassLongPtrA(m_pFrame->m_hWnd, GCLP_HICON)
                && m_pFrame->IsWindowVisible());
    EXPECT_EQ(CPoint(m_pView->GetDlgCtrlID(), m_pView->m_nInitialUpdates), CPoint(AFX_IDW_PANE_FIRST, 1));
    EXPECT_EQ(m_pFrame->GetActiveDocument(), TestTemplate()->m_pOnlyDoc);
    EXPECT_EQ(m_pView->GetDocument(), TestTemplate()->m_pOnlyDoc);
}

TEST_F(FrameTest, CommandsRouteToViewDocumentFrameAndApplication)
{
    CString routes;
    for (UINT nID : {ID_TEST_ROUTE_ALL, ID_TEST_ROUTE_DOC, ID_TEST_ROUTE_FRAME, ID_TEST_ROUTE_APP})
        routes += (m_pFrame->SendMessage(WM_COMMAND, nID), theApp.m_lastCommand) + ";";
    EXPECT_EQ(routes, "view;doc;frame;app;");
}

TEST_F(FrameTest, UpdateHandlersSetTheMenuItems)
{
    // Nobody handles the unhandled item: greyed; the popup follows its first item's update handler.
    EXPECT_EQ(UpdateMenu(), "e g ec e - g g New title");
    // Without automatic enabling, unhandled items are left alone.
    m_pFrame->m_bAutoMenuEnable = FALSE;
    ::EnableMenuItem(m_pFrame->GetMenu()->GetSafeHmenu(), ID_TEST_UNHANDLED, MF_BYCOMMAND | MF_ENABLED);
    EXPECT_EQ(UpdateMenu(), "e g ec e - e g New title");
}

TEST_F(FrameTest, AcceleratorsRunOnlyForAnEnabledFrameAndAnEnabledCommand)
{
    auto press = [&](UINT nKey) {
        m_pView->PostMessage(WM_KEYDOWN, nKey, 1);
        PumpPending();
    };
    press(VK_F5);
    m_pFrame->EnableWindow(FALSE);
    press(VK_F5);
    m_pFrame->EnableWindow(TRUE);
    press(VK_F6);
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED, 1));
    EXPECT_EQ(CPoint(m_pFrame->m_nAccelerated, m_pFrame->m_nDisabledRuns), CPoint(1, 0));
}

// The frame with a bottom bar laid out in it.
class FrameBarTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_bar.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame, AFX_IDW_STATUS_BAR));
        m_pFrame->RecalcLayout();
        m_pFrame->GetClientRect(&m_client);
    }

    CBottomBar m_bar;
    CRect m_client;
};

TEST_F(FrameBarTest, BottomBarTakesItsShareOfTheClientArea)
{
    EXPECT_EQ(RectInParent(&m_bar), CRect(0, m_client.bottom - 20, m_client.right, m_client.bottom));
    EXPECT_EQ(RectInParent(m_pView), CRect(0, 0, m_client.right, m_client.bottom - 20));
}

// A later change waits for the idle time.
TEST_F(FrameBarTest, DelayedLayoutWaitsForTheIdleTime)
{
    m_bar.m_nHeight = 50;
    m_pFrame->DelayRecalcLayout();
    EXPECT_EQ(RectInParent(&m_bar).Height(), 20);
    RunIdle();
    EXPECT_EQ(RectInParent(&m_bar).Height(), 50);
    EXPECT_EQ(RectInParent(m_pView).Height(), m_client.Height() - 50);
}

// The bar has the status bar's id: menu prompts go to it.
TEST_F(FrameBarTest, MenuPromptsGoToTheBarWithTheStatusBarsId)
{
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_ROUTE_ALL, MF_STRING),
                          (LPARAM)m_pFrame->GetMenu()->GetSafeHmenu());
    EXPECT_EQ(TextOf(m_bar), "Routes to every target");
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // the menu closed
    EXPECT_EQ(TextOf(m_bar), "Ready");
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_TEST_ROUTE_ALL);
    m_pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(TextOf(m_bar), "Ready");
}

TEST_F(FrameTest, ViewPaintsThroughOnDraw)
{
    m_pView->Invalidate();
    m_pView->UpdateWindow();
    EXPECT_EQ(m_pView->m_drawn, "a DC");
}

TEST_F(FrameTest, PrintJobThatCannotStartIsReportedAndEnded)
{
    theApp.m_messageBoxes.RemoveAll();
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(JoinedLog(m_pView->m_printing), "prepare direct;begin;end;");
    EXPECT_EQ(JoinedLog(theApp.m_messageBoxes), "Failed to start the print job.;");
}

TEST_F(FrameTest, PrintCommandPreparesAJobThatIsNotDirect)
{
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(JoinedLog(m_pView->m_printing).Left(8), "prepare;");
}

TEST_F(FrameTest, ClosingTheFrameClosesTheDocument)
{
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(theApp.m_pMainWnd, (CWnd*)NULL);
    EXPECT_EQ(TestTemplate()->m_pOnlyDoc, (CDocument*)NULL);
}

TEST_F(FrameTest, DocumentIsSavedAndOpenedAgainThroughTheTemplate)
{
    CTestDoc* pDoc = DYNAMIC_DOWNCAST(CTestDoc, m_pView->GetDocument());
    TempFolder folder;
    CString path = folder.File("tidewatch-window-doc.dat").c_str();
    pDoc->m_text = "stored words";
    ASSERT_TRUE(pDoc->OnSaveDocument(path));
    pDoc->m_text = "changed";

    // The single document is reused in its frame.
    EXPECT_EQ(theApp.OpenDocumentFile(path), pDoc);
    EXPECT_EQ(pDoc->m_text, "stored words");
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(path), 0);
    EXPECT_EQ(theApp.m_pMainWnd, m_pFrame);
    EXPECT_EQ(TextOf(*m_pFrame), "tidewatch-window-doc.dat - Frame Title");
}

TEST_F(FrameTest, FileThatCannotBeReadLeavesTheDocumentAndSaysWhy)
{
    CTestDoc* pDoc = DYNAMIC_DOWNCAST(CTestDoc, m_pView->GetDocument());
    pDoc->m_text = "kept";
    theApp.m_messageBoxes.RemoveAll();
    TempFolder folder;
    EXPECT_EQ(theApp.OpenDocumentFile(folder.File("missing.dat").c_str()), (CDocument*)NULL);
    EXPECT_EQ(pDoc->m_text, "kept");
    // A truncated file (a length without its text) fails while reading.
    WriteBytes(folder.File("truncated.dat"), "\x0A");
    EXPECT_EQ(theApp.OpenDocumentFile(folder.File("truncated.dat").c_str()), (CDocument*)NULL);
    ASSERT_EQ(theApp.m_messageBoxes.GetSize(), 2);
    EXPECT_EQ(theApp.m_messageBoxes[0].Find("Cannot open"), 0);
    EXPECT_TRUE(m_pFrame->IsWindow());
}

// A frame whose first pane is a view, or a splitter (one or two deep) that
// takes the first pane's id itself and holds the view as its own first pane,
// with a second view beside it. The view at the end of that chain becomes
// the active view, and the focus the frame gets goes to it.
TEST(FrameFirstPane, TheViewOfTheFirstPaneBecomesActiveAndGetsTheFocus)
{
    const struct
    {
        const char* name;
        int nSplitters;
    } rows[] = {
        {"a view", 0},
        {"a view in a splitter", 1},
        {"a view in a splitter in a splitter", 2},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(NULL, "first pane", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340)));
        std::vector<std::unique_ptr<CWnd>> splitters;
        CWnd* pParent = pFrame;
        for (int i = 0; i < row.nSplitters; ++i)
        {
            splitters.push_back(std::make_unique<CWnd>());
            ASSERT_TRUE(splitters.back()->CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, 0, 0, 380, 280,
                                                   pParent->m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST));
            pParent = splitters.back().get();
        }
        // Views delete themselves with their windows.
        CTestView* pBeside = new CTestView;
        ASSERT_TRUE(pBeside->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(200, 0, 300, 100), pParent,
                                    AFX_IDW_PANE_FIRST + 1));
        CTestView* pFirst = new CTestView;
        ASSERT_TRUE(
            pFirst->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 100, 100), pParent, AFX_IDW_PANE_FIRST));

        pFrame->InitialUpdateFrame(NULL, TRUE);
        EXPECT_EQ(pFirst, pFrame->GetActiveView());
        pFrame->SetForegroundWindow();
        pFrame->SetFocus();
        EXPECT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == pFirst->m_hWnd; }))
            << "the focus is on window id " << ::GetDlgCtrlID(::GetFocus());
        EXPECT_EQ(1, pFirst->m_nInitialUpdates);
        pFrame->DestroyWindow();
        PumpPending();
    }
}

// The entries of a recent file list, each followed by ';'.
CString Entries(CRecentFileList& list)
{
    CString entries;
    for (int i = 0; i < list.GetSize(); i++)
        entries += list[i] + ";";
    return entries;
}

TEST(RecentFileList, NewestFirstDuplicatesMoveUpOldestDropsOut)
{
    CRecentFileList list(0, "Recent Test", "File%d", 4);
    for (const char* path : {"C:\\a.dat", "C:\\b.dat", "C:\\c.dat", "C:\\A.DAT"})
        list.Add(path);
    EXPECT_EQ(Entries(list), "C:\\A.DAT;C:\\c.dat;C:\\b.dat;;"); // the case of a name does not count
    list.Add("C:\\d.dat");
    list.Add("C:\\e.dat");
    list.Remove(0);
    EXPECT_EQ(Entries(list), "C:\\d.dat;C:\\A.DAT;C:\\c.dat;;");
}

TEST(RecentFileList, ListRoundTripsThroughTheProfile)
{
    CRecentFileList written(0, "Recent Test", "File%d", 4);
    written.Add("C:\\one.dat");
    written.Add("C:\\two.dat");
    written.WriteList();
    EXPECT_EQ(theApp.GetProfileString("Recent Test", "File1"), "C:\\two.dat");
    EXPECT_EQ(theApp.GetProfileString("Recent Test", "File3", "none"), "none");
    CRecentFileList read(0, "Recent Test", "File%d", 4);
    read.ReadList();
    EXPECT_EQ(Entries(read), "C:\\two.dat;C:\\one.dat;;;");
    theApp.WriteProfileString("Recent Test", NULL, NULL);
}

TEST(RecentFileList, DisplayNameDropsOnlyTheCurrentFolder)
{
    CRecentFileList list(0, "Recent Test", "File%d", 4);
    list[0] = "C:\\Work\\news.dat";
    list[1] = "C:\\Work\\sub\\deep.dat";
    list[2] = "D:\\" + CString('x', 400) + ".dat";
    // Each case gives whether a name was given, and the name.
    const struct
    {
        const char* name;
        int nIndex;
        CString expected;
    } cases[] = {
        {"a file in the folder shows without path", 0, "1 news.dat"},
        {"a file in a subfolder keeps its path", 1, "1 C:\\Work\\sub\\deep.dat"},
        {"a long name elsewhere stays whole", 2, "1 D:\\" + CString('x', 400) + ".dat"},
        {"an empty entry gives no name", 3, "0 "},
        {"an index past the list gives no name", 4, "0 "},
    };
    for (const auto& c : cases)
    {
        CString strName;
        BOOL bGiven = list.GetDisplayName(strName, c.nIndex, "c:\\work\\", 8);
        EXPECT_EQ(c.expected, CString(bGiven ? "1 " : "0 ") + strName) << c.name;
    }
}

} // namespace
