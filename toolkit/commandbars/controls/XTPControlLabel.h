#pragma once
// CXTPControlLabel: a caption on a bar that cannot be clicked, selected or
// reached by the keyboard (control type 8). The paint themes draw it as a
// label (IsLabelControl); in a popup it fills its row with the label colour.
//
//     pPopupBar->GetControls()->Add(xtpControlLabel, 0)->SetCaption(CString("Recent"));
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlLabel : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlLabel)
public:
    CXTPControlLabel();

    // ---- CXTPControl ----

    // Never selected.
    int GetSelected() const override { return 0; }
    BOOL IsLabelControl() const override { return TRUE; }
};
