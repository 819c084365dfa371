#include "toolkit/tabs/XTPTabStripButton.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include <windowsx.h>

namespace {

// The scroll buttons' arrow near the centre of rc, pointing along the row:
// towards its end for nDirection 1, its start for -1.
void DrawRowArrow(CDC* pDC, CRect rc, BOOL bVertical, int nDirection)
{
    const CXTPOrientation orient(bVertical);
    const CPoint ptCenter = rc.CenterPoint();
    auto at = [&](int nMain, int nCross) { return ptCenter + orient.MakePoint(nMain, nCross); };
    CXTPDrawHelpers::Triangle(pDC, at(-2 * nDirection, -5), at(2 * nDirection, -1), at(-2 * nDirection, 3));
}

} // namespace

CXTPCaptureLoop::Step XTPTabLoopOtherMessage(const MSG& msg)
{
    if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN)
        return CXTPCaptureLoop::finish;
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        return CXTPCaptureLoop::handled;
    return CXTPCaptureLoop::dispatch;
}

CXTPTabStripButton::CXTPTabStripButton(CXTPTabStrip* pStrip, int nKind, int nShowMode)
    : m_nKind(nKind), m_nShowMode(nShowMode), m_szButton(kTabButtonSize), m_pStrip(pStrip), m_rcButton(0, 0, 0, 0),
      m_bEnabled(TRUE), m_bPressed(FALSE), m_bHot(FALSE)
{}

void CXTPTabStripButton::Layout(CRect& rcRow)
{
    LayoutBasic(rcRow);
}

void CXTPTabStripButton::LayoutBasic(CRect& rcRow)
{
    if (m_nShowMode != xtpTabButtonWhenNeeded && m_nShowMode != xtpTabButtonAlways)
        m_rcButton.SetRectEmpty();
    else
        m_rcButton = XTPTabTakeButtonPlace(rcRow, m_pStrip->IsHorizontal(), m_szButton);
}

void CXTPTabStripButton::LayoutScrollButton(CRect& rcRow)
{
    CXTPTabStripPainter* pPainter = m_pStrip->GetPainter();
    if (m_nShowMode == xtpTabButtonWhenNeeded &&
        (pPainter->GetLayout() == xtpTabLayoutCompressed ||
         XTPTabRowFits(m_pStrip->GetTotalTabLength(), m_pStrip->GetScrollOffset(),
                       pPainter->GetAppearanceSet()->GetMargins().left, m_pStrip->GetRowLength(rcRow))))
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    LayoutBasic(rcRow);
}

void CXTPTabStripButton::Draw(CDC* pDC)
{
    if (m_rcButton.IsRectEmpty())
        return;
    CRect rc = m_rcButton;
    m_pStrip->GetPainter()->FillButton(pDC, this, &rc);
    const COLORREF clrGlyph = pDC->GetTextColor();
    CXTPPenDC pen(pDC->GetSafeHdc(), clrGlyph);
    if (m_bEnabled)
    {
        CXTPBrushDC brush(pDC->GetSafeHdc(), clrGlyph);
        DrawGlyph(pDC, rc);
    }
    else
    {
        HGDIOBJ hOldBrush = pDC->SelectObject(::GetStockObject(HOLLOW_BRUSH));
        DrawGlyph(pDC, rc);
        pDC->SelectObject(hOldBrush);
    }
}

void CXTPTabStripButton::UpdatePressed(CPoint point)
{
    const BOOL bPressed = m_rcButton.PtInRect(point);
    if (bPressed == m_bPressed)
        return;
    m_bPressed = bPressed;
    m_pStrip->RedrawHost();
}

void CXTPTabStripButton::Track(HWND hWnd, CPoint point)
{
    if (::GetCapture() != NULL || !m_bEnabled)
        return;
    BOOL bReleasedOver = FALSE;
    CPoint ptLast = point;
    UpdatePressed(ptLast);
    // Each tick of the timer is one repeat step while the button is held.
    ::SetTimer(hWnd, kRepeatTimerId, kRepeatInterval, NULL);
    CXTPCaptureLoop loop(hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    loop.Run([&](MSG& msg) {
        switch (msg.message)
        {
        case WM_TIMER:
            if (msg.hwnd != hWnd || msg.wParam != kRepeatTimerId)
                return CXTPCaptureLoop::dispatch;
            if (m_bEnabled)
                OnClick(TRUE);
            UpdatePressed(ptLast);
            return CXTPCaptureLoop::handled;
        case WM_MOUSEMOVE:
            ptLast = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            UpdatePressed(ptLast);
            return CXTPCaptureLoop::handled;
        case WM_LBUTTONUP:
            bReleasedOver = m_bPressed;
            return CXTPCaptureLoop::finish;
        default:
            return XTPTabLoopOtherMessage(msg);
        }
    });
    ::KillTimer(hWnd, kRepeatTimerId);
    m_bPressed = FALSE;
    OnMouseMove(hWnd, ptLast);
    m_pStrip->RedrawHost();
    if (bReleasedOver)
        OnClick(FALSE);
}

void CXTPTabStripButton::OnMouseMove(HWND hWnd, CPoint point)
{
    const BOOL bInside = m_rcButton.PtInRect(point);
    if (!bInside && m_bHot)
    {
        m_bHot = FALSE;
        m_pStrip->RedrawHost();
    }
    else if (!m_bHot && bInside && m_bEnabled)
    {
        m_bHot = TRUE;
        m_pStrip->RedrawHost();
        TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
}

// ---- Scroll back -----------------------------------------------------------------------------

CXTPTabStripScrollBackButton::CXTPTabStripScrollBackButton(CXTPTabStrip* pStrip)
    : CXTPTabStripButton(pStrip, xtpTabButtonScrollBack, xtpTabButtonWhenNeeded)
{}

void CXTPTabStripScrollBackButton::Layout(CRect& rcRow)
{
    SetEnabled(GetStrip()->GetScrollOffset() < 0);
    LayoutScrollButton(rcRow);
}

void CXTPTabStripScrollBackButton::DrawGlyph(CDC* pDC, CRect rc)
{
    DrawRowArrow(pDC, rc, !GetStrip()->IsHorizontal(), -1);
}

void CXTPTabStripScrollBackButton::OnClick(BOOL bRepeat)
{
    if (bRepeat)
        GetStrip()->SetScrollOffset(GetStrip()->GetScrollOffset() + kTabScrollStep);
}

// ---- Scroll forward ---------------------------------------------------------------------------

CXTPTabStripScrollForwardButton::CXTPTabStripScrollForwardButton(CXTPTabStrip* pStrip)
    : CXTPTabStripButton(pStrip, xtpTabButtonScrollForward, xtpTabButtonWhenNeeded)
{}

void CXTPTabStripScrollForwardButton::Layout(CRect& rcRow)
{
    CXTPTabStrip* pStrip = GetStrip();
    SetEnabled(XTPTabCanScrollForward(pStrip->GetTotalTabLength(), pStrip->GetScrollOffset(),
                                      pStrip->GetRowLength(rcRow)));
    LayoutScrollButton(rcRow);
}

void CXTPTabStripScrollForwardButton::DrawGlyph(CDC* pDC, CRect rc)
{
    DrawRowArrow(pDC, rc, !GetStrip()->IsHorizontal(), 1);
}

void CXTPTabStripScrollForwardButton::OnClick(BOOL bRepeat)
{
    if (bRepeat)
        GetStrip()->SetScrollOffset(GetStrip()->GetScrollOffset() - kTabScrollStep);
}

// ---- Close ------------------------------------------------------------------------------------

CXTPTabStripCloseButton::CXTPTabStripCloseButton(CXTPTabStrip* pStrip)
    : CXTPTabStripButton(pStrip, xtpTabButtonClose, xtpTabButtonHidden)
{}

void CXTPTabStripCloseButton::DrawGlyph(CDC* pDC, CRect rc)
{
    // An X of two-pixel strokes.
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    pDC->MoveTo(l + 3, t + 3);
    pDC->LineTo(r - 4, b - 5);
    pDC->MoveTo(l + 4, t + 3);
    pDC->LineTo(r - 3, b - 5);
    pDC->MoveTo(l + 3, b - 6);
    pDC->LineTo(r - 4, t + 2);
    pDC->MoveTo(l + 4, b - 6);
    pDC->LineTo(r - 3, t + 2);
}

void CXTPTabStripCloseButton::OnClick(BOOL bRepeat)
{
    if (!bRepeat)
        GetStrip()->OnButtonClick(xtpTabButtonClose);
}
