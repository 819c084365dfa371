#pragma once
// CCheckListBox: an owner-drawn list box with a check box before each item.
// A click on the box, or the space bar on the caret item, changes its check
// by the check style and tells the parent with CLBN_CHKCHANGE. Items can be
// disabled: their box neither changes nor takes input.
#include "framework/controls/CListBox.h"
#include <vector>

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox();
    // Adds LBS_OWNERDRAWFIXED and LBS_HASSTRINGS unless an owner-draw style is given.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_AUTO3STATE or BS_3STATE.
    void SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate.
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // The width of the box column before each item's text.
    static int CheckBoxWidth();

    // Draws the item's text in the rectangle right of its box.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    struct ItemCheck
    {
        int nCheck;
        BOOL bEnabled;
    };

    // Draws the box, then the rest through DrawItem.
    void PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void KeepChecksInStep(UINT message, WPARAM wParam, LRESULT result);
    BOOL ClickedBox(LPARAM lParam, int& nIndex) const;
    void ToggleByUser(int nIndex);
    void EnsureItemHeight();
    void InvalidateItem(int nIndex);
    ItemCheck* Find(int nIndex);
    const ItemCheck* Find(int nIndex) const;

    UINT m_nStyle;
    std::vector<ItemCheck> m_checks;
};
