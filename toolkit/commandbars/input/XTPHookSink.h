#pragma once
// CXTPHookSink: the receiving end of the command bars' message hooks. The
// keyboard manager offers the keys pressed while a bar tracks to the sinks it
// holds, and the hook manager offers the messages of windows it subclasses to
// the sinks registered for them. A bar is a sink through its second base.
//
//     class CMyBar : public CWnd, public CXTPHookSink {
//         int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
//                           LPARAM& lParam, LRESULT& lResult) override;
//     };
#include <windows.h>

class CXTPHookSink
{
public:
    // What OnHookMessage answers.
    enum HookResult
    {
        hookNotHandled = 0, // offer the message to the next sink
        hookHandled = 1,    // handled: lResult is the answer
        hookStop = 2        // offer it no further; the window handles it
    };

    virtual ~CXTPHookSink() {}

    // One message of a hooked window (hWnd 0 for keys from the keyboard
    // manager). The sink may change wParam and lParam before they go on.
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;
};
