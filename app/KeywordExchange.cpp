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

namespace {

CString ListedKeyword(const CString& name)
{
    if (name.GetLength() <= kListedKeywordLength)
        return "\"" + name + "\"";
    return "\"" + name.Left(kListedKeywordLength) + "...\"";
}

} // namespace

CString ImportedKeywordsTooLongMessage(const std::vector<CString>& names)
{
    ASSERT(!names.empty());
    const bool bOne = names.size() == 1;
    CString message = bOne ? "This imported keyword is too long to be searched for:\n\n"
                           : "These imported keywords are too long to be searched for:\n\n";
    const size_t nListed = names.size() < (size_t)kListedKeywords ? names.size() : (size_t)kListedKeywords;
    for (size_t i = 0; i < nListed; ++i)
        message += ListedKeyword(names[i]) + "\n";
    if (names.size() > nListed)
    {
        CString more;
        more.Format("and %u more\n", (unsigned)(names.size() - nListed));
        message += more;
    }
    message +=
        bOne ? "\nIt is in the keyword list, but it is not searched for.\nPlease change it to a shorter "
               "keyword."
             : "\nThey are in the keyword list, but they are not searched for.\nPlease change each to a "
               "shorter keyword.";
    return message;
}
