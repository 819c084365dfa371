#pragma once
// How top-level windows stand over each other, as a test reads it, with
// real mouse input at a screen point (RealInput). The display server
// answers some requests later with events of its own (under wine an exposed
// window may be moved in front of the windows over the part now on screen):
// SettleDisplay lets those arrive and be handled before a test looks.
//
//     ClickScreen(ptOnFrame);
//     SettleDisplay();
//     EXPECT_TRUE(IsInFront(pBar->m_hWnd, frame->m_hWnd));
//     EXPECT_EQ(pBar->m_hWnd, TopLevelAt(rcBar.CenterPoint()));
#include "framework/Window.h"
#include "tests/support/RealInput.h"

#include <functional>

// hWnd stands in front of hOther among the top-level windows.
bool IsInFront(HWND hWnd, HWND hOther);

// The top-level window the user sees at the screen point (the root of the
// window WindowFromPoint finds there).
HWND TopLevelAt(CPoint pt);

// Dispatches the waiting messages, waits until the display server has
// answered every request made so far (it reads a pixel of the screen), and
// dispatches the messages that the events it sent meanwhile brought.
void SettleDisplay();
// Settles the display until the condition holds or the time runs out;
// answers the condition.
bool SettleUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
