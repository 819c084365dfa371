#include "tests/support/RealInput.h"

#include "tests/support/TestWindow.h"

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
// so none depends on where the pointer was.
INPUT MouseInput(CPoint point, DWORD dwFlags)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = point.x * 65535 / cx;
    input.mi.dy = point.y * 65535 / cy;
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void Send(std::vector<INPUT>& inputs)
{
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

// The keys down, then what comes between, then the keys up in reverse order.
void SendHeld(std::initializer_list<WORD> keys, std::vector<INPUT> between)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(KeyInput(vk, false));
    inputs.insert(inputs.end(), between.begin(), between.end());
    for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk)
        inputs.push_back(KeyInput(*vk, true));
    Send(inputs);
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
    Send(inputs);
}

void SendButtonsAt(CPoint point, std::initializer_list<DWORD> buttonEvents)
{
    std::vector<INPUT> inputs = {MouseInput(point, 0)};
    for (DWORD dwEvent : buttonEvents)
        inputs.push_back(MouseInput(point, dwEvent));
    Send(inputs);
}

void TurnWheelAt(CPoint point, DWORD dwWheel, int nDelta)
{
    std::vector<INPUT> inputs = {MouseInput(point, 0), MouseInput(point, dwWheel)};
    inputs.back().mi.mouseData = (DWORD)nDelta;
    Send(inputs);
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
        rest.push_back(MouseInput(from + CSize((to.x - from.x) * i / kSteps, (to.y - from.y) * i / kSteps), 0));
    }
    repeatHeldKeys();
    rest.push_back(MouseInput(to, MOUSEEVENTF_LEFTUP));
    for (auto vk = std::rbegin(heldKeys); vk != std::rend(heldKeys); ++vk)
        rest.push_back(KeyInput(*vk, true));
    Send(press);
    const DWORD dwThread = ::GetCurrentThreadId();
    std::thread([dwThread, rest]() mutable {
        const DWORD start = ::GetTickCount();
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        while (::GetTickCount() - start < 10000
               && !(::GetGUIThreadInfo(dwThread, &info) && info.hwndCapture != NULL))
            ::Sleep(10);
        Send(rest);
    }).detach();
}

void PressKeys(std::initializer_list<WORD> keys)
{
    SendHeld(keys, {});
}

void SendKeyStrokes(std::initializer_list<KeyStroke> strokes)
{
    std::vector<INPUT> inputs;
    for (const KeyStroke& stroke : strokes)
        inputs.push_back(KeyInput(stroke.vk, stroke.bUp));
    Send(inputs);
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
