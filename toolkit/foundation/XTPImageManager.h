#pragma once
// The icons of command ids: per id an icon set, per width an icon. Icons
// come from toolbar resources, bitmap strips (32-bit strips with per-pixel
// alpha included), image lists, icon handles and the clipboard.
#include "toolkit/foundation/XTPImageManagerIconSet.h"

#include <vector>

class CXTPPropExchange;
class COleDataObject;

enum XTPImageState
{
    xtpImageNormal = 0,
    xtpImageDisabled = 1,
    xtpImageHot = 2,
    xtpImageChecked = 3
};

class CXTPImageManager : public CCmdTarget
{
public:
    // Command id to icon set; the map holds one reference of each set.
    typedef std::map<UINT, CXTPImageManagerIconSet*> CIconSetMap;

    CXTPImageManager();
    ~CXTPImageManager();

    BOOL SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nIDCommand, CSize szIcon = CSize(0, 0),
                 XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(CBitmap& bmpIcons, UINT* pCommands, int nCount, CSize szIcon,
                  XTPImageState imageState = xtpImageNormal, BOOL bAlpha = FALSE);
    BOOL SetIcons(UINT nIDResourceBitmap, UINT* pCommands, int nCount, CSize szIcon,
                  XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(CImageList& imlIcons, UINT* pCommands, int nCount, CSize szIcon,
                  XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(UINT nIDResourceToolBar, CBitmap& bmpIcons, XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(UINT nIDResourceToolBar, UINT nIDResourceBitmap, XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(UINT nIDResourceToolBar, CImageList& imlIcons, XTPImageState imageState = xtpImageNormal);
    BOOL SetIcons(UINT nIDResourceToolBar, XTPImageState imageState = xtpImageNormal);
    BOOL SetIconFromResource(UINT nIDResourceIcon, UINT nIDCommand, CSize szIcon,
                             XTPImageState imageState = xtpImageNormal);

    // Reads an RT_TOOLBAR resource: a new[] array of its non-zero command ids
    // (the caller deletes it), their count and the image size.
    static BOOL LoadToolbar(UINT nIDResourceToolBar, UINT*& pItems, int& nCount, CSize& szIcon);
    // The image size and the command ids (0 for separators) of toolbar
    // resource data; FALSE when the data is no toolbar resource.
    static BOOL ReadToolbarLayout(const BYTE* pData, DWORD nSize, CSize& szIcon, std::vector<UINT>& items);

    CXTPImageManagerIcon* GetImage(UINT nCommand, int nWidth = 16);
    // An icon size that stored data may give a bar or its options: each
    // side from 0 to the widest icon a set scales to.
    static BOOL IsIconSizeAllowed(CSize szIcon);
    CXTPImageManagerIconSet* GetIconSet(UINT nCommand);
    BOOL Lookup(UINT nCommand);
    const CIconSetMap& GetImages() const { return m_mapImages; }

    UINT AddCustomIcon(const CXTPImageManagerIconHandle& hIcon);
    void RemoveIcon(UINT nIDCommand);
    void RemoveAll();
    void RefreshAll();
    // Adds every set of the other manager whose id this one lacks.
    void AddIcons(CXTPImageManager* pImageManager);
    // Moves every set of the other manager here, each replacing a set of
    // the same id; the other manager is left empty. Custom ids given out
    // later follow the higher of the two managers' custom ids.
    void MoveIconsFrom(CXTPImageManager* pImageManager);

    COLORREF SetMaskColor(COLORREF clrMask);
    COLORREF GetMaskColor() const { return m_clrMask; }

    BOOL IsAlphaIconsSupported() const { return m_pfnAlphaBlend != NULL; }
    static BOOL IsAlphaIconsImageListSupported();
    // The system's alpha blending; FALSE when it is not available.
    BOOL AlphaBlend(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc, int xSrc, int ySrc,
                    int cxSrc, int cySrc, BLENDFUNCTION blend) const;

    static COLORREF GetBitmapPixel(UINT nIDResourceBitmap, int x, int y);
    static HBITMAP ConvertAlphaBitmap(HDC hDC, HBITMAP hBitmap, COLORREF clrBackground);
    static HBITMAP LoadAlphaBitmapMasked(UINT nIDResourceBitmap, COLORREF clrBackground);

    // Persistence and clipboard transfer of the icons.
    void DoPropExchange(CXTPPropExchange* pPX);
    void DoPropExchangeIcons(UINT nIDCommand, CXTPPropExchange* pPX);
    void Serialize(CArchive& ar) override;
    void SerializeIcons(UINT nIDCommand, CArchive& ar);
    void CopyToClipboard(UINT nIDCommand);
    UINT PasteFromClipboard(COleDataObject& data);

public:
    BOOL m_bDrawReverted; // icons are drawn mirrored (right-to-left layouts)

private:
    CXTPImageManagerIconSet* FindOrCreateIconSet(UINT nIDCommand);
    // SetIcon of an image the manager made itself: a normal image moves into
    // its icon without a copy.
    BOOL TakeIcon(CXTPImageManagerIconHandle& hIcon, UINT nIDCommand, CSize szIcon, XTPImageState imageState);
    BOOL SetAlphaIcons(HBITMAP hStrip, UINT* pCommands, int nCount, CSize szIcon, XTPImageState imageState);
    BOOL SetIconFromImage(const BYTE* pImage, DWORD nSize, UINT nIDCommand, CSize szIcon,
                          XTPImageState imageState);
    static COLORREF GetTopLeftPixel(HBITMAP hBitmap);

    typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

    COLORREF m_clrMask;
    CIconSetMap m_mapImages;
    UINT m_nCustomID;
    HMODULE m_hMsImgDll;
    PFNALPHABLEND m_pfnAlphaBlend;
};

// The program's one image manager.
CXTPImageManager* XTPImageManager();
