#include "framework/controls/CReBar.h"
#include "framework/window/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

CReBar::CReBar()
{}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    DWORD dwWindowStyle = TakeBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return CWnd::Create(REBARCLASSNAME, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, DWORD dwStyle)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return FALSE;
    pBar->SetParent(this);
    CRect rect;
    pBar->GetWindowRect(rect);
    REBARBANDINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    info.fStyle = dwStyle;
    info.hwndChild = pBar->m_hWnd;
    info.cxMinChild = rect.Width();
    info.cyMinChild = rect.Height();
    info.cx = rect.Width();
    if (pszText != NULL)
    {
        info.fMask |= RBBIM_TEXT;
        info.lpText = (LPTSTR)pszText;
    }
    return GetReBarCtrl().InsertBand((UINT)-1, &info);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    size.cy = (int)GetReBarCtrl().GetBarHeight();
    return size;
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}
