#include "framework/controls/CSplitterWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/window/CPaintDC.h"
#include "framework/window/WindowClasses.h"
#include "framework/window/CFrameWnd.h"
#include "framework/window/CView.h"
#include "framework/window/ShownPanes.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_KEYDOWN()
ON_WM_SETTINGCHANGE()
ON_WM_SETFOCUS()
ON_COMMAND_RANGE(ID_NEXT_PANE, ID_PREV_PANE, OnNextPaneCmd)
ON_UPDATE_COMMAND_UI_RANGE(ID_NEXT_PANE, ID_PREV_PANE, OnUpdateNextPaneCmd)
END_MESSAGE_MAP()

// Most rows and columns a splitter holds (the hit codes have room for 15 bars each way).
static const int kMaxTracks = 16;
// What a pane with its own edge is widened by on each side, so that the edge covers the border.
static const int kOwnEdgeWidth = 2;

CSplitterWnd::CSplitterWnd()
    : m_nMaxRows(0), m_nMaxCols(0), m_nRows(0), m_nCols(0), m_bHasHScroll(FALSE), m_bHasVScroll(FALSE),
      m_pColInfo(NULL), m_pRowInfo(NULL), m_cxSplitter(7), m_cySplitter(7), m_cxBorderShare(0),
      m_cyBorderShare(0), m_cxSplitterGap(7), m_cySplitterGap(7), m_cxBorder(2), m_cyBorder(2),
      m_bTracking(FALSE), m_bTracking2(FALSE), m_htTrack(noHit)
{}

CSplitterWnd::~CSplitterWnd()
{
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
}

static CSplitterWnd::CRowColInfo* NewTracks(int count)
{
    CSplitterWnd::CRowColInfo* tracks = new CSplitterWnd::CRowColInfo[count];
    for (int i = 0; i < count; i++)
    {
        tracks[i].nMinSize = 0;
        tracks[i].nIdealSize = 0;
        tracks[i].nCurSize = -1;
    }
    return tracks;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nRows > kMaxTracks || nCols < 1 || nCols > kMaxTracks || m_pRowInfo != NULL)
        return FALSE;
    m_nRows = m_nMaxRows = nRows;
    m_nCols = m_nMaxCols = nCols;
    m_pRowInfo = NewTracks(nRows);
    m_pColInfo = NewTracks(nCols);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    return Create(lpszClass, NULL, dwStyle | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || GetPane(row, col) != NULL)
        return FALSE;
    m_pColInfo[col].nIdealSize = sizeInit.cx;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;
    CWnd* pWnd = NULL;
    try
    {
        pWnd = (CWnd*)pViewClass->CreateObject();
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    if (pWnd == NULL)
        return FALSE;
    // The splitter draws the pane's border itself. A window whose creation fails is cleaned up
    // by its own destruction steps.
    CRect rect(CPoint(0, 0), sizeInit);
    if (!pWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, this, IdFromRowCol(row, col), pContext))
        return FALSE;
    // The initial size is the pane window's. A pane with its own edge covers the splitter's
    // border around its cell, so its cell is that much smaller: a size read back from the
    // window then gives the same window again.
    if (HasOwnEdge(pWnd))
    {
        m_pColInfo[col].nIdealSize = std::max(0, (int)sizeInit.cx - 2 * kOwnEdgeWidth);
        m_pRowInfo[row].nIdealSize = std::max(0, (int)sizeInit.cy - 2 * kOwnEdgeWidth);
    }
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_ROWCOL(row, col);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    HWND hWnd = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hWnd != NULL ? CWnd::FromHandle(hWnd) : NULL;
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int offset = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    int row = offset / 16;
    int col = offset % 16;
    if (offset < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow != NULL)
        *pRow = row;
    if (pCol != NULL)
        *pCol = col;
    return TRUE;
}

// ---- Geometry -----------------------------------------------------------------------------------

void CSplitterWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(rect);
}

CRect CSplitterWnd::GetPaneArea() const
{
    CRect area;
    GetInsideRect(area);
    area.DeflateRect(m_cxBorder, m_cyBorder);
    return area;
}

CRect CSplitterWnd::GetCellRect(int row, int col) const
{
    CRect area = GetPaneArea();
    int left = SplitterGeometry::TrackStart(m_pColInfo, col, area.left, m_cxSplitterGap);
    int top = SplitterGeometry::TrackStart(m_pRowInfo, row, area.top, m_cySplitterGap);
    return CRect(left, top, left + m_pColInfo[col].nCurSize, top + m_pRowInfo[row].nCurSize);
}

CRect CSplitterWnd::GetRowBarRect(int row) const
{
    CRect inside;
    GetInsideRect(inside);
    int top = GetCellRect(row, 0).bottom;
    return CRect(inside.left, top, inside.right, top + m_cySplitterGap);
}

CRect CSplitterWnd::GetColumnBarRect(int col) const
{
    CRect inside;
    GetInsideRect(inside);
    int left = GetCellRect(0, col).right;
    return CRect(left, inside.top, left + m_cxSplitterGap, inside.bottom);
}

BOOL CSplitterWnd::HasOwnEdge(CWnd* pWnd) const
{
    return (pWnd->GetExStyle() & WS_EX_CLIENTEDGE) != 0 || pWnd->IsKindOf(RUNTIME_CLASS(CSplitterWnd));
}

// A pane that moves paints itself afresh instead of taking its old pixels along: the batch
// is carried out one window at a time, and a neighbour placed before it (a pane growing into
// the room it leaves) has already drawn its frame over the place those pixels come from. A
// pane that keeps its place keeps its pixels, which no neighbour covers.
static UINT PanePositionFlags(const CRect& current, const CRect& wanted)
{
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    return current.TopLeft() == wanted.TopLeft() ? flags : flags | SWP_NOCOPYBITS;
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_pRowInfo == NULL)
        return;
    CRect area = GetPaneArea();
    SplitterGeometry::Layout(m_pColInfo, m_nCols, area.Width(), m_cxSplitterGap);
    SplitterGeometry::Layout(m_pRowInfo, m_nRows, area.Height(), m_cySplitterGap);

    HDWP hDWP = ::BeginDeferWindowPos(m_nRows * m_nCols);
    for (int row = 0; row < m_nRows; row++)
    {
        for (int col = 0; col < m_nCols; col++)
        {
            CWnd* pPane = GetPane(row, col);
            if (pPane == NULL)
                continue;
            CRect rect = GetCellRect(row, col);
            rect.InflateRect(m_cxBorderShare, m_cyBorderShare);
            if (HasOwnEdge(pPane))
                rect.InflateRect(kOwnEdgeWidth, kOwnEdgeWidth);
            CRect current;
            pPane->GetWindowRect(current);
            ScreenToClient(current);
            if (current != rect && hDWP != NULL)
                hDWP = ::DeferWindowPos(hDWP, pPane->m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                        rect.Height(), PanePositionFlags(current, rect));
        }
    }
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);

    CRect inside;
    GetInsideRect(inside);
    DrawAllSplitBars(NULL, inside.right, inside.bottom);
    KeepActivationShown();
}

void CSplitterWnd::KeepActivationShown()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL)
        return;
    CView* pActiveView = pFrame->GetActiveView();
    if (pActiveView != NULL && ::IsChild(m_hWnd, pActiveView->m_hWnd))
        pFrame->EnsureActiveViewShown();
    // The frame hands the focus on to its active view, a shown one.
    const HWND hFocus = ::GetFocus();
    if (hFocus != NULL && ::IsChild(m_hWnd, hFocus) && !IsShownInTopLevel(hFocus))
        pFrame->SetFocus();
}

// ---- Drawing ----------------------------------------------------------------------------------

void CSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (pDC == NULL)
    {
        RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    CRect rc(rect);
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    switch (nType)
    {
    case splitBorder:
        // Sunken: the panes lie below the splitter's surface.
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DLIGHT));
        break;
    case splitBox:
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, face);
        break;
    case splitBar:
    case splitIntersection:
        pDC->FillSolidRect(rc, face);
        break;
    }
}

void CSplitterWnd::DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside)
{
    for (int row = 0; row < m_nRows - 1; row++)
    {
        CRect bar = GetRowBarRect(row);
        bar.right = cxInside;
        OnDrawSplitter(pDC, splitBar, bar);
    }
    for (int col = 0; col < m_nCols - 1; col++)
    {
        CRect bar = GetColumnBarRect(col);
        bar.bottom = cyInside;
        OnDrawSplitter(pDC, splitBar, bar);
    }
    for (int row = 0; row < m_nRows - 1; row++)
    {
        for (int col = 0; col < m_nCols - 1; col++)
        {
            CRect crossing;
            crossing.IntersectRect(GetRowBarRect(row), GetColumnBarRect(col));
            OnDrawSplitter(pDC, splitIntersection, crossing);
        }
    }
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect inside;
    GetInsideRect(inside);
    DrawAllSplitBars(&dc, inside.right, inside.bottom);
    for (int row = 0; row < m_nRows; row++)
    {
        for (int col = 0; col < m_nCols; col++)
        {
            CRect border = GetCellRect(row, col);
            border.InflateRect(m_cxBorder, m_cyBorder);
            OnDrawSplitter(&dc, splitBorder, border);
        }
    }
}

void CSplitterWnd::OnInvertTracker(const CRect& rect)
{
    // A cache DC without child clipping: the tracker crosses the panes.
    HDC hDC = ::GetDCEx(m_hWnd, NULL, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    CBrush* pOldBrush = dc.SelectObject(CDC::GetHalftoneBrush());
    dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    dc.SelectObject(pOldBrush);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

// ---- Hit testing and tracking -----------------------------------------------------------------

static BOOL IsRowBar(int ht)
{
    return ht >= CSplitterWnd::vSplitterBar1 && ht <= CSplitterWnd::vSplitterBar15;
}

static BOOL IsColumnBar(int ht)
{
    return ht >= CSplitterWnd::hSplitterBar1 && ht <= CSplitterWnd::hSplitterBar15;
}

static BOOL IsIntersection(int ht)
{
    return ht >= CSplitterWnd::splitterIntersection1 && ht <= CSplitterWnd::splitterIntersection225;
}

int CSplitterWnd::HitTest(CPoint pt) const
{
    CRect inside;
    GetInsideRect(inside);
    if (!inside.PtInRect(pt))
        return noHit;
    CRect area = GetPaneArea();
    int row = SplitterGeometry::GapAt(m_pRowInfo, m_nRows, area.top, m_cySplitterGap, pt.y);
    int col = SplitterGeometry::GapAt(m_pColInfo, m_nCols, area.left, m_cxSplitterGap, pt.x);
    if (row >= 0 && col >= 0)
        return splitterIntersection1 + row * 15 + col;
    if (row >= 0)
        return vSplitterBar1 + row;
    if (col >= 0)
        return hSplitterBar1 + col;
    return noHit;
}

void CSplitterWnd::GetHitRect(int ht, CRect& rect)
{
    m_ptTrackOffset = CPoint(0, 0);
    if (IsRowBar(ht))
    {
        int row = ht - vSplitterBar1;
        CRect bar = GetRowBarRect(row);
        rect.SetRect(bar.left, bar.top + 1, bar.right, bar.top + 1 + m_cySplitter);
        m_rectLimit.top = GetCellRect(row, 0).top + 1;
        m_rectLimit.bottom = GetCellRect(row + 1, 0).bottom - m_cySplitterGap + 1;
        m_ptTrackOffset.y = 1 - m_cySplitterGap / 2;
    }
    else if (IsColumnBar(ht))
    {
        int col = ht - hSplitterBar1;
        CRect bar = GetColumnBarRect(col);
        rect.SetRect(bar.left + 1, bar.top, bar.left + 1 + m_cxSplitter, bar.bottom);
        m_rectLimit.left = GetCellRect(0, col).left + 1;
        m_rectLimit.right = GetCellRect(0, col + 1).right - m_cxSplitterGap + 1;
        m_ptTrackOffset.x = 1 - m_cxSplitterGap / 2;
    }
    else if (IsIntersection(ht))
    {
        int index = ht - splitterIntersection1;
        rect.IntersectRect(GetRowBarRect(index / 15), GetColumnBarRect(index % 15));
    }
    else
    {
        rect.SetRectEmpty();
    }
}

void CSplitterWnd::SetSplitCursor(int ht)
{
    LPCTSTR cursor = IDC_ARROW;
    if (ht == vSplitterBox || IsRowBar(ht))
        cursor = IDC_SIZENS;
    else if (ht == hSplitterBox || IsColumnBar(ht))
        cursor = IDC_SIZEWE;
    else if (ht == bothSplitterBox || IsIntersection(ht))
        cursor = IDC_SIZEALL;
    ::SetCursor(::LoadCursor(NULL, cursor));
}

void CSplitterWnd::StartTracking(int ht)
{
    if (ht == noHit || m_bTracking)
        return;
    GetInsideRect(m_rectLimit);
    if (IsIntersection(ht))
    {
        int index = ht - splitterIntersection1;
        GetHitRect(vSplitterBar1 + index / 15, m_rectTracker);
        int offsetY = m_ptTrackOffset.y;
        GetHitRect(hSplitterBar1 + index % 15, m_rectTracker2);
        m_ptTrackOffset.y = offsetY;
        m_bTracking2 = TRUE;
    }
    else if (IsRowBar(ht) || IsColumnBar(ht))
    {
        GetHitRect(ht, m_rectTracker);
    }
    else
    {
        return;
    }
    // The drag keeps the focus it takes (OnSetFocus): Escape and Enter end it.
    m_bTracking = TRUE;
    SetCapture();
    SetFocus();
    // Pending paints would wipe out the inverted tracker.
    RedrawWindow(NULL, NULL, RDW_ALLCHILDREN | RDW_UPDATENOW);
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2)
        OnInvertTracker(m_rectTracker2);
    m_htTrack = ht;
    SetSplitCursor(ht);
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2)
        OnInvertTracker(m_rectTracker2);
    FinishTracking(bAccept);
}

void CSplitterWnd::FinishTracking(BOOL bAccept)
{
    m_bTracking = m_bTracking2 = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CWnd* pOldActive = GetActivePane();

    // The trackers sit one pixel inside their gaps.
    m_rectTracker.OffsetRect(-1, -1);
    m_rectTracker2.OffsetRect(-1, -1);
    if (bAccept)
    {
        if (IsRowBar(m_htTrack))
        {
            TrackRowSize(m_rectTracker.top, m_htTrack - vSplitterBar1);
        }
        else if (IsColumnBar(m_htTrack))
        {
            TrackColumnSize(m_rectTracker.left, m_htTrack - hSplitterBar1);
        }
        else if (IsIntersection(m_htTrack))
        {
            int index = m_htTrack - splitterIntersection1;
            TrackRowSize(m_rectTracker.top, index / 15);
            TrackColumnSize(m_rectTracker2.left, index % 15);
        }
        RecalcLayout();
    }
    if (pOldActive != NULL && pOldActive == GetActivePane())
        SetActivePane(-1, -1, pOldActive);
    // The focus the drag took goes back, through the frame, to its active view.
    CFrameWnd* pFrame = GetParentFrame();
    if (::GetFocus() == m_hWnd && pFrame != NULL)
        pFrame->SetFocus();
}

void CSplitterWnd::TrackRowSize(int y, int row)
{
    int size = y - GetCellRect(row, 0).top;
    m_pRowInfo[row].nIdealSize = size < m_pRowInfo[row].nMinSize || size < 0 ? 0 : size;
}

void CSplitterWnd::TrackColumnSize(int x, int col)
{
    int size = x - GetCellRect(0, col).left;
    m_pColInfo[col].nIdealSize = size < m_pColInfo[col].nMinSize || size < 0 ? 0 : size;
}

BOOL CSplitterWnd::SplitRow(int)
{
    return FALSE;
}

BOOL CSplitterWnd::SplitColumn(int)
{
    return FALSE;
}

void CSplitterWnd::MoveTracker(CRect& rect, CPoint pt, BOOL bVertical)
{
    CRect moved(rect);
    if (bVertical)
        moved.MoveToY(pt.y);
    else
        moved.MoveToX(pt.x);
    if (moved == rect)
        return;
    OnInvertTracker(rect);
    rect = moved;
    OnInvertTracker(rect);
}

// ---- Mouse, keyboard and activation -----------------------------------------------------------

void CSplitterWnd::OnMouseMove(UINT, CPoint pt)
{
    if (m_bTracking && ::GetCapture() != m_hWnd)
        StopTracking(FALSE);
    if (!m_bTracking)
    {
        SetSplitCursor(HitTest(pt));
        return;
    }
    MoveTrackersTo(pt);
}

CPoint CSplitterWnd::MoveTrackersTo(CPoint pt)
{
    pt += m_ptTrackOffset;
    pt.x = std::max(m_rectLimit.left, std::min(pt.x, m_rectLimit.right));
    pt.y = std::max(m_rectLimit.top, std::min(pt.y, m_rectLimit.bottom));
    if (IsRowBar(m_htTrack))
    {
        MoveTracker(m_rectTracker, pt, TRUE);
    }
    else if (IsColumnBar(m_htTrack))
    {
        MoveTracker(m_rectTracker, pt, FALSE);
    }
    else if (IsIntersection(m_htTrack))
    {
        MoveTracker(m_rectTracker, pt, TRUE);
        MoveTracker(m_rectTracker2, pt, FALSE);
    }
    return pt;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint pt)
{
    if (!m_bTracking)
        StartTracking(HitTest(pt));
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint pt)
{
    if (!m_bTracking)
        return;
    // The bar goes where the button comes up, also when no move reported
    // that point before (wine folds a last move into the release).
    MoveTrackersTo(pt);
    StopTracking(TRUE);
}

void CSplitterWnd::OnCancelMode()
{
    Default();
    if (m_bTracking)
        StopTracking(FALSE);
}

void CSplitterWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bTracking && nChar == VK_ESCAPE)
        StopTracking(FALSE);
    else if (m_bTracking && nChar == VK_RETURN)
        StopTracking(TRUE);
    else
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // Over the splitter itself the mouse moves set the cursor (SetSplitCursor).
    if (pWnd == this && nHitTest == HTCLIENT)
        return TRUE;
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0)
        RecalcLayout();
}

void CSplitterWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    RecalcLayout();
}

CWnd* CSplitterWnd::ChildPaneHolding(HWND hWnd, int* pRow, int* pCol)
{
    if (hWnd == NULL || !::IsChild(m_hWnd, hWnd))
        return NULL;
    while (::GetParent(hWnd) != m_hWnd)
        hWnd = ::GetParent(hWnd);
    CWnd* pPane = CWnd::FromHandle(hWnd);
    return IsChildPane(pPane, pRow, pCol) ? pPane : NULL;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pActiveView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    CWnd* pPane = ChildPaneHolding(pActiveView != NULL ? pActiveView->m_hWnd : NULL, pRow, pCol);
    return pPane != NULL ? pPane : ChildPaneHolding(::GetFocus(), pRow, pCol);
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd != NULL ? pWnd : GetPane(row, col);
    if (pPane == NULL)
        return;
    // A nested splitter takes no keys itself: the pane that stands for it
    // is activated in its place; with none in sight, nothing is.
    CSplitterWnd* pNested = DYNAMIC_DOWNCAST(CSplitterWnd, pPane);
    if (pNested != NULL)
    {
        CWnd* pInner = pNested->ShownActivePane();
        if (pInner != NULL)
            pNested->SetActivePane(-1, -1, pInner);
        return;
    }
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pPane->IsKindOf(RUNTIME_CLASS(CView)))
        pFrame->SetActiveView((CView*)pPane);
    else
        pPane->SetFocus();
}

void CSplitterWnd::CollectShownPanes(std::vector<CWnd*>& panes) const
{
    for (HWND hPane : ShownPanesIn(m_hWnd))
        panes.push_back(CWnd::FromHandle(hPane));
}

BOOL CSplitterWnd::CanActivateNext(BOOL)
{
    std::vector<CWnd*> panes;
    CollectShownPanes(panes);
    return panes.size() > 1;
}

void CSplitterWnd::ActivateNext(BOOL bPrev)
{
    std::vector<CWnd*> panes;
    CollectShownPanes(panes);
    if (panes.empty())
        return;
    // The pane that holds the focus, or else the frame's active view.
    HWND hFocus = ::GetFocus();
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pActiveView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    int nCurrent = -1;
    for (int i = 0; i < (int)panes.size() && nCurrent < 0; i++)
        if (hFocus == panes[i]->m_hWnd || ::IsChild(panes[i]->m_hWnd, hFocus))
            nCurrent = i;
    for (int i = 0; i < (int)panes.size() && nCurrent < 0; i++)
        if (panes[i] == pActiveView)
            nCurrent = i;
    const int nCount = (int)panes.size();
    int nNext = nCurrent < 0 ? (bPrev ? nCount - 1 : 0) : (nCurrent + (bPrev ? nCount - 1 : 1)) % nCount;
    ActivateWithFocus(panes[nNext]);
}

void CSplitterWnd::ActivateWithFocus(CWnd* pPane)
{
    CSplitterWnd* pOwner = DYNAMIC_DOWNCAST(CSplitterWnd, pPane->GetParent());
    if (pOwner != NULL)
        pOwner->SetActivePane(-1, -1, pPane);
    // Making a view active leaves the focus alone when it already was the
    // active view or the frame is not the active window: the focus follows.
    const HWND hFocus = ::GetFocus();
    if (hFocus != pPane->m_hWnd && !::IsChild(pPane->m_hWnd, hFocus))
        pPane->SetFocus();
}

CWnd* CSplitterWnd::ShownActivePane()
{
    CWnd* pPane = GetActivePane();
    if (pPane != NULL && IsShownInTopLevel(pPane->m_hWnd))
        return pPane;
    const std::vector<HWND> shown = ShownPanesIn(m_hWnd);
    return shown.empty() ? NULL : CWnd::FromHandle(shown.front());
}

void CSplitterWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_bTracking)
        return;
    // Keys reach nothing here: the focus goes on to the pane that stands for
    // the splitter, else through the frame to its active view, a shown one.
    CWnd* pPane = ShownActivePane();
    CFrameWnd* pFrame = GetParentFrame();
    if (pPane != NULL)
        ActivateWithFocus(pPane);
    else if (pFrame != NULL)
        pFrame->SetFocus();
}

void CSplitterWnd::OnNextPaneCmd(UINT nID)
{
    ActivateNext(nID == ID_PREV_PANE);
}

void CSplitterWnd::OnUpdateNextPaneCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanActivateNext(pCmdUI->m_nID == ID_PREV_PANE));
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        *pResult = pParent->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
