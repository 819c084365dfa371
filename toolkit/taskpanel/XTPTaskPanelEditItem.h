#pragma once
// CXTPTaskPanelEditItem: the small edit window over an item's caption while
// the user renames the item in place (CXTPTaskPanel::RenameItem). Enter
// keeps the text, Esc throws it away; either gives the focus back to the
// panel, and losing the focus ends the edit: the window closes, deletes
// itself, and a kept non-empty text goes to the panel's OnEndLabelEdit.
//
//     panel.RenameItem(pItem); // makes one; nothing else to do
#include "framework/Controls.h"

class CXTPTaskPanel;
class CXTPTaskPanelItem;

class CXTPTaskPanelEditItem : public CEdit
{
    DECLARE_DYNAMIC(CXTPTaskPanelEditItem)
public:
    CXTPTaskPanelEditItem();
    // Deleted by itself once its window is gone; by its maker only when
    // Create failed.
    ~CXTPTaskPanelEditItem() override;

    // Creates the window over the item's last drawn caption, in the item's
    // font, with the caption selected and the focus; holds the item until the
    // edit ends. FALSE when the window was not made.
    BOOL Create(CXTPTaskPanelItem* pItem);
    CXTPTaskPanelItem* GetItem() const { return m_pItem; }
    // Ends the edit without a word to anyone (the item left its panel).
    void Cancel();

protected:
    void PostNcDestroy() override;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bCancel;
    CXTPTaskPanelItem* m_pItem;
    CXTPTaskPanel* m_pPanel;
};
