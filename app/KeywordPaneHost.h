#pragma once
// CKeywordPaneHost: what the keyword tree view asks of the frame around it.
// The main frame derives from it; the tree view finds it as its parent frame
// and calls nothing when the frame is another one.
#include "framework/Window.h"

class CKeywordPaneHost
{
public:
    // The caption of the keyword pane was clicked: hide the pane.
    virtual void HideKeywordPane() = 0;
    // The tree's selection changed to the item with this text and icon.
    virtual void OnKeywordSelChanged(LPCTSTR lpszItemText, HICON hItemIcon) = 0;

protected:
    ~CKeywordPaneHost() = default;
};
