#pragma once
// The state of one command user interface (a menu item, a bar button, a
// dialog control) while its update handler runs.
#include "framework/window/CCmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI();

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Asks the handler chain to go on to the next command target.
    void ContinueRouting();

    // Runs the update handler of m_nID in pTarget's routing; when nobody
    // enables or disables the item and bDisableIfNoHandler is set, the item
    // is enabled exactly when some target handles the command.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    // Updates every item of a popup menu through pTarget's handlers:
    // separators are skipped, a submenu is updated through its first item
    // and never greyed for want of a handler, and with bDisableIfNoHandler a
    // command below 0xF000 that no target handles is greyed.
    static void UpdateMenu(CMenu* pPopupMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID;
    UINT m_nIndex;     // menu item position
    CMenu* m_pMenu;    // the menu being updated, or NULL
    CMenu* m_pSubMenu; // the popup at m_nIndex when the item is one
    CWnd* m_pOther;    // the window being updated when not a menu
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax; // item count of m_pMenu
};

// Only records what the handler asked for; used to test whether a command
// is enabled before it runs.
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI();
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR lpszText) override;

    BOOL m_bEnabled;
};
