#include "tests/support/RealInput.h"

#include "tests/support/TestWindow.h"

#include <atomic>
#include <commctrl.h>
#include <string.h>
#include <thread>
#include <vector>

namespace {

INPUT KeyInput(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = (WORD)::MapVirtualKeyA(vk, 0);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A mouse event at the screen point: each event carries its own position,
// so none depends on where the pointer was. Absolute positions run from 0
// to 65536 over the screen's width and height, a pixel being the positions
// from its left edge on: the first of them lands on the point itself.
INPUT MouseInput(CPoint point, DWORD dwFlags)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (point.x * 65536 + cx - 1) / cx;
    input.mi.dy = (point.y * 65536 + cy - 1) / cy;
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

// The screen point of the latest mouse message the thread that drags took
// off its queue (x in the high half), for DragScreen's sender to wait for.
std::atomic<long long> g_llMouseTakenAt(-1);

long long PackPoint(POINT pt)
{
    return ((long long)pt.x << 32) | (unsigned long)pt.y;
}

LRESULT CALLBACK NoteMouseTaken(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = (const MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message >= WM_MOUSEFIRST
        && pMsg->message <= WM_MOUSELAST)
        g_llMouseTakenAt = PackPoint(pMsg->pt);
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Notes, from now on, the mouse messages the calling thread takes.
void WatchMouseTaken()
{
    thread_local HHOOK t_hHook = NULL;
    if (t_hHook == NULL)
        t_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, NoteMouseTaken, NULL, ::GetCurrentThreadId());
}

// Waits (a second at the most: a hook may eat the move) until the watched
// thread has taken a mouse message at the point of the move sent.
void WaitUntilMouseTakenAt(const INPUT& move)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    const POINT pt = {(LONG)((long long)move.mi.dx * cx / 65536), (LONG)((long long)move.mi.dy * cy / 65536)};
    const DWORD start = ::GetTickCount();
    while (g_llMouseTakenAt != PackPoint(pt) && ::GetTickCount() - start < 1000)
        ::Sleep(1);
}

void SendAll(std::vector<INPUT>& inputs)
{
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

// The keys down, then what comes between, then the keys up in reverse order.
void SendHeld(const std::vector<WORD>& keys, std::vector<INPUT> between)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(KeyInput(vk, false));
    inputs.insert(inputs.end(), between.begin(), between.end());
    for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk)
        inputs.push_back(KeyInput(*vk, true));
    SendAll(inputs);
}

} // namespace

void ClickScreen(CPoint point, std::initializer_list<WORD> heldKeys)
{
    SendHeld(heldKeys, {MouseInput(point, 0), MouseInput(point, MOUSEEVENTF_LEFTDOWN),
                        MouseInput(point, MOUSEEVENTF_LEFTUP)});
}

void MoveMouseTo(CPoint point)
{
    std::vector<INPUT> inputs = {MouseInput(point, 0)};
    SendAll(inputs);
}

void SendButtonsAt(CPoint point, std::initializer_list<DWORD> buttonEvents)
{
    CInputAtOneMoment().Buttons(point, buttonEvents).Send();
}

void TurnWheelAt(CPoint point, DWORD dwWheel, int nDelta)
{
    CInputAtOneMoment().Wheel(point, dwWheel, nDelta).Send();
}

void DragScreen(CPoint from, CPoint to, std::initializer_list<WORD> heldKeys)
{
    // The system routes mouse input to a window when the input comes: the
    // moves and the release wait for the capture a drag takes on the press,
    // as they do under a hand, while the calling thread pumps the press.
    std::vector<INPUT> press;
    for (WORD vk : heldKeys)
        press.push_back(KeyInput(vk, false));
    press.push_back(MouseInput(from, 0));
    press.push_back(MouseInput(from, MOUSEEVENTF_LEFTDOWN));
    // A held key repeats, as a keyboard repeats it, before each step: the
    // window that took the capture hears it held even where the press
    // changed the active window and the system forgot the keys held before
    // it (wine does, a moment after the activation).
    std::vector<INPUT> rest;
    auto repeatHeldKeys = [&]() {
        for (WORD vk : heldKeys)
            rest.push_back(KeyInput(vk, false));
    };
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; i++)
    {
        repeatHeldKeys();
        rest.push_back(
            MouseInput(from + CSize((to.x - from.x) * i / kSteps, (to.y - from.y) * i / kSteps), 0));
    }
    repeatHeldKeys();
    rest.push_back(MouseInput(to, MOUSEEVENTF_LEFTUP));
    for (auto vk = std::rbegin(heldKeys); vk != std::rend(heldKeys); ++vk)
        rest.push_back(KeyInput(*vk, true));
    SendAll(press);
    WatchMouseTaken();
    const DWORD dwThread = ::GetCurrentThreadId();
    std::thread([dwThread, rest]() {
        const DWORD start = ::GetTickCount();
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        while (::GetTickCount() - start < 10000
               && !(::GetGUIThreadInfo(dwThread, &info) && info.hwndCapture != NULL))
            ::Sleep(10);
        // One event at a time, each move once the thread has taken the one
        // before: wine folds a move into the move still waiting, even one
        // the thread is taking at that moment, which then reads as it was
        // and the moves folded into it are lost (the drag ends short of
        // where it should).
        for (INPUT input : rest)
        {
            ::SendInput(1, &input, sizeof(INPUT));
            if (input.type == INPUT_MOUSE && input.mi.dwFlags == (MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE))
                WaitUntilMouseTakenAt(input);
        }
    }).detach();
}

void PressKeys(const std::vector<WORD>& keys)
{
    SendHeld(keys, {});
}

bool PressKeysAndWait(const std::vector<WORD>& keys)
{
    PressKeys(keys);
    return PumpUntilInputTaken();
}

void SendKeyStrokes(std::initializer_list<KeyStroke> strokes)
{
    CInputAtOneMoment().Keys(strokes).Send();
}

CInputAtOneMoment& CInputAtOneMoment::Keys(std::initializer_list<KeyStroke> strokes)
{
    for (const KeyStroke& stroke : strokes)
        m_inputs.push_back(KeyInput(stroke.vk, stroke.bUp));
    return *this;
}

CInputAtOneMoment& CInputAtOneMoment::Buttons(CPoint point, std::initializer_list<DWORD> buttonEvents)
{
    m_inputs.push_back(MouseInput(point, 0));
    for (DWORD dwEvent : buttonEvents)
        m_inputs.push_back(MouseInput(point, dwEvent));
    return *this;
}

CInputAtOneMoment& CInputAtOneMoment::Wheel(CPoint point, DWORD dwWheel, int nDelta)
{
    m_inputs.push_back(MouseInput(point, 0));
    m_inputs.push_back(MouseInput(point, dwWheel));
    m_inputs.back().mi.mouseData = (DWORD)nDelta;
    return *this;
}

void CInputAtOneMoment::Send()
{
    // A time stamp of the caller's stands for the system's own.
    const DWORD dwNow = ::GetTickCount();
    for (INPUT& input : m_inputs)
    {
        if (input.type == INPUT_KEYBOARD)
            input.ki.time = dwNow;
        else
            input.mi.time = dwNow;
    }
    SendAll(m_inputs);
    m_inputs.clear();
}

void TypeText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
    {
        if (*p == '\r')
        {
            PressKeys({VK_RETURN});
            continue;
        }
        const SHORT key = ::VkKeyScanA(*p);
        const WORD vk = LOBYTE(key);
        if (HIBYTE(key) & 1)
            PressKeys({VK_SHIFT, vk});
        else
            PressKeys({vk});
    }
}

std::string NameOfInput(UINT message, WPARAM wParam)
{
    const UINT kHorizontalWheel = 0x020E; // WM_MOUSEHWHEEL, newer than the build's headers
    switch (message)
    {
    case WM_KEYDOWN:
        return "down " + std::string(1, (char)wParam);
    case WM_KEYUP:
        return "up " + std::string(1, (char)wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return "press";
    case WM_LBUTTONUP:
        return "release";
    case WM_MOUSEWHEEL:
        return "wheel";
    case kHorizontalWheel:
        return "horizontal wheel";
    }
    return "";
}

CPoint ScreenCenterOf(HWND hTree, HTREEITEM hItem)
{
    RECT rect;
    memcpy(&rect, &hItem, sizeof hItem); // the message takes the item in the rectangle
    ::SendMessageA(hTree, TVM_GETITEMRECT, TRUE, (LPARAM)&rect);
    ::MapWindowPoints(hTree, NULL, (LPPOINT)&rect, 2);
    return CRect(rect).CenterPoint();
}

bool PumpPendingUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        PumpPending();
        if (condition())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

namespace {

bool g_bQueueDrained = false;

void CALLBACK NoteQueueDrained(HWND, UINT, UINT_PTR, DWORD)
{
    g_bQueueDrained = true;
}

} // namespace

bool PumpUntilInputTaken(DWORD timeoutMs)
{
    g_bQueueDrained = false;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 0, NoteQueueDrained);
    const bool bTaken = PumpPendingUntil([] { return g_bQueueDrained; }, timeoutMs);
    ::KillTimer(NULL, nTimer);
    return bTaken;
}

::testing::AssertionResult WalkByInput(const std::vector<InputStep>& steps,
                                       const std::function<std::string()>& readState)
{
    std::string expected, walked;
    for (const InputStep& step : steps)
    {
        step.input();
        if (!PumpUntilInputTaken())
            return ::testing::AssertionFailure() << "the input was not taken after: " << walked;
        expected += step.expected + "; ";
        walked += readState() + "; ";
    }
    if (walked == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected: " << expected << "\n  walked: " << walked;
}
