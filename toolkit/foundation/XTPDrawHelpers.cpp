#include "toolkit/foundation/XTPDrawHelpers.h"

#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPMultiMonitor.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/foundation/XTPStartup.h"
#include "toolkit/foundation/XTWinVersion.h"

#include "framework/Window.h"

#include <algorithm>

namespace {

CXTPDrawHelpers* g_pDrawHelpers = NULL;

void BuildDrawHelpers()
{
    XTPDrawHelpers();
}

void DestroyDrawHelpers()
{
    delete g_pDrawHelpers;
    g_pDrawHelpers = NULL;
}

int BlendChannel(int a, int b, float fRatio)
{
    double dRatio = fRatio;
    return std::min(static_cast<int>(a * dRatio + b * (1 - dRatio)), 255);
}

// The colour at nOffset of nExtent pixels along the gradient: BlendColors with
// the ratio 1 - nOffset / nExtent, so the first step is exactly crFrom and the
// colour never quite reaches crTo.
COLORREF GradientStep(COLORREF crFrom, COLORREF crTo, int nOffset, int nExtent)
{
    double dRatio = 1.0 - static_cast<double>(nOffset) / nExtent;
    return CXTPDrawHelpers::BlendColors(crFrom, crTo, static_cast<float>(dRatio));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF clr)
{
    TRIVERTEX vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(clr) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(clr) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(clr) << 8);
    vertex.Alpha = 0;
    return vertex;
}

struct FaceSearch
{
    LPCSTR pszFace;
    BOOL bFound;
};

int CALLBACK MatchFaceName(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    FaceSearch* pSearch = reinterpret_cast<FaceSearch*>(lParam);
    pSearch->bFound = lstrcmpiA(pLogFont->lfFaceName, pSearch->pszFace) == 0;
    // 0 stops the enumeration at the first match.
    return pSearch->bFound ? 0 : 1;
}

} // namespace

XTP_STARTUP_ENTRY(DrawHelpers, xtpStartupDrawHelpers, BuildDrawHelpers, DestroyDrawHelpers);

CXTPDrawHelpers* XTPDrawHelpers()
{
    if (g_pDrawHelpers == NULL)
        g_pDrawHelpers = new CXTPDrawHelpers;
    return g_pDrawHelpers;
}

CXTPDrawHelpers::CXTPDrawHelpers()
    : m_hMsImg32(XTPLoadOptionalLibrary("msimg32.dll")), m_pfnGradientFill(NULL)
{
    m_pfnGradientFill = reinterpret_cast<PFNGRADIENTFILL>(XTPGetOptionalProc(m_hMsImg32, "GradientFill"));
}

CXTPDrawHelpers::~CXTPDrawHelpers()
{
    if (m_hMsImg32 != NULL)
        ::FreeLibrary(m_hMsImg32);
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    if (lpRect == NULL || ::IsRectEmpty(lpRect))
        return;
    if (IsLowResolution(pDC->GetSafeHdc()) || crFrom == crTo)
        pDC->FillSolidRect(lpRect, crFrom);
    else if (m_pfnGradientFill != NULL)
        SystemGradientFill(pDC, lpRect, crFrom, crTo, bHorz);
    else
        OwnGradientFill(pDC, lpRect, crFrom, crTo, bHorz);
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, const CXTPPaintManagerColorGradient& grc,
                                   BOOL bHorz)
{
    GradientFill(pDC, lpRect, grc.clrLight, grc.clrDark, bHorz);
}

void CXTPDrawHelpers::SystemGradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    TRIVERTEX vertices[2] = {Vertex(lpRect->left, lpRect->top, crFrom),
                             Vertex(lpRect->right, lpRect->bottom, crTo)};
    GRADIENT_RECT gradientRect = {0, 1};
    m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &gradientRect, 1,
                      bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CXTPDrawHelpers::OwnGradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    CRect rect(lpRect);
    int nWidth = std::max(rect.Width(), 1);
    int nHeight = std::max(rect.Height(), 1);

    // Only what the clip box lets through is painted.
    CRect rcClip, rcArea;
    pDC->GetClipBox(&rcClip);
    if (rcClip.IsRectEmpty())
        rcArea = rect;
    else if (!rcArea.IntersectRect(&rcClip, &rect))
        return;

    if (bHorz)
    {
        for (int x = rcArea.left; x < rcArea.right; x++)
            pDC->FillSolidRect(x, rcArea.top, 1, rcArea.Height(),
                               GradientStep(crFrom, crTo, x - rect.left, nWidth));
    }
    else
    {
        for (int y = rcArea.top; y < rcArea.bottom; y++)
            pDC->FillSolidRect(rcArea.left, y, rcArea.Width(), 1,
                               GradientStep(crFrom, crTo, y - rect.top, nHeight));
    }
}

COLORREF CXTPDrawHelpers::BlendColors(COLORREF crA, COLORREF crB, float fRatio)
{
    return RGB(BlendChannel(GetRValue(crA), GetRValue(crB), fRatio),
               BlendChannel(GetGValue(crA), GetGValue(crB), fRatio),
               BlendChannel(GetBValue(crA), GetBValue(crB), fRatio));
}

void CXTPDrawHelpers::ExcludeCorners(CDC* pDC, CRect rc)
{
    pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 1, rc.top + 1);
    pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
    pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom + 1);
    pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom + 1);
}

void CXTPDrawHelpers::BlurPoints(CDC* pDC, LPPOINT pts, int nCount)
{
    // Only whole pairs: an odd last entry has no offset.
    for (int i = 0; i + 1 < nCount; i += 2)
    {
        CPoint pt = pts[i];
        COLORREF clrHere = pDC->GetPixel(pt);
        COLORREF clrThere = pDC->GetPixel(pt + CPoint(pts[i + 1]));
        pDC->SetPixel(pt, RGB((GetRValue(clrHere) + GetRValue(clrThere)) >> 1,
                              (GetGValue(clrHere) + GetGValue(clrThere)) >> 1,
                              (GetBValue(clrHere) + GetBValue(clrThere)) >> 1));
    }
}

void CXTPDrawHelpers::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2)
{
    POINT pts[3] = {pt0, pt1, pt2};
    pDC->Polygon(pts, 3);
}

void CXTPDrawHelpers::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    CXTPBrushDC brush(pDC->GetSafeHdc(), clr);
    Triangle(pDC, pt0, pt1, pt2);
}

BOOL CXTPDrawHelpers::IsLowResolution(HDC hDC)
{
    return XTPIsLowColorDevice(hDC);
}

int CXTPDrawHelpers::GetCurrentSystemTheme()
{
    return XTPColorManager()->GetCurrentSystemTheme();
}

BOOL CXTPDrawHelpers::FontExists(const CString& strFaceName)
{
    HDC hDC = ::GetDC(NULL);
    if (hDC == NULL)
        return FALSE;
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof(lf));
    lf.lfCharSet = DEFAULT_CHARSET;
    FaceSearch search = {strFaceName, FALSE};
    ::EnumFontFamiliesExA(hDC, &lf, MatchFaceName, reinterpret_cast<LPARAM>(&search), 0);
    ::ReleaseDC(NULL, hDC);
    return search.bFound;
}

CString CXTPDrawHelpers::GetDefaultFontFaceName(BOOL bUseTahoma)
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof(lf));
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);

    const OSVERSIONINFOA& version = XTOSVersionInfo()->GetVersionInfo();
    BOOL bUseSystemFont =
        lf.lfCharSet > 2 && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
    BOOL bArialExists = FontExists("Arial");
    if (bUseSystemFont || !bArialExists)
        return lf.lfFaceName;
    if (bUseTahoma && FontExists("Tahoma"))
        return "Tahoma";
    return "Arial";
}

CRect CXTPDrawHelpers::GetWorkArea(const CRect& rect)
{
    return XTPMultiMonitor()->GetWorkArea(static_cast<const RECT&>(rect));
}

CRect CXTPDrawHelpers::GetWorkArea(HWND hWnd)
{
    return XTPMultiMonitor()->GetWorkArea(hWnd);
}

CRect CXTPDrawHelpers::GetWorkArea(const CWnd* pWnd)
{
    return XTPMultiMonitor()->GetWorkArea(pWnd->GetSafeHwnd());
}

CRect CXTPDrawHelpers::GetWorkArea()
{
    POINT pt;
    ::GetCursorPos(&pt);
    return XTPMultiMonitor()->GetWorkArea(pt);
}
