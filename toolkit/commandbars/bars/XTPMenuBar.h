#pragma once
// CXTPMenuBar: the frame's main menu drawn as a command bar: a tool bar of
// bar type 0 built from a menu resource, one control per top-level item. The
// frame's own menu is taken off the frame and kept by the bar. The manager
// creates it (CXTPCommandBars::SetMenu). It watches its frame through the
// hook manager: Alt or F10 alone (WM_SYSCOMMAND SC_KEYMENU) starts its menu
// loop with the first menu selected.
//
// In an MDI frame the bar also watches the MDI client and the active child:
//
// - Menus of document types. A child that becomes active asks the client for
//   its menu (WM_MDISETMENU); the bar swallows the request and switches its
//   controls to the menu of the child's document type (SwitchMenu, keyed by
//   CXTPCommandBars::GetActiveMenuID). When the frame handles the customize
//   command, the controls of every menu met are kept by menu id (the menu
//   map, saved with the bar state), so switching back finds the user's
//   customisations again.
// - A maximised child. While the active child is maximised the bar shows the
//   child's minimise, restore and close buttons at its far end
//   (CXTPControlMDIButton, ids 9405, 9404, 9403) and, when the bar's flags
//   have xtpFlagAddMDISysPopup, the child's icon with its system menu first
//   (CXTPControlMDISysMenuPopup, id 9406). The buttons follow the child: a
//   change of the MDI windows posts the bar a WM_TIMER with id 12223
//   (XTP_TID_MDI_REFRESH), which re-hooks the active child
//   (SyncActiveMdiChild) and refreshes them (RefreshMdiButtons).
//
//     CXTPMenuBar* pMenuBar = (CXTPMenuBar*)pCommandBars->SetMenu("Menu Bar", IDR_MAINFRAME);
//     pMenuBar->SetFlags(xtpFlagAddMDISysPopup);   // the child's icon too
//
// A tab client that shows the children as tabs in place of captions (the
// MDI tab client) finds the active child with GetActiveMdiChild.
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <map>

// Flags of the menu bar (CXTPCommandBar::SetFlags), beside the bar flags.
enum XTPMenuBarFlags
{
    xtpFlagHideMinimizeBox = 0x100,      // no minimise button for a maximised child
    xtpFlagHideMaximizeBox = 0x200,      // no restore button
    xtpFlagIgnoreSetMenuMessage = 0x400, // WM_MDISETMENU never switches the controls
    xtpFlagHideClose = 0x1000,           // no close button
    xtpFlagAddMDISysPopup = 0x2000       // the child's icon and system menu first
};

class CXTPMenuBar : public CXTPToolBar
{
    DECLARE_SERIAL(CXTPMenuBar)
public:
    CXTPMenuBar();
    // Destroys the frame menu and releases the menu map.
    ~CXTPMenuBar() override;

    // Builds the controls from menu resource nID (0 keeps the controls),
    // hooks the site (and in an MDI frame its MDI client), registers the
    // images of the system commands from bitmap 9407 and takes the site's
    // native menu; FALSE when the menu cannot be loaded.
    BOOL LoadMenuBar(UINT nID);
    UINT GetCurrentMenuID() const { return m_nIDResourceCurrent; }
    UINT GetDefaultMenuID() const { return m_nIDResource; }
    HMENU GetFrameMenu() const { return m_hMenu; }

    // ---- MDI ----

    // The active MDI child of the site (0 outside an MDI frame or without
    // children); *pbMaximized tells whether it is maximised.
    HWND GetActiveMdiChild(BOOL* pbMaximized = NULL) const;
    // The child the bar watches now (for its size changes).
    HWND GetHookedMdiChild() const { return m_hWndActiveChild; }
    // Unhooks the previously active child and hooks the active one, when
    // they differ.
    void SyncActiveMdiChild();
    // Adds or removes the MDI controls to match the active child: see the
    // header comment.
    void RefreshMdiButtons();
    // Shows the controls of the active document type's menu (hMenu is the
    // menu the MDI client was asked to show; the stored frame menu means the
    // default menu): nothing when that id is 0 or the current one, or hMenu
    // is no menu.
    void SwitchMenu(HMENU hMenu);
    // After a saved state was loaded: with stored document menus, the bar
    // switches to the frame menu's controls (and IsMenuSwitched answers
    // TRUE); then stored menus without customisation are dropped.
    void OnStateLoaded();
    BOOL IsMenuSwitched() const { return m_bMenuSwitched; }

    // The controls of the document-type menus, by menu id (the bar keeps one
    // reference of each).
    typedef std::map<UINT, CXTPControls*> CMDIMenuMap;
    const CMDIMenuMap& GetMDIMenus() const { return m_mapMDIMenus; }
    // Takes over the caller's reference; replaces an earlier set of the id
    // (NULL only removes it).
    void SetMDIMenu(UINT nMenuID, CXTPControls* pControls);

    // ---- CXTPToolBar ----

    // Asks the user (string 9397 with the bar's title, OK or Cancel) and on
    // OK rebuilds the controls from the current menu resource; then the MDI
    // controls are refreshed and the bar laid out. Nothing without a current
    // menu id.
    void Reset() override;

    // ---- CXTPCommandBar ----

    // The watched windows' messages: Alt or F10 alone enters the menu loop
    // (and is swallowed while the loop runs);
    // changes of the MDI windows post the refresh timer; WM_MDISETMENU
    // switches the menus; keys go to the bar's own handling.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    // The tool bar's keys, "ResourceId", then the document-template menus
    // as a counted list of "MDIMenu%i" sections ("Id" and the controls); a
    // bar that keeps document menus lists the menu it shows among them.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // The tool bar's copy and duplicates of the document-template menus.
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The bar's controls and those of the document-template menus.
    void GetSavedControls(std::vector<CXTPControls*>& arrControls) const override;

protected:
    // Timer 12223: the deferred MDI refresh; other timers go to the base.
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // WM_MDISETMENU to the MDI client: TRUE when it is swallowed.
    BOOL OnMdiSetMenu(WPARAM& wParam);
    // The system-menu control 9406: made for the maximised child's menu,
    // else removed.
    void RefreshMdiSysMenu(HWND hWndChild, BOOL bShow);
    // Button nId at the bar's end while bShow, else removed.
    void RefreshMdiButton(int nId, BOOL bShow);
    // The site's MDI client, or 0.
    HWND GetMdiClient() const;
    // Keeps the shown controls in the map under the current menu id and
    // shows those of nMenuID: taken from the map, else built from hMenu with
    // their original controls.
    void ShowMenuControls(UINT nMenuID, HMENU hMenu);
    // Takes the controls of the menu id out of the map (the caller gets the
    // map's reference); NULL when there are none.
    CXTPControls* TakeMDIMenu(UINT nMenuID);
    // Rebuilds the bar's own controls from menu resource nID.
    BOOL LoadMenuResource(UINT nID);

    BOOL m_bMdiApp;
    HWND m_hWndActiveChild;
    HMENU m_hMenu;
    UINT m_nIDResource;
    UINT m_nIDResourceCurrent;
    CMDIMenuMap m_mapMDIMenus;
    BOOL m_bMenuSwitched;
};
