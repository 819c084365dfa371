#include "toolkit/commandbars/docking/XTPDockBar.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/layout/XTPDockRowLayout.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPBufferDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPDockBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPDockBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_ERASEBKGND()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

const DWORD kAlignHorizontal = 0xA000; // CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM

} // namespace

CXTPDockBar::CXTPDockBar(CXTPCommandBars* pCommandBars) : m_dwStyle(0), m_pCommandBars(pCommandBars)
{}

CXTPDockBar::~CXTPDockBar()
{
    for (CXTPToolBar* pBar : m_rows.GetSlots())
    {
        if (pBar != NULL)
            pBar->SetDockBar(NULL);
    }
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CXTPDockBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & 0x40FFFF;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    DWORD dwWindowStyle = (dwStyle & 0xFFFF0000 & ~0x00400000) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateEx(0, lpszClass, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParent, nID);
}

XTPBarPosition CXTPDockBar::GetPosition() const
{
    if ((m_dwStyle & 0x2800) == 0x2800)
        return xtpBarTop;
    if ((m_dwStyle & 0x8200) == 0x8200)
        return xtpBarBottom;
    if ((m_dwStyle & 0x1400) == 0x1400)
        return xtpBarLeft;
    return xtpBarRight;
}

BOOL CXTPDockBar::IsVertical() const
{
    return (m_dwStyle & kAlignHorizontal) == 0;
}

// ---- The bar array ----------------------------------------------------------

int CXTPDockBar::GetDockedCount() const
{
    return m_rows.GetBarCount();
}

int CXTPDockBar::GetDockedVisibleCount() const
{
    const std::vector<CXTPToolBar*>& slots = m_rows.GetSlots();
    return (int)std::count_if(slots.begin(), slots.end(),
                              [](CXTPToolBar* p) { return p != NULL && p->IsVisible(); });
}

void CXTPDockBar::GetRowBars(int nIndex, std::vector<CXTPToolBar*>& bars) const
{
    std::vector<CXTPToolBar*> row;
    m_rows.GetRowAt(nIndex, row);
    bars.clear();
    for (CXTPToolBar* pBar : row)
    {
        if (pBar->IsVisible() && pBar->GetType() == xtpBarTypeNormal)
            bars.push_back(pBar);
    }
    CXTPOrientation orient = GetOrientation();
    std::stable_sort(bars.begin(), bars.end(), [orient](CXTPToolBar* a, CXTPToolBar* b) {
        CRect rcA, rcB;
        a->GetWindowRect(&rcA);
        b->GetWindowRect(&rcB);
        return orient.MainStart(rcA) < orient.MainStart(rcB);
    });
}

void CXTPDockBar::DelayFrameLayout()
{
    CWnd* pParent = GetParent();
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pParent);
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

void CXTPDockBar::RemoveCommandBar(CXTPToolBar* pBar, int nExcept)
{
    if (!m_rows.Remove(pBar, nExcept))
        return;
    if (pBar->GetDockBar() == this)
        pBar->SetDockBar(NULL);
    DelayFrameLayout();
}

void CXTPDockBar::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect)
{
    CXTPDockBar* pOldDockBar = pBar->GetDockBar();
    if (pOldDockBar == this && lpRect != NULL && pBar->m_hWnd != NULL)
    {
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        if (rcWindow == CRect(*lpRect))
            return;
    }
    if (pOldDockBar == this && lpRect == NULL)
        return;

    int nNewIndex;
    if (lpRect == NULL)
    {
        nNewIndex = m_rows.AppendRow(pBar);
        if (pBar->GetBarTracker() != NULL)
            pBar->GetBarTracker()->SetDockedRect(CRect(0, 0, 0, 0));
    }
    else
    {
        CRect rc(*lpRect);
        ScreenToClient(&rc);
        nNewIndex = InsertBar(pBar, rc);
        if (pBar->GetBarTracker() != NULL)
            pBar->GetBarTracker()->SetDockedRect(rc);
    }

    if (pBar->m_hWnd != NULL && ::GetParent(pBar->m_hWnd) != m_hWnd)
        pBar->SetParent(this);

    if (pOldDockBar == this)
        RemoveCommandBar(pBar, nNewIndex);
    else if (pOldDockBar != NULL)
        pOldDockBar->RemoveCommandBar(pBar);

    pBar->SetDockBar(this);
    NormaliseRows();
    DelayFrameLayout();
}

int CXTPDockBar::InsertBar(CXTPToolBar* pBar, const CRect& rc)
{
    // How far across the dock bar each row's visible bars reach.
    CXTPOrientation orient = GetOrientation();
    std::vector<int> arrRowEnds;
    std::vector<CXTPToolBar*> row;
    for (int nRow = 0; nRow < m_rows.GetRowCount(); nRow++)
    {
        m_rows.GetRow(nRow, row);
        int nEnd = 0;
        for (CXTPToolBar* pRowBar : row)
        {
            if (!pRowBar->IsVisible() || pRowBar->m_hWnd == NULL)
                continue;
            CRect rcBar;
            pRowBar->GetWindowRect(&rcBar);
            ScreenToClient(&rcBar);
            nEnd = std::max(nEnd, (int)orient.CrossEnd(rcBar));
        }
        arrRowEnds.push_back(nEnd);
    }
    return m_rows.Insert(pBar, XTPFindDropRow(arrRowEnds, orient.Cross(rc.CenterPoint())));
}

void CXTPDockBar::NormaliseRows()
{
    m_rows.GiveOwnRows([](CXTPToolBar* pBar) { return (pBar->GetFlags() & xtpFlagStretched) != 0; });
}

// ---- Layout -----------------------------------------------------------------

DWORD CXTPDockBar::GetDockMode(CXTPToolBar* pBar) const
{
    DWORD dwMode = IsVertical() ? xtpLayoutVertDock : (xtpLayoutHorz | xtpLayoutHorzDock);
    if (pBar->GetFlags() & xtpFlagStretched)
        dwMode |= xtpLayoutStretch;
    if (pBar->GetFlags() & xtpFlagHideWrap)
    {
        // The customize sheet shows every button (the bar wraps them) so that
        // each can be dragged; an Alt+drag leaves the bars as they stand.
        BOOL bCustomizing = m_pCommandBars != NULL && m_pCommandBars->IsCustomizeMode()
                            && !m_pCommandBars->IsQuickCustomizeMode();
        if (!bCustomizing)
            dwMode |= xtpLayoutHideWrap;
    }
    return dwMode;
}

int CXTPDockBar::AdjustRow(std::vector<CXTPToolBar*>& bars, int nOffset, int nLength, HDWP& hDWP,
                           int& nRemove)
{
    CXTPOrientation orient = GetOrientation();
    std::vector<XTPDockRowBar> row;
    for (size_t i = 0; i < bars.size(); i++)
    {
        CXTPToolBar* pBar = bars[i];
        DWORD dwMode = GetDockMode(pBar);
        CSize size = orient.Turn(pBar->CalcDockingLayout(nLength, dwMode));
        CRect rcDropped = pBar->GetBarTracker() != NULL ? pBar->GetBarTracker()->GetDockedRect() : CRect();
        int nStart = orient.MainStart(rcDropped);
        int nMinLength = nLength;
        if (dwMode & xtpLayoutHideWrap)
            nMinLength = orient.Main(pBar->CalcDockingLayout(1, dwMode));
        XTPDockRowBar record = {(int)i, FindBar(pBar), nStart, size, nMinLength};
        row.push_back(record);
    }

    std::vector<CRect> rects;
    int nRemoveRecord = -1;
    if (!XTPAdjustDockRow(row, nLength, rects, nRemoveRecord))
    {
        nRemove = nRemoveRecord;
        return 0;
    }

    int nThickness = 0;
    for (size_t i = 0; i < bars.size(); i++)
    {
        CSize size = bars[i]->CalcDockingLayout(rects[i].Width(), GetDockMode(bars[i]));
        nThickness = std::max(nThickness, (int)orient.Cross(size));
    }
    for (size_t i = 0; i < bars.size(); i++)
    {
        CXTPToolBar* pBar = bars[i];
        DWORD dwMode = GetDockMode(pBar) | xtpLayoutCommit;
        CSize size = pBar->CalcDockingLayout(rects[i].Width(), dwMode, nThickness);
        CRect rc = orient.Turn(rects[i]);
        orient.Offset(rc, 0, nOffset);
        rc = CRect(rc.TopLeft(), size);
        if (pBar->GetBarTracker() != NULL)
            pBar->GetBarTracker()->SetLastDockPosition(GetPosition());
        if (pBar->m_hWnd != NULL)
        {
            if (hDWP != NULL)
                hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                        SWP_NOZORDER | SWP_NOACTIVATE);
            pBar->Invalidate(FALSE);
        }
    }
    return nThickness;
}

int CXTPDockBar::AdjustRows(std::vector<CXTPToolBar*>& bars, int nOffset, int nLength, HDWP& hDWP)
{
    int nTotal = 0;
    std::vector<CXTPToolBar*> row = bars;
    while (!row.empty())
    {
        std::vector<CXTPToolBar*> overflow;
        int nThickness;
        for (;;)
        {
            int nRemove = -1;
            nThickness = AdjustRow(row, nOffset, nLength, hDWP, nRemove);
            if (nThickness > 0 || nRemove < 0)
                break;
            overflow.insert(overflow.begin(), row[nRemove]);
            row.erase(row.begin() + nRemove);
        }
        nTotal += nThickness;
        nOffset += nThickness;
        row.swap(overflow);
    }
    return nTotal;
}

CSize CXTPDockBar::CalcFixedLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout)
{
    CXTPOrientation orient = GetOrientation();
    CSize size(0, 0);
    if (dwMode & xtpLayoutStretch)
        orient.Main(size) = 32767;

    HDWP hDWP = NULL;
    if ((dwMode & xtpLayoutCommit) && pLayout != NULL && pLayout->hDWP != NULL)
        hDWP = ::BeginDeferWindowPos((int)m_rows.GetSlots().size());

    int nOffset = 0;
    for (int nRow = 0, nRows = GetRowCount(); nRow < nRows; nRow++)
    {
        std::vector<CXTPToolBar*> all, visible;
        GetRow(nRow, all);
        for (CXTPToolBar* pBar : all)
        {
            if (pBar->IsVisible())
                visible.push_back(pBar);
        }
        if (visible.empty())
            continue;
        int nThickness = AdjustRows(visible, nOffset, nLength, hDWP);
        nOffset += nThickness;
    }
    orient.Cross(size) += nOffset;
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);
    return size;
}

LRESULT CXTPDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CXTPOrientation orient = GetOrientation();
    DWORD dwMode = pLayout->bStretch ? xtpLayoutStretch : 0;
    if ((m_dwStyle & 0x04) && (m_dwStyle & 0x01))
        dwMode |= xtpLayoutHorz | xtpLayoutMRUWidth;
    else
        dwMode |= orient.IsVertical() ? xtpLayoutVertDock : (xtpLayoutHorz | xtpLayoutHorzDock);
    if (pLayout->hDWP != NULL)
        dwMode |= xtpLayoutCommit;

    CRect rcAvailable(pLayout->rect);
    int nLength = orient.MainLength(rcAvailable);
    CSize size = CalcFixedLayout(nLength, dwMode, pLayout);
    size.cx = std::min(size.cx, (LONG)rcAvailable.Width());
    size.cy = std::min(size.cy, (LONG)rcAvailable.Height());

    CRect rc = rcAvailable;
    switch (GetPosition())
    {
    case xtpBarTop:
        rc.bottom = rc.top + size.cy;
        pLayout->rect.top += size.cy;
        break;
    case xtpBarBottom:
        rc.top = rc.bottom - size.cy;
        pLayout->rect.bottom -= size.cy;
        break;
    case xtpBarLeft:
        rc.right = rc.left + size.cx;
        pLayout->rect.left += size.cx;
        break;
    default:
        rc.left = rc.right - size.cx;
        pLayout->rect.right -= size.cx;
        break;
    }
    orient.Cross(pLayout->sizeTotal) += orient.Cross(size);
    orient.Main(pLayout->sizeTotal) = std::max(orient.Main(pLayout->sizeTotal), orient.Main(size));
    if (pLayout->hDWP != NULL)
    {
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
        Invalidate(FALSE);
    }
    return 0;
}

// ---- Painting ---------------------------------------------------------------

void CXTPDockBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CXTPPaintManager* pPaintManager =
        m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->FillDockBar(CDC::FromHandle(hDC), this);
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CXTPDockBar::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    HDC hDC = (HDC)wParam;
    CXTPPaintManager* pPaintManager =
        m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->FillDockBar(CDC::FromHandle(hDC), this);
    if (lParam & PRF_CHILDREN)
    {
        for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != NULL;
             hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
        {
            if (!::IsWindowVisible(hWndChild))
                continue;
            CRect rc;
            ::GetWindowRect(hWndChild, &rc);
            ScreenToClient(&rc);
            POINT ptOrigin;
            ::OffsetViewportOrgEx(hDC, rc.left, rc.top, &ptOrigin);
            ::SendMessageA(hWndChild, WM_PRINT, wParam, lParam);
            ::SetViewportOrgEx(hDC, ptOrigin.x, ptOrigin.y, NULL);
        }
    }
    return TRUE;
}

BOOL CXTPDockBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPDockBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCommandBars == NULL)
    {
        CWnd::OnRButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_pCommandBars->ContextMenu(point);
}

void CXTPDockBar::SetSlots(const std::vector<CXTPToolBar*>& arrSlots)
{
    std::vector<CXTPToolBar*> arrAll(arrSlots);
    for (CXTPToolBar* pBar : m_rows.GetSlots())
    {
        if (pBar != NULL && std::find(arrSlots.begin(), arrSlots.end(), pBar) == arrSlots.end())
            arrAll.push_back(pBar);
    }
    for (CXTPToolBar* pBar : arrAll)
    {
        if (pBar == NULL)
            continue;
        CXTPDockBar* pOldDockBar = pBar->GetDockBar();
        if (pOldDockBar != NULL && pOldDockBar != this)
            pOldDockBar->RemoveCommandBar(pBar);
        if (pBar->m_hWnd != NULL && ::GetParent(pBar->m_hWnd) != m_hWnd)
            pBar->SetParent(this);
        pBar->SetDockBar(this);
        pBar->SetBarPosition(GetPosition());
    }
    m_rows.Assign(arrAll);
    NormaliseRows();
    DelayFrameLayout();
}
