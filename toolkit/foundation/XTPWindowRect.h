#pragma once
// Rectangles and points initialised from a window.
#include "framework/Window.h"

// The window rectangle in screen coordinates; empty when the handle is not a
// window.
class CXTPWindowRect : public CRect
{
public:
    explicit CXTPWindowRect(HWND hWnd)
    {
        if (!::IsWindow(hWnd) || !::GetWindowRect(hWnd, this))
            SetRectEmpty();
    }
    explicit CXTPWindowRect(const CWnd* pWnd) : CXTPWindowRect(pWnd->GetSafeHwnd()) {}
};

// The client rectangle; empty when the handle is not a window.
class CXTPClientRect : public CRect
{
public:
    explicit CXTPClientRect(HWND hWnd)
    {
        if (!::IsWindow(hWnd) || !::GetClientRect(hWnd, this))
            SetRectEmpty();
    }
    explicit CXTPClientRect(const CWnd* pWnd) : CXTPClientRect(pWnd->GetSafeHwnd()) {}
};

class CXTPEmptyRect : public CRect
{
public:
    CXTPEmptyRect() : CRect(0, 0, 0, 0) {}
};

// The cursor position in the window's client coordinates.
class CXTPClientCursorPos : public CPoint
{
public:
    explicit CXTPClientCursorPos(const CWnd* pWnd)
    {
        ::GetCursorPos(this);
        ::ScreenToClient(pWnd->GetSafeHwnd(), this);
    }
};
