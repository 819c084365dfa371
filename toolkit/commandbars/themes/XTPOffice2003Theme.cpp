#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "framework/Window.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

namespace {

// The colour indexes of this look.
enum Office2003Color
{
    clrWindow = 5,
    clrScheme12 = 12,
    clrButtonFace = 15,
    clrButtonShadow = 16,
    clrButtonHighlight = 20,
    clrBarFace = 30,
    clrHotFill = 31,
    clrHotFrame = 32,
    clrCheckedFill = 36,
    clrGripper = 38,
    clrSeparator = 39,
    clrPopupBack = 41,
    clrExpandedColumn = 42,
    clrPopupFrame = 43,
    clrHotText = 45,
    clrBarText = 46,
    clrCheckedFrame = 50,
    clrScheme51 = 51,
    clrScheme52 = 52,
    clrScheme53 = 53,
    clrGradientDark = 55,
    clrScheme56 = 56
};

const COLORREF kTransparentKey = RGB(0, 255, 0);

// The colours one Windows XP scheme fixes.
struct SchemeColors
{
    COLORREF clrBarGradientStart, clrBarGradientEnd, clrToolbarGradientEnd, clrToolbarGradientStart;
    COLORREF clrOpenGradientStart, clrOpenGradientEnd, clrToolbarShadow, clrFloatingCaption;
    COLORREF clrExpandGradientEnd, clrExpandGradientStart, clrExpandedColumnEnd, clrExpandedColumnStart;
    COLORREF clrButtonPictureDark, clrButtonPictureLight, clrPaneFrame, clrFirstField;
    COLORREF clr12;
    COLORREF clrTable[13]; // colours 30, 31, 32, 33, 36, 37, 38, 39, 40, 41, 43, 47, 50
    COLORREF clr51, clr52, clr53, clr56;
};

const int kSchemeTableIndexes[13] = {30, 31, 32, 33, 36, 37, 38, 39, 40, 41, 43, 47, 50};

const SchemeColors kSchemes[3] = {
    // blue
    {RGB(158, 190, 245),
     RGB(196, 218, 250),
     RGB(129, 169, 226),
     RGB(221, 236, 254),
     RGB(227, 239, 255),
     RGB(147, 181, 231),
     RGB(59, 97, 156),
     RGB(42, 102, 201),
     RGB(0, 53, 145),
     RGB(117, 166, 241),
     RGB(121, 161, 220),
     RGB(203, 221, 246),
     RGB(129, 169, 226),
     RGB(227, 239, 254),
     RGB(211, 211, 211),
     RGB(22, 30, 54),
     RGB(144, 153, 174),
     {RGB(158, 190, 245), RGB(255, 238, 194), RGB(0, 0, 128), RGB(254, 128, 62), RGB(255, 192, 111),
      RGB(0, 0, 128), RGB(39, 65, 118), RGB(106, 140, 203), RGB(109, 150, 208), RGB(246, 246, 246),
      RGB(0, 45, 150), RGB(0, 0, 0), RGB(0, 0, 128)},
     RGB(216, 231, 252),
     RGB(158, 190, 245),
     RGB(203, 225, 252),
     RGB(189, 211, 247)},
    // olive
    {RGB(217, 217, 167),
     RGB(242, 241, 228),
     RGB(183, 198, 145),
     RGB(244, 247, 222),
     RGB(236, 240, 213),
     RGB(194, 206, 159),
     RGB(96, 128, 88),
     RGB(116, 134, 94),
     RGB(96, 119, 107),
     RGB(176, 194, 140),
     RGB(164, 180, 120),
     RGB(230, 230, 209),
     RGB(184, 198, 147),
     RGB(236, 240, 213),
     RGB(211, 211, 211),
     RGB(31, 34, 25),
     RGB(151, 160, 123),
     {RGB(217, 217, 167), RGB(255, 238, 194), RGB(63, 93, 56), RGB(254, 128, 62), RGB(255, 192, 111),
      RGB(63, 93, 56), RGB(81, 94, 51), RGB(96, 128, 88), RGB(159, 174, 122), RGB(244, 244, 238),
      RGB(117, 141, 94), RGB(0, 0, 0), RGB(63, 93, 56)},
     RGB(226, 231, 191),
     RGB(171, 192, 138),
     RGB(216, 227, 182),
     RGB(222, 227, 189)},
    // silver
    {RGB(215, 215, 229),
     RGB(243, 243, 247),
     RGB(153, 151, 181),
     RGB(243, 244, 250),
     RGB(233, 231, 241),
     RGB(186, 185, 205),
     RGB(124, 124, 148),
     RGB(122, 121, 153),
     RGB(118, 116, 146),
     RGB(179, 178, 200),
     RGB(133, 131, 162),
     RGB(215, 215, 226),
     RGB(176, 174, 197),
     RGB(232, 232, 241),
     RGB(236, 234, 218),
     RGB(36, 32, 41),
     RGB(155, 154, 179),
     {RGB(215, 215, 229), RGB(255, 238, 194), RGB(75, 75, 111), RGB(254, 128, 62), RGB(255, 192, 111),
      RGB(75, 75, 111), RGB(84, 84, 117), RGB(110, 109, 143), RGB(168, 167, 190), RGB(253, 250, 255),
      RGB(124, 124, 148), RGB(0, 0, 0), RGB(75, 75, 111)},
     RGB(223, 223, 234),
     RGB(177, 176, 195),
     RGB(214, 211, 231),
     RGB(214, 215, 231)},
};

// The intensities of the popup expand button's picture, row by row (y), 255
// is transparent.
const BYTE kExpandPicture[16][16] = {
    {255, 255, 198, 90, 90, 90, 72, 72, 54, 54, 36, 36, 18, 18, 0, 108},
    {255, 255, 255, 144, 54, 54, 54, 36, 36, 18, 18, 18, 0, 0, 54, 255},
    {255, 255, 255, 255, 126, 36, 36, 18, 18, 18, 0, 0, 0, 72, 255, 255},
    {255, 255, 255, 255, 255, 234, 90, 36, 18, 0, 0, 54, 180, 255, 255, 255},
    {255, 255, 255, 255, 234, 234, 234, 198, 198, 198, 198, 252, 255, 255, 255, 255},
    {255, 255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 144, 198, 255, 255, 255},
    {255, 255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 180, 255, 255},
    {255, 234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 108, 198, 255},
    {252, 234, 252, 252, 252, 252, 234, 198, 198, 180, 144, 126, 108, 90, 90, 252},
    {234, 234, 234, 234, 234, 234, 234, 198, 180, 180, 144, 126, 108, 90, 72, 180},
    {198, 234, 234, 234, 234, 234, 198, 198, 180, 144, 126, 108, 90, 90, 72, 108},
    {180, 198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 90, 72, 72, 72},
    {180, 180, 180, 180, 180, 180, 144, 144, 126, 126, 108, 90, 90, 72, 54, 54},
    {180, 144, 144, 144, 144, 144, 144, 126, 126, 108, 108, 90, 72, 54, 36, 90},
    {198, 126, 126, 126, 126, 126, 126, 126, 108, 90, 72, 54, 54, 36, 36, 126},
    {252, 126, 108, 108, 108, 108, 108, 72, 72, 54, 54, 36, 36, 18, 18, 234},
};

// The classic 16-colour entries and what this look shows instead.
const COLORREF kBitmapColorMap[9][2] = {
    {RGB(0, 128, 0), RGB(94, 151, 0)},     {RGB(0, 0, 255), RGB(42, 87, 255)},
    {RGB(0, 0, 128), RGB(74, 79, 213)},    {RGB(255, 0, 0), RGB(252, 123, 58)},
    {RGB(128, 0, 0), RGB(205, 81, 1)},     {RGB(128, 128, 128), RGB(145, 147, 149)},
    {RGB(0, 128, 128), RGB(8, 167, 228)},  {RGB(192, 192, 192), RGB(187, 198, 205)},
    {RGB(0, 255, 255), RGB(33, 218, 255)},
};

BOOL IsDockedPosition(XTPBarPosition barPosition)
{
    return barPosition == xtpBarTop || barPosition == xtpBarBottom || barPosition == xtpBarLeft
           || barPosition == xtpBarRight;
}

BOOL IsRightDockBar(CWnd* pWnd)
{
    CXTPDockBar* pDockBar = DYNAMIC_DOWNCAST(CXTPDockBar, pWnd);
    return pDockBar != NULL && pDockBar->GetPosition() == xtpBarRight;
}

// The resource holds all the pixels its header promises: the compressed
// size for run-length bitmaps, else every row.
BOOL HasRoomForBits(const BITMAPINFOHEADER& header, DWORD nBytes)
{
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biBitCount == 0)
        return FALSE;
    if (header.biCompression == BI_RLE4 || header.biCompression == BI_RLE8)
        return header.biSizeImage != 0 && header.biSizeImage <= nBytes;
    const DWORD nStride = (((DWORD)header.biWidth * header.biBitCount + 31) / 32) * 4;
    const DWORD nHeight = header.biHeight < 0 ? (DWORD)-header.biHeight : (DWORD)header.biHeight;
    return nBytes / nStride >= nHeight;
}

// Half the screen at least, so neighbouring bars continue one gradient.
int GradientWidth(int nWidth)
{
    return std::max(nWidth, ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
}

} // namespace

CXTPOffice2003Theme::CXTPOffice2003Theme()
    : m_clrBarGradientStart(0), m_clrBarGradientEnd(0), m_clrToolbarGradientEnd(0),
      m_clrToolbarGradientStart(0), m_clrOpenGradientStart(0), m_clrOpenGradientEnd(0), m_clrToolbarShadow(0),
      m_clrFloatingCaption(0), m_clrExpandGradientEnd(0), m_clrExpandGradientStart(0),
      m_clrExpandedColumnEnd(0), m_clrExpandedColumnStart(0), m_clrButtonPictureDark(0),
      m_clrButtonPictureLight(0), m_clrPaneFrame(0), m_bSchemeColors(FALSE)
{
    m_iconsInfo.bUseFadedIcons = FALSE;
    m_iconsInfo.bIconsWithShadow = FALSE;
    // The base constructor ran only the base's refresh.
    CXTPOffice2003Theme::RefreshMetrics();
}

CXTPOffice2003Theme::~CXTPOffice2003Theme()
{
    m_imlExpandPicture.DeleteImageList();
    m_themeStatus.CloseThemeData();
}

// ---- Colours ----

void CXTPOffice2003Theme::RefreshMetrics()
{
    CXTPPaintManager::RefreshMetrics();
    CWnd* pMainWnd = AfxGetMainWnd();
    m_themeStatus.OpenThemeData(pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL, L"STATUS");
    RefreshSystemColors();
    m_arrColor[clrGradientDark].SetStandardValue(XTPColorManager()->grcGradient[1].clrDark);
    const int nScheme = GetCurrentSystemTheme();
    if (nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver)
        ApplyScheme(nScheme);
    RebuildExpandPicture();
}

void CXTPOffice2003Theme::RefreshSystemColors()
{
    const COLORREF clrFace = GetColor(clrButtonFace), clrWin = GetColor(clrWindow);
    m_clrExpandedColumnEnd = GetColor(clrExpandedColumn);
    m_clrExpandedColumnStart = CXTPColorManager::BlendColors(clrWin, m_clrExpandedColumnEnd, 550);
    m_clrBarGradientEnd = m_clrToolbarGradientStart = CXTPColorManager::BlendColors(clrFace, clrWin, 205);
    m_clrBarGradientStart = m_clrToolbarGradientEnd = clrFace;
    m_clrToolbarShadow = GetColor(clrBarFace);
    m_clrFloatingCaption = GetColor(clrButtonShadow);
    m_clrOpenGradientStart = GetColor(clrPopupBack);
    m_clrOpenGradientEnd = CXTPColorManager::BlendColors(clrWin, clrFace, 550);
    m_clrExpandGradientEnd = GetColor(clrButtonShadow);
    m_clrExpandGradientStart =
        CXTPColorManager::BlendColors(GetColor(clrScheme51), m_clrExpandGradientEnd, 51);
    m_bSchemeColors = FALSE;
    m_clrButtonPictureLight = GetColor(clrPopupBack);
    m_clrButtonPictureDark = CXTPColorManager::BlendColors(clrWin, clrFace, 550);
    m_clrPaneFrame = CXTPColorManager::BlendColors(clrFace, clrWin, 70);
}

void CXTPOffice2003Theme::ApplyScheme(int nScheme)
{
    const SchemeColors& s = kSchemes[nScheme - 1];
    m_clrBarGradientStart = s.clrBarGradientStart;
    m_clrBarGradientEnd = s.clrBarGradientEnd;
    m_clrToolbarGradientEnd = s.clrToolbarGradientEnd;
    m_clrToolbarGradientStart = s.clrToolbarGradientStart;
    m_clrOpenGradientStart = s.clrOpenGradientStart;
    m_clrOpenGradientEnd = s.clrOpenGradientEnd;
    m_clrToolbarShadow = s.clrToolbarShadow;
    m_clrFloatingCaption = s.clrFloatingCaption;
    m_clrExpandGradientEnd = s.clrExpandGradientEnd;
    m_clrExpandGradientStart = s.clrExpandGradientStart;
    m_clrExpandedColumnEnd = s.clrExpandedColumnEnd;
    m_clrExpandedColumnStart = s.clrExpandedColumnStart;
    m_clrButtonPictureDark = s.clrButtonPictureDark;
    m_clrButtonPictureLight = s.clrButtonPictureLight;
    m_clrPaneFrame = s.clrPaneFrame;
    m_clrSpare = s.clrFirstField;
    SetColors(13, kSchemeTableIndexes, s.clrTable);
    m_arrColor[clrScheme12].SetStandardValue(s.clr12);
    m_arrColor[clrScheme51].SetStandardValue(s.clr51);
    m_arrColor[clrScheme52].SetStandardValue(s.clr52);
    m_arrColor[clrScheme53].SetStandardValue(s.clr53);
    m_arrColor[clrScheme56].SetStandardValue(s.clr56);
    m_bSchemeColors = TRUE;
}

// ---- The popup expand button's picture ----

COLORREF CXTPOffice2003Theme::ExpandPicturePixel(int x, int y) const
{
    const int v = kExpandPicture[y][x];
    if (v == 255)
        return kTransparentKey;
    const COLORREF d = m_clrButtonPictureDark, l = m_clrButtonPictureLight;
    return RGB(GetRValue(d) - (GetRValue(d) - GetRValue(l)) * v / 255,
               GetGValue(d) - (GetGValue(d) - GetGValue(l)) * v / 255,
               GetBValue(d) - (GetBValue(d) - GetBValue(l)) * v / 255);
}

void CXTPOffice2003Theme::RebuildExpandPicture()
{
    CWindowDC dcDesktop(CWnd::GetDesktopWindow());
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcDesktop, 16, 16);
    CDC dc;
    dc.CreateCompatibleDC(&dcDesktop);
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    for (int x = 0; x < 16; x++)
    {
        for (int y = 0; y < 16; y++)
            dc.SetPixel(x, y, ExpandPicturePixel(x, y));
    }
    dc.SelectObject(pOldBitmap);
    m_imlExpandPicture.DeleteImageList();
    m_imlExpandPicture.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    m_imlExpandPicture.Add(&bitmap, kTransparentKey);
}

// ---- Bitmaps in this look ----

int CXTPOffice2003Theme::RemapColorTable(RGBQUAD* pTable, int nEntries, COLORREF clrMask)
{
    int nChanged = 0;
    for (int i = 0; i < std::min(nEntries, 16); i++)
    {
        const COLORREF clr = RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue);
        if (clr == clrMask)
            continue;
        for (const COLORREF(&pair)[2] : kBitmapColorMap)
        {
            if (clr != pair[0])
                continue;
            pTable[i].rgbRed = GetRValue(pair[1]);
            pTable[i].rgbGreen = GetGValue(pair[1]);
            pTable[i].rgbBlue = GetBValue(pair[1]);
            nChanged++;
            break;
        }
    }
    return nChanged;
}

HBITMAP CXTPOffice2003Theme::LoadRemappedBitmap(HINSTANCE hInstance, UINT nIDResourceBitmap, COLORREF clrMask)
{
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nIDResourceBitmap), (LPCSTR)RT_BITMAP);
    HGLOBAL hGlobal = hResource != NULL ? ::LoadResource(hInstance, hResource) : NULL;
    const BYTE* pData = hGlobal != NULL ? (const BYTE*)::LockResource(hGlobal) : NULL;
    const DWORD nSize = hResource != NULL ? ::SizeofResource(hInstance, hResource) : 0;
    if (pData == NULL || nSize < sizeof(BITMAPINFOHEADER))
        return NULL;
    BYTE* pCopy = (BYTE*)malloc(nSize);
    if (pCopy == NULL)
        return NULL;
    memcpy(pCopy, pData, nSize);
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)pCopy;
    if (pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize > nSize)
    {
        free(pCopy);
        return NULL;
    }
    // Only the entries the table really has, and none above 8 bits a pixel.
    int nColors = 0;
    if (pHeader->biBitCount <= 8)
    {
        nColors = pHeader->biClrUsed != 0 ? (int)std::min<DWORD>(pHeader->biClrUsed, 256)
                                          : 1 << pHeader->biBitCount;
        nColors = std::min(nColors, (int)((nSize - pHeader->biSize) / sizeof(RGBQUAD)));
    }
    RGBQUAD* pTable = (RGBQUAD*)(pCopy + pHeader->biSize);
    RemapColorTable(pTable, nColors, clrMask);

    // Three colour masks follow a plain header of a bit-field bitmap; the
    // larger headers hold them inside.
    const BOOL bMasksFollow =
        pHeader->biCompression == BI_BITFIELDS && pHeader->biSize == sizeof(BITMAPINFOHEADER);
    const DWORD nTableSize = pHeader->biBitCount <= 8 ? nColors * sizeof(RGBQUAD)
                             : bMasksFollow           ? 3 * sizeof(DWORD)
                                                      : 0;
    const DWORD nBitsOffset = pHeader->biSize + nTableSize;
    HBITMAP hBitmap = NULL;
    if (nBitsOffset <= nSize && HasRoomForBits(*pHeader, nSize - nBitsOffset))
    {
        HDC hdcScreen = ::GetDC(NULL);
        hBitmap = ::CreateDIBitmap(hdcScreen, pHeader, CBM_INIT, pCopy + nBitsOffset, (BITMAPINFO*)pHeader,
                                   DIB_RGB_COLORS);
        ::ReleaseDC(NULL, hdcScreen);
    }
    free(pCopy);
    return hBitmap;
}

BOOL CXTPOffice2003Theme::LoadToolBarIcons(CXTPImageManager* pImageManager, UINT nIDResourceToolBar,
                                           UINT nIDResourceBitmap)
{
    HBITMAP hBitmap =
        LoadRemappedBitmap(AfxGetResourceHandle(), nIDResourceBitmap, pImageManager->GetMaskColor());
    if (hBitmap == NULL)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    return pImageManager->SetIcons(nIDResourceToolBar, bitmap);
}

BOOL CXTPOffice2003Theme::LoadBitmapIcons(CXTPImageManager* pImageManager, UINT nIDResourceBitmap,
                                          UINT* pCommands, int nCount, CSize szIcon)
{
    HBITMAP hBitmap =
        LoadRemappedBitmap(AfxGetResourceHandle(), nIDResourceBitmap, pImageManager->GetMaskColor());
    if (hBitmap == NULL)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    return pImageManager->SetIcons(bitmap, pCommands, nCount, szIcon);
}

// ---- Bars ----

void CXTPOffice2003Theme::FillPopupIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    const CRect rc(x, y, x + cx, y + cy);
    if (bExpanded)
        GradientFill(pDC, rc, m_clrExpandedColumnStart, m_clrExpandedColumnEnd, TRUE);
    else
        GradientFill(pDC, rc, m_clrToolbarGradientStart, m_clrToolbarGradientEnd, TRUE);
}

void CXTPOffice2003Theme::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(&rc);
    if (IsRightDockBar(pDockBar))
    {
        pDC->FillSolidRect(rc, m_clrBarGradientEnd);
        return;
    }
    rc.right = rc.left + GradientWidth(rc.Width());
    GradientFill(pDC, rc, m_clrBarGradientStart, m_clrBarGradientEnd, TRUE);
}

CXTPControl* CXTPOffice2003Theme::LastVisibleControl(CXTPCommandBar* pBar)
{
    for (int i = pBar->GetControlCount() - 1; i >= 0; i--)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl != NULL && pControl->IsVisible())
            return pControl;
    }
    return NULL;
}

void CXTPOffice2003Theme::FillHorizontalToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient)
{
    pDC->FillSolidRect(rcClient, GetColor(clrButtonFace));
    CWnd* pParent = pBar->GetParent();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        // The dock area shows through round the toolbar's ends.
        CRect rcParent;
        pParent->GetWindowRect(&rcParent);
        pBar->ScreenToClient(&rcParent);
        rcParent.right = rcParent.left + ::GetSystemMetrics(SM_CXFULLSCREEN);
        GradientFill(pDC, rcParent, m_clrBarGradientStart, m_clrBarGradientEnd, TRUE);
        pDC->ExcludeClipRect(rcClient.left, rcClient.top, rcClient.left + 3, rcClient.bottom);
        const CRect rcBody(rcClient.left + 3, rcClient.top + 1, rcClient.right, rcClient.bottom - 1);
        pDC->ExcludeClipRect(rcBody.left, rcBody.top, rcBody.left + 1, rcBody.top + 1);
        pDC->ExcludeClipRect(rcBody.right - 1, rcBody.top, rcBody.right, rcBody.top + 1);
        pDC->ExcludeClipRect(rcBody.left, rcBody.bottom - 1, rcBody.left + 1, rcBody.bottom);
        pDC->ExcludeClipRect(rcBody.right - 1, rcBody.bottom - 1, rcBody.right, rcBody.bottom);
    }
    CRect rcBody(rcClient.left, rcClient.top + 1, rcClient.right, rcClient.bottom);
    if (CXTPControl* pLast = LastVisibleControl(pBar))
        rcBody.bottom = pLast->GetRect().bottom + 1;
    GradientFill(pDC, rcBody, m_clrToolbarGradientStart, m_clrToolbarGradientEnd, FALSE);
    if (rcBody.bottom < rcClient.bottom - 2)
        pDC->FillSolidRect(CRect(rcClient.left, rcBody.bottom, rcClient.right, rcClient.bottom - 2),
                           m_clrToolbarGradientEnd);
    pDC->FillSolidRect(rcClient.left + 5, rcClient.bottom - 1, rcClient.Width() - 7, 1, m_clrToolbarShadow);
    pDC->SelectClipRgn(NULL);
}

void CXTPOffice2003Theme::FillVerticalToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient)
{
    pDC->FillSolidRect(rcClient, GetColor(clrButtonFace));
    CWnd* pParent = pBar->GetParent();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        if (IsRightDockBar(pParent))
            pDC->FillSolidRect(rcClient, m_clrBarGradientEnd);
        else
        {
            CRect rcParent;
            pParent->GetWindowRect(&rcParent);
            pBar->ScreenToClient(&rcParent);
            rcParent.right = rcParent.left + ::GetSystemMetrics(SM_CXFULLSCREEN);
            GradientFill(pDC, rcParent, m_clrBarGradientStart, m_clrBarGradientEnd, TRUE);
        }
        pDC->ExcludeClipRect(rcClient.left, rcClient.top, rcClient.right, rcClient.top + 3);
        const CRect rcBody(rcClient.left + 1, rcClient.top + 3, rcClient.right - 1, rcClient.bottom);
        pDC->ExcludeClipRect(rcBody.left, rcBody.top, rcBody.left + 1, rcBody.top + 1);
        pDC->ExcludeClipRect(rcBody.right - 1, rcBody.top, rcBody.right, rcBody.top + 1);
        pDC->ExcludeClipRect(rcBody.left, rcBody.bottom - 1, rcBody.left + 1, rcBody.bottom);
        pDC->ExcludeClipRect(rcBody.right - 1, rcBody.bottom - 1, rcBody.right, rcBody.bottom);
    }
    CRect rcBody(rcClient.left + 1, rcClient.top, rcClient.right, rcClient.bottom);
    if (CXTPControl* pLast = LastVisibleControl(pBar))
        rcBody.right = pLast->GetRect().right + 1;
    GradientFill(pDC, rcBody, m_clrToolbarGradientStart, m_clrToolbarGradientEnd, TRUE);
    pDC->FillSolidRect(rcClient.right - 1, rcClient.top + 5, 1, rcClient.Height() - 7, m_clrToolbarShadow);
    pDC->SelectClipRgn(NULL);
}

void CXTPOffice2003Theme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    const XTPBarPosition barPosition = pBar->GetPosition();
    if (pBar->GetType() == xtpBarTypeMenuBar)
    {
        CRect rc = rcClient;
        rc.right = rc.left + GradientWidth(rc.Width());
        GradientFill(pDC, rc, m_clrBarGradientStart, m_clrBarGradientEnd, TRUE);
        if (barPosition == xtpBarFloating)
        {
            rc = rcClient;
            Draw3dRect(pDC, rc, clrPopupFrame, clrPopupFrame);
            rc.DeflateRect(1, 1);
            Draw3dRect(pDC, rc, clrPopupFrame, clrPopupFrame);
            Pixel(pDC, 2, 2, clrPopupFrame);
            Pixel(pDC, rcClient.right - 3, 2, clrPopupFrame);
            Pixel(pDC, 2, rcClient.bottom - 3, clrPopupFrame);
            Pixel(pDC, rcClient.right - 3, rcClient.bottom - 3, clrPopupFrame);
        }
    }
    else if (barPosition == xtpBarTop || barPosition == xtpBarBottom)
        FillHorizontalToolBar(pDC, pBar, rcClient);
    else if (barPosition == xtpBarLeft || barPosition == xtpBarRight)
        FillVerticalToolBar(pDC, pBar, rcClient);
    else if (barPosition == xtpBarPopup)
    {
        Rectangle(pDC, rcClient, clrPopupFrame, clrPopupBack);
        if (pBar->GetType() == xtpBarTypePopup)
            FillPopupIconColumn(pDC, 1, 2, GetPopupIconColumnWidth(pBar), rcClient.Height() - 4, FALSE);
        FillPopupOwnerGap(pDC, pBar, GetColor(clrPopupBack));
    }
    else
        CXTPOfficeXPTheme::FillCommandBarEntry(pDC, pBar);
}

void CXTPOffice2003Theme::DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                        BOOL bChecked, BOOL bPopuped, BOOL bToolBar,
                                        XTPBarPosition barPosition)
{
    if (bPopuped)
    {
        GradientFill(pDC, rc, m_clrOpenGradientStart, m_clrOpenGradientEnd, FALSE);
        Draw3dRect(pDC, rc, clrPopupFrame, clrPopupFrame);
        return;
    }
    if (!m_bSchemeColors || !bToolBar || !IsDockedPosition(barPosition))
    {
        CXTPOfficeXPTheme::DrawRectangle(pDC, rc, nSelected, nPressed, bEnabled, bChecked, FALSE, bToolBar,
                                         barPosition);
        return;
    }
    const BOOL bHorz = barPosition == xtpBarLeft || barPosition == xtpBarRight || barPosition == xtpBarPopup;
    COLORREF clrFrom, clrTo;
    int nFrame;
    if (!bEnabled)
    {
        if (nSelected != 2)
            return;
        clrFrom = RGB(255, 242, 200), clrTo = RGB(255, 212, 151), nFrame = clrHotFrame;
    }
    else if (bChecked && !nSelected && !nPressed)
        clrFrom = RGB(255, 213, 140), clrTo = RGB(255, 173, 85), nFrame = clrCheckedFrame;
    else if ((bChecked && nSelected && !nPressed) || nPressed == 2 || (nSelected && nPressed))
        clrFrom = RGB(254, 142, 75), clrTo = RGB(255, 207, 139), nFrame = clrCheckedFrame;
    else if (nSelected || nPressed)
        clrFrom = RGB(255, 242, 200), clrTo = RGB(255, 212, 151), nFrame = clrHotFrame;
    else
        return;
    GradientFill(pDC, rc, clrFrom, clrTo, bHorz);
    Draw3dRect(pDC, rc, nFrame, nFrame);
}

void CXTPOffice2003Theme::DrawGripDot(CDC* pDC, int x, int y)
{
    pDC->FillSolidRect(x + 1, y + 1, 2, 2, GetColor(clrButtonHighlight));
    pDC->FillSolidRect(x, y, 2, 2, GetColor(clrGripper));
}

CSize CXTPOffice2003Theme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawControlGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    switch (pBar->GetPosition())
    {
    case xtpBarFloating:
        return DrawFloatingCaption(pDC, pBar, rcClient, m_clrFloatingCaption, bDraw);
    case xtpBarLeft:
    case xtpBarRight:
        if (!bDraw)
            return CSize(0, 9);
        for (int x = 5; x < rcClient.Width() - 8; x += 4)
            DrawGripDot(pDC, x, 6);
        return CSize(0, 0);
    case xtpBarTop:
    case xtpBarBottom:
        if (!bDraw)
            return CSize(6, 0);
        for (int y = 5; y < rcClient.Height() - 8; y += 4)
            DrawGripDot(pDC, 5, y);
        return CSize(0, 0);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPOffice2003Theme::DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    const int nHeight = std::max(25, m_nTextHeight + 6);
    if (bDraw)
    {
        CRect rc;
        pBar->GetClientRect(&rc);
        rc.DeflateRect(3, 3);
        rc.bottom = rc.top + nHeight;
        GradientFill(pDC, rc, m_clrToolbarGradientStart, m_clrToolbarGradientEnd, FALSE);
        for (int y = rc.top + 4; y < rc.bottom - 5; y += 4)
            DrawGripDot(pDC, 5, y);
    }
    return CSize(8, nHeight);
}

CSize CXTPOffice2003Theme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                                   BOOL bDraw)
{
    const XTPBarPosition barPosition = pBar->GetPosition();
    if (!bDraw || !IsDockedPosition(barPosition) || pBar->GetType() == xtpBarTypePopup)
        return CXTPOfficeXPTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    const CRect R = pControl->GetRect(), Q = pControl->GetRowRect();
    const BOOL bWrap = pControl->GetWrap();
    CPoint p0, p1;
    int dx = 1, dy = 1;
    if (barPosition == xtpBarLeft || barPosition == xtpBarRight)
    {
        if (!bWrap)
            p0 = CPoint(Q.left + 4, R.top - 4), p1 = CPoint(Q.right - 4, R.top - 4);
        else
            p0 = CPoint(Q.right + 2, Q.top + 4), p1 = CPoint(Q.right + 2, Q.bottom), dy = 0;
    }
    else if (!bWrap)
        p0 = CPoint(R.left - 4, Q.top + 4), p1 = CPoint(R.left - 4, Q.bottom - 4);
    else
        p0 = CPoint(Q.left + 4, Q.top - 4), p1 = CPoint(Q.right, Q.top - 4), dx = 0;
    // The second line starts one pixel right and down; where the first runs
    // to the row's edge, so does the second.
    Line(pDC, p0.x, p0.y, p1.x, p1.y, clrSeparator);
    Line(pDC, p0.x + 1, p0.y + 1, p1.x + dx, p1.y + dy, clrButtonHighlight);
    return CSize(0, 0);
}

void CXTPOffice2003Theme::DrawResizeGripper(CDC* pDC, CRect rc)
{
    if (m_themeStatus.IsAppThemed())
    {
        const CRect rcGrip(rc.right - 18, rc.top, rc.right, rc.bottom);
        m_themeStatus.DrawThemeBackground(pDC->GetSafeHdc(), 3, 0, rcGrip, NULL);
        return;
    }
    const int W = rc.Width(), H = rc.Height();
    for (int i = 0; i < 3; i++)
    {
        Line(pDC, W - 5 * i, H - 1, W, H - 1 - 5 * i, clrButtonShadow);
        Line(pDC, W - 1 - 5 * i, H - 1, W, H - 2 - 5 * i, clrButtonShadow);
        Line(pDC, W - 2 - 5 * i, H - 1, W, H - 3 - 5 * i, clrButtonShadow);
    }
    for (int i = 0; i < 3; i++)
        Line(pDC, W - 3 - 5 * i, H - 1, W, H - 4 - 5 * i, clrButtonHighlight);
}

CRect CXTPOffice2003Theme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar != NULL && (pBar->GetPosition() == xtpBarTop || pBar->GetPosition() == xtpBarBottom))
        return CRect(4, 2, 2, 2);
    return CXTPOfficeXPTheme::GetCommandBarBorders(pBar);
}

CSize CXTPOffice2003Theme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    CRect rcStrip(1, 1, rc.right + 1, rc.Height() + 1);
    pDC->FillSolidRect(rcStrip, GetColor(clrPopupBack));
    rcStrip.DeflateRect(1, 1);
    // The dots take the middle of the strip: 20 pixels less than its width,
    // at most 64.
    const int w = std::min(rc.Width() / 2 - 10, 32);
    const int x0 = rc.CenterPoint().x - w, x1 = rc.CenterPoint().x + w;
    if (bSelected)
        Rectangle(pDC, rcStrip, clrHotFrame, clrHotFill);
    else
        pDC->FillSolidRect(rcStrip, GetColor(clrBarFace));
    for (int x = x0; x < x1; x += 4)
        DrawGripDot(pDC, x, 4);
    return CSize(0, 9);
}

void CXTPOffice2003Theme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc)
{
    pDC->Draw3dRect(rc, m_clrPaneFrame, m_clrPaneFrame);
}

// ---- Expand buttons ----

void CXTPOffice2003Theme::DrawToolBarExpand(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar,
                                            BOOL bHiddenControls)
{
    const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
    const BOOL bVertical =
        barPosition == xtpBarLeft || barPosition == xtpBarRight || barPosition == xtpBarPopup;
    const CRect R = pButton->GetRect();
    // Round the button's outer corners against the bar.
    if (!bVertical)
    {
        pDC->ExcludeClipRect(R.right - 1, R.top, R.right, R.top + 1);
        pDC->ExcludeClipRect(R.right - 1, R.bottom - 1, R.right, R.bottom);
        pDC->ExcludeClipRect(R.left, R.top + 1, R.left + 1, R.bottom - 1);
    }
    else
    {
        pDC->ExcludeClipRect(R.left, R.bottom - 1, R.left + 1, R.bottom);
        pDC->ExcludeClipRect(R.right - 1, R.bottom - 1, R.right, R.bottom);
        pDC->ExcludeClipRect(R.left + 1, R.top, R.right - 1, R.top + 1);
    }
    const BOOL bOpen = IsPopupOpen(pButton);
    const BOOL bSelected = pButton->GetSelected();
    if (bOpen)
    {
        if (m_bSchemeColors)
            GradientFill(pDC, R, RGB(254, 142, 75), RGB(255, 207, 139), bVertical);
        else
            pDC->FillSolidRect(R, GetColor(clrCheckedFill));
    }
    else if (bSelected)
    {
        if (m_bSchemeColors)
            GradientFill(pDC, R, RGB(255, 242, 200), RGB(255, 212, 151), bVertical);
        else
            pDC->FillSolidRect(R, GetColor(clrHotFill));
    }
    else
        GradientFill(pDC, R, m_clrExpandGradientStart, m_clrExpandGradientEnd, bVertical);
    pDC->SelectClipRgn(NULL);

    const int nGlyph = bSelected && !bOpen ? clrHotText : clrBarText;
    for (int nPass = 0; nPass < 2; nPass++)
    {
        const int d = nPass == 0 ? 1 : 0;
        const COLORREF clr = GetColor(nPass == 0 ? clrButtonHighlight : nGlyph);
        if (!bVertical)
        {
            const int x = R.left + R.Width() / 2 + d, y = R.bottom - 6 + d;
            Line(pDC, x + 3, y - 4, x - 2, y - 4, nPass == 0 ? clrButtonHighlight : nGlyph);
            Triangle(pDC, CPoint(x, y + 1), CPoint(x + 2, y - 1), CPoint(x - 2, y - 1), clr);
            if (bHiddenControls)
            {
                for (int nOffset = 0; nOffset <= 4; nOffset += 4)
                    Triangle(pDC, CPoint(R.left + 3 + nOffset + d, R.top + 7 + d),
                             CPoint(R.left + 4 + nOffset + d, R.top + 6 + d),
                             CPoint(R.left + 3 + nOffset + d, R.top + 5 + d), clr);
            }
        }
        else
        {
            const int x = R.right - 5 + d, y = R.CenterPoint().y + d;
            Line(pDC, x - 5, y + 3, x - 5, y - 2, nPass == 0 ? clrButtonHighlight : nGlyph);
            Triangle(pDC, CPoint(x - 2, y + 2), CPoint(x - 2, y - 2), CPoint(x, y), clr);
            if (bHiddenControls)
            {
                for (int nOffset = 0; nOffset <= 4; nOffset += 4)
                    Triangle(pDC, CPoint(R.left + 7 + d, R.top + 3 + nOffset + d),
                             CPoint(R.left + 6 + d, R.top + 4 + nOffset + d),
                             CPoint(R.left + 5 + d, R.top + 3 + nOffset + d), clr);
            }
        }
    }
}

CSize CXTPOffice2003Theme::DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton,
                                              CXTPCommandBar* pBar, BOOL bDraw, LPVOID lpParam)
{
    if (nWhich == 0)
    {
        if (!bDraw)
        {
            if (pButton == NULL || lpParam == NULL)
                return CSize(0, 0);
            const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
            const BOOL bVertical =
                barPosition == xtpBarLeft || barPosition == xtpBarRight || barPosition == xtpBarPopup;
            const CSize szBar = *(const CSize*)lpParam;
            pButton->SetRect(bVertical ? CRect(0, szBar.cy - 12, szBar.cx, szBar.cy)
                                       : CRect(szBar.cx - 12, 1, szBar.cx, szBar.cy));
            return CSize(0, 0);
        }
        DrawToolBarExpand(pDC, pButton, pBar, lpParam != NULL && *(const BOOL*)lpParam);
        return CSize(0, 0);
    }
    if (nWhich == 1)
    {
        if (!bDraw)
            return CSize(0, 18);
        DrawControlEntry(pDC, pButton);
        const CRect R = pButton->GetRect();
        const int cx = R.CenterPoint().x;
        m_imlExpandPicture.Draw(pDC, 0, CPoint(cx - 7, R.top + 1), ILD_NORMAL);
        for (int nPair = 0; nPair < 2; nPair++)
        {
            for (int nStroke = 0; nStroke < 2; nStroke++)
            {
                const int y = R.top + 5 + 4 * nPair + nStroke;
                const POINT pts[3] = {{cx - 2, y}, {cx, y + 2}, {cx + 3, y - 1}};
                pDC->Polyline(pts, 3);
            }
        }
        return CSize(0, 18);
    }
    return CXTPOfficeXPTheme::DrawSpecialControl(pDC, nWhich, pButton, pBar, bDraw, lpParam);
}

// ---- The Luna variant ----

CXTPOffice2003LunaTheme::CXTPOffice2003LunaTheme()
{
    m_nSystemTheme = xtpSystemThemeNone;
    // The base constructor ran only the base's refresh.
    CXTPOffice2003LunaTheme::RefreshMetrics();
}

void CXTPOffice2003LunaTheme::RefreshMetrics()
{
    CXTPOffice2003Theme::RefreshMetrics();
    switch (XTPColorManager()->GetCurrentSystemTheme())
    {
    case xtpSystemThemeBlue:
        m_clrToolbarGradientEnd = RGB(199, 198, 176);
        m_clrToolbarShadow = RGB(146, 146, 118);
        break;
    case xtpSystemThemeSilver:
        m_clrToolbarGradientEnd = RGB(173, 172, 196);
        m_clrToolbarGradientStart = RGB(245, 245, 252);
        m_clrToolbarShadow = RGB(124, 124, 148);
        break;
    default:
        break;
    }
}
