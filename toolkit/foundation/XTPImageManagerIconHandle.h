#pragma once
// One image of an icon: an icon handle or a 32-bit bitmap with straight
// (not pre-multiplied) per-pixel alpha, and the pre-multiplied copy made the
// first time the bitmap is drawn. The image's extent is asked of the system
// once and kept.
#include "framework/Core.h"

class CXTPImageManagerIconHandle
{
public:
    CXTPImageManagerIconHandle();
    // Wrap a handle the caller keeps owning.
    CXTPImageManagerIconHandle(HICON hIcon);
    CXTPImageManagerIconHandle(HBITMAP hBitmap);
    // A view of the other handle's images, owning nothing.
    CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& handle);
    ~CXTPImageManagerIconHandle();

    // Clear, then take ownership of the handle.
    const CXTPImageManagerIconHandle& operator=(HICON hIcon);
    const CXTPImageManagerIconHandle& operator=(HBITMAP hBitmap);
    // Clear, then own a copy of the 32-bit bitmap / of the other handle's images.
    void CopyHandle(HBITMAP hBitmap);
    void CopyHandle(const CXTPImageManagerIconHandle& handle);
    // Clear, then take the other handle's images: images it owns move here
    // without a copy (copying an icon costs the system a new icon), and it is
    // left empty; a view's images are copied.
    void TakeHandle(CXTPImageManagerIconHandle& handle);
    // Clear, then own an icon or bitmap the caller made at the given size.
    void Own(HICON hIcon, CSize szExtent);
    void Own(HBITMAP hBitmap, CSize szExtent);
    void Clear();

    BOOL IsEmpty() const { return m_hIcon == NULL && m_hBitmap == NULL; }
    BOOL IsAlpha() const { return m_hBitmap != NULL; }
    CSize GetExtent() const;
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    operator HICON() const { return m_hIcon; }
    // The pre-multiplied copy of the alpha bitmap, made on first use.
    HBITMAP PreMultiply();

private:
    void operator=(const CXTPImageManagerIconHandle&);

    HICON m_hIcon;
    HBITMAP m_hBitmap;
    HBITMAP m_hAlphaBits;
    BOOL m_bClearHandles;
    // The image's extent once known (cx 0 until then).
    mutable CSize m_szExtent;
};
