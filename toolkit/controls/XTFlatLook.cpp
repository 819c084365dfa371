#include "toolkit/controls/XTFlatLook.h"

#include "toolkit/foundation/XTPColorManager.h"

namespace {

const DWORD kEdgeBits = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
const UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED;

} // namespace

BOOL CXTFlatLook::SetFlat(CWnd* pWnd, BOOL bFlat)
{
    bFlat = bFlat != FALSE;
    if (m_bFlat == bFlat)
        return FALSE;
    m_bFlat = bFlat;
    if (bFlat)
    {
        m_dwSavedBorder = pWnd->GetStyle() & WS_BORDER;
        m_dwSavedEdge = pWnd->GetExStyle() & kEdgeBits;
        pWnd->ModifyStyle(WS_BORDER, 0);
        pWnd->ModifyStyleEx(kEdgeBits, 0);
        pWnd->SetTimer(XT_FLAT_TIMER, XT_FLAT_TIMER_ELAPSE);
    }
    else
    {
        pWnd->ModifyStyle(0, m_dwSavedBorder);
        pWnd->ModifyStyleEx(0, m_dwSavedEdge);
        pWnd->KillTimer(XT_FLAT_TIMER);
    }
    pWnd->SetWindowPos(NULL, 0, 0, 0, 0, kFrameChanged);
    return TRUE;
}

BOOL CXTFlatLook::StartHover(CWnd* pWnd, UINT message)
{
    if (!m_bFlat)
    {
        pWnd->KillTimer(XT_FLAT_TIMER);
        return FALSE;
    }
    if (message != WM_MOUSEMOVE)
        return FALSE;
    CRect rc;
    pWnd->GetWindowRect(&rc);
    DWORD dwPos = ::GetMessagePos();
    if (!rc.PtInRect(CPoint((short)LOWORD(dwPos), (short)HIWORD(dwPos))))
        return FALSE;
    pWnd->SetTimer(XT_FLAT_TIMER, XT_FLAT_TIMER_ELAPSE);
    return TRUE;
}

BOOL CXTFlatLook::IsMouseOver(CWnd* pWnd)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc.PtInRect(pt);
}

int CXTFlatLook::HoverState(CWnd* pWnd, BOOL bHasFocus)
{
    if (bHasFocus)
        return 2;
    if (!IsMouseOver(pWnd))
        return 1;
    CPoint pt;
    ::GetCursorPos(&pt);
    HWND hUnder = ::WindowFromPoint(pt);
    return hUnder == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hUnder) ? 2 : 1;
}

COLORREF CXTFlatLook::PaintBackColor(CWnd* pWnd)
{
    return XTPGetColor(pWnd->IsWindowEnabled() ? COLOR_WINDOW : COLOR_3DFACE);
}
