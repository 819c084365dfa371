#include "app/AddDlg.h"

IMPLEMENT_DYNCREATE(CAddDlg, CDialog)

CAddDlg::CAddDlg(CWnd* pParent) : CDialog(IDD, pParent)
{}

void CAddDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_KEYWORD, m_strKeyword);
}
