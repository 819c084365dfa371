#include "app/AboutDlg.h"

#include "app/WebAddress.h"
#include "resources/Resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent)
{
    m_homeLink.SetURL(MakerWebPage("/"));
    m_forumLink.SetURL(MakerWebPage("/forum/"));
    m_supportLink.SetURL(MakerWebPage("/support.php?product=Tidewatch"));
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINK_HOME, m_homeLink);
    DDX_Control(pDX, IDC_LINK_FORUM, m_forumLink);
    DDX_Control(pDX, IDC_LINK_SUPPORT, m_supportLink);
}
