#include "TabClientTestFrame.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "tests/support/TestWindow.h"

BEGIN_MESSAGE_MAP(CTabTestChild, CMDIChildWnd)
    ON_MESSAGE(WM_XTP_GETTABICON, OnGetTabIcon)
    ON_MESSAGE(WM_XTP_GETWINDOWTEXT, OnGetTabText)
    ON_MESSAGE(WM_XTP_GETTABCOLOR, OnGetTabColor)
    ON_MESSAGE(WM_XTP_GETWINDOWTOOLTIP, OnGetTabTip)
END_MESSAGE_MAP()

CTabTestChild::CTabTestChild()
{}

CDocument* CTabTestChild::GetActiveDocument()
{
    return m_bHasDocument ? &m_document : NULL;
}

LRESULT CTabTestChild::OnGetTabText(WPARAM, LPARAM)
{
    return m_strTabText.IsEmpty() ? 0 : (LRESULT)(LPCTSTR)m_strTabText;
}

LRESULT CTabTestChild::OnGetTabColor(WPARAM, LPARAM)
{
    m_nColorQuestions++;
    return (LRESULT)m_clrTab;
}

LRESULT CTabTestChild::OnGetTabTip(WPARAM, LPARAM)
{
    return m_strTabTip.IsEmpty() ? 0 : (LRESULT)(LPCTSTR)m_strTabTip;
}

BEGIN_MESSAGE_MAP(CTabClientTestFrame, CMDIFrameWnd)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_XTP_PRETRANSLATEMOUSEMSG, OnPressInTabs)
    ON_MESSAGE(WM_XTP_NEWTABITEM, OnNewTab)
    ON_MESSAGE(WM_XTP_UNINITPOPUP, OnPopupClosed)
    ON_MESSAGE(WM_APP, OnRunAction)
END_MESSAGE_MAP()

CTabClientTestFrame* CTabClientTestFrame::CreateVisible(BOOL bGrouping, CSize size)
{
    CTabClientTestFrame* pFrame = new CTabClientTestFrame;
    if (!pFrame->Create(NULL, "tab client", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                        CRect(CPoint(30, 30), size)))
        return NULL;
    ::SetForegroundWindow(pFrame->m_hWnd);
    if (!pFrame->m_tabClient.Attach(pFrame, bGrouping))
    {
        pFrame->DestroyWindow();
        return NULL;
    }
    PumpPending();
    return pFrame;
}

void CTabClientTestFrame::OnDestroy()
{
    if (m_pCommandBars != NULL)
        m_pCommandBars->InternalRelease();
    m_pCommandBars = NULL;
    CMDIFrameWnd::OnDestroy();
}

CTabTestChild* CTabClientTestFrame::AddChild(const char* pszTitle)
{
    CTabTestChild* pChild = new CTabTestChild;
    pChild->Create(NULL, pszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150), this);
    PumpPending();
    return pChild;
}

CXTPCommandBars* CTabClientTestFrame::AddCommandBars(int nTheme)
{
    m_pCommandBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    m_pCommandBars->SetPaintManager(CXTPPaintManager::CreateTheme(nTheme));
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    RecalcLayout();
    return m_pCommandBars;
}

CString CTabClientTestFrame::Groups() const
{
    CString strGroups;
    for (int nGroup = 0; nGroup < m_tabClient.GetWorkspaceCount(); nGroup++)
    {
        CXTPTabWorkspace* pWorkspace = m_tabClient.GetWorkspace(nGroup);
        if (nGroup > 0)
            strGroups += " |";
        for (int i = 0; i < pWorkspace->GetItemCount(); i++)
            strGroups += (nGroup > 0 || i > 0 ? " " : "") + pWorkspace->GetItem(i)->GetCaption();
    }
    return strGroups;
}

BOOL CTabClientTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           m_tabClient.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CTabClientTestFrame::OnPressInTabs(WPARAM wParam, LPARAM)
{
    m_arrPresses.push_back((UINT)wParam);
    return m_nPressAnswer;
}

LRESULT CTabClientTestFrame::OnNewTab(WPARAM wParam, LPARAM)
{
    m_arrNewTabs.push_back((CXTPTabStripItem*)wParam);
    return 0;
}

LRESULT CTabClientTestFrame::OnPopupClosed(WPARAM, LPARAM lParam)
{
    CXTPPopupBar* pPopup = (CXTPPopupBar*)lParam;
    std::vector<int> ids;
    for (int i = 0; i < pPopup->GetControls()->GetCount(); i++)
        if (pPopup->GetControls()->GetAt(i)->IsVisible())
            ids.push_back(pPopup->GetControls()->GetAt(i)->GetID());
    m_arrPopupIds.push_back(ids);
    return 0;
}

void CTabClientTestFrame::PostAction(std::function<void()> action)
{
    m_arrActions.push_back(action);
    PostMessage(WM_APP, m_arrActions.size() - 1);
}

LRESULT CTabClientTestFrame::OnRunAction(WPARAM wParam, LPARAM)
{
    m_arrActions[wParam]();
    return 0;
}
