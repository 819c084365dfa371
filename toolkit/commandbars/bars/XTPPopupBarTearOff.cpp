// The tear-off strip of a popup bar: the strip lights while the mouse rests
// on it (timer 5003), and a drag that leaves it makes a floating tool bar of
// the popup's commands, which follows the cursor until the button is
// released (on the one capture loop).
#include "toolkit/commandbars/bars/XTPPopupBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlExpandButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"
#include "toolkit/foundation/XTPCaptureLoop.h"

namespace {

// How soon the strip lights under a resting mouse.
const UINT kTearOffHoverDelay = 80;
// How far the cursor may leave the strip before the bar tears off.
const int kTearOffMargin = 10;
// The torn-off bar hangs this far above the cursor.
const int kTearOffBarLift = 10;

} // namespace

void CXTPPopupBar::SetTearOffPopup(LPCTSTR strCaption, UINT nID, int nWidth)
{
    m_bTearOffPopup = nID != 0;
    m_strTearOffCaption = strCaption;
    m_nTearOffID = nID;
    m_nTearOffWidth = nWidth;
    DelayLayout();
}

BOOL CXTPPopupBar::IsTearOffPopup(CString& strCaption, UINT& nID, int& nWidth) const
{
    strCaption = m_strTearOffCaption;
    nID = m_nTearOffID;
    nWidth = m_nTearOffWidth;
    return m_bTearOffPopup;
}

void CXTPPopupBar::TrackTearOffStrip(CPoint point)
{
    if (IsCustomizeMode() || m_bTearOffSelected || !m_rcTearOffGripper.PtInRect(point))
        return;
    SetSelected(-1);
    SetPopuped(-1);
    m_nTearOffTimer = SetTimer(kTearOffTimer, kTearOffHoverDelay, NULL);
}

void CXTPPopupBar::OnTearOffTimer()
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    const BOOL bOver = m_rcTearOffGripper.PtInRect(ptCursor);
    if (bOver && !m_bTearOffSelected)
    {
        m_bTearOffSelected = TRUE;
        Invalidate(FALSE);
    }
    else if (!bOver && m_bTearOffSelected && !m_bTearOffTracking)
    {
        m_bTearOffSelected = FALSE;
        Invalidate(FALSE);
        KillTimer(kTearOffTimer);
        m_nTearOffTimer = 0;
    }
}

CXTPToolBar* CXTPPopupBar::CreateTearOffBar()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
        return NULL;
    CXTPToolBar* pBar = pCommandBars->GetToolBar(m_nTearOffID);
    if (pBar != NULL)
    {
        pCommandBars->FloatCommandBar(pBar);
        pBar->SetVisible(TRUE);
        return pBar;
    }
    pBar = pCommandBars->Add(m_strTearOffCaption, xtpBarFloating);
    if (pBar == NULL)
        return NULL;
    pBar->SetBarID(m_nTearOffID);
    pBar->SetBuiltIn(FALSE);
    pBar->SetTearOff(TRUE);
    if (m_nTearOffWidth > 0)
        pBar->SetWidth(m_nTearOffWidth);
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl->GetID() == XTP_ID_POPUPBAR_EXPAND)
            continue;
        CXTPControl* pCopy = pBar->GetControls()->AddClone(pControl);
        pCopy->SetHideFlags(pCopy->GetHideFlags() & ~(xtpHideScroll | xtpHideExpandedOnce));
    }
    return pBar;
}

void CXTPPopupBar::DragTearOffBar(CPoint ptScreen, BOOL bInside)
{
    if (!bInside && m_pTearOffBar == NULL)
    {
        m_pTearOffBar = CreateTearOffBar();
        if (m_pTearOffBar != NULL)
            m_szTearOffBar =
                m_pTearOffBar->CalcDynamicLayout(0, xtpLayoutHorz | xtpLayoutMRUWidth | xtpLayoutCommit);
    }
    else if (bInside && m_pTearOffBar != NULL)
    {
        // Back over the strip: the bar goes (a torn-off bar leaves the
        // manager when hidden).
        CXTPToolBar* pBar = m_pTearOffBar;
        m_pTearOffBar = NULL;
        pBar->SetVisible(FALSE);
    }
    if (m_pTearOffBar != NULL && m_pTearOffBar->GetSafeHwnd() != NULL)
        m_pTearOffBar->SetWindowPos(NULL, ptScreen.x - m_szTearOffBar.cx / 2, ptScreen.y - kTearOffBarLift,
                                    m_szTearOffBar.cx, m_szTearOffBar.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CXTPPopupBar::TearOff()
{
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != NULL && hWndCapture != m_hWnd)
        return;
    // Held: tearing off closes the popup, which may release it.
    InternalAddRef();
    CRect rcStrip = m_rcTearOffGripper;
    ClientToScreen(&rcStrip);
    rcStrip.InflateRect(kTearOffMargin, kTearOffMargin);
    BOOL bInside = TRUE;
    CPoint ptLast(-32768, -32768);
    m_pTearOffBar = NULL;
    m_bTearOffTracking = TRUE;
    XTPMouseManager()->LockMouseMove();
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));

    // Painting first: the bar torn off and the windows it uncovers are
    // painted while the drag runs.
    CXTPCaptureLoop loop(m_hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape
                                     | CXTPCaptureLoop::paintFirst);
    loop.Run([&](MSG& msg) {
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
            return CXTPCaptureLoop::handled;
        if (msg.message != WM_MOUSEMOVE)
            return CXTPCaptureLoop::dispatch;
        CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
        ::ClientToScreen(msg.hwnd, &pt);
        if (pt != ptLast)
        {
            ptLast = pt;
            bInside = rcStrip.PtInRect(pt);
            DragTearOffBar(pt, bInside);
        }
        return CXTPCaptureLoop::handled;
    });

    m_bTearOffTracking = FALSE;
    XTPMouseManager()->UnlockMouseMove();
    const BOOL bTornOff = m_pTearOffBar != NULL;
    m_pTearOffBar = NULL;
    if (bTornOff)
        XTPMouseManager()->SendTrackLost();
    InternalRelease();
}
