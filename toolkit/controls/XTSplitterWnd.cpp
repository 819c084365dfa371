#include "toolkit/controls/XTSplitterWnd.h"
#include "toolkit/controls/XTSharedTheme.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPColorManager.h"

IMPLEMENT_DYNCREATE(CXTSplitterWnd, CSplitterWnd)

BEGIN_MESSAGE_MAP(CXTSplitterWnd, CSplitterWnd)
ON_WM_SETTINGCHANGE()
ON_WM_MOUSEMOVE()
ON_WM_NCHITTEST()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

// Bar and gap sizes of the flat and the raised look.
const int kFlatBarSize = 6;
const int kRaisedBarSize = 7;
// Width of the inverted tracker band.
const int kTrackerBand = 4;
// The toolkit's resize cursors.
const UINT kColumnResizeCursor = 9970;
const UINT kRowResizeCursor = 9971;

BOOL IsRowBar(int ht)
{
    return ht >= CSplitterWnd::vSplitterBar1 && ht <= CSplitterWnd::vSplitterBar15;
}

BOOL IsColumnBar(int ht)
{
    return ht >= CSplitterWnd::hSplitterBar1 && ht <= CSplitterWnd::hSplitterBar15;
}

BOOL IsIntersection(int ht)
{
    return ht >= CSplitterWnd::splitterIntersection1 && ht <= CSplitterWnd::splitterIntersection225;
}

BOOL SystemFullDrag()
{
    BOOL bFullDrag = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
    return bFullDrag;
}

} // namespace

// One axis of the grid: columns or rows, with the record of the other axis.
struct CXTSplitterWnd::TrackAxis
{
    BOOL bColumn;
    int* pCount;
    int* pHidden;
    CRowColInfo* pInfo;
    int nOtherCount;
};

CXTSplitterWnd::CXTSplitterWnd()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTSplitterThemeFactory)), m_nHiddenCol(-1), m_nHiddenRow(-1),
      m_bFullDrag(SystemFullDrag()), m_bFullDragFixed(FALSE), m_bFlatLook(TRUE),
      m_dwSplitterStyle(SplitterNoFullDrag), m_ptLastDrag(-1, -1), m_bClipStylesRemoved(FALSE)
{
    m_cxSplitter = m_cySplitter = kFlatBarSize;
    m_cxSplitterGap = m_cySplitterGap = kFlatBarSize;
}

CXTSplitterWnd::~CXTSplitterWnd()
{}

// ---- Themes -----------------------------------------------------------------------------------

CXTSplitterTheme* CXTSplitterWnd::GetTheme()
{
    return XTSharedTheme<CXTSplitterTheme>(RUNTIME_CLASS(CXTSplitterThemeFactory));
}

void CXTSplitterWnd::SetTheme(int nTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTSplitterThemeFactory), nTheme);
}

void CXTSplitterWnd::SetTheme(CXTThemeManagerStyle* pTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTSplitterThemeFactory), pTheme);
}

void CXTSplitterWnd::OnThemeChanged()
{
    if (m_hWnd != NULL)
        Invalidate();
}

void CXTSplitterWnd::GetThemeColors(COLORREF& clrFace, COLORREF& clrShadow)
{
    CXTSplitterTheme* pTheme = (CXTSplitterTheme*)GetSafeTheme();
    clrFace = pTheme != NULL ? pTheme->m_clrSplitterFace : ::GetSysColor(COLOR_BTNFACE);
    clrShadow = pTheme != NULL ? pTheme->m_clrSplitterBorder : ::GetSysColor(COLOR_BTNSHADOW);
}

// ---- Drawing ----------------------------------------------------------------------------------

void CXTSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (pDC == NULL)
    {
        RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    COLORREF clrFace, clrShadow;
    GetThemeColors(clrFace, clrShadow);
    COLORREF clrFrame = XTPGetColor(COLOR_WINDOWFRAME);
    COLORREF clrHilight = XTPGetColor(COLOR_BTNHIGHLIGHT);
    CRect rc(rect);
    switch (nType)
    {
    case splitBox:
        pDC->Draw3dRect(rc, clrFace, m_bFlatLook ? clrFace : clrFrame);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, clrHilight, clrShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, clrFace);
        break;
    case splitBar:
    case splitIntersection:
        pDC->FillSolidRect(rc, clrFace);
        break;
    case splitBorder:
        if (m_bFlatLook)
        {
            pDC->Draw3dRect(rc, clrFace, clrFace);
            rc.DeflateRect(1, 1);
            if (m_dwSplitterStyle & SplitterPlainBorder)
                pDC->Draw3dRect(rc, clrFace, clrFace);
            else
                pDC->Draw3dRect(rc, clrShadow, clrHilight);
        }
        else
        {
            pDC->Draw3dRect(rc, clrShadow, clrHilight);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(rc, clrFrame, clrFace);
        }
        break;
    }
}

void CXTSplitterWnd::OnInvertTracker(const CRect& rect)
{
    CBrush* pBrush =
        m_bFlatLook ? CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH)) : CDC::GetHalftoneBrush();
    DrawTracker(rect, pBrush);
}

void CXTSplitterWnd::DrawTracker(const CRect& rect, CBrush* pBrush)
{
    if (m_bFullDrag)
        return;
    // A cache DC without child clipping: the tracker crosses the panes.
    HDC hDC = ::GetDCEx(m_hWnd, NULL, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    int nSaved = dc.SaveDC();
    CRect rc(rect);
    if (m_dwSplitterStyle & SplitterTrackOutline)
    {
        // The first pane's new extent.
        CRect inside;
        GetInsideRect(inside);
        if (rc.Width() >= rc.Height())
            inside.bottom = rc.top;
        else
            inside.right = rc.right;
        dc.DrawFocusRect(inside);
    }
    else
    {
        if (rc.Height() > rc.Width())
            rc.left = rc.right - kTrackerBand;
        else
            rc.bottom = rc.top + kTrackerBand;
        dc.SelectObject(pBrush);
        dc.PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
    }
    dc.RestoreDC(nSaved);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

void CXTSplitterWnd::SetSplitCursor(int ht)
{
    UINT nCursor = 0;
    if (ht == vSplitterBox || IsRowBar(ht))
        nCursor = kRowResizeCursor;
    else if (ht == hSplitterBox || IsColumnBar(ht))
        nCursor = kColumnResizeCursor;
    HCURSOR hCursor = nCursor != 0 ? XTAuxData()->GetCursor(nCursor) : NULL;
    if (hCursor != NULL)
        ::SetCursor(hCursor);
    else
        CSplitterWnd::SetSplitCursor(ht);
}

// ---- Styles -----------------------------------------------------------------------------------

void CXTSplitterWnd::ReadFullDragSetting()
{
    m_bFullDrag = (m_dwSplitterStyle & SplitterNoFullDrag) ? FALSE : SystemFullDrag();
}

void CXTSplitterWnd::SetFullDrag(BOOL bFullDrag)
{
    m_bFullDrag = bFullDrag;
    m_bFullDragFixed = TRUE;
}

void CXTSplitterWnd::SetSplitterStyle(DWORD dwStyle)
{
    m_dwSplitterStyle = dwStyle;
    ReadFullDragSetting();
}

void CXTSplitterWnd::EnableFlatLook(BOOL bFlatLook)
{
    m_bFlatLook = bFlatLook;
    m_cxSplitter = m_cySplitter = bFlatLook ? kFlatBarSize : kRaisedBarSize;
    m_cxSplitterGap = m_cySplitterGap = bFlatLook ? kFlatBarSize : kRaisedBarSize;
    RecalcLayout();
}

void CXTSplitterWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CSplitterWnd::OnSettingChange(uFlags, lpszSection);
    if (!m_bFullDragFixed)
        ReadFullDragSetting();
    CXTThemeManagerStyle* pTheme = GetSafeTheme();
    if (pTheme != NULL)
        pTheme->RefreshMetrics();
}

LRESULT CXTSplitterWnd::OnNcHitTest(CPoint point)
{
    if (m_dwSplitterStyle & SplitterFixed)
        return HTBORDER;
    return CSplitterWnd::OnNcHitTest(point);
}

// ---- Dragging ---------------------------------------------------------------------------------

void CXTSplitterWnd::StartTracking(int ht)
{
    m_bClipStylesRemoved = FALSE;
    if (!m_bFullDrag)
    {
        // The inverted tracker is drawn across the panes.
        if (GetStyle() & WS_CLIPCHILDREN)
        {
            ModifyStyle(WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0);
            m_bClipStylesRemoved = TRUE;
        }
        CSplitterWnd::StartTracking(ht);
        return;
    }
    if (m_bTracking || !(IsRowBar(ht) || IsColumnBar(ht) || IsIntersection(ht)))
        return;
    GetInsideRect(m_rectLimit);
    if (IsIntersection(ht))
    {
        int index = ht - splitterIntersection1;
        GetHitRect(vSplitterBar1 + index / 15, m_rectTracker);
        int nOffsetY = m_ptTrackOffset.y;
        GetHitRect(hSplitterBar1 + index % 15, m_rectTracker2);
        m_ptTrackOffset.y = nOffsetY;
        m_bTracking2 = TRUE;
    }
    else
    {
        GetHitRect(ht, m_rectTracker);
    }
    // The panes follow the mouse: no tracker and no focus change.
    SetCapture();
    m_bTracking = TRUE;
    m_htTrack = ht;
    SetSplitCursor(ht);
}

void CXTSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bFullDrag)
    {
        CSplitterWnd::StopTracking(bAccept);
        if (m_bClipStylesRemoved)
            ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
        m_bClipStylesRemoved = FALSE;
        return;
    }
    if (!m_bTracking)
        return;
    // No trackers are drawn in a full drag: the panes already stand where the
    // bar is. The trackers are taken as they are (not narrowed to the drawn
    // band): every mouse move ends a step here, and any shift would make the
    // bar creep while the mouse stands still.
    FinishTracking(bAccept);
}

void CXTSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bFullDrag)
    {
        CSplitterWnd::OnMouseMove(nFlags, point);
        return;
    }
    if (m_bTracking && ::GetCapture() != m_hWnd)
        StopTracking(FALSE);
    if (!m_bTracking)
    {
        SetSplitCursor(HitTest(point));
        return;
    }
    // Apply the sizes and grab the bar again where it now is: a release and a
    // new press at the (clamped) mouse point.
    CPoint ptGrab = MoveTrackersTo(point) - m_ptTrackOffset;
    OnLButtonUp(nFlags, ptGrab);
    CSplitterWnd::OnLButtonDown(nFlags, ptGrab);
    if (ptGrab != m_ptLastDrag)
    {
        RedrawWindow(NULL, NULL, RDW_ALLCHILDREN | RDW_UPDATENOW);
        m_ptLastDrag = ptGrab;
    }
}

void CXTSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    CSplitterWnd::OnLButtonUp(nFlags, point);
    Invalidate(TRUE);
}

// ---- Hiding and showing rows and columns ------------------------------------------------------

CXTSplitterWnd::TrackAxis CXTSplitterWnd::Axis(BOOL bColumn)
{
    TrackAxis axis;
    axis.bColumn = bColumn;
    axis.pCount = bColumn ? &m_nCols : &m_nRows;
    axis.pHidden = bColumn ? &m_nHiddenCol : &m_nHiddenRow;
    axis.pInfo = bColumn ? m_pColInfo : m_pRowInfo;
    axis.nOtherCount = bColumn ? m_nRows : m_nCols;
    return axis;
}

void CXTSplitterWnd::HideTrack(BOOL bColumn, int nHide)
{
    TrackAxis axis = Axis(bColumn);
    if (*axis.pHidden != -1)
    {
        if (*axis.pHidden == nHide)
            return;
        ShowTrack(bColumn);
    }
    // The last visible track stays: the splitter would show nothing.
    if (nHide < 0 || nHide >= *axis.pCount || *axis.pCount <= 1)
        return;
    *axis.pHidden = nHide;

    int nActiveRow = -1, nActiveCol = -1;
    if (GetActivePane(&nActiveRow, &nActiveCol) != NULL && (bColumn ? nActiveCol : nActiveRow) == nHide)
    {
        int nNext = nHide + 1 < *axis.pCount ? nHide + 1 : 0;
        if (bColumn)
            SetActivePane(nActiveRow, nNext);
        else
            SetActivePane(nNext, nActiveCol);
    }

    auto paneAt = [&](int track, int other) {
        return bColumn ? GetPane(other, track) : GetPane(track, other);
    };
    auto idOf = [&](int track, int other) {
        return bColumn ? IdFromRowCol(other, track) : IdFromRowCol(track, other);
    };
    for (int other = 0; other < axis.nOtherCount; other++)
    {
        CWnd* pHidden = paneAt(nHide, other);
        if (pHidden != NULL)
        {
            pHidden->ShowWindow(SW_HIDE);
            pHidden->SetDlgCtrlID(idOf(*axis.pCount, other));
        }
        for (int track = nHide + 1; track < *axis.pCount; track++)
        {
            CWnd* pPane = paneAt(track, other);
            if (pPane != NULL)
                pPane->SetDlgCtrlID(idOf(track - 1, other));
        }
    }
    (*axis.pCount)--;
    // The record past the visible ones keeps the hidden track's size.
    axis.pInfo[*axis.pCount].nCurSize = axis.pInfo[nHide].nCurSize;
    RecalcLayout();
}

void CXTSplitterWnd::ShowTrack(BOOL bColumn)
{
    TrackAxis axis = Axis(bColumn);
    if (*axis.pHidden == -1)
        return;
    int nShow = *axis.pHidden;
    *axis.pHidden = -1;
    int nSavedSize = axis.pInfo[*axis.pCount].nCurSize;
    (*axis.pCount)++;
    int nCount = *axis.pCount;

    auto paneAt = [&](int track, int other) {
        return bColumn ? GetPane(other, track) : GetPane(track, other);
    };
    auto idOf = [&](int track, int other) {
        return bColumn ? IdFromRowCol(other, track) : IdFromRowCol(track, other);
    };
    for (int other = 0; other < axis.nOtherCount; other++)
    {
        // The hidden pane is parked at the index of the new count.
        CWnd* pShown = paneAt(nCount, other);
        if (pShown != NULL)
        {
            pShown->ShowWindow(SW_SHOWNA);
            pShown->SetDlgCtrlID(0);
        }
        for (int track = nCount - 2; track >= nShow; track--)
        {
            CWnd* pPane = paneAt(track, other);
            if (pPane != NULL)
                pPane->SetDlgCtrlID(idOf(track + 1, other));
        }
        if (pShown != NULL)
            pShown->SetDlgCtrlID(idOf(nShow, other));
    }
    for (int track = nCount - 1; track > nShow; track--)
        axis.pInfo[track].nIdealSize = axis.pInfo[track - 1].nCurSize;
    axis.pInfo[nShow].nIdealSize = nSavedSize;
    RecalcLayout();
}

void CXTSplitterWnd::HideColumn(int nColHide)
{
    HideTrack(TRUE, nColHide);
}

void CXTSplitterWnd::ShowColumn()
{
    ShowTrack(TRUE);
}

void CXTSplitterWnd::HideRow(int nRowHide)
{
    HideTrack(FALSE, nRowHide);
}

void CXTSplitterWnd::ShowRow()
{
    ShowTrack(FALSE);
}

// ---- Views ------------------------------------------------------------------------------------

BOOL CXTSplitterWnd::ExchangeView(int nRow, int nCol, CWnd* pView)
{
    CWnd* pPane = GetPane(nRow, nCol);
    if (pPane == NULL || pView == NULL || pPane->m_hWnd == pView->m_hWnd)
        return FALSE;
    pPane->ShowWindow(SW_HIDE);
    pView->ShowWindow(SW_HIDE);
    int nPaneId = pPane->GetDlgCtrlID();
    int nViewId = pView->GetDlgCtrlID();
    pPane->SetDlgCtrlID(nViewId);
    pView->SetDlgCtrlID(nPaneId);
    pPane->ShowWindow(SW_SHOW);
    pView->ShowWindow(SW_SHOW);
    RecalcLayout();
    return TRUE;
}

CWnd* CXTSplitterWnd::SwitchView(int nRow, int nCol, CWnd* pView)
{
    CWnd* pOld = GetPane(nRow, nCol);
    if (pOld == NULL || pView == NULL || pOld->m_hWnd == pView->m_hWnd)
        return NULL;
    int nId = pOld->GetDlgCtrlID();
    pOld->SetDlgCtrlID(0);
    pView->SetDlgCtrlID(nId);
    pOld->ShowWindow(SW_HIDE);
    pView->ShowWindow(SW_SHOW);
    RecalcLayout();
    return pOld;
}

CView* CXTSplitterWnd::ReplaceView(int nRow, int nCol, CRuntimeClass* pViewClass)
{
    CView* pOld = DYNAMIC_DOWNCAST(CView, GetPane(nRow, nCol));
    if (pOld == NULL || pViewClass == NULL || pOld->IsKindOf(pViewClass)
        || !pViewClass->IsDerivedFrom(RUNTIME_CLASS(CView)))
        return NULL;

    CDocument* pDoc = pOld->GetDocument();
    int nId = pOld->GetDlgCtrlID();
    int cyCur, cyMin, cxCur, cxMin;
    GetRowInfo(nRow, cyCur, cyMin);
    GetColumnInfo(nCol, cxCur, cxMin);
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = pDoc != NULL ? pDoc->GetDocTemplate() : NULL;

    CView* pNew = NULL;
    try
    {
        pNew = (CView*)pViewClass->CreateObject();
    }
    catch (CException* e)
    {
        e->Delete();
        pNew = NULL;
    }
    // A view that fails to become a window deletes itself on the way
    // (PostNcDestroy), so nothing is left behind.
    if (pNew == NULL
        || !pNew->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nId, &context))
        return NULL;

    pOld->ShowWindow(SW_HIDE);
    pOld->SetDlgCtrlID(0);
    SetRowInfo(nRow, cyCur, cyMin);
    SetColumnInfo(nCol, cxCur, cxMin);
    RecalcLayout();
    pNew->SendMessage(WM_INITIALUPDATE);
    return pOld;
}

// ---- CXTSplitterWndEx -------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CXTSplitterWndEx, CXTSplitterWnd)

BEGIN_MESSAGE_MAP(CXTSplitterWndEx, CXTSplitterWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

CXTSplitterWndEx::CXTSplitterWndEx() : m_nTopBandHeight(6), m_bShowTopBand(1)
{
    m_cxSplitter = m_cySplitter = 4;
    m_cxSplitterGap = m_cySplitterGap = 4;
    m_cxBorder = m_cyBorder = 0;
}

void CXTSplitterWndEx::SetTopBand(BOOL bShow, int nHeight)
{
    m_bShowTopBand = bShow ? 1 : 0;
    m_nTopBandHeight = nHeight;
}

void CXTSplitterWndEx::GetInsideRect(CRect& rect) const
{
    CXTSplitterWnd::GetInsideRect(rect);
    rect.top += m_nTopBandHeight;
}

void CXTSplitterWndEx::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (pDC == NULL || nType == splitBar || nType == splitIntersection)
    {
        CXTSplitterWnd::OnDrawSplitter(pDC, nType, rect);
        return;
    }
    if (nType != splitBox)
        return;
    COLORREF clrFace, clrShadow;
    GetThemeColors(clrFace, clrShadow);
    CRect rc(rect);
    pDC->Draw3dRect(rc, clrFace, XTPGetColor(COLOR_WINDOWFRAME));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, XTPGetColor(COLOR_BTNHIGHLIGHT), clrShadow);
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(rc, clrFace);
}

BOOL CXTSplitterWndEx::OnEraseBkgnd(CDC* pDC)
{
    COLORREF clrFace, clrShadow;
    GetThemeColors(clrFace, clrShadow);
    CRect band;
    GetClientRect(band);
    band.DeflateRect(m_cxBorder, m_cyBorder);
    band.bottom = band.top + m_nTopBandHeight;
    pDC->FillSolidRect(band, clrFace);
    return TRUE;
}

void CXTSplitterWndEx::OnPaint()
{
    CXTSplitterWnd::OnPaint();
    if (!m_bShowTopBand)
        return;
    CClientDC dc(this);
    CRect client;
    GetClientRect(client);
    CXTThemeManagerStyle* pTheme = GetSafeTheme();
    if (pTheme != NULL && pTheme->GetThemeId() == 0)
        dc.FillSolidRect(client.left, client.top, client.Width(), 1, XTPGetColor(COLOR_BTNSHADOW));
    dc.FillSolidRect(client.left, client.top + 1, client.Width(), 1, XTPGetColor(COLOR_BTNHIGHLIGHT));
}
