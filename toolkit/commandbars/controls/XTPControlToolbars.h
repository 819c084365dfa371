#pragma once
// CXTPControlToolbars: the placeholder (command 59392) that expands into one
// check item per toolbar of the bars manager that the user may close and
// that is listed in the toolbars context menu; choosing an item shows or
// hides that toolbar. CXTPControlToolBarToggle is such an item: its tag is
// the toolbar's index in the manager's list.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlToolbars : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlToolbars)
public:
    // The parameter that marks the toggles of the expansion.
    static const char* const kToggleParameter;

    // Replaces the previous toggles by one per listed toolbar.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Menus only: TRUE on a popup bar.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
};

class CXTPControlToolBarToggle : public CXTPControlButton
{
public:
    // Inserts into pControls, from nBefore on, one toggle per tool bar of
    // the manager that is of the normal type, listed in context menus and
    // closeable: its title, its index as tag, checked while it is shown.
    // Returns how many were inserted.
    static int AddToggles(CXTPControls* pControls, CXTPCommandBars* pCommandBars, int nId, int nBefore,
                          const CString& strParameter, BOOL bTemporary);

    // Closes the open menus and shows or hides the toolbar at the tag's index.
    void OnExecute() override;
};
