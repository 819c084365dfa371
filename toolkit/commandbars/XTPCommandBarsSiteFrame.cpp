#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// The keyboard messages, WM_KEYDOWN to the last of the older headers' range.
const UINT kLastKeyMessage = 0x108;

// A key for a bar's edit field that has the focus: the field takes every key
// but Enter, Tab and Esc, which its control answers through the bars.
BOOL IsKeyForFocusedBarEdit(const MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > kLastKeyMessage)
        return FALSE;
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CXTPEdit::GetFocused() != NULL;
}

// The frame was just shown, or activated (its focus set again): the system
// may have stacked it over its floating bars.
BOOL IsShownOrActivated(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED)
        return (((const WINDOWPOS*)lParam)->flags & SWP_SHOWWINDOW) != 0;
    return message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0;
}

} // namespace

CXTPCommandBarsSiteFrame::CXTPCommandBarsSiteFrame() : m_pCommandBars(NULL)
{}

CXTPCommandBarsSiteFrame::~CXTPCommandBarsSiteFrame()
{
    if (m_pCommandBars != NULL)
        m_pCommandBars->InternalRelease();
}

BOOL CXTPCommandBarsSiteFrame::CreateCommandBars(CRuntimeClass* pCommandBarsClass)
{
    if (XTPPaintManager() == NULL)
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    m_pCommandBars = (CXTPCommandBars*)pCommandBarsClass->CreateObject();
    if (m_pCommandBars == NULL)
        return FALSE;
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    return TRUE;
}

void CXTPCommandBarsSiteFrame::SaveCommandBarState(LPCTSTR lpszProfileName)
{
    if (m_pCommandBars != NULL)
    {
        m_pCommandBars->SaveOptions(lpszProfileName);
        m_pCommandBars->SaveBarState(lpszProfileName, TRUE);
    }
}

void CXTPCommandBarsSiteFrame::LoadCommandBarState(LPCTSTR lpszProfileName, BOOL bSilent)
{
    if (m_pCommandBars != NULL)
    {
        m_pCommandBars->LoadOptions(lpszProfileName);
        m_pCommandBars->LoadBarState(lpszProfileName, bSilent);
    }
}

void CXTPCommandBarsSiteFrame::HideWithFloatingBars()
{
    if (m_pCommandBars != NULL)
        m_pCommandBars->ShowFloatingBarWindows(FALSE);
    ShowWindow(SW_HIDE);
}

void CXTPCommandBarsSiteFrame::ShowWithFloatingBars(int nCmdShow)
{
    // The bars first: the frame, once shown, brings them in front of it
    // keeping their order (OnWndMsg).
    if (m_pCommandBars != NULL)
        m_pCommandBars->ShowFloatingBarWindows(TRUE);
    ShowWindow(nCmdShow);
}

BOOL CXTPCommandBarsSiteFrame::PreTranslateMessage(MSG* pMsg)
{
    // Typing into a bar's edit field reaches the field before the frame's
    // accelerators: Ctrl+C there copies text instead of running a command.
    if (IsKeyForFocusedBarEdit(pMsg))
        return FALSE;
    // The bars see the keys before the frame's accelerators: Alt with a
    // menu's mnemonic opens the menu even where an accelerator uses the key.
    if (m_pCommandBars != NULL && m_pCommandBars->PreTranslateFrameMessage(pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CXTPCommandBarsSiteFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pCommandBars != NULL && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    if (message == WM_XTP_CONTROL_EXECUTE)
    {
        // A control notification goes through the message map as a
        // WM_NOTIFY from the control's id.
        NMHDR* pHeader = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        LRESULT result = 0;
        notify.pResult = &result;
        notify.pNMHDR = pHeader;
        if (OnCmdMsg((UINT)pHeader->idFrom, MAKELONG(pHeader->code, WM_NOTIFY), &notify, NULL))
        {
            *pResult = result;
            return TRUE;
        }
    }
    const BOOL bHandled = CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
    if (m_pCommandBars != NULL && IsShownOrActivated(message, wParam, lParam))
        m_pCommandBars->BringFloatingBarsToFront(TRUE);
    else if (m_pCommandBars != NULL && message == WM_IDLEUPDATECMDUI)
        m_pCommandBars->BringFloatingBarsToFront(FALSE);
    return bHandled;
}

void CXTPCommandBarsSiteFrame::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_pCommandBars != NULL)
        m_pCommandBars->OnSetPreviewMode(bPreview);
    CFrameWnd::OnSetPreviewMode(bPreview, pState);
}
