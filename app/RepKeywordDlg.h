#pragma once
// CRepKeywordDlg: the modal "Change Keyword" dialog (resource 166) that asks
// for a new text of an existing keyword. The caller gives the current text
// with SetKeyword, runs the dialog and on IDOK reads GetKeyword. As with
// CAddDlg the text is taken as typed, unless its news-search request cannot
// be sent: then OK says so and the dialog stays open (DDX_KeywordText).
//
//     CRepKeywordDlg dlg;
//     dlg.SetKeyword(keyword->name);
//     dlg.SetSearchHost(host);
//     if (dlg.DoModal() == IDOK) Rename(keyword, dlg.GetKeyword());
#include "framework/Window.h"

class CRepKeywordDlg : public CDialog
{
    DECLARE_DYNCREATE(CRepKeywordDlg)
public:
    enum
    {
        IDD = 166,
        IDC_KEYWORD = 1018
    };

    explicit CRepKeywordDlg(CWnd* pParent = NULL);

    // The text the edit field shows when the dialog opens.
    void SetKeyword(const CString& text) { m_strKeyword = text; }
    // The text after the dialog closed (with OK: as the user left it).
    CString GetKeyword() const { return m_strKeyword; }
    // The news-search host the keyword's request would go to; the
    // configured one (NewsSearchHost) until it is set.
    void SetSearchHost(const CString& host) { m_strSearchHost = host; }

protected:
    // Exchanges m_strKeyword with edit 1018.
    void DoDataExchange(CDataExchange* pDX) override;

    // The "Ok" button: the normal OK processing (exchange, then IDOK).
    afx_msg void OnOkClicked();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strKeyword;
    CString m_strSearchHost;
};
