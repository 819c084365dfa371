#pragma once
// CXTIconHolder: owns one icon handle and destroys it when it is replaced or
// the holder goes away. The notification-area icon and the caption popup keep
// their icons in one:
//
//   CXTIconHolder icon(::LoadIcon(...));   // the holder owns it now
//   icon = hOtherIcon;                     // the first one is destroyed
//   HICON hSmall = icon.ScaleToFit(16, 16); // a new icon, the caller's
#include "framework/Core.h"

class CXTIconHolder
{
public:
    CXTIconHolder();
    // Takes ownership of hIcon.
    explicit CXTIconHolder(HICON hIcon);
    virtual ~CXTIconHolder();

    // Destroys the held icon and takes hIcon (NULL leaves the holder empty).
    CXTIconHolder& operator=(HICON hIcon);
    operator HICON() const { return m_hIcon; }

    // The size of an icon: its mask bitmap's size, the height halved for a
    // monochrome icon (whose mask holds two halves); (0, 0) for NULL or an
    // icon whose information cannot be read.
    static CSize GetIconExtent(HICON hIcon);
    CSize GetExtent() const;

    // A new icon, owned by the caller, that fits into cx x cy with the
    // icon's aspect ratio kept; NULL for a (0, 0) box or an empty icon.
    static HICON ScaleToFit(HICON hIcon, int cx, int cy);
    HICON ScaleToFit(int cx, int cy) const;

    HICON m_hIcon;

private:
    CXTIconHolder(const CXTIconHolder&);
    CXTIconHolder& operator=(const CXTIconHolder&);
};
