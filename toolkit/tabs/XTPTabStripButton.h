#pragma once
// The three small buttons at the far end of a tab strip's row: scroll back,
// scroll forward and close. The strip creates and owns them; the painter lays
// them out (Layout, from the last to the first, each taking its place at the
// far end of what the others left) and draws them (Draw). A press runs the
// button's auto-repeat loop (Track): the scroll buttons move the row 20
// pixels on every tick of their 20 ms timer while held, the close button acts
// once, on release over it.
#include "framework/Window.h"
#include "toolkit/foundation/XTPCaptureLoop.h"

class CXTPTabStrip;

// What the tab strips' mouse loops (a button held, a tab dragged) do with a
// message their own cases leave: cancel mode or a right press ends the loop,
// keys are swallowed (the loops end on Esc themselves), anything else is
// dispatched.
CXTPCaptureLoop::Step XTPTabLoopOtherMessage(const MSG& msg);

enum XTPTabButtonKind
{
    xtpTabButtonScrollBack = 0,
    xtpTabButtonScrollForward = 1,
    xtpTabButtonClose = 2
};

// When a button shows.
enum XTPTabButtonShowMode
{
    xtpTabButtonHidden = 0,
    xtpTabButtonWhenNeeded = 1, // only while the row overflows or is scrolled
    xtpTabButtonAlways = 2
};

class CXTPTabStripButton
{
public:
    // The timer of the auto-repeat loop, set on the strip's window.
    static const UINT_PTR kRepeatTimerId = 0x7AB0;
    static const UINT kRepeatInterval = 20;

    CXTPTabStripButton(CXTPTabStrip* pStrip, int nKind, int nShowMode);
    virtual ~CXTPTabStripButton() {}

    // ---- Overridable (by kind) ----

    // Takes the button's place at the far end of rcRow (and shrinks it), or
    // leaves its rectangle empty when it does not show. Base: the place
    // unless the show mode is xtpTabButtonHidden.
    virtual void Layout(CRect& rcRow);
    // The glyph in the DC's pen and brush, centred in rc.
    virtual void DrawGlyph(CDC* pDC, CRect rc) = 0;
    // One step: bRepeat for a tick of the loop, FALSE for the release over
    // the button.
    virtual void OnClick(BOOL bRepeat) = 0;

    // ---- Drawing and the mouse ----

    // The painter's fill, then the glyph in the text colour (hollow when
    // disabled); nothing for an empty rectangle.
    void Draw(CDC* pDC);
    // The auto-repeat loop, entered on a press over the button; nothing when
    // another window holds the capture or the button is disabled.
    void Track(HWND hWnd, CPoint point);
    // Hot state: set over an enabled button (and a WM_MOUSELEAVE asked for),
    // cleared outside it; each change repaints the strip.
    void OnMouseMove(HWND hWnd, CPoint point);

    int GetKind() const { return m_nKind; }
    int GetShowMode() const { return m_nShowMode; }
    void SetShowMode(int nShowMode) { m_nShowMode = nShowMode; }
    CSize GetSize() const { return m_szButton; }
    CRect GetRect() const { return m_rcButton; }
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHot() const { return m_bHot; }
    CXTPTabStrip* GetStrip() const { return m_pStrip; }

protected:
    // The scroll buttons' layout: no place when the row fits (or the painter
    // compresses the tabs), else the basic place.
    void LayoutScrollButton(CRect& rcRow);
    void LayoutBasic(CRect& rcRow);
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }

private:
    // Sets the pressed state for the point; a change repaints the strip.
    void UpdatePressed(CPoint point);

    int m_nKind;
    int m_nShowMode;
    CSize m_szButton;
    CXTPTabStrip* m_pStrip;
    CRect m_rcButton;
    BOOL m_bEnabled;
    BOOL m_bPressed;
    BOOL m_bHot;
};

// Scrolls the row back (towards its start) while held; enabled while scrolled.
class CXTPTabStripScrollBackButton : public CXTPTabStripButton
{
public:
    explicit CXTPTabStripScrollBackButton(CXTPTabStrip* pStrip);
    void Layout(CRect& rcRow) override;
    void DrawGlyph(CDC* pDC, CRect rc) override;
    void OnClick(BOOL bRepeat) override;
};

// Scrolls the row forward while held; enabled while tabs lie past the end.
class CXTPTabStripScrollForwardButton : public CXTPTabStripButton
{
public:
    explicit CXTPTabStripScrollForwardButton(CXTPTabStrip* pStrip);
    void Layout(CRect& rcRow) override;
    void DrawGlyph(CDC* pDC, CRect rc) override;
    void OnClick(BOOL bRepeat) override;
};

// Tells the strip (OnButtonClick) when released over it.
class CXTPTabStripCloseButton : public CXTPTabStripButton
{
public:
    explicit CXTPTabStripCloseButton(CXTPTabStrip* pStrip);
    void DrawGlyph(CDC* pDC, CRect rc) override;
    void OnClick(BOOL bRepeat) override;
};
