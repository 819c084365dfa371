#pragma once
// CXTPControlOleItems: the placeholder of a menu item with command 57872
// and the caption "<<OLE VERBS GO HERE>>" (an Edit menu's object entry). At
// every layout of its bar it expands into one popup of the selected
// embedded object's verbs ("Picture &Object" > "&Edit", "&Open"), taken from
// the site's active view: its document must be an OLE container document
// (COleDocument) with a primary selected item for the view that is not
// active in place with its own interface. The verbs' commands are
// 0xE210..0xE21F (ID_OLE_VERB_FIRST + the verb's number). An object with at
// most one verb gives no popup.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class COleClientItem;

class CXTPControlOleItems : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlOleItems)
public:
    // The menu item's command and caption this placeholder stands for.
    static const int kCommandId = 57872;
    static const char* const kCaption;
    // The parameter of the popup an expansion inserts.
    static const char* const kPopupParameter;

    // Replaces the previous verb popup by the current object's.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Menus only: TRUE on a popup bar.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;

private:
    // The selected object of the site's active view, or NULL.
    COleClientItem* FindSelectedItem() const;
    // Inserts the popup of the item's verbs after the placeholder.
    void InsertVerbPopup(COleClientItem* pItem);
};
