#pragma once
// Keyword texts too long to be searched for: those whose news-search request
// cannot be sent (CanSendNewsQuery), the one rule wherever a keyword comes in.
//
// The keyword dialogs (CAddDlg, CRepKeywordDlg) exchange their edit field
// with the keyword text through DDX_KeywordText: on OK such a text is
// refused, a message box says the keyword is too long, the dialog stays open
// with the text selected in its field, and the keyword member keeps what it
// held.
//
//     void CAddDlg::DoDataExchange(CDataExchange* pDX)
//     {
//         CDialog::DoDataExchange(pDX);
//         DDX_KeywordText(pDX, IDC_KEYWORD, m_strKeyword, m_strSearchHost);
//     }
//
// An import cannot ask for a shorter text: it takes such keywords, with the
// rest of the file, and tells the user which ones are not searched for
// (ImportedKeywordsTooLongMessage).
#include "framework/Window.h"

#include <vector>

// The message of a refused keyword.
extern const char kKeywordTooLong[];

void DDX_KeywordText(CDataExchange* pDX, int nIDC, CString& keyword, const CString& searchHost);

// How many of an import's too-long keywords its message names, and how many
// characters of each it shows before "...".
const int kListedKeywords = 10;
const int kListedKeywordLength = 40;

// The message after an import that took the keywords (not empty) although
// they are too long to be searched for: names them in quotes, in their order
// (the first kListedKeywords; the rest counted), each cut to its first
// kListedKeywordLength characters and "..." when longer, and asks for
// shorter keywords.
CString ImportedKeywordsTooLongMessage(const std::vector<CString>& names);
