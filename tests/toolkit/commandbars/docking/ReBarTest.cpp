// A rebar of tool bars: bars become bands (leaving their dock bar, their
// docking and their gripper), custom bars join it on their own, the bands'
// sizes follow the bars' layouts, and the band order, widths, breaks and
// hidden states are saved to and loaded from the profile.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/docking/XTPReBar.h"

namespace {

const char* const kCompany = "Tidewatch ReBar Tests";
const UINT kSecondBar = 0xE805;

class ReBarTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        ASSERT_TRUE(m_reBar.Create(frame));
        m_pSecond = frame->m_pCommandBars->Add("Second", xtpBarTop);
        m_pSecond->SetBarID(kSecondBar);
        const UINT buttons[] = {ID_TEST_COPY, ID_TEST_BOLD};
        m_pSecond->SetButtons(buttons, 2);
    }
    void TearDown() override
    {
        m_reBar.DestroyWindow();
        CommandBarsTest::TearDown();
    }
    REBARBANDINFO Band(int nBand, UINT fMask)
    {
        REBARBANDINFO info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = fMask;
        EXPECT_TRUE(m_reBar.GetReBarCtrl().GetBandInfo(nBand, &info));
        return info;
    }
    // The band ids in order, hidden ones in brackets.
    std::string Bands()
    {
        std::string text;
        for (int i = 0; i < (int)m_reBar.GetReBarCtrl().GetBandCount(); i++)
        {
            REBARBANDINFO info = Band(i, RBBIM_ID | RBBIM_STYLE);
            char szBand[32];
            sprintf(szBand, (info.fStyle & RBBS_HIDDEN) ? "(%X)" : "%X", info.wID);
            text += (text.empty() ? "" : " ") + std::string(szBand);
        }
        return text;
    }

    CXTPReBar m_reBar;
    CXTPToolBar* m_pSecond = nullptr;
};

TEST_F(ReBarTest, ToolBarBecomesABandWithoutDockingOrGripper)
{
    CXTPToolBar* pBar = frame->GetToolBar();
    ASSERT_TRUE(m_reBar.AddToolBar(pBar));
    EXPECT_EQ(1u, m_reBar.GetReBarCtrl().GetBandCount());
    EXPECT_EQ(pBar, m_reBar.GetToolBar(0));
    EXPECT_TRUE(m_reBar.GetToolBar(1) == NULL);
    EXPECT_EQ((UINT)IDR_TEST_TOOLBAR, Band(0, RBBIM_ID).wID) << "the band takes the bar's id";
    EXPECT_EQ(m_reBar.m_hWnd, ::GetParent(pBar->m_hWnd));
    EXPECT_TRUE(pBar->GetDockBar() == NULL);
    EXPECT_EQ(-1, frame->m_pCommandBars->GetDockBar(xtpBarTop)->FindBar(pBar));
    EXPECT_EQ(0u, pBar->GetFlags() & (xtpFlagAlignAny | xtpFlagFloating)) << "it no longer docks or floats";
    EXPECT_EQ(0u, pBar->GetBarStyle() & XTP_BARSTYLE_GRIPPER);

    m_reBar.DeleteToolBar(m_pSecond);
    EXPECT_EQ(1u, m_reBar.GetReBarCtrl().GetBandCount()) << "a bar that is no band";
    m_reBar.DeleteToolBar(pBar);
    EXPECT_EQ(0u, m_reBar.GetReBarCtrl().GetBandCount());
}

TEST_F(ReBarTest, BandSizesFollowTheBarsLayout)
{
    ASSERT_TRUE(m_reBar.AddToolBar(frame->GetToolBar()));
    m_reBar.CalcFixedLayout(TRUE, TRUE);
    REBARBANDINFO info = Band(0, RBBIM_CHILDSIZE);
    // Gripperless: borders, four buttons and a group gap, the expand strip.
    EXPECT_EQ((UINT)(2 + 4 * CFixedSizePaintManager::kButton + 6 + 2 + 11), info.cxMinChild);
    EXPECT_EQ((UINT)(CFixedSizePaintManager::kHeight + 4), info.cyMinChild);
}

TEST_F(ReBarTest, CustomBarsJoinTheFramesReBarAndLeaveIt)
{
    CXTPToolBar* pCustom = frame->m_pCommandBars->AddCustomBar("Mine", XTP_ID_CUSTOMBAR_FIRST);
    ASSERT_TRUE(pCustom != NULL);
    EXPECT_EQ(pCustom, m_reBar.GetToolBar(0));
    EXPECT_TRUE(Band(0, RBBIM_STYLE).fStyle & RBBS_BREAK) << "each custom bar starts a row";
    frame->m_pCommandBars->Remove(pCustom);
    EXPECT_EQ(0u, m_reBar.GetReBarCtrl().GetBandCount());
}

TEST_F(ReBarTest, StateKeepsOrderWidthsBreaksAndHiddenBands)
{
    CRegistryTestApp app(kCompany);
    ASSERT_TRUE(m_reBar.AddToolBar(frame->GetToolBar()));
    ASSERT_TRUE(m_reBar.AddToolBar(m_pSecond));
    REBARBANDINFO info = Band(1, RBBIM_STYLE | RBBIM_SIZE);
    info.fMask = RBBIM_STYLE | RBBIM_SIZE;
    info.fStyle |= RBBS_BREAK | RBBS_HIDDEN;
    info.cx = 150;
    m_reBar.GetReBarCtrl().SetBandInfo(1, &info);
    m_reBar.GetReBarCtrl().MoveBand(1, 0);
    ASSERT_EQ("(E805) 12D", Bands());
    m_reBar.SaveState("ReBar");
    // One line per band in order: its id in four hex digits, its width, its style.
    std::string state = (LPCTSTR)app.GetProfileString("ReBar", "RebarStateInfo (v1.01)");
    const size_t nBreak = state.find('\n');
    ASSERT_NE(std::string::npos, nBreak) << state;
    unsigned int fStyle = 0;
    EXPECT_EQ(1, sscanf(state.c_str(), "wID=E805,cx=150,fStyle=%8x", &fStyle)) << state;
    EXPECT_EQ((UINT)(RBBS_BREAK | RBBS_HIDDEN), fStyle & (RBBS_BREAK | RBBS_HIDDEN));
    EXPECT_EQ(0u, state.find("wID=E805,cx=150,fStyle="));
    EXPECT_EQ(nBreak + 1, state.find("wID=012D,cx=")) << state;

    // Put back in the first order, shown and narrow: loading restores them.
    m_reBar.GetReBarCtrl().MoveBand(0, 1);
    info = Band(1, RBBIM_STYLE);
    info.fMask = RBBIM_STYLE | RBBIM_SIZE;
    info.fStyle &= ~(RBBS_BREAK | RBBS_HIDDEN);
    info.cx = 40;
    m_reBar.GetReBarCtrl().SetBandInfo(1, &info);
    ASSERT_EQ("12D E805", Bands());
    m_reBar.LoadState("ReBar");
    EXPECT_EQ("(E805) 12D", Bands());
    EXPECT_EQ(150u, Band(0, RBBIM_SIZE).cx);
    EXPECT_TRUE(Band(0, RBBIM_STYLE).fStyle & RBBS_BREAK);
    EXPECT_FALSE(m_pSecond->IsVisible()) << "a hidden band's bar is hidden";
}

TEST_F(ReBarTest, DamagedStateLinesArePassedOver)
{
    CRegistryTestApp app(kCompany);
    ASSERT_TRUE(m_reBar.AddToolBar(frame->GetToolBar()));
    ASSERT_TRUE(m_reBar.AddToolBar(m_pSecond));
    app.WriteProfileString(
        "ReBar", "RebarStateInfo (v1.01)",
        "garbage\nwID=7777,cx=10,fStyle=00000000\nwID=E805,cx=90,fStyle=00000008 and more\n"
        "wID=E805,cx=-5,fStyle=00000001\n\nwID=012D,cx=70,fStyle=00000000\nwID=012D");
    m_reBar.LoadState("ReBar");
    EXPECT_EQ("E805 12D", Bands()) << "only the well-formed lines of known bands count";
    EXPECT_TRUE(m_pSecond->IsVisible());
    EXPECT_EQ(0u, Band(0, RBBIM_SIZE).cx) << "a negative width counts as none";
    EXPECT_TRUE(Band(0, RBBIM_STYLE).fStyle & RBBS_BREAK);
    EXPECT_EQ(70u, Band(1, RBBIM_SIZE).cx);
}

} // namespace
