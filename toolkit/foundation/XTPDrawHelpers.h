#pragma once
// The drawing utilities of all toolkit painting code: two-colour gradients
// (through "GradientFill" of "msimg32.dll" when it is there, else drawn column
// by column), colour blending, triangles, corner clipping, blurring, font
// choice and work areas.
#include "framework/Gdi.h"

class CXTPPaintManagerColorGradient;
class CWnd;

class CXTPDrawHelpers
{
public:
    // Loads "msimg32.dll" and looks up "GradientFill".
    CXTPDrawHelpers();
    // Frees the library when it was loaded.
    virtual ~CXTPDrawHelpers();

    // Fills the rectangle from crFrom (left or top) to crTo (right or
    // bottom). A NULL or empty rectangle draws nothing; equal colours or a
    // display of 256 colours or fewer give a solid fill of crFrom.
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    void GradientFill(CDC* pDC, LPCRECT lpRect, const CXTPPaintManagerColorGradient& grc, BOOL bHorz);
    // TRUE when the library's GradientFill is used.
    BOOL IsGradientFillAvailable() const { return m_pfnGradientFill != NULL; }

    // Per channel trunc(a × fRatio + b × (1 − fRatio)), at most 255.
    static COLORREF BlendColors(COLORREF crA, COLORREF crB, float fRatio);

    // Excludes the four corner pixels of the rectangle from the clip region.
    void ExcludeCorners(CDC* pDC, CRect rc);
    // pts holds (point, offset) pairs, nCount POINT entries in all: each
    // point's pixel becomes the average of itself and the pixel at
    // point + offset.
    void BlurPoints(CDC* pDC, LPPOINT pts, int nCount);

    // A filled triangle with the DC's pen and brush, or with a 1-pixel pen
    // and a solid brush of the colour.
    static void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2);
    static void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);

    // BITSPIXEL of the DC (the desktop window's when NULL) is 1 to 8.
    static BOOL IsLowResolution(HDC hDC = NULL);
    // The colour manager's Windows XP colour scheme.
    int GetCurrentSystemTheme();

    // A font family of that face name (ignoring case) is installed.
    static BOOL FontExists(const CString& strFaceName);
    // The toolkit's default face: "Tahoma" when asked for and installed
    // beside "Arial", "Arial" when installed, else the GUI font's face (which
    // systems with a far-eastern GUI font use in any case).
    CString GetDefaultFontFaceName(BOOL bUseTahoma);

    // The work area of the monitor nearest the rectangle, of the window, or
    // under the mouse cursor.
    static CRect GetWorkArea(const CRect& rect);
    static CRect GetWorkArea(HWND hWnd);
    static CRect GetWorkArea(const CWnd* pWnd);
    static CRect GetWorkArea();

private:
    CXTPDrawHelpers(const CXTPDrawHelpers&);
    CXTPDrawHelpers& operator=(const CXTPDrawHelpers&);

    typedef BOOL(WINAPI* PFNGRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    void SystemGradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    void OwnGradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);

    HMODULE m_hMsImg32;
    PFNGRADIENTFILL m_pfnGradientFill;
};

// The process-wide draw helpers, built by the toolkit's start-up.
CXTPDrawHelpers* XTPDrawHelpers();
