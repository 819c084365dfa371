#pragma once
// CXTPDialogBar: a tool bar that hosts a window of the application (its
// pane) below a caption row. The caption row holds the gripper, the caption
// popup (the bar's caption, opening a menu when one is set) and a close
// button. Docked, the bar is resized from its free edge (the one facing the
// frame's client area, and the far end unless the bar stretches over its
// row); floating, from any edge. The bar keeps one client size for docked
// and one for floating, which the saved bar state carries. Hidden with the
// focus in its pane, the bar gives the focus to its site frame.
//
//     CXTPDialogBar* pBar = (CXTPDialogBar*)pCommandBars->Add("Keywords", xtpBarLeft,
//                                                              RUNTIME_CLASS(CXTPDialogBar));
//     m_wndTree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 0, 0), pBar, 100);
//     pBar->SetChild(&m_wndTree);
//     pBar->SetCaptionPopup(IDR_KEYWORD_MENU);   // the menu's first submenu
//     pBar->SetSize(CSize(180, 300));
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlCloseButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"

// The caption popup's menu: it drops below the caption, right edges aligned.
class CXTPDialogBarCaptionPopupBar : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CXTPDialogBarCaptionPopupBar)
public:
    CXTPDialogBarCaptionPopupBar();

    // ---- CXTPPopupBar ------------------------------------------------------
    // The base's placement from the caption popup, then down and to the left.
    void UpdateFlags() override;
};

// The caption text of a dialog bar (command 9399); it opens the caption
// popup bar when that holds items.
class CXTPDialogBarCaptionPopup : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPDialogBarCaptionPopup)
public:
    CXTPDialogBarCaptionPopup();

    // Set by the bar's layout: the popup bar holds items and may open.
    void SetHasItems(BOOL bHasItems) { m_bHasItems = bHasItems; }
    BOOL HasItems() const { return m_bHasItems; }

    // ---- CXTPControlPopup --------------------------------------------------
    // Plain text without items; with items drawn like a button with a
    // drop-down triangle at its right end.
    void Draw(CDC* pDC) override;
    // Without items nothing opens (and TRUE is answered at once).
    BOOL OnSetPopup(BOOL bPopup) override;

private:
    BOOL m_bHasItems;
};

// The close button of a dialog bar (command 9401): the "Marlett" cross over
// the paint manager's button background, in the button's text colour.
class CXTPDialogBarCloseButton : public CXTPControlCloseButton
{
    DECLARE_DYNCREATE(CXTPDialogBarCloseButton)
public:
    void Draw(CDC* pDC) override;
};

class CXTPDialogBar : public CXTPToolBar
{
    DECLARE_SERIAL(CXTPDialogBar)
public:
    // Not customizable; both client sizes 200 x 200, borders of 3, a
    // visible caption with its popup enabled.
    CXTPDialogBar();
    ~CXTPDialogBar() override;

    // The hosted window (a child of the bar), moved into place at once.
    void SetChild(CWnd* pChildWnd);
    HWND GetChild() const { return m_hWndChild; }
    // The caption text; empty shows the bar's title.
    void SetCaption(LPCTSTR lpszCaption);
    CString GetCaption() const { return m_strCaption; }
    // The first submenu of menu resource nIDMenu becomes the caption popup's menu.
    BOOL SetCaptionPopup(UINT nIDMenu);
    CXTPPopupBar* GetCaptionPopupBar() const { return m_pPopupBar; }
    void EnableCaptionPopup(BOOL bEnable);
    // Both client sizes (docked and floating).
    void SetSize(CSize szClient);
    CSize GetDockingClientSize() const { return m_szDockingClient; }
    CSize GetFloatingClientSize() const { return m_szFloatingClient; }
    void SetDockingClientSize(CSize szClient);
    void SetFloatingClientSize(CSize szClient);
    CSize GetMinimumClientSize() const { return m_szMinClient; }
    void SetCaptionVisible(BOOL bVisible);
    BOOL IsCaptionVisible() const { return m_bCaptionVisible; }
    // A bar that is not resizable has no sizing edges.
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    // Where the caption row ends (client y), as the last layout found it.
    int GetCaptionBottom() const { return m_nCaptionBottom; }

    // The bar resized to the window rectangle rc by the edge of the sizing
    // code: refused when the client would be smaller than the minimum; docked,
    // a left or right edge changes the docked client width and any other the
    // height (the frame lays itself out); floating, the client takes the new
    // size and the bar moves to rc.
    void ResizeTo(CRect rc, int nHitTest);

    // ---- CXTPToolBar ---------------------------------------------------------
    // The caption row over the docked client size, sized for the dock row.
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0) override;
    // The caption row over the floating client size.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    BOOL IsDialogBar() const override { return TRUE; }
    // Only the caption row counts as the bar's surface: 1 there, -2 elsewhere.
    int PtInBar(POINT point) const override;

protected:
    // The layout of the caption row for a client size (see the .cpp).
    CSize CalcBarLayout(int nLength, DWORD dwMode, CSize szClient);
    // The pane's rectangle: the client area less the borders and the caption.
    CRect GetPaneRect() const;
    void MovePane();

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* pPos);
    DECLARE_MESSAGE_MAP()

    CRect m_rcBorders;
    BOOL m_bResizable;
    CSize m_szMinClient;
    BOOL m_bCaptionVisible;
    BOOL m_bCaptionPopup;
    int m_nCaptionBottom;
    CSize m_szDockingClient;
    CSize m_szFloatingClient;
    HWND m_hWndChild;
    CString m_strCaption;
    CXTPDialogBarCaptionPopupBar* m_pPopupBar;
};
