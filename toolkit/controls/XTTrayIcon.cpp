#include "toolkit/controls/XTTrayIcon.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/foundation/XTWinVersion.h"

static_assert(XT_NOTIFYICONDATA_SIZE == NOTIFYICONDATAA_V2_SIZE, "the shell's version-5 record");
static_assert(sizeof(NOTIFYICONDATAA) >= XT_NOTIFYICONDATA_SIZE, "room for the version-5 record");

namespace {

PFNXTSHELLNOTIFYICON g_pfnShellNotifyIcon = NULL;

// Tooltip limits, terminating zero included: before and after Create.
const int kInitialTooltipLimit = 64;
const int kCreatedTooltipLimit = 127;
const int kBalloonTextBytes = 255;
const int kBalloonTitleBytes = 63;
const UINT kDefaultAnimationTimerId = 1001;
// The default tray rectangle's size and the margins of the fallbacks.
const int kTrayWidth = 150;
const int kTrayHeight = 30;

BOOL IsNT5OrLater()
{
    return XTOSVersionInfo()->IsWin2KOrGreater();
}

BOOL IsBalloonEvent(UINT nEvent)
{
    return nEvent >= NIN_BALLOONSHOW && nEvent <= NIN_BALLOONUSERCLICK;
}

} // namespace

void XTSetShellNotifyIconForTesting(PFNXTSHELLNOTIFYICON pfnShellNotifyIcon)
{
    g_pfnShellNotifyIcon = pfnShellNotifyIcon;
}

BOOL XTShellNotifyIcon(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    if (g_pfnShellNotifyIcon != NULL)
        return g_pfnShellNotifyIcon(dwMessage, pData);
    return ::Shell_NotifyIconA(dwMessage, pData);
}

int XTCopyTextCut(LPSTR pszDest, int nMaxBytes, LPCSTR pszSource, UINT nCodePage)
{
    int nCopied = 0;
    while (pszSource != NULL && pszSource[nCopied] != '\0')
    {
        int nCharBytes =
            ::IsDBCSLeadByteEx(nCodePage, (BYTE)pszSource[nCopied]) && pszSource[nCopied + 1] != '\0' ? 2 : 1;
        if (nCopied + nCharBytes > nMaxBytes)
            break;
        nCopied += nCharBytes;
    }
    memcpy(pszDest, pszSource, nCopied);
    pszDest[nCopied] = '\0';
    return nCopied;
}

BEGIN_MESSAGE_MAP(CXTTrayIcon, CWnd)
ON_WM_TIMER()
ON_WM_SETTINGCHANGE()
ON_REGISTERED_MESSAGE(WM_TASKBARCREATED, OnTaskbarCreated)
END_MESSAGE_MAP()

CXTTrayIcon::CXTTrayIcon()
    : m_nCreationFlags(0), m_nIconResource(0), m_nAnimationTimerId(kDefaultAnimationTimerId),
      m_nAnimationFrame(0), m_bAnimating(FALSE), m_nDefaultItem(0), m_bDefaultByPosition(1), m_bHidden(1),
      m_bRemoved(1), m_bAddFailed(0), m_hOwnerWnd(NULL), m_nTooltipLimit(kInitialTooltipLimit),
      m_bBalloonPending(FALSE)
{
    ZeroMemory(&m_nid, sizeof(m_nid));
    m_nid.cbSize = XT_NOTIFYICONDATA_SIZE;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
}

CXTTrayIcon::~CXTTrayIcon()
{
    RemoveIcon();
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_wndHiddenParent.m_hWnd != NULL)
        m_wndHiddenParent.DestroyWindow();
    RemoveAnimationIcons();
}

BOOL CXTTrayIcon::Notify(DWORD dwMessage)
{
    return CallShell(dwMessage, &m_nid);
}

BOOL CXTTrayIcon::CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord)
{
    return XTShellNotifyIcon(dwMessage, pRecord);
}

// ---- Creation ---------------------------------------------------------------------------------

BOOL CXTTrayIcon::Create(LPCTSTR lpszTooltip, DWORD, CWnd* pOwner, UINT nIconResource)
{
    return Create(lpszTooltip, pOwner, nIconResource, 0, 0, FALSE);
}

BOOL CXTTrayIcon::Create(LPCTSTR lpszTooltip, CWnd* pOwner, UINT nIconResource, UINT nIconId,
                         UINT nDefaultItem, BOOL bByPosition)
{
    return CreateWindowOnly(lpszTooltip, pOwner, nIconResource, nIconId, nDefaultItem, bByPosition) && AddIcon();
}

BOOL CXTTrayIcon::CreateWindowOnly(LPCTSTR lpszTooltip, CWnd* pOwner, UINT nIconResource, UINT nIconId,
                                   UINT nDefaultItem, BOOL bByPosition)
{
    m_nIconResource = nIconResource;
    m_nTooltipLimit = kCreatedTooltipLimit;
    char szTooltip[kCreatedTooltipLimit];
    XTCopyTextCut(szTooltip, kCreatedTooltipLimit - 1, lpszTooltip);
    m_strTooltip = szTooltip;
    m_hOwnerWnd = pOwner->GetSafeHwnd();
    SetIcon(nIconResource);
    SetTooltipText(m_strTooltip);
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 0, 0, NULL, NULL))
        return FALSE;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = nIconId;
    m_nDefaultItem = nDefaultItem;
    m_bDefaultByPosition = bByPosition ? 1 : 0;
    m_nCreationFlags = m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return TRUE;
}

// ---- Adding, removing, hiding -----------------------------------------------------------------

BOOL CXTTrayIcon::AddIcon()
{
    if (!m_bRemoved)
        RemoveIcon();
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!Notify(NIM_ADD))
    {
        m_bAddFailed = 1;
        return FALSE;
    }
    m_bHidden = m_bRemoved = 0;
    m_bAddFailed = 0;
    return TRUE;
}

BOOL CXTTrayIcon::RemoveIcon()
{
    m_bAddFailed = 0;
    if (m_bRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (!Notify(NIM_DELETE))
        return FALSE;
    m_bHidden = m_bRemoved = 1;
    return TRUE;
}

BOOL CXTTrayIcon::HideIcon()
{
    if (m_bRemoved || m_bHidden)
        return TRUE;
    if (!IsNT5OrLater())
        return RemoveIcon();
    m_nid.uFlags = NIF_STATE;
    m_nid.dwState = NIS_HIDDEN;
    m_nid.dwStateMask = NIS_HIDDEN;
    m_bHidden = Notify(NIM_MODIFY) ? 1 : 0;
    return m_bHidden;
}

BOOL CXTTrayIcon::ShowIcon()
{
    if (m_bRemoved)
        return AddIcon();
    if (!m_bHidden)
        return TRUE;
    if (!IsNT5OrLater())
        return AddIcon();
    m_nid.uFlags = NIF_STATE;
    m_nid.dwState = 0;
    m_nid.dwStateMask = NIS_HIDDEN;
    if (!Notify(NIM_MODIFY))
        return FALSE;
    m_bHidden = m_bRemoved = 0;
    return TRUE;
}

BOOL CXTTrayIcon::AddAgain()
{
    // An icon hidden by its state comes back hidden.
    BOOL bHiddenByState = !m_bRemoved && m_bHidden;
    m_nid.uFlags = m_nCreationFlags;
    if (bHiddenByState)
    {
        m_nid.uFlags |= NIF_STATE;
        m_nid.dwState = NIS_HIDDEN;
        m_nid.dwStateMask = NIS_HIDDEN;
    }
    if (!Notify(NIM_ADD))
    {
        m_bAddFailed = 1;
        return FALSE;
    }
    m_bAddFailed = 0;
    m_bRemoved = 0;
    m_bHidden = bHiddenByState ? 1 : 0;
    return TRUE;
}

BOOL CXTTrayIcon::TakeLateAddRefusal()
{
    if (m_bRemoved)
        return FALSE;
    m_bAddFailed = 1;
    m_bHidden = m_bRemoved = 1;
    return TRUE;
}

void CXTTrayIcon::ReAddIfPending()
{
    if (m_bAddFailed)
        AddAgain();
}

LRESULT CXTTrayIcon::OnTaskbarCreated(WPARAM, LPARAM)
{
    // The new shell has no icons: add ours again whenever it should be there.
    if (m_bAddFailed || !m_bRemoved)
        AddAgain();
    return 0;
}

void CXTTrayIcon::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (uFlags == SPI_SETWORKAREA)
        ReAddIfPending();
}

// ---- Icon and tooltip -------------------------------------------------------------------------

BOOL CXTTrayIcon::SetIcon(HICON hIcon)
{
    if (m_nid.hIcon == hIcon)
        return TRUE;
    m_nid.uFlags = NIF_ICON;
    m_nid.hIcon = hIcon;
    if (m_bHidden)
        return TRUE;
    return Notify(NIM_MODIFY);
}

HICON CXTTrayIcon::LoadSmallIcon(UINT nIconResource) const
{
    LPCTSTR lpszName = MAKEINTRESOURCE(nIconResource);
    return (HICON)::LoadImageA(AfxFindResourceHandle(lpszName, RT_GROUP_ICON), lpszName, IMAGE_ICON,
                               XTAuxData()->cxSmIcon, XTAuxData()->cySmIcon, 0);
}

BOOL CXTTrayIcon::SetIcon(LPCTSTR lpszIconResource)
{
    HICON hIcon =
        (HICON)::LoadImageA(AfxFindResourceHandle(lpszIconResource, RT_GROUP_ICON), lpszIconResource,
                            IMAGE_ICON, XTAuxData()->cxSmIcon, XTAuxData()->cySmIcon, 0);
    // The holder destroys the icon it held before, after the shell has the new one.
    BOOL bResult = SetIcon(hIcon);
    m_iconHolder = hIcon;
    return bResult;
}

BOOL CXTTrayIcon::SetIcon(UINT nIconResource)
{
    return SetIcon(MAKEINTRESOURCE(nIconResource));
}

BOOL CXTTrayIcon::SetIcon(UINT nIconResource, UINT)
{
    return SetIcon(nIconResource);
}

BOOL CXTTrayIcon::SetTooltipText(LPCTSTR lpszText)
{
    m_nid.uFlags = NIF_TIP;
    XTCopyTextCut(m_nid.szTip, m_nTooltipLimit - 1, lpszText);
    if (m_bHidden)
        return TRUE;
    return Notify(NIM_MODIFY);
}

BOOL CXTTrayIcon::SetTooltipText(const CString& strText)
{
    return SetTooltipText((LPCTSTR)strText);
}

BOOL CXTTrayIcon::SetTooltipText(UINT nStringId)
{
    CString strText;
    if (!strText.LoadString(nStringId))
        return FALSE;
    return SetTooltipText((LPCTSTR)strText);
}

BOOL CXTTrayIcon::SetNotificationWnd(CWnd* pWnd)
{
    if (pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    m_nid.hWnd = pWnd->m_hWnd;
    m_nid.uFlags = 0;
    return Notify(NIM_MODIFY);
}

BOOL CXTTrayIcon::SetCallbackMessage(UINT nMessage)
{
    m_nid.uCallbackMessage = nMessage;
    m_nid.uFlags = NIF_MESSAGE;
    return Notify(NIM_MODIFY);
}

// ---- Menu -------------------------------------------------------------------------------------

HMENU CXTTrayIcon::LoadIconMenu(HMENU* phPopup) const
{
    LPCTSTR lpszName = MAKEINTRESOURCE(m_nid.uID);
    HMENU hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
    *phPopup = hMenu != NULL ? ::GetSubMenu(hMenu, 0) : NULL;
    return hMenu;
}

BOOL CXTTrayIcon::SetDefaultMenuItem(UINT nItem, BOOL bByPosition)
{
    if (m_nDefaultItem == nItem && (BOOL)m_bDefaultByPosition == (bByPosition ? TRUE : FALSE))
        return TRUE;
    m_nDefaultItem = nItem;
    m_bDefaultByPosition = bByPosition ? 1 : 0;
    HMENU hPopup = NULL;
    HMENU hMenu = LoadIconMenu(&hPopup);
    BOOL bResult = hPopup != NULL && ::SetMenuDefaultItem(hPopup, m_nDefaultItem, m_bDefaultByPosition);
    if (hMenu != NULL)
        ::DestroyMenu(hMenu);
    return bResult;
}

void CXTTrayIcon::GetDefaultMenuItem(UINT& nItem, BOOL& bByPosition) const
{
    nItem = m_nDefaultItem;
    bByPosition = m_bDefaultByPosition;
}

UINT CXTTrayIcon::DefaultCommand() const
{
    if (!m_bDefaultByPosition)
        return m_nDefaultItem;
    HMENU hPopup = NULL;
    HMENU hMenu = LoadIconMenu(&hPopup);
    UINT nCommand = hPopup != NULL ? ::GetMenuItemID(hPopup, (int)m_nDefaultItem) : 0;
    if (hMenu != NULL)
        ::DestroyMenu(hMenu);
    return nCommand == (UINT)-1 ? 0 : nCommand;
}

void CXTTrayIcon::ShowContextMenu()
{
    HMENU hPopup = NULL;
    HMENU hMenu = LoadIconMenu(&hPopup);
    if (hPopup != NULL)
    {
        ::SetMenuDefaultItem(hPopup, m_nDefaultItem, m_bDefaultByPosition);
        CPoint pt;
        ::GetCursorPos(&pt);
        ::SetForegroundWindow(m_hOwnerWnd);
        ::TrackPopupMenu(hPopup, 0, pt.x, pt.y, 0, m_hOwnerWnd, NULL);
        // Lets the menu close when the user clicks elsewhere.
        ::PostMessageA(m_hOwnerWnd, WM_NULL, 0, 0);
    }
    if (hMenu != NULL)
        ::DestroyMenu(hMenu);
    Notify(NIM_SETFOCUS);
}

// ---- Callback ---------------------------------------------------------------------------------

LRESULT CXTTrayIcon::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == m_nid.uCallbackMessage)
        return OnTrayNotification(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CXTTrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_nid.uID || m_hOwnerWnd == NULL)
        return 0;
    UINT nEvent = LOWORD(lParam);
    if (IsBalloonEvent(nEvent))
        StopBalloonFallback();
    if (::SendMessageA(m_hOwnerWnd, WM_TRAY_NOTIFY, wParam, lParam) != 0)
        return 1;
    switch (nEvent)
    {
    case WM_LBUTTONDBLCLK:
        ::SetForegroundWindow(m_hOwnerWnd);
        ::SendMessageA(m_hOwnerWnd, WM_COMMAND, DefaultCommand(), 0);
        break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        ShowContextMenu();
        break;
    }
    return 1;
}

// ---- Balloons ---------------------------------------------------------------------------------

BOOL CXTTrayIcon::ShowBalloonTip(LPCTSTR lpszText, LPCTSTR lpszTitle, DWORD dwInfoFlags, UINT nTimeout)
{
    if (!IsNT5OrLater() || lpszText == NULL || *lpszText == '\0')
        return FALSE;
    m_nid.uFlags |= NIF_INFO;
    XTCopyTextCut(m_nid.szInfo, kBalloonTextBytes, lpszText);
    XTCopyTextCut(m_nid.szInfoTitle, kBalloonTitleBytes, lpszTitle != NULL ? lpszTitle : "");
    m_nid.uTimeout = nTimeout * 1000;
    m_nid.dwInfoFlags = dwInfoFlags;
    BOOL bResult = Notify(NIM_MODIFY);
    m_nid.szInfo[0] = '\0';
    if (bResult)
        StartBalloonFallback(nTimeout * 1000);
    return bResult;
}

void CXTTrayIcon::StartBalloonFallback(UINT nTimeoutMs)
{
    if (m_hWnd == NULL)
        return;
    m_bBalloonPending = TRUE;
    SetTimer(BalloonFallbackTimerId, nTimeoutMs + BalloonFallbackSlack);
}

void CXTTrayIcon::StopBalloonFallback()
{
    if (!m_bBalloonPending)
        return;
    m_bBalloonPending = FALSE;
    KillTimer(BalloonFallbackTimerId);
}

// ---- Animation --------------------------------------------------------------------------------

void CXTTrayIcon::RemoveAnimationIcons()
{
    for (size_t i = 0; i < m_animationFrames.size(); i++)
        ::DestroyIcon(m_animationFrames[i].hIcon);
    m_animationFrames.clear();
    m_nAnimationFrame = 0;
}

BOOL CXTTrayIcon::SetAnimationIcons(UINT* pIds, CString* pTooltips, int nCount)
{
    return SetAnimationIcons(pIds, nCount, pTooltips);
}

BOOL CXTTrayIcon::SetAnimationIcons(UINT* pIds, int nCount, CString* pTooltips)
{
    RemoveAnimationIcons();
    for (int i = 0; i < nCount; i++)
    {
        AnimationFrame frame;
        frame.strTooltip = pTooltips != NULL ? pTooltips[i] : m_strTooltip;
        frame.hIcon = LoadSmallIcon(pIds[i]);
        if (frame.hIcon == NULL)
            return FALSE;
        m_animationFrames.push_back(frame);
    }
    return TRUE;
}

void CXTTrayIcon::StartAnimation(UINT nElapse)
{
    m_bAnimating = TRUE;
    SetTimer(m_nAnimationTimerId, nElapse);
}

void CXTTrayIcon::StartAnimation(UINT nTimerId, UINT nElapse)
{
    m_nAnimationTimerId = nTimerId;
    StartAnimation(nElapse);
}

void CXTTrayIcon::StopAnimation()
{
    m_bAnimating = FALSE;
    KillTimer(m_nAnimationTimerId);
    SetTooltipText(m_strTooltip);
    SetIcon(m_nIconResource);
}

void CXTTrayIcon::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == BalloonFallbackTimerId && m_bBalloonPending)
    {
        // No balloon event came: the shell does not report them.
        StopBalloonFallback();
        OnTrayNotification(m_nid.uID, NIN_BALLOONTIMEOUT);
        return;
    }
    if (nIDEvent != m_nAnimationTimerId || !m_bAnimating || m_animationFrames.empty())
        return;
    const AnimationFrame& frame = m_animationFrames[m_nAnimationFrame % m_animationFrames.size()];
    if (!frame.strTooltip.IsEmpty())
        SetTooltipText(frame.strTooltip);
    if (frame.hIcon != NULL)
        SetIcon(frame.hIcon);
    m_nAnimationFrame = (m_nAnimationFrame + 1) % (int)m_animationFrames.size();
}

// ---- Windows and the notification area --------------------------------------------------------

BOOL CXTTrayIcon::IsWindowAnimationOn()
{
    ANIMATIONINFO info = {sizeof(ANIMATIONINFO), 0};
    return ::SystemParametersInfoA(SPI_GETANIMATION, sizeof(info), &info, 0) && info.iMinAnimate != 0;
}

BOOL CXTTrayIcon::GetTrayAreaRect(RECT* pRect)
{
    ::SetRect(pRect, 0, 0, kTrayWidth, kTrayHeight);
    HWND hTray = ::FindWindowA("Shell_TrayWnd", NULL);
    if (hTray != NULL)
    {
        ::GetWindowRect(hTray, pRect);
        for (HWND hChild = ::GetWindow(hTray, GW_CHILD); hChild != NULL;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            char szClass[32] = "";
            ::GetClassNameA(hChild, szClass, sizeof szClass);
            if (strcmp(szClass, "TrayNotifyWnd") == 0)
            {
                ::GetWindowRect(hChild, pRect);
            }
            else if (strcmp(szClass, "TrayClockWClass") == 0)
            {
                RECT clock;
                ::GetWindowRect(hChild, &clock);
                if (clock.bottom < pRect->bottom - 5)
                    pRect->top = clock.bottom;
                else
                    pRect->right = clock.left;
                break;
            }
        }
        return TRUE;
    }
    APPBARDATA bar;
    ZeroMemory(&bar, sizeof(bar));
    bar.cbSize = sizeof(bar);
    if (::SHAppBarMessage(ABM_GETTASKBARPOS, &bar))
    {
        const RECT& rc = bar.rc;
        if (bar.uEdge == ABE_LEFT || bar.uEdge == ABE_RIGHT)
            ::SetRect(pRect, rc.left, rc.bottom - 100, rc.right, rc.bottom - 16);
        else
            ::SetRect(pRect, rc.right - 100, rc.top, rc.right - 16, rc.bottom);
        return TRUE;
    }
    RECT work;
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        return FALSE;
    ::SetRect(pRect, work.right - kTrayWidth, work.bottom - kTrayHeight, work.right, work.bottom);
    return TRUE;
}

BOOL CXTTrayIcon::ParentToHiddenWindow(CWnd* pWnd)
{
    if (m_wndHiddenParent.m_hWnd == NULL
        && !m_wndHiddenParent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL))
        return FALSE;
    pWnd->SetParent(&m_wndHiddenParent);
    return TRUE;
}

void CXTTrayIcon::AnimateToTray(CWnd* pWnd)
{
    if (IsWindowAnimationOn())
    {
        CRect rcFrom, rcTo;
        pWnd->GetWindowRect(rcFrom);
        GetTrayAreaRect(rcTo);
        ::DrawAnimatedRects(pWnd->m_hWnd, IDANI_CAPTION, rcFrom, rcTo);
    }
    ParentToHiddenWindow(pWnd);
    pWnd->ShowWindow(SW_HIDE);
}

void CXTTrayIcon::RestoreFromTray(CWnd* pWnd)
{
    if (IsWindowAnimationOn())
    {
        CRect rcFrom, rcTo;
        GetTrayAreaRect(rcFrom);
        pWnd->GetWindowRect(rcTo);
        ::DrawAnimatedRects(pWnd->m_hWnd, IDANI_CAPTION, rcFrom, rcTo);
    }
    pWnd->SetParent(NULL);
    pWnd->ShowWindow(SW_SHOW);
    pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (m_wndHiddenParent.m_hWnd != NULL)
        m_wndHiddenParent.SetActiveWindow();
    pWnd->SetActiveWindow();
    pWnd->SetForegroundWindow();
}
