#pragma once
// Drives the modal dialogs and message boxes a test's code opens: a
// thread-local CBT hook sees each dialog window become active, records its
// caption and its message text (static 0xFFFF of a message box), and hands
// it to the test's step, which fills in fields and posts the closing command.
// With no step, the window is closed with IDOK.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct DrivenWindow
{
    std::string caption, text; // text: a message box's message, else empty
};

class CDialogDriver
{
public:
    explicit CDialogDriver(std::function<void(HWND)> step = nullptr);
    ~CDialogDriver();

    std::vector<DrivenWindow> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> m_step;
    HHOOK m_hHook;
};
