#pragma once
// CXTCaptionPopupWnd: the floating window a caption bar (XTCaption.h) opens
// under itself to show its attached pane while the pane's own place is
// collapsed. It borrows the pane (re-parents it), shows it under a small
// caption strip with a push-pin button, and tells the caption bar, by posted
// messages, when the user pins the pane back (WM_CAPTION_POPUP_PINNED) or when
// the focus has left the popup (WM_CAPTION_POPUP_CLOSED; polled on timer 1
// every 10 ms). The caption bar creates, places and destroys it; destroying
// it in any way gives the pane back to its old parent.
#include "toolkit/controls/XTCaption.h"
#include "toolkit/controls/XTIconHolder.h"

class CXTCaptionPopupWnd : public CWnd
{
    DECLARE_DYNCREATE(CXTCaptionPopupWnd)
public:
    // Registers the window class "XTCaptionPopupWnd" once per process.
    CXTCaptionPopupWnd();
    ~CXTCaptionPopupWnd() override;

    // --- overridable ---

    // A popup of the caption bar pParentWnd borrowing pChildWnd; FALSE when
    // either is not a window or a part cannot be made.
    virtual BOOL Create(const CRect& rect, CWnd* pParentWnd, CWnd* pChildWnd);
    // The strip and its button along the top, the pane below.
    virtual void LayoutPopup();
    // Gives the pane back to its old parent; FALSE when either is gone.
    virtual BOOL RestoreChild();
    // Tells the caption bar once the focus is on none of the popup's windows.
    virtual BOOL CheckFocusLost();

    CXTCaption& GetCaption() { return m_wndCaption; }
    CXTCaptionButton& GetPushPin() { return m_btnPushPin; }

    enum
    {
        TimerFocus = 1,
        FocusElapse = 10
    };

protected:
    afx_msg void OnDestroy();
    afx_msg void OnPushPin();
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // Posts to the caption bar; the caption's answer destroys this window.
    void PostToCaption(UINT message);
    BOOL LoadIcons();

    CWnd* m_pNotifyWnd;
    CWnd* m_pChildWnd;
    HWND m_hWndChildParent;
    CXTCaption m_wndCaption;
    CXTCaptionButton m_btnPushPin;
    CXTIconHolder m_iconPushed;
    CXTIconHolder m_iconNormal;
    BOOL m_bEnding;
};
