// Speed of a tab strip of 200 tabs: laying it out (measuring every caption)
// and painting it, in each appearance, once with tabs as long as their
// captions (the row scrolls; only the tabs in view are drawn) and once
// compressed to fit (every tab drawn). Each figure is also given as a
// multiple of one BitBlt of the strip's area between two memory DCs, timed in
// the same run, so that figures from machines of different speed compare.
#include "bench/BenchClock.h"
#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"

#include <stdio.h>

#include <algorithm>
#include <functional>

namespace {

const int kTabs = 200;
const CRect kArea(0, 0, 1200, 32);
const int kRepeats = 20;

// A strip without a window: the bench lays it out and paints it itself.
class CBenchStrip : public CXTPTabStrip
{
public:
    void RecalcHostLayout() override {}
    CXTPTabStripPainter* GetPainter() override { return &m_painter; }
    void RedrawHost() override {}
    BOOL DrawItemIcon(CDC*, CPoint, CXTPTabStripItem*, BOOL, CSize&) override { return FALSE; }

    CXTPTabStripPainter m_painter;
};

// The best of five runs of kRepeats calls, in seconds per call.
double Best(const std::function<void()>& work)
{
    double best = 1e9;
    for (int run = 0; run < 5; run++)
    {
        const double start = Now();
        for (int i = 0; i < kRepeats; i++)
            work();
        best = std::min(best, (Now() - start) / kRepeats);
    }
    return best;
}

} // namespace

int main()
{
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CDC source, target;
    source.CreateCompatibleDC(&screen);
    target.CreateCompatibleDC(&screen);
    CBitmap bmpSource, bmpTarget;
    bmpSource.CreateCompatibleBitmap(&screen, kArea.Width(), kArea.Height());
    bmpTarget.CreateCompatibleBitmap(&screen, kArea.Width(), kArea.Height());
    CBitmap* pOldSource = source.SelectObject(&bmpSource);
    CBitmap* pOldTarget = target.SelectObject(&bmpTarget);

    const double blit = Best([&] {
        target.BitBlt(0, 0, kArea.Width(), kArea.Height(), &source, 0, 0, SRCCOPY);
        ::GdiFlush();
    });
    printf("Tab strip of %d tabs in %d x %d (best of 5 x %d; one BitBlt of the area: %.1f us):\n", kTabs,
           kArea.Width(), kArea.Height(), kRepeats, blit * 1e6);
    printf("  appearance  layout sized   paint sized    layout compr.  paint compressed\n");
    for (int nAppearance = 0; nAppearance <= xtpTabAppearanceStacked; nAppearance++)
    {
        double figures[4];
        for (int nLayout = 0; nLayout < 2; nLayout++)
        {
            CBenchStrip strip;
            strip.m_painter.SetAppearanceById(nAppearance);
            strip.m_painter.SetLayout(nLayout == 0 ? xtpTabLayoutAutoSize : xtpTabLayoutCompressed);
            for (int i = 0; i < kTabs; i++)
            {
                CString strCaption;
                strCaption.Format("Document %d", i + 1);
                strip.InsertItem(-1)->SetText(strCaption);
            }
            strip.GetItem(kTabs / 2)->Select();
            figures[nLayout * 2] = Best([&] { strip.m_painter.RepositionTabStrip(&strip, &target, kArea); });
            figures[nLayout * 2 + 1] = Best([&] {
                strip.m_painter.DrawTabStrip(&strip, &target, kArea);
                ::GdiFlush();
            });
        }
        printf("  %d         ", nAppearance);
        for (double seconds : figures)
            printf(" %6.0f us %5.0fx", seconds * 1e6, seconds / blit);
        printf("\n");
    }

    source.SelectObject(pOldSource);
    target.SelectObject(pOldTarget);
    ::ReleaseDC(NULL, screen.Detach());
    return 0;
}
