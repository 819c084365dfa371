#include "toolkit/commandbars/controls/XTPControlEdit.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControlEdit, CXTPControl, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlEditClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlEdit));

CXTPControlEditWnd::CXTPControlEditWnd(CXTPControlEdit* pControl) : m_pControl(pControl)
{
    SetHost(pControl);
}

CXTPControlEdit::CXTPControlEdit()
    : m_pEdit(NULL), m_nWidth(100), m_bLabel(TRUE), m_bReadOnly(FALSE), m_nLabelWidth(0),
      m_bDelayReposition(FALSE)
{
    m_controlType = xtpControlEdit;
}

CXTPControlEdit::~CXTPControlEdit()
{
    DestroyEditWnd();
    delete m_pEdit;
}

CXTPControlEditWnd* CXTPControlEdit::CreateEditWnd()
{
    return new CXTPControlEditWnd(this);
}

void CXTPControlEdit::DestroyEditWnd()
{
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
        m_pEdit->DestroyWindow(); // its text comes back through OnEditDestroy
}

CString CXTPControlEdit::GetEditText() const
{
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
    {
        CString strText;
        m_pEdit->GetWindowText(strText);
        const_cast<CXTPControlEdit*>(this)->m_strEditText = strText;
    }
    return m_strEditText;
}

void CXTPControlEdit::SetEditText(const CString& strText)
{
    if (m_pEdit == NULL)
        m_pEdit = CreateEditWnd();
    if (m_pEdit->m_hWnd != NULL)
    {
        CString strCurrent;
        m_pEdit->GetWindowText(strCurrent);
        if (strCurrent != strText)
            m_pEdit->SetWindowText(strText);
    }
    m_strEditText = strText;
}

void CXTPControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
        m_pEdit->SetReadOnly(bReadOnly);
}

void CXTPControlEdit::SetRect(CRect rcControl)
{
    if (m_pEdit == NULL)
        m_pEdit = CreateEditWnd();
    if (m_rcControl == rcControl && !m_bDelayReposition && m_pEdit->IsPlacedOn(this))
        return;
    m_rcControl = rcControl;
    m_pEdit->Place(this,
                   CRect(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - 3,
                         rcControl.bottom - 3),
                   m_strEditText);
    if (m_pEdit->m_hWnd != NULL)
        m_pEdit->SetReadOnly(m_bReadOnly);
    m_bDelayReposition = FALSE;
}

void CXTPControlEdit::SetEnabled(BOOL bEnabled)
{
    CXTPControl::SetEnabled(bEnabled);
    XTPFollowControlState(m_pEdit, this);
}

void CXTPControlEdit::SetHideFlags(DWORD dwFlags)
{
    const BOOL bChanged = dwFlags != m_dwHideFlags;
    CXTPControl::SetHideFlags(dwFlags);
    XTPFollowControlState(m_pEdit, this);
    if (bChanged)
        DelayLayoutParent();
}

void CXTPControlEdit::SetParent(CXTPCommandBar* pParent)
{
    if (pParent == NULL)
        DestroyEditWnd();
    else if (pParent != m_pParent)
        m_bDelayReposition = TRUE;
    CXTPControl::SetParent(pParent);
}

void CXTPControlEdit::OnCalcDynamicSize(DWORD dwMode)
{
    HideWhenDockedVertically(dwMode);
}

BOOL CXTPControlEdit::OnSetSelected(int bSelected)
{
    if (!CXTPControl::OnSetSelected(bSelected))
        return FALSE;
    if (!bSelected && CXTPEditFocus::HasFocus(this))
        m_focus.ReturnFocus(this);
    return TRUE;
}

void CXTPControlEdit::OnMouseHover()
{
    if (!XTPMouseManager()->IsMouseLocked())
        CXTPControl::OnMouseHover();
}

int CXTPControlEdit::OnHookKeyDown(UINT nChar)
{
    if (m_pEdit == NULL || m_pEdit->m_hWnd == NULL)
        return 2;
    if (nChar != VK_ESCAPE)
        return 2;
    if (::GetFocus() != m_pEdit->m_hWnd)
        return 0;
    m_focus.ReturnFocus(this);
    return 1;
}

void CXTPControlEdit::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pParent != NULL && m_pParent->IsCustomizeMode())
    {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
        OnCustomizeMouseDown(pt);
        return;
    }
    (void)pt;
    if (m_pEdit == NULL || m_pEdit->m_hWnd == NULL)
        return;
    if (bKeyboard && ::GetFocus() == m_pEdit->m_hWnd)
        OnExecute();
    else
        m_pEdit->SetFocus();
}

void CXTPControlEdit::OnEditSetFocus(HWND hWndLost)
{
    m_focus.OnSetFocus(this, hWndLost, LocksMouseWhileFocused());
}

BOOL CXTPControlEdit::LocksMouseWhileFocused() const
{
    return TRUE;
}

void CXTPControlEdit::OnEditKillFocus()
{
    m_focus.OnKillFocus(this);
}

HBRUSH CXTPControlEdit::OnEditCtlColor(CDC* pDC)
{
    if (!m_bEnabled)
        return NULL;
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return ::GetSysColorBrush(COLOR_WINDOW);
}

void CXTPControlEdit::SetWidth(int nWidth)
{
    m_nWidth = nWidth;
    DelayLayoutParent();
}

void CXTPControlEdit::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlEdit* pSource = DYNAMIC_DOWNCAST(CXTPControlEdit, pControl);
    if (pSource != NULL)
    {
        m_nWidth = pSource->m_nWidth;
        SetEditText(pSource->GetEditText());
        m_bLabel = pSource->m_bLabel;
        SetReadOnly(pSource->m_bReadOnly);
    }
    CXTPControl::Copy(pControl, bRecursive);
}

BOOL CXTPControlEdit::Compare(CXTPControl* pOther)
{
    CXTPControlEdit* pEdit = DYNAMIC_DOWNCAST(CXTPControlEdit, pOther);
    return CXTPControl::Compare(pOther) && pEdit != NULL && pEdit->m_nWidth == m_nWidth;
}

void CXTPControlEdit::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    if (pPX->GetSchema() > 5)
    {
        PX_Bool(pPX, "HasLabel", m_bLabel, FALSE);
        PX_Int(pPX, "Width", m_nWidth, 0);
    }
    if (pPX->GetSchema() > 7)
    {
        BOOL bReadOnly = m_bReadOnly;
        PX_Bool(pPX, "ReadOnly", bReadOnly, FALSE);
        if (pPX->IsLoading())
            SetReadOnly(bReadOnly);
    }
}
