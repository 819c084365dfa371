#pragma once
// CXTPControlWorkspaceActions: the placeholder (command 35002) that expands
// into the tab-group commands the MDI tab client allows now (new horizontal
// group, new vertical group, move to the previous or next group). Without a
// tab client as the site's MDI client it stays as it is.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlWorkspaceActions : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlWorkspaceActions)
public:
    // The reserved command of the placeholder.
    static const int kCommandId = 35002;

    // Replaces the previous commands by those the tab client enables.
    void OnCalcDynamicSize(DWORD dwMode) override;
};
