#include "app/AddDlg.h"

#include "app/Addresses.h"
#include "app/KeywordExchange.h"

IMPLEMENT_DYNCREATE(CAddDlg, CDialog)

CAddDlg::CAddDlg(CWnd* pParent) : CDialog(IDD, pParent), m_strSearchHost(NewsSearchHost())
{}

void CAddDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_KeywordText(pDX, IDC_KEYWORD, m_strKeyword, m_strSearchHost);
}
