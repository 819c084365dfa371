#include "toolkit/commandbars/shadows/XTPDropShadows.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/shadows/XTPShadowStrips.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>

namespace {

CXTPDropShadows* g_pDropShadows = NULL;

void BuildDropShadows()
{
    if (g_pDropShadows == NULL)
        g_pDropShadows = new CXTPDropShadows;
}

void DestroyDropShadows()
{
    delete g_pDropShadows;
    g_pDropShadows = NULL;
}

// The paint manager that draws the window: a bar's own, else the current one.
CXTPPaintManager* PaintManagerOf(CWnd* pWnd)
{
    CXTPCommandBar* pBar = DYNAMIC_DOWNCAST(CXTPCommandBar, pWnd);
    return pBar != NULL ? pBar->GetPaintManager() : XTPPaintManager();
}

BOOL IsThemedShadow(CWnd* pWnd)
{
    CXTPPaintManager* pPaintManager = PaintManagerOf(pWnd);
    return pPaintManager != NULL && pPaintManager->IsThemedShadow();
}

BOOL IsSystemDropShadowOn()
{
    BOOL bDropShadow = FALSE;
    return ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &bDropShadow, 0) && bDropShadow;
}

// Which way the shadows go, bottom strip first.
const BOOL kStrips[2] = {TRUE, FALSE};

} // namespace

XTP_STARTUP_ENTRY(DropShadows, xtpStartupShadowManager, BuildDropShadows, DestroyDropShadows);

CXTPDropShadows* XTPDropShadows()
{
    BuildDropShadows();
    return g_pDropShadows;
}

// ---- One shadow strip ------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPDropShadowWnd, CWnd)
ON_WM_SIZE()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CXTPDropShadowWnd::CXTPDropShadowWnd(CXTPDropShadows* pManager, BOOL bHorizontal, BOOL bThemed, CWnd* pOwner)
    : m_pManager(pManager), m_bHorizontal(bHorizontal), m_bThemed(bThemed), m_pOwner(pOwner)
{}

BOOL CXTPDropShadowWnd::CreateShadowWindow()
{
    if (m_hWnd != NULL)
        return TRUE;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, lpszClass, NULL, WS_POPUP, 0, 0, 0, 0, NULL,
                  NULL))
        return FALSE;
    ::SetWindowRgn(m_hWnd, NULL, FALSE);
    return TRUE;
}

void CXTPDropShadowWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdateLayeredPicture(cx, cy);
}

LRESULT CXTPDropShadowWnd::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

void CXTPDropShadowWnd::UpdateLayeredPicture(int cx, int cy)
{
    CXTPDropShadows::PFNUPDATELAYEREDWINDOW pfnUpdate = m_pManager->GetUpdateLayeredWindow();
    if (cx <= 0 || cy <= 0 || pfnUpdate == NULL || m_pOwner == NULL)
        return;
    CXTPPaintManager* pPaintManager = PaintManagerOf(m_pOwner);
    const COLORREF clrBase = pPaintManager != NULL ? pPaintManager->GetShadowColor() : RGB(0, 0, 0);
    const std::vector<DWORD> pixels = ShadowStripPixels(m_bHorizontal, cx, cy, clrBase, m_bThemed ? 1 : 2);

    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy; // bottom-up: the last row of the picture first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = cx * cy * 4;
    DWORD* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, (void**)&pBits, NULL, 0);
    if (hBitmap == NULL || pBits == NULL)
        return;
    for (int y = 0; y < cy; y++)
        std::copy(pixels.begin() + y * cx, pixels.begin() + (y + 1) * cx, pBits + (cy - 1 - y) * cx);

    HDC hScreenDC = ::GetDC(NULL);
    HDC hMemDC = ::CreateCompatibleDC(hScreenDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    POINT ptSource = {0, 0};
    SIZE size = {cx, cy};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    pfnUpdate(m_hWnd, NULL, NULL, &size, hMemDC, &ptSource, 0, &blend, ULW_ALPHA);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(NULL, hScreenDC);
    ::DeleteObject(hBitmap);
}

int CXTPDropShadowWnd::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&)
{
    if (nMessage == WM_SHOWWINDOW)
    {
        if (m_hWnd != NULL)
            SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE
                             | (wParam ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    else if (nMessage == WM_DESTROY)
    {
        // The strip goes with its owner (this object with it).
        m_pManager->DestroyShadow(this);
    }
    return hookNotHandled;
}

// ---- The manager ---------------------------------------------------------------------

CXTPDropShadows::CXTPDropShadows() : m_pfnUpdateLayeredWindow(NULL)
{
    m_pfnUpdateLayeredWindow = reinterpret_cast<PFNUPDATELAYEREDWINDOW>(
        XTPGetOptionalProc(::GetModuleHandleA("USER32"), "UpdateLayeredWindow"));
}

CXTPDropShadows::~CXTPDropShadows()
{
    while (!m_arrShadows.empty())
        DestroyShadow(m_arrShadows.back());
}

void CXTPDropShadows::CreateBarShadows(CXTPCommandBar* pBar, CRect rcExclude)
{
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL || pBar->IsCustomizeMode())
        return;
    if (!IsThemedShadow(pBar) && !(IsLayeredAvailable() && IsSystemDropShadowOn()))
        return;
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    for (BOOL bHorizontal : kStrips)
        CreateShadow(bHorizontal, rcWindow, rcExclude, pBar);
}

void CXTPDropShadows::CreateControlShadows(CXTPControl* pControl)
{
    CXTPCommandBar* pParent = pControl->GetParent();
    CXTPCommandBar* pPopupBar = pControl->GetCommandBar();
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL || pPopupBar == NULL || pParent->IsCustomizeMode()
        || !IsThemedShadow(pParent))
        return;
    CRect rcControl = pControl->GetRect();
    pParent->ClientToScreen(&rcControl);
    for (BOOL bHorizontal : kStrips)
        CreateShadow(bHorizontal, rcControl, CRect(0, 0, 0, 0), pPopupBar);
}

CXTPDropShadowWnd* CXTPDropShadows::CreateShadow(BOOL bHorizontal, CRect rcWindow, CRect rcExclude,
                                                  CWnd* pOwner)
{
    // Without layered windows there is no shadow rather than a flat one.
    if (!IsLayeredAvailable() || pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        return NULL;
    CXTPDropShadowWnd* pShadow = new CXTPDropShadowWnd(this, bHorizontal, IsThemedShadow(pOwner), pOwner);
    if (!pShadow->CreateShadowWindow())
    {
        delete pShadow;
        return NULL;
    }
    CRect rcStrip = ShadowStripRect(bHorizontal, rcWindow, kShadowSize);
    for (CXTPDropShadowWnd* pOther : m_arrShadows)
    {
        if (pOther->IsHorizontal() == bHorizontal || pOther->GetSafeHwnd() == NULL)
            continue;
        CRect rcOther;
        pOther->GetWindowRect(&rcOther);
        rcStrip = JoinShadowStrip(bHorizontal, rcStrip, rcOther);
    }
    pShadow->SetWindowPos(NULL, rcStrip.left, rcStrip.top, rcStrip.Width(), rcStrip.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE);
    m_arrShadows.push_back(pShadow);
    if (pShadow->IsThemed())
        CutOutOwners(pShadow, rcExclude);
    pShadow->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    XTPHookManager()->SetHook(pOwner->GetSafeHwnd(), pShadow);
    return pShadow;
}

void CXTPDropShadows::CutOutOwners(CXTPDropShadowWnd* pShadow, const CRect& rcExclude) const
{
    CRect rcShadow;
    pShadow->GetWindowRect(&rcShadow);
    HRGN hRegion = ::CreateRectRgn(0, 0, rcShadow.Width(), rcShadow.Height());
    BOOL bCut = FALSE;
    auto cutOut = [&](CRect rc) {
        CRect rcOverlap;
        if (!rcOverlap.IntersectRect(&rc, &rcShadow))
            return;
        rc.OffsetRect(-rcShadow.left, -rcShadow.top);
        HRGN hCut = ::CreateRectRgnIndirect(&rc);
        ::CombineRgn(hRegion, hRegion, hCut, RGN_DIFF);
        ::DeleteObject(hCut);
        bCut = TRUE;
    };
    cutOut(rcExclude);
    for (CXTPDropShadowWnd* pOther : m_arrShadows)
    {
        if (pOther->GetOwnerWnd() != NULL && pOther->GetOwnerWnd()->GetSafeHwnd() != NULL)
        {
            CRect rcOwner;
            pOther->GetOwnerWnd()->GetWindowRect(&rcOwner);
            cutOut(rcOwner);
        }
    }
    if (bCut)
        ::SetWindowRgn(pShadow->GetSafeHwnd(), hRegion, FALSE);
    else
        ::DeleteObject(hRegion);
}

void CXTPDropShadows::RemoveShadows(CWnd* pOwner)
{
    const std::vector<CXTPDropShadowWnd*> shadows = m_arrShadows;
    for (CXTPDropShadowWnd* pShadow : shadows)
    {
        if (pShadow->GetOwnerWnd() == pOwner)
            DestroyShadow(pShadow);
    }
}

void CXTPDropShadows::DestroyShadow(CXTPDropShadowWnd* pShadow)
{
    std::vector<CXTPDropShadowWnd*>::iterator it = std::find(m_arrShadows.begin(), m_arrShadows.end(), pShadow);
    if (it == m_arrShadows.end())
        return;
    m_arrShadows.erase(it);
    CWnd* pOwner = pShadow->GetOwnerWnd();
    if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL)
        XTPHookManager()->RemoveHook(pOwner->GetSafeHwnd(), pShadow);
    else
        XTPHookManager()->RemoveAll(pShadow);
    if (pShadow->GetSafeHwnd() != NULL)
    {
        pShadow->SetWindowPos(NULL, 0, 0, 0, 0,
                              SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pShadow->DestroyWindow();
    }
    delete pShadow;
}
