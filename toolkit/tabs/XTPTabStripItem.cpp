#include "toolkit/tabs/XTPTabStripItem.h"

#include "toolkit/tabs/XTPTabStrip.h"

CXTPTabStripItem::CXTPTabStripItem()
    : m_bFound(FALSE), m_nLength(0), m_nIndex(-1), m_bEnabled(TRUE), m_bVisible(TRUE), m_dwData(0), m_hIcon(NULL),
      m_clrItem(0), m_pStrip(NULL)
{}

CXTPTabStripItem::~CXTPTabStripItem()
{}

void CXTPTabStripItem::SetText(const CString& strText)
{
    if (m_strCaption == strText)
        return;
    m_strCaption = strText;
    if (m_pStrip != NULL)
        m_pStrip->RecalcHostLayout();
}

CString CXTPTabStripItem::GetText() const
{
    return m_pStrip != NULL ? m_pStrip->GetItemText(this) : m_strCaption;
}

CString CXTPTabStripItem::GetTip() const
{
    return m_pStrip != NULL ? m_pStrip->GetItemTip(this) : m_strTip;
}

void CXTPTabStripItem::SetColor(COLORREF clr)
{
    m_clrItem = clr;
    if (m_pStrip != NULL)
        m_pStrip->RedrawHost();
}

void CXTPTabStripItem::StoreColor(COLORREF clr)
{
    m_clrItem = clr;
}

COLORREF CXTPTabStripItem::GetColor()
{
    return m_pStrip != NULL ? m_pStrip->GetItemColor(this) : m_clrItem;
}

void CXTPTabStripItem::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (m_pStrip != NULL)
        m_pStrip->RecalcHostLayout();
}

void CXTPTabStripItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    if (m_pStrip != NULL)
        m_pStrip->RecalcHostLayout();
}

BOOL CXTPTabStripItem::IsSelected() const
{
    return m_pStrip != NULL && m_pStrip->GetSelectedItem() == this;
}

BOOL CXTPTabStripItem::IsHot() const
{
    return m_pStrip != NULL && m_pStrip->GetHotItem() == this;
}

void CXTPTabStripItem::Select()
{
    if (m_pStrip != NULL)
        m_pStrip->OnItemClick(this);
}

void CXTPTabStripItem::Remove()
{
    if (m_pStrip != NULL)
        m_pStrip->DeleteItem(m_nIndex);
}
