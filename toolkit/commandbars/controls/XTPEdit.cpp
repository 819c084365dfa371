#include "toolkit/commandbars/controls/XTPEdit.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/controls/XTPEditFocus.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/foundation/XTPBufferDC.h"

IMPLEMENT_DYNCREATE(CXTPEdit, CEdit)

BOOL CXTPEdit::m_bRichEdit = FALSE;

BEGIN_MESSAGE_MAP(CXTPEdit, CEdit)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_CONTEXTMENU()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_CTLCOLOR_REFLECT()
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateSelectionCommand)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateSelectionCommand)
END_MESSAGE_MAP()

CXTPEdit::CXTPEdit() : m_pHost(NULL), m_bCreatedRich(FALSE)
{}

CXTPEdit* CXTPEdit::GetFocused()
{
    return DYNAMIC_DOWNCAST(CXTPEdit, CWnd::FromHandlePermanent(::GetFocus()));
}

BOOL CXTPEdit::CreateEdit(DWORD dwStyle, CWnd* pParent)
{
    m_bCreatedRich = m_bRichEdit && AfxInitRichEdit();
    return CreateEx(0, m_bCreatedRich ? "RICHEDIT" : "EDIT", NULL, dwStyle, CRect(0, 0, 0, 0), pParent, 0);
}

BOOL CXTPEdit::IsPlacedOn(const CXTPControl* pControl) const
{
    CXTPCommandBar* pBar = pControl->GetParent();
    return m_hWnd != NULL && pBar != NULL && ::GetParent(m_hWnd) == pBar->m_hWnd;
}

void CXTPEdit::Place(CXTPControl* pControl, CRect rcEdit, const CString& strText)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    if (m_hWnd == NULL)
    {
        if (!CreateEdit(WS_CHILD | ES_AUTOHSCROLL, pBar))
            return;
        SetFont(pControl->GetPaintManager()->GetRegularFont(), FALSE);
        if (!strText.IsEmpty())
            SetWindowText(strText);
    }
    SetParent(pBar);
    SetMargins(0, 0);
    MoveWindow(rcEdit);
    XTPFollowControlState(this, pControl);
}

BOOL CXTPEdit::IsCustomizing() const
{
    CXTPControl* pControl = m_pHost != NULL ? m_pHost->GetHostControl() : NULL;
    return pControl != NULL && pControl->GetParent() != NULL && pControl->GetParent()->IsCustomizeMode();
}

BOOL CXTPEdit::IsMenuAllowed() const
{
    CXTPControl* pControl = m_pHost != NULL ? m_pHost->GetHostControl() : NULL;
    return pControl != NULL && pControl->GetParent() != NULL && !IsCustomizing()
           && pControl->GetParent()->GetType() != xtpBarTypePopup;
}

CPoint CXTPEdit::ToBar(CPoint point) const
{
    ::MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), &point, 1);
    return point;
}

void CXTPEdit::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pHost != NULL)
        m_pHost->OnEditSetFocus(pOldWnd != NULL ? pOldWnd->GetSafeHwnd() : NULL);
    Default();
    PostMessage(EM_SETSEL, 0, -1);
}

void CXTPEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    if (m_pHost != NULL)
        m_pHost->OnEditKillFocus();
}

void CXTPEdit::OnDestroy()
{
    if (m_pHost != NULL)
    {
        CString strText;
        GetWindowText(strText);
        m_pHost->OnEditDestroy(strText);
    }
    Default();
}

void CXTPEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    Default();
    CXTPControl* pControl = m_pHost != NULL ? m_pHost->GetHostControl() : NULL;
    if (pControl != NULL && pControl->GetParent() != NULL)
        pControl->GetParent()->SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(ToBar(point).x, ToBar(point).y));
}

void CXTPEdit::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    CXTPControl* pControl = m_pHost != NULL ? m_pHost->GetHostControl() : NULL;
    if (IsCustomizing() && pControl->GetParent()->IsCustomizable() && !(pControl->GetFlags() & 16))
    {
        pControl->OnClick(FALSE, CPoint(0, 0));
        return;
    }
    Default();
}

void CXTPEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizing())
    {
        CXTPControl* pControl = m_pHost->GetHostControl();
        CPoint ptBar = ToBar(point);
        pControl->GetParent()->SendMessage(WM_RBUTTONDOWN, nFlags, MAKELPARAM(ptBar.x, ptBar.y));
        return;
    }
    if (IsMenuAllowed() && ShowContextMenu(point))
        return;
    Default();
}

void CXTPEdit::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (!IsMenuAllowed())
        return;
    // A menu asked for by keyboard comes with (-1, -1).
    if (point.x == -1 && point.y == -1)
        point = CPoint(0, 0);
    else
        ScreenToClient(&point);
    ShowContextMenu(point);
}

BOOL CXTPEdit::ShowContextMenu(CPoint point)
{
    CString strCut;
    if (!strCut.LoadString(ID_EDIT_CUT))
        return FALSE;
    CXTPControl* pControl = m_pHost != NULL ? m_pHost->GetHostControl() : NULL;
    CXTPCommandBar* pBar = pControl != NULL ? pControl->GetParent() : NULL;
    const BOOL bHadFocus = ::GetFocus() == m_hWnd;
    if (!bHadFocus)
        SetSel(0, -1);
    XTPMouseManager()->SendTrackLost();
    ClientToScreen(&point);

    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pBar != NULL ? pBar->GetCommandBars() : NULL);
    const int kCommands[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    for (int nId : kCommands)
        pPopup->GetControls()->Add(xtpControlButton, nId);
    UINT nCommand = CXTPCommandBars::TrackPopupBar(pPopup, TPM_RETURNCMD, point.x, point.y, this);
    if ((int)nCommand > 0)
    {
        if (bHadFocus || nCommand == ID_EDIT_PASTE)
            SetFocus();
        SendMessage(WM_COMMAND, nCommand, 0);
    }
    pPopup->InternalRelease();
    if (pBar != NULL && pBar->m_hWnd != NULL)
    {
        pBar->Invalidate(FALSE);
        pBar->UpdateWindow();
    }
    return TRUE;
}

BOOL CXTPEdit::OnEraseBkgnd(CDC* pDC)
{
    // The buffered painting covers the whole field.
    return m_bCreatedRich ? CEdit::OnEraseBkgnd(pDC) : TRUE;
}

void CXTPEdit::OnPaint()
{
    if (m_bCreatedRich)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC buffer(dc.GetSafeHdc(), rcClient);
    FillBackground(&buffer, rcClient);
    DefWindowProc(WM_PAINT, (WPARAM)buffer.GetSafeHdc(), 0);
}

HBRUSH CXTPEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    return m_pHost != NULL ? m_pHost->OnEditCtlColor(pDC) : NULL;
}

void CXTPEdit::OnEditCut()
{
    Cut();
}

void CXTPEdit::OnEditCopy()
{
    Copy();
}

void CXTPEdit::OnEditPaste()
{
    Paste();
}

void CXTPEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT));
}

void CXTPEdit::OnUpdateSelectionCommand(CCmdUI* pCmdUI)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    pCmdUI->Enable(nStart != nEnd);
}
