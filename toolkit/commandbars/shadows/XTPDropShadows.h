#pragma once
// Drop shadows of open popups: CXTPDropShadows, the process-wide shadow
// manager (XTPDropShadows()), and CXTPDropShadowWnd, one shadow strip as a
// top-level window of its own. An open popup casts a strip to its right and
// one along its bottom; under the Office XP look the control that opened a
// menu casts one too. A strip is a layered window whose picture fades in
// per pixel (UpdateLayeredWindow, bound at run time); where the system has
// no layered windows there are no shadows.
//
//     XTPDropShadows()->CreateBarShadows(pPopup, rcOwnerControl);  // as it opens
//     XTPDropShadows()->RemoveShadows(pPopup);                     // as it closes
//
// A strip follows its owner through the window-hook manager: it hides and
// shows with it and is destroyed with it, so it never outlives its popup.
#include "toolkit/commandbars/input/XTPHookSink.h"

#include "framework/Window.h"

#include <vector>

class CXTPCommandBar;
class CXTPControl;
class CXTPDropShadows;

class CXTPDropShadowWnd : public CWnd, public CXTPHookSink
{
public:
    // A strip along the bottom (bHorizontal) or down the right of pOwner,
    // themed when the owner's paint manager draws its own shadows.
    CXTPDropShadowWnd(CXTPDropShadows* pManager, BOOL bHorizontal, BOOL bThemed, CWnd* pOwner);

    BOOL IsHorizontal() const { return m_bHorizontal; }
    BOOL IsThemed() const { return m_bThemed; }
    CWnd* GetOwnerWnd() const { return m_pOwner; }

    // Creates the window once (layered, topmost, never activated); FALSE
    // when it cannot be made.
    BOOL CreateShadowWindow();

    // The owner hides, shows or goes away.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

protected:
    // The strip's picture, made again for its new size.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Clicks pass through to what lies below.
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // Hands the strip's per-pixel picture of cx x cy to the layered window.
    void UpdateLayeredPicture(int cx, int cy);

    CXTPDropShadows* m_pManager;
    BOOL m_bHorizontal;
    BOOL m_bThemed;
    CWnd* m_pOwner;
};

class CXTPDropShadows
{
public:
    typedef BOOL(WINAPI* PFNUPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                 DWORD);

    // Binds "UpdateLayeredWindow" of USER32 (NULL when missing).
    CXTPDropShadows();
    // Destroys the shadows still listed.
    ~CXTPDropShadows();

    // The two strips of an open bar's window, clear of rcExclude (screen)
    // when themed. Nothing in customize mode or without layered windows, nor
    // for the system's shadow while the system's drop-shadow setting is off.
    void CreateBarShadows(CXTPCommandBar* pBar, CRect rcExclude);
    // The two strips of a control whose popup opened (themed shadows only),
    // owned by that popup; nothing in customize mode.
    void CreateControlShadows(CXTPControl* pControl);
    // Every shadow of pOwner goes.
    void RemoveShadows(CWnd* pOwner);
    // One strip for the shadowed rectangle rcWindow (screen); NULL without
    // layered windows or when the window cannot be made.
    CXTPDropShadowWnd* CreateShadow(BOOL bHorizontal, CRect rcWindow, CRect rcExclude, CWnd* pOwner);

    BOOL IsLayeredAvailable() const { return m_pfnUpdateLayeredWindow != NULL; }
    const std::vector<CXTPDropShadowWnd*>& GetShadows() const { return m_arrShadows; }

private:
    // A strip draws its picture and goes with its owner through these.
    friend class CXTPDropShadowWnd;

    CXTPDropShadows(const CXTPDropShadows&);
    CXTPDropShadows& operator=(const CXTPDropShadows&);

    PFNUPDATELAYEREDWINDOW GetUpdateLayeredWindow() const { return m_pfnUpdateLayeredWindow; }
    // Unhooks, hides, unlists and destroys one shadow.
    void DestroyShadow(CXTPDropShadowWnd* pShadow);

    // Cuts the exclusion and the open popups (the owners of the listed
    // shadows) out of a themed shadow.
    void CutOutOwners(CXTPDropShadowWnd* pShadow, const CRect& rcExclude) const;

    PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow;
    std::vector<CXTPDropShadowWnd*> m_arrShadows;
};

// The process-wide shadow manager, built by the toolkit's start-up.
CXTPDropShadows* XTPDropShadows();
