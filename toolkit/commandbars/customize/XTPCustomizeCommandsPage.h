#pragma once
// CXTPCustomizeCommandsPage: the "&Commands" page of the customize sheet
// (dialog 9313). Its commands are real controls kept by category; the
// user picks a category and drags a command from the list onto a bar, which
// takes a clone of it. The program fills the categories before the sheet
// runs:
//
//     CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
//     pCommands->InsertCategories(IDR_MAINFRAME, FALSE);            // one per menu popup
//     pCommands->InsertAllCommandsCategory(XTP_IDS_ALL_COMMANDS, -1);
//     pCommands->InsertNewMenuCategory(XTP_IDS_NEW_MENU, -1);
//
// Category names compare case-sensitively; the lookups find the first.
#include "framework/Controls.h"

#include <vector>

class CXTPCustomizeSheet;
class CXTPControls;
class CXTPControl;
class CXTPPaintManager;

// One category: its name and its commands (a collection of the manager's).
struct CXTPCustomizeCommandsCategory
{
    CString strCategory;
    CXTPControls* pControls;
};

// The owner-drawn list of a category's commands: each item is a control,
// drawn by the paint manager as a list row; a press starts a copy drag.
class CXTPCustomizeCommandsList : public CListBox
{
public:
    CXTPCustomizeCommandsList() : m_pSheet(NULL) {}
    void SetSheet(CXTPCustomizeSheet* pSheet) { m_pSheet = pSheet; }
    CXTPControl* GetItemControl(int nIndex) const { return (CXTPControl*)GetItemDataPtr(nIndex); }
    // The row height the paint manager gives a control drawn as a list row.
    int GetRowHeight() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    // The manager's paint manager; NULL before any theme is set.
    CXTPPaintManager* GetPaintManager() const;
    CSize GetPopupIconSize() const;
    BOOL IsSiteRightToLeft() const;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CXTPCustomizeSheet* m_pSheet;
};

class CXTPCustomizeCommandsPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CXTPCustomizeCommandsPage)
public:
    explicit CXTPCustomizeCommandsPage(CXTPCustomizeSheet* pSheet);
    ~CXTPCustomizeCommandsPage() override;

    // ---- Filling the categories (before the sheet runs) ----

    // A category per top-level popup of the menu, named by its text; FALSE
    // when the menu cannot be loaded.
    BOOL InsertCategories(UINT nIDMenu, BOOL bListSubItems = FALSE);
    // The menu's items into the category of the name (without "&"): one
    // control per item with an id, as a bar builds it from a menu; with
    // bListSubItems a popup's own controls follow it.
    BOOL AddCategory(const CString& strCategory, CMenu* pMenu, BOOL bListSubItems = FALSE);
    // A new category (named by the string nIDCategory) with clones of every
    // command of every category there is now, at nIndex (-1: at the end).
    void InsertAllCommandsCategory(UINT nIDCategory, int nIndex = -1);
    // A new category holding one empty popup control of its name: dropped
    // on a bar it makes a new, empty menu.
    void InsertNewMenuCategory(UINT nIDCategory, int nIndex = -1);
    // A new category with one popup control per top-level item of the menu
    // (none when the menu cannot be loaded).
    void InsertBuiltInMenus(UINT nIDMenu, UINT nIDCategory, int nIndex = -1);
    // A category with clones of the buttons of a toolbar resource.
    void AddToolbarCategory(const CString& strCategory, UINT nIDToolBar);
    // Every control of the collection whose category text is set, cloned
    // into the category of that name.
    void InsertControlsCategories(CXTPControls* pControls);

    // ---- Finding ----

    // The category's commands, the category made at nIndex when missing.
    CXTPControls* GetControls(const CString& strCategory, int nIndex = -1);
    CXTPCustomizeCommandsCategory* FindCategory(const CString& strCategory) const;
    CXTPControls* GetCategoryControls(const CString& strCategory) const;
    CXTPCustomizeCommandsCategory* GetCategoryAt(int nIndex) const;
    int GetCategoryCount() const { return (int)m_arrCategories.size(); }

    CXTPCustomizeCommandsList& GetCommandsList() { return m_lstCommands; }
    CListBox& GetCategoriesList() { return m_lstCategories; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CXTPCustomizeCommandsCategory* AddNewCategory(const CString& strCategory, int nIndex);

    afx_msg void OnCategoriesSelectionChanged();
    DECLARE_MESSAGE_MAP()

private:
    CXTPCustomizeCommandsList m_lstCommands;
    CListBox m_lstCategories;
    CXTPCustomizeSheet* m_pSheet;
    std::vector<CXTPCustomizeCommandsCategory*> m_arrCategories;
};
