#pragma once
// What a view's printing passes along: the print dialog's choices (with the
// printer's device context once chosen), the page being printed and the
// area to draw it in.
#include "framework/Core.h"
#include <commdlg.h>

struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();

    void SetMinPage(UINT nMinPage) { m_pd.nMinPage = (WORD)nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_pd.nMaxPage = (WORD)nMaxPage; }
    UINT GetMinPage() const { return m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pd.nMaxPage; }
    // The pages chosen in the dialog; all of them unless a range was.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    PRINTDLGA m_pd;
    BOOL m_bDirect; // print on the default printer without asking
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw; // the printable area of the current page

private:
    CPrintInfo(const CPrintInfo&);
    void operator=(const CPrintInfo&);
};
