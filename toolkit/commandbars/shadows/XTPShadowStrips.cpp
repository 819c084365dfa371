#include "toolkit/commandbars/shadows/XTPShadowStrips.h"

namespace {

// One pixel of alpha a whose colour is clrBase scaled by nNum / nDenom.
DWORD ShadowPixel(int nAlpha, COLORREF clrBase, int nNum, int nDenom)
{
    const DWORD r = GetRValue(clrBase) * nNum / nDenom;
    const DWORD g = GetGValue(clrBase) * nNum / nDenom;
    const DWORD b = GetBValue(clrBase) * nNum / nDenom;
    return ((DWORD)nAlpha << 24) | (r << 16) | (g << 8) | b;
}

// The fading corner pixel i (along the strip's length from its end) and j
// (across it, from its outer edge).
DWORD CornerPixel(int i, int j, COLORREF clrBase, int nFactor)
{
    return ShadowPixel(3 * (i + 1) * (j + 1) * nFactor, clrBase, (i + 1) * (j + 1), 20);
}

} // namespace

CRect ShadowStripRect(BOOL bHorizontal, const CRect& rc, int nSize)
{
    if (bHorizontal)
        return CRect(rc.left + nSize, rc.bottom, rc.right + nSize, rc.bottom + nSize);
    return CRect(rc.right, rc.top + nSize, rc.right + nSize, rc.bottom);
}

CRect JoinShadowStrip(BOOL bHorizontal, const CRect& rcNew, const CRect& rcOther)
{
    CRect rc = rcNew;
    if (!bHorizontal && rc.top == rcOther.bottom - 1 && rc.right > rcOther.left && rc.right < rcOther.right)
        rc.top -= 2 * rcOther.Height();
    else if (bHorizontal && rc.left == rcOther.right - 1 && rc.top > rcOther.top && rc.bottom < rcOther.bottom)
        rc.left -= 2 * rcOther.Width() + 1;
    return rc;
}

std::vector<DWORD> ShadowStripPixels(BOOL bHorizontal, int cx, int cy, COLORREF clrBase, int nFactor)
{
    std::vector<DWORD> pixels((size_t)(cx > 0 && cy > 0 ? cx * cy : 0), 0);
    auto set = [&](int x, int y, DWORD dwPixel) {
        if (x >= 0 && x < cx && y >= 0 && y < cy)
            pixels[(size_t)(y * cx + x)] = dwPixel;
    };
    if (!bHorizontal)
    {
        // Down the right side: the top corner fades in, then every row is
        // darkest in the column next to the rectangle.
        for (int i = 0; i < kShadowSize; i++)
            for (int j = 0; j < kShadowSize; j++)
                set(kShadowSize - 1 - i, j, CornerPixel(i, j, clrBase, nFactor));
        for (int y = kShadowSize; y < cy; y++)
            for (int c = 0; c < kShadowSize; c++)
                set(c, y, ShadowPixel(15 * (kShadowSize - c) * nFactor, clrBase, kShadowSize - c, kShadowSize));
        return pixels;
    }
    // Along the bottom: both corners fade in, the row next to the rectangle
    // is the darkest.
    for (int i = 0; i < kShadowSize; i++)
    {
        for (int j = 0; j < kShadowSize; j++)
        {
            const DWORD dwPixel = CornerPixel(i, j, clrBase, nFactor);
            set(i, cy - 1 - j, dwPixel);
            set(cx - 1 - i, cy - 1 - j, dwPixel);
        }
    }
    for (int x = kShadowSize; x < cx - kShadowSize; x++)
        for (int r = 0; r < kShadowSize; r++)
            set(x, cy - 1 - r, ShadowPixel(15 * (r + 1) * nFactor, clrBase, r + 1, kShadowSize));
    return pixels;
}
