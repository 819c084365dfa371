#include "toolkit/commandbars/customize/XTPNewToolbarDlg.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>

CXTPNewToolbarDlg::CXTPNewToolbarDlg(CWnd* pParent, CXTPCommandBars* pCommandBars, CXTPCommandBar* pBar)
    : m_nNewID(0), m_pBar(pBar), m_pCommandBars(pCommandBars)
{
    ASSERT(pCommandBars != NULL);
    InitModalIndirect(XTPResourceManager()->LoadDialogTemplate(MAKEINTRESOURCE(XTP_IDD_NEWTOOLBAR)), pParent);
}

CString CXTPNewToolbarDlg::SuggestName(const std::vector<CString>& titles, const CString& strFormat)
{
    for (int n = 1;; n++)
    {
        CString strCandidate;
        strCandidate.Format(strFormat, n);
        if (std::find(titles.begin(), titles.end(), strCandidate) == titles.end())
            return strCandidate;
    }
}

CXTPNewToolbarDlg::NameCheck CXTPNewToolbarDlg::CheckName(const CString& strName, const std::vector<CString>& titles,
                                                          int nEdited)
{
    if (strName.IsEmpty())
        return nameBlank;
    for (int i = 0; i < (int)titles.size(); i++)
    {
        if (i != nEdited && titles[i] == strName)
            return nameTaken;
    }
    return nameOK;
}

std::vector<CString> CXTPNewToolbarDlg::GetTitles() const
{
    std::vector<CString> titles;
    for (int i = 0; i < m_pCommandBars->GetCount(); i++)
        titles.push_back(m_pCommandBars->GetAt(i)->GetTitle());
    return titles;
}

int CXTPNewToolbarDlg::GetEditedIndex() const
{
    for (int i = 0; m_pBar != NULL && i < m_pCommandBars->GetCount(); i++)
    {
        if (m_pCommandBars->GetAt(i) == m_pBar)
            return i;
    }
    return -1;
}

void CXTPNewToolbarDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, XTP_IDC_TOOLBAR_NAME, m_strToolbar);
}

BOOL CXTPNewToolbarDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pBar != NULL)
    {
        m_strToolbar = m_pBar->GetTitle();
        CString strCaption;
        XTPResourceManager()->LoadString(&strCaption, XTP_IDS_RENAMETOOLBAR);
        SetWindowText(strCaption);
    }
    else
    {
        CString strFormat;
        XTPResourceManager()->LoadString(&strFormat, XTP_IDS_CUSTOM_BAR);
        m_strToolbar = SuggestName(GetTitles(), strFormat);
    }
    UpdateData(FALSE);
    return TRUE;
}

void CXTPNewToolbarDlg::ShowError(UINT nIDPrompt) const
{
    CString strFormat, strText;
    XTPResourceManager()->LoadString(&strFormat, nIDPrompt);
    strText.Format(strFormat, (LPCTSTR)m_strToolbar);
    AfxMessageBox(strText, MB_ICONERROR);
}

void CXTPNewToolbarDlg::OnOK()
{
    UpdateData(TRUE);
    switch (CheckName(m_strToolbar, GetTitles(), GetEditedIndex()))
    {
    case nameBlank:
        ShowError(XTP_IDS_ERROR_BLANKNAME);
        return;
    case nameTaken:
        ShowError(XTP_IDS_ERROR_EXISTS);
        return;
    case nameOK:
        break;
    }
    if (m_pBar == NULL)
    {
        m_nNewID = m_pCommandBars->GetFreeBarID();
        if (m_nNewID == 0)
        {
            ShowError(XTP_IDS_ERROR_LIMIT);
            EndDialog(IDCANCEL);
            return;
        }
    }
    EndDialog(IDOK);
}
