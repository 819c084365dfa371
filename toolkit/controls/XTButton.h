#pragma once
// CXTButton: an owner-drawn push button whose look comes entirely from a
// button theme (XTButtonTheme.h). The button keeps its state (hot, held down,
// pushed look), its geometry and its icon, and forwards drawing and colour
// settings to the theme. Hot tracking runs on timer 1 (10 ms) while the
// cursor is over the button.
//
//   CXTButton button;
//   button.Create("Check", WS_CHILD | WS_VISIBLE, rect, pParent, ID_CHECK);
//   button.SetIcon(CSize(16, 16), hIcon);
//   button.SetXButtonStyle(ButtonStyleFlat | ButtonStyleShowFocus);
//
// The style flags choose a private theme: ButtonStyleOfficeXP an Office XP
// theme, else ButtonStyleFlat a base theme, else the shared theme of the
// controls' theme id.
#include "framework/Controls.h"
#include "toolkit/foundation/XTThemeManager.h"

class CXTButtonTheme;
class CXTPImageManagerIcon;

// Button style flags (SetXButtonStyle).
enum XTButtonStyle
{
    ButtonStyleFlat = 0x0001,          // edge only while hot or pressed
    ButtonStyleSemiFlat = 0x0002,      // thin edge always
    ButtonStyleImageAbove = 0x0004,    // image centred above the text
    ButtonStyleShowFocus = 0x0010,     // the focus rectangle is drawn
    ButtonStyleDitherPressed = 0x0020, // a pressed button gets a dithered face
    ButtonStyleOfficeXP = 0x0040,      // a private Office XP theme
    ButtonStyleWinXP = 0x1000          // Windows XP visual styles when available
};

class CXTButton : public CButton, public CXTThemeManagerStyleHost
{
    DECLARE_DYNCREATE(CXTButton)
public:
    CXTButton();
    ~CXTButton() override;

    // --- overridable ---

    // Draws through the theme.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Loads the icon resources (nHotID 0: no hot image) at the size; FALSE
    // when one cannot be loaded, the previous icon staying.
    virtual BOOL SetIcon(CSize size, UINT nID, UINT nHotID = 0, BOOL bRedraw = TRUE);
    // Copies of the icons; a size of (0, 0) takes the icon's own extent.
    virtual BOOL SetIcon(CSize size, HICON hIcon, HICON hIconHot = NULL, BOOL bRedraw = TRUE);
    // A bitmap resource as the image: 32-bit bitmaps keep their alpha, any
    // other takes its top-left pixel as transparent colour.
    virtual BOOL SetBitmap(CSize size, UINT nID, BOOL bRedraw = TRUE);
    // Fixed image and text positions instead of the theme's layout.
    virtual BOOL SetTextAndImagePos(CPoint ptImage, CPoint ptText, BOOL bRedraw = TRUE);
    // Stores the style flags and chooses the theme they ask for; answers the
    // previous flags.
    virtual DWORD SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw = TRUE);
    virtual DWORD GetXButtonStyle() { return m_dwxStyle; }
    virtual BOOL HasTheme();
    virtual void SetButtonColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText);
    virtual void SetColorFace(COLORREF clr);
    // Without a theme: the shared UI data's face colour.
    virtual COLORREF GetColorFace();
    virtual void SetColorHilite(COLORREF clr);
    virtual void SetColorShadow(COLORREF clr);
    virtual void SetColorText(COLORREF clr);
    // Only for a theme of id 1: border, hot face and pressed face.
    virtual void SetXPColors(COLORREF clrBorder, COLORREF clrHotFace, COLORREF clrPressedFace);
    virtual void ToggleShowImages();
    // Answers the previous font.
    virtual CFont* SetButtonFont(CFont* pFont);
    // Drops the generated images of the icon.
    virtual void RefreshImages();
    virtual CString GetButtonText(BOOL bRemoveMnemonics);

    // --- state read by the themes ---
    CXTButtonTheme* GetTheme();
    CXTPImageManagerIcon* GetButtonIcon() const { return m_pIcon; }
    // (0, 0) each unless the theme shows images.
    CSize GetImageSize();
    CPoint GetImagePos();
    CPoint GetTextPos();
    int GetBorderGap() const { return m_nBorderGap; }
    int GetImageGap() const { return m_nImageGap; }
    BOOL IsHot() const { return m_bHot; }
    BOOL IsButtonDown() const { return m_bLBtnDown; }
    BOOL GetUserPosition() const { return m_bUserPosition; }
    BOOL GetPushedLook() const { return m_bPushedLook; }
    void SetPushedLook(BOOL bPushed) { m_bPushedLook = bPushed; }

    // The hover timer.
    enum
    {
        TimerHover = 1,
        HoverElapse = 10
    };

protected:
    void OnThemeChanged() override;
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    // The hover check of the timer: marks the button hot while the cursor is
    // over it and the mouse button is up, else stops the timer.
    void CheckHover();
    void SetButtonDown(BOOL bDown);
    void DeleteIcon();
    void RedrawIfAsked(BOOL bRedraw);

    int m_nBorderGap;
    int m_nImageGap;
    BOOL m_bHot;
    BOOL m_bUserPosition;
    BOOL m_bLBtnDown;
    BOOL m_bHover;
    BOOL m_bPushedLook;
    DWORD m_dwxStyle;
    CSize m_sizeImage;
    CPoint m_ptImage;
    CPoint m_ptText;
    CXTPImageManagerIcon* m_pIcon;
};
