#include "app/RepKeywordDlg.h"

IMPLEMENT_DYNCREATE(CRepKeywordDlg, CDialog)

BEGIN_MESSAGE_MAP(CRepKeywordDlg, CDialog)
ON_BN_CLICKED(IDOK, OnOkClicked)
END_MESSAGE_MAP()

CRepKeywordDlg::CRepKeywordDlg(CWnd* pParent) : CDialog(IDD, pParent)
{}

void CRepKeywordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_KEYWORD, m_strKeyword);
}

void CRepKeywordDlg::OnOkClicked()
{
    CDialog::OnOK();
}
