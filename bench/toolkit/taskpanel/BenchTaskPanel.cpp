// Speed of the task panel: laying out and painting a panel of 50 groups of
// 20 items, each figure also given as a multiple of one BitBlt of the same
// area timed in the same run, so that machines of different speed compare;
// the layout at 5, 10 and 20 items a group, to show that it grows in step
// with the items; and the settings stores (BenchExchange.cpp).
#include "bench/BenchClock.h"
#include "bench/toolkit/taskpanel/BenchExchange.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <stdio.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace {

const int kGroups = 50;
const int kItemsPerGroup = 20;
const CSize kPanelSize(320, 800);
// Four times the items may take at most this many times as long.
const double kGrowthTarget = 5;

// The best of several runs, in seconds.
double Best(int nRuns, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < nRuns; i++)
    {
        const double start = Now();
        work();
        ::GdiFlush();
        best = std::min(best, Now() - start);
    }
    return best;
}

// A visible top-level window holding a panel of kGroups groups of nItems links.
class CBenchHost
{
public:
    explicit CBenchHost(int nItems)
    {
        m_host.CreateEx(0, AfxRegisterWndClass(0), "task panel bench", WS_POPUP | WS_VISIBLE,
                        CRect(CPoint(0, 0), kPanelSize), NULL, 0);
        m_panel.SetAnimation(1);
        m_panel.Create(WS_CHILD | WS_VISIBLE, CRect(CPoint(0, 0), kPanelSize), &m_host, 1);
        m_panel.LockRedraw(TRUE);
        for (int g = 0; g < kGroups; g++)
        {
            CXTPTaskPanelGroup* pGroup = m_panel.AddGroup(g + 1);
            pGroup->SetCaption(("Group number " + std::to_string(g + 1)).c_str());
            for (int i = 0; i < nItems; i++)
                pGroup->AddLinkItem(1000 * (g + 1) + i)->SetCaption(("A link of some length " + std::to_string(i)).c_str());
        }
        m_panel.LockRedraw(FALSE);
    }
    ~CBenchHost()
    {
        m_panel.DestroyWindow();
        m_host.DestroyWindow();
    }
    CXTPTaskPanel& Panel() { return m_panel; }

private:
    CWnd m_host;
    CXTPTaskPanel m_panel;
};

// A memory picture of the window's kind, for drawing off screen.
class CMemoryPicture
{
public:
    CMemoryPicture(CWnd& wnd, CSize size) : m_dcWindow(&wnd)
    {
        m_dc.CreateCompatibleDC(&m_dcWindow);
        m_bitmap.CreateCompatibleBitmap(&m_dcWindow, size.cx, size.cy);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    }
    ~CMemoryPicture() { m_dc.SelectObject(m_pOldBitmap); }
    CDC& DC() { return m_dc; }
    CDC& WindowDC() { return m_dcWindow; }

private:
    CClientDC m_dcWindow;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};

// One BitBlt of a memory picture of the size onto the window, in seconds.
double BitBltOnto(CWnd& wnd, CSize size)
{
    CMemoryPicture picture(wnd, size);
    picture.DC().FillSolidRect(0, 0, size.cx, size.cy, RGB(200, 210, 220));
    return Best(50, [&] { picture.WindowDC().BitBlt(0, 0, size.cx, size.cy, &picture.DC(), 0, 0, SRCCOPY); });
}

double Layout(CXTPTaskPanel& panel)
{
    return Best(10, [&] { panel.Reposition(FALSE); });
}

void Report(const char* what, double seconds, double blitSeconds)
{
    printf("  %s %.2f ms = %.1fx one BitBlt of the panel's area\n", what, seconds * 1000, seconds / blitSeconds);
}

} // namespace

int main()
{
    printf("task panel: %d groups of %d links in a %d x %d panel\n", kGroups, kItemsPerGroup, (int)kPanelSize.cx,
           (int)kPanelSize.cy);
    double layoutSeconds[3] = {};
    const int itemCounts[3] = {5, 10, kItemsPerGroup};
    for (int i = 0; i < 3; i++)
    {
        CBenchHost host(itemCounts[i]);
        layoutSeconds[i] = Layout(host.Panel());
        if (itemCounts[i] != kItemsPerGroup)
            continue;
        CXTPTaskPanel& panel = host.Panel();
        const double blit = BitBltOnto(panel, kPanelSize);
        printf("  one BitBlt of %d x %d: %.3f ms\n", (int)kPanelSize.cx, (int)kPanelSize.cy, blit * 1000);
        Report("layout", layoutSeconds[i], blit);
        const double paint = Best(10, [&] { panel.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); });
        Report("paint of the panel on screen", paint, blit);
        // The whole content, every group drawn, into a picture as tall as it.
        const CSize szContent(kPanelSize.cx, panel.GetClientHeight());
        CMemoryPicture content(panel, szContent);
        const double print =
            Best(5, [&] { panel.SendMessage(WM_PRINT, (WPARAM)content.DC().GetSafeHdc(), PRF_CLIENT); });
        printf("  paint of all %d rows of content (every group): %.2f ms = %.1fx one BitBlt of the panel's area\n",
               (int)szContent.cy, print * 1000, print / blit);
    }
    for (int i = 0; i < 3; i++)
        printf("  layout of %d links: %.2f ms, %.2f us a link\n", kGroups * itemCounts[i], layoutSeconds[i] * 1000,
               layoutSeconds[i] * 1e6 / (kGroups * itemCounts[i]));
    const double growth = layoutSeconds[2] / layoutSeconds[0];
    printf("  growth 4x links: %.2fx layout time (target at most %.0fx: %s)\n", growth, kGrowthTarget,
           growth <= kGrowthTarget ? "met" : "MISSED");
    BenchExchange();
    return 0;
}
