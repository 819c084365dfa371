#pragma once
// CXTPMenuBar: the frame's main menu drawn as a command bar: a tool bar of
// bar type 0 built from a menu resource, one control per top-level item. The
// frame's own menu is taken off the frame and kept by the bar. The manager
// creates it (CXTPCommandBars::SetMenu). It watches its frame through the
// hook manager: Alt or F10 alone (WM_SYSCOMMAND SC_KEYMENU) starts its menu
// loop with the first menu selected.
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <map>

class CXTPMenuBar : public CXTPToolBar
{
    DECLARE_SERIAL(CXTPMenuBar)
public:
    CXTPMenuBar();
    ~CXTPMenuBar() override;

    // Builds the controls from menu resource nID (0 keeps the controls) and
    // takes the site's native menu; FALSE when the menu cannot be loaded.
    BOOL LoadMenuBar(UINT nID);
    UINT GetCurrentMenuID() const { return m_nIDResourceCurrent; }
    UINT GetDefaultMenuID() const { return m_nIDResource; }
    HMENU GetFrameMenu() const { return m_hMenu; }

    // ---- CXTPCommandBar ----

    // The frame's messages: Alt or F10 alone enters the menu loop; keys go
    // to the bar's own handling.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // The controls of the document-template menus, by menu id (filled by
    // loading a saved state; the bar keeps one reference of each).
    typedef std::map<UINT, CXTPControls*> CMDIMenuMap;
    const CMDIMenuMap& GetMDIMenus() const { return m_mapMDIMenus; }
    // Takes over the caller's reference; replaces an earlier set of the id.
    void SetMDIMenu(UINT nMenuID, CXTPControls* pControls);

    // The tool bar's keys, "ResourceId", then the document-template menus
    // as a counted list of "MDIMenu%i" sections ("Id" and the controls).
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // The tool bar's copy and duplicates of the document-template menus.
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The bar's controls and those of the document-template menus.
    void GetSavedControls(std::vector<CXTPControls*>& arrControls) const override;

private:
    HMENU m_hMenu;
    UINT m_nIDResource;
    UINT m_nIDResourceCurrent;
    CMDIMenuMap m_mapMDIMenus;
};
