// CLinkStatic: a static text control of a dialog made a hyperlink. Bound to
// its dialog item (DDX_Control or SubclassDlgItem), it draws its text
// underlined in the link colour (the hover colour while the mouse is over it,
// the visited colour once opened), shows a hand cursor and a tool tip with
// the target, fits its window to the text, and opens the target through the
// shell when clicked (OpenHyperlink), telling the user when that fails.
//
//     CLinkStatic m_homeLink;                    // member of a dialog
//     m_homeLink.SetURL("http://www.example/");  // before or after binding
//     DDX_Control(pDX, IDC_LINK_HOME, m_homeLink);
//
// An empty target takes the control's text and an empty text the target.
#pragma once
#include "framework/Framework.h"

class CLinkStatic : public CStatic
{
    DECLARE_DYNAMIC(CLinkStatic)
public:
    CLinkStatic();
    ~CLinkStatic() override;

    // The target; setting it moves the window to fit and renews the tool tip.
    void SetURL(LPCTSTR lpszURL);
    CString GetURL() const { return m_strURL; }

    // A hover colour of (COLORREF)-1 is the system highlight colour.
    void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour = (COLORREF)-1);
    COLORREF GetLinkColour() const { return m_crLinkColour; }
    COLORREF GetVisitedColour() const { return m_crVisitedColour; }
    COLORREF GetHoverColour() const { return m_crHoverColour; }

    void SetVisited(BOOL bVisited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }

    // NULL loads the default hand cursor (cursor 106 of the Windows folder's
    // "winhlp32.exe"; none when it is missing). The caller keeps a cursor it sets.
    void SetLinkCursor(HCURSOR hCursor);
    HCURSOR GetLinkCursor() const { return m_hLinkCursor; }

    void SetUnderline(BOOL bUnderline = TRUE);
    BOOL GetUnderline() const { return m_bUnderline; }

    // While set (the default), the window is fitted to its text.
    void SetAutoSize(BOOL bAutoSize = TRUE);
    BOOL GetAutoSize() const { return m_bAdjustToFit; }

    // Opens lpszURL (OpenHyperlink) and returns the result code: above 32
    // is success.
    int GotoURL(LPCTSTR lpszURL, int nShowCmd);

    // The window rectangle fitted to a text of textSize for the static
    // style: vertically centred with SS_CENTERIMAGE, else as high as the
    // text from the top; horizontally centred with SS_CENTER, right-aligned
    // with SS_RIGHT, else as wide as the text from the left.
    static CRect FitToText(const CRect& rect, CSize textSize, DWORD dwStyle);

    // Passes the mouse messages to the tool tip.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Adds SS_NOTIFY, fills the target or text from the other, makes the
    // font, fits the window and creates the cursor and the tool tip.
    void PreSubclassWindow() override;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnClicked();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void PositionWindow();
    void MakeFont(const LOGFONT& base);
    void SetDefaultCursor();
    void FreeOwnCursor();
    void Repaint();
    void ReportError(int nResult);

    COLORREF m_crLinkColour;
    COLORREF m_crVisitedColour;
    COLORREF m_crHoverColour;
    BOOL m_bOverControl;
    BOOL m_bVisited;
    bool m_bUnderline;
    BOOL m_bAdjustToFit;
    CString m_strURL;
    CFont m_Font;
    HCURSOR m_hLinkCursor;
    CToolTipCtrl m_ToolTip;
    // The cursor was copied here and is destroyed with the control.
    bool m_bOwnCursor;
};
