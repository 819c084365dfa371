#include "toolkit/commandbars/controls/XTPControlSelector.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPControlSelector, CXTPControl, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlSelectorClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlSelector));

namespace {

const int kDefaultItemSize = 28;
// The paint manager's colours of the cells' text and frames.
const int kCellTextColor = 46;
const int kCellFrameColor = 43;

} // namespace

CXTPControlSelector::CXTPControlSelector()
    : m_szItemsCount(5, 4), m_szItemsMax(12, 12), m_szSelected(0, 0), m_szItem(kDefaultItemSize, kDefaultItemSize),
      m_szExecuted(0, 0), m_szItemsActive(5, 4), m_bResizing(FALSE)
{}

CSize CXTPControlSelector::GetItemSize() const
{
    return CSize(m_szItem.cx > 0 ? m_szItem.cx : kDefaultItemSize, m_szItem.cy > 0 ? m_szItem.cy : kDefaultItemSize);
}

void CXTPControlSelector::SetSelected(int cx, int cy, BOOL bForce)
{
    if (m_szSelected == CSize(cx, cy) && !bForce)
        return;
    m_szSelected = CSize(cx, cy);
    if (m_pParent == NULL)
        return;
    if (m_pParent->GetSafeHwnd() != NULL)
        m_pParent->Invalidate(FALSE);
    CWnd* pOwner = m_pParent->GetOwnerSite();
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        return;
    NotifySite(pOwner, XTP_SLN_SELCHANGE);
}

void CXTPControlSelector::DrawItem(CDC* /*pDC*/, CRect /*rcCell*/, COLORREF /*clrText*/)
{}

CSize CXTPControlSelector::GetSize(CDC* /*pDC*/)
{
    const CSize szItem = GetItemSize();
    return CSize(szItem.cx * m_szItemsActive.cx, szItem.cy * m_szItemsActive.cy);
}

void CXTPControlSelector::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    const CSize szItem = GetItemSize();
    for (int x = 0; x < m_szItemsActive.cx; x++)
    {
        for (int y = 0; y < m_szItemsActive.cy; y++)
        {
            CRect rcCell(CPoint(m_rcControl.left + x * szItem.cx, m_rcControl.top + y * szItem.cy), szItem);
            rcCell.DeflateRect(1, 1);
            const BOOL bSelected = x < m_szSelected.cx && y < m_szSelected.cy;
            pDC->FillSolidRect(rcCell, pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            const COLORREF clrText = pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : kCellTextColor);
            const COLORREF clrFrame = pPaintManager->GetColor(kCellFrameColor);
            pDC->Draw3dRect(rcCell, clrFrame, clrFrame);
            DrawItem(pDC, rcCell, clrText);
        }
    }
}

void CXTPControlSelector::OnMouseMove(CPoint point)
{
    const CSize szItem = GetItemSize();
    int cx = 0, cy = 0;
    while (cx < m_szItemsActive.cx && m_rcControl.left + cx * szItem.cx < point.x)
        cx++;
    while (cy < m_szItemsActive.cy && m_rcControl.top + cy * szItem.cy < point.y)
        cy++;
    SetSelected(cx, cy);
}

void CXTPControlSelector::OnLButtonUp(CPoint /*point*/)
{
    if (m_szSelected.cx <= 0 || m_szSelected.cy <= 0)
        return;
    m_szExecuted = m_szSelected;
    OnExecute();
}

void CXTPControlSelector::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!m_bResizing)
    {
        m_szSelected = CSize(0, 0);
        m_szItemsActive = m_szItemsCount;
    }
    SetSelected(m_szSelected.cx, m_szSelected.cy, TRUE);
}

CSize CXTPControlSelector::GrownCount(CPoint ptPointer) const
{
    const CSize szItem = GetItemSize();
    CSize szCount = m_szItemsActive;
    if (ptPointer.x >= m_rcControl.right)
        szCount.cx = std::min((int)m_szItemsMax.cx, (int)((ptPointer.x - m_rcControl.left) / szItem.cx + 1));
    if (ptPointer.y >= m_rcControl.bottom)
        szCount.cy = std::min((int)m_szItemsMax.cy, (int)((ptPointer.y - m_rcControl.top) / szItem.cy + 1));
    // The grid never shrinks while it is grown.
    szCount.cx = std::max(szCount.cx, m_szItemsActive.cx);
    szCount.cy = std::max(szCount.cy, m_szItemsActive.cy);
    return szCount;
}

BOOL CXTPControlSelector::OnSetSelected(int bSelected)
{
    if (bSelected == 0 && m_nSelected != 0 && m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
    {
        CPoint ptPointer;
        ::GetCursorPos(&ptPointer);
        m_pParent->ScreenToClient(&ptPointer);
        const CSize szGrown = ::GetKeyState(VK_LBUTTON) < 0 ? GrownCount(ptPointer) : m_szItemsActive;
        if (szGrown != m_szItemsActive)
        {
            m_szItemsActive = szGrown;
            SetSelected(m_szSelected.cx, m_szSelected.cy, TRUE);
            m_bResizing = TRUE;
            m_pParent->OnRecalcLayout();
            m_bResizing = FALSE;
            OnMouseMove(ptPointer);
        }
        else
            SetSelected(0, 0);
    }
    return CXTPControl::OnSetSelected(bSelected);
}

void CXTPControlSelector::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlSelector* pSelector = DYNAMIC_DOWNCAST(CXTPControlSelector, pControl);
    if (pSelector != NULL)
    {
        m_szItemsCount = pSelector->m_szItemsCount;
        m_szItemsMax = pSelector->m_szItemsMax;
        m_szItem = pSelector->m_szItem;
    }
    CXTPControl::Copy(pControl, bRecursive);
}

void CXTPControlSelector::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    PX_Size(pPX, "ItemsCount", m_szItemsCount, CSize(0, 0));
    PX_Size(pPX, "ItemsMax", m_szItemsMax, CSize(0, 0));
    PX_Size(pPX, "ItemSize", m_szItem, CSize(0, 0));
}
