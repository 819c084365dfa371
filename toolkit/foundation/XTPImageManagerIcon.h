#pragma once
// The picture of one command id at one width: the normal image, the hot,
// checked and disabled images a program may give, and the faded, shadow and
// disabled images the icon computes itself on first use. Also the helpers
// for 32-bit bitmaps with per-pixel alpha.
#include "framework/Gdi.h"
#include "framework/window/CCmdTarget.h"
#include "toolkit/foundation/XTPImageManagerIconHandle.h"

#include <functional>

class CXTPImageManagerIconSet;
class CXTPImageManager;

class CXTPImageManagerIcon : public CCmdTarget
{
public:
    // The height of a new icon until an image gives it its own.
    static const int kHeightUntilSet = 15;

    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerIconSet* pIconSet = NULL);
    ~CXTPImageManagerIcon();

    CXTPImageManagerIconHandle& GetIcon() { return m_hIcon; }
    CXTPImageManagerIconHandle& GetHotIcon();
    CXTPImageManagerIconHandle& GetCheckedIcon();
    CXTPImageManagerIconHandle& GetDisabledIcon();
    CXTPImageManagerIconHandle& GetFadedIcon();
    CXTPImageManagerIconHandle& GetShadowIcon();

    // Each setter stores a deep copy of the image.
    void SetIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetNormalIcon(const CXTPImageManagerIconHandle& hIcon);
    // SetIcon without the copy where the handle owns its images: they move
    // here and the handle is left empty.
    void TakeIcon(CXTPImageManagerIconHandle& hIcon);
    void Clear(BOOL bIcon = FALSE);
    // Drops the generated images.
    void Refresh();

    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    BOOL IsScaled() const { return m_bScaled; }
    BOOL IsAlpha() const { return m_hIcon.IsAlpha(); }
    CSize GetExtent() const { return m_hIcon.GetExtent(); }
    CXTPImageManagerIconSet* GetIconSet() const { return m_pIconSet; }

    // A new icon of the width scaled from this one; NULL unless the normal image is an icon.
    CXTPImageManagerIcon* Scale(int nWidth);
    // Draws the image at the point; a zero size means the icon's own size.
    void Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon = CSize(0, 0));
    // Draws the image's silhouette in one colour (icon images only).
    void DrawMono(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon, COLORREF clrBrush);

    void Serialize(CArchive& ar) override;

    static CSize GetExtent(HICON hIcon);
    static HICON ScaleToFit(HICON hIcon, CSize szExtent, int nWidth);
    // The 32-bit bitmap's header (a 52-byte block) and bits (malloc'ed; the
    // caller frees both); FALSE when the bitmap is not 32 bits per pixel.
    static BOOL GetBitmapBits(CDC& dcSrc, HBITMAP hBitmap, PBITMAPINFO& pBitmapInfo, LPVOID& pBits,
                              UINT& nSize);
    static HBITMAP CopyAlphaBitmap(HBITMAP hBitmap);
    static HBITMAP PreMultiplyAlphaBitmap(HBITMAP hBitmap);
    static void DrawAlphaBitmap(CDC* pDC, CPoint pt, HBITMAP hBitmap, CSize szDest,
                                CSize szSrc = CSize(0, 0));
    static HBITMAP LoadAlphaBitmap(UINT nIDResource);
    static BOOL IsAlphaBitmapResource(UINT nIDResource);
    static BOOL IsAlphaBitmapFile(LPCTSTR pszFileName);
    static HBITMAP LoadAlphaIcon(LPCTSTR pszFileName, int nWidth);
    // A new 32-bit DIB section from a header and bits (NULL on failure).
    static HBITMAP CreateAlphaBitmap(const BITMAPINFOHEADER& header, const void* pBits);

    // Works on one pixel as blue, green, red and alpha bytes.
    typedef std::function<void(BYTE* pPixel)> PixelTransform;
    // A new copy of a 32-bit bitmap with the transform applied to every pixel.
    static HBITMAP TransformAlphaBitmap(HBITMAP hBitmap, const PixelTransform& transform);
    // A new icon with the transform applied to every opaque pixel; NULL when
    // the icon's bitmaps cannot be fetched.
    static HICON TransformIconPixels(HICON hIcon, const PixelTransform& transform);

private:
    void CreateFadedIcon();
    void CreateShadowIcon();
    void CreateDisabledIcon();
    // The image transformed by its kind: the whole alpha bitmap, or the
    // opaque pixels of an icon.
    static void Transform(const CXTPImageManagerIconHandle& hSource, CXTPImageManagerIconHandle& hResult,
                          const PixelTransform& transform);
    CXTPImageManager* GetImageManager() const;
    // The size and the set's scaled copies after a new normal image.
    void NormalIconChanged();

private:
    UINT m_nID;
    int m_nWidth;
    int m_nHeight;
    CXTPImageManagerIconHandle m_hIcon;
    CXTPImageManagerIconHandle m_hFaded;
    CXTPImageManagerIconHandle m_hShadow;
    CXTPImageManagerIconHandle m_hHot;
    CXTPImageManagerIconHandle m_hChecked;
    CXTPImageManagerIconHandle m_hDisabled;
    CXTPImageManagerIconHandle m_hDisabledAuto;
    BOOL m_bScaled;
    CXTPImageManagerIconSet* m_pIconSet;

    friend class CXTPImageManagerIconSet;
};
