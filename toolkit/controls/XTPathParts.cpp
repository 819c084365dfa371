#include "toolkit/controls/XTPathParts.h"

namespace {

// Copies count characters of source into a buffer of size bytes, cut to fit,
// always terminated.
template <size_t size>
void CopyPart(char (&buffer)[size], LPCTSTR source, size_t count)
{
    if (count > size - 1)
        count = size - 1;
    memcpy(buffer, source, count);
    buffer[count] = '\0';
}

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

} // namespace

CXTPathParts::CXTPathParts(LPCTSTR lpszPath)
{
    SplitPath(lpszPath);
}

CXTPathParts::~CXTPathParts()
{}

void CXTPathParts::SplitPath(LPCTSTR lpszPath)
{
    m_szDrive[0] = m_szDir[0] = m_szFName[0] = m_szExt[0] = '\0';
    if (lpszPath == NULL)
        return;
    LPCTSTR p = lpszPath;
    if (p[0] != '\0' && p[1] == ':')
    {
        CopyPart(m_szDrive, p, 2);
        p += 2;
    }
    // The directory ends after the last separator, the extension starts at
    // the last dot after it. Characters are walked whole, so a trail byte of
    // a double-byte character is never taken for either.
    LPCTSTR pNameStart = p;
    LPCTSTR pLastDot = NULL;
    for (LPCTSTR q = p; *q != '\0'; q = ::CharNextA(q))
    {
        if (IsSeparator(*q))
        {
            pNameStart = q + 1;
            pLastDot = NULL;
        }
        else if (*q == '.')
        {
            pLastDot = q;
        }
    }
    LPCTSTR pEnd = p + strlen(p);
    LPCTSTR pExtStart = pLastDot != NULL ? pLastDot : pEnd;
    CopyPart(m_szDir, p, pNameStart - p);
    CopyPart(m_szFName, pNameStart, pExtStart - pNameStart);
    CopyPart(m_szExt, pExtStart, pEnd - pExtStart);
}

CString CXTPathParts::GetDrivePath() const
{
    return CString(m_szDrive) + m_szDir;
}

CString CXTPathParts::GetFileName() const
{
    return CString(m_szFName) + m_szExt;
}
