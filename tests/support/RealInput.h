#pragma once
// Real input, for tests whose fault is about input: mouse clicks and key
// strokes go through SendInput into the system's input queue, so they reach
// the windows as a user's do, with the key state, the hooks, the focus and
// the accelerators of the moment they are taken. A test then waits for the
// state the input leads to, pumping as the framework's message loop does.
//
//     ClickScreen(ScreenCenterOf(tree.m_hWnd, hItem));
//     DragScreen(ptButton, ptOnTheDesktop, {VK_CONTROL});
//     PressKeys({VK_CONTROL, 'A'});              // the shortcut Ctrl+A
//     TypeText("alpha\r");                       // '\r' is Enter
//     ASSERT_TRUE(PumpPendingUntil([&] { return tree.GetCount() == 3; }));
#include "framework/Window.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

// A left click at the screen point; the keys (VK_CONTROL, VK_SHIFT) are held
// down around it.
void ClickScreen(CPoint point, std::initializer_list<WORD> heldKeys = {});
// The mouse moved to the screen point, and left there (to rest on a tool
// until its tip shows, say).
void MoveMouseTo(CPoint point);
// The mouse at the screen point, then the button events in order
// (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP...): a release without its
// press, say, where a click made earlier went elsewhere.
void SendButtonsAt(CPoint point, std::initializer_list<DWORD> buttonEvents);
// The wheel turned by nDelta (WHEEL_DELTA a notch, positive away from the
// user or to the right) with the mouse at the screen point: dwWheel is
// MOUSEEVENTF_WHEEL for the vertical wheel, MOUSEEVENTF_HWHEEL (0x1000) for
// the horizontal one.
void TurnWheelAt(CPoint point, DWORD dwWheel, int nDelta);
// The left button pressed at one screen point, the mouse moved to the other
// in a few steps and the button released there; the keys are held down
// around it (Ctrl: a copy, where a drag tells copy from move). The press
// comes at once; the rest comes from a thread of its own once a window of
// the calling thread holds the mouse capture (as a drag loop takes it on
// the press), so the caller pumps the press meanwhile, as PumpPendingUntil
// does; each move once the calling thread has taken the move before it.
void DragScreen(CPoint from, CPoint to, std::initializer_list<WORD> heldKeys = {});
// The keys pressed in order and released in reverse order.
void PressKeys(const std::vector<WORD>& keys);
// One key going down or up, for strokes that overlap as fast typing makes
// them (the next key down before Enter is up):
//     SendKeyStrokes({KeyDown(VK_RETURN), KeyDown('X'), KeyUp(VK_RETURN), KeyUp('X')});
struct KeyStroke
{
    WORD vk;
    bool bUp;
};
inline KeyStroke KeyDown(WORD vk)
{
    return {vk, false};
}
inline KeyStroke KeyUp(WORD vk)
{
    return {vk, true};
}
void SendKeyStrokes(std::initializer_list<KeyStroke> strokes);
// Keys, clicks and wheel turns sent in one SendInput with one time stamp, as
// automation and paste tools send them: alike inputs then differ in nothing
// but their place in the queue.
//     CInputAtOneMoment()
//         .Keys({KeyDown('X'), KeyUp('X'), KeyDown('X'), KeyUp('X')})
//         .Buttons(pt, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
//         .Wheel(pt, MOUSEEVENTF_WHEEL, WHEEL_DELTA)
//         .Send();
class CInputAtOneMoment
{
public:
    CInputAtOneMoment& Keys(std::initializer_list<KeyStroke> strokes);
    // The mouse at the screen point, then the button events there.
    CInputAtOneMoment& Buttons(CPoint point, std::initializer_list<DWORD> buttonEvents);
    // The mouse at the screen point, then the wheel turned (see TurnWheelAt).
    CInputAtOneMoment& Wheel(CPoint point, DWORD dwWheel, int nDelta);
    void Send();

private:
    std::vector<INPUT> m_inputs;
};
// Each character pressed as its key of the keyboard layout, with Shift where
// the layout needs it; '\r' is the Enter key.
void TypeText(const char* text);

// What an input message read back is, to compare with what was sent: "down
// X" and "up X" for a key, "press" (a double click's too) and "release" for
// the left button, "wheel" and "horizontal wheel"; "" for the rest (moves,
// characters, paints).
std::string NameOfInput(UINT message, WPARAM wParam);

// The screen point at the middle of the tree item's text.
CPoint ScreenCenterOf(HWND hTree, HTREEITEM hItem);

// Pumps the thread's messages as PumpPending does (PreTranslateMessage
// first, so accelerators work) until the condition holds; FALSE when it
// still does not after the time-out.
bool PumpPendingUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Pumps the thread's messages until every input sent before the call has
// been taken and handled (the system hands out a timer message only once no
// input or posted message waits); FALSE when that takes longer than the
// time-out. For input whose outcome is a state that may look right on the
// way (a menu open in the wrong mode):
//     PressKeys({VK_RIGHT});
//     ASSERT_TRUE(PumpUntilInputTaken());
bool PumpUntilInputTaken(DWORD timeoutMs = 10000);
// Presses the keys as PressKeys does, then PumpUntilInputTaken: what the
// keys do is done by then. FALSE when the thread did not get through them.
bool PressKeysAndWait(const std::vector<WORD>& keys);

// One step of a walk by real input: the input, and the state expected once
// the thread has handled it.
struct InputStep
{
    std::function<void()> input;
    std::string expected;
};
// The keys pressed in order and released in reverse order, as a step's input:
//     {KeysPressed(VK_MENU, 'E'), "&Edit > &Copy"}
template <class... TKeys>
std::function<void()> KeysPressed(TKeys... keys)
{
    return [=] { PressKeys({(WORD)keys...}); };
}
// Each step's input, then PumpUntilInputTaken, then the state read; fails
// unless every state read is the one expected, showing the whole walk both
// ways ("state; " a step) so that the first step that went astray shows.
::testing::AssertionResult WalkByInput(const std::vector<InputStep>& steps,
                                       const std::function<std::string()>& readState);
