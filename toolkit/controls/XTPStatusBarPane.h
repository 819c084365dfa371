#pragma once
// The status bar's pane windows: small child windows that draw one thing in
// the button-face colour, to be hosted over a pane with
// CXTPStatusBar::AddControl.
//
//   CXTPStatusBarTextPane* pPane = new CXTPStatusBarTextPane;
//   pPane->CreatePane("Ready", &m_wndStatusBar, WS_CHILD | WS_VISIBLE, ID_PANE_TEXT);
//   m_wndStatusBar.AddControl(pPane, ID_PANE_TEXT, TRUE);
//
// CXTPStatusBarBasePane draws nothing but its background; the text pane draws
// its text centred in a bold font, the icon pane a small icon, greyed while
// the window is disabled.
#include "framework/Framework.h"

class CXTPStatusBarBasePane : public CWnd
{
    DECLARE_DYNCREATE(CXTPStatusBarBasePane)
public:
    CXTPStatusBarBasePane();
    ~CXTPStatusBarBasePane() override;

    // ---- Overridables ----

    // Creates the child window with the text as its name; TRUE on success.
    virtual BOOL CreatePane(LPCTSTR lpszText, CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Draws the pane's content over its background; nothing in the base.
    virtual void DrawPaneContent(CDC* pDC, CRect& rcClient);

    // The text; neither redraws nor measures.
    void SetText(LPCTSTR lpszText) { strText = lpszText; }
    CString GetText() const { return strText; }

    CString strText;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};

class CXTPStatusBarTextPane : public CXTPStatusBarBasePane
{
public:
    // The font: the menu font of the non-client metrics in bold.
    CXTPStatusBarTextPane();

    // Replace the font and measure the text with it into sizeText.
    void SetFont(LOGFONT* pLogFont);
    void SetFont(LPCTSTR lpszFaceName, int nHeight, int nWeight, BYTE bItalic, BYTE bUnderline);

    // The text in the button-shadow colour, one line, centred, cut with an
    // ellipsis.
    void DrawPaneContent(CDC* pDC, CRect& rcClient) override;

    CFont font;
    CSize sizeText;
};

class CXTPStatusBarIconPane : public CXTPStatusBarBasePane
{
public:
    CXTPStatusBarIconPane();
    ~CXTPStatusBarIconPane() override;

    // Loads the icon resource at small-icon size, replacing (and destroying)
    // the icon before.
    void SetIcon(LPCTSTR lpszResourceName);
    void SetIcon(UINT nIDResource);

    // The icon centred; greyed in the button-shadow colour when disabled.
    void DrawPaneContent(CDC* pDC, CRect& rcClient) override;

    CSize sizeIcon;
    HICON hIcon;

protected:
    afx_msg void OnEnable(BOOL bEnable);

    DECLARE_MESSAGE_MAP()
};
