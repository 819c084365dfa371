// The grid selector on a real toolbar: moving over it selects a block and
// tells the site, a release executes with the block, leaving it clears the
// block, and leaving it with the button held grows the grid up to its
// largest size. The pointer and the button are set as the system reports
// them (SetCursorPos, the key state).
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlSelector.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

namespace {

const int kTableId = ID_TEST_NEW;

class SelectorControlTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        frame->SetClientWidth(600);
        pBar = frame->GetToolBar();
        pSelector = new CXTPControlSelector;
        pBar->GetControls()->AddControl(pSelector, kTableId);
        pSelector->SetItemSize(CSize(10, 10));
        frame->RecalcLayout();
        frame->m_log.clear();
    }
    void TearDown() override
    {
        SetKeyDown(VK_LBUTTON, FALSE);
        CommandBarsTest::TearDown();
    }
    // A point of the grid, in cells from its top left corner.
    CPoint Cell(double x, double y) const
    {
        CRect rc = pSelector->GetRect();
        return CPoint(rc.left + (int)(x * 10), rc.top + (int)(y * 10));
    }
    // The mouse leaves the grid for the bar point, as the bar sees it.
    void LeaveTo(CPoint ptBar)
    {
        CPoint ptScreen = ptBar;
        pBar->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        pSelector->OnSetSelected(0);
    }

    CXTPToolBar* pBar = nullptr;
    CXTPControlSelector* pSelector = nullptr;
};

TEST_F(SelectorControlTest, MovingOverTheGridSelectsTheCellsBeforeThePointAndTellsTheSite)
{
    pSelector->OnMouseMove(Cell(2.5, 1.5));
    EXPECT_EQ(CSize(3, 2), pSelector->GetSelectedBlock());
    EXPECT_EQ(XTP_SLN_SELCHANGE, frame->m_lastExecute.hdr.code);
    EXPECT_EQ(pSelector, frame->m_lastExecute.pControl);

    frame->m_log.clear();
    pSelector->OnMouseMove(Cell(2.7, 1.2));
    EXPECT_TRUE(frame->m_log.empty()) << "the same block is not announced again";
}

TEST_F(SelectorControlTest, AReleaseExecutesWithTheSelectedBlock)
{
    pSelector->OnLButtonUp(Cell(0, 0));
    EXPECT_FALSE(Logged("command new")) << "nothing selected";

    pSelector->OnSetSelected(1);
    pSelector->OnMouseMove(Cell(3.5, 2.5));
    pSelector->OnLButtonUp(Cell(3.5, 2.5));
    EXPECT_EQ(CSize(4, 3), pSelector->GetExecuted());
    EXPECT_TRUE(Logged("command new"));
}

TEST_F(SelectorControlTest, LeavingWithoutTheButtonClearsTheBlock)
{
    pSelector->OnSetSelected(1);
    pSelector->OnMouseMove(Cell(2.5, 1.5));
    LeaveTo(Cell(8, 6));
    EXPECT_EQ(CSize(0, 0), pSelector->GetSelectedBlock());
    EXPECT_EQ(CSize(5, 4), pSelector->GetCurrentCount());
}

TEST_F(SelectorControlTest, LeavingWithTheButtonHeldGrowsTheGridUpToItsLargestSize)
{
    SetKeyDown(VK_LBUTTON, TRUE);
    struct Row
    {
        double x, y;
        CSize szGrid;
    } rows[] = {
        {7.5, 2.5, CSize(8, 4)},    // right of the grid: more columns
        {7.5, 5.5, CSize(8, 6)},    // below it too: more rows
        {20.5, 30.5, CSize(12, 12)}, // never beyond 12 x 12
    };
    for (const Row& row : rows)
    {
        pSelector->OnSetSelected(1);
        LeaveTo(Cell(row.x, row.y));
        EXPECT_EQ(row.szGrid, pSelector->GetCurrentCount()) << row.x << ", " << row.y;
        EXPECT_EQ(CSize(row.szGrid.cx * 10, row.szGrid.cy * 10), pSelector->GetRect().Size());
    }
    EXPECT_EQ(CSize(12, 12), pSelector->GetSelectedBlock()) << "the block follows the pointer";

    // The next layout of the bar shows the first size again.
    SetKeyDown(VK_LBUTTON, FALSE);
    pSelector->OnCalcDynamicSize(0);
    EXPECT_EQ(CSize(5, 4), pSelector->GetCurrentCount());
    EXPECT_EQ(CSize(0, 0), pSelector->GetSelectedBlock());
}

TEST_F(SelectorControlTest, ANonPositiveCellSizeCountsAsUnset)
{
    pSelector->SetItemSize(CSize(0, -3));
    EXPECT_EQ(CSize(28, 28), pSelector->GetItemSize());
    CClientDC dc(pBar);
    EXPECT_EQ(CSize(5 * 28, 4 * 28), pSelector->GetSize(&dc));

    // A stored selector without a cell size loads as unset, not as zero.
    CXTPControlSelector stored;
    stored.SetItemSize(CSize(0, 0));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        stored.DoPropExchange(&px);
    }
    file.SeekToBegin();
    CXTPControlSelector loaded;
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        loaded.DoPropExchange(&px);
    }
    EXPECT_EQ(CSize(28, 28), loaded.GetItemSize());
}

TEST_F(SelectorControlTest, TheCopyTakesTheCountsAndTheCellSize)
{
    pSelector->SetItemsCount(CSize(3, 2));
    pSelector->SetItemsMax(CSize(6, 5));
    CXTPControlSelector* pCopy = (CXTPControlSelector*)pSelector->Clone();
    EXPECT_EQ(CSize(3, 2), pCopy->GetItemsCount());
    EXPECT_EQ(CSize(6, 5), pCopy->GetItemsMax());
    EXPECT_EQ(CSize(10, 10), pCopy->GetItemSize());
    EXPECT_EQ(kTableId, pCopy->GetID());
    pCopy->InternalRelease();
}

} // namespace
