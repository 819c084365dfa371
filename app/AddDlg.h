#pragma once
// CAddDlg: the modal "Add Keyword" dialog (resource 156). The keyword tree
// runs it and, when DoModal returns IDOK, takes m_strKeyword as the new
// keyword's text. The text is taken as typed (empty, duplicate or padded
// texts are not refused here), unless its news-search request cannot be
// sent: then OK says so and the dialog stays open (DDX_KeywordText).
//
//     CAddDlg dlg;
//     dlg.SetSearchHost(host);
//     if (dlg.DoModal() == IDOK) AddKeyword(dlg.m_strKeyword);
#include "framework/Window.h"

class CAddDlg : public CDialog
{
    DECLARE_DYNCREATE(CAddDlg)
public:
    enum
    {
        IDD = 156,
        IDC_KEYWORD = 1002
    };

    explicit CAddDlg(CWnd* pParent = NULL);

    // The news-search host the keyword's request would go to; the
    // configured one (NewsSearchHost) until it is set.
    void SetSearchHost(const CString& host) { m_strSearchHost = host; }

    // The edit field's text; exchanged when the dialog opens and on OK.
    CString m_strKeyword;

protected:
    // Exchanges m_strKeyword with edit 1002.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_strSearchHost;
};
