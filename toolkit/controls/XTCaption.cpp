#include "toolkit/controls/XTCaption.h"
#include "toolkit/controls/XTSharedTheme.h"
#include "toolkit/controls/XTCaptionPopupWnd.h"
#include "toolkit/controls/XTCaptionTheme.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CXTCaption, CStatic)

BEGIN_MESSAGE_MAP(CXTCaption, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SYSCOLORCHANGE()
ON_BN_CLICKED(XT_IDC_CAPTION_BUTTON, OnCaptionButton)
ON_MESSAGE(WM_CAPTION_POPUP_PINNED, OnPopupPinned)
ON_MESSAGE(WM_CAPTION_POPUP_CLOSED, OnPopupClosed)
END_MESSAGE_MAP()

namespace {

// The close button's size and the images of its bitmap.
const CSize kCloseButtonSize(16, 15);
const int kCloseImage = 2;

} // namespace

// ---- caption button ----

DWORD CXTCaptionButton::SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw)
{
    CXTCaption* pCaption = DYNAMIC_DOWNCAST(CXTCaption, GetParent());
    if (pCaption == NULL)
        return CXTButton::SetXButtonStyle(dwxStyle, bRedraw);
    SetColorFace(pCaption->GetFaceColor());
    SetColorText(pCaption->GetTextColor());
    SetColorShadow(XTPGetColor(COLOR_3DDKSHADOW));
    SetFont(pCaption->GetFont(), FALSE);
    if (bRedraw)
        Invalidate(TRUE);
    return GetXButtonStyle();
}

// ---- caption ----

CXTCaption::CXTCaption()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTCaptionThemeFactory)), m_nBorderSize(0),
      m_nChildHeightOffset(0), m_bUserColors(0), m_pChildWnd(NULL), m_hWndParent(NULL),
      m_hWndGrandParent(NULL),
      m_sizeIcon(std::min(XTAuxData()->cxSmIcon, 16), std::min(XTAuxData()->cySmIcon, 16)),
      m_dwCaptionStyle(0), m_hIcon(NULL), m_pPopup(NULL)
{
    SetSystemColors();
}

CXTCaption::~CXTCaption()
{
    DestroyPopup();
}

CXTCaptionTheme* CXTCaption::GetTheme()
{
    return XTSharedTheme<CXTCaptionTheme>(RUNTIME_CLASS(CXTCaptionThemeFactory));
}

void CXTCaption::SetTheme(int nTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTCaptionThemeFactory), nTheme);
}

void CXTCaption::SetTheme(CXTThemeManagerStyle* pTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTCaptionThemeFactory), pTheme);
}

CXTCaptionTheme* CXTCaption::GetCaptionTheme()
{
    return static_cast<CXTCaptionTheme*>(GetSafeTheme());
}

void CXTCaption::EnableOffice2003Look(BOOL bEnable)
{
    m_bUserColors = (BYTE)(bEnable != FALSE);
    CXTThemeManagerStyleHost::SetTheme(bEnable ? new CXTCaptionThemeOffice2003(TRUE) : NULL);
}

void CXTCaption::SetSystemColors()
{
    m_clrText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrBorder = ::GetSysColor(COLOR_BTNFACE);
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
}

void CXTCaption::GiveButtonColors()
{
    if (!HasButton())
        return;
    m_btnCaption.SetColorFace(m_clrFace);
    m_btnCaption.SetColorText(m_clrText);
    m_btnCaption.SetColorShadow(XTPGetColor(COLOR_3DDKSHADOW));
}

void CXTCaption::SetCaptionColors(COLORREF clrBorder, COLORREF clrFace, COLORREF clrText)
{
    m_bUserColors = 1;
    m_clrBorder = clrBorder;
    m_clrFace = clrFace;
    m_clrText = clrText;
    GiveButtonColors();
}

void CXTCaption::ModifyCaptionStyle(int nBorderSize, CFont* pFont, LPCTSTR lpszText, HICON hIcon)
{
    if (nBorderSize != 0)
        m_nBorderSize = nBorderSize;
    if (pFont != NULL)
    {
        SetFont(pFont, TRUE);
        if (HasButton())
            m_btnCaption.SetFont(pFont, TRUE);
    }
    if (lpszText != NULL)
        m_strCaption = lpszText;
    if (hIcon != NULL)
        m_hIcon = hIcon;
    Invalidate(TRUE);
}

BOOL CXTCaption::CreateCaption(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwExStyle, DWORD dwStyle,
                               const CRect& rect, UINT nID)
{
    if (!Create(NULL, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    SetFont(&XTAuxData()->font, TRUE);
    m_dwCaptionStyle = dwExStyle & 7;
    if (dwExStyle & ~7)
        ModifyStyleEx(0, dwExStyle & ~7);
    m_strCaption = lpszText != NULL ? lpszText : "";

    if ((m_dwCaptionStyle & CaptionStyleCloseButton) == 0)
    {
        if (!m_btnCaption.Create(m_strCaption, BS_OWNERDRAW | BS_ICON | BS_VCENTER, CRect(0, 0, 0, 0), this,
                                 XT_IDC_CAPTION_BUTTON))
            return FALSE;
    }
    else
    {
        if (!m_btnCaption.Create(NULL, WS_VISIBLE | BS_OWNERDRAW | BS_ICON | BS_CENTER | BS_VCENTER,
                                 CRect(0, 0, 0, 0), this, XT_IDC_CAPTION_BUTTON))
            return FALSE;
        CBitmap bitmap;
        if (m_imageList.GetSafeHandle() == NULL
            && XTPResourceManager()->LoadBitmap(&bitmap, XT_IDB_CAPTION_BUTTONS)
            && m_imageList.Create(kCloseButtonSize.cx, kCloseButtonSize.cy, ILC_COLOR24 | ILC_MASK, 3, 1))
            m_imageList.Add(&bitmap, RGB(255, 0, 255));
        HICON hClose = m_imageList.GetSafeHandle() != NULL ? m_imageList.ExtractIcon(kCloseImage) : NULL;
        if (hClose != NULL)
        {
            m_btnCaption.SetIcon(kCloseButtonSize, hClose, NULL, TRUE);
            ::DestroyIcon(hClose);
        }
    }
    OnThemeChanged();
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOZORDER);
    return TRUE;
}

void CXTCaption::OnThemeChanged()
{
    CXTCaptionTheme* pTheme = GetCaptionTheme();
    if (pTheme == NULL || !::IsWindow(m_hWnd))
        return;
    m_btnCaption.CXTThemeManagerStyleHost::SetTheme(pTheme->CreateButtonTheme(this));
    if (HasButton())
        m_btnCaption.SetXButtonStyle(0, FALSE);
    Invalidate(TRUE);
}

// ---- geometry ----

void CXTCaption::CalcTextRect(CRect& rect)
{
    if (m_strCaption.IsEmpty())
    {
        rect.SetRectEmpty();
        return;
    }
    HDC hScreen = ::GetDC(NULL);
    CFont* pFont = GetFont();
    HGDIOBJ hOldFont =
        ::SelectObject(hScreen, pFont != NULL ? pFont->GetSafeHandle() : ::GetStockObject(SYSTEM_FONT));
    SIZE sizeText;
    ::GetTextExtentPoint32A(hScreen, m_strCaption, m_strCaption.GetLength(), &sizeText);
    TEXTMETRICA tm;
    ::GetTextMetricsA(hScreen, &tm);
    ::SelectObject(hScreen, hOldFont);
    ::ReleaseDC(NULL, hScreen);

    CXTPClientRect rcClient(this);
    int nLimit = rcClient.Width() - (m_hIcon != NULL ? 18 : 0);
    int nWidth = std::min((int)(sizeText.cx + tm.tmAveCharWidth + 12), nLimit);
    int b = m_nBorderSize;
    rect.SetRect(b, b, b + nWidth, rcClient.Height() - b);
}

void CXTCaption::GetButtonRect(CRect& rect)
{
    if (!HasButton())
    {
        rect.SetRectEmpty();
        return;
    }
    if (m_dwCaptionStyle & CaptionStyleCloseButton)
    {
        CXTPClientRect rcClient(this);
        int x = rcClient.Width() - kCloseButtonSize.cx - 2;
        int y = (rcClient.Height() - kCloseButtonSize.cy) / 2;
        rect.SetRect(x, y, x + kCloseButtonSize.cx, y + kCloseButtonSize.cy);
        return;
    }
    CalcTextRect(rect);
}

// ---- drawing ----

void CXTCaption::DrawCaptionBack(CDC* pDC, CRect& rect)
{
    if (CXTCaptionTheme* pTheme = GetCaptionTheme())
        pTheme->DrawCaptionBack(pDC, this, rect);
}

void CXTCaption::DrawCaptionText(CDC* pDC)
{
    if (CXTCaptionTheme* pTheme = GetCaptionTheme())
        pTheme->DrawCaptionText(pDC, this);
}

void CXTCaption::DrawCaptionIcon(CDC* pDC, CRect& rect)
{
    if (CXTCaptionTheme* pTheme = GetCaptionTheme())
        pTheme->DrawCaptionIcon(pDC, this, rect);
}

void CXTCaption::RefreshCaptionText(CDC* pDC)
{
    if (HasButton())
    {
        m_btnCaption.SetWindowText(m_strCaption);
        CRect rcButton;
        GetButtonRect(rcButton);
        m_btnCaption.MoveWindow(rcButton, TRUE);
    }
    DrawCaptionText(pDC);
}

void CXTCaption::UpdateCaption(LPCTSTR lpszText, HICON hIcon)
{
    CDC* pDC = GetWindowDC();
    CXTPClientRect rcClient(this);
    DrawCaptionBack(pDC, rcClient);
    if (lpszText != NULL)
    {
        m_strCaption = lpszText;
        RefreshCaptionText(pDC);
    }
    if (hIcon != NULL)
    {
        m_hIcon = hIcon;
        DrawCaptionIcon(pDC, rcClient);
    }
    ReleaseDC(pDC);
}

void CXTCaption::OnPaint()
{
    CPaintDC dc(this);
    CXTPClientRect rcClient(this);
    if (HasButton() && m_btnCaption.IsWindowVisible())
    {
        CRect rcButton;
        m_btnCaption.GetWindowRect(&rcButton);
        ScreenToClient(&rcButton);
        dc.ExcludeClipRect(rcButton);
    }
    CXTMemDC memDC(&dc, rcClient, ::GetSysColor(COLOR_BTNFACE));
    DrawCaptionBack(&memDC, rcClient);
    DrawCaptionText(&memDC);
    DrawCaptionIcon(&memDC, rcClient);
}

BOOL CXTCaption::OnEraseBkgnd(CDC* /*pDC*/)
{
    return FALSE;
}

void CXTCaption::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (m_hIcon != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CXTCaption::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CStatic::OnWindowPosChanged(lpwndpos);
    if (HasButton())
    {
        CRect rcButton;
        GetButtonRect(rcButton);
        m_btnCaption.MoveWindow(rcButton, TRUE);
    }
}

void CXTCaption::OnSysColorChange()
{
    CStatic::OnSysColorChange();
    if (m_bUserColors)
        return;
    SetSystemColors();
    GiveButtonColors();
}

// ---- the button and the popup ----

void CXTCaption::NotifyOwner(UINT message)
{
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL && ::IsWindow(pOwner->m_hWnd))
        pOwner->SendMessage(message, 0, 0);
}

void CXTCaption::OnCaptionButton()
{
    if (m_dwCaptionStyle & CaptionStyleCloseButton)
    {
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && ::IsWindow(pOwner->m_hWnd))
            pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
        return;
    }
    ShowPopup();
}

void CXTCaption::SetChildWindow(CWnd* pChild, CWnd* pNotifyWnd)
{
    SetOwner(pNotifyWnd);
    m_pChildWnd = pChild;
    m_hWndParent = ::GetParent(pChild->GetSafeHwnd());
    m_hWndGrandParent = m_hWndParent != NULL ? ::GetParent(m_hWndParent) : NULL;
    pChild->GetClientRect(&m_rcChild);
    ::GetClientRect(m_hWndParent, &m_rcParent);
    ::GetClientRect(m_hWndGrandParent, &m_rcGrandParent);
    m_nChildHeightOffset = m_rcParent.Height() - m_rcChild.Height();
    m_btnCaption.ShowWindow(SW_SHOW);
    m_btnCaption.UpdateWindow();
    m_rcParent.InflateRect(2 * ::GetSystemMetrics(SM_CXEDGE), 2 * ::GetSystemMetrics(SM_CYEDGE));
}

BOOL CXTCaption::ShowPopup()
{
    if (m_pPopup != NULL && ::IsWindow(m_pPopup->m_hWnd) && m_pPopup->IsWindowVisible())
        return TRUE;
    if (m_pPopup == NULL)
    {
        m_pPopup = new CXTCaptionPopupWnd;
        if (!m_pPopup->Create(CRect(0, 0, 0, 0), this, m_pChildWnd))
        {
            delete m_pPopup;
            m_pPopup = NULL;
            return FALSE;
        }
    }
    if (!::IsWindow(m_hWndParent) || !::IsWindow(m_hWndGrandParent))
        return FALSE;
    CRect rcPopup(m_rcParent);
    ::ClientToScreen(m_hWndParent, (LPPOINT)&rcPopup.left);
    ::ClientToScreen(m_hWndParent, (LPPOINT)&rcPopup.right);
    CRect rcGrandParent;
    ::GetClientRect(m_hWndGrandParent, &rcGrandParent);
    rcPopup.bottom += rcGrandParent.Height() - m_rcGrandParent.Height();
    m_pPopup->MoveWindow(rcPopup, TRUE);
    m_pPopup->ShowWindow(SW_SHOW);
    m_pPopup->LayoutPopup();
    m_btnCaption.SetState(TRUE);
    return TRUE;
}

void CXTCaption::DestroyPopup()
{
    CXTCaptionPopupWnd* pPopup = m_pPopup;
    m_pPopup = NULL;
    if (pPopup == NULL)
        return;
    if (::IsWindow(pPopup->m_hWnd))
        pPopup->DestroyWindow();
    delete pPopup;
}

void CXTCaption::ClosePopup()
{
    if (HasButton())
    {
        m_btnCaption.ShowWindow(SW_HIDE);
        m_btnCaption.SetState(FALSE);
    }
    DestroyPopup();
}

// The popup posts its messages, so it is never destroyed inside its own call;
// a message that arrives after the popup has gone is a leftover and dropped.
LRESULT CXTCaption::OnPopupPinned(WPARAM, LPARAM)
{
    if (m_pPopup == NULL)
        return 0;
    ClosePopup();
    if (m_pChildWnd != NULL && ::IsWindow(m_pChildWnd->m_hWnd) && ::IsWindow(m_hWndParent))
    {
        CRect rcChild;
        ::GetClientRect(m_hWndParent, &rcChild);
        rcChild.top += m_nChildHeightOffset;
        m_pChildWnd->MoveWindow(rcChild, TRUE);
    }
    NotifyOwner(WM_CAPTION_POPUP_PINNED);
    Invalidate(TRUE);
    return 0;
}

LRESULT CXTCaption::OnPopupClosed(WPARAM, LPARAM)
{
    if (m_pPopup == NULL)
        return 0;
    if (HasButton())
        m_btnCaption.SetState(FALSE);
    DestroyPopup();
    NotifyOwner(WM_CAPTION_POPUP_CLOSED);
    Invalidate(TRUE);
    return 0;
}
