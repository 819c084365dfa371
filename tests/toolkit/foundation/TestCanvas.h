#pragma once
// A memory DC over a 32-bit DIB section of a known size and colour, so
// drawing tests read back exact pixels.
#include "framework/Gdi.h"

class CTestCanvas : public CDC
{
public:
    CTestCanvas(int nWidth, int nHeight, COLORREF clrFill)
        : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        BITMAPINFO info;
        ZeroMemory(&info, sizeof(info));
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        HDC hScreen = ::GetDC(NULL);
        m_hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
        Attach(::CreateCompatibleDC(hScreen));
        ::ReleaseDC(NULL, hScreen);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        FillSolidRect(0, 0, nWidth, nHeight, clrFill);
    }
    ~CTestCanvas() override
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
    }

    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    // Every pixel of the rectangle has the colour.
    bool IsFilled(const RECT& rc, COLORREF clr) const
    {
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                if (Pixel(x, y) != clr)
                    return false;
        return true;
    }

    int m_nWidth, m_nHeight;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};
