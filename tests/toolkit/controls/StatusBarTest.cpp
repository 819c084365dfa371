#include "toolkit/controls/XTPStatusBar.h"
#include "toolkit/controls/XTPStatusBarPane.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "tests/support/TestWindow.h"
#include "TrayIconTestResources.h"
#include <gtest/gtest.h>

namespace {

const UINT ID_PANE_A = 14201, ID_PANE_B = 14202, ID_PANE_NEW = 14203, ID_PANE_END = 14204;

// A hosted window that counts its deletions.
class CCountedStatic : public CStatic
{
public:
    ~CCountedStatic() override { deleted++; }
    static int deleted;
};
int CCountedStatic::deleted = 0;

CCountedStatic* NewHosted(CWnd* pParent)
{
    CCountedStatic* pStatic = new CCountedStatic;
    pStatic->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, 0xFFFF);
    return pStatic;
}

// The window rectangle of pWnd in its parent's client coordinates.
CRect PaneRect(CXTPStatusBar& bar, UINT nID)
{
    CRect rc;
    bar.GetItemRect(bar.CommandToIndex(nID), rc);
    return rc;
}

// A frame with the main window's kind of bar: the message pane, then A and B.
class XTPStatusBarTest : public FrameTest<CTestFrame, 600, 300>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(bar.Create(frame));
        const UINT ids[] = {ID_SEPARATOR, ID_PANE_A, ID_PANE_B};
        ASSERT_TRUE(bar.SetIndicators(ids, 3));
        bar.SetPaneWidth(1, 50);
        bar.SetPaneWidth(2, 60);
        frame->RecalcLayout();
        PumpPending();
    }
    void TearDown() override
    {
        CXTPPaintManager::Done();
        FrameTest::TearDown();
    }
    // Each pane as "id-14200 width style text", the message pane's id as 0.
    std::string Panes()
    {
        CString text;
        StatusPaneInfo info;
        for (int i = 0; bar.GetPaneInfoEx(i, &info); i++)
            text.AppendFormat("%d %d %x %s|", info.nID ? info.nID - 14200 : 0, info.cxText, info.nStyle,
                              (LPCTSTR)info.strText);
        return (LPCTSTR)text;
    }

    CXTPStatusBar bar;
};

} // namespace

TEST_F(XTPStatusBarTest, AddIndicatorAppendsInsertsAndRefusesDuplicates)
{
    EXPECT_GE(RectInParent(&bar).Height(), 20);
    bar.SetPaneText(1, "alpha");
    bar.SetPaneInfo(2, ID_PANE_B, SBPS_POPOUT, 60);
    bar.SetPaneText(2, "beta");

    EXPECT_TRUE(bar.AddIndicator(ID_PANE_END, 3)) << "the count appends";
    EXPECT_TRUE(bar.AddIndicator(ID_PANE_NEW, 1));
    EXPECT_EQ("0 0 8000100 |3 0 0 |1 50 0 alpha|2 60 200 beta|4 0 0 |", Panes());

    EXPECT_FALSE(bar.AddIndicator(ID_PANE_A, 0)) << "already there";
    EXPECT_FALSE(bar.AddIndicator(14299, -1));
    EXPECT_FALSE(bar.AddIndicator(14299, 6));
    StatusPaneInfo info;
    EXPECT_FALSE(bar.SetPaneInfoEx(-1, &info));

    EXPECT_TRUE(bar.RemoveIndicator(ID_PANE_NEW));
    EXPECT_FALSE(bar.RemoveIndicator(ID_PANE_NEW));
    EXPECT_EQ("0 0 8000100 |1 50 0 alpha|2 60 200 beta|4 0 0 |", Panes());
}

TEST_F(XTPStatusBarTest, HostedControlsSitOverTheirPanesInsetByTheEdge)
{
    int e = ::GetSystemMetrics(SM_CXEDGE);
    CStatic& text = *NewHosted(&bar);
    ASSERT_TRUE(bar.AddControl(&text, ID_PANE_A, TRUE));
    EXPECT_FALSE(bar.AddControl(&text, 14299, FALSE)) << "no such pane";
    ASSERT_NE(nullptr, bar.FindControl(ID_PANE_A));
    EXPECT_TRUE(bar.FindControl(ID_PANE_A)->pWnd == &text && bar.FindControl(ID_PANE_B) == NULL);
    CRect inset = PaneRect(bar, ID_PANE_A);
    inset.DeflateRect(e, e);
    EXPECT_EQ(inset, RectInParent(&text));

    // A pane without borders gets the whole pane.
    bar.SetPaneInfo(1, ID_PANE_A, SBPS_NOBORDERS, 50);
    bar.PositionControls();
    EXPECT_EQ(PaneRect(bar, ID_PANE_A), RectInParent(&text));

    // A new pane at the end pushes the panes before it to the left (the
    // message pane gives up the room), and the control goes along.
    int leftBefore = RectInParent(&text).left;
    ASSERT_TRUE(bar.AddIndicator(ID_PANE_NEW, 3));
    bar.SetPaneWidth(3, 40);
    bar.PositionControls();
    EXPECT_EQ(PaneRect(bar, ID_PANE_A), RectInParent(&text));
    EXPECT_EQ(leftBefore - 40 - 3 * e, RectInParent(&text).left);

    // And the bar's resize moves it too.
    CRect window;
    frame->GetWindowRect(window);
    frame->SetWindowPos(NULL, 0, 0, window.Width() + 80, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_EQ(PaneRect(bar, ID_PANE_A), RectInParent(&text));
    EXPECT_EQ(leftBefore + 80 - 40 - 3 * e, RectInParent(&text).left) << "moved with the bar's right edge";
}

// Over the last pane, stretching, a control stops at the size grip;
// without stretching that pane is as wide as its text and three edges.
TEST_F(XTPStatusBarTest, AControlOverTheLastPaneStopsAtTheSizeGrip)
{
    int e = ::GetSystemMetrics(SM_CXEDGE);
    ASSERT_TRUE(bar.AddIndicator(ID_PANE_NEW, 3));
    ASSERT_TRUE(bar.GetStyle() & SBARS_SIZEGRIP);
    CStatic& last = *NewHosted(&bar);
    ASSERT_TRUE(bar.AddControl(&last, ID_PANE_NEW, TRUE));
    bar.SetPaneInfo(3, ID_PANE_NEW, SBPS_STRETCH, 40);
    bar.PositionControls();
    CRect client;
    bar.GetClientRect(client);
    EXPECT_EQ(client.right - ::GetSystemMetrics(SM_CXSMICON) - 2 * e, RectInParent(&last).right);
    bar.SetPaneInfo(3, ID_PANE_NEW, 0, 60);
    bar.PositionControls();
    EXPECT_EQ(60 + 3 * e - 2 * e, RectInParent(&last).Width());
}

TEST_F(XTPStatusBarTest, RemovingAPaneDestroysItsControlAndDeletesItWhenOwned)
{
    int deleted = CCountedStatic::deleted;
    CCountedStatic* pOwned = NewHosted(&bar);
    CCountedStatic* pLent = NewHosted(&bar);
    HWND hOwned = pOwned->m_hWnd, hLent = pLent->m_hWnd;
    ASSERT_TRUE(bar.AddControl(pOwned, ID_PANE_A, TRUE));
    ASSERT_TRUE(bar.AddControl(pLent, ID_PANE_B, FALSE));

    ASSERT_TRUE(bar.RemoveIndicator(ID_PANE_A));
    EXPECT_TRUE(!::IsWindow(hOwned) && bar.FindControl(ID_PANE_A) == NULL);
    EXPECT_EQ(deleted + 1, CCountedStatic::deleted);
    ASSERT_TRUE(bar.RemoveIndicator(ID_PANE_B));
    EXPECT_FALSE(::IsWindow(hLent));
    EXPECT_EQ(deleted + 1, CCountedStatic::deleted) << "a lent window stays its owner's";
    delete pLent;
}

using XTPStatusBarLifetime = FrameTest<CTestFrame, 400, 200>;

TEST_F(XTPStatusBarLifetime, DestructorTouchesOnlyLiveWindowsAndDeletesOnlyWhatItOwns)
{
    int deleted = CCountedStatic::deleted;
    {
        CXTPStatusBar bar;
        ASSERT_TRUE(bar.Create(frame));
        const UINT ids[] = {ID_SEPARATOR, ID_PANE_A, ID_PANE_B};
        ASSERT_TRUE(bar.SetIndicators(ids, 3));
        CCountedStatic* pOwned = NewHosted(&bar);
        CCountedStatic* pGone = NewHosted(&bar);
        ASSERT_TRUE(bar.AddControl(pOwned, ID_PANE_A, TRUE));
        ASSERT_TRUE(bar.AddControl(pGone, ID_PANE_B, FALSE));
        // Its owner destroys and deletes the lent window first.
        pGone->DestroyWindow();
        delete pGone;
        bar.PositionControls();
        EXPECT_EQ(deleted + 1, CCountedStatic::deleted);
    }
    EXPECT_EQ(deleted + 2, CCountedStatic::deleted) << "the owned window went with the bar, once";
}

TEST_F(XTPStatusBarTest, ThemedBarIsPaintedByThePaintManager)
{
    CXTPPaintManager* pPaintManager = CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    const int index = COLOR_BTNFACE;
    const COLORREF marker = RGB(250, 10, 200);
    pPaintManager->SetColors(1, &index, &marker);
    EXPECT_TRUE(bar.GetPaintManager() == pPaintManager && bar.SendMessage(WM_ERASEBKGND, 0, 0) == TRUE);
    // A point of the message pane, left of any text, and the size grip's
    // dots in the corner, but not while the frame is maximised.
    auto pixels = [this]() {
        bar.RedrawWindow();
        CRect client;
        bar.GetClientRect(client);
        CClientDC dc(&bar);
        return std::make_pair(dc.GetPixel(PaneRect(bar, ID_SEPARATOR).right - 3, 3),
                              dc.GetPixel(client.right - 12, client.bottom - 12));
    };
    EXPECT_EQ(std::make_pair(marker, pPaintManager->GetColor(COLOR_BTNSHADOW)), pixels());
    frame->ShowWindow(SW_MAXIMIZE);
    PumpPending();
    EXPECT_EQ(std::make_pair(marker, marker), pixels());

    bar.SetThemed(FALSE);
    EXPECT_EQ(nullptr, bar.GetPaintManager());
    EXPECT_NE(marker, pixels().first) << "the common control paints itself";
}

TEST_F(XTPStatusBarTest, TextPaneMeasuresItsTextWhenTheFontIsSet)
{
    CXTPStatusBarTextPane* pText = new CXTPStatusBarTextPane;
    ASSERT_TRUE(pText->CreatePane("Ready", &bar, WS_CHILD | WS_VISIBLE, 0xFFFE));
    pText->SetFont("Tahoma", -12, FW_BOLD, 0, 0);
    int cxReady = pText->sizeText.cx;
    pText->SetText("Ready and waiting");
    pText->SetFont("Tahoma", -12, FW_BOLD, 0, 0);
    EXPECT_GT(pText->sizeText.cx, cxReady);
    ASSERT_TRUE(bar.AddControl(pText, ID_PANE_A, TRUE));
}

TEST_F(XTPStatusBarTest, IconPaneDrawsOnTheButtonFace)
{
    CXTPStatusBarIconPane* pIcon = new CXTPStatusBarIconPane;
    ASSERT_TRUE(pIcon->CreatePane("", &bar, WS_CHILD | WS_VISIBLE, 0xFFFD));
    pIcon->SetIcon(IDI_TRAY_NORMAL);
    ASSERT_TRUE(bar.AddControl(pIcon, ID_PANE_B, TRUE));
    pIcon->UpdateWindow();
    // The corner is background: the icon sits centred.
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), CClientDC(pIcon).GetPixel(0, 0));
}
