#include "app/KeywordExchange.h"

#include "app/AppMessages.h"
#include "app/NewsQuery.h"

const char kKeywordTooLong[] =
    "This keyword is too long to be searched for.\nPlease enter a shorter keyword.";

void DDX_KeywordText(CDataExchange* pDX, int nIDC, CString& keyword, const CString& searchHost)
{
    // The text goes into the member only once it is accepted: a refused one
    // followed by Cancel leaves the member as it was.
    CString text = keyword;
    DDX_Text(pDX, nIDC, text);
    if (pDX->m_bSaveAndValidate && !CanSendNewsQuery(searchHost, text))
    {
        ::MessageBoxA(pDX->m_pDlgWnd->GetSafeHwnd(), kKeywordTooLong, AppTitle(), MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail(); // the field gets the focus with its text selected
    }
    keyword = text;
}
