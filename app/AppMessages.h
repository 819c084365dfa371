#pragma once
// The messages the views send to the main frame and the frame to the views,
// and how a view reaches the frame.
#include "framework/Window.h"

// Posted to the keyword tree view at start-up: run the first check pass.
#define WM_CHECK_ALL 0x501
// Posted to the main frame when new news arrived.
#define WM_NEWS_ARRIVED 0x502
// Posted to the main frame when no unread item is left.
#define WM_ALL_READ 0x503
// Posted to the main frame with a check's progress.
#define WM_CHECK_PROGRESS 0x504

// Walks from pWnd up its parents while the window has the child style and
// posts the message to the first window without it (the main frame).
void PostToTopLevel(const CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The application's title (string 57344), the caption of its message boxes.
CString AppTitle();
