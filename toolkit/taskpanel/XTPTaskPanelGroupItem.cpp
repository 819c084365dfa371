#include "toolkit/taskpanel/XTPTaskPanelGroupItem.h"

#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/XTPTaskPanelLayout.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPTaskPanelGroupItem, CXTPTaskPanelItem, VERSIONABLE_SCHEMA | 8)

CXTPTaskPanelGroupItem::CXTPTaskPanelGroupItem()
    : m_rcMargins(XTPUnsetRect), m_rcItem(0, 0, 0, 0), m_bBold(FALSE), m_bSelected(FALSE), m_hWnd(NULL),
      m_szItem(0, 0)
{
    m_nType = xtpTaskItemTypeText;
}

CXTPTaskPanelGroupItem::~CXTPTaskPanelGroupItem()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        ::ShowWindow(m_hWnd, SW_HIDE);
}

CXTPTaskPanelGroup* CXTPTaskPanelGroupItem::GetItemGroup() const
{
    return m_pParentItems != NULL ? DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, m_pParentItems->GetOwner()) : NULL;
}

CRect CXTPTaskPanelGroupItem::GetHitTestRect() const
{
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    if (pGroup == NULL || m_pPanel == NULL)
        return CRect(0, 0, 0, 0);
    CRect rc = m_rcItem;
    rc.OffsetRect(0, pGroup->GetCaptionRect().bottom - m_pPanel->GetScrollOffset() - pGroup->GetScrollOffsetPos());
    return rc;
}

void CXTPTaskPanelGroupItem::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPTaskPanelItem::DoPropExchange(pPX);
    BOOL bSelected = IsItemSelected();
    PX_Rect(pPX, "Margins", m_rcMargins, XTPUnsetRect);
    PX_Bool(pPX, "Bold", m_bBold, FALSE);
    PX_Size(pPX, "ItemSize", m_szItem, CSize(0, 0));
    PX_Bool(pPX, "Selected", bSelected, FALSE);
    if (pPX->IsLoading())
    {
        m_szItem = XTPTaskPanelClampLoadedSize(m_szItem, XTPTaskPanelMaxLoadedExtent);
        m_rcMargins = XTPTaskPanelClampLoadedMargins(m_rcMargins);
        SetItemSelected(bSelected);
    }
}

CRect CXTPTaskPanelGroupItem::OnReposition(CRect rc)
{
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    ASSERT(pGroup != NULL && m_pPanel != NULL);
    if (pGroup->GetItemLayout() == xtpTaskItemLayoutImages)
    {
        m_rcItem = rc;
        return m_rcItem;
    }
    CXTPTaskPanelPainter* pPainter = GetPaintManager();
    const CRect rcMargins = pPainter->GetItemOuterMargins(this);
    rc.DeflateRect(rcMargins.left, rcMargins.top, rcMargins.right, 0);
    rc.bottom = rc.top;
    if (m_nType == xtpTaskItemTypeControl)
    {
        // A hosted window spans the group unless its width is fixed, and is
        // cut to the group's width.
        const int nWidth = m_szItem.cx > 0 ? std::min((int)m_szItem.cx, (int)rc.Width()) : rc.Width();
        m_rcItem = CRect(rc.left, rc.top, rc.left + nWidth, rc.top + m_szItem.cy);
    }
    else if (m_szItem != CSize(0, 0))
        m_rcItem = CRect(rc.TopLeft(), m_szItem);
    else
        m_rcItem = pPainter->DrawGroupItem(CXTPTaskPanelMeasureDC(m_pPanel), this, rc, FALSE);
    return m_rcItem;
}

void CXTPTaskPanelGroupItem::OnDrawItem(CDC* pDC, CRect rc)
{
    if (m_nType != xtpTaskItemTypeControl)
    {
        GetPaintManager()->DrawGroupItem(pDC, this, rc, TRUE);
        return;
    }
    // The window paints itself while it shows; meanwhile its picture stands
    // in. A control item without its window (as loaded) shows nothing.
    if (!::IsWindowVisible(m_hWnd) && m_bmpPreview.GetSafeHandle() != NULL)
        pDC->DrawState(rc.TopLeft(), rc.Size(), &m_bmpPreview, DST_BITMAP | DSS_NORMAL);
}

void CXTPTaskPanelGroupItem::SetControlHandle(HWND hWnd)
{
    m_hWnd = hWnd;
    CRect rcClient(0, 0, 0, 0);
    if (hWnd != NULL)
        ::GetClientRect(hWnd, &rcClient);
    m_szItem.cy = rcClient.Height();
    SetType(xtpTaskItemTypeControl);
}

BOOL CXTPTaskPanelGroupItem::IsGroupStill(CXTPTaskPanelGroup* pGroup) const
{
    return !pGroup->IsExpandPending() && pGroup->IsExpanded()
           && pGroup->GetClientRect().Height() == pGroup->GetTargetClientRect().Height();
}

void CXTPTaskPanelGroupItem::OnAnimate(int)
{
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    if (m_nType != xtpTaskItemTypeControl || m_hWnd == NULL || !::IsWindow(m_hWnd) || pGroup == NULL
        || m_pPanel == NULL)
        return;
    // The window follows the panel's scrolling and the group's own.
    const CRect rcClient = pGroup->GetClientRect();
    const int nTop = rcClient.top + m_rcItem.top - m_pPanel->GetScrollOffset() - pGroup->GetScrollOffsetPos();
    const CRect rcShown(rcClient.left, rcClient.top - m_pPanel->GetScrollOffset(), rcClient.right,
                        rcClient.bottom - m_pPanel->GetScrollOffset());
    const CRect rcWindow(m_rcItem.left, nTop, m_rcItem.right, nTop + m_rcItem.Height());
    // A window scrolled out of the group's client area is hidden like one
    // that moves.
    if (IsGroupStill(pGroup) && rcWindow.top >= rcShown.top && rcWindow.bottom <= rcShown.bottom)
    {
        ::SetWindowPos(m_hWnd, NULL, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        m_bmpPreview.DeleteObject();
        return;
    }
    if (!::IsWindowVisible(m_hWnd) && m_bmpPreview.GetSafeHandle() != NULL)
        return;
    TakePreview();
    ::ShowWindow(m_hWnd, SW_HIDE);
}

void CXTPTaskPanelGroupItem::TakePreview()
{
    m_bmpPreview.DeleteObject();
    CRect rcWindow, rcClient;
    ::GetWindowRect(m_hWnd, &rcWindow);
    ::GetClientRect(m_hWnd, &rcClient);
    ::MapWindowPoints(m_hWnd, NULL, (LPPOINT)&rcClient, 2);
    const CPoint ptClient(rcClient.left - rcWindow.left, rcClient.top - rcWindow.top);
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    const COLORREF clrBack = GetPaintManager()->GetGroupColors(pGroup->IsSpecial())->clrClient;

    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    CClientDC dcWindow(pWnd);
    CBitmap bmpWork;
    bmpWork.CreateCompatibleBitmap(&dcWindow, rcWindow.Width(), rcWindow.Height());
    m_bmpPreview.CreateCompatibleBitmap(&dcWindow, rcWindow.Width(), rcWindow.Height());
    CDC dcWork, dcPreview;
    dcWork.CreateCompatibleDC(&dcWindow);
    dcPreview.CreateCompatibleDC(&dcWindow);
    CBitmap* pOldWork = dcWork.SelectObject(&bmpWork);
    CBitmap* pOldPreview = dcPreview.SelectObject(&m_bmpPreview);
    dcWork.FillSolidRect(0, 0, rcWindow.Width(), rcWindow.Height(), clrBack);
    pWnd->SendMessage(WM_PRINT, (WPARAM)dcWork.GetSafeHdc(), PRF_NONCLIENT);
    dcPreview.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcWork, 0, 0, SRCCOPY);
    dcPreview.SetViewportOrg(ptClient);
    pWnd->SendMessage(WM_PRINT, (WPARAM)dcPreview.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    dcPreview.SetViewportOrg(0, 0);
    dcWork.SelectObject(pOldWork);
    dcPreview.SelectObject(pOldPreview);
}

void CXTPTaskPanelGroupItem::SetBold(BOOL bBold)
{
    m_bBold = bBold;
    RepositionPanel();
}

void CXTPTaskPanelGroupItem::SetItemSize(int cx, int cy)
{
    m_szItem = CSize(cx, cy);
    RepositionPanel();
}

BOOL CXTPTaskPanelGroupItem::IsItemSelected() const
{
    if (m_pPanel != NULL && m_pPanel->IsSingleSelection())
        return m_pPanel->GetFocusedItem() == this;
    return m_bSelected;
}

void CXTPTaskPanelGroupItem::SetItemSelected(BOOL bSelected)
{
    if (m_pPanel != NULL && m_pPanel->IsSingleSelection())
    {
        if (bSelected)
            m_pPanel->SetFocusedItem(this, FALSE);
        return;
    }
    if (m_bSelected == bSelected)
        return;
    m_bSelected = bSelected;
    RedrawPanel();
}
