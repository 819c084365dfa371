#include "toolkit/commandbars/bars/XTPToolBar.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlToolBarExpand.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include "toolkit/commandbars/layout/XTPOrientation.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_SERIAL(CXTPToolBar, CXTPCommandBar, VERSIONABLE_SCHEMA | 8)

BEGIN_MESSAGE_MAP(CXTPToolBar, CXTPCommandBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_RBUTTONDOWN()
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

// The strip at a docked bar's end that the expand button takes.
const int kExpandStrip = 11;
// The popup style bit that marks a floating bar's window.
const DWORD kFloatingStyle = 0x100;

LPCTSTR BarWindowClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
}

} // namespace

CXTPToolBar::CXTPToolBar()
    : m_pDockBar(NULL), m_pTracker(NULL), m_bBuiltIn(TRUE), m_bTearOff(FALSE), m_bPreviewVisible(FALSE),
      m_bPreviewMode(FALSE)
{
    m_dwStyle = XTP_BARSTYLE_GRIPPER;
    m_bCloseable = TRUE;
}

CXTPToolBar::~CXTPToolBar()
{
    if (m_pDockBar != NULL)
        m_pDockBar->RemoveCommandBar(this);
    delete m_pTracker;
}

void CXTPToolBar::EnableDocking(DWORD dwFlags)
{
    m_dwFlags = dwFlags;
    if (m_pTracker == NULL)
        m_pTracker = new CXTPBarTracker(this);
}

BOOL CXTPToolBar::CreateToolBar(DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & 0x40FFFF;
    DWORD dwWindowStyle =
        (dwStyle & ~(XTP_BARSTYLE_GRIPPER | 0xFFFF)) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!CreateEx(0, BarWindowClass(), NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_barPosition = xtpBarTop;
    if (dwStyle & 0x10)
        EnableToolTips(TRUE);
    return TRUE;
}

BOOL CXTPToolBar::CreateBarWindow(CWnd* pSite, BOOL bFloating)
{
    if (m_hWnd == NULL)
    {
        DWORD dwExStyle = 0;
        if (pSite != NULL && pSite->m_hWnd != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL))
            dwExStyle = WS_EX_LAYOUTRTL;
        CPoint pt = m_pTracker != NULL ? m_pTracker->GetFloatingPoint() : CPoint(100, 100);
        if (!CreateEx(dwExStyle, BarWindowClass(), m_strTitle,
                      WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kFloatingStyle, pt.x, pt.y, 0, 0,
                      pSite != NULL ? pSite->m_hWnd : NULL, NULL))
            return FALSE;
        ShowWindow(SW_SHOWNA);
    }
    if (!bFloating)
    {
        ModifyStyle(WS_POPUP | kFloatingStyle, WS_CHILD);
        return TRUE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, 0);
    ModifyStyle(WS_CHILD, WS_POPUP | kFloatingStyle);
    if (pSite != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)pSite->m_hWnd);
    return TRUE;
}

// ---- Buttons ----------------------------------------------------------------

BOOL CXTPToolBar::SetButtons(const UINT* pButtons, int nCount)
{
    m_pControls->RemoveAll();
    CWnd* pSite = GetOwnerSite();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        if (pButtons[i] == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        CreateControlRequest request;
        request.nID = (int)pButtons[i];
        request.pControl = NULL;
        request.bReserved = FALSE;
        request.nIndex = i;
        request.pMenu = NULL;
        request.pCommandBar = this;
        request.controlType = xtpControlButton;
        request.buttonStyle = xtpButtonAutomatic;
        BOOL bFilled = pSite != NULL && pSite->m_hWnd != NULL
                       && pSite->SendMessage(WM_XTP_CREATE_CONTROL, 0, (LPARAM)&request) != 0;

        CXTPControl* pControl = NULL;
        if (bFilled && request.pControl != NULL)
        {
            pControl = m_pControls->AddControl(request.pControl, request.nID);
        }
        else
        {
            pControl = m_pControls->Add(request.controlType, request.nID);
            if (pControl == NULL)
                continue;
            pControl->SetStyle(request.buttonStyle);
            if (request.controlType == xtpControlPopup)
                pControl->SetIconId(request.nID);
        }
        if (bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
    }
    return TRUE;
}

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = nIDResource;
    m_pControls->RemoveAll();

    HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), MAKEINTRESOURCE(241));
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCE(nIDResource), MAKEINTRESOURCE(241));
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInstance, hResource);
    const BYTE* pData = hGlobal != NULL ? (const BYTE*)::LockResource(hGlobal) : NULL;
    CSize szIcon;
    std::vector<UINT> items;
    if (pData == NULL
        || !CXTPImageManager::ReadToolbarLayout(pData, ::SizeofResource(hInstance, hResource), szIcon, items))
        return FALSE;

    SetButtons(items.empty() ? NULL : &items[0], (int)items.size());

    BOOL bResult = TRUE;
    if (bLoadIcons)
    {
        std::vector<UINT> commands;
        for (UINT nID : items)
        {
            if (nID != 0)
                commands.push_back(nID);
        }
        CXTPImageManager* pImageManager = GetImageManager();
        if (!commands.empty()
            && (pImageManager == NULL
                || !pImageManager->SetIcons(nIDResource, &commands[0], (int)commands.size(), szIcon)))
            bResult = FALSE;
        if (szIcon.cx != 16)
            m_szIcons = szIcon;
    }
    if (bResult)
        m_pControls->CreateOriginalControls();
    return bResult;
}

// ---- State ------------------------------------------------------------------

void CXTPToolBar::SetVisible(BOOL bVisible)
{
    m_bVisible = bVisible;
    if (!bVisible && m_nTrackingMode != xtpTrackingOff)
        SetTrackingMode(xtpTrackingOff);
    if (m_hWnd != NULL)
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    if (m_pDockBar != NULL)
    {
        CFrameWnd* pFrame = m_pCommandBars != NULL ? m_pCommandBars->GetSite() : GetParentFrame();
        if (pFrame != NULL && pFrame->m_hWnd != NULL)
            pFrame->RecalcLayout(FALSE);
    }
    if (!bVisible && m_bTearOff && m_pCommandBars != NULL)
        m_pCommandBars->Remove(this);
}

BOOL CXTPToolBar::IsVisible() const
{
    return m_bVisible;
}

BOOL CXTPToolBar::SetPosition(XTPBarPosition barPosition)
{
    if (m_pCommandBars == NULL)
        return FALSE;
    if (barPosition >= xtpBarTop && barPosition <= xtpBarRight)
        return m_pCommandBars->DockCommandBarAt(this, NULL, barPosition);
    if (barPosition == xtpBarFloating)
        return m_pCommandBars->FloatCommandBar(this);
    return FALSE;
}

void CXTPToolBar::OnRecalcLayout()
{
    if (m_barPosition == xtpBarFloating)
    {
        CSize size = CalcDynamicLayout(-1, xtpLayoutHorz | xtpLayoutMRUWidth | xtpLayoutCommit);
        CRect rc;
        GetWindowRect(&rc);
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate(FALSE);
        return;
    }
    if (m_pCommandBars != NULL)
    {
        m_pCommandBars->RecalcFrameLayout();
        return;
    }
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout(FALSE);
}

void CXTPToolBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pCommandBar, bRecursive);
    CXTPToolBar* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pCommandBar);
    if (pToolBar != NULL)
    {
        m_bBuiltIn = pToolBar->m_bBuiltIn;
        m_bTearOff = pToolBar->m_bTearOff;
    }
}

BOOL CXTPToolBar::HasHiddenControls() const
{
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        if (m_pControls->GetAt(i)->GetHideFlags() & xtpHideWrap)
            return TRUE;
    }
    return FALSE;
}

void CXTPToolBar::OnSetPreviewMode(BOOL bPreview)
{
    if (bPreview == m_bPreviewMode)
        return;
    m_bPreviewMode = bPreview;
    if (bPreview)
    {
        m_bPreviewVisible = m_bVisible;
        if (m_bVisible)
        {
            m_bVisible = FALSE;
            if (m_hWnd != NULL)
                ShowWindow(SW_HIDE);
        }
        return;
    }
    if (!m_bPreviewVisible)
        return;
    m_bVisible = TRUE;
    if (m_hWnd != NULL)
        ShowWindow(SW_SHOWNA);
    if (m_pCommandBars != NULL)
        m_pCommandBars->RecalcFrameLayout(TRUE);
}

// ---- Layout -----------------------------------------------------------------

CXTPControl* CXTPToolBar::FindSpecialControl(int nID) const
{
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetID() == nID && pControl->IsTemporary())
            return pControl;
    }
    return NULL;
}

CXTPControl* CXTPToolBar::FindOrCreateExpandButton()
{
    CXTPControl* pExpand = FindSpecialControl(XTP_ID_TOOLBAR_EXPAND);
    if (pExpand == NULL)
    {
        pExpand = new CXTPControlToolBarExpand;
        m_pControls->AddControl(pExpand, XTP_ID_TOOLBAR_EXPAND, CString(), -1, TRUE);
    }
    return pExpand;
}

CSize CXTPToolBar::CalcControlsLayout(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nWidth)
{
    return m_pControls->CalcDynamicSize(pDC, nLength, dwMode, rcBorder, nWidth);
}

CSize CXTPToolBar::CalcDockingLayout(int nLength, DWORD dwMode, int nWidth)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return CSize(0, 0);
    HDC hDC = ::GetDC(m_hWnd);
    CDC* pDC = CDC::FromHandle(hDC);
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetCommandBarFont(this));

    CXTPOrientation orient((dwMode & xtpLayoutHorzDock) == 0);
    CRect rcBorder = pPaintManager->GetCommandBarBorders(this);
    if (m_dwStyle & XTP_BARSTYLE_GRIPPER)
    {
        CSize szGripper = pPaintManager->DrawCommandBarGripper(pDC, this, FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }
    CXTPControl* pClose = FindSpecialControl(XTP_ID_TOOLBAR_HIDE);
    if (pClose != NULL)
        pClose->SetHideFlags(pClose->GetHideFlags() | xtpHideGeneric);

    CXTPCommandBars* pCommandBars = GetCommandBars();
    BOOL bShowExpandAlways =
        pCommandBars == NULL || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    LONG& nEndBorder = orient.MainEnd(rcBorder);

    CXTPControl* pExpand = NULL;
    CSize size(0, 0);
    BOOL bSized = FALSE;
    if (m_barType != xtpBarTypeMenuBar && m_pTracker != NULL)
    {
        pExpand = FindOrCreateExpandButton();
        pExpand->SetHideFlags(xtpHideGeneric);
        if (bShowExpandAlways)
        {
            nEndBorder += kExpandStrip;
        }
        else if (!(dwMode & xtpLayoutCommit))
        {
            size = CalcControlsLayout(pDC, nLength, dwMode, rcBorder, nWidth);
            CSize sizeShortest = CalcControlsLayout(pDC, 1, dwMode, rcBorder, nWidth);
            if (orient.Cross(sizeShortest) > orient.Cross(size))
                orient.Main(size) = std::max(orient.Main(size), orient.Main(sizeShortest) + kExpandStrip);
            pExpand = NULL;
            bSized = TRUE;
        }
        else
        {
            size = CalcControlsLayout(pDC, nLength, dwMode, rcBorder, nWidth);
            bSized = TRUE;
            if (HasHiddenControls())
            {
                nEndBorder += kExpandStrip;
                size = CalcControlsLayout(pDC, nLength, dwMode, rcBorder, nWidth);
            }
            else
            {
                pExpand = NULL;
            }
        }
    }
    if (!bSized)
        size = CalcControlsLayout(pDC, nLength, dwMode, rcBorder, nWidth);
    if (pExpand != NULL)
    {
        pExpand->SetHideFlags(0);
        pPaintManager->DrawSpecialControl(pDC, 0, pExpand, this, FALSE, &size);
    }
    pDC->SelectObject(pOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return size;
}

LRESULT CXTPToolBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!m_bVisible || !(GetStyle() & WS_VISIBLE))
        return 0;
    DWORD dwMode = xtpLayoutHorz | xtpLayoutHorzDock | xtpLayoutCommit;
    if (m_dwFlags & xtpFlagStretched)
        dwMode |= xtpLayoutStretch;
    if (m_dwFlags & xtpFlagHideWrap)
        dwMode |= xtpLayoutHideWrap;
    if (pLayout->hDWP == NULL)
        dwMode &= ~xtpLayoutCommit;

    CRect rcAvailable(pLayout->rect);
    CSize size = CalcDockingLayout(rcAvailable.Width(), dwMode);
    size.cx = size.cx < rcAvailable.Width() ? size.cx : rcAvailable.Width();
    size.cy = size.cy < rcAvailable.Height() ? size.cy : rcAvailable.Height();
    pLayout->sizeTotal.cy += size.cy;
    if (pLayout->sizeTotal.cx < size.cx)
        pLayout->sizeTotal.cx = size.cx;
    pLayout->rect.top += size.cy;
    if (pLayout->hDWP != NULL)
    {
        CRect rc(rcAvailable.TopLeft(), size);
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
    }
    return 0;
}

// ---- Messages ---------------------------------------------------------------

void CXTPToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCommandBars == NULL || m_pCommandBars->IsCustomizeMode())
    {
        CWnd::OnRButtonDown(nFlags, point);
        return;
    }
    SetTrackingMode(xtpTrackingOff);
    SetSelected(-1);
    Invalidate(FALSE);
}

void CXTPToolBar::OnClose()
{}

INT_PTR CXTPToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    INT_PTR nHit = CWnd::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMouseManager->IsTrackedLock(this) || pMouseManager->IsMouseLocked())
        return -1;
    if (m_nTrackingMode == xtpTrackingPopup && m_barPosition != xtpBarPopup)
        return -1;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL && !pCommandBars->GetCommandBarsOptions()->bToolBarScreenTips)
        return -1;
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl == NULL)
        return -1;
    CString strTip = pControl->GetTooltip();
    if (strTip.IsEmpty())
        return -1;
    if (pCommandBars != NULL && pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips)
    {
        CString strShortcut;
        XTPAccelManager()->FindShortcutText((UINT)pControl->GetID(), strShortcut, pCommandBars);
        if (!strShortcut.IsEmpty())
            strTip += " (" + strShortcut + ")";
    }
    if (pTI != NULL && pTI->cbSize >= 40)
    {
        pTI->hwnd = m_hWnd;
        pTI->rect = pControl->GetRect();
        pTI->uId = (UINT_PTR)pControl->GetID();
        pTI->lpszText = strdup(strTip);
    }
    return pControl->GetID() != 0 ? pControl->GetID() : -1;
}

void CXTPToolBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    PX_Bool(pPX, "BuiltIn", m_bBuiltIn, TRUE);
    PX_Bool(pPX, "TearOff", m_bTearOff, FALSE);
    if (pPX->GetSchema() > 6)
        PX_Bool(pPX, "Closeable", m_bCloseable, TRUE);
    if (pPX->GetSchema() > 7)
        PX_Bool(pPX, "ContextMenuPresent", m_bContextMenuPresent, TRUE);
}
