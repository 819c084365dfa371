#pragma once
// CXTPButtonEditorBitmap: the picture the Button Editor edits, a top-down
// 32-bit DIB section whose bits the editor reads and writes directly. A
// picture without alpha marks its transparent pixels with the colour
// RGB(255, 254, 255) (XTP_EDITOR_TRANSPARENT); in an alpha picture each
// pixel carries its own alpha, a transparent one being that colour with
// alpha 0, and every pixel the editor draws becomes fully opaque.
//
// Every editing step works on a copy, so the editor can keep the picture as
// it was for undo:
//
//     CXTPButtonEditorBitmap* pNext = pPicture->Clone();
//     pNext->DrawShape(xtpEditorShapeRectangle, CPoint(2, 2), CPoint(5, 5), RGB(0, 0, 0));
//     pNext->MakeChangedPixelsOpaque(*pPicture);
//
// Pictures are made by the static constructors below, which answer NULL when
// the system cannot make the bitmap.
#include "framework/Gdi.h"

// The colour of transparent pixels in a picture without alpha.
const COLORREF XTP_EDITOR_TRANSPARENT = RGB(255, 254, 255);

// The shapes the Button Editor draws between two cells.
enum XTPButtonEditorShape
{
    xtpEditorShapeLine,
    xtpEditorShapeRectangle,
    xtpEditorShapeEllipse
};

class CXTPImageManagerIconHandle;

class CXTPButtonEditorBitmap : public CBitmap
{
public:
    // A new picture of the size, every pixel transparent.
    static CXTPButtonEditorBitmap* CreatePicture(CSize size, BOOL bAlpha);
    // A copy of the picture, or of an empty one (NULL): a new transparent
    // picture of the size, so editing an empty picture starts afresh.
    static CXTPButtonEditorBitmap* CopyOf(const CXTPButtonEditorBitmap* pPicture, CSize size);
    // The image as a picture of the size (0 x 0: the image's own): a 32-bit
    // alpha bitmap is copied (pixels whose value is 0 become transparent), an
    // icon is drawn onto a transparent picture. NULL for an empty image.
    static CXTPButtonEditorBitmap* FromImage(const CXTPImageManagerIconHandle& hImage,
                                             CSize size = CSize(0, 0));
    // A bitmap drawn at 0,0 onto a transparent picture of the size; with
    // bAlpha its bytes are copied, alpha included.
    static CXTPButtonEditorBitmap* FromBitmap(HBITMAP hBitmap, BOOL bAlpha, CSize size);

    CXTPButtonEditorBitmap* Clone() const;

    CSize GetSize() const { return m_size; }
    BOOL IsAlpha() const { return m_bAlpha; }

    // The colour and alpha of a pixel; a point outside the picture gives the
    // transparent colour and alpha 0.
    COLORREF GetPixel(int x, int y) const;
    BYTE GetAlpha(int x, int y) const;
    BOOL IsTransparent(int x, int y) const;
    BOOL Contains(CPoint pt) const { return pt.x >= 0 && pt.y >= 0 && pt.x < m_size.cx && pt.y < m_size.cy; }
    // Sets a pixel (opaque in an alpha picture, transparent for the
    // transparent colour); points outside the picture are ignored.
    void SetPixel(int x, int y, COLORREF clr);
    // Every pixel of the colour becomes transparent (a pasted picture's
    // COLOR_BTNFACE background).
    void MakeColorTransparent(COLORREF clr) { ReplaceColor(clr, XTP_EDITOR_TRANSPARENT); }

    // A line from the start cell towards the end cell, the outline of the
    // normalized rectangle or the ellipse inside it, with GDI's end-point
    // rules (the end cell lies just outside).
    void DrawShape(XTPButtonEditorShape shape, CPoint ptFrom, CPoint ptTo, COLORREF clr);
    // Fills the area of the point's colour that holds the point.
    void FloodFill(CPoint pt, COLORREF clr);
    // In an alpha picture, every pixel that differs from the same pixel of
    // pOld and is not of the transparent colour becomes opaque (a pixel of
    // that colour fully transparent); nothing without alpha.
    void MakeChangedPixelsOpaque(const CXTPButtonEditorBitmap& old);
    // A new transparent picture holding this one moved by dx, dy; what is
    // pushed out is lost.
    CXTPButtonEditorBitmap* Moved(int dx, int dy) const;

    // The picture as an image: an alpha picture as a copy of its bitmap,
    // else an icon masked by the transparent colour. Empty on failure.
    void ToImage(CXTPImageManagerIconHandle& hImage) const;
    // A copy with the transparent pixels in COLOR_BTNFACE, for the
    // clipboard and the preview; NULL when it cannot be made.
    CXTPButtonEditorBitmap* FacedCopy() const;

    // Copies the pixels as they are onto the device context at x, y.
    void Draw(HDC hDC, int x, int y) const;

    // Every pixel's colour and alpha equal.
    BOOL SameAs(const CXTPButtonEditorBitmap& other) const;

private:
    CXTPButtonEditorBitmap();
    BOOL Create(CSize size, BOOL bAlpha);
    DWORD& Bits(int x, int y) const { return m_pBits[y * m_size.cx + x]; }
    // Runs the drawing on a memory DC holding the picture.
    template <class Fn>
    void DrawWithDC(Fn draw);
    // Copies a bitmap's pixels in at 0,0 (through GDI without alpha, as
    // bytes with alpha).
    void CopyBitmapIn(HBITMAP hBitmap, BOOL bAlpha);
    void ReplaceColor(COLORREF clrFrom, COLORREF clrTo);

    DWORD* m_pBits;
    CSize m_size;
    BOOL m_bAlpha;
};
