#include "toolkit/commandbars/XTPMouseManager.h"

#include "toolkit/commandbars/XTPCommandBar.h"
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
    : m_nLock(0), m_pSelected(NULL), m_hWndWatched(NULL), m_bExpanded(FALSE), m_bSwallowNextUp(FALSE)
{
}

CXTPMouseManager::~CXTPMouseManager()
{
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
    HWND hWndTop = ::GetAncestor(hWnd, GA_ROOT);
    if (hWndTop == NULL)
        return FALSE;
    return ::GetActiveWindow() == ::GetLastActivePopup(hWndTop);
}

void CXTPMouseManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd != m_hWndWatched && m_hWndWatched != NULL && ::IsWindow(m_hWndWatched))
        ::SendMessageA(m_hWndWatched, WM_MOUSELEAVE, 0, 0);
    m_hWndWatched = hWnd;
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
    ::TrackMouseEvent(&tme);
}
