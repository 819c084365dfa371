#pragma once
// CXTPControlPopup: the control that opens a popup bar: a submenu or
// drop-down (type 2), a button that opens its popup (3), or a split button
// whose right part opens it while the rest acts as a button (4). The popup
// bar is reference counted and shared between copies unless a copy is
// recursive.
//
// Popup bars are made through one seam, CreatePopupBar: the popup-bar class
// plugs its maker in with SetPopupBarFactory; until one is plugged in no
// popup bar is made and the control opens nothing.
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPCommandBarList;

class CXTPControlPopup : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlPopup)
public:
    // Makes a new, empty popup bar for a bars manager (which may be NULL).
    typedef CXTPCommandBar* (*PFNCREATEPOPUPBAR)(CXTPCommandBars* pCommandBars);

    CXTPControlPopup();
    ~CXTPControlPopup() override;

    // ---- Overridable operations ----

    // The control casts a shadow of its own while its popup is open, when
    // it stands on a bar that is no popup and its popup bar shows shadows
    // (the Office XP look joins it to the popup's shadow). [that shadow]
    virtual void UpdateShadow();
    // Adjusts rcExclude, the control's rectangle in the parent bar's client
    // coordinates, to what the open popup keeps clear of. [the paint
    // manager's AdjustExcludeRect, vertical on bars docked left or right and
    // on popups]
    virtual void GetPopupPlacement(CRect& rcExclude);
    // Whether the control may open the bar a loaded state names for it
    // ("CommandBarId"). [a popup bar of either layout, or a bar of the popup
    // type; never a tool bar, the menu bar or a combo box's list]
    virtual BOOL IsLoadedBarAccepted(CXTPCommandBar* pBar) const;

    // ---- CXTPControl ----

    CXTPCommandBar* GetCommandBar() const override { return m_pCommandBar; }
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    // A customize drag over the control opens its popup, so the control can
    // be dropped into it; a menu dragged over one of its own submenus closes it.
    void OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point) override;
    void OnLButtonUp(CPoint point) override;
    BOOL OnSetSelected(int bSelected) override;
    // A submenu or drop-down (types 2 and 3) opens at the first click; the
    // second runs its popup's default item, else shows its hidden items.
    BOOL OnLButtonDblClk(CPoint point) override;
    void OnMouseHover() override;
    BOOL Compare(CXTPControl* pOther) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    // The control's keys, then "CommandBarId" (the id of the popup bar in the
    // saved bar list; read back as the id to look for) and "Style".
    void DoPropExchange(CXTPPropExchange* pPX) override;

    // ---- Operations ----

    // Releases the old bar, keeps a reference of the new one.
    void SetCommandBar(CXTPCommandBar* pBar);
    // Makes a popup bar when there is none yet and loads the menu into it.
    void SetCommandBar(CMenu* pMenu);
    BOOL GetPopup() const { return m_bPopup; }
    // After loading: takes the bar with the loaded id from the list as the
    // popup bar (unless that would close a cycle) and restores it in turn.
    // FALSE when the control refuses that bar (IsLoadedBarAccepted): the
    // loaded control is damaged and must not be kept.
    BOOL RestoreCommandBarList(CXTPCommandBarList* pList);
    // TRUE when pOther's bar is this control's bar or lies below it.
    BOOL IsContainPopup(CXTPControlPopup* pOther) const;

    // The popup-bar maker (NULL: none yet) and a new bar from it.
    static void SetPopupBarFactory(PFNCREATEPOPUPBAR pfnCreate);
    static CXTPCommandBar* CreatePopupBar(CXTPCommandBars* pCommandBars);

protected:
    BOOL m_bPopup;
    CXTPCommandBar* m_pCommandBar;
    UINT m_nLoadedBarId;

private:
    // The width of a split button's arrow part on a toolbar and in a menu.
    static const int kToolBarSplitWidth = 11;
    static const int kMenuSplitWidth = 20;
};
