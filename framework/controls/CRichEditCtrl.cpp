#include "framework/controls/CRichEditCtrl.h"
#include "framework/window/AppHelpers.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxInitRichEdit() && CWnd::Create("RICHEDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE range = {0, 0};
    GetSel(range);
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE range = {nStartChar, nEndChar};
    SetSel(range);
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range = {0, 0};
    GetSel(range);
    int nLength = range.cpMax > range.cpMin ? (int)(range.cpMax - range.cpMin) : 0;
    CString text;
    LPTSTR buffer = text.GetBufferSetLength(nLength);
    buffer[0] = 0;
    nLength = (int)SendMessage(EM_GETSELTEXT, 0, (LPARAM)buffer);
    text.ReleaseBuffer(nLength);
    return text;
}

namespace {

// The rich-edit messages read the record's size from its first member.
template <class TFormat>
TFormat& Sized(TFormat& format)
{
    format.cbSize = sizeof(TFormat);
    return format;
}

} // namespace

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&Sized(cf));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&Sized(cf));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&Sized(cf));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&Sized(cf));
}
