#pragma once
// Scope objects that select a font, pen, brush or bitmap into a device
// context and select the previous object back when they go out of scope.
#include "framework/Gdi.h"

class CXTPFontDC
{
public:
    CXTPFontDC(CDC* pDC, CFont* pFont);
    virtual ~CXTPFontDC();

    // Selects the font that was current before this object, then pFont.
    void SetFont(CFont* pFont);

private:
    HDC m_hDC;
    HGDIOBJ m_hOldFont;
};

// A solid pen of one pixel.
class CXTPPenDC
{
public:
    CXTPPenDC(HDC hDC, COLORREF clr);
    virtual ~CXTPPenDC();

    // Replaces the pen by one of another colour.
    void Color(COLORREF clr);
    COLORREF Color() const { return m_clr; }

private:
    CPen m_pen;
    HDC m_hDC;
    HGDIOBJ m_hOldPen;
    COLORREF m_clr;
};

// A solid brush.
class CXTPBrushDC
{
public:
    CXTPBrushDC(HDC hDC, COLORREF clr);
    virtual ~CXTPBrushDC();

    // Replaces the brush by one of another colour.
    void Color(COLORREF clr);

private:
    CBrush m_brush;
    HDC m_hDC;
    HGDIOBJ m_hOldBrush;
};

// A memory DC compatible with pDC, with the bitmap selected for its lifetime.
class CXTPCompatibleDC : public CDC
{
public:
    CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    ~CXTPCompatibleDC() override;

private:
    HGDIOBJ m_hOldBitmap;
};
