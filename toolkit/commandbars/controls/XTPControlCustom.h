#pragma once
// CXTPControlCustom: a window of the program standing on a bar (control type
// 7). The control places the window at its rectangle (less its borders) as a
// child of the bar, shows and hides it with the control, enables it with
// the control, and hands mouse moves over the window to the bar so the hot
// tracking follows the pointer. The window is not owned: copies share it.
// While the window is hidden (by the program, or by the vertical option 2
// on a vertical bar) the control draws and clicks as a button.
//
//     CXTPControlCustom* pCustom = CXTPControlCustom::CreateControlCustom(&m_wndZoom);
//     pToolBar->GetControls()->AddControl(pCustom, IDC_ZOOM);
//     pCustom->SetBorders(2, 1, 2, 1);
//
// After a saved bar state is loaded, the window is found again by its
// dialog id among the children of the site frame and of each bar.
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/input/XTPHookSink.h"

// What a vertically docked bar does to the control.
enum XTPControlCustomVerticalOptions
{
    xtpVerticalHide = 0,       // the control hides
    xtpVerticalShow = 1,       // nothing changes
    xtpVerticalButtonOnly = 2  // the window hides; the control stays as a button
};

class CXTPControlCustom : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlCustom)
public:
    CXTPControlCustom();
    // Stops watching the window.
    ~CXTPControlCustom() override;

    // A new control hosting the window, its control id the window's dialog id.
    static CXTPControlCustom* CreateControlCustom(CWnd* pWnd);

    // Hosts the window (NULL none); a window that exists gives the control
    // its size and is watched for mouse moves.
    void SetControl(CWnd* pWnd);
    CWnd* GetControl() const { return m_pControl; }
    void SetSize(int cx, int cy) { m_szControl = CSize(cx, cy); }
    CSize GetControlSize() const { return m_szControl; }
    // Space kept around the window inside the control.
    void SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom);
    CRect GetBorders() const { return m_rcBorders; }
    void SetVerticalPositionOption(int nOption) { m_nVerticalOptions = nOption; }
    int GetVerticalPositionOption() const { return m_nVerticalOptions; }
    void SetControlID(int nID) { m_nControlID = nID; }
    int GetControlID() const { return m_nControlID; }
    // The window exists and is shown by the control.
    BOOL IsWindowShown() const;

    // ---- CXTPControl ----

    // With a shown window: its size plus the borders; else a button's size.
    CSize GetSize(CDC* pDC) override;
    // Moves the window to the rectangle less the borders on the bar.
    void SetRect(CRect rcControl) override;
    void SetEnabled(BOOL bEnabled) override;
    // Shows or hides the window with the control.
    void SetHideFlags(DWORD dwFlags) override;
    // Applies the vertical option for the layout mode.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Nothing over a shown window (it paints itself); else a button.
    void Draw(CDC* pDC) override;
    // Nothing over a shown window outside customize mode; else a button's click.
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    // Menus only: TRUE on a popup bar.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    // Borders, vertical option, sizes, the window (shared) and its id.
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    // The button's keys, then "Borders", "ControlSize", "VerticalOptions"
    // and "ControlId"; loading finds the window again by that id.
    void DoPropExchange(CXTPPropExchange* pPX) override;

private:
    // Hands the hosted window's mouse moves to the control's bar.
    class CWindowSink : public CXTPHookSink
    {
    public:
        explicit CWindowSink(CXTPControlCustom* pOwner) : m_pOwner(pOwner) {}
        int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    private:
        CXTPControlCustom* m_pOwner;
    };

    // A window is hosted and exists.
    BOOL HasWindow() const { return m_pControl != NULL && m_pControl->GetSafeHwnd() != NULL; }
    // The hosted window shows now: it paints itself and takes the clicks.
    BOOL IsWindowShowing() const { return HasWindow() && m_pControl->IsWindowVisible(); }
    // Shows the window when the control shows it and no hide flag is set.
    void ShowWindowAsControl();
    // The window with the control id among the site's and the bars' children.
    CWnd* FindControlWindow() const;

    CWindowSink m_sink;
    CWnd* m_pControl;
    CRect m_rcBorders;
    BOOL m_bControlVisible;
    CSize m_szControl;
    int m_nVerticalOptions;
    int m_nControlID;
};
