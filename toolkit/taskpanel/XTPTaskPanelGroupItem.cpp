#include "toolkit/taskpanel/XTPTaskPanelGroupItem.h"

#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

IMPLEMENT_SERIAL(CXTPTaskPanelGroupItem, CXTPTaskPanelItem, VERSIONABLE_SCHEMA | 8)

CXTPTaskPanelGroupItem::CXTPTaskPanelGroupItem()
    : m_rcMargins(XTPUnsetRect), m_rcItem(0, 0, 0, 0), m_bBold(FALSE), m_bSelected(FALSE), m_szItem(0, 0)
{
    m_nType = xtpTaskItemTypeText;
}

CXTPTaskPanelGroupItem::~CXTPTaskPanelGroupItem()
{
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
        SetItemSelected(bSelected);
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
    if (m_szItem != CSize(0, 0) || m_nType == xtpTaskItemTypeControl)
        m_rcItem = CRect(rc.TopLeft(), m_szItem);
    else
        m_rcItem = pPainter->DrawGroupItem(CXTPTaskPanelMeasureDC(m_pPanel), this, rc, FALSE);
    return m_rcItem;
}

void CXTPTaskPanelGroupItem::OnDrawItem(CDC* pDC, CRect rc)
{
    GetPaintManager()->DrawGroupItem(pDC, this, rc, TRUE);
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
