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
      m_hHookMouse(NULL), m_nLeaveTimer(0), m_hHookActivation(NULL), m_hHookLeaveNotice(NULL)
{
    m_hHookMouse = ::SetWindowsHookExA(WH_MOUSE, MouseProc, AfxGetInstanceHandle(), ::GetCurrentThreadId());
}

CXTPMouseManager::~CXTPMouseManager()
{
    EndMouseLeaveWatch();
    Unhook(m_hHookLeaveNotice);
    Unhook(m_hHookMouse);
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
        ::SendMessageA(m_hWndWatched, WM_MOUSELEAVE, kWatchLeaveParam, 0);
    EndMouseLeaveWatch();
    m_hWndWatched = hWnd;
    if (hWnd != NULL)
        StartMouseLeaveTimer();
}

void CXTPMouseManager::StartMouseLeaveTimer()
{
    Unhook(m_hHookActivation);
    CancelWakeOnMouseInput(this);
    if (m_nLeaveTimer == 0)
        m_nLeaveTimer = ::SetTimer(NULL, kLeaveTimerId, kLeaveTimerInterval, MouseLeaveTimerProc);
}

void CXTPMouseManager::StopMouseLeaveTimer()
{
    if (m_nLeaveTimer != 0)
        ::KillTimer(NULL, m_nLeaveTimer);
    m_nLeaveTimer = 0;
}

void CXTPMouseManager::EndMouseLeaveWatch()
{
    StopMouseLeaveTimer();
    Unhook(m_hHookActivation);
    CancelWakeOnMouseInput(this);
    m_hWndWatched = NULL;
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
    DropDeadLeaveNotices();
    HWND hWnd = m_hWndWatched;
    if (hWnd == NULL)
        return;
    if (!::IsWindow(hWnd))
    {
        EndMouseLeaveWatch();
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
        EndMouseLeaveWatch();
        ::PostMessageA(hWnd, WM_MOUSELEAVE, kWatchLeaveParam, 0);
    }
    else if (IsRestingOnWatchedWindow(pt))
        RestMouseLeaveWatch();
    else
        StartMouseLeaveTimer();
}

BOOL CXTPMouseManager::IsRestingOnWatchedWindow(POINT pt) const
{
    RECT rcClient;
    ::GetClientRect(m_hWndWatched, &rcClient);
    ::MapWindowPoints(m_hWndWatched, NULL, (POINT*)&rcClient, 2);
    return ::PtInRect(&rcClient, pt) && ::WindowFromPoint(pt) == m_hWndWatched;
}

// While the pointer rests on the watched window, only these can end the
// watch: the pointer moving (a mouse message of this thread, or the system's
// leave notice when it moves to another program's window), the activation
// changing, and the window or one of its parents moving, hiding or going
// away. Each starts the timer again; without its hooks the watch keeps
// polling.
void CXTPMouseManager::RestMouseLeaveWatch()
{
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWndWatched, 0};
    if (!::TrackMouseEvent(&tme))
        return;
    if (std::find(m_arrLeaveNotices.begin(), m_arrLeaveNotices.end(), m_hWndWatched)
        == m_arrLeaveNotices.end())
        m_arrLeaveNotices.push_back(m_hWndWatched);
    const DWORD dwThreadId = ::GetCurrentThreadId();
    if (m_hHookLeaveNotice == NULL)
        m_hHookLeaveNotice = ::SetWindowsHookExA(WH_GETMESSAGE, LeaveNoticeProc, NULL, dwThreadId);
    if (m_hHookActivation == NULL)
        m_hHookActivation = ::SetWindowsHookExA(WH_CALLWNDPROC, ActivationProc, NULL, dwThreadId);
    if (m_hHookLeaveNotice == NULL || m_hHookActivation == NULL)
        return;
    WakeOnMouseInput(this, [this] { WakeMouseLeaveWatch(); });
    StopMouseLeaveTimer();
}

void CXTPMouseManager::WakeMouseLeaveWatch()
{
    if (m_hWndWatched != NULL)
        StartMouseLeaveTimer();
}

LRESULT CALLBACK CXTPMouseManager::ActivationProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallNextHookEx(NULL, nCode, wParam, lParam);
    if (nCode == HC_ACTION)
        XTPMouseManager()->OnActivationHookMessage(*(const CWPSTRUCT*)lParam);
    return lResult;
}

void CXTPMouseManager::OnActivationHookMessage(const CWPSTRUCT& message)
{
    switch (message.message)
    {
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
    case WM_ACTIVATEAPP:
        WakeMouseLeaveWatch();
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_DESTROY:
        if (message.hwnd == m_hWndWatched || ::IsChild(message.hwnd, m_hWndWatched))
            WakeMouseLeaveWatch();
        break;
    default:
        break;
    }
}

// The system's leave notice is only a wake-up for the watch: it comes when
// the pointer leaves the client area, also onto a window above the watched
// one, where the watch keeps the window hot. The window hears the watch's
// own leave alone.
LRESULT CALLBACK CXTPMouseManager::LeaveNoticeProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPMouseManager* pManager = XTPMouseManager();
    MSG* pMsg = (MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_MOUSELEAVE
        && pMsg->wParam != kWatchLeaveParam && pManager->TakeLeaveNotice(pMsg->hwnd))
        pMsg->message = WM_NULL;
    const LRESULT lResult = ::CallNextHookEx(NULL, nCode, wParam, lParam);
    if (pManager->m_arrLeaveNotices.empty())
        Unhook(pManager->m_hHookLeaveNotice);
    return lResult;
}

BOOL CXTPMouseManager::TakeLeaveNotice(HWND hWnd)
{
    std::vector<HWND>::iterator it = std::find(m_arrLeaveNotices.begin(), m_arrLeaveNotices.end(), hWnd);
    if (it == m_arrLeaveNotices.end())
        return FALSE;
    m_arrLeaveNotices.erase(it);
    WakeMouseLeaveWatch();
    return TRUE;
}

void CXTPMouseManager::DropDeadLeaveNotices()
{
    m_arrLeaveNotices.erase(std::remove_if(m_arrLeaveNotices.begin(), m_arrLeaveNotices.end(),
                                           [](HWND hWnd) { return !::IsWindow(hWnd); }),
                            m_arrLeaveNotices.end());
    if (m_arrLeaveNotices.empty())
        Unhook(m_hHookLeaveNotice);
}

void CXTPMouseManager::Unhook(HHOOK& hHook)
{
    if (hHook != NULL)
        ::UnhookWindowsHookEx(hHook);
    hHook = NULL;
}

// ---- Waking resting pollers -----------------------------------------------------

void CXTPMouseManager::WakeOnMouseInput(const void* pOwner, const std::function<void()>& onInput)
{
    for (auto& wake : m_arrMouseInputWakes)
        if (wake.first == pOwner)
        {
            wake.second = onInput;
            return;
        }
    m_arrMouseInputWakes.push_back({pOwner, onInput});
}

void CXTPMouseManager::CancelWakeOnMouseInput(const void* pOwner)
{
    m_arrMouseInputWakes.erase(
        std::remove_if(m_arrMouseInputWakes.begin(), m_arrMouseInputWakes.end(),
                       [pOwner](const std::pair<const void*, std::function<void()>>& wake) {
                           return wake.first == pOwner;
                       }),
        m_arrMouseInputWakes.end());
}

void CXTPMouseManager::RunMouseInputWakes()
{
    // Each call runs once; one may ask again, for a later message.
    std::vector<std::pair<const void*, std::function<void()>>> wakes;
    wakes.swap(m_arrMouseInputWakes);
    for (auto& wake : wakes)
        wake.second();
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
    RunMouseInputWakes();
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
