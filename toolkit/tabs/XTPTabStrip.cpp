#include "toolkit/tabs/XTPTabStrip.h"

#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPToolInfo.h"

#include <windowsx.h>

#include <algorithm>

CXTPTabStrip::CXTPTabStrip()
    : m_pSelected(NULL), m_pHot(NULL), m_nScrollOffset(0), m_bAllowReorder(TRUE), m_bActive(TRUE),
      m_szNormal(70, 18), m_szMinimum(0, 0), m_szMaximum(0, 0), m_nColorCounter(0)
{
    m_arrButtons.push_back(new CXTPTabStripScrollBackButton(this));
    m_arrButtons.push_back(new CXTPTabStripScrollForwardButton(this));
    m_arrButtons.push_back(new CXTPTabStripCloseButton(this));
}

CXTPTabStrip::~CXTPTabStrip()
{
    for (CXTPTabStripItem* pItem : m_arrItems)
        pItem->InternalRelease();
    for (CXTPTabStripButton* pButton : m_arrButtons)
        delete pButton;
}

// ---- Overridables ---------------------------------------------------------------------

CString CXTPTabStrip::GetItemText(const CXTPTabStripItem* pItem)
{
    return pItem->GetCaption();
}

HICON CXTPTabStrip::GetItemIcon(const CXTPTabStripItem* pItem)
{
    return pItem->GetIcon();
}

COLORREF CXTPTabStrip::GetItemColor(CXTPTabStripItem* pItem)
{
    return CXTPTabStripPainter::GetDefaultTabColor(pItem->GetOwnColor());
}

CString CXTPTabStrip::GetItemTip(const CXTPTabStripItem* pItem)
{
    return pItem->GetOwnTip();
}

void CXTPTabStrip::OnItemsChanged()
{
    for (int i = 0; i < GetItemCount(); i++)
        m_arrItems[i]->m_nIndex = i;
    RecalcHostLayout();
}

void CXTPTabStrip::SelectItem(CXTPTabStripItem* pItem)
{
    if (pItem == m_pSelected)
        return;
    m_pSelected = pItem;
    RecalcHostLayout();
    if (pItem != NULL)
        GetPainter()->EnsureVisible(this, pItem);
}

void CXTPTabStrip::GetTabSizes(CSize* pszNormal, CSize* pszMinimum, CSize* pszMaximum)
{
    if (pszNormal != NULL)
        *pszNormal = m_szNormal;
    if (pszMinimum != NULL)
        *pszMinimum = m_szMinimum;
    if (pszMaximum != NULL)
        *pszMaximum = m_szMaximum;
}

BOOL CXTPTabStrip::IsReorderAllowed()
{
    return m_bAllowReorder;
}

void CXTPTabStrip::AllowReorder(BOOL bAllow)
{
    m_bAllowReorder = bAllow;
}

BOOL CXTPTabStrip::HasClientFrame()
{
    return GetPainter()->m_bClientFrame;
}

int CXTPTabStrip::GetPosition()
{
    return GetPainter()->GetPosition();
}

void CXTPTabStrip::OnItemClick(CXTPTabStripItem* pItem)
{
    SelectItem(pItem);
}

void CXTPTabStrip::OnButtonClick(int)
{}

BOOL CXTPTabStrip::IsMouseLocked()
{
    return FALSE;
}

// ---- Items ------------------------------------------------------------------------------

CXTPTabStripItem* CXTPTabStrip::InsertItem(int nIndex, CXTPTabStripItem* pItem)
{
    if (pItem == NULL)
        pItem = new CXTPTabStripItem;
    ASSERT(pItem->m_pStrip == NULL);
    pItem->m_pStrip = this;
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    pItem->m_clrItem = xtpTabColorFirstDefault + m_nColorCounter % xtpTabDefaultColorCount;
    m_nColorCounter++;
    OnItemsChanged();
    return pItem;
}

CXTPTabStripItem* CXTPTabStrip::TakeItem(int nIndex)
{
    CXTPTabStripItem* pItem = GetItem(nIndex);
    if (pItem == NULL)
        return NULL;
    m_arrItems.erase(m_arrItems.begin() + nIndex);
    pItem->m_pStrip = NULL;
    pItem->m_nIndex = -1;
    if (pItem == m_pHot)
        m_pHot = NULL;
    if (pItem == m_pSelected)
    {
        m_pSelected = NULL;
        SelectNearest(nIndex);
    }
    OnItemsChanged();
    return pItem;
}

BOOL CXTPTabStrip::DeleteItem(int nIndex)
{
    CXTPTabStripItem* pItem = TakeItem(nIndex);
    if (pItem == NULL)
        return FALSE;
    pItem->InternalRelease();
    return TRUE;
}

void CXTPTabStrip::DeleteAllItems()
{
    std::vector<CXTPTabStripItem*> arrItems;
    arrItems.swap(m_arrItems);
    m_pSelected = NULL;
    m_pHot = NULL;
    for (CXTPTabStripItem* pItem : arrItems)
        pItem->InternalRelease();
    OnItemsChanged();
}

void CXTPTabStrip::MoveItem(CXTPTabStripItem* pItem, int nIndex)
{
    auto it = std::find(m_arrItems.begin(), m_arrItems.end(), pItem);
    if (it == m_arrItems.end())
        return;
    m_arrItems.erase(it);
    nIndex = std::max(0, std::min(nIndex, GetItemCount()));
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    OnItemsChanged();
}

void CXTPTabStrip::SelectNearest(int nIndex)
{
    if (m_arrItems.empty())
        SelectItem(NULL);
    else
        SelectItem(m_arrItems[std::max(0, std::min(nIndex, GetItemCount() - 1))]);
}

CXTPTabStripItem* CXTPTabStrip::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : NULL;
}

int CXTPTabStrip::GetSelectedIndex() const
{
    auto it = std::find(m_arrItems.begin(), m_arrItems.end(), m_pSelected);
    return m_pSelected != NULL && it != m_arrItems.end() ? (int)(it - m_arrItems.begin()) : -1;
}

int CXTPTabStrip::GetTotalTabLength() const
{
    int nTotal = 0;
    for (CXTPTabStripItem* pItem : m_arrItems)
        nTotal += pItem->GetLength();
    return nTotal;
}

// ---- Buttons, scrolling, sizes --------------------------------------------------------------

CXTPTabStripButton* CXTPTabStrip::FindButton(int nKind) const
{
    for (CXTPTabStripButton* pButton : m_arrButtons)
        if (pButton->GetKind() == nKind)
            return pButton;
    return NULL;
}

void CXTPTabStrip::SetScrollOffset(int nOffset)
{
    nOffset = std::min(nOffset, 0);
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    RecalcHostLayout();
}

void CXTPTabStrip::SetActive(BOOL bActive)
{
    if (m_bActive == bActive)
        return;
    m_bActive = bActive;
    RecalcHostLayout();
}

void CXTPTabStrip::SetTabSizes(int cxNormal, int cyNormal, int cxMinimum, int cyMinimum, int cxMaximum,
                               int cyMaximum)
{
    m_szNormal = CSize(cxNormal, cyNormal);
    m_szMinimum = CSize(cxMinimum, cyMinimum);
    m_szMaximum = CSize(cxMaximum, cyMaximum);
    RecalcHostLayout();
}

BOOL CXTPTabStrip::IsHorizontal()
{
    return XTPTabIsHorizontal(GetPosition());
}

int CXTPTabStrip::GetRowLength(const CRect& rc)
{
    return CXTPOrientation(!IsHorizontal()).MainLength(rc);
}

// ---- Painter settings --------------------------------------------------------------------

void CXTPTabStrip::SetPosition(int nPosition)
{
    GetPainter()->SetPosition(nPosition);
    RecalcHostLayout();
}

void CXTPTabStrip::SetLayout(int nLayout)
{
    GetPainter()->SetLayout(nLayout);
    RecalcHostLayout();
}

int CXTPTabStrip::GetLayout()
{
    return GetPainter()->GetLayout();
}

void CXTPTabStrip::ShowIcons(BOOL bShow)
{
    GetPainter()->ShowIcons(bShow);
    RecalcHostLayout();
}

void CXTPTabStrip::SetColorById(int nColorId)
{
    GetPainter()->SetColorById(nColorId);
    RecalcHostLayout();
}

void CXTPTabStrip::SetColorSet(CXTPTabStripColors* pColors)
{
    GetPainter()->SetColorSet(pColors);
    RecalcHostLayout();
}

void CXTPTabStrip::SetAppearanceById(int nAppearance)
{
    GetPainter()->SetAppearanceById(nAppearance);
    RecalcHostLayout();
}

void CXTPTabStrip::SetAppearanceSet(CXTPTabStripShape* pShape)
{
    GetPainter()->SetAppearanceSet(pShape);
    RecalcHostLayout();
}

void CXTPTabStrip::OpenVisualTheme(HWND hWnd, BOOL bTabTexture)
{
    m_themeTab.OpenThemeData(hWnd, L"TAB");
    m_themeTab.EnableThemeDialogTexture(hWnd, bTabTexture ? ETDT_ENABLETAB : ETDT_DISABLE | ETDT_USETABTEXTURE);
}

// ---- Mouse -----------------------------------------------------------------------------------

CXTPTabStripItem* CXTPTabStrip::HitTest(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return NULL;
    if (!m_rcHeader.IsRectEmpty() && !m_rcHeader.PtInRect(point))
        return NULL;
    for (CXTPTabStripItem* pItem : m_arrItems)
        if (pItem->GetRect().PtInRect(point) && pItem->IsEnabled() && pItem->IsVisible())
            return pItem;
    return NULL;
}

BOOL CXTPTabStrip::OnMouseDown(HWND hWnd, CPoint point, BOOL bButtonsOnly)
{
    for (CXTPTabStripButton* pButton : m_arrButtons)
        if (pButton->GetRect().PtInRect(point))
        {
            pButton->Track(hWnd, point);
            return TRUE;
        }
    if (bButtonsOnly)
        return FALSE;
    CXTPTabStripItem* pItem = HitTest(point);
    if (pItem == NULL)
        return FALSE;
    if (IsReorderAllowed())
        TrackItemDrag(hWnd, point, pItem);
    else
        OnItemClick(pItem);
    return TRUE;
}

void CXTPTabStrip::OnMouseMove(HWND hWnd, CPoint point)
{
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    if (pWnd == NULL || !pWnd->IsTopParentActive() || IsMouseLocked())
        return;
    // Without hot tracking no tab is hot, even one that was hot when the
    // tracking was turned off (a theme switch turns it off).
    CXTPTabStripItem* pHot = GetPainter()->m_bHotTracking ? HitTest(point) : NULL;
    if (pHot != m_pHot)
    {
        m_pHot = pHot;
        RedrawHost();
        if (pHot != NULL)
            TrackMouseLeave(hWnd);
    }
    for (CXTPTabStripButton* pButton : m_arrButtons)
        pButton->OnMouseMove(hWnd, point);
}

void CXTPTabStrip::TrackMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
    ::TrackMouseEvent(&tme);
}

INT_PTR CXTPTabStrip::FillToolInfo(HWND hWnd, CXTPTabStripItem* pItem, TOOLINFO* pToolInfo)
{
    if (pItem == NULL)
        return -1;
    const CString strTip = GetItemTip(pItem);
    if (strTip.IsEmpty())
        return -1;
    XTPFillToolInfo(pToolInfo, hWnd, pItem->GetIndex(), pItem->GetRect(), strTip);
    return pItem->GetIndex();
}

// ---- The reorder loop ------------------------------------------------------------------------

BOOL CXTPTabStrip::HasItem(const CXTPTabStripItem* pItem) const
{
    return pItem != NULL && std::find(m_arrItems.begin(), m_arrItems.end(), pItem) != m_arrItems.end();
}

void CXTPTabStrip::ReorderDraggedItem(CXTPTabStripItem* pItem, const std::vector<CRect>& rcPlaces, CPoint point)
{
    const int nCurrent = pItem->GetIndex();
    const int nPlaces = std::min((int)rcPlaces.size(), GetItemCount());
    for (int i = 0; i < nPlaces; i++)
        if (i != nCurrent && rcPlaces[i].PtInRect(point))
        {
            std::swap(m_arrItems[i], m_arrItems[nCurrent]);
            OnItemsChanged();
            return;
        }
}

std::vector<CRect> CXTPTabStrip::BeginItemDrag(CXTPTabStripItem* pItem)
{
    m_pSelected = pItem;
    if (GetPainter()->m_bHotTracking)
        m_pHot = pItem;
    RecalcHostLayout();
    std::vector<CRect> rcPlaces;
    for (CXTPTabStripItem* pTab : m_arrItems)
        rcPlaces.push_back(pTab->GetRect());
    return rcPlaces;
}

BOOL CXTPTabStrip::RunItemDrag(HWND hWnd, CXTPTabStripItem* pItem, CPoint& ptLast,
                               const std::function<void(CPoint)>& onMove)
{
    BOOL bDropped = FALSE;
    CXTPCaptureLoop loop(hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    loop.Run([&](MSG& msg) {
        // A tab deleted while the drag dispatched messages ends the drag.
        if (!HasItem(pItem))
            return CXTPCaptureLoop::finishAndLeave;
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            ptLast = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            onMove(ptLast);
            return CXTPCaptureLoop::handled;
        case WM_LBUTTONUP:
            bDropped = TRUE;
            return CXTPCaptureLoop::finish;
        default:
            return XTPTabLoopOtherMessage(msg);
        }
    });
    return bDropped && HasItem(pItem);
}

void CXTPTabStrip::TrackItemDrag(HWND hWnd, CPoint point, CXTPTabStripItem* pItem)
{
    CXTPTabStripItem* pSelectedBefore = m_pSelected;
    const std::vector<CRect> rcPlaces = BeginItemDrag(pItem);
    CPoint ptLast = point;
    RunItemDrag(hWnd, pItem, ptLast, [&](CPoint pt) { ReorderDraggedItem(pItem, rcPlaces, pt); });

    OnMouseMove(hWnd, ptLast);
    // The click below selects the dragged tab as a change from the tab
    // selected before the drag.
    m_pSelected = HasItem(pSelectedBefore) ? pSelectedBefore : NULL;
    if (HasItem(pItem))
        OnItemClick(pItem);
}
