#include "framework/controls/CStatusBar.h"
#include "framework/window/CFrameWnd.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() : m_nMinHeight(0)
{}

CStatusBar::~CStatusBar()
{}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    DWORD dwWindowStyle =
        TakeBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (pParentWnd != NULL && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwWindowStyle |= SBARS_SIZEGRIP;
    return CWnd::Create(STATUSCLASSNAME, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

StatusBarPane* CStatusBar::GetPanePtr(int nIndex)
{
    return nIndex >= 0 && nIndex < GetCount() ? &m_panes[nIndex] : NULL;
}

const StatusBarPane* CStatusBar::GetPanePtr(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? &m_panes[nIndex] : NULL;
}

// A screen DC of the bar with the bar's font selected, for measuring.
class BarFontDC
{
public:
    explicit BarFontDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd))
    {
        HFONT hFont = (HFONT)::SendMessage(hWnd, WM_GETFONT, 0, 0);
        m_hOldFont = ::SelectObject(m_hDC, hFont != NULL ? hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~BarFontDC()
    {
        ::SelectObject(m_hDC, m_hOldFont);
        ::ReleaseDC(m_hWnd, m_hDC);
    }
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
    HGDIOBJ m_hOldFont;
};

int CStatusBar::MeasureText(LPCTSTR lpszText) const
{
    BarFontDC dc(m_hWnd);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(dc, lpszText, lstrlen(lpszText), &size);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == NULL))
        return FALSE;
    m_panes.assign(nIDCount, StatusBarPane());
    for (int i = 0; i < nIDCount; i++)
    {
        StatusBarPane& pane = m_panes[i];
        pane.nID = lpIDArray[i];
        pane.nStyle = SBPS_NORMAL;
        pane.nFlags = 0;
        if (pane.nID != ID_SEPARATOR)
            pane.strText.LoadString(pane.nID);
        pane.cxText = MeasureText(pane.strText);
    }
    if (nIDCount > 0 && m_panes[0].nID == ID_SEPARATOR)
        m_panes[0].nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
    UpdateAllPanes(TRUE, TRUE);
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_panes[i].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    ::SendMessage(m_hWnd, SB_GETRECT, nIndex, (LPARAM)lpRect);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    rString = GetPaneText(nIndex);
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    StatusBarPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return FALSE;
    CString strNew = lpszNewText != NULL ? lpszNewText : "";
    if (strNew == pPane->strText)
        return TRUE;
    pPane->strText = strNew;
    if (bUpdate)
        UpdatePaneText(nIndex);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return;
    nID = pPane->nID;
    nStyle = pPane->nStyle;
    cxWidth = pPane->cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    StatusBarPane* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return;
    BOOL bLayoutChanged = pPane->cxText != cxWidth || ((pPane->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    BOOL bLookChanged = pPane->nStyle != nStyle;
    pPane->nID = nID;
    pPane->nStyle = nStyle;
    pPane->cxText = cxWidth;
    if (bLayoutChanged)
        UpdateAllPanes(TRUE, FALSE);
    if (bLookChanged)
        UpdatePaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    const StatusBarPane* pPane = GetPanePtr(nIndex);
    if (pPane != NULL && pPane->nStyle != nStyle)
        SetPaneInfo(nIndex, pPane->nID, nStyle, pPane->cxText);
}

void CStatusBar::CalcPaneEdges(const std::vector<StatusBarPane>& panes, int cxClient, int cxGrip, int cxEdge,
                               std::vector<int>& edges)
{
    int cxUsed = 0;
    for (size_t i = 0; i < panes.size(); i++)
        cxUsed += panes[i].cxText + 3 * cxEdge;
    int cxExtra = std::max(0, cxClient - cxGrip - cxUsed);
    edges.resize(panes.size());
    int right = 0;
    for (size_t i = 0; i < panes.size(); i++)
    {
        right += panes[i].cxText + 3 * cxEdge;
        if ((panes[i].nStyle & SBPS_STRETCH) && cxExtra > 0)
        {
            right += cxExtra;
            cxExtra = 0;
        }
        edges[i] = right;
    }
}

void CStatusBar::UpdatePaneText(int nIndex)
{
    const StatusBarPane& pane = m_panes[nIndex];
    UINT nLook = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    // A disabled pane shows no text.
    LPCTSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCTSTR)pane.strText;
    ::SendMessage(m_hWnd, SB_SETTEXT, nIndex | nLook, (LPARAM)lpszText);
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == NULL)
        return;
    if (bUpdateRects)
    {
        CRect client;
        GetClientRect(client);
        int cxGrip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        std::vector<int> edges;
        CalcPaneEdges(m_panes, client.Width(), cxGrip, ::GetSystemMetrics(SM_CXEDGE), edges);
        ::SendMessage(m_hWnd, SB_SETPARTS, edges.size(), edges.empty() ? 0 : (LPARAM)&edges[0]);
    }
    if (bUpdateText)
    {
        for (int i = 0; i < GetCount(); i++)
            UpdatePaneText(i);
    }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    TEXTMETRIC tm;
    ::GetTextMetrics(BarFontDC(m_hWnd), &tm);
    int borders[3] = {0, 0, 0};
    SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    size.cy = std::max(m_nMinHeight, (int)tm.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYEDGE));
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (int i = 0; i < GetCount(); i++)
    {
        state.m_nID = m_panes[i].nID;
        state.m_nIndex = i;
        // Panes nobody updates keep their state.
        state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return FALSE;
    SetPaneText(nIndex, (LPCTSTR)lParam);
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPTSTR lpszBuffer = (LPTSTR)lParam;
    int nMax = (int)wParam;
    if (lpszBuffer == NULL || nMax <= 0)
        return 0;
    CString text = GetPaneText(CommandToIndex(ID_SEPARATOR));
    int nLength = std::min(nMax - 1, text.GetLength());
    memcpy(lpszBuffer, (LPCTSTR)text, nLength);
    lpszBuffer[nLength] = '\0';
    return nLength;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneText(CommandToIndex(ID_SEPARATOR)).GetLength();
}

LRESULT CStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    m_nMinHeight = (int)wParam;
    return Default();
}

// ---- CStatusCmdUI -------------------------------------------------------------------------------

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CStatusBar* pBar = (CStatusBar*)m_pOther;
    UINT nStyle = pBar->GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
    pBar->SetPaneStyle(m_nIndex, bOn ? nStyle : nStyle | SBPS_DISABLED);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    CStatusBar* pBar = (CStatusBar*)m_pOther;
    UINT nStyle = pBar->GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
    pBar->SetPaneStyle(m_nIndex, nCheck != 0 ? nStyle | SBPS_POPOUT : nStyle);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText)
{
    ((CStatusBar*)m_pOther)->SetPaneText(m_nIndex, lpszText);
}
