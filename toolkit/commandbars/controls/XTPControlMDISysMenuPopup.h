#pragma once
// CXTPControlMDISysMenuPopup: the maximised MDI child's system menu on the
// menu bar (id 9406, made by CXTPMenuBar::RefreshMdiButtons when the bar's
// flags ask for it). It shows the child's icon at 16 x 16 and opens a popup
// of the menu's system commands (ids 0xF000 up to 0xF1F0) as buttons with
// the menu's texts, its default command (Close) bold; choosing one sends
// the command to the frame, whose MDI handling passes it to the maximised
// child as a system command, and a double click on the icon chooses the
// default command. Each time the popup opens its items take the states the
// system would show the child's system menu with at that moment
// (IsSystemCommandEnabled).
#include "toolkit/commandbars/controls/XTPControlPopup.h"

class CXTPControlMDISysMenuPopup : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPControlMDISysMenuPopup)
public:
    CXTPControlMDISysMenuPopup();
    // Destroys the copy of the child's icon.
    ~CXTPControlMDISysMenuPopup() override;

    // Builds the popup from the system menu and copies the child's icon:
    // its small icon, else its big icon, else its class's small icon, else
    // the system's window icon.
    void SetMDIChild(HWND hWndChild, HMENU hSystemMenu);
    HMENU GetSystemMenu() const { return m_hSystemMenu; }
    HICON GetIcon() const { return m_hIcon; }

    // Whether a system command can be chosen, as the system shows a window's
    // system menu: restore, move, size, minimise and maximise follow the
    // window's style and state (dwStyle), every other command the state its
    // menu item has (nMenuState, MF_GRAYED or MF_DISABLED when it is off).
    static BOOL IsSystemCommandEnabled(UINT nCommand, DWORD dwStyle, UINT nMenuState);

    // ---- CXTPControl ----

    // 16 x 16.
    CSize GetSize(CDC* pDC) override;
    // The icon, centred in the rectangle.
    void Draw(CDC* pDC) override;

    // ---- CXTPControlPopup ----

    // Opening: the items take the child's states first.
    BOOL OnSetPopup(BOOL bPopup) override;
    // The rectangle grown by one pixel on each side.
    void GetPopupPlacement(CRect& rcExclude) override;

private:
    void FillPopup(HMENU hSystemMenu);
    // Enables the items as the child's system menu stands now.
    void UpdateItemStates();

    HWND m_hWndChild;
    HMENU m_hSystemMenu;
    HICON m_hIcon;
};
