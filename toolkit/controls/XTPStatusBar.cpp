#include "toolkit/controls/XTPStatusBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"

BEGIN_MESSAGE_MAP(CXTPStatusBar, CStatusBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The bar is never lower than this.
const int kMinHeight = 20;

} // namespace

CXTPStatusBar::CXTPStatusBar() : m_pCommandBars(NULL), m_bThemed(TRUE)
{
    CXTPNonClientMetrics metrics;
    m_fontStatus.CreateFontIndirect(&metrics.lfStatusFont);
}

CXTPStatusBar::~CXTPStatusBar()
{
    for (INT_PTR i = 0; i < m_arControls.GetSize(); i++)
        ReleaseControl(m_arControls[i]);
    m_arControls.RemoveAll();
}

void CXTPStatusBar::ReleaseControl(StatusPaneControl* pControl)
{
    if (::IsWindow(pControl->hWnd))
        ::DestroyWindow(pControl->hWnd);
    if (pControl->bAutoDelete)
        delete pControl->pWnd;
    delete pControl;
}

CXTPPaintManager* CXTPStatusBar::GetPaintManager() const
{
    if (!m_bThemed)
        return NULL;
    return m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
}

BOOL CXTPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    SendMessage(WM_SETFONT, (WPARAM)m_fontStatus.GetSafeHandle(), FALSE);
    if (!CStatusBar::SetIndicators(lpIDArray, nIDCount))
        return FALSE;
    SendMessage(SB_SETMINHEIGHT, kMinHeight);
    return TRUE;
}

BOOL CXTPStatusBar::GetPaneInfoEx(int nIndex, StatusPaneInfo* pInfo)
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return FALSE;
    pInfo->nID = pPane->nID;
    pInfo->cxText = pPane->cxText;
    pInfo->nStyle = pPane->nStyle;
    pInfo->nFlags = pPane->nFlags;
    pInfo->strText = pPane->strText;
    return TRUE;
}

BOOL CXTPStatusBar::SetPaneInfoEx(int nIndex, StatusPaneInfo* pInfo)
{
    if (GetPanePtr(nIndex) == NULL)
        return FALSE;
    SetPaneInfo(nIndex, pInfo->nID, pInfo->nStyle, pInfo->cxText);
    SetPaneText(nIndex, pInfo->strText, TRUE);
    return TRUE;
}

void CXTPStatusBar::SetPaneWidth(int nIndex, int cxText)
{
    StatusPaneInfo info;
    if (!GetPaneInfoEx(nIndex, &info))
        return;
    info.cxText = cxText;
    SetPaneInfoEx(nIndex, &info);
}

void CXTPStatusBar::SetPanes(const CArray<StatusPaneInfo*, StatusPaneInfo*>& panes)
{
    CArray<UINT, UINT> ids;
    for (INT_PTR i = 0; i < panes.GetSize(); i++)
        ids.Add(panes[i]->nID);
    SetIndicators(ids.GetSize() > 0 ? &ids[0] : NULL, (int)ids.GetSize());
    for (INT_PTR i = 0; i < panes.GetSize(); i++)
        SetPaneInfoEx((int)i, panes[i]);
    for (INT_PTR i = 0; i < panes.GetSize(); i++)
        delete panes[i];
}

BOOL CXTPStatusBar::AddIndicator(UINT nID, int nIndex)
{
    if (nIndex < 0 || nIndex > GetCount() || CommandToIndex(nID) >= 0)
        return FALSE;
    CArray<StatusPaneInfo*, StatusPaneInfo*> panes;
    for (int i = 0; i <= GetCount(); i++)
    {
        StatusPaneInfo* pInfo = new StatusPaneInfo;
        if (i == nIndex)
        {
            pInfo->nID = nID;
            pInfo->cxText = 0;
            pInfo->nStyle = 0;
            pInfo->nFlags = 0;
        }
        else
        {
            GetPaneInfoEx(i < nIndex ? i : i - 1, pInfo);
        }
        panes.Add(pInfo);
    }
    SetPanes(panes);
    PositionControls();
    return TRUE;
}

BOOL CXTPStatusBar::RemoveIndicator(UINT nID)
{
    int nIndex = CommandToIndex(nID);
    if (nIndex < 0)
        return FALSE;
    CArray<StatusPaneInfo*, StatusPaneInfo*> panes;
    for (int i = 0; i < GetCount(); i++)
    {
        if (i == nIndex)
            continue;
        StatusPaneInfo* pInfo = new StatusPaneInfo;
        GetPaneInfoEx(i, pInfo);
        panes.Add(pInfo);
    }
    SetPanes(panes);
    for (INT_PTR i = m_arControls.GetSize() - 1; i >= 0; i--)
    {
        if (m_arControls[i]->nID != nID)
            continue;
        ReleaseControl(m_arControls[i]);
        m_arControls.RemoveAt(i);
    }
    PositionControls();
    return TRUE;
}

BOOL CXTPStatusBar::AddControl(CWnd* pWnd, UINT nID, BOOL bAutoDelete)
{
    if (CommandToIndex(nID) < 0)
        return FALSE;
    StatusPaneControl* pControl = new StatusPaneControl;
    pControl->pWnd = pWnd;
    pControl->hWnd = pWnd->GetSafeHwnd();
    pControl->nID = nID;
    pControl->bAutoDelete = bAutoDelete;
    m_arControls.Add(pControl);
    PositionControls();
    return TRUE;
}

StatusPaneControl* CXTPStatusBar::FindControl(UINT nID)
{
    for (INT_PTR i = 0; i < m_arControls.GetSize(); i++)
    {
        if (m_arControls[i]->nID == nID)
            return m_arControls[i];
    }
    return NULL;
}

CRect CXTPStatusBar::ControlRect(CRect rcPane, UINT nStyle, int cxText, BOOL bLast, const CRect& rcClient,
                                 BOOL bSizeGrip)
{
    int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    if (bLast)
    {
        if (nStyle & SBPS_STRETCH)
        {
            rcPane.right = rcClient.right;
            if (bSizeGrip)
                rcPane.right -= ::GetSystemMetrics(SM_CXSMICON) + cxEdge;
        }
        else
        {
            rcPane.right = rcPane.left + cxText + 3 * cxEdge;
        }
    }
    if (!(nStyle & SBPS_NOBORDERS))
        rcPane.DeflateRect(cxEdge, cxEdge);
    return rcPane;
}

void CXTPStatusBar::PositionControls()
{
    if (m_hWnd == NULL)
        return;
    CRect rcClient;
    GetClientRect(rcClient);
    for (INT_PTR i = 0; i < m_arControls.GetSize(); i++)
    {
        const StatusPaneControl* pControl = m_arControls[i];
        int nIndex = CommandToIndex(pControl->nID);
        if (nIndex < 0 || !::IsWindow(pControl->hWnd))
            continue;
        CRect rcPane;
        GetItemRect(nIndex, rcPane);
        const StatusBarPane* pPane = GetPanePtr(nIndex);
        CRect rc = ControlRect(rcPane, pPane->nStyle, pPane->cxText, nIndex == GetCount() - 1, rcClient,
                               (GetStyle() & SBARS_SIZEGRIP) != 0);
        ::MoveWindow(pControl->hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    }
}

void CXTPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CStatusBar::OnSize(nType, cx, cy);
    PositionControls();
    Invalidate(FALSE);
}

BOOL CXTPStatusBar::OnEraseBkgnd(CDC* pDC)
{
    if (GetPaintManager() != NULL)
        return TRUE;
    return CStatusBar::OnEraseBkgnd(pDC);
}

void CXTPStatusBar::OnPaint()
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
    {
        Default();
        return;
    }
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(rcClient);
    CXTPBufferDC dc(paintDC.m_hDC, rcClient);
    pPaintManager->FillStatusBar(&dc, this);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, (HFONT)SendMessage(WM_GETFONT));
    for (int i = 0; i < GetCount(); i++)
        pPaintManager->DrawStatusBarPane(&dc, this, i);
    CWnd* pParent = GetParent();
    if (pParent != NULL && (pParent->GetStyle() & WS_THICKFRAME) && (GetStyle() & SBARS_SIZEGRIP)
        && !pParent->IsZoomed())
        pPaintManager->DrawStatusBarGripper(&dc, rcClient);
    ::SelectObject(dc.m_hDC, hOldFont);
}
