#include "toolkit/taskpanel/XTPTaskPanelGroup.h"

#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/XTPTaskPanelLayout.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPTaskPanelGroup, CXTPTaskPanelItem, VERSIONABLE_SCHEMA | 8)

namespace {

// The smallest client height of the open group, apart from its margins.
const int kOpenGroupMinimum = 32;

} // namespace

CXTPTaskPanelGroup::CXTPTaskPanelGroup(CXTPTaskPanel* pPanel)
    : m_rcGroupTarget(0, 0, 0, 0), m_rcGroupCurrent(0, 0, 0, 0), m_rcMarginsOuter(XTPUnsetRect),
      m_rcMarginsInner(XTPUnsetRect), m_nCaptionHeight(0), m_bSpecial(FALSE), m_bExpandable(TRUE),
      m_bExpanded(TRUE), m_bExpandPending(FALSE), m_nClientHeight(0), m_bCaptionVisible(TRUE),
      m_szClientBitmap(0, 0), m_nFirstVisibleItem(0), m_nItemsInRow(1), m_szItemIcon(0, 0), m_nItemLayout(0)
{
    m_pPanel = pPanel;
    m_nType = xtpTaskItemTypeGroup;
    m_pItems = new CXTPTaskPanelGroupItems(pPanel);
    m_pItems->SetOwner(this);
}

CXTPTaskPanelGroup::~CXTPTaskPanelGroup()
{
    m_pItems->InternalRelease();
}

void CXTPTaskPanelGroup::SetTaskPanel(CXTPTaskPanel* pPanel)
{
    CXTPTaskPanelItem::SetTaskPanel(pPanel);
    m_pItems->SetTaskPanel(pPanel);
}

BOOL CXTPTaskPanelGroup::IsAcceptFocus() const
{
    return CXTPTaskPanelItem::IsAcceptFocus() && IsExpandable();
}

CRect CXTPTaskPanelGroup::GetHitTestRect() const
{
    CRect rc = GetCaptionRect();
    if (m_pPanel != NULL)
        rc.OffsetRect(0, -m_pPanel->GetScrollOffset());
    return rc;
}

void CXTPTaskPanelGroup::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPTaskPanelItem::DoPropExchange(pPX);
    BOOL bExpanded = IsExpanded();
    PX_Bool(pPX, "CaptionVisible", m_bCaptionVisible, TRUE);
    PX_Bool(pPX, "Expandable", m_bExpandable, TRUE);
    PX_Bool(pPX, "Expanded", bExpanded, FALSE);
    PX_Bool(pPX, "Special", m_bSpecial, FALSE);
    PX_Enum(pPX, "Layout", m_nItemLayout, xtpTaskItemLayoutDefault);
    PX_Rect(pPX, "MarginsInner", m_rcMarginsInner, XTPUnsetRect);
    PX_Rect(pPX, "MarginsOuter", m_rcMarginsOuter, XTPUnsetRect);
    PX_Size(pPX, "IconSize", m_szItemIcon, CSize(0, 0));
    if (pPX->IsLoading())
    {
        m_rcMarginsInner = XTPTaskPanelClampLoadedMargins(m_rcMarginsInner);
        m_rcMarginsOuter = XTPTaskPanelClampLoadedMargins(m_rcMarginsOuter);
        m_szItemIcon = XTPTaskPanelClampLoadedSize(m_szItemIcon, XTPTaskPanelMaxLoadedIcon);
        m_pItems->SetTaskPanel(m_pPanel);
        SetExpanded(bExpanded);
    }
    CXTPPropExchangeSectionPtr pItems(pPX->GetSection("Items"));
    m_pItems->DoPropExchange(pItems);
}

void CXTPTaskPanelGroup::OnDrawClientBitmap(CDC* pDC, CRect rc)
{
    if (m_ilClientBitmap.GetSafeHandle() == NULL || m_ilClientBitmap.GetImageCount() != 1)
        return;
    m_ilClientBitmap.Draw(pDC, 0, CPoint(rc.right - m_szClientBitmap.cx, rc.bottom - m_szClientBitmap.cy),
                          ILD_NORMAL);
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::AddLinkItem(UINT nID, int nIconIndex)
{
    CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
    m_pItems->Add(pItem, nID);
    pItem->SetIconIndex(nIconIndex);
    pItem->SetType(xtpTaskItemTypeLink);
    return pItem;
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::AddTextItem(const CString& strText)
{
    CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
    m_pItems->Add(pItem, 0);
    pItem->SetCaption(strText);
    return pItem;
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::AddControlItem(HWND hWnd)
{
    CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
    m_pItems->Add(pItem, 0);
    pItem->SetControlHandle(hWnd);
    RepositionPanel();
    return pItem;
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::GetAt(int nIndex) const
{
    return DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, m_pItems->GetAt(nIndex));
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::FindItem(UINT nID) const
{
    return DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, m_pItems->Find(nID));
}

void CXTPTaskPanelGroup::SetSelectedItem(CXTPTaskPanelItem* pItem)
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (CXTPTaskPanelGroupItem* pGroupItem = GetAt(i))
            pGroupItem->SetItemSelected(pGroupItem == pItem);
    }
}

BOOL CXTPTaskPanelGroup::IsExpanded() const
{
    return m_pPanel != NULL ? m_pPanel->IsGroupExpanded(this) : m_bExpanded;
}

void CXTPTaskPanelGroup::SetExpanded(BOOL bExpanded)
{
    if (m_pPanel != NULL)
        m_pPanel->ExpandGroup(this, bExpanded);
    else
        m_bExpanded = bExpanded;
}

BOOL CXTPTaskPanelGroup::IsExpandable() const
{
    return m_bExpandable && (m_pPanel == NULL || m_pPanel->IsGroupsExpandable()) && m_bEnabled;
}

void CXTPTaskPanelGroup::SetExpandable(BOOL bExpandable)
{
    m_bExpandable = bExpandable;
    RedrawPanel();
}

void CXTPTaskPanelGroup::SetSpecial(BOOL bSpecial)
{
    m_bSpecial = bSpecial;
    RedrawPanel();
}

void CXTPTaskPanelGroup::SetCaptionVisible(BOOL bVisible)
{
    if (m_bCaptionVisible == bVisible)
        return;
    m_bCaptionVisible = bVisible;
    RepositionPanel();
}

int CXTPTaskPanelGroup::GetItemLayout() const
{
    if (m_nItemLayout != xtpTaskItemLayoutDefault)
        return m_nItemLayout;
    return m_pPanel != NULL ? m_pPanel->GetItemLayout() : xtpTaskItemLayoutImagesWithText;
}

void CXTPTaskPanelGroup::SetItemLayout(int nLayout)
{
    if (m_nItemLayout == nLayout)
        return;
    m_nItemLayout = nLayout;
    RepositionPanel();
}

CSize CXTPTaskPanelGroup::GetIconSize() const
{
    if (m_szItemIcon != CSize(0, 0))
        return m_szItemIcon;
    return m_pPanel != NULL ? m_pPanel->GetItemIconSize() : CSize(16, 16);
}

void CXTPTaskPanelGroup::SetIconSize(CSize szIcon)
{
    m_szItemIcon = szIcon;
    RepositionPanel();
}

void CXTPTaskPanelGroup::SetClientBitmap(UINT nIDBitmap, COLORREF clrTransparent, BOOL bAlpha)
{
    m_ilClientBitmap.DeleteImageList();
    m_szClientBitmap = CSize(0, 0);
    // A DIB section keeps a 32-bit picture's alpha.
    HBITMAP hBitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDBitmap), IMAGE_BITMAP,
                                            0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL)
        return;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    BITMAP info;
    bitmap.GetBitmap(&info);
    m_szClientBitmap = CSize(info.bmWidth, info.bmHeight);
    if (bAlpha)
    {
        m_ilClientBitmap.Create(info.bmWidth, info.bmHeight, ILC_COLOR32 | ILC_MASK, 0, 1);
        m_ilClientBitmap.Add(&bitmap, (CBitmap*)NULL);
    }
    else
    {
        m_ilClientBitmap.Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
        m_ilClientBitmap.Add(&bitmap, clrTransparent);
    }
}

BOOL CXTPTaskPanelGroup::IsDragOverGroup() const
{
    CXTPTaskPanelItem* pTarget = m_pPanel != NULL ? m_pPanel->GetDragOverItem() : NULL;
    return pTarget != NULL && pTarget->GetParentItems() == m_pItems;
}

void CXTPTaskPanelGroup::OnPaint(CDC* pDC)
{
    CXTPTaskPanelPainter* pPainter = GetPaintManager();
    pPainter->DrawGroupCaption(pDC, this, TRUE);
    pPainter->DrawGroupClient(pDC, this);
}

// ---- layout ----

CRect CXTPTaskPanelGroup::OnReposition(CRect rc, BOOL bAnimate)
{
    ASSERT(m_pPanel != NULL && m_pPanel->GetSafeHwnd() != NULL);
    CXTPTaskPanelPainter* pPainter = GetPaintManager();
    if (m_pPanel->IsExplorerBehaviour())
        m_nFirstVisibleItem = 0;
    const CRect rcOuter = pPainter->GetGroupOuterMargins(this);
    m_rcGroupTarget.SetRect(rc.left + rcOuter.left, rc.top + rcOuter.top, rc.right - rcOuter.right,
                            rc.top + rcOuter.top);
    m_nCaptionHeight = pPainter->DrawGroupCaption(CXTPTaskPanelMeasureDC(m_pPanel), this, FALSE);
    m_nClientHeight = OnCalcClientHeight();
    m_rcGroupTarget.bottom = m_rcGroupTarget.top + m_nCaptionHeight + (IsExpanded() ? m_nClientHeight : 0);
    m_rcGroupCurrent.left = m_rcGroupTarget.left;
    m_rcGroupCurrent.right = m_rcGroupTarget.right;
    if (!bAnimate || !m_pPanel->IsAnimate() || !IsDirty())
        OnAnimate(0);
    return m_rcGroupTarget;
}

int CXTPTaskPanelGroup::OnCalcClientHeight()
{
    ASSERT(m_pPanel != NULL);
    const CRect rcInner = GetPaintManager()->GetGroupInnerMargins(this);
    const CRect rcWork(m_rcGroupTarget.left + rcInner.left, rcInner.top, m_rcGroupTarget.right - rcInner.right,
                       rcInner.top);
    m_nItemsInRow = 1;
    int nBottom = GetItemLayout() == xtpTaskItemLayoutImages ? LayoutItemsInGrid(rcWork) : LayoutItemsInRows(rcWork);
    nBottom += rcInner.bottom;
    if (!m_pPanel->IsExplorerBehaviour() && (m_pPanel->GetActiveGroup() == this || m_bExpandPending))
    {
        const int nLeast = std::max((int)GetIconSize().cy + (int)rcInner.bottom, kOpenGroupMinimum) + rcInner.top + 2;
        nBottom = std::max(m_pPanel->CalcGroupMinClientHeight(), nLeast);
    }
    return nBottom;
}

int CXTPTaskPanelGroup::LayoutItemsInGrid(const CRect& rcWork)
{
    std::vector<CRect> rcCells;
    const XTPTaskPanelGrid grid = XTPTaskPanelLayoutGrid(rcWork, GetIconSize(), GetItemCount(), rcCells);
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (CXTPTaskPanelGroupItem* pItem = GetAt(i))
            pItem->OnReposition(rcCells[i]);
    }
    m_nItemsInRow = grid.nColumns;
    m_nFirstVisibleItem -= m_nFirstVisibleItem % grid.nColumns;
    return rcWork.top + grid.nRows * grid.szCell.cy;
}

int CXTPTaskPanelGroup::LayoutItemsInRows(const CRect& rcWork)
{
    CXTPTaskPanelPainter* pPainter = GetPaintManager();
    int y = rcWork.top;
    for (int i = 0; i < GetItemCount(); i++)
    {
        CXTPTaskPanelGroupItem* pItem = GetAt(i);
        if (pItem == NULL)
            continue;
        const CRect rcItem = pItem->OnReposition(CRect(rcWork.left, y, rcWork.right, y));
        y = rcItem.bottom + pPainter->GetItemOuterMargins(pItem).bottom;
    }
    return y;
}

void CXTPTaskPanelGroup::OnAnimate(int nStep)
{
    m_rcGroupCurrent = XTPTaskPanelAnimateRect(m_rcGroupCurrent, m_rcGroupTarget, nStep);
    const BOOL bArrived = !IsDirty() && m_bExpandPending;
    if (bArrived)
        m_bExpandPending = FALSE;
    OnAnimateItems(nStep);
    // The owner hears of the arrival after the whole step, hosted windows
    // placed: it may change the group when told.
    if (bArrived && m_pPanel != NULL)
        m_pPanel->OnGroupArrived(this);
}

void CXTPTaskPanelGroup::OnAnimateItems(int nStep)
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (CXTPTaskPanelGroupItem* pItem = GetAt(i))
            pItem->OnAnimate(nStep);
    }
}

CRect CXTPTaskPanelGroup::GetCaptionRect() const
{
    CRect rc(m_rcGroupCurrent.left, m_rcGroupCurrent.top, m_rcGroupCurrent.right,
             m_rcGroupCurrent.top + m_nCaptionHeight);
    if (m_pPanel == NULL)
        return rc;
    for (BOOL bUp = FALSE; bUp <= TRUE; bUp++)
    {
        const CXTPTaskPanelScrollButton* pButton = m_pPanel->GetScrollButton(bUp);
        if (pButton->pCaptionGroup == this && !pButton->rcButton.IsRectEmpty())
            rc = XTPTaskPanelCaptionBeforeButton(rc, pButton->rcButton,
                                                 GetPaintManager()->GetGroupSpacing(m_pPanel));
    }
    return rc;
}

CRect CXTPTaskPanelGroup::GetClientRect() const
{
    return CRect(m_rcGroupCurrent.left, m_rcGroupCurrent.top + m_nCaptionHeight, m_rcGroupCurrent.right,
                 std::max((int)m_rcGroupCurrent.bottom, (int)m_rcGroupCurrent.top + m_nCaptionHeight));
}

CRect CXTPTaskPanelGroup::GetTargetCaptionRect() const
{
    return CRect(m_rcGroupTarget.left, m_rcGroupTarget.top, m_rcGroupTarget.right,
                 m_rcGroupTarget.top + m_nCaptionHeight);
}

CRect CXTPTaskPanelGroup::GetTargetClientRect() const
{
    return CRect(m_rcGroupTarget.left, m_rcGroupTarget.top + m_nCaptionHeight, m_rcGroupTarget.right,
                 m_rcGroupTarget.top + m_nCaptionHeight + m_nClientHeight);
}

CXTPTaskPanelGroupItem* CXTPTaskPanelGroup::HitTest(CPoint pt, CRect* lpRect) const
{
    if (!IsExpanded())
        return NULL;
    const int nItemTop = m_rcGroupCurrent.top + m_nCaptionHeight - GetScrollOffsetPos();
    const CPoint ptItem(pt.x, pt.y - nItemTop);
    // Only shown items are hit: an item scrolled out above the first shown
    // one still lies under the client area's top margin.
    for (int i = m_nFirstVisibleItem; i < GetItemCount(); i++)
    {
        CXTPTaskPanelGroupItem* pItem = GetAt(i);
        if (pItem == NULL || !pItem->GetItemRect().PtInRect(ptItem))
            continue;
        if (lpRect != NULL)
        {
            *lpRect = pItem->GetItemRect();
            lpRect->OffsetRect(0, nItemTop);
        }
        return pItem;
    }
    return NULL;
}

// ---- scrolling inside the group ----

std::vector<CRect> CXTPTaskPanelGroup::ItemRects() const
{
    std::vector<CRect> rcItems;
    for (int i = 0; i < GetItemCount(); i++)
    {
        CXTPTaskPanelGroupItem* pItem = GetAt(i);
        rcItems.push_back(pItem != NULL ? pItem->GetItemRect() : CRect(0, 0, 0, 0));
    }
    return rcItems;
}

int CXTPTaskPanelGroup::GetVisibleClientHeight() const
{
    return m_rcGroupTarget.Height() - m_nCaptionHeight;
}

int CXTPTaskPanelGroup::GetScrollOffsetPos() const
{
    if (m_nFirstVisibleItem <= 0 || m_pPanel == NULL)
        return 0;
    const int nInnerTop = GetPaintManager()->GetGroupInnerMargins(const_cast<CXTPTaskPanelGroup*>(this)).top;
    return XTPTaskPanelGroupScrollOffset(ItemRects(), m_nFirstVisibleItem, nInnerTop);
}

BOOL CXTPTaskPanelGroup::IsScrollButtonEnabled(BOOL bUp) const
{
    const std::vector<CRect> rcItems = ItemRects();
    if (bUp)
        return XTPTaskPanelCanScrollUp(rcItems, m_nFirstVisibleItem);
    if (m_pPanel == NULL)
        return FALSE;
    const int nInnerTop = GetPaintManager()->GetGroupInnerMargins(const_cast<CXTPTaskPanelGroup*>(this)).top;
    return XTPTaskPanelCanScrollDown(rcItems, m_nFirstVisibleItem, nInnerTop, GetVisibleClientHeight());
}

void CXTPTaskPanelGroup::Scroll(int nDelta)
{
    m_nFirstVisibleItem = std::max(0, std::min(m_nFirstVisibleItem + nDelta, GetItemCount() - 1));
    RefreshScrollButtons();
}

void CXTPTaskPanelGroup::EnsureVisible(CXTPTaskPanelGroupItem* pItem)
{
    if (m_pPanel == NULL || pItem->GetItemGroup() != this || m_pPanel->IsExplorerBehaviour() || !IsExpanded()
        || GetItemCount() == 0)
        return;
    const int nInnerTop = GetPaintManager()->GetGroupInnerMargins(this).top;
    m_nFirstVisibleItem = XTPTaskPanelFirstVisibleFor(ItemRects(), m_nFirstVisibleItem, pItem->GetIndex(),
                                                      m_nItemsInRow, nInnerTop, GetVisibleClientHeight());
    RefreshScrollButtons();
}

void CXTPTaskPanelGroup::RefreshScrollButtons() const
{
    if (m_pPanel != NULL)
        m_pPanel->RefreshScrollButtonStates();
}
