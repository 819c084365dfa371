#include "PixelCanvas.h"

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_bits(NULL)
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
    Fill(fill);
}

PixelCanvas::~PixelCanvas()
{
    ::SelectObject(m_dc.m_hDC, m_previous);
}

COLORREF PixelCanvas::Pixel(int x, int y) const
{
    // GDI may batch drawing; flush before the bits are read.
    ::GdiFlush();
    DWORD value = m_bits[y * m_width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void PixelCanvas::Fill(COLORREF color)
{
    ::GdiFlush();
    for (int i = 0; i < m_width * m_height; i++)
        m_bits[i] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

int PixelCanvas::CountOther(const RECT& rect, COLORREF color) const
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (Pixel(x, y) != color)
                count++;
    return count;
}

int PixelCanvas::CountOther(COLORREF color) const
{
    RECT all = {0, 0, m_width, m_height};
    return CountOther(all, color);
}

CRect PixelCanvas::PaintedBounds(COLORREF background) const
{
    return BoundsWhere(background, false);
}

CRect PixelCanvas::BoundsOf(COLORREF color) const
{
    return BoundsWhere(color, true);
}

CRect PixelCanvas::BoundsWhere(COLORREF color, bool bOfColor) const
{
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < m_height; y++)
        for (int x = 0; x < m_width; x++)
            if ((Pixel(x, y) == color) == bOfColor)
                bounds |= CRect(x, y, x + 1, y + 1); // an empty rectangle adds nothing
    return bounds;
}

void PixelCanvas::CopyInto(CBitmap& bitmap)
{
    bitmap.CreateCompatibleBitmap(&m_dc, m_width, m_height);
    CDC copy;
    copy.CreateCompatibleDC(&m_dc);
    CBitmap* previous = copy.SelectObject(&bitmap);
    copy.BitBlt(0, 0, m_width, m_height, &m_dc, 0, 0, SRCCOPY);
    copy.SelectObject(previous);
}

bool PixelCanvas::SameAs(const PixelCanvas& other) const
{
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    ::GdiFlush();
    for (int i = 0; i < m_width * m_height; i++)
        if (m_bits[i] != other.m_bits[i])
            return false;
    return true;
}
