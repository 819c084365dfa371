#pragma once
// The keyword dialogs' exchange of their edit field with the keyword text
// (CAddDlg, CRepKeywordDlg). On OK a text whose news-search request cannot be
// sent (CanSendNewsQuery with the dialog's search host) is refused: a message
// box says the keyword is too long, the dialog stays open with the text
// selected in its field, and the keyword member keeps what it held.
//
//     void CAddDlg::DoDataExchange(CDataExchange* pDX)
//     {
//         CDialog::DoDataExchange(pDX);
//         DDX_KeywordText(pDX, IDC_KEYWORD, m_strKeyword, m_strSearchHost);
//     }
#include "framework/Window.h"

// The message of a refused keyword.
extern const char kKeywordTooLong[];

void DDX_KeywordText(CDataExchange* pDX, int nIDC, CString& keyword, const CString& searchHost);
