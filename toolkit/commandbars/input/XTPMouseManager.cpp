#include "toolkit/commandbars/input/XTPMouseManager.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

namespace {

thread_local CXTPMouseManager* t_pMouseManager = NULL;

void DestroyMouseManager()
{
    delete t_pMouseManager;
    t_pMouseManager = NULL;
}

} // namespace

XTP_STARTUP_ENTRY(MouseManager, xtpStartupMouseManager, NULL, DestroyMouseManager);

CXTPMouseManager* XTPMouseManager()
{
    if (t_pMouseManager == NULL)
        t_pMouseManager = new CXTPMouseManager;
    return t_pMouseManager;
}

CXTPMouseManager::CXTPMouseManager()
    : m_nLock(0), m_pSelected(NULL), m_hWndWatched(NULL), m_bExpanded(FALSE), m_bSwallowNextUp(FALSE),
      m_hHookMouse(NULL), m_nLeaveTimer(0)
{
    m_hHookMouse = ::SetWindowsHookExA(WH_MOUSE, MouseProc, AfxGetInstanceHandle(), ::GetCurrentThreadId());
}

CXTPMouseManager::~CXTPMouseManager()
{
    StopMouseLeaveTimer();
    if (m_hHookMouse != NULL)
        ::UnhookWindowsHookEx(m_hHookMouse);
}

void CXTPMouseManager::SetTrack(CXTPCommandBar* pBar)
{
    if (m_arrTracked.empty() && m_pSelected != NULL && m_pSelected != pBar)
    {
        CXTPCommandBar* pSelected = m_pSelected;
        m_pSelected = NULL;
        pSelected->SetSelected(-1);
    }
    if (std::find(m_arrTracked.begin(), m_arrTracked.end(), pBar) == m_arrTracked.end())
        m_arrTracked.push_back(pBar);
}

void CXTPMouseManager::RemoveTrack(CXTPCommandBar* pBar)
{
    std::vector<CXTPCommandBar*>::iterator it = std::find(m_arrTracked.begin(), m_arrTracked.end(), pBar);
    if (it != m_arrTracked.end())
        m_arrTracked.erase(it);
    if (m_arrTracked.empty())
    {
        // Windows under the cursor look at hovering again.
        POINT pt;
        if (::GetCursorPos(&pt))
            ::SetCursorPos(pt.x, pt.y);
    }
    m_bSwallowNextUp = FALSE;
}

void CXTPMouseManager::SendTrackLost()
{
    if (!m_arrTracked.empty())
        m_arrTracked.front()->SetTrackingMode(xtpTrackingOff, TRUE, FALSE);
}

BOOL CXTPMouseManager::IsTrackedLock(const CXTPCommandBar* pBar) const
{
    if (m_arrTracked.empty())
        return FALSE;
    if (pBar == NULL)
        return TRUE;
    return std::find(m_arrTracked.begin(), m_arrTracked.end(), pBar) == m_arrTracked.end();
}

void CXTPMouseManager::RemoveSelected(CXTPCommandBar* pBar)
{
    if (m_pSelected == pBar)
        m_pSelected = NULL;
    std::vector<CXTPCommandBar*>::iterator it = std::find(m_arrTracked.begin(), m_arrTracked.end(), pBar);
    if (it != m_arrTracked.end())
        m_arrTracked.erase(it);
}

BOOL CXTPMouseManager::IsTopParentActive(HWND hWnd)
{
    // Owners count as parents: a floating bar, an owned popup that never
    // takes the activation, belongs to its frame's.
    HWND hWndTop = ::GetAncestor(hWnd, GA_ROOTOWNER);
    if (hWndTop == NULL)
        return FALSE;
    return ::GetActiveWindow() == ::GetLastActivePopup(hWndTop);
}

void CXTPMouseManager::AddTrustedWindow(HWND hWnd)
{
    if (std::find(m_arrTrustedWindows.begin(), m_arrTrustedWindows.end(), hWnd) == m_arrTrustedWindows.end())
        m_arrTrustedWindows.push_back(hWnd);
}

void CXTPMouseManager::RemoveTrustedWindow(HWND hWnd)
{
    m_arrTrustedWindows.erase(std::remove(m_arrTrustedWindows.begin(), m_arrTrustedWindows.end(), hWnd),
                              m_arrTrustedWindows.end());
}

// ---- Mouse-leave watch ----------------------------------------------------------

namespace {

const UINT_PTR kLeaveTimerId = 113341;
const UINT kLeaveTimerInterval = 50;

} // namespace

void CXTPMouseManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hWndWatched)
        return;
    if (m_hWndWatched != NULL && ::IsWindow(m_hWndWatched))
        ::SendMessageA(m_hWndWatched, WM_MOUSELEAVE, 0, 0);
    StopMouseLeaveTimer();
    m_hWndWatched = hWnd;
    if (hWnd != NULL)
        m_nLeaveTimer = ::SetTimer(NULL, kLeaveTimerId, kLeaveTimerInterval, MouseLeaveTimerProc);
}

void CXTPMouseManager::StopMouseLeaveTimer()
{
    if (m_nLeaveTimer != 0)
        ::KillTimer(NULL, m_nLeaveTimer);
    m_nLeaveTimer = 0;
}

void CALLBACK CXTPMouseManager::MouseLeaveTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    XTPMouseManager()->CheckMouseLeave();
}

namespace {

// The window whose activation counts for a watched window: a popup bar
// never takes the activation itself, so for it the window it was opened
// for (its owner site), else the window itself.
HWND ActivationWindowOf(HWND hWnd)
{
    CXTPCommandBar* pBar = DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(hWnd));
    if (pBar == NULL || pBar->GetPosition() != xtpBarPopup)
        return hWnd;
    CWnd* pSite = pBar->GetOwnerSite();
    return pSite != NULL && pSite->GetSafeHwnd() != NULL ? pSite->m_hWnd : hWnd;
}

} // namespace

void CXTPMouseManager::CheckMouseLeave()
{
    HWND hWnd = m_hWndWatched;
    if (hWnd == NULL)
        return;
    if (!::IsWindow(hWnd))
    {
        StopMouseLeaveTimer();
        m_hWndWatched = NULL;
        return;
    }
    POINT pt;
    ::GetCursorPos(&pt);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const BOOL bOutside = !::PtInRect(&rc, pt);
    const BOOL bInactive =
        ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) && !IsTopParentActive(ActivationWindowOf(hWnd));
    if (bOutside || bInactive)
    {
        StopMouseLeaveTimer();
        m_hWndWatched = NULL;
        ::PostMessageA(hWnd, WM_MOUSELEAVE, 0, 0);
    }
}

// ---- The mouse hook ------------------------------------------------------------------

namespace {

// The last mouse position of the process: a move to the same point again is
// dropped while bars track.
POINT g_ptLastMouse = {-32768, -32768};

} // namespace

LRESULT CALLBACK CXTPMouseManager::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION)
    {
        const MOUSEHOOKSTRUCT* pInfo = (const MOUSEHOOKSTRUCT*)lParam;
        if (XTPMouseManager()->ProcessMouseMessage((UINT)wParam, pInfo->pt))
            return 1;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

BOOL CXTPMouseManager::ProcessMouseMessage(UINT nMessage, POINT pt)
{
    if (nMessage == WM_LBUTTONDOWN)
        m_bSwallowNextUp = FALSE;
    else if (nMessage == WM_LBUTTONUP && m_bSwallowNextUp)
    {
        m_bSwallowNextUp = FALSE;
        return TRUE;
    }
    const BOOL bTracking = !m_arrTracked.empty();
    if (bTracking && (nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE) && pt.x == g_ptLastMouse.x
        && pt.y == g_ptLastMouse.y)
        return TRUE;
    g_ptLastMouse = pt;
    if (bTracking)
        CheckTrackedBars(nMessage, pt, [](CXTPCommandBar*) { return TRUE; });
    return FALSE;
}

void CXTPMouseManager::NotifyTrackedBarsOfNoManager(UINT nMessage, POINT pt)
{
    if (!m_arrTracked.empty())
        CheckTrackedBars(nMessage, pt, [](CXTPCommandBar* pBar) { return pBar->GetCommandBars() == NULL; });
}

void CXTPMouseManager::CheckTrackedBars(UINT nMessage, POINT pt,
                                        const std::function<BOOL(CXTPCommandBar*)>& bTakesPart)
{
    HWND hWndPoint = ::WindowFromPoint(pt);
    for (CXTPCommandBar* pBar : m_arrTracked)
    {
        if (!bTakesPart(pBar))
            continue;
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        int nHit = pBar->PtInBar(pt);
        if (nHit == 1)
            return;
        if (nHit == 0 && hWndPoint != NULL && ::IsChild(pBar->GetSafeHwnd(), hWndPoint))
            return;
    }
    CXTPCommandBar* pFirst = m_arrTracked.front();
    if (pFirst->IsCustomizeMode())
    {
        for (HWND hWnd : m_arrTrustedWindows)
        {
            RECT rc;
            if (::IsWindow(hWnd) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, pt))
                return;
        }
    }

    // Every bar hears of it; a bar leaving tracking mode may take others with
    // it, so the list is walked as it stood.
    const std::vector<CXTPCommandBar*> tracked = m_arrTracked;
    for (CXTPCommandBar* pBar : tracked)
    {
        if (std::find(m_arrTracked.begin(), m_arrTracked.end(), pBar) == m_arrTracked.end()
            || pBar->GetSafeHwnd() == NULL || !bTakesPart(pBar))
            continue;
        switch (nMessage)
        {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        {
            POINT ptClient = pt;
            pBar->ScreenToClient(&ptClient);
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            pBar->SetTrackingMode(xtpTrackingOff, TRUE, FALSE);
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            if (!IsMouseLocked())
                pBar->SetTrackingMode(xtpTrackingOff, TRUE, FALSE);
            break;
        default:
            break;
        }
    }
}
