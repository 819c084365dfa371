#include "toolkit/commandbars/bars/XTPToolBar.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlCloseButton.h"
#include "toolkit/commandbars/controls/XTPControlCustomizeItem.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/controls/XTPControlToolBarExpand.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include "toolkit/commandbars/layout/XTPFloatingRect.h"
#include "toolkit/commandbars/layout/XTPOrientation.h"
#include "toolkit/foundation/XTPMultiMonitor.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_SERIAL(CXTPToolBar, CXTPCommandBar, VERSIONABLE_SCHEMA | 8)

namespace {

// The strip at a docked bar's end that the expand button takes.
const int kExpandStrip = 11;
// The popup style bit that marks a floating bar's window.
const DWORD kFloatingStyle = 0x100;
// The frame of a floating bar: its edges resize it.
const int kFloatingBorder = 3;
// The floating layout of OnRecalcLayout: one row as wide as the MRU width.
const DWORD kFloatingMode = xtpLayoutHorz | xtpLayoutMRUWidth | xtpLayoutCommit;
// Posted by a floating bar that got the focus.
const UINT kHandFocusBack = WM_USER + 320;

LPCTSTR BarWindowClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPToolBar, CXTPCommandBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_NCCREATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
ON_WM_NCACTIVATE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_MOUSEACTIVATE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_SETFOCUS()
ON_MESSAGE(kHandFocusBack, OnHandFocusBack)
ON_WM_CLOSE()
END_MESSAGE_MAP()

CXTPToolBar::CXTPToolBar()
    : m_pDockBar(NULL), m_pTracker(NULL), m_bBuiltIn(TRUE), m_bTearOff(FALSE), m_bPreviewVisible(FALSE),
      m_bPreviewMode(FALSE), m_hWndFocusBefore(NULL)
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
    // A child leaves its dock bar for the desktop as an owned popup: the
    // style first, then the parent, then the owner.
    ModifyStyle(WS_CHILD, WS_POPUP | kFloatingStyle);
    if (::GetAncestor(m_hWnd, GA_PARENT) != ::GetDesktopWindow())
        ::SetParent(m_hWnd, NULL);
    ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, pSite != NULL ? (LONG_PTR)pSite->m_hWnd : 0);
    return TRUE;
}

void CXTPToolBar::PlaceFloating(CPoint ptTopLeft)
{
    CRect rc(ptTopLeft, CalcDynamicLayout(-1, kFloatingMode));
    rc = XTPMoveInsideArea(rc, XTPMultiMonitor()->GetWorkArea(rc));
    SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
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

// ---- Add or Remove Buttons --------------------------------------------------

int CXTPToolBar::FindControlIndex(CXTPControls* pControls, CXTPControl* pControl, int nStart)
{
    if (pControl == NULL)
        return -1;
    for (int i = std::max(nStart, 0); i < pControls->GetCount(); i++)
    {
        CXTPControl* pCandidate = pControls->GetAt(i);
        if (pCandidate->GetID() == pControl->GetID() && pCandidate->GetType() == pControl->GetType())
            return i;
    }
    return -1;
}

void CXTPToolBar::BuildCustomizeList(CXTPCommandBar* pPopup)
{
    // Removing and inserting renumbers the controls: the selection and the
    // open popup are kept on their controls. Either may be a button the user
    // hid, which leaves the bar below with its last reference: it is held
    // until its index has been read, and one that left selects nothing.
    CXTPControl* pSelected = GetControl(m_nSelected);
    CXTPControl* pPopuped = GetControl(m_nPopuped);
    CXTPHoldReference holdSelected(pSelected), holdPopuped(pPopuped);
    CXTPControls* pOriginal = m_pControls->GetOriginalControls();
    CXTPControls* pReference = pOriginal != NULL ? pOriginal->Duplicate() : new CXTPControls;

    // Buttons the user hid leave the bar; those of the original set come
    // back below, hidden, in their original order.
    for (int i = m_pControls->GetCount() - 1; i >= 0; i--)
    {
        if (m_pControls->GetAt(i)->GetHideFlags() & xtpHideCustomize)
            m_pControls->Remove(i);
    }

    CXTPCommandBars* pCommandBars = GetCommandBars();
    int i = 0, j = 0;
    while (i < m_pControls->GetCount() || j < pReference->GetCount())
    {
        if (j < pReference->GetCount())
        {
            CXTPControl* pReferenceControl = pReference->GetAt(j);
            int nFound = FindControlIndex(m_pControls, pReferenceControl, i);
            if (nFound < 0)
            {
                CXTPControl* pClone = m_pControls->AddClone(pReferenceControl, i);
                pClone->SetHideFlags(pClone->GetHideFlags() | xtpHideCustomize);
                j++;
            }
            else if (nFound == i)
                j++;
            else
            {
                // The bar moved this button up: its later reference entry goes.
                int nLater = FindControlIndex(pReference, m_pControls->GetAt(i), j + 1);
                if (nLater >= 0)
                    pReference->Remove(nLater);
            }
        }
        if (i >= m_pControls->GetCount())
            continue;
        CXTPControl* pControl = m_pControls->GetAt(i++);
        if (pControl->GetID() == XTP_ID_TOOLBAR_EXPAND || pControl->GetID() == XTP_ID_TOOLBAR_HIDE
            || (pControl->GetHideFlags() & (xtpHideGeneric | xtpHideDocTemplate)))
            continue;
        CXTPControlCustomizeItem* pItem = new CXTPControlCustomizeItem;
        pPopup->GetControls()->AddControl(pItem, 0);
        pItem->SetCaption(pControl->GetCaption());
        if (pControl->GetType() >= xtpControlButton && pControl->GetType() <= xtpControlSplitButtonPopup)
            pItem->SetIconId(pControl->GetIconId());
        CString strShortcut;
        if (pControl->GetID() > 0
            && XTPAccelManager()->FindShortcutText((UINT)pControl->GetID(), strShortcut, pCommandBars))
            pItem->SetShortcutText(strShortcut);
        // Any button of the original set may be hidden, also one the user
        // moved (whose later entry left the reference set above).
        pItem->SetEnabled(pOriginal != NULL && FindControlIndex(pOriginal, pControl, 0) >= 0);
        pItem->SetChecked(!(pControl->GetHideFlags() & xtpHideCustomize));
        pItem->SetBarControl(pControl);
    }
    pReference->InternalRelease();
    m_nSelected = IndexInBar(pSelected);
    m_nPopuped = IndexInBar(pPopuped);

    if (pOriginal != NULL && !m_bTearOff && m_bBuiltIn)
    {
        CXTPControlCustomizeItem* pReset = new CXTPControlCustomizeItem;
        pPopup->GetControls()->AddControl(pReset, 0);
        pReset->SetCaption(XTP_IDS_RESET);
        pReset->SetBeginGroup(TRUE);
        pReset->SetResetBar(this);
    }
}

int CXTPToolBar::IndexInBar(CXTPControl* pControl) const
{
    return pControl != NULL && pControl->GetControls() == m_pControls ? pControl->GetIndex() : -1;
}

BOOL CXTPToolBar::ConfirmReset(UINT nIDQuestion) const
{
    CString strFormat, strMessage;
    XTPResourceManager()->LoadString(&strFormat, nIDQuestion);
    strMessage.Format(strFormat, (LPCTSTR)m_strTitle);
    // Asked through the application, which may show it its own way.
    return AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CXTPToolBar::Reset()
{
    if (!m_bBuiltIn || !IsCustomizable() || m_nBarID == 0)
        return;
    if (!ConfirmReset(XTP_IDS_CONFIRM_RESET))
        return;
    CXTPControls* pOriginal = m_pControls->GetOriginalControls();
    if (pOriginal != NULL)
    {
        pOriginal->InternalAddRef();
        m_pControls->RemoveAll();
        for (int i = 0; i < pOriginal->GetCount(); i++)
        {
            if (!pOriginal->GetAt(i)->IsTemporary())
                m_pControls->AddClone(pOriginal->GetAt(i), -1, TRUE);
        }
        pOriginal->InternalRelease();
    }
    else
        LoadToolBar(m_nBarID, FALSE);
    UpdateCommandBar();
    OnRecalcLayout();
    if (m_pCommandBars != NULL)
        m_pCommandBars->OnToolBarReset(this);
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
        // Through the manager, which holds the layout while it is locked.
        CFrameWnd* pFrame = GetParentFrame();
        if (m_pCommandBars != NULL)
            m_pCommandBars->RecalcFrameLayout();
        else if (pFrame != NULL && pFrame->m_hWnd != NULL)
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
        CSize size = CalcDynamicLayout(-1, kFloatingMode);
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
    // The menu bar shows the frame's menu again (in an MDI frame the active
    // document's, which the bar takes in place of the frame).
    CFrameWnd* pSite = m_pCommandBars != NULL ? m_pCommandBars->GetSite() : NULL;
    if (m_barType == xtpBarTypeMenuBar && pSite != NULL && pSite->m_hWnd != NULL)
        pSite->OnUpdateFrameMenu(NULL);
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

CXTPControl* CXTPToolBar::FindOrCreateSpecialControl(int nID, CRuntimeClass* pClass)
{
    CXTPControl* pControl = FindSpecialControl(nID);
    if (pControl == NULL)
        return m_pControls->AddControl((CXTPControl*)pClass->CreateObject(), nID, CString(), -1, TRUE);
    // Controls added since stand after it: it goes back to the end.
    for (int i = pControl->GetIndex() + 1; i < m_pControls->GetCount(); i++)
    {
        if (!m_pControls->GetAt(i)->IsTemporary())
        {
            m_pControls->MoveControl(pControl, -1);
            break;
        }
    }
    return pControl;
}

CXTPControl* CXTPToolBar::FindOrCreateExpandButton()
{
    return FindOrCreateSpecialControl(XTP_ID_TOOLBAR_EXPAND, RUNTIME_CLASS(CXTPControlToolBarExpand));
}

CXTPControl* CXTPToolBar::FindOrCreateCloseButton()
{
    return FindOrCreateSpecialControl(XTP_ID_TOOLBAR_HIDE, RUNTIME_CLASS(CXTPControlCloseButton));
}

CSize CXTPToolBar::MeasureGripper()
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return CSize(0, 0);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(pPaintManager->GetCommandBarFont(this));
    CSize size = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE);
    dc.SelectObject(pOldFont);
    return size;
}

CSize CXTPToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return CSize(0, 0);
    const int nCaption = MeasureGripper().cy;
    const CRect rcBorder(kFloatingBorder, nCaption + kFloatingBorder + 1, kFloatingBorder, kFloatingBorder);

    CXTPControl* pClose = NULL;
    CXTPControl* pExpand = NULL;
    if (m_barType != xtpBarTypeMenuBar)
    {
        pClose = m_bCloseable ? FindOrCreateCloseButton() : FindSpecialControl(XTP_ID_TOOLBAR_HIDE);
        if (pClose != NULL)
            pClose->SetHideFlags(xtpHideGeneric);
        if (!m_bCloseable)
            pClose = NULL;
        pExpand = FindOrCreateExpandButton();
        pExpand->SetHideFlags(xtpHideGeneric);
    }

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(pPaintManager->GetCommandBarFont(this));
    CSize size = CalcControlsLayout(&dc, nLength, dwMode, rcBorder, 0);
    dc.SelectObject(pOldFont);

    // The caption's buttons from its right end leftwards, each a caption
    // height square.
    int x = size.cx - kFloatingBorder;
    if (pClose != NULL)
    {
        pClose->SetRect(CRect(x - nCaption, kFloatingBorder, x, nCaption + kFloatingBorder));
        pClose->SetHideFlags(0);
        x -= nCaption;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    BOOL bShowExpandAlways =
        pCommandBars == NULL || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    if (pExpand != NULL && bShowExpandAlways && x > nCaption)
    {
        pExpand->SetRect(CRect(x - nCaption, kFloatingBorder, x, nCaption + kFloatingBorder));
        pExpand->SetHideFlags(0);
    }
    return size;
}

CSize CXTPToolBar::CalcControlsLayout(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nWidth,
                                      int* pnRows)
{
    return m_pControls->CalcDynamicSize(pDC, nLength, dwMode, rcBorder, nWidth, pnRows);
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
            // A bar whose shortest shape takes more than one row can be
            // shortened: it keeps room for the expand button.
            size = CalcControlsLayout(pDC, nLength, dwMode, rcBorder, nWidth);
            int nShortestRows = 0;
            CSize sizeShortest = CalcControlsLayout(pDC, 1, dwMode, rcBorder, nWidth, &nShortestRows);
            if (nShortestRows > 1)
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

BOOL CXTPToolBar::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CXTPCommandBar::OnNcCreate(lpCreateStruct))
        return FALSE;
    if (lpCreateStruct->style & kFloatingStyle)
    {
        // A floating bar starts in step with its site's activation.
        HWND hWndSite = lpCreateStruct->hwndParent;
        BOOL bActive = hWndSite != NULL
                       && (::GetActiveWindow() == hWndSite
                           || ::SendMessageA(hWndSite, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0);
        SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    }
    return TRUE;
}

LRESULT CXTPToolBar::OnFloatStatus(WPARAM wParam, LPARAM)
{
    const DWORD dwFlags = (DWORD)wParam;
    const BOOL bFloatingWindow = (GetStyle() & kFloatingStyle) != 0;
    if (m_barPosition == xtpBarFloating && m_bVisible)
    {
        CXTPCommandBars* pCommandBars = GetCommandBars();
        BOOL bSync = pCommandBars == NULL || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars;
        CWnd* pTopLevel = GetTopLevelParent();
        BOOL bTopActive = pTopLevel != NULL && CWnd::GetActiveWindow() == pTopLevel;
        const UINT nQuiet = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
        if (bSync && (dwFlags & FS_DEACTIVATE) && !bTopActive)
            SetWindowPos(NULL, 0, 0, 0, 0, nQuiet | SWP_NOZORDER | SWP_HIDEWINDOW);
        if (bSync && (dwFlags & FS_ACTIVATE) && !IsWindowVisible() && bTopActive)
        {
            HWND hWndActive = ::GetActiveWindow();
            if (::IsWindowVisible(hWndActive) && !::IsIconic(hWndActive))
                ShowAboveOwner();
        }
        if (dwFlags & FS_SHOW)
            ShowAboveOwner();
        if (dwFlags & FS_HIDE)
            SetWindowPos(NULL, 0, 0, 0, 0, nQuiet | SWP_NOZORDER | SWP_HIDEWINDOW);
        if (dwFlags & (FS_ENABLE | FS_DISABLE))
            EnableWindow((dwFlags & FS_ENABLE) != 0);
    }
    return bFloatingWindow && (dwFlags & FS_SYNCACTIVE);
}

void CXTPToolBar::ShowAboveOwner()
{
    // Shown again at the top: its owner may have been raised while it was
    // hidden, and the owned bar belongs above it.
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

BOOL CXTPToolBar::OnNcActivate(BOOL bActive)
{
    // The caption is the bar's own: it never shows the system's active look.
    return bActive ? FALSE : CXTPCommandBar::OnNcActivate(bActive);
}

void CXTPToolBar::OnWindowPosChanging(WINDOWPOS* pPos)
{
    // A floating bar's window never takes the activation, whatever shows or
    // moves it: wine's SetParent, as a docked bar leaves for the desktop,
    // shows the new popup with a SetWindowPos that activates it, which took
    // the activation from the frame and the focus from its window.
    if (GetStyle() & kFloatingStyle)
        pPos->flags |= SWP_NOACTIVATE;
    // Out of sight with its frame: whatever shows the floating window (the
    // bar shown again, made floating, its frame activated) leaves it hidden,
    // and a bar floated from a dock hides.
    if (m_barPosition == xtpBarFloating && m_pCommandBars != NULL && m_pCommandBars->IsHidingFloatingBars())
    {
        pPos->flags &= ~SWP_SHOWWINDOW;
        if (IsWindowVisible())
            pPos->flags |= SWP_HIDEWINDOW;
    }
    CXTPCommandBar::OnWindowPosChanging(pPos);
}

int CXTPToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A click on a bar customized from the customize sheet leaves the sheet
    // the active window.
    if (m_barPosition == xtpBarFloating || (m_pCommandBars != NULL && m_pCommandBars->IsCustomizeSheetOpen()))
        return MA_NOACTIVATE;
    return CXTPCommandBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CXTPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_barPosition == xtpBarFloating)
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (HitTest(point) != NULL)
    {
        CXTPCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    XTPMouseManager()->SendTrackLost();
    if (m_pTracker != NULL && (m_dwFlags & (xtpFlagAlignAny | xtpFlagFloating)))
    {
        CXTPHoldReference hold(this);
        ClientToScreen(&point);
        m_pTracker->StartDrag(point);
    }
}

void CXTPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pTracker == NULL || HitTest(point) != NULL)
    {
        CXTPCommandBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    CXTPHoldReference hold(this);
    m_pTracker->ToggleDocking();
}

void CXTPToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCommandBars == NULL || m_pCommandBars->IsCustomizeMode())
    {
        CXTPCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    // Hiding this bar from its own context menu may release it: it stays
    // alive until the menu is over.
    CXTPHoldReference hold(this);
    SetTrackingMode(xtpTrackingOff);
    SetSelected(-1);
    Invalidate(FALSE);
    ClientToScreen(&point);
    m_pCommandBars->ContextMenu(point);
}

LRESULT CXTPToolBar::OnNcHitTest(CPoint point)
{
    if (m_barPosition != xtpBarFloating)
        return CXTPCommandBar::OnNcHitTest(point);
    CRect rc;
    GetWindowRect(&rc);
    rc.DeflateRect(kFloatingBorder, kFloatingBorder);
    if (point.y < rc.top)
        return HTTOP;
    if (point.y >= rc.bottom)
        return HTBOTTOM;
    if (point.x < rc.left)
        return HTLEFT;
    if (point.x >= rc.right)
        return HTRIGHT;
    return CXTPCommandBar::OnNcHitTest(point);
}

void CXTPToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (m_pTracker == NULL || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT)
    {
        CXTPCommandBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    // The frame comes forward (a floating bar never takes the activation
    // itself: it would hide as its frame went inactive).
    CWnd* pTopLevel = GetTopLevelParent();
    if (pTopLevel != NULL && pTopLevel != this)
        pTopLevel->SetActiveWindow();
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    XTPMouseManager()->SendTrackLost();
    CXTPHoldReference hold(this);
    m_pTracker->StartResize((int)nHitTest, point);
}

void CXTPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    // A field of the bar's own that gives the focus to the bar does not
    // replace the window the user came from.
    const HWND hWndOld = pOldWnd != NULL ? pOldWnd->m_hWnd : NULL;
    if (hWndOld == NULL || !::IsChild(m_hWnd, hWndOld))
        m_hWndFocusBefore = hWndOld;
    // Handed back once the focus has settled: a window given the focus
    // is activated first, and the activation focuses the floating bar on
    // the way to an edit field of its own.
    if (m_barPosition == xtpBarFloating && m_pTracker != NULL)
        PostMessage(kHandFocusBack);
    if (m_hwndFocus == NULL)
        m_hwndFocus = m_hWnd;
    CXTPCommandBar::OnSetFocus(pOldWnd);
    // Hosted in a dialog, the bar takes the keys with its first control selected.
    if (m_pTracker == NULL)
        SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
}

HWND CXTPToolBar::GetFocusReturnWindow() const
{
    CWnd* pSite = GetOwnerSite();
    if (m_pTracker == NULL || pSite == NULL || pSite->m_hWnd == NULL || !pSite->IsWindowEnabled())
        return NULL;
    const HWND hWndBefore = m_hWndFocusBefore;
    const BOOL bFrameWindow =
        ::IsWindow(hWndBefore) && (hWndBefore == pSite->m_hWnd || ::IsChild(pSite->m_hWnd, hWndBefore));
    return bFrameWindow ? hWndBefore : pSite->m_hWnd;
}

LRESULT CXTPToolBar::OnHandFocusBack(WPARAM, LPARAM)
{
    const HWND hWndReturn = GetFocusReturnWindow();
    // Focusing a window of the frame makes the frame the active window again.
    if (::GetFocus() == m_hWnd && hWndReturn != NULL)
        ::SetFocus(hWndReturn);
    return 0;
}

void CXTPToolBar::OnClose()
{}

int CXTPToolBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (nChar == VK_TAB && m_pTracker == NULL && pParent != NULL)
    {
        CWnd* pNext = pParent->GetNextDlgTabItem(this, ::GetKeyState(VK_SHIFT) < 0);
        SetTrackingMode(xtpTrackingOff);
        if (pNext != NULL && pNext != this)
            pNext->SetFocus();
        return 1;
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}

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
