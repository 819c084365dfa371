#include "toolkit/commandbars/controls/XTPControlCustom.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControlCustom, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlCustomClass, xtpStartupEditClasses, XTP_STARTUP_CLASS(CXTPControlCustom));

CXTPControlCustom::CXTPControlCustom()
    : m_sink(this), m_pControl(NULL), m_rcBorders(0, 0, 0, 0), m_bControlVisible(TRUE), m_szControl(0, 0),
      m_nVerticalOptions(xtpVerticalHide), m_nControlID(0)
{
    m_controlType = xtpControlCustom;
    m_dwFlags = XTP_CONTROLFLAG_NOMOVABLE;
}

CXTPControlCustom::~CXTPControlCustom()
{
    XTPHookManager()->RemoveAll(&m_sink);
}

CXTPControlCustom* CXTPControlCustom::CreateControlCustom(CWnd* pWnd)
{
    CXTPControlCustom* pControl = new CXTPControlCustom;
    pControl->SetControl(pWnd);
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pControl->m_nControlID = pWnd->GetDlgCtrlID();
    return pControl;
}

void CXTPControlCustom::SetControl(CWnd* pWnd)
{
    XTPHookManager()->RemoveAll(&m_sink);
    m_pControl = pWnd;
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return;
    XTPHookManager()->SetHook(pWnd->m_hWnd, &m_sink);
    CRect rcWindow;
    pWnd->GetWindowRect(&rcWindow);
    m_szControl = rcWindow.Size();
}

void CXTPControlCustom::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_rcBorders.SetRect(cxLeft, cyTop, cxRight, cyBottom);
}

BOOL CXTPControlCustom::IsWindowShown() const
{
    return HasWindow() && m_bControlVisible;
}

CSize CXTPControlCustom::GetSize(CDC* pDC)
{
    if (!IsWindowShown())
        return CXTPControlButton::GetSize(pDC);
    return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
                 m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
}

void CXTPControlCustom::ShowWindowAsControl()
{
    if (!HasWindow())
        return;
    m_pControl->ShowWindow(m_bControlVisible && m_dwHideFlags == xtpHideNone ? SW_SHOWNA : SW_HIDE);
}

void CXTPControlCustom::SetRect(CRect rcControl)
{
    const BOOL bWindow = HasWindow();
    if (m_rcControl == rcControl
        && (!bWindow || (m_pParent != NULL && ::GetParent(m_pControl->m_hWnd) == m_pParent->GetSafeHwnd())))
        return;
    m_rcControl = rcControl;
    if (!bWindow)
        return;
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        m_pControl->SetParent(m_pParent);
    CRect rcWindow(rcControl.left + m_rcBorders.left, rcControl.top + m_rcBorders.top,
                   rcControl.right - m_rcBorders.right, rcControl.bottom - m_rcBorders.bottom);
    m_pControl->SetWindowPos(NULL, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindowAsControl();
}

void CXTPControlCustom::SetEnabled(BOOL bEnabled)
{
    CXTPControlButton::SetEnabled(bEnabled);
    if (HasWindow())
        m_pControl->EnableWindow(bEnabled);
}

void CXTPControlCustom::SetHideFlags(DWORD dwFlags)
{
    const BOOL bChanged = dwFlags != m_dwHideFlags;
    CXTPControlButton::SetHideFlags(dwFlags);
    ShowWindowAsControl();
    if (bChanged)
        DelayLayoutParent();
}

void CXTPControlCustom::OnCalcDynamicSize(DWORD dwMode)
{
    if (m_nVerticalOptions == xtpVerticalHide)
        HideWhenDockedVertically(dwMode);
    else if (m_nVerticalOptions == xtpVerticalButtonOnly)
    {
        m_bControlVisible = (dwMode & xtpLayoutVertDock) == 0;
        ShowWindowAsControl();
    }
}

void CXTPControlCustom::Draw(CDC* pDC)
{
    if (IsWindowShowing())
        return;
    CXTPControlButton::Draw(pDC);
}

void CXTPControlCustom::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (IsWindowShowing() && !(m_pParent != NULL && m_pParent->IsCustomizeMode()))
        return;
    CXTPControlButton::OnClick(bKeyboard, pt);
}

BOOL CXTPControlCustom::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                 DROPEFFECT& dropEffect)
{
    return AllowDropOnPopupBarOnly(pCommandBar, dropEffect);
}

void CXTPControlCustom::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlCustom* pCustom = DYNAMIC_DOWNCAST(CXTPControlCustom, pControl);
    if (pCustom != NULL)
    {
        m_rcBorders = pCustom->m_rcBorders;
        m_nVerticalOptions = pCustom->m_nVerticalOptions;
        SetControl(pCustom->m_pControl);
        m_szControl = pCustom->m_szControl;
        m_nControlID = pCustom->m_nControlID;
    }
    CXTPControlButton::Copy(pControl, bRecursive);
}

void CXTPControlCustom::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlButton::DoPropExchange(pPX);
    PX_Rect(pPX, "Borders", m_rcBorders, CRect(0, 0, 0, 0));
    PX_Size(pPX, "ControlSize", m_szControl, CSize(0, 0));
    PX_Int(pPX, "VerticalOptions", m_nVerticalOptions, xtpVerticalHide);
    PX_Int(pPX, "ControlId", m_nControlID, 0);
    if (pPX->IsLoading() && m_nControlID != 0)
    {
        CWnd* pWnd = FindControlWindow();
        if (pWnd != NULL)
        {
            const CSize szLoaded = m_szControl;
            SetControl(pWnd);
            m_szControl = szLoaded;
        }
    }
}

CWnd* CXTPControlCustom::FindControlWindow() const
{
    CXTPCommandBars* pCommandBars = m_pControls != NULL ? m_pControls->GetCommandBars() : NULL;
    if (pCommandBars == NULL && m_pParent != NULL)
        pCommandBars = m_pParent->GetCommandBars();
    if (pCommandBars == NULL)
        return NULL;
    CWnd* pSite = pCommandBars->GetSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
    {
        if (CWnd* pWnd = pSite->GetDlgItem(m_nControlID))
            return pWnd;
    }
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        CXTPToolBar* pBar = pCommandBars->GetAt(i);
        HWND hWnd = pBar->GetSafeHwnd() != NULL ? ::GetDlgItem(pBar->m_hWnd, m_nControlID) : NULL;
        if (hWnd != NULL)
            return CWnd::FromHandle(hWnd);
    }
    return NULL;
}

int CXTPControlCustom::CWindowSink::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                                  LRESULT& /*lResult*/)
{
    CXTPCommandBar* pBar = m_pOwner->GetParent();
    if (nMessage != WM_MOUSEMOVE || pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return hookNotHandled;
    POINT point = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ::MapWindowPoints(hWnd, pBar->m_hWnd, &point, 1);
    pBar->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(point.x, point.y));
    return hookNotHandled;
}
