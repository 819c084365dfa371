#pragma once
// CXTFlatBorder<B>: any window class B with a 1-pixel flat border in place of
// its own edge, in the colours of the command bars' current theme. The
// keyword tree view, the preview pane, the news list and the task panel of
// the main window derive from an instance:
//
//   class CPreviewPane : public CXTFlatBorder<CView> { ... };
//
// The window takes exactly 1 pixel of non-client area on each side, whatever
// border or edge styles it was created with; its scroll bars are still added
// inside that pixel and painted by B. The border's colours: a sunken edge
// (shadow at top and left, highlight at bottom and right) in the Office XP and
// Office 2000 looks and without a paint manager, a flat line of the theme's
// border colour in the Office 2003 and Windows XP looks.
#include "framework/Window.h"

// The border colour of the current command-bar theme, top-left (bDark) or
// bottom-right.
COLORREF XTFlatBorderColor(BOOL bDark);
// WM_NCCALCSIZE of a flat-bordered window: the proposed window rectangle less
// the 1-pixel border and the room of the scroll bars its style asks for.
void XTFlatBorderCalcSize(DWORD dwStyle, RECT* pRect);
// Draws the 1-pixel border over the window's outer edge.
void XTFlatBorderPaint(HWND hWnd);

template <class B>
class CXTFlatBorder : public B
{
public:
    static COLORREF GetBorderColor(BOOL bDark) { return XTFlatBorderColor(bDark); }

protected:
    // WM_NCCALCSIZE and WM_NCPAINT as above; every other message goes to B.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_NCCALCSIZE:
            // The first rectangle of either parameter form is the proposed
            // window rectangle; B's own border and edges take no room.
            XTFlatBorderCalcSize(this->GetStyle(), (RECT*)lParam);
            return 1;
        case WM_NCPAINT:
            // B paints its scroll bars; the border goes over its edge.
            B::WindowProc(message, wParam, lParam);
            XTFlatBorderPaint(this->m_hWnd);
            return 1;
        }
        return B::WindowProc(message, wParam, lParam);
    }
};
