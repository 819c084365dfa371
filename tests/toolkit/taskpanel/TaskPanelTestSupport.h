#pragma once
// What the task-panel tests share: a shared owner window that records every
// WM_TASKPANEL_NOTIFY (and can answer or act inside one), a painter of
// fixed metrics so that layouts come out in round numbers whatever the
// fonts, and a fixture with a panel of that painter in the owner.
//
//     TEST_F(TaskPanelTest, Something) {
//         CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);  // "Group 1" with links 101..103
//         panel->Reposition(FALSE);
//         EXPECT_EQ("10 12 187 ...", Text(pGroup->GetTargetRect()));
//     }
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// "left top right bottom".
std::string Text(const CRect& rc);

// The panel's picture as WM_PRINT draws it into the canvas (client area).
void PrintPanel(CXTPTaskPanel* pPanel, PixelCanvas& canvas);

// A 16 x 16 icon of one colour, every pixel opaque; the caller destroys it.
HICON SolidIcon(COLORREF clr);

// The screenshots' panel: "Keyword tasks" (special) and "News tasks" with
// links and icons from the image list, "Details" with texts; ten items.
void FillThreeGroupsAndTenItems(CXTPTaskPanel& panel, CImageList& images);

// When the environment names a folder in TW_TASKPANEL_SHOTS, the window as
// it stands on the screen is saved there as <name>.bmp, for looking at.
void SaveShotIfAsked(CWnd* pWnd, const std::string& strName);
void SaveCanvasIfAsked(PixelCanvas& canvas, const std::string& strName);

// An object of the base class that counts how many of its kind live.
template <class TBase>
class CLiveCounted : public TBase
{
public:
    CLiveCounted() { ++live; }
    ~CLiveCounted() override { --live; }
    static int live;
};
template <class TBase>
int CLiveCounted<TBase>::live = 0;

// The owner of the panels under test, at the screen's top-left corner.
class CPanelOwner : public CTestWindow
{
public:
    // One notification as it arrived: the code, lParam, the caption of the
    // item it carried (or of the group of TPNGROUPEXPANDING) and that
    // record's new state.
    struct Note
    {
        UINT nCode;
        LPARAM lParam;
        CString strCaption;
        BOOL bExpanding;
    };

    CPanelOwner() : CTestWindow(CSize(500, 500)) {}

    // The codes received, in order, as "6 7 1".
    std::string Codes() const;
    int Count(UINT nCode) const;
    // Forgets the notes, answers and action.
    void Reset();

    std::vector<Note> notes;
    // The answer to each code (0 when not given).
    std::map<UINT, LRESULT> answers;
    // Runs inside each notification, after it was noted.
    std::function<void(UINT nCode, LPARAM lParam)> onNotify;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The shared owner, emptied, active and in front.
CPanelOwner& PanelOwner();

// Captions 20 high; items 18 high across the whole band; panel margins 10,
// group spacing 6, group outer margins (1, 2, 3, 4), inner (5, 6, 7, 8), no
// item outer margins. Drawing is the base painter's.
class CFixedPainter : public CXTPTaskPanelPainter
{
public:
    static const int kCaption = 20;
    static const int kItem = 18;

    CFixedPainter();
    void RefreshMetrics() override;
    CRect DrawGroupItem(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bDraw) override;
    // The scroll buttons go in the captions.
    void SetCaptionScrollButtons(BOOL bCaption) { m_bCaptionScrollButton = bCaption; }
};

// A panel of 200 x 300 client pixels (no border) in the shared owner, with a
// fixed painter and animation off, made before and destroyed after each case.
class TaskPanelTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A group "Group <id>" with nLinks links "Link <id>.<i>" of ids id * 100 + i.
    CXTPTaskPanelGroup* AddGroup(UINT nID, int nLinks);
    // The target rectangles of every group, "; "-separated.
    std::string Targets() const;
    // Timer 200 as the system would send it, nTicks times.
    void Tick(int nTicks = 1);
    // A mouse message at the client point.
    void Mouse(UINT message, CPoint pt, UINT nFlags = 0);
    void Key(UINT nChar);
    // The client point in the middle of the item (or group caption), scrolled.
    CPoint CenterOf(CXTPTaskPanelItem* pItem) const;

    CPanelOwner& owner = PanelOwner();
    CXTPTaskPanel* panel = nullptr;
    CFixedPainter* painter = nullptr;
};

// One group open at a time: group a of 20 links (which do not fit), b of 3
// and c of 2, none open yet.
class OneOpenGroupTest : public TaskPanelTest
{
protected:
    void SetUp() override;

    CXTPTaskPanelGroup* a = nullptr;
    CXTPTaskPanelGroup* b = nullptr;
    CXTPTaskPanelGroup* c = nullptr;
};
