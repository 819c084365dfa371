#include "toolkit/taskpanel/XTPTaskPanelEditItem.h"

#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

IMPLEMENT_DYNAMIC(CXTPTaskPanelEditItem, CEdit)

BEGIN_MESSAGE_MAP(CXTPTaskPanelEditItem, CEdit)
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CXTPTaskPanelEditItem::CXTPTaskPanelEditItem() : m_bCancel(FALSE), m_pItem(NULL), m_pPanel(NULL)
{
}

CXTPTaskPanelEditItem::~CXTPTaskPanelEditItem()
{
    if (m_pItem != NULL)
        m_pItem->InternalRelease();
}

BOOL CXTPTaskPanelEditItem::Create(CXTPTaskPanelItem* pItem)
{
    ASSERT(pItem != NULL && pItem->GetTaskPanel() != NULL);
    m_pPanel = pItem->GetTaskPanel();
    CRect rcText;
    UINT nFormat = 0;
    pItem->GetTextRect(&rcText, &nFormat);
    rcText.OffsetRect(0, -m_pPanel->GetScrollOffset());
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ((nFormat & DT_CENTER) ? ES_CENTER : 0);
    if (!CEdit::Create(dwStyle, rcText, m_pPanel, 0))
        return FALSE;
    m_pItem = pItem;
    m_pItem->InternalAddRef();
    SetFont(m_pPanel->GetPaintManager()->GetItemFont(pItem), TRUE);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowText(pItem->GetCaption());
    SetFocus();
    SetSel(0, -1);
    return TRUE;
}

void CXTPTaskPanelEditItem::Cancel()
{
    m_bCancel = TRUE;
    DestroyWindow();
}

void CXTPTaskPanelEditItem::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_ESCAPE)
    {
        m_bCancel = nChar == VK_ESCAPE;
        m_pPanel->SetFocus();
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CXTPTaskPanelEditItem::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    PostMessage(WM_CLOSE);
    if (m_bCancel)
        return;
    // Ends once: a second focus loss before the close finds it cancelled.
    m_bCancel = TRUE;
    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty() && m_pItem->GetTaskPanel() == m_pPanel && m_pItem->GetParentItems() != NULL)
        m_pPanel->OnEndLabelEdit(m_pItem, strText);
}

void CXTPTaskPanelEditItem::PostNcDestroy()
{
    m_pPanel->OnRenameEnded(this);
    delete this;
}
