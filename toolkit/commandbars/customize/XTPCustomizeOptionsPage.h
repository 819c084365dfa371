#pragma once
// CXTPCustomizeOptionsPage: the "&Options" page of the customize sheet
// (dialog 9339). Each click writes its option straight into the command
// bars' options: full menus, full menus after a delay, large icons, screen
// tips with or without shortcut keys and the menu animation; a button resets
// the record of used commands after asking. Nothing is rolled back when the
// sheet closes. The program adds it after the sheet's own pages and deletes
// it after the sheet has run:
//
//     CXTPCustomizeSheet sheet(pCommandBars);
//     CXTPCustomizeOptionsPage pageOptions(&sheet);
//     sheet.AddPage(&pageOptions);
//     sheet.DoModal();
#include "framework/Controls.h"

class CXTPCustomizeSheet;

class CXTPCustomizeOptionsPage : public CPropertyPage
{
public:
    explicit CXTPCustomizeOptionsPage(CXTPCustomizeSheet* pSheet);
    ~CXTPCustomizeOptionsPage() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // 9341 only while full menus are off, 9345 only while screen tips are on.
    void EnableDependentChecks();

    afx_msg void OnCheckFullMenus();
    afx_msg void OnCheckAfterDelay();
    afx_msg void OnCheckLargeIcons();
    afx_msg void OnCheckScreenTips();
    afx_msg void OnCheckShortcuts();
    afx_msg void OnResetData();
    afx_msg void OnAnimationChanged();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bAlwaysShowFullMenus;
    BOOL m_bShowFullAfterDelay;
    BOOL m_bLargeIcons;
    BOOL m_bToolBarScreenTips;
    BOOL m_bToolBarAccelTips;
    CComboBox m_comboAnimation;
    int m_nAnimationType;
    CXTPCustomizeSheet* m_pSheet;
};
