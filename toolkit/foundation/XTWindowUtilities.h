#pragma once
// Window utilities of the standard-control extensions.
#include "framework/Window.h"

// Gives the window and its children the font and scales them by the ratio of
// the new font's average character size to the old one's; the window keeps
// its centre.
void XTChangeWindowFont(CWnd* pWnd, CFont* pFont);

// Makes an object of the view class and its window (empty rectangle, the
// style and id given) under the parent, with the context given or one made
// from the class and document. NULL when the window cannot be created; the
// object is freed then (a window that fails after its creation began frees
// its object as its class does when the window goes).
CWnd* XTCreateView(CWnd* pParentWnd, CRuntimeClass* pViewClass, CDocument* pDocument = NULL,
                   CCreateContext* pContext = NULL, DWORD dwStyle = AFX_WS_DEFAULT_VIEW,
                   CWnd* pOwnerWnd = NULL, UINT nID = AFX_IDW_PANE_FIRST);
