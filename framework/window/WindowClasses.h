#pragma once
// Registration of window classes for framework windows. Every class gets
// DefWindowProc as its procedure; the creation hook of CWnd::CreateEx
// subclasses each window to the framework.
#include "framework/Core.h"

// The name of a class with these attributes, registered on first use; the
// name lives until the next call on this thread.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = NULL, HBRUSH hbrBackground = NULL,
                            HICON hIcon = NULL);
// Registers the class unless a class of that name exists already.
BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
// The class of CWnd::Create when none is named: double clicks, redraw on resize.
LPCTSTR AfxDefaultWndClass();
// The class of frame windows: the icon of nIDIcon when the resource has one.
LPCTSTR AfxFrameWndClass(UINT nIDIcon);
