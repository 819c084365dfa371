// CAboutDlg: the "About Tidewatch" dialog (resource IDD_ABOUT) with the
// program's version and three links to the maker's web site: its home page,
// the forum and the support page, all below the site address the program
// uses (MakerWebPage). The main frame runs it modally for ID_APP_ABOUT.
#pragma once
#include "app/LinkStatic.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = NULL);

    CLinkStatic m_homeLink;
    CLinkStatic m_forumLink;
    CLinkStatic m_supportLink;

protected:
    // Binds the three links to their controls.
    void DoDataExchange(CDataExchange* pDX) override;
};
