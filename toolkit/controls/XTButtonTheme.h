#pragma once
// Button themes: the objects that draw a CXTButton and hold its colours, its
// font and its image options. CXTButtonThemeFactory makes the shared theme for
// the controls' theme id (1 Office XP, 2 Office 2003, else the base theme); a
// button may hold a private theme chosen by its style flags, and the caption
// themes derive their caption-button themes from these.
//
//   CXTButtonTheme            three-dimensional, flat or semi-flat edges in
//                             system colours, Windows XP visual styles when
//                             the button asks for them (ButtonStyleWinXP)
//   CXTButtonThemeOfficeXP    highlight fills and borders of the colour manager
//   CXTButtonThemeOffice2003  the Office XP look in the Windows XP scheme colours
//
// Every drawing operation takes the button it draws. State words are the
// owner-draw states; "pressed" is ODS_SELECTED or the button's pushed look,
// "hot" the button's hot flag.
#include "toolkit/foundation/XTThemeManager.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"
#include "framework/Gdi.h"

class CXTButton;
class CXTPImageManagerIcon;
class CXTPImageManagerIconHandle;

class CXTButtonTheme : public CXTThemeManagerStyle
{
public:
    CXTButtonTheme();

    // --- overridable; the base behaviour is described at each ---

    // Refreshes the colour manager and sets the standard colours: face 15,
    // text 18, gray text 17, hilite 15, shadow 16, highlight 20, dark shadow 21.
    void RefreshMetrics() override;
    // The base tracks the hot state with visual styles or for flat and
    // semi-flat buttons.
    virtual BOOL IsHotTracking(CXTButton* pButton);
    // The button asks for visual styles (ButtonStyleWinXP), the theme data of
    // the button class can be had and the application is themed.
    virtual BOOL UseVisualStyles(CXTButton* pButton);
    virtual BOOL GetShowImages() { return m_bShowImages; }
    virtual void SetShowImages(BOOL bShowImages) { m_bShowImages = bShowImages; }
    // The theme font when it is a valid font, else the button's own.
    virtual CFont* GetThemeFont(CXTButton* pButton);
    // Kept only when it is a valid font.
    virtual void SetThemeFont(CFont* pFont);
    virtual void SetButtonColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText);
    virtual void SetColorFace(COLORREF clr) { m_clrFace.SetCustomValue(clr); }
    virtual COLORREF GetColorFace() { return m_clrFace; }
    virtual void SetColorHilite(COLORREF clr) { m_clrHilite.SetCustomValue(clr); }
    virtual void SetColorShadow(COLORREF clr) { m_clrShadow.SetCustomValue(clr); }
    virtual void SetColorText(COLORREF clr) { m_clrText.SetCustomValue(clr); }
    // Where an object of cx x cy starts: centred with ButtonStyleImageAbove,
    // else at the border gap, centred vertically.
    virtual void CalcObjectPos(CPoint& pt, int cx, int cy, CXTButton* pButton);
    // The user's text position when the button has one; else after the image
    // (left aligned), at the right border gap, or centred in what is left,
    // below the image with ButtonStyleImageAbove.
    virtual void CalcTextPos(CPoint& pt, UINT nState, const CRect& rect, CSize sizeText, CXTButton* pButton);
    // Gray text when disabled, else the text colour.
    virtual COLORREF GetTextColor(UINT nState, CXTButton* pButton);
    // The text at CalcTextPos in GetTextColor and the theme font, one pixel
    // further while pressed when the theme offsets pressed buttons.
    virtual void DrawButtonText(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton);
    // The user's image position when the button has one; else at the border
    // gap, centred when the button has no text and asks for it (BS_CENTER,
    // BS_VCENTER), above the text with ButtonStyleImageAbove.
    virtual void CalcImagePos(CPoint& pt, CDC* pDC, UINT nState, CRect& rect, BOOL bHasHotImage,
                              CXTButton* pButton);
    // Disabled, normal or hot image by the state.
    virtual void DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton);
    // Background, text, image and focus.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    // FALSE unless visual styles are used and draw the background.
    virtual BOOL DrawVisualStyleBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    // Face, dithered face and the edges of the button's style.
    virtual BOOL DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    // The dotted focus rectangle, 2 pixels in (4 with visual styles).
    virtual void DrawFocus(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton);

    // --- a toolbar look for buttons ---
    // As DrawButtonImage, but a disabled button shows its normal image drawn
    // disabled by the system.
    void DrawToolbarImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton);
    // The visual-style background without the focus state.
    BOOL DrawToolbarBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    // As UseVisualStyles, with the theme data of the toolbar class.
    BOOL UseToolbarVisualStyles(CXTButton* pButton);

    // --- state ---
    BOOL GetOffsetWhenPressed() const { return m_bOffsetWhenPressed; }
    COLORREF GetColorText() const { return m_clrText; }
    COLORREF GetColorShadow() const { return m_clrShadow; }
    COLORREF GetColorHilite() const { return m_clrHilite; }

protected:
    // ODS_SELECTED or the button's pushed look.
    static BOOL IsPressed(UINT nState, CXTButton* pButton);
    static BOOL IsHot(CXTButton* pButton);
    // The button's icon with its position in pt, moved by one pixel while
    // pressed when the theme offsets pressed buttons; NULL when no image is to
    // be drawn.
    CXTPImageManagerIcon* PrepareImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton, CPoint& pt);
    // The icon's image for the state: disabled, normal at rest (neither hot nor
    // pressed), else hot.
    static CXTPImageManagerIconHandle& StateImage(UINT nState, CXTButton* pButton,
                                                  CXTPImageManagerIcon* pIcon);

    BOOL m_bShowImages;
    BOOL m_bOffsetWhenPressed;
    CFont* m_pFont;
    CXTPPaintManagerColor m_clrFace;
    CXTPPaintManagerColor m_clrText;
    CXTPPaintManagerColor m_clrGrayText;
    CXTPPaintManagerColor m_clrHilite;
    CXTPPaintManagerColor m_clrShadow;
    CXTPPaintManagerColor m_clrHighlight;
    CXTPPaintManagerColor m_clrDarkShadow;
    CXTPUxThemeWrapper m_themeButton;
    CXTPUxThemeWrapper m_themeToolbar;
};

class CXTButtonThemeOfficeXP : public CXTButtonTheme
{
public:
    explicit CXTButtonThemeOfficeXP(BOOL bFlatFace = FALSE);

    // Face 30 with a flat face, else 15; pressed face 33, hot face 31,
    // shadow 16, border (hilite) 32, text 46, hot text 45, pressed text 47,
    // pushed face 36.
    void RefreshMetrics() override;
    // Always TRUE.
    BOOL IsHotTracking(CXTButton* pButton) override;
    // Colour 17 disabled, hot text when hot, pressed text when pressed.
    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    // Faded normal image, shadowed hot image.
    void DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton) override;
    // The face, or the hot and pressed fills inside a border.
    BOOL DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;
    // With a flat face, two highlight rectangles while the button is at rest.
    void DrawFocus(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton) override;

    virtual void SetFlatFace(BOOL bFlatFace);
    virtual void SetPressedFace(COLORREF clr) { m_clrPressedFace.SetCustomValue(clr); }
    virtual void SetHotFace(COLORREF clr) { m_clrHotFace.SetCustomValue(clr); }
    virtual void SetPressedText(COLORREF clr) { m_clrPressedText.SetCustomValue(clr); }
    virtual void SetHotText(COLORREF clr) { m_clrHotText.SetCustomValue(clr); }

    BOOL GetFlatFace() const { return m_bFlatFace; }
    COLORREF GetHotFace() const { return m_clrHotFace; }
    COLORREF GetPressedFace() const { return m_clrPressedFace; }
    COLORREF GetHotText() const { return m_clrHotText; }

protected:
    // The Office XP background: the fills of DrawButtonBackground.
    BOOL DrawOfficeBackground(CDC* pDC, const CRect& rect, CXTButton* pButton, UINT nState);

    BOOL m_bFlatFace;
    BOOL m_bFadedIcons;
    BOOL m_bShadowedHotIcon;
    CXTPPaintManagerColor m_clrPressedFace;
    CXTPPaintManagerColor m_clrHotFace;
    CXTPPaintManagerColor m_clrPressedText;
    CXTPPaintManagerColor m_clrHotText;
    CXTPPaintManagerColor m_clrPushedFace;
};

class CXTButtonThemeOffice2003 : public CXTButtonThemeOfficeXP
{
public:
    explicit CXTButtonThemeOffice2003(BOOL bFlatFace = FALSE);

    // The Office XP colours; under a Windows XP colour scheme the hot, pressed
    // and pushed faces, black texts and the scheme's face, shadow and border.
    // Without a flat face the face stays colour 15.
    void RefreshMetrics() override;
    // Disabled, hot (while pressed) or normal image.
    void DrawButtonImage(CDC* pDC, UINT nState, CRect& rect, CXTButton* pButton) override;
};

// Face, shadow and border (hilite) of the Office 2003 buttons under the
// Windows XP colour scheme 1 (blue), 2 (olive) or 3 (silver).
struct XTButtonSchemeColors
{
    COLORREF clrFace;
    COLORREF clrShadow;
    COLORREF clrBorder;
};
const XTButtonSchemeColors& XTButtonSchemeColorsOf(int nScheme);

class CXTButtonThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTButtonThemeFactory)
public:
    // 1: Office XP, 2: Office 2003 (both without a flat face), else the base.
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};
