// The round expand buttons of themes 2 and 6: the running visual style's
// bitmaps when a Windows XP colour scheme is active, otherwise two round
// icons recoloured from the toolkit's bitmaps 9179 and 9180.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include "framework/Window.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"
#include "toolkit/taskpanel/XTPTaskPanelResource.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelHsl.h"

#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

const int kExpandBitmaps = 8;
const int kFirstStyleBitmap = 100;
// The recoloured picture's transparent colour.
const COLORREF kMaskColor = RGB(0, 255, 0);

// The shell style library of the running visual style, loaded as data, or NULL.
HMODULE LoadShellStyleLibrary()
{
    CXTPUxThemeWrapper theme;
    WCHAR szFile[MAX_PATH] = L"", szColor[MAX_PATH] = L"";
    if (FAILED(theme.GetCurrentThemeName(szFile, MAX_PATH, szColor, MAX_PATH, NULL, 0)))
        return NULL;
    char szFileA[MAX_PATH], szColorA[MAX_PATH];
    ::WideCharToMultiByte(CP_ACP, 0, szFile, -1, szFileA, MAX_PATH, NULL, NULL);
    ::WideCharToMultiByte(CP_ACP, 0, szColor, -1, szColorA, MAX_PATH, NULL, NULL);
    CString strPath = szFileA;
    strPath = strPath.Left(strPath.ReverseFind('\\') + 1) + "shell\\" + szColorA + "\\shellstyle.dll";
    return ::LoadLibraryExA(strPath, NULL, LOAD_LIBRARY_AS_DATAFILE);
}

} // namespace

void CXTPTaskPanelPainter::LoadShellStyleBitmaps()
{
    m_bExpandImagesPending = TRUE;
    m_nExpandImagesScheme = XTPColorManager()->GetCurrentSystemTheme();
    m_clrExpandIcon = m_groupNormal.clrHead.clrDark;
    m_clrExpandIconSpecial = m_groupSpecial.clrHead.clrDark;
}

HICON CXTPTaskPanelPainter::GetExpandIcon(BOOL bSpecial)
{
    MakeShellStyleBitmaps();
    return bSpecial ? m_hExpandIconSpecial : m_hExpandIcon;
}

void CXTPTaskPanelPainter::MakeShellStyleBitmaps()
{
    if (!m_bExpandImagesPending)
        return;
    m_bExpandImagesPending = FALSE;
    m_bExpandBitmapsLoaded = FALSE;
    HMODULE hLibrary = XTPIsColorScheme(m_nExpandImagesScheme) ? LoadShellStyleLibrary() : NULL;
    if (hLibrary != NULL)
    {
        m_bExpandBitmapsLoaded = TRUE;
        for (int i = 0; i < kExpandBitmaps; i++)
        {
            if (m_hExpandBitmaps[i] != NULL)
                ::DeleteObject(m_hExpandBitmaps[i]);
            m_hExpandBitmaps[i] = (HBITMAP)::LoadImageA(hLibrary, MAKEINTRESOURCEA(kFirstStyleBitmap + i),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
            if (m_hExpandBitmaps[i] == NULL)
                m_bExpandBitmapsLoaded = FALSE;
            else if (m_bExpandBitmapsLoaded)
                PremultiplyAlpha(m_hExpandBitmaps[i]);
        }
        ::FreeLibrary(hLibrary);
    }
    if (m_bExpandBitmapsLoaded)
        return;
    CreateRecoloredIcon(m_hExpandIcon, XTP_IDB_TASKPANEL_EXPAND, m_clrExpandIcon);
    CreateRecoloredIcon(m_hExpandIconSpecial, XTP_IDB_TASKPANEL_EXPAND_SPECIAL, m_clrExpandIconSpecial);
}

void CXTPTaskPanelPainter::PremultiplyAlpha(HBITMAP& hBitmap)
{
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (!::GetDIBits(dc.GetSafeHdc(), hBitmap, 0, 0, NULL, &info, DIB_RGB_COLORS) || info.bmiHeader.biBitCount != 32)
        return;
    const DWORD nSize = info.bmiHeader.biSizeImage != 0
                            ? info.bmiHeader.biSizeImage
                            : info.bmiHeader.biWidth * 4 * abs(info.bmiHeader.biHeight);
    std::vector<BYTE> pixels(nSize);
    info.bmiHeader.biCompression = BI_RGB;
    const int nLines = abs(info.bmiHeader.biHeight);
    if (::GetDIBits(dc.GetSafeHdc(), hBitmap, 0, nLines, pixels.data(), &info, DIB_RGB_COLORS) == 0)
        return;
    for (DWORD i = 0; i + 3 < nSize; i += 4)
    {
        const BYTE alpha = pixels[i + 3];
        for (int c = 0; c < 3; c++)
            pixels[i + c] = (BYTE)(pixels[i + c] * alpha / 255);
    }
    ::SetDIBits(dc.GetSafeHdc(), hBitmap, 0, nLines, pixels.data(), &info, DIB_RGB_COLORS);
}

void CXTPTaskPanelPainter::CreateRecoloredIcon(HICON& hIcon, UINT nIDBitmap, COLORREF clr)
{
    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
    hIcon = NULL;
    const XTPTaskPanelHsl target = XTPTaskPanelRgbToHsl(clr);
    CBitmap bmpSource;
    if (!XTPResourceManager()->LoadBitmap(&bmpSource, nIDBitmap))
        return;
    BITMAP info;
    bmpSource.GetBitmap(&info);
    CDC dcSource, dcResult;
    dcSource.CreateCompatibleDC(NULL);
    CBitmap* pOldSource = dcSource.SelectObject(&bmpSource);
    CBitmap bmpResult;
    {
        CWindowDC dcDesktop(CWnd::GetDesktopWindow());
        bmpResult.CreateCompatibleBitmap(&dcDesktop, info.bmWidth, info.bmHeight);
        dcResult.CreateCompatibleDC(&dcDesktop);
    }
    CBitmap* pOldResult = dcResult.SelectObject(&bmpResult);
    const COLORREF clrCorner = dcSource.GetPixel(0, 0);
    const double dCorner = XTPTaskPanelRgbToHsl(clrCorner).l;
    for (int x = 0; x < info.bmWidth; x++)
    {
        for (int y = 0; y < info.bmHeight; y++)
        {
            const COLORREF clrPixel = dcSource.GetPixel(x, y);
            if (clrPixel == clrCorner)
            {
                dcResult.SetPixel(x, y, kMaskColor);
                continue;
            }
            const XTPTaskPanelHsl pixel = XTPTaskPanelRgbToHsl(clrPixel);
            const XTPTaskPanelHsl recolored = {target.h, target.s,
                                               XTPTaskPanelRecolorLightness(pixel.l, dCorner, target.l)};
            dcResult.SetPixel(x, y, XTPTaskPanelHslToRgb(recolored));
        }
    }
    dcSource.SelectObject(pOldSource);
    dcResult.SelectObject(pOldResult);
    CImageList images;
    images.Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
    images.Add(&bmpResult, kMaskColor);
    hIcon = images.ExtractIcon(0);
}

CRect CXTPTaskPanelPainter::DrawRoundExpandButton(CDC* pDC, CRect rcCaption, BOOL bSpecial, BOOL bExpanded, BOOL bHot)
{
    const int y = std::max((int)rcCaption.top, (int)rcCaption.CenterPoint().y - 10);
    const CRect rcButton(rcCaption.right - 23, y, rcCaption.right - 3, y + 20);
    MakeShellStyleBitmaps();
    if (m_bExpandBitmapsLoaded)
    {
        HBITMAP hBitmap = m_hExpandBitmaps[(bSpecial ? 4 : 0) + (bExpanded ? 0 : 2) + (bHot ? 1 : 0)];
        BITMAP info;
        if (m_pfnAlphaBlend != NULL && ::GetObject(hBitmap, sizeof(info), &info))
        {
            CDC dcBitmap;
            dcBitmap.CreateCompatibleDC(pDC);
            HGDIOBJ hOld = ::SelectObject(dcBitmap.GetSafeHdc(), hBitmap);
            const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            m_pfnAlphaBlend(pDC->GetSafeHdc(), rcButton.left, rcButton.top, info.bmWidth, info.bmHeight,
                            dcBitmap.GetSafeHdc(), 0, 0, info.bmWidth, info.bmHeight, blend);
            ::SelectObject(dcBitmap.GetSafeHdc(), hOld);
        }
    }
    else
    {
        HICON hIcon = bSpecial ? m_hExpandIconSpecial : m_hExpandIcon;
        if (hIcon != NULL)
            pDC->DrawState(rcButton.TopLeft(), CSize(19, 19), hIcon, DST_ICON | DSS_NORMAL, (HBRUSH)NULL);
        TaskPanelGroupColors* pColors = GetGroupColors(bSpecial);
        const CPoint ptCenter = rcButton.CenterPoint();
        DrawExpandChevron(pDC, CPoint(ptCenter.x - 1, ptCenter.y), bExpanded,
                          bHot ? pColors->clrHeadTextHot : pColors->clrHeadTextNormal);
    }
    rcCaption.right = rcButton.left;
    return rcCaption;
}
