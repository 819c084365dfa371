#include "app/RepKeywordDlg.h"

#include "app/Addresses.h"
#include "app/KeywordExchange.h"

IMPLEMENT_DYNCREATE(CRepKeywordDlg, CDialog)

BEGIN_MESSAGE_MAP(CRepKeywordDlg, CDialog)
ON_BN_CLICKED(IDOK, OnOkClicked)
END_MESSAGE_MAP()

CRepKeywordDlg::CRepKeywordDlg(CWnd* pParent) : CDialog(IDD, pParent), m_strSearchHost(NewsSearchHost())
{}

void CRepKeywordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_KeywordText(pDX, IDC_KEYWORD, m_strKeyword, m_strSearchHost);
}

void CRepKeywordDlg::OnOkClicked()
{
    CDialog::OnOK();
}
