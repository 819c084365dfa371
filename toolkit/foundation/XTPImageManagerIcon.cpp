#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"

#include <math.h>

namespace {
// Shifts a channel 30 per cent of the way to white: trunc(76.5 + 0.7 c).
BYTE FadeChannel(BYTE c)
{
    return (BYTE)((765 + 7 * c) / 10);
}

// The grey level of the pixel, brightened by a square root.
BYTE DisabledLevel(const BYTE* pPixel)
{
    double dGrey = 0.299 * pPixel[2] + 0.587 * pPixel[1] + 0.114 * pPixel[0];
    return (BYTE)(255.0 * pow(dGrey / 255.0, 0.5));
}
} // namespace

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight,
                                           CXTPImageManagerIconSet* pIconSet)
    : m_nID(nID), m_nWidth(nWidth), m_nHeight(nHeight), m_bScaled(FALSE), m_pIconSet(pIconSet)
{}

CXTPImageManagerIcon::~CXTPImageManagerIcon()
{
    Clear(TRUE);
}

CXTPImageManager* CXTPImageManagerIcon::GetImageManager() const
{
    if (m_pIconSet != NULL && m_pIconSet->GetImageManager() != NULL)
        return m_pIconSet->GetImageManager();
    return XTPImageManager();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetHotIcon()
{
    return m_hHot.IsEmpty() ? m_hIcon : m_hHot;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetCheckedIcon()
{
    return m_hChecked.IsEmpty() ? GetHotIcon() : m_hChecked;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetDisabledIcon()
{
    if (!m_hDisabled.IsEmpty())
        return m_hDisabled;
    if (m_hDisabledAuto.IsEmpty())
        CreateDisabledIcon();
    return m_hDisabledAuto;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetFadedIcon()
{
    if (m_hFaded.IsEmpty())
        CreateFadedIcon();
    return m_hFaded;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetShadowIcon()
{
    if (m_hShadow.IsEmpty())
        CreateShadowIcon();
    return m_hShadow;
}

void CXTPImageManagerIcon::SetIcon(const CXTPImageManagerIconHandle& hIcon)
{
    Clear(TRUE);
    m_hIcon.CopyHandle(hIcon);
    NormalIconChanged();
}

void CXTPImageManagerIcon::TakeIcon(CXTPImageManagerIconHandle& hIcon)
{
    Clear(TRUE);
    m_hIcon.TakeHandle(hIcon);
    NormalIconChanged();
}

void CXTPImageManagerIcon::NormalIconChanged()
{
    CSize szExtent = m_hIcon.GetExtent();
    m_nWidth = szExtent.cx;
    m_nHeight = szExtent.cy;
    m_bScaled = FALSE;
    if (m_pIconSet != NULL)
        m_pIconSet->RefreshAll();
}

void CXTPImageManagerIcon::SetHotIcon(const CXTPImageManagerIconHandle& hIcon)
{
    Refresh();
    m_hHot.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon)
{
    Refresh();
    m_hChecked.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon)
{
    Refresh();
    m_hDisabled.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetNormalIcon(const CXTPImageManagerIconHandle& hIcon)
{
    Refresh();
    m_hIcon.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::Clear(BOOL bIcon)
{
    Refresh();
    m_hHot.Clear();
    m_hChecked.Clear();
    m_hDisabled.Clear();
    if (bIcon)
        m_hIcon.Clear();
}

void CXTPImageManagerIcon::Refresh()
{
    m_hFaded.Clear();
    m_hShadow.Clear();
    m_hDisabledAuto.Clear();
}

CXTPImageManagerIcon* CXTPImageManagerIcon::Scale(int nWidth)
{
    if (m_hIcon.GetIcon() == NULL || m_nWidth == 0)
        return NULL;
    CXTPImageManagerIcon* pScaled =
        new CXTPImageManagerIcon(m_nID, nWidth, ::MulDiv(m_nHeight, nWidth, m_nWidth), m_pIconSet);
    CXTPImageManagerIconHandle* sources[] = {&m_hIcon, &m_hDisabled, &m_hHot, &m_hChecked};
    CXTPImageManagerIconHandle* targets[] = {&pScaled->m_hIcon, &pScaled->m_hDisabled, &pScaled->m_hHot,
                                             &pScaled->m_hChecked};
    for (int i = 0; i < 4; i++)
    {
        if (sources[i]->GetIcon() != NULL)
            *targets[i] = ScaleToFit(sources[i]->GetIcon(), sources[i]->GetExtent(), nWidth);
    }
    return pScaled;
}

void CXTPImageManagerIcon::Transform(const CXTPImageManagerIconHandle& hSource,
                                     CXTPImageManagerIconHandle& hResult, const PixelTransform& transform)
{
    if (hSource.IsAlpha())
        hResult = TransformAlphaBitmap(hSource.GetBitmap(), transform);
    else if (hSource.GetIcon() != NULL)
        hResult = TransformIconPixels(hSource.GetIcon(), transform);
}

void CXTPImageManagerIcon::CreateFadedIcon()
{
    if (!m_hIcon.IsAlpha() && m_hIcon.GetIcon() != NULL && XTPIsLowColorDevice())
    {
        m_hFaded = ::CopyIcon(m_hIcon.GetIcon());
        return;
    }
    Transform(m_hIcon, m_hFaded, [](BYTE* pPixel) {
        for (int i = 0; i < 3; i++)
            pPixel[i] = FadeChannel(pPixel[i]);
    });
}

void CXTPImageManagerIcon::CreateShadowIcon()
{
    COLORREF clrBase = XTPGetColor(31);
    BYTE rgbShadow[3] = {(BYTE)(GetBValue(clrBase) * 3 / 4), (BYTE)(GetGValue(clrBase) * 3 / 4),
                         (BYTE)(GetRValue(clrBase) * 3 / 4)};
    Transform(GetHotIcon(), m_hShadow, [&rgbShadow](BYTE* pPixel) {
        for (int i = 0; i < 3; i++)
            pPixel[i] = rgbShadow[i];
    });
}

void CXTPImageManagerIcon::CreateDisabledIcon()
{
    Transform(m_hIcon, m_hDisabledAuto, [](BYTE* pPixel) {
        BYTE nLevel = DisabledLevel(pPixel);
        for (int i = 0; i < 3; i++)
            pPixel[i] = nLevel;
    });
}

void CXTPImageManagerIcon::Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon)
{
    if (hIcon.IsEmpty() || m_nWidth == 0)
        return;
    if (szIcon.cx == 0)
        szIcon.cx = m_nWidth;
    if (szIcon.cy == 0)
        szIcon.cy = m_nHeight * szIcon.cx / m_nWidth;

    if (hIcon.IsAlpha())
    {
        DrawAlphaBitmap(pDC, pt, hIcon.PreMultiply(), szIcon, CSize(m_nWidth, m_nHeight));
        return;
    }
    if (GetImageManager()->m_bDrawReverted)
    {
        pt.x += szIcon.cx;
        szIcon.cx = -szIcon.cx;
    }
    if (pDC->IsPrinting())
    {
        // Printer drivers take bitmaps better than icons: the icon is drawn
        // from an image list.
        CImageList imageList;
        imageList.Create(abs(szIcon.cx), szIcon.cy, ILC_COLOR24 | ILC_MASK, 1, 0);
        imageList.Add(hIcon.GetIcon());
        imageList.Draw(pDC, 0, pt, ILD_NORMAL);
        return;
    }
    ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, hIcon.GetIcon(), szIcon.cx, szIcon.cy, 0, NULL, DI_NORMAL);
}

void CXTPImageManagerIcon::DrawMono(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon,
                                    COLORREF clrBrush)
{
    if (hIcon.GetIcon() == NULL)
        return;
    if (szIcon.cx == 0)
        szIcon = CSize(m_nWidth, m_nHeight);
    HBRUSH hBrush = ::CreateSolidBrush(clrBrush);
    HDC hDC = pDC->GetSafeHdc();
    if (!GetImageManager()->m_bDrawReverted)
    {
        ::DrawStateA(hDC, hBrush, NULL, (LPARAM)hIcon.GetIcon(), 0, pt.x, pt.y, szIcon.cx, szIcon.cy,
                     DST_ICON | DSS_MONO);
    }
    else
    {
        // A mirrored icon is first drawn on white, and its bitmap shown.
        HDC hMemDC = ::CreateCompatibleDC(hDC);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, szIcon.cx, szIcon.cy);
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        RECT rc = {0, 0, szIcon.cx, szIcon.cy};
        ::FillRect(hMemDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        ::DrawIconEx(hMemDC, szIcon.cx, 0, hIcon.GetIcon(), -szIcon.cx, szIcon.cy, 0, NULL, DI_NORMAL);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
        ::DrawStateA(hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, szIcon.cx, szIcon.cy,
                     DST_BITMAP | DSS_MONO);
        ::DeleteObject(hBitmap);
    }
    ::DeleteObject(hBrush);
}
