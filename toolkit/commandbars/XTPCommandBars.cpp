#include "toolkit/commandbars/XTPCommandBars.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControlToolbars.h"
#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/layout/XTPDockArea.h"
#include "toolkit/commandbars/layout/XTPFloatingRect.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/docking/XTPReBar.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPStartup.h"

#include "framework/Controls.h"

#include <algorithm>
#include <functional>
#include <utility>

IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

// Saved bar states name these classes; the manager's object file carries the
// entries, so every program that has a manager can create them by name.
XTP_STARTUP_CLASSES(BarClasses, xtpStartupBarClasses, XTP_STARTUP_CLASS(CXTPControl),
                    XTP_STARTUP_CLASS(CXTPCommandBar), XTP_STARTUP_CLASS(CXTPToolBar));
XTP_STARTUP_CLASSES(PopupClasses, xtpStartupPopupClasses, XTP_STARTUP_CLASS(CXTPMenuBar));
XTP_STARTUP_CLASSES(ControlPopupClass, xtpStartupControlPopupClass, XTP_STARTUP_CLASS(CXTPControlPopup));
XTP_STARTUP_CLASSES(ControlClasses, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlButton));

CRuntimeClass* CXTPCommandBars::m_pMenuBarClass = RUNTIME_CLASS(CXTPMenuBar);
CRuntimeClass* CXTPCommandBars::m_pToolBarClass = RUNTIME_CLASS(CXTPToolBar);

namespace {

// The flags of the tool bars the manager makes: dock anywhere, float, shorten.
const DWORD kToolBarFlags = xtpFlagAlignAny | xtpFlagFloating | xtpFlagHideWrap;

// The dock bars: window id and alignment style, in the order top, bottom,
// left, right.
struct DockBarDefinition
{
    UINT nID;
    DWORD dwStyle;
};
const DockBarDefinition kDockBars[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};
const DWORD kDockBarWindowStyle = 0x56000000;

// Window ids the framework gives its own bars and panes in a frame: a custom
// bar never takes one of them.
BOOL IsFrameworkWindowId(UINT nID)
{
    return nID == AFX_IDW_STATUS_BAR || nID == AFX_IDW_REBAR
           || (nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM);
}

// The frame holding the focus: up from the focus window to the first frame
// that is not a mini frame.
CFrameWnd* FocusFrame()
{
    for (HWND hWnd = ::GetFocus(); hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd));
        if (pFrame != NULL)
            return pFrame;
    }
    return NULL;
}

} // namespace

CXTPCommandBars::CXTPCommandBars()
    : m_hDefaultAccel(NULL), m_bIgnoreShiftMenuKey(FALSE), m_pPaintManager(NULL), m_pImageManager(NULL),
      m_pDropSource(new CXTPCustomizeDropSource(this)), m_pDragControl(NULL), m_bCustomizeMode(FALSE),
      m_bCustomizeAvail(FALSE), m_bQuickCustomizeMode(FALSE), m_nMenuID(0),
      m_pOptions(new CXTPCommandBarsOptions), m_pFrame(NULL), m_pMenuBar(NULL), m_bRecalcLayout(FALSE),
      m_bHidingFloatingBars(FALSE)
{
    m_pOptions->m_pCommandBars = this;
    for (CXTPDockBar*& pDock : m_pDocks)
        pDock = NULL;
}

CXTPCommandBars::~CXTPCommandBars()
{
    if (m_pDragControl != NULL)
        m_pDragControl->InternalRelease();
    m_pDragControl = NULL;
    while (!m_arrBars.empty())
    {
        CXTPToolBar* pBar = m_arrBars.front();
        m_arrBars.erase(m_arrBars.begin());
        if (pBar->GetDockBar() != NULL)
            pBar->GetDockBar()->RemoveCommandBar(pBar);
        pBar->SetCommandBars(NULL);
        pBar->InternalRelease();
    }
    for (CXTPDockBar*& pDock : m_pDocks)
    {
        delete pDock;
        pDock = NULL;
    }
    delete m_pDropSource;
    if (m_pPaintManager != NULL)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager != NULL)
        m_pImageManager->InternalRelease();
    if (m_hDefaultAccel != NULL)
        ::DestroyAcceleratorTable(m_hDefaultAccel);
    m_pOptions->InternalRelease();
    XTPSoundManager()->StopThread();
}

// ---- Wiring -------------------------------------------------------------------

void CXTPCommandBars::SetSite(CFrameWnd* pFrame)
{
    m_pFrame = pFrame;
    if (pFrame != NULL && pFrame->m_hWnd != NULL)
    {
        AFX_CMDHANDLERINFO info = {NULL, NULL};
        m_bCustomizeAvail = pFrame->OnCmdMsg(XTP_ID_CUSTOMIZE, CN_COMMAND, this, &info);
    }
}

void CXTPCommandBars::EnableDocking()
{
    for (int i = 0; i < 4; i++)
    {
        if (m_pDocks[i] != NULL)
            continue;
        CXTPDockBar* pDock = new CXTPDockBar(this);
        if (!pDock->Create(m_pFrame, kDockBarWindowStyle | kDockBars[i].dwStyle, kDockBars[i].nID))
        {
            delete pDock;
            AfxThrowResourceException();
        }
        m_pDocks[i] = pDock;
    }
}

CXTPCommandBar* CXTPCommandBars::SetMenu(LPCTSTR lpszName, UINT nMenuID)
{
    CXTPMenuBar* pMenuBar = (CXTPMenuBar*)m_pMenuBarClass->CreateObject();
    pMenuBar->SetCommandBars(this);
    pMenuBar->EnableDocking(0x5F);
    pMenuBar->SetTitle(lpszName);
    pMenuBar->SetBarID(1);
    if (!pMenuBar->CreateBarWindow(m_pFrame, FALSE) || !DockCommandBarAt(pMenuBar, NULL, xtpBarTop)
        || !pMenuBar->LoadMenuBar(nMenuID))
    {
        if (pMenuBar->GetDockBar() != NULL)
            pMenuBar->GetDockBar()->RemoveCommandBar(pMenuBar);
        pMenuBar->InternalRelease();
        return NULL;
    }
    if (nMenuID != 0)
    {
        pMenuBar->GetControls()->CreateOriginalControls();
        m_nMenuID = nMenuID;
    }
    m_arrBars.push_back(pMenuBar);
    m_pMenuBar = pMenuBar;
    return pMenuBar;
}

CXTPToolBar* CXTPCommandBars::Add(LPCTSTR lpszName, XTPBarPosition barPosition, CRuntimeClass* pToolBarClass)
{
    if (pToolBarClass == NULL)
        pToolBarClass = m_pToolBarClass;
    CXTPToolBar* pBar = (CXTPToolBar*)pToolBarClass->CreateObject();
    pBar->SetCommandBars(this);
    pBar->EnableDocking(kToolBarFlags);
    return AddBarAt(pBar, lpszName, barPosition);
}

CXTPToolBar* CXTPCommandBars::AddCustomBar(LPCTSTR lpszName, UINT nBarID, BOOL bFloating)
{
    CXTPToolBar* pBar = (CXTPToolBar*)m_pToolBarClass->CreateObject();
    pBar->SetCommandBars(this);
    CreateCommandBarRequest request = {pBar, FALSE, FALSE, TRUE, bFloating, lpszName, nBarID};
    if (m_pFrame != NULL && m_pFrame->m_hWnd != NULL)
        m_pFrame->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, (LPARAM)&request);
    if (pBar->GetBarTracker() == NULL)
        pBar->EnableDocking(kToolBarFlags);
    if (AddBarAt(pBar, lpszName, bFloating ? xtpBarFloating : xtpBarTop) == NULL)
        return NULL;
    pBar->SetBarID(nBarID);
    pBar->SetBuiltIn(FALSE);
    pBar->SetTearOff(bFloating);
    if (!bFloating)
        RecalcFrameLayout();
    OnToolBarAdded(pBar);
    return pBar;
}

CXTPToolBar* CXTPCommandBars::AddBarAt(CXTPToolBar* pBar, LPCTSTR lpszName, XTPBarPosition barPosition)
{
    pBar->SetTitle(lpszName);
    if (!pBar->CreateBarWindow(m_pFrame, barPosition == xtpBarFloating) || !pBar->SetPosition(barPosition))
    {
        if (pBar->GetDockBar() != NULL)
            pBar->GetDockBar()->RemoveCommandBar(pBar);
        pBar->InternalRelease();
        return NULL;
    }
    m_arrBars.push_back(pBar);
    return pBar;
}

void CXTPCommandBars::ReleaseBar(CXTPToolBar* pBar)
{
    if (pBar->m_hWnd != NULL)
        pBar->ShowWindow(SW_HIDE);
    pBar->SetVisible(FALSE);
    if (pBar->GetDockBar() != NULL)
        pBar->GetDockBar()->RemoveCommandBar(pBar);
    OnToolBarRemoved(pBar);
    m_arrBars.erase(std::find(m_arrBars.begin(), m_arrBars.end(), pBar));
    pBar->InternalRelease();
}

void CXTPCommandBars::Remove(CXTPToolBar* pToolBar)
{
    if (std::find(m_arrBars.begin(), m_arrBars.end(), pToolBar) == m_arrBars.end())
        return;
    // A tear-off bar hidden by SetVisible asks to be removed again: guard it.
    pToolBar->SetTearOff(FALSE);
    ReleaseBar(pToolBar);
    RecalcFrameLayout();
}

void CXTPCommandBars::RemoveAll()
{
    const BOOL bLocked = m_bRecalcLayout;
    m_bRecalcLayout = TRUE;
    while (!m_arrBars.empty())
    {
        CXTPToolBar* pBar = m_arrBars.front();
        pBar->SetTearOff(FALSE);
        ReleaseBar(pBar);
    }
    m_bRecalcLayout = bLocked;
    RecalcFrameLayout(TRUE);
}

// ---- Bars -----------------------------------------------------------------------

CXTPToolBar* CXTPCommandBars::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_arrBars.size())
        return NULL;
    return m_arrBars[nIndex];
}

CXTPToolBar* CXTPCommandBars::GetToolBar(UINT nID) const
{
    if (nID == 0)
        return NULL;
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (pBar->GetBarID() == nID)
            return pBar;
    }
    return NULL;
}

void CXTPCommandBars::ToggleVisible(int nIndex)
{
    CXTPToolBar* pBar = GetAt(nIndex);
    if (pBar != NULL)
        pBar->SetVisible(!pBar->IsVisible());
}

CXTPControl* CXTPCommandBars::FindControl(XTPControlType type, UINT nId, BOOL bVisible, BOOL bRecursive) const
{
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (bVisible && !pBar->IsVisible())
            continue;
        CXTPControl* pControl = pBar->GetControls()->FindControl(type, (int)nId, bVisible, bRecursive);
        if (pControl != NULL)
            return pControl;
    }
    return NULL;
}

UINT CXTPCommandBars::GetFreeBarID() const
{
    std::vector<UINT> usedIds;
    for (CXTPToolBar* pBar : m_arrBars)
        usedIds.push_back(pBar->GetBarID());
    return FindFreeBarID(usedIds);
}

UINT CXTPCommandBars::FindFreeBarID(const std::vector<UINT>& usedIds)
{
    for (UINT nID = XTP_ID_CUSTOMBAR_FIRST; nID <= XTP_ID_CUSTOMBAR_LAST; nID++)
    {
        if (!IsFrameworkWindowId(nID) && std::find(usedIds.begin(), usedIds.end(), nID) == usedIds.end())
            return nID;
    }
    return 0;
}

// ---- Docking ----------------------------------------------------------------------

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar)
{
    if (pDockBar == NULL || !pBar->CreateBarWindow(m_pFrame, FALSE))
        return FALSE;
    pDockBar->DockCommandBar(pBar, lpRect);
    pBar->SetBarPosition(pDockBar->GetPosition());
    return TRUE;
}

BOOL CXTPCommandBars::DockCommandBarAt(CXTPToolBar* pBar, LPCRECT lpRect, int nDockIndex)
{
    if (nDockIndex < 0 || nDockIndex > 3)
        return FALSE;
    return DockCommandBar(pBar, lpRect, m_pDocks[nDockIndex]);
}

CXTPDockBar* CXTPCommandBars::CanDock(CPoint pt, CXTPDockBar* pMainDock, DWORD dwAllowed) const
{
    CRect arrSides[4];
    int nCurrent = -1;
    for (int i = 0; i < 4; i++)
    {
        if (m_pDocks[i] == NULL || m_pDocks[i]->m_hWnd == NULL)
            return NULL;
        m_pDocks[i]->GetWindowRect(&arrSides[i]);
        if (m_pDocks[i] == pMainDock)
            nCurrent = i;
    }
    int nSide = XTPHitTestDockSides(arrSides, nCurrent, pt, dwAllowed);
    return nSide >= 0 ? m_pDocks[nSide] : NULL;
}

BOOL CXTPCommandBars::FloatCommandBar(CXTPToolBar* pBar)
{
    CXTPBarTracker* pTracker = pBar->GetBarTracker();
    CPoint ptRemembered = pTracker != NULL ? pTracker->GetFloatingPoint() : CPoint(0, 0);
    CPoint ptWindow = ptRemembered;
    if (pBar->m_hWnd != NULL)
    {
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        ptWindow = rcWindow.TopLeft();
    }
    if (!pBar->CreateBarWindow(m_pFrame, TRUE))
        return FALSE;
    if (pBar->GetDockBar() != NULL)
    {
        pBar->GetDockBar()->RemoveCommandBar(pBar);
        pBar->SetDockBar(NULL);
    }
    pBar->SetBarPosition(xtpBarFloating);
    pBar->PlaceFloating(XTPFloatingTogglePoint(ptRemembered, ptWindow));
    return TRUE;
}

// ---- Shared objects -----------------------------------------------------------------

CXTPPaintManager* CXTPCommandBars::GetPaintManager() const
{
    return m_pPaintManager != NULL ? m_pPaintManager : XTPPaintManager();
}

void CXTPCommandBars::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (m_pPaintManager != NULL)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
}

CXTPImageManager* CXTPCommandBars::GetImageManager() const
{
    return m_pImageManager != NULL ? m_pImageManager : XTPImageManager();
}

void CXTPCommandBars::SetImageManager(CXTPImageManager* pImageManager)
{
    if (m_pImageManager != NULL && m_pImageManager != pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

void CXTPCommandBars::SaveOptions(LPCTSTR lpszProfileName)
{
    ExchangeOptions(lpszProfileName, FALSE);
}

void CXTPCommandBars::LoadOptions(LPCTSTR lpszProfileName)
{
    ExchangeOptions(lpszProfileName, TRUE);
}

void CXTPCommandBars::ExchangeOptions(LPCTSTR lpszProfileName, BOOL bLoading)
{
    CWinApp* pApp = AfxGetApp();
    HKEY hAppKey = pApp != NULL ? pApp->GetAppRegistryKey() : NULL;
    if (hAppKey == NULL)
        return;
    CString strSection;
    strSection.Format("%s-Options", lpszProfileName);
    {
        CXTPPropExchangeRegistry px(bLoading, hAppKey, strSection);
        // Without the section (a first start) the options keep what the
        // program set before the load; with it, a value it lacks was saved
        // at the toolkit's default.
        if (bLoading)
            px.UseDefaultOnLoad(px.OnBeforeExchange());
        m_pOptions->DoPropExchange(&px, TRUE);
    }
    ::RegCloseKey(hAppKey);
}

// ---- Hidden commands ------------------------------------------------------------------

BOOL CXTPCommandBars::IsCommandHidden(UINT nID) const
{
    return m_pOptions->IsCommandHidden(nID);
}

BOOL CXTPCommandBars::IsControlHidden(CXTPControl* pControl)
{
    if (IsCommandHidden((UINT)pControl->GetID()))
        return TRUE;
    if (!m_pOptions->bAutoHideUnusedPopups || !IsPopupControlType(pControl->GetType()))
        return FALSE;
    CXTPCommandBar* pBar = pControl->GetCommandBar();
    if (pBar == NULL || pBar->GetControlCount() == 0)
        return FALSE;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        if (!IsControlHidden(pBar->GetControl(i)))
            return FALSE;
    }
    return TRUE;
}

void CXTPCommandBars::HideCommand(UINT nID)
{
    m_pOptions->m_mapHiddenCommands.insert(nID);
}

void CXTPCommandBars::HideCommands(const UINT* pCommands, int nCount)
{
    for (int i = 0; i < nCount; i++)
        HideCommand(pCommands[i]);
}

void CXTPCommandBars::SetCommandUsed(UINT nID)
{
    if (m_pOptions->m_mapHiddenCommands.count(nID) != 0)
        m_pOptions->m_mapUsedCommands.insert(nID);
}

void CXTPCommandBars::ResetUsageData()
{
    m_pOptions->m_mapUsedCommands.clear();
}

// ---- Frame --------------------------------------------------------------------------

void CXTPCommandBars::RecalcFrameLayout(BOOL bDelay)
{
    if (m_bRecalcLayout || m_pFrame == NULL || m_pFrame->m_hWnd == NULL)
        return;
    if (bDelay)
        m_pFrame->DelayRecalcLayout(FALSE);
    else
        m_pFrame->RecalcLayout(FALSE);
}

void CXTPCommandBars::RedrawCommandBars()
{
    const BOOL bLocked = m_bRecalcLayout;
    m_bRecalcLayout = TRUE;
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (pBar->IsVisible())
            pBar->OnRecalcLayout();
    }
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pFrame);
    if (pMDIFrame != NULL && pMDIFrame->m_hWndMDIClient != NULL)
    {
        CXTPTabClientInterface* pTabClient =
            DYNAMIC_DOWNCAST(CXTPTabClientInterface, CWnd::FromHandlePermanent(pMDIFrame->m_hWndMDIClient));
        if (pTabClient != NULL)
            pTabClient->UpdateContents(TRUE);
    }
    m_bRecalcLayout = bLocked;
    RecalcFrameLayout(FALSE);
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (pBar->m_hWnd != NULL)
            pBar->Invalidate(FALSE);
    }
}

void CXTPCommandBars::OnSetPreviewMode(BOOL bPreview)
{
    for (CXTPToolBar* pBar : m_arrBars)
        pBar->OnSetPreviewMode(bPreview);
}

UINT CXTPCommandBars::GetActiveMenuID()
{
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pFrame);
    if (pMDIFrame == NULL || pMDIFrame->m_hWnd == NULL)
        return 0;
    CMDIChildWnd* pChild = pMDIFrame->MDIGetActive();
    if (pChild == NULL)
        return LOWORD(m_nMenuID);
    CDocument* pDocument = pChild->GetActiveDocument();
    if (pDocument == NULL)
        return pChild->m_nIDHelp;
    CMultiDocTemplate* pTemplate = FindDocTemplate(pChild, pDocument);
    return pTemplate != NULL ? pTemplate->m_nIDResource : 0;
}

CMultiDocTemplate* CXTPCommandBars::FindDocTemplate(CMDIChildWnd* pChild, CDocument* pDocument)
{
    CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pDocument->GetDocTemplate());
    if (pTemplate != NULL && pTemplate->m_hMenuShared == pChild->m_hMenuShared)
        return pTemplate;
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return NULL;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
        if (pTemplate != NULL && pTemplate->m_hMenuShared == pChild->m_hMenuShared)
            return pTemplate;
    }
    return NULL;
}

BOOL CXTPCommandBars::PreTranslateFrameMessage(MSG* pMsg)
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMsg->message == WM_SYSKEYDOWN && (pMsg->lParam & 0x20000000) && m_pMenuBar != NULL
        && m_pMenuBar->IsVisible() && !pMouseManager->IsMouseLocked() && !pMouseManager->IsTrackedLock(NULL))
    {
        if (FocusFrame() != m_pFrame)
            return FALSE;
        if (m_bIgnoreShiftMenuKey && ::GetKeyState(VK_SHIFT) < 0)
            return FALSE;
        TCHAR ch = (TCHAR)::MapVirtualKeyA((UINT)pMsg->wParam, 2);
        if (ch == 0)
            return FALSE;
        ch = (TCHAR)(DWORD_PTR)::CharUpperA((LPSTR)(DWORD_PTR)(BYTE)ch);
        BOOL bAmbiguous = FALSE;
        int nIndex = m_pMenuBar->FindAccel(ch, bAmbiguous);
        if (nIndex < 0)
            return FALSE;
        CXTPControl* pControl = m_pMenuBar->GetControl(nIndex);
        if (!bAmbiguous)
        {
            pControl->InternalAddRef();
            if (pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)))
                m_pMenuBar->SetPopuped(nIndex, TRUE);
            else
                pControl->OnExecute();
            pControl->InternalRelease();
        }
        else
        {
            m_pMenuBar->SetTrackingMode(xtpTrackingOn, FALSE, FALSE);
            m_pMenuBar->SetSelected(nIndex, TRUE);
        }
        return TRUE;
    }
    if (pMouseManager->IsTrackedLock(NULL)
        && (pMsg->message == WM_CONTEXTMENU || pMsg->message == WM_SYSKEYUP))
        return TRUE;
    if (pMsg->message == WM_MOUSEWHEEL && XTPKeyboardManager()->HasReceivers())
    {
        XTPKeyboardManager()->ProcessKeyboardHooks(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPCommandBars::IsVisibleFloatingBar(HWND hWnd) const
{
    CXTPToolBar* pBar = DYNAMIC_DOWNCAST(CXTPToolBar, CWnd::FromHandlePermanent(hWnd));
    return pBar != NULL && pBar->GetCommandBars() == this && pBar->GetPosition() == xtpBarFloating
           && ::IsWindowVisible(hWnd);
}

void CXTPCommandBars::BringFloatingBarsToFront(BOOL bRestackAll)
{
    const HWND hWndFrame = m_pFrame != NULL ? m_pFrame->GetSafeHwnd() : NULL;
    if (hWndFrame == NULL || !::IsWindowVisible(hWndFrame) || ::IsIconic(hWndFrame))
        return;
    // The bars to move, each with its depth (windows above it).
    std::vector<std::pair<int, HWND>> arrMoves;
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (!IsVisibleFloatingBar(pBar->m_hWnd))
            continue;
        int nDepth = 0;
        BOOL bBehind = FALSE;
        for (HWND hWnd = ::GetWindow(pBar->m_hWnd, GW_HWNDPREV); hWnd != NULL;
             hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
        {
            bBehind = bBehind || hWnd == hWndFrame;
            nDepth++;
        }
        if (bBehind || bRestackAll)
            arrMoves.push_back(std::make_pair(nDepth, pBar->m_hWnd));
    }
    // The window the bars go under: the nearest shown above the frame that
    // is none of them; once the frame was shown or activated, which puts it
    // on top, the nearest that it owns (a dialog stays in front of the bars).
    HWND hWndAbove = ::GetWindow(hWndFrame, GW_HWNDPREV);
    while (hWndAbove != NULL
           && (!::IsWindowVisible(hWndAbove) || IsVisibleFloatingBar(hWndAbove)
               || (bRestackAll && ::GetWindow(hWndAbove, GW_OWNER) != hWndFrame)))
        hWndAbove = ::GetWindow(hWndAbove, GW_HWNDPREV);
    // The back one first, so that each next one goes in front of it. Each
    // goes behind the frame first, unseen (nothing is redrawn), so that
    // coming forward is a real move in the z-order.
    std::sort(arrMoves.begin(), arrMoves.end(), std::greater<std::pair<int, HWND>>());
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (const std::pair<int, HWND>& move : arrMoves)
    {
        ::SetWindowPos(move.second, hWndFrame, 0, 0, 0, 0, nFlags | SWP_NOREDRAW);
        ::SetWindowPos(move.second, hWndAbove != NULL ? hWndAbove : HWND_TOP, 0, 0, 0, 0, nFlags);
    }
}

void CXTPCommandBars::ShowFloatingBarWindows(BOOL bShow)
{
    if (!bShow)
    {
        if (XTPMouseManager()->GetTrackedCount() > 0)
            XTPMouseManager()->SendTrackLost();
        CWnd::CancelToolTips();
    }
    // Before the windows move: the bars hold their windows hidden while it is set.
    m_bHidingFloatingBars = !bShow;
    // In place in the z-order: hidden windows keep their places there.
    const UINT nFlags =
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (pBar->GetPosition() == xtpBarFloating && pBar->IsVisible() && pBar->GetSafeHwnd() != NULL)
            ::SetWindowPos(pBar->m_hWnd, NULL, 0, 0, 0, 0, nFlags);
    }
}

BOOL CXTPCommandBars::RunFocusedEditCommand(UINT nID)
{
    CXTPEdit* pEdit = CXTPEdit::GetFocused();
    return pEdit != NULL && nID != 0 && pEdit->OnCmdMsg(nID, CN_COMMAND, NULL, NULL);
}

BOOL CXTPCommandBars::OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_IDLEUPDATECMDUI:
        for (CXTPToolBar* pBar : m_arrBars)
        {
            if (pBar->GetPosition() == xtpBarFloating)
                pBar->UpdateCommandBar(TRUE);
        }
        return FALSE;
    case WM_DISPLAYCHANGE:
        XTPDisplayChanged();
        return FALSE;
    case WM_SYSCOLORCHANGE:
        XTPDisplayChanged();
        XTPColorManager()->RefreshColors();
        GetImageManager()->RefreshAll();
        if (GetPaintManager() != NULL)
            GetPaintManager()->RefreshMetrics();
        RecalcFrameLayout();
        if (m_pFrame != NULL)
            m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return FALSE;
    case WM_SETTINGCHANGE:
        XTPDisplayChanged();
        if (GetPaintManager() != NULL)
            GetPaintManager()->RefreshMetrics();
        RecalcFrameLayout();
        if (m_pFrame != NULL)
            m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return FALSE;
    case WM_COMMAND:
        // A menu command or accelerator (Ctrl+C) while a bar's edit field
        // has the focus belongs to the field when it handles it.
        if (lParam == 0 && RunFocusedEditCommand(LOWORD(wParam)))
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        // The frame stays while the customize sheet runs over it.
        if (!IsCustomizeSheetOpen())
            return FALSE;
        if (pResult != NULL)
            *pResult = 0;
        return TRUE;
    case WM_ACTIVATEAPP:
        if (wParam == 0 && XTPMouseManager()->IsTrackedLock(NULL))
            XTPMouseManager()->SendTrackLost();
        return FALSE;
    case WM_SYSCOMMAND:
        if (XTPMouseManager()->IsTrackedLock(NULL) && (wParam == 0 || LOWORD(wParam) != 0)
            && wParam != SC_KEYMENU && !m_bCustomizeMode)
            XTPMouseManager()->SendTrackLost();
        return FALSE;
    default:
        return FALSE;
    }
}

// ---- Tracking -------------------------------------------------------------------------

UINT CXTPCommandBars::TrackPopupBar(CXTPPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pOwner,
                                    LPCRECT rcExclude, CWnd* pCommandTarget)
{
    if (pPopup == NULL)
        return 0;
    pPopup->InternalAddRef();
    pPopup->SetOwner(pOwner);
    pPopup->SetCommandTarget(pCommandTarget);
    UINT nReturnCommand = 0;
    const BOOL bReturnCommand = (nFlags & TPM_RETURNCMD) != 0;
    pPopup->SetReturnCommand(bReturnCommand ? &nReturnCommand : NULL);
    pPopup->SetRightButtonTracking((nFlags & TPM_RIGHTBUTTON) != 0);
    pPopup->SetNoNotifications((nFlags & TPM_NONOTIFY) != 0);
    if (nFlags & TPM_RIGHTALIGN)
        pPopup->SetPopupFlags(pPopup->GetPopupFlags() | xtpPopupLeft);

    if (!pPopup->IsTrackingMode() && !pPopup->IsKeepPopupsOpen())
    {
        // Whatever tracked before closes, and the release of the click that
        // asked for this popup does not choose from it.
        XTPMouseManager()->SendTrackLost();
        XTPMouseManager()->SetSwallowNextUp();
        ::ReleaseCapture();
    }

    UINT nResult = 0;
    if (pPopup->Popup(x, y, rcExclude))
    {
        PumpTrackingLoop(pPopup);
        // A WM_QUIT ended the loop: the popup closes without a choice.
        if (pPopup->IsTrackingMode())
            pPopup->SetTrackingMode(xtpTrackingOff);
        nResult = bReturnCommand ? nReturnCommand : 1;
    }
    pPopup->SetReturnCommand(NULL);
    pPopup->InternalRelease();
    return nResult;
}

UINT CXTPCommandBars::TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, LPCRECT rcExclude,
                                     CWnd* pCommandTarget, CXTPCommandBars* pCommandBars)
{
    if (pMenu == NULL || !::IsMenu(pMenu->GetSafeHmenu()))
        return 0;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    pPopup->SetOwner(pOwner);
    pPopup->SetCommandTarget(pCommandTarget);
    UINT nResult = 0;
    if (pPopup->LoadMenu(pMenu, TRUE))
        nResult = TrackPopupBar(pPopup, nFlags, x, y, pOwner, rcExclude, pCommandTarget);
    pPopup->InternalRelease();
    return nResult;
}

void CXTPCommandBars::PumpTrackingLoop(CXTPCommandBar* pBar)
{
    pBar->InternalAddRef();
    // Popups take the mouse through the mouse manager's hook, not the capture.
    CXTPCaptureLoop loop(pBar->GetSafeHwnd(), CXTPCaptureLoop::preTranslate);
    loop.Run(
        [](MSG& msg) {
            return msg.message == WM_KICKIDLE ? CXTPCaptureLoop::handled : CXTPCaptureLoop::dispatch;
        },
        [pBar] { return pBar->IsTrackingMode() != FALSE; });
    pBar->InternalRelease();
}

void CXTPCommandBars::ContextMenu(CPoint pt)
{
    if (m_bCustomizeMode)
        return;
    CXTPPopupBar* pPopup = GetToolbarsPopup();
    if (pPopup->GetControlCount() > 0)
    {
        if (m_pFrame != NULL && m_pFrame->m_hWnd != NULL && (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL))
            pPopup->SetPopupFlags(pPopup->GetPopupFlags() | xtpPopupLeft);
        if (pPopup->Popup(pt.x, pt.y, NULL))
        {
            PumpTrackingLoop(pPopup);
            // A WM_QUIT ended the loop: the menu closes without a choice.
            if (pPopup->IsTrackingMode())
                pPopup->SetTrackingMode(xtpTrackingOff);
        }
    }
    pPopup->InternalRelease();
}

CXTPPopupBar* CXTPCommandBars::GetToolbarsPopup()
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(this);
    CXTPControls* pControls = pPopup->GetControls();
    int nListed = CXTPControlToolBarToggle::AddToggles(pControls, this, 0, 0, CString(), FALSE);
    if (m_bCustomizeAvail && nListed > 0)
        pControls->Add(xtpControlButton, XTP_ID_CUSTOMIZE)->SetBeginGroup(TRUE);
    return pPopup;
}

void CXTPCommandBars::GetRowOf(CXTPToolBar* pToolBar, std::vector<CXTPToolBar*>& bars) const
{
    bars.clear();
    CXTPDockBar* pDockBar = pToolBar->GetDockBar();
    if (pDockBar != NULL)
        pDockBar->GetRowBars(pDockBar->FindBar(pToolBar), bars);
    if (bars.empty())
        bars.push_back(pToolBar);
}

void CXTPCommandBars::AddHiddenControls(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup)
{
    std::vector<CXTPToolBar*> rowBars;
    GetRowOf(pToolBar, rowBars);
    for (CXTPToolBar* pRowBar : rowBars)
    {
        CXTPControls* pControls = pRowBar->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            CXTPControl* pControl = pControls->GetAt(i);
            if (pControl->GetHideFlags() != xtpHideWrap)
                continue;
            CXTPControl* pClone = pPopup->GetControls()->AddClone(pControl);
            pClone->SetHideFlags(xtpHideNone);
            pClone->SetBeginGroup(FALSE);
        }
    }
}

void CXTPCommandBars::GetHiddenControlsPopup(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup)
{
    std::vector<CXTPToolBar*> rowBars;
    GetRowOf(pToolBar, rowBars);
    for (CXTPToolBar* pRowBar : rowBars)
    {
        CXTPControlPopup* pEntry =
            (CXTPControlPopup*)pPopup->GetControls()->Add(xtpControlPopup, 0, CString(), -1, TRUE);
        pEntry->SetFlags(xtpFlagManualUpdate);
        pEntry->SetCaption(pRowBar->GetTitle());
        BOOL bEnabled = m_bCustomizeAvail && pRowBar->IsBuiltIn() && pRowBar->IsCustomizable();
        pEntry->SetEnabled(bEnabled);
        if (bEnabled)
        {
            CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(this);
            pRowBar->BuildCustomizeList(pList);
            pEntry->SetCommandBar(pList);
            pList->InternalRelease();
        }
    }
    if (m_bCustomizeAvail)
        pPopup->GetControls()
            ->Add(xtpControlButton, XTP_ID_CUSTOMIZE, CString(), -1, TRUE)
            ->SetBeginGroup(TRUE);
}

CXTPReBar* CXTPCommandBars::GetReBar() const
{
    if (m_pFrame == NULL || m_pFrame->m_hWnd == NULL)
        return NULL;
    return DYNAMIC_DOWNCAST(CXTPReBar,
                            CWnd::FromHandlePermanent(::GetDlgItem(m_pFrame->m_hWnd, AFX_IDW_REBAR)));
}

void CXTPCommandBars::OnToolBarAdded(CXTPToolBar* pToolBar)
{
    CXTPReBar* pReBar = GetReBar();
    if (pReBar != NULL)
        pReBar->AddToolBar(pToolBar, RBBS_GRIPPERALWAYS | RBBS_BREAK);
}

void CXTPCommandBars::OnToolBarReset(CXTPToolBar* pToolBar)
{
    if (m_pFrame != NULL && m_pFrame->m_hWnd != NULL)
        m_pFrame->SendMessage(WM_XTP_TOOLBARRESET, 0, (LPARAM)pToolBar);
}

void CXTPCommandBars::OnToolBarRemoved(CXTPToolBar* pToolBar)
{
    if (pToolBar == m_pMenuBar)
        m_pMenuBar = NULL;
    CXTPReBar* pReBar = GetReBar();
    if (pReBar != NULL)
        pReBar->DeleteToolBar(pToolBar);
}
