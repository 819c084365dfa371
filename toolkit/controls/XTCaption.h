#pragma once
// CXTCaption: a static control drawn as a caption strip over a pane: a
// background with an optional edge, a text, an optional icon at the right
// end, and an embedded button (CXTCaptionButton, id 9115). Drawing goes
// through a caption theme (XTCaptionTheme.h).
//
//   CXTCaption caption;
//   caption.CreateCaption(pParent, "Keyword List", CaptionStyleRaised,
//                         WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, CRect(0, 0, 0, 0), 1001);
//
// Usual mode: the button lies over the caption text and stays hidden until a
// pane is attached with SetChildWindow; clicking it then opens a
// CXTCaptionPopupWnd that shows the pane floating under the caption. Pinning
// the popup (WM_CAPTION_POPUP_PINNED) or moving the focus away from it
// (WM_CAPTION_POPUP_CLOSED) closes it, and the caption passes either message
// on to its owner. Close-button mode (CaptionStyleCloseButton): the button is
// a small cross at the right end whose click reaches the owner as WM_COMMAND
// with the caption's id.
#include "framework/gdi/CImageList.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTCaptionResource.h"

class CXTCaptionTheme;
class CXTCaptionPopupWnd;

// Caption style bits (the low three bits of CreateCaption's dwExStyle).
enum XTCaptionStyle
{
    CaptionStyleFrame = 0x1,      // double edge: sunken, then raised
    CaptionStyleRaised = 0x2,     // single raised edge
    CaptionStyleCloseButton = 0x4 // a close button at the right end
};

// The popup window's messages to the caption, and the caption's to its owner.
const UINT WM_CAPTION_POPUP_PINNED = 0xdd9;
const UINT WM_CAPTION_POPUP_CLOSED = 0xdda;

// The button of a caption bar and of the caption popup.
class CXTCaptionButton : public CXTButton
{
public:
    // In a caption: takes the caption's face and text colours, the dark
    // shadow colour and the caption's font, and keeps the style flags.
    // Elsewhere: the push button's style change.
    DWORD SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw = TRUE) override;
};

class CXTCaption : public CStatic, public CXTThemeManagerStyleHost
{
    DECLARE_DYNCREATE(CXTCaption)
public:
    CXTCaption();
    ~CXTCaption() override;

    // --- overridable ---

    // Colours of the caller's; system colour changes leave them.
    virtual void SetCaptionColors(COLORREF clrBorder, COLORREF clrFace, COLORREF clrText);
    // Each argument that is not 0 or NULL replaces its value; then a repaint.
    virtual void ModifyCaptionStyle(int nBorderSize, CFont* pFont = NULL, LPCTSTR lpszText = NULL,
                                    HICON hIcon = NULL);
    // The pane the popup will show, and the window told of its end.
    virtual void SetChildWindow(CWnd* pChild, CWnd* pNotifyWnd);
    // Hides the button and destroys the popup.
    virtual void ClosePopup();
    // Opens the popup over the pane's old place (made on first use, grown by
    // what the grandparent grew since), lays it out and shows the button
    // pushed; TRUE when it is (already) open.
    virtual BOOL ShowPopup();
    // Redraws the background, then the new text and the new icon, each only
    // when given.
    virtual void UpdateCaption(LPCTSTR lpszText, HICON hIcon);
    // Creates the window with the toolkit's font; the low three bits of
    // dwExStyle are the CaptionStyle flags, the rest window extended styles.
    // Without CaptionStyleCloseButton the embedded button is made too.
    virtual BOOL CreateCaption(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwExStyle, DWORD dwStyle,
                               const CRect& rect, UINT nID);
    // The text's rectangle: its width plus an average character and 12,
    // at most the client width (less 18 with an icon); empty without text.
    virtual void CalcTextRect(CRect& rect);
    // Background, text and icon: the base hands each to the caption theme.
    virtual void DrawCaptionBack(CDC* pDC, CRect& rect);
    virtual void DrawCaptionText(CDC* pDC);
    virtual void DrawCaptionIcon(CDC* pDC, CRect& rect);
    // Gives the button the caption's text and place, then draws the text.
    virtual void RefreshCaptionText(CDC* pDC);
    // The close button's 16 x 15 place at the right end, else the text's.
    virtual void GetButtonRect(CRect& rect);

    // A private Office 2003 theme (with user colours), or back to the shared one.
    void EnableOffice2003Look(BOOL bEnable);

    // The shared caption theme of every caption.
    static CXTCaptionTheme* GetTheme();
    static void SetTheme(int nTheme);
    static void SetTheme(CXTThemeManagerStyle* pTheme);
    // This caption's theme.
    CXTCaptionTheme* GetCaptionTheme();

    // --- state read by the themes ---
    int GetBorderSize() const { return m_nBorderSize; }
    DWORD GetCaptionStyle() const { return m_dwCaptionStyle; }
    const CString& GetCaptionText() const { return m_strCaption; }
    HICON GetCaptionIcon() const { return m_hIcon; }
    CSize GetIconSize() const { return m_sizeIcon; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    COLORREF GetFaceColor() const { return m_clrFace; }
    COLORREF GetTextColor() const { return m_clrText; }
    BOOL HasUserColors() const { return m_bUserColors; }
    CXTCaptionButton& GetCaptionButton() { return m_btnCaption; }
    CXTCaptionPopupWnd* GetPopup() const { return m_pPopup; }

protected:
    void OnThemeChanged() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSysColorChange();
    afx_msg void OnCaptionButton();
    afx_msg LRESULT OnPopupPinned(WPARAM, LPARAM);
    afx_msg LRESULT OnPopupClosed(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    BOOL HasButton() const { return ::IsWindow(m_btnCaption.m_hWnd); }
    void SetSystemColors();
    void GiveButtonColors();
    void DestroyPopup();
    void NotifyOwner(UINT message);

    int m_nBorderSize;
    int m_nChildHeightOffset;
    BYTE m_bUserColors;
    CWnd* m_pChildWnd;
    HWND m_hWndParent;      // the pane's parent when it was attached
    HWND m_hWndGrandParent; // and that parent's parent
    CSize m_sizeIcon;
    CRect m_rcChild;
    CRect m_rcParent;
    CRect m_rcGrandParent;
    DWORD m_dwCaptionStyle;
    HICON m_hIcon;
    CString m_strCaption;
    COLORREF m_clrBorder;
    COLORREF m_clrFace;
    COLORREF m_clrText;
    CImageList m_imageList;
    CXTCaptionButton m_btnCaption;
    CXTCaptionPopupWnd* m_pPopup;
};
