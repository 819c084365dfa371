#include "toolkit/commandbars/docking/XTPReBar.h"

#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/foundation/XTPBufferDC.h"

#include <stdio.h>

IMPLEMENT_DYNAMIC(CXTPReBar, CReBar)

BEGIN_MESSAGE_MAP(CXTPReBar, CReBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The band record the rebar's state and layout exchange.
static_assert(sizeof(REBARBANDINFO) == 80, "the rebar band record of Windows XP");

namespace {

const char* const kStateEntry = "RebarStateInfo (v1.01)";
// A band's style bits that the saved state carries.
const UINT kSavedStyles = RBBS_BREAK | RBBS_HIDDEN;
// The length for a bar's one-row size.
const int kOneRow = 32000;

REBARBANDINFO BandInfo(UINT fMask)
{
    REBARBANDINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = fMask;
    return info;
}

} // namespace

CXTPReBar::CXTPReBar()
{}

BOOL CXTPReBar::AddToolBar(CXTPToolBar* pToolBar, DWORD dwStyle)
{
    if (pToolBar == NULL || pToolBar->m_hWnd == NULL)
        return FALSE;
    CSize size = pToolBar->CalcDockingLayout(kOneRow, xtpLayoutHorz | xtpLayoutHorzDock | xtpLayoutCommit);
    pToolBar->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pToolBar->GetDockBar() != NULL)
        pToolBar->GetDockBar()->RemoveCommandBar(pToolBar);
    pToolBar->EnableDocking(0);
    pToolBar->SetBarStyle(pToolBar->GetBarStyle() & ~XTP_BARSTYLE_GRIPPER);
    if (!AddBar(pToolBar, NULL, dwStyle))
        return FALSE;
    REBARBANDINFO info = BandInfo(RBBIM_ID);
    info.wID = pToolBar->GetBarID();
    return GetReBarCtrl().SetBandInfo(GetReBarCtrl().GetBandCount() - 1, &info);
}

void CXTPReBar::DeleteToolBar(CXTPToolBar* pToolBar)
{
    for (int nBand = (int)GetReBarCtrl().GetBandCount() - 1; nBand >= 0; nBand--)
    {
        REBARBANDINFO info = BandInfo(RBBIM_CHILD);
        if (GetReBarCtrl().GetBandInfo(nBand, &info) && pToolBar != NULL
            && info.hwndChild == pToolBar->m_hWnd)
        {
            GetReBarCtrl().DeleteBand(nBand);
            return;
        }
    }
}

CXTPToolBar* CXTPReBar::GetToolBar(int nBand) const
{
    REBARBANDINFO info = BandInfo(RBBIM_CHILD);
    if (nBand < 0 || !GetReBarCtrl().GetBandInfo(nBand, &info))
        return NULL;
    return DYNAMIC_DOWNCAST(CXTPToolBar, CWnd::FromHandlePermanent(info.hwndChild));
}

CSize CXTPReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CReBar::CalcFixedLayout(bStretch, bHorz);
    for (int nBand = 0; nBand < (int)GetReBarCtrl().GetBandCount(); nBand++)
    {
        CXTPToolBar* pToolBar = GetToolBar(nBand);
        if (pToolBar == NULL)
            continue;
        REBARBANDINFO info = BandInfo(RBBIM_SIZE);
        GetReBarCtrl().GetBandInfo(nBand, &info);
        CSize szMin = pToolBar->CalcDockingLayout(kOneRow, xtpLayoutHorz | xtpLayoutHorzDock);
        DWORD dwIdealMode = xtpLayoutStretch | xtpLayoutHorz | xtpLayoutHorzDock | xtpLayoutCommit;
        if (pToolBar->GetType() != xtpBarTypeMenuBar)
            dwIdealMode |= xtpLayoutHideWrap;
        CSize szIdeal = pToolBar->CalcDockingLayout((int)info.cx, dwIdealMode);
        info.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        info.cxMinChild = szMin.cx;
        info.cyMinChild = szMin.cy;
        info.cxIdeal = szIdeal.cx;
        GetReBarCtrl().SetBandInfo(nBand, &info);
    }
    return size;
}

// ---- State --------------------------------------------------------------------------

void CXTPReBar::SaveState(LPCTSTR lpszProfileName)
{
    CString strState;
    for (int nBand = 0; nBand < (int)GetReBarCtrl().GetBandCount(); nBand++)
    {
        REBARBANDINFO info = BandInfo(RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE);
        GetReBarCtrl().GetBandInfo(nBand, &info);
        CString strBand;
        strBand.Format("wID=%04X,cx=%d,fStyle=%08X", info.wID, info.cx, info.fStyle);
        strState += (nBand > 0 ? "\n" : "") + strBand;
    }
    AfxGetApp()->WriteProfileString(lpszProfileName, kStateEntry, strState);
}

void CXTPReBar::LoadState(LPCTSTR lpszProfileName)
{
    CString strState = AfxGetApp()->GetProfileString(lpszProfileName, kStateEntry, "");
    int nBand = 0;
    for (int nStart = 0; nStart < strState.GetLength() && nBand < (int)GetReBarCtrl().GetBandCount();)
    {
        int nEnd = strState.Find('\n', nStart);
        if (nEnd < 0)
            nEnd = strState.GetLength();
        CString strLine = strState.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;

        unsigned int wID = 0, fStyle = 0;
        int cx = 0;
        char chEnd = 0;
        if (sscanf(strLine, "wID=%x,cx=%d,fStyle=%x%c", &wID, &cx, &fStyle, &chEnd) != 3)
            continue;
        int nFrom = GetReBarCtrl().IDToIndex(wID);
        if (nFrom < nBand)
            continue; // no such band, or one placed by an earlier line
        GetReBarCtrl().MoveBand(nFrom, nBand);
        REBARBANDINFO info = BandInfo(RBBIM_STYLE);
        GetReBarCtrl().GetBandInfo(nBand, &info);
        info.fMask = RBBIM_STYLE | RBBIM_SIZE;
        info.fStyle = (info.fStyle & ~kSavedStyles) | (fStyle & kSavedStyles);
        info.cx = cx > 0 ? cx : 0;
        GetReBarCtrl().SetBandInfo(nBand, &info);
        CXTPToolBar* pToolBar = GetToolBar(nBand);
        if (pToolBar != NULL && (fStyle & RBBS_HIDDEN))
            pToolBar->SetVisible(FALSE);
        nBand++;
    }
}

// ---- Painting -------------------------------------------------------------------------

void CXTPReBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CRect rcClient;
    GetClientRect(&rcClient);
    {
        CXTPBufferDC dc(hDC, rcClient);
        dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_3DFACE));
        DefWindowProc(WM_ERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
        DefWindowProc(WM_PAINT, (WPARAM)dc.GetSafeHdc(), 0);
    }
    ::EndPaint(m_hWnd, &ps);
}

BOOL CXTPReBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
