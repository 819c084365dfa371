#include "framework/window/CPrintInfo.h"

CPrintInfo::CPrintInfo()
    : m_pd(), m_bDirect(FALSE), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1),
      m_nNumPreviewPages(0), m_lpUserData(NULL), m_rectDraw(0, 0, 0, 0)
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0xFFFF;
    m_pd.Flags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION | PD_RETURNDC;
}

CPrintInfo::~CPrintInfo()
{
    if (m_pd.hDevMode != NULL)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
}

UINT CPrintInfo::GetFromPage() const
{
    return (m_pd.Flags & PD_PAGENUMS) ? m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pd.Flags & PD_PAGENUMS) ? m_pd.nToPage : GetMaxPage();
}
