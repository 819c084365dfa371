#pragma once
// CXTPControlComboBox: a combo box on a toolbar or menu: a field showing a
// text, an optional edit window to type in, and a drop-down list. The list
// is a popup bar of its own (CXTPControlComboBoxList) whose window is a
// standard list box. The list keeps its entries and choice by itself until
// that window is first needed (dropping down, or a caller asking for it), so
// the many copies of a toolbar's combo cost no window each.
// Opening the list remembers the selection; closing it without choosing
// (Esc, a click elsewhere) puts that selection back; Enter or a click on an
// entry chooses it and executes the control (its command goes to the site).
//
//     CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pControls->Add(xtpControlComboBox, ID_SORT);
//     pCombo->AddString("By date");
//     pCombo->AddString("By title");
//     pCombo->SetDropDownWidth(150);
//     pCombo->SetCurSel(0);
//     CString strChoice;
//     pCombo->GetLBText(pCombo->GetCurSel(), strChoice);
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/controls/XTPEditFocus.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

#include <vector>

class CXTPControlComboBox;

// The drop-down list: a popup bar whose window is a list box.
class CXTPControlComboBoxList : public CXTPPopupBar
{
    DECLARE_SERIAL(CXTPControlComboBoxList)
public:
    CXTPControlComboBoxList();

    // The most entries the open list shows at once; more scroll.
    static const int kMaxVisibleRows = 12;
    // The open list's height for the entry count and the row height:
    // at least one row and at most kMaxVisibleRows, plus 4 for the frame.
    static int DropDownHeight(int nCount, int nItemHeight);

    // Creates the (hidden) list-box window when missing and moves the
    // entries and the choice kept so far into it; FALSE on failure.
    BOOL CreateListWindow();

    // The entries and the choice, from the list box once it exists and from
    // the list's own store before; both answer alike.
    // Appends the entry; its index, or a negative value on failure.
    int AddItem(LPCTSTR lpszText);
    int GetItemCount() const;
    // The entry's text; FALSE (and an empty text) for an index outside the list.
    BOOL GetItemText(int nIndex, CString& strText) const;
    // The chosen entry, -1 for none.
    int GetSelection() const;
    // Chooses the entry; -1 leaves none chosen, an index outside the list
    // keeps the choice as it was.
    void SetSelection(int nIndex);
    // The combo the list is open for, NULL while closed.
    CXTPControlComboBox* GetComboBox() const { return m_pComboBox; }

    // Drops down under the combo (pControlPopup must be a combo box).
    BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bSelectFirst = FALSE) override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    // Esc closes, Enter executes the combo, other keys move in the list.
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    BOOL IsCustomizable() const override { return FALSE; }
    // After the bar's own settings, the section "Items": the entry count
    // and each entry as "Item<i>".
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // The entries' keys alone: "Count", then "Item<i>" for each entry, an
    // empty entry being left out of stores that leave out defaults (a
    // missing entry loads empty). Loading trusts a stored count only as far
    // as the store bears it out: an archive must have the bytes for the
    // entries; in a named store, where a missing entry may be an empty one,
    // a run of more than kMaxMissingRun missing entries shows a damaged
    // count, and the list then ends at the last entry present. So a stored
    // list of any length comes back whole, unless more than kMaxMissingRun
    // of its entries in a row are empty. A load that fails adds nothing.
    void ExchangeItems(CXTPPropExchange* pPX);
    // The same keys for texts held apart from any list (a combo that opens
    // no list exchanges an empty one): storing writes items, loading
    // replaces them.
    static void ExchangeItemTexts(CXTPPropExchange* pPX, std::vector<CString>& items);
    // ExchangeItems in the section "Items" of pPX.
    void ExchangeItemsSection(CXTPPropExchange* pPX);
    // The most empty entries in a row that a list from a store of named
    // values keeps (every list of up to this many entries loads whole,
    // however many of them are empty).
    static constexpr DWORD kMaxMissingRun = 4096;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

private:
    // The entries of a named store (see ExchangeItems) into items.
    static void ReadNamedItemTexts(CXTPPropExchange* pPX, DWORD nCount, std::vector<CString>& items);
    // "Item<i>".
    static CString ItemName(size_t nIndex);

    CXTPControlComboBox* m_pComboBox;
    // The entries and the choice while there is no list-box window.
    std::vector<CString> m_storedItems;
    int m_nStoredSelection;

    // Selects the entry under the point; TRUE when the point is on one.
    BOOL SelectItemAt(CPoint point);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// The edit window of a combo box with an edit field.
class CXTPControlComboBoxEditWnd : public CXTPEdit
{
public:
    explicit CXTPControlComboBoxEditWnd(CXTPControlComboBox* pComboBox);
    CXTPControlComboBox* GetComboBox() const { return m_pComboBox; }

protected:
    // The window colour while enabled, the button face when disabled.
    void FillBackground(CDC* pDC, CRect rcClient) override;

private:
    CXTPControlComboBox* m_pComboBox;
};

class CXTPControlComboBox : public CXTPControlPopup, public CXTPEditHost
{
    DECLARE_SERIAL(CXTPControlComboBox)
public:
    CXTPControlComboBox();
    ~CXTPControlComboBox() override;

    // ---- Overridable operations ----

    // The selected entry's text; empty without a list window or selection.
    virtual CString GetListBoxText() const;
    // A new edit window object; the base makes a CXTPControlComboBoxEditWnd.
    virtual CXTPControlComboBoxEditWnd* CreateEditWnd();
    void OnEditSetFocus(HWND hWndLost) override;
    void OnEditKillFocus() override;
    // Shows the selected entry's text in the field.
    virtual void OnSelChanged();
    // No brush: the edit keeps the system colours.
    HBRUSH OnEditCtlColor(CDC* pDC) override
    {
        (void)pDC;
        return NULL;
    }

    // ---- The list ----

    // Appends the entry; its index, or a negative value on failure.
    int AddString(LPCTSTR lpszString);
    int GetCount() const;
    // The entry's text (empty for an index outside the list).
    void GetLBText(int nIndex, CString& strText) const;
    // The selected entry; -1 without selection or list window.
    int GetCurSel() const;
    // Selects the entry and shows its text when the selection changes.
    void SetCurSel(int nIndex);
    void SetDropDownWidth(int nWidth);
    BOOL IsDroppedDown() const;
    CXTPControlComboBoxList* GetListBar() const;

    // ---- The field ----

    CString GetEditText() const;
    // Selects the entry with that text (exactly, or starting with it) and
    // shows the text.
    void SetEditText(LPCTSTR lpszText, BOOL bExact = FALSE);
    // TRUE gives the combo an edit window to type in; FALSE removes it.
    void SetDropDownListStyle(BOOL bDropDown = TRUE);
    BOOL GetDropDownListStyle() const { return m_bDropDown; }
    CXTPControlComboBoxEditWnd* GetEditWnd() const { return m_pEdit; }
    DWORD GetComboStyle() const { return m_dwComboStyle; }
    void SetComboStyle(DWORD dwStyle) { m_dwComboStyle = dwStyle; }
    int GetWidth() const { return m_nWidth; }
    // Set by the paint manager when it measures the control; a change moves
    // the edit window at the next placing.
    void SetLabelWidth(int nWidth);
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetButtonWidth(int nWidth);
    int GetButtonWidth() const { return m_nButtonWidth; }
    int GetMinimumWidth() const { return m_nLabelWidth + m_nButtonWidth + 5; }

    // ---- Control behaviour ----

    void SetRect(CRect rcControl) override;
    void SetEnabled(BOOL bEnabled) override;
    void SetHideFlags(DWORD dwFlags) override;
    void SetParent(CXTPCommandBar* pParent) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnExecute() override;
    BOOL OnSetSelected(int bSelected) override;
    void OnMouseHover() override;
    int OnHookKeyDown(UINT nChar) override;
    void SetWidth(int nWidth) override;
    // Customize mode may widen or narrow the field down to its minimum width.
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return GetMinimumWidth(); }
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    BOOL Compare(CXTPControl* pOther) override;
    // After the popup's keys: "DropDown", "Width", "ComboStyle" and the
    // list's entries (section "Items", empty when the combo opens no list).
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // Only a combo box's list.
    BOOL IsLoadedBarAccepted(CXTPCommandBar* pBar) const override;

private:
    CXTPControl* GetHostControl() override { return this; }
    void OnEditDestroy(const CString& strText) override { m_strEditText = strText; }
    // The list box window, made when missing; NULL on failure.
    HWND GetListHwnd();
    void DestroyEditWnd();

    CXTPControlComboBoxEditWnd* m_pEdit;
    BOOL m_bDropDown;
    DWORD m_dwComboStyle;
    int m_nWidth;
    CString m_strEditText;
    int m_nLastSel;
    BOOL m_bDelayReposition;
    int m_nLabelWidth;
    int m_nButtonWidth;
    CXTPEditFocus m_focus;
};
