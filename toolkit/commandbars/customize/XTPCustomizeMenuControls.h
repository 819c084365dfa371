#pragma once
// The controls of the customize sheet's control context menu. They send
// their execution to the menu's owner window (the sheet) rather than to the
// frame: WM_XTP_CONTROL_EXECUTE, then WM_COMMAND when the sheet answers 0.
//
//     pControls->AddControl(new CXTPCustomizeMenuButton, XTP_ID_CUSTOMIZE_RESET);
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

// Sends the control's execution to the owner window of the control's menu:
// WM_XTP_CONTROL_EXECUTE, and WM_COMMAND with the id when that answers 0.
void XTPSendCustomizeMenuCommand(CXTPControl* pControl);
// Closes the control's menu, then sends its execution as above.
void XTPExecuteCustomizeMenuControl(CXTPControl* pControl);

// A command of the context menu: its menu closes, then the command goes to
// the sheet.
class CXTPCustomizeMenuButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPCustomizeMenuButton)
public:
    void OnExecute() override;
};

// The "&Name:" field of the context menu: executing it (Enter) or leaving it
// while its window has the focus gives the selected control the typed name.
class CXTPCustomizeMenuEdit : public CXTPControlEdit
{
    DECLARE_DYNCREATE(CXTPCustomizeMenuEdit)
public:
    void OnExecute() override;
    BOOL OnSetSelected(int bSelected) override;
    // The mouse stays free while the user types, so that moving it off the
    // field gives the name.
    BOOL LocksMouseWhileFocused() const override;
};
