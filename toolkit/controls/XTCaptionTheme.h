#pragma once
// Caption themes: the objects that draw a caption bar (XTCaption.h), its
// background and edge, its text and its icon, and that make the button theme
// of the caption's embedded button. CXTCaptionThemeFactory makes the shared
// caption theme for the controls' theme id: 2 the Office 2003 look with its
// dark gradient, any other id the base look.
//
// The caption-button themes draw the caption's text where the caption itself
// draws it, so the button lying over the text does not show.
#include "toolkit/controls/XTButtonTheme.h"

class CXTCaption;

class CXTCaptionTheme : public CXTThemeManagerStyle
{
public:
    CXTCaptionTheme();

    // --- overridable ---

    // Shadow (colour 16) and highlight (colour 20).
    void RefreshMetrics() override;
    // The border colour, the edge of the caption's style, then the face
    // inside the border.
    virtual void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, CRect& rect);
    // The caption's text in its text rectangle, cut with an ellipsis.
    virtual void DrawCaptionText(CDC* pDC, CXTCaption* pCaption);
    // The icon at the right end, when it fits.
    virtual void DrawCaptionIcon(CDC* pDC, CXTCaption* pCaption, CRect& rect);
    // A new theme for the caption's button, which the button takes over:
    // the Office XP caption button for a theme id other than 0.
    virtual CXTButtonTheme* CreateButtonTheme(CXTCaption* pCaption);

protected:
    CXTPPaintManagerColor m_clrShadow;
    CXTPPaintManagerColor m_clrHighlight;
};

class CXTCaptionThemeOffice2003 : public CXTCaptionTheme
{
public:
    // bGradient: the dark gradient and a full frame, else the light
    // gradient over a bottom line.
    explicit CXTCaptionThemeOffice2003(BOOL bGradient = TRUE);
    ~CXTCaptionThemeOffice2003() override;

    // The caption's style bits and colours are not used.
    void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, CRect& rect) override;
    CXTButtonTheme* CreateButtonTheme(CXTCaption* pCaption) override;

    BOOL GetGradient() const { return m_bGradient; }

protected:
    BOOL m_bGradient;
};

class CXTCaptionButtonTheme : public CXTButtonTheme
{
public:
    explicit CXTCaptionButtonTheme(CXTCaption* pCaption);
    void DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton) override;

protected:
    CXTCaption* m_pCaption;
};

class CXTCaptionButtonThemeOfficeXP : public CXTButtonThemeOfficeXP
{
public:
    explicit CXTCaptionButtonThemeOfficeXP(CXTCaption* pCaption);
    // Colour 17 disabled, the hot text colour when hot or pressed.
    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton) override;
    // The face at rest; colour 33 pressed or 31 hot inside a frame of colour 32.
    BOOL DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;

protected:
    CXTCaption* m_pCaption;
};

class CXTCaptionButtonThemeOffice2003 : public CXTButtonThemeOffice2003
{
public:
    explicit CXTCaptionButtonThemeOffice2003(BOOL bGradient);
    // At rest the caption's gradient, else the Office XP button background.
    BOOL DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;

protected:
    BOOL m_bGradient;
};

class CXTCaptionThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTCaptionThemeFactory)
public:
    // 2: Office 2003 with its gradient; else the base theme.
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};
