#pragma once
// CXTPControl: the base of every item a command bar shows (menu items,
// toolbar buttons, popups, combo and edit boxes, labels). It carries the
// command id, the texts, the state (enabled, checked, selected, pressed),
// the rectangle on its bar and the hooks through which the bar hands it
// mouse and keyboard events. Controls are reference counted: the owning
// CXTPControls holds one reference, and whoever keeps a control beyond a
// call adds its own (InternalAddRef / InternalRelease).
//
//     CXTPControl* pButton = pBar->GetControls()->Add(xtpControlButton, ID_FILE_OPEN);
//     pButton->SetBeginGroup(TRUE);
//
// A click on a toolbar button tracks the mouse until the release
// (ClickToolBarButton) and executes: WM_XTP_CONTROL_EXECUTE to the site
// frame, then WM_COMMAND when the site answers 0 (OnExecute). A control
// chosen by a key in the keyboard hook posts its WM_COMMAND instead: the
// command then runs once the key is off the queue.
#include "toolkit/commandbars/XTPCommandBarsDefines.h"

#include "framework/controls/COleDataObject.h" // DROPEFFECT

#include <map>

class CXTPControls;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPPaintManager;
class CXTPImageManager;
class CXTPImageManagerIcon;
class CXTPPropExchange;

class CXTPControl : public CCmdTarget
{
    DECLARE_SERIAL(CXTPControl)
public:
    // Document-template ids for which the control is shown or hidden.
    typedef std::map<UINT, BOOL> CDocTemplateMap;

    CXTPControl();
    ~CXTPControl() override;

    // ---- Overridable operations (what the base does) ----

    // The tooltip text.
    virtual CString GetTooltip() const { return m_strTooltipText; }
    // Stores the flag and marks the parent bar for a new layout.
    virtual void SetBeginGroup(BOOL bBeginGroup);
    // Stores the flag; a change asks the parent bar for a delayed redraw.
    virtual void SetEnabled(BOOL bEnabled);
    // 0 not selected, 1 by the mouse, 2 by the keyboard.
    virtual int GetSelected() const { return m_nSelected; }
    // Stores the rectangle in the bar's client coordinates.
    virtual void SetRect(CRect rcControl) { m_rcControl = rcControl; }
    // TRUE when the two controls show and do the same.
    virtual BOOL Compare(CXTPControl* pOther);
    // The bar a popup control opens; NULL in the base.
    virtual CXTPCommandBar* GetCommandBar() const { return NULL; }
    // TRUE for label controls.
    virtual BOOL IsLabelControl() const { return FALSE; }
    // Stores the hide flags.
    virtual void SetHideFlags(DWORD dwFlags) { m_dwHideFlags = dwFlags; }
    // Plays the command: see the header comment and the .cpp.
    virtual void OnExecute();
    // The control's size as the paint manager measures it.
    virtual CSize GetSize(CDC* pDC);
    // Draws the control through the paint manager.
    virtual void Draw(CDC* pDC);
    // Called before each layout of the bar; nothing in the base.
    virtual void OnCalcDynamicSize(DWORD dwMode) { (void)dwMode; }
    // The image manager's icon for the control's icon id at the width; NULL
    // when the icon id is 0 or there is none.
    virtual CXTPImageManagerIcon* GetImage(int nWidth = 16);
    // A key while the bar tracks and the control has the keys: 0 not
    // handled (the base), 1 handled, 2 handled and the bar closes.
    virtual int OnHookKeyDown(UINT nChar)
    {
        (void)nChar;
        return 0;
    }
    // Stores the bar the control stands on.
    virtual void SetParent(CXTPCommandBar* pParent) { m_pParent = pParent; }
    // Copies what a clone needs (not the rectangle, state, index or owners).
    virtual void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE);
    // Opens or closes the control's popup; nothing (FALSE) in the base.
    virtual BOOL OnSetPopup(BOOL bPopup)
    {
        (void)bPopup;
        return FALSE;
    }
    // A press of the mouse (or Enter when bKeyboard); nothing in the base.
    virtual void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0))
    {
        (void)bKeyboard;
        (void)pt;
    }
    virtual void OnLButtonUp(CPoint point) { (void)point; }
    virtual void OnRButtonUp(CPoint point) { (void)point; }
    // Acts as a click.
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint point) { (void)point; }
    // The hover timer fired over the control: closes the bar's open popup.
    virtual void OnMouseHover();
    // Stores the selection and tells the bar; FALSE when unchanged.
    virtual BOOL OnSetSelected(int bSelected);
    // Customize mode (XTPControlCustomize.cpp):
    // A press in customize mode: the control selected for customizing
    // resizes by an edge when it may; otherwise it becomes the selection and
    // is dragged, leaving its bar when moved elsewhere or moved off the bars
    // (a copy, wherever it lands, leaves it in place).
    virtual void OnCustomizeMouseDown(CPoint point);
    // [FALSE unless the point lies within 2 pixels of the left or right
    // edge] Tracks that edge with an inverted frame (Esc cancels) and takes
    // the new width, never below GetCustomizeMinWidth; TRUE when it tracked.
    virtual BOOL CustomizeStartResize(CPoint point);
    // A customize drag moves over the control. [the bar closes its popup and
    // deselects]
    virtual void OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point);
    // Customize mode: whether the control, dragged over pCommandBar at the
    // point (client coordinates), may be dropped there; a control that
    // refuses sets dropEffect to DROPEFFECT_NONE. [TRUE]
    virtual BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect);
    // [FALSE] The width can be changed in customize mode.
    virtual BOOL IsCustomizeResizeAllow() const { return FALSE; }
    // [0] The smallest width customize mode may give.
    virtual int GetCustomizeMinWidth() const { return 0; }
    // Width of controls that can be sized; nothing in the base.
    virtual void SetWidth(int nWidth) { (void)nWidth; }
    // A new control of the same class with this one copied into it.
    virtual CXTPControl* Clone(BOOL bRecursive = FALSE);
    // Writes or reads the control's settings (type, id, texts, flags, custom
    // icon, document templates, styles); a derived class calls this first
    // and adds its own keys after it.
    virtual void DoPropExchange(CXTPPropExchange* pPX);

    // ---- Operations ----

    // Sets the id; with an empty caption the string resource of the id
    // gives description, tooltip and caption.
    void SetID(int nId);
    int GetID() const { return m_nId; }
    // A part after a tab becomes the automatic shortcut text.
    void SetCaption(const CString& strCaption);
    void SetCaption(UINT nIDResource);
    CString GetCaption() const { return m_strCaption; }
    // Splits a prompt "description\ntooltip"; without a newline both take it.
    void SetPrompt(const CString& strPrompt);
    void SetTooltip(const CString& strTooltip) { m_strTooltipText = strTooltip; }
    void SetDescription(const CString& strDescription) { m_strDescriptionText = strDescription; }
    CString GetDescription() const { return m_strDescriptionText; }
    void SetShortcutText(const CString& strText) { m_strShortcutText = strText; }
    CString GetShortcutText() const { return m_strShortcutText; }
    CString GetAutoShortcutText() const { return m_strShortcutTextAuto; }
    // The popup bar sets it from the frame's accelerators.
    void SetAutoShortcutText(const CString& strText) { m_strShortcutTextAuto = strText; }
    void SetCustomCaption(const CString& strCaption) { m_strCustomCaption = strCaption; }
    CString GetCustomCaption() const { return m_strCustomCaption; }
    void SetParameter(const CString& strParameter) { m_strParameter = strParameter; }
    CString GetParameter() const { return m_strParameter; }
    void SetCategory(const CString& strCategory) { m_strCategory = strCategory; }
    CString GetCategory() const { return m_strCategory; }

    void SetTag(DWORD_PTR nTag) { m_nTag = nTag; }
    DWORD_PTR GetTag() const { return m_nTag; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    DWORD GetFlags() const { return m_dwFlags; }
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    BOOL IsVisible() const { return m_dwHideFlags == xtpHideNone; }
    XTPControlType GetType() const { return m_controlType; }
    void SetType(XTPControlType type) { m_controlType = type; }
    int GetIndex() const { return m_nIndex; }
    CXTPCommandBar* GetParent() const { return m_pParent; }
    CXTPControls* GetControls() const { return m_pControls; }
    CRect GetRect() const { return m_rcControl; }
    CRect GetRowRect() const { return m_rcRow; }
    void SetRowRect(CRect rcRow) { m_rcRow = rcRow; }
    BOOL GetWrap() const { return m_bWrap; }
    void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    BOOL GetEnabled() const { return m_bEnabled; }
    // Stores the flag; a change asks the parent bar for a delayed redraw.
    void SetChecked(BOOL bChecked);
    BOOL GetChecked() const { return m_bChecked; }
    int GetPressed() const { return m_nPressed; }
    void SetPressed(int nPressed) { m_nPressed = nPressed; }
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    BOOL GetExpanded() const { return m_bExpanded; }
    // Clearing it drops hide bit 32.
    void SetExpanded(BOOL bExpanded);
    BOOL IsResetRow() const { return m_bResetRow; }
    void SetResetRow(BOOL bResetRow) { m_bResetRow = bResetRow; }
    BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }

    // The style the control draws with: the custom one when set.
    XTPButtonStyle GetStyle() const
    {
        return m_buttonCustomStyle != xtpButtonAutomatic ? m_buttonCustomStyle : m_buttonStyle;
    }
    // Stores the style and marks the parent bar for a new layout.
    void SetStyle(XTPButtonStyle buttonStyle);
    XTPButtonStyle GetCustomStyle() const { return m_buttonCustomStyle; }
    void SetCustomStyle(XTPButtonStyle buttonStyle) { m_buttonCustomStyle = buttonStyle; }
    BOOL IsItemDefault() const { return m_bDefaultItem; }
    // Stores the flag; a change marks the parent bar for a new layout.
    void SetItemDefault(BOOL bDefault);

    // The custom icon id when set, else the icon id when positive, else the id.
    int GetIconId() const;
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
    // Adds the icon to the image manager as a custom icon and uses it.
    void SetCustomIcon(HICON hIcon);
    // Drops a custom icon and caption; the bar lays itself out again.
    void Reset();

    // The parent bar's managers; without a parent those of the owning
    // collection's bars manager; else the process-wide ones.
    CXTPImageManager* GetImageManager() const;
    CXTPPaintManager* GetPaintManager() const;

    // The cursor lies inside the control's rectangle.
    BOOL IsCursorOver() const;
    // The point (client coordinates) lies within 2 pixels of the left or
    // right edge: a press there resizes a resizable control.
    BOOL IsOnResizeEdge(CPoint point) const;
    // The cursor of resizing a control in customize mode.
    static HCURSOR GetResizeCursor();
    void ScreenToClient(POINT* pPoint) const;

    CDocTemplateMap& GetDocTemplatesAssigned() { return m_mapDocTemplatesAssigned; }
    CDocTemplateMap& GetDocTemplatesExcluded() { return m_mapDocTemplatesExcluded; }

    // Tracks the mouse from a press until its release on a toolbar and
    // executes when the release lands on the control (an empty rectangle
    // means the control's own). Ends without executing when the capture
    // moves away, waiting fails or a WM_QUIT arrives (left in the queue).
    void ClickToolBarButton(CRect rcActive = CRect(0, 0, 0, 0));
    // Sends pSite WM_XTP_CONTROL_EXECUTE about this control with the
    // notification code nCode (XTP_CN_EXECUTE, or a control's own such as
    // XTP_SLN_SELCHANGE) and answers the site's reply: non-zero when it
    // handled the command.
    LRESULT NotifySite(CWnd* pSite, UINT nCode);

protected:
    // WM_COMMAND with this control's id to pSite: sent, or posted while the
    // keyboard hook decides on the key that chose the control.
    void SendCommand(CWnd* pSite) const;
    // The collection renumbers its controls through these.
    friend class CXTPControls;
    void SetIndexAndOwner(int nIndex, CXTPControls* pControls);

    // Asks the parent bar to lay itself out again.
    void DelayLayoutParent();
    // Asks the parent bar (when its window exists) to redraw itself.
    void DelayRedrawParent();
    // The answer of controls that belong in menus only: TRUE on a popup
    // bar; elsewhere the drop effect becomes none and the answer FALSE.
    static BOOL AllowDropOnPopupBarOnly(CXTPCommandBar* pCommandBar, DROPEFFECT& dropEffect);
    // Hides the control on a vertically docked bar (the layout mode says so)
    // and shows it again elsewhere: the windowed controls have no upright form.
    void HideWhenDockedVertically(DWORD dwLayoutMode);

protected:
    BOOL m_bResetRow;
    DWORD_PTR m_nTag;
    int m_nIndex;
    int m_nId;
    int m_nIconId;
    int m_nCustomIconId;
    BOOL m_bWrap;
    BOOL m_bBeginGroup;
    BOOL m_bEnabled;
    BOOL m_bChecked;
    int m_nSelected;
    int m_nPressed;
    BOOL m_bTemporary;
    CRect m_rcRow;
    CRect m_rcControl;
    DWORD m_dwHideFlags;
    DWORD m_dwFlags;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strShortcutTextAuto;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strParameter;
    CXTPControls* m_pControls;
    XTPControlType m_controlType;
    CXTPCommandBar* m_pParent;
    BOOL m_bExpanded;
    CString m_strCategory;
    BOOL m_bDefaultItem;
    CDocTemplateMap m_mapDocTemplatesAssigned;
    CDocTemplateMap m_mapDocTemplatesExcluded;
    XTPButtonStyle m_buttonStyle;
    XTPButtonStyle m_buttonCustomStyle;
    BOOL m_bCloseSubMenuOnClick;
};
