#pragma once
// A memory DC with a 32-bit top-down DIB section selected, filled white; the
// pixels are read straight from the section's bits, not through GDI, so a
// test sees what was really drawn.
#include "framework/gdi/CDC.h"

class Canvas
{
public:
    Canvas(int width, int height) : m_width(width), m_height(height), m_bits(NULL)
    {
        m_dc.CreateCompatibleDC(NULL);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap.Attach(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, (void**)&m_bits, NULL, 0));
        m_previous = ::SelectObject(m_dc.m_hDC, m_bitmap.m_hObject);
        Fill(RGB(255, 255, 255));
    }

    ~Canvas() { ::SelectObject(m_dc.m_hDC, m_previous); }

    CDC& dc() { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // GDI may batch drawing; flush before the bits are read.
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        DWORD value = m_bits[y * m_width + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }

    void Fill(COLORREF color)
    {
        for (int i = 0; i < m_width * m_height; i++)
            m_bits[i] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }

    // Pixels in the rectangle whose colour is not the given one.
    int CountOther(const RECT& rect, COLORREF color) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                if (Pixel(x, y) != color)
                    count++;
        return count;
    }

    int CountOther(COLORREF color) const
    {
        RECT all = { 0, 0, m_width, m_height };
        return CountOther(all, color);
    }

    // A new bitmap, compatible with the canvas, holding a copy of its picture.
    void CopyInto(CBitmap& bitmap)
    {
        bitmap.CreateCompatibleBitmap(&m_dc, m_width, m_height);
        CDC copy;
        copy.CreateCompatibleDC(&m_dc);
        CBitmap* previous = copy.SelectObject(&bitmap);
        copy.BitBlt(0, 0, m_width, m_height, &m_dc, 0, 0, SRCCOPY);
        copy.SelectObject(previous);
    }

    bool SameAs(const Canvas& other) const
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; i++)
            if (m_bits[i] != other.m_bits[i])
                return false;
        return true;
    }

private:
    int m_width;
    int m_height;
    DWORD* m_bits;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous;
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
