#include "toolkit/taskpanel/XTPTaskPanelItem.h"

#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/XTPTaskPanelItems.h"

IMPLEMENT_SERIAL(CXTPTaskPanelItem, CCmdTarget, VERSIONABLE_SCHEMA | 8)

CXTPTaskPanelItem::CXTPTaskPanelItem()
    : m_pPanel(NULL), m_nID(0), m_nType(xtpTaskItemTypeLink), m_pParentItems(NULL), m_nIconIndex(-1),
      m_bEnabled(TRUE), m_bAllowDrop(TRUE), m_nAllowDrag(xtpTaskItemAllowDragDefault), m_rcText(0, 0, 0, 0),
      m_nTextFormat(0)
{
}

CXTPTaskPanelItem::~CXTPTaskPanelItem()
{
}

BOOL CXTPTaskPanelItem::IsAcceptFocus() const
{
    return (m_nType == xtpTaskItemTypeGroup || m_nType == xtpTaskItemTypeLink) && m_bEnabled;
}

CXTPTaskPanelGroup* CXTPTaskPanelItem::GetItemGroup() const
{
    // Only a group is its own group; a plain item belongs to none.
    return DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, const_cast<CXTPTaskPanelItem*>(this));
}

CRect CXTPTaskPanelItem::GetHitTestRect() const
{
    return CRect(0, 0, 0, 0);
}

void CXTPTaskPanelItem::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->IsLoading())
        m_pPanel = (CXTPTaskPanel*)pPX->m_dwData;
    PX_String(pPX, "Caption", m_strCaption, "");
    PX_String(pPX, "Tooltip", m_strTooltip, "");
    PX_Long(pPX, "Id", m_nID, 0);
    PX_Enum(pPX, "Type", m_nType, xtpTaskItemTypeLink);
    PX_Int(pPX, "IconIndex", m_nIconIndex, -1);
    PX_Bool(pPX, "Enabled", m_bEnabled, TRUE);
    PX_Long(pPX, "AllowDrag", m_nAllowDrag, xtpTaskItemAllowDragDefault);
    PX_Bool(pPX, "AllowDrop", m_bAllowDrop, TRUE);
}

void CXTPTaskPanelItem::SetCaption(LPCTSTR lpszCaption)
{
    if (m_strCaption == lpszCaption)
        return;
    m_strCaption = lpszCaption;
    RepositionPanel();
}

void CXTPTaskPanelItem::SetID(UINT nID)
{
    m_nID = (long)nID;
    CString strResource;
    if (nID == 0 || !strResource.LoadString(nID))
        return;
    AfxExtractSubString(m_strCaption, strResource, 0, '\n');
    if (strResource.Find('\n') >= 0)
        AfxExtractSubString(m_strTooltip, strResource, 1, '\n');
}

void CXTPTaskPanelItem::SetType(int nType)
{
    m_nType = nType;
    RepositionPanel();
}

void CXTPTaskPanelItem::SetIconIndex(int nIndex)
{
    if (m_nIconIndex == nIndex)
        return;
    m_nIconIndex = nIndex;
    RedrawPanel();
}

void CXTPTaskPanelItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RedrawPanel();
}

BOOL CXTPTaskPanelItem::IsAllowDrop() const
{
    if (m_pPanel == NULL || !m_bAllowDrop || !m_pPanel->IsAllowDrop())
        return FALSE;
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    return pGroup == NULL || pGroup->m_bAllowDrop;
}

long CXTPTaskPanelItem::GetAllowDrag() const
{
    if (m_nAllowDrag != xtpTaskItemAllowDragDefault)
        return m_nAllowDrag;
    CXTPTaskPanelGroup* pGroup = GetItemGroup();
    if (pGroup != NULL && pGroup->m_nAllowDrag != xtpTaskItemAllowDragDefault)
        return pGroup->m_nAllowDrag;
    if (m_pPanel != NULL && m_pPanel->GetAllowDrag() != xtpTaskItemAllowDragDefault)
        return m_pPanel->GetAllowDrag();
    return xtpTaskItemAllowDragAll;
}

BOOL CXTPTaskPanelItem::IsItemHot() const
{
    return m_bEnabled && m_pPanel != NULL && m_pPanel->GetHotItem() == this;
}

BOOL CXTPTaskPanelItem::IsItemFocused() const
{
    return m_bEnabled && m_pPanel != NULL && m_pPanel->GetFocusedItem() == this;
}

BOOL CXTPTaskPanelItem::IsItemPressed() const
{
    return m_pPanel != NULL && m_pPanel->GetPressedItem() == this;
}

BOOL CXTPTaskPanelItem::IsItemDragging() const
{
    return m_pPanel != NULL && m_pPanel->GetDraggedItem() == this;
}

BOOL CXTPTaskPanelItem::IsItemDragOver() const
{
    return m_pPanel != NULL && m_pPanel->GetDragOverItem() == this;
}

CXTPImageManagerIcon* CXTPTaskPanelItem::GetImage(int nWidth) const
{
    if (m_pPanel == NULL || m_nIconIndex < 0)
        return NULL;
    return m_pPanel->GetImageManager()->GetImage((UINT)m_nIconIndex, nWidth);
}

CXTPTaskPanelPainter* CXTPTaskPanelItem::GetPaintManager() const
{
    return m_pPanel != NULL ? m_pPanel->GetPaintManager() : NULL;
}

void CXTPTaskPanelItem::SetTextRect(CDC* pDC, CRect rc, UINT nFormat)
{
    CRect rcMeasure(0, 0, rc.Width(), 0);
    const CString strText = m_strCaption.IsEmpty() ? CString(" ") : m_strCaption;
    pDC->DrawText(strText, rcMeasure, (nFormat | DT_CALCRECT) & ~(DT_VCENTER | DT_END_ELLIPSIS));
    const int nSpare = rc.Height() - rcMeasure.Height();
    if (nFormat & DT_VCENTER)
    {
        rc.top += nSpare / 2;
        rc.bottom -= nSpare - nSpare / 2;
    }
    else
        rc.bottom -= nSpare;
    m_rcText = rc;
    m_nTextFormat = nFormat;
}

void CXTPTaskPanelItem::GetTextRect(CRect* pRect, UINT* pFormat) const
{
    if (pRect != NULL)
        *pRect = m_rcText;
    if (pFormat != NULL)
        *pFormat = m_nTextFormat;
}

int CXTPTaskPanelItem::GetIndex() const
{
    return m_pParentItems != NULL ? m_pParentItems->IndexOf(this) : -1;
}

void CXTPTaskPanelItem::Remove()
{
    if (m_pParentItems != NULL)
        m_pParentItems->Remove(this);
}

void CXTPTaskPanelItem::RedrawPanel() const
{
    if (m_pPanel != NULL && m_pPanel->GetSafeHwnd() != NULL && !m_pPanel->IsRedrawLocked())
        m_pPanel->Invalidate(FALSE);
}

void CXTPTaskPanelItem::RepositionPanel() const
{
    if (m_pPanel != NULL)
        m_pPanel->Reposition(TRUE);
}
