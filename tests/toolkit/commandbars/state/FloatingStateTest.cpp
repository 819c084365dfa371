// Floating bars in the saved bar state: a bar saved floating loads floating
// at its place and size in a new frame and remembers the dock bar it came
// from; a floating record that cannot place or size the bar leaves it
// docked and shown.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/foundation/XTPMultiMonitor.h"

#include <climits>
#include <memory>
#include <utility>

namespace {

const char* const kCompany = "Tidewatch Floating State Tests";
const char* const kProfile = "FloatingState";
const UINT kSizelessBar = 0xE830;

// A tool bar whose floating layout has no size at all.
class CSizelessToolBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CSizelessToolBar)
public:
    CSize CalcDynamicLayout(int, DWORD) override { return CSize(0, 0); }
};
IMPLEMENT_DYNCREATE(CSizelessToolBar, CXTPToolBar)

class FloatingStateTest : public CommandBarsTest
{
protected:
    void TearDown() override
    {
        if (m_pOther != NULL)
            m_pOther->DestroyWindow();
        CommandBarsTest::TearDown();
    }
    // A second frame with the same bars, the saved state loaded.
    CCommandBarsFrame* LoadIntoNewFrame()
    {
        m_pOther = new CCommandBarsFrame;
        EXPECT_TRUE(m_pOther->CreateAt(120, 90, 400, 300));
        m_pOther->BuildBars();
        m_pOther->m_pCommandBars->LoadBarState(kProfile);
        return m_pOther;
    }
    CRect WindowRect(CWnd* pWnd) const
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    CString Section(LPCTSTR lpszFormat) const
    {
        CString strSection;
        strSection.Format(lpszFormat, kProfile, 0);
        return strSection;
    }
    // A profile of one bar record with the values given.
    void WriteRecord(UINT nBarID, std::initializer_list<std::pair<const char*, int>> values)
    {
        app.WriteProfileInt(Section("%s-Summary"), "Bars", 1);
        app.WriteProfileInt(Section("%s-Bar%d"), "BarID", nBarID);
        for (const auto& value : values)
            app.WriteProfileInt(Section("%s-Bar%d"), value.first, value.second);
    }

    CRegistryTestApp app{kCompany};
    CCommandBarsFrame* m_pOther = nullptr;
};

TEST_F(FloatingStateTest, SavedFloatingBarFloatsAtItsPlaceAndSizeInANewFrame)
{
    CXTPToolBar* pBar = frame->GetToolBar();
    ASSERT_TRUE(frame->m_pCommandBars->DockCommandBarAt(pBar, NULL, xtpBarLeft));
    frame->RecalcLayout();
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    // Two buttons a row, somewhere of its own.
    pBar->SetWidth(52);
    pBar->PlaceFloating(CPoint(300, 220));
    const CRect rcSaved = WindowRect(pBar);
    ASSERT_EQ(CPoint(300, 220), rcSaved.TopLeft());
    frame->m_pCommandBars->SaveBarState(kProfile);

    CCommandBarsFrame* pOther = LoadIntoNewFrame();
    CXTPToolBar* pLoaded = pOther->GetToolBar();
    EXPECT_EQ(xtpBarFloating, pLoaded->GetPosition());
    EXPECT_TRUE(pLoaded->IsVisible());
    EXPECT_TRUE(pLoaded->IsWindowVisible());
    EXPECT_EQ(rcSaved, WindowRect(pLoaded));
    EXPECT_EQ(52, pLoaded->GetWidth());

    // It remembers where it was docked: a toggle puts it back on the left.
    pOther->m_pCommandBars->GetCommandBarsOptions()->bDblClickFloat = TRUE;
    EXPECT_TRUE(pLoaded->GetBarTracker()->ToggleDocking());
    EXPECT_EQ(xtpBarLeft, pLoaded->GetPosition());
}

TEST_F(FloatingStateTest, FloatingBarSavesTheDockBarItLastStoodIn)
{
    CXTPToolBar* pBar = frame->GetToolBar();
    ASSERT_TRUE(frame->m_pCommandBars->DockCommandBarAt(pBar, NULL, xtpBarRight));
    frame->RecalcLayout();
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    frame->m_pCommandBars->SaveBarState(kProfile);
    // The menu bar is record 0, the tool bar record 1.
    CString strSection;
    strSection.Format("%s-Bar%d", kProfile, 1);
    EXPECT_EQ(1u, app.GetProfileInt(strSection, "Floating", 0));
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_RIGHT, app.GetProfileInt(strSection, "MRUDockID", 0));
}

TEST_F(FloatingStateTest, FloatingRecordWithoutItsPlaceLeavesTheBarDockedAndShown)
{
    WriteRecord(IDR_TEST_TOOLBAR, {{"Floating", 1}, {"Visible", 0}, {"MRUWidth", 52}});
    CXTPToolBar* pLoaded = LoadIntoNewFrame()->GetToolBar();
    EXPECT_EQ(xtpBarTop, pLoaded->GetPosition());
    EXPECT_TRUE(pLoaded->GetDockBar() != NULL);
    EXPECT_TRUE(pLoaded->IsVisible());
    EXPECT_TRUE(pLoaded->IsWindowVisible());
}

// A place off every screen, up to the ends of the integer range (where the
// floating rectangle's right edge wrapped round and the bar showed at
// 32767), loads on the work area.
TEST_F(FloatingStateTest, FloatingRecordOffEveryScreenLoadsOnTheWorkArea)
{
    const std::pair<int, int> rows[] = {{30000, -20000}, {5000, 100}, {INT_MAX, 100}, {INT_MIN, INT_MAX}};
    for (const auto& [nX, nY] : rows)
    {
        WriteRecord(IDR_TEST_TOOLBAR, {{"Floating", 1}, {"XPos", nX}, {"YPos", nY}});
        CXTPToolBar* pLoaded = LoadIntoNewFrame()->GetToolBar();
        ASSERT_EQ(xtpBarFloating, pLoaded->GetPosition()) << nX;
        const CRect rc = WindowRect(pLoaded);
        const CRect rcWork = XTPMultiMonitor()->GetWorkArea(rc);
        CRect rcInside;
        rcInside.IntersectRect(rc, rcWork);
        EXPECT_EQ(rc, rcInside) << nX << ", " << nY << ": wholly on the work area";
        EXPECT_FALSE(rc.IsRectEmpty()) << nX;
        m_pOther->DestroyWindow();
        m_pOther = nullptr;
    }
}

TEST_F(FloatingStateTest, FloatingBarThatCannotLayItselfOutDocksAtTheTop)
{
    auto addSizeless = [](CCommandBarsFrame* pFrame) {
        CXTPToolBar* pBar =
            pFrame->m_pCommandBars->Add("Sizeless", xtpBarBottom, RUNTIME_CLASS(CSizelessToolBar));
        pBar->SetBarID(kSizelessBar);
        return pBar;
    };
    WriteRecord(kSizelessBar, {{"Floating", 1}, {"XPos", 200}, {"YPos", 200}, {"Visible", 0}});
    m_pOther = new CCommandBarsFrame;
    ASSERT_TRUE(m_pOther->CreateAt(120, 90, 400, 300));
    m_pOther->BuildBars();
    CXTPToolBar* pBar = addSizeless(m_pOther);
    m_pOther->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(xtpBarTop, pBar->GetPosition());
    EXPECT_EQ(m_pOther->m_pCommandBars->GetDockBar(xtpBarTop), pBar->GetDockBar());
    EXPECT_TRUE(pBar->IsVisible());
}

} // namespace
