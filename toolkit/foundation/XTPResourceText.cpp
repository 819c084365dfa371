// The two small text notations of file-based resources: dialog text becomes
// an in-memory dialog template, menu text a menu.
#include "toolkit/foundation/XTPResourceManagerIni.h"

#include <stdio.h>
#include <string.h>
#include <vector>

namespace {
typedef std::vector<BYTE> ByteBuffer;

// The text cut at any of the delimiters; every piece is left-trimmed, an
// empty quoted text "" becomes " ", and empty pieces go.
std::vector<CString> SplitLines(const CString& strText, LPCTSTR lpszDelimiters)
{
    std::vector<CString> lines;
    int nStart = 0;
    int nLength = strText.GetLength();
    for (int i = 0; i <= nLength; i++)
    {
        if (i < nLength && strchr(lpszDelimiters, strText[i]) == NULL)
            continue;
        CString strLine = strText.Mid(nStart, i - nStart);
        nStart = i + 1;
        strLine.TrimLeft();
        strLine.Replace("\"\"", "\" \"");
        if (!strLine.IsEmpty())
            lines.push_back(strLine);
    }
    return lines;
}

void AppendWord(ByteBuffer& buffer, WORD wValue)
{
    buffer.push_back(LOBYTE(wValue));
    buffer.push_back(HIBYTE(wValue));
}

void AppendDword(ByteBuffer& buffer, DWORD dwValue)
{
    AppendWord(buffer, LOWORD(dwValue));
    AppendWord(buffer, HIWORD(dwValue));
}

// The text widened with the system's code page, with its terminating zero.
void AppendWide(ByteBuffer& buffer, const CString& strText)
{
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, strText, -1, NULL, 0);
    size_t nAt = buffer.size();
    buffer.resize(nAt + nWide * sizeof(WCHAR));
    ::MultiByteToWideChar(CP_ACP, 0, strText, -1, (LPWSTR)&buffer[nAt], nWide);
}

void AlignDword(ByteBuffer& buffer)
{
    while (buffer.size() % 4 != 0)
        buffer.push_back(0);
}

struct DialogItem
{
    DWORD dwStyle;
    int x, y, cx, cy;
    int nID;
    CString strClass;
    CString strText;
    BOOL bOrdinal;
    int nOrdinal;
};

// One control line: class "text", id, x, y, cx, cy, style; or with a number
// (an ordinal title) in place of the quoted text.
BOOL ParseControlLine(const CString& strLine, DialogItem& item)
{
    char szClass[256] = "";
    char szText[256] = "";
    unsigned int nStyle = 0;
    int nRead = sscanf(strLine, "%255s \"%255[^\"]\", %d, %d, %d, %d, %d, %x", szClass, szText, &item.nID,
                       &item.x, &item.y, &item.cx, &item.cy, &nStyle);
    item.bOrdinal = FALSE;
    item.nOrdinal = 0;
    if (nRead == 1)
    {
        nRead = sscanf(strLine, "%255s %i, %d, %d, %d, %d, %d, %x", szClass, &item.nOrdinal, &item.nID,
                       &item.x, &item.y, &item.cx, &item.cy, &nStyle);
        item.bOrdinal = TRUE;
        strcpy(szText, " ");
    }
    if (nRead != 8)
        return FALSE;
    item.dwStyle = nStyle;
    item.strClass = szClass;
    item.strText = szText;
    return TRUE;
}

void AppendDialogItem(ByteBuffer& buffer, const DialogItem& item)
{
    AppendDword(buffer, item.dwStyle);
    AppendDword(buffer, 0);
    AppendWord(buffer, (WORD)item.x);
    AppendWord(buffer, (WORD)item.y);
    AppendWord(buffer, (WORD)item.cx);
    AppendWord(buffer, (WORD)item.cy);
    AppendWord(buffer, (WORD)item.nID);
    AppendWide(buffer, item.strClass);
    if (item.bOrdinal)
    {
        AppendWord(buffer, 0xFFFF);
        AppendWord(buffer, (WORD)item.nOrdinal);
    }
    else
        AppendWide(buffer, item.strText);
    AppendWord(buffer, 0);
    AlignDword(buffer);
}

struct MenuItem
{
    WORD wFlags;
    WORD wID;
    CString strText;
};

// One menu line: POPUP "text" or MENUITEM "text", id or MENUITEM SEPARATOR.
BOOL ParseMenuLine(const CString& strLine, MenuItem& item)
{
    char szKeyword[21] = "";
    char szText[256] = "";
    int nID = 0;
    int nRead = sscanf(strLine, "%20s \"%255[^\"]\", %d", szKeyword, szText, &nID);
    item.wID = 0;
    item.strText = szText;
    if (strcmp(szKeyword, "POPUP") == 0 && nRead >= 2)
        item.wFlags = MF_POPUP;
    else if (strcmp(szKeyword, "MENUITEM") == 0 && nRead == 1)
        item.wFlags = MF_SEPARATOR;
    else if (strcmp(szKeyword, "MENUITEM") == 0)
    {
        item.wFlags = 0;
        item.wID = (WORD)nID;
    }
    else
        return FALSE;
    return TRUE;
}

// Follows the nesting of the menu lines. Every POPUP must be followed by a
// "{" and a non-empty block closed by "}", at most nMaxMenuDepth deep; the
// last item of every level, the top level included, is marked as the level's
// end.
BOOL ParseMenuText(const CString& strText, std::vector<MenuItem>& items)
{
    std::vector<int> lastItemOfLevel(1, -1);
    BOOL bPopupOpen = FALSE;
    std::vector<CString> lines = SplitLines(strText, "\n");
    for (size_t i = 0; i < lines.size(); i++)
    {
        const CString& strLine = lines[i];
        if (strLine == "{")
        {
            if (!bPopupOpen || lastItemOfLevel.size() > CXTPResourceManagerIni::nMaxMenuDepth)
                return FALSE;
            bPopupOpen = FALSE;
            lastItemOfLevel.push_back(-1);
            continue;
        }
        if (bPopupOpen)
            return FALSE;
        if (strLine == "}")
        {
            int nLast = lastItemOfLevel.back();
            if (lastItemOfLevel.size() == 1 || nLast < 0)
                return FALSE;
            lastItemOfLevel.pop_back();
            items[nLast].wFlags |= MF_END;
            continue;
        }
        MenuItem item;
        if (!ParseMenuLine(strLine, item))
            return FALSE;
        items.push_back(item);
        lastItemOfLevel.back() = (int)items.size() - 1;
        bPopupOpen = (item.wFlags & MF_POPUP) != 0;
    }
    if (bPopupOpen || lastItemOfLevel.size() != 1 || items.empty())
        return FALSE;
    items[lastItemOfLevel.back()].wFlags |= MF_END;
    return TRUE;
}
} // namespace

LPDLGTEMPLATE CXTPResourceManagerIni::CreateDialogTemplate(const CString& strText)
{
    int x = 0, y = 0, cx = 0, cy = 0, nPointSize = 0;
    unsigned int nStyle = 0;
    char szCaption[256] = "";
    char szFace[256] = "";
    int nHeaderEnd = 0;
    if (sscanf(strText, "DIALOG %d, %d, %d, %d CAPTION \"%255[^\"]\" STYLE %x FONT %d, \"%255[^\"]\"%n", &x,
               &y, &cx, &cy, szCaption, &nStyle, &nPointSize, szFace, &nHeaderEnd)
            != 8
        || nHeaderEnd == 0)
        return NULL;
    nStyle |= DS_SETFONT;

    std::vector<DialogItem> items;
    std::vector<CString> lines = SplitLines(strText, "{\n");
    for (size_t i = 1; i < lines.size(); i++)
    {
        CString strLine = lines[i];
        strLine.TrimRight();
        if (strLine == "}")
            break;
        DialogItem item;
        if (items.size() == nMaxDialogItems || !ParseControlLine(strLine, item))
            return NULL;
        items.push_back(item);
    }

    ByteBuffer buffer;
    AppendDword(buffer, nStyle);
    AppendDword(buffer, 0);
    AppendWord(buffer, (WORD)items.size());
    AppendWord(buffer, (WORD)x);
    AppendWord(buffer, (WORD)y);
    AppendWord(buffer, (WORD)cx);
    AppendWord(buffer, (WORD)cy);
    AppendWord(buffer, 0);
    AppendWord(buffer, 0);
    AppendWide(buffer, szCaption);
    AppendWord(buffer, (WORD)nPointSize);
    AppendWide(buffer, szFace);
    AlignDword(buffer);
    for (size_t i = 0; i < items.size(); i++)
        AppendDialogItem(buffer, items[i]);

    HLOCAL hTemplate = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, buffer.size());
    if (hTemplate == NULL)
        AfxThrowMemoryException();
    LPDLGTEMPLATE pTemplate = (LPDLGTEMPLATE)::LocalLock(hTemplate);
    memcpy(pTemplate, &buffer[0], buffer.size());
    return pTemplate;
}

BOOL CXTPResourceManagerIni::CreateMenu(CMenu& menu, const CString& strText)
{
    std::vector<MenuItem> items;
    if (!ParseMenuText(strText, items))
        return FALSE;
    ByteBuffer buffer;
    AppendDword(buffer, 0);
    for (size_t i = 0; i < items.size(); i++)
    {
        AppendWord(buffer, items[i].wFlags);
        if (!(items[i].wFlags & MF_POPUP))
            AppendWord(buffer, items[i].wID);
        AppendWide(buffer, items[i].strText);
    }
    return menu.LoadMenuIndirect(&buffer[0]);
}
