#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTButtonTheme.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/foundation/XTUtilities.h"

IMPLEMENT_DYNCREATE(CXTButton, CButton)

BEGIN_MESSAGE_MAP(CXTButton, CButton)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

HICON LoadIconResource(UINT nID, CSize size)
{
    LPCTSTR lpszName = MAKEINTRESOURCE(nID);
    return (HICON)::LoadImageA(AfxFindResourceHandle(lpszName, RT_GROUP_ICON), lpszName, IMAGE_ICON, size.cx,
                               size.cy, 0);
}

// The owner-draw type replaces the button type of the style.
void MakeOwnerDrawn(HWND hWnd)
{
    ::SetWindowLongA(hWnd, GWL_STYLE, ::GetWindowLongA(hWnd, GWL_STYLE) | BS_OWNERDRAW);
}

} // namespace

CXTButton::CXTButton()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTButtonThemeFactory)), m_nBorderGap(4), m_nImageGap(8),
      m_bHot(FALSE), m_bUserPosition(FALSE), m_bLBtnDown(FALSE), m_bHover(FALSE), m_bPushedLook(FALSE),
      m_dwxStyle(ButtonStyleFlat), m_sizeImage(0, 0), m_ptImage(0, 0), m_ptText(0, 0), m_pIcon(NULL)
{}

CXTButton::~CXTButton()
{
    DeleteIcon();
}

void CXTButton::DeleteIcon()
{
    if (m_pIcon == NULL)
        return;
    m_pIcon->Refresh();
    delete m_pIcon;
    m_pIcon = NULL;
}

CXTButtonTheme* CXTButton::GetTheme()
{
    return static_cast<CXTButtonTheme*>(GetSafeTheme());
}

BOOL CXTButton::HasTheme()
{
    return GetTheme() != NULL;
}

void CXTButton::OnThemeChanged()
{
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

void CXTButton::RedrawIfAsked(BOOL bRedraw)
{
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->DrawItem(lpDrawItemStruct, this);
}

// ---- images ----

BOOL CXTButton::SetIcon(CSize size, UINT nID, UINT nHotID, BOOL bRedraw)
{
    HICON hIcon = LoadIconResource(nID, size);
    if (hIcon == NULL)
        return FALSE;
    HICON hIconHot = NULL;
    if (nHotID != 0)
    {
        hIconHot = LoadIconResource(nHotID, size);
        if (hIconHot == NULL)
        {
            ::DestroyIcon(hIcon);
            return FALSE;
        }
    }
    BOOL bResult = SetIcon(size, hIcon, hIconHot, bRedraw);
    ::DestroyIcon(hIcon);
    if (hIconHot != NULL)
        ::DestroyIcon(hIconHot);
    return bResult;
}

BOOL CXTButton::SetIcon(CSize size, HICON hIcon, HICON hIconHot, BOOL bRedraw)
{
    m_sizeImage = (size.cx == 0 && size.cy == 0) ? CXTPImageManagerIcon::GetExtent(hIcon) : size;
    DeleteIcon();
    m_pIcon = new CXTPImageManagerIcon(0, m_sizeImage.cx, m_sizeImage.cy);
    m_pIcon->SetIcon(CXTPImageManagerIconHandle(hIcon));
    if (hIconHot != NULL)
        m_pIcon->SetHotIcon(CXTPImageManagerIconHandle(hIconHot));
    RedrawIfAsked(bRedraw);
    return TRUE;
}

BOOL CXTButton::SetBitmap(CSize size, UINT nID, BOOL bRedraw)
{
    RefreshImages();
    if (CXTPImageManagerIcon::IsAlphaBitmapResource(nID))
    {
        HBITMAP hBitmap = CXTPImageManagerIcon::LoadAlphaBitmap(nID);
        if (hBitmap == NULL)
            return FALSE;
        CXTPImageManagerIconHandle image(hBitmap);
        m_sizeImage = (size.cx == 0 && size.cy == 0) ? image.GetExtent() : size;
        DeleteIcon();
        m_pIcon = new CXTPImageManagerIcon(0, m_sizeImage.cx, m_sizeImage.cy);
        m_pIcon->SetIcon(image);
        ::DeleteObject(hBitmap);
        RedrawIfAsked(bRedraw);
        return TRUE;
    }

    CBitmap bitmap;
    LPCTSTR lpszName = MAKEINTRESOURCE(nID);
    HBITMAP hBitmap = ::LoadBitmapA(AfxFindResourceHandle(lpszName, RT_BITMAP), lpszName);
    if (hBitmap == NULL)
        return FALSE;
    bitmap.Attach(hBitmap);
    BITMAP info;
    bitmap.GetBitmap(&info);

    // The top-left pixel is the transparent colour of the image.
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    COLORREF clrMask = dc.GetPixel(0, 0);
    dc.SelectObject(pOld);

    CImageList images;
    images.Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
    images.Add(&bitmap, clrMask);
    HICON hIcon = images.ExtractIcon(0);
    if (hIcon == NULL)
        return FALSE;
    BOOL bResult = SetIcon(size, hIcon, NULL, bRedraw);
    ::DestroyIcon(hIcon);
    return bResult;
}

void CXTButton::RefreshImages()
{
    if (m_pIcon != NULL)
        m_pIcon->Refresh();
}

BOOL CXTButton::SetTextAndImagePos(CPoint ptImage, CPoint ptText, BOOL bRedraw)
{
    m_ptImage = ptImage;
    m_ptText = ptText;
    RedrawIfAsked(bRedraw);
    m_bUserPosition = TRUE;
    return TRUE;
}

CSize CXTButton::GetImageSize()
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != NULL && pTheme->GetShowImages() ? m_sizeImage : CSize(0, 0);
}

CPoint CXTButton::GetImagePos()
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != NULL && pTheme->GetShowImages() ? m_ptImage : CPoint(0, 0);
}

CPoint CXTButton::GetTextPos()
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != NULL && pTheme->GetShowImages() ? m_ptText : CPoint(0, 0);
}

// ---- style and colours ----

DWORD CXTButton::SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw)
{
    DWORD dwOldStyle = m_dwxStyle;
    m_dwxStyle = dwxStyle;
    if (dwxStyle & ButtonStyleOfficeXP)
    {
        CXTButtonTheme* pTheme = new CXTButtonThemeOfficeXP(FALSE);
        pTheme->SetThemeId(1);
        CXTThemeManagerStyleHost::SetTheme(pTheme);
    }
    else if (dwxStyle & ButtonStyleFlat)
        CXTThemeManagerStyleHost::SetTheme(new CXTButtonTheme);
    else
        CXTThemeManagerStyleHost::SetTheme((CXTThemeManagerStyle*)NULL);
    RedrawIfAsked(bRedraw);
    return dwOldStyle;
}

void CXTButton::SetButtonColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetButtonColors(clrFace, clrHilite, clrShadow, clrText);
}

void CXTButton::SetColorFace(COLORREF clr)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetColorFace(clr);
}

COLORREF CXTButton::GetColorFace()
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != NULL ? pTheme->GetColorFace() : XTAuxData()->clr3DFace;
}

void CXTButton::SetColorHilite(COLORREF clr)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetColorHilite(clr);
}

void CXTButton::SetColorShadow(COLORREF clr)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetColorShadow(clr);
}

void CXTButton::SetColorText(COLORREF clr)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetColorText(clr);
}

void CXTButton::SetXPColors(COLORREF clrBorder, COLORREF clrHotFace, COLORREF clrPressedFace)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == NULL || pTheme->GetThemeId() != 1)
        return;
    CXTButtonThemeOfficeXP* pThemeXP = static_cast<CXTButtonThemeOfficeXP*>(pTheme);
    pThemeXP->SetColorHilite(clrBorder);
    pThemeXP->SetColorShadow(clrBorder);
    pThemeXP->SetHotFace(clrHotFace);
    pThemeXP->SetPressedFace(clrPressedFace);
}

void CXTButton::ToggleShowImages()
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetShowImages(!pTheme->GetShowImages());
    RedrawIfAsked(TRUE);
}

CFont* CXTButton::SetButtonFont(CFont* pFont)
{
    CFont* pOldFont = GetFont();
    SetFont(pFont, TRUE);
    return pOldFont;
}

CString CXTButton::GetButtonText(BOOL bRemoveMnemonics)
{
    CString strText;
    if (::IsWindow(m_hWnd))
        GetWindowText(strText);
    if (bRemoveMnemonics)
        XTStripMnemonics(strText);
    return strText;
}

// ---- messages ----

void CXTButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    MakeOwnerDrawn(m_hWnd);
}

int CXTButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    MakeOwnerDrawn(m_hWnd);
    return 0;
}

void CXTButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme != NULL && pTheme->IsHotTracking(this))
    {
        SetTimer(TimerHover, HoverElapse);
        CheckHover();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CXTButton::CheckHover()
{
    CXTPWindowRect rcWindow(this);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (!m_bLBtnDown && rcWindow.PtInRect(ptCursor))
    {
        CXTButtonTheme* pTheme = GetTheme();
        if (pTheme != NULL && pTheme->IsHotTracking(this) && !m_bHover)
        {
            m_bHot = TRUE;
            Invalidate(TRUE);
            m_bHover = TRUE;
        }
        return;
    }
    KillTimer(TimerHover);
    m_bHot = FALSE;
    if (m_bHover)
        Invalidate(TRUE);
    m_bHover = FALSE;
}

void CXTButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TimerHover)
        CheckHover();
    else
        CButton::OnTimer(nIDEvent);
}

void CXTButton::SetButtonDown(BOOL bDown)
{
    if (m_bLBtnDown == bDown)
        return;
    m_bLBtnDown = bDown;
    Invalidate(TRUE);
}

void CXTButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetButtonDown(TRUE);
    CButton::OnLButtonDown(nFlags, point);
}

void CXTButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    SetButtonDown(FALSE);
    CButton::OnLButtonUp(nFlags, point);
}

// An owner-drawn button answers a double click with BN_DOUBLECLICKED only:
// pressing it again first makes the second click a click of its own.
void CXTButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y));
    CButton::OnLButtonDblClk(nFlags, point);
}

BOOL CXTButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    return FALSE;
}

void CXTButton::OnPaint()
{
    CPaintDC dc(this);
    CXTPClientRect rcClient(this);
    CXTMemDC memDC(&dc, rcClient, ::GetSysColor(COLOR_BTNFACE));
    DefWindowProc(WM_PAINT, (WPARAM)memDC.GetSafeHdc(), 0);
}

void CXTButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
}
