#pragma once
// CXTTrayIcon: one icon in the shell's notification area, kept there by a
// small hidden window that receives the icon's callback message.
//
//   CXTTrayIcon tray;
//   tray.Create("Tidewatch", this, IDR_TRAYICON, IDR_TRAYMENU, 0, TRUE);
//   tray.SetAnimationIcons(ids, 4, NULL);
//   tray.StartAnimation(500);           // cycles the icons on timer 1001
//   tray.ShowBalloonTip("3 new items", "Tidewatch", NIIF_INFO, 10);
//
// The icon's mouse and balloon events go to the owner window first, as
// WM_TRAY_NOTIFY (wParam the icon id, lParam the event). When the owner
// answers 0 the icon window acts itself: a double-click sends the default
// menu item as WM_COMMAND to the owner, a right click (or a keyboard
// selection) shows the first popup of the menu whose resource id is the icon
// id. The menu is the framework's plain popup menu.
//
// The icon comes back when the shell restarts ("TaskbarCreated"), with its
// current icon and tooltip. A shell that never reports balloon events (wine's)
// is covered: when no balloon event arrived within the balloon's time + 3 s,
// the window delivers NIN_BALLOONTIMEOUT to the owner itself.
//
// Texts are cut to the record's fields on a character boundary: the tooltip
// to 126 bytes (63 before Create), the balloon text to 255 and its title to 63.
#include "framework/Window.h"
#include "toolkit/controls/XTIconHolder.h"
#include <shellapi.h>
#include <vector>

// The icon's callback message and the message the owner receives.
#define WM_TRAY_NOTIFY 0xDD8

#ifndef NIN_SELECT
#define NIN_SELECT (WM_USER + 0)
#define NIN_KEYSELECT (WM_USER + 1)
#endif
#ifndef NIN_BALLOONSHOW
#define NIN_BALLOONSHOW (WM_USER + 2)
#define NIN_BALLOONHIDE (WM_USER + 3)
#define NIN_BALLOONTIMEOUT (WM_USER + 4)
#define NIN_BALLOONUSERCLICK (WM_USER + 5)
#endif

// The shell's version-5 icon record is 488 bytes: what is passed as cbSize.
const DWORD XT_NOTIFYICONDATA_SIZE = 488;

// Test seam: every Shell_NotifyIcon call of the icon windows goes to this
// function (NULL: the shell's own).
typedef BOOL(WINAPI* PFNXTSHELLNOTIFYICON)(DWORD dwMessage, PNOTIFYICONDATAA pData);
void XTSetShellNotifyIconForTesting(PFNXTSHELLNOTIFYICON pfnShellNotifyIcon);
// The shell's Shell_NotifyIcon, or the test seam's function when one is set.
BOOL XTShellNotifyIcon(DWORD dwMessage, PNOTIFYICONDATAA pData);

// Copies at most nMaxBytes bytes of the text into pszDest (which holds
// nMaxBytes + 1), never splitting a double-byte character of the code page;
// always terminated. Returns the bytes copied.
int XTCopyTextCut(LPSTR pszDest, int nMaxBytes, LPCSTR pszSource, UINT nCodePage = CP_ACP);

class CXTTrayIcon : public CWnd
{
public:
    CXTTrayIcon();
    ~CXTTrayIcon() override;

    // ---- Overridables (in this order) ----

    // The next form with icon id 0 and default item 0 by command; the style
    // is not used.
    virtual BOOL Create(LPCTSTR lpszTooltip, DWORD dwStyle, CWnd* pOwner, UINT nIconResource);
    // Stores the icon resource, tooltip and owner, loads the icon, creates the
    // hidden window and adds the icon.
    virtual BOOL Create(LPCTSTR lpszTooltip, CWnd* pOwner, UINT nIconResource, UINT nIconId,
                        UINT nDefaultItem, BOOL bByPosition);
    // Kills the animation timer, sets the normal tooltip and icon again.
    virtual void StopAnimation();
    // Starts the animation timer with that period (ms).
    virtual void StartAnimation(UINT nElapse);
    virtual BOOL SetAnimationIcons(UINT* pIds, CString* pTooltips, int nCount);
    // Replaces the frames: each icon loaded at small-icon size, its tooltip
    // pTooltips[i] (the normal tooltip without the array). FALSE at the first
    // icon that does not load; the frames before it stay.
    virtual BOOL SetAnimationIcons(UINT* pIds, int nCount, CString* pTooltips);
    // Adds the icon again when the last add failed.
    virtual void ReAddIfPending();
    // Moves the window under a hidden popup window, off the taskbar.
    virtual BOOL ParentToHiddenWindow(CWnd* pWnd);
    virtual void RemoveAnimationIcons();
    virtual BOOL SetTooltipText(const CString& strText);
    virtual BOOL SetIcon(UINT nIconResource, UINT nUnused);
    // Stores the timer id, then starts the animation.
    virtual void StartAnimation(UINT nTimerId, UINT nElapse);
    // The icon's callback: forwards to the owner, then the default actions.
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

    // ---- The icon ----

    // Create without its last step: everything is ready and the icon waits,
    // removed, for AddIcon. For an owner that asks the shell later (the
    // shell's answer can take seconds where there is no notification area).
    BOOL CreateWindowOnly(LPCTSTR lpszTooltip, CWnd* pOwner, UINT nIconResource, UINT nIconId, UINT nDefaultItem,
                          BOOL bByPosition);
    BOOL AddIcon();
    BOOL RemoveIcon();
    BOOL HideIcon();
    BOOL ShowIcon();
    BOOL SetIcon(HICON hIcon);
    BOOL SetIcon(LPCTSTR lpszIconResource);
    BOOL SetIcon(UINT nIconResource);
    HICON GetIcon() const { return m_nid.hIcon; }

    BOOL SetTooltipText(LPCTSTR lpszText);
    // A string resource; FALSE when it does not exist.
    BOOL SetTooltipText(UINT nStringId);
    CString GetTooltipText() const { return m_nid.szTip; }

    // The window that receives the icon's messages from the shell.
    BOOL SetNotificationWnd(CWnd* pWnd);
    CWnd* GetNotificationWnd() const { return CWnd::FromHandle(m_nid.hWnd); }
    BOOL SetCallbackMessage(UINT nMessage);
    UINT GetCallbackMessage() const { return m_nid.uCallbackMessage; }

    // The context menu's default item, a command id or (bByPosition) a
    // position in the first popup of the menu of the icon id.
    BOOL SetDefaultMenuItem(UINT nItem, BOOL bByPosition);
    void GetDefaultMenuItem(UINT& nItem, BOOL& bByPosition) const;

    // Needs NT 5 or later and a text; nTimeout in seconds.
    BOOL ShowBalloonTip(LPCTSTR lpszText, LPCTSTR lpszTitle = NULL, DWORD dwInfoFlags = NIIF_NONE,
                        UINT nTimeout = 10);

    // ---- Windows and the notification area ----

    void AnimateToTray(CWnd* pWnd);
    void RestoreFromTray(CWnd* pWnd);
    // The notification area's screen rectangle (or a fallback near the
    // taskbar's end); FALSE when not even the work area is known.
    static BOOL GetTrayAreaRect(RECT* pRect);
    // The minimise animation of windows is on.
    static BOOL IsWindowAnimationOn();

    // The record as it was last passed to the shell.
    const NOTIFYICONDATAA& GetIconRecord() const { return m_nid; }
    BOOL IsIconHidden() const { return m_bHidden; }
    BOOL IsIconRemoved() const { return m_bRemoved; }

    // Timer of the balloon time-out that the window delivers itself.
    enum
    {
        BalloonFallbackTimerId = 1003
    };
    // Slack after the balloon's own time before the fallback fires (ms).
    enum
    {
        BalloonFallbackSlack = 3000
    };

protected:
    // Overridable: passes the icon record to the shell (the base calls
    // XTShellNotifyIcon) and answers the shell's result; every change of
    // the icon goes through it, and the icon's state follows a TRUE answer.
    // A derived icon whose thread must not wait for the shell may hand the
    // record on and answer TRUE at once, and tell the icon of a refusal when
    // the shell's answer comes (TakeLateAddRefusal, StopBalloonFallback).
    virtual BOOL CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord);

    // The shell refused, after CallShell had answered TRUE, the last add
    // handed to it. Unless the icon was removed since, it counts as removed
    // with its add failed, so that ReAddIfPending and "TaskbarCreated" add
    // it again; TRUE then.
    BOOL TakeLateAddRefusal();
    // No balloon event is awaited any more (the balloon was refused): the
    // fallback time-out is off.
    void StopBalloonFallback();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct AnimationFrame
    {
        HICON hIcon;
        CString strTooltip;
    };

    BOOL Notify(DWORD dwMessage);
    // NIM_ADD with the creation flags, the hidden state kept.
    BOOL AddAgain();
    HICON LoadSmallIcon(UINT nIconResource) const;
    void StartBalloonFallback(UINT nTimeoutMs);
    // The command of the default item (by position: the id at that position).
    UINT DefaultCommand() const;
    // Loads the menu of the icon id; its first popup, or NULL.
    HMENU LoadIconMenu(HMENU* phPopup) const;
    void ShowContextMenu();

    UINT m_nCreationFlags;
    UINT m_nIconResource;
    UINT m_nAnimationTimerId;
    int m_nAnimationFrame;
    // Between StartAnimation and StopAnimation: a timer tick the queue still
    // held at the stop must not put a frame back over the normal icon.
    BOOL m_bAnimating;
    UINT m_nDefaultItem;
    BYTE m_bDefaultByPosition;
    BYTE m_bHidden;
    BYTE m_bRemoved;
    BYTE m_bAddFailed;
    HWND m_hOwnerWnd;
    CWnd m_wndHiddenParent;
    int m_nTooltipLimit;
    CString m_strTooltip;
    CXTIconHolder m_iconHolder;
    std::vector<AnimationFrame> m_animationFrames;
    NOTIFYICONDATAA m_nid;
    BOOL m_bBalloonPending;
};
