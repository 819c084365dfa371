#pragma once
// CXTPControls: the ordered controls of one bar (or of a bars manager's free
// list). It makes controls by type, builds them from menu items, finds,
// moves and removes them, keeps the set as it stood before customization
// and lays the controls out in rows (CalcDynamicSize, arithmetic in
// CXTPControlLayout). Each control in the collection holds one reference,
// released when it is removed; after every change the controls are
// renumbered and the parent bar is told to lay itself out again.
//
//     CXTPControls* pControls = pBar->GetControls();
//     pControls->Add(xtpControlButton, ID_FILE_NEW);
//     CXTPControl* pOpen = pControls->FindControlById(ID_FILE_OPEN);
#include "toolkit/commandbars/XTPCommandBarsDefines.h"

#include <vector>

class CXTPControl;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPPropExchange;

class CXTPControls : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPControls)
public:
    CXTPControls();
    ~CXTPControls() override;

    // ---- Adding ----

    // A new control of the type (the button types choose their class by
    // id), inserted before nBefore (outside 0..count-1: at the end). NULL for
    // a type that cannot be made here.
    CXTPControl* Add(XTPControlType controlType, int nId, const CString& strParameter = CString(),
                     int nBefore = -1, BOOL bTemporary = FALSE);
    // Inserts a control made by the caller (the collection takes over the
    // caller's reference) after setting its parameter, temporary flag and id.
    CXTPControl* AddControl(CXTPControl* pControl, int nId, const CString& strParameter = CString(),
                            int nBefore = -1, BOOL bTemporary = FALSE);
    // Inserts a clone of the control.
    CXTPControl* AddClone(CXTPControl* pControl, int nBefore = -1, BOOL bRecursive = FALSE);
    // One control from a menu item (offered to the site first); NULL for the
    // MDI window-list placeholder 0xFF00.
    CXTPControl* AddMenuItem(CMenu* pMenu, int nIndex);

    // ---- Removing and moving ----

    // Removes the control only when it really stands at its stored index.
    void Remove(CXTPControl* pControl);
    void Remove(int nIndex) { Remove(GetAt(nIndex)); }
    void RemoveAll();
    void MoveControl(CXTPControl* pControl, int nBefore);
    // Changes a control's type; returns the control that stands there now.
    CXTPControl* SetControlType(CXTPControl* pControl, XTPControlType type);
    CXTPControl* SetControlType(int nIndex, XTPControlType type)
    {
        return SetControlType(GetAt(nIndex), type);
    }

    // ---- Finding ----

    int GetCount() const { return (int)m_arrControls.size(); }
    // NULL outside the range.
    CXTPControl* GetAt(int nIndex) const;
    CXTPControl* GetFirst() const { return GetAt(0); }
    // The control after pControl (NULL after the last).
    void GetNext(CXTPControl*& pControl) const;
    // The first control of the type (0 any) and id (-1 any), visible when
    // asked, searching popup bars when bRecursive.
    CXTPControl* FindControl(XTPControlType type, int nId, BOOL bVisible, BOOL bRecursive) const;
    CXTPControl* FindControlById(int nId) const { return FindControl(xtpControlError, nId, FALSE, FALSE); }
    // The first visible control whose rectangle holds the point.
    CXTPControl* HitTest(CPoint point) const;
    // Keyboard and mouse navigation: the next index in the direction that
    // may be selected, or -1.
    int GetNextSelectable(int nIndex, int nDirection, BOOL bKeyboard = TRUE, BOOL bSkipTemporary = FALSE,
                          BOOL bSkipCollapsed = TRUE) const;
    // Controls with all hide flags clear; without bStrict bit 2 is ignored.
    int GetVisibleCount(BOOL bStrict = TRUE) const;

    // ---- Owners ----

    void SetParent(CXTPCommandBar* pParent);
    CXTPCommandBar* GetParent() const { return m_pParent; }
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    // The parent's bars manager, else the stored one.
    CXTPCommandBars* GetCommandBars() const;

    // ---- The set before customization ----

    // A new collection of clones of the non-temporary controls.
    CXTPControls* Duplicate(BOOL bRecursive = FALSE);
    void CreateOriginalControls();
    void ClearOriginalControls();
    CXTPControls* GetOriginalControls() const { return m_pOriginalControls; }
    BOOL IsChanged();
    // Takes over the caller's reference (NULL clears).
    void SetOriginalControls(CXTPControls* pOriginalControls);
    BOOL Compare(const CXTPControls* pOther) const;

    // ---- Settings exchange ----

    // Storing: one "Control" item (class and keys) per control that is not
    // temporary, then the original controls when the exchange's parameter
    // record asks for them. Loading replaces the controls; an item whose
    // class is not a control raises the archive's bad-class exception.
    void DoPropExchange(CXTPPropExchange* pPX);

    // ---- Layout ----

    // The bar's size for the length and mode, borders included; with the
    // commit bit the controls get their rectangles, rows and wrap marks.
    // nMinimum, when positive, is the least height of a horizontally docked
    // bar and the least width otherwise. pnRows, when given, receives the
    // number of rows that hold a shown control.
    CSize CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nMinimum = 0,
                          int* pnRows = NULL);

private:
    void InsertAt(CXTPControl* pControl, int nBefore);
    // Every control gets its index, owner and parent; the bar forgets its
    // selection and lays itself out again.
    void RefreshIndexes();
    // Takes the control out without renumbering.
    void Detach(CXTPControl* pControl);
    // The window that answers the creation requests.
    CWnd* GetSite() const;
    // A popup control whose bar the site makes when asked (bAskSite) with
    // strAsked as the caption (a caption the site answers with replaces
    // strAsked): any CXTPPopupBar it makes is used, another bar released and
    // a new popup bar made instead; the submenu, when given, is loaded
    // into the bar.
    CXTPControl* CreatePopupControl(XTPControlType type, int nId, CString& strAsked, CMenu* pSubMenu,
                                    BOOL bAskSite);

    CXTPCommandBar* m_pParent;
    std::vector<CXTPControl*> m_arrControls;
    CXTPCommandBars* m_pCommandBars;
    CXTPControls* m_pOriginalControls;
};
