// The scrolling of a popup bar cut to the work area: the rows between the up
// and down areas, the timers that move them while the mouse rests on an
// area, and the selection scrolled into view.
#include "toolkit/commandbars/bars/XTPPopupBar.h"

#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlExpandButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// How often a scroll area moves the rows while the mouse rests on it.
const UINT kScrollPeriod = 80;
// The arrow of a scroll area: its tip and the half-width of its base.
const int kArrowSize = 3;

} // namespace

void CXTPPopupBar::UpdateScrolling(const CSize* pSize, BOOL bFromBottom, BOOL bRedraw)
{
    CSize szClient(0, 0);
    if (pSize != NULL)
        szClient = *pSize;
    else if (m_hWnd != NULL)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        szClient = rcClient.Size();
    }

    CXTPControl* pExpandButton = GetExpandButton(FALSE);
    const int nCount = GetControlCount();
    std::vector<XTPPopupRow> rows(nCount);
    for (int i = 0; i < nCount; i++)
    {
        CXTPControl* pControl = GetControl(i);
        XTPPopupRow& row = rows[i];
        row.bVisible = (pControl->GetHideFlags() & ~xtpHideScroll) == 0;
        row.bBeginGroup = pControl->GetBeginGroup();
        row.bExpandButton = pControl == pExpandButton;
        row.rect = pControl->GetRect();
        row.size = row.rect.Size();
    }
    XTPPopupScroll scroll = {m_nFirstShown, m_nLastShown, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0)};
    LayoutScrolledRows(rows, szClient, m_rcColumnBorders, m_nSeparator, bFromBottom, scroll);
    m_nFirstShown = scroll.nFirst;
    m_nLastShown = scroll.nLast;
    m_scrollUp.rc = scroll.rcUp;
    m_scrollDown.rc = scroll.rcDown;

    for (int i = 0; i < nCount; i++)
    {
        const XTPPopupRow& row = rows[i];
        if (!row.bVisible || row.bExpandButton)
            continue;
        CXTPControl* pControl = GetControl(i);
        const DWORD dwHide = pControl->GetHideFlags() & ~xtpHideScroll;
        pControl->SetHideFlags(row.bScrolledOut ? (dwHide | xtpHideScroll) : dwHide);
        if (!row.bScrolledOut)
        {
            pControl->SetRect(row.rect);
            pControl->SetRowRect(row.rect);
        }
    }
    // The expand button stays below the shown rows, the tear-off strip above.
    if (pExpandButton != NULL && m_bHasHiddenControls)
    {
        CRect rc = pExpandButton->GetRect();
        const int nHeight = rc.Height();
        rc.top = szClient.cy - m_rcColumnBorders.bottom;
        rc.bottom = rc.top + nHeight;
        pExpandButton->SetRect(rc);
    }
    if (bRedraw && m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXTPPopupBar::ResetScrolling()
{
    StopScrollTimer(m_scrollUp);
    StopScrollTimer(m_scrollDown);
    m_scrollUp.rc.SetRectEmpty();
    m_scrollDown.rc.SetRectEmpty();
    m_nFirstShown = 0;
    m_nLastShown = GetControlCount();
}

BOOL CXTPPopupBar::SetSelected(int nIndex, BOOL bKeyboard)
{
    CXTPControl* pControl = GetControl(nIndex);
    if (m_bScrolling && pControl != NULL && (pControl->GetHideFlags() & xtpHideScroll))
    {
        if (nIndex >= m_nLastShown)
        {
            m_nLastShown = nIndex + 1;
            UpdateScrolling(NULL, TRUE, TRUE);
        }
        else
        {
            m_nFirstShown = nIndex;
            UpdateScrolling(NULL, FALSE, TRUE);
        }
    }
    return CXTPCommandBar::SetSelected(nIndex, bKeyboard);
}

void CXTPPopupBar::TrackScrollAreas(CPoint point)
{
    for (CScrollArea* pArea : {&m_scrollDown, &m_scrollUp})
    {
        if (!pArea->rc.PtInRect(point))
        {
            StopScrollTimer(*pArea);
            continue;
        }
        if (pArea->nTimer == 0)
            pArea->nTimer = SetTimer(pArea->nTimerId, kScrollPeriod, NULL);
        SetPopuped(-1);
    }
}

void CXTPPopupBar::StopScrollTimer(CScrollArea& area)
{
    if (area.nTimer == 0)
        return;
    if (m_hWnd != NULL)
        KillTimer(area.nTimerId);
    area.nTimer = 0;
}

void CXTPPopupBar::OnScrollTimer(CScrollArea& area)
{
    if (!m_bScrolling)
    {
        StopScrollTimer(area);
        return;
    }
    if (&area == &m_scrollDown)
    {
        if (m_nLastShown >= GetControlCount())
        {
            StopScrollTimer(area);
            return;
        }
        m_nLastShown++;
        UpdateScrolling(NULL, TRUE, TRUE);
        return;
    }
    if (m_nFirstShown <= 0)
    {
        StopScrollTimer(area);
        return;
    }
    m_nFirstShown--;
    UpdateScrolling(NULL, FALSE, TRUE);
}

void CXTPPopupBar::DrawScrollArrow(CDC* pDC, const CScrollArea& area, BOOL bUp)
{
    if (area.rc.IsRectEmpty())
        return;
    const CPoint ptCentre = area.rc.CenterPoint();
    const int nTip = bUp ? -kArrowSize : kArrowSize;
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->Triangle(pDC, CPoint(ptCentre.x, ptCentre.y + nTip), CPoint(ptCentre.x - kArrowSize, ptCentre.y),
                            CPoint(ptCentre.x + kArrowSize, ptCentre.y), XTPGetColor(COLOR_BTNTEXT));
}
