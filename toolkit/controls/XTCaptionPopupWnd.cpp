#include "toolkit/controls/XTCaptionPopupWnd.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/foundation/XTThemeManager.h"

IMPLEMENT_DYNCREATE(CXTCaptionPopupWnd, CWnd)

BEGIN_MESSAGE_MAP(CXTCaptionPopupWnd, CWnd)
ON_WM_DESTROY()
ON_BN_CLICKED(XT_IDC_CAPTION_BUTTON, OnPushPin)
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const char kPopupClassName[] = "XTCaptionPopupWnd";
const CSize kPinSize(16, 15);
const int kStripHeight = 19;

} // namespace

CXTCaptionPopupWnd::CXTCaptionPopupWnd()
    : m_pNotifyWnd(NULL), m_pChildWnd(NULL), m_hWndChildParent(NULL), m_bEnding(FALSE)
{
    WNDCLASSA wc;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInstance, kPopupClassName, &wc))
        return;
    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kPopupClassName;
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
}

CXTCaptionPopupWnd::~CXTCaptionPopupWnd()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CXTCaptionPopupWnd::LoadIcons()
{
    CBitmap bitmap;
    CImageList images;
    if (!XTPResourceManager()->LoadBitmap(&bitmap, XT_IDB_CAPTION_BUTTONS)
        || !images.Create(kPinSize.cx, kPinSize.cy, ILC_MASK | ILC_COLOR8, 0, 1)
        || images.Add(&bitmap, RGB(255, 0, 255)) < 0)
        return FALSE;
    m_iconNormal = images.ExtractIcon(0);
    m_iconPushed = images.ExtractIcon(1);
    images.DeleteImageList();
    return m_btnPushPin.SetIcon(kPinSize, (HICON)m_iconNormal, (HICON)m_iconPushed, TRUE);
}

BOOL CXTCaptionPopupWnd::Create(const CRect& rect, CWnd* pParentWnd, CWnd* pChildWnd)
{
    if (pParentWnd == NULL || !::IsWindow(pParentWnd->m_hWnd))
        return FALSE;
    m_pNotifyWnd = pParentWnd;
    if (pChildWnd == NULL || !::IsWindow(pChildWnd->m_hWnd))
        return FALSE;
    m_pChildWnd = pChildWnd;
    if (!CreateEx(WS_EX_TOOLWINDOW, kPopupClassName, "", WS_POPUP | WS_VISIBLE | WS_DLGFRAME, rect,
                  pParentWnd, 0))
        return FALSE;
    m_hWndChildParent = ::SetParent(m_pChildWnd->m_hWnd, m_hWnd);

    CString strTitle;
    XTPResourceManager()->LoadString(&strTitle, XT_IDS_CAPTION_POPUP);
    if (!m_wndCaption.CreateCaption(this, strTitle, CaptionStyleRaised,
                                    WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, CRect(0, 0, 0, 0), 0xFFFF))
        return FALSE;
    m_wndCaption.CXTThemeManagerStyleHost::SetTheme(0);

    if (!m_btnPushPin.Create(NULL, WS_VISIBLE | BS_OWNERDRAW | BS_ICON | BS_CENTER | BS_VCENTER,
                             CRect(0, 0, 0, 0), this, XT_IDC_CAPTION_BUTTON))
        return FALSE;
    LoadIcons();
    if (XTThemeManager()->GetTheme() != 0)
        m_btnPushPin.SetXButtonStyle((m_btnPushPin.GetXButtonStyle() | ButtonStyleOfficeXP)
                                     & ~ButtonStyleFlat);
    SetTimer(TimerFocus, FocusElapse);
    return TRUE;
}

void CXTCaptionPopupWnd::LayoutPopup()
{
    CXTPClientRect rcClient(this);
    rcClient.DeflateRect(2, 2);
    CRect rcChild(rcClient);
    rcChild.top += kStripHeight;
    CRect rcStrip(rcClient);
    rcStrip.bottom = rcStrip.top + kStripHeight;
    CRect rcPin(rcStrip);
    rcPin.DeflateRect(2, 2);
    rcPin.left = rcPin.right - kPinSize.cx;
    if (m_pChildWnd != NULL && ::IsWindow(m_pChildWnd->m_hWnd))
        m_pChildWnd->MoveWindow(rcChild, TRUE);
    m_wndCaption.MoveWindow(rcStrip, TRUE);
    m_btnPushPin.MoveWindow(rcPin, TRUE);
}

BOOL CXTCaptionPopupWnd::RestoreChild()
{
    if (m_pChildWnd == NULL || !::IsWindow(m_pChildWnd->m_hWnd) || !::IsWindow(m_hWndChildParent))
        return FALSE;
    ::SetParent(m_pChildWnd->m_hWnd, m_hWndChildParent);
    return TRUE;
}

void CXTCaptionPopupWnd::PostToCaption(UINT message)
{
    // One end only: the caption destroys the popup at its first message.
    KillTimer(TimerFocus);
    m_bEnding = TRUE;
    m_pNotifyWnd->PostMessage(message, 0, 0);
}

BOOL CXTCaptionPopupWnd::CheckFocusLost()
{
    HWND hFocus = ::GetFocus();
    if (m_bEnding || hFocus == m_wndCaption.m_hWnd || hFocus == m_btnPushPin.m_hWnd || hFocus == m_hWnd
        || (m_pChildWnd != NULL && hFocus == m_pChildWnd->m_hWnd) || !::IsWindow(m_pNotifyWnd->GetSafeHwnd()))
        return FALSE;
    PostToCaption(WM_CAPTION_POPUP_CLOSED);
    return TRUE;
}

void CXTCaptionPopupWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TimerFocus)
        CheckFocusLost();
    else
        CWnd::OnTimer(nIDEvent);
}

void CXTCaptionPopupWnd::OnPushPin()
{
    if (!m_bEnding && ::IsWindow(m_pNotifyWnd->GetSafeHwnd()))
        PostToCaption(WM_CAPTION_POPUP_PINNED);
}

void CXTCaptionPopupWnd::OnPaint()
{
    CPaintDC dc(this);
    CXTPClientRect rcClient(this);
    rcClient.DeflateRect(1, 1);
    dc.Draw3dRect(rcClient, XTPGetColor(COLOR_3DSHADOW), XTPGetColor(COLOR_3DHILIGHT));
    m_wndCaption.Invalidate();
}

void CXTCaptionPopupWnd::OnDestroy()
{
    RestoreChild();
    CWnd::OnDestroy();
}
