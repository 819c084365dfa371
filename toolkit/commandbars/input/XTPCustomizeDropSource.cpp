#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>

namespace {

// The point of a mouse message on the screen.
CPoint ScreenPointOf(const MSG& msg)
{
    POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

CPoint ToClient(CWnd* pWnd, CPoint ptScreen)
{
    pWnd->ScreenToClient(&ptScreen);
    return ptScreen;
}

} // namespace

CXTPCustomizeDropSource::CXTPCustomizeDropSource(CXTPCommandBars* pCommandBars)
    : m_hWndCapture(NULL), m_pControl(NULL), m_bMove(FALSE), m_bCopyOnly(FALSE), m_pTarget(NULL), m_pSheet(NULL),
      m_ptStart(0, 0), m_pCommandBars(pCommandBars)
{
    m_hCursorNoDrop = XTPLoadCursor(XTP_IDC_CUSTOMIZE_NODROP);
    m_hCursorMove = XTPLoadCursor(XTP_IDC_CUSTOMIZE_MOVE);
    m_hCursorCopy = XTPLoadCursor(XTP_IDC_CUSTOMIZE_COPY);
}

CXTPCustomizeDropSource::~CXTPCustomizeDropSource()
{
    // Bars that outlive the manager must not come back here.
    for (CXTPCommandBar* pBar : m_arrTargets)
        pBar->SetDropSource(NULL);
}

void CXTPCustomizeDropSource::Register(CXTPCommandBar* pBar)
{
    if (std::find(m_arrTargets.begin(), m_arrTargets.end(), pBar) == m_arrTargets.end())
        m_arrTargets.push_back(pBar);
    pBar->SetDropSource(this);
}

void CXTPCustomizeDropSource::Unregister(CXTPCommandBar* pBar)
{
    m_arrTargets.erase(std::remove(m_arrTargets.begin(), m_arrTargets.end(), pBar), m_arrTargets.end());
    pBar->SetDropSource(NULL);
    if (m_pTarget == pBar)
        m_pTarget = NULL;
}

CXTPCommandBar* CXTPCustomizeDropSource::FindTarget(CPoint ptScreen) const
{
    for (std::vector<CXTPCommandBar*>::const_reverse_iterator it = m_arrTargets.rbegin(); it != m_arrTargets.rend();
         ++it)
    {
        CXTPCommandBar* pBar = *it;
        if (pBar->GetSafeHwnd() == NULL || !pBar->IsWindowVisible())
            continue;
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        if (rcBar.PtInRect(ptScreen))
            return pBar;
    }
    return NULL;
}

DROPEFFECT CXTPCustomizeDropSource::DoDragDrop(CXTPControl* pControl, BOOL bCopyOnly)
{
    CWnd* pCapture = m_pSheet != NULL ? m_pSheet->GetSheetWindow() : m_pCommandBars->GetSite();
    if (pCapture == NULL || pCapture->GetSafeHwnd() == NULL)
        return XTP_DROPEFFECT_CANCEL;
    m_hWndCapture = pCapture->m_hWnd;
    m_pControl = pControl;
    m_pControl->InternalAddRef();
    m_bMove = FALSE;
    m_bCopyOnly = bCopyOnly;
    m_pTarget = NULL;
    ::GetCursorPos(&m_ptStart);

    DROPEFFECT effect = XTP_DROPEFFECT_CANCEL;
    BOOL bStarted = FALSE;
    // Painting first: the markers and opened submenus of the bars under the
    // cursor are painted while the drag runs.
    CXTPCaptureLoop loop(m_hWndCapture, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape
                                            | CXTPCaptureLoop::paintFirst);
    loop.Run([&](MSG& msg) {
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            if (!bStarted)
            {
                bStarted = TRUE;
                StartDrag(msg);
            }
            DragOver(ScreenPointOf(msg));
            if (!(msg.wParam & MK_LBUTTON))
            {
                effect = Drop(ScreenPointOf(msg));
                return CXTPCaptureLoop::finish;
            }
            return CXTPCaptureLoop::handled;
        case WM_LBUTTONUP:
            // A release without a move still lands on the bar under it (a
            // plain click drops the control on itself).
            DragOver(ScreenPointOf(msg));
            effect = Drop(ScreenPointOf(msg));
            return CXTPCaptureLoop::finish;
        case WM_RBUTTONDOWN:
            return CXTPCaptureLoop::finish;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam != VK_CONTROL)
                return CXTPCaptureLoop::dispatch;
            m_bMove = msg.message == WM_KEYUP;
            UpdateCursor();
            return CXTPCaptureLoop::handled;
        default:
            return CXTPCaptureLoop::dispatch;
        }
    });
    LeaveTarget();
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    m_pControl->InternalRelease();
    m_pControl = NULL;
    m_hWndCapture = NULL;
    return effect;
}

void CXTPCustomizeDropSource::StartDrag(MSG& msg)
{
    m_bMove = !(msg.wParam & MK_CONTROL);
    CXTPCommandBar* pBar = m_pControl->GetParent();
    if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
        m_pControl->OnCustomizeDragOver(m_pControl, ToClient(pBar, ScreenPointOf(msg)));
}

void CXTPCustomizeDropSource::DragOver(CPoint ptScreen)
{
    CXTPCommandBar* pBar = FindTarget(ptScreen);
    if (pBar != NULL && pBar == m_pTarget)
    {
        pBar->OnCustomizeDragOver(m_pControl, ToClient(pBar, ptScreen));
    }
    else
    {
        LeaveTarget();
        if (pBar != NULL && pBar->OnCustomizeDragEnter(m_pControl, ToClient(pBar, ptScreen)) != DROPEFFECT_NONE)
            m_pTarget = pBar;
    }
    UpdateCursor();
}

void CXTPCustomizeDropSource::LeaveTarget()
{
    CXTPCommandBar* pTarget = m_pTarget;
    m_pTarget = NULL;
    if (pTarget != NULL)
        pTarget->OnCustomizeDragLeave();
}

void CXTPCustomizeDropSource::UpdateCursor()
{
    if (m_pTarget == NULL)
        ::SetCursor(m_hCursorNoDrop);
    else
        ::SetCursor(IsMoving() ? m_hCursorMove : m_hCursorCopy);
}

DROPEFFECT CXTPCustomizeDropSource::Drop(CPoint ptScreen)
{
    CXTPCommandBar* pTarget = m_pTarget;
    if (pTarget == NULL)
    {
        // Off the bars a moved control goes away; a copy goes nowhere, and
        // its caller must keep the original.
        return IsMoving() ? DROPEFFECT_NONE : XTP_DROPEFFECT_CANCEL;
    }
    DROPEFFECT effect = IsMoving() ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    m_pTarget = NULL;
    pTarget->OnCustomizeDrop(m_pControl, effect, ToClient(pTarget, ptScreen), ToClient(pTarget, m_ptStart));
    return effect;
}
