#include "framework/controls/CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

// EM_GETLINE takes the buffer's size in its first word and does not
// terminate what it copies.
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    if (nMaxLength < (int)sizeof(WORD))
    {
        lpszBuffer[0] = 0;
        return 0;
    }
    *(LPWORD)lpszBuffer = (WORD)(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength - 1);
    int nCopied = (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
    if (nCopied > nMaxLength - 1)
        nCopied = nMaxLength - 1;
    lpszBuffer[nCopied] = 0;
    return nCopied;
}
