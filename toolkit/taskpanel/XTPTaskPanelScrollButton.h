#pragma once
// CXTPTaskPanelScrollButton: the record of one of the two buttons that
// scroll the open group's items when a panel keeps one group open at a time.
// The panel places the buttons at each layout and the painter draws them.
#include "framework/Core.h"

class CXTPTaskPanelGroup;

struct CXTPTaskPanelScrollButton
{
    explicit CXTPTaskPanelScrollButton(BOOL bUp)
        : bScrollUp(bUp), bEnabled(FALSE), bPressed(FALSE), rcButton(0, 0, 0, 0), bHot(FALSE),
          pScrollGroup(NULL), pCaptionGroup(NULL)
    {
    }

    // Shown: placed, with a group to scroll, and enabled, or drawn in a
    // caption (which shows its buttons also when they are disabled).
    BOOL IsVisible(BOOL bCaptionButtons) const
    {
        return !rcButton.IsRectEmpty() && pScrollGroup != NULL && (bEnabled || bCaptionButtons);
    }
    // Forgets its place and groups.
    void Reset()
    {
        rcButton.SetRectEmpty();
        pScrollGroup = NULL;
        pCaptionGroup = NULL;
    }

    const BOOL bScrollUp;
    BOOL bEnabled;
    BOOL bPressed;
    CRect rcButton; // content coordinates; empty when the button is not placed
    BOOL bHot;
    CXTPTaskPanelGroup* pScrollGroup;  // the group it scrolls
    CXTPTaskPanelGroup* pCaptionGroup; // the group whose caption holds it, or NULL
};
