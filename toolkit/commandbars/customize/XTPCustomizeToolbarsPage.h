#pragma once
// CXTPCustomizeToolbarsPage: the "Tool&bars" page of the customize sheet
// (dialog 9304). It lists the frame's bars with a check for the shown ones
// and makes, renames, deletes and resets bars. The bars the program made
// (built-in) can be reset but not renamed or deleted; the user's own bars
// the other way round. The menu bar is listed while it is shown, and like
// a bar that cannot be closed it keeps its check.
#include "framework/Controls.h"

class CXTPCustomizeSheet;
class CXTPToolBar;

class CXTPCustomizeToolbarsPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CXTPCustomizeToolbarsPage)
public:
    explicit CXTPCustomizeToolbarsPage(CXTPCustomizeSheet* pSheet);

    // Lists the bars again, keeping the selected bar and the scroll position.
    void RefreshList();
    CCheckListBox& GetToolbarsList() { return m_checkList; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The bar of the selected item; NULL without a selection or when the
    // item names no bar of the manager any more.
    CXTPToolBar* GetSelectedBar() const;
    void UpdateButtons();

    afx_msg void OnSelectionChanged();
    afx_msg void OnCheckChanged();
    afx_msg void OnNewToolbar();
    afx_msg void OnRenameToolbar();
    afx_msg void OnDeleteToolbar();
    afx_msg void OnResetToolbar();
    DECLARE_MESSAGE_MAP()

private:
    CXTPCustomizeSheet* m_pSheet;
    CCheckListBox m_checkList;
    CButton m_btnReset;
    CButton m_btnRename;
    CButton m_btnDelete;
    CButton m_btnNew;
};
