#include "toolkit/commandbars/controls/XTPControlExpansion.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"

void XTPRemoveExpansionItems(CXTPControl* pPlaceholder, XTPExpansionItemTest pfnIsItem, int nMax)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    if (pControls == NULL)
        return;
    for (int nRemoved = 0; nRemoved < nMax; nRemoved++)
    {
        CXTPControl* pNext = pControls->GetAt(pPlaceholder->GetIndex() + 1);
        if (pNext == NULL || !pfnIsItem(pNext))
            return;
        pControls->Remove(pNext);
    }
}

BOOL XTPIsCustomizing(const CXTPControl* pPlaceholder)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    CXTPCommandBars* pCommandBars = pControls != NULL ? pControls->GetCommandBars() : NULL;
    return pCommandBars != NULL && pCommandBars->IsCustomizeMode();
}

BOOL XTPShowPlaceholderWhileCustomizing(CXTPControl* pPlaceholder)
{
    if (!XTPIsCustomizing(pPlaceholder))
        return FALSE;
    pPlaceholder->SetHideFlags(xtpHideNone);
    return TRUE;
}

CXTPControl* XTPAddExpansionItem(CXTPControl* pPlaceholder, int nInserted, int nId, const CString& strCaption)
{
    CXTPControl* pItem = pPlaceholder->GetControls()->Add(xtpControlButton, nId, CString(),
                                                          pPlaceholder->GetIndex() + 1 + nInserted, TRUE);
    pItem->SetCaption(strCaption);
    pItem->SetFlags(xtpFlagManualUpdate);
    return pItem;
}
