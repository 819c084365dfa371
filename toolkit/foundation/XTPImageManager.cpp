#include "toolkit/foundation/XTPImageManager.h"

#include "toolkit/foundation/XTPImageData.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>
#include <functional>
#include <string.h>
#include <vector>

namespace {
const UINT kFirstCustomID = 0x10AAA;
const BYTE kOpaqueAlpha = 120;

// Runs the work with the command ids and image size of a toolbar resource.
// A toolbar that names no command adds nothing: a zero count would otherwise
// be taken from the strip, with ids the toolbar does not hold.
BOOL WithToolbarLayout(UINT nIDResourceToolBar, const std::function<BOOL(UINT*, int, CSize)>& work)
{
    UINT* pItems = NULL;
    int nCount = 0;
    CSize szIcon(0, 0);
    if (!CXTPImageManager::LoadToolbar(nIDResourceToolBar, pItems, nCount, szIcon))
        return FALSE;
    BOOL bResult = nCount == 0 || work(pItems, nCount, szIcon);
    delete[] pItems;
    return bResult;
}

CXTPImageManager* g_pImageManager = NULL;

void BuildImageManager()
{
    if (g_pImageManager == NULL)
        g_pImageManager = new CXTPImageManager();
}

void DestroyImageManager()
{
    if (g_pImageManager != NULL)
        g_pImageManager->InternalRelease();
    g_pImageManager = NULL;
}

// Blends a channel over the background by its alpha.
BYTE BlendChannel(BYTE background, BYTE color, BYTE alpha)
{
    return (BYTE)((background * (255 - alpha) + color * alpha) / 256);
}
} // namespace

XTP_STARTUP_ENTRY(ImageManager, xtpStartupImageManager, BuildImageManager, DestroyImageManager);

CXTPImageManager* XTPImageManager()
{
    BuildImageManager();
    return g_pImageManager;
}

CXTPImageManager::CXTPImageManager()
    : m_bDrawReverted(FALSE), m_clrMask(0xFFFFFFFF), m_nCustomID(kFirstCustomID)
{
    m_hMsImgDll = XTPLoadOptionalLibrary("msimg32.dll");
    m_pfnAlphaBlend = (PFNALPHABLEND)XTPGetOptionalProc(m_hMsImgDll, "AlphaBlend");
}

CXTPImageManager::~CXTPImageManager()
{
    RemoveAll();
    if (m_hMsImgDll != NULL)
        ::FreeLibrary(m_hMsImgDll);
}

BOOL CXTPImageManager::AlphaBlend(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc,
                                  int xSrc, int ySrc, int cxSrc, int cySrc, BLENDFUNCTION blend) const
{
    return m_pfnAlphaBlend != NULL
           && m_pfnAlphaBlend(hdcDest, xDest, yDest, cxDest, cyDest, hdcSrc, xSrc, ySrc, cxSrc, cySrc, blend);
}

BOOL CXTPImageManager::IsAlphaIconsImageListSupported()
{
    return HIWORD(XTPGetDllVersion("comctl32.dll")) > 5;
}

CXTPImageManagerIconSet* CXTPImageManager::GetIconSet(UINT nCommand)
{
    CIconSetMap::iterator it = m_mapImages.find(nCommand);
    return it != m_mapImages.end() ? it->second : NULL;
}

BOOL CXTPImageManager::Lookup(UINT nCommand)
{
    return GetIconSet(nCommand) != NULL;
}

CXTPImageManagerIconSet* CXTPImageManager::FindOrCreateIconSet(UINT nIDCommand)
{
    CXTPImageManagerIconSet* pIconSet = GetIconSet(nIDCommand);
    if (pIconSet == NULL)
    {
        pIconSet = new CXTPImageManagerIconSet(nIDCommand, this);
        m_mapImages[nIDCommand] = pIconSet;
    }
    return pIconSet;
}

BOOL CXTPImageManager::IsIconSizeAllowed(CSize szIcon)
{
    const int nMax = CXTPImageManagerIconSet::kMaxScaledWidth;
    return szIcon.cx >= 0 && szIcon.cy >= 0 && szIcon.cx <= nMax && szIcon.cy <= nMax;
}

CXTPImageManagerIcon* CXTPImageManager::GetImage(UINT nCommand, int nWidth)
{
    CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand);
    return pIconSet ? pIconSet->GetIcon(nWidth, TRUE) : NULL;
}

BOOL CXTPImageManager::SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nIDCommand, CSize szIcon,
                               XTPImageState imageState)
{
    if (hIcon.IsEmpty())
        return FALSE;
    if (szIcon.cx == 0 && szIcon.cy == 0)
        szIcon = hIcon.GetExtent();
    if (szIcon.cx == 0 && szIcon.cy == 0)
        return FALSE;

    CXTPImageManagerIconSet* pIconSet = GetIconSet(nIDCommand);
    if (pIconSet == NULL && imageState != xtpImageNormal)
        return FALSE;
    switch (imageState)
    {
    case xtpImageDisabled:
        pIconSet->SetDisabledIcon(hIcon, szIcon.cx);
        break;
    case xtpImageHot:
        pIconSet->SetHotIcon(hIcon, szIcon.cx);
        break;
    case xtpImageChecked:
        pIconSet->SetCheckedIcon(hIcon, szIcon.cx);
        break;
    default:
        FindOrCreateIconSet(nIDCommand)->SetIcon(hIcon, szIcon.cx);
        break;
    }
    return TRUE;
}

BOOL CXTPImageManager::TakeIcon(CXTPImageManagerIconHandle& hIcon, UINT nIDCommand, CSize szIcon,
                                XTPImageState imageState)
{
    if (imageState != xtpImageNormal || hIcon.IsEmpty() || szIcon.cx == 0)
        return SetIcon(hIcon, nIDCommand, szIcon, imageState);
    FindOrCreateIconSet(nIDCommand)->TakeIcon(hIcon, szIcon.cx);
    return TRUE;
}

UINT CXTPImageManager::AddCustomIcon(const CXTPImageManagerIconHandle& hIcon)
{
    if (hIcon.IsEmpty())
        return 0;
    UINT nID = ++m_nCustomID;
    FindOrCreateIconSet(nID)->SetIcon(hIcon, hIcon.GetExtent().cx);
    return nID;
}

void CXTPImageManager::RemoveIcon(UINT nIDCommand)
{
    CIconSetMap::iterator it = m_mapImages.find(nIDCommand);
    if (it == m_mapImages.end())
        return;
    CXTPImageManagerIconSet* pIconSet = it->second;
    m_mapImages.erase(it);
    pIconSet->InternalRelease();
}

void CXTPImageManager::RemoveAll()
{
    CIconSetMap sets;
    sets.swap(m_mapImages);
    for (CIconSetMap::iterator it = sets.begin(); it != sets.end(); ++it)
        it->second->InternalRelease();
}

void CXTPImageManager::RefreshAll()
{
    for (CIconSetMap::iterator it = m_mapImages.begin(); it != m_mapImages.end(); ++it)
        it->second->RefreshAll();
}

void CXTPImageManager::AddIcons(CXTPImageManager* pImageManager)
{
    const CIconSetMap& other = pImageManager->m_mapImages;
    for (CIconSetMap::const_iterator it = other.begin(); it != other.end(); ++it)
    {
        if (Lookup(it->first))
            continue;
        it->second->InternalAddRef();
        m_mapImages[it->first] = it->second;
    }
}

void CXTPImageManager::MoveIconsFrom(CXTPImageManager* pImageManager)
{
    CIconSetMap sets;
    sets.swap(pImageManager->m_mapImages);
    for (CIconSetMap::iterator it = sets.begin(); it != sets.end(); ++it)
    {
        RemoveIcon(it->first);
        it->second->m_pImageManager = this;
        m_mapImages[it->first] = it->second;
    }
    m_nCustomID = std::max(m_nCustomID, pImageManager->m_nCustomID);
}

COLORREF CXTPImageManager::SetMaskColor(COLORREF clrMask)
{
    COLORREF clrOld = m_clrMask;
    m_clrMask = clrMask;
    return clrOld;
}

BOOL CXTPImageManager::SetIcons(CImageList& imlIcons, UINT* pCommands, int nCount, CSize szIcon,
                                XTPImageState imageState)
{
    if (imlIcons.GetSafeHandle() == NULL)
        return FALSE;
    int nImages = imlIcons.GetImageCount();
    if (pCommands == NULL && nCount == 0)
        nCount = nImages;
    IMAGEINFO info;
    if (szIcon.cx == 0 && szIcon.cy == 0 && imlIcons.GetImageInfo(0, &info))
        szIcon = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    // The size the extracted icons have, whatever size they are filed under.
    int cxImage = 0, cyImage = 0;
    ::ImageList_GetIconSize(imlIcons.GetSafeHandle(), &cxImage, &cyImage);
    for (int i = 0; i < nCount; i++)
    {
        if (pCommands != NULL && nImages != nCount && pCommands[i] == 0)
            continue;
        HICON hIcon = imlIcons.ExtractIcon(i);
        if (hIcon == NULL)
            return FALSE;
        CXTPImageManagerIconHandle image;
        image.Own(hIcon, CSize(cxImage, cyImage));
        TakeIcon(image, pCommands ? pCommands[i] : (UINT)i, szIcon, imageState);
    }
    return TRUE;
}

COLORREF CXTPImageManager::GetTopLeftPixel(HBITMAP hBitmap)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF clrPixel = ::GetPixel(hDC, 0, 0);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clrPixel;
}

BOOL CXTPImageManager::SetIcons(CBitmap& bmpIcons, UINT* pCommands, int nCount, CSize szIcon,
                                XTPImageState imageState, BOOL bAlpha)
{
    if (szIcon.cx <= 0)
        return FALSE;
    if (bAlpha)
        return SetAlphaIcons(bmpIcons, pCommands, nCount, szIcon, imageState);

    CImageList imageList;
    if (!imageList.Create(szIcon.cx, szIcon.cy, ILC_COLOR24 | ILC_MASK, 0, 1))
        return FALSE;
    COLORREF clrMask = m_clrMask != 0xFFFFFFFF ? m_clrMask : GetTopLeftPixel(bmpIcons);
    imageList.Add(&bmpIcons, clrMask);
    return SetIcons(imageList, pCommands, nCount, szIcon, imageState);
}

BOOL CXTPImageManager::SetAlphaIcons(HBITMAP hStrip, UINT* pCommands, int nCount, CSize szIcon,
                                     XTPImageState imageState)
{
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    PBITMAPINFO pStripInfo = NULL;
    LPVOID pStripBits = NULL;
    UINT nStripSize = 0;
    if (!CXTPImageManagerIcon::GetBitmapBits(dc, hStrip, pStripInfo, pStripBits, nStripSize))
        return FALSE;
    BITMAPINFOHEADER header = pStripInfo->bmiHeader;
    free(pStripInfo);
    if (header.biWidth % szIcon.cx != 0)
    {
        free(pStripBits);
        return FALSE;
    }

    // The strip is cut into separate images, row by row.
    int nImages = header.biWidth / szIcon.cx;
    int nRows = abs(header.biHeight);
    int nStripRow = header.biWidth * 4;
    int nImageRow = szIcon.cx * 4;
    header.biWidth = szIcon.cx;
    header.biSizeImage = nStripSize / nImages;
    std::vector<HBITMAP> images;
    std::vector<BYTE> bits(nImageRow * nRows);
    for (int nImage = 0; nImage < nImages; nImage++)
    {
        for (int nRow = 0; nRow < nRows; nRow++)
            memcpy(&bits[nRow * nImageRow], (BYTE*)pStripBits + nRow * nStripRow + nImage * nImageRow,
                   nImageRow);
        images.push_back(CXTPImageManagerIcon::CreateAlphaBitmap(header, &bits[0]));
    }
    free(pStripBits);

    size_t nNext = 0;
    for (int i = 0; i < nCount && nNext < images.size(); i++)
    {
        if (pCommands == NULL || nImages == nCount || pCommands[i] != 0)
            SetIcon(CXTPImageManagerIconHandle(images[nNext++]), pCommands ? pCommands[i] : (UINT)i, szIcon,
                    imageState);
    }
    for (size_t i = 0; i < images.size(); i++)
    {
        if (images[i] != NULL)
            ::DeleteObject(images[i]);
    }
    return TRUE;
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceBitmap, UINT* pCommands, int nCount, CSize szIcon,
                                XTPImageState imageState)
{
    BOOL bAlpha = CXTPImageManagerIcon::IsAlphaBitmapResource(nIDResourceBitmap);
    CBitmap bmpIcons;
    if (bAlpha)
        bmpIcons.Attach(CXTPImageManagerIcon::LoadAlphaBitmap(nIDResourceBitmap));
    else
        bmpIcons.LoadBitmap(nIDResourceBitmap);
    BITMAP bitmap;
    if (bmpIcons.GetSafeHandle() == NULL || !bmpIcons.GetBitmap(&bitmap))
        return FALSE;
    // The image width comes from the count, or the count from the image width.
    if (szIcon.cx == 0 && szIcon.cy == 0)
    {
        if (nCount <= 0)
            return FALSE;
        szIcon = CSize(bitmap.bmWidth / nCount, bitmap.bmHeight);
    }
    if (nCount == 0)
    {
        if (szIcon.cx <= 0)
            return FALSE;
        nCount = bitmap.bmWidth / szIcon.cx;
    }
    return SetIcons(bmpIcons, pCommands, nCount, szIcon, imageState, bAlpha);
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceToolBar, CBitmap& bmpIcons, XTPImageState imageState)
{
    return WithToolbarLayout(nIDResourceToolBar, [&](UINT* pItems, int nCount, CSize szIcon) {
        return SetIcons(bmpIcons, pItems, nCount, szIcon, imageState);
    });
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceToolBar, UINT nIDResourceBitmap, XTPImageState imageState)
{
    return WithToolbarLayout(nIDResourceToolBar, [&](UINT* pItems, int nCount, CSize szIcon) {
        return SetIcons(nIDResourceBitmap, pItems, nCount, szIcon, imageState);
    });
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceToolBar, CImageList& imlIcons, XTPImageState imageState)
{
    return WithToolbarLayout(nIDResourceToolBar, [&](UINT* pItems, int nCount, CSize szIcon) {
        return SetIcons(imlIcons, pItems, nCount, szIcon, imageState);
    });
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceToolBar, XTPImageState imageState)
{
    return SetIcons(nIDResourceToolBar, nIDResourceToolBar, imageState);
}

BOOL CXTPImageManager::LoadToolbar(UINT nIDResourceToolBar, UINT*& pItems, int& nCount, CSize& szIcon)
{
    DWORD nSize = 0;
    const BYTE* pData = XTPFindResourceData(nIDResourceToolBar, MAKEINTRESOURCE(241), nSize);
    std::vector<UINT> items;
    if (pData == NULL || !ReadToolbarLayout(pData, nSize, szIcon, items))
        return FALSE;
    pItems = new UINT[items.size() + 1];
    nCount = 0;
    for (size_t i = 0; i < items.size(); i++)
    {
        if (items[i] != 0)
            pItems[nCount++] = items[i];
    }
    return TRUE;
}

// A toolbar resource is a 16-bit version (1), image width, image height and
// item count, then one 16-bit command id per item (0 for a separator). The
// platform's resource compiler writes the same without the version and with
// 32-bit fields; both are read, each only when its size matches exactly.
BOOL CXTPImageManager::ReadToolbarLayout(const BYTE* pData, DWORD nSize, CSize& szIcon,
                                         std::vector<UINT>& items)
{
    if (nSize >= 8 && XTPWordAt(pData) == 1 && nSize == 8 + 2 * (DWORD)XTPWordAt(pData + 6))
    {
        szIcon = CSize(XTPWordAt(pData + 2), XTPWordAt(pData + 4));
        for (DWORD i = 0; i < XTPWordAt(pData + 6); i++)
            items.push_back(XTPWordAt(pData + 8 + 2 * i));
        return TRUE;
    }
    if (nSize >= 12 && XTPDwordAt(pData + 8) < nSize && nSize == 12 + 4 * XTPDwordAt(pData + 8))
    {
        szIcon = CSize(XTPDwordAt(pData), XTPDwordAt(pData + 4));
        for (DWORD i = 0; i < XTPDwordAt(pData + 8); i++)
            items.push_back(XTPDwordAt(pData + 12 + 4 * i));
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPImageManager::SetIconFromResource(UINT nIDResourceIcon, UINT nIDCommand, CSize szIcon,
                                           XTPImageState imageState)
{
    const DWORD kDirectoryHeader = 6;
    const DWORD kDirectoryEntry = 14;
    DWORD nSize = 0;
    const BYTE* pGroup = XTPFindResourceData(nIDResourceIcon, RT_GROUP_ICON, nSize);
    if (pGroup != NULL)
    {
        if (nSize < kDirectoryHeader)
            return FALSE;
        DWORD nEntries = XTPWordAt(pGroup + 4);
        if (nSize < kDirectoryHeader + nEntries * kDirectoryEntry)
            return FALSE;
        // Each entry of the group names an RT_ICON image of its own.
        for (DWORD i = 0; i < nEntries; i++)
        {
            const BYTE* pEntry = pGroup + kDirectoryHeader + i * kDirectoryEntry;
            CSize szEntry(pEntry[0] ? pEntry[0] : 256, pEntry[1] ? pEntry[1] : 256);
            DWORD nImageSize = 0;
            const BYTE* pImage = XTPFindResourceData(XTPWordAt(pEntry + 12), RT_ICON, nImageSize);
            if (!SetIconFromImage(pImage, nImageSize, nIDCommand, szEntry, imageState))
                return FALSE;
        }
        return TRUE;
    }
    const BYTE* pImage = XTPFindResourceData(nIDResourceIcon, RT_ICON, nSize);
    return SetIconFromImage(pImage, nSize, nIDCommand, szIcon, imageState);
}

BOOL CXTPImageManager::SetIconFromImage(const BYTE* pImage, DWORD nSize, UINT nIDCommand, CSize szIcon,
                                        XTPImageState imageState)
{
    if (pImage == NULL || nSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    CXTPImageManagerIconHandle hImage;
    if (((const BITMAPINFOHEADER*)pImage)->biBitCount == 32)
        hImage = XTPCreateAlphaBitmapFromIconImage(pImage, nSize);
    else
        hImage = ::CreateIconFromResourceEx((PBYTE)pImage, nSize, TRUE, 0x30000, szIcon.cx, szIcon.cy, 0);
    return SetIcon(hImage, nIDCommand, szIcon, imageState);
}

COLORREF CXTPImageManager::GetBitmapPixel(UINT nIDResourceBitmap, int x, int y)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDResourceBitmap))
        return CLR_INVALID;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, bitmap.GetSafeHandle());
    COLORREF clrPixel = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clrPixel;
}

HBITMAP CXTPImageManager::ConvertAlphaBitmap(HDC hDC, HBITMAP hBitmap, COLORREF clrBackground)
{
    CDC dc;
    dc.CreateCompatibleDC(CDC::FromHandle(hDC));
    PBITMAPINFO pInfo = NULL;
    LPVOID pBits = NULL;
    UINT nSize = 0;
    if (!CXTPImageManagerIcon::GetBitmapBits(dc, hBitmap, pInfo, pBits, nSize))
        return NULL;
    BITMAPINFO target;
    memset(&target, 0, sizeof(target));
    target.bmiHeader = pInfo->bmiHeader;
    target.bmiHeader.biBitCount = 24;
    target.bmiHeader.biSizeImage = 0;
    int nWidth = pInfo->bmiHeader.biWidth;
    int nRows = abs(pInfo->bmiHeader.biHeight);
    free(pInfo);

    BYTE* pTarget = NULL;
    HBITMAP hResult = ::CreateDIBSection(NULL, &target, DIB_RGB_COLORS, (void**)&pTarget, NULL, 0);
    if (hResult != NULL)
    {
        BYTE background[3] = {GetBValue(clrBackground), GetGValue(clrBackground), GetRValue(clrBackground)};
        int nTargetRow = (nWidth * 3 + 3) & ~3;
        for (int nRow = 0; nRow < nRows; nRow++)
        {
            const BYTE* pSource = (const BYTE*)pBits + nRow * nWidth * 4;
            BYTE* pDest = pTarget + nRow * nTargetRow;
            for (int x = 0; x < nWidth; x++, pSource += 4, pDest += 3)
            {
                for (int i = 0; i < 3; i++)
                    pDest[i] = pSource[3] < kOpaqueAlpha
                                   ? background[i]
                                   : BlendChannel(background[i], pSource[i], pSource[3]);
            }
        }
    }
    free(pBits);
    return hResult;
}

HBITMAP CXTPImageManager::LoadAlphaBitmapMasked(UINT nIDResourceBitmap, COLORREF clrBackground)
{
    HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaBitmap(nIDResourceBitmap);
    if (hAlpha == NULL)
        return NULL;
    HBITMAP hResult = ConvertAlphaBitmap(NULL, hAlpha, clrBackground);
    ::DeleteObject(hAlpha);
    return hResult;
}
