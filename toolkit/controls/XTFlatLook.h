#pragma once
// What the flat combo box and the flat edit share: switching the flat look
// (the border and edge styles stripped and saved, then restored), the test
// for the mouse over the control and the background of their off-screen paint.
#include "framework/Window.h"

// The hover timer of the flat controls and its period.
const UINT_PTR XT_FLAT_TIMER = 1000;
const UINT XT_FLAT_TIMER_ELAPSE = 10;

class CXTFlatLook
{
public:
    CXTFlatLook() : m_bFlat(TRUE), m_dwSavedBorder(0), m_dwSavedEdge(0) {}

    BOOL IsFlat() const { return m_bFlat; }
    // Flat on: saves and removes WS_BORDER and the client and static edges
    // and starts the hover timer; off: puts the saved bits back and stops
    // it. Either way the frame is recalculated. FALSE when the look already
    // was as asked.
    BOOL SetFlat(CWnd* pWnd, BOOL bFlat);
    // WM_SETCURSOR: for a mouse move of a flat control inside its window
    // starts the hover timer and answers TRUE (the caller runs one hover
    // step); a control that is not flat stops the timer.
    BOOL StartHover(CWnd* pWnd, UINT message);

    // The cursor lies in the window rectangle.
    static BOOL IsMouseOver(CWnd* pWnd);
    // 2 (hot) with the focus or with the cursor over the control or one of
    // its children; 1 when another window covers the cursor or it is away.
    static int HoverState(CWnd* pWnd, BOOL bHasFocus);
    // The background of the controls' off-screen paint: the window colour,
    // the face colour when the control is disabled.
    static COLORREF PaintBackColor(CWnd* pWnd);

    DWORD GetSavedBorder() const { return m_dwSavedBorder; }
    DWORD GetSavedEdge() const { return m_dwSavedEdge; }

private:
    BOOL m_bFlat;
    DWORD m_dwSavedBorder;
    DWORD m_dwSavedEdge;
};
