#pragma once
// Hosts of a tab strip for the tests. CTabTestStrip is a strip without a
// window that lays itself out in a rectangle of its own (for layout and
// pixel tests into a PixelCanvas); CTabTestHost is a visible popup window
// deriving from the strip, as a tab workspace does, for the mouse loops, hot
// tracking and tool tips. Both count their layouts and repaints and record
// the close-button clicks.
//
//     CTabTestStrip strip(CRect(0, 0, 300, 100));
//     strip.AddTabs({"One", "Two"});
//     strip.Paint(canvas);                      // lays out, then draws
#include "TabTestPrinters.h"
#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"

#include "framework/Window.h"

#include <initializer_list>
#include <vector>

class PixelCanvas;

class CTabTestStrip : public CXTPTabStrip
{
public:
    explicit CTabTestStrip(const CRect& rcStrip = CRect(0, 0, 300, 100));

    // Lays the strip out in its rectangle (measuring on a screen DC).
    void RecalcHostLayout() override;
    CXTPTabStripPainter* GetPainter() override { return &m_painter; }
    void RedrawHost() override { m_nRedraws++; }
    // Icons are measured when the painter shows them; a tab's own icon is drawn.
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabStripItem* pItem, BOOL bDraw, CSize& sz) override;
    void OnButtonClick(int nKind) override { m_arrButtonClicks.push_back(nKind); }

    // Tabs of a fixed 70 pixels in rows 30 high, without icons: at the top
    // with appearance 0, tab i stands at x = 2 + 70 i, y = 3 .. 33.
    void UseFixedTabs();
    // Appends a tab per caption.
    void AddTabs(std::initializer_list<const char*> captions);
    // Lays out and draws the strip into the canvas at its rectangle.
    void Paint(PixelCanvas& canvas);
    // Every tab's caption in order, joined by spaces.
    CString Order() const;

    CXTPTabStripPainter m_painter;
    CRect m_rcStrip;
    int m_nLayouts = 0;
    int m_nRedraws = 0;
    std::vector<int> m_arrButtonClicks;
};

class CTabTestHost : public CWnd, public CTabTestStrip
{
public:
    // A visible popup window whose client area is the strip's rectangle.
    explicit CTabTestHost(CSize size = CSize(400, 120));
    ~CTabTestHost() override;

    void RecalcHostLayout() override;
    void RedrawHost() override;

    // Presses the left button at the point (the strip's OnMouseDown); the
    // loops run on the messages posted before.
    BOOL Press(CPoint point) { return OnMouseDown(m_hWnd, point, FALSE); }
    // Posts a mouse message at the point to this window.
    void PostMouse(UINT nMessage, CPoint point);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT, CPoint point) { OnMouseDown(m_hWnd, point, FALSE); }
    afx_msg void OnMouseMove(UINT, CPoint point) { CXTPTabStrip::OnMouseMove(m_hWnd, point); }
    afx_msg void OnMouseLeave() { CXTPTabStrip::OnMouseMove(m_hWnd, CPoint(-1, -1)); }
    DECLARE_MESSAGE_MAP()
};

// The center of a tab's rectangle.
inline CPoint CenterOf(CXTPTabStripItem* pItem)
{
    return pItem->GetRect().CenterPoint();
}
