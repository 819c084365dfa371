#pragma once
// CXTPNewToolbarDlg: asks for the name of a new tool bar ("New Toolbar",
// dialog 9328) or the new title of an existing one ("Rename Toolbar"), and
// picks the bar id of a new one. It closes with OK only for a name that is
// not blank and that no other bar of the manager has; a new bar takes the
// lowest free custom-bar id.
//
//     CXTPNewToolbarDlg dlg(pSheet, pCommandBars);
//     if (dlg.DoModal() == IDOK)
//         pCommandBars->AddCustomBar(dlg.m_strToolbar, dlg.m_nNewID);
#include "framework/Controls.h"

#include <vector>

class CXTPCommandBars;
class CXTPCommandBar;

class CXTPNewToolbarDlg : public CDialog
{
public:
    // What a name check finds.
    enum NameCheck
    {
        nameOK,
        nameBlank,
        nameTaken
    };

    // pBar: the bar whose title is edited, NULL for a new bar.
    CXTPNewToolbarDlg(CWnd* pParent, CXTPCommandBars* pCommandBars, CXTPCommandBar* pBar = NULL);

    // The result: the name and, for a new bar, its id.
    UINT m_nNewID;
    CString m_strToolbar;

    // The first of "Custom 1", "Custom 2", ... (strFormat filled with 1, 2, ...)
    // that no title has; titles compare case-sensitively.
    static CString SuggestName(const std::vector<CString>& titles, const CString& strFormat);
    // A blank name, or one another bar has (the bar at nEdited, -1 for none,
    // may keep its own title).
    static NameCheck CheckName(const CString& strName, const std::vector<CString>& titles, int nEdited);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::vector<CString> GetTitles() const;
    int GetEditedIndex() const;
    // An error of the name in a message box (%s filled with the name).
    void ShowError(UINT nIDPrompt) const;

    CXTPCommandBar* m_pBar;
    CXTPCommandBars* m_pCommandBars;
};
