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

// Along and across the dock bar: a vertical dock bar swaps the axes.
CSize Oriented(CSize size, BOOL bVertical)
{
    return bVertical ? CSize(size.cy, size.cx) : size;
}

CRect Oriented(const CRect& rc, BOOL bVertical)
{
    return bVertical ? CRect(rc.top, rc.left, rc.bottom, rc.right) : rc;
}

} // namespace

CXTPDockBar::CXTPDockBar(CXTPCommandBars* pCommandBars) : m_dwStyle(0), m_pCommandBars(pCommandBars)
{
    m_arrBars.push_back(NULL);
}

CXTPDockBar::~CXTPDockBar()
{
    for (CXTPToolBar* pBar : m_arrBars)
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

int CXTPDockBar::FindBar(CXTPToolBar* pBar, int nExcept) const
{
    for (int i = 0; i < (int)m_arrBars.size(); i++)
    {
        if (m_arrBars[i] == pBar && i != nExcept)
            return i;
    }
    return -1;
}

int CXTPDockBar::GetDockedCount() const
{
    return (int)std::count_if(m_arrBars.begin(), m_arrBars.end(), [](CXTPToolBar* p) { return p != NULL; });
}

int CXTPDockBar::GetDockedVisibleCount() const
{
    return (int)std::count_if(m_arrBars.begin(), m_arrBars.end(),
                              [](CXTPToolBar* p) { return p != NULL && p->IsVisible(); });
}

int CXTPDockBar::GetRowCount() const
{
    int nRows = 0;
    for (size_t i = 1; i < m_arrBars.size(); i++)
    {
        if (m_arrBars[i] == NULL && m_arrBars[i - 1] != NULL)
            nRows++;
    }
    return nRows;
}

void CXTPDockBar::GetRow(int nRow, std::vector<CXTPToolBar*>& bars) const
{
    bars.clear();
    int nCurrent = 0;
    for (size_t i = 1; i < m_arrBars.size(); i++)
    {
        if (m_arrBars[i] == NULL)
        {
            if (m_arrBars[i - 1] != NULL && nCurrent++ == nRow)
                return;
            continue;
        }
        if (nCurrent == nRow)
            bars.push_back(m_arrBars[i]);
    }
}

void CXTPDockBar::GetRowBars(int nIndex, std::vector<CXTPToolBar*>& bars) const
{
    bars.clear();
    if (nIndex < 0 || nIndex >= (int)m_arrBars.size())
        return;
    int nFirst = nIndex;
    while (nFirst > 0 && m_arrBars[nFirst - 1] != NULL)
        nFirst--;
    for (int i = nFirst; i < (int)m_arrBars.size() && m_arrBars[i] != NULL; i++)
    {
        CXTPToolBar* pBar = m_arrBars[i];
        if (pBar->IsVisible() && pBar->GetType() == xtpBarTypeNormal)
            bars.push_back(pBar);
    }
    BOOL bVertical = IsVertical();
    std::stable_sort(bars.begin(), bars.end(), [bVertical](CXTPToolBar* a, CXTPToolBar* b) {
        CRect rcA, rcB;
        a->GetWindowRect(&rcA);
        b->GetWindowRect(&rcB);
        return bVertical ? rcA.top < rcB.top : rcA.left < rcB.left;
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
    int nIndex = FindBar(pBar, nExcept);
    if (nIndex < 0)
        return;
    m_arrBars.erase(m_arrBars.begin() + nIndex);
    // An emptied row: the NULLs before and at the place meet.
    if (nIndex > 0 && nIndex < (int)m_arrBars.size() && m_arrBars[nIndex - 1] == NULL
        && m_arrBars[nIndex] == NULL)
        m_arrBars.erase(m_arrBars.begin() + nIndex);
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
        m_arrBars.push_back(pBar);
        m_arrBars.push_back(NULL);
        nNewIndex = (int)m_arrBars.size() - 2;
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
    BOOL bVertical = IsVertical();
    CPoint ptCentre = rc.CenterPoint();
    int c = bVertical ? ptCentre.x : ptCentre.y;

    // Rows outward from the edge; each reaches as far as its farthest bar.
    int nPreviousExtent = 0;
    int nExtent = 0;
    int nRowStart = 1;
    for (int i = 1; i < (int)m_arrBars.size(); i++)
    {
        CXTPToolBar* pRowBar = m_arrBars[i];
        if (pRowBar != NULL)
        {
            if (pRowBar->IsVisible() && pRowBar->m_hWnd != NULL)
            {
                CRect rcBar;
                pRowBar->GetWindowRect(&rcBar);
                ScreenToClient(&rcBar);
                nExtent = std::max(nExtent, (int)(bVertical ? rcBar.right : rcBar.bottom));
            }
            continue;
        }
        if (m_arrBars[i - 1] == NULL)
        {
            nRowStart = i + 1;
            continue;
        }
        if (c < nExtent)
        {
            // On the boundary with the row before (or before the first
            // row): a new row opens there; else the bar joins this row.
            if (c <= nPreviousExtent)
                m_arrBars.insert(m_arrBars.begin() + nRowStart, NULL);
            m_arrBars.insert(m_arrBars.begin() + nRowStart, pBar);
            return nRowStart;
        }
        nPreviousExtent = nExtent;
        nRowStart = i + 1;
    }
    m_arrBars.push_back(pBar);
    m_arrBars.push_back(NULL);
    return (int)m_arrBars.size() - 2;
}

void CXTPDockBar::NormaliseRows()
{
    for (int i = 1; i < (int)m_arrBars.size(); i++)
    {
        CXTPToolBar* pBar = m_arrBars[i];
        if (pBar == NULL || !(pBar->GetFlags() & xtpFlagStretched))
            continue;
        if (m_arrBars[i - 1] != NULL)
        {
            m_arrBars.insert(m_arrBars.begin() + i, NULL);
            i++;
        }
        if (i + 1 < (int)m_arrBars.size() && m_arrBars[i + 1] != NULL)
            m_arrBars.insert(m_arrBars.begin() + i + 1, NULL);
    }
}

// ---- Layout -----------------------------------------------------------------

DWORD CXTPDockBar::GetDockMode(CXTPToolBar* pBar) const
{
    DWORD dwMode = IsVertical() ? xtpLayoutVertDock : (xtpLayoutHorz | xtpLayoutHorzDock);
    if (pBar->GetFlags() & xtpFlagStretched)
        dwMode |= xtpLayoutStretch;
    if (pBar->GetFlags() & xtpFlagHideWrap)
    {
        BOOL bCustomizing = m_pCommandBars != NULL && m_pCommandBars->IsCustomizeMode();
        if (!bCustomizing)
            dwMode |= xtpLayoutHideWrap;
    }
    return dwMode;
}

int CXTPDockBar::AdjustRow(std::vector<CXTPToolBar*>& bars, int nOffset, int nLength, HDWP& hDWP,
                           int& nRemove)
{
    BOOL bVertical = IsVertical();
    std::vector<XTPDockRowBar> row;
    for (size_t i = 0; i < bars.size(); i++)
    {
        CXTPToolBar* pBar = bars[i];
        DWORD dwMode = GetDockMode(pBar);
        CSize size = Oriented(pBar->CalcDockingLayout(nLength, dwMode), bVertical);
        CRect rcDropped = pBar->GetBarTracker() != NULL ? pBar->GetBarTracker()->GetDockedRect() : CRect();
        int nStart = bVertical ? rcDropped.top : rcDropped.left;
        int nMinLength = nLength;
        if (dwMode & xtpLayoutHideWrap)
            nMinLength = Oriented(pBar->CalcDockingLayout(1, dwMode), bVertical).cx;
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
        CSize size = Oriented(bars[i]->CalcDockingLayout(rects[i].Width(), GetDockMode(bars[i])), bVertical);
        nThickness = std::max(nThickness, (int)size.cy);
    }
    for (size_t i = 0; i < bars.size(); i++)
    {
        CXTPToolBar* pBar = bars[i];
        DWORD dwMode = GetDockMode(pBar) | xtpLayoutCommit;
        CSize size = pBar->CalcDockingLayout(rects[i].Width(), dwMode, nThickness);
        CRect rc = Oriented(rects[i], bVertical);
        rc.OffsetRect(bVertical ? nOffset : 0, bVertical ? 0 : nOffset);
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
    BOOL bVertical = IsVertical();
    CSize size(0, 0);
    if (dwMode & xtpLayoutStretch)
        (bVertical ? size.cy : size.cx) = 32767;

    HDWP hDWP = NULL;
    if ((dwMode & xtpLayoutCommit) && pLayout != NULL && pLayout->hDWP != NULL)
        hDWP = ::BeginDeferWindowPos((int)m_arrBars.size());

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
    (bVertical ? size.cx : size.cy) += nOffset;
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);
    return size;
}

LRESULT CXTPDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    BOOL bVertical = IsVertical();
    DWORD dwMode = pLayout->bStretch ? xtpLayoutStretch : 0;
    if ((m_dwStyle & 0x04) && (m_dwStyle & 0x01))
        dwMode |= xtpLayoutHorz | xtpLayoutMRUWidth;
    else
        dwMode |= bVertical ? xtpLayoutVertDock : (xtpLayoutHorz | xtpLayoutHorzDock);
    if (pLayout->hDWP != NULL)
        dwMode |= xtpLayoutCommit;

    CRect rcAvailable(pLayout->rect);
    int nLength = bVertical ? rcAvailable.Height() : rcAvailable.Width();
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
    if (bVertical)
    {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
    }
    else
    {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
    }
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
    // The tool-bars context menu comes with the popup bars.
    CWnd::OnRButtonDown(nFlags, point);
}

void CXTPDockBar::SetSlots(const std::vector<CXTPToolBar*>& arrSlots)
{
    std::vector<CXTPToolBar*> arrAll(arrSlots);
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (pBar != NULL && std::find(arrSlots.begin(), arrSlots.end(), pBar) == arrSlots.end())
            arrAll.push_back(pBar);
    }
    m_arrBars.assign(1, NULL);
    for (CXTPToolBar* pBar : arrAll)
    {
        if (pBar == NULL)
        {
            if (m_arrBars.back() != NULL)
                m_arrBars.push_back(NULL);
            continue;
        }
        CXTPDockBar* pOldDockBar = pBar->GetDockBar();
        if (pOldDockBar != NULL && pOldDockBar != this)
            pOldDockBar->RemoveCommandBar(pBar);
        if (pBar->m_hWnd != NULL && ::GetParent(pBar->m_hWnd) != m_hWnd)
            pBar->SetParent(this);
        pBar->SetDockBar(this);
        pBar->SetBarPosition(GetPosition());
        m_arrBars.push_back(pBar);
    }
    if (m_arrBars.back() != NULL)
        m_arrBars.push_back(NULL);
    NormaliseRows();
    DelayFrameLayout();
}
