#pragma once
// CXTFlatControlT<TBase>: what the flat combo box (XTFlatComboBox.h) and the
// flat edit (XTEdit.h) add alike to their window class TBase: the shared
// flat-controls theme (XTFlatControlsTheme.h), the flat look switch
// (XTFlatLook.h), the hover timer that mouse moves start and the left button
// held down on the control. A control built on it says how its frame is drawn
// (DrawFrame) and what one step of the hover timer does (OnHoverTimer):
//
//   class CXTFlatComboBox : public CXTFlatControlT<CComboBox> { ... };
//   CXTFlatComboBox::SetSharedTheme(2);   // every flat control, Office 2003
#include "toolkit/controls/XTFlatControlsTheme.h"
#include "toolkit/controls/XTFlatLook.h"
#include "toolkit/controls/XTSharedTheme.h"

template <class TBase>
class CXTFlatControlT : public TBase, public CXTThemeManagerStyleHost
{
public:
    CXTFlatControlT()
        : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTFlatControlsThemeFactory)), m_bButtonDown(FALSE),
          m_bHasFocus(FALSE)
    {}

    // --- overridables ---
    // The cursor lies in the window rectangle.
    virtual BOOL IsMouseOver() { return CXTFlatLook::IsMouseOver(this); }
    // The control's frame in the state (XTFlatFrameState), drawn by the theme.
    virtual void DrawFrame(CDC* pDC, int nState) = 0;
    // Chooses the state from the focus and the mouse, then DrawFrame; nothing
    // when the control is not flat.
    virtual void DrawFlat(CDC* pDC)
    {
        if (IsFlat())
            DrawFrame(pDC, CXTFlatLook::HoverState(this, m_bHasFocus));
    }
    // Redraws the control.
    void OnThemeChanged() override
    {
        if (::IsWindow(this->m_hWnd))
            this->Invalidate();
    }

    // Switches the flat look off (TRUE) or on (FALSE).
    void DisableFlatLook(BOOL bDisable)
    {
        if (m_flatLook.SetFlat(this, !bDisable) && IsFlat())
            OnHoverTimer();
    }
    BOOL IsFlat() const { return m_flatLook.IsFlat(); }
    BOOL HasFocus() const { return m_bHasFocus; }

    CXTFlatControlsTheme* GetTheme() { return (CXTFlatControlsTheme*)GetSafeTheme(); }
    // The theme every flat control without a theme of its own draws with.
    static CXTFlatControlsTheme* GetSharedTheme()
    {
        return XTSharedTheme<CXTFlatControlsTheme>(RUNTIME_CLASS(CXTFlatControlsThemeFactory));
    }
    static void SetSharedTheme(int nTheme)
    {
        XTSetSharedTheme(RUNTIME_CLASS(CXTFlatControlsThemeFactory), nTheme);
    }
    // Takes the theme (XTSharedTheme.h).
    static void SetSharedTheme(CXTThemeManagerStyle* pTheme)
    {
        XTSetSharedTheme(RUNTIME_CLASS(CXTFlatControlsThemeFactory), pTheme);
    }

protected:
    afx_msg BOOL OnSetCursor(CWnd*, UINT, UINT message)
    {
        if (m_flatLook.StartHover(this, message))
            OnHoverTimer();
        return (BOOL)this->Default();
    }
    afx_msg void OnLButtonDown(UINT, CPoint)
    {
        if (IsFlat())
            m_bButtonDown = TRUE;
        this->Default();
    }
    afx_msg void OnLButtonUp(UINT, CPoint)
    {
        if (IsFlat())
        {
            m_bButtonDown = FALSE;
            this->Invalidate();
        }
        this->Default();
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == XT_FLAT_TIMER)
            OnHoverTimer();
        else
            this->Default();
    }
    DECLARE_MESSAGE_MAP()

    // One step of the hover timer: the frame redrawn as the mouse, the button
    // and the focus now ask, the timer stopped once nothing is to be tracked.
    virtual void OnHoverTimer() = 0;
    // Draws the frame in the state at once; the base on a client device
    // context (the frame lies inside the client area).
    virtual void DrawFrameNow(int nState)
    {
        CClientDC dc(this);
        DrawFrame(&dc, nState);
    }

    BOOL m_bButtonDown;
    BOOL m_bHasFocus;
    CXTFlatLook m_flatLook;
};

BEGIN_TEMPLATE_MESSAGE_MAP(CXTFlatControlT, TBase, TBase)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
END_MESSAGE_MAP()
