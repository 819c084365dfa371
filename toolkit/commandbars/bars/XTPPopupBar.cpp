#include "toolkit/commandbars/bars/XTPPopupBar.h"

#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlExpandButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/commandbars/layout/XTPPopupAnimation.h"
#include "toolkit/commandbars/shadows/XTPDropShadows.h"
#include "toolkit/foundation/XTPMultiMonitor.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPPopupBar, CXTPCommandBar, VERSIONABLE_SCHEMA | 8)
IMPLEMENT_SERIAL(CXTPPopupToolBar, CXTPPopupBar, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(PopupBarClasses, xtpStartupPopupClasses, XTP_STARTUP_CLASS(CXTPPopupBar),
                    XTP_STARTUP_CLASS(CXTPPopupToolBar), XTP_STARTUP_CLASS(CXTPControlExpandButton));

BEGIN_MESSAGE_MAP(CXTPPopupBar, CXTPCommandBar)
ON_WM_MOUSEACTIVATE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_TIMER()
END_MESSAGE_MAP()

CRuntimeClass* CXTPPopupBar::m_pPopupBarClass = RUNTIME_CLASS(CXTPPopupBar);
double CXTPPopupBar::m_dMaxWidthRatio = 1.0 / 3;

namespace {

// Space kept free below a popup at the bottom of the work area.
const int kWorkAreaBottomMargin = 5;
// The animations a popup plays; the others (none, or an unknown value) show it at once.
BOOL IsAnimationPlayed(int nType)
{
    return nType == xtpAnimateUnfold || nType == xtpAnimateSlide || nType == xtpAnimateFade;
}

// The control flag that opens a control's popup to the left.
const DWORD kFlagPopupLeft = 4;

CXTPCommandBar* MakePopupBar(CXTPCommandBars* pCommandBars)
{
    return CXTPPopupBar::CreatePopupBar(pCommandBars);
}

// Popup controls make their bars here.
void RegisterPopupBarFactory()
{
    CXTPControlPopup::SetPopupBarFactory(MakePopupBar);
}

} // namespace

XTP_STARTUP_ENTRY(PopupBarFactory, xtpStartupPopupClasses, RegisterPopupBarFactory, NULL);

CXTPPopupBar* CXTPPopupBar::CreatePopupBar(CXTPCommandBars* pCommandBars)
{
    CXTPPopupBar* pPopupBar = (CXTPPopupBar*)m_pPopupBarClass->CreateObject();
    pPopupBar->SetCommandBars(pCommandBars);
    return pPopupBar;
}

CXTPPopupBar::CXTPPopupBar()
    : m_pControlPopup(NULL), m_ptPopup(0, 0), m_rcExclude(0, 0, 0, 0), m_nPopupFlags(0), m_bInLayout(FALSE),
      m_bHasHiddenControls(FALSE), m_bExpanded(FALSE), m_bAnimateExpansion(FALSE), m_bTearOffPopup(FALSE),
      m_rcTearOffGripper(0, 0, 0, 0), m_bTearOffSelected(FALSE), m_nTearOffTimer(0), m_bTearOffTracking(FALSE),
      m_szTearOffBar(0, 0), m_pTearOffBar(NULL), m_nTearOffID(0), m_nTearOffWidth(0), m_bShadow(TRUE),
      m_rcBorders(2, 4, 2, 4), m_bScrolling(FALSE), m_nFirstShown(0), m_nLastShown(0),
      m_rcColumnBorders(0, 0, 0, 0), m_nSeparator(0), m_pnReturnCommand(NULL), m_bKeepPopupsOpen(FALSE)
{
    m_scrollDown = {CRect(0, 0, 0, 0), 0, kScrollDownTimer};
    m_scrollUp = {CRect(0, 0, 0, 0), 0, kScrollUpTimer};
    m_barType = xtpBarTypePopup;
    m_barPosition = xtpBarPopup;
}

CXTPPopupBar::~CXTPPopupBar()
{}

void CXTPPopupBar::SetPopupToolBar(BOOL bToolBarType)
{
    m_barType = bToolBarType ? xtpBarTypeNormal : xtpBarTypePopup;
}

// ---- Window -------------------------------------------------------------------

BOOL CXTPPopupBar::CreatePopupWindow()
{
    if (m_hWnd != NULL)
        return TRUE;
    CWnd* pSite = GetOwnerSite();
    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL))
        dwExStyle |= WS_EX_LAYOUTRTL;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(dwExStyle, lpszClass, NULL, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
                    pSite != NULL ? pSite->GetSafeHwnd() : NULL, NULL);
}

BOOL CXTPPopupBar::DestroyWindow()
{
    // Hosted windows (edit and combo boxes) survive the popup: they go back
    // to the site.
    CWnd* pSite = GetOwnerSite();
    if (m_hWnd != NULL && pSite != NULL && pSite->GetSafeHwnd() != NULL)
    {
        HWND hWndChild;
        while ((hWndChild = ::GetWindow(m_hWnd, GW_CHILD)) != NULL)
        {
            ::ShowWindow(hWndChild, SW_HIDE);
            ::SetParent(hWndChild, pSite->GetSafeHwnd());
        }
    }
    return CXTPCommandBar::DestroyWindow();
}

int CXTPPopupBar::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

BOOL CXTPPopupBar::IsVisible() const
{
    return m_hWnd != NULL;
}

CXTPControlPopup* CXTPPopupBar::GetControlPopup() const
{
    return m_pControlPopup;
}

// ---- Opening and closing ------------------------------------------------------

BOOL CXTPPopupBar::Popup(int x, int y, LPCRECT rcExclude)
{
    m_ptPopup = CPoint(x, y);
    if (rcExclude != NULL)
        m_rcExclude = *rcExclude;
    return Popup((CXTPControlPopup*)NULL, FALSE);
}

BOOL CXTPPopupBar::Popup(CXTPControlPopup* pControlPopup, BOOL bSelectFirst)
{
    m_pControlPopup = pControlPopup;
    if (!CreatePopupWindow())
    {
        m_pControlPopup = NULL;
        return FALSE;
    }
    // Held: the site's answer to the notification may release the popup.
    InternalAddRef();
    LockRedraw();
    CWnd* pSite = GetOwnerSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
        pSite->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)this);

    m_bTearOffSelected = FALSE;
    m_bHasHiddenControls = FALSE;
    m_bExpanded = IsCustomizeMode() ? TRUE : XTPMouseManager()->IsExpanded();
    RecalcAndShow();

    SetTrackingMode(xtpTrackingOn, bSelectFirst, FALSE);
    // The popup was just laid out and will be painted whole: only what the
    // command updates change asks for another layout or a redraw.
    m_dwPending &= ~(pendingLayout | pendingRedraw);
    UpdateCommandBar(TRUE);
    UnlockRedraw();
    PlayOpeningAnimation();

    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    UpdateBarShadows();
    InternalRelease();
    return TRUE;
}

BOOL CXTPPopupBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (!CXTPCommandBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (nMode != xtpTrackingOff)
        return TRUE;

    // Closing: the bar that opened the popup forgets it, the window hides
    // and the site hears that the popup closed.
    InternalAddRef();
    CWnd* pSite = GetOwnerSite();
    CXTPControlPopup* pControlPopup = m_pControlPopup;
    if (pControlPopup != NULL && pControlPopup->GetParent() != NULL)
        pControlPopup->GetParent()->SetPopuped(-1);
    StopScrollTimer(m_scrollDown);
    StopScrollTimer(m_scrollUp);
    XTPDropShadows()->RemoveShadows(this);
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
    {
        pSite->UpdateWindow();
        pSite->SendMessage(WM_XTP_UNINITPOPUP, 0, (LPARAM)this);
    }
    m_pControlPopup = NULL;
    InternalRelease();
    return TRUE;
}

// ---- Placement ------------------------------------------------------------------

void CXTPPopupBar::UpdateFlags()
{
    if (m_pControlPopup == NULL)
        return;
    CXTPCommandBar* pParent = m_pControlPopup->GetParent();
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL)
        return;

    int nFlags = 0;
    if ((m_pControlPopup->GetFlags() & kFlagPopupLeft) || IsLayoutRTL())
        nFlags = xtpPopupLeft;
    const XTPBarPosition position = pParent->GetPosition();
    const BOOL bVertical = position == xtpBarLeft || position == xtpBarRight;
    if (!bVertical && position != xtpBarPopup)
        nFlags |= xtpPopupDown;
    else
    {
        CXTPPopupBar* pParentPopup = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)pParent);
        if (position == xtpBarRight
            || (pParent->GetType() == xtpBarTypePopup && pParentPopup != NULL
                && (pParentPopup->GetPopupFlags() & xtpPopupLeft)))
            nFlags = xtpPopupLeft;
    }

    CRect rcExclude = m_pControlPopup->GetRect();
    if (m_pControlPopup->GetType() == xtpControlComboBox && pParent->GetType() != xtpBarTypePopup)
        nFlags = xtpPopupDown;
    else
        m_pControlPopup->GetPopupPlacement(rcExclude);
    pParent->ClientToScreen(&rcExclude);

    m_nPopupFlags = nFlags;
    m_rcExclude = rcExclude;
    m_ptPopup.x = (nFlags & xtpPopupDown) ? rcExclude.left : rcExclude.right;
    m_ptPopup.y = (nFlags & xtpPopupDown) ? rcExclude.bottom : rcExclude.top;
}

CRect CXTPPopupBar::GetWorkArea() const
{
    if (!m_rcExclude.IsRectEmpty())
        return XTPMultiMonitor()->GetWorkArea((const RECT&)m_rcExclude);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    return XTPMultiMonitor()->GetWorkArea(ptCursor);
}

void CXTPPopupBar::UpdateLocation(CSize sz)
{
    CRect rcWork = GetWorkArea();
    rcWork.bottom -= kWorkAreaBottomMargin;
    const XTPPopupPlacement placement = PlacePopup(m_ptPopup, m_rcExclude, m_nPopupFlags, sz, rcWork);
    m_nPopupFlags = placement.nFlags;
    m_bScrolling = placement.bScroll;
    if (m_hWnd == NULL)
        return;
    const CRect& rc = placement.rcWindow;
    if (m_bScrolling)
    {
        m_nFirstShown = 0;
        const CSize szWindow = rc.Size();
        UpdateScrolling(&szWindow, FALSE, FALSE);
    }
    else
        ResetScrolling();
    SetWindowPos(&CWnd::wndTopMost, rc.left, rc.top, rc.Width(), rc.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// ---- Layout -----------------------------------------------------------------------

void CXTPPopupBar::RecalcAndShow()
{
    UpdateShortcuts();
    UpdateFlags();
    UpdateLocation(CalcDynamicLayout(0, 0));
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXTPPopupBar::OnRecalcLayout()
{
    // The shadows follow the popup to its new place and size.
    if (m_hWnd != NULL && IsWindowVisible())
        Relayout();
}

void CXTPPopupBar::OnControlsChanged()
{
    if (m_bInLayout)
        return;
    CXTPCommandBar::OnControlsChanged();
    // A closed popup keeps its hidden window: a change of its controls must
    // not show it again.
    if (m_hWnd == NULL || !IsWindowVisible() || GetControlCount() == 0)
        return;
    Relayout();
}

void CXTPPopupBar::Relayout()
{
    XTPDropShadows()->RemoveShadows(this);
    RecalcAndShow();
    if (m_bAnimateExpansion)
    {
        if (IsAnimationPlayed(GetAnimationType()))
        {
            PlayAnimation([this](CXTPPaintManager* pPaintManager, CDC* pDestDC, CDC* pSrcDC, CRect) {
                pPaintManager->AnimateExpanding(this, pDestDC, pSrcDC);
            });
        }
        XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    }
    UpdateBarShadows();
    if (m_pControlPopup != NULL)
        m_pControlPopup->UpdateShadow();
    m_bAnimateExpansion = FALSE;
}

void CXTPPopupBar::UpdateBarShadows()
{
    XTPDropShadows()->RemoveShadows(this);
    if (m_barPosition == xtpBarPopup && m_bShadow)
        XTPDropShadows()->CreateBarShadows(this, m_rcExclude);
}

void CXTPPopupBar::ExpandBar()
{
    if (m_bExpanded || !m_bHasHiddenControls)
        return;
    m_bAnimateExpansion = TRUE;
    m_bExpanded = TRUE;
    SetPopuped(-1);
    if (m_hWnd != NULL && IsWindowVisible())
        Relayout();
    m_bAnimateExpansion = FALSE;
    XTPMouseManager()->SetExpanded(TRUE);
}

CXTPControl* CXTPPopupBar::GetExpandButton(BOOL bCreate)
{
    CXTPControl* pButton = m_pControls->FindControl(xtpControlError, XTP_ID_POPUPBAR_EXPAND, FALSE, FALSE);
    if (pButton == NULL && bCreate)
    {
        // Temporary: the popup makes it for itself, so it is never saved.
        pButton = m_pControls->AddControl(new CXTPControlExpandButton, XTP_ID_POPUPBAR_EXPAND, CString(), -1,
                                          TRUE);
    }
    return pButton;
}

void CXTPPopupBar::UpdateExpandingState()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pExpandButton = GetExpandButton(FALSE);
    m_bHasHiddenControls = FALSE;
    if (pCommandBars == NULL || pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus)
    {
        for (int i = 0; i < GetControlCount(); i++)
            GetControl(i)->SetExpanded(FALSE);
        m_bExpanded = TRUE;
        return;
    }

    BOOL bSomeShown = FALSE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl == pExpandButton)
            continue;
        if (pCommandBars->IsControlHidden(pControl))
            pControl->SetExpanded(TRUE);
        else
        {
            pControl->SetExpanded(FALSE);
            if ((pControl->GetHideFlags() & ~(xtpHideScroll | xtpHideExpandedOnce)) == 0)
                bSomeShown = TRUE;
        }
    }
    // A popup in which every control would be hidden shows them all.
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl == pExpandButton)
            continue;
        pControl->SetHideFlags(pControl->GetHideFlags() & ~xtpHideExpandedOnce);
        if (pControl->GetExpanded() && !m_bExpanded && bSomeShown)
        {
            pControl->SetHideFlags(pControl->GetHideFlags() | xtpHideExpandedOnce);
            m_bHasHiddenControls = TRUE;
        }
    }
}

CSize CXTPPopupBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return CSize(0, 0);
    m_bInLayout = TRUE;
    CClientDC dc(m_hWnd != NULL ? this : NULL);
    CFont* pOldFont = dc.SelectObject(pPaintManager->GetCommandBarFont(this));

    for (int i = GetControlCount() - 1; i >= 0; i--)
        GetControl(i)->OnCalcDynamicSize(dwMode);
    (void)nLength;

    // A column keeps the look's borders, a popup laid out as a tool bar its
    // own; the tear-off strip lies in the top border, above the rows.
    CRect rcBorder = m_barType == xtpBarTypeNormal ? m_rcBorders : pPaintManager->GetCommandBarBorders(this);
    const int nStripTop = rcBorder.top;
    const int nStripHeight =
        m_bTearOffPopup ? pPaintManager->DrawTearOffGripper(&dc, CRect(0, 0, 0, 0), FALSE, FALSE).cy : 0;
    rcBorder.top += nStripHeight;

    // A new full layout shows every row that scrolling hid.
    for (int i = 0; i < GetControlCount(); i++)
        GetControl(i)->SetHideFlags(GetControl(i)->GetHideFlags() & ~xtpHideScroll);
    const CSize size = m_barType == xtpBarTypeNormal ? LayoutToolBar(&dc, rcBorder)
                                                     : LayoutColumn(&dc, pPaintManager, rcBorder);
    m_rcTearOffGripper =
        CRect(rcBorder.left, nStripTop, size.cx - rcBorder.right, nStripTop + nStripHeight);

    dc.SelectObject(pOldFont);
    m_bInLayout = FALSE;
    return size;
}

CSize CXTPPopupBar::LayoutToolBar(CDC* pDC, const CRect& rcBorder)
{
    m_rcColumnBorders = rcBorder;
    return m_pControls->CalcDynamicSize(pDC, 0, xtpLayoutCommit | xtpLayoutHorz | xtpLayoutPopup, rcBorder);
}

CSize CXTPPopupBar::LayoutColumn(CDC* pDC, CXTPPaintManager* pPaintManager, const CRect& rcBorder)
{
    const int nSeparator = pPaintManager->DrawCommandBarSeparator(pDC, this, NULL, FALSE).cy;

    UpdateExpandingState();
    CXTPControl* pExpandButton = GetExpandButton(m_bHasHiddenControls);
    int nExpandHeight = 0;
    if (pExpandButton != NULL)
    {
        DWORD dwHide = pExpandButton->GetHideFlags() & ~xtpHideGeneric;
        pExpandButton->SetHideFlags(m_bHasHiddenControls ? dwHide : (dwHide | xtpHideGeneric));
        if (m_bHasHiddenControls)
            nExpandHeight = pPaintManager->DrawSpecialControl(pDC, 1, pExpandButton, this, FALSE, NULL).cy;
    }

    std::vector<XTPPopupRow> rows(GetControlCount());
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        XTPPopupRow& row = rows[i];
        row.bVisible = pControl->IsVisible();
        row.bBeginGroup = pControl->GetBeginGroup();
        row.bExpandButton = pControl == pExpandButton;
        row.size = CSize(0, 0);
        row.rect = CRect(0, 0, 0, 0);
        if (!row.bVisible || row.bExpandButton)
            continue;
        CFont* pOldFont =
            pDC->SelectObject(pPaintManager->GetCommandBarFont(this, pControl->IsItemDefault()));
        row.size = pControl->GetSize(pDC);
        pDC->SelectObject(pOldFont);
    }

    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const CSize size = LayoutPopupRows(rows, rcBorder, nSeparator,
                                       PopupMaxRowWidth(rcWork.right, m_dMaxWidthRatio), nExpandHeight);
    m_rcColumnBorders = rcBorder;
    m_rcColumnBorders.bottom += nExpandHeight;
    m_nSeparator = nSeparator;
    for (int i = 0; i < GetControlCount(); i++)
    {
        if (!rows[i].bVisible)
            continue;
        CXTPControl* pControl = GetControl(i);
        pControl->SetRect(rows[i].rect);
        pControl->SetRowRect(rows[i].rect);
    }
    return size;
}

void CXTPPopupBar::UpdateShortcuts()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || pControl->GetID() == 0)
            continue;
        CString strShortcut = pControl->GetAutoShortcutText();
        XTPAccelManager()->FindShortcutText((UINT)pControl->GetID(), strShortcut, pCommandBars);
        pControl->SetAutoShortcutText(strShortcut);
    }
}

// ---- Drawing and the mouse ----------------------------------------------------------

void CXTPPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPCommandBar::DrawCommandBar(pDC, rcClipBox);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    if (m_bTearOffPopup)
        pPaintManager->DrawTearOffGripper(pDC, m_rcTearOffGripper, m_bTearOffSelected, TRUE);
    if (m_bScrolling)
    {
        DrawScrollArrow(pDC, m_scrollUp, TRUE);
        DrawScrollArrow(pDC, m_scrollDown, FALSE);
    }
}

void CXTPPopupBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bScrolling)
        TrackScrollAreas(point);
    if (m_bTearOffPopup)
        TrackTearOffStrip(point);
    CXTPCommandBar::OnMouseMove(nFlags, point);
}

void CXTPPopupBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTearOffPopup && !IsCustomizeMode() && m_rcTearOffGripper.PtInRect(point))
    {
        TearOff();
        return;
    }
    CXTPCommandBar::OnLButtonDown(nFlags, point);
}

void CXTPPopupBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kScrollDownTimer)
        OnScrollTimer(m_scrollDown);
    else if (nIDEvent == kScrollUpTimer)
        OnScrollTimer(m_scrollUp);
    else if (nIDEvent == kTearOffTimer)
        OnTearOffTimer();
    else
        CXTPCommandBar::OnTimer(nIDEvent);
}

// ---- Animation -------------------------------------------------------------------------

int CXTPPopupBar::GetAnimationType() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL || (m_hWnd != NULL && ::GetWindow(m_hWnd, GW_CHILD) != NULL))
        return xtpAnimateNone;
    XTPMenuAnimationSettings settings = {FALSE, FALSE, FALSE, FALSE};
    const int nOption = pCommandBars->GetCommandBarsOptions()->animationType;
    if (nOption == xtpAnimateWindowsDefault)
    {
        settings.bAnimationRead = ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &settings.bAnimation, 0);
        settings.bFadeRead = ::SystemParametersInfoA(SPI_GETMENUFADE, 0, &settings.bFade, 0);
    }
    return ChoosePopupAnimation(nOption, settings, nOption == xtpAnimateRandom ? rand() : 0);
}

void CXTPPopupBar::PlayOpeningAnimation()
{
    CXTPCommandBar* pParent = m_pControlPopup != NULL ? m_pControlPopup->GetParent() : NULL;
    const BOOL bRequested = pParent == NULL || pParent->IsPopupAnimationRequested();
    if (pParent != NULL)
        pParent->RequestPopupAnimation(FALSE);
    if (!bRequested || IsCustomizeMode())
        return;
    const int nType = GetAnimationType();
    if (!IsAnimationPlayed(nType))
        return;
    // What lies under the popup is drawn first: a fade starts from it.
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        pParent->UpdateWindow();
    CWnd* pSite = GetOwnerSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
        pSite->UpdateWindow();
    PlayAnimation([nType](CXTPPaintManager* pPaintManager, CDC* pDestDC, CDC* pSrcDC, CRect rcClient) {
        pPaintManager->Animate(pDestDC, pSrcDC, rcClient, nType);
    });
}

void CXTPPopupBar::PlayAnimation(const std::function<void(CXTPPaintManager*, CDC*, CDC*, CRect)>& play)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL || m_hWnd == NULL)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CClientDC dc(this);
    CDC dcPicture;
    CBitmap bmpPicture;
    if (!dcPicture.CreateCompatibleDC(&dc) || !bmpPicture.CreateCompatibleBitmap(&dc, rcClient.Width(),
                                                                                rcClient.Height()))
        return;
    CBitmap* pOldBitmap = dcPicture.SelectObject(&bmpPicture);
    DrawCommandBar(&dcPicture, rcClient);
    play(pPaintManager, &dc, &dcPicture, rcClient);
    dcPicture.SelectObject(pOldBitmap);
}

// ---- Keys -----------------------------------------------------------------------------

int CXTPPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (nChar == VK_DOWN && m_bHasHiddenControls && !m_bExpanded)
    {
        // Down from the last shown command (or Ctrl+Down) shows the rest first.
        const BOOL bControl = ::GetKeyState(VK_CONTROL) < 0;
        const int nNext = m_pControls->GetNextSelectable(m_nSelected, +1, TRUE);
        if (bControl || nNext <= m_nSelected)
            ExpandBar();
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}

// ---- Default item and copies ------------------------------------------------------

void CXTPPopupBar::SetDefaultItem(UINT uItem, BOOL bByPos)
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        const BOOL bDefault =
            bByPos ? (UINT)i == uItem : (pControl->IsVisible() && (UINT)pControl->GetID() == uItem);
        pControl->SetItemDefault(bDefault);
    }
}

UINT CXTPPopupBar::GetDefaultItem(UINT, BOOL bByPos) const
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl->IsVisible() && pControl->IsItemDefault())
            return bByPos ? (UINT)i : (UINT)pControl->GetID();
    }
    return (UINT)-1;
}

void CXTPPopupBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pCommandBar, bRecursive);
    CXTPPopupBar* pSource = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)pCommandBar);
    if (pSource == NULL)
        return;
    m_bTearOffPopup = pSource->m_bTearOffPopup;
    m_strTearOffCaption = pSource->m_strTearOffCaption;
    m_nTearOffID = pSource->m_nTearOffID;
    m_nTearOffWidth = pSource->m_nTearOffWidth;
    m_bShadow = pSource->m_bShadow;
    m_rcBorders = pSource->m_rcBorders;
}

// ---- The popup laid out as a tool bar -------------------------------------------------

CXTPPopupToolBar::CXTPPopupToolBar()
{
    m_barType = xtpBarTypeNormal;
}

CXTPPopupToolBar* CXTPPopupToolBar::CreatePopupToolBar(CXTPCommandBars* pCommandBars)
{
    CXTPPopupToolBar* pPopupBar = new CXTPPopupToolBar;
    pPopupBar->SetCommandBars(pCommandBars);
    return pPopupBar;
}

void CXTPPopupBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    PX_Bool(pPX, "TearOffPopup", m_bTearOffPopup, FALSE);
    PX_String(pPX, "TearOffCaption", m_strTearOffCaption, "");
    DWORD dwTearOffID = m_nTearOffID;
    PX_DWord(pPX, "TearOffId", dwTearOffID, 0);
    m_nTearOffID = dwTearOffID;
    PX_Int(pPX, "TearOffWidth", m_nTearOffWidth, 0);
    if (pPX->GetSchema() > 3)
    {
        PX_Rect(pPX, "Borders", m_rcBorders, CRect(2, 4, 2, 4));
        PX_Bool(pPX, "ShowShadow", m_bShadow, TRUE);
    }
}
