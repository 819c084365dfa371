#include "toolkit/commandbars/docking/XTPDialogBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPDialogBarCaptionPopupBar, CXTPPopupBar)
IMPLEMENT_DYNCREATE(CXTPDialogBarCaptionPopup, CXTPControlPopup)
IMPLEMENT_DYNCREATE(CXTPDialogBarCloseButton, CXTPControlCloseButton)
IMPLEMENT_SERIAL(CXTPDialogBar, CXTPToolBar, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(DialogBarClass, xtpStartupDialogBarClass, XTP_STARTUP_CLASS(CXTPDialogBar));

BEGIN_MESSAGE_MAP(CXTPDialogBar, CXTPToolBar)
ON_WM_NCHITTEST()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

const int kCaptionPopupID = 9399;
// The caption row's buttons are this square.
const int kButtonSize = 16;
// The outer band of the window in which the edges resize it.
const int kSizingBand = 3;
// The caption popup's flags: skipped by keyboard navigation, left out of
// command updates, fixed in customize mode (and 4).
const DWORD kCaptionPopupFlags = 30;
// The popup's placement before and after each placement update.
const int kCaptionMenuFlagsAtFirst = xtpPopupDown;
const int kCaptionMenuFlags = xtpPopupLeft | xtpPopupDown;
// The caption text's insets: 2 at the left, 15 at the right before the
// drop-down triangle (2 without one).
const int kTextInset = 2;
const int kTextInsetWithArrow = 15;

} // namespace

// ---- The caption popup's menu ----------------------------------------------------------

CXTPDialogBarCaptionPopupBar::CXTPDialogBarCaptionPopupBar()
{
    m_nPopupFlags = kCaptionMenuFlagsAtFirst;
}

void CXTPDialogBarCaptionPopupBar::UpdateFlags()
{
    CXTPPopupBar::UpdateFlags();
    m_nPopupFlags = kCaptionMenuFlags;
}

// ---- The caption popup ------------------------------------------------------------------

CXTPDialogBarCaptionPopup::CXTPDialogBarCaptionPopup() : m_bHasItems(FALSE)
{
    m_dwFlags = kCaptionPopupFlags;
}

void CXTPDialogBarCaptionPopup::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetCommandBarFont(GetParent()));
    CRect rc = GetRect();
    if (m_bHasItems)
    {
        pPaintManager->DrawControlEntry(pDC, this);
        const int x = rc.right - 9, y = rc.CenterPoint().y;
        pPaintManager->Triangle(pDC, CPoint(x, y + 2), CPoint(x - 4, y - 2), CPoint(x + 4, y - 2),
                                pDC->GetTextColor());
    }
    else
        pDC->SetTextColor(pPaintManager->GetColor(COLOR_BTNTEXT));
    pDC->SetBkMode(TRANSPARENT);
    rc.DeflateRect(kTextInset, 0, m_bHasItems ? kTextInsetWithArrow : kTextInset, 0);
    CString strCaption = GetCaption();
    CXTPPaintManager::StripMnemonics(strCaption);
    pDC->DrawText(strCaption, rc, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

BOOL CXTPDialogBarCaptionPopup::OnSetPopup(BOOL bPopup)
{
    if (!m_bHasItems)
        return TRUE;
    return CXTPControlPopup::OnSetPopup(bPopup);
}

// ---- The close button --------------------------------------------------------------------

void CXTPDialogBarCloseButton::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    pPaintManager->DrawControlEntry(pDC, this);
    CXTPPaintManager::DrawSymbolGlyph(pDC, "r", GetRect());
}

// ---- The dialog bar ------------------------------------------------------------------------

CXTPDialogBar::CXTPDialogBar()
    : m_rcBorders(3, 3, 3, 3), m_bResizable(TRUE), m_szMinClient(50, 50), m_bCaptionVisible(TRUE),
      m_bCaptionPopup(TRUE), m_nCaptionBottom(0), m_szDockingClient(200, 200), m_szFloatingClient(200, 200),
      m_hWndChild(NULL), m_pPopupBar(new CXTPDialogBarCaptionPopupBar)
{
    m_bCustomizable = FALSE;
}

CXTPDialogBar::~CXTPDialogBar()
{
    m_pPopupBar->InternalRelease();
}

void CXTPDialogBar::SetChild(CWnd* pChildWnd)
{
    m_hWndChild = pChildWnd->GetSafeHwnd();
    MovePane();
    DelayLayout();
}

void CXTPDialogBar::SetCaption(LPCTSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    DelayLayout();
}

BOOL CXTPDialogBar::SetCaptionPopup(UINT nIDMenu)
{
    CMenu menu;
    if (!XTPResourceManager()->LoadMenu(&menu, nIDMenu) || menu.GetSubMenu(0) == NULL)
        return FALSE;
    m_pPopupBar->SetCommandBars(GetCommandBars());
    BOOL bLoaded = m_pPopupBar->LoadMenu(menu.GetSubMenu(0));
    DelayLayout();
    return bLoaded;
}

void CXTPDialogBar::EnableCaptionPopup(BOOL bEnable)
{
    m_bCaptionPopup = bEnable;
    DelayLayout();
}

void CXTPDialogBar::SetSize(CSize szClient)
{
    m_szDockingClient = m_szFloatingClient = szClient;
    DelayLayout();
}

void CXTPDialogBar::SetDockingClientSize(CSize szClient)
{
    m_szDockingClient = szClient;
    DelayLayout();
}

void CXTPDialogBar::SetFloatingClientSize(CSize szClient)
{
    m_szFloatingClient = szClient;
    DelayLayout();
}

void CXTPDialogBar::SetCaptionVisible(BOOL bVisible)
{
    m_bCaptionVisible = bVisible;
    DelayLayout();
}

// ---- Layout ----------------------------------------------------------------------------------

CSize CXTPDialogBar::CalcDockingLayout(int nLength, DWORD dwMode, int)
{
    return CalcBarLayout(nLength, dwMode, m_szDockingClient);
}

CSize CXTPDialogBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcBarLayout(32000, dwMode, m_szFloatingClient);
}

CSize CXTPDialogBar::CalcBarLayout(int nLength, DWORD dwMode, CSize szClient)
{
    CSize size(m_rcBorders.left + m_rcBorders.right + szClient.cx,
               m_rcBorders.top + m_rcBorders.bottom + szClient.cy);
    CXTPControl* pClose = FindSpecialControl(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pCaption = FindSpecialControl(kCaptionPopupID);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (!m_bCaptionVisible || pPaintManager == NULL)
    {
        for (CXTPControl* pControl : {pClose, pCaption})
        {
            if (pControl != NULL)
                pControl->SetHideFlags(xtpHideGeneric);
        }
        m_nCaptionBottom = m_rcBorders.top;
        return size;
    }

    // The caption row: the gripper's height, and its width before the text.
    const CSize szGripper = MeasureGripper();
    const int h = szGripper.cy;
    m_nCaptionBottom = m_rcBorders.top + h;
    size.cy += h;
    if (dwMode & xtpLayoutStretch)
    {
        if (dwMode & xtpLayoutVertDock)
            size.cy = std::max((int)size.cy, nLength);
        else
            size.cx = std::max((int)size.cx, nLength);
    }
    if (dwMode & xtpLayoutHorz)
        size.cx = std::min((int)size.cx, nLength);
    else
        size.cy = std::min((int)size.cy, nLength);

    const int yButton = m_rcBorders.top + h / 2 - kButtonSize / 2;
    int x = size.cx - m_rcBorders.right;
    if (pClose == NULL && m_bCloseable)
    {
        pClose = new CXTPDialogBarCloseButton;
        m_pControls->AddControl(pClose, XTP_ID_TOOLBAR_HIDE, CString(), -1, TRUE);
    }
    if (m_bCloseable)
    {
        pClose->SetRect(CRect(x - kButtonSize, yButton, x, yButton + kButtonSize));
        pClose->SetHideFlags(xtpHideNone);
        x -= kButtonSize;
    }
    else if (pClose != NULL)
        pClose->SetHideFlags(xtpHideGeneric);

    CXTPDialogBarCaptionPopup* pPopup = DYNAMIC_DOWNCAST(CXTPDialogBarCaptionPopup, pCaption);
    if (pPopup == NULL)
    {
        pPopup = new CXTPDialogBarCaptionPopup;
        m_pControls->AddControl(pPopup, kCaptionPopupID, CString(), -1, TRUE);
        pPopup->SetCommandBar(m_pPopupBar);
    }
    pPopup->SetHasItems(m_bCaptionPopup && m_pPopupBar->GetControlCount() > 0);
    pPopup->SetRect(CRect(m_rcBorders.left + szGripper.cx, yButton, x, yButton + kButtonSize));
    pPopup->SetCaption(m_strCaption.IsEmpty() ? m_strTitle : m_strCaption);
    pPopup->SetHideFlags(xtpHideNone);

    if (dwMode & xtpLayoutCommit)
        MovePane();
    return size;
}

CRect CXTPDialogBar::GetPaneRect() const
{
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(m_rcBorders);
    rc.top = m_nCaptionBottom;
    return rc;
}

void CXTPDialogBar::MovePane()
{
    if (m_hWnd == NULL || m_hWndChild == NULL || !::IsWindow(m_hWndChild))
        return;
    CRect rc = GetPaneRect();
    ::SetWindowPos(m_hWndChild, NULL, rc.left, rc.top, std::max(0, rc.Width()), std::max(0, rc.Height()),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWndChild, NULL, FALSE);
}

void CXTPDialogBar::OnSize(UINT nType, int cx, int cy)
{
    CXTPToolBar::OnSize(nType, cx, cy);
    MovePane();
}

// Hidden (by its close button, by the program, with its frame's floating
// bars), the bar would leave the focus in its pane, where the system keeps
// it: keys would go on to a window no one sees. The site frame takes it, and
// gives it to its active view.
void CXTPDialogBar::OnWindowPosChanged(WINDOWPOS* pPos)
{
    CXTPToolBar::OnWindowPosChanged(pPos);
    const HWND hFocus = ::GetFocus();
    CWnd* pSite = GetOwnerSite();
    if ((pPos->flags & SWP_HIDEWINDOW) && hFocus != NULL && ::IsChild(m_hWnd, hFocus) && pSite != NULL
        && pSite->m_hWnd != NULL)
        pSite->SetFocus();
}

int CXTPDialogBar::PtInBar(POINT point) const
{
    CRect rc;
    GetWindowRect(&rc);
    rc.bottom = rc.top + m_nCaptionBottom;
    return rc.PtInRect(point) ? 1 : -2;
}

// ---- Resizing ----------------------------------------------------------------------------------

LRESULT CXTPDialogBar::OnNcHitTest(CPoint point)
{
    // A bar that is not resizable has no sizing edges, floating either.
    if (!m_bResizable)
        return CXTPCommandBar::OnNcHitTest(point);
    CRect rc;
    GetWindowRect(&rc);
    rc.DeflateRect(kSizingBand, kSizingBand);
    const BOOL bAbove = point.y < rc.top, bBelow = point.y >= rc.bottom;
    const BOOL bLeftOf = point.x < rc.left, bRightOf = point.x >= rc.right;
    if (m_barPosition == xtpBarFloating)
    {
        if (bAbove)
            return bLeftOf ? HTTOPLEFT : bRightOf ? HTTOPRIGHT : HTTOP;
        if (bBelow)
            return bLeftOf ? HTBOTTOMLEFT : bRightOf ? HTBOTTOMRIGHT : HTBOTTOM;
        if (bLeftOf)
            return HTLEFT;
        if (bRightOf)
            return HTRIGHT;
        return CXTPToolBar::OnNcHitTest(point);
    }
    // Docked: the edge that faces the client area, and the far end of the
    // bar unless it stretches over its row.
    const BOOL bStretched = (m_dwFlags & xtpFlagStretched) != 0;
    const BOOL bVerticalDock = m_barPosition == xtpBarLeft || m_barPosition == xtpBarRight;
    if (m_barPosition == xtpBarBottom ? bAbove : (bBelow && !(bStretched && bVerticalDock)))
        return m_barPosition == xtpBarBottom ? HTTOP : HTBOTTOM;
    if (m_barPosition == xtpBarRight ? bLeftOf : (bRightOf && !(bStretched && !bVerticalDock)))
        return m_barPosition == xtpBarRight ? HTLEFT : HTRIGHT;
    return CXTPToolBar::OnNcHitTest(point);
}

void CXTPDialogBar::ResizeTo(CRect rc, int nHitTest)
{
    const int nCaption = m_nCaptionBottom - m_rcBorders.top;
    const CSize szClient(rc.Width() - m_rcBorders.left - m_rcBorders.right,
                         rc.Height() - m_rcBorders.top - m_rcBorders.bottom - nCaption);
    if (szClient.cx < m_szMinClient.cx || szClient.cy < m_szMinClient.cy)
        return;
    if (m_barPosition != xtpBarFloating)
    {
        if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
            m_szDockingClient.cx = szClient.cx;
        else
            m_szDockingClient.cy = szClient.cy;
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (pCommandBars != NULL)
            pCommandBars->RecalcFrameLayout();
        return;
    }
    m_szFloatingClient = szClient;
    CalcDynamicLayout(-1, xtpLayoutHorz | xtpLayoutMRUWidth | xtpLayoutCommit);
    MoveWindow(rc);
    Invalidate(FALSE);
}
