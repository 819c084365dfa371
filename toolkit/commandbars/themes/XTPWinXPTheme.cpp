#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "framework/Controls.h"

#include <algorithm>

namespace {

enum WinXPColor
{
    clrMenu = 4,
    clrMenuText = 7,
    clrButtonFace = 15,
    clrButtonShadow = 16,
    clrGrayText = 17,
    clrButtonText = 18,
    clrButtonHighlight = 20
};

// Visual-style parts, states and properties used here.
const int kToolbarButton = 1, kToolbarSplitButton = 3, kToolbarSplitDropDown = 4;
const int kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateDisabled = 4, kStateChecked = 5,
          kStateHotChecked = 6;
const int kRebarBackground = 0, kRebarGripper = 1, kRebarGripperVert = 2, kRebarBand = 3;
const int kComboDropDownButton = 1;
const int kStatusPane = 1, kStatusGripperPane = 2, kStatusGripper = 3;
const int kPropBorderColor = 3801, kPropTextColor = 3803, kPropEdgeShadowColor = 3806,
          kPropFillColorHint = 3821;

} // namespace

CXTPWinXPTheme::CXTPWinXPTheme() : m_clrBarEdge(0), m_bGripPane(FALSE)
{
    m_iconsInfo.bUseFadedIcons = TRUE;
    m_iconsInfo.bIconsWithShadow = FALSE;
    m_nPopupTextColor = clrMenuText;
    // The base constructor ran only the base's refresh.
    CXTPWinXPTheme::RefreshMetrics();
}

CXTPWinXPTheme::~CXTPWinXPTheme()
{
    m_themeRebar.CloseThemeData();
    m_themeToolbar.CloseThemeData();
    m_themeComboBox.CloseThemeData();
    m_themeStatusBar.CloseThemeData();
}

void CXTPWinXPTheme::RefreshMetrics()
{
    CXTPPaintManager::RefreshMetrics();
    CWnd* pMainWnd = AfxGetMainWnd();
    const HWND hWnd = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    m_themeToolbar.OpenThemeData(hWnd, L"TOOLBAR");
    m_themeRebar.OpenThemeData(hWnd, L"REBAR");
    m_themeComboBox.OpenThemeData(hWnd, L"COMBOBOX");
    m_themeStatusBar.OpenThemeData(hWnd, L"STATUS");

    COLORREF clr = 0;
    m_clrBarEdge = m_themeRebar.IsAppThemed()
                           && SUCCEEDED(m_themeRebar.GetThemeColor(kRebarBand, 0, kPropEdgeShadowColor, &clr))
                       ? clr
                       : GetColor(clrButtonShadow);
    if (m_themeToolbar.IsAppThemed() && SUCCEEDED(m_themeToolbar.GetThemeColor(0, 0, kPropTextColor, &clr)))
        m_arrColor[clrButtonText].SetStandardValue(clr);
    if (m_themeRebar.IsAppThemed() && SUCCEEDED(m_themeRebar.GetThemeColor(0, 0, kPropFillColorHint, &clr)))
        m_arrColor[clrButtonFace].SetStandardValue(clr);
    if (m_themeStatusBar.IsAppThemed()
        && SUCCEEDED(m_themeStatusBar.GetThemeColor(kStatusPane, 0, kPropTextColor, &clr)))
        m_clrStatusTextColor = clr;
}

void CXTPWinXPTheme::DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                   BOOL bChecked, BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition)
{
    if (!m_themeToolbar.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawRectangle(pDC, rc, nSelected, nPressed, bEnabled, bChecked, bPopuped,
                                           bToolBar, barPosition);
        return;
    }
    int nState;
    if (!bEnabled)
        nState = bChecked && !bToolBar ? kStatePressed : kStateDisabled;
    else if (bPopuped)
        nState = kStatePressed;
    else if (bChecked && !nPressed)
        nState = nSelected ? kStateHotChecked : kStateChecked;
    else if (nPressed == 2 || (nSelected && nPressed))
        nState = kStatePressed;
    else
        nState = nSelected ? kStateHot : kStateNormal;
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, rc, NULL);
}

void CXTPWinXPTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    if (!m_themeToolbar.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawSplitButtonFrame(pDC, pControl, rc);
        return;
    }
    const BOOL bOpen = IsPopupOpen(pControl);
    const BOOL bEnabled = pControl->GetEnabled();
    int nState;
    if (!bEnabled)
        nState = kStateDisabled;
    else if (pControl->GetPressed() && pControl->GetSelected())
        nState = kStatePressed;
    else if (pControl->GetChecked())
        nState = kStateChecked;
    else if (pControl->GetSelected() || bOpen)
        nState = kStateHot;
    else
        nState = kStateNormal;
    const CRect rcMain(rc.left, rc.top, rc.right - 12, rc.bottom);
    const CRect rcArrow(rc.right - 12, rc.top, rc.right, rc.bottom);
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarSplitButton, nState, rcMain, NULL);
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarSplitDropDown,
                                       bOpen ? kStatePressed : nState, rcArrow, NULL);
    pDC->SetTextColor(GetColor(bEnabled ? clrButtonText : clrGrayText));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPWinXPTheme::FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pParent)
{
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    if (!m_themeRebar.IsAppThemed())
    {
        pDC->FillSolidRect(rcClient, GetColor(clrButtonFace));
        return;
    }
    CRect rcDraw = rcClient;
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        pParent->GetWindowRect(&rcDraw);
        pWnd->ScreenToClient(&rcDraw);
    }
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarBackground, 0, rcDraw, rcClient);
}

void CXTPWinXPTheme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    if (!m_themeRebar.IsAppThemed())
    {
        CXTPOffice2000Theme::FillCommandBarEntry(pDC, pBar);
        return;
    }
    CRect rc;
    pBar->GetClientRect(&rc);
    switch (pBar->GetPosition())
    {
    case xtpBarPopup:
        Rectangle(pDC, rc, clrButtonShadow, clrMenu);
        break;
    case xtpBarFloating:
        pDC->FillSolidRect(rc, GetColor(clrButtonFace));
        Draw3dRect(pDC, rc, clrButtonFace, 0);
        rc.DeflateRect(1, 1);
        Draw3dRect(pDC, rc, clrButtonHighlight, clrButtonShadow);
        break;
    case xtpBarTop:
        FillRebarBackground(pDC, pBar, pBar->GetParent());
        pDC->Draw3dRect(rc, GetColor(clrButtonHighlight), m_clrBarEdge);
        break;
    default:
        pDC->FillSolidRect(rc, GetColor(clrButtonFace));
        pDC->Draw3dRect(rc, GetColor(clrButtonHighlight), m_clrBarEdge);
        break;
    }
}

void CXTPWinXPTheme::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    CXTPDockBar* pBar = DYNAMIC_DOWNCAST(CXTPDockBar, pDockBar);
    if (pBar != NULL && pBar->GetPosition() == xtpBarTop)
        FillRebarBackground(pDC, pDockBar, NULL);
    else
        CXTPPaintManager::FillDockBar(pDC, pDockBar);
}

CSize CXTPWinXPTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    // A dialog bar's caption row has the themed gripper, floating or docked.
    if (m_themeRebar.IsAppThemed() && pBar->IsDialogBar())
        return DrawControlGripper(pDC, pBar, bDraw);
    if (!m_themeRebar.IsAppThemed() || pBar->GetPosition() == xtpBarFloating)
        return CXTPOffice2000Theme::DrawCommandBarGripper(pDC, pBar, bDraw);
    CRect rc;
    pBar->GetClientRect(&rc);
    switch (pBar->GetPosition())
    {
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripperVert, 1,
                                             CRect(rc.left, rc.top + 2, rc.right, rc.top + 8), NULL);
        return CSize(0, 8);
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripper, 1,
                                             CRect(rc.left + 2, rc.top, rc.left + 8, rc.bottom), NULL);
        return CSize(8, 0);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPWinXPTheme::DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    // Unthemed, the style has no gripper to draw: the classic one stands in.
    if (!m_themeRebar.IsAppThemed())
        return CXTPOffice2000Theme::DrawControlGripper(pDC, pBar, bDraw);
    const int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripper, 1, CRect(2, 3, 8, nHeight), NULL);
    return CSize(8, nHeight);
}

void CXTPWinXPTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (!m_themeRebar.IsAppThemed())
    {
        CXTPOffice2000Theme::AdjustExcludeRect(rc, pControl, bVertical);
        return;
    }
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetType() == xtpBarTypePopup)
        rc.InflateRect(-3, 3);
}

void CXTPWinXPTheme::DrawStatusBarPane(CDC* pDC, CStatusBar* pStatusBar, int nIndex)
{
    m_bGripPane = nIndex == pStatusBar->GetCount() - 1 && (pStatusBar->GetStyle() & SBARS_SIZEGRIP);
    CXTPOffice2000Theme::DrawStatusBarPane(pDC, pStatusBar, nIndex);
    m_bGripPane = FALSE;
}

void CXTPWinXPTheme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc)
{
    if (!m_themeStatusBar.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawStatusBarPaneBorder(pDC, rc);
        return;
    }
    m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), m_bGripPane ? kStatusGripperPane : kStatusPane, 0,
                                         rc, NULL);
}

void CXTPWinXPTheme::DrawResizeGripper(CDC* pDC, CRect rc)
{
    if (!m_themeStatusBar.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawResizeGripper(pDC, rc);
        return;
    }
    m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), kStatusGripper, 0,
                                         CRect(rc.right - 18, rc.top, rc.right, rc.bottom), NULL);
}

void CXTPWinXPTheme::FillStatusBar(CDC* pDC, CStatusBar* pStatusBar)
{
    if (!m_themeStatusBar.IsAppThemed())
    {
        CXTPOffice2000Theme::FillStatusBar(pDC, pStatusBar);
        return;
    }
    CRect rc;
    pStatusBar->GetClientRect(&rc);
    m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rc, NULL);
}

void CXTPWinXPTheme::DrawControlFieldFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (!m_themeComboBox.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawControlFieldFrame(pDC, rc, bEnabled, nSelected);
        return;
    }
    COLORREF clr = 0;
    if (FAILED(m_themeComboBox.GetThemeColor(kComboDropDownButton, bEnabled ? kStateNormal : kStateDisabled,
                                             kPropBorderColor, &clr)))
        clr = GetColor(clrButtonShadow);
    pDC->Draw3dRect(rc, clr, clr);
}

void CXTPWinXPTheme::DrawComboDropDownButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDropped)
{
    if (!m_themeComboBox.IsAppThemed())
    {
        CXTPOffice2000Theme::DrawComboDropDownButton(pDC, rc, bEnabled, bSelected, bDropped);
        return;
    }
    rc.left -= 2;
    rc.top += 1;
    rc.right -= 1;
    rc.bottom -= 1;
    const int nState = !bEnabled   ? kStateDisabled
                       : bDropped  ? kStatePressed
                       : bSelected ? kStateHot
                                   : kStateNormal;
    m_themeComboBox.DrawThemeBackground(pDC->GetSafeHdc(), kComboDropDownButton, nState, rc, NULL);
}
